// Page printer: properties, units, page geometry, the printer and the page list.
#include "print/PagePrnt.h"

#include <QEvent>
#include <QFile>
#include <QPageLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "print/PagePrnt_Intern.h"
#include "print/PgPrnPrg.h"
#include "print/PrinterBackend.h"

namespace {
// Asking the print system for its printers is slow, so the answer is kept
// until the metrics are refreshed (printer setup, new document).
bool& InstalledKnown() {
  static bool known = false;
  return known;
}
bool& Installed() {
  static bool installed = false;
  return installed;
}
}  // namespace

void RefreshPrinterAvailability() {
  TPrinterBackend* b = PrinterBackend();
  Installed() = b && b->AnyInstalled();
  InstalledKnown() = true;
}

bool PrinterReachable() {
  TPrinterBackend* b = PrinterBackend();
  if (!b) return false;
  // Without installed printers Qt falls back to PDF output by itself; only a
  // PDF printer that was given a file is one the program can print on.
  if (b->PdfOutput()) return !b->OutputFileName().isEmpty();
  if (!InstalledKnown()) RefreshPrinterAvailability();
  return Installed() && b->Valid();
}

namespace PagePrntIntern {

int RoundEven(long double v) {
  if (std::isnan(v)) return 0;
  const long double r = std::nearbyintl(v);  // default rounding: halves to even
  if (r > PixelLimit) return PixelLimit;
  if (r < -PixelLimit) return -PixelLimit;
  return static_cast<int>(r);
}

int SatAdd(int a, long long b) {
  const long long s = static_cast<long long>(a) + b;
  return static_cast<int>(std::clamp<long long>(s, -PixelLimit, PixelLimit));
}

TPrinterMetrics ReadPrinterMetrics() {
  TPrinterMetrics m;
  if (!PrinterReachable()) return m;
  TPrinterBackend& p = *PrinterBackend();
  m.Reachable = true;
  m.DpiX = p.Device()->logicalDpiX();
  m.DpiY = p.Device()->logicalDpiY();
  const QRect paper = p.PaperRect();
  const QRect page = p.PageRect();
  m.PhysWidth = paper.width();
  m.PhysHeight = paper.height();
  m.OffsetX = page.left() - paper.left();
  m.OffsetY = page.top() - paper.top();
  return m;
}

}  // namespace PagePrntIntern

using namespace PagePrntIntern;

// ---------------------------------------------------------------------------

void TPage::Play(QPainter& painter) const {
  const qreal scale = std::abs(painter.worldTransform().m11());
  for (const TPageCommand& c : FCommands) {
    switch (c.Kind) {
      case TPageCommand::ckText:
        painter.setFont(c.Font);
        painter.setPen(c.Color);
        painter.drawText(QPointF(c.A.x(), c.A.y() + c.Ascent), c.Text);
        break;
      case TPageCommand::ckLine: {
        QPen pen(c.Color, c.PenWidth, c.PenStyle, Qt::FlatCap);
        // Keep hair lines visible when the page is shown small.
        if (c.PenWidth * scale < 1.0) {
          pen.setWidth(1);
          pen.setCosmetic(true);
        }
        painter.setPen(pen);
        painter.drawLine(c.A, c.B);
        break;
      }
      case TPageCommand::ckFillRect: painter.fillRect(QRect(c.A, c.B - QPoint(1, 1)), c.Color); break;
      case TPageCommand::ckFrameRect:
        painter.setPen(QPen(c.Color, c.PenWidth, c.PenStyle));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(c.A, c.B - QPoint(1, 1)));
        break;
    }
  }
}

QStringList TPage::Texts() const {
  QStringList texts;
  for (const TPageCommand& c : FCommands)
    if (c.Kind == TPageCommand::ckText) texts << c.Text;
  return texts;
}

QString TPage::ReadingText() const {
  // Texts on one baseline form a line; a table's cells are drawn row by row,
  // but headers and footers may be drawn after the body.
  std::vector<const TPageCommand*> texts;
  for (const TPageCommand& c : FCommands)
    if (c.Kind == TPageCommand::ckText && !c.Text.trimmed().isEmpty()) texts.push_back(&c);
  std::stable_sort(texts.begin(), texts.end(), [](const TPageCommand* a, const TPageCommand* b) {
    const int ya = a->A.y() + a->Ascent, yb = b->A.y() + b->Ascent;
    return ya != yb ? ya < yb : a->A.x() < b->A.x();
  });
  QStringList lines;
  int baseline = 0;
  for (const TPageCommand* c : texts) {
    const int y = c->A.y() + c->Ascent;
    if (lines.isEmpty() || y != baseline)
      lines << c->Text.trimmed();
    else
      lines.last() += QLatin1Char(' ') + c->Text.trimmed();
    baseline = y;
  }
  return lines.join(QLatin1Char('\n'));
}

TPage* TPageList::Add(std::unique_ptr<TPage> page) {
  FPages.push_back(std::move(page));
  return FPages.back().get();
}

// ---------------------------------------------------------------------------

void TPageCanvas::SetFont(const QFont& font, qreal pointSize, int pixelsPerInch) {
  FFont = font;
  FSize = pointSize;
  FPixelsPerInch = pixelsPerInch;
  const long double px = std::llround(static_cast<long double>(pointSize) * pixelsPerInch / 72.0L);
  FFont.setPixelSize(static_cast<int>(std::clamp<long double>(px, 1, 100000)));
  // Widths must scale linearly between printer, preview and file output.
  FFont.setHintingPreference(QFont::PreferNoHinting);
  FMetrics.reset();
  FLatinAdvances.fill(-1);
}

const QFontMetricsF& TPageCanvas::Metrics() const {
  if (!FMetrics) FMetrics = std::make_unique<QFontMetricsF>(FFont);
  return *FMetrics;
}

int TPageCanvas::TextWidth(const QString& text) const {
  if (text.isEmpty()) return 0;
  return RoundEven(Metrics().horizontalAdvance(text));
}

qsizetype TPageCanvas::CharsWithin(QStringView text, int width) const {
  qreal sum = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text.at(i).unicode();
    qreal advance = c < FLatinAdvances.size() ? FLatinAdvances[c] : -1;
    if (advance < 0) {
      advance = std::max<qreal>(0, Metrics().horizontalAdvance(QChar(c)));
      if (c < FLatinAdvances.size()) FLatinAdvances[c] = advance;
    }
    sum += advance;
    if (sum > width) return i;
  }
  return text.size();
}

int TPageCanvas::TextHeight(const QString&) const { return RoundEven(Metrics().height()); }

int TPageCanvas::ExternalLeading() const { return std::max(0, RoundEven(Metrics().leading())); }

void TPageCanvas::TextOut(int x, int y, const QString& text) {
  if (!FTarget) return;
  TPageCommand c;
  c.Kind = TPageCommand::ckText;
  c.A = QPoint(x, y);
  c.Text = text;
  c.Font = FFont;
  c.Ascent = RoundEven(Metrics().ascent());
  c.Color = Pen.color();
  FTarget->Add(std::move(c));
}

void TPageCanvas::LineTo(int x, int y) {
  Polyline(FPos, QPoint(x, y));
  FPos = QPoint(x, y);
}

void TPageCanvas::Polyline(QPoint from, QPoint to) {
  if (!FTarget) return;
  TPageCommand c;
  c.Kind = TPageCommand::ckLine;
  c.A = from;
  c.B = to;
  c.Color = Pen.color();
  c.PenWidth = std::max(1, static_cast<int>(Pen.widthF()));
  c.PenStyle = Pen.style();
  FTarget->Add(std::move(c));
}

void TPageCanvas::FillRect(const QRect& rect, const QColor& color) {
  if (!FTarget) return;
  TPageCommand c;
  c.Kind = TPageCommand::ckFillRect;
  c.A = rect.topLeft();
  c.B = rect.bottomRight() + QPoint(1, 1);
  c.Color = color;
  FTarget->Add(std::move(c));
}

void TPageCanvas::FrameRect(const QRect& rect, const QColor& color) {
  if (!FTarget) return;
  TPageCommand c;
  c.Kind = TPageCommand::ckFrameRect;
  c.A = rect.topLeft();
  c.B = rect.bottomRight() + QPoint(1, 1);
  c.Color = color;
  c.PenWidth = std::max(1, static_cast<int>(Pen.widthF()));
  FTarget->Add(std::move(c));
}

// ---------------------------------------------------------------------------

TPreviewBox::TPreviewBox(TPagePrinter* owner) : QWidget(owner), FOwner(owner) {
  setObjectName(QStringLiteral("PaintBox"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPreviewBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  FOwner->FPaintRect = event->rect();
  FOwner->PaintPreview(painter);
}

// ---------------------------------------------------------------------------

TPagePrinter::TPagePrinter(QWidget* parent) : QScrollArea(parent) {
  FConstructing = true;
  FColor = palette().color(QPalette::Button);
  FShadowColor = palette().color(QPalette::Dark);
  FPaintBox = new TPreviewBox(this);
  setWidget(FPaintBox);
  setWidgetResizable(false);
  horizontalScrollBar()->setSingleStep(16);
  verticalScrollBar()->setSingleStep(16);
  horizontalScrollBar()->setTracking(true);
  verticalScrollBar()->setTracking(true);
  setFont(QFont(QStringLiteral("Courier New"), 10));
  resize(89, 115);
  // A printer made later starts with an empty title in portrait anyway.
  if (PrinterBackendMade() && PrinterReachable()) {
    PrinterBackend()->SetDocName(QString());
    PrinterBackend()->SetOrientation(QPageLayout::Portrait);
  }
  FMarginTop = OffsetTop();
  FMarginBottom = OffsetBottom();
  FMarginLeft = OffsetLeft();
  FMarginRight = OffsetRight();
  ClearPages(false);
  FontChanged();
  UpdateScrollBars();
  FConstructing = false;
}

TPagePrinter::~TPagePrinter() {
  FProgress.reset();
  FCanvas.SetTarget(nullptr);
}

void TPagePrinter::CheckNotPrinting(const char* message) const {
  if (IsPrinting()) throw EPagePrinter(QString::fromLatin1(message));
}

// ---- properties -----------------------------------------------------------

void TPagePrinter::setAutoFooterFont(bool value) {
  if (value == FAutoFooterFont) return;
  FAutoFooterFont = value;
  if (value) FFooterFont = font();
}

void TPagePrinter::setAutoHeaderFont(bool value) {
  if (value == FAutoHeaderFont) return;
  FAutoHeaderFont = value;
  if (value) FHeaderFont = font();
}

void TPagePrinter::setColor(const QColor& value) {
  FColor = value;
  FPaintBox->update();
}

void TPagePrinter::setFileName(const QString& value) {
  const QString v = value.trimmed();
  if (v == FFileName) return;
  CheckNotPrinting("Can't change FileName while printing");
  FFileName = v;
}

void TPagePrinter::setFriendlyFooter(const QString& value) {
  FFriendlyFooter = value;
  ApplyFriendlyFormat(value, false);
}

void TPagePrinter::setFriendlyHeader(const QString& value) {
  FFriendlyHeader = value;
  ApplyFriendlyFormat(value, true);
}

void TPagePrinter::setGradientBackground(bool value) {
  if (value == FGradientBackground) return;
  FGradientBackground = value;
  FPaintBox->update();
}

void TPagePrinter::setLineSpacing(TLineSpacing value) {
  FLineSpacing = value;
  ComputeLineHeight();
}

void TPagePrinter::ComputeLineHeight() {
  const int h = std::abs(FCanvas.FontHeight());
  switch (FLineSpacing) {
    case lsHalfSpace: FLineHeight = h / 2; break;
    case lsSingleSpace: FLineHeight = h; break;
    case lsSingleAndAHalf: FLineHeight = h + h / 2; break;
    case lsDoubleSpace: FLineHeight = 2 * h; break;
  }
}

void TPagePrinter::SetMargin(double& margin, double value, double low, double high, const char* guard) {
  CheckNotPrinting(guard);
  if (std::isnan(value) || low > value)
    margin = low;
  else if (value > high)
    margin = high;
  else
    margin = value;
  FPaintBox->update();
}

static double ConvertLength(double value, TPagePrinter::TMeasureUnit to) {
  return to == TPagePrinter::muInches ? static_cast<double>(value / 25.4L) : static_cast<double>(value * 25.4L);
}

bool TPagePrinter::KeepRequest() {
  // The requests wait in a short list; a page printer set over and over
  // before any use asks the printer instead of collecting them.
  if (FPending && FMarginRequests.size() >= 16) AttachPrinter();
  return FPending;
}

void TPagePrinter::SetMarginFor(TMargin which, double value, bool note) {
  const bool keep = note && KeepRequest();
  const TDefer defer(*this);
  switch (which) {
    case mTop:
      SetMargin(FMarginTop, value, OffsetTop(), PaperHeight() - OffsetBottom(),
                "Unable to change top margin while printing");
      break;
    case mBottom:
      SetMargin(FMarginBottom, value, OffsetBottom(), PaperHeight() - OffsetTop(),
                "Unable to change bottom margin while printing");
      break;
    case mLeft:
      SetMargin(FMarginLeft, value, OffsetLeft(), PaperWidth() - OffsetRight(),
                "Unable to change left margin while printing");
      break;
    case mRight:
      SetMargin(FMarginRight, value, OffsetRight(), PaperWidth() - OffsetLeft(),
                "Unable to change right margin while printing");
      break;
  }
  if (keep) FMarginRequests.push_back({which, value});
}

void TPagePrinter::ConvertMargins(TMeasureUnit unit) {
  SetMarginFor(mTop, ConvertLength(FMarginTop, unit), false);
  SetMarginFor(mBottom, ConvertLength(FMarginBottom, unit), false);
  SetMarginFor(mLeft, ConvertLength(FMarginLeft, unit), false);
  SetMarginFor(mRight, ConvertLength(FMarginRight, unit), false);
}

void TPagePrinter::setMeasureUnit(TMeasureUnit value) {
  if (value == FMeasureUnit) return;
  // The margins cannot be converted while a document is open; refuse before
  // anything changes, or the old numbers would be read in the new unit.
  if (!FConstructing) CheckNotPrinting("Unable to change top margin while printing");
  const bool keep = !FConstructing && KeepRequest();
  FMeasureUnit = value;
  if (FConstructing) return;
  ConvertMargins(value);
  if (keep) FMarginRequests.push_back({-1, static_cast<double>(value)});
  FPageBorderOffset = ConvertLength(FPageBorderOffset, value);
  FDefaultColWidth = ConvertLength(FDefaultColWidth, value);
  if (!FPending) RefreshPrinterMetrics();
  if (FFriendlyFooter.isEmpty()) FFooterFormat = NormalizeTableFormat(FFooterFormat, true);
  if (FFriendlyHeader.isEmpty()) FHeaderFormat = NormalizeTableFormat(FHeaderFormat, true);
  FTableFormat = NormalizeTableFormat(FTableFormat, true);
}

TPagePrinter::TPrinterOrientation TPagePrinter::Orientation() const {
  if (!Reachable()) return poPortrait;
  return PrinterBackend()->Orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPagePrinter::setOrientation(TPrinterOrientation value) {
  CheckNotPrinting("Unable to change orientation while printing");
  if (Reachable())
    PrinterBackend()->SetOrientation(value == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  UpdateScrollBars();
  FPaintBox->update();
}

void TPagePrinter::setPrintToFile(bool value) {
  if (value == FPrintToFile) return;
  CheckNotPrinting("Can't change PrintToFile while printing");
  FPrintToFile = value;
}

void TPagePrinter::setShadowColor(const QColor& value) {
  if (value == FShadowColor) return;
  FShadowColor = value;
  FPaintBox->update();
}

void TPagePrinter::setShadowOffset(uint value) {
  if (value == FShadowOffset) return;
  FShadowOffset = value;
  UpdateScrollBars();
  FPaintBox->update();
}

void TPagePrinter::setShowMargins(bool value) {
  if (value == FShowMargins) return;
  FShowMargins = value;
  FPaintBox->update();
}

QString TPagePrinter::Title() const {
  if (!Reachable()) return QStringLiteral("<Unknown>");
  return PrinterBackend()->DocName();
}

void TPagePrinter::setTitle(const QString& value) {
  if (Reachable()) PrinterBackend()->SetDocName(value);
}

void TPagePrinter::setZoomPercent(uint value) {
  FZoomPercent = value;
  UpdateScrollBars();
  FPaintBox->update();
}

void TPagePrinter::setFromPage(int value) {
  FFromPage = value;
  if (FToPage != 0 && FFromPage > FToPage) FToPage = FFromPage;
}

void TPagePrinter::setToPage(int value) {
  FToPage = value;
  if (FToPage != 0 && FToPage < FFromPage) FFromPage = FToPage;
}

// ---- the printer, on first use ----------------------------------------------

TPrinterMetrics TPagePrinter::Metrics() const {
  if (FPending) {
    if (FDeferring > 0 || FConstructing) return {};
    AttachPrinter();
  }
  return ReadPrinterMetrics();
}

bool TPagePrinter::Reachable() const { return Metrics().Reachable; }

void TPagePrinter::AttachPrinter() const {
  if (!FPending) return;
  // What is made here was owed since construction; reading it must not
  // depend on whether it has been made yet, so const callers make it too.
  auto& self = const_cast<TPagePrinter&>(*this);
  self.FPending = false;
  // The margins as construction and the requests since would have left
  // them with this printer: from its offsets in inches, each request again.
  const TMeasureUnit unit = FMeasureUnit;
  self.FMeasureUnit = muInches;
  self.FMarginTop = OffsetTop();
  self.FMarginBottom = OffsetBottom();
  self.FMarginLeft = OffsetLeft();
  self.FMarginRight = OffsetRight();
  for (const TMarginRequest& r : std::exchange(self.FMarginRequests, {})) {
    if (r.Which < 0) {
      self.FMeasureUnit = static_cast<TMeasureUnit>(r.Value);
      self.ConvertMargins(FMeasureUnit);
    } else {
      self.SetMarginFor(static_cast<TMargin>(r.Which), r.Value, false);
    }
  }
  self.FMeasureUnit = unit;
  // Without a printer the rest was made with these very metrics already.
  if (!Reachable()) return;
  self.FontRefresh();
  self.ComputeLineHeight();
  if (FCurrentPage && FCurrentPage == FScratchPage.get()) self.NewScratchPage();
  self.ScrollRanges();
  FPaintBox->update();
}

void TPagePrinter::showEvent(QShowEvent* event) {
  // Before the first paint, which must not change the preview's size.
  AttachPrinter();
  QScrollArea::showEvent(event);
}

// ---- units and geometry ----------------------------------------------------

int TPagePrinter::PixelsPerInchX() const {
  const TPrinterMetrics m = Metrics();
  return m.Reachable && m.DpiX > 0 ? m.DpiX : FallbackDpi;
}

int TPagePrinter::PixelsPerInchY() const {
  const TPrinterMetrics m = Metrics();
  return m.Reachable && m.DpiY > 0 ? m.DpiY : FallbackDpi;
}

static long double ToInches(long double v, TPagePrinter::TMeasureUnit unit) {
  return unit == TPagePrinter::muMillimeters ? v / 25.4L : v;
}

static double FromInches(long double inches, TPagePrinter::TMeasureUnit unit) {
  return static_cast<double>(unit == TPagePrinter::muMillimeters ? inches * 25.4L : inches);
}

int TPagePrinter::UnitsToPixelsX(double value) const {
  return RoundEven(PixelsPerInchX() * ToInches(value, FMeasureUnit));
}

int TPagePrinter::UnitsToPixelsY(double value) const {
  return RoundEven(PixelsPerInchY() * ToInches(value, FMeasureUnit));
}

double TPagePrinter::PixelsToUnitsX(int pixels) const {
  return FromInches(static_cast<long double>(pixels) / PixelsPerInchX(), FMeasureUnit);
}

double TPagePrinter::PixelsToUnitsY(int pixels) const {
  return FromInches(static_cast<long double>(pixels) / PixelsPerInchY(), FMeasureUnit);
}

double TPagePrinter::OffsetTop() const {
  const TPrinterMetrics m = Metrics();
  if (!m.Reachable) return FMeasureUnit == muInches ? 0.25 : 6.0;
  return PixelsToUnitsY(m.OffsetY);
}

double TPagePrinter::OffsetLeft() const {
  const TPrinterMetrics m = Metrics();
  if (!m.Reachable) return FMeasureUnit == muInches ? 0.25 : 6.0;
  return PixelsToUnitsX(m.OffsetX);
}

double TPagePrinter::PaperWidth() const {
  const TPrinterMetrics m = Metrics();
  if (!m.Reachable) return FMeasureUnit == muInches ? 8.5 : 210.0;
  return PixelsToUnitsX(m.PhysWidth);
}

double TPagePrinter::PaperHeight() const {
  const TPrinterMetrics m = Metrics();
  if (!m.Reachable) return FMeasureUnit == muInches ? 11.0 : 297.0;
  return PixelsToUnitsY(m.PhysHeight);
}

double TPagePrinter::PrintableHeight() const {
  if (!Reachable()) return FMeasureUnit == muInches ? 10.5 : 284.0;
  return PaperHeight() - OffsetTop() - OffsetBottom();
}

int TPagePrinter::TextAreaWidthPx() const {
  const long long w =
      static_cast<long long>(UnitsToPixelsX(PaperWidth() - OffsetLeft() - OffsetRight())) - LeftPx() - RightPx();
  return std::abs(w) >= PixelLimit ? 0 : static_cast<int>(w);
}

int TPagePrinter::TextAreaHeightPx() const {
  const long long h = static_cast<long long>(UnitsToPixelsY(PrintableHeight())) - TopPx() - BottomPx();
  return std::abs(h) >= PixelLimit ? 0 : static_cast<int>(h);
}

QSize TPagePrinter::PageSizePx() const {
  const int w = UnitsToPixelsX(PaperWidth() - OffsetRight());
  const int h = UnitsToPixelsY(PaperHeight() - OffsetBottom());
  return QSize(std::max(1, w), std::max(1, h));
}

// ---- fonts -------------------------------------------------------------------

void TPagePrinter::changeEvent(QEvent* event) {
  // The font is the one the pages are written in, not this widget's look; a
  // report changes it several times, and each change must not make the
  // windows around lay themselves out anew.
  if (event->type() == QEvent::FontChange) {
    if (!FConstructing) {
      const TDefer defer(*this);
      FontChanged();
    }
    return;
  }
  QScrollArea::changeEvent(event);
}

void TPagePrinter::FontChanged() {
  FontRefresh();
  ComputeLineHeight();
  if (FAutoHeaderFont) FHeaderFont = font();
  if (FAutoFooterFont) FFooterFont = font();
}

void TPagePrinter::FontRefresh() {
  const QFont f = font();
  qreal size = f.pointSizeF();
  if (size <= 0) {
    // A font given in screen pixels keeps its size in whole points.
    const int screenDpi = logicalDpiY() > 0 ? logicalDpiY() : 96;
    size = std::round(static_cast<qreal>(f.pixelSize()) * 72 / screenDpi);
  }
  FCanvas.SetFont(f, size, PixelsPerInchY());
}

void TPagePrinter::RefreshPrinterMetrics() {
  AttachPrinter();
  RefreshPrinterAvailability();
  if (!IsPrinting()) {
    setMarginTop(FMarginTop);
    setMarginBottom(FMarginBottom);
    setMarginLeft(FMarginLeft);
    setMarginRight(FMarginRight);
  }
  FontRefresh();
  ComputeLineHeight();
  if (!FFriendlyHeader.isEmpty()) setFriendlyHeader(FFriendlyHeader);
  if (!FFriendlyFooter.isEmpty()) setFriendlyFooter(FFriendlyFooter);
}

void TPagePrinter::Loaded() {
  if (!FPending) RefreshPrinterMetrics();
  ClearPages(false);
  UpdateScrollBars();
  FPaintBox->update();
}

// ---- page list ---------------------------------------------------------------

void TPagePrinter::ReleaseCurrentPage() {
  FCanvas.SetTarget(nullptr);
  FScratchPage.reset();
  FCurrentPage = nullptr;
}

void TPagePrinter::NewScratchPage() {
  const TDefer defer(*this);
  ReleaseCurrentPage();
  const TPrinterMetrics m = Metrics();
  FScratchPage = std::make_unique<TPage>(PageSizePx());
  FScratchPage->DpiX = PixelsPerInchX();
  FScratchPage->DpiY = PixelsPerInchY();
  FScratchPage->Origin =
      m.Reachable ? QPoint(m.OffsetX, m.OffsetY) : QPoint(UnitsToPixelsX(OffsetLeft()), UnitsToPixelsY(OffsetTop()));
  FCurrentPage = FScratchPage.get();
  FCanvas.SetTarget(FCurrentPage);
  FCanvas.Pen = QPen(Qt::black);
  FontRefresh();
}

void TPagePrinter::AddPage() {
  NewScratchPage();
  FCurrentPage = FPages.Add(std::move(FScratchPage));
}

void TPagePrinter::ClearPages(bool openFirstPage) {
  ReleaseCurrentPage();
  FPages.Clear();
  FPageNumber = 0;
  if (openFirstPage)
    AddPage();
  else
    NewScratchPage();
  UpdateAccessibleText();
}

// ---- text file -----------------------------------------------------------------

void TPagePrinter::FileWrite(const QString& text) {
  if (!FFile) return;
  const QByteArray bytes = text.toUtf8();
  if (FFile->write(bytes) != bytes.size())
    throw EInOutError(QStringLiteral("Cannot write to %1: %2").arg(FFileName, FFile->errorString()));
}

void TPagePrinter::FileLineEnd() { FileWrite(QStringLiteral("\r\n")); }
