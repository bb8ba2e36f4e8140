#pragma once
// The interest rate at which a page's own formula gives back an entered
// figure, shared by the savings, pension and loan pages. Knows nothing of
// widgets.
//
// The search runs over y = ln(1 + p / 100) and compares logarithms of the
// page's figure and of the entered one: the pages' figures are then close to
// straight lines in y at both ends of the range, and no power can overflow.
#include <functional>
#include <optional>

#include "calc/Fehler.h"
#include "calc/OrvMath.h"

// A zero of f inside [a, b] where f(a) and f(b) differ in sign (Brent's
// method, at most `hoechstens` evaluations of f, the two ends included).
// Empty when the bracket holds no sign change, f is not finite there or the
// evaluations run out. `auswertungen`, when given, receives their number.
std::optional<long double> Nullstelle(const std::function<long double(long double)>& f, long double a, long double b,
                                      int hoechstens = 200, int* auswertungen = nullptr);

namespace Zinssuche {

// The rates answered, percent per year: the lowest one still written above
// -100 with three decimals, and the cap. A rate that rounds to one of them
// at three decimals is answered as that bound.
inline constexpr long double Untergrenze = -99.999L;
inline constexpr long double Obergrenze = 1000;
// Evaluations of a page's formula per search, bracketing included.
inline constexpr int HoechstAuswertungen = 200;

enum class TLage { Gefunden, ZielZuHoch, ZielZuNiedrig };

struct TErgebnis {
  TLage Lage = TLage::Gefunden;
  long double p = 0;          // percent per year, when found
  bool AmOberenEnde = false;  // not found: the formula comes closest at the cap
  int Auswertungen = 0;
};

// lnWert(y): logarithm of the page's figure at y = ln(1 + p / 100), a
// continuous function that is monotone or has a single minimum over the
// range; lnZiel: logarithm of the entered figure. Where two rates give the
// figure (a term under a year with instalments within it), the one nearer to
// 0 % is taken.
TErgebnis Suchen(const std::function<long double(long double)>& lnWert, long double lnZiel);

// Evaluations of the last search on this thread.
int LetzteAuswertungen();

// ln(faktor · |(q^n − 1) / (q − 1)|) for n ≠ 0 and faktor > 0, with
// y = ln q and x = q − 1 given both: the factor of n periods' payments, its
// limit n at q = 1 included.
long double LnRentenfaktor(long double n, long double y, long double x, long double faktor = 1);
// Rne / R of instalments within the year at x = p / 100.
long double Jahresfaktor(long double x, int m);
// ln |a / b| for finite a, b ≠ 0, without forming the quotient.
long double LnVerhaeltnis(Ext a, Ext b);

// The term in years of a page whose rate is sought; refused unless above 0.
Ext Laufzeit(Ext nj, Ext nm);
// The rate of a search, or the page's message: `zuHoch` where the entered
// figure is above every figure the formula gives, `zuNiedrig` where below.
Ext Zinssatz(const TErgebnis& e, const char* zuHoch, const char* zuNiedrig);
// Refuses with "Zu diesen Werten gibt es keinen Zinssatz: " and the reason.
[[noreturn]] void Kein(const char* grund);
// Refuses a rate that is not above 0 once written with three decimals: the
// loan and pension pages ask what interest an offer bears, and their own
// formulas cannot compute at 0 %.
void Positiv(Ext p, const char* grund);

}  // namespace Zinssuche
