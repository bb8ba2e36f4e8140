// Arbitrary field texts of the savings, pension and loan pages through the
// interest-rate search, read as the page reads them: every run ends within
// its evaluations with a rate the field can show or with an error message,
// never a crash, a hang, a NaN, an infinity or an exponent.
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "calc/AnnD.h"
#include "calc/BW.h"
#include "calc/OrvMath.h"
#include "calc/ZiZiR.h"
#include "calc/Zinssuche.h"

namespace {

void Pruefen(bool bedingung) {
  if (!bedingung) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  SetzeZahlenformat(Zahlenformat::Deutsch());
  const int seite = data[0] % 3;
  const int m = RatenProJahr(data[0] / 3 % 4);
  // Four field texts separated by NUL, in the order of the page's arguments.
  const QStringList texte =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)).split(QChar(0));
  Ext a, b, c, d;
  try {
    Ext* werte[] = {&a, &b, &c, &d};
    for (int i = 0; i < 4; ++i) *werte[i] = FeldWert(texte.value(i));
  } catch (const EConvertError&) {
    return 0;
  }

  Ext p;
  try {
    switch (seite) {
      case 0: p = ZiZiR::Zinssatz(a, b, c, d, m); break;
      case 1: p = BW::Zinssatz(a, b, c, d, m); break;
      default: p = AnnD::Zinssatz(a, b, c, d, m); break;
    }
  } catch (const EKeinZinssatz& e) {
    Pruefen(!e.Text().isEmpty());
    return 0;
  } catch (const EZeroDivide&) {
    return 0;
  } catch (const EInvalidOp&) {
    return 0;
  } catch (const EOverflow&) {
    return 0;
  }
  Pruefen(Zinssuche::LetzteAuswertungen() <= Zinssuche::HoechstAuswertungen);
  Pruefen(std::isfinite(p.Wert()));
  Pruefen(!(p < Ext(Zinssuche::Untergrenze)) && !(p > Ext(Zinssuche::Obergrenze)));
  const QString text = ZahlText(p.Wert(), 15, 3);
  Pruefen(!text.isEmpty() && !text.contains(u'e', Qt::CaseInsensitive) && !text.contains(u'n', Qt::CaseInsensitive));
  return 0;
}
