// The report texts of every page and sought quantity, without windows: the
// rules no layout may break. The labels themselves are read in the printed PDF.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "pages/Seiten.h"
#include "report/uDruck_Texte.h"

namespace {

// Every field holds its own name after a #, so a text from the wrong field shows at once.
TBerichtSeite Seite(const QString& key, int index) {
  TBerichtSeite s{key, index, u"Gesucht"_qs, u"Frage?"_qs, u"DM"_qs, u"monatlich"_qs, {}};
  for (const TSeite& seite : Seiten::Alle())
    for (const TFeld& f : seite.Felder) s.Felder.insert(f.Name, u'#' + f.Name);
  return s;
}

// The lines of a label | value cell, without the blank lines after the last.
std::pair<QStringList, QStringList> Zellen(QString text) {
  const QStringList teile = text.split(BerichtTrenner);
  if (teile.size() != 2) return {};
  auto zeilen = [](QString t) {
    while (t.endsWith(u'\n')) t.chop(1);
    return t.split(u'\n');
  };
  return {zeilen(teile[0]), zeilen(teile[1])};
}

// Each layout: a label for every value, no field shown twice, the result
// drawn from a field; out-of-range questions give no texts.
TEST(BerichtTexte, JedeSeiteUndGesuchteGroesse) {
  const QRegularExpression trenner(QStringLiteral("[\\s|,]+"));
  // How many sought quantities a page offers; the euro page has no list.
  const std::pair<const char*, int> seiten[] = {{"eZi", 4},  {"ZiZiE", 4}, {"ZiZiR", 4}, {"BW", 4},
                                                {"AnnD", 5}, {"MWST", 4},  {"Akt", 2},   {"Euro", -1}};
  for (const auto& [key, anzahl] : seiten)
    for (int index = -1; index <= 5; ++index) {
      SCOPED_TRACE(std::string(key) + " " + std::to_string(index));
      const TBerichtSeite s = Seite(QString::fromLatin1(key), index);
      const TBerichtTexte t = BerichtTexte(s);
      EXPECT_FALSE(t.Titeltext.isEmpty());
      const bool gueltig = anzahl < 0 || (index >= 0 && index < anzahl);
      EXPECT_EQ(!t.Vorgabentext.isEmpty(), gueltig);
      EXPECT_EQ(!t.Ergebnistext.isEmpty(), gueltig);
      if (!gueltig) continue;
      const auto [beschriftungen, werte] = Zellen(t.Vorgabentext);
      EXPECT_GE(beschriftungen.size(), 3);
      EXPECT_EQ(beschriftungen.size(), werte.size()) << t.Vorgabentext.toStdString();
      if (t.Ergebnistext.contains(BerichtTrenner)) {
        const auto [links, rechts] = Zellen(t.Ergebnistext);
        EXPECT_EQ(links.size(), rechts.size()) << t.Ergebnistext.toStdString();
      }
      QStringList felder;
      for (const QString& wort : (t.Vorgabentext + u'\n' + t.Ergebnistext).split(trenner))
        if (wort.startsWith(u'#')) felder << wort;
      EXPECT_EQ(felder.removeDuplicates(), 0) << felder.join(u' ').toStdString();
      const QStringList ergebnis = t.Ergebnistext.split(trenner);
      EXPECT_TRUE(std::any_of(felder.begin(), felder.end(), [&](const QString& f) { return ergebnis.contains(f); }));
    }
  for (const QString& key : {u""_qs, u"Info"_qs, u"ezi"_qs})
    EXPECT_TRUE(BerichtTexte(Seite(key, 0)).Titeltext.isEmpty());
}

TEST(BerichtTexte, TrennzeichenInFeldernVerschiebtKeineZellen) {
  TBerichtSeite s = Seite(QStringLiteral("Akt"), 1);
  s.Felder[QStringLiteral("Akt_Name")] = QStringLiteral("Meier|Sohn");
  s.Waehrung = QStringLiteral("D|M");
  const TBerichtTexte t = BerichtTexte(s);
  EXPECT_EQ(t.Vorgabentext.count(QLatin1Char('|')), 1);
  EXPECT_EQ(t.Ergebnistext.count(QLatin1Char('|')), 1);
  EXPECT_TRUE(t.Vorgabentext.contains(QStringLiteral("Meier\u00a6Sohn")));
}

}  // namespace
