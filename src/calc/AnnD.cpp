#include "calc/AnnD.h"

#include <cmath>

#include "calc/Zinssuche.h"

namespace AnnD {

namespace {
// Periods and the rate per period; the periods are formed before the rate.
struct Perioden {
  Ext N;
  Ext i;
  double qN() const { return Power(ZuDouble(i + 1), ZuDouble(N)); }
};

Perioden Zerlegen(Ext p, Ext nj, Ext nm, int m) {
  const Ext t = LaufzeitJahre(nj, nm);
  const Ext N = Ext(m) * t;
  const Ext i = (p / Ext(m)) / 100;
  return {N, i};
}
}  // namespace

Ext Darlehenshoehe(Ext R, Ext p, Ext nj, Ext nm, int m) {
  const Perioden z = Zerlegen(p, nj, nm, m);
  Ext a = (Ext(z.qN()) - 1) * R;
  a = a / z.i;
  return a / Ext(z.qN());
}

Ext Laufzeit(Ext K0, Ext p, Ext R, int m) {
  const Ext i = (p / Ext(m)) / 100;
  const Ext x = R / (R - i * K0);
  const double oben = Log10(ZuDouble(x));
  const double unten = Log10(ZuDouble(i + 1));
  const Ext N = Ext(oben) / Ext(unten);
  return N / Ext(m);
}

Ext Rate(Ext K0, Ext p, Ext nj, Ext nm, int m) {
  const Perioden z = Zerlegen(p, nj, nm, m);
  const Ext b = Ext(z.qN()) * K0;
  return (z.i / (Ext(z.qN()) - 1)) * b;
}

Ext Restschuld(Ext K0, Ext p, Ext knj, Ext knm, Ext R, int m) {
  const Perioden z = Zerlegen(p, knj, knm, m);
  const Ext b = Ext(z.qN()) * K0;
  return b - ((Ext(z.qN()) - 1) / z.i) * R;
}

Ext Zinssatz(Ext K0, Ext nj, Ext nm, Ext R, int m) {
  const Ext t = Zinssuche::Laufzeit(nj, nm);
  if (m < 1) throw EZeroDivide();
  const long double N = (Ext(m) * t).Wert();
  if (R == Ext(0)) Zinssuche::Kein("Ohne Rate wird das Darlehen bei keinem Zinssatz getilgt.");
  if (K0 == Ext(0)) Zinssuche::Kein("Ein Darlehen von 0 braucht bei keinem Zinssatz eine Rate.");
  if ((R > Ext(0)) != (K0 > Ext(0))) Zinssuche::Kein("Darlehen und Rate haben verschiedene Vorzeichen.");
  // K0 = R · (1 − q^−N) / (q − 1) with the period's factor q = 1 + p / m / 100.
  const auto lnDarlehen = [&](long double y) {
    const long double i = std::expm1(y) / m;
    return Zinssuche::LnRentenfaktor(-N, std::log1p(i), i);
  };
  const Ext p = Zinssuche::Zinssatz(Zinssuche::Suchen(lnDarlehen, Zinssuche::LnVerhaeltnis(K0, R)),
                                    "Die Raten tilgen das Darlehen bei keinem Zinssatz.",
                                    "Die Raten zahlen bei jedem Zinssatz mehr zurück als das Darlehen.");
  // A loan paid back with no more than was borrowed bears no interest that
  // an offer could name.
  Zinssuche::Positiv(p, "Die Raten zahlen zusammen nicht mehr zurück, als geliehen wurde.");
  return p;
}

}  // namespace AnnD
