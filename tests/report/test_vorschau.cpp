// The preview window and the report, driven through the main window.
#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Anwendung.h"
#include "common/Dialoghelfer.h"
#include "print/PagePrnt.h"
#include "app/Startfenster.h"
#include "pages/Seiten.h"
#include "report/uDruck.h"

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

QString PdfInfo(const QString& datei) {
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {datei});
  return p.waitForFinished(20000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// Answers each file dialog that opens with the next entry of `antworten`
// (empty: declined) and remembers the file it proposed.
class TDateiwaehler {
 public:
  explicit TDateiwaehler(QStringList antworten) : FAntworten(std::move(antworten)) {
    QObject::connect(&FZeit, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible()) return;
      Vorschlaege << dialog->selectedFiles().value(0);
      const QString antwort = FAntworten.isEmpty() ? QString() : FAntworten.takeFirst();
      if (antwort.isEmpty()) return dialog->reject();
      dialog->selectFile(antwort);
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides accept()
    });
    FZeit.start(5);
  }
  QStringList Vorschlaege;

 private:
  QStringList FAntworten;
  QTimer FZeit;
};

// Without a printer every print asks for its file: a fresh name from the page
// and the day, numbered once that file exists; an existing file is replaced
// only on the user's word; the box names the file written; a file that cannot
// be written is reported in German with its name and the reason.
TEST_F(Vorschau, OhneDruckerFragtJedesMalNachDerDatei) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  TDruckerZustand zustand;
  TLeeresHeim heim;
  QFile kein(QDir(heim.Pfad()).filePath(u"kein-ordner"_qs));  // a folder that is a file, even for root
  ASSERT_TRUE(kein.open(QIODevice::WriteOnly));
  kein.close();
  Printer().setOutputFileName(QString());
  const QString stamm = QDir(heim.Pfad()).filePath(u"Kalvora-Mehrwertsteuer-"_qs + QDate::currentDate().toString(Qt::ISODate));
  const QString erster = stamm + u".pdf"_qs, zweiter = stamm + u"-2.pdf"_qs, abgebrochen = u"abgebrochen"_qs;
  const struct {
    QStringList Antworten;
    QString Vorschlag;
    QList<std::pair<QMessageBox::Icon, QString>> Boxen;  // symbol and a piece of the text
  } faelle[] = {
      {{QString()}, erster, {{QMessageBox::Information, abgebrochen}}},
      {{erster}, erster, {{QMessageBox::Information, u"„"_qs + erster + u"“"_qs}}},
      {{erster, QString()}, zweiter, {{QMessageBox::Question, u"ersetzt"_qs}, {QMessageBox::Information, abgebrochen}}},
      {{kein.fileName() + u"/x.pdf"_qs}, zweiter, {{QMessageBox::Critical, u"/x.pdf“ geschrieben werden.\nEin"_qs}}},
      // A file set on the printer from outside is used without a question.
      {{}, QString(), {{QMessageBox::Critical, u"„/proc/x.pdf“ geschrieben werden.\n"_qs}}},
  };
  Seite(Seiten::MWST);
  Klick("btbtnDruck");
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Antworten.join(u'|').toStdString());
    TDialogBeantworter antworten;
    antworten.AndereDialogeSchliessen = false;
    TDateiwaehler waehler(f.Antworten);
    if (f.Antworten.isEmpty()) Printer().setOutputFileName(u"/proc/x.pdf"_qs);
    Klick("BitBtn1");
    EXPECT_EQ(waehler.Vorschlaege.value(0), f.Vorschlag);
    ASSERT_EQ(antworten.Boxen.size(), f.Boxen.size());
    for (qsizetype i = 0; i < f.Boxen.size(); ++i) {
      EXPECT_EQ(antworten.Boxen[i].Symbol, f.Boxen[i].first);
      EXPECT_TRUE(antworten.Boxen[i].Text.contains(f.Boxen[i].second)) << antworten.Boxen[i].Text.toStdString();
    }
    if (!f.Antworten.isEmpty()) {
      EXPECT_TRUE(Printer().outputFileName().isEmpty()) << "the next print must ask again";
    }
  }
  EXPECT_TRUE(PdfText(erster).contains(u"Mehrwertsteuer"_qs));
  const QString info = PdfInfo(erster);
  EXPECT_TRUE(info.contains(QRegularExpression(u"Title: +Mehrwertsteuer\n"_qs))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(u"Creator: +Kalvora 1.1.1\n"_qs))) << info.toStdString();
}

// "Druckeinstellung" takes a PDF file over for the next print and says so;
// its confirm button does not pretend to print.
TEST_F(Vorschau, DruckeinstellungMerktDieDateiVor) {
  TDruckerZustand zustand;
  QTemporaryDir ordner;
  const QString datei = ordner.filePath(u"einstellung.pdf"_qs);
  Seite(Seiten::AnnD);
  Klick("btbtnDruck");
  TDialogBeantworter antworten;
  antworten.AndereDialogeSchliessen = false;
  QString knopf;
  QTimer einsteller;
  QObject::connect(&einsteller, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    knopf = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
    Printer().setOutputFormat(QPrinter::PdfFormat);
    if (auto* name = dialog->findChild<QLineEdit*>(u"filename"_qs)) name->setText(datei);
    dialog->accept();
  });
  einsteller.start(5);
  Klick("Button4");
  einsteller.stop();
  EXPECT_EQ(knopf, u"Übernehmen"_qs);
  Klick("BitBtn1");
  ASSERT_EQ(antworten.Boxen.size(), 2);
  for (const TGezeigteBox& box : antworten.Boxen) EXPECT_TRUE(box.Text.contains(datei)) << box.Text.toStdString();
  EXPECT_TRUE(PdfText(datei).contains(u"Restschuld"_qs));
  EXPECT_TRUE(Printer().outputFileName().isEmpty());
}

// While the preview lies over the pages, keys reach nothing beneath it;
// Escape goes back and the keyboard is where it was.
TEST_F(Vorschau, NichtsUnterDerVorschauNimmtTasten) {
  fmStart->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(fmStart));
  Seite(Seiten::eZi);
  Tippen("KFeld", u"1000"_qs);
  auto* feld = Suche<QLineEdit>("KFeld");
  feld->setFocus();
  Klick("btbtnDruck");
  TDialogBeantworter antworten;
  QSignalSpy rechnen(Suche<QAbstractButton>("RechnenSchalter"), &QAbstractButton::clicked);
  const auto ziel = [] { return QApplication::focusWidget() ? QApplication::focusWidget() : fmStart; };
  QTest::keyClicks(ziel(), u"777"_qs);
  for (auto [taste, mit] : {std::pair{Qt::Key_Tab, Qt::ControlModifier}, {Qt::Key_R, Qt::AltModifier},
                            {Qt::Key_F, Qt::AltModifier}, {Qt::Key_F6, Qt::NoModifier}}) {
    QTest::keyClick(ziel(), taste, mit);
    Warten(250);  // a mnemonic clicks a moment later
  }
  EXPECT_EQ(feld->text(), u"1.000,00 "_qs);
  EXPECT_EQ(Suche<QTabWidget>("PageControl1")->currentIndex(), Seiten::eZi);
  EXPECT_EQ(rechnen.count(), 0);
  EXPECT_EQ(antworten.AndereDialoge, 0);
  QTest::keyClick(ziel(), Qt::Key_Escape);
  EXPECT_FALSE(frmDruckVorschau->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), feld);
}

// The text of the preview page stays inside its dotted margin frame, before
// printing and after printing to a PDF file changed the printer's metrics.
TEST_F(Vorschau, RandUndTextPassenVorUndNachDemDruck) {
  TDruckerZustand zustand;
  QTemporaryDir ordner;
  Seite(Seiten::eZi);
  Klick("btbtnDruck");
  const auto pruefen = [&] {
    const QImage bild = P->PaintBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The white page on the dark background; on it the frame, a line of
    // silver dots, and the text, the dark pixels.
    QRect seite;
    for (int x = 0; x < bild.width(); ++x)
      if (qGray(bild.pixel(x, bild.height() / 2)) > 250) seite |= QRect(x, bild.height() / 2, 1, 1);
    for (int y = 0; y < bild.height(); ++y)
      if (qGray(bild.pixel(bild.width() / 2, y)) > 250) seite |= QRect(bild.width() / 2, y, 1, 1);
    seite.adjust(2, 2, -2, -2);
    std::vector<int> spalten(bild.width()), zeilen(bild.height());
    int textX = bild.width(), textY = bild.height();
    for (int y = seite.top(); y <= seite.bottom(); ++y)
      for (int x = seite.left(); x <= seite.right(); ++x) {
        const QRgb p = bild.pixel(x, y);
        if (p == qRgb(192, 192, 192)) ++spalten[x], ++zeilen[y];
        if (qGray(p) < 96) textX = std::min(textX, x), textY = std::min(textY, y);
      }
    const auto linie = [](const std::vector<int>& n) { return std::find_if(n.begin(), n.end(), [](int k) { return k > 50; }) - n.begin(); };
    EXPECT_GT(textX, linie(spalten));
    EXPECT_GT(textY, linie(zeilen));
  };
  pruefen();
  Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(ordner.filePath(u"bericht.pdf"_qs));
  Klick("BitBtn1");
  P->update();
  pruefen();
}

// The question's lines start at one x, none with a blank; the share fees
// stand with one blank before their unit, formatted or not.
TEST_F(Vorschau, FragezeilenBuendigUndGebuehrenMitEinemBlank) {
  Seite(Seiten::BW);
  Suche<QComboBox>("BW_Gesucht")->setCurrentIndex(0);
  for (auto [feld, text] :
       {std::pair{"BW_BWFeld", "123456789"}, {"BW_pFeld", "5,5"}, {"BW_njFeld", "20"}, {"BW_nmFeld", "7"}})
    Tippen(feld, QString::fromLatin1(text));
  Klick("btbtnDruck");
  const auto& befehle = P->Pages(1)->Commands();
  auto frage = std::find_if(befehle.begin(), befehle.end(),
                            [](const TPageCommand& c) { return c.Text.startsWith(u"Diese Berechnung"_qs); });
  ASSERT_NE(frage, befehle.end());
  int zeilen = 0;
  for (auto c = frage + 1; c != befehle.end() && !c->Text.startsWith(u"Gesucht"_qs); ++c, ++zeilen) {
    EXPECT_EQ(c->A.x(), frage->A.x()) << c->Text.toStdString();
    EXPECT_FALSE(c->Text.startsWith(QLatin1Char(' '))) << c->Text.toStdString();
  }
  EXPECT_GE(zeilen, 2);

  Seite(Seiten::Akt);
  Tippen("Akt_MindGeb", u"0"_qs);
  Tippen("Akt_Geb", u"0,45"_qs);
  Warten(50);  // the exit rules format the fees
  ASSERT_EQ(Suche<QLineEdit>("Akt_MindGeb")->text(), u"0,00 "_qs);
  Klick("btbtnDruck");
  for (const char* gebuehr : {"0,00 DM", "20,00 DM", "0,450 %", "0,08 %"})
    EXPECT_TRUE(SeitenTexte().contains(QString::fromUtf8(gebuehr))) << gebuehr;
}

}  // namespace

TEST_F(Vorschau, InfoImMenueVerbirgtDieVorschau) {
  Seite(Seiten::AnnD);
  Klick("btbtnDruck");
  ASSERT_TRUE(frmDruckVorschau->isVisible());
  Suche<QAction>("Info1")->trigger();
  EXPECT_FALSE(frmDruckVorschau->isVisible());
}
