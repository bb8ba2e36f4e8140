// The result report and the payment plan: the active page's texts go into
// the preview window or into the plan window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "plan/Zahlungsplanfenster.h"
#include "print/PagePrnt.h"
#include "report/uDruck.h"
#include "report/uDruck_Texte.h"
#include "settings/uEinstellungen.h"
#include "ui_Startfenster.h"

void TfmStart::btbtnDruckClick() {
  if (!frmDruckVorschau || !Nachgerechnet()) return;
  const TBlatt& blatt = Aktiv();
  TBerichtSeite s;
  s.Key = blatt.Seite->Key;
  if (blatt.Gesucht) {
    s.GesuchtIndex = blatt.Gesucht->currentIndex();
    s.Gesucht = blatt.Gesucht->currentText();
  }
  if (blatt.Frage) s.Frage = blatt.Frage->text();
  // The label may show a long symbol shortened; the report prints all of it.
  if (!blatt.Waehrung.isEmpty()) s.Waehrung = Einstellungswerte.Waehrungszeichen;
  if (const int liste = blatt.Seite->Zahlungsweise(); liste >= 0) s.Zahlungsweise = blatt.Text(liste);
  s.Felder = blatt.Feldtexte();

  const TBerichtTexte t = BerichtTexte(s);
  frmDruckVorschau->DruckeErgebnis(t.Titeltext, t.Gesuchttext, t.Vorgabentext, t.Fragetext, t.Ergebnistext);
  frmDruckVorschau->show();
  frmDruckVorschau->raise();
  frmDruckVorschau->PgprntrVorschau()->ZoomToWidth();
}

TPlanSeite TfmStart::PlanSeite() const {
  const TBlatt& blatt = Aktiv();
  TPlanSeite s;
  s.Key = blatt.Seite->Key;
  s.GesuchtIndex = blatt.Gesucht ? blatt.Gesucht->currentIndex() : -1;
  s.Felder = blatt.Feldtexte();
  s.ZahlungsweiseIndex = std::max(0, blatt.ZahlungsweiseIndex());
  if (blatt.Frage) s.Frage = blatt.Frage->text();
  s.Waehrung = Einstellungswerte.Waehrungszeichen;
  return s;
}

void TfmStart::ZahlungsplanSchalterClick() {
  const TBlatt& blatt = Aktiv();
  const int index = blatt.Gesucht ? blatt.Gesucht->currentIndex() : -1;
  if (!blatt.Seite->Zahlungsplan() || index < 0 || index >= static_cast<int>(blatt.Seite->Gesucht.size())) return;
  const std::vector<int>& ergebnis = blatt.Seite->Gesucht[static_cast<std::size_t>(index)].Ergebnis;
  const auto offen = [&] {
    return blatt.Veraltet() ||
           std::any_of(ergebnis.begin(), ergebnis.end(), [&](int feld) { return blatt.Text(feld).isEmpty(); });
  };
  // A plan of a result not yet computed, or of one its inputs no longer give:
  // "Rechnen" first, with its messages. A missing input leaves the result
  // empty, an error ends in the handler; either way no plan opens.
  if (offen()) {
    Berechne(ui->PageControl1->currentIndex());
    if (offen()) return;
  }
  Planfenster()->Zeigen(PlanSeite());
}

bool TfmStart::Nachgerechnet() {
  if (!Aktiv().Veraltet()) return true;
  RechnenSchalterClick();
  return !Aktiv().Veraltet();
}

void TfmStart::PlanNachfuehren() {
  auto* plan = findChild<TfmZahlungsplan*>(QStringLiteral("fmZahlungsplan"), Qt::FindDirectChildrenOnly);
  const TBlatt& blatt = Aktiv();
  if (!plan || !plan->isVisible() || plan->SeitenKey() != blatt.Seite->Key || blatt.Stand() != blatt.Gerechnet) return;
  // A plan that no longer belongs to the page is not left standing.
  if (!plan->Zeigen(PlanSeite(), false)) plan->hide();
}
