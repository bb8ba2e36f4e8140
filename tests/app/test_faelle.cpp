// Every case of every calculation page without a window: the texts typed
// into the page's fields in, the texts the case writes (or the message of
// the error it raises) out.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/Fehlerbehandlung.h"
#include "pages/Seiten.h"

namespace {

using TTexte = std::map<QString, QString>;

struct TZeile {
  const char* Key;
  int Gesucht;
  int Zahlungsweise;  // item of the payment frequency list
  TTexte Eingaben;
  TTexte Ergebnis;  // the fields written, or {"", message}
};

TTexte Rechnen(const TZeile& z) {
  const TSeite& seite = *Seiten::Finden(QString::fromLatin1(z.Key));
  QStringList texte;
  for (const TFeld& f : seite.Felder) texte << (z.Eingaben.count(f.Name) ? z.Eingaben.at(f.Name) : QString());
  const int m = seite.Zahlungsweise() < 0 ? 1 : RatenProJahr(z.Zahlungsweise);
  TTexte geschrieben;
  try {
    for (const auto& [feld, text] : ::Rechnen(seite.Gesucht[static_cast<std::size_t>(z.Gesucht)].Fall, texte, m))
      geschrieben[seite.Felder[static_cast<std::size_t>(feld)].Name] = text;
  } catch (const EFehler& e) {
    return {{QString(), MitPunkt(e.Text())}};
  }
  return geschrieben;
}

class Faelle : public ::testing::Test {
 protected:
  void SetUp() override { SetzeZahlenformat(Zahlenformat::Deutsch()); }
};

TEST_F(Faelle, JedeSeiteJedeGesuchteGroesse) {
  // clang-format off
  const TZeile zeilen[] = {
      {"eZi", 0, 0, {{"pFeld", "5"}, {"njFeld", "2"}, {"nmFeld", "6"}, {"KnFeld", "1125"}}, {{"KFeld", "1.000,00 "}}},
      {"eZi", 1, 0, {{"KFeld", "1000"}, {"njFeld", "2"}, {"nmFeld", "6"}, {"KnFeld", "1125"}}, {{"pFeld", "5,000 "}}},
      {"eZi", 2, 0, {{"KFeld", "1000"}, {"pFeld", "5"}, {"KnFeld", "1125"}}, {{"njFeld", "2 "}, {"nmFeld", "6,0 "}}},
      // A split term carries twelve months into a year only where they round to twelve.
      {"eZi", 2, 0, {{"KFeld", "1000"}, {"pFeld", "10"}, {"KnFeld", "1399,99"}},
       {{"njFeld", "4 "}, {"nmFeld", "0,0 "}}},
      {"eZi", 2, 0, {{"KFeld", "1000"}, {"pFeld", "10"}, {"KnFeld", "1399,25"}},
       {{"njFeld", "3 "}, {"nmFeld", "12,0 "}}},
      {"eZi", 3, 0, {{"KFeld", "1000"}, {"pFeld", "5"}, {"njFeld", "2"}, {"nmFeld", "6"}}, {{"KnFeld", "1.125,00 "}}},
      // The starting capital reads the end capital first.
      {"ZiZiE", 0, 0,
       {{"ZiZiE_pFeld", "5"}, {"ZiZiE_njFeld", "10"}, {"ZiZiE_nmFeld", "0"}, {"ZiZiE_KnFeld", "1628,89"}},
       {{"ZiZiE_KFeld", "1.000,00 "}}},
      {"ZiZiE", 1, 0,
       {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_njFeld", "10"}, {"ZiZiE_nmFeld", "0"}, {"ZiZiE_KnFeld", "2000"}},
       {{"ZiZiE_pFeld", "7,177 "}}},
      {"ZiZiE", 2, 0, {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_pFeld", "7"}, {"ZiZiE_KnFeld", "2000"}},
       {{"ZiZiE_njFeld", "10 "}, {"ZiZiE_nmFeld", "3,0 "}}},
      {"ZiZiE", 3, 0, {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_pFeld", "5"}, {"ZiZiE_njFeld", "10"}, {"ZiZiE_nmFeld", "0"}},
       {{"ZiZiE_KnFeld", "1.628,89 "}}},
      {"ZiZiR", 0, 3, {{"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "0"}, {"ZiZiR_KnFeld", "10000"}},
       {{"ZiZiR_RFeld", "795,05 "}}},
      {"ZiZiR", 0, 0, {{"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "0"}, {"ZiZiR_KnFeld", "10000"}},
       {{"ZiZiR_RFeld", "64,77 "}}},
      {"ZiZiR", 1, 0, {{"ZiZiR_RFeld", "100"}, {"ZiZiR_pFeld", "5"}, {"ZiZiR_KnFeld", "20000"}},
       {{"ZiZiR_njFeld", "12 "}, {"ZiZiR_nmFeld", "2,6 "}}},
      {"ZiZiR", 2, 0, {{"ZiZiR_RFeld", "100"}, {"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "0"}},
       {{"ZiZiR_KnFeld", "15.439,36 "}}},
      {"BW", 0, 0, {{"BW_pFeld", "6"}, {"BW_njFeld", "20"}, {"BW_nmFeld", "0"}, {"BW_BWFeld", "100000"}},
       {{"BW_RFeld", "707,09 "}}},
      {"BW", 1, 0, {{"BW_RFeld", "500"}, {"BW_pFeld", "6"}, {"BW_BWFeld", "50000"}},
       {{"BW_njFeld", "11 "}, {"BW_nmFeld", "5,4 "}}},
      {"BW", 2, 0, {{"BW_RFeld", "500"}, {"BW_pFeld", "6"}, {"BW_njFeld", "20"}, {"BW_nmFeld", "0"}},
       {{"BW_BWFeld", "70.712,06 "}}},
      {"AnnD", 0, 0, {{"AnnD_pFeld", "6"}, {"AnnD_njFeld", "10"}, {"AnnD_nmFeld", "0"}, {"AnnD_RFeld", "1110,21"}},
       {{"AnnD_KFeld", "100.000,45 "}}},
      {"AnnD", 1, 0, {{"AnnD_KFeld", "100000"}, {"AnnD_pFeld", "6"}, {"AnnD_RFeld", "1110,21"}},
       {{"AnnD_njFeld", "10 "}, {"AnnD_nmFeld", "0,0 "}}},
      {"AnnD", 2, 0, {{"AnnD_KFeld", "100000"}, {"AnnD_pFeld", "6"}, {"AnnD_njFeld", "10"}, {"AnnD_nmFeld", "0"}},
       {{"AnnD_RFeld", "1.110,21 "}}},
      {"AnnD", 3, 0,
       {{"AnnD_KFeld", "100000"}, {"AnnD_pFeld", "6"}, {"AnnD_RFeld", "1110,21"}, {"AnnD_knjFeld", "5"},
        {"AnnD_KnmFeld", "0"}},
       {{"AnnD_KnFeld", "57.425,63 "}}},
      {"AnnD", 3, 0,
       {{"AnnD_KFeld", "10000"}, {"AnnD_pFeld", "5"}, {"AnnD_RFeld", "100"}, {"AnnD_knjFeld", "0"},
        {"AnnD_KnmFeld", "0"}},
       {{"AnnD_KnFeld", "10.000,00 "}}},
      {"MWST", 0, 0, {{"MWST_MWSTprozent", "16"}, {"MWST_brutto", "116"}},
       {{"MWST_Netto", "100,00 "}, {"MWST_MWSTDM", "16,00 "}}},
      {"MWST", 1, 0, {{"MWST_Netto", "100"}, {"MWST_brutto", "116"}},
       {{"MWST_MWSTprozent", "16,000 "}, {"MWST_MWSTDM", "16,00 "}}},
      {"MWST", 2, 0, {{"MWST_Netto", "100"}, {"MWST_MWSTprozent", "7"}}, {{"MWST_MWSTDM", "7,00 "}}},
      {"MWST", 3, 0, {{"MWST_Netto", "100"}, {"MWST_MWSTprozent", "16"}},
       {{"MWST_brutto", "116,00 "}, {"MWST_MWSTDM", "16,00 "}}},
      // Errors of reading and computing leave the case for the general handler.
      {"eZi", 1, 0, {{"KFeld", "1000"}, {"njFeld", "0"}, {"nmFeld", "0"}, {"KnFeld", "1125"}},
       {{"", "Gleitkommadivision durch Null."}}},
      {"eZi", 3, 0, {{"KFeld", "1000"}, {"pFeld", "5"}, {"njFeld", "2"}, {"nmFeld", "x1"}},
       {{"", "'x1' ist kein gültiger Gleitkommawert."}}},
      {"BW", 1, 0, {{"BW_RFeld", "200"}, {"BW_pFeld", "6"}, {"BW_BWFeld", "50000"}},
       {{"", "Ungültige Gleitkommaoperation."}}},
  };
  // clang-format on
  std::set<std::pair<QString, int>> gesehen;
  for (const TZeile& z : zeilen) {
    SCOPED_TRACE(std::string(z.Key) + " " + std::to_string(z.Gesucht));
    EXPECT_EQ(Rechnen(z), z.Ergebnis);
    gesehen.insert({QString::fromLatin1(z.Key), z.Gesucht});
  }
  for (const TSeite& seite : Seiten::Alle())
    for (std::size_t i = 0; i < seite.Gesucht.size() && seite.Art == TSeitenart::Rechnung; ++i)
      EXPECT_TRUE(gesehen.count({seite.Key, static_cast<int>(i)})) << seite.Key.toStdString() << " " << i;
}

// A case reads exactly the fields it requires and writes its result fields,
// never one of its inputs.
TEST_F(Faelle, LesenWasGeprueftIstUndSchreibenDasErgebnis) {
  for (const TSeite& seite : Seiten::Alle())
    for (const TGesucht& g : seite.Gesucht) {
      if (seite.Art != TSeitenart::Rechnung) continue;
      SCOPED_TRACE(seite.Key.toStdString() + " " + g.Name.toStdString());
      const std::set<int> gelesen(g.Fall.Gelesen.begin(), g.Fall.Gelesen.end());
      EXPECT_EQ(gelesen, std::set<int>(g.Fall.Geprueft.begin(), g.Fall.Geprueft.end()));
      std::set<int> geschrieben;
      for (const TAusgabe& a : g.Fall.Geschrieben) geschrieben.insert(a.Feld);
      for (int feld : g.Ergebnis) EXPECT_TRUE(geschrieben.count(feld));
      for (int feld : geschrieben) EXPECT_FALSE(gelesen.count(feld));
    }
}

}  // namespace
