// Field states by sought quantity and the question that follows the typing.
#include <QLabel>
#include <array>

#include "app/FrageText.h"
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
  const std::vector<TZustandsFall> tabelle{
      {"Gesucht1", 1, 2, {{"KFeld", E}, {"pFeld", E}, {"njFeld", R}, {"nmFeld", R}, {"KnFeld", E}}},
      {"Gesucht1", 1, 0, {{"KFeld", R}, {"pFeld", E}, {"njFeld", E}, {"nmFeld", E}, {"KnFeld", E}}},
      {"ZiZiE_Gesucht", 2, 1, {{"ZiZiE_KFeld", E}, {"ZiZiE_pFeld", R}, {"ZiZiE_njFeld", E}, {"ZiZiE_KnFeld", E}}},
      {"ZiZiR_Gesucht", 3, 0, {{"ZiZiR_RFeld", R}, {"ZiZiR_pFeld", E}, {"ZiZiR_KnFeld", E}}},
      {"BW_Gesucht", 4, 1, {{"BW_RFeld", E}, {"BW_njFeld", R}, {"BW_nmFeld", R}, {"BW_BWFeld", E}}},
      {"AnnD_Gesucht", 5, 3,
       {{"AnnD_KFeld", E}, {"AnnD_njFeld", G}, {"AnnD_nmFeld", G}, {"AnnD_KnFeld", R}, {"AnnD_knjFeld", E},
        {"AnnD_KnmFeld", E}}},
      {"AnnD_Gesucht", 5, 2,
       {{"AnnD_njFeld", E}, {"AnnD_nmFeld", E}, {"AnnD_RFeld", R}, {"AnnD_KnFeld", E}, {"AnnD_knjFeld", E}}},
      {"MWST_Gesucht", 6, 0, {{"MWST_Netto", R}, {"MWST_MWSTprozent", E}, {"MWST_MWSTDM", G}, {"MWST_brutto", E}}},
      {"MWST_Gesucht", 6, 2, {{"MWST_Netto", E}, {"MWST_MWSTprozent", E}, {"MWST_MWSTDM", R}, {"MWST_brutto", G}}},
      {"MWST_Gesucht", 6, 3, {{"MWST_Netto", E}, {"MWST_MWSTDM", G}, {"MWST_brutto", R}}},
  };
  for (const auto& fall : tabelle) {
    Seite(fall.Seite);
    Waehlen(QString::fromLatin1(fall.Liste), fall.Index);
    for (const auto& [name, zustand] : fall.Felder) {
      SCOPED_TRACE(std::string(fall.Liste) + " " + std::to_string(fall.Index) + " " + name);
      QLineEdit* f = W(QString::fromLatin1(name));
      EXPECT_EQ(Farbe(name), zustand == E ? Weiss : zustand == R ? Aqua : grau);
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

namespace {

// Typed in the order of Eingaben, each a different digit; Slots are the fields or lists behind T1..T8.
struct TFrageFall {
  int Seite;
  const char* Key;
  const char* Liste;
  const char* Label;
  std::vector<const char*> Eingaben;
  std::array<const char*, 8> Slots;
};

}  // namespace

TEST_F(StartfensterTest, FrageFolgtJedemTastendruck) {
  const std::vector<TFrageFall> tabelle{
      {1, "eZi", "Gesucht1", "eZi_FrageLabel", {"KFeld", "pFeld", "njFeld", "nmFeld"},
       {"KFeld", "pFeld", "njFeld", "nmFeld", "KnFeld"}},
      {2, "ZiZiE", "ZiZiE_Gesucht", "ZiZiE_FrageLabel", {"ZiZiE_KFeld", "ZiZiE_pFeld", "ZiZiE_nmFeld"},
       {"ZiZiE_KFeld", "ZiZiE_pFeld", "ZiZiE_njFeld", "ZiZiE_nmFeld", "ZiZiE_KnFeld"}},
      {3, "ZiZiR", "ZiZiR_Gesucht", "ZiZiR_FrageLabel", {"ZiZiR_RFeld", "ZiZiR_pFeld", "ZiZiR_njFeld"},
       {"ZiZiR_RFeld", "ZiZiR_Zahlungsweise", "ZiZiR_pFeld", "ZiZiR_njFeld", "ZiZiR_nmFeld", "ZiZiR_KnFeld"}},
      {4, "BW", "BW_Gesucht", "BW_FrageLabel", {"BW_RFeld", "BW_pFeld", "BW_nmFeld"},
       {"BW_RFeld", "BW_Zahlungsweise", "BW_pFeld", "BW_njFeld", "BW_nmFeld", "BW_BWFeld"}},
      {5, "AnnD", "AnnD_Gesucht", "AnnD_FrageLabel", {"AnnD_KFeld", "AnnD_pFeld", "AnnD_RFeld", "AnnD_knjFeld"},
       {"AnnD_KFeld", "AnnD_pFeld", "AnnD_njFeld", "AnnD_nmFeld", "AnnD_RFeld", "AnnD_Zahlungsweise", "AnnD_knjFeld",
        "AnnD_KnmFeld"}},
      {6, "MWST", "MWST_Gesucht", "MWST_FrageLabel", {"MWST_Netto", "MWST_brutto"},
       {"MWST_Netto", "MWST_MWSTprozent", "MWST_MWSTDM", "MWST_brutto"}},
  };
  for (const auto& fall : tabelle) {
    SCOPED_TRACE(fall.Key);
    Seite(fall.Seite);
    auto* label = W<QLabel>(QString::fromLatin1(fall.Label));
    const auto erwartet = [&] {
      std::array<QString, 8> t;
      for (int i = 0; i < 8; ++i) {
        if (!fall.Slots[i]) continue;
        const QString name = QString::fromLatin1(fall.Slots[i]);
        if (auto* liste = fm->findChild<QComboBox*>(name)) t[i] = liste->currentText();
        else t[i] = Text(name);
      }
      return FrageText(QString::fromLatin1(fall.Key), W<QComboBox>(QString::fromLatin1(fall.Liste))->currentIndex(),
                       t, QStringLiteral("DM"));
    };
    EXPECT_EQ(label->text(), erwartet());
    int ziffer = 1;
    for (const char* feld : fall.Eingaben) {
      W(QString::fromLatin1(feld))->setFocus();
      QTest::keyClicks(W(QString::fromLatin1(feld)), QString::number(ziffer++));
      EXPECT_EQ(label->text(), erwartet()) << feld;  // before the field is left
    }
  }
  // A payment frequency enters the sentence at once.
  Seite(5);
  Waehlen(QStringLiteral("AnnD_Zahlungsweise"), 2);
  EXPECT_TRUE(W<QLabel>(QStringLiteral("AnnD_FrageLabel"))->text().contains(QStringLiteral("halbjährlich")));
}
