#pragma once
// Savings plan: equal instalments at the end of every period, turned into one
// equivalent instalment at the end of each year, compounded yearly.
// m is the number of instalments per year.
#include "calc/OrvMath.h"

namespace ZiZiR {
Ext Rate(Ext Kn, Ext p, Ext nj, Ext nm, int m);
// Term in years, unsplit.
Ext Laufzeit(Ext R, Ext p, Ext Kn, int m);
Ext Endkapital(Ext R, Ext p, Ext nj, Ext nm, int m);
// The rate in percent per year at which Endkapital gives Kn; EKeinZinssatz
// where there is none from -99,999 % to 1.000 %.
Ext Zinssatz(Ext R, Ext nj, Ext nm, Ext Kn, int m);
}  // namespace ZiZiR
