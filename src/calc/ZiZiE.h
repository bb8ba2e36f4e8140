#pragma once
// Compound interest on a single payment, compounded yearly; a part year
// compounds with the fractional power of the yearly factor.
#include "calc/OrvMath.h"

namespace ZiZiE {
Ext Anfangskapital(Ext Kn, Ext p, Ext nj, Ext nm);
Ext Zinssatz(Ext K, Ext Kn, Ext nj, Ext nm);
// Term in years, unsplit.
Ext Laufzeit(Ext K, Ext p, Ext Kn);
Ext Endkapital(Ext K, Ext p, Ext nj, Ext nm);
}  // namespace ZiZiE
