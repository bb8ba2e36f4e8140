// The share page: settlement of a purchase or sale and the break-even price.
#include <QApplication>
#include <QMessageBox>

#include "calc/Akt.h"
#include "app/Startfenster.h"
#include "ui_Startfenster.h"

namespace {

// The break-even search cannot answer; the row stays empty and the user is
// told why instead of the window freezing in an endless search.
void GewinnschwelleNichtBerechnet(QWidget* fenster, const QString& text) {
  QApplication::beep();
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::Ok, fenster);
  box.exec();
}

}  // namespace

void TfmStart::Akt_GesuchtChange() {
  FrageUpdate();
  const int art = ui->Akt_Gesucht->currentIndex();
  if (art != 0 && art != 1) return;
  const bool kauf = art == 0;
  ui->GewinnschwellenLabel->setVisible(kauf);
  ui->Akt_ErgGewinn->setVisible(kauf);
  ui->Abrechnungsbox->setTitle(kauf ? QStringLiteral(" Kaufabrechnung: ") : QStringLiteral(" Verkaufsabrechnung: "));
  ui->MakGebLabel->setText(kauf ? QStringLiteral("+ Mak&lergebühr:") : QStringLiteral("- Mak&lergebühr:"));
  ui->BankGebLabel->setText(kauf ? QStringLiteral("+ Bankg&ebühr:") : QStringLiteral("- Bankg&ebühr:"));
}

void TfmStart::Berechne_Akt() {
  if (!Pflichtfeldpruefung(
          {ui->Akt_Kurs, ui->Akt_Stueck, ui->Akt_MindGeb, ui->Akt_GrundGeb, ui->Akt_Geb, ui->Akt_MaklerGeb}))
    return;

  Akt::Eingaben e;
  e.K = FeldWert(ui->Akt_Kurs->text());
  e.S = FeldWert(ui->Akt_Stueck->text());
  e.Gmin = FeldWert(ui->Akt_MindGeb->text());
  e.G0 = FeldWert(ui->Akt_GrundGeb->text());
  e.g = FeldWert(ui->Akt_Geb->text());
  e.mk = FeldWert(ui->Akt_MaklerGeb->text());

  const Akt::Abrechnung a = Akt::Abrechnen(e);
  ui->Akt_ErgStueck->setText(ui->Akt_Stueck->text());
  ui->Akt_ErgKurs->setText(ui->Akt_Kurs->text());
  ui->Akt_ErgKW->setText(ZahlText(a.KW.Wert(), 15, 2));
  ui->Akt_ErgMakGeb->setText(ZahlText(a.M.Wert(), 15, 2));
  ui->Akt_ErgBankGeb->setText(ZahlText(a.B.Wert(), 15, 2));

  switch (ui->Akt_Gesucht->currentIndex()) {
    case 0: {
      const Ext gesamt = Akt::KaufGesamt(a);
      ui->Akt_ErgGesamt->setText(ZahlText(gesamt.Wert(), 18, 2));
      // The start price comes first: no shares at all is a division by zero
      // for the general handler, as any other calculation error.
      const Ext start = Akt::Startkurs(a, gesamt, e);
      const Akt::Gewinnschwelle schwelle = Akt::GewinnschwelleSuchen(e, gesamt, start);
      if (schwelle.Ergebnis == Akt::Gewinnschwelle::Art::Gefunden) {
        ui->Akt_ErgGewinn->setText(ZahlText(schwelle.Kurs.Wert(), 18, 2));
      } else {
        ui->Akt_ErgGewinn->clear();
        GewinnschwelleNichtBerechnet(
            this, schwelle.Ergebnis == Akt::Gewinnschwelle::Art::NieErreicht
                      ? QStringLiteral("Bei dieser Stückzahl und diesen Gebühren deckt kein Verkaufskurs die Kosten "
                                       "des Kaufs. Eine Gewinnschwelle gibt es nicht.")
                      : QStringLiteral("Die Gewinnschwelle liegt zu weit über dem Startkurs und wurde nicht "
                                       "berechnet. Bitte prüfen Sie Kurs, Stückzahl und Gebühren."));
      }
      break;
    }
    case 1:
      ui->Akt_ErgGesamt->setText(ZahlText(Akt::VerkaufGesamt(a).Wert(), 18, 2));
      break;
    default:
      break;
  }
}
