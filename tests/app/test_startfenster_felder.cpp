// Exit rules of the number fields and the Enter key.
#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>
#include <functional>

#include "test_startfenster.h"

TEST_F(StartfensterTest, ExitRegelnFormatierenOderMelden) {
  Seite(1);
  Waehlen(QStringLiteral("Gesucht1"), 0);  // every field but KFeld is input now
  // Ergebnis nullptr: rejected with exactly one box, text kept, focus back.
  // Danach: the field is left for this page instead of with Tab.
  // clang-format off
  const struct { const char* Feld; const char* Getippt; const char* Ergebnis; int Danach = -1; } tabelle[] = {
      {"KnFeld", "1234,5", "1.234,50 "}, {"pFeld", "5,5", "5,500 "}, {"nmFeld", "12", "12"},
      {"nmFeld", "12,0", nullptr}, {"njFeld", "+7", "7"}, {"pFeld", "5,5,5", nullptr},
      {"pFeld", "", ""},                     // empty is no error
      {"KnFeld", "1.234,50 ", "1.234,50 "},  // a formatted text survives leaving again
      {"pFeld", "3.5", nullptr},             // the program's grammar, not the locale's: not 35
      {"KnFeld", "abc", nullptr, 2},         // the box shows over the field's page
  };
  // clang-format on
  for (const auto& z : tabelle) {
    SCOPED_TRACE(std::string(z.Feld) + " <- " + z.Getippt);
    TDialogBeantworter antworten;
    Tippen(z.Feld, QString::fromUtf8(z.Getippt));
    if (z.Danach < 0)
      Taste(Qt::Key_Tab);
    else
      Seite(z.Danach);
    if (z.Ergebnis) {
      WartenBis([&] { return Text(z.Feld) == QString::fromUtf8(z.Ergebnis); }, 500);
      EXPECT_TRUE(antworten.Boxen.isEmpty());
      EXPECT_EQ(Text(z.Feld), QString::fromUtf8(z.Ergebnis));
      continue;
    }
    WartenBis([&] { return !antworten.Boxen.isEmpty() && QApplication::focusWidget() == W(z.Feld); });
    Warten(50);  // time for a second box, which must not come
    ASSERT_EQ(antworten.Boxen.size(), 1);
    EXPECT_EQ(antworten.Boxen[0].Text,
              QLatin1Char('"') + QString::fromUtf8(z.Getippt) + QStringLiteral("\" ist ein ungültiger Wert."));
    EXPECT_EQ(antworten.Boxen[0].Symbol, QMessageBox::Critical);
    EXPECT_EQ(Seiten()->currentIndex(), 1);
    EXPECT_EQ(Text(z.Feld), QString::fromUtf8(z.Getippt));
    EXPECT_EQ(QApplication::focusWidget(), W(z.Feld));
    Tippen(z.Feld, QString());
  }
}

TEST_F(StartfensterTest, EnterGehtWeiterWieTab) {
  // clang-format off
  const struct { int Seite; const char *Von, *Nach; Qt::Key Taste; } tabelle[] = {
      {1, "KFeld", "pFeld", Qt::Key_Return}, {1, "pFeld", "njFeld", Qt::Key_Enter},
      {3, "ZiZiR_Zahlungsweise", "ZiZiR_pFeld", Qt::Key_Return},  // a list stays closed
      {7, "Akt_Kurs", "Akt_Stueck", Qt::Key_Return}};
  // clang-format on
  for (const auto& z : tabelle) {
    Seite(z.Seite);
    W<QWidget>(QString::fromLatin1(z.Von))->setFocus();
    Taste(z.Taste);
    Warten(20);
    EXPECT_EQ(QApplication::focusWidget(), W<QWidget>(QString::fromLatin1(z.Nach))) << z.Von;
  }
  EXPECT_FALSE(W<QComboBox>(QStringLiteral("ZiZiR_Zahlungsweise"))->view()->isVisible());
  EXPECT_EQ(W<QComboBox>(QStringLiteral("ZiZiR_Zahlungsweise"))->currentIndex(), 0);
}

// A menu is a visit, not a move to another control: reaching "Programm" by
// key or mouse with an unreadable text in the field brings no box; leaving
// the field for another control after the menu closes does.
TEST_F(StartfensterTest, MenueLaesstDieExitregelAus) {
  Seite(1);
  Waehlen(QStringLiteral("Gesucht1"), 0);
  auto* menue = W<QMenu>(QStringLiteral("Programm1"));
  auto* leiste = fm->menuBar();
  const std::function<void()> wege[] = {
      [&] { QTest::keyClick(W(QStringLiteral("KnFeld")), Qt::Key_P, Qt::AltModifier); },
      [&] { QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(menue->menuAction()).center()); }};
  for (const auto& weg : wege) {
    TDialogBeantworter antworten;
    Tippen(QStringLiteral("KnFeld"), QStringLiteral("abc"));
    weg();
    ASSERT_TRUE(WartenBis([&] { return menue->isVisible(); }));
    Warten(50);
    EXPECT_TRUE(antworten.Boxen.isEmpty());
    QTest::keyClick(menue, Qt::Key_Escape);
    if (leiste->hasFocus()) QTest::keyClick(leiste, Qt::Key_Escape);
    ASSERT_TRUE(WartenBis([&] { return QApplication::focusWidget() == W(QStringLiteral("KnFeld")); }));
    EXPECT_TRUE(antworten.Boxen.isEmpty());
    Taste(Qt::Key_Tab);
    EXPECT_TRUE(WartenBis(
        [&] { return !antworten.Boxen.isEmpty() && QApplication::focusWidget() == W(QStringLiteral("KnFeld")); }));
    Tippen(QStringLiteral("KnFeld"), QString());
  }
}
