// The share page as the user works it: fill in, choose, press "Rechnen".
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "Einstellungshelfer.h"
#include "Startfenster.h"

namespace {

class AktSeite : public MitEigenemSpeicher {
 protected:
  void SetUp() override {
    MitEigenemSpeicher::SetUp();
    Starten();
    Finde<QTabWidget>(fmStart, "PageControl1")->setCurrentWidget(Finde<QWidget>(fmStart, "Akt_TabSheet"));
  }
  QLineEdit* Feld(const char* name) { return Finde<QLineEdit>(fmStart, name); }
  QString Text(const char* name) { return Feld(name)->text(); }
  void Eingeben(const QStringList& werte) {
    const char* namen[] = {"Akt_Kurs", "Akt_Stueck", "Akt_MindGeb", "Akt_GrundGeb", "Akt_Geb", "Akt_MaklerGeb"};
    for (int i = 0; i < 6; ++i) Feld(namen[i])->setText(werte[i]);
  }
  void Art(int index) { Finde<QComboBox>(fmStart, "Akt_Gesucht")->setCurrentIndex(index); }
  void Rechnen() { Finde<QPushButton>(fmStart, "RechnenSchalter")->click(); }
  QStringList Ergebnis() {
    QStringList t;
    for (const char* n : {"Akt_ErgStueck", "Akt_ErgKurs", "Akt_ErgKW", "Akt_ErgMakGeb", "Akt_ErgBankGeb",
                          "Akt_ErgGesamt", "Akt_ErgGewinn"})
      t << Text(n);
    return t;
  }
  TDialogBeantworter boxen;
};

TEST_F(AktSeite, KaufUndVerkaufDerBeispiele) {
  const struct {
    const char* Name;
    QStringList Eingabe;
    int Art;
    QStringList Ergebnis;
  } faelle[] = {
      {"Kauf mit Mindestgebuehr",
       {"100", "10", "20", "0", "1", "0,08"},
       0,
       {"10", "100", "1.000,00 ", "0,80 ", "20,00 ", "1.020,80 ", "104,17 "}},
      {"Kauf mit Grundgebuehr",
       {"250,00 ", "100", "20,00 ", "5,00 ", "0,500 ", "0,080 "},
       0,
       {"100", "250,00 ", "25.000,00 ", "20,00 ", "130,00 ", "25.150,00 ", "253,02 "}},
      // The break-even row keeps the purchase's figure; a sale does not write it.
      {"Verkauf", {"100", "10", "20", "0", "1", "0,08"}, 1,
       {"10", "100", "1.000,00 ", "0,80 ", "20,00 ", "979,20 ", "253,02 "}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    Eingeben(f.Eingabe);
    Art(f.Art);
    Rechnen();
    EXPECT_EQ(Ergebnis(), f.Ergebnis);
  }
  EXPECT_TRUE(boxen.Boxen.isEmpty());
}

TEST_F(AktSeite, ArtWechseltBeschriftungenUndLaesstErgebnisseStehen) {
  Eingeben({"100", "10", "20", "0", "1", "0,08"});
  Art(0);
  auto* box = Finde<QGroupBox>(fmStart, "Abrechnungsbox");
  EXPECT_EQ(box->title(), " Kaufabrechnung: ");
  EXPECT_EQ(Finde<QLabel>(fmStart, "MakGebLabel")->text(), "+ Maklergebühr:");
  EXPECT_EQ(Finde<QLabel>(fmStart, "BankGebLabel")->text(), "+ Bankgebühr:");
  EXPECT_FALSE(Feld("Akt_ErgGewinn")->isHidden());
  EXPECT_FALSE(Finde<QLabel>(fmStart, "GewinnschwellenLabel")->isHidden());
  Rechnen();
  const QStringList kauf = Ergebnis();
  Art(1);
  EXPECT_EQ(box->title(), " Verkaufsabrechnung: ");
  EXPECT_EQ(Finde<QLabel>(fmStart, "MakGebLabel")->text(), "- Maklergebühr:");
  EXPECT_EQ(Finde<QLabel>(fmStart, "BankGebLabel")->text(), "- Bankgebühr:");
  EXPECT_TRUE(Feld("Akt_ErgGewinn")->isHidden());
  EXPECT_TRUE(Finde<QLabel>(fmStart, "GewinnschwellenLabel")->isHidden());
  EXPECT_EQ(Ergebnis(), kauf);
}

TEST_F(AktSeite, FehlendesFeldMeldetUndAendertNichts) {
  Eingeben({"100", "10", "20", "0", "1", "0,08"});
  Art(0);
  Rechnen();
  const QStringList vorher = Ergebnis();
  Feld("Akt_Name")->clear();
  for (const char* leer : {"Akt_Kurs", "Akt_MaklerGeb"}) {
    Eingeben({"200", "10", "20", "0", "1", "0,08"});
    Feld(leer)->clear();
    boxen.Boxen.clear();
    Rechnen();
    ASSERT_EQ(boxen.Boxen.size(), 1) << leer;
    EXPECT_EQ(boxen.Boxen[0].Text, "Zur Berechnung müssen alle Felder eingegeben werden!");
    EXPECT_EQ(Ergebnis(), vorher);
  }
}

TEST_F(AktSeite, UnerreichbareGewinnschwelleWirdGemeldet) {
  Eingeben({"100", "10", "20", "0", "1", "0,08"});
  Art(0);
  Rechnen();
  ASSERT_EQ(Text("Akt_ErgGewinn"), "104,17 ");
  const struct {
    const char* Name;
    QStringList Eingabe;
  } faelle[] = {
      {"Gebuehren 100 %", {"100", "10", "20", "0", "99,92", "0,08"}},
      {"negative Gebuehr", {"100", "10", "20", "0", "-1", "0,08"}},
      {"negative Stueckzahl", {"100", "-10", "20", "0", "1", "0,08"}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    Eingeben(f.Eingabe);
    boxen.Boxen.clear();
    Rechnen();
    ASSERT_EQ(boxen.Boxen.size(), 1);
    EXPECT_TRUE(boxen.Boxen[0].Text.contains("Gewinnschwelle")) << boxen.Boxen[0].Text.toStdString();
    EXPECT_EQ(Text("Akt_ErgGewinn"), "");
    EXPECT_FALSE(Text("Akt_ErgGesamt").isEmpty());
  }
}

TEST_F(AktSeite, KeineAktienWerdenNachDenAnderenErgebnissenGemeldet) {
  Eingeben({"100", "10", "20", "0", "1", "0,08"});
  Art(0);
  Rechnen();
  const struct {
    QString Grundgebuehr, Gesamt, Text;
  } faelle[] = {{"5", "5,00 ", "Gleitkommadivision durch Null."}, {"0", "0,00 ", "Ungültige Gleitkommaoperation."}};
  for (const auto& f : faelle) {
    Eingeben({"100", "0", "0", f.Grundgebuehr, "1", "0,08"});
    boxen.Boxen.clear();
    Rechnen();
    ASSERT_EQ(boxen.Boxen.size(), 1);
    EXPECT_EQ(boxen.Boxen[0].Titel, "Kalvora");
    EXPECT_EQ(boxen.Boxen[0].Text, f.Text);
    EXPECT_EQ(boxen.Boxen[0].Symbol, QMessageBox::Critical);
    EXPECT_EQ(Text("Akt_ErgStueck"), "0");
    EXPECT_EQ(Text("Akt_ErgKW"), "0,00 ");
    EXPECT_EQ(Text("Akt_ErgGesamt"), f.Gesamt);
    EXPECT_EQ(Text("Akt_ErgGewinn"), "104,17 ");
  }
}

}  // namespace
