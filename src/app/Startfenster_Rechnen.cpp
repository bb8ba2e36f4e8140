// Calculations of the calculation pages: the window's part of running the
// case of the sought quantity (pages/Seite.h).
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QThread>

#include "app/Barrierefreiheit.h"
#include "app/Startfenster.h"
#include "base/Feldfarben.h"
#include "settings/uEinstellungen.h"

namespace {

void Faerben(const QList<QLineEdit*>& felder, TFeldzustand zustand) {
  for (auto* f : felder) FeldfarbeSetzen(f, zustand);
}

}  // namespace

bool TfmStart::Pflichtfeldpruefung(const QList<QLineEdit*>& felder) {
  for (auto* f : felder) {
    if (!f->text().isEmpty()) continue;
    QApplication::beep();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QStringLiteral("Zur Berechnung müssen alle Felder eingegeben werden!"), QMessageBox::Ok, this);
    box.exec();
    // The keyboard goes where the input is missing.
    if (f->isEnabled() && f->isVisible()) f->setFocus(Qt::OtherFocusReason);
    return false;
  }
  return true;
}

void TfmStart::Berechne(int seite) {
  const TBlatt& blatt = FBlaetter[static_cast<std::size_t>(seite)];
  const int index = blatt.Gesucht->currentIndex();
  if (index < 0 || index >= static_cast<int>(blatt.Seite->Gesucht.size())) return;
  const TGesucht& gesucht = blatt.Seite->Gesucht[static_cast<std::size_t>(index)];
  if (!Pflichtfeldpruefung(blatt.Zeilen(gesucht.Fall.Geprueft))) return;

  const QList<QLineEdit*> markiert = blatt.Zeilen(gesucht.Ergebnis);
  Faerben(markiert, TFeldzustand::Rechnet);
  QCoreApplication::processEvents();

  QStringList texte;
  for (std::size_t i = 0; i < blatt.Felder.size(); ++i) texte << blatt.Text(static_cast<int>(i));
  const int zahlungsweise = blatt.ZahlungsweiseIndex();
  const int m = zahlungsweise < 0 ? 1 : RatenProJahr(zahlungsweise);
  for (const auto& [feld, text] : Rechnen(gesucht.Fall, texte, m))
    if (text != blatt.Zeile(feld)->text()) blatt.Zeile(feld)->setText(text);

  // Long enough for the eye to catch the red; bounded, so the window only
  // ever blocks for the pause itself.
  for (auto* f : markiert) f->repaint();
  QElapsedTimer uhr;
  uhr.start();
  while (uhr.elapsed() < ErgebnisPauseMs) QThread::msleep(static_cast<unsigned long>(ErgebnisPauseMs - uhr.elapsed()));
  Faerben(markiert, TFeldzustand::Ergebnis);
  FBlaetter[static_cast<std::size_t>(seite)].Gerechnet = blatt.Stand();

  // The result is written where the focus is not; it is spoken where it is.
  QStringList ansage;
  for (const TAusgabe& aus : gesucht.Fall.Geschrieben)
    ansage << Ansageteil(blatt.Seite->Felder[static_cast<std::size_t>(aus.Feld)], blatt.Zeile(aus.Feld)->text(),
                         Einstellungswerte.Waehrungszeichen);
  Ansagen(this, QStringLiteral("Ergebnis: ") + ansage.join(QStringLiteral(", ")));
}
