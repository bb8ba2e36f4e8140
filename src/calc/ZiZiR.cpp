#include "calc/ZiZiR.h"

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

}  // namespace ZiZiR
