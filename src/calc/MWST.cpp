#include "calc/MWST.h"

namespace MWST {

Ergebnis Netto(Ext B, Ext P) {
  const Ext N = (B / (P + 100)) * 100;
  return {N, Steuer(N, P)};
}

Ergebnis Prozent(Ext B, Ext N) {
  const Ext P = ((B - N) * 100) / N;
  return {P, Steuer(N, P)};
}

Ext Steuer(Ext N, Ext P) { return (N * P) / 100; }

Ergebnis Brutto(Ext N, Ext P) {
  const Ext B = (N * P) / 100 + N;
  return {B, Steuer(N, P)};
}

}  // namespace MWST
