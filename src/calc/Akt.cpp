#include "calc/Akt.h"

namespace Akt {

namespace {
// The extended value nearest to 0.01; the search accumulates it.
constexpr long double Schritt = 0.01L;
}  // namespace

Abrechnung Gebuehren(Ext kw, const Eingaben& e) {
  Abrechnung a;
  a.KW = kw;
  a.M = (kw * e.mk) / Ext(100);
  a.B = (kw * e.g) / Ext(100) + e.G0;
  if (e.Gmin > a.B) a.B = e.Gmin;
  return a;
}

Abrechnung Abrechnen(const Eingaben& e) { return Gebuehren(e.S * e.K, e); }

Ext KaufGesamt(const Abrechnung& a) { return (a.KW + a.M) + a.B; }

Ext VerkaufGesamt(const Abrechnung& a) { return (a.KW - a.M) - a.B; }

Ext Startkurs(const Abrechnung& kauf, Ext gesamt, const Eingaben& e) { return ((gesamt + kauf.M) + kauf.B) / e.S; }

bool GewinnschwelleErreichbar(const Eingaben& e) {
  // Proceeds are S * X * (1 - (g + mk) / 100) minus at most a fixed fee;
  // they grow with X only for a positive count and a fee share below 100 %.
  const long double g = e.g.Wert();
  const long double mk = e.mk.Wert();
  return e.S.Wert() > 0 && g >= 0 && mk >= 0 && g + mk < 100;
}

Gewinnschwelle GewinnschwelleSuchen(const Eingaben& e, Ext gesamt, Ext start, std::int64_t maxRunden) {
  Gewinnschwelle ergebnis;
  if (!GewinnschwelleErreichbar(e)) {
    ergebnis.Ergebnis = Gewinnschwelle::Art::NieErreicht;
    return ergebnis;
  }
  Ext x = start;
  Ext erloes;
  do {
    if (ergebnis.Runden >= maxRunden) {
      ergebnis.Ergebnis = Gewinnschwelle::Art::ZuWeit;
      return ergebnis;
    }
    ++ergebnis.Runden;
    erloes = VerkaufGesamt(Gebuehren(e.S * x, e));
    x = x + Ext(Schritt);
  } while (gesamt > erloes);
  ergebnis.Kurs = x - Ext(Schritt);
  return ergebnis;
}

}  // namespace Akt
