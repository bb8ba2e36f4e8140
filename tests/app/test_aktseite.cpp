// The share page as the user works it: fill in, choose, press "Rechnen".
#include <QGroupBox>
#include <vector>

#include "calc/OrvMath.h"
#include "report/uDruck_Texte.h"
#include "test_startfenster.h"

namespace {

const QStringList Beispiel = {"100", "10", "20", "0", "1", "0,08"};

class AktSeite : public StartfensterTest {
 protected:
  void SetUp() override {
    StartfensterTest::SetUp();
    Seite(7);
  }
  // Fills the six inputs, chooses purchase (0) or sale (1) and presses "Rechnen".
  void Rechnen(const QStringList& werte, int art = 0) {
    const char* namen[] = {"Akt_Kurs", "Akt_Stueck", "Akt_MindGeb", "Akt_GrundGeb", "Akt_Geb", "Akt_MaklerGeb"};
    for (int i = 0; i < 6; ++i) W(namen[i])->setText(werte[i]);
    Waehlen("Akt_Gesucht", art);
    boxen.Boxen.clear();
    Knopf("RechnenSchalter")->click();
  }
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
  Rechnen(Beispiel);
  EXPECT_EQ(Ergebnis(), (QStringList{"10", "100", "1.000,00 ", "0,80 ", "20,00 ", "1.020,80 ", "104,17 "}));
  // A sale does not write the break-even row, hides it and switches the heading.
  Rechnen(Beispiel, 1);
  EXPECT_EQ(Text("Akt_ErgGesamt"), "979,20 ");
  EXPECT_EQ(Text("Akt_ErgGewinn"), "104,17 ");
  EXPECT_EQ(W<QGroupBox>("Abrechnungsbox")->title(), " Verkaufsabrechnung: ");
  EXPECT_TRUE(W("Akt_ErgGewinn")->isHidden());
  // Switching back leaves the results standing.
  const QStringList verkauf = Ergebnis();
  Waehlen("Akt_Gesucht", 0);
  EXPECT_EQ(Ergebnis(), verkauf);
}

// A break-even that cannot be reached is reported and left empty; no shares
// at all are reported after the other results are written.
TEST_F(AktSeite, GewinnschwelleUndKeineAktienWerdenGemeldet) {
  Rechnen({"100", "10", "20", "0", "99,92", "0,08"});
  ASSERT_EQ(boxen.Boxen.size(), 1);
  EXPECT_TRUE(boxen.Boxen[0].Text.contains("Gewinnschwelle")) << boxen.Boxen[0].Text.toStdString();
  EXPECT_EQ(Text("Akt_ErgGewinn"), "");
  EXPECT_FALSE(Text("Akt_ErgGesamt").isEmpty());
  Rechnen(Beispiel);
  Rechnen({"100", "0", "0", "5", "1", "0,08"});
  ASSERT_EQ(boxen.Boxen.size(), 1);
  EXPECT_EQ(boxen.Boxen[0].Text, "Gleitkommadivision durch Null.");
  EXPECT_EQ(QStringList({Text("Akt_ErgStueck"), Text("Akt_ErgKW"), Text("Akt_ErgGesamt"), Text("Akt_ErgGewinn")}),
            QStringList({"0", "0,00 ", "5,00 ", "104,17 "}));
}

// Numbers are German under any system locale: the fees stored, the official
// euro rates and what the user types. Only when the settings ask for the
// system's format do its separators apply, and a German store still reads as
// the same values.
class Zahlenformate : public MitEigenemSpeicher {
 protected:
  void TearDown() override {
    MitEigenemSpeicher::TearDown();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SetzeZahlenformat(Zahlenformat::Deutsch());
  }
};

TEST_F(Zahlenformate, DeutschOderWieDasSystem) {
  const QByteArray deutsch =
      "[General]\nWaehrungszeichen=EUR\nMindestgebuehr=\"1,00 \"\nGrundgebuehr=1.234,50\n"
      "Gebuehr=\"0,450 \"\nMaklergebuehr=0,08\n";
  const auto werte = [](const QStringList& texte) {
    std::vector<long double> w;
    for (const QString& t : texte) w.push_back(FeldWert(t));
    return w;
  };
  // An amount and a rate typed and left; nullptr: refused with the exit rule's box.
  // clang-format off
  const struct { const char* Ort; bool System; const char *Betrag, *Geschrieben, *Zins, *Zinstext; } zeilen[] = {
      {"de_DE", false, "1.234,5", "1.234,50 ", "3,25", "3,250 "},
      {"de_CH", false, "1.234,5", "1.234,50 ", "3.5", nullptr},
      {"en_US", false, "10.000", "10.000,00 ", "3,25", "3,250 "},
      {"fr_FR", false, "10.000", "10.000,00 ", "3,25", "3,250 "},
      {"de_DE", true, "1.234,5", "1.234,50 ", "3,25", "3,250 "},
      {"de_CH", true, "1'234.5", "1'234.50 ", "3.25", "3.250 "},
      {"en_US", true, "1,234.5", "1,234.50", "3,25", nullptr},
      {"fr_FR", true, "1 234,5", "1 234,50 ", "10.000", nullptr},
  };
  // clang-format on
  for (const auto& z : zeilen) {
    SCOPED_TRACE(std::string(z.Ort) + (z.System ? " System" : " Deutsch"));
    QLocale::setDefault(QLocale(QString::fromLatin1(z.Ort)));
    QTemporaryDir ordner;
    const QByteArray speicher = deutsch + (z.System ? "Systemzahlenformat=true\n" : "");
    SpeicherIn(ordner.path(), &speicher);
    TDialogBeantworter boxen;
    Starten();
    QStringList gebuehren;
    for (const char* n : {"Akt_MindGeb", "Akt_GrundGeb", "Akt_Geb", "Akt_MaklerGeb"})
      gebuehren << Finde<QLineEdit>(fmStart, n)->text();
    EXPECT_EQ(werte(gebuehren), (std::vector<long double>{1, 1234.5L, 0.45L, 0.08L}));
    TBerichtSeite euro;
    euro.Key = "Euro";
    const QStringList kurse = BerichtTexte(euro).Vorgabentext.section(BerichtTrenner, 1).split('\n');
    EXPECT_EQ(werte(kurse.mid(3, 3)), (std::vector<long double>{13.7603L, 40.3399L, 1.95583L}));
    EXPECT_EQ(FeldWert(kurse.at(11)), 1936.27L);

    Aktivieren(fmStart);
    Finde<QTabWidget>(fmStart, "PageControl1")->setCurrentIndex(1);
    Finde<QComboBox>(fmStart, "Gesucht1")->setCurrentIndex(0);
    for (const auto& [feld, getippt, geschrieben] :
         {std::tuple{"KnFeld", z.Betrag, z.Geschrieben}, {"pFeld", z.Zins, z.Zinstext}}) {
      auto* zeile = Finde<QLineEdit>(fmStart, feld);
      Eintippen(zeile, QString::fromUtf8(getippt));
      QTest::keyClick(zeile, Qt::Key_Tab);
      // Checked below either way.
      (void)QTest::qWaitFor(
          [&] { return geschrieben ? zeile->text() == QString::fromUtf8(geschrieben) : !boxen.Boxen.isEmpty(); });
      QTest::qWait(20);  // time for a second box, which must not come
      EXPECT_EQ(zeile->text(), QString::fromUtf8(geschrieben ? geschrieben : getippt)) << feld;
      EXPECT_EQ(boxen.Boxen.size(), geschrieben ? 0 : 1) << feld;
      boxen.Boxen.clear();
    }
    qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
    Offen = false;
  }
}

}  // namespace
