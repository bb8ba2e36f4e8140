// Preview arithmetic, page selection and sending pages to a PDF printer.
#include <QImage>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTimer>

#include "PagePrntHilfe.h"
#include "common/Dialoghelfer.h"
#include "print/PgPrnPrg.h"

using TP = TPagePrinter;

namespace {

// A document of n pages, page i saying "Seite i".
void Dokument(TPagePrinter& pp, int n) {
  pp.BeginDoc();
  for (int i = 1; i <= n; ++i) {
    if (i > 1) pp.NewPage();
    pp.WriteLine(QStringLiteral("Seite %1").arg(i));
  }
  pp.EndDoc();
}

QString PdfText(const QString& pdf, const char* art) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QString::fromLatin1(art), pdf, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The page numbers a PDF shows, in order.
QList<int> Seitenfolge(const QString& pdf) {
  QStringList seiten = PdfText(pdf, "-layout").split(QChar(12));
  if (!seiten.isEmpty() && seiten.last().trimmed().isEmpty()) seiten.removeLast();
  QList<int> folge;
  for (const QString& s : seiten)
    folge << (s.trimmed().startsWith(QStringLiteral("Seite ")) ? s.trimmed().mid(6).toInt() : -1);
  return folge;
}

}  // namespace

class PreviewTest : public PagePrinterTest {
 protected:
  void SetUp() override {
    PagePrinterTest::SetUp();
    pp->resize(600, 500);
    pp->show();
    Warten(10);
  }
};

// Fitted to the width, the page fills the visible width to within one
// percent step; fitted whole, the tighter
// direction decides.
TEST_F(PreviewTest, ZoomToWidthAndToFit) {
  PdfDrucker(Pfad("x.pdf"), 600);
  pp->ZoomToWidth();
  const int s = pp->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, pp.get());
  const int frei = pp->viewport()->width() - s - 2 * (int(pp->ShadowOffset()) + 1);
  EXPECT_LE(pp->PreviewPageWidth(), frei);
  EXPECT_GE(pp->PreviewPageWidth(), frei - frei / 100 - 2);
  for (const auto& [ansicht, nachBreite] : {std::pair{QSize(900, 300), false}, {QSize(300, 900), true}}) {
    pp->resize(ansicht);
    Warten(5);
    pp->ZoomToWidth();
    const uint breite = pp->ZoomPercent();
    pp->ZoomToHeight();
    const uint hoehe = pp->ZoomPercent();
    pp->setZoomPercent(100);
    pp->ZoomToFit();
    EXPECT_EQ(pp->ZoomPercent(), nachBreite ? breite : hoehe) << ansicht.width();
  }
}

TEST_F(PreviewTest, ExtremeSizesNeitherCrashNorHang) {
  Dokument(*pp, 2);
  QImage bild(200, 200, QImage::Format_RGB32);
  for (auto [zoom, schatten] : {std::pair{0u, 5u}, {4000000000u, 5u}, {4000000000u, 4000000000u}}) {
    pp->setZoomPercent(zoom);
    pp->setShadowOffset(schatten);
    pp->PaintBox()->render(&bild, QPoint(), QRegion(0, 0, 200, 200));
  }
  pp->setShadowOffset(5);
  pp->resize(0, 0);
  Warten(5);
  pp->ZoomToFit();
  EXPECT_GE(pp->ZoomPercent(), 1u);
}

// Copies, collation and the page range decide the order of the pages sent;
// the cancel button stops before the next page. The printer's own copy count
// is restored.
TEST_F(PreviewTest, CopiesCollationAndCancel) {
  enum { ohne, knopf, knopfAbbruch, ohneKnopf };
  // clang-format off
  const struct { uint Kopien; bool Sortiert; int Von, Bis, Abbruch; bool Ergebnis; QList<int> Folge; } faelle[] = {
      {2, true, 0, 0, ohne, true, {1, 2, 3, 1, 2, 3}},
      {2, false, 0, 0, ohne, true, {1, 1, 2, 2, 3, 3}},
      {1, true, 2, 0, ohne, true, {2, 3}},
      {1, true, 7, 0, ohne, true, {3}},  // ToPage follows to 7, both cut to the page count
      {1, true, -2, -1, ohne, true, {1, 2, 3}},
      {2, true, 0, 0, knopf, false, {1, 2, 3, 1}},  // pressed during the second copy
      {2, true, 0, 0, knopfAbbruch, false, {}},  // no order to check
      // no events are processed while sending, so a pending cancel cannot stop the job
      {2, true, 0, 0, ohneKnopf, true, {1, 2, 3, 1, 2, 3}},
  };
  // clang-format on
  int nr = 0;
  for (const auto& f : faelle) {
    const QString pdf = Pfad(QStringLiteral("k%1.pdf").arg(++nr));
    PdfDrucker(pdf);
    Printer().setCopyCount(4);
    Dokument(*pp, 3);
    pp->setCopies(f.Kopien);
    pp->setCollate(f.Sortiert);
    pp->setToPage(f.Bis);
    pp->setFromPage(f.Von);
    pp->setShowCancel(f.Abbruch != ohneKnopf);
    pp->setAbortOnCancel(f.Abbruch == knopfAbbruch);
    QTimer finger;
    QObject::connect(&finger, &QTimer::timeout, [&] {
      TPPPrnPrgDlg* d = pp->ProgressDialog();
      if (f.Abbruch == ohneKnopf) pp->CancelPrinting();
      if (f.Abbruch != ohne && d && d->ProgBar()->value() >= 4) d->btnCancel()->click();
    });
    finger.start(0);
    EXPECT_EQ(pp->Print(), f.Ergebnis) << nr;
    EXPECT_EQ(Printer().copyCount(), 4);
    EXPECT_EQ(pp->ProgressDialog(), nullptr);
    EXPECT_EQ(f.Folge.isEmpty() ? f.Folge : Seitenfolge(pdf), f.Folge) << nr;
  }
}

TEST_F(PreviewTest, PagesRecordedWithoutPrinterLandOnThePdf) {
  // Recorded at the fallback 300 dpi, printed at 1200 dpi: same place on the paper.
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setMarginLeft(20);
  pp->setMarginTop(20);
  Dokument(*pp, 1);
  PdfDrucker(Pfad("spaet.pdf"), 1200);
  ASSERT_TRUE(pp->Print());
  const auto m = QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Seite</word>"))
                     .match(PdfText(Pfad("spaet.pdf"), "-bbox"));
  ASSERT_TRUE(m.hasMatch());
  const double mm = 25.4 / 72;  // PDF points
  EXPECT_NEAR(m.captured(1).toDouble() * mm, 20.0, 1.0);
  EXPECT_NEAR(m.captured(2).toDouble() * mm, 20.0, 2.0);
}
