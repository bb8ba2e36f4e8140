// Page printer: the preview, zooming, page selection and sending pages to the printer.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "print/PagePrnt.h"
#include "print/PagePrnt_Intern.h"
#include "print/PgPrnPrg.h"
#include "print/PrinterBackend.h"

using namespace PagePrntIntern;

namespace {

// Largest preview surface a widget can have.
constexpr long long PreviewLimit = 16'000'000;

int ClampPreview(long double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp<long double>(std::nearbyintl(v), -PreviewLimit, PreviewLimit));
}

const QString FinishMark = QStringLiteral("<FINISH>");

}  // namespace

// ---- scale ---------------------------------------------------------------------------

double TPagePrinter::PrinterToScreenRatio(TDirection direction) const {
  const TPrinterMetrics m = Metrics();
  if (FConstructing || !m.Reachable) return 1.0;
  const int screen = direction == dirHorizontal ? FPaintBox->logicalDpiX() : FPaintBox->logicalDpiY();
  const int printer = direction == dirHorizontal ? m.DpiX : m.DpiY;
  if (screen <= 0 || printer <= 0) return 1.0;
  return static_cast<double>(printer) / screen;
}

int TPagePrinter::UnitsToScreenPixels(TDirection direction, double value) const {
  int d = 0;
  if (FConstructing) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    d = screen ? static_cast<int>(direction == dirHorizontal ? screen->logicalDotsPerInchX()
                                                             : screen->logicalDotsPerInchY())
               : 96;
  } else {
    d = direction == dirHorizontal ? FPaintBox->logicalDpiX() : FPaintBox->logicalDpiY();
  }
  const long double inches = FMeasureUnit == muMillimeters ? value / 25.4L : value;
  return RoundEven(d * inches);
}

int TPagePrinter::UnitsToPreviewPixels(TDirection direction, double value) const {
  return ClampPreview(static_cast<long double>(FZoomPercent) * UnitsToScreenPixels(direction, value) / 100.0L);
}

int TPagePrinter::PreviewPageWidth() const {
  const TPrinterMetrics m = Metrics();
  if (!m.Reachable) return UnitsToPreviewPixels(dirHorizontal, PaperWidth());
  return ClampPreview(static_cast<long double>(FZoomPercent) * m.PhysWidth / PrinterToScreenRatio(dirHorizontal) /
                      100.0L);
}

int TPagePrinter::PreviewPageHeight() const {
  const TPrinterMetrics m = Metrics();
  if (!m.Reachable) return UnitsToPreviewPixels(dirVertical, PaperHeight());
  return ClampPreview(static_cast<long double>(FZoomPercent) * m.PhysHeight / PrinterToScreenRatio(dirVertical) /
                      100.0L);
}

// ---- scrolling -------------------------------------------------------------------------

void TPagePrinter::SizePaintBox() {
  const QSize view = viewport()->size();
  const QSize size(std::max(view.width(), FHorzRange), std::max(view.height(), FVertRange));
  if (FPaintBox->size() != size) {
    const QSize old = FPaintBox->size();
    FPaintBox->resize(size);
    // A hidden widget gets its resize event only when shown; the scroll bars
    // must know the new size now so that positions can be set.
    if (!FPaintBox->isVisible()) {
      QResizeEvent e(size, old);
      QCoreApplication::sendEvent(FPaintBox, &e);
    }
  }
}

void TPagePrinter::ScrollRanges() {
  const long long shadow = (static_cast<long long>(FShadowOffset) + 1) * 2;
  FHorzRange = static_cast<int>(std::min(PreviewLimit, PreviewPageWidth() + shadow));
  FVertRange = static_cast<int>(std::min(PreviewLimit, PreviewPageHeight() + shadow));
  SizePaintBox();
}

void TPagePrinter::UpdateScrollBars() {
  const TDefer defer(*this);
  ScrollRanges();
  if (FConstructing) return;
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  switch (FZoomLocation) {
    case zlTopLeft:
      h->setValue(0);
      v->setValue(0);
      break;
    case zlTopCenter:
      h->setValue((FHorzRange - viewport()->width()) / 2);
      v->setValue(0);
      break;
    case zlCenter:
      h->setValue((FHorzRange - viewport()->width()) / 2);
      v->setValue((FVertRange - viewport()->height()) / 2);
      break;
  }
}

void TPagePrinter::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  SizePaintBox();
}

// ---- painting -----------------------------------------------------------------------------

void TPagePrinter::PaintPreview(QPainter& painter) {
  const QRect box = FPaintBox->rect();
  const QRect dirty = FPaintRect.isValid() ? FPaintRect.intersected(box) : box;
  if (FGradientBackground) {
    // Vertical gradient from black to Color; only the rows being repainted are filled.
    const int n = box.height() - 1;
    if (n >= 1) {
      const QColor c2 = FColor.toRgb();
      for (int i = std::max(0, dirty.top()); i <= std::min(n, dirty.bottom()); ++i) {
        const long long r = static_cast<long long>(c2.red()) * i / n;
        const long long g = static_cast<long long>(c2.green()) * i / n;
        const long long b = static_cast<long long>(c2.blue()) * i / n;
        painter.fillRect(QRect(box.left(), i, box.width(), 1),
                         QColor(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)));
      }
    }
  } else {
    painter.fillRect(dirty, FColor);
  }

  const int w = PreviewPageWidth(), h = PreviewPageHeight();
  const int x0 = (box.width() - w) / 2, y0 = (box.height() - h) / 2;
  const int s = static_cast<int>(std::min<uint>(FShadowOffset, PreviewLimit));
  if (s > 0) {
    painter.fillRect(QRect(QPoint(x0 + w, y0 + s), QPoint(x0 + w + s, y0 + h + s) - QPoint(1, 1)), FShadowColor);
    painter.fillRect(QRect(QPoint(x0 + s, y0 + h), QPoint(x0 + w, y0 + h + s) - QPoint(1, 1)), FShadowColor);
  }
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(QRect(x0, y0, w, h).adjusted(0, 0, -1, -1));

  if (FPageNumber >= 1 && FPageNumber <= PageCount() && w > 0 && h > 0) {
    const TPage* page = Pages(FPageNumber);
    // The page lands where it was laid out on the paper: its own origin and
    // resolution, at the scale of the paper drawn, whatever printer the
    // metrics come from now. So text and margin frame always agree.
    const long double zoll = FMeasureUnit == muMillimeters ? 25.4L : 1.0L;
    const long double breiteZoll = PaperWidth() / zoll, hoeheZoll = PaperHeight() / zoll;
    if (breiteZoll > 0 && hoeheZoll > 0 && page->DpiX > 0 && page->DpiY > 0) {
      const qreal fx = static_cast<qreal>(w / (breiteZoll * page->DpiX));
      const qreal fy = static_cast<qreal>(h / (hoeheZoll * page->DpiY));
      painter.save();
      painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
      painter.setClipRect(QRect(x0, y0, w + 1, h + 1).intersected(dirty));
      painter.translate(x0 + page->Origin.x() * fx + 1, y0 + page->Origin.y() * fy + 1);
      painter.scale(fx, fy);
      page->Play(painter);
      painter.restore();
    }
  }

  if (FShowMargins) {
    QPen pen(QColor(192, 192, 192));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(x0 + UnitsToPreviewPixels(dirHorizontal, FMarginLeft),
                                  y0 + UnitsToPreviewPixels(dirVertical, FMarginTop)),
                           QPoint(x0 + w - UnitsToPreviewPixels(dirHorizontal, FMarginRight),
                                  y0 + h - UnitsToPreviewPixels(dirVertical, FMarginBottom)))
                         .adjusted(0, 0, -1, -1));
  }
  painter.setPen(FColor);
}

// ---- zoom and page ---------------------------------------------------------------------------

void TPagePrinter::ZoomToWidth() { ZoomAlong(dirHorizontal); }

void TPagePrinter::ZoomToHeight() { ZoomAlong(dirVertical); }

void TPagePrinter::ZoomAlong(TDirection direction) {
  const bool horizontal = direction == dirHorizontal;
  const int s = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const long long a = static_cast<long long>(horizontal ? viewport()->width() : viewport()->height()) - s -
                      (static_cast<long long>(FShadowOffset) + 1) * 2;
  // Without a printer the preview page is drawn from the paper size in screen
  // pixels, so that is what the extent has to be measured against.
  const double paper = horizontal ? PaperWidth() : PaperHeight();
  const long double p = !Metrics().Reachable ? UnitsToScreenPixels(direction, paper)
                        : horizontal         ? UnitsToPixelsX(paper)
                                             : UnitsToPixelsY(paper);
  if (p <= 0) return;
  const long double zoom = std::trunc(100.0L * a * PrinterToScreenRatio(direction) / p);
  setZoomPercent(static_cast<uint>(std::clamp<long double>(zoom, 1, 100000)));
}

void TPagePrinter::ZoomToFit() {
  const long long w = PreviewPageWidth(), h = PreviewPageHeight();
  const long long cw = viewport()->width(), ch = viewport()->height();
  // w / h > cw / ch, without dividing by a zero size.
  if (w * ch > cw * h)
    ZoomToWidth();
  else
    ZoomToHeight();
}

void TPagePrinter::setPageNumber(int value) {
  if (value >= 1 && value <= PageCount()) {
    FPageNumber = value;
    UpdateScrollBars();
    FPaintBox->update();
  } else if (PageCount() != 0) {
    throw EPagePrinter(QStringLiteral("PageNumber must be between 1 and %1").arg(PageCount()));
  } else {
    FPageNumber = 0;
  }
  UpdateAccessibleText();
}

void TPagePrinter::UpdateAccessibleText() {
  // A page being written is not shown yet.
  const bool shown = !FPrinting && FPageNumber >= 1 && FPageNumber <= PageCount();
  const QString name = shown ? QStringLiteral("Seite %1 von %2").arg(FPageNumber).arg(PageCount()) : QString();
  const QString text = shown ? Pages(FPageNumber)->ReadingText() : QString();
  setAccessibleName(name.isEmpty() ? QStringLiteral("Druckvorschau") : QStringLiteral("Druckvorschau, ") + name);
  setAccessibleDescription(text);
  FPaintBox->setAccessibleName(name.isEmpty() ? QStringLiteral("Leere Seite") : name);
  FPaintBox->setAccessibleDescription(text);
}

// ---- printing --------------------------------------------------------------------------------

bool TPagePrinter::Print() {
  if (FPrintJob) throw EPagePrinter(QStringLiteral("A print job is already running"));
  bool result = true;
  if (IsPrinting()) EndDoc();
  if (PageCount() == 0) return true;
  // Negative page numbers mean nothing here; they are treated like 0.
  const int first = FFromPage <= 0 ? 1 : std::min(FFromPage, PageCount());
  const int last = FToPage <= 0 ? PageCount() : std::min(FToPage, PageCount());

  TPrinterBackend* printer = PrinterBackend();
  if (!printer) throw EPrinter(QStringLiteral("No printer is available"));
  const int oldCopies = printer->CopyCount();
  printer->SetCopyCount(1);
  FCancelRequested = false;
  QPainter painter;
  FPrintJob = true;

  auto finish = [&] {
    FPrintJob = false;
    if (painter.isActive()) painter.end();
    UpdateProgress(FinishMark, 0, 0, 0);
    if (!printer->Active()) printer->SetCopyCount(oldCopies);
  };
  try {
    if (!PrinterReachable()) throw EPrinter(QStringLiteral("No printer is available"));
    if (!painter.begin(printer->Device())) throw EPrinter(QStringLiteral("Unable to start the print job"));
    bool pageUsed = false;
    if (FCollate) {
      for (uint k = 1; k <= FCopies; ++k)
        for (int page = first; page <= last; ++page) PrintPage(page, first, last, pageUsed, painter);
    } else {
      for (int page = first; page <= last; ++page)
        for (uint k = 1; k <= FCopies; ++k) PrintPage(page, first, last, pageUsed, painter);
    }
    painter.end();
  } catch (const ECancelPrinting&) {
    result = false;
    if (painter.isActive()) {
      if (FAbortOnCancel) printer->Abort();
      painter.end();
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
  return result;
}

void TPagePrinter::PrintPage(int page, int first, int last, bool& pageUsed, QPainter& painter) {
  if (FShowProgress && FShowCancel) QApplication::processEvents();
  if (FCancelRequested) throw ECancelPrinting();
  UpdateProgress(FProgressMessage, page, last, first);
  // The sheet for this page is started only now, so that a job cancelled
  // between pages does not end with an empty sheet.
  if (pageUsed && !PrinterBackend()->NewPage()) throw EPrinter(QStringLiteral("Unable to start a new page"));
  pageUsed = true;

  const TPage* p = Pages(page);
  const TPrinterMetrics m = Metrics();
  painter.save();
  // A page recorded for another resolution or printable origin is moved and
  // scaled so that it lands on the same place of the paper.
  const qreal sx = p->DpiX > 0 && m.DpiX > 0 ? static_cast<qreal>(m.DpiX) / p->DpiX : 1.0;
  const qreal sy = p->DpiY > 0 && m.DpiY > 0 ? static_cast<qreal>(m.DpiY) / p->DpiY : 1.0;
  painter.translate(p->Origin.x() * sx - m.OffsetX, p->Origin.y() * sy - m.OffsetY);
  painter.scale(sx, sy);
  p->Play(painter);
  painter.restore();
}

void TPagePrinter::UpdateProgress(const QString& message, int page, int last, int first) {
  if (!FShowProgress || message == FinishMark) {
    if (FProgress) {
      if (FProgress->isVisible()) FProgress->close();
      FProgress.reset();
    }
    return;
  }
  if (!FProgress) {
    FProgress = std::make_unique<TPPPrnPrgDlg>(this);
    // The program waits for the job; only its cancel button is live.
    FProgress->setWindowModality(Qt::ApplicationModal);
    connect(FProgress.get(), &TPPPrnPrgDlg::CancelClicked, this, &TPagePrinter::CancelPrinting);
    if (!FShowCancel) FProgress->WithoutCancel();
    FProgress->ProgBar()->setValue(0);
  }
  FProgress->show();
  FProgress->setWindowTitle(Title());
  FProgress->lblStatus()->setText(message.isEmpty() ? QStringLiteral("Sending Pages To Printer") : message);
  const long long maximum = static_cast<long long>(FCopies) * (last - first + 1);
  FProgress->ProgBar()->setMaximum(static_cast<int>(std::min<long long>(maximum, INT_MAX)));
  FProgress->ProgBar()->setValue(FProgress->ProgBar()->value() + 1);
  QString text = QStringLiteral("Page %1").arg(page);
  if (first == 1) {
    text += QStringLiteral(" of %1").arg(last - first + 1);
    if (FCopies > 1) text += QStringLiteral(" x %1 Copies").arg(FCopies);
  }
  FProgress->lblPageNumber()->setText(text);
  if (FProgress->isVisible()) FProgress->repaint();
}
