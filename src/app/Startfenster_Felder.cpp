// Number fields: exit rules, the Enter key, F1 and the three field states.
#include <QApplication>
#include <QFont>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "app/Anwendung.h"
#include "app/Barrierefreiheit.h"
#include "app/Hilfe.h"
#include "app/Startfenster.h"
#include "base/Feldfarben.h"
#include "base/Zahlfeld.h"
#include "calc/OrvMath.h"
#include "ui_Aktseite.h"
#include "ui_Infoseite.h"
#include "ui_Startfenster.h"

void TfmStart::FelderEinrichten() {
  // The box for an unreadable text belongs to the field: a page changed in
  // the meantime gives way to the field's page again, so that box and field
  // are seen together.
  FZahlfelder = new TZahlfelder(this, TZahlfelder::Zeitpunkt::Danach, [this](QLineEdit* feld) {
    for (int seite = 0; seite < ui->PageControl1->count(); ++seite)
      if (ui->PageControl1->widget(seite)->isAncestorOf(feld)) ui->PageControl1->setCurrentIndex(seite);
  });
  for (const TBlatt& blatt : FBlaetter) {
    for (std::size_t i = 0; i < blatt.Felder.size(); ++i) {
      const TFeldart art = blatt.Seite->Felder[i].Art;
      if (const auto regel = Exitregel(art))
        FZahlfelder->Einrichten(blatt.Zeile(static_cast<int>(i)), *regel);
      else if (IstZahlfeld(art))
        blatt.Zeile(static_cast<int>(i))->setMaxLength(TZahlfelder::Laenge);
      // Every field and list of every page takes part in Enter and F1.
      blatt.Felder[i]->installEventFilter(this);
    }
    if (blatt.Gesucht) blatt.Gesucht->installEventFilter(this);
    // User texts go into the sentences as they are, never as markup.
    if (blatt.Frage) blatt.Frage->setTextFormat(Qt::PlainText);
  }
  ErgebnisbreitenSetzen();
  ui->centralwidget->installEventFilter(this);
  info->Label97->installEventFilter(this);
  info->Label98->installEventFilter(this);
}

bool TfmStart::eventFilter(QObject* objekt, QEvent* ereignis) {
  switch (ereignis->type()) {
    case QEvent::Paint:
      if (objekt == ui->centralwidget) {
        FormPaint(ui->centralwidget);
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        if (objekt == info->Label97) Label97Click();
        if (objekt == info->Label98) Label98Click();
      }
      break;
    case QEvent::KeyPress: {
      auto* taste = static_cast<QKeyEvent*>(ereignis);
      // The address links open from the keyboard as on a click.
      if ((objekt == info->Label97 || objekt == info->Label98) &&
          (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter || taste->key() == Qt::Key_Space)) {
        objekt == info->Label97 ? Label97Click() : Label98Click();
        return true;
      }
      auto* feld = qobject_cast<QWidget*>(objekt);
      if (!feld || feld->window() != this) break;
      if (taste->key() == Qt::Key_F1) {
        HilfeZeigen(FeldHilfeKontext(feld));
        return true;
      }
      if (EnterCheck(feld, taste->key())) return true;
      break;
    }
    case QEvent::KeyRelease: {
      auto* feld = qobject_cast<QLineEdit*>(objekt);
      if (feld && euroFelder.contains(feld)) Fehlerbehandelt([&] { EuroBerechnung(feld); });
      break;
    }
    default: break;
  }
  return QMainWindow::eventFilter(objekt, ereignis);
}

bool TfmStart::EnterCheck(QWidget* feld, int taste) {
  if (taste != Qt::Key_Return && taste != Qt::Key_Enter) return false;
  // Exactly what Tab would do; a list is not opened.
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(feld, &tab);
  return true;
}

void TfmStart::ErgebnisbreitenSetzen() {
  // The longest texts without an exponent: as many digits as the written
  // significant digits allow, and a minus sign; a split term never has more
  // than twelve months, and a result with a bound is no wider than that.
  constexpr long double Stellen18 = 999'999'999'999'999'999.0L;
  // Few fields differ in their decimals: each pattern is written once.
  QHash<int, QString> fertig;
  const auto muster = [&](int dezimalen) -> const QString& {
    auto it = fertig.find(dezimalen);
    if (it == fertig.end()) it = fertig.insert(dezimalen, ZahlText(dezimalen == 1 ? -12 : -Stellen18, 18, dezimalen));
    return *it;
  };
  // And each is measured once per font: shaping a text is the costly part.
  QHash<std::pair<QFont, QString>, int> breiten;
  const auto setzen = [&](QLineEdit* feld, const QString& text) {
    const std::pair schluessel{feld->font(), text};
    auto it = breiten.find(schluessel);
    if (it == breiten.end()) it = breiten.insert(schluessel, feld->fontMetrics().horizontalAdvance(text));
    Ergebnisbreite(feld, *it);
  };
  for (const TBlatt& blatt : FBlaetter)
    for (const TGesucht& gesucht : blatt.Seite->Gesucht)
      for (const TAusgabe& aus : gesucht.Fall.Geschrieben)
        setzen(blatt.Zeile(aus.Feld),
               aus.Hoechstwert > 0 ? ZahlText(-aus.Hoechstwert, 18, aus.Dezimalen) : muster(aus.Dezimalen));
  // The settlement's amounts stand in one column of one width; the share
  // count as the whole-number rule writes it, up to seven digits.
  for (QLineEdit* feld : {akt->Akt_ErgKurs, akt->Akt_ErgKW, akt->Akt_ErgMakGeb, akt->Akt_ErgBankGeb, akt->Akt_ErgGesamt,
                          akt->Akt_ErgGewinn})
    setzen(feld, muster(2));
  setzen(akt->Akt_ErgStueck, GanzzahlText(-9'999'999));
  const QString euroMuster = ZahlTextEinfach(-Stellen18, 2);
  for (QLineEdit* feld : euroFelder) setzen(feld, euroMuster);
}

void TfmStart::Ergebnisbreite(QLineEdit* feld, int textbreite) {
  // Frame and margins stay what they are at any width.
  const int noetig = feld->width() - Textbreite(feld) + textbreite + 1;
  const int breite = std::max(feld->minimumWidth(), noetig);
  feld->setMinimumWidth(breite);
  if (feld->maximumWidth() < breite) feld->setMaximumWidth(breite);
}

void TfmStart::DMFormat(QLineEdit* feld) { FZahlfelder->DMFormat(feld); }

void TfmStart::ZinsFormat(QLineEdit* feld) { FZahlfelder->ZinsFormat(feld); }

void TfmStart::IntFormat(QLineEdit* feld) { FZahlfelder->IntFormat(feld); }

void TfmStart::EingabeFrei(QLineEdit* feld) {
  FeldfarbeSetzen(feld, TFeldzustand::Eingabe);
  feld->setEnabled(true);
  feld->setReadOnly(false);
  feld->setFocusPolicy(Qt::StrongFocus);
}

void TfmStart::ErgebnisFeld(QLineEdit* feld) {
  FeldfarbeSetzen(feld, TFeldzustand::Ergebnis);
  feld->setEnabled(true);
  feld->setReadOnly(true);
  // Out of the Tab walk, but a click, its label's mnemonic or F6 reach it
  // so that the result can be selected and copied.
  feld->setFocusPolicy(Qt::ClickFocus);
}

void TfmStart::FeldGesperrt(QLineEdit* feld) {
  FeldfarbeSetzen(feld, TFeldzustand::Gesperrt);
  feld->setReadOnly(true);
  feld->setEnabled(false);
  feld->setFocusPolicy(Qt::NoFocus);
}
