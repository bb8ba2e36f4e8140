// The formula window and its 24 documents, as the main window uses them.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextEdit>
#include <QTimer>

#include "common/Dialoghelfer.h"
#include "formula/uFormel.h"

namespace {

TEST(FormelRessource, JedeSeiteUndGesuchteGroesse) {
  const struct { const char* seite; int index; const char* name; } faelle[] = {
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
  for (const auto& f : faelle) {
    SCOPED_TRACE(std::string(f.seite) + " " + std::to_string(f.index));
    EXPECT_EQ(FormelRessource(QString::fromLatin1(f.seite), f.index).toStdString(), f.name);
  }
}

class FormelFenster : public ::testing::Test {
 protected:
  TfmFormel fenster;
  QString Text() const { return fenster.RichEdit1()->document()->toPlainText(); }
};

// Every document loads (names ignore case) with its heading, a piece of its formula and of its legend.
TEST_F(FormelFenster, JedesDokumentLaedt) {
  const QString mal = QStringLiteral(" \u00B7 ");
  const struct { const char* name; QStringList stuecke; } faelle[] = {
      {"Formel_eZi_AK", {"Anfangkaptials bei\neinfacher Zinsrechnung:", "1 + -------", "K\t= Anfangskapital"}},
      {"Formel_eZi_Zins", {"Zinssatz bei\neinfacher", "(Kn - K)" + mal + "100", "n\t= Laufzeit in Jahren"}},
      {"Formel_eZi_Lfz", {"Laufzeit bei\neinfacher", "K" + mal + "p", "Kn\t= Endkapital nach n Jahren"}},
      {"Formel_eZi_EK", {"Endkapitals bei\neinfacher", "Kn\t=\tK  +  ---", u"p\t= Zinssatz (z.B. 5,5 für 5,5%)"_qs}},
      {"Formel_ZiZiE_AK", {"Anfangskapital bei\nZinseszins mit Einmalzahlung", "(1 + ---)n", u"(z.B. 5,5 für 5,5 %)"_qs}},
      {"Formel_ZiZiE_Zins", {"Zinssatzes bei\nZinseszins", "-  100", u"\u239B"_qs, u"\u23A0"_qs}},
      {"Formel_ZiZiE_Lfz", {"Laufzeit bei\nZinseszins mit Einmalzahlung", "log(1 + ---)"}},
      {"FORMEL_ZIZIE_EK", {"Endkapital bei\nZinseszins mit Einmalzahlung", "Kn\t=\tK" + mal + "(1 + ---)n"}},
      {"Formel_ZiZiR_R", {u"Ratenhöhe bei\nZinseszins mit Ratenzahlung"_qs, "Kn" + mal + "(q - 1)",
                          "Das Ergebnis entspricht einer Jahresendrate.", "m\t= Anzahl Raten pro Jahr"}},
      {"Formel_ZiZiR_Lfz", {"Laufzeit bei\nZinseszins mit Ratenzahlung", "log q", "R \u00B7 (m  +"}},
      {"Formel_ZiZiR_EK", {"Endkapitals bei\nZinseszins mit Ratenzahlung", "Rne" + mal + "(qn - 1)",
                           u"Rne\t= äquivalente Jahresendrate"_qs}},
      {"Formel_BW_R", {u"Ratenhöhe für\nBarwert-/Rentenrechnung"_qs, "BW" + mal + "qn" + mal + "(q - 1)"}},
      {"Formel_BW_Lfz", {u"Laufzeit für\nBarwert-/Rentenrechnung"_qs, "Rne - BW" + mal + "(q - 1)"}},
      {"Formel_BW_BW", {u"Barwerts für\nBarwert-/Rentenrechnung"_qs, "BW\t=\tRne \u00B7\t",
                        "BW\t= Barwert (Einmalanlage)"}},
      {"Formel_AnnD_K0", {u"Darlehenshöhe für\nAnnuitätenberechnung:"_qs, "K0\t=\t",
                          u"nachträglich fällige Rate angesetzt."_qs}},
      {"Formel_AnnD_Lfz", {u"Laufzeit für\nAnnuitätenberechnung:"_qs, "A - K0" + mal + "(q - 1)"}},
      {"Formel_AnnD_A", {u"jährlich nachträglichen\nAnnuitätsrate:"_qs, "K0" + mal + "qn" + mal + "(q - 1)"}},
      {"Formel_AnnD_Kn", {u"Restschuld für\nAnnuitätenberechnung:"_qs, "Kn\t=\tK0" + mal + "qn - A \u00B7\t",
                          "Kn\t= Restschuld nach n Jahren"}},
      {"Formel_MWST_netto", {"Berechnung des Nettobetrages", "100 + MWSt in %", "netto\t= Nettobetrag"}},
      {"Formel_MWST_proz", {"Mehrwertsteuer in Prozent", "(brutto - netto)" + mal + "100"}},
      {"formel_mwst_dm", {"Mehrwertsteuer in DM", "netto" + mal + "MWST in %"}},
      {"Formel_MWST_brutto", {"Berechnung des Bruttobetrages", "brutto\t=\tnetto" + mal + "(1 + ---",
                              "brutto\t= Bruttobetrag (Netto + MWSt)"}},
      {"Formel_Akt", {"In der Kauf- bzw. Verkaufsabrechung\n", "Gewinnschwelle"}},
      // One line per country, in this order.
      {"Formel_Euro", {"1 EURO entspricht in:\n", "Belgien\t40,3399\tBEF (Belgische Franc)\n"
                       "Deutschland\t1,95583\tDEM (Deutsche Mark)\nFinnland\t5,94573\tFIM (Finnische Mark)\n",
                       u"Österreich\t13,7603\tATS (Österreichische Schilling)\nPortugal\t200,482\t"_qs}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    ASSERT_TRUE(fenster.DokumentLaden(QString::fromLatin1(f.name)));
    const QString text = Text();
    EXPECT_EQ(text.startsWith(u"Formel für:\n"_qs), !QByteArray(f.name).startsWith("Formel_Akt") &&
                                                       !QByteArray(f.name).startsWith("Formel_Euro"));
    for (const QString& stueck : f.stuecke) EXPECT_TRUE(text.contains(stueck)) << stueck.toStdString();
  }
  // MWST_netto explains only two symbols.
  ASSERT_TRUE(fenster.DokumentLaden(QStringLiteral("Formel_MWST_netto")));
  EXPECT_FALSE(Text().contains("brutto\t="));
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
  const QTextCharFormat titel = format(u"Formel für:"_qs);
  EXPECT_TRUE(titel.font().bold());
  EXPECT_TRUE(titel.fontUnderline());
  EXPECT_FALSE(format(QStringLiteral("Berechnung des Endkapitals")).fontUnderline());
  // The formula: Courier New 12 pt, the exponent n of q^n raised and the index ne of Rne lowered in 8 pt.
  EXPECT_EQ(format(QStringLiteral("(q")).fontFamilies().toStringList(), QStringList{"Courier New"});
  EXPECT_DOUBLE_EQ(format(QStringLiteral("(qn"), 2).fontPointSize(), 8.0);
  EXPECT_GT(format(QStringLiteral("(qn"), 2).baselineOffset(), 0.0);
  EXPECT_LT(format(QStringLiteral("Rne \u00B7"), 1).baselineOffset(), 0.0);
}

// Every fraction bar (three or more "-") spans each piece of text that stands
// over or under it, as the documents are laid out on the screen.
TEST_F(FormelFenster, BruchstricheUeberspannenZaehlerUndNenner) {
  QStringList namen{FormelRessource(QStringLiteral("Akt"), 0), FormelRessource(QStringLiteral("Euro"), 0)};
  for (const char* seite : {"eZi", "ZiZiE", "ZiZiR", "BW", "AnnD", "MWST"})
    for (int i = 0; !FormelRessource(QString::fromLatin1(seite), i).isEmpty(); ++i)
      namen << FormelRessource(QString::fromLatin1(seite), i);
  ASSERT_EQ(namen.size(), 24);
  // Pieces of a line: runs of text between tabs or wider gaps, with their x range.
  const auto stuecke = [](const QTextBlock& zeile, const QRegularExpression& muster) {
    QList<std::pair<qreal, qreal>> ergebnis;
    if (!zeile.isValid() || !zeile.layout() || zeile.layout()->lineCount() == 0) return ergebnis;
    const QTextLine l = zeile.layout()->lineAt(0);
    for (const auto& m : muster.globalMatch(zeile.text()))
      ergebnis.append({l.cursorToX(m.capturedStart()), l.cursorToX(m.capturedEnd())});
    return ergebnis;
  };
  const QRegularExpression strich(QStringLiteral("-{3,}")), text(QStringLiteral("[^\t ]+( [^\t ]+)*"));
  int striche = 0;
  for (const QString& name : namen) {
    ASSERT_TRUE(fenster.DokumentLaden(name));
    QTextDocument* doc = fenster.RichEdit1()->document();
    doc->documentLayout()->documentSize();  // lays out every line
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
      for (const auto& [links, rechts] : stuecke(b, strich)) {
        ++striche;
        for (const QTextBlock& nachbar : {b.previous(), b.next()})
          for (const auto& [l, r] : stuecke(nachbar, text))
            if (l < rechts && r > links)
              EXPECT_TRUE(l >= links - 0.5 && r <= rechts + 0.5)
                  << name.toStdString() << ": \"" << nachbar.text().toStdString() << "\" neben \""
                  << b.text().toStdString() << "\"";
      }
    }
  }
  EXPECT_GE(striche, 30);
}

TEST_F(FormelFenster, HintergrundIstGekachelt) {
  fenster.show();
  const QImage bild = fenster.grab().toImage();
  const QImage kachel = fenster.Bitmap1().toImage();
  ASSERT_EQ(kachel.size(), QSize(100, 50));
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
  QTextCursor c(fenster.RichEdit1()->document());
  c.movePosition(QTextCursor::End);
  c.insertText(QString(300, QLatin1Char('x')));
  QApplication::processEvents();
  EXPECT_EQ(fenster.RichEdit1()->document()->blockCount(), bloecke);
  EXPECT_EQ(fenster.RichEdit1()->document()->lastBlock().layout()->lineCount(), 1);
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
  ASSERT_TRUE(fenster.DokumentLaden(QStringLiteral("Formel_Euro")));
  EXPECT_FALSE(fenster.DokumentLaden(QStringLiteral("Formel_Gibtsnicht")));
  EXPECT_TRUE(Text().isEmpty());
  EXPECT_FALSE(fenster.DokumentLaden(QString()));
  EXPECT_TRUE(FormelDokument(QStringLiteral("Formel")).isEmpty());
  TDialogBeantworter beantworter;
  fenster.DokumentZeigen(QStringLiteral("Formel_Info"));
  ASSERT_EQ(beantworter.Boxen.size(), 1);
  EXPECT_TRUE(beantworter.Boxen[0].Text.contains("Formel_Info"));
  EXPECT_EQ(beantworter.Boxen[0].Symbol, QMessageBox::Critical);
  EXPECT_EQ(beantworter.AndereDialoge, 0);  // the window itself did not open
}

}  // namespace
