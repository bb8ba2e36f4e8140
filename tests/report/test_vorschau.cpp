// The preview window and the report, driven through the main window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "Hauptfenster.h"
#include "common/Dialoghelfer.h"

namespace {

class Vorschau : public Hauptfenster {
 protected:
  static void Seite(const char* blatt) { Kind<QTabWidget>("PageControl1")->setCurrentWidget(Kind(blatt)); }
  static void Klick(const char* knopf) { Kind<QAbstractButton>(knopf)->click(); }
};

// The zoom buttons; every report starts fitted to the page width.
TEST_F(Vorschau, Zoomknoepfe) {
  Seite("eZi_TabSheet");
  Klick("btbtnDruck");
  const uint breite = P->ZoomPercent();
  P->ZoomToFit();
  const uint ganz = P->ZoomPercent();
  ASSERT_NE(breite, ganz);
  // clang-format off
  // Knopf null: the key with Ctrl, pressed in the page area.
  const struct { uint Start; const char* Knopf; std::vector<uint> Folge; Qt::Key Taste = Qt::Key_unknown; } faelle[] = {
      {100, "SpeedButton18", {80, 60, 40, 20, 10, 10}}, {25, "SpeedButton18", {5, 10}},
      {100, "SpeedButton17", {120, 140}}, {100, "Button2", {breite}}, {100, "Button3", {ganz}},
      {100, nullptr, {120, 140}, Qt::Key_Plus}, {100, nullptr, {120}, Qt::Key_Equal},
      {100, nullptr, {80, 60}, Qt::Key_Minus}};
  // clang-format on
  for (const auto& f : faelle) {
    P->setZoomPercent(f.Start);
    for (uint erwartet : f.Folge) {
      if (f.Knopf)
        Klick(f.Knopf);
      else
        QTest::keyClick(P, f.Taste, Qt::ControlModifier);
      EXPECT_EQ(P->ZoomPercent(), erwartet) << (f.Knopf ? f.Knopf : "Taste") << " ab " << f.Start;
    }
  }
  // The zoom buttons are reached by Tab as well.
  for (const char* knopf : {"SpeedButton17", "SpeedButton18"})
    EXPECT_TRUE(Kind(knopf)->focusPolicy() & Qt::TabFocus) << knopf;
  Klick("btbtnDruck");
  EXPECT_EQ(P->ZoomPercent(), breite);
}

TEST_F(Vorschau, DruckenOhneSeitenMeldetKeineDaten) {
  TDialogBeantworter antworten;
  Klick("BitBtn1");
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Text, QStringLiteral("Keine Daten vorhanden!"));
}

// The preview covers the main window's pages whatever their size; a second
// report replaces the first, with its title in the normal font; "Zurück" and
// the Info menu entry hide it.
TEST_F(Vorschau, LiegtUeberDenSeitenBisZurueck) {
  Seite("eZi_TabSheet");
  Klick("btbtnDruck");
  fmStart->resize(760, 560);
  Warten(50);
  EXPECT_EQ(frmDruckVorschau->geometry(), fmStart->centralWidget()->geometry());
  Klick("bitbtnAbbruch");
  EXPECT_FALSE(frmDruckVorschau->isVisible());
  Seite("MWST_TabSheet");
  Klick("btbtnDruck");
  ASSERT_EQ(P->PageCount(), 1);
  const TPageCommand titel = P->Pages(1)->Commands().front();
  EXPECT_EQ(titel.Text, QStringLiteral("Mehrwertsteuer"));
  EXPECT_FALSE(titel.Font.bold()) << "the last report left the font bold";
  Kind<QAction>("Info1")->trigger();
  EXPECT_FALSE(frmDruckVorschau->isVisible());
}

// Reports printed into a PDF file: every label stands on the line of its
// value. The share report: also below a name that wraps over several lines,
// fees with one blank before their unit, typed formatted or not. The loan
// with its rate sought: the inputs as given values, the rate as the result.
TEST_F(Vorschau, BerichtImPdf) {
  // clang-format off
  const struct {
    const char* Seite; const char* Liste; int Gesucht;
    std::vector<std::pair<const char*, QString>> Eingaben;
    std::vector<std::pair<const char*, const char*>> Paare;
  } berichte[] = {
      {"Akt_TabSheet", "Akt_Gesucht", 0,
       {{"Akt_Kurs", u"100,00"_qs}, {"Akt_Stueck", u"10"_qs}, {"Akt_MindGeb", u"0"_qs},
        {"Akt_Name", u"Musterwerke Aktiengesellschaft "_qs.repeated(7).left(200)}, {"Akt_Geb", u"0,45"_qs}},
       {{"Wie groß ist meine Belastung", ""}, {"Kurs:", "100,00 DM"}, {"Stück:", "10"},
        {"Name der Aktie:", "Musterwerke"}, {"Mindestgebühr:", "0,00 DM"}, {"Grundgebühr:", "20,00 DM"},
        {"Gebühr in %:", "0,450 %"}, {"Maklergebühr:", "0,08 %"}, {"Gewinnschwelle:", "DM"}}},
      {"AnnD_TabSheet", "AnnD_Gesucht", 4,
       {{"AnnD_KFeld", u"100000"_qs}, {"AnnD_njFeld", u"10"_qs}, {"AnnD_nmFeld", u"0"_qs},
        {"AnnD_RFeld", u"1110,21"_qs}},
       {{"Zu welchem Zinssatz habe ich einen Kredit", ""}, {"Gesucht:", "Zinssatz"},
        {"Darlehenshöhe:", "100.000,00 DM"}, {"Laufzeit:", "10 Jahre, 0 Monate"}, {"AnnD-Rate:", "1.110,21 DM"},
        {"Zahlungsweise:", "monatlich"}, {"Ergebnis:", "6,000 %"}}},
  };
  // clang-format on
  for (const auto& b : berichte) {
    SCOPED_TRACE(b.Seite);
    const QString datei = Ordner.filePath(QString::fromLatin1(b.Seite) + u".pdf"_qs);
    PdfDrucker(datei);
    Seite(b.Seite);
    Kind<QComboBox>(b.Liste)->setCurrentIndex(b.Gesucht);
    for (const auto& [feld, text] : b.Eingaben) Tippen(feld, text);
    Warten(50);  // the exit rules format the fields a moment later
    TDialogBeantworter antworten;
    for (const char* knopf : {"RechnenSchalter", "btbtnDruck", "BitBtn1", "bitbtnAbbruch"}) Klick(knopf);
    EXPECT_TRUE(antworten.Boxen.isEmpty());
    EXPECT_EQ(antworten.AndereDialoge, 0) << "a PDF printer with a file needs no question";
    const QStringList zeilen = Pdf(datei).split(u'\n');
    for (const auto& [beschriftung, wert] : b.Paare)
      EXPECT_FALSE(zeilen.filter(QString::fromUtf8(beschriftung)).filter(QString::fromUtf8(wert)).isEmpty())
          << beschriftung << " " << wert << ": " << zeilen.join(u'|').toStdString();
  }
}

// Without a printer every print asks for its file: a fresh name from the page
// and the day, numbered once that file exists; an existing file is replaced
// only on the user's word; the box names the file written; a file that cannot
// be written is reported in German with its name and the reason.
TEST_F(Vorschau, OhneDruckerFragtJedesMalNachDerDatei) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  QFile kein(Ordner.filePath(u"kein-ordner"_qs));  // a folder that is a file, even for root
  ASSERT_TRUE(kein.open(QIODevice::WriteOnly));
  // An empty home folder, so that file dialogs neither browse nor remember the real one.
  const QByteArray heim = qgetenv("HOME");
  qputenv("HOME", Ordner.path().toUtf8());
  Printer().setOutputFileName(QString());
  const QString stamm =
      Ordner.filePath(u"Kalvora-Barwert-Rentenrechnung-"_qs + QDate::currentDate().toString(Qt::ISODate));
  const QString erster = stamm + u".pdf"_qs, zweiter = stamm + u"-2.pdf"_qs, abgebrochen = u"abgebrochen"_qs;
  // Boxen: symbol and a piece of the text; Aussen: a file set on the printer beforehand.
  // clang-format off
  const struct { QStringList Antworten; QString Vorschlag; QList<std::pair<QMessageBox::Icon, QString>> Boxen;
                 QString Aussen{}; } faelle[] = {
      {{QString()}, erster, {{QMessageBox::Information, abgebrochen}}},
      {{erster}, erster, {{QMessageBox::Information, u"„"_qs + erster + u"“"_qs}}},
      {{erster, QString()}, zweiter, {{QMessageBox::Question, u"ersetzt"_qs}, {QMessageBox::Information, abgebrochen}}},
      {{kein.fileName() + u"/x.pdf"_qs}, zweiter, {{QMessageBox::Critical, u"/x.pdf“ geschrieben werden.\nEin"_qs}}},
      // A file set on the printer from outside is used without a question.
      {{}, QString(), {{QMessageBox::Critical, u"„/proc/x.pdf“ geschrieben werden.\n"_qs}}, u"/proc/x.pdf"_qs},
      {{}, QString(), {{QMessageBox::Critical, u"Unter diesem Namen gibt es einen Ordner."_qs}}, Ordner.path()},
      {{}, QString(), {{QMessageBox::Critical, u"Der Name ist zu lang."_qs}}, Ordner.filePath(QString(300, u'x'))},
  };
  // clang-format on
  Seite("BW_TabSheet");
  Klick("btbtnDruck");
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Antworten.join(u'|').toStdString());
    QStringList vorschlaege;
    TDialogBeantworter antworten;
    antworten.Andere = Dateiwahl(f.Antworten, &vorschlaege);
    if (!f.Aussen.isEmpty()) Printer().setOutputFileName(f.Aussen);
    Klick("BitBtn1");
    EXPECT_EQ(vorschlaege.value(0), f.Vorschlag);
    EXPECT_EQ(antworten.Boxen.size(), f.Boxen.size());
    for (qsizetype i = 0; i < std::min(f.Boxen.size(), antworten.Boxen.size()); ++i) {
      EXPECT_EQ(antworten.Boxen[i].Symbol, f.Boxen[i].first);
      EXPECT_TRUE(antworten.Boxen[i].Text.contains(f.Boxen[i].second)) << antworten.Boxen[i].Text.toStdString();
    }
    EXPECT_TRUE(f.Antworten.isEmpty() || Printer().outputFileName().isEmpty()) << "the next print must ask again";
  }
  qputenv("HOME", heim);
  EXPECT_TRUE(Pdf(erster).contains(u"Barwert-/ Rentenrechnung"_qs));
  const QString info = Pdf(erster, "pdfinfo");
  EXPECT_TRUE(info.contains(QRegularExpression(u"Title: +Barwert-/ Rentenrechnung\n"_qs))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(u"Creator: +Kalvora 1.1.1\n"_qs))) << info.toStdString();
}

// "Druckeinstellung" takes a PDF file over for the next print and says so;
// its confirm button does not pretend to print.
TEST_F(Vorschau, DruckeinstellungMerktDieDateiVor) {
  const QString datei = Ordner.filePath(u"einstellung.pdf"_qs);
  Seite("AnnD_TabSheet");
  Klick("btbtnDruck");
  QString knopf;
  TDialogBeantworter antworten;
  antworten.Andere = [&](QDialog* dialog) {
    knopf = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
    Printer().setOutputFormat(QPrinter::PdfFormat);
    if (auto* name = dialog->findChild<QLineEdit*>(u"filename"_qs)) name->setText(datei);
    dialog->accept();
  };
  Klick("Button4");
  EXPECT_EQ(knopf, u"Übernehmen"_qs);
  Klick("BitBtn1");
  ASSERT_EQ(antworten.Boxen.size(), 2);
  for (const TGezeigteBox& box : antworten.Boxen) EXPECT_TRUE(box.Text.contains(datei)) << box.Text.toStdString();
  EXPECT_TRUE(Pdf(datei).contains(u"Restschuld"_qs));
  EXPECT_TRUE(Printer().outputFileName().isEmpty());
}

// While the preview lies over the pages, keys reach nothing beneath it;
// Escape goes back and the keyboard is where it was.
TEST_F(Vorschau, NichtsUnterDerVorschauNimmtTasten) {
  Aktivieren(fmStart);
  Seite("eZi_TabSheet");
  Tippen("KFeld", u"1000"_qs);
  Kind("KFeld")->setFocus();
  Klick("btbtnDruck");
  TDialogBeantworter antworten;
  QSignalSpy rechnen(Kind<QAbstractButton>("RechnenSchalter"), &QAbstractButton::clicked);
  const auto ziel = [] { return QApplication::focusWidget() ? QApplication::focusWidget() : fmStart; };
  QTest::keyClicks(ziel(), u"777"_qs);
  // clang-format off
  for (auto [taste, mit] : {std::pair{Qt::Key_Tab, Qt::ControlModifier}, {Qt::Key_R, Qt::AltModifier},
                            {Qt::Key_F, Qt::AltModifier}, {Qt::Key_F6, Qt::NoModifier}}) {
    // clang-format on
    QTest::keyClick(ziel(), taste, mit);
    Warten(250);  // a mnemonic clicks a moment later
  }
  EXPECT_EQ(Kind<QLineEdit>("KFeld")->text(), u"1.000,00 "_qs);
  EXPECT_EQ(Kind<QTabWidget>("PageControl1")->currentWidget(), Kind("eZi_TabSheet"));
  EXPECT_EQ(rechnen.count(), 0);
  EXPECT_EQ(antworten.AndereDialoge, 0);
  QTest::keyClick(ziel(), Qt::Key_Escape);
  EXPECT_FALSE(frmDruckVorschau->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), Kind("KFeld"));
}

}  // namespace

// A report never shows a result beside inputs it was not computed from: a
// stale result is computed first, as "Rechnen" does; a calculation that is
// refused prints nothing.
TEST_F(Vorschau, DruckenRechnetVeraltetesErgebnisNeu) {
  TDialogBeantworter antworten;
  Seite("eZi_TabSheet");
  Kind<QComboBox>("Gesucht1")->setCurrentIndex(1);
  for (const auto& [feld, text] : {std::pair{"KFeld", "1000"}, {"njFeld", "2"}, {"nmFeld", "6"}, {"KnFeld", "1100"}})
    Tippen(feld, QString::fromLatin1(text));
  Klick("RechnenSchalter");
  ASSERT_EQ(Kind<QLineEdit>("pFeld")->text(), QStringLiteral("4,000 "));
  const auto bericht = [this] {
    QString text;
    for (const TPageCommand& c : P->Pages(1)->Commands()) text += c.Text + QLatin1Char('\n');
    return text;
  };

  Tippen("KFeld", QStringLiteral("800"));
  Klick("btbtnDruck");
  EXPECT_EQ(Kind<QLineEdit>("pFeld")->text(), QStringLiteral("15,000 "));
  EXPECT_TRUE(bericht().contains(QStringLiteral("15,000"))) << bericht().toStdString();
  EXPECT_FALSE(bericht().contains(QStringLiteral("4,000")));
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  Klick("bitbtnAbbruch");

  Tippen("KFeld", QString());
  Klick("btbtnDruck");
  EXPECT_FALSE(frmDruckVorschau->isVisible());
  EXPECT_EQ(antworten.Boxen.size(), 1);
}

// A print job lets events through between its pages, so that its cancel
// button works: a second "Drucken", a new report or the printer setup in
// that time must wait for the job instead of printing twice or replacing
// the pages being printed.
TEST_F(Vorschau, WaehrendDesDrucksWartetAlles) {
  const QString datei = Ordner.filePath(u"einmal.pdf"_qs);
  PdfDrucker(datei);
  Seite("MWST_TabSheet");
  Klick("btbtnDruck");
  P->setShowProgress(true);
  P->setShowCancel(true);
  TDialogBeantworter antworten;
  int nebenher = 0;
  QTimer::singleShot(0, [&] {
    nebenher = P->PrintJobActive();
    for (const char* knopf : {"BitBtn1", "Button4", "btbtnDruck"}) Klick(knopf);
  });
  Klick("BitBtn1");
  EXPECT_EQ(nebenher, 1);
  EXPECT_FALSE(P->PrintJobActive());
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  EXPECT_EQ(antworten.AndereDialoge, 0);
  EXPECT_TRUE(Pdf(datei).contains(u"Mehrwertsteuer"_qs));
}
