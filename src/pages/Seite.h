#pragma once
// One page of the main window, described in one place: its fields, and per
// sought quantity which fields are results, the case that computes them, the
// question it answers, its formula document and its report. Pure data and
// the routine that runs a case on field texts; knows nothing of widgets, so
// every case of every page is checked without a window.
//
// Fields are addressed by their index in TSeite::Felder.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "calc/OrvMath.h"
#include "calc/Zahlungsplan.h"
#include "calc/Zinssuche.h"

enum class TSeitenart {
  Info,      // the Info page, from its form
  Rechnung,  // a calculation page, built from its record and run by the case routine
  Aktien,    // the share page, from its form, with routines of its own
  Euro,      // the euro page, from its form, with routines of its own
};

enum class TFeldart {
  Betrag,    // money: exit rule DMFormat
  Prozent,   // percentage: ZinsFormat
  Ganzzahl,  // years, months, shares: IntFormat
  Kurs,      // an amount of the euro page: no exit rule
  Text,      // free text
  Ergebnis,  // only ever written by the program
  Liste,     // the payment frequency list (Zahlungsweisen)
};

// The exit rule of a field of this kind, if it has one.
std::optional<TZahlregel> Exitregel(TFeldart art);
// Number fields take no longer texts than the program writes or reads.
bool IstZahlfeld(TFeldart art);

struct TFeld {
  QString Name{};  // objectName
  TFeldart Art{};
  int Frageplatz = 0;  // T1..T8 of the question sentence; 0: not in it
  QString Waehrung{};  // objectName of its unit label when that shows the currency symbol
  // Where a page built from its record puts the field: a row of its own
  // under this caption, or beside the field before it when there is none.
  QString Beschriftung{};
  int Breite = 0;         // pixels
  QString Einheit{};      // text of the unit label behind it
  QString Einheitname{};  // objectName of that label
  QString Vorlesename{};  // accessibleName without its unit, when the caption says too little

  // The same field read aloud by `name`.
  TFeld Vorgelesen(const QString& name) && {
    Vorlesename = name;
    return std::move(*this);
  }

  // The fields of the calculation pages, as they are laid out.
  static TFeld Betrag(const QString& name, const QString& beschriftung, const QString& waehrung, int frage,
                      TFeldart art = TFeldart::Betrag);
  static TFeld Prozent(const QString& name, const QString& beschriftung, const QString& einheitname, int frage);
  static TFeld Jahre(const QString& name, const QString& beschriftung, const QString& einheit,
                     const QString& einheitname, int frage, const QString& vorlesename = {});
  static TFeld Monate(const QString& name, const QString& einheit, const QString& einheitname,
                      const QString& vorlesename, int frage);
  static TFeld Zahlungsweise(const QString& name, int frage);
};

// A calculation: the fields that must hold a text, the fields read (in this
// order), the fields written with their significant digits and decimals, and
// the formula from the values read (and the instalments per year) to the
// values written.
struct TAusgabe {
  int Feld{};
  int Stellen{};
  int Dezimalen{};
  // The largest magnitude the formula can give, when it is known to be far
  // below what the digits allow; the field is made wide enough for that.
  long double Hoechstwert = 0;
};
// A rate found by search lies within the search's bounds, the upper one the
// larger in magnitude.
inline constexpr long double ZinssatzHoechstwert = Zinssuche::Obergrenze;
using TWerte = std::vector<Ext>;
struct TFall {
  std::vector<int> Geprueft{};
  std::vector<int> Gelesen{};
  std::vector<TAusgabe> Geschrieben{};
  std::function<TWerte(const TWerte&, int m)> Formel{};
};

// A term in years as the two results years and months.
TWerte Zerlegt(Ext n);

// The piece of a report line a field gives.
struct TStueck {
  enum TArt { Betrag, Satz, Laufzeit, Zahlungsweise, Leer };
  TArt Art{};
  int Feld = -1;
  int Monate = -1;  // the months field of a term
};
namespace Stueck {
// Field text, a blank and the currency symbol.
inline TStueck Betrag(int feld) { return {TStueck::Betrag, feld}; }
// Field text and " %".
inline TStueck Satz(int feld) { return {TStueck::Satz, feld}; }
// Years " Jahre, " months " Monate".
inline TStueck Laufzeit(int jahre, int monate) { return {TStueck::Laufzeit, jahre, monate}; }
// The selected payment frequency.
inline TStueck Zahlungsweise() { return {TStueck::Zahlungsweise}; }
// An empty line.
inline TStueck Leer() { return {TStueck::Leer}; }
}  // namespace Stueck
// The given values (label lines and value lines) and the result of a report.
struct TBericht {
  QString Vorgaben{};
  std::vector<TStueck> Werte{};
  std::vector<TStueck> Ergebnis{};
};

// The payment plan of a sought quantity: its kind, and its quantities from
// the values the case reads (in the case's order) and the instalments per
// year. The sought quantity is computed anew and stays unrounded, so that the
// plan ends where the page's formula ends; the page's errors are raised where
// the page raises them.
struct TPlan {
  TPlanArt Art{};
  std::function<TPlanEingabe(const TWerte&, int m)> Eingabe{};
  // A loan's "nach" fields (years, months): the plan shows the debt then.
  int BindungJahre = -1;
  int BindungMonate = -1;
};

// A plan's quantities: starting capital, present value or loan (0 for a
// savings plan), percent per year, instalment (0 for a single payment) and
// term in years; the record adds the kind and the instalments per year.
TPlanEingabe Planwerte(Ext K, Ext p, Ext R, Ext n);

// What a page does for one sought quantity.
struct TGesucht {
  QString Name{};               // item of the sought-quantity list
  std::vector<int> Ergebnis{};  // result fields: aqua, red while the case runs
  std::vector<int> Gesperrt{};  // greyed fields; all others are input fields
  TFall Fall{};
  QString Frage{};   // question template: {1}..{8} the texts T1..T8, {W} the currency symbol
  QString Formel{};  // formula document
  TBericht Bericht{};
  std::optional<TPlan> Plan{};  // none: no payment plan for this question
};

struct TSeite {
  QString Key{};  // prefix of the page's names; empty for the Info page
  TSeitenart Art{};
  QString Beschriftung{};  // tab caption
  int Hilfe{};             // context of the help button
  QString Hilfethema{};    // the help topic of that context, a file of resources/hilfe
  int FeldHilfe{};         // context of F1 in one of the page's fields
  std::vector<TFeld> Felder{};
  QString Gesuchtliste{};  // objectName of the sought-quantity list
  int Start = 0;           // sought index at start
  std::vector<TGesucht> Gesucht{};
  QString Hinweis{};    // closes every question of the page
  int Fragehoehe = 91;  // pixels of the question label
  QString Titel{};      // report title, when it is not the caption
  QString Formel{};     // formula document of every sought quantity

  // The index of the payment frequency list; -1 when the page has none.
  int Zahlungsweise() const;
  // A payment plan can be made of some of its results.
  bool Zahlungsplan() const;
  QString Berichtstitel() const { return Titel.isEmpty() ? Beschriftung : Titel; }
};

// What is wrong with a record, one line each; empty for a sound one. Field
// indices out of range, a calculation page whose first field has no caption
// to start its first row, and names given twice are caught before any window
// is built from the record.
QStringList Satzmaengel(const TSeite& seite);

// Reads the case's fields, computes, and gives the texts to write by field
// index. Raises the errors of reading (EConvertError) and computing.
std::vector<std::pair<int, QString>> Rechnen(const TFall& fall, const QStringList& texte, int m);
