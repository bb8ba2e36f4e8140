// The result report: the active page's texts go into the preview window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/Anwendung.h"
#include "print/PagePrnt.h"
#include "app/Startfenster.h"
#include "app/Startfenster_Seiten.h"
#include "report/uDruck.h"
#include "report/uDruck_Texte.h"
#include "settings/uEinstellungen.h"
#include "ui_Startfenster.h"

namespace {

struct TDruckSeite {
  QComboBox* Gesucht;
  QLabel* Frage;
  QLabel* Waehrung;
  QComboBox* Zahlungsweise;
};

}  // namespace

void TfmStart::btbtnDruckClick() {
  if (!frmDruckVorschau) return;
  const int seite = ui->PageControl1->currentIndex();

  // What each page contributes besides its fields.
  TDruckSeite d{};
  switch (seite) {
    case Seiten::eZi: d = {ui->Gesucht1, ui->eZi_FrageLabel, ui->Label6, nullptr}; break;
    case Seiten::ZiZiE: d = {ui->ZiZiE_Gesucht, ui->ZiZiE_FrageLabel, ui->Label16, nullptr}; break;
    case Seiten::ZiZiR: d = {ui->ZiZiR_Gesucht, ui->ZiZiR_FrageLabel, ui->Label27, ui->ZiZiR_Zahlungsweise}; break;
    case Seiten::BW: d = {ui->BW_Gesucht, ui->BW_FrageLabel, ui->Label38, ui->BW_Zahlungsweise}; break;
    case Seiten::AnnD: d = {ui->AnnD_Gesucht, ui->AnnD_FrageLabel, ui->Label49, ui->AnnD_Zahlungsweise}; break;
    case Seiten::MWST: d = {ui->MWST_Gesucht, ui->MWST_FrageLabel, ui->Label65, nullptr}; break;
    case Seiten::Akt: d = {ui->Akt_Gesucht, nullptr, ui->Label80, nullptr}; break;
    default: break;
  }

  TBerichtSeite s;
  if (seite > Seiten::Info && seite < Seiten::Anzahl) s.Key = QString::fromLatin1(Seiten::Tabelle[seite].Key);
  if (d.Gesucht) {
    s.GesuchtIndex = d.Gesucht->currentIndex();
    s.Gesucht = d.Gesucht->currentText();
  }
  if (d.Frage) s.Frage = d.Frage->text();
  // The label may show a long symbol shortened; the report prints all of it.
  if (d.Waehrung) s.Waehrung = Einstellungswerte.Waehrungszeichen;
  if (d.Zahlungsweise) s.Zahlungsweise = d.Zahlungsweise->currentText();
  if (QWidget* blatt = ui->PageControl1->currentWidget()) {
    for (QLineEdit* feld : blatt->findChildren<QLineEdit*>())
      if (!feld->objectName().isEmpty()) s.Felder.insert(feld->objectName(), feld->text());
  }

  const TBerichtTexte t = BerichtTexte(s);
  frmDruckVorschau->DruckeErgebnis(t.Titeltext, t.Gesuchttext, t.Vorgabentext, t.Fragetext, t.Ergebnistext);
  frmDruckVorschau->show();
  frmDruckVorschau->raise();
  frmDruckVorschau->PgprntrVorschau()->ZoomToWidth();
}
