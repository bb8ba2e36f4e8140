#pragma once
// Present value of an annuity: a capital paying equal instalments at the end
// of every period until it is used up, the rest compounding yearly.
// m is the number of instalments per year.
#include "calc/OrvMath.h"

namespace BW {
Ext Rate(Ext BW, Ext p, Ext nj, Ext nm, int m);
// Term in years, unsplit.
Ext Laufzeit(Ext R, Ext p, Ext BW, int m);
Ext Barwert(Ext R, Ext p, Ext nj, Ext nm, int m);
// The rate in percent per year at which Barwert gives BW; EKeinZinssatz
// where there is none from -99,999 % to 1.000 %.
Ext Zinssatz(Ext R, Ext nj, Ext nm, Ext BW, int m);
}  // namespace BW
