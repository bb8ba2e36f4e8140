#pragma once
// Annuity loan, computed per payment period: the yearly rate is divided by
// the m instalments per year and the term counted in periods.
#include "calc/OrvMath.h"

namespace AnnD {
Ext Darlehenshoehe(Ext R, Ext p, Ext nj, Ext nm, int m);
// Term in years, unsplit.
Ext Laufzeit(Ext K0, Ext p, Ext R, int m);
Ext Rate(Ext K0, Ext p, Ext nj, Ext nm, int m);
// Residual debt after knj years and knm months.
Ext Restschuld(Ext K0, Ext p, Ext knj, Ext knm, Ext R, int m);
// The rate in percent per year at which Darlehenshoehe gives K0 (and Rate
// gives R); EKeinZinssatz where there is none from -99,999 % to 1.000 %.
Ext Zinssatz(Ext K0, Ext nj, Ext nm, Ext R, int m);
}  // namespace AnnD
