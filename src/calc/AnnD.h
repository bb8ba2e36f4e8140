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
}  // namespace AnnD
