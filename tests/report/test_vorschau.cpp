// The preview window and the report, driven through the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

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
    QStringList texte;
    if (P->PageCount() > 0)
      for (const QString& t : P->Pages(1)->Texts()) texte << t.trimmed();
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
  EXPECT_EQ(antworten.Boxen[0].Symbol, QMessageBox::Information);
  EXPECT_EQ(antworten.AndereDialoge, 0);
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
  ASSERT_EQ(P->PageCount(), 1);
  EXPECT_EQ(P->PageNumber(), 1);
  const QStringList texte = SeitenTexte();
  for (const char* erwartet : {"Einfache Zinsrechnung", "Diese Berechnung beantwortet die Frage:", "Gesucht:",
                               "Endkapital", "Vorgaben:", "Anfangskapital:", "Zinssatz:", "Laufzeit:",
                               "1.000,00  DM", "5,000  %", "2 Jahre, 6 Monate", "Ergebnis:", "1.125,00  DM"})
    EXPECT_TRUE(texte.contains(QString::fromUtf8(erwartet))) << erwartet << "\n"
                                                             << texte.join(QLatin1Char('/')).toStdString();
  // Every report starts fitted to the page width.
  const uint breit = P->ZoomPercent();
  Klick("SpeedButton17");
  Klick("btbtnDruck");
  EXPECT_EQ(P->ZoomPercent(), breit);
}

TEST_F(Vorschau, ZweiterBerichtErsetztDenErstenUndTitelBleibtNormal) {
  Seite(Seiten::eZi);
  Klick("btbtnDruck");
  ASSERT_EQ(P->PageCount(), 1);
  const TPageCommand erster = P->Pages(1)->Commands().front();
  EXPECT_EQ(erster.Text, QStringLiteral("Einfache Zinsrechnung"));
  EXPECT_FALSE(erster.Font.bold());

  Klick("bitbtnAbbruch");
  EXPECT_FALSE(frmDruckVorschau->isVisible());
  Seite(Seiten::MWST);
  Klick("btbtnDruck");
  ASSERT_EQ(P->PageCount(), 1);
  const QStringList texte = SeitenTexte();
  EXPECT_TRUE(texte.contains(QStringLiteral("Mehrwertsteuer")));
  EXPECT_FALSE(texte.contains(QStringLiteral("Einfache Zinsrechnung")));
  const TPageCommand titel = P->Pages(1)->Commands().front();
  EXPECT_EQ(titel.Text, QStringLiteral("Mehrwertsteuer"));
  EXPECT_FALSE(titel.Font.bold()) << "the last report left the font bold";
  EXPECT_EQ(titel.Font.family(), QFont(QStringLiteral("Times New Roman")).family());
  // The result row leaves the font as the report set it last.
  EXPECT_TRUE(P->font().bold());
  EXPECT_EQ(P->font().pointSize(), 12);
}

TEST_F(Vorschau, FolgtDemHauptfensterUndHaeltDieKnoepfeInPosition) {
  EXPECT_FALSE(frmDruckVorschau->isVisible());
  Seite(Seiten::eZi);
  Klick("btbtnDruck");
  for (QSize groesse : {QSize(1100, 800), QSize(760, 560)}) {
    fmStart->resize(groesse);
    Warten(50);
    const QWidget* mitte = fmStart->centralWidget();
    EXPECT_EQ(frmDruckVorschau->geometry(), mitte->geometry());
    auto* zurueck = Suche<QPushButton>("bitbtnAbbruch");
    EXPECT_EQ(zurueck->x(), (frmDruckVorschau->width() - zurueck->width()) / 2);
    auto* druck = Suche<QGroupBox>("GroupBox2");
    EXPECT_GE(druck->mapTo(frmDruckVorschau, QPoint(druck->width(), 0)).x(), frmDruckVorschau->width() - 12);
    EXPECT_TRUE(fmStart->menuBar()->isVisible());
    EXPECT_GE(frmDruckVorschau->y(), fmStart->menuBar()->geometry().bottom());
  }
}

TEST_F(Vorschau, MehrzeiligeZellenBehaltenIhreTexte) {
  // Cells wider than their column continue on the next line of the row; the
  // lines must come out as they were given, without blanks put in between.
  Seite(Seiten::Euro);
  Klick("btbtnDruck");
  ASSERT_EQ(P->PageCount(), 1);
  const QStringList texte = P->Pages(1)->Texts();
  for (const char* zeile : {"amtliche Umrechnungskurse:", "1 Euro entspricht:", "ATS (Österreich)", "BEF (Belgien)",
                            "FIM (Finnland)", "1.936,27", "DM  (Deutschland)", "PTE (Portugal)"})
    EXPECT_TRUE(texte.contains(QString::fromUtf8(zeile))) << zeile << "\n"
                                                          << texte.join(QLatin1Char('/')).toStdString();
  for (const QString& t : texte) EXPECT_FALSE(t.startsWith(QLatin1Char(' '))) << t.toStdString();
}

TEST_F(Vorschau, InfoImMenueVerbirgtDieVorschau) {
  Seite(Seiten::AnnD);
  Klick("btbtnDruck");
  ASSERT_TRUE(frmDruckVorschau->isVisible());
  Suche<QAction>("Info1")->trigger();
  EXPECT_FALSE(frmDruckVorschau->isVisible());
}

struct TPdfFall {
  int Seite;
  int Gesucht;  // -1: the page has no list
  const char* Frage;
  const char* Ergebnis;
};

class VorschauPdf : public Vorschau, public ::testing::WithParamInterface<TPdfFall> {};

TEST_P(VorschauPdf, DruckenSchreibtFrageUndErgebnis) {
  const TPdfFall& f = GetParam();
  TDruckerZustand zustand;
  QTemporaryDir ordner;
  const QString datei = ordner.filePath(QStringLiteral("bericht.pdf"));
  Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(datei);

  Seite(f.Seite);
  switch (f.Seite) {
    case Seiten::AnnD:
      Suche<QComboBox>("AnnD_Gesucht")->setCurrentIndex(f.Gesucht);
      Tippen("AnnD_KFeld", QStringLiteral("100000"));
      Tippen("AnnD_pFeld", QStringLiteral("6"));
      Tippen("AnnD_RFeld", QStringLiteral("1000"));
      Tippen("AnnD_knjFeld", QStringLiteral("5"));
      Tippen("AnnD_KnmFeld", QStringLiteral("0"));
      break;
    case Seiten::Akt:
      Suche<QComboBox>("Akt_Gesucht")->setCurrentIndex(f.Gesucht);
      Tippen("Akt_Kurs", QStringLiteral("100"));
      Tippen("Akt_Stueck", QStringLiteral("10"));
      Tippen("Akt_Name", QStringLiteral("Muster AG"));
      break;
    case Seiten::Euro:
      Tippen("Euro", QStringLiteral("100"));
      break;
    default:
      break;
  }
  if (f.Seite != Seiten::Euro) {
    TDialogBeantworter antworten;
    Klick("RechnenSchalter");
    Warten(150);
    ASSERT_TRUE(antworten.Boxen.isEmpty()) << antworten.Boxen.front().Text.toStdString();
  }
  Klick("btbtnDruck");

  TDialogBeantworter antworten;
  Klick("BitBtn1");
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  EXPECT_EQ(antworten.AndereDialoge, 0) << "a PDF printer with a file needs no question";
  const QString text = PdfText(datei);
  ASSERT_FALSE(text.isEmpty()) << "no PDF written";
  const QString einzeilig = text.simplified();
  EXPECT_TRUE(einzeilig.contains(QString::fromUtf8(f.Frage))) << text.toStdString();
  EXPECT_TRUE(einzeilig.contains(QString::fromUtf8(f.Ergebnis))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Seiten, VorschauPdf,
    ::testing::Values(TPdfFall{Seiten::AnnD, 3, "Diese Berechnung beantwortet die Frage:", "Restschuld"},
                      TPdfFall{Seiten::Akt, 0, "Wie groß ist meine Belastung", "Gewinnschwelle:"},
                      TPdfFall{Seiten::Euro, -1, "Welche Fremdwährungskurse", "195,58"}),
    [](const ::testing::TestParamInfo<TPdfFall>& info) { return std::to_string(info.param.Seite); });

TEST_F(Vorschau, OhneDruckerFragtNachPdfDatei) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  TDruckerZustand zustand;
  TLeeresHeim heim;
  Printer().setOutputFileName(QString());
  Seite(Seiten::MWST);
  Klick("btbtnDruck");

  {  // The file dialog declined: nothing printed, and the user is told so.
    TDialogBeantworter antworten;
    Klick("BitBtn1");
    EXPECT_EQ(antworten.AndereDialoge, 1);
    ASSERT_EQ(antworten.Boxen.size(), 1);
    EXPECT_EQ(antworten.Boxen[0].Text, QStringLiteral("Sie haben den Ausdruck abgebrochen!"));
    EXPECT_TRUE(Printer().outputFileName().isEmpty());
  }

  // A file chosen: the report goes into it.
  QTemporaryDir ordner;
  const QString datei = ordner.filePath(QStringLiteral("mwst.pdf"));
  TDialogBeantworter antworten;
  antworten.AndereDialogeSchliessen = false;
  QTimer waehler;
  waehler.setInterval(5);
  QString vorschlag;
  QObject::connect(&waehler, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      vorschlag = dialog->selectedFiles().value(0);
      dialog->selectFile(datei);
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides accept()
    }
  });
  waehler.start();
  Klick("BitBtn1");
  waehler.stop();
  // Without a documents folder the home folder is offered.
  EXPECT_EQ(vorschlag, QDir(heim.Pfad()).filePath(QStringLiteral("Kalvora-Bericht.pdf")));
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  EXPECT_TRUE(PdfText(datei).contains(QStringLiteral("Mehrwertsteuer")));
}

TEST_F(Vorschau, UnbeschreibbareDateiWirdGemeldetUndNichtBehalten) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  TDruckerZustand zustand;
  TLeeresHeim heim;
  Printer().setOutputFileName(QString());
  Seite(Seiten::eZi);
  Klick("btbtnDruck");

  // A folder that is a file cannot take the report, not even for root.
  QTemporaryDir ordner;
  QFile kein(ordner.filePath(QStringLiteral("kein-ordner")));
  ASSERT_TRUE(kein.open(QIODevice::WriteOnly));
  kein.close();
  const QString datei = ordner.filePath(QStringLiteral("kein-ordner/bericht.pdf"));
  TDialogBeantworter antworten;
  antworten.AndereDialogeSchliessen = false;
  QTimer waehler;
  waehler.setInterval(5);
  QObject::connect(&waehler, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      dialog->selectFile(datei);
      static_cast<QDialog*>(dialog)->accept();
    }
  });
  waehler.start();
  Klick("BitBtn1");
  waehler.stop();
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Symbol, QMessageBox::Critical);
  // The next attempt asks for a file again.
  EXPECT_TRUE(Printer().outputFileName().isEmpty());
  EXPECT_FALSE(PrinterReachable());
}

}  // namespace
