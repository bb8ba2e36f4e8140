#include "calc/ZiZiR.h"

#include <cmath>

#include "calc/Zinssuche.h"

namespace ZiZiR {

Ext Rate(Ext Kn, Ext p, Ext nj, Ext nm, int m) {
  const Ext n = LaufzeitJahre(nj, nm);
  // The power is taken before the numerator, so its errors come first.
  const Ext nenner = Ext(Power(ZuDouble(p / 100 + 1), ZuDouble(n))) - 1;
  const Ext rne = (Kn * (p / 100)) / nenner;
  return RateAusRne(rne, p, m);
}

Ext Laufzeit(Ext R, Ext p, Ext Kn, int m) {
  const Ext rne = RneAusRate(R, p, m);
  const double oben = Log10(ZuDouble((Kn * p) / 100 / rne + 1));
  const double unten = Log10(ZuDouble(p / 100 + 1));
  return Ext(oben) / Ext(unten);
}

Ext Endkapital(Ext R, Ext p, Ext nj, Ext nm, int m) {
  const Ext n = LaufzeitJahre(nj, nm);
  const Ext rne = RneAusRate(R, p, m);
  return (rne * (Ext(Power(ZuDouble(p / 100 + 1), ZuDouble(n))) - 1)) / (p / 100);
}

Ext Zinssatz(Ext R, Ext nj, Ext nm, Ext Kn, int m) {
  const long double n = Zinssuche::Laufzeit(nj, nm).Wert();
  if (R == Ext(0)) Zinssuche::Kein("Ohne Rate bleibt das Endkapital bei jedem Zinssatz 0.");
  if (Kn == Ext(0)) Zinssuche::Kein("Raten ergeben bei keinem Zinssatz ein Endkapital von 0.");
  if ((R > Ext(0)) != (Kn > Ext(0))) Zinssuche::Kein("Rate und Endkapital haben verschiedene Vorzeichen.");
  // One instalment at the end of the only year earns nothing.
  if (m <= 1 && n == 1)
    Zinssuche::Kein("Bei jährlicher Zahlung über ein Jahr ist das Endkapital bei jedem Zinssatz gleich der Rate.");
  const auto lnEndkapital = [&](long double y) {
    const long double x = std::expm1(y);
    return Zinssuche::LnRentenfaktor(n, y, x, Zinssuche::Jahresfaktor(x, m));
  };
  return Zinssuche::Zinssatz(Zinssuche::Suchen(lnEndkapital, Zinssuche::LnVerhaeltnis(Kn, R)),
                             "Die Raten ergeben bei keinem Zinssatz ein so hohes Endkapital.",
                             "Die Raten ergeben bei jedem Zinssatz ein höheres Endkapital.");
}

}  // namespace ZiZiR
