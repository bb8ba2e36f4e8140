// Lines, table rows, headers, footers, page breaks and text output.
#include <QDate>
#include <QFile>
#include <QLocale>
#include <set>

#include "PagePrntHilfe.h"

using TP = TPagePrinter;

namespace {

// The texts of a page with their top-left corners.
struct TText {
  QString Text;
  QPoint Ort;
};
std::vector<TText> Texte(const TPage* seite) {
  std::vector<TText> t;
  for (const TPageCommand& c : seite->Commands())
    if (c.Kind == TPageCommand::ckText) t.push_back({c.Text, c.A});
  return t;
}
std::vector<TPageCommand> Linien(const TPage* seite) {
  std::vector<TPageCommand> l;
  for (const TPageCommand& c : seite->Commands())
    if (c.Kind == TPageCommand::ckLine) l.push_back(c);
  return l;
}

}  // namespace

TEST_F(PagePrinterTest, ExpandTabsAdvancesToTheNextStop) {
  const struct {
    uint Weite;
    QString Ein, Aus;
  } faelle[] = {
      {8, QStringLiteral("ab\tc"), QStringLiteral("ab      c")},
      {8, QStringLiteral("\tx"), QStringLiteral("        x")},
      {8, QStringLiteral("abcdefgh\ti"), QStringLiteral("abcdefgh        i")},
      {4, QStringLiteral("a\t\tb"), QStringLiteral("a       b")},
      {1, QStringLiteral("a\tb"), QStringLiteral("a b")},
      {0, QStringLiteral("a\t\tb"), QStringLiteral("a  b")},  // no division by zero: one blank each
  };
  for (const auto& f : faelle) {
    pp->setTabSize(f.Weite);
    EXPECT_EQ(pp->ExpandTabs(f.Ein), f.Aus) << f.Weite;
  }
}

TEST_F(PagePrinterTest, FitAndSplitBreakAtWords) {
  TPageCanvas& c = pp->Canvas();
  const QString text = QStringLiteral("alpha beta gamma");
  const struct {
    QString Passt;  // what fits exactly into the width
    bool BlankWeg;
    QString Zeile, Rest;
  } faelle[] = {
      {QStringLiteral("alpha beta g"), false, QStringLiteral("alpha beta "), QStringLiteral("gamma")},
      {QStringLiteral("alpha beta g"), true, QStringLiteral("alpha beta "), QStringLiteral("gamma")},
      {QStringLiteral("alpha beta"), true, QStringLiteral("alpha beta"), QStringLiteral("gamma")},
      {QStringLiteral("alpha beta"), false, QStringLiteral("alpha beta"), QStringLiteral(" gamma")},
      {QStringLiteral("alp"), true, QStringLiteral("alp"), QStringLiteral("ha beta gamma")},  // word broken
      {QStringLiteral(""), true, QStringLiteral("a"), QStringLiteral("lpha beta gamma")},     // never empty
      {text, true, text, QString()},
  };
  for (const auto& f : faelle) {
    QString rest = text;
    const QString zeile = pp->SplitToFit(rest, c.TextWidth(f.Passt), f.BlankWeg);
    EXPECT_EQ(zeile, f.Zeile) << f.Passt.toStdString();
    EXPECT_EQ(rest, f.Rest) << f.Passt.toStdString();
  }
  EXPECT_EQ(pp->FitText(QStringLiteral("W"), 1), QStringLiteral("W"));
  EXPECT_EQ(pp->FitText(QString(), -5), QString());
}

TEST_F(PagePrinterTest, WriteLineWrapsWordsOrCuts) {
  const int breite = pp->Canvas().TextWidth(QStringLiteral("alpha beta g"));
  TextArea(breite, 3000);
  pp->BeginDoc();
  pp->WriteLine(QStringLiteral("alpha beta gamma"));
  pp->setWordWrap(false);
  pp->WriteLine(QStringLiteral("alpha beta gamma"));
  pp->EndDoc();
  EXPECT_EQ(pp->Pages(1)->Texts(),
            QStringList({QStringLiteral("alpha beta "), QStringLiteral("gamma"), QStringLiteral("alpha beta g")}));
  const auto t = Texte(pp->Pages(1));
  EXPECT_EQ(t[1].Ort.y() - t[0].Ort.y(), pp->LineHeight());
}

TEST_F(PagePrinterTest, WriteContinuesInlineAndKeepsTheLastPieceOnItsLine) {
  const int breite = pp->Canvas().TextWidth(QStringLiteral("alpha beta"));
  TextArea(breite, 3000);
  pp->BeginDoc();
  pp->Write(QStringLiteral("alpha beta gamma"));
  const int y = pp->Y();
  pp->Write(QStringLiteral("!"));
  pp->EndDoc();
  EXPECT_EQ(pp->Pages(1)->Texts(),
            QStringList({QStringLiteral("alpha beta"), QStringLiteral(" gamma"), QStringLiteral("!")}));
  EXPECT_EQ(y, pp->LineHeight());  // one line advance, not two
  const auto t = Texte(pp->Pages(1));
  EXPECT_EQ(t[2].Ort.y(), t[1].Ort.y());
  EXPECT_GT(t[2].Ort.x(), t[1].Ort.x());
}

TEST_F(PagePrinterTest, AlignedLinesArePlacedInTheTextArea) {
  TextArea(1000, 3000);
  const int w = pp->Canvas().TextWidth(QStringLiteral("Titel"));
  pp->BeginDoc();
  pp->WriteLineAligned(TP::taCenter, QStringLiteral("Titel"));
  pp->WriteLineAligned(TP::taRightJustify, QStringLiteral("Titel"));
  pp->WriteLine(QStringLiteral("Titel"));
  pp->EndDoc();
  const auto t = Texte(pp->Pages(1));
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].Ort.x(), pp->LeftPx() + (1000 - w) / 2);
  EXPECT_EQ(t[1].Ort.x(), pp->LeftPx() + 1000 - w);
  EXPECT_EQ(t[2].Ort.x(), pp->LeftPx());
  EXPECT_EQ(pp->Alignment(), TP::taLeftJustify);
}

TEST_F(PagePrinterTest, TextAreaOfKLinesHoldsKMinusOne) {
  for (int k : {2, 3, 5}) {
    const int lh = pp->LineHeight();
    TextArea(2000, k * lh);
    int neueSeiten = 0, neueZeilen = 0;
    auto c1 = QObject::connect(pp.get(), &TP::OnNewPage, [&] { ++neueSeiten; });
    auto c2 = QObject::connect(pp.get(), &TP::OnNewLine, [&] { ++neueZeilen; });
    pp->BeginDoc();
    for (int i = 1; i < k; ++i) pp->WriteLine(QStringLiteral("Zeile %1").arg(i));
    EXPECT_EQ(pp->PageCount(), 2) << k;  // the advance after line k-1 opened page 2
    EXPECT_EQ(neueSeiten, 2) << k;
    // k-1 advances, plus one at the end of opening each page.
    EXPECT_EQ(neueZeilen, (k - 1) + 2) << k;
    pp->WriteLine(QStringLiteral("weiter"));
    pp->EndDoc();
    EXPECT_EQ(pp->Pages(1)->Texts().size(), k - 1) << k;
    EXPECT_EQ(pp->Pages(2)->Texts(), QStringList{QStringLiteral("weiter")});
    EXPECT_EQ(pp->PageNumber(), 1);
    QObject::disconnect(c1);
    QObject::disconnect(c2);
  }
}

TEST_F(PagePrinterTest, AlignmentSurvivesThePageBreak) {
  const int lh = pp->LineHeight();
  TextArea(1000, 3 * lh);
  pp->BeginDoc();
  pp->WriteLine(QStringLiteral("klein"));
  // A line of twice the height no longer fits below: the page breaks inside WriteLine.
  pp->setFont(QFont(QStringLiteral("Courier New"), 30));
  pp->WriteLineAligned(TP::taRightJustify, QStringLiteral("rechts"));
  pp->EndDoc();
  ASSERT_GE(pp->PageCount(), 2);
  const auto t = Texte(pp->Pages(2));
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].Ort.x(), pp->LeftPx() + 1000 - pp->Canvas().TextWidth(QStringLiteral("rechts")));
  EXPECT_EQ(t[0].Ort.y(), pp->TopPx());
}

TEST_F(PagePrinterTest, TableRowsFollowTheirColumns) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setMarginLeft(20);
  pp->setDefaultColWidth(30);
  const int inset = 6;  // 300 dpi
  const int links = pp->LeftPx();
  const int c30 = pp->UnitsToPixelsX(30), c40 = pp->UnitsToPixelsX(40), c50 = pp->UnitsToPixelsX(50);
  auto w = [&](const char* s) { return pp->Canvas().TextWidth(QString::fromUtf8(s)); };

  pp->BeginDoc();
  pp->setTableFormat(QStringLiteral("<40|>50|^"));
  pp->WriteTableLine(QStringLiteral("a|bb|ccc|überzählig"));
  pp->setTableFormat(QString());
  pp->WriteTableLine(QStringLiteral("eins|zwei"));
  pp->EndDoc();

  const auto t = Texte(pp->Pages(1));
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].Ort.x(), links + inset);
  EXPECT_EQ(t[1].Ort.x(), links + c40 + c50 - w("bb") - inset);
  EXPECT_EQ(t[2].Ort.x(), links + c40 + c50 + (c30 - w("ccc")) / 2);
  // An empty format is one left-aligned column of the default width.
  EXPECT_EQ(t[3].Text, QStringLiteral("eins"));
  EXPECT_EQ(t[3].Ort.y(), t[0].Ort.y() + pp->LineHeight());
}

TEST_F(PagePrinterTest, CellsWrapAndLineFeedsContinueTheRow) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setTableFormat(QStringLiteral("<30|<60"));
  pp->BeginDoc();
  pp->WriteTableLine(QStringLiteral("Vorgaben:|Zeile 1\nZeile 2"));
  const int nachZeile = pp->Y();
  pp->setWordWrap(false);
  pp->WriteTableLine(QStringLiteral("x|Zeile 1\nZeile 2"));
  pp->EndDoc();
  const auto t = Texte(pp->Pages(1));
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0].Text, QStringLiteral("Vorgaben:"));
  EXPECT_EQ(t[1].Text, QStringLiteral("Zeile 1"));
  EXPECT_EQ(t[2].Text, QString());  // the other cell is empty on the second line
  EXPECT_EQ(t[3].Text, QStringLiteral("Zeile 2"));
  EXPECT_EQ(t[3].Ort.y(), t[1].Ort.y() + pp->LineHeight());
  EXPECT_EQ(nachZeile, 2 * pp->LineHeight());
  // Without word wrap the line feed is an ordinary character.
  EXPECT_EQ(t[5].Text, QStringLiteral("Zeile 1\nZeile 2"));
}

TEST_F(PagePrinterTest, LineFeedCellsKeepTheirLinesExactly) {
  // Each line fits the column, all of them together do not: every line must
  // come out as it was given, without blanks added or lost.
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setTableFormat(QStringLiteral("<30|<30"));
  pp->BeginDoc();
  pp->WriteTableLine(QStringLiteral("Zinssatz:\nLaufzeit:\nEndkapital:|5 %\n2 Jahre, 6 Monate\n1.125,00 DM"));
  pp->EndDoc();
  const QStringList t = pp->Pages(1)->Texts();
  EXPECT_EQ(t, QStringList({QStringLiteral("Zinssatz:"), QStringLiteral("5 %"), QStringLiteral("Laufzeit:"),
                            QStringLiteral("2 Jahre, 6 "), QStringLiteral("Endkapital:"), QStringLiteral("Monate"),
                            QString(), QStringLiteral("1.125,00 DM")}))
      << t.join(QLatin1Char('/')).toStdString();
}

TEST_F(PagePrinterTest, LongCellsWrapInsideTheirColumn) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setTableFormat(QStringLiteral("<20|<20"));
  pp->BeginDoc();
  pp->WriteTableLine(QStringLiteral("kurz|eins zwei drei vier fünf"));
  pp->EndDoc();
  const QStringList texte = pp->Pages(1)->Texts();
  QString zusammen;
  for (int i = 1; i < texte.size(); i += 2) zusammen += texte[i];
  EXPECT_EQ(zusammen, QStringLiteral("eins zwei drei vier fünf"));
  EXPECT_GT(texte.size(), 4);
  for (int i = 1; i < texte.size(); i += 2)
    EXPECT_LE(pp->Canvas().TextWidth(texte[i]), pp->UnitsToPixelsX(20)) << texte[i].toStdString();
}

TEST_F(PagePrinterTest, GridDrawsCellEdgesExceptForNegativeWidths) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setTableFormat(QStringLiteral("<20|<-20|<20"));
  pp->setTableGrid(true);
  pp->BeginDoc();
  pp->WriteTableLine(QStringLiteral("a\nb|c|d"));  // two lines
  pp->EndDoc();
  const auto linien = Linien(pp->Pages(1));
  int waagrecht = 0;
  std::set<std::pair<int, int>> senkrecht;  // the closing edges repeat the last line's sides
  const int links = pp->LeftPx(), c = pp->UnitsToPixelsX(20);
  for (const TPageCommand& l : linien) {
    if (l.A.y() == l.B.y()) ++waagrecht;
    if (l.A.x() == l.B.x()) {
      senkrecht.insert({l.A.x(), l.A.y()});
      // No edge inside the middle column.
      EXPECT_FALSE(l.A.x() > links + c && l.A.x() < links + 2 * c) << l.A.x();
    }
    EXPECT_EQ(l.PenWidth, 2);
  }
  EXPECT_EQ(waagrecht, 4);   // top and bottom of two gridded columns
  EXPECT_EQ(senkrecht.size(), 8u);  // two edges, two columns, two lines
}

TEST_F(PagePrinterTest, NormalFormOfTableFormats) {
  pp->setDefaultColWidth(25);
  const struct {
    QString Ein, Aus;
  } faelle[] = {
      {QStringLiteral("|>40|^"), QStringLiteral("<25|>40|^25")},
      {QString(), QString()},
      {QStringLiteral("12,50"), QStringLiteral("<12,5")},
      {QStringLiteral(">-40"), QStringLiteral(">-40")},
      {QStringLiteral("<abc|^1.5"), QStringLiteral("<25|^25")},  // unreadable widths take the default
      {QStringLiteral(" 7 "), QStringLiteral("<7")},
      {QStringLiteral("<0,1234567890123456"), QStringLiteral("<0,123456789012346")},
  };
  for (const auto& f : faelle) {
    pp->setTableFormat(f.Ein);
    EXPECT_EQ(pp->TableFormat(), f.Aus) << f.Ein.toStdString();
  }
}

TEST_F(PagePrinterTest, FriendlyNotationBecomesRowAndFormat) {
  pp->setMeasureUnit(TP::muMillimeters);
  for (auto set : {&TP::setMarginLeft, &TP::setMarginRight}) (pp.get()->*set)(20.0);
  pp->setFileName(QStringLiteral("/home/anna/bericht.txt"));
  const QString heute = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
  const struct {
    QString Ein, Zeile, Format;
  } faelle[] = {
      {QStringLiteral("&cSeite &p"), QStringLiteral("Seite {$PAGE}"), QStringLiteral("^170")},
      {QStringLiteral("&lZinsbericht&r&d"), QStringLiteral("Zinsbericht|") + heute, QStringLiteral("<85|>85")},
      {QStringLiteral("Links&cMitte&rRechts"), QStringLiteral("Links|Mitte|Rechts"),
       QStringLiteral("<56,67|^56,67|>56,67")},
      {QStringLiteral("a&xb&&c"), QStringLiteral("a b&c"), QStringLiteral("<170")},
      {QStringLiteral("&f / &i"), QStringLiteral("bericht.txt / {$TITLE}"), QStringLiteral("<170")},
  };
  for (const auto& f : faelle) {
    pp->setFriendlyFooter(f.Ein);
    EXPECT_EQ(pp->Footer(), f.Zeile) << f.Ein.toStdString();
    EXPECT_EQ(pp->FooterFormat(), f.Format) << f.Ein.toStdString();
  }
  pp->setFileName(QString());
  pp->setFriendlyHeader(QStringLiteral("&f|"));
  EXPECT_EQ(pp->Header(), QStringLiteral(" |"));
}

TEST_F(PagePrinterTest, HeaderAndFooterSitInTheMarginBands) {
  pp->setMeasureUnit(TP::muMillimeters);
  for (auto set : {&TP::setMarginTop, &TP::setMarginBottom, &TP::setMarginLeft, &TP::setMarginRight})
    (pp.get()->*set)(20.0);
  pp->setFriendlyHeader(QStringLiteral("&cKopf"));
  pp->setFriendlyFooter(QStringLiteral("&cSeite &p"));
  const int lh = pp->LineHeight();
  pp->BeginDoc();
  for (int i = 0; i < 150; ++i) pp->WriteLine(QStringLiteral("{$LINE}"));
  pp->EndDoc();
  ASSERT_GE(pp->PageCount(), 2);

  const int oben = pp->UnitsToPixelsY(20);    // top margin band, from the paper's edge
  const int versatz = pp->UnitsToPixelsY(6);  // printable origin on the paper
  const int unten = pp->UnitsToPixelsY(20);
  for (int n = 1; n <= pp->PageCount(); ++n) {
    const auto t = Texte(pp->Pages(n));
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[0].Text, QStringLiteral("Kopf"));
    EXPECT_NEAR(t[0].Ort.y() + versatz, (oben - lh) / 2, 1) << n;
    EXPECT_EQ(t[1].Text, QStringLiteral("Seite %1").arg(n));
    const int textUnten = pp->TopPx() + pp->TextAreaHeightPx();
    EXPECT_EQ(t[1].Ort.y(), textUnten + (unten - lh) / 2) << n;
    // The body starts at the top of the text area; tokens are not expanded in plain lines.
    EXPECT_EQ(t[2].Ort.y(), pp->TopPx());
  }
  // Headers and footers do not move the write position or count lines.
  EXPECT_EQ(Texte(pp->Pages(1)).size(), 2u + static_cast<size_t>(pp->TextAreaHeightPx() / lh - 1));
}

TEST_F(PagePrinterTest, TokensAreExpandedPerPageAndLine) {
  pp->setMeasureUnit(TP::muMillimeters);
  const int lh = pp->LineHeight();
  TextArea(2000, 3 * lh);
  pp->setTableFormat(QStringLiteral("<100"));
  pp->setFooter(QStringLiteral("S. {$PAGE}, {$PAGE}"));
  pp->setFooterFormat(QStringLiteral("<5"));
  pp->BeginDoc();
  for (int i = 0; i < 6; ++i) pp->WriteTableLine(QStringLiteral("Zeile {$LINE} auf {$PAGE}"));
  pp->EndDoc();
  ASSERT_EQ(pp->PageCount(), 4);  // the advance after the last row opened page 4
  for (int n = 1; n <= 3; ++n) {
    const QStringList t = pp->Pages(n)->Texts();
    EXPECT_EQ(t.value(0), QStringLiteral("S. %1, %1").arg(n));
    EXPECT_EQ(t.value(1), QStringLiteral("Zeile 0 auf %1").arg(n));
    EXPECT_EQ(t.value(2), QStringLiteral("Zeile 1 auf %1").arg(n));
  }
}

TEST_F(PagePrinterTest, HeaderOfAHugeFontStartsAtThePageOrigin) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setMarginTop(8);
  pp->setAutoHeaderFont(false);
  pp->setHeaderFont(QFont(QStringLiteral("Arial"), 72));
  pp->setHeader(QStringLiteral("GROSS"));
  pp->setHeaderFormat(QStringLiteral("<100"));
  pp->BeginDoc();
  pp->WriteLine(QStringLiteral("Text"));
  pp->EndDoc();
  const auto t = Texte(pp->Pages(1));
  EXPECT_EQ(t[0].Ort.y(), 0);
  // The document font is back after the header.
  EXPECT_EQ(pp->font().pointSize(), 10);
  EXPECT_EQ(t[1].Ort.y(), pp->TopPx());
}

TEST_F(PagePrinterTest, PageBordersSurroundTheTextArea) {
  pp->setMeasureUnit(TP::muMillimeters);
  for (auto set : {&TP::setMarginTop, &TP::setMarginBottom, &TP::setMarginLeft, &TP::setMarginRight})
    (pp.get()->*set)(20.0);
  pp->setPageBorders(TP::pbTop | TP::pbLeft | TP::pbBottom | TP::pbRight);
  pp->setPageBorderOffset(2);
  pp->BeginDoc();
  pp->EndDoc();
  const auto l = Linien(pp->Pages(1));
  ASSERT_EQ(l.size(), 4u);
  const int o = pp->UnitsToPixelsY(2), links = pp->LeftPx(), oben = pp->TopPx();
  const int w = pp->TextAreaWidthPx(), h = pp->TextAreaHeightPx();
  EXPECT_EQ(l[0].A, QPoint(links - o, oben - o));
  EXPECT_EQ(l[0].B, QPoint(links + w + o, oben - o));
  EXPECT_EQ(l[1].A, QPoint(links - o, oben + h + o));
  EXPECT_EQ(l[2].B, QPoint(links - o, oben + h + o));
  EXPECT_EQ(l[3].A, QPoint(links + w + o, oben - o));
}

TEST_F(PagePrinterTest, TextOutputWritesPlainLines) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setPrintToFile(true);
  pp->setFileName(Pfad("bericht.txt"));
  pp->setHeader(QStringLiteral("Kopf"));
  pp->setHeaderFormat(QStringLiteral("<50"));
  pp->setFooter(QStringLiteral("Fuß {$PAGE}"));
  pp->setFooterFormat(QStringLiteral("<50"));
  pp->setTableFormat(QStringLiteral("<50|>30"));
  pp->setTabSize(4);
  pp->BeginDoc();
  EXPECT_TRUE(pp->IsPrinting());
  EXPECT_EQ(pp->PageCount(), 0);
  pp->WriteLine(QStringLiteral("Hallo\tWelt"));
  pp->WriteTableLine(QStringLiteral("links|rechts"));
  pp->NewPage();
  pp->WriteLineAligned(TP::taCenter, QStringLiteral("Mitte"));
  pp->EndDoc();
  EXPECT_FALSE(pp->IsPrinting());

  QFile f(Pfad("bericht.txt"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString inhalt = QString::fromUtf8(f.readAll());
  EXPECT_FALSE(inhalt.contains(QStringLiteral("\n\r\n")));  // exactly one line end per line
  const QStringList z = inhalt.split(QStringLiteral("\r\n"));
  ASSERT_EQ(z.size(), 9) << inhalt.toStdString();
  EXPECT_EQ(z[0].trimmed(), QStringLiteral("Kopf"));
  EXPECT_EQ(z[1].trimmed(), QStringLiteral("Fuß 1"));
  EXPECT_EQ(z[2], QStringLiteral("Hallo   Welt"));
  const int blank = pp->Canvas().TextWidth(QStringLiteral(" "));
  const int spalte = pp->UnitsToPixelsX(50) / blank;
  EXPECT_TRUE(z[3].startsWith(QStringLiteral("links")));
  EXPECT_NEAR(z[3].indexOf(QStringLiteral("rechts")), spalte + (pp->UnitsToPixelsX(30) - 6) / blank - 6, 1);
  EXPECT_EQ(z[4], QString(QChar(12)));
  EXPECT_EQ(z[5].trimmed(), QStringLiteral("Kopf"));
  EXPECT_EQ(z[6].trimmed(), QStringLiteral("Fuß 2"));
  EXPECT_EQ(z[7].trimmed(), QStringLiteral("Mitte"));
  EXPECT_GT(z[7].indexOf(QLatin1Char('M')), 10);
  EXPECT_EQ(z[8], QString());
}

TEST_F(PagePrinterTest, UnwritableTextFileFailsBeforeTheDocumentOpens) {
  pp->setPrintToFile(true);
  pp->setFileName(Pfad("fehlt/gibt/es/nicht.txt"));
  EXPECT_THROW(pp->BeginDoc(), EInOutError);
  EXPECT_FALSE(pp->IsPrinting());
  // The component is idle again: properties can change.
  EXPECT_NO_THROW(pp->setPrintToFile(false));
  EXPECT_NO_THROW(pp->setMarginTop(1));
  pp->setFileName(QString());
  pp->setPrintToFile(true);
  EXPECT_THROW(pp->BeginDoc(), EInOutError);
}

TEST_F(PagePrinterTest, ErrorInTheHeaderRestoresTheSettings) {
  pp->setHeader(QStringLiteral("Kopf\nzwei"));  // two lines: an advance inside the header
  pp->setTableFormat(QStringLiteral("<3"));
  pp->setTableGrid(true);
  bool erstesMal = true;
  QObject::connect(pp.get(), &TP::OnNewLine, [&] {
    if (erstesMal) {
      erstesMal = false;
      throw std::runtime_error("Abbruch");
    }
  });
  EXPECT_THROW(pp->BeginDoc(), std::runtime_error);
  EXPECT_EQ(pp->TableFormat(), QStringLiteral("<3"));
  EXPECT_TRUE(pp->TableGrid());
  EXPECT_TRUE(pp->AutoHeaderFont());
  pp->EndDoc();
}
