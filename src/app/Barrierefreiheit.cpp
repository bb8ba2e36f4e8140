#include "app/Barrierefreiheit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocumentFragment>
#include <QWidget>

#include "base/Feldfarben.h"

namespace {

// True when the field shows its whole text; the same test as the field's own
// (the text and the cursor behind it).
bool TextPasst(const QLineEdit* feld) {
  return feld->fontMetrics().horizontalAdvance(feld->text()) + 1 <= Textbreite(feld);
}

// Watches an entry field: whoever changes its state changes its palette or its
// editability, and each of those ends up here, so the description never lags.
class TZustandsbeobachter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    switch (ereignis->type()) {
      case QEvent::PaletteChange:
      case QEvent::EnabledChange:
      case QEvent::ReadOnlyChange:
      case QEvent::Resize: Aktualisieren(static_cast<QWidget*>(objekt)); break;
      default: break;
    }
    return false;
  }

 public:
  static void Aktualisieren(QWidget* feld) {
    QString text = FeldZustandText(feld);
    // A text wider than its field is never cut off unseen: the whole of it is
    // in the hint and read out with the field.
    const auto* zeile = qobject_cast<const QLineEdit*>(feld);
    const bool abgeschnitten = zeile && !TextPasst(zeile);
    if (abgeschnitten) text += QStringLiteral(": ") + zeile->text();
    if (feld->accessibleDescription() != text) feld->setAccessibleDescription(text);
    const QString hinweis = abgeschnitten ? zeile->text() : QString();
    if (feld->property(HinweisMarke).toBool() || abgeschnitten) {
      feld->setToolTip(hinweis);
      feld->setProperty(HinweisMarke, abgeschnitten);
    }
  }

  static void TextGeaendert(QLineEdit* feld) {
    // A text the program writes shows its start, whatever its length; text
    // the user types keeps the cursor where it is.
    if (!feld->isModified()) feld->setCursorPosition(0);
    Aktualisieren(feld);
  }

 private:
  // Set on a field whose hint this watcher wrote, so that no other hint is taken away.
  static constexpr const char* HinweisMarke = "Barrierefreiheit_Hinweis";
};

bool IstEingabefeld(const QLineEdit* feld) {
  // Editors inside lists and spin boxes belong to their owner's description.
  for (const QObject* p = feld->parent(); p; p = p->parent())
    if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p)) return false;
  return true;
}

// A button whose mnemonic is also a menu title's would share the key with the
// menu bar, and Qt then alternates between the two on every press. The menu
// keeps the key; the button keeps its caption and stays reachable otherwise.
void MenueVorrangGeben(QMainWindow* fenster) {
  QList<QKeySequence> menuetasten;
  for (QAction* menue : fenster->menuBar()->actions()) {
    const QKeySequence taste = QKeySequence::mnemonic(menue->text());
    if (!taste.isEmpty()) menuetasten.append(taste);
  }
  for (QAbstractButton* knopf : fenster->findChildren<QAbstractButton*>()) {
    if (!knopf->shortcut().isEmpty() && menuetasten.contains(knopf->shortcut())) knopf->setShortcut(QKeySequence());
  }
}

}  // namespace

int Textbreite(const QLineEdit* feld) {
  QStyleOptionFrame opt;
  opt.initFrom(feld);
  opt.lineWidth = feld->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, feld);
  const QRect flaeche = feld->style()->subElementRect(QStyle::SE_LineEditContents, &opt, feld) - feld->textMargins();
  return flaeche.width() - 2 * 2;  // the edit keeps two pixels free on each side
}

QString Vorlesetext(const QString& beschriftung) {
  QString text;
  text.reserve(beschriftung.size());
  for (qsizetype i = 0; i < beschriftung.size(); ++i) {
    if (beschriftung[i] == QLatin1Char('&')) {
      // "&&" stands for a literal ampersand, a single one marks the mnemonic.
      if (i + 1 < beschriftung.size() && beschriftung[i + 1] == QLatin1Char('&')) {
        text += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    text += beschriftung[i];
  }
  if (Qt::mightBeRichText(text)) text = QTextDocumentFragment::fromHtml(text).toPlainText();
  text = text.simplified();
  while (text.endsWith(QLatin1Char(':'))) text = text.chopped(1).trimmed();
  return text;
}

QString FeldZustandText(const QWidget* feld) {
  // The field states are told apart by the same colours the user sees.
  const QColor grund = feld->palette().color(QPalette::Base);
  if (grund == Feldgrund(TFeldzustand::Ergebnis) || grund == Feldgrund(TFeldzustand::Rechnet))
    return QStringLiteral("Ergebnisfeld");
  const auto* zeile = qobject_cast<const QLineEdit*>(feld);
  const bool nimmtEingabe = feld->isEnabled() && !(zeile && zeile->isReadOnly());
  if (!nimmtEingabe) return QStringLiteral("Für diese Berechnung nicht benötigt");
  return QStringLiteral("Eingabefeld");
}

void BarrierefreiheitHerstellen(QWidget* fenster) {
  if (!fenster) return;

  for (QLabel* label : fenster->findChildren<QLabel*>()) {
    QWidget* feld = label->buddy();
    if (!feld || !feld->accessibleName().isEmpty()) continue;
    const QString name = Vorlesetext(label->text());
    if (!name.isEmpty()) feld->setAccessibleName(name);
  }

  // A button that shows only a glyph would be read as "button"; its hint says what it does.
  for (QAbstractButton* knopf : fenster->findChildren<QAbstractButton*>()) {
    if (knopf->accessibleName().isEmpty() && Vorlesetext(knopf->text()).isEmpty() && !knopf->toolTip().isEmpty())
      knopf->setAccessibleName(Vorlesetext(knopf->toolTip()));
  }

  if (auto* hauptfenster = qobject_cast<QMainWindow*>(fenster); hauptfenster && hauptfenster->menuWidget())
    MenueVorrangGeben(hauptfenster);

  const QString beobachterName = QStringLiteral("Barrierefreiheit_Zustandsbeobachter");
  QObject* beobachter = fenster->findChild<QObject*>(beobachterName, Qt::FindDirectChildrenOnly);
  if (!beobachter) {
    beobachter = new TZustandsbeobachter(fenster);
    beobachter->setObjectName(beobachterName);
  }
  for (QLineEdit* feld : fenster->findChildren<QLineEdit*>()) {
    if (!IstEingabefeld(feld)) continue;
    feld->removeEventFilter(beobachter);  // a second pass must not install it twice
    feld->installEventFilter(beobachter);
    QObject::disconnect(feld, &QLineEdit::textChanged, beobachter, nullptr);
    QObject::connect(feld, &QLineEdit::textChanged, beobachter, [feld] { TZustandsbeobachter::TextGeaendert(feld); });
    TZustandsbeobachter::Aktualisieren(feld);
  }
}

void BarrierefreiheitHerstellen() {
  for (QWidget* fenster : QApplication::topLevelWidgets()) BarrierefreiheitHerstellen(fenster);
}
