#include "calc/eZi.h"

// Every formula keeps its evaluation order: it decides the last digit and
// which error a degenerate input raises first.
namespace eZi {

Ext Anfangskapital(Ext Kn, Ext p, Ext nj, Ext nm) {
  const Ext n = LaufzeitJahre(nj, nm);
  return Kn / ((n * p) / 100 + 1);
}

Ext Zinssatz(Ext K, Ext Kn, Ext nj, Ext nm) {
  const Ext n = LaufzeitJahre(nj, nm);
  return ((Kn - K) * 100) / (K * n);
}

Ext Laufzeit(Ext K, Ext p, Ext Kn) { return (Kn - K) / ((K * p) / 100); }

Ext Endkapital(Ext K, Ext p, Ext nj, Ext nm) {
  const Ext n = LaufzeitJahre(nj, nm);
  return ((K * n) * p) / 100 + K;
}

}  // namespace eZi
