// Page states, menu, help and the end of the main window.
#include <QMenu>

#include "Hilfe.h"
#include "test_startfenster.h"

TEST_F(StartfensterTest, KnoepfeFolgenDerSeite) {
  const struct {
    int Seite;
    const char* Rechnen;
    bool RechnenAn, FormelUndDruckAn;
  } tabelle[] = {
      {1, "&Rechnen", true, true}, {2, "&Rechnen", true, true},  {3, "&Rechnen", true, true},
      {4, "&Rechnen", true, true}, {5, "&Rechnen", true, true},  {6, "&Rechnen", true, true},
      {7, "&Rechnen", true, true}, {8, "&Rechnen", false, true}, {0, "&Ende", true, false},
      {8, "&Rechnen", false, true}, {3, "&Rechnen", true, true},
  };
  for (const auto& z : tabelle) {
    Seite(z.Seite);
    SCOPED_TRACE(z.Seite);
    EXPECT_EQ(Knopf("RechnenSchalter")->text(), QString::fromUtf8(z.Rechnen));
    EXPECT_EQ(Knopf("RechnenSchalter")->isEnabled(), z.RechnenAn);
    EXPECT_EQ(Knopf("FormelSchalter")->isEnabled(), z.FormelUndDruckAn);
    EXPECT_EQ(Knopf("btbtnDruck")->isEnabled(), z.FormelUndDruckAn);
  }
}

TEST_F(StartfensterTest, InfoMenueNurAusserhalbDerInfoSeite) {
  auto* menue = W<QMenu>(QStringLiteral("Hilfe1"));
  auto* info = W<QAction>(QStringLiteral("Info1"));
  emit menue->aboutToShow();
  EXPECT_FALSE(info->isEnabled());
  Seite(8);
  emit menue->aboutToShow();
  ASSERT_TRUE(info->isEnabled());
  info->trigger();  // from the euro page "Info" leaves an enabled "Ende"
  EXPECT_EQ(Seiten()->currentIndex(), 0);
  EXPECT_EQ(Knopf("RechnenSchalter")->text(), QStringLiteral("&Ende"));
  EXPECT_TRUE(Knopf("RechnenSchalter")->isEnabled());
}

TEST_F(StartfensterTest, EndeSchliesstDasFenster) {
  qApp->setQuitOnLastWindowClosed(false);
  Knopf("RechnenSchalter")->click();
  EXPECT_FALSE(fm->isVisible());
  qApp->setQuitOnLastWindowClosed(true);
}

TEST_F(StartfensterTest, HilfeNachSeiteOderFeld) {
  const struct {
    int Seite;
    const char* Feld;  // nullptr: the help button
    int Kontext;
  } tabelle[] = {{0, nullptr, 10}, {2, nullptr, 30}, {2, "ZiZiE_KFeld", 20}, {4, "BW_Zahlungsweise", 40}};
  for (const auto& z : tabelle) {
    Seite(z.Seite);
    if (z.Feld) {
      fm->activateWindow();
      QWidget* feld = W<QWidget>(QString::fromLatin1(z.Feld));
      feld->setFocus();
      QTest::keyClick(feld, Qt::Key_F1);
    } else {
      Knopf("HilfeSchalter")->click();
    }
    ASSERT_NE(Hilfefenster(), nullptr);
    EXPECT_EQ(Hilfefenster()->Kontext(), z.Kontext) << z.Seite;
  }
  Hilfefenster()->close();
}

TEST_F(StartfensterTest, NeueSeiteBeginntBeiIhremErstenElement) {
  const std::pair<int, const char*> faelle[] = {{1, "Gesucht1"}, {5, "AnnD_Gesucht"}, {8, "Deutschland"}};
  for (const auto& [seite, erstes] : faelle) {
    Seite(seite);
    EXPECT_EQ(QApplication::focusWidget(), fm->findChild<QWidget*>(QString::fromLatin1(erstes))) << erstes;
  }
  Taste(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), W(QStringLiteral("Spanien")));
}
