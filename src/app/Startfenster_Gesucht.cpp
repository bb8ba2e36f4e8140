// Sought quantity and question sentence of the calculation pages.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "app/FrageText.h"
#include "app/Startfenster.h"
#include "settings/uEinstellungen.h"
#include "ui_Startfenster.h"

void TfmStart::GesuchtChange(int seite) {
  FrageUpdate();
  const TBlatt& blatt = FBlaetter[static_cast<std::size_t>(seite)];
  for (QLineEdit* feld : blatt.Eingabefelder()) EingabeFrei(feld);
  const int index = blatt.Gesucht->currentIndex();
  if (index < 0 || index >= static_cast<int>(blatt.Seite->Gesucht.size())) return;
  const TGesucht& gesucht = blatt.Seite->Gesucht[static_cast<std::size_t>(index)];
  for (QLineEdit* feld : blatt.Zeilen(gesucht.Ergebnis)) ErgebnisFeld(feld);
  for (QLineEdit* feld : blatt.Zeilen(gesucht.Gesperrt)) FeldGesperrt(feld);
}

void TfmStart::FrageUpdate() {
  // Text-changed signals arrive while the pages are still being made.
  const int seite = ui->PageControl1->currentIndex();
  if (seite < 0 || seite >= static_cast<int>(FBlaetter.size())) return;
  const TBlatt& blatt = FBlaetter[static_cast<std::size_t>(seite)];
  if (!blatt.Frage) return;
  std::array<QString, 8> t;
  for (std::size_t i = 0; i < blatt.Felder.size(); ++i)
    if (const int platz = blatt.Seite->Felder[i].Frageplatz; platz > 0)
      t[static_cast<std::size_t>(platz - 1)] = blatt.Text(static_cast<int>(i));
  blatt.Frage->setText(
      FrageText(blatt.Seite->Key, blatt.Gesucht->currentIndex(), t, Einstellungswerte.Waehrungszeichen));
}
