// Preview arithmetic, page selection and sending pages to a PDF printer.
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "Dialoghelfer.h"
#include "PagePrntHilfe.h"
#include "PgPrnPrg.h"

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

// The page numbers a PDF shows, in order.
QList<int> Seitenfolge(const QString& pdf) {
  QList<int> folge;
  for (const QString& s : PdfSeiten(pdf)) {
    const QString t = s.trimmed();
    folge << (t.startsWith(QStringLiteral("Seite ")) ? t.mid(6).toInt() : -1);
  }
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
  int Bildschirm() const { return pp->PaintBox()->logicalDpiX(); }
};

TEST_F(PreviewTest, ZoomScalesThePageAndTheScrollRange) {
  const int dpi = Bildschirm();
  const struct {
    TP::TMeasureUnit Einheit;
    uint Zoom, Schatten;
    double Breite, Hoehe;  // paper in inches
  } faelle[] = {
      {TP::muInches, 100, 5, 8.5, 11.0},
      {TP::muInches, 50, 5, 8.5, 11.0},
      {TP::muMillimeters, 100, 0, 210 / 25.4, 297 / 25.4},
      {TP::muMillimeters, 250, 3, 210 / 25.4, 297 / 25.4},
  };
  for (const auto& f : faelle) {
    pp->setMeasureUnit(f.Einheit);
    pp->setShadowOffset(f.Schatten);
    pp->setZoomPercent(f.Zoom);
    const int w = qRound(std::round(f.Breite * dpi) * f.Zoom / 100.0);
    EXPECT_NEAR(pp->PreviewPageWidth(), w, 1) << f.Zoom;
    EXPECT_NEAR(pp->PreviewPageHeight(), qRound(std::round(f.Hoehe * dpi) * f.Zoom / 100.0), 1) << f.Zoom;
    EXPECT_EQ(pp->HorzRange(), pp->PreviewPageWidth() + 2 * (int(f.Schatten) + 1));
    EXPECT_EQ(pp->VertRange(), pp->PreviewPageHeight() + 2 * (int(f.Schatten) + 1));
    EXPECT_EQ(pp->PaintBox()->width(), std::max(pp->viewport()->width(), pp->HorzRange()));
  }
}

TEST_F(PreviewTest, PdfPrinterPageShownAtTrueSize) {
  PdfDrucker(Pfad("x.pdf"), 1200);
  pp->setZoomPercent(100);
  const double zoll = Printer().paperRect(QPrinter::DevicePixel).width() / 1200.0;
  EXPECT_NEAR(pp->PreviewPageWidth(), zoll * Bildschirm(), 1);
  EXPECT_DOUBLE_EQ(pp->PrinterToScreenRatio(TP::dirHorizontal), 1200.0 / Bildschirm());
}

TEST_F(PreviewTest, ZoomToWidthFillsTheVisibleWidth) {
  for (bool pdf : {false, true}) {
    if (pdf) PdfDrucker(Pfad("x.pdf"), 600);
    pp->ZoomToWidth();
    const int s = pp->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, pp.get());
    const int frei = pp->viewport()->width() - s - 2 * (int(pp->ShadowOffset()) + 1);
    EXPECT_LE(pp->PreviewPageWidth(), frei) << pdf;
    EXPECT_GE(pp->PreviewPageWidth(), frei - frei / 100 - 2) << pdf;  // within one percent step
  }
}

TEST_F(PreviewTest, ZoomToFitPicksTheLimitingDirection) {
  const struct {
    QSize Ansicht;
    bool NachBreite;
  } faelle[] = {{QSize(900, 300), false}, {QSize(300, 900), true}};
  for (const auto& f : faelle) {
    pp->resize(f.Ansicht);
    Warten(5);
    pp->ZoomToWidth();
    const uint breite = pp->ZoomPercent();
    pp->ZoomToHeight();
    const uint hoehe = pp->ZoomPercent();
    pp->setZoomPercent(100);
    pp->ZoomToFit();
    EXPECT_EQ(pp->ZoomPercent(), f.NachBreite ? breite : hoehe) << f.Ansicht.width();
    EXPECT_EQ(pp->ZoomPercent(), std::min(breite, hoehe));
  }
}

TEST_F(PreviewTest, ZoomLocationScrollsToTheChosenPlace) {
  pp->setZoomLocation(TP::zlCenter);
  pp->setZoomPercent(300);
  EXPECT_EQ(pp->horizontalScrollBar()->value(), (pp->HorzRange() - pp->viewport()->width()) / 2);
  EXPECT_EQ(pp->verticalScrollBar()->value(), (pp->VertRange() - pp->viewport()->height()) / 2);
  pp->setZoomLocation(TP::zlTopCenter);
  pp->setZoomPercent(310);
  EXPECT_EQ(pp->horizontalScrollBar()->value(), (pp->HorzRange() - pp->viewport()->width()) / 2);
  EXPECT_EQ(pp->verticalScrollBar()->value(), 0);
  pp->setZoomLocation(TP::zlTopLeft);
  pp->setZoomPercent(320);
  EXPECT_EQ(pp->horizontalScrollBar()->value(), 0);
  EXPECT_EQ(pp->horizontalScrollBar()->singleStep(), 16);
}

TEST_F(PreviewTest, ExtremeSizesNeitherCrashNorHang) {
  Dokument(*pp, 2);
  QImage bild(200, 200, QImage::Format_RGB32);
  for (uint zoom : {0u, 1u, 100000u, 4000000000u}) {
    pp->setZoomPercent(zoom);
    pp->PaintBox()->render(&bild, QPoint(), QRegion(0, 0, 200, 200));
  }
  pp->setShadowOffset(4000000000u);
  pp->PaintBox()->render(&bild, QPoint(), QRegion(0, 0, 200, 200));
  pp->setShadowOffset(5);
  pp->resize(0, 0);
  Warten(5);
  pp->ZoomToWidth();
  pp->ZoomToHeight();
  pp->ZoomToFit();
  EXPECT_GE(pp->ZoomPercent(), 1u);
}

TEST_F(PreviewTest, PreviewPaintsPageShadowMarginsAndText) {
  pp->setMeasureUnit(TP::muMillimeters);
  for (auto set : {&TP::setMarginTop, &TP::setMarginBottom, &TP::setMarginLeft, &TP::setMarginRight})
    (pp.get()->*set)(20.0);
  pp->setGradientBackground(false);
  pp->setColor(Qt::black);
  pp->setFont(QFont(QStringLiteral("Arial"), 40));
  pp->BeginDoc();
  pp->WriteLine(QStringLiteral("XXXXXXXX"));
  pp->EndDoc();
  pp->setZoomPercent(50);
  const QImage bild = pp->PaintBox()->grab().toImage();
  const int w = pp->PreviewPageWidth(), h = pp->PreviewPageHeight();
  const int x0 = (pp->PaintBox()->width() - w) / 2, y0 = (pp->PaintBox()->height() - h) / 2;
  EXPECT_EQ(bild.pixelColor(2, 2), QColor(Qt::black));                          // background
  EXPECT_EQ(bild.pixelColor(x0 + w / 2, y0 + h - 5), QColor(Qt::white));         // page
  EXPECT_EQ(bild.pixel(x0 + w + 2, y0 + h / 2), pp->ShadowColor().rgb());         // shadow
  const int mx = x0 + pp->UnitsToPreviewPixels(TP::dirHorizontal, 20);
  int silber = 0;
  for (int y = y0 + h / 3; y < y0 + h / 2; ++y) silber += bild.pixelColor(mx, y) == QColor(192, 192, 192);
  EXPECT_GT(silber, 5);  // dotted margin line
  int dunkel = 0;
  const int ty = y0 + pp->UnitsToPreviewPixels(TP::dirVertical, 20);
  for (int y = ty; y < ty + 15; ++y)
    for (int x = mx; x < mx + 150; ++x) dunkel += qGray(bild.pixel(x, y)) < 100;
  EXPECT_GT(dunkel, 50);  // the recorded text shows

  pp->setShowMargins(false);
  pp->setShadowOffset(0);
  const QImage ohne = pp->PaintBox()->grab().toImage();
  EXPECT_NE(ohne.pixelColor(mx, y0 + h / 2 - 1), QColor(192, 192, 192));
}

TEST_F(PreviewTest, PageNumberMustNameARecordedPage) {
  pp->setPageNumber(5);  // no pages: silently 0
  EXPECT_EQ(pp->PageNumber(), 0);
  Dokument(*pp, 3);
  EXPECT_EQ(pp->PageNumber(), 1);
  pp->setPageNumber(3);
  for (int falsch : {0, 4, -1}) {
    try {
      pp->setPageNumber(falsch);
      ADD_FAILURE() << falsch;
    } catch (const EPagePrinter& e) {
      EXPECT_STREQ(e.what(), "PageNumber must be between 1 and 3");
    }
    EXPECT_EQ(pp->PageNumber(), 3);
  }
}

TEST_F(PreviewTest, CopiesAndCollationDecidePageOrder) {
  const struct {
    uint Kopien;
    bool Sortiert;
    int Von, Bis;
    QList<int> Folge;
    int Maximum;
  } faelle[] = {
      {2, true, 0, 0, {1, 2, 3, 1, 2, 3}, 6},
      {2, false, 0, 0, {1, 1, 2, 2, 3, 3}, 6},
      {1, true, 2, 0, {2, 3}, 2},
      {1, true, 0, 2, {1, 2}, 2},
      {3, false, 3, 3, {3, 3, 3}, 3},
      {1, true, 7, 0, {3}, 1},  // ToPage follows to 7, both cut to the page count
      {1, true, -2, -1, {1, 2, 3}, 3},
  };
  int nr = 0;
  for (const auto& f : faelle) {
    const QString pdf = Pfad(QStringLiteral("k%1.pdf").arg(++nr));
    PdfDrucker(pdf);
    Printer().setCopyCount(4);
    auto drucker = std::make_unique<TPagePrinter>();
    Dokument(*drucker, 3);
    drucker->setCopies(f.Kopien);
    drucker->setCollate(f.Sortiert);
    drucker->setToPage(f.Bis);
    drucker->setFromPage(f.Von);
    int maximum = -1;
    QTimer beobachter;
    QObject::connect(&beobachter, &QTimer::timeout, [&] {
      if (drucker->ProgressDialog()) maximum = drucker->ProgressDialog()->ProgBar()->maximum();
    });
    beobachter.start(0);
    EXPECT_TRUE(drucker->Print());
    beobachter.stop();
    EXPECT_EQ(Seitenfolge(pdf), f.Folge) << nr;
    if (f.Folge.size() > 1) {
      EXPECT_EQ(maximum, f.Maximum) << nr;
    }
    EXPECT_EQ(drucker->ProgressDialog(), nullptr);
    EXPECT_EQ(Printer().copyCount(), 4);  // restored
    EXPECT_EQ(drucker->PageCount(), 3);   // the pages stay for the next print
  }
}

TEST_F(PreviewTest, ProgressTextsNameThePageAndCopies) {
  const struct {
    uint Kopien;
    int Von;
    QStringList Texte;
  } faelle[] = {
      {1, 0, {QStringLiteral("Page 1 of 3"), QStringLiteral("Page 2 of 3")}},
      {3, 0, {QStringLiteral("Page 1 of 3 x 3 Copies"), QStringLiteral("Page 2 of 3 x 3 Copies")}},
      {1, 2, {QStringLiteral("Page 2")}},
  };
  for (const auto& f : faelle) {
    PdfDrucker(Pfad("p.pdf"));
    Dokument(*pp, 3);
    pp->setTitle(QStringLiteral("Bericht"));
    pp->setCopies(f.Kopien);
    pp->setFromPage(f.Von);
    // Seen between pages, so the last page's text is not among them.
    QStringList gesehen;
    QString titel, status;
    QTimer beobachter;
    QObject::connect(&beobachter, &QTimer::timeout, [&] {
      if (TPPPrnPrgDlg* d = pp->ProgressDialog()) {
        if (gesehen.isEmpty() || gesehen.last() != d->lblPageNumber()->text()) gesehen << d->lblPageNumber()->text();
        titel = d->windowTitle();
        status = d->lblStatus()->text();
      }
    });
    beobachter.start(0);
    pp->Print();
    for (const QString& t : f.Texte) EXPECT_TRUE(gesehen.contains(t)) << t.toStdString();
    EXPECT_EQ(titel, QStringLiteral("Bericht"));
    EXPECT_EQ(status, QStringLiteral("Sending Pages To Printer"));
    pp->setFromPage(0);
    pp->setToPage(0);
  }
}

TEST_F(PreviewTest, CancelStopsBeforeTheNextPage) {
  for (bool abbrechen : {false, true}) {
    const QString pdf = Pfad(abbrechen ? QStringLiteral("a.pdf") : QStringLiteral("b.pdf"));
    PdfDrucker(pdf);
    Printer().setCopyCount(2);
    Dokument(*pp, 3);
    pp->setCopies(2);
    pp->setAbortOnCancel(abbrechen);
    pp->setProgressMessage(QStringLiteral("Druck läuft"));
    QTimer finger;
    QString status;
    QObject::connect(&finger, &QTimer::timeout, [&] {
      TPPPrnPrgDlg* d = pp->ProgressDialog();
      if (d && d->ProgBar()->value() >= 4) {  // during the second copy
        status = d->lblStatus()->text();
        d->btnCancel()->click();
      }
    });
    finger.start(0);
    EXPECT_FALSE(pp->Print());
    finger.stop();
    EXPECT_EQ(status, QStringLiteral("Druck läuft"));
    EXPECT_EQ(Printer().copyCount(), 2);
    EXPECT_EQ(pp->ProgressDialog(), nullptr);
    if (!abbrechen) {
      EXPECT_EQ(Seitenfolge(pdf), QList<int>({1, 2, 3, 1}));
    }
  }
}

TEST_F(PreviewTest, WithoutCancelButtonTheJobRunsThrough) {
  PdfDrucker(Pfad("o.pdf"));
  Dokument(*pp, 3);
  pp->setShowCancel(false);
  // No events are processed while sending, so a pending click cannot stop the job.
  QTimer finger;
  QObject::connect(&finger, &QTimer::timeout, [&] { pp->CancelPrinting(); });
  finger.start(0);
  EXPECT_TRUE(pp->Print());
  EXPECT_EQ(Seitenfolge(Pfad("o.pdf")), QList<int>({1, 2, 3}));

  TPPPrnPrgDlg dlg;
  EXPECT_EQ(dlg.btnCancel()->text(), QStringLiteral("&Cancel"));
  EXPECT_EQ(dlg.height(), 133 * dlg.logicalDpiY() / 96);
  dlg.WithoutCancel();
  EXPECT_EQ(dlg.height(), 98 * dlg.logicalDpiY() / 96);
  EXPECT_FALSE(dlg.btnCancel()->isEnabled());
}

TEST_F(PreviewTest, NothingRecordedPrintsNothing) {
  PdfDrucker(Pfad("leer.pdf"));
  EXPECT_TRUE(pp->Print());
  EXPECT_FALSE(QFile::exists(Pfad("leer.pdf")));
}

TEST_F(PreviewTest, PrintClosesAnOpenDocumentFirst) {
  PdfDrucker(Pfad("offen.pdf"));
  pp->BeginDoc();
  pp->WriteLine(QStringLiteral("Seite 1"));
  EXPECT_TRUE(pp->Print());
  EXPECT_FALSE(pp->IsPrinting());
  EXPECT_EQ(Seitenfolge(Pfad("offen.pdf")), QList<int>({1}));
}

TEST_F(PreviewTest, PagesRecordedWithoutPrinterLandOnThePdf) {
  // Recorded at the fallback 300 dpi, printed at 1200 dpi: same place on the paper.
  pp->setMeasureUnit(TP::muMillimeters);
  pp->setMarginLeft(20);
  pp->setMarginTop(20);
  Dokument(*pp, 1);
  PdfDrucker(Pfad("spaet.pdf"), 1200);
  ASSERT_TRUE(pp->Print());
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), Pfad("spaet.pdf"), QStringLiteral("-")});
  p.waitForFinished(30000);
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  const QRegularExpression wort(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Seite</word>"));
  const QRegularExpressionMatch m = wort.match(html);
  ASSERT_TRUE(m.hasMatch()) << html.toStdString();
  const double mm = 25.4 / 72;  // PDF points
  EXPECT_NEAR(m.captured(1).toDouble() * mm, 20.0, 1.0);
  EXPECT_NEAR(m.captured(2).toDouble() * mm, 20.0, 2.0);
}
