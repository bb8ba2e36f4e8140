// The result report: the active page's texts go into the preview window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "print/PagePrnt.h"
#include "report/uDruck.h"
#include "report/uDruck_Texte.h"
#include "settings/uEinstellungen.h"

void TfmStart::btbtnDruckClick() {
  if (!frmDruckVorschau) return;
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
  for (QLineEdit* feld : blatt.Eingabefelder()) s.Felder.insert(feld->objectName(), feld->text());

  const TBerichtTexte t = BerichtTexte(s);
  frmDruckVorschau->DruckeErgebnis(t.Titeltext, t.Gesuchttext, t.Vorgabentext, t.Fragetext, t.Ergebnistext);
  frmDruckVorschau->show();
  frmDruckVorschau->raise();
  frmDruckVorschau->PgprntrVorschau()->ZoomToWidth();
}
