// Exit rules of the number fields and the Enter key.
#include <QAbstractItemView>

#include "test_startfenster.h"

namespace {

struct TExit {
  const char* Feld;
  const char* Getippt;
  const char* Ergebnis;  // nullptr: rejected with the box, text kept
};

}  // namespace

TEST_F(StartfensterTest, ExitRegelnFormatierenOderMelden) {
  Seite(1);
  Waehlen(QStringLiteral("Gesucht1"), 0);  // every field but KFeld is input now
  const TExit tabelle[] = {
      {"KnFeld", "1234,5", "1.234,50 "}, {"KnFeld", "1.234", "1.234,00 "}, {"KnFeld", "-50", "-50,00 "},
      {"KnFeld", "1,5E3", "1.500,00 "},  {"pFeld", "5,5", "5,500 "},      {"pFeld", "7", "7,000 "},
      {"nmFeld", "12", "12"},            {"nmFeld", "-3", "-3"},          {"nmFeld", "12,0", nullptr},
      {"nmFeld", "12 ", nullptr},        {"njFeld", "1.234", nullptr},    {"njFeld", "+7", "7"},
      {"KnFeld", "abc", nullptr},        {"pFeld", "5,5,5", nullptr},
  };
  for (const TExit& z : tabelle) {
    SCOPED_TRACE(std::string(z.Feld) + " <- " + z.Getippt);
    TDialogBeantworter antworten;
    Tippen(z.Feld, QString::fromUtf8(z.Getippt));
    Taste(Qt::Key_Tab);
    if (z.Ergebnis) {
      WartenBis([&] { return Text(z.Feld) == QString::fromUtf8(z.Ergebnis); }, 500);
      EXPECT_TRUE(antworten.Boxen.isEmpty());
      EXPECT_EQ(Text(z.Feld), QString::fromUtf8(z.Ergebnis));
    } else {
      WartenBis([&] { return !antworten.Boxen.isEmpty() && QApplication::focusWidget() == W(z.Feld); });
      ASSERT_EQ(antworten.Boxen.size(), 1);
      EXPECT_EQ(antworten.Boxen[0].Text, QLatin1Char('"') + QString::fromUtf8(z.Getippt) +
                                             QStringLiteral("\" ist ein ungültiger Wert."));
      EXPECT_EQ(antworten.Boxen[0].Symbol, QMessageBox::Warning);
      EXPECT_EQ(Text(z.Feld), QString::fromUtf8(z.Getippt));
      EXPECT_EQ(QApplication::focusWidget(), W(z.Feld));
      Tippen(z.Feld, QString());
    }
  }
}

TEST_F(StartfensterTest, FormatierterTextBleibtBeimNaechstenVerlassen) {
  Seite(1);
  Tippen(QStringLiteral("KFeld"), QStringLiteral("1234,5"));
  Taste(Qt::Key_Tab);
  WartenBis([&] { return Text(QStringLiteral("KFeld")) == QStringLiteral("1.234,50 "); });
  W(QStringLiteral("KFeld"))->setFocus();
  Taste(Qt::Key_Tab);
  Warten(30);
  EXPECT_EQ(Text(QStringLiteral("KFeld")), QStringLiteral("1.234,50 "));
}

TEST_F(StartfensterTest, UngueltigerTextGibtGenauEineMeldungUndFokusZurueck) {
  Seite(1);
  Waehlen(QStringLiteral("Gesucht1"), 0);
  TDialogBeantworter antworten;
  Tippen(QStringLiteral("KnFeld"), QStringLiteral("abc"));
  Taste(Qt::Key_Tab);
  WartenBis([&] { return !antworten.Boxen.isEmpty() && QApplication::focusWidget() == W(QStringLiteral("KnFeld")); });
  Warten(100);
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Text, QStringLiteral("\"abc\" ist ein ungültiger Wert."));
  EXPECT_EQ(QApplication::focusWidget(), W(QStringLiteral("KnFeld")));
  EXPECT_EQ(Text(QStringLiteral("KnFeld")), QStringLiteral("abc"));
}

TEST_F(StartfensterTest, LeeresFeldGibtKeineMeldung) {
  Seite(1);
  TDialogBeantworter antworten;
  Tippen(QStringLiteral("pFeld"), QStringLiteral("5"));
  Tippen(QStringLiteral("pFeld"), QString());
  Taste(Qt::Key_Tab);
  Warten(50);
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  EXPECT_TRUE(Text(QStringLiteral("pFeld")).isEmpty());
}

TEST_F(StartfensterTest, EnterGehtWeiterWieTab) {
  Seite(1);
  W(QStringLiteral("KFeld"))->setFocus();
  Taste(Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), W(QStringLiteral("pFeld")));
  Taste(Qt::Key_Enter);
  EXPECT_EQ(QApplication::focusWidget(), W(QStringLiteral("njFeld")));

  // A list passes the focus on and stays closed.
  Seite(3);
  auto* liste = W<QComboBox>(QStringLiteral("ZiZiR_Zahlungsweise"));
  liste->setFocus();
  Taste(Qt::Key_Return);
  Warten(20);
  EXPECT_FALSE(liste->view()->isVisible());
  EXPECT_EQ(liste->currentIndex(), 0);
  EXPECT_EQ(QApplication::focusWidget(), W(QStringLiteral("ZiZiR_pFeld")));

  Seite(7);
  W(QStringLiteral("Akt_Kurs"))->setFocus();
  Taste(Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), W(QStringLiteral("Akt_Stueck")));
}
