// Lines, table rows, headers, footers, page breaks and text output.
#include <QFile>
#include <map>
#include <set>
#include <tuple>

#include "PagePrntHilfe.h"

using TP = TPagePrinter;

namespace {

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

}  // namespace

TEST_F(PagePrinterTest, ExpandTabsAdvancesToTheNextStop) {
  // clang-format off
  const struct { uint Weite; QString Ein, Aus; } faelle[] = {
      {8, QStringLiteral("ab\tc"), QStringLiteral("ab      c")},
      {8, QStringLiteral("abcdefgh\ti"), QStringLiteral("abcdefgh        i")},
      {4, QStringLiteral("a\t\tb"), QStringLiteral("a       b")},
      {0, QStringLiteral("a\t\tb"), QStringLiteral("a  b")},  // no division by zero: one blank each
  };
  // clang-format on
  for (const auto& f : faelle) {
    pp->setTabSize(f.Weite);
    EXPECT_EQ(pp->ExpandTabs(f.Ein), f.Aus) << f.Weite;
  }
}

TEST_F(PagePrinterTest, FitAndSplitBreakAtWords) {
  const QString text = QStringLiteral("alpha beta gamma");
  // clang-format off
  const struct { QString Passt; bool BlankWeg; QString Zeile, Rest; } faelle[] = {  // Passt: fits the width exactly
      {"alpha beta g", false, "alpha beta ", "gamma"},
      {"alpha beta", true, "alpha beta", "gamma"},
      {"alpha beta", false, "alpha beta", " gamma"},
      {"alp", true, "alp", "ha beta gamma"},  // word broken
      {"", true, "a", "lpha beta gamma"},     // never empty
      {text, true, text, QString()},
  };
  // clang-format on
  for (const auto& f : faelle) {
    QString rest = text;
    EXPECT_EQ(pp->SplitToFit(rest, pp->Canvas().TextWidth(f.Passt), f.BlankWeg), f.Zeile) << f.Passt.toStdString();
    EXPECT_EQ(rest, f.Rest) << f.Passt.toStdString();
  }
  EXPECT_EQ(pp->FitText(QString(), -5), QString());
}

// A wrapped line starts at its word; Write keeps its last piece on the line
// for the next Write.
TEST_F(PagePrinterTest, WriteLineWrapsOrCutsAndWriteStaysOnTheLine) {
  TextArea(pp->Canvas().TextWidth(QStringLiteral("alpha beta")), 3000);
  pp->BeginDoc();
  pp->WriteLine(QStringLiteral("alpha beta gamma"));
  pp->setWordWrap(false);
  pp->WriteLine(QStringLiteral("alpha beta gamma"));
  pp->setWordWrap(true);
  pp->Write(QStringLiteral("alpha beta gamma"));
  const int y = pp->Y();
  pp->Write(QStringLiteral("!"));
  pp->EndDoc();
  EXPECT_EQ(pp->Pages(1)->Texts(), QStringList({"alpha beta", "gamma", "alpha beta", "alpha beta", " gamma", "!"}));
  EXPECT_EQ(y, 4 * pp->LineHeight());
  const auto t = Texte(pp->Pages(1));
  EXPECT_EQ(t[5].Ort.y(), t[4].Ort.y());
  EXPECT_GT(t[5].Ort.x(), t[4].Ort.x());
}

// Aligned lines are placed in the text area.
TEST_F(PagePrinterTest, AlignedLinesArePlacedInTheTextArea) {
  TextArea(1000, 3 * pp->LineHeight());
  const int links = pp->LeftPx(), titel = pp->Canvas().TextWidth(QStringLiteral("Titel"));
  pp->BeginDoc();
  pp->WriteLineAligned(TP::taCenter, QStringLiteral("Titel"));
  pp->WriteLineAligned(TP::taRightJustify, QStringLiteral("Titel"));
  pp->EndDoc();
  const auto t = Texte(pp->Pages(1));
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].Ort.x(), links + (1000 - titel) / 2);
  EXPECT_EQ(t[1].Ort.x(), links + 1000 - titel);
}

TEST_F(PagePrinterTest, TableRowsFollowTheirColumns) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setMarginLeft(20);
  pp->setDefaultColWidth(30);
  const int inset = 6, links = pp->LeftPx();  // inset: 0.5 mm at 300 dpi
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
}

TEST_F(PagePrinterTest, CellsWrapAtLineFeedsAndWidths) {
  // clang-format off
  const struct { QString Format, Zeile; bool Umbruch; QStringList Texte; } faelle[] = {
      {"<30|<60", "Vorgaben:|Zeile 1\nZeile 2", true, {"Vorgaben:", "Zeile 1", "", "Zeile 2"}},
      // without word wrap the line feed is an ordinary character
      {"<30|<60", "x|Zeile 1\nZeile 2", false, {"x", "Zeile 1\nZeile 2"}},
      // every given line comes out as it was, without blanks added or lost, and a
      // wrapped line holds the other cells back: each label stays beside its value
      {"<30|<30", "Zinssatz:\nLaufzeit:\nEndkapital:|5 %\n2 Jahre, 6 Monate\n1.125,00 DM", true,
       {"Zinssatz:", "5 %", "Laufzeit:", "2 Jahre, 6 ", "", "Monate", "Endkapital:", "1.125,00 DM"}},
  };
  // clang-format on
  pp->setMeasureUnit(TP::muMillimeters);
  for (const auto& f : faelle) {
    pp->setTableFormat(f.Format);
    pp->setWordWrap(f.Umbruch);
    pp->BeginDoc();
    pp->WriteTableLine(f.Zeile);
    pp->EndDoc();
    EXPECT_EQ(pp->Pages(1)->Texts(), f.Texte) << f.Zeile.toStdString();
  }
}

// Grid cells are a line high at every line spacing and sit the font's
// external leading (scaled like the spacing) above the text.
TEST_F(PagePrinterTest, GridDrawsCellEdgesExceptForNegativeWidths) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setTableFormat(QStringLiteral("<20|<-20|<20"));
  pp->setTableGrid(true);
  pp->setFont(QFont(QStringLiteral("Times New Roman"), 30));  // a face with a leading
  const int e = pp->Canvas().ExternalLeading(), links = pp->LeftPx(), c = pp->UnitsToPixelsX(20);
  ASSERT_GT(e, 1);
  // clang-format off
  const std::pair<TP::TLineSpacing, int> abstaende[] = {
      {TP::lsHalfSpace, e / 2}, {TP::lsSingleSpace, e}, {TP::lsSingleAndAHalf, qRound(e * 1.5)},
      {TP::lsDoubleSpace, 2 * e}};
  // clang-format on
  for (const auto& [abstand, versatz] : abstaende) {
    pp->setLineSpacing(abstand);
    const int lh = pp->LineHeight(), oben = pp->TopPx() - versatz;
    pp->BeginDoc();
    pp->WriteTableLine(QStringLiteral("a\nb|c|d"));  // two lines
    pp->EndDoc();
    std::multiset<int> waagrecht;
    std::set<std::pair<int, int>> senkrecht;  // the closing edges repeat the last line's sides
    for (const TPageCommand& l : pp->Pages(1)->Commands()) {
      if (l.Kind != TPageCommand::ckLine) continue;
      if (l.A.y() == l.B.y()) waagrecht.insert(l.A.y());
      if (l.A.x() == l.B.x()) {
        senkrecht.insert({l.A.x(), l.A.y()});
        EXPECT_EQ(l.B.y() - l.A.y(), lh);
        EXPECT_FALSE(l.A.x() > links + c && l.A.x() < links + 2 * c) << l.A.x();  // none inside the middle column
      }
    }
    // top and bottom of two gridded columns; two edges, two columns, two lines
    EXPECT_EQ(waagrecht, std::multiset<int>({oben, oben, oben + 2 * lh, oben + 2 * lh})) << abstand;
    EXPECT_EQ(senkrecht.size(), 8u);
  }
}

TEST_F(PagePrinterTest, NormalFormOfTableFormats) {
  pp->setDefaultColWidth(25);
  // clang-format off
  const struct { QString Ein, Aus; } faelle[] = {
      {"|>40|^", "<25|>40|^25"},
      {"12,50", "<12,5"},
      {"<abc|^1.5", "<25|^25"},  // unreadable widths take the default
      {"<0,1234567890123456", "<0,123456789012346"},
  };
  // clang-format on
  for (const auto& f : faelle) {
    pp->setTableFormat(f.Ein);
    EXPECT_EQ(pp->TableFormat(), f.Aus) << f.Ein.toStdString();
  }
}

// The header and footer sit in the middle of their margin bands, or of the
// part outside a border line, which runs the offset outside the text area.
TEST_F(PagePrinterTest, HeadersFootersAndBordersShareTheMargins) {
  pp->setMeasureUnit(TP::muMillimeters);
  for (auto set : {&TP::setMarginTop, &TP::setMarginBottom, &TP::setMarginLeft, &TP::setMarginRight})
    (pp.get()->*set)(30.0);
  pp->setPageBorderOffset(5);
  pp->setTableFormat(QStringLiteral("<50"));
  pp->setFriendlyHeader(QStringLiteral("&cKopf"));
  pp->setFriendlyFooter(QStringLiteral("&cSeite &p"));
  const int lh = pp->LineHeight(), o = pp->UnitsToPixelsY(5), band = pp->UnitsToPixelsY(30);
  const int versatz = pp->UnitsToPixelsY(6);            // the printable area's origin on the paper
  const int l = pp->LeftPx() - o, t = pp->TopPx() - o;  // the border's corners
  const int r = l + pp->TextAreaWidthPx() + 2 * o, b = t + pp->TextAreaHeightPx() + 2 * o;
  using TLinie = std::tuple<int, int, int, int>;
  // clang-format off
  const std::map<TP::TPageBorder, TLinie> linien{
      {TP::pbTop, {l, t, r, t}}, {TP::pbBottom, {l, b, r, b}}, {TP::pbLeft, {l, t, l, b}}, {TP::pbRight, {r, t, r, b}}};
  // clang-format on
  for (const TP::TPageBorders raender : {TP::TPageBorders(), TP::pbTop | TP::pbLeft, TP::pbBottom | TP::pbRight,
                                         TP::pbTop | TP::pbBottom | TP::pbLeft | TP::pbRight}) {
    SCOPED_TRACE(int(raender));
    pp->setPageBorders(raender);
    pp->BeginDoc();
    for (int i = 0; i < 150; ++i) pp->WriteTableLine(QStringLiteral("{$LINE}/{$PAGE}"));
    pp->EndDoc();
    ASSERT_GE(pp->PageCount(), 2);
    const int kopf = raender & TP::pbTop ? band - o : band, fuss = raender & TP::pbBottom ? band - o : band;
    for (int n = 1; n <= pp->PageCount(); ++n) {
      const auto texte = Texte(pp->Pages(n));
      ASSERT_GE(texte.size(), 3u);
      EXPECT_NEAR(texte[0].Ort.y() + versatz, (kopf - lh) / 2, 1) << n;
      EXPECT_EQ(texte[1].Text, QStringLiteral("Seite %1").arg(n));
      EXPECT_EQ(texte[1].Ort.y(), pp->TopPx() + pp->TextAreaHeightPx() + band - fuss + (fuss - lh) / 2) << n;
      // Neither moves the write position nor counts as a line.
      EXPECT_EQ(texte[2].Ort.y(), pp->TopPx());
      EXPECT_EQ(texte[2].Text, QStringLiteral("0/%1").arg(n));
      std::set<TLinie> gezogen, erwartet;
      for (const TPageCommand& c : pp->Pages(n)->Commands())
        if (c.Kind == TPageCommand::ckLine) gezogen.insert({c.A.x(), c.A.y(), c.B.x(), c.B.y()});
      for (const auto& [art, linie] : linien)
        if (raender & art) erwartet.insert(linie);
      EXPECT_EQ(gezogen, erwartet) << n;
    }
  }
}

// Printing to a file writes plain lines: tabs expanded, columns padded with
// blanks, a form feed between pages. A file that cannot be opened fails
// before the document opens.
TEST_F(PagePrinterTest, TextOutputWritesPlainLines) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setPrintToFile(true);
  pp->setFileName(Pfad("fehlt/bericht.txt"));
  EXPECT_THROW(pp->BeginDoc(), EInOutError);
  EXPECT_FALSE(pp->IsPrinting());
  pp->setFileName(Pfad("bericht.txt"));
  pp->setFooter(QStringLiteral("Fuß {$PAGE}"));
  pp->setFooterFormat(QStringLiteral("<50"));
  pp->setTableFormat(QStringLiteral("<50|>30"));
  pp->setTabSize(4);
  pp->BeginDoc();
  pp->WriteLine(QStringLiteral("Hallo\tWelt"));
  pp->WriteTableLine(QStringLiteral("links|rechts"));
  pp->NewPage();
  pp->WriteLineAligned(TP::taCenter, QStringLiteral("Mitte"));
  pp->EndDoc();
  QFile f(Pfad("bericht.txt"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QStringList z = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
  ASSERT_EQ(z.size(), 7) << z.join(u'|').toStdString();
  const int blank = pp->Canvas().TextWidth(QStringLiteral(" "));
  EXPECT_NEAR(z[2].indexOf(QStringLiteral("rechts")), (pp->UnitsToPixelsX(80) - 6) / blank - 6, 1);
  EXPECT_GT(z[5].indexOf(QLatin1Char('M')), 10);
  EXPECT_EQ(z[1], QStringLiteral("Hallo   Welt"));
  EXPECT_EQ(z[3], QStringLiteral("\f"));
  for (QString& zeile : z) zeile = zeile.simplified();
  EXPECT_EQ(z, QStringList({"Fuß 1", "Hallo Welt", "links rechts", "", "Fuß 2", "Mitte", ""}));
}
