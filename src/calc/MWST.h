#pragma once
// Value added tax. Every case also yields the tax amount, always computed
// from the unrounded values of the run.
#include "calc/OrvMath.h"

namespace MWST {
struct Ergebnis {
  Ext Wert;
  Ext Steuer;
};
// Net amount from gross amount and rate.
Ergebnis Netto(Ext B, Ext P);
// Rate in percent from gross and net amount.
Ergebnis Prozent(Ext B, Ext N);
Ext Steuer(Ext N, Ext P);
// Gross amount from net amount and rate.
Ergebnis Brutto(Ext N, Ext P);
}  // namespace MWST
