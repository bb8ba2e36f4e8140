// The calculations through the window: known figures, the missing-field check
// and the errors that reach the general handler.
#include <stdexcept>

#include "test_startfenster.h"

namespace {

using TPaare = std::vector<std::pair<const char*, const char*>>;

struct TRechenFall {
  const char* Name;
  int Seite;
  int Index;
  int Zahlungsweise;  // -1: the page has none
  TPaare Eingaben;
  TPaare Ergebnisse;
};

const char* const Listen[] = {nullptr,      "Gesucht1",   "ZiZiE_Gesucht", "ZiZiR_Gesucht",
                              "BW_Gesucht", "AnnD_Gesucht", "MWST_Gesucht"};

class RechnenTest : public StartfensterTest {
 protected:
  void Eingeben(const TRechenFall& f) {
    Seite(f.Seite);
    const QString liste = QString::fromLatin1(Listen[f.Seite]);
    Waehlen(liste, f.Index);
    if (f.Zahlungsweise >= 0)
      Waehlen(QString(liste).replace(QStringLiteral("Gesucht"), QStringLiteral("Zahlungsweise")), f.Zahlungsweise);
    for (const auto& [feld, text] : f.Eingaben) Tippen(QString::fromLatin1(feld), QString::fromUtf8(text));
  }
  void Rechnen() { Knopf("RechnenSchalter")->click(); }
};

const std::vector<TRechenFall> Faelle{
    {"eZi Endkapital", 1, 3, -1, {{"KFeld", "1000"}, {"pFeld", "5"}, {"njFeld", "2"}, {"nmFeld", "6"}},
     {{"KnFeld", "1.125,00 "}}},
    {"eZi Anfangskapital", 1, 0, -1, {{"pFeld", "5"}, {"njFeld", "2"}, {"nmFeld", "6"}, {"KnFeld", "1125"}},
     {{"KFeld", "1.000,00 "}}},
    {"eZi Zinssatz", 1, 1, -1, {{"KFeld", "1000"}, {"njFeld", "2"}, {"nmFeld", "6"}, {"KnFeld", "1125"}},
     {{"pFeld", "5,000 "}}},
    {"eZi Laufzeit", 1, 2, -1, {{"KFeld", "1000"}, {"pFeld", "5"}, {"KnFeld", "1125"}},
     {{"njFeld", "2 "}, {"nmFeld", "6,0 "}}},
    {"eZi Laufzeit mit Uebertrag", 1, 2, -1, {{"KFeld", "1000"}, {"pFeld", "10"}, {"KnFeld", "1399,99"}},
     {{"njFeld", "4 "}, {"nmFeld", "0,0 "}}},
    {"eZi Laufzeit ohne Uebertrag", 1, 2, -1, {{"KFeld", "1000"}, {"pFeld", "10"}, {"KnFeld", "1399,25"}},
     {{"njFeld", "3 "}, {"nmFeld", "12,0 "}}},
    {"eZi negative Laufzeit", 1, 2, -1, {{"KFeld", "1000"}, {"pFeld", "5"}, {"KnFeld", "875"}},
     {{"njFeld", "-2 "}, {"nmFeld", "-6,0 "}}},
    {"ZiZiE Endkapital", 2, 3, -1,
     {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_pFeld", "5"}, {"ZiZiE_njFeld", "10"}, {"ZiZiE_nmFeld", "0"}},
     {{"ZiZiE_KnFeld", "1.628,89 "}}},
    {"ZiZiE Zinssatz", 2, 1, -1,
     {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_njFeld", "10"}, {"ZiZiE_nmFeld", "0"}, {"ZiZiE_KnFeld", "2000"}},
     {{"ZiZiE_pFeld", "7,177 "}}},
    {"ZiZiE Laufzeit", 2, 2, -1, {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_pFeld", "7"}, {"ZiZiE_KnFeld", "2000"}},
     {{"ZiZiE_njFeld", "10 "}, {"ZiZiE_nmFeld", "3,0 "}}},
    {"ZiZiE p -100", 2, 3, -1,
     {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_pFeld", "-100"}, {"ZiZiE_njFeld", "5"}, {"ZiZiE_nmFeld", "0"}},
     {{"ZiZiE_KnFeld", "0,00 "}}},
    {"ZiZiR Rate jaehrlich", 3, 0, 3,
     {{"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "0"}, {"ZiZiR_KnFeld", "10000"}},
     {{"ZiZiR_RFeld", "795,05 "}}},
    {"ZiZiR Rate monatlich", 3, 0, 0,
     {{"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "0"}, {"ZiZiR_KnFeld", "10000"}},
     {{"ZiZiR_RFeld", "64,77 "}}},
    {"ZiZiR Endkapital", 3, 2, 0,
     {{"ZiZiR_RFeld", "100"}, {"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "0"}},
     {{"ZiZiR_KnFeld", "15.439,36 "}}},
    {"ZiZiR Laufzeit", 3, 1, 0, {{"ZiZiR_RFeld", "100"}, {"ZiZiR_pFeld", "5"}, {"ZiZiR_KnFeld", "20000"}},
     {{"ZiZiR_njFeld", "12 "}, {"ZiZiR_nmFeld", "2,6 "}}},
    {"ZiZiR ohne Laufzeit", 3, 2, 0,
     {{"ZiZiR_RFeld", "100"}, {"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "0"}, {"ZiZiR_nmFeld", "0"}},
     {{"ZiZiR_KnFeld", "0,00 "}}},
    {"BW Rate monatlich", 4, 0, 0,
     {{"BW_pFeld", "6"}, {"BW_njFeld", "20"}, {"BW_nmFeld", "0"}, {"BW_BWFeld", "100000"}}, {{"BW_RFeld", "707,09 "}}},
    {"BW Barwert", 4, 2, 0, {{"BW_RFeld", "500"}, {"BW_pFeld", "6"}, {"BW_njFeld", "20"}, {"BW_nmFeld", "0"}},
     {{"BW_BWFeld", "70.712,06 "}}},
    {"BW Laufzeit", 4, 1, 0, {{"BW_RFeld", "500"}, {"BW_pFeld", "6"}, {"BW_BWFeld", "50000"}},
     {{"BW_njFeld", "11 "}, {"BW_nmFeld", "5,4 "}}},
    {"AnnD Rate", 5, 2, 0, {{"AnnD_KFeld", "100000"}, {"AnnD_pFeld", "6"}, {"AnnD_njFeld", "10"}, {"AnnD_nmFeld", "0"}},
     {{"AnnD_RFeld", "1.110,21 "}}},
    {"AnnD Darlehenshoehe", 5, 0, 0,
     {{"AnnD_pFeld", "6"}, {"AnnD_njFeld", "10"}, {"AnnD_nmFeld", "0"}, {"AnnD_RFeld", "1110,21"}},
     {{"AnnD_KFeld", "100.000,45 "}}},
    {"AnnD Laufzeit", 5, 1, 0, {{"AnnD_KFeld", "100000"}, {"AnnD_pFeld", "6"}, {"AnnD_RFeld", "1110,21"}},
     {{"AnnD_njFeld", "10 "}, {"AnnD_nmFeld", "0,0 "}}},
    {"AnnD Restschuld", 5, 3, 0,
     {{"AnnD_KFeld", "100000"}, {"AnnD_pFeld", "6"}, {"AnnD_RFeld", "1110,21"},
      {"AnnD_knjFeld", "5"}, {"AnnD_KnmFeld", "0"}},
     {{"AnnD_KnFeld", "57.425,63 "}}},
    {"AnnD Restschuld negativ", 5, 3, 3,
     {{"AnnD_KFeld", "10000"}, {"AnnD_pFeld", "5"}, {"AnnD_RFeld", "3672,09"},
      {"AnnD_knjFeld", "3"}, {"AnnD_KnmFeld", "0"}},
     {{"AnnD_KnFeld", "-0,01 "}}},
    {"AnnD Restschuld nach 0", 5, 3, 0,
     {{"AnnD_KFeld", "10000"}, {"AnnD_pFeld", "5"}, {"AnnD_RFeld", "100"},
      {"AnnD_knjFeld", "0"}, {"AnnD_KnmFeld", "0"}},
     {{"AnnD_KnFeld", "10.000,00 "}}},
    {"MWST Brutto", 6, 3, -1, {{"MWST_Netto", "100"}, {"MWST_MWSTprozent", "16"}},
     {{"MWST_brutto", "116,00 "}, {"MWST_MWSTDM", "16,00 "}}},
    {"MWST Netto", 6, 0, -1, {{"MWST_MWSTprozent", "16"}, {"MWST_brutto", "116"}},
     {{"MWST_Netto", "100,00 "}, {"MWST_MWSTDM", "16,00 "}}},
    {"MWST Prozent", 6, 1, -1, {{"MWST_Netto", "100"}, {"MWST_brutto", "116"}},
     {{"MWST_MWSTprozent", "16,000 "}, {"MWST_MWSTDM", "16,00 "}}},
    {"MWST Netto gerundet", 6, 0, -1, {{"MWST_MWSTprozent", "16"}, {"MWST_brutto", "100"}},
     {{"MWST_Netto", "86,21 "}, {"MWST_MWSTDM", "13,79 "}}},
    {"MWST negativ", 6, 1, -1, {{"MWST_Netto", "100"}, {"MWST_brutto", "90"}},
     {{"MWST_MWSTprozent", "-10,000 "}, {"MWST_MWSTDM", "-10,00 "}}},
};

const TRechenFall& Fall(const char* name) {
  for (const auto& f : Faelle)
    if (QByteArray(f.Name) == name) return f;
  throw std::invalid_argument(name);
}

}  // namespace

TEST_F(RechnenTest, AlleFaelleMitDenBekanntenZahlen) {
  for (const auto& fall : Faelle) {
    SCOPED_TRACE(fall.Name);
    TDialogBeantworter antworten;
    Eingeben(fall);
    Rechnen();
    EXPECT_TRUE(antworten.Boxen.isEmpty());
    for (const auto& [feld, text] : fall.Ergebnisse) {
      EXPECT_EQ(Text(QString::fromLatin1(feld)), QString::fromUtf8(text)) << feld;
      if (QByteArray(feld) != "MWST_MWSTDM" || fall.Index == 2) {
        EXPECT_EQ(Farbe(QString::fromLatin1(feld)), Aqua) << feld;
      }
    }
  }
}

TEST_F(RechnenTest, SteuerbetragBleibtGrauUndBruttoUnberuehrt) {
  const QColor grau = QApplication::palette().color(QPalette::Button);
  Eingeben(Fall("MWST Brutto"));
  Rechnen();
  EXPECT_EQ(Farbe(QStringLiteral("MWST_MWSTDM")), grau);
  Waehlen(QStringLiteral("MWST_Gesucht"), 2);
  Tippen(QStringLiteral("MWST_MWSTprozent"), QStringLiteral("7"));
  Rechnen();
  EXPECT_EQ(Text(QStringLiteral("MWST_MWSTDM")), QStringLiteral("7,00 "));
  EXPECT_EQ(Text(QStringLiteral("MWST_brutto")), QStringLiteral("116,00 "));
}

TEST_F(RechnenTest, FehlendesFeldMeldetUndAendertNichts) {
  TDialogBeantworter antworten;
  Eingeben({"eZi Laufzeit ohne K", 1, 2, -1, {{"KFeld", ""}, {"pFeld", "5"}, {"KnFeld", "1125"}}, {}});
  Rechnen();
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Titel, QStringLiteral("Fehler"));
  EXPECT_EQ(antworten.Boxen[0].Text, QStringLiteral("Zur Berechnung müssen alle Felder eingegeben werden!"));
  EXPECT_EQ(Farbe(QStringLiteral("njFeld")), Aqua);
  EXPECT_TRUE(Text(QStringLiteral("njFeld")).isEmpty());

  // A text of blanks counts as filled; it fails only when it is read.
  antworten.Boxen.clear();
  Tippen(QStringLiteral("KFeld"), QStringLiteral(" "));
  Rechnen();
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Text, QStringLiteral("' ' ist kein gültiger Gleitkommawert."));
}

namespace {

struct TFehlerFall {
  TRechenFall Fall;
  const char* Meldung;
  std::vector<const char*> Rot;
};

}  // namespace

TEST_F(RechnenTest, RechenfehlerErreichenDieFehlerbehandlung) {
  const std::vector<TFehlerFall> tabelle{
      {{"eZi ohne Laufzeit", 1, 1, -1, {{"KFeld", "1000"}, {"njFeld", "0"}, {"nmFeld", "0"}, {"KnFeld", "1125"}}, {}},
       "Gleitkommadivision durch Null.", {"pFeld"}},
      {{"eZi 0 durch 0", 1, 1, -1, {{"KFeld", "1000"}, {"njFeld", "0"}, {"nmFeld", "0"}, {"KnFeld", "1000"}}, {}},
       "Ungültige Gleitkommaoperation.", {"pFeld"}},
      {{"eZi unlesbar", 1, 3, -1, {{"KFeld", "1000"}, {"pFeld", "5"}, {"njFeld", "2"}, {"nmFeld", "x1"}}, {}},
       "'x1' ist kein gültiger Gleitkommawert.", {"KnFeld"}},
      {{"ZiZiE ohne Laufzeit", 2, 1, -1,
        {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_njFeld", "0"}, {"ZiZiE_nmFeld", "0"}, {"ZiZiE_KnFeld", "2000"}}, {}},
       "Gleitkommadivision durch Null.", {"ZiZiE_pFeld"}},
      {{"ZiZiR ohne Zins", 3, 2, 0,
        {{"ZiZiR_RFeld", "100"}, {"ZiZiR_pFeld", "0"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "0"}}, {}},
       "Ungültige Gleitkommaoperation.", {"ZiZiR_KnFeld"}},
      {{"BW Rate unter Zins", 4, 1, 0, {{"BW_RFeld", "200"}, {"BW_pFeld", "6"}, {"BW_BWFeld", "50000"}}, {}},
       "Ungültige Gleitkommaoperation.", {"BW_njFeld", "BW_nmFeld"}},
      {{"AnnD Rate unter Zins", 5, 1, 0, {{"AnnD_KFeld", "100000"}, {"AnnD_pFeld", "6"}, {"AnnD_RFeld", "400"}}, {}},
       "Ungültige Gleitkommaoperation.", {"AnnD_njFeld", "AnnD_nmFeld"}},
      {{"MWST Netto 0", 6, 1, -1, {{"MWST_Netto", "0"}, {"MWST_brutto", "116"}}, {}},
       "Gleitkommadivision durch Null.", {"MWST_MWSTprozent"}},
  };
  for (const auto& f : tabelle) {
    SCOPED_TRACE(f.Fall.Name);
    Eingeben(f.Fall);
    std::vector<QString> vorher;
    for (const char* feld : f.Rot) vorher.push_back(Text(QString::fromLatin1(feld)));
    TDialogBeantworter antworten;
    Rechnen();
    ASSERT_EQ(antworten.Boxen.size(), 1);
    EXPECT_EQ(antworten.Boxen[0].Titel, QStringLiteral("Kalvora"));
    EXPECT_EQ(antworten.Boxen[0].Text, QString::fromUtf8(f.Meldung));
    for (size_t i = 0; i < f.Rot.size(); ++i) {
      EXPECT_EQ(Farbe(QString::fromLatin1(f.Rot[i])), Rot) << f.Rot[i];
      EXPECT_EQ(Text(QString::fromLatin1(f.Rot[i])), vorher[i]) << f.Rot[i];
    }
  }
  // The next successful run turns the field aqua again.
  Eingeben(Fall("eZi Endkapital"));
  Rechnen();
  EXPECT_EQ(Farbe(QStringLiteral("KnFeld")), Aqua);
}

TEST_F(RechnenTest, UnbekannterIndexTutNichts) {
  TDialogBeantworter antworten;
  Seite(1);
  Waehlen(QStringLiteral("Gesucht1"), -1);
  Rechnen();
  EXPECT_TRUE(antworten.Boxen.isEmpty());
}
