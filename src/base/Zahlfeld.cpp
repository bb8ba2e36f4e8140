#include "base/Zahlfeld.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include "base/Fehlerbehandlung.h"

TZahlfelder::TZahlfelder(QObject* eltern, Zeitpunkt zeitpunkt, std::function<void(QLineEdit*)> vorMeldung)
    : QObject(eltern), FZeitpunkt(zeitpunkt), FVorMeldung(std::move(vorMeldung)) {}

void TZahlfelder::Einrichten(QLineEdit* feld, TZahlregel regel) {
  FRegeln.insert(feld, regel);
  feld->setMaxLength(Laenge);
  feld->installEventFilter(this);
}

bool TZahlfelder::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() != QEvent::FocusOut || FImExit || MeldungOffen) return false;
  auto* feld = qobject_cast<QLineEdit*>(objekt);
  const auto regel = FRegeln.find(objekt);
  // A result field can be visited to copy its text; it is not an entry.
  if (!feld || regel == FRegeln.end() || feld->isReadOnly()) return false;
  // Only a move to another control of the window leaves the field: a menu,
  // a popup or another window is a visit, after which the focus comes back.
  // Checking on the way into the menu bar would bring the box back on every
  // reach for "Beenden".
  const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
  if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason || grund == Qt::MenuBarFocusReason)
    return false;
  if (const QWidget* neu = QApplication::focusWidget();
      neu && (neu->window() != feld->window() || qobject_cast<const QMenuBar*>(neu) || qobject_cast<const QMenu*>(neu)))
    return false;
  if (FZeitpunkt == Zeitpunkt::Danach) {
    QTimer::singleShot(0, feld, [this, feld, r = *regel] { Fehlerbehandelt([&] { Formatieren(feld, r); }); });
  } else {
    FImExit = true;
    Fehlerbehandelt([&] { Formatieren(feld, *regel); });
    FImExit = false;
  }
  return false;
}

void TZahlfelder::Formatieren(QLineEdit* feld, TZahlregel regel) {
  if (!feld) return;
  if (const auto text = Formatiert(feld->text(), regel)) {
    if (*text != feld->text()) feld->setText(*text);
  } else if (!feld->text().isEmpty()) {
    UngueltigMelden(feld);
  }
}

void TZahlfelder::UngueltigMelden(QLineEdit* feld) {
  // The box takes the focus away from the field; that must not check it again.
  if (MeldungOffen) return;
  MeldungOffen = true;
  if (FVorMeldung) FVorMeldung(feld);
  QApplication::beep();
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                  QLatin1Char('"') + feld->text() + QStringLiteral("\" ist ein ungültiger Wert."), QMessageBox::Ok,
                  feld->window());
  box.exec();
  MeldungOffen = false;
  feld->window()->activateWindow();
  feld->setFocus(Qt::OtherFocusReason);
}
