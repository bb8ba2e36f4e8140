// Any byte sequence must end in a document or a clean error from the RTF
// reader, and the result must survive being laid out as the viewer does.
#include <QApplication>
#include <QByteArray>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

#include "formula/RtfLeser.h"

// Every new font family name in the input makes fontconfig cache a pattern
// that lives until the process ends; that cache is not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_rtf";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QTextDocument doc;
  const TRtfErgebnis ergebnis =
      TRtfLeser::Lesen(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &doc);
  if (!ergebnis.Ok) {
    if (ergebnis.Fehler.isEmpty() || !doc.isEmpty()) std::abort();
    return 0;
  }
  doc.setTextWidth(-1);
  (void)doc.size();
  (void)doc.toPlainText();
  return 0;
}
