#pragma once
// The payment plan behind a result of the pages Zinseszins Einmalzahlung,
// Zinseszins Ratenzahlung, Barwert-/ Rentenrechnung and Annuitäten-Darlehen:
// one row per payment and per year, by each page's own convention, so that
// the plan ends exactly where the page's formula ends.
//
// Conventions:
// - ZiZiE compounds yearly; a part year with the fractional power of the
//   yearly factor.
// - ZiZiR and BW credit interest once a year; a payment within the year earns
//   (or, taken out, loses) simple interest until the year's end, which is the
//   page's equivalent year-end instalment. A part year at the end follows the
//   page's formula: the balance grows with q^f, the payments count pro rata
//   (f·m payments, the last one possibly a fraction), and the interest of
//   that part year is whatever the formula adds on top.
// - AnnD compounds per payment period (i = p / m / 100). A part period g at
//   the end carries the interest B·(q^g − 1) and the part instalment
//   R·(q^g − 1) / i, which is what the page's closed form counts for it.
// In cents, as on a bank statement, amounts are whole cents and every row adds
// up to the cent; the plan then ends near the page's result, not on it:
// - ZiZiE, ZiZiR and BW credit interest where the page does, once a year, by
//   the page's convention from the balance in cents (a part year with the
//   formula's growth), rounded half up where it is credited. A pension's
//   last withdrawal is what is left.
// - AnnD counts each period's interest half up to the cent at a rate of six
//   decimals, as the comparison of offers does, and runs until the debt is
//   repaid; the last instalment is what is left.
// Knows nothing of widgets.
#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "calc/Fehler.h"
#include "calc/OrvMath.h"
#include "calc/Zinssuche.h"

// A plan the program refuses to make; the text is the German message.
class EPlanFehler : public EFehler {
 public:
  using EFehler::EFehler;
};

// What the plan reads from a page when it is opened; the page's record says
// how (pages/Seiten.h: PlanEingabe).
struct TPlanSeite {
  QString Key;                     // the page's key
  int GesuchtIndex = -1;           // item index of the sought-quantity list
  QHash<QString, QString> Felder;  // field texts by the fields' names
  int ZahlungsweiseIndex = 0;      // item index of the payment frequency list
  QString Frage;                   // the question sentence
  QString Waehrung;                // the currency symbol
};

enum class TPlanArt { Einmalzahlung, Sparplan, Rente, Darlehen };

// The quantities of a plan. The page's sought quantity is taken from the
// page's formula unrounded, so the plan reproduces the page's own result.
struct TPlanEingabe {
  TPlanArt Art = TPlanArt::Einmalzahlung;
  Ext K;                           // starting capital, present value or loan amount (0 for a savings plan)
  Ext p;                           // percent per year
  Ext R;                           // instalment per payment period (0 for a single payment)
  int m = 1;                       // payment periods per year
  Ext n;                           // term in years
  std::optional<Ext> Zinsbindung;  // loan: the page's "nach" time in years, when given
};

// Yearly extra repayment of a loan, due with the last instalment of a year.
struct TSondertilgung {
  Ext Betrag;
  int AbJahr = 1;
};

// Loan: the rate after the fixed-rate period; the instalment runs on at it
// from the first payment after Ab years until the debt is repaid.
struct TAnschluss {
  Ext Ab;  // years
  Ext p;   // percent per year, above 0
};

struct TPlanZeile {
  enum TArt { zaBeginn, zaZahlung, zaSondertilgung, zaEnde, zaJahr };
  TArt Art = zaBeginn;
  int Nummer = 0;  // payment period from 1 (zaZahlung, zaEnde) or year from 1 (zaJahr, zaSondertilgung)
  int Jahr = 0;    // year the row falls into, from 1; 0 for the start
  Ext Zeit;        // years from the start
  Ext Zahlung;     // paid in, paid back or taken out
  Ext Zinsen;
  Ext Aenderung;  // loan: repayment (Zahlung − Zinsen); otherwise the change of the balance
  Ext Stand;      // balance after the row
};

struct TZahlungsplan {
  TPlanArt Art = TPlanArt::Einmalzahlung;
  int m = 1;
  Ext Laufzeit;                       // years until the last row
  std::vector<TPlanZeile> JeZahlung;  // the start, then every payment in order
  std::vector<TPlanZeile> JeJahr;     // the start, then one row per (begun) year
  TPlanZeile Summe;                   // sums of Zahlung, Zinsen and Aenderung
};

// At most this many years; a longer term is refused before any row is made.
inline constexpr int PlanHoechstJahre = 100;

// What every plan's quantities must satisfy before a plan is made: a term of
// more than 0 and at most PlanHoechstJahre years, a loan amount and an
// instalment above 0. Raises EPlanFehler.
void PlanEingabePruefen(const TPlanEingabe& e);
// A rate found by search, refused (EPlanFehler) when it is written as 0,000 %:
// the pages' formulas divide by the rate, and a plan from it would end anywhere.
Ext GefundenerZinssatz(Ext p);
// The term of a loan its instalment repays; EPlanFehler when the instalment
// does not exceed a period's interest.
Ext Tilgungsdauer(Ext K, Ext p, Ext R, int m);
// A follow-up rate the instalment does not cover raises EPlanFehler.
TZahlungsplan ZahlungsplanBerechnen(const TPlanEingabe& e, const TSondertilgung& s = {},
                                    const std::optional<TAnschluss>& a = std::nullopt, bool inCent = false);
// The German line under a plan in cents that ends on another figure than the
// exact plan (the end balance; for a loan or a pension the last payment);
// empty when both end alike to the cent.
QString CentAbweichung(const TZahlungsplan& cent, const TZahlungsplan& genau, const QString& waehrung);
// The balance after t years: after the last row due by then.
Ext StandNach(const TZahlungsplan& plan, Ext t);
// Loan balance after t years (0 once repaid); the page's "Restschuld nach t".
// A t beyond the term gives 0; a negative t is refused, NaN is EInvalidOp.
Ext RestschuldNach(const TPlanEingabe& e, const TSondertilgung& s, Ext t);
// Effective annual rate in percent of a loan plan's payment stream: the rate x
// at which the payments, discounted with (1 + x)^-t over their exact times in
// years, equal the loan. Empty when no rate in (-99 %, 1000 %) does.
std::optional<Ext> Effektivzins(const TPlanEingabe& e, const TZahlungsplan& plan);
