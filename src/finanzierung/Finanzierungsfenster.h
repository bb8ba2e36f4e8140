#pragma once
// The comparison of loan offers: four offers side by side as banks quote
// them, each computed when one of its fields is left (calc/Finanzierung.h),
// the best value of every result row in bold, the balances in a chart.
// "Drucken" hands a document to whoever prints it (the preview),
// "Exportieren" writes CSV, "Speichern"/"Öffnen" keep the inputs in a file,
// an offer's "Plan" asks for its payment plan month by month.
#include <QMessageBox>
#include <QWidget>
#include <array>
#include <memory>

#include "calc/Finanzierung.h"
#include "finanzierung/VergleichDatei.h"
#include "finanzierung/VergleichDruck.h"

class QLabel;
class QPushButton;
class QLineEdit;
class TZahlfelder;
namespace Ui {
class TfmFinanzierung;
}

class TfmFinanzierung : public QWidget {
  Q_OBJECT
 public:
  static constexpr int Angebote = 4;
  // The rows: nine inputs, then the results in the order of TKennzahl.
  static constexpr int Eingaben = 9;
  static constexpr int Zeilen = Eingaben + KennzahlAnzahl;

  // parent: the main window; the comparison is a window of its own beside it.
  explicit TfmFinanzierung(QWidget* parent = nullptr);
  ~TfmFinanzierung() override;

  void Zeigen();
  const TVergleich& Vergleich() const { return FVergleich; }
  // The printed form of what the window shows.
  TVergleichDokument Dokument() const;
  // False, after the message, when the file cannot be written or read; a
  // file that cannot be read leaves the window as it was.
  bool CsvSpeichern(const QString& datei);
  bool Speichern(const QString& datei);
  bool Oeffnen(const QString& datei);
  // Writes the loan into the first offer whose inputs are all empty and
  // computes; when every offer is in use, a box says so and nothing changes.
  bool AngebotUebernehmen(const TAngebot& angebot);

  void VergleichDruckenClick();
  void VergleichExportierenClick();
  void VergleichSpeichernClick();
  void VergleichOeffnenClick();
  void VergleichSchliessenClick();
  void PlanClick(int angebot);

 signals:
  void DruckAngefordert(const TVergleichDokument& dokument);
  void PlanAngefordert(const QString& titel, const TZahlungsplan& plan, const QString& waehrung);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void changeEvent(QEvent* ereignis) override;

 private:
  void FelderAnlegen();
  // The labels and accessible names with the present currency symbol.
  void EinheitenZeigen();
  // Reads every offer, computes, shows; an offer the arithmetic refuses shows
  // "–", and its message appears when it is `melden` (or every one for
  // Angebote) and its inputs changed since it last did.
  void Neuberechnen(int melden);
  // The offer's inputs; empty when a text cannot be read (its rule said so).
  std::optional<TAngebot> Lesen(int angebot) const;
  QString Name(int angebot) const;
  QString Beschriftung(int zeile, bool csv) const;
  QList<TAngebotTexte> Texte() const;
  void Melden(QMessageBox::Icon symbol, const QString& titel, const QString& text);
  template <class F>
  void Behandelt(F&& handler);

  std::unique_ptr<Ui::TfmFinanzierung> ui;
  TZahlfelder* FZahlfelder;
  std::array<std::array<QLineEdit*, Zeilen>, Angebote> FFelder{};
  std::array<QLabel*, Zeilen> FBeschriftungen{};
  std::array<QPushButton*, Angebote> FPlanKnoepfe{};
  QString FWaehrung;
  TVergleich FVergleich;
  // Per offer, the inputs whose refusal was last shown: moving on within the
  // offer to mend it does not bring the same box again.
  std::array<QStringList, Angebote> FGemeldet;
  QString FDatei;  // the comparison's file, once saved or opened
  bool FGeoeffnet = false;
};
