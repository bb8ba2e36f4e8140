// The formula window and its 24 documents, as the main window uses them.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include "Dialoghelfer.h"
#include "uFormel.h"

namespace {

TEST(FormelRessource, JedeSeiteUndGesuchteGroesse) {
  struct Fall {
    const char* seite;
    int index;
    const char* name;
  };
  const Fall faelle[] = {
      {"eZi", 0, "Formel_eZi_AK"},        {"eZi", 1, "Formel_eZi_Zins"},      {"eZi", 2, "Formel_eZi_Lfz"},
      {"eZi", 3, "Formel_eZi_EK"},        {"ZiZiE", 0, "Formel_ZiZiE_AK"},    {"ZiZiE", 1, "Formel_ZiZiE_Zins"},
      {"ZiZiE", 2, "Formel_ZiZiE_Lfz"},   {"ZiZiE", 3, "Formel_ZiZiE_EK"},    {"ZiZiR", 0, "Formel_ZiZiR_R"},
      {"ZiZiR", 1, "Formel_ZiZiR_Lfz"},   {"ZiZiR", 2, "Formel_ZiZiR_EK"},    {"BW", 0, "Formel_BW_R"},
      {"BW", 1, "Formel_BW_Lfz"},         {"BW", 2, "Formel_BW_BW"},          {"AnnD", 0, "Formel_AnnD_K0"},
      {"AnnD", 1, "Formel_AnnD_Lfz"},     {"AnnD", 2, "Formel_AnnD_A"},       {"AnnD", 3, "Formel_AnnD_Kn"},
      {"MWST", 0, "Formel_MWST_netto"},   {"MWST", 1, "Formel_MWST_proz"},    {"MWST", 2, "Formel_MWST_DM"},
      {"MWST", 3, "Formel_MWST_brutto"},  {"Akt", 0, "Formel_Akt"},           {"Akt", 1, "Formel_Akt"},
      {"Akt", -1, "Formel_Akt"},          {"Euro", -1, "Formel_Euro"},        {"Euro", 0, "Formel_Euro"},
      // No document: out of range, the Info page, an unknown key.
      {"eZi", 4, ""},                     {"ZiZiR", 3, ""},                   {"BW", -1, ""},
      {"Info", 0, ""},                    {"", 0, ""},                        {"ezi", 0, ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.seite) + " " + std::to_string(f.index));
    EXPECT_EQ(FormelRessource(QString::fromLatin1(f.seite), f.index).toStdString(), f.name);
  }
}

// Heading lines, key pieces of the formula and the legend of each document.
struct TDokumentFall {
  const char* name;
  QStringList stuecke;
};

const QStringList L1 = {"Kn\t= Endkapital nach n Jahren", "n\t= Laufzeit in Jahren", "K\t= Anfangskapital",
                        QString::fromUtf8("p\t= Zinssatz (z.B. 5,5 für 5,5%)")};
const QStringList L2 = {"Kn\t= Endkapital nach n Jahren", QString::fromUtf8("q\t= Zinssatz (z.B. 1,055 für 5,5%)"),
                        QString::fromUtf8("p\t= Zinssatz (z.B. 0,055 für 5,5%)"), "R\t= Rate",
                        QString::fromUtf8("Rne\t= äquivalente Jahresendrate"), "m\t= Anzahl Raten pro Jahr"};
const QStringList L3 = {"BW\t= Barwert (Einmalanlage)", "n\t= Laufzeit in Jahren",
                        QString::fromUtf8("q\t= Zinssatz (z.B. 1,055 für 5,5%)"), "R\t= Rate",
                        QString::fromUtf8("Rne\t= äquivalente Jahresendrate"), "m\t= Anzahl Raten pro Jahr"};
const QStringList L4 = {QString::fromUtf8("K0\t= Darlehenshöhe"), "Kn\t= Restschuld nach n Jahren",
                        QString::fromUtf8("A\t= Annuitäts-Rate jährlich nachträglich"),
                        QString::fromUtf8("q\t= Nominalzinssatz (z.B. 1,055 für 5,5%)")};
const QStringList L5 = {"netto\t= Nettobetrag", "MWST in %\t= Mehrwertsteuer in % (z.B. 16 für 16%)",
                        "brutto\t= Bruttobetrag (Netto + MWSt)"};
const QStringList N1 = {"Das Ergebnis entspricht einer Jahresendrate.",
                        QString::fromUtf8("Bei unterjährigen Raten wird diese in"),
                        "entsprechende Monatsraten umgerechnet:", "p \u00B7 (m - 1)"};
const QStringList N2 = {QString::fromUtf8("Verwendet wird hier die äquivalente"),
                        "Jahresendrate. Diese wird berechnet", "mit:", "R \u00B7 (m  +"};
const QStringList N3 = {"zur Vereinfachung wird die", QString::fromUtf8("Annuitäts-Rate als einmal jährlich"),
                        QString::fromUtf8("nachträglich fällige Rate angesetzt.")};

std::vector<TDokumentFall> Dokumente() {
  const QString mal = QStringLiteral(" \u00B7 ");
  return {
      {"Formel_eZi_AK", QStringList{"Berechnung des Anfangkaptials bei\neinfacher Zinsrechnung:", "K\t=\t",
                                    "Kn", "n" + mal + "p", "1 + -------", "100"} + L1},
      {"Formel_eZi_Zins",
       QStringList{"Berechnung des Zinssatz bei\neinfacher Zinsrechnung:", "(Kn - K)" + mal + "100", "K" + mal + "n"} + L1},
      {"Formel_eZi_Lfz", QStringList{"Berechnung der Laufzeit bei\neinfacher Zinsrechnung:", "Kn - K", "K" + mal + "p"} + L1},
      {"Formel_eZi_EK",
       QStringList{"Berechnung des Endkapitals bei\neinfacher Zinsrechnung:", "Kn\t=\tK  +  ---", "K" + mal + "n" + mal + "p"} + L1},
      {"Formel_ZiZiE_AK",
       QStringList{"Berechnung des Anfangskapital bei\nZinseszins mit Einmalzahlung", "(1 + ---)n",
                   QString::fromUtf8("p\t= Zinssatz (z.B. 5,5 für 5,5 %)")} +
           L1.mid(0, 3)},
      {"Formel_ZiZiE_Zins",
       QStringList{"Berechnung des Zinssatzes bei\nZinseszins mit Einmalzahlung", "100 \u00B7\t", "1/n", "-  100",
                   QString::fromUtf8("\u239B"), QString::fromUtf8("\u23A0")} +
           L1},
      {"Formel_ZiZiE_Lfz",
       QStringList{"Berechnung der Laufzeit bei\nZinseszins mit Einmalzahlung", "log(---)", "log(1 + ---)"} + L1},
      {"Formel_ZiZiE_EK",
       QStringList{"Berechnung des Endkapital bei\nZinseszins mit Einmalzahlung", "Kn\t=\tK" + mal + "(1 + ---)n"} + L1},
      {"Formel_ZiZiR_R",
       QStringList{QString::fromUtf8("Berechnung der Ratenhöhe bei\nZinseszins mit Ratenzahlung"), "Rne\t=\t",
                   "Kn" + mal + "(q - 1)", "qn - 1"} +
           N1 + L2},
      {"Formel_ZiZiR_Lfz",
       QStringList{"Berechnung der Laufzeit bei\nZinseszins mit Ratenzahlung", "log(1 + ---", "log q"} + N2 + L2},
      {"Formel_ZiZiR_EK",
       QStringList{"Berechnung des Endkapitals bei\nZinseszins mit Ratenzahlung", "Rne" + mal + "(qn - 1)", "q - 1"} + N2 + L2},
      {"Formel_BW_R",
       QStringList{QString::fromUtf8("Berechnung der Ratenhöhe für\nBarwert-/Rentenrechnung"),
                   "BW" + mal + "qn" + mal + "(q - 1)", "qn - 1"} +
           N1 + L3},
      {"Formel_BW_Lfz",
       QStringList{QString::fromUtf8("Berechnung der Laufzeit für\nBarwert-/Rentenrechnung"),
                   "Rne - BW" + mal + "(q - 1)", "log q"} +
           N2 + L3},
      {"Formel_BW_BW",
       QStringList{QString::fromUtf8("Berechnung des Barwerts für\nBarwert-/Rentenrechnung"), "BW\t=\tRne \u00B7\t",
                   "qn - 1", "q - 1"} +
           N2 + L3},
      {"Formel_AnnD_K0",
       QStringList{QString::fromUtf8("Berechnung der Darlehenshöhe für\nAnnuitätenberechnung:"), "K0\t=\t",
                   "qn" + mal + "(q - 1)", "qn - 1"} +
           N3 + L4},
      {"Formel_AnnD_Lfz",
       QStringList{QString::fromUtf8("Berechnung der Laufzeit für\nAnnuitätenberechnung:"), "A - K0" + mal + "(q - 1)",
                   "log q"} +
           N3 + L4},
      {"Formel_AnnD_A",
       QStringList{QString::fromUtf8("Berechnung der jährlich nachträglichen\nAnnuitätsrate:"),
                   "K0" + mal + "qn" + mal + "(q - 1)", "qn - 1"} +
           N3 + L4},
      {"Formel_AnnD_Kn",
       QStringList{QString::fromUtf8("Berechnung der Restschuld für\nAnnuitätenberechnung:"),
                   "Kn\t=\tK0" + mal + "qn - A \u00B7\t", "qn - 1", "q - 1"} +
           N3 + L4},
      {"Formel_MWST_netto",
       QStringList{"Berechnung des Nettobetrages", "brutto", "100 + MWSt in %", mal + "100"} + L5.mid(0, 2)},
      {"Formel_MWST_proz",
       QStringList{"Berechnung der Mehrwertsteuer in Prozent", "MWST in %\t=\t----", "(brutto - netto)" + mal + "100"} + L5},
      {"Formel_MWST_DM", QStringList{"Berechnung der Mehrwertsteuer in DM", "MWST in DM\t=\t----", "netto" + mal + "MWST in %"} + L5},
      {"Formel_MWST_brutto",
       QStringList{"Berechnung des Bruttobetrages", "brutto\t=\tnetto" + mal + "(1 + ---", "MWST in %"} + L5},
  };
}

class FormelFenster : public ::testing::Test {
 protected:
  TfmFormel fenster;
  QString Text() const { return fenster.RichEdit1()->document()->toPlainText(); }
};

TEST_F(FormelFenster, JedesDokumentZeigtUeberschriftFormelUndLegende) {
  for (const TDokumentFall& f : Dokumente()) {
    SCOPED_TRACE(f.name);
    ASSERT_TRUE(fenster.DokumentLaden(QString::fromLatin1(f.name)));
    const QString text = Text();
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("Formel für:\n"))) << text.left(40).toStdString();
    for (const QString& stueck : f.stuecke) EXPECT_TRUE(text.contains(stueck)) << stueck.toStdString();
    // MWST_netto explains only two symbols.
    if (QLatin1String(f.name) == QLatin1String("Formel_MWST_netto")) {
      EXPECT_FALSE(text.contains("brutto\t="));
    }
  }
}

TEST_F(FormelFenster, SchriftenDerDokumente) {
  ASSERT_TRUE(fenster.DokumentLaden(QStringLiteral("Formel_ZiZiR_EK")));
  QTextDocument* doc = fenster.RichEdit1()->document();
  auto format = [&](const QString& text, int versatz = 0) {
    QTextCursor c = doc->find(text);
    EXPECT_FALSE(c.isNull()) << text.toStdString();
    QTextCursor z(doc);
    z.setPosition(c.selectionStart() + versatz + 1);
    return z.charFormat();
  };
  const QTextCharFormat titel = format(QString::fromUtf8("Formel für:"));
  EXPECT_TRUE(titel.font().bold());
  EXPECT_TRUE(titel.fontUnderline());
  EXPECT_EQ(titel.fontFamilies().toStringList(), QStringList{"Times New Roman"});
  EXPECT_DOUBLE_EQ(titel.fontPointSize(), 12.0);
  const QTextCharFormat zeile = format(QStringLiteral("Berechnung des Endkapitals"));
  EXPECT_FALSE(zeile.fontUnderline());
  EXPECT_EQ(zeile.fontFamilies().toStringList(), QStringList{"Times New Roman"});

  // The formula: Courier New 12 pt, with the exponent n of q^n raised in 8 pt
  // and the index ne of Rne lowered in 8 pt.
  const QTextCharFormat formel = format(QStringLiteral("(q"));
  EXPECT_EQ(formel.fontFamilies().toStringList(), QStringList{"Courier New"});
  EXPECT_DOUBLE_EQ(formel.fontPointSize(), 12.0);
  const QTextCharFormat exponent = format(QStringLiteral("(qn"), 2);
  EXPECT_DOUBLE_EQ(exponent.fontPointSize(), 8.0);
  EXPECT_GT(exponent.baselineOffset(), 0.0);
  const QTextCharFormat index = format(QStringLiteral("Rne \u00B7"), 1);
  EXPECT_DOUBLE_EQ(index.fontPointSize(), 8.0);
  EXPECT_LT(index.baselineOffset(), 0.0);
}

TEST_F(FormelFenster, ProsaDokumente) {
  ASSERT_TRUE(fenster.DokumentLaden(QStringLiteral("Formel_Akt")));
  QString text = Text();
  EXPECT_FALSE(text.contains(QString::fromUtf8("Formel für:")));
  EXPECT_TRUE(text.startsWith("In der Kauf- bzw. Verkaufsabrechung\n"));
  EXPECT_TRUE(text.contains("Gewinnschwelle"));
  EXPECT_EQ(text.trimmed().split('\n').size(), 14);

  ASSERT_TRUE(fenster.DokumentLaden(QStringLiteral("Formel_Euro")));
  text = Text();
  const QStringList einleitung = {
      QString::fromUtf8("Die Währungen werden nach den offiziellen"),
      QString::fromUtf8("Umrechungskursen der Europäischen Union"),
      QString::fromUtf8("berechnet. Die einzelnen Währungen werden"),
      QString::fromUtf8("zuerst in Euro und anschließend von Euro"),
      QString::fromUtf8("in die jeweiligen Fremdwährungen umgerechnet."),
      QStringLiteral("1 EURO entspricht in:"),
  };
  for (const QString& z : einleitung) EXPECT_TRUE(text.contains(z + "\n")) << z.toStdString();
  const QStringList kurse = {
      "Belgien\t40,3399\tBEF (Belgische Franc)",
      "Deutschland\t1,95583\tDEM (Deutsche Mark)",
      "Finnland\t5,94573\tFIM (Finnische Mark)",
      QString::fromUtf8("Frankreich\t6,55957\tFRF (Französiche Franc)"),
      "Irland\t0,787564\tIEP (Irische Pfund)",
      "Italien\t1.936,27\tITL (Italienische Lira)",
      "Luxemburg\t40,3399\tLUF (Luxemburgische Franc)",
      QString::fromUtf8("Niederlande\t2,20371\tNLG (Holländische Gulden)"),
      QString::fromUtf8("Österreich\t13,7603\tATS (Österreichische Schilling)"),
      "Portugal\t200,482\tPTE (Portugisische Escudos)",
      "Spanien\t166,386\tESP (Spanische Peseta)",
  };
  // One line per country, in this order.
  EXPECT_TRUE(text.contains(kurse.join('\n'))) << text.toStdString();
}

TEST_F(FormelFenster, NameOhneRuecksichtAufGrossschreibung) {
  ASSERT_TRUE(fenster.DokumentLaden(QStringLiteral("FORMEL_ZIZIE_EK")));
  EXPECT_TRUE(Text().contains("Berechnung des Endkapital bei"));
  ASSERT_TRUE(fenster.DokumentLaden(QStringLiteral("formel_mwst_dm")));
  EXPECT_TRUE(Text().contains("Berechnung der Mehrwertsteuer in DM"));
  // The new document replaces the old one.
  EXPECT_FALSE(Text().contains("Endkapital"));

  EXPECT_FALSE(fenster.DokumentLaden(QStringLiteral("Formel_Gibtsnicht")));
  EXPECT_TRUE(Text().isEmpty());
  EXPECT_FALSE(fenster.DokumentLaden(QString()));
  EXPECT_TRUE(FormelDokument(QStringLiteral("Formel")).isEmpty());
}

TEST_F(FormelFenster, Aufbau) {
  EXPECT_EQ(fenster.objectName(), QStringLiteral("fmFormel"));
  EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Formel"));
  EXPECT_EQ(fenster.size(), QSize(445, 420));
  EXPECT_EQ(fenster.minimumSize(), fenster.maximumSize());
  QTextEdit* edit = fenster.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
  ASSERT_EQ(edit, fenster.RichEdit1());
  EXPECT_EQ(edit->size(), QSize(425, 361));
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_EQ(edit->lineWrapMode(), QTextEdit::NoWrap);
  auto* ok = fenster.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  EXPECT_NEAR(ok->geometry().center().x(), fenster.width() / 2, 1);
  EXPECT_GT(ok->y(), edit->geometry().bottom());

  const QImage kachel = fenster.Bitmap1().toImage();
  EXPECT_EQ(kachel.size(), QSize(100, 50));
  QSet<QRgb> farben;
  for (int y = 0; y < kachel.height(); ++y)
    for (int x = 0; x < kachel.width(); ++x) farben.insert(kachel.pixel(x, y) | 0xFF000000u);
  EXPECT_EQ(farben, (QSet<QRgb>{qRgb(192, 192, 192), qRgb(128, 128, 128)}));
}

TEST_F(FormelFenster, HintergrundIstGekachelt) {
  fenster.show();
  const QImage bild = fenster.grab().toImage();
  const QImage kachel = fenster.Bitmap1().toImage();
  // Points outside the viewer and the button, on every side, including the
  // partial tiles at the right and bottom edges.
  const QPoint punkte[] = {{0, 0}, {3, 200}, {440, 5}, {441, 300}, {20, 378}, {120, 415}, {300, 400}, {444, 419}};
  for (const QPoint& p : punkte) {
    SCOPED_TRACE(std::to_string(p.x()) + "," + std::to_string(p.y()));
    EXPECT_EQ(bild.pixel(p) | 0xFF000000u, kachel.pixel(p.x() % 100, p.y() % 50) | 0xFF000000u);
  }
  fenster.hide();
}

TEST_F(FormelFenster, LangeZeilenWerdenNichtUmbrochen) {
  ASSERT_TRUE(fenster.DokumentLaden(QStringLiteral("Formel_Euro")));
  fenster.show();
  QApplication::processEvents();
  const int bloecke = fenster.RichEdit1()->document()->blockCount();
  fenster.RichEdit1()->document()->firstBlock();
  QTextCursor c(fenster.RichEdit1()->document());
  c.movePosition(QTextCursor::End);
  c.insertText(QString(300, QLatin1Char('x')));
  QApplication::processEvents();
  EXPECT_EQ(fenster.RichEdit1()->document()->blockCount(), bloecke);
  EXPECT_EQ(fenster.RichEdit1()->document()->lastBlock().layout()->lineCount(), 1)
      << fenster.RichEdit1()->document()->lastBlock().text().toStdString();
  EXPECT_GT(fenster.RichEdit1()->horizontalScrollBar()->maximum(), 0);
  EXPECT_GT(fenster.RichEdit1()->verticalScrollBar()->maximum(), 0);
  fenster.hide();
}

TEST_F(FormelFenster, ZeigenIstModalUndOkSchliesst) {
  TDialogBeantworter beantworter;
  beantworter.AndereDialogeSchliessen = false;
  bool warModal = false;
  QString inhalt;
  QTimer::singleShot(50, &fenster, [&] {
    warModal = QApplication::activeModalWidget() == &fenster;
    inhalt = Text();
    fenster.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  });
  fenster.DokumentZeigen(QStringLiteral("Formel_AnnD_Kn"));
  EXPECT_TRUE(warModal);
  EXPECT_TRUE(inhalt.contains("Berechnung der Restschuld"));
  EXPECT_FALSE(fenster.isVisible());
  EXPECT_EQ(fenster.result(), QDialog::Accepted);
  EXPECT_TRUE(beantworter.Boxen.isEmpty());
}

TEST_F(FormelFenster, FehlendesDokumentMeldetSich) {
  TDialogBeantworter beantworter;
  fenster.DokumentZeigen(QStringLiteral("Formel_Info"));
  ASSERT_EQ(beantworter.Boxen.size(), 1);
  EXPECT_TRUE(beantworter.Boxen[0].Text.contains("Formel_Info"));
  EXPECT_EQ(beantworter.Boxen[0].Symbol, QMessageBox::Critical);
  EXPECT_EQ(beantworter.AndereDialoge, 0);  // the window itself did not open
}

}  // namespace
