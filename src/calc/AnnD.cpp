#include "calc/AnnD.h"

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

}  // namespace AnnD
