// Random text into the number reader; whatever it reads, the writers must
// write, and what they write must read back to the same text.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "calc/OrvMath.h"

namespace {

void Pruefen(bool bedingung) {
  if (!bedingung) std::abort();
}

void Runde(const QString& text) {
  long double wert;
  try {
    wert = FeldWert(text);
  } catch (const EConvertError&) {
    return;
  }
  Pruefen(std::isfinite(wert));
  for (const auto& [stellen, dezimalen] : {std::pair{18, 2}, {15, 3}, {18, 0}, {18, 1}, {15, 2}}) {
    const QString geschrieben = ZahlText(wert, stellen, dezimalen);
    Pruefen(!geschrieben.isEmpty());
    // Rounding to 18 digits may step past the largest value; below that,
    // leaving a field twice must not change it.
    if (std::fabs(wert) < 1e4000L) {
      const long double wieder = FeldWert(geschrieben);
      Pruefen(ZahlText(wieder, stellen, dezimalen) == geschrieben);
    }
  }
  Pruefen(!ZahlTextEinfach(wert, 5).isEmpty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the regional settings.
  Zahlenformat f = Zahlenformat::Deutsch();
  switch (data[0] % 3) {
    case 1:
      f.Dezimaltrenner = u'.';
      f.Tausendertrenner = u',';
      f.PositivFormat = 0;
      f.NegativFormat = data[0] / 3 % 16;
      break;
    case 2:
      f.Tausendertrenner = u' ';
      f.NegativFormat = data[0] / 3 % 16;
      break;
    default: break;
  }
  SetzeZahlenformat(f);
  Runde(QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
  return 0;
}
