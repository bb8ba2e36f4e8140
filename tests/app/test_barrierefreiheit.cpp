// Screen-reader names, and the keyboard's mnemonics on every page.
#include <algorithm>

#include <QAbstractButton>
#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>

#include "app/Barrierefreiheit.h"
#include "app/Seitenreiter.h"
#include "base/Feldfarben.h"
#include "pages/Seiten.h"
#include "report/uDruck.h"
#include "settings/uEinstellungen.h"
#include "test_startfenster.h"

// Takes the addresses the program opens, instead of the desktop.
class TAdressempfaenger : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> Urls;
  Q_INVOKABLE void Oeffnen(const QUrl& url) { Urls << url; }
};

namespace {

TEST(Vorlesetext, OhneKuerzelUndDoppelpunkt) {
  // clang-format off
  const struct { const char* Beschriftung; const char* Erwartet; } faelle[] = {
      {"Anfangskapital :", "Anfangskapital"}, {"&Rate:", "Rate"}, {"Zins && Tilgung:", "Zins & Tilgung"},
      {"  Laufzeit:  ", "Laufzeit"},          {"<b>Autor:</b>", "Autor"}, {":", ""}};
  // clang-format on
  for (const auto& f : faelle)
    EXPECT_EQ(Vorlesetext(QString::fromUtf8(f.Beschriftung)), QString::fromUtf8(f.Erwartet)) << f.Beschriftung;
}

// On each state's background, under a light and a dark theme, the text stands
// out by 4.5:1; a theme's text that does so already stays as it is.
TEST(Feldfarben, SchriftHebtSichVomGrundAb) {
  EXPECT_NEAR(Kontrast(Qt::white, Qt::black), 21.0, 1e-9);
  EXPECT_NEAR(Kontrast(Aqua, Weiss), 1.25, 0.01);  // a dark theme's white text on aqua
  // clang-format off
  const struct { const char* Thema; QColor Text, Gesperrt, Knopf; } themen[] = {
      {"hell", Qt::black, QColor(190, 190, 190), QColor(239, 239, 239)},
      {"dunkel", Qt::white, QColor(128, 128, 128), QColor(66, 66, 69)}};
  // clang-format on
  for (const auto& t : themen)
    for (const QColor& grund : {Weiss, Aqua, Rot, t.Knopf})
      for (const QColor& wunsch : {t.Text, t.Gesperrt}) {
        const QColor schrift = LesbareSchrift(wunsch, grund);
        SCOPED_TRACE(std::string(t.Thema) + " " + wunsch.name().toStdString() + " auf " + grund.name().toStdString());
        EXPECT_GE(Kontrast(schrift, grund), Mindestkontrast);
        if (Kontrast(wunsch, grund) >= Mindestkontrast) {
          EXPECT_EQ(schrift, wunsch);
        }
      }
}

TEST(Feldname, MitEinheit) {
  // clang-format off
  const struct { const char* Grund; TFeldart Art; const char* Einheit; const char* Waehrung; const char* Erwartet; } faelle[] = {
      {"&Anfangskapital :", TFeldart::Betrag, "DM", "DM", "Anfangskapital in DM"},
      {"&Endkapital:", TFeldart::Betrag, "DM", "€", "Endkapital in €"},
      {"Mw&St. in DM", TFeldart::Ergebnis, "DM", "CHF", "MwSt. in CHF"},
      {"&MwSt. in %", TFeldart::Prozent, "%", "DM", "MwSt. in %"},
      {"&Zinssatz:", TFeldart::Prozent, "%", "DM", "Zinssatz in %"},
      {"&Laufzeit:", TFeldart::Ganzzahl, "&Jahre", "DM", "Laufzeit in Jahren"},
      {"Laufzeit, weitere Monate", TFeldart::Ganzzahl, "&Monate", "DM", "Laufzeit, weitere Monate"},
      {"Restschuld nach Jahren", TFeldart::Ganzzahl, "Jahr&e", "DM", "Restschuld nach Jahren"},
      {"&Stück", TFeldart::Ganzzahl, "", "DM", "Stück"},
      {"Gesamt", TFeldart::Ergebnis, "DM", "€", "Gesamt in €"},
      {"D&M (Deutschland)", TFeldart::Kurs, "", "€", "Betrag in DM (Deutschland)"}};
  // clang-format on
  for (const auto& f : faelle)
    EXPECT_EQ(Feldname(QString::fromUtf8(f.Grund), f.Art, QString::fromUtf8(f.Einheit), QString::fromUtf8(f.Waehrung)),
              QString::fromUtf8(f.Erwartet))
        << f.Grund;
}

using Barrierefreiheit = StartfensterTest;

QString Name(QObject* objekt) { return QAccessible::queryAccessibleInterface(objekt)->text(QAccessible::Name); }

// Every field and list of a page is heard by a name of its own with its
// unit, the currency as chosen; a field that is a result now is read-only to
// assistive technology as well and takes no text from it.
TEST_F(Barrierefreiheit, FelderEindeutigMitEinheitErgebnisseNurLesbar) {
  const auto pruefen = [this](const QString& waehrung) {
    int ergebnisse = 0;
    for (const TSeite& seite : Seiten::Alle()) {
      QSet<QString> namen;  // the page is named as well
      for (const TFeld& f : seite.Felder) {
        QWidget* feld = W<QWidget>(f.Name);
        const QString name = Name(feld);
        SCOPED_TRACE(f.Name.toStdString() + ": " + name.toStdString());
        EXPECT_FALSE(name.isEmpty() || name.endsWith(QLatin1Char(':')));
        EXPECT_FALSE(namen.contains(name));
        namen << name;
        if (f.Art == TFeldart::Betrag || f.Einheit == QLatin1String("DM")) {
          EXPECT_TRUE(name.endsWith(QStringLiteral(" in ") + waehrung));
        }
        if (f.Art == TFeldart::Prozent) {
          EXPECT_TRUE(name.endsWith(QStringLiteral(" in %")));
        }
        if (f.Art == TFeldart::Ganzzahl && !f.Einheit.isEmpty()) {
          EXPECT_TRUE(name.contains(QStringLiteral("Jahr")) || name.contains(QStringLiteral("Monat")));
        }
        auto* zeile = qobject_cast<QLineEdit*>(feld);
        if (!zeile || !zeile->isEnabled()) continue;
        QAccessibleInterface* objekt = QAccessible::queryAccessibleInterface(zeile);
        const QAccessible::State zustand = objekt->state();
        EXPECT_EQ(zustand.readOnly, zeile->isReadOnly());
        EXPECT_EQ(zustand.editable, !zeile->isReadOnly());
        EXPECT_EQ(objekt->editableTextInterface() == nullptr, zeile->isReadOnly());
        EXPECT_NE(objekt->textInterface(), nullptr);
        if (!zeile->isReadOnly()) continue;
        ++ergebnisse;
        const QString vorher = zeile->text();
        objekt->setText(QAccessible::Value, QStringLiteral("123"));
        EXPECT_EQ(zeile->text(), vorher);
      }
      if (!seite.Gesuchtliste.isEmpty()) {
        EXPECT_EQ(Name(W<QComboBox>(seite.Gesuchtliste)), QStringLiteral("Gesuchte Größe"));
      }
    }
    EXPECT_GE(ergebnisse, 12);
    EXPECT_EQ(Name(W<QComboBox>(QStringLiteral("AnnD_Zahlungsweise"))), QStringLiteral("Zahlungsweise"));
    for (const auto& [feld, name] : {std::pair{"Edit1", "Mindestgebühr in "}, {"Edit2", "Grundgebühr in "}})
      EXPECT_EQ(Name(fmEinstellungen->findChild<QLineEdit*>(QString::fromLatin1(feld))),
                QString::fromUtf8(name) + waehrung);
  };
  pruefen(QStringLiteral("DM"));
  const QString alt = Einstellungswerte.Waehrungszeichen;
  Einstellungswerte.Waehrungszeichen = QStringLiteral("€");
  fm->ApplySettings();
  fmEinstellungen->FormShow();
  pruefen(QStringLiteral("€"));
  Einstellungswerte.Waehrungszeichen = alt;
  fm->ApplySettings();

  // A field that turns from result into input turns editable for assistive technology.
  Seite(::Seiten::Index(u"eZi"));
  QLineEdit* k = W(QStringLiteral("KFeld"));
  Waehlen(QStringLiteral("Gesucht1"), 0);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(k)->state().readOnly);
  Waehlen(QStringLiteral("Gesucht1"), 3);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(k)->state().editable);
  EXPECT_NE(QAccessible::queryAccessibleInterface(k)->editableTextInterface(), nullptr);
}

// "Rechnen" writes the result where the focus is not; an unseen
// notification tells it, and the focus stays. A missing input takes the
// focus after the box.
TEST_F(Barrierefreiheit, ErgebnisWirdAngesagtFehlendesFeldBekommtFokus) {
  Seite(::Seiten::Index(u"eZi"));
  Waehlen(QStringLiteral("Gesucht1"), 3);
  Tippen(QStringLiteral("KFeld"), QStringLiteral("1000"));
  Tippen(QStringLiteral("pFeld"), QStringLiteral("5"));
  Tippen(QStringLiteral("njFeld"), QStringLiteral("10"));
  QLineEdit* monate = W(QStringLiteral("nmFeld"));
  monate->setFocus();
  {
    TDialogBeantworter antworten;
    Knopf("RechnenSchalter")->click();
    ASSERT_EQ(antworten.Boxen.size(), 1);
    EXPECT_EQ(fm->focusWidget(), monate);
    W(QStringLiteral("KFeld"))->setFocus();
    monate->clear();
    Knopf("RechnenSchalter")->click();
    EXPECT_EQ(fm->focusWidget(), monate);
  }
  Aktivieren(fm);
  Tippen(QStringLiteral("nmFeld"), QStringLiteral("0"));
  Knopf("RechnenSchalter")->click();
  const QString endkapital = Text(QStringLiteral("KnFeld"));
  EXPECT_FALSE(endkapital.isEmpty());
  EXPECT_EQ(fm->focusWidget(), monate);
  auto* zeile = W<QWidget>(QStringLiteral("Ansagezeile"));
  QAccessibleInterface* ansage = QAccessible::queryAccessibleInterface(zeile);
  EXPECT_EQ(ansage->role(), QAccessible::Notification);
  EXPECT_EQ(ansage->text(QAccessible::Name), QStringLiteral("Ergebnis: Endkapital ") + endkapital.trimmed() + " DM");
  EXPECT_FALSE(ansage->state().invisible);
  EXPECT_EQ(zeile->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(zeile->size(), QSize(1, 1));
}

// The tabs are exposed where the two rows draw them, the current one
// selected; the page a field is on is named, so that a page change is heard.
TEST_F(Barrierefreiheit, ReiterUndSeitenBenannt) {
  auto* leiste = qobject_cast<TReiterzeilen*>(Seiten()->tabBar());
  ASSERT_NE(leiste, nullptr);
  Seite(::Seiten::Index(u"AnnD"));
  QAccessibleInterface* objekt = QAccessible::queryAccessibleInterface(leiste);
  EXPECT_EQ(objekt->role(), QAccessible::PageTabList);
  EXPECT_EQ(objekt->text(QAccessible::Name), QStringLiteral("Seiten"));
  ASSERT_EQ(objekt->childCount(), Seiten()->count());
  QSet<int> zeilen;
  for (int i = 0; i < objekt->childCount(); ++i) {
    QAccessibleInterface* reiter = objekt->child(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(reiter->role(), QAccessible::PageTab);
    EXPECT_EQ(reiter->text(QAccessible::Name), Vorlesetext(Seiten()->tabText(i)));
    EXPECT_EQ(reiter->state().selected, i == ::Seiten::Index(u"AnnD"));
    const QRect r = leiste->ReiterRect(i);
    EXPECT_EQ(reiter->rect(), QRect(leiste->mapToGlobal(r.topLeft()), r.size()));
    EXPECT_EQ(objekt->indexOfChild(reiter), i);
    zeilen << r.top();
    const QAccessibleInterface* seite = QAccessible::queryAccessibleInterface(Seiten()->widget(i));
    EXPECT_EQ(seite->text(QAccessible::Name), QStringLiteral("Seite ") + Vorlesetext(Seiten()->tabText(i)));
  }
  EXPECT_GE(zeilen.size(), 2);
  objekt->child(::Seiten::Index(u"MWST"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Seiten()->currentIndex(), ::Seiten::Index(u"MWST"));
}

// The web and mail addresses are links the keyboard reaches and opens; they
// and the info button show where the focus is.
TEST_F(Barrierefreiheit, AdressenSindLinks) {
  TAdressempfaenger empfaenger;
  for (const char* schema : {"https", "mailto"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(schema), &empfaenger, "Oeffnen");
  Seite(0);
  for (const char* name : {"Label97", "Label98"}) {
    auto* label = W<QLabel>(QString::fromLatin1(name));
    EXPECT_TRUE(label->focusPolicy() & Qt::TabFocus) << name;
    QAccessibleInterface* objekt = QAccessible::queryAccessibleInterface(label);
    EXPECT_EQ(objekt->role(), QAccessible::Link) << name;
    EXPECT_EQ(objekt->text(QAccessible::Name), label->text());
    label->setFocus();
    QTest::keyClick(label, Qt::Key_Return);
    objekt->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  }
  for (const char* schema : {"https", "mailto"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
  // The focus is framed where it stands, in the highlight colour.
  for (const char* name : {"Label97", "SpeedButton1"}) {
    auto* w = W<QWidget>(QString::fromLatin1(name));
    w->setFocus();
    ASSERT_TRUE(w->hasFocus()) << name;
    EXPECT_EQ(w->grab().toImage().pixelColor(1, w->height() / 2), w->palette().color(QPalette::Highlight)) << name;
  }
  ASSERT_EQ(empfaenger.Urls.size(), 4);
  EXPECT_EQ(empfaenger.Urls[0].scheme(), QStringLiteral("https"));
  EXPECT_EQ(empfaenger.Urls[3].scheme(), QStringLiteral("mailto"));
}

// Every labelled field is named after its caption; a field beside another
// after both; a glyph-only button after its hint.
TEST_F(Barrierefreiheit, FelderHeissenWieIhreBeschriftung) {
  int benannt = 0;
  for (QWidget* fenster : QApplication::topLevelWidgets())
    for (QLabel* label : fenster->findChildren<QLabel*>()) {
      if (!label->buddy()) continue;
      const QString name = label->buddy()->accessibleName();
      EXPECT_FALSE(name.isEmpty()) << label->objectName().toStdString();
      ++benannt;
    }
  EXPECT_GE(benannt, 40);
  for (const auto& [feld, name] : {std::pair{"nmFeld", "Laufzeit, weitere Monate"},
                                   {"AnnD_KnmFeld", "Restschuld nach weiteren Monaten"},
                                   {"AnnD_RFeld", "Annuitätenrate in DM"},
                                   {"Akt_Kurs", "Kurs in DM"},
                                   {"Akt_ErgKurs", "Abrechnungskurs in DM"},
                                   {"Akt_ErgStueck", "Stückzahl"}})
    EXPECT_EQ(W(QString::fromLatin1(feld))->accessibleName(), QString::fromUtf8(name)) << feld;
  auto* glyphe = W<QAbstractButton>(QStringLiteral("SpeedButton1"));
  EXPECT_FALSE(glyphe->toolTip().isEmpty());
  EXPECT_EQ(glyphe->accessibleName(), glyphe->toolTip());
}

// Every field and list of a page has a label; every label before a field has
// a mnemonic of its own on its page, unlike those of the buttons and menus.
TEST_F(Barrierefreiheit, JedesFeldHatEinEigenesKuerzel) {
  for (int i = 1; i < Seiten()->count(); ++i) {
    Seite(i);
    QList<QKeySequence> belegt;
    for (QAction* menue : fm->menuBar()->actions()) belegt << QKeySequence::mnemonic(menue->text());
    for (const char* knopf :
         {"RechnenSchalter", "FormelSchalter", "btbtnDruck", "ZahlungsplanSchalter", "HilfeSchalter"})
      if (Knopf(knopf)->isEnabled() && !Knopf(knopf)->shortcut().isEmpty()) belegt << Knopf(knopf)->shortcut();
    QSet<QWidget*> beschriftet;
    for (QLabel* label : Seiten()->widget(i)->findChildren<QLabel*>()) {
      if (!label->buddy()) continue;
      beschriftet << label->buddy();
      const QString text = label->text();
      const QKeySequence taste = QKeySequence::mnemonic(text);
      if (std::none_of(text.begin(), text.end(), [](QChar z) { return z.isLetter(); })) continue;
      EXPECT_FALSE(taste.isEmpty() || belegt.contains(taste)) << text.toStdString();
      belegt << taste;
    }
    QList<QWidget*> felder;
    for (QWidget* f : Seiten()->widget(i)->findChildren<QLineEdit*>()) felder << f;
    for (QWidget* f : Seiten()->widget(i)->findChildren<QComboBox*>()) felder << f;
    for (QWidget* f : felder)  // the share count of a settlement has no label before it
      EXPECT_TRUE(beschriftet.contains(f) || f->objectName() == QLatin1String("Akt_ErgStueck"))
          << f->objectName().toStdString();
  }
  EXPECT_TRUE(W<QWidget>(QStringLiteral("SpeedButton1"))->focusPolicy() & Qt::TabFocus);
}

// Alt plus the underlined letter presses a button of the row and opens
// the program menu; the help button and the help menu share Alt+H, and the
// menu wins every time (Qt alone would alternate; help is also on F1). On
// the Info page Alt+E ends the program.
TEST_F(Barrierefreiheit, KuerzelDerKnoepfeUndMenues) {
  TDialogBeantworter antworten;
  const auto alt = [](Qt::Key taste) {
    QTest::keyClick(QApplication::focusWidget(), taste, Qt::AltModifier);
    Warten(250);  // a mnemonic animates the button and clicks it a moment later
  };
  const auto aufraeumen = [this] {  // whatever a key opened goes away again
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != fm && w->isVisible()) w->hide();
    frmDruckVorschau->hide();
    Aktivieren(fm);
  };
  Seite(2);
  QSignalSpy gedrueckt(Knopf("ZahlungsplanSchalter"), &QAbstractButton::clicked);
  alt(Qt::Key_U);
  EXPECT_EQ(gedrueckt.count(), 1);
  aufraeumen();
  for (const auto& [menue, taste] : {std::pair{"Programm1", Qt::Key_P}, {"Hilfe1", Qt::Key_H}, {"Hilfe1", Qt::Key_H}}) {
    alt(taste);
    EXPECT_TRUE(W<QMenu>(QString::fromLatin1(menue))->isVisible()) << menue;
    W<QMenu>(QString::fromLatin1(menue))->close();
    aufraeumen();
  }
  Seite(0);
  qApp->setQuitOnLastWindowClosed(false);  // the application must not start quitting under the following tests
  alt(Qt::Key_E);
  EXPECT_FALSE(fm->isVisible());
  qApp->setQuitOnLastWindowClosed(true);
}

}  // namespace

#include "test_barrierefreiheit.moc"
