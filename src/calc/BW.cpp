#include "calc/BW.h"

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

}  // namespace BW
