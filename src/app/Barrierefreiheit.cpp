#include "app/Barrierefreiheit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPainter>
#include <QPalette>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocumentFragment>
#include <QWidget>

#include "app/Seitenreiter.h"
#include "base/Feldfarben.h"

namespace {

// The announcements' line in a window.
const QString Ansagezeile = QStringLiteral("Ansagezeile");
// Set on a label that stands for a link.
constexpr const char* VerweisMarke = "Barrierefreiheit_Verweis";

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
      case QEvent::Resize: Aktualisieren(static_cast<QWidget*>(objekt)); break;
      case QEvent::ReadOnlyChange: {
        Aktualisieren(static_cast<QWidget*>(objekt));
        // The field turns between input and result: tell whoever reads it
        // that its text became writable or stopped being so.
        if (QAccessible::isActive()) {
          QAccessible::State wechsel;
          wechsel.readOnly = true;
          wechsel.editable = true;
          QAccessibleStateChangeEvent ereignisZustand(objekt, wechsel);
          QAccessible::updateAccessibility(&ereignisZustand);
        }
        break;
      }
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

// Answers for the toolkit's own object of a control and changes only what
// differs; the toolkit's object stays in its cache and goes with this one.
class THuelle : public QAccessibleInterface {
 public:
  explicit THuelle(QAccessibleInterface* innen) : FInnen(innen), FInnenId(QAccessible::uniqueId(innen)) {}
  ~THuelle() override { QAccessible::deleteAccessibleInterface(FInnenId); }
  THuelle(const THuelle&) = delete;
  THuelle& operator=(const THuelle&) = delete;

  bool isValid() const override { return FInnen->isValid(); }
  QObject* object() const override { return FInnen->object(); }
  QWindow* window() const override { return FInnen->window(); }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation welche) const override {
    return FInnen->relations(welche);
  }
  QAccessibleInterface* focusChild() const override { return FInnen->focusChild(); }
  QAccessibleInterface* childAt(int x, int y) const override { return FInnen->childAt(x, y); }
  QAccessibleInterface* parent() const override { return FInnen->parent(); }
  QAccessibleInterface* child(int index) const override { return FInnen->child(index); }
  int childCount() const override { return FInnen->childCount(); }
  int indexOfChild(const QAccessibleInterface* kind) const override { return FInnen->indexOfChild(kind); }
  QString text(QAccessible::Text art) const override { return FInnen->text(art); }
  void setText(QAccessible::Text art, const QString& text) override { FInnen->setText(art, text); }
  QRect rect() const override { return FInnen->rect(); }
  QAccessible::Role role() const override { return FInnen->role(); }
  QAccessible::State state() const override { return FInnen->state(); }
  QColor foregroundColor() const override { return FInnen->foregroundColor(); }
  QColor backgroundColor() const override { return FInnen->backgroundColor(); }
  void* interface_cast(QAccessible::InterfaceType art) override { return FInnen->interface_cast(art); }
  void virtual_hook(int id, void* daten) override { FInnen->virtual_hook(id, daten); }

 protected:
  QAccessibleInterface* FInnen;
  QAccessible::Id FInnenId;
};

// A line edit that is read-only now is read-only for assistive technology
// too: no editable state, no editable text, no written value.
class TZeilenobjekt : public THuelle {
 public:
  TZeilenobjekt(QAccessibleInterface* innen, QLineEdit* zeile) : THuelle(innen), FZeile(zeile) {}
  QAccessible::State state() const override {
    QAccessible::State s = THuelle::state();
    if (Gesperrt()) {
      s.readOnly = true;
      s.editable = false;
    }
    return s;
  }
  void setText(QAccessible::Text art, const QString& text) override {
    if (art == QAccessible::Value && Gesperrt()) return;
    THuelle::setText(art, text);
  }
  void* interface_cast(QAccessible::InterfaceType art) override {
    if (art == QAccessible::EditableTextInterface && Gesperrt()) return nullptr;
    return THuelle::interface_cast(art);
  }

 private:
  bool Gesperrt() const { return FZeile && FZeile->isReadOnly(); }
  QPointer<QLineEdit> FZeile;
};

// A list is named by its caption; its value is the item chosen. (Left to
// itself the toolkit names a list by its value on this platform.)
class TListenobjekt : public THuelle {
 public:
  TListenobjekt(QAccessibleInterface* innen, QComboBox* liste) : THuelle(innen), FListe(liste) {}
  QString text(QAccessible::Text art) const override {
    if (art == QAccessible::Name && FListe && !FListe->accessibleName().isEmpty()) return FListe->accessibleName();
    return THuelle::text(art);
  }

 private:
  QPointer<QComboBox> FListe;
};

// Where a tab is drawn: the page control lays its tabs out in rows of its own.
QRect Reiterrechteck(const QTabBar* leiste, int index) {
  const auto* zeilen = qobject_cast<const TReiterzeilen*>(leiste);
  return zeilen ? zeilen->ReiterRect(index) : leiste->tabRect(index);
}
int ReiterBei(const QTabBar* leiste, QPoint punkt) {
  const auto* zeilen = qobject_cast<const TReiterzeilen*>(leiste);
  return zeilen ? zeilen->ReiterBei(punkt) : leiste->tabAt(punkt);
}

// One tab of a tab bar, where the bar draws it.
class TReiterobjekt : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TReiterobjekt(QTabBar* leiste, int index) : FLeiste(leiste), FIndex(index) {}

  bool isValid() const override { return FLeiste && FIndex < FLeiste->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FLeiste ? FLeiste->window()->windowHandle() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(FLeiste); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text art) const override {
    if (!isValid()) return {};
    if (art == QAccessible::Name) return Vorlesetext(FLeiste->tabText(FIndex));
    if (art == QAccessible::Description) return FLeiste->tabToolTip(FIndex);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect r = Reiterrechteck(FLeiste, FIndex);
    return {FLeiste->mapToGlobal(r.topLeft()), r.size()};
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.selectable = true;
    s.selected = FIndex == FLeiste->currentIndex();
    s.disabled = !FLeiste->isTabEnabled(FIndex);
    s.invisible = !FLeiste->isVisible() || !FLeiste->isTabVisible(FIndex);
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType art) override {
    return art == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& aktion) override {
    if (aktion == pressAction() && isValid() && FLeiste->isTabEnabled(FIndex)) FLeiste->setCurrentIndex(FIndex);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QTabBar> FLeiste;
  int FIndex;
};

// A tab bar's tabs as drawn; the selected one follows the current tab (the
// toolkit's own tabs report no selection).
class TReiterleistenobjekt : public QAccessibleWidget {
 public:
  explicit TReiterleistenobjekt(QTabBar* leiste) : QAccessibleWidget(leiste, QAccessible::PageTabList) {
    FVerbindung = QObject::connect(leiste, &QTabBar::currentChanged, leiste, [this](int index) { Gewechselt(index); });
    FAktuell = leiste->currentIndex();
  }
  ~TReiterleistenobjekt() override {
    QObject::disconnect(FVerbindung);
    for (QAccessible::Id id : std::as_const(FReiter)) QAccessible::deleteAccessibleInterface(id);
  }
  TReiterleistenobjekt(const TReiterleistenobjekt&) = delete;
  TReiterleistenobjekt& operator=(const TReiterleistenobjekt&) = delete;

  int childCount() const override { return Leiste()->count(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (const auto it = FReiter.constFind(index); it != FReiter.cend()) return QAccessible::accessibleInterface(*it);
    auto* reiter = new TReiterobjekt(Leiste(), index);
    FReiter.insert(index, QAccessible::registerAccessibleInterface(reiter));
    return reiter;
  }
  int indexOfChild(const QAccessibleInterface* kind) const override {
    for (auto it = FReiter.cbegin(); it != FReiter.cend(); ++it)
      if (QAccessible::accessibleInterface(it.value()) == kind) return it.key();
    return -1;
  }
  // Unnamed, a bar is called after its current tab, as the toolkit calls it.
  QString text(QAccessible::Text art) const override {
    if (art == QAccessible::Name && widget()->accessibleName().isEmpty() && Leiste()->currentIndex() >= 0)
      return Vorlesetext(Leiste()->tabText(Leiste()->currentIndex()));
    return QAccessibleWidget::text(art);
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const int index = ReiterBei(Leiste(), Leiste()->mapFromGlobal(QPoint(x, y)));
    return index < 0 ? nullptr : child(index);
  }

 private:
  QTabBar* Leiste() const { return static_cast<QTabBar*>(widget()); }
  void Gewechselt(int index) {
    if (QAccessible::isActive()) {
      QAccessible::State wechsel;
      wechsel.selected = true;
      for (int i : {FAktuell, index}) {
        if (QAccessibleInterface* reiter = child(i)) {
          QAccessibleStateChangeEvent ereignis(reiter, wechsel);
          QAccessible::updateAccessibility(&ereignis);
        }
      }
    }
    FAktuell = index;
  }
  mutable QHash<int, QAccessible::Id> FReiter;
  QMetaObject::Connection FVerbindung;
  int FAktuell = -1;
};

// A label that opens an address: a link that Enter or Space (and so the
// "press" of assistive technology) activate.
class TVerweisobjekt : public QAccessibleWidget {
 public:
  explicit TVerweisobjekt(QLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}
  QString text(QAccessible::Text art) const override {
    if (art == QAccessible::Name && widget()->accessibleName().isEmpty()) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(art);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = true;
    return s;
  }
  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& aktion) override {
    if (aktion != pressAction()) return QAccessibleWidget::doAction(aktion);
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(widget(), &druck);
  }
};

// Set while the factory asks the toolkit for its own object of a control.
bool FabrikSchweigt = false;

bool IstSeite(const QWidget* w) {
  const QWidget* stapel = w->parentWidget();
  return stapel && qobject_cast<const QStackedWidget*>(stapel) &&
         qobject_cast<const TSeitenreiter*>(stapel->parentWidget());
}

QAccessibleInterface* Zugriffsfabrik(const QString&, QObject* objekt) {
  if (FabrikSchweigt || !objekt || !objekt->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(objekt);
  if (auto* leiste = qobject_cast<QTabBar*>(widget)) return new TReiterleistenobjekt(leiste);
  // A page is announced by its name when the focus enters it.
  if (IstSeite(widget)) return new QAccessibleWidget(widget, QAccessible::Pane);
  if (widget->objectName() == Ansagezeile) return new QAccessibleWidget(widget, QAccessible::Notification);
  if (auto* label = qobject_cast<QLabel*>(widget); label && label->property(VerweisMarke).toBool())
    return new TVerweisobjekt(label);
  auto* zeile = qobject_cast<QLineEdit*>(widget);
  auto* liste = qobject_cast<QComboBox*>(widget);
  if (!zeile && !liste) return nullptr;
  FabrikSchweigt = true;
  QAccessibleInterface* innen = QAccessible::queryAccessibleInterface(objekt);
  FabrikSchweigt = false;
  if (!innen) return nullptr;
  if (zeile) return new TZeilenobjekt(innen, zeile);
  return new TListenobjekt(innen, liste);
}

// Draws the frame after the control has drawn itself.
class TFokusrahmen : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    auto* widget = static_cast<QWidget*>(objekt);
    switch (ereignis->type()) {
      case QEvent::FocusIn:
      case QEvent::FocusOut: widget->update(); break;
      case QEvent::Paint: {
        if (!widget->hasFocus()) break;
        objekt->event(ereignis);
        QPainter maler(widget);
        maler.setPen(QPen(widget->palette().color(QPalette::Highlight), 2));
        maler.drawRect(QRectF(widget->rect()).adjusted(1, 1, -1, -1));
        return true;
      }
      default: break;
    }
    return false;
  }
};

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

QString Feldname(const QString& grundname, TFeldart art, const QString& einheit, const QString& waehrung) {
  QString name = Vorlesetext(grundname);
  if (art == TFeldart::Kurs) return QStringLiteral("Betrag in ") + name;  // the caption is the currency
  QString e = Vorlesetext(einheit);
  if (art == TFeldart::Betrag || e == QLatin1String("DM")) e = waehrung;
  if (art == TFeldart::Prozent) e = QStringLiteral("%");
  if (e.isEmpty()) return name;
  // A caption that names its unit ("MwSt. in DM") names the present one.
  for (const QString& alt : {QStringLiteral(" in DM"), QStringLiteral(" in %")})
    if (name.endsWith(alt)) name.chop(alt.size());
  // A term field's unit is in its name already when the record words it
  // ("Laufzeit, weitere Monate"); otherwise in the dative.
  if (e == QLatin1String("Jahre") || e == QLatin1String("Monate")) {
    if (name.contains(e.chopped(1), Qt::CaseInsensitive)) return name;
    e += QLatin1Char('n');
  }
  return name + QStringLiteral(" in ") + e;
}

QString Ansageteil(const TFeld& feld, const QString& text, const QString& waehrung) {
  QString name = Vorlesetext(feld.Beschriftung);
  QString e = Vorlesetext(feld.Einheit);
  if (feld.Art == TFeldart::Betrag || e == QLatin1String("DM")) e = waehrung;
  if (feld.Art == TFeldart::Prozent) e = QStringLiteral("%");
  for (const QString& alt : {QStringLiteral(" in DM"), QStringLiteral(" in %")})
    if (name.endsWith(alt)) name.chop(alt.size());
  QString teil = name.isEmpty() ? text.trimmed() : name + QLatin1Char(' ') + text.trimmed();
  if (!e.trimmed().isEmpty()) teil += QLatin1Char(' ') + e.trimmed();
  return teil;
}

void Ansagen(QWidget* fenster, const QString& text) {
  QWidget* hauptfenster = fenster->window();
  auto* zeile = hauptfenster->findChild<QWidget*>(Ansagezeile, Qt::FindDirectChildrenOnly);
  if (!zeile) {
    // A pixel that paints nothing and takes no input: seen by no one, but
    // showing, as a notification must be to be heard.
    zeile = new QWidget(hauptfenster);
    zeile->setObjectName(Ansagezeile);
    zeile->setGeometry(0, 0, 1, 1);
    zeile->setFocusPolicy(Qt::NoFocus);
    zeile->setAttribute(Qt::WA_TransparentForMouseEvents);
    zeile->setAccessibleName(text);
    zeile->show();  // screen readers speak a notification when it shows, wherever the focus is
    return;
  }
  zeile->setAccessibleName(text);
  QAccessibleEvent zeigen(zeile, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&zeigen);
}

void ZugriffsobjekteEinrichten() {
  static bool eingerichtet = false;
  if (eingerichtet) return;
  eingerichtet = true;
  QAccessible::installFactory(Zugriffsfabrik);
}

void FokusrahmenZeichnen(QWidget* widget) {
  const QString name = QStringLiteral("Barrierefreiheit_Fokusrahmen");
  QObject* rahmen = widget->findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
  if (!rahmen) {
    rahmen = new TFokusrahmen(widget);
    rahmen->setObjectName(name);
  }
  widget->removeEventFilter(rahmen);
  widget->installEventFilter(rahmen);
}

void AlsVerweisZugaenglich(QLabel* label) {
  label->setProperty(VerweisMarke, true);
  // Its text made an object for it already, one of a plain label.
  QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(label)));
  label->setFocusPolicy(Qt::StrongFocus);
  FokusrahmenZeichnen(label);
}
