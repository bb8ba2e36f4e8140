#include "calc/BW.h"

#include <cmath>

#include "calc/Zinssuche.h"

// q^n is evaluated twice on purpose: each use gets its own call, as the
// published formulas are written.
namespace BW {

namespace {
Ext Aufzinsung(Ext p, Ext n) { return Ext(Power(ZuDouble(p / 100 + 1), ZuDouble(n))); }
}  // namespace

Ext Rate(Ext BW, Ext p, Ext nj, Ext nm, int m) {
  const Ext n = LaufzeitJahre(nj, nm);
  const Ext a = Aufzinsung(p, n) * (p / 100);
  const Ext rne = (a / (Aufzinsung(p, n) - 1)) * BW;
  return RateAusRne(rne, p, m);
}

Ext Laufzeit(Ext R, Ext p, Ext BW, int m) {
  const Ext rne = RneAusRate(R, p, m);
  const double oben = Log10(ZuDouble(rne / (rne - (p / 100) * BW)));
  const double unten = Log10(ZuDouble(p / 100 + 1));
  return Ext(oben) / Ext(unten);
}

Ext Barwert(Ext R, Ext p, Ext nj, Ext nm, int m) {
  const Ext n = LaufzeitJahre(nj, nm);
  const Ext rne = RneAusRate(R, p, m);
  const Ext d = (Ext(1) / Aufzinsung(p, n)) * rne;
  return ((Aufzinsung(p, n) - 1) * d) / (p / 100);
}

Ext Zinssatz(Ext R, Ext nj, Ext nm, Ext BW, int m) {
  const long double n = Zinssuche::Laufzeit(nj, nm).Wert();
  if (R == Ext(0)) Zinssuche::Kein("Ohne Rate ist der Barwert bei jedem Zinssatz 0.");
  if (BW == Ext(0)) Zinssuche::Kein("Ein Barwert von 0 reicht bei keinem Zinssatz für Entnahmen.");
  if ((R > Ext(0)) != (BW > Ext(0))) Zinssuche::Kein("Rate und Barwert haben verschiedene Vorzeichen.");
  // Barwert = Rne · (1 − q^−n) / (q − 1).
  const auto lnBarwert = [&](long double y) {
    const long double x = std::expm1(y);
    return Zinssuche::LnRentenfaktor(-n, y, x, Zinssuche::Jahresfaktor(x, m));
  };
  const long double lnZiel = Zinssuche::LnVerhaeltnis(BW, R);
  Zinssuche::TErgebnis gefunden = Zinssuche::Suchen(lnBarwert, lnZiel);
  // Under a year with instalments within it, a rate below 0 and one above may
  // both give the figure; the capital's interest is the one above.
  if (gefunden.Lage == Zinssuche::TLage::Gefunden && gefunden.p < 0.0005L) {
    const auto abstand = [&](long double y) { return lnBarwert(y) - lnZiel; };
    if (const auto y = Nullstelle(abstand, std::log1p(0.0005L / 100), std::log1p(Zinssuche::Obergrenze / 100),
                                  Zinssuche::HoechstAuswertungen - gefunden.Auswertungen))
      gefunden.p = std::expm1(*y) * 100;
  }
  const Ext p = Zinssuche::Zinssatz(gefunden, "Die Entnahmen brauchen bei keinem Zinssatz einen so hohen Barwert.",
                                    "Die Entnahmen brauchen bei jedem Zinssatz einen höheren Barwert.");
  // A capital that pays out no more than it holds has earned nothing.
  Zinssuche::Positiv(p, "Der Barwert ist nicht kleiner als alle Entnahmen zusammen.");
  return p;
}

}  // namespace BW
