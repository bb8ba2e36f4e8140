// The preview window and the report, driven through the main window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Anwendung.h"
#include "Dialoghelfer.h"
#include "PagePrnt.h"
#include "Startfenster.h"
#include "Startfenster_Seiten.h"
#include "uDruck.h"

namespace {

template <class T>
T* Suche(const char* name) {
  T* w = fmStart->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Leaves the program-wide printer as it found it.
class TDruckerZustand {
 public:
  TDruckerZustand() : FFormat(Printer().outputFormat()), FDatei(Printer().outputFileName()) {}
  ~TDruckerZustand() {
    Printer().setOutputFileName(FDatei);
    Printer().setOutputFormat(FFormat);
  }

 private:
  QPrinter::OutputFormat FFormat;
  QString FDatei;
};

// Points the home folder at an empty temporary one, so that file dialogs
// neither browse nor remember the real home.
class TLeeresHeim {
 public:
  TLeeresHeim() : FAlt(qgetenv("HOME")) { qputenv("HOME", FOrdner.path().toUtf8()); }
  ~TLeeresHeim() { qputenv("HOME", FAlt); }
  QString Pfad() const { return FOrdner.path(); }

 private:
  QTemporaryDir FOrdner;
  QByteArray FAlt;
};

QString PdfText(const QString& datei) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
  if (!p.waitForFinished(20000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

class Vorschau : public ::testing::Test {
 protected:
  void SetUp() override {
    qobject_cast<TAnwendung*>(qApp)->FensterErzeugen();
    fmStart->resize(900, 700);
    fmStart->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fmStart));
    P = frmDruckVorschau->PgprntrVorschau();
    // Keep the progress dialog from taking part in tests that print.
    P->setShowProgress(false);
  }
  void TearDown() override { qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren(); }

  static void Seite(int index) { Suche<QTabWidget>("PageControl1")->setCurrentIndex(index); }
  static void Tippen(const char* feld, const QString& text) {
    auto* f = Suche<QLineEdit>(feld);
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, text);
    QTest::keyClick(f, Qt::Key_Tab);
  }
  static void Klick(const char* knopf) { Suche<QAbstractButton>(knopf)->click(); }
  // The drawn texts of the report, without the blanks at the ends of cells.
  QStringList SeitenTexte() const {
    QStringList texte = P->PageCount() > 0 ? P->Pages(1)->Texts() : QStringList();
    for (QString& t : texte) t = t.trimmed();
    return texte;
  }

  TPagePrinter* P = nullptr;
};

TEST_F(Vorschau, Zoomstufen) {
  struct {
    uint Start;
    const char* Knopf;
    std::vector<uint> Folge;
  } const faelle[] = {
      {100, "SpeedButton18", {80, 60, 40, 20, 10, 10}},
      {25, "SpeedButton18", {5, 10}},
      {21, "SpeedButton18", {1, 10}},
      {100, "SpeedButton17", {120, 140}},
      {10, "SpeedButton17", {30}},
  };
  for (const auto& f : faelle) {
    P->setZoomPercent(f.Start);
    for (uint erwartet : f.Folge) {
      Klick(f.Knopf);
      EXPECT_EQ(P->ZoomPercent(), erwartet) << f.Knopf << " ab " << f.Start;
    }
  }
}

TEST_F(Vorschau, DruckenOhneSeitenMeldetKeineDaten) {
  TDialogBeantworter antworten;
  ASSERT_EQ(P->PageCount(), 0);
  Klick("BitBtn1");
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Titel, QStringLiteral("Information"));
  EXPECT_EQ(antworten.Boxen[0].Text, QStringLiteral("Keine Daten vorhanden!"));
}

TEST_F(Vorschau, EndkapitalBerichtNachDerRechnung) {
  Seite(Seiten::eZi);
  Suche<QComboBox>("Gesucht1")->setCurrentIndex(3);
  Tippen("KFeld", QStringLiteral("1000"));
  Tippen("pFeld", QStringLiteral("5"));
  Tippen("njFeld", QStringLiteral("2"));
  Tippen("nmFeld", QStringLiteral("6"));
  Klick("RechnenSchalter");
  Warten(150);
  ASSERT_EQ(Suche<QLineEdit>("KnFeld")->text().trimmed(), QStringLiteral("1.125,00"));

  Klick("btbtnDruck");
  EXPECT_TRUE(frmDruckVorschau->isVisible());
  const QStringList texte = SeitenTexte();
  for (const char* erwartet : {"Einfache Zinsrechnung", "Diese Berechnung beantwortet die Frage:", "Endkapital",
                               "1.000,00  DM", "5,000  %", "2 Jahre, 6 Monate", "Ergebnis:", "1.125,00  DM"})
    EXPECT_TRUE(texte.contains(QString::fromUtf8(erwartet))) << erwartet;
  // Every report starts fitted to the page width.
  const uint breit = P->ZoomPercent();
  Klick("SpeedButton17");
  Klick("btbtnDruck");
  EXPECT_EQ(P->ZoomPercent(), breit);
}

TEST_F(Vorschau, ZweiterBerichtErsetztDenErstenUndTitelBleibtNormal) {
  Seite(Seiten::eZi);
  Klick("btbtnDruck");
  Klick("bitbtnAbbruch");
  EXPECT_FALSE(frmDruckVorschau->isVisible());
  Seite(Seiten::MWST);
  Klick("btbtnDruck");
  ASSERT_EQ(P->PageCount(), 1);
  EXPECT_FALSE(SeitenTexte().contains(QStringLiteral("Einfache Zinsrechnung")));
  const TPageCommand titel = P->Pages(1)->Commands().front();
  EXPECT_EQ(titel.Text, QStringLiteral("Mehrwertsteuer"));
  EXPECT_FALSE(titel.Font.bold()) << "the last report left the font bold";
}

TEST_F(Vorschau, FolgtDemHauptfenster) {
  EXPECT_FALSE(frmDruckVorschau->isVisible());
  Seite(Seiten::eZi);
  Klick("btbtnDruck");
  for (QSize groesse : {QSize(1100, 800), QSize(760, 560)}) {
    fmStart->resize(groesse);
    Warten(50);
    EXPECT_EQ(frmDruckVorschau->geometry(), fmStart->centralWidget()->geometry());
  }
}

TEST_F(Vorschau, DruckenSchreibtFrageUndErgebnisInsPdf) {
  using TEingaben = std::vector<std::pair<const char*, const char*>>;
  const struct {
    int Seite;
    const char* Liste;  // nullptr: the page computes while typing
    int Gesucht;
    TEingaben Eingaben;
    const char *Frage, *Ergebnis;
  } faelle[] = {
      {Seiten::AnnD, "AnnD_Gesucht", 3,
       TEingaben{{"AnnD_KFeld", "100000"}, {"AnnD_pFeld", "6"}, {"AnnD_RFeld", "1000"}, {"AnnD_knjFeld", "5"},
                 {"AnnD_KnmFeld", "0"}},
       "Diese Berechnung beantwortet die Frage:", "Restschuld"},
      {Seiten::Akt, "Akt_Gesucht", 0, TEingaben{{"Akt_Kurs", "100"}, {"Akt_Stueck", "10"}, {"Akt_Name", "Muster AG"}},
       "Wie groß ist meine Belastung", "Gewinnschwelle:"},
      {Seiten::Euro, nullptr, 0, TEingaben{{"Euro", "100"}}, "Welche Fremdwährungskurse", "195,58"},
  };
  TDruckerZustand zustand;
  QTemporaryDir ordner;
  for (const auto& f : faelle) {
    const QString datei = ordner.filePath(QStringLiteral("bericht%1.pdf").arg(f.Seite));
    Printer().setOutputFormat(QPrinter::PdfFormat);
    Printer().setOutputFileName(datei);
    Seite(f.Seite);
    if (f.Liste) Suche<QComboBox>(f.Liste)->setCurrentIndex(f.Gesucht);
    for (const auto& [feld, text] : f.Eingaben) Tippen(feld, QString::fromUtf8(text));
    TDialogBeantworter antworten;
    if (f.Liste) Klick("RechnenSchalter");
    Klick("btbtnDruck");
    Klick("BitBtn1");
    EXPECT_TRUE(antworten.Boxen.isEmpty()) << f.Seite;
    EXPECT_EQ(antworten.AndereDialoge, 0) << "a PDF printer with a file needs no question";
    const QString text = PdfText(datei).simplified();
    EXPECT_TRUE(text.contains(QString::fromUtf8(f.Frage))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(f.Ergebnis))) << text.toStdString();
  }
}

// A share name that wraps over several lines keeps every later label on the
// line of its value.
TEST_F(Vorschau, LangerAktiennameLaesstBeschriftungenBeiIhrenWerten) {
  TDruckerZustand zustand;
  QTemporaryDir ordner;
  Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(ordner.filePath(QStringLiteral("aktie.pdf")));
  QString name;
  while (name.size() < 200) name += QStringLiteral("Musterwerke Aktiengesellschaft ");
  Seite(Seiten::Akt);
  Tippen("Akt_Kurs", QStringLiteral("100,00"));
  Tippen("Akt_Stueck", QStringLiteral("10"));
  Tippen("Akt_Name", name.left(200));
  Klick("btbtnDruck");
  TDialogBeantworter antworten;
  Klick("BitBtn1");
  const QStringList zeilen = PdfText(ordner.filePath(QStringLiteral("aktie.pdf"))).split(QLatin1Char('\n'));
  for (const auto& [beschriftung, wert] : {std::pair{"Kurs:", "100,00 DM"}, {"Stück:", "10"},
                                           {"Name der Aktie:", "Musterwerke"}, {"Mindestgebühr:", "0,00 DM"},
                                           {"Grundgebühr:", "20,00 DM"}, {"Gebühr in %:", "0,450 %"},
                                           {"Maklergebühr:", "0,08 %"}}) {
    const QStringList zeile = zeilen.filter(QString::fromUtf8(beschriftung));
    ASSERT_FALSE(zeile.isEmpty()) << beschriftung;
    EXPECT_TRUE(zeile.front().simplified().contains(QString::fromUtf8(wert))) << zeile.front().toStdString();
  }
}

// Without a printer the report goes into a PDF file the user picks.
TEST_F(Vorschau, OhneDruckerFragtNachPdfDatei) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  TDruckerZustand zustand;
  TLeeresHeim heim;
  QTemporaryDir ordner;
  QFile kein(ordner.filePath(QStringLiteral("kein-ordner")));  // a folder that is a file, even for root
  ASSERT_TRUE(kein.open(QIODevice::WriteOnly));
  kein.close();
  const struct {
    QString Datei;  // empty: the dialog is declined
    QString Meldung;
    QMessageBox::Icon Symbol;  // NoIcon: no box, the report is in the file
  } faelle[] = {
      {QString(), QStringLiteral("Sie haben den Ausdruck abgebrochen!"), QMessageBox::Information},
      {ordner.filePath(QStringLiteral("kein-ordner/bericht.pdf")), QString(), QMessageBox::Critical},
      {ordner.filePath(QStringLiteral("mwst.pdf")), QString(), QMessageBox::NoIcon},
  };
  Printer().setOutputFileName(QString());
  Seite(Seiten::MWST);
  Klick("btbtnDruck");
  for (const auto& f : faelle) {
    TDialogBeantworter antworten;
    antworten.AndereDialogeSchliessen = false;
    QTimer waehler;
    QString vorschlag;
    QObject::connect(&waehler, &QTimer::timeout, [&] {
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        vorschlag = dialog->selectedFiles().value(0);
        if (f.Datei.isEmpty()) return dialog->reject();
        dialog->selectFile(f.Datei);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides accept()
      }
    });
    waehler.start(5);
    Klick("BitBtn1");
    waehler.stop();
    if (f.Symbol == QMessageBox::NoIcon) {
      EXPECT_TRUE(antworten.Boxen.isEmpty());
      EXPECT_TRUE(PdfText(f.Datei).contains(QStringLiteral("Mehrwertsteuer")));
      continue;
    }
    // Without a documents folder the home folder is offered.
    EXPECT_EQ(vorschlag, QDir(heim.Pfad()).filePath(QStringLiteral("Kalvora-Bericht.pdf")));
    ASSERT_EQ(antworten.Boxen.size(), 1);
    EXPECT_EQ(antworten.Boxen[0].Symbol, f.Symbol);
    if (!f.Meldung.isEmpty()) {
      EXPECT_EQ(antworten.Boxen[0].Text, f.Meldung);
    }
    EXPECT_TRUE(Printer().outputFileName().isEmpty()) << "the next attempt must ask again";
  }
}

}  // namespace

TEST_F(Vorschau, InfoImMenueVerbirgtDieVorschau) {
  Seite(Seiten::AnnD);
  Klick("btbtnDruck");
  ASSERT_TRUE(frmDruckVorschau->isVisible());
  Suche<QAction>("Info1")->trigger();
  EXPECT_FALSE(frmDruckVorschau->isVisible());
}
