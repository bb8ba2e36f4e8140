// Random text into the whole-number reader, and random numbers through the
// writer back into both readers.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "calc/OrvMath.h"

namespace {
void Pruefen(bool bedingung) {
  if (!bedingung) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SetzeZahlenformat(Zahlenformat::Deutsch());
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
  if (const std::optional<qint32> wert = GanzzahlWert(text)) {
    // Anything accepted has a digit and nothing after the last one.
    Pruefen(!text.isEmpty() && text.back().isLetterOrNumber());
    Pruefen(!GanzzahlText(*wert).isEmpty());
  }
  if (size >= 4) {
    qint32 zahl;
    std::memcpy(&zahl, data, sizeof zahl);
    const QString geschrieben = GanzzahlText(zahl);
    if (zahl > -10000000 && zahl < 10000000) Pruefen(GanzzahlWert(geschrieben) == zahl);
    // The exponent form is what the field shows; the amount reader takes it.
    const long double gelesen = FeldWert(geschrieben);
    Pruefen(gelesen == 0 || std::abs(gelesen / zahl - 1) < 1e-6L);
  }
  return 0;
}
