// Every case of every calculation page without a window: the texts typed
// into the page's fields in, the texts the case writes (or the message of
// the error it raises) out.
#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "app/Seitenbau.h"
#include "base/Fehlerbehandlung.h"
#include "pages/Seiten.h"

namespace {

using TTexte = std::map<QString, QString>;

struct TZeile {
  const char* Key;
  int Gesucht;
  int Zahlungsweise;  // item of the payment frequency list
  TTexte Eingaben;    // by field name without the page's prefix and "Feld": "p" for "ZiZiE_pFeld"
  TTexte Ergebnis;    // the fields written, or {"", message}
};

TTexte Rechnen(const TZeile& z) {
  const TSeite& seite = *Seiten::Finden(QString::fromLatin1(z.Key));
  const auto kurz = [](const QString& name) {
    const QString ohne = name.mid(name.indexOf(u'_') + 1);
    return ohne.endsWith(u"Feld") ? ohne.chopped(4) : ohne;
  };
  QStringList texte;
  for (const TFeld& f : seite.Felder) texte << (z.Eingaben.count(kurz(f.Name)) ? z.Eingaben.at(kurz(f.Name)) : "");
  const int m = seite.Zahlungsweise() < 0 ? 1 : RatenProJahr(z.Zahlungsweise);
  TTexte geschrieben;
  try {
    for (const auto& [feld, text] : ::Rechnen(seite.Gesucht[static_cast<std::size_t>(z.Gesucht)].Fall, texte, m))
      geschrieben[kurz(seite.Felder[static_cast<std::size_t>(feld)].Name)] = text;
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
      {"eZi", 0, 0, {{"p", "5"}, {"nj", "2"}, {"nm", "6"}, {"Kn", "1125"}}, {{"K", "1.000,00 "}}},
      {"eZi", 1, 0, {{"K", "1000"}, {"nj", "2"}, {"nm", "6"}, {"Kn", "1125"}}, {{"p", "5,000 "}}},
      {"eZi", 2, 0, {{"K", "1000"}, {"p", "5"}, {"Kn", "1125"}}, {{"nj", "2 "}, {"nm", "6,0 "}}},
      {"eZi", 3, 0, {{"K", "1000"}, {"p", "5"}, {"nj", "2"}, {"nm", "6"}}, {{"Kn", "1.125,00 "}}},
      // The starting capital reads the end capital first.
      {"ZiZiE", 0, 0, {{"p", "5"}, {"nj", "10"}, {"nm", "0"}, {"Kn", "1628,89"}}, {{"K", "1.000,00 "}}},
      {"ZiZiE", 1, 0, {{"K", "1000"}, {"nj", "10"}, {"nm", "0"}, {"Kn", "2000"}}, {{"p", "7,177 "}}},
      {"ZiZiE", 2, 0, {{"K", "1000"}, {"p", "7"}, {"Kn", "2000"}}, {{"nj", "10 "}, {"nm", "3,0 "}}},
      {"ZiZiE", 3, 0, {{"K", "1000"}, {"p", "5"}, {"nj", "10"}, {"nm", "0"}}, {{"Kn", "1.628,89 "}}},
      {"ZiZiR", 0, 3, {{"p", "5"}, {"nj", "10"}, {"nm", "0"}, {"Kn", "10000"}}, {{"R", "795,05 "}}},
      {"ZiZiR", 0, 0, {{"p", "5"}, {"nj", "10"}, {"nm", "0"}, {"Kn", "10000"}}, {{"R", "64,77 "}}},
      {"ZiZiR", 1, 0, {{"R", "100"}, {"p", "5"}, {"Kn", "20000"}}, {{"nj", "12 "}, {"nm", "2,6 "}}},
      {"ZiZiR", 2, 0, {{"R", "100"}, {"p", "5"}, {"nj", "10"}, {"nm", "0"}}, {{"Kn", "15.439,36 "}}},
      {"ZiZiR", 3, 0, {{"R", "100"}, {"nj", "10"}, {"nm", "0"}, {"Kn", "15439,36"}}, {{"p", "5,000 "}}},
      {"BW", 0, 0, {{"p", "6"}, {"nj", "20"}, {"nm", "0"}, {"BW", "100000"}}, {{"R", "707,09 "}}},
      {"BW", 1, 0, {{"R", "500"}, {"p", "6"}, {"BW", "50000"}}, {{"nj", "11 "}, {"nm", "5,4 "}}},
      {"BW", 2, 0, {{"R", "500"}, {"p", "6"}, {"nj", "20"}, {"nm", "0"}}, {{"BW", "70.712,06 "}}},
      {"BW", 3, 0, {{"R", "500"}, {"nj", "20"}, {"nm", "0"}, {"BW", "70712,06"}}, {{"p", "6,000 "}}},
      {"AnnD", 0, 0, {{"p", "6"}, {"nj", "10"}, {"nm", "0"}, {"R", "1110,21"}}, {{"K", "100.000,45 "}}},
      {"AnnD", 1, 0, {{"K", "100000"}, {"p", "6"}, {"R", "1110,21"}}, {{"nj", "10 "}, {"nm", "0,0 "}}},
      {"AnnD", 2, 0, {{"K", "100000"}, {"p", "6"}, {"nj", "10"}, {"nm", "0"}}, {{"R", "1.110,21 "}}},
      {"AnnD", 3, 0, {{"K", "100000"}, {"p", "6"}, {"R", "1110,21"}, {"knj", "5"}, {"Knm", "0"}},
       {{"Kn", "57.425,63 "}}},
      {"AnnD", 3, 0, {{"K", "10000"}, {"p", "5"}, {"R", "100"}, {"knj", "0"}, {"Knm", "0"}}, {{"Kn", "10.000,00 "}}},
      {"AnnD", 4, 0, {{"K", "100000"}, {"nj", "10"}, {"nm", "0"}, {"R", "1110,21"}}, {{"p", "6,000 "}}},
      {"MWST", 0, 0, {{"MWSTprozent", "16"}, {"brutto", "116"}}, {{"Netto", "100,00 "}, {"MWSTDM", "16,00 "}}},
      {"MWST", 1, 0, {{"Netto", "100"}, {"brutto", "116"}}, {{"MWSTprozent", "16,000 "}, {"MWSTDM", "16,00 "}}},
      {"MWST", 2, 0, {{"Netto", "100"}, {"MWSTprozent", "7"}}, {{"MWSTDM", "7,00 "}}},
      {"MWST", 3, 0, {{"Netto", "100"}, {"MWSTprozent", "16"}}, {{"brutto", "116,00 "}, {"MWSTDM", "16,00 "}}},
      // Errors of reading and computing leave the case for the general handler.
      {"eZi", 1, 0, {{"K", "1000"}, {"nj", "0"}, {"nm", "0"}, {"Kn", "1125"}},
       {{"", "Gleitkommadivision durch Null."}}},
      {"eZi", 3, 0, {{"K", "1000"}, {"p", "5"}, {"nj", "2"}, {"nm", "x1"}},
       {{"", "'x1' ist kein gültiger Gleitkommawert."}}},
      {"BW", 1, 0, {{"R", "200"}, {"p", "6"}, {"BW", "50000"}}, {{"", "Ungültige Gleitkommaoperation."}}},
      {"AnnD", 4, 3, {{"K", "1000"}, {"nj", "1"}, {"nm", "0"}, {"R", "1000000"}}, {{"", "Der Zinssatz läge über 1.000 %."}}},
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

// Every record is sound, and the record check names what a spoiled copy
// gets wrong; a page built from such a copy still stands.
TEST_F(Faelle, SatzpruefungFindetMaengel) {
  for (const TSeite& seite : Seiten::Alle()) EXPECT_EQ(Satzmaengel(seite), QStringList()) << seite.Key.toStdString();
  // clang-format off
  const struct { const char* name; std::function<void(TSeite&)> verderben; const char* mangel; } faelle[] = {
      {"first field without caption", [](TSeite& s) { s.Felder[0].Beschriftung.clear(); }, "no caption"},
      {"name twice", [](TSeite& s) { s.Felder[1].Name = s.Felder[0].Name; }, "twice"},
      {"result beyond the fields", [](TSeite& s) { s.Gesucht[0].Ergebnis.push_back(99); }, "index 99"},
      {"report beyond the fields", [](TSeite& s) { s.Gesucht[1].Bericht.Werte.push_back(Stueck::Betrag(42)); },
       "index 42"},
      {"start beyond the list", [](TSeite& s) { s.Start = 9; }, "start index 9"},
      {"no formula", [](TSeite& s) { s.Gesucht[2].Fall.Formel = nullptr; }, "no formula"},
      {"no help topic", [](TSeite& s) { s.Hilfethema.clear(); }, "no help topic"},
      {"plan without quantities", [](TSeite& s) { s.Gesucht[3].Plan->Eingabe = nullptr; }, "plan without"},
      {"plan beyond the fields", [](TSeite& s) { s.Gesucht[0].Plan->BindungJahre = 7; }, "index 7"},
  };
  // clang-format on
  for (const auto& f : faelle) {
    TSeite seite = *Seiten::Finden(u"ZiZiR");
    f.verderben(seite);
    const QStringList maengel = Satzmaengel(seite);
    ASSERT_EQ(maengel.size(), 1) << f.name;
    EXPECT_TRUE(maengel[0].contains(QLatin1String(f.mangel))) << maengel[0].toStdString();
    if (seite.Felder[0].Beschriftung.isEmpty()) {
      const std::unique_ptr<QWidget> blatt(SeiteBauen(seite));
      EXPECT_NE(blatt->findChild<QWidget*>(seite.Felder[0].Name), nullptr);
    }
  }
}
