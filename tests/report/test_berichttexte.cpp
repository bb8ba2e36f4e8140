// The five report texts of every page and sought quantity, without windows.
#include <gtest/gtest.h>

#include "report/uDruck_Texte.h"

namespace {

// Every field holds its own name, so a text from the wrong field shows at once.
TBerichtSeite Seite(const QString& key, int index) {
  static const char* const Namen[] = {
      "KFeld", "pFeld", "njFeld", "nmFeld", "KnFeld", "ZiZiE_KFeld", "ZiZiE_pFeld", "ZiZiE_njFeld", "ZiZiE_nmFeld",
      "ZiZiE_KnFeld", "ZiZiR_RFeld", "ZiZiR_pFeld", "ZiZiR_njFeld", "ZiZiR_nmFeld", "ZiZiR_KnFeld", "BW_RFeld",
      "BW_pFeld", "BW_njFeld", "BW_nmFeld", "BW_BWFeld", "AnnD_KFeld", "AnnD_pFeld", "AnnD_njFeld", "AnnD_nmFeld",
      "AnnD_RFeld", "AnnD_KnFeld", "AnnD_knjFeld", "AnnD_KnmFeld", "MWST_Netto", "MWST_MWSTprozent", "MWST_MWSTDM",
      "MWST_brutto", "Akt_Kurs", "Akt_Stueck", "Akt_Name", "Akt_MindGeb", "Akt_GrundGeb", "Akt_Geb",
      "Akt_MaklerGeb", "Akt_ErgStueck", "Akt_ErgKurs", "Akt_ErgKW", "Akt_ErgMakGeb", "Akt_ErgBankGeb",
      "Akt_ErgGesamt", "Akt_ErgGewinn", "Oesterreich", "Belgien", "Deutschland", "Spanien", "Euro", "Finnland",
      "Frankreich", "Irland", "Italien", "Luxemburg", "Niederlande", "Portugal"};
  TBerichtSeite s;
  s.Key = key;
  s.GesuchtIndex = index;
  s.Gesucht = QStringLiteral("Gesucht%1").arg(index);
  s.Frage = QStringLiteral("Frage?");
  s.Waehrung = QStringLiteral("DM");
  s.Zahlungsweise = QStringLiteral("monatlich");
  for (const char* n : Namen) s.Felder.insert(QString::fromLatin1(n), QString::fromLatin1(n));
  return s;
}

struct TFall {
  const char* Key;
  int Index;
  const char* Titel;
  const char* Vorgaben;
  const char* Ergebnis;
  const char* Frage = "Frage?";  // pages with a fixed question or sought quantity
  const char* Gesucht = nullptr;
};

// Straight from the report tables: labels (colons and all) | values.
const TFall Faelle[] = {
    {"eZi", 0, "Einfache Zinsrechnung",
     "Zinssatz:\nLaufzeit:\nEndkapital:|pFeld %\nnjFeld Jahre, nmFeld Monate\nKnFeld DM", "KFeld DM"},
    {"eZi", 1, "Einfache Zinsrechnung",
     "Anfangskapital:\nLaufzeit:\nEndkapital:|KFeld DM\nnjFeld Jahre, nmFeld Monate\nKnFeld DM", "pFeld %"},
    {"eZi", 2, "Einfache Zinsrechnung", "Anfangskapital:\nZinssatz:\nEndkapital|KFeld DM\npFeld %\nKnFeld DM",
     "njFeld Jahre, nmFeld Monate"},
    {"eZi", 3, "Einfache Zinsrechnung",
     "Anfangskapital:\nZinssatz:\nLaufzeit:\n|KFeld DM\npFeld %\nnjFeld Jahre, nmFeld Monate\n", "KnFeld DM"},
    {"ZiZiE", 0, "Zinseszins Einmalzahlung",
     "Zinssatz:\nLaufzeit:\nEndkapital:|ZiZiE_pFeld %\nZiZiE_njFeld Jahre, ZiZiE_nmFeld Monate\nZiZiE_KnFeld DM",
     "ZiZiE_KFeld DM"},
    {"ZiZiE", 1, "Zinseszins Einmalzahlung",
     "Anfangskapital:\nLaufzeit:\nEndkapital:|ZiZiE_KFeld DM\nZiZiE_njFeld Jahre, ZiZiE_nmFeld Monate\n"
     "ZiZiE_KnFeld DM",
     "ZiZiE_pFeld %"},
    {"ZiZiE", 2, "Zinseszins Einmalzahlung",
     "Anfangskapital:\nZinssatz:\nEndkapital:|ZiZiE_KFeld DM\nZiZiE_pFeld %\nZiZiE_KnFeld DM",
     "ZiZiE_njFeld Jahre, ZiZiE_nmFeld Monate"},
    {"ZiZiE", 3, "Zinseszins Einmalzahlung",
     "Anfangskapital:\nZinssatz:\nLaufzeit:\n|ZiZiE_KFeld DM\nZiZiE_pFeld %\n"
     "ZiZiE_njFeld Jahre, ZiZiE_nmFeld Monate\n",
     "ZiZiE_KnFeld DM"},
    {"ZiZiR", 0, "Zinseszinsrechnung mit Raten-Einzahlungen",
     "Zahlungsart:\nZinssatz:\nLaufzeit:\nEndkapital:|monatlich\nZiZiR_pFeld %\n"
     "ZiZiR_njFeld Jahre, ZiZiR_nmFeld Monate\nZiZiR_KnFeld DM",
     "ZiZiR_RFeld DM"},
    {"ZiZiR", 1, "Zinseszinsrechnung mit Raten-Einzahlungen",
     "Rate:\nZahlungsart:\nZinssatz:\nEndkapital:|ZiZiR_RFeld DM\nmonatlich\nZiZiR_pFeld %\nZiZiR_KnFeld DM",
     "ZiZiR_njFeld Jahre, ZiZiR_nmFeld Monate"},
    {"ZiZiR", 2, "Zinseszinsrechnung mit Raten-Einzahlungen",
     "Rate:\nZahlungsart:\nZinssatz:\nLaufzeit:|ZiZiR_RFeld DM\nmonatlich\nZiZiR_pFeld %\n"
     "ZiZiR_njFeld Jahre, ZiZiR_nmFeld Monate",
     "ZiZiR_KnFeld DM"},
    {"BW", 0, "Barwert-/ Rentenrechnung",
     "Zahlungsweise:\nZinssatz:\nLaufzeit:\nBarwert/Kapital:|monatlich\nBW_pFeld %\n"
     "BW_njFeld Jahre, BW_nmFeld Monate\nBW_BWFeld DM",
     "BW_RFeld DM"},
    {"BW", 1, "Barwert-/ Rentenrechnung",
     "Rate:\nZahlungsweise:\nZinssatz:\nBarwert/Kapital:|BW_RFeld DM\nmonatlich\nBW_pFeld %\nBW_BWFeld DM",
     "BW_njFeld Jahre, BW_nmFeld Monate"},
    {"BW", 2, "Barwert-/ Rentenrechnung",
     "Rate:\nZahlungsweise:\nZinssatz:\nLaufzeit:|BW_RFeld DM\nmonatlich\nBW_pFeld %\n"
     "BW_njFeld Jahre, BW_nmFeld Monate\n",
     "BW_BWFeld DM"},
    {"AnnD", 0, "Annuitäten-Darlehen",
     "Zinssatz:\nLaufzeit:\nAnnD-Rate\nZahlungsweise:|AnnD_pFeld %\nAnnD_njFeld Jahre, AnnD_nmFeld Monate\n"
     "AnnD_RFeld DM\nmonatlich",
     "AnnD_KFeld DM\n"},
    {"AnnD", 1, "Annuitäten-Darlehen",
     "Darlehenshöhe:\nZinssatz:\nAnnD-Rate\nZahlungsweise:|AnnD_KFeld DM\nAnnD_pFeld %\nAnnD_RFeld DM\nmonatlich",
     "AnnD_njFeld Jahre, AnnD_nmFeld Monate"},
    {"AnnD", 2, "Annuitäten-Darlehen",
     "Darlehenshöhe:\nZinssatz:\nLaufzeit:\nZahlungsweise:|AnnD_KFeld DM\nAnnD_pFeld %\n"
     "AnnD_njFeld Jahre, AnnD_nmFeld Monate\nmonatlich",
     "AnnD_RFeld DM"},
    {"AnnD", 3, "Annuitäten-Darlehen",
     "Darlehenshöhe:\nZinssatz:\nAnnD-Rate:\nZahlungsweise:\nnach:|AnnD_KFeld DM\nAnnD_pFeld %\nAnnD_RFeld DM\n"
     "monatlich\nAnnD_knjFeld Jahre, AnnD_KnmFeld Monate",
     "AnnD_KnFeld DM"},
    {"MWST", 0, "Mehrwertsteuer",
     "MwSt in %:\nMwSt in DM:\nBruttobetrag|MWST_MWSTprozent %\nMWST_MWSTDM DM\nMWST_brutto DM", "MWST_Netto DM"},
    {"MWST", 1, "Mehrwertsteuer", "Nettobetrag:\nMwSt in DM:\nBruttobetrag|MWST_Netto DM\nMWST_MWSTDM DM\nMWST_brutto DM",
     "MWST_MWSTprozent %"},
    {"MWST", 2, "Mehrwertsteuer",
     "Nettobetrag:\nMwSt in %:\nBruttobetrag|MWST_Netto DM\nMWST_MWSTprozent %\nMWST_brutto DM", "MWST_MWSTDM DM"},
    {"MWST", 3, "Mehrwertsteuer",
     "Nettobetrag:\nMwSt in %:\nMwSt in DM:|MWST_Netto DM\nMWST_MWSTprozent %\nMWST_MWSTDM DM\n", "MWST_brutto DM"},
    {"Akt", 0, "Aktien",
     "Kurs:\nStück:\nName der Aktie:\nMindestgebühr:\nGrundgebühr:\nGebühr in %:\nMaklergebühr:|Akt_Kurs DM\n"
     "Akt_Stueck\nAkt_Name\nAkt_MindGeb DM\nAkt_GrundGeb DM\nAkt_Geb %\nAkt_MaklerGeb %\n",
     "Kaufabrechnung\nAkt_ErgStueck Stück zu Akt_ErgKurs = \n+ Maklergebühren:\n+ Bankgebühren:\n\n= Gesamt:\n\n"
     "Gewinnschwelle:|\nAkt_ErgKW DM\nAkt_ErgMakGeb DM\nAkt_ErgBankGeb DM\n\nAkt_ErgGesamt DM\n\nAkt_ErgGewinn DM",
     "Wie groß ist meine Belastung, wenn ich nachfolgende Aktie kaufe?\n"
     "Und ab welchem Kurs erziele ich einen Gewinn (Gewinnschwelle)?"},
    {"Akt", 1, "Aktien",
     "Kurs:\nStück:\nName der Aktie:\nMindestgebühr:\nGrundgebühr:\nGebühr in %:\nMaklergebühr:|Akt_Kurs DM\n"
     "Akt_Stueck\nAkt_Name\nAkt_MindGeb DM\nAkt_GrundGeb DM\nAkt_Geb %\nAkt_MaklerGeb %\n",
     "Verkaufsabrechnung\nAkt_ErgStueck Stück zu Akt_ErgKurs = \n- Maklergebühren:\n- Bankgebühren:\n\n= Gesamt:\n\n|"
     "\nAkt_ErgKW DM\nAkt_ErgMakGeb DM\nAkt_ErgBankGeb DM\n\nAkt_ErgGesamt DM\n\n",
     "Welchen Erlös erziele ich, wenn ich nachfolgende Aktie verkaufe?"},
    {"Euro", -1, "Euro",
     "amtliche Umrechnungskurse:\n1 Euro entspricht:\n\nATS (Österreich)\nBEF (Belgien)\nDM (Deutschland)\n"
     "ESP (Spanien)\nEUR (Euro)\nFIM (Finnland)\nFRF (Frankreich)\nIEP (Irland)\nITL (Italien)\nLUF (Luxemburg)\n"
     "NLG (Niederlande)\nPTE (Portugal)|\n\n\n13,7603\n40,3399\n1,95583\n166,386\n1,000\n5,94573\n6,55957\n"
     "0,787564\n1.936,27\n40,3399\n2,20371\n200,482",
     "ATS (Österreich)\nBEF (Belgien)\nDM  (Deutschland)\nESP (Spanien)\nEUR (Euro)\nFIM (Finnland)\n"
     "FRF (Frankreich)\nIEP (Irland)\nITL (Italien)\nLUF (Luxemburg)\nNLG (Niederlande)\nPTE (Portugal)|"
     "Oesterreich\nBelgien\nDeutschland\nSpanien\nEuro\nFinnland\nFrankreich\nIrland\nItalien\nLuxemburg\n"
     "Niederlande\nPortugal",
     "Welche Fremdwährungskurse haben denselben Wert, wenn nachfolgende Angaben verwendet werden",
     "Fremdwährungsbeträge"},
};

class BerichtTexteTabelle : public ::testing::TestWithParam<TFall> {};

TEST_P(BerichtTexteTabelle, SeiteUndGesuchteGroesse) {
  const TFall& f = GetParam();
  const TBerichtTexte t = BerichtTexte(Seite(QString::fromLatin1(f.Key), f.Index));
  EXPECT_EQ(t.Titeltext, QString::fromUtf8(f.Titel));
  EXPECT_EQ(t.Gesuchttext, f.Gesucht ? QString::fromUtf8(f.Gesucht) : QStringLiteral("Gesucht%1").arg(f.Index));
  EXPECT_EQ(t.Fragetext, QString::fromUtf8(f.Frage));
  EXPECT_EQ(t.Vorgabentext, QString::fromUtf8(f.Vorgaben));
  EXPECT_EQ(t.Ergebnistext, QString::fromUtf8(f.Ergebnis));
}

INSTANTIATE_TEST_SUITE_P(AlleSeiten, BerichtTexteTabelle, ::testing::ValuesIn(Faelle),
                         [](const ::testing::TestParamInfo<TFall>& info) {
                           return std::string(info.param.Key) + "_" + std::to_string(info.param.Index + 1);
                         });

TEST(BerichtTexte, EndkapitalNachDerRechnung) {
  // Field texts as the exit rules leave them: amounts and rates end in a blank.
  TBerichtSeite s;
  s.Key = QStringLiteral("eZi");
  s.GesuchtIndex = 3;
  s.Gesucht = QStringLiteral("Endkapital");
  s.Waehrung = QStringLiteral("DM");
  s.Felder = {{"KFeld", "1.000,00 "}, {"pFeld", "5,000 "}, {"njFeld", "2"}, {"nmFeld", "6"}, {"KnFeld", "1.125,00 "}};
  const TBerichtTexte t = BerichtTexte(s);
  EXPECT_EQ(t.Vorgabentext,
            QStringLiteral("Anfangskapital:\nZinssatz:\nLaufzeit:\n|1.000,00  DM\n5,000  %\n2 Jahre, 6 Monate\n"));
  EXPECT_EQ(t.Ergebnistext, QStringLiteral("1.125,00  DM"));
}

TEST(BerichtTexte, UnbekannteFaelleBleibenLeer) {
  struct {
    const char* Key;
    int Index;
    bool Titel;
  } const faelle[] = {{"", 0, false}, {"Info", 0, false}, {"eZi", 4, true}, {"ZiZiR", 3, true},
                      {"BW", -1, true}, {"MWST", 7, true}, {"Akt", 2, true}};
  for (const auto& f : faelle) {
    const TBerichtTexte t = BerichtTexte(Seite(QString::fromLatin1(f.Key), f.Index));
    EXPECT_EQ(t.Titeltext.isEmpty(), !f.Titel) << f.Key << f.Index;
    EXPECT_TRUE(t.Vorgabentext.isEmpty()) << f.Key << f.Index;
    EXPECT_TRUE(t.Ergebnistext.isEmpty()) << f.Key << f.Index;
  }
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
