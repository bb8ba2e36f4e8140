#pragma once
// Simple interest: interest on the starting capital only, never compounded.
// Terms in years; a term result is returned unsplit.
#include "calc/OrvMath.h"

namespace eZi {
Ext Anfangskapital(Ext Kn, Ext p, Ext nj, Ext nm);
Ext Zinssatz(Ext K, Ext Kn, Ext nj, Ext nm);
Ext Laufzeit(Ext K, Ext p, Ext Kn);
Ext Endkapital(Ext K, Ext p, Ext nj, Ext nm);
}  // namespace eZi
