// Random bytes as the settings store, then the start-up read: it may report
// a read failure, but never crash or hang.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "uEinstellungen.h"

namespace {

struct Umgebung {
  Umgebung() {
    static int argc = 1;
    static char name[] = "fuzz_einstellungen";
    static char* argv[] = {name, nullptr};
    app = new QCoreApplication(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
    QDir().mkpath(ordner.path() + QStringLiteral("/Merovin"));
    datei = ordner.path() + QStringLiteral("/Merovin/Tesselo.conf");
    SetzeLesefehlerMeldung([] {});
  }
  QCoreApplication* app = nullptr;
  QTemporaryDir ordner;
  QString datei;
  qint64 runde = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  static Umgebung u;
  {
    QFile f(u.datei);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(daten), qint64(groesse));
    // QSettings keeps parsed stores in a cache checked by size and time;
    // a new time each round makes it read the new bytes.
    f.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++u.runde), QFileDevice::FileModificationTime);
  }
  Einstellungswerte = {};
  LoadSettings();
  // Whatever was read must be usable as text.
  for (const auto& e : Einstellungen) (void)(Einstellungswerte.*e.Wert).size();
  return 0;
}
