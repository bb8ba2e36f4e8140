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
  return Zinssuche::Zinssatz(Zinssuche::Suchen(lnBarwert, Zinssuche::LnVerhaeltnis(BW, R)),
                             "Die Entnahmen brauchen bei keinem Zinssatz einen so hohen Barwert.",
                             "Die Entnahmen brauchen bei jedem Zinssatz einen höheren Barwert.");
}

}  // namespace BW
