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
}  // namespace ZiZiR
