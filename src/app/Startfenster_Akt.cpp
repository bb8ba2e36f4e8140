// The share page: settlement of a purchase or sale and the break-even price.
#include <QApplication>
#include <QMessageBox>

#include "app/Barrierefreiheit.h"
#include "app/Startfenster.h"
#include "calc/Akt.h"
#include "settings/uEinstellungen.h"
#include "ui_Aktseite.h"

namespace {

// The break-even search cannot answer; the row stays empty and the user is
// told why instead of the window freezing in an endless search.
void GewinnschwelleNichtBerechnet(QWidget* fenster, const QString& text) {
  QApplication::beep();
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::Ok, fenster);
  box.exec();
}

}  // namespace

void TfmStart::AktEinrichten() {
  // The break-even row keeps its place while a sale hides it, so that
  // switching between purchase and sale moves nothing.
  for (QWidget* w : {static_cast<QWidget*>(akt->GewinnschwellenLabel), static_cast<QWidget*>(akt->Akt_ErgGewinn)}) {
    QSizePolicy politik = w->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    w->setSizePolicy(politik);
  }
  akt->Akt_Gesucht->setCurrentIndex(Seiten::Finden(u"Akt")->Start);
  Akt_GesuchtChange();
  for (auto* f : {akt->Akt_Kurs, akt->Akt_Stueck, akt->Akt_Name}) f->clear();
  akt->Akt_MindGeb->setText(Einstellungswerte.Mindestgebuehr);
  akt->Akt_GrundGeb->setText(Einstellungswerte.Grundgebuehr);
  akt->Akt_Geb->setText(Einstellungswerte.Gebuehr);
  akt->Akt_MaklerGeb->setText(Einstellungswerte.Maklergebuehr);
  for (auto* f : {akt->Akt_ErgStueck, akt->Akt_ErgKurs, akt->Akt_ErgKW, akt->Akt_ErgMakGeb, akt->Akt_ErgBankGeb,
                  akt->Akt_ErgGesamt, akt->Akt_ErgGewinn}) {
    f->clear();
    ErgebnisFeld(f);
  }
}

void TfmStart::Akt_GesuchtChange() {
  FrageUpdate();
  const int art = akt->Akt_Gesucht->currentIndex();
  if (art != 0 && art != 1) return;
  const bool kauf = art == 0;
  akt->GewinnschwellenLabel->setVisible(kauf);
  akt->Akt_ErgGewinn->setVisible(kauf);
  akt->Abrechnungsbox->setTitle(kauf ? QStringLiteral(" Kaufabrechnung: ") : QStringLiteral(" Verkaufsabrechnung: "));
  akt->MakGebLabel->setText(kauf ? QStringLiteral("+ Mak&lergebühr:") : QStringLiteral("- Mak&lergebühr:"));
  akt->BankGebLabel->setText(kauf ? QStringLiteral("+ Bankg&ebühr:") : QStringLiteral("- Bankg&ebühr:"));
}

void TfmStart::Berechne_Akt() {
  if (!Pflichtfeldpruefung(
          {akt->Akt_Kurs, akt->Akt_Stueck, akt->Akt_MindGeb, akt->Akt_GrundGeb, akt->Akt_Geb, akt->Akt_MaklerGeb}))
    return;

  Akt::Eingaben e;
  e.K = FeldWert(akt->Akt_Kurs->text());
  e.S = FeldWert(akt->Akt_Stueck->text());
  e.Gmin = FeldWert(akt->Akt_MindGeb->text());
  e.G0 = FeldWert(akt->Akt_GrundGeb->text());
  e.g = FeldWert(akt->Akt_Geb->text());
  e.mk = FeldWert(akt->Akt_MaklerGeb->text());

  const Akt::Abrechnung a = Akt::Abrechnen(e);
  akt->Akt_ErgStueck->setText(akt->Akt_Stueck->text());
  akt->Akt_ErgKurs->setText(akt->Akt_Kurs->text());
  akt->Akt_ErgKW->setText(ZahlText(a.KW.Wert(), 15, 2));
  akt->Akt_ErgMakGeb->setText(ZahlText(a.M.Wert(), 15, 2));
  akt->Akt_ErgBankGeb->setText(ZahlText(a.B.Wert(), 15, 2));

  switch (akt->Akt_Gesucht->currentIndex()) {
    case 0: {
      const Ext gesamt = Akt::KaufGesamt(a);
      akt->Akt_ErgGesamt->setText(ZahlText(gesamt.Wert(), 18, 2));
      // The start price comes first: no shares at all is a division by zero
      // for the general handler, as any other calculation error.
      const Ext start = Akt::Startkurs(a, gesamt, e);
      const Akt::Gewinnschwelle schwelle = Akt::GewinnschwelleSuchen(e, gesamt, start);
      if (schwelle.Ergebnis == Akt::Gewinnschwelle::Art::Gefunden) {
        akt->Akt_ErgGewinn->setText(ZahlText(schwelle.Kurs.Wert(), 18, 2));
      } else {
        akt->Akt_ErgGewinn->clear();
        GewinnschwelleNichtBerechnet(
            this, schwelle.Ergebnis == Akt::Gewinnschwelle::Art::NieErreicht
                      ? QStringLiteral("Bei dieser Stückzahl und diesen Gebühren deckt kein Verkaufskurs die Kosten "
                                       "des Kaufs. Eine Gewinnschwelle gibt es nicht.")
                      : QStringLiteral("Die Gewinnschwelle liegt zu weit über dem Startkurs und wurde nicht "
                                       "berechnet. Bitte prüfen Sie Kurs, Stückzahl und Gebühren."));
      }
      break;
    }
    case 1: akt->Akt_ErgGesamt->setText(ZahlText(Akt::VerkaufGesamt(a).Wert(), 18, 2)); break;
    default: break;
  }
  TBlatt& blatt = FBlaetter[static_cast<std::size_t>(Seiten::Index(u"Akt"))];
  blatt.Gerechnet = blatt.Stand();

  QString ansage =
      QStringLiteral("Ergebnis: Gesamt %1 %2").arg(akt->Akt_ErgGesamt->text(), Einstellungswerte.Waehrungszeichen);
  if (akt->Akt_ErgGewinn->isVisible() && !akt->Akt_ErgGewinn->text().isEmpty())
    ansage +=
        QStringLiteral(", Gewinnschwelle %1 %2").arg(akt->Akt_ErgGewinn->text(), Einstellungswerte.Waehrungszeichen);
  Ansagen(this, ansage);
}
