// Properties, units, page geometry and guards of the page printer.
#include <QMetaEnum>
#include <QPrinter>
#include <cmath>
#include <functional>

#include "PagePrntHilfe.h"

using TP = TPagePrinter;

TEST_F(PagePrinterTest, StartsWithItsDeclaredValues) {
  EXPECT_EQ(pp->ZoomPercent(), 25u);
  EXPECT_EQ(pp->MeasureUnit(), TP::muInches);
  EXPECT_EQ(pp->TabSize(), 8u);
  EXPECT_EQ(pp->ShadowOffset(), 5u);
  EXPECT_EQ(pp->TokenSeparator(), QLatin1Char('|'));
  EXPECT_TRUE(pp->WordWrap() && pp->Collate() && pp->GradientBackground() && pp->ShowMargins());
  EXPECT_EQ(pp->font().family(), QStringLiteral("Courier New"));
  EXPECT_EQ(pp->font().pointSize(), 10);
  // Margins start at the printer's offsets.
  EXPECT_DOUBLE_EQ(pp->MarginTop(), 0.25);
  EXPECT_DOUBLE_EQ(pp->MarginRight(), 0.25);
  EXPECT_EQ(pp->PageCount(), 0);
  EXPECT_EQ(pp->PageNumber(), 0);
  // Reachable through the meta-object under the documented names.
  EXPECT_EQ(pp->property("TableFormat").toString(), QString());
  const QMetaEnum mu = QMetaEnum::fromType<TP::TMeasureUnit>();
  EXPECT_EQ(QString::fromLatin1(mu.valueToKey(TP::muMillimeters)), QStringLiteral("muMillimeters"));
  EXPECT_TRUE(pp->setProperty("MeasureUnit", QVariant::fromValue(TP::muMillimeters)));
  EXPECT_EQ(pp->MeasureUnit(), TP::muMillimeters);
}

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
    EXPECT_DOUBLE_EQ(pp->OffsetTop(), f.Versatz);
    EXPECT_DOUBLE_EQ(pp->OffsetRight(), f.Versatz);
    EXPECT_DOUBLE_EQ(pp->PrintableHeight(), f.DruckHoehe);
  }
  EXPECT_EQ(pp->Title(), QStringLiteral("<Unknown>"));
  EXPECT_EQ(pp->Orientation(), TP::poPortrait);
  pp->setOrientation(TP::poLandscape);  // dropped, no error
  EXPECT_EQ(pp->Orientation(), TP::poPortrait);
}

TEST_F(PagePrinterTest, UnitConversionsWithoutPrinter) {
  pp->setMeasureUnit(TP::muInches);
  EXPECT_EQ(pp->UnitsToPixelsX(1.0), 300);
  EXPECT_EQ(pp->UnitsToPixelsY(0.5), 150);
  EXPECT_DOUBLE_EQ(pp->PixelsToUnitsY(600), 2.0);
  pp->setMeasureUnit(TP::muMillimeters);
  EXPECT_NEAR(pp->PixelsToUnitsX(150), 12.7, 1e-12);
  EXPECT_EQ(pp->UnitsToPixelsX(25.4), 300);
  EXPECT_EQ(pp->UnitsToPixelsX(std::nan("")), 0);
}

TEST_F(PagePrinterTest, ConversionsRoundHalvesToEven) {
  PdfDrucker(Pfad("x.pdf"), 256);  // 256 dpi: the halves below are exact
  pp->setMeasureUnit(TP::muInches);
  const struct {
    double Zoll;
    int Pixel;
  } faelle[] = {{0.5 / 256, 0}, {1.5 / 256, 2}, {2.5 / 256, 2}, {3.5 / 256, 4}, {-2.5 / 256, -2}, {2.6 / 256, 3}};
  for (const auto& f : faelle) EXPECT_EQ(pp->UnitsToPixelsX(f.Zoll), f.Pixel) << f.Zoll * 256;
}

TEST_F(PagePrinterTest, PdfPrinterGivesItsOwnMetrics) {
  PdfDrucker(Pfad("x.pdf"), 1200);
  ASSERT_TRUE(PrinterReachable());
  pp->setMeasureUnit(TP::muMillimeters);
  const QRect papier = Printer().paperRect(QPrinter::DevicePixel).toRect();
  const QRect seite = Printer().pageRect(QPrinter::DevicePixel).toRect();
  EXPECT_NEAR(pp->PaperWidth(), papier.width() / 1200.0 * 25.4, 1e-9);
  EXPECT_NEAR(pp->OffsetTop(), seite.top() / 1200.0 * 25.4, 1e-9);
  EXPECT_EQ(pp->UnitsToPixelsX(25.4), 1200);
  pp->setTitle(QStringLiteral("Zinsbericht"));
  EXPECT_EQ(Printer().docName(), QStringLiteral("Zinsbericht"));
  pp->setOrientation(TP::poLandscape);
  EXPECT_EQ(pp->Orientation(), TP::poLandscape);
  EXPECT_GT(pp->PaperWidth(), pp->PaperHeight());
}

TEST_F(PagePrinterTest, MarginsAreClampedToThePaper) {
  pp->setMeasureUnit(TP::muMillimeters);
  const struct {
    void (TP::*Setzen)(double);
    double (TP::*Lesen)() const;
    double Wert, Ergebnis;
  } faelle[] = {
      {&TP::setMarginTop, &TP::MarginTop, 2, 6.0},       {&TP::setMarginTop, &TP::MarginTop, 6.0, 6.0},
      {&TP::setMarginTop, &TP::MarginTop, 400, 291.0},   {&TP::setMarginTop, &TP::MarginTop, 291.0, 291.0},
      {&TP::setMarginLeft, &TP::MarginLeft, 500, 204.0}, {&TP::setMarginLeft, &TP::MarginLeft, -3, 6.0},
      {&TP::setMarginRight, &TP::MarginRight, 20, 20.0}, {&TP::setMarginBottom, &TP::MarginBottom, 1e300, 291.0},
      {&TP::setMarginBottom, &TP::MarginBottom, std::nan(""), 6.0},
  };
  for (const auto& f : faelle) {
    (pp.get()->*f.Setzen)(f.Wert);
    EXPECT_DOUBLE_EQ((pp.get()->*f.Lesen)(), f.Ergebnis) << f.Wert;
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
  EXPECT_FALSE(pp->PrintToFile());
  // Setting a value it already has is no change.
  EXPECT_NO_THROW(pp->setPrintToFile(false));
  EXPECT_NO_THROW(pp->setFileName(QString()));
  pp->EndDoc();
  EXPECT_NO_THROW(pp->setMarginTop(30));
  EXPECT_DOUBLE_EQ(pp->MarginTop(), 30.0);
}

TEST_F(PagePrinterTest, SwitchingUnitsConvertsEveryLength) {
  pp->setMeasureUnit(TP::muMillimeters);
  for (auto set : {&TP::setMarginTop, &TP::setMarginBottom, &TP::setMarginLeft, &TP::setMarginRight})
    (pp.get()->*set)(20.0);
  pp->setDefaultColWidth(50.8);
  pp->setPageBorderOffset(25.4);
  pp->setTableFormat(QStringLiteral("<50,8|>25,4|^"));
  pp->setHeaderFormat(QStringLiteral("^127"));

  pp->setMeasureUnit(TP::muInches);
  EXPECT_NEAR(pp->MarginTop(), 20.0 / 25.4, 1e-12);
  EXPECT_NEAR(pp->MarginRight(), 20.0 / 25.4, 1e-12);
  EXPECT_DOUBLE_EQ(pp->DefaultColWidth(), 2.0);
  EXPECT_DOUBLE_EQ(pp->PageBorderOffset(), 1.0);
  EXPECT_EQ(pp->TableFormat(), QStringLiteral("<2|>1|^2"));
  EXPECT_EQ(pp->HeaderFormat(), QStringLiteral("^5"));

  pp->setMeasureUnit(TP::muMillimeters);
  EXPECT_NEAR(pp->MarginTop(), 20.0, 1e-12);
  EXPECT_EQ(pp->TableFormat(), QStringLiteral("<50,8|>25,4|^50,8"));
}

TEST_F(PagePrinterTest, SmallPropertyRules) {
  pp->setCopies(0);
  EXPECT_EQ(pp->Copies(), 1u);
  pp->setCopies(3);
  EXPECT_EQ(pp->Copies(), 3u);

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

  pp->setFileName(QStringLiteral("  /tmp/bericht.txt  "));
  EXPECT_EQ(pp->FileName(), QStringLiteral("/tmp/bericht.txt"));

  pp->setLines({QStringLiteral("a"), QStringLiteral("b")});
  EXPECT_EQ(pp->Lines().size(), 2);
  pp->setLines({});
  EXPECT_TRUE(pp->Lines().isEmpty());
}

TEST_F(PagePrinterTest, FontsFollowAndLineHeightUsesPrinterResolution) {
  // 10 pt at 300 dpi is 42 pixels high (41.67 rounded).
  EXPECT_EQ(pp->Canvas().FontHeight(), 42);
  EXPECT_EQ(pp->LineHeight(), 42);
  const struct {
    TP::TLineSpacing Abstand;
    int Hoehe;
  } abstaende[] = {{TP::lsHalfSpace, 21}, {TP::lsSingleAndAHalf, 63}, {TP::lsDoubleSpace, 84}, {TP::lsSingleSpace, 42}};
  for (const auto& a : abstaende) {
    pp->setLineSpacing(a.Abstand);
    EXPECT_EQ(pp->LineHeight(), a.Hoehe);
  }

  QFont arial(QStringLiteral("Arial"), 15);
  pp->setFont(arial);
  EXPECT_EQ(pp->Canvas().FontHeight(), 63);  // 62.5 rounds up
  EXPECT_EQ(pp->HeaderFont().family(), QStringLiteral("Arial"));
  pp->setAutoFooterFont(false);
  pp->setFont(QFont(QStringLiteral("Times New Roman"), 12));
  EXPECT_EQ(pp->HeaderFont().family(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(pp->FooterFont().family(), QStringLiteral("Arial"));
  pp->setAutoFooterFont(true);
  EXPECT_EQ(pp->FooterFont().family(), QStringLiteral("Times New Roman"));

  // A font given in screen pixels (as in forms) keeps whole points: 15 px at 96 dpi are 11 pt.
  QFont pixel(QStringLiteral("Courier New"));
  pixel.setPixelSize(15);
  pp->setFont(pixel);
  EXPECT_EQ(pp->Canvas().FontHeight(), 46);  // 11 pt at 300 dpi
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
