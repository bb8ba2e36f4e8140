// Units, page geometry, clamping and guards of the page printer.
#include <QPrinter>
#include <cmath>
#include <functional>

#include "PagePrntHilfe.h"

using TP = TPagePrinter;

TEST_F(PagePrinterTest, FallbackMetricsWithoutPrinter) {
  ASSERT_FALSE(PrinterReachable());
  struct Fall {
    TP::TMeasureUnit Einheit;
    double Breite, Hoehe, Versatz, DruckHoehe;
  };
  for (const Fall& f : {Fall{TP::muInches, 8.5, 11.0, 0.25, 10.5}, Fall{TP::muMillimeters, 210.0, 297.0, 6.0, 284.0}}) {
    pp->setMeasureUnit(f.Einheit);
    EXPECT_DOUBLE_EQ(pp->PaperWidth(), f.Breite);
    EXPECT_DOUBLE_EQ(pp->PaperHeight(), f.Hoehe);
    EXPECT_DOUBLE_EQ(pp->OffsetRight(), f.Versatz);
    EXPECT_DOUBLE_EQ(pp->PrintableHeight(), f.DruckHoehe);
  }
  EXPECT_EQ(pp->Title(), QStringLiteral("<Unknown>"));
  pp->setOrientation(TP::poLandscape);  // dropped, no error
  EXPECT_EQ(pp->Orientation(), TP::poPortrait);
  EXPECT_EQ(pp->UnitsToPixelsX(25.4), 300);
  EXPECT_NEAR(pp->PixelsToUnitsX(150), 12.7, 1e-12);
  EXPECT_EQ(pp->UnitsToPixelsX(std::nan("")), 0);
}

TEST_F(PagePrinterTest, PdfPrinterMetricsRoundHalvesToEven) {
  PdfDrucker(Pfad("x.pdf"), 256);  // 256 dpi: the halves below are exact
  ASSERT_TRUE(PrinterReachable());
  const struct {
    double Zoll;
    int Pixel;
  } faelle[] = {{0.5 / 256, 0}, {1.5 / 256, 2}, {2.5 / 256, 2}, {-2.5 / 256, -2}, {2.6 / 256, 3}};
  for (const auto& f : faelle) EXPECT_EQ(pp->UnitsToPixelsX(f.Zoll), f.Pixel) << f.Zoll * 256;
  EXPECT_NEAR(pp->PaperWidth(), Printer().paperRect(QPrinter::DevicePixel).width() / 256.0, 1e-9);
  pp->setOrientation(TP::poLandscape);
  EXPECT_GT(pp->PaperWidth(), pp->PaperHeight());
}

TEST_F(PagePrinterTest, MarginsAreClampedToThePaper) {
  pp->setMeasureUnit(TP::muMillimeters);
  const struct {
    void (TP::*Setzen)(double);
    double (TP::*Lesen)() const;
    double Wert, Ergebnis;
  } faelle[] = {
      {&TP::setMarginTop, &TP::MarginTop, 2, 6.0},         {&TP::setMarginTop, &TP::MarginTop, 400, 291.0},
      {&TP::setMarginLeft, &TP::MarginLeft, 500, 204.0},   {&TP::setMarginLeft, &TP::MarginLeft, -3, 6.0},
      {&TP::setMarginRight, &TP::MarginRight, 20, 20.0},   {&TP::setMarginBottom, &TP::MarginBottom, 1e300, 291.0},
      {&TP::setMarginBottom, &TP::MarginBottom, std::nan(""), 6.0},
  };
  for (const auto& f : faelle) {
    (pp.get()->*f.Setzen)(f.Wert);
    EXPECT_DOUBLE_EQ((pp.get()->*f.Lesen)(), f.Ergebnis) << f.Wert;
  }
}

// The printer is asked nothing before the first use; what was set until then
// ends as if set with the printer of that use there from the start.
TEST_F(PagePrinterTest, SettingsBeforeTheFirstUseMeetItsPrinter) {
  for (const QString& datei : {QString(), Pfad("x.pdf")}) {
    PdfDrucker(QString());
    TP frueh, spaet;
    const auto setzen = [](TP& p) {
      p.setMeasureUnit(TP::muMillimeters);
      p.setMarginTop(2);
      p.setMarginLeft(500);
    };
    setzen(frueh);
    PdfDrucker(datei);
    spaet.PaperWidth();  // asks the printer now
    setzen(spaet);
    SCOPED_TRACE(datei.toStdString());
    EXPECT_DOUBLE_EQ(frueh.MarginTop(), spaet.MarginTop());
    EXPECT_DOUBLE_EQ(frueh.MarginLeft(), spaet.MarginLeft());
    EXPECT_DOUBLE_EQ(frueh.MarginRight(), spaet.MarginRight());
    EXPECT_EQ(frueh.LineHeight(), spaet.LineHeight());
    EXPECT_EQ(frueh.HorzRange(), spaet.HorzRange());
  }
}

TEST_F(PagePrinterTest, GuardsRefuseChangesWhileADocumentIsOpen) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setMarginTop(20);
  pp->BeginDoc();
  const struct {
    std::function<void()> Aenderung;
    const char* Meldung;
  } faelle[] = {
      {[&] { pp->setOrientation(TP::poLandscape); }, "Unable to change orientation while printing"},
      {[&] { pp->setMarginTop(30); }, "Unable to change top margin while printing"},
      {[&] { pp->setMarginBottom(30); }, "Unable to change bottom margin while printing"},
      {[&] { pp->setMarginLeft(30); }, "Unable to change left margin while printing"},
      {[&] { pp->setMarginRight(30); }, "Unable to change right margin while printing"},
      {[&] { pp->setPrintToFile(true); }, "Can't change PrintToFile while printing"},
      {[&] { pp->setFileName(QStringLiteral("a.txt")); }, "Can't change FileName while printing"},
      // a unit change would have to convert the margins
      {[&] { pp->setMeasureUnit(TP::muInches); }, "Unable to change top margin while printing"},
  };
  for (const auto& f : faelle) {
    try {
      f.Aenderung();
      ADD_FAILURE() << "no error: " << f.Meldung;
    } catch (const EPagePrinter& e) {
      EXPECT_STREQ(e.what(), f.Meldung);
    }
  }
  EXPECT_DOUBLE_EQ(pp->MarginTop(), 20.0);
  EXPECT_EQ(pp->MeasureUnit(), TP::muMillimeters);
  EXPECT_NO_THROW(pp->setPrintToFile(false));  // the value it already has is no change
  pp->EndDoc();
  EXPECT_NO_THROW(pp->setMarginTop(30));
}

TEST_F(PagePrinterTest, SwitchingUnitsConvertsEveryLength) {
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setMarginTop(20.0);
  pp->setDefaultColWidth(50.8);
  pp->setTableFormat(QStringLiteral("<50,8|>25,4|^"));
  pp->setHeaderFormat(QStringLiteral("^127"));
  pp->setMeasureUnit(TP::muInches);
  EXPECT_NEAR(pp->MarginTop(), 20.0 / 25.4, 1e-12);
  EXPECT_DOUBLE_EQ(pp->DefaultColWidth(), 2.0);
  EXPECT_EQ(pp->TableFormat(), QStringLiteral("<2|>1|^2"));
  EXPECT_EQ(pp->HeaderFormat(), QStringLiteral("^5"));
  pp->setMeasureUnit(TP::muMillimeters);
  EXPECT_EQ(pp->TableFormat(), QStringLiteral("<50,8|>25,4|^50,8"));
}

TEST_F(PagePrinterTest, PageRangeAndCopies) {
  pp->setCopies(0);
  EXPECT_EQ(pp->Copies(), 1u);
  const struct {
    int Von, Bis, SetzeVon, SetzeBis, ErwVon, ErwBis;
  } seiten[] = {{5, 5, -1, 3, 3, 3}, {3, 3, 7, -1, 7, 7}, {1, 4, 2, -1, 2, 4},
                 // 0 is "last page": it neither lowers FromPage nor is raised by it
                 {2, 4, -1, 0, 2, 0}, {0, 0, 4, -1, 4, 0}};
  for (const auto& f : seiten) {
    pp->setToPage(f.Bis);
    pp->setFromPage(f.Von);
    if (f.SetzeVon >= 0) pp->setFromPage(f.SetzeVon);
    if (f.SetzeBis >= 0) pp->setToPage(f.SetzeBis);
    EXPECT_EQ(pp->FromPage(), f.ErwVon);
    EXPECT_EQ(pp->ToPage(), f.ErwBis);
  }
}

TEST_F(PagePrinterTest, LineHeightAndFontsFollowTheDocumentFont) {
  const struct {
    TP::TLineSpacing Abstand;
    int Hoehe;  // 10 pt at 300 dpi is 42 pixels (41.67 rounded)
  } abstaende[] = {{TP::lsHalfSpace, 21}, {TP::lsSingleAndAHalf, 63}, {TP::lsDoubleSpace, 84}, {TP::lsSingleSpace, 42}};
  for (const auto& a : abstaende) {
    pp->setLineSpacing(a.Abstand);
    EXPECT_EQ(pp->LineHeight(), a.Hoehe);
  }
  pp->setFont(QFont(QStringLiteral("Arial"), 15));
  EXPECT_EQ(pp->Canvas().FontHeight(), 63);  // 62.5 rounds up
  pp->setAutoFooterFont(false);
  pp->setFont(QFont(QStringLiteral("Times New Roman"), 12));
  EXPECT_EQ(pp->HeaderFont().family(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(pp->FooterFont().family(), QStringLiteral("Arial"));
  // A font given in screen pixels (as in forms) keeps whole points: 15 px at 96 dpi are 11 pt.
  QFont pixel(QStringLiteral("Courier New"));
  pixel.setPixelSize(15);
  pp->setFont(pixel);
  EXPECT_EQ(pp->Canvas().FontHeight(), 46);
}

TEST_F(PagePrinterTest, ReportFontsResolveToMetricTwins) {
  // The report is laid out for these faces; their substitutes must measure alike.
  for (const char* name : {"Times New Roman", "Arial", "Courier New"}) {
    QFont f(QString::fromLatin1(name), 12);
    pp->setFont(f);
    const QFontInfo info(pp->Canvas().Font());
    EXPECT_TRUE(info.family().startsWith(QStringLiteral("Liberation"))) << name << " -> " << info.family().toStdString();
  }
  pp->setFont(QFont(QStringLiteral("Courier New"), 10));
  // Monospaced: ten characters are ten times one.
  EXPECT_NEAR(pp->Canvas().TextWidth(QStringLiteral("MMMMMMMMMM")), 10 * pp->Canvas().TextWidth(QStringLiteral("M")), 5);
}
