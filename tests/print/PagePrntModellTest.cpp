// Units, page geometry and line height of the page printer.
#include <QPrinter>
#include <cmath>
#include <tuple>

#include "PagePrntHilfe.h"

using TP = TPagePrinter;

// Without a printer: 300 dpi, letter paper with quarter-inch offsets, or A4
// with 6 mm ones in millimetres; no title, no orientation.
TEST_F(PagePrinterTest, FallbackMetricsWithoutPrinter) {
  ASSERT_FALSE(PrinterReachable());
  const auto masse = [&] {
    return std::tuple(pp->PaperWidth(), pp->PaperHeight(), pp->OffsetRight(), pp->PrintableHeight());
  };
  EXPECT_EQ(masse(), std::tuple(8.5, 11.0, 0.25, 10.5));
  pp->setMeasureUnit(TP::muMillimeters);
  EXPECT_EQ(masse(), std::tuple(210.0, 297.0, 6.0, 284.0));
  EXPECT_EQ(pp->Title(), QStringLiteral("<Unknown>"));
  pp->setOrientation(TP::poLandscape);  // dropped, no error
  EXPECT_EQ(pp->Orientation(), TP::poPortrait);
  EXPECT_EQ(pp->UnitsToPixelsX(std::nan("")), 0);
}

TEST_F(PagePrinterTest, PdfPrinterMetricsRoundHalvesToEven) {
  PdfDrucker(Pfad("x.pdf"), 256);  // 256 dpi: the halves below are exact
  ASSERT_TRUE(PrinterReachable());
  for (const auto& [zoll, pixel] :
       {std::pair{0.5 / 256, 0}, {1.5 / 256, 2}, {2.5 / 256, 2}, {-2.5 / 256, -2}, {2.6 / 256, 3}})
    EXPECT_EQ(pp->UnitsToPixelsX(zoll), pixel) << zoll * 256;
  EXPECT_NEAR(pp->PaperWidth(), Printer().paperRect(QPrinter::DevicePixel).width() / 256.0, 1e-9);
  pp->setOrientation(TP::poLandscape);
  EXPECT_GT(pp->PaperWidth(), pp->PaperHeight());
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
    const auto masse = [](TP& p) {
      return std::tuple(p.MarginTop(), p.MarginLeft(), p.MarginRight(), p.LineHeight(), p.HorzRange());
    };
    EXPECT_EQ(masse(frueh), masse(spaet)) << datei.toStdString();
  }
}

TEST_F(PagePrinterTest, LineHeightAndFontsFollowTheDocumentFont) {
  // 10 pt at 300 dpi is 42 pixels (41.67 rounded)
  for (const auto& [abstand, hoehe] :
       {std::pair{TP::lsHalfSpace, 21}, {TP::lsSingleAndAHalf, 63}, {TP::lsDoubleSpace, 84}, {TP::lsSingleSpace, 42}}) {
    pp->setLineSpacing(abstand);
    EXPECT_EQ(pp->LineHeight(), hoehe);
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
