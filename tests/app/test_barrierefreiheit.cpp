// Screen-reader names and states, and the keyboard's mnemonics on every page.
#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/Anwendung.h"
#include "app/Barrierefreiheit.h"
#include "common/Dialoghelfer.h"
#include "app/Seitenreiter.h"
#include "app/Startfenster.h"
#include "report/uDruck.h"

namespace {

const QString Ergebnis = QStringLiteral("Ergebnisfeld");
const QString Eingabe = QStringLiteral("Eingabefeld");
const QString Gesperrt = QStringLiteral("Für diese Berechnung nicht benötigt");

template <class T>
T* Suche(const char* name) {
  T* w = fmStart->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

class Barrierefreiheit : public ::testing::Test {
 protected:
  void SetUp() override {
    qobject_cast<TAnwendung*>(qApp)->FensterErzeugen();
    fmStart->show();
    Aktivieren();
  }
  void TearDown() override { qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren(); }

  static void Aktivieren() {
    fmStart->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fmStart));
  }

  // Picks a tab the way the user does, with the mouse on the tab bar.
  static void Seite(int index) {
    auto* seiten = Suche<QTabWidget>("PageControl1");
    auto* leiste = qobject_cast<TReiterzeilen*>(seiten->tabBar());
    ASSERT_NE(leiste, nullptr);
    QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->ReiterRect(index).center());
    ASSERT_EQ(seiten->currentIndex(), index);
  }

  // Whatever a key opened (formula window, help, preview) goes away again.
  static void Aufraeumen() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != fmStart && w->isVisible() && !qobject_cast<QMenu*>(w)) w->hide();
    if (frmDruckVorschau) frmDruckVorschau->hide();
    Warten(20);
    Aktivieren();
  }

  // A mnemonic animates the button and clicks it a moment later.
  static void Alt(Qt::Key taste) {
    QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : fmStart;
    QTest::keyClick(ziel, taste, Qt::AltModifier);
    Warten(250);
  }

  // The sought quantity picked with the keyboard, as a user would.
  static void Gesucht(const char* liste, int index) {
    auto* l = Suche<QComboBox>(liste);
    l->setFocus();
    QTest::keyClick(l, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(l, Qt::Key_Down);
    ASSERT_EQ(l->currentIndex(), index);
  }
};

TEST(Vorlesetext, RemovesMnemonicAndTrailingColon) {
  const struct {
    const char* beschriftung;
    const char* erwartet;
  } faelle[] = {
      {"Anfangskapital :", "Anfangskapital"},
      {"&Rate:", "Rate"},
      {"Gebühr in %", "Gebühr in %"},
      {"Zins && Tilgung:", "Zins & Tilgung"},
      {"  Laufzeit:  ", "Laufzeit"},
      {"<b>Autor:</b>", "Autor"},
      {":", ""},
      {"", ""},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(Vorlesetext(QString::fromUtf8(f.beschriftung)), QString::fromUtf8(f.erwartet)) << f.beschriftung;
}

TEST_F(Barrierefreiheit, EveryLabelledFieldIsNamedAfterItsCaption) {
  int benannt = 0;
  for (QWidget* fenster : QApplication::topLevelWidgets()) {
    for (QLabel* label : fenster->findChildren<QLabel*>()) {
      if (!label->buddy()) continue;
      const QString name = label->buddy()->accessibleName();
      EXPECT_FALSE(name.isEmpty()) << label->objectName().toStdString();
      EXPECT_FALSE(name.contains(QLatin1Char('&')) && !label->text().contains(QLatin1String("&&")))
          << name.toStdString();
      EXPECT_FALSE(name.endsWith(QLatin1Char(':'))) << name.toStdString();
      ++benannt;
    }
  }
  EXPECT_GE(benannt, 40);

  const struct {
    const char* feld;
    const char* name;
  } stichproben[] = {
      {"KFeld", "Anfangskapital"},        {"pFeld", "Zinssatz"},   {"ZiZiR_RFeld", "Rate"},
      {"AnnD_KnFeld", "Restschuld"},      {"MWST_Netto", "Nettobetrag"}, {"Akt_Geb", "Gebühr in %"},
      {"Akt_MaklerGeb", "Maklergebühr in %"}, {"nmFeld", "Laufzeit Monate"}, {"AnnD_KnmFeld", "nach Monate"},
      {"Akt_ErgStueck", "Stückzahl"},        {"Akt_ErgKW", "Kurswert"},        {"Akt_ErgGewinn", "Gewinnschwelle"},
  };
  for (const auto& s : stichproben) {
    if (auto* f = Suche<QLineEdit>(s.feld)) {
      EXPECT_EQ(f->accessibleName(), QString::fromUtf8(s.name)) << s.feld;
    }
  }
}

// Every field and list of a page has a label; every label before a field has
// a mnemonic of its own on its page, unlike those of the buttons and menus.
TEST_F(Barrierefreiheit, EveryFieldHasALabelWithItsOwnMnemonic) {
  auto* seiten = Suche<QTabWidget>("PageControl1");
  for (int i = 1; i < seiten->count(); ++i) {
    Seite(i);
    QList<QKeySequence> belegt;
    for (QAction* menue : fmStart->menuBar()->actions()) belegt << QKeySequence::mnemonic(menue->text());
    for (auto* name : {"RechnenSchalter", "FormelSchalter", "btbtnDruck", "ZahlungsplanSchalter", "HilfeSchalter"})
      if (auto* knopf = Suche<QAbstractButton>(name); knopf->isEnabled() && !knopf->shortcut().isEmpty())
        belegt << knopf->shortcut();
    QSet<QWidget*> beschriftet;
    for (QLabel* label : seiten->widget(i)->findChildren<QLabel*>()) {
      if (!label->buddy()) continue;
      beschriftet << label->buddy();
      const QString text = label->text();
      const QKeySequence taste = QKeySequence::mnemonic(text);
      if (std::none_of(text.begin(), text.end(), [](QChar z) { return z.isLetter(); })) continue;
      EXPECT_FALSE(taste.isEmpty() || belegt.contains(taste)) << text.toStdString();
      belegt << taste;
    }
    QList<QWidget*> felder;
    for (QWidget* f : seiten->widget(i)->findChildren<QLineEdit*>()) felder << f;
    for (QWidget* f : seiten->widget(i)->findChildren<QComboBox*>()) felder << f;
    for (QWidget* f : felder) {  // the share count of a settlement has no label before it
      if (f->objectName() != QLatin1String("Akt_ErgStueck")) {
        EXPECT_TRUE(beschriftet.contains(f)) << f->objectName().toStdString();
      }
    }
  }
  EXPECT_TRUE(Suche<QAbstractButton>("SpeedButton1")->focusPolicy() & Qt::TabFocus);
}

TEST_F(Barrierefreiheit, GlyphOnlyButtonIsNamedAfterItsHint) {
  auto* knopf = Suche<QAbstractButton>("SpeedButton1");
  ASSERT_NE(knopf, nullptr);
  EXPECT_EQ(knopf->accessibleName(), QStringLiteral("Infos zu \"Ordalin\""));
}

TEST_F(Barrierefreiheit, DescriptionFollowsTheFieldState) {
  Seite(1);
  auto* k = Suche<QLineEdit>("KFeld");
  auto* kn = Suche<QLineEdit>("KnFeld");
  ASSERT_TRUE(k && kn);
  EXPECT_EQ(kn->accessibleDescription(), Ergebnis);
  EXPECT_EQ(k->accessibleDescription(), Eingabe);

  Gesucht("Gesucht1", 0);
  EXPECT_EQ(k->accessibleDescription(), Ergebnis);
  EXPECT_EQ(kn->accessibleDescription(), Eingabe);

  // A result that has just been computed is still announced as the result.
  Gesucht("Gesucht1", 3);
  for (const char* feld : {"KFeld", "pFeld", "njFeld", "nmFeld"}) {
    auto* f = Suche<QLineEdit>(feld);
    f->setFocus();
    QTest::keyClicks(f, QStringLiteral("3"));
  }
  TDialogBeantworter antworten;
  Suche<QAbstractButton>("RechnenSchalter")->click();
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  EXPECT_FALSE(kn->text().isEmpty());
  EXPECT_EQ(kn->accessibleDescription(), Ergebnis);

  // The residual debt is computed for its own time; the loan term is unused.
  Seite(5);
  Gesucht("AnnD_Gesucht", 3);
  EXPECT_EQ(Suche<QLineEdit>("AnnD_KnFeld")->accessibleDescription(), Ergebnis);
  EXPECT_EQ(Suche<QLineEdit>("AnnD_njFeld")->accessibleDescription(), Gesperrt);
  EXPECT_EQ(Suche<QLineEdit>("AnnD_knjFeld")->accessibleDescription(), Eingabe);
  Gesucht("AnnD_Gesucht", 0);
  EXPECT_EQ(Suche<QLineEdit>("AnnD_njFeld")->accessibleDescription(), Eingabe);
  EXPECT_EQ(Suche<QLineEdit>("AnnD_KFeld")->accessibleDescription(), Ergebnis);
}

// Alt plus the underlined letter presses each enabled button of the row on
// every page, and Alt+P opens the program menu everywhere.
TEST_F(Barrierefreiheit, MnemonicsWorkOnEveryPage) {
  TDialogBeantworter antworten;
  auto* seiten = Suche<QTabWidget>("PageControl1");
  ASSERT_NE(seiten, nullptr);
  const struct {
    const char* knopf;
    Qt::Key taste;
  } knoepfe[] = {
      {"RechnenSchalter", Qt::Key_R},
      {"FormelSchalter", Qt::Key_F},
      {"btbtnDruck", Qt::Key_D},
      {"ZahlungsplanSchalter", Qt::Key_U},
  };
  // The Info page last: its compute button ("&Ende") closes the window.
  for (int seite = 1; seite <= seiten->count(); ++seite) {
    const int index = seite % seiten->count();
    Seite(index);
    const std::string wo = seiten->tabText(index).toStdString();
    for (const auto& k : knoepfe) {
      auto* knopf = Suche<QAbstractButton>(k.knopf);
      if (!knopf->isEnabled() || index == 0) continue;
      QSignalSpy gedrueckt(knopf, &QAbstractButton::clicked);
      Alt(k.taste);
      EXPECT_EQ(gedrueckt.count(), 1) << wo << ": " << k.knopf;
      Aufraeumen();
      Seite(index);
    }

    auto* programm = Suche<QMenu>("Programm1");
    Alt(Qt::Key_P);
    Warten(20);
    EXPECT_TRUE(programm->isVisible()) << wo << ": Alt+P";
    programm->close();
    Aufraeumen();
  }

  auto* ende = Suche<QAbstractButton>("RechnenSchalter");
  ASSERT_EQ(seiten->currentIndex(), 0);
  ASSERT_EQ(ende->text(), QStringLiteral("&Ende"));
  // The application must not start quitting under the following tests.
  qApp->setQuitOnLastWindowClosed(false);
  Alt(Qt::Key_E);
  EXPECT_FALSE(fmStart->isVisible());
  qApp->setQuitOnLastWindowClosed(true);
}

// The help button and the help menu share Alt+H. Left to Qt, the key would
// alternate between them; the menu wins every time (help is also on F1).
TEST_F(Barrierefreiheit, AltHOpensTheHelpMenuEveryTime) {
  Seite(2);
  auto* hilfe = Suche<QMenu>("Hilfe1");
  for (int versuch = 0; versuch < 3; ++versuch) {
    Alt(Qt::Key_H);
    Warten(20);
    EXPECT_TRUE(hilfe->isVisible()) << "Versuch " << versuch;
    hilfe->close();
    Aufraeumen();
  }
}

}  // namespace
