// Field states by sought quantity, as colours and as a screen reader hears
// them, and the question that follows the typing.
#include <QLabel>

#include "test_startfenster.h"

namespace {

enum Zustand { E, R, G };  // input, result, greyed

struct TZustandsFall {
  const char* Liste;
  int Seite;
  int Index;
  std::vector<std::pair<const char*, Zustand>> Felder;
};

}  // namespace

TEST_F(StartfensterTest, FeldzustaendeNachGesuchterGroesse) {
  const QColor grau = QApplication::palette().color(QPalette::Button);
  // The kinds of rows of the pages' state tables: two result fields, greyed
  // fields, and greyed fields that are inputs again for the next quantity.
  // clang-format off
  const std::vector<TZustandsFall> tabelle{
      {"Gesucht1", 1, 2, {{"KFeld", E}, {"pFeld", E}, {"njFeld", R}, {"nmFeld", R}, {"KnFeld", E}}},
      {"AnnD_Gesucht", 5, 3,
       {{"AnnD_KFeld", E}, {"AnnD_njFeld", G}, {"AnnD_nmFeld", G}, {"AnnD_KnFeld", R}, {"AnnD_knjFeld", E},
        {"AnnD_KnmFeld", E}}},
      {"AnnD_Gesucht", 5, 2,
       {{"AnnD_njFeld", E}, {"AnnD_nmFeld", E}, {"AnnD_RFeld", R}, {"AnnD_KnFeld", E}, {"AnnD_knjFeld", E}}},
      {"MWST_Gesucht", 6, 2, {{"MWST_Netto", E}, {"MWST_MWSTprozent", E}, {"MWST_MWSTDM", R}, {"MWST_brutto", G}}},
      {"MWST_Gesucht", 6, 3, {{"MWST_Netto", E}, {"MWST_MWSTDM", G}, {"MWST_brutto", R}}},
  };
  // clang-format on
  for (const auto& fall : tabelle) {
    Seite(fall.Seite);
    Waehlen(QString::fromLatin1(fall.Liste), fall.Index);
    for (const auto& [name, zustand] : fall.Felder) {
      SCOPED_TRACE(std::string(fall.Liste) + " " + std::to_string(fall.Index) + " " + name);
      QLineEdit* f = W(QString::fromLatin1(name));
      EXPECT_EQ(Farbe(name), zustand == E ? Weiss : zustand == R ? Aqua : grau);
      EXPECT_EQ(f->accessibleDescription(), zustand == E   ? QStringLiteral("Eingabefeld")
                                            : zustand == R ? QStringLiteral("Ergebnisfeld")
                                                           : QStringLiteral("Für diese Berechnung nicht benötigt"));
      EXPECT_EQ(f->palette().color(QPalette::Disabled, QPalette::Base), Farbe(name));
      EXPECT_EQ(!f->isReadOnly() && f->isEnabled() && f->focusPolicy() != Qt::NoFocus, zustand == E);
    }
  }
}

TEST_F(StartfensterTest, ZustandswechselLaesstTexteStehen) {
  Seite(1);
  Tippen(QStringLiteral("njFeld"), QStringLiteral("3"));
  Waehlen(QStringLiteral("Gesucht1"), 2);
  Waehlen(QStringLiteral("Gesucht1"), 3);
  EXPECT_EQ(Text(QStringLiteral("njFeld")), QStringLiteral("3"));
}

TEST_F(StartfensterTest, FrageFolgtJedemTastendruck) {
  Seite(1);
  W(QStringLiteral("pFeld"))->setFocus();
  QTest::keyClicks(W(QStringLiteral("pFeld")), QStringLiteral("5"));  // before the field is left
  EXPECT_TRUE(W<QLabel>(QStringLiteral("eZi_FrageLabel"))->text().contains(QStringLiteral("zu 5 % anlege?")));

  // Every page's question takes up each of its input fields at once.
  // clang-format off
  const struct { int Seite; const char* Label; std::vector<const char*> Eingaben; } tabelle[] = {
      {2, "ZiZiE_FrageLabel", {"ZiZiE_KFeld", "ZiZiE_pFeld", "ZiZiE_nmFeld"}},
      {3, "ZiZiR_FrageLabel", {"ZiZiR_RFeld", "ZiZiR_pFeld", "ZiZiR_njFeld"}},
      {4, "BW_FrageLabel", {"BW_RFeld", "BW_pFeld", "BW_nmFeld"}},
      {5, "AnnD_FrageLabel", {"AnnD_KFeld", "AnnD_pFeld", "AnnD_RFeld", "AnnD_knjFeld"}},
      {6, "MWST_FrageLabel", {"MWST_Netto", "MWST_brutto"}},
  };
  // clang-format on
  for (const auto& fall : tabelle) {
    Seite(fall.Seite);
    auto* label = W<QLabel>(QString::fromLatin1(fall.Label));
    int ziffer = 1;
    for (const char* feld : fall.Eingaben) {
      const QString text = QString::number(ziffer++);
      W(QString::fromLatin1(feld))->setFocus();
      QTest::keyClicks(W(QString::fromLatin1(feld)), text);
      EXPECT_TRUE(label->text().contains(text)) << feld;
    }
  }
  // A payment frequency enters the sentence at once.
  Seite(5);
  Waehlen(QStringLiteral("AnnD_Zahlungsweise"), 2);
  EXPECT_TRUE(W<QLabel>(QStringLiteral("AnnD_FrageLabel"))->text().contains(QStringLiteral("halbjährlich")));
}
