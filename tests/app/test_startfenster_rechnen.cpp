// The calculations through the window: the sought quantity's case runs on
// the page's fields with the payment frequency of the page, the result turns
// aqua, a missing field is reported, an error leaves the result red for the
// general handler. The figures of every case are in test_faelle.cpp. The
// payment plan opens from the page's result, computing it first.
#include <QCheckBox>
#include <QTableView>

#include "app/Hilfe.h"
#include "pages/Seiten.h"
#include "test_startfenster.h"

namespace {

class RechnenTest : public StartfensterTest {
 protected:
  // Chooses the sought quantity of the page and types the inputs.
  void Eingeben(int seite, int index, std::vector<std::pair<const char*, const char*>> eingaben) {
    Seite(seite);
    Waehlen(::Seiten::Alle()[static_cast<std::size_t>(seite)].Gesuchtliste, index);
    for (const auto& [feld, text] : eingaben) Tippen(feld, QString::fromUtf8(text));
  }
  void Rechnen() { Knopf("RechnenSchalter")->click(); }
  QWidget* Planfenster() const { return fm->findChild<QWidget*>("fmZahlungsplan"); }
  // The balance column of a plan row; negative rows count from the totals at the foot.
  QString Stand(int zeile) const {
    const QAbstractItemModel* t = Planfenster()->findChild<QTableView*>("PlanTabelle")->model();
    return t->index(zeile < 0 ? t->rowCount() + zeile : zeile, 4).data().toString();
  }
};

}  // namespace

TEST_F(RechnenTest, ErgebnisMitDerZahlungsweiseDerSeite) {
  TDialogBeantworter antworten;
  Eingeben(3, 0, {{"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "0"}, {"ZiZiR_KnFeld", "10000"}});
  QStringList raten;
  for (int zahlungsweise : {0, 3}) {
    Waehlen("ZiZiR_Zahlungsweise", zahlungsweise);
    Rechnen();
    raten << Text("ZiZiR_RFeld");
  }
  EXPECT_FALSE(raten[0].isEmpty());
  EXPECT_NE(raten[0], raten[1]);
  EXPECT_TRUE(antworten.Boxen.isEmpty());
}

// The tax amount is written along with the gross amount but stays grey.
TEST_F(RechnenTest, MitgeschriebenerSteuerbetragBleibtGrau) {
  Eingeben(6, 3, {{"MWST_Netto", "100"}, {"MWST_MWSTprozent", "16"}});
  Rechnen();
  EXPECT_FALSE(Text("MWST_MWSTDM").isEmpty());
  EXPECT_EQ(Farbe("MWST_MWSTDM"), QApplication::palette().color(QPalette::Button));
}

TEST_F(RechnenTest, FehlendesFeldMeldetUndAendertNichts) {
  TDialogBeantworter antworten;
  Eingeben(1, 2, {{"KFeld", ""}, {"pFeld", "5"}, {"KnFeld", "1125"}});
  Rechnen();
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Titel, "Fehler");
  EXPECT_EQ(antworten.Boxen[0].Text, "Zur Berechnung müssen alle Felder eingegeben werden!");
  EXPECT_EQ(Farbe("njFeld"), Aqua);
  EXPECT_TRUE(Text("njFeld").isEmpty());
  // No sought quantity chosen: nothing is computed, nothing reported.
  antworten.Boxen.clear();
  Waehlen("Gesucht1", -1);
  Rechnen();
  EXPECT_TRUE(antworten.Boxen.isEmpty());
}

TEST_F(RechnenTest, RechenfehlerErreichenDieFehlerbehandlung) {
  // clang-format off
  const struct {
    int seite; int gesucht; std::vector<std::pair<const char*, const char*>> eingaben;
    std::vector<QString> ergebnis; const char* meldung; std::pair<const char*, const char*> besser;
  } faelle[] = {
      {4, 1, {{"BW_RFeld", "200"}, {"BW_pFeld", "6"}, {"BW_BWFeld", "50000"}}, {"BW_njFeld", "BW_nmFeld"},
       "Ungültige Gleitkommaoperation.", {"BW_RFeld", "500"}},
      // No rate turns instalments into a debt.
      {3, 3, {{"ZiZiR_RFeld", "100"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "0"}, {"ZiZiR_KnFeld", "-100"}},
       {"ZiZiR_pFeld"}, "Zu diesen Werten gibt es keinen Zinssatz: Rate und Endkapital haben verschiedene Vorzeichen.",
       {"ZiZiR_KnFeld", "15439,36"}},
  };
  // clang-format on
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.meldung);
    Eingeben(f.seite, f.gesucht, f.eingaben);
    QStringList vorher;
    for (const QString& feld : f.ergebnis) vorher << Text(feld);
    TDialogBeantworter antworten;
    Rechnen();
    ASSERT_EQ(antworten.Boxen.size(), 1);
    EXPECT_EQ(antworten.Boxen[0].Titel, "Kalvora");
    EXPECT_EQ(antworten.Boxen[0].Text, QString::fromUtf8(f.meldung));
    for (int i = 0; i < int(f.ergebnis.size()); ++i) {
      EXPECT_EQ(Farbe(f.ergebnis[i]), Rot);
      EXPECT_EQ(Text(f.ergebnis[i]), vorher[i]);
    }
    // The next successful run turns the fields aqua again.
    Tippen(f.besser.first, QString::fromUtf8(f.besser.second));
    Rechnen();
    for (const QString& feld : f.ergebnis) {
      EXPECT_FALSE(Text(feld).isEmpty());
      EXPECT_EQ(Farbe(feld), Aqua);
    }
  }
}

// Savings end at the page's result, a loan starts from it; with the rate
// sought, at the figure entered. The result field is left empty: the button
// computes it first.
TEST_F(RechnenTest, ZahlungsplanBeginntOderEndetBeimErgebnis) {
  TDialogBeantworter antworten;
  // clang-format off
  const struct {
    int seite; int gesucht; std::vector<std::pair<const char*, const char*>> eingaben;
    const char* ergebnis; bool amEnde;
  } faelle[] = {
      {3, 2, {{"ZiZiR_RFeld", "100"}, {"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "6"}},
       "ZiZiR_KnFeld", true},
      {5, 0, {{"AnnD_RFeld", "1000"}, {"AnnD_pFeld", "6"}, {"AnnD_njFeld", "10"}, {"AnnD_nmFeld", "0"}}, "AnnD_KFeld",
       false},
      {3, 3, {{"ZiZiR_RFeld", "100"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "6"}, {"ZiZiR_KnFeld", "5.000,00"}},
       "ZiZiR_KnFeld", true},
      {5, 4, {{"AnnD_KFeld", "90.000,00"}, {"AnnD_njFeld", "10"}, {"AnnD_nmFeld", "0"}, {"AnnD_RFeld", "1000"}},
       "AnnD_KFeld", false},
  };
  // clang-format on
  Waehlen("ZiZiR_Zahlungsweise", 1);
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.ergebnis);
    Eingeben(f.seite, f.gesucht, f.eingaben);
    const TSeite& seite = ::Seiten::Alle()[static_cast<std::size_t>(f.seite)];
    const std::vector<int>& gesucht = seite.Gesucht[static_cast<std::size_t>(f.gesucht)].Ergebnis;
    for (int feld : gesucht) W(seite.Felder[static_cast<std::size_t>(feld)].Name)->clear();
    Knopf("ZahlungsplanSchalter")->click();
    for (int feld : gesucht) EXPECT_FALSE(Text(seite.Felder[static_cast<std::size_t>(feld)].Name).isEmpty());
    const QString ergebnis = Text(f.ergebnis).trimmed();
    ASSERT_NE(Planfenster(), nullptr);
    EXPECT_TRUE(Planfenster()->isVisible());
    Planfenster()->findChild<QCheckBox*>("PlanBankrundung")->setChecked(false);  // exact, as the page
    EXPECT_EQ(Stand(f.amEnde ? -2 : 0), ergebnis);
  }
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  EXPECT_EQ(fm->findChildren<QWidget*>("fmZahlungsplan").size(), 1);

  QTest::keyClick(Planfenster()->findChild<QTableView*>("PlanTabelle"), Qt::Key_F1);
  ASSERT_NE(Hilfefenster(), nullptr);
  EXPECT_EQ(Hilfefenster()->Kontext(), HilfeZahlungsplan);
}

// Inputs the page rejects get the page's own message, and no plan opens; a
// text of blanks counts as filled and fails only when it is read.
TEST_F(RechnenTest, ZahlungsplanMeldetWieRechnen) {
  for (const auto& [kapital, meldung] : {std::pair{"", "Zur Berechnung müssen alle Felder eingegeben werden!"},
                                         {" ", "' ' ist kein gültiger Gleitkommawert."}}) {
    TDialogBeantworter antworten;
    Eingeben(5, 2, {{"AnnD_KFeld", kapital}, {"AnnD_pFeld", "6"}, {"AnnD_njFeld", "10"}, {"AnnD_nmFeld", "0"}});
    Knopf("ZahlungsplanSchalter")->click();
    ASSERT_EQ(antworten.Boxen.size(), 1);
    EXPECT_EQ(antworten.Boxen[0].Text, QString::fromUtf8(meldung));
    EXPECT_EQ(Planfenster(), nullptr);
  }
}

// The plan belongs to the page's present inputs: "Zahlungsplan" computes a
// stale result first, and an open plan follows every new result of its page.
TEST_F(RechnenTest, ZahlungsplanFolgtDerSeite) {
  TDialogBeantworter antworten;
  Eingeben(5, 0, {{"AnnD_RFeld", "1000"}, {"AnnD_pFeld", "6"}, {"AnnD_njFeld", "10"}, {"AnnD_nmFeld", "0"}});
  QStringList ergebnisse;
  for (const auto& weiter : std::vector<std::function<void()>>{[&] { Knopf("ZahlungsplanSchalter")->click(); },
                                                               [&] {
                                                                 Tippen("AnnD_RFeld", "1200");
                                                                 Knopf("ZahlungsplanSchalter")->click();
                                                               },
                                                               [&] {
                                                                 Tippen("AnnD_pFeld", "5");
                                                                 fm->activateWindow();
                                                                 Rechnen();
                                                               }}) {
    weiter();
    ergebnisse << Text("AnnD_KFeld").trimmed();
    ASSERT_NE(Planfenster(), nullptr);
    EXPECT_TRUE(Planfenster()->isVisible());
    EXPECT_EQ(Stand(0), ergebnisse.back());
  }
  EXPECT_EQ(QSet<QString>(ergebnisse.begin(), ergebnisse.end()).size(), 3);
  EXPECT_TRUE(antworten.Boxen.isEmpty());
}
