#pragma once
// Mortgage offers as German banks quote them: a monthly instalment from the
// borrowing rate and the initial repayment (or given), a fixed-rate period,
// a follow-up rate, a yearly extra repayment and one-time costs.
//
// Conventions:
// - Money is counted in whole cents. The instalment is K · (Sollzins +
//   Tilgung) / 12 / 100, rounded half up to the cent, unless it is given.
// - Each month's interest is balance · rate / 12 / 100, rounded half up to the
//   cent; the rest of the instalment repays. The last instalment is what is
//   left (balance + interest).
// - The extra repayment falls due with every 12th instalment, after the
//   fixed-rate period too, at most the balance left.
// - After the fixed-rate period the same instalment runs on at the follow-up
//   rate until the loan is repaid, at most PlanHoechstJahre years.
// - The effective rate covers the fixed-rate period: the yearly rate X at
//   which the payout (amount less costs) equals the instalments and extra
//   repayments of that period plus the balance at its end, each discounted
//   with (1 + X)^-t, t in years (a month is 1/12); two decimals, half up.
// Percent rates count to six decimals. Knows nothing of widgets.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "calc/Fehler.h"
#include "calc/OrvMath.h"
#include "calc/Zahlungsplan.h"

// An offer the program refuses to compute; the text is the German message.
class EFinanzierungFehler : public EFehler {
 public:
  using EFehler::EFehler;
};

using TCent = std::int64_t;

// An offer as entered; an empty value is a field left empty.
struct TAngebot {
  std::optional<Ext> Betrag;         // loan amount
  std::optional<Ext> Sollzins;       // percent per year in the fixed-rate period
  std::optional<Ext> Tilgung;        // initial repayment, percent per year; ignored when Rate is given
  std::optional<Ext> Rate;           // monthly instalment
  std::optional<int> Zinsbindung;    // whole years
  std::optional<Ext> Anschlusszins;  // percent per year after the fixed-rate period; empty: the Sollzins
  std::optional<Ext> Sondertilgung;  // per year; empty: none
  std::optional<Ext> Kosten;         // deducted from the payout (fees, discount); empty: none
};

// One month of the plan: Rate = Zinsen + Tilgung, and Restschuld is the
// previous balance less Tilgung and Sondertilgung.
struct TFinanzierungsMonat {
  int Monat = 0;  // from 1
  int Jahr = 0;   // from 1
  TCent Rate = 0;
  TCent Zinsen = 0;
  TCent Tilgung = 0;
  TCent Sondertilgung = 0;
  TCent Restschuld = 0;
};

// A year's sums; Restschuld is the balance at its end (or at the plan's end).
struct TFinanzierungsJahr {
  int Jahr = 0;
  TCent Raten = 0;
  TCent Zinsen = 0;
  TCent Tilgung = 0;
  TCent Sondertilgung = 0;
  TCent Restschuld = 0;
};

struct TFinanzierung {
  TCent Monatsrate = 0;
  Ext AnfTilgung;  // percent; for a given instalment 12 · Rate / Betrag · 100 − Sollzins
  TCent ZinsenBindung = 0;
  TCent Restschuld = 0;               // at the end of the fixed-rate period (0 when repaid earlier)
  std::optional<int> Volltilgung;     // instalments until repaid; empty: never within PlanHoechstJahre
  std::optional<TCent> Gesamtzinsen;  // until repaid; empty: never repaid
  Ext Effektivzins;                   // percent, rounded to two decimals
  // Every month until the loan is repaid. A loan that is never repaid runs
  // until the first year after the fixed-rate period that does not lower its
  // balance (no later year would), or for PlanHoechstJahre years.
  std::vector<TFinanzierungsMonat> Plan;
};

// The result rows of a comparison, in their order.
enum class TKennzahl { Monatsrate, AnfTilgung, ZinsenBindung, Restschuld, Volltilgung, Gesamtzinsen, Effektivzins };
inline constexpr int KennzahlAnzahl = 7;

struct TVergleich {
  std::vector<std::optional<TFinanzierung>> Ergebnisse;  // per offer; empty when inputs are missing
  // Per result row, the offers (indices) with the best figure; empty for
  // Monatsrate and AnfTilgung, and wherever fewer than two offers differ.
  std::array<std::vector<int>, KennzahlAnzahl> Beste;
};

// Amounts (loan, instalment, extra repayment, costs) above this are refused.
inline constexpr long double FinanzierungHoechstbetrag = 1e12L;
inline constexpr int ZinsbindungHoechstJahre = 50;

// Betrag, Sollzins, Zinsbindung and Tilgung or Rate are entered.
bool Vollstaendig(const TAngebot& a);
// Raises EFinanzierungFehler for missing or invalid inputs.
TFinanzierung FinanzierungBerechnen(const TAngebot& a);
std::vector<TFinanzierungsJahr> Jahressummen(const std::vector<TFinanzierungsMonat>& plan);
// Computes the complete offers and skips the others; an invalid offer raises
// EFinanzierungFehler with its number (from 1) in the text.
TVergleich Vergleichen(const std::vector<TAngebot>& angebote);
// The offer's months as a monthly loan plan of the payment plan's rows: an
// extra repayment as a row of its own after its month.
TZahlungsplan FinanzierungsPlan(const TFinanzierung& f);
// Euros from cents.
inline Ext Euro(TCent cent) { return Ext(static_cast<long double>(cent)) / 100; }

// The cent arithmetic the comparison shares with the payment plan.
// An amount in cents, rounded half up.
TCent Cent(Ext x);
// A percent rate in millionths of a percent.
std::int64_t Mikroprozent(Ext p);
// x · rate / m / 100 (rate in millionths of a percent), rounded half up to the cent.
TCent Periodenzins(TCent x, std::int64_t rate, int m);

// A loan counted in cents as above, with m payments a year: Zins for the
// first Bindung periods, Anschlusszins after them; the extra repayment with
// the last instalment of every year from SondertilgungAb on.
struct TCentDarlehen {
  TCent Betrag = 0;
  TCent Rate = 0;
  int m = 12;
  std::int64_t Zins = 0;  // millionths of a percent, as Anschlusszins
  std::int64_t Anschlusszins = 0;
  int Bindung = 0;
  TCent Sondertilgung = 0;
  int SondertilgungAb = 1;
};
// Every period (Monat counts periods) until the loan is repaid; a loan that
// is never repaid ends as TFinanzierung::Plan does. Raises
// EFinanzierungFehler when the balance grows beyond what can be counted.
std::vector<TFinanzierungsMonat> CentTilgung(const TCentDarlehen& d);
// Such periods as a loan plan of the payment plan's rows, from the amount
// lent: an extra repayment as a row of its own after its period; the sums
// added in cents.
TZahlungsplan CentPlan(TCent betrag, int m, const std::vector<TFinanzierungsMonat>& perioden);
