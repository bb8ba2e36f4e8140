#pragma once
// The payment plan window: the plan of a page's current state as a table and
// a chart; for a loan also a yearly extra repayment, the residual debt after
// the fixed-rate period and the effective rate. "Drucken" hands a document to
// whoever prints it (the preview), "Exportieren" writes CSV, "In den
// Vergleich" hands a loan to whoever compares offers. It also shows a plan
// made elsewhere (an offer of the comparison) as it is given.
#include <QMessageBox>
#include <QWidget>
#include <memory>
#include <optional>

#include "calc/Finanzierung.h"
#include "calc/Zahlungsplan.h"
#include "plan/PlanDruck.h"

class QLabel;
class QLineEdit;
class TPlanModell;
namespace Ui {
class TfmZahlungsplan;
}

class TfmZahlungsplan : public QWidget {
  Q_OBJECT
 public:
  // parent: the main window; the plan is a window of its own beside it.
  explicit TfmZahlungsplan(QWidget* parent = nullptr);
  ~TfmZahlungsplan() override;

  // Makes the plan of the page's state and shows the window (or, for an open
  // window following its page, leaves it where it is). When the plan cannot
  // be made: the message, false, and the window stays as it was.
  bool Zeigen(const TPlanSeite& seite, bool nachVorn = true);
  // Shows a loan plan made elsewhere, monthly, as it is: nothing to enter.
  void Zeigen(const QString& titel, const TZahlungsplan& plan, const QString& waehrung);
  // The page whose plan is shown; empty for a given plan.
  const QString& SeitenKey() const { return FSeite.Key; }

  const TZahlungsplan& Plan() const { return FPlan; }
  TPlanModell* Modell() const { return FModell; }
  // The printed form of what the window shows.
  TPlanDokument Dokument() const;
  // False, after the message, when the file cannot be written.
  bool CsvSpeichern(const QString& datei);

  void PlanJeZahlungClick();
  void PlanDruckenClick();
  void PlanExportierenClick();
  void PlanSchliessenClick();
  void PlanVergleichenClick();
  void PlanBankrundungClick();

 protected:
  // Escape closes the window, as it closes a dialog.
  void keyPressEvent(QKeyEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 signals:
  void DruckAngefordert(const TPlanDokument& dokument);
  void VergleichAngefordert(const TAngebot& angebot);

 private:
  std::unique_ptr<Ui::TfmZahlungsplan> ui;
  // Reads the loan fields; false after a message.
  bool EingabenLesen();
  void Neuberechnen();
  void SpaltenAnpassen();
  // The splitter gives the table the width of its columns; the chart takes the rest.
  void TabelleBreitGenug();
  QString Betrag(Ext wert, int stellen = 18) const;
  QList<QPair<QString, QString>> Kennzahlen() const;
  // The figures the plan yields, each with its caption.
  QList<QPair<QLabel*, QLabel*>> Werte() const;
  // The chart in one sentence, for those who cannot see it.
  QString Grafikbeschreibung() const;
  void Melden(QMessageBox::Icon symbol, const QString& titel, const QString& text);
  // Runs a handler; an error it raises ends in a message box.
  template <class F>
  void Behandelt(F&& handler);

  // The follow-up rate when it and the fixed-rate period are given.
  std::optional<TAnschluss> Anschluss() const;
  // Shows the window with the plan of FPlan.
  void Anzeigen(const QString& titel, bool nachVorn);

  TPlanSeite FSeite;
  bool FVorgegeben = false;  // a given plan: nothing is recomputed
  bool FLiest = false;       // the fields are being read
  bool FInCent = true;       // the user's choice; a given plan is in cents anyway
  TPlanEingabe FEingabe;
  TSondertilgung FSondertilgung;
  std::optional<Ext> FZinsbindung;
  std::optional<Ext> FAnschlusszins;
  QString FZinsbindungText;  // as last written: unchanged, it keeps the exact time
  TZahlungsplan FPlan;
  Ext FZinsenOhne;  // the interest without an extra repayment
  QString FOrdner;  // folder of the last export
  TPlanModell* FModell = nullptr;
};
