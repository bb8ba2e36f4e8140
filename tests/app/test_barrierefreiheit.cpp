// Screen-reader names, and the keyboard's mnemonics on every page.
#include <algorithm>

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>

#include "app/Barrierefreiheit.h"
#include "base/Feldfarben.h"
#include "report/uDruck.h"
#include "test_startfenster.h"

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

using Barrierefreiheit = StartfensterTest;

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
  for (const auto& [feld, name] :
       {std::pair{"nmFeld", "Laufzeit Monate"}, {"AnnD_KnmFeld", "nach Monate"}, {"Akt_ErgStueck", "Stückzahl"}})
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
