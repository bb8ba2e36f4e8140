#pragma once
// Share settlement: the fees of a purchase or sale and the break-even price
// of a purchase.
#include <cstdint>

#include "calc/OrvMath.h"

namespace Akt {

struct Eingaben {
  Ext K;     // price of one share
  Ext S;     // number of shares
  Ext Gmin;  // minimum bank fee
  Ext G0;    // fixed bank fee
  Ext g;     // bank fee in percent of the market value
  Ext mk;    // broker's fee in percent of the market value
};

struct Abrechnung {
  Ext KW;  // market value
  Ext M;   // broker's fee
  Ext B;   // bank fee
};

// The fee rule of purchase and sale for a market value; the minimum fee
// replaces the computed bank fee only when it is greater.
Abrechnung Gebuehren(Ext kw, const Eingaben& e);
// Settlement at the entered price.
Abrechnung Abrechnen(const Eingaben& e);
// What the buyer pays and what the seller receives.
Ext KaufGesamt(const Abrechnung& a);
Ext VerkaufGesamt(const Abrechnung& a);

// First estimate of the break-even search: the price at which the market
// value covers the purchase cost plus the purchase fees once more.
// S = 0 divides by zero.
Ext Startkurs(const Abrechnung& kauf, Ext gesamt, const Eingaben& e);

// Whether the proceeds of a sale grow without bound with the price, so that
// they reach every purchase cost at some price.
bool GewinnschwelleErreichbar(const Eingaben& e);

struct Gewinnschwelle {
  enum class Art { Gefunden, NieErreicht, ZuWeit };
  Art Ergebnis = Art::Gefunden;
  Ext Kurs;  // valid when found
  std::int64_t Runden = 0;
};

// Reaches 20 000 above the start price, far beyond any real purchase, and
// keeps the longest search well under a second.
inline constexpr std::int64_t MaxRunden = 2'000'000;

// The lowest price on the 0.01 grid from the start price whose proceeds reach
// the purchase cost. Inputs for which no price suffices are refused before
// searching; a search that would need more than maxRunden steps gives up.
Gewinnschwelle GewinnschwelleSuchen(const Eingaben& e, Ext gesamt, Ext start, std::int64_t maxRunden = MaxRunden);

}  // namespace Akt
