#pragma once
// TPagePrinter records a document page by page at printer resolution, shows
// one recorded page as a zoomable preview and sends the pages to the printer.
// Writing works like a line printer: lines and table rows go to a write
// position that moves down the page; a page breaks by itself when the next
// line would not fit. Pages are kept as display lists, recorded once and only
// replayed (scaled for the preview, as they are for the printer).
//
// Lengths are in MeasureUnit; positions on a page are printer pixels counted
// from the printer's printable origin (the "page origin").
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QScrollArea>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

class QFile;
class QPainter;
class QPrinter;
class TPPPrnPrgDlg;
class TPagePrinter;
namespace PagePrntIntern {
struct TPrinterMetrics;
}

// The one program-wide printer, created on first use. Making it starts the
// print system (plugins, the printer list), so nothing asks for it before a
// preview, a print or the printer settings need it. It exists where the
// print system is linked in (kalvora_lib); the program reaches its printer
// through TPrinterBackend alone.
QPrinter& Printer();
// True when Printer() can be used for real output: a PDF printer with an
// output file, or a native printer that is installed. Otherwise every
// printer query of the page printer uses its fallback metrics.
bool PrinterReachable();

// The program's printer error class; what() carries the message.
class EPrinter : public std::runtime_error {
 public:
  explicit EPrinter(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString Message() const { return QString::fromUtf8(what()); }
};
// A change the page printer refuses, or a page number out of range.
class EPagePrinter : public EPrinter {
 public:
  using EPrinter::EPrinter;
};
// Raised between pages when the user cancelled; never leaves Print().
class ECancelPrinting : public EPagePrinter {
 public:
  ECancelPrinting() : EPagePrinter(QStringLiteral("Printing Cancelled")) {}
};
// A text-output file could not be created, written or closed.
class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// One drawing command of a recorded page.
struct TPageCommand {
  enum TKind { ckText, ckLine, ckFillRect, ckFrameRect };
  TKind Kind = ckText;
  QPoint A;  // text: top-left corner; line: start; rectangle: top-left
  QPoint B;  // line: end; rectangle: bottom-right (exclusive)
  QString Text;
  QFont Font;      // text only; sized in printer pixels
  int Ascent = 0;  // text only: distance from the top to the baseline
  QColor Color = Qt::black;
  int PenWidth = 1;
  Qt::PenStyle PenStyle = Qt::SolidLine;
};

// A recorded page: its size in printer pixels and its drawing commands.
class TPage {
 public:
  explicit TPage(QSize size) : FSize(size) {}
  QSize Size() const { return FSize; }
  const std::vector<TPageCommand>& Commands() const { return FCommands; }
  void Add(TPageCommand command) { FCommands.push_back(std::move(command)); }
  // Replays the page on a painter whose coordinates are this page's pixels.
  void Play(QPainter& painter) const;
  // The texts of the page in drawing order (what a reader of the page sees).
  QStringList Texts() const;
  // The texts as they are read: line by line from the top, each line from the left.
  QString ReadingText() const;

  // Resolution the page was recorded at and its origin (the printable
  // corner) measured from the paper's corner, both in its own pixels; they
  // let a page recorded for one printer land right on another.
  int DpiX = 300;
  int DpiY = 300;
  QPoint Origin;

 private:
  QSize FSize;
  std::vector<TPageCommand> FCommands;
};

// The recorded pages; owns them.
class TPageList {
 public:
  int Count() const { return static_cast<int>(FPages.size()); }
  TPage* Add(std::unique_ptr<TPage> page);
  TPage* Item(int index) const { return FPages.at(static_cast<size_t>(index)).get(); }
  void Clear() { FPages.clear(); }

 private:
  std::vector<std::unique_ptr<TPage>> FPages;
};

// The drawing surface of the current page, at printer resolution. Its font is
// the page printer's Font at the printer's resolution; widths are in pixels.
class TPageCanvas {
 public:
  QFont Font() const { return FFont; }
  // Size in points and the resolution the font is rendered at.
  qreal FontSize() const { return FSize; }
  int PixelsPerInch() const { return FPixelsPerInch; }
  // Height of the font in pixels (the absolute font height).
  int FontHeight() const { return FFont.pixelSize(); }
  void SetFont(const QFont& font, qreal pointSize, int pixelsPerInch);

  int TextWidth(const QString& text) const;
  // How many leading characters fit into the width by their single advances:
  // a first guess for fitting a line, which measured widths then settle.
  qsizetype CharsWithin(QStringView text, int width) const;
  int TextHeight(const QString& text) const;
  // External leading of the font (blank space between lines).
  int ExternalLeading() const;

  QPen Pen;
  void TextOut(int x, int y, const QString& text);
  void MoveTo(int x, int y) { FPos = QPoint(x, y); }
  void LineTo(int x, int y);
  void Polyline(QPoint from, QPoint to);
  void FillRect(const QRect& rect, const QColor& color);
  void FrameRect(const QRect& rect, const QColor& color);

  TPage* Target() const { return FTarget; }
  void SetTarget(TPage* page) { FTarget = page; }

 private:
  const QFontMetricsF& Metrics() const;
  TPage* FTarget = nullptr;
  QFont FFont;
  qreal FSize = 10;
  int FPixelsPerInch = 300;
  QPoint FPos;
  mutable std::unique_ptr<QFontMetricsF> FMetrics;
  mutable std::array<qreal, 256> FLatinAdvances{};  // negative: not measured yet
};

// The paint surface of the preview; paints through TPagePrinter::PaintPreview.
class TPreviewBox : public QWidget {
  Q_OBJECT
 public:
  explicit TPreviewBox(TPagePrinter* owner);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TPagePrinter* FOwner;
};

class TPagePrinter : public QScrollArea {
  Q_OBJECT

 public:
  enum TAlignment { taLeftJustify, taRightJustify, taCenter };
  Q_ENUM(TAlignment)
  enum TLineSpacing { lsHalfSpace, lsSingleSpace, lsSingleAndAHalf, lsDoubleSpace };
  Q_ENUM(TLineSpacing)
  enum TMeasureUnit { muInches, muMillimeters };
  Q_ENUM(TMeasureUnit)
  enum TPrinterOrientation { poPortrait, poLandscape };
  Q_ENUM(TPrinterOrientation)
  enum TPageBorder { pbTop = 1, pbBottom = 2, pbLeft = 4, pbRight = 8 };
  Q_DECLARE_FLAGS(TPageBorders, TPageBorder)
  Q_FLAG(TPageBorders)
  enum TZoomLocation { zlTopLeft, zlTopCenter, zlCenter };
  Q_ENUM(TZoomLocation)
  enum TDirection { dirHorizontal, dirVertical };

 private:
  Q_PROPERTY(bool AbortOnCancel READ AbortOnCancel WRITE setAbortOnCancel)
  Q_PROPERTY(TAlignment Alignment READ Alignment WRITE setAlignment)
  Q_PROPERTY(bool AutoFooterFont READ AutoFooterFont WRITE setAutoFooterFont)
  Q_PROPERTY(bool AutoHeaderFont READ AutoHeaderFont WRITE setAutoHeaderFont)
  Q_PROPERTY(bool Collate READ Collate WRITE setCollate)
  Q_PROPERTY(QColor Color READ Color WRITE setColor)
  Q_PROPERTY(uint Copies READ Copies WRITE setCopies)
  Q_PROPERTY(double DefaultColWidth READ DefaultColWidth WRITE setDefaultColWidth)
  Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
  Q_PROPERTY(QFont Font READ font WRITE setFont)
  Q_PROPERTY(QString Footer READ Footer WRITE setFooter)
  Q_PROPERTY(QFont FooterFont READ FooterFont WRITE setFooterFont)
  Q_PROPERTY(QString FooterFormat READ FooterFormat WRITE setFooterFormat)
  Q_PROPERTY(QString FriendlyFooter READ FriendlyFooter WRITE setFriendlyFooter)
  Q_PROPERTY(QString FriendlyHeader READ FriendlyHeader WRITE setFriendlyHeader)
  Q_PROPERTY(bool GradientBackground READ GradientBackground WRITE setGradientBackground)
  Q_PROPERTY(QString Header READ Header WRITE setHeader)
  Q_PROPERTY(QFont HeaderFont READ HeaderFont WRITE setHeaderFont)
  Q_PROPERTY(QString HeaderFormat READ HeaderFormat WRITE setHeaderFormat)
  Q_PROPERTY(QStringList Lines READ Lines WRITE setLines)
  Q_PROPERTY(TLineSpacing LineSpacing READ LineSpacing WRITE setLineSpacing)
  Q_PROPERTY(double MarginBottom READ MarginBottom WRITE setMarginBottom)
  Q_PROPERTY(double MarginLeft READ MarginLeft WRITE setMarginLeft)
  Q_PROPERTY(double MarginRight READ MarginRight WRITE setMarginRight)
  Q_PROPERTY(double MarginTop READ MarginTop WRITE setMarginTop)
  Q_PROPERTY(TMeasureUnit MeasureUnit READ MeasureUnit WRITE setMeasureUnit)
  Q_PROPERTY(TPrinterOrientation Orientation READ Orientation WRITE setOrientation)
  Q_PROPERTY(double PageBorderOffset READ PageBorderOffset WRITE setPageBorderOffset)
  Q_PROPERTY(TPageBorders PageBorders READ PageBorders WRITE setPageBorders)
  Q_PROPERTY(bool PrintToFile READ PrintToFile WRITE setPrintToFile)
  Q_PROPERTY(QString ProgressMessage READ ProgressMessage WRITE setProgressMessage)
  Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE setShadowColor)
  Q_PROPERTY(uint ShadowOffset READ ShadowOffset WRITE setShadowOffset)
  Q_PROPERTY(bool ShowCancel READ ShowCancel WRITE setShowCancel)
  Q_PROPERTY(bool ShowMargins READ ShowMargins WRITE setShowMargins)
  Q_PROPERTY(bool ShowProgress READ ShowProgress WRITE setShowProgress)
  Q_PROPERTY(QString TableFormat READ TableFormat WRITE setTableFormat)
  Q_PROPERTY(bool TableGrid READ TableGrid WRITE setTableGrid)
  Q_PROPERTY(uint TabSize READ TabSize WRITE setTabSize)
  Q_PROPERTY(QString Title READ Title WRITE setTitle)
  Q_PROPERTY(QChar TokenSeparator READ TokenSeparator WRITE setTokenSeparator)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
  Q_PROPERTY(TZoomLocation ZoomLocation READ ZoomLocation WRITE setZoomLocation)
  Q_PROPERTY(uint ZoomPercent READ ZoomPercent WRITE setZoomPercent)
  // Not stored in forms, but reachable like the others.
  Q_PROPERTY(int PageNumber READ PageNumber WRITE setPageNumber STORED false)
  Q_PROPERTY(int FromPage READ FromPage WRITE setFromPage STORED false)
  Q_PROPERTY(int ToPage READ ToPage WRITE setToPage STORED false)
  Q_PROPERTY(int PageCount READ PageCount STORED false)
  Q_PROPERTY(int LineNumber READ LineNumber STORED false)

 public:
  explicit TPagePrinter(QWidget* parent = nullptr);
  ~TPagePrinter() override;

  // ---- published properties ----
  bool AbortOnCancel() const { return FAbortOnCancel; }
  void setAbortOnCancel(bool value) { FAbortOnCancel = value; }
  TAlignment Alignment() const { return FAlignment; }
  void setAlignment(TAlignment value) { FAlignment = value; }
  bool AutoFooterFont() const { return FAutoFooterFont; }
  void setAutoFooterFont(bool value);
  bool AutoHeaderFont() const { return FAutoHeaderFont; }
  void setAutoHeaderFont(bool value);
  bool Collate() const { return FCollate; }
  void setCollate(bool value) { FCollate = value; }
  QColor Color() const { return FColor; }
  void setColor(const QColor& value);
  uint Copies() const { return FCopies; }
  void setCopies(uint value) { FCopies = value == 0 ? 1 : value; }
  double DefaultColWidth() const { return FDefaultColWidth; }
  void setDefaultColWidth(double value) { FDefaultColWidth = value; }
  QString FileName() const { return FFileName; }
  void setFileName(const QString& value);
  QString Footer() const { return FFooter; }
  void setFooter(const QString& value) { FFooter = value; }
  QFont FooterFont() const { return FFooterFont; }
  void setFooterFont(const QFont& value) { FFooterFont = value; }
  QString FooterFormat() const { return FFooterFormat; }
  void setFooterFormat(const QString& value) { FFooterFormat = NormalizeTableFormat(value, false); }
  QString FriendlyFooter() const { return FFriendlyFooter; }
  void setFriendlyFooter(const QString& value);
  QString FriendlyHeader() const { return FFriendlyHeader; }
  void setFriendlyHeader(const QString& value);
  bool GradientBackground() const { return FGradientBackground; }
  void setGradientBackground(bool value);
  QString Header() const { return FHeader; }
  void setHeader(const QString& value) { FHeader = value; }
  QFont HeaderFont() const { return FHeaderFont; }
  void setHeaderFont(const QFont& value) { FHeaderFont = value; }
  QString HeaderFormat() const { return FHeaderFormat; }
  void setHeaderFormat(const QString& value) { FHeaderFormat = NormalizeTableFormat(value, false); }
  QStringList Lines() const { return FLines; }
  void setLines(const QStringList& value) { FLines = value; }
  TLineSpacing LineSpacing() const { return FLineSpacing; }
  void setLineSpacing(TLineSpacing value);
  double MarginBottom() const { return Attached().FMarginBottom; }
  void setMarginBottom(double value) { SetMarginFor(mBottom, value); }
  double MarginLeft() const { return Attached().FMarginLeft; }
  void setMarginLeft(double value) { SetMarginFor(mLeft, value); }
  double MarginRight() const { return Attached().FMarginRight; }
  void setMarginRight(double value) { SetMarginFor(mRight, value); }
  double MarginTop() const { return Attached().FMarginTop; }
  void setMarginTop(double value) { SetMarginFor(mTop, value); }
  TMeasureUnit MeasureUnit() const { return FMeasureUnit; }
  void setMeasureUnit(TMeasureUnit value);
  TPrinterOrientation Orientation() const;
  void setOrientation(TPrinterOrientation value);
  double PageBorderOffset() const { return FPageBorderOffset; }
  void setPageBorderOffset(double value) { FPageBorderOffset = value; }
  TPageBorders PageBorders() const { return FPageBorders; }
  void setPageBorders(TPageBorders value) { FPageBorders = value; }
  bool PrintToFile() const { return FPrintToFile; }
  void setPrintToFile(bool value);
  QString ProgressMessage() const { return FProgressMessage; }
  void setProgressMessage(const QString& value) { FProgressMessage = value; }
  QColor ShadowColor() const { return FShadowColor; }
  void setShadowColor(const QColor& value);
  uint ShadowOffset() const { return FShadowOffset; }
  void setShadowOffset(uint value);
  bool ShowCancel() const { return FShowCancel; }
  void setShowCancel(bool value) { FShowCancel = value; }
  bool ShowMargins() const { return FShowMargins; }
  void setShowMargins(bool value);
  bool ShowProgress() const { return FShowProgress; }
  void setShowProgress(bool value) { FShowProgress = value; }
  QString TableFormat() const { return FTableFormat; }
  void setTableFormat(const QString& value) { FTableFormat = NormalizeTableFormat(value, false); }
  bool TableGrid() const { return FTableGrid; }
  void setTableGrid(bool value) { FTableGrid = value; }
  uint TabSize() const { return FTabSize; }
  void setTabSize(uint value) { FTabSize = value; }
  QString Title() const;
  void setTitle(const QString& value);
  QChar TokenSeparator() const { return FTokenSeparator; }
  void setTokenSeparator(QChar value) { FTokenSeparator = value; }
  bool WordWrap() const { return FWordWrap; }
  void setWordWrap(bool value) { FWordWrap = value; }
  TZoomLocation ZoomLocation() const { return FZoomLocation; }
  void setZoomLocation(TZoomLocation value) { FZoomLocation = value; }
  uint ZoomPercent() const { return FZoomPercent; }
  void setZoomPercent(uint value);

  // ---- public members ----
  // Canvas of the current page (printer resolution), for measuring text.
  TPageCanvas& Canvas() {
    Attached();
    return FCanvas;
  }
  int PageCount() const { return FPages.Count(); }
  // Recorded page n, counted from 1.
  const TPage* Pages(int n) const { return FPages.Item(n - 1); }
  int PageNumber() const { return FPageNumber; }
  void setPageNumber(int value);
  int LineNumber() const { return FLineNumber; }
  // 0 means the first page for FromPage and the last page for ToPage; the
  // two are kept in order without giving up either meaning.
  int FromPage() const { return FFromPage; }
  void setFromPage(int value);
  int ToPage() const { return FToPage; }
  void setToPage(int value);
  bool IsPrinting() const { return FPrintToFile ? FFileOpen : FPrinting; }

  int UnitsToPixelsX(double value) const;
  int UnitsToPixelsY(double value) const;
  double PixelsToUnitsX(int pixels) const;
  double PixelsToUnitsY(int pixels) const;
  double PrintableWidth() const { return PaperWidth() - MarginLeft() - MarginRight(); }
  void RefreshPrinterMetrics();
  void CancelPrinting() { FCancelRequested = true; }
  // Called by the owner after its form has set the properties.
  void Loaded();

  // ---- page geometry (MeasureUnit unless named ...Px) ----
  double OffsetTop() const;
  double OffsetBottom() const { return OffsetTop(); }
  double OffsetLeft() const;
  double OffsetRight() const { return OffsetLeft(); }
  double PaperWidth() const;
  double PaperHeight() const;
  double PrintableHeight() const;
  int LeftPx() const { return UnitsToPixelsX(MarginLeft() - OffsetLeft()); }
  int RightPx() const { return UnitsToPixelsX(MarginRight() - OffsetRight()); }
  int TopPx() const { return UnitsToPixelsY(MarginTop() - OffsetTop()); }
  int BottomPx() const { return UnitsToPixelsY(MarginBottom() - OffsetBottom()); }
  int TextAreaWidthPx() const;
  int TextAreaHeightPx() const;
  int LineHeight() const { return Attached().FLineHeight; }
  // Write position in printer pixels (see the layout operations).
  int X() const { return FX; }
  int Y() const { return FY; }

  // ---- writing ----
  void BeginDoc();
  void EndDoc();
  void NewPage();
  void NewLine();
  void Write(const QString& text);
  void WriteLine(const QString& text);
  void WriteLineAligned(TAlignment alignment, const QString& text);
  void WriteTableLine(const QString& text);

  // ---- layout helpers ----
  QString ExpandTabs(const QString& text) const;
  QString FitText(const QString& text, int width) const;
  // Splits the first line that fits into width off rest.
  QString SplitToFit(QString& rest, int width, bool dropBlank) const;
  QString ExpandTokens(const QString& text) const;
  struct TColumn {
    QChar Mark;    // '<', '>' or '^'
    double Width;  // negative: no grid lines for this column
  };
  TColumn ParseColumnFormat(const QString& columnText) const;
  QString NormalizeTableFormat(const QString& format, bool convert) const;
  void ApplyFriendlyFormat(const QString& friendly, bool header);

  // ---- preview and printing ----
  virtual void PaintPreview(QPainter& painter);
  void ZoomToWidth();
  void ZoomToHeight();
  void ZoomToFit();
  // False when the user cancelled, true otherwise. Not while a job runs: the
  // pages it plays must stay as they are until it ends.
  bool Print();
  // Print() is sending pages; it lets events through between them.
  bool PrintJobActive() const { return FPrintJob; }
  double PrinterToScreenRatio(TDirection direction) const;
  int PreviewPageWidth() const;
  int PreviewPageHeight() const;
  int UnitsToScreenPixels(TDirection direction, double value) const;
  int UnitsToPreviewPixels(TDirection direction, double value) const;
  int HorzRange() const { return Attached().FHorzRange; }
  int VertRange() const { return Attached().FVertRange; }
  // The progress dialog while Print() runs, else null.
  TPPPrnPrgDlg* ProgressDialog() const { return FProgress.get(); }
  TPreviewBox* PaintBox() const { return FPaintBox; }

 signals:
  // A page has been opened, before its header and footer are written.
  void OnNewPage(TPagePrinter* sender);
  // After each line advance, and after a page's header and footer.
  void OnNewLine(TPagePrinter* sender);

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Zoom at which the paper's extent along one direction fills the view.
  void ZoomAlong(TDirection direction);
  // Names the preview after the page it shows and gives it that page's text,
  // so that the report can be read without seeing it.
  void UpdateAccessibleText();
  void FontChanged();
  void FontRefresh();
  void ComputeLineHeight();
  void ReleaseCurrentPage();
  void NewScratchPage();
  void AddPage();
  void ClearPages(bool openFirstPage);
  QSize PageSizePx() const;
  void StartPage();
  void DrawPageBorders();
  void WriteWrapped(const QString& text, bool inLine);
  // FitText and SplitToFit as lengths: the characters of the line, the
  // characters it uses up (a dropped blank included), and the line's width
  // when fitting measured it (else -1).
  qsizetype FitLength(QStringView text, int width, int* measured = nullptr) const;
  struct TSplit {
    qsizetype Line;
    qsizetype Used;
    int Width;
  };
  TSplit SplitLengths(QStringView rest, int width, bool dropBlank) const;
  void DrawCellBorder(int cw, bool topLine, bool bottomLine);
  void FileWrite(const QString& text);
  void FileLineEnd();
  void UpdateScrollBars();
  // The scroll ranges from the preview page's size, without scrolling.
  void ScrollRanges();
  void SizePaintBox();
  void PrintPage(int page, int first, int last, bool& pageUsed, QPainter& painter);
  void UpdateProgress(const QString& message, int page, int last, int first);
  enum TMargin { mTop, mBottom, mLeft, mRight };
  // Sets one margin, clamped to the paper; `note` keeps the request for the
  // printer's first use while the page printer is still waiting for it.
  void SetMarginFor(TMargin which, double value, bool note = true);
  void SetMargin(double& margin, double value, double low, double high, const char* guard);
  // The four margins through their setters into `unit`, each clamped again.
  void ConvertMargins(TMeasureUnit unit);
  // Whether a margin or unit request is to be kept for the printer's first use.
  bool KeepRequest();
  void CheckNotPrinting(const char* message) const;
  QString FormatGeneral(double value) const;
  int PixelsPerInchX() const;
  int PixelsPerInchY() const;

  // The printer is asked nothing until something needs it: a document, a
  // print, a preview shown, a measure in printer units, the margins read.
  // Until then the page printer works with the metrics of no printer, which
  // is all that its construction and its form's settings need, and keeps the
  // margin and unit requests to replay them against the printer.
  const TPagePrinter& Attached() const {
    if (FPending) AttachPrinter();
    return *this;
  }
  void AttachPrinter() const;
  // The printer's metrics; while waiting inside a TDefer scope, those of no printer.
  PagePrntIntern::TPrinterMetrics Metrics() const;
  bool Reachable() const;
  // Work that is done again when the printer is first used (layout of the
  // preview, the page canvas's font, the scratch page) does not wait for it.
  class TDefer {
   public:
    explicit TDefer(const TPagePrinter& p) : P(p) { ++P.FDeferring; }
    ~TDefer() { --P.FDeferring; }
    TDefer(const TDefer&) = delete;
    TDefer& operator=(const TDefer&) = delete;

   private:
    const TPagePrinter& P;
  };
  struct TMarginRequest {
    int Which;  // a TMargin, or -1 for a change of MeasureUnit to Value
    double Value;
  };

  bool FAbortOnCancel = false;
  TAlignment FAlignment = taLeftJustify;
  bool FAutoFooterFont = true;
  bool FAutoHeaderFont = true;
  bool FCollate = true;
  QColor FColor;
  uint FCopies = 1;
  double FDefaultColWidth = 0.0;
  QString FFileName;
  QString FFooter;
  QFont FFooterFont;
  QString FFooterFormat;
  QString FFriendlyFooter;
  QString FFriendlyHeader;
  bool FGradientBackground = true;
  QString FHeader;
  QFont FHeaderFont;
  QString FHeaderFormat;
  QStringList FLines;
  TLineSpacing FLineSpacing = lsSingleSpace;
  double FMarginBottom = 0, FMarginLeft = 0, FMarginRight = 0, FMarginTop = 0;
  TMeasureUnit FMeasureUnit = muInches;
  double FPageBorderOffset = 0.0;
  TPageBorders FPageBorders;
  bool FPrintToFile = false;
  QString FProgressMessage;
  QColor FShadowColor;
  uint FShadowOffset = 5;
  bool FShowCancel = true;
  bool FShowMargins = true;
  bool FShowProgress = true;
  QString FTableFormat;
  bool FTableGrid = false;
  uint FTabSize = 8;
  QChar FTokenSeparator = QLatin1Char('|');
  bool FWordWrap = true;
  TZoomLocation FZoomLocation = zlTopLeft;
  uint FZoomPercent = 25;

  TPreviewBox* FPaintBox = nullptr;
  TPageList FPages;
  std::unique_ptr<TPage> FScratchPage;  // the current page when it is not recorded
  TPage* FCurrentPage = nullptr;
  TPageCanvas FCanvas;
  std::unique_ptr<TPPPrnPrgDlg> FProgress;  // exists only while Print() runs
  std::unique_ptr<QFile> FFile;

  int FPageNumber = 0;
  int FLineNumber = 0;
  int FFromPage = 0;
  int FToPage = 0;
  int FX = 0;
  int FY = 0;
  int FLineHeight = 0;
  int FHorzRange = 0;
  int FVertRange = 0;
  bool FPrinting = false;
  bool FFileOpen = false;
  bool FInHeaderFooter = false;
  bool FCancelRequested = false;
  bool FPrintJob = false;
  bool FConstructing = false;
  mutable bool FPending = true;
  mutable int FDeferring = 0;
  std::vector<TMarginRequest> FMarginRequests;
  QRect FPaintRect;  // the part of the paint box being repainted
  friend class TPreviewBox;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TPagePrinter::TPageBorders)
