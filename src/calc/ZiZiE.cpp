#include "calc/ZiZiE.h"

// Values cross into Power/Log10/Root as doubles and come back as doubles;
// that narrowing is part of the result the user sees.
namespace ZiZiE {

Ext Anfangskapital(Ext Kn, Ext p, Ext nj, Ext nm) {
  const Ext n = LaufzeitJahre(nj, nm);
  const Ext q = p / 100 + 1;
  return Kn / Ext(Power(ZuDouble(q), ZuDouble(n)));
}

Ext Zinssatz(Ext K, Ext Kn, Ext nj, Ext nm) {
  const Ext n = LaufzeitJahre(nj, nm);
  const Ext verhaeltnis = Kn / K;
  return (Ext(Root(ZuDouble(n), ZuDouble(verhaeltnis))) - 1) * 100;
}

Ext Laufzeit(Ext K, Ext p, Ext Kn) {
  // The first logarithm is held as a double while the second is taken.
  const double oben = Log10(ZuDouble(Kn / K));
  const double unten = Log10(ZuDouble(p / 100 + 1));
  return Ext(oben) / Ext(unten);
}

Ext Endkapital(Ext K, Ext p, Ext nj, Ext nm) {
  const Ext n = LaufzeitJahre(nj, nm);
  const Ext q = p / 100 + 1;
  return Ext(Power(ZuDouble(q), ZuDouble(n))) * K;
}

}  // namespace ZiZiE
