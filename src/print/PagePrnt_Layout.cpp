// Page printer: documents, lines, table rows, headers, footers and page breaks.
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <vector>

#include "print/PagePrnt.h"
#include "print/PagePrnt_Intern.h"

using namespace PagePrntIntern;

namespace {

QLocale NumberLocale() {
  QLocale loc;
  loc.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  return loc;
}

// The locale's long time format without the time zone, which a report line
// has no use for.
QString LongTimeText() {
  QString fmt = QLocale().timeFormat(QLocale::LongFormat);
  fmt.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b\\s*")));
  return QLocale().toString(QTime::currentTime(), fmt.trimmed());
}

QString Blanks(int n) { return n > 0 ? QString(n, QLatin1Char(' ')) : QString(); }

}  // namespace

// ---- documents ---------------------------------------------------------------

void TPagePrinter::BeginDoc() {
  if (FPrintJob) throw EPagePrinter(QStringLiteral("Can't begin a document while a print job runs"));
  RefreshPrinterMetrics();
  FPrinting = true;
  FInHeaderFooter = false;
  if (FPrintToFile) {
    FontRefresh();
    auto file = std::make_unique<QFile>(FFileName);
    if (FFileName.isEmpty() || !file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      // The document never started: leave the component idle.
      FPrinting = false;
      throw EInOutError(
          QStringLiteral("Cannot create file \"%1\": %2")
              .arg(FFileName, FFileName.isEmpty() ? QStringLiteral("no file name") : file->errorString()));
    }
    FFile = std::move(file);
    FFileOpen = true;
  } else {
    ClearPages(true);
  }
  FontRefresh();
  FPageNumber = 1;
  StartPage();
}

void TPagePrinter::EndDoc() {
  FPrinting = false;
  if (FPrintToFile) {
    if (FFile) {
      std::unique_ptr<QFile> file = std::move(FFile);
      FFileOpen = false;
      file->close();
      if (file->error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("Cannot close %1: %2").arg(FFileName, file->errorString()));
    }
    FFileOpen = false;
    return;
  }
  ReleaseCurrentPage();
  NewScratchPage();
  FPageNumber = PageCount() > 0 ? 1 : 0;
  UpdateScrollBars();
  FPaintBox->update();
  UpdateAccessibleText();
}

void TPagePrinter::StartPage() {
  FX = 0;
  FY = 0;
  FLineNumber = 0;
  emit OnNewPage(this);

  const int savedX = FX, savedY = FY, savedLine = FLineNumber;
  const QString savedFormat = FTableFormat;
  const bool savedGrid = FTableGrid;
  const QFont savedFont = font();
  const bool savedAutoHeader = FAutoHeaderFont, savedAutoFooter = FAutoFooterFont;
  FTableGrid = false;
  FAutoHeaderFont = false;
  FAutoFooterFont = false;
  FInHeaderFooter = true;

  auto restore = [&] {
    FInHeaderFooter = false;
    FTableFormat = savedFormat;
    FTableGrid = savedGrid;
    setFont(savedFont);
    setAutoHeaderFont(savedAutoHeader);
    setAutoFooterFont(savedAutoFooter);
  };
  try {
    if (!FHeader.isEmpty()) {
      setFont(FHeaderFont);
      const int h = UnitsToPixelsY(FMarginTop);
      const int l = FLineHeight;
      if (!(FPageBorders & pbTop))
        FY = (h - l) / 2 - h;
      else
        FY = (UnitsToPixelsY(FMarginTop - FPageBorderOffset) - l) / 2 - h;
      if (TopPx() + FY < 0) FY = -TopPx();
      FTableFormat = FHeaderFormat;
      WriteTableLine(FHeader);
    }
    if (!FFooter.isEmpty()) {
      setFont(FFooterFont);
      const int b = UnitsToPixelsY(FMarginBottom);
      const int l = FLineHeight;
      if (!(FPageBorders & pbBottom))
        FY = (b - l) / 2 + TextAreaHeightPx();
      else
        FY = UnitsToPixelsY(FPageBorderOffset) + TextAreaHeightPx() +
             (UnitsToPixelsY(FMarginBottom - FPageBorderOffset) - l) / 2;
      const int printable = UnitsToPixelsY(PrintableHeight());
      if (TopPx() + FY + l > printable) FY = printable - TopPx() - l;
      FTableFormat = FFooterFormat;
      WriteTableLine(FFooter);
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  FX = savedX;
  FY = savedY;
  FLineNumber = savedLine;

  emit OnNewLine(this);
  DrawPageBorders();
}

void TPagePrinter::DrawPageBorders() {
  if (!FPageBorders) return;
  const int oy = UnitsToPixelsY(FPageBorderOffset);
  const int ox = UnitsToPixelsX(FPageBorderOffset);
  const int w = TextAreaWidthPx();
  const int hh = TextAreaHeightPx();
  const int left = LeftPx(), top = TopPx();
  FCanvas.Pen = QPen(Qt::black);
  FCanvas.Pen.setWidth(PixelsPerInchY() / 300 * 2);
  if (FPageBorders & pbTop) FCanvas.Polyline(QPoint(left - oy, top - oy), QPoint(left + w + oy, top - oy));
  if (FPageBorders & pbBottom) FCanvas.Polyline(QPoint(left - oy, top + hh + oy), QPoint(left + w + oy, top + hh + oy));
  FCanvas.Pen.setWidth(PixelsPerInchX() / 300 * 2);
  if (FPageBorders & pbLeft) FCanvas.Polyline(QPoint(left - ox, top - ox), QPoint(left - ox, top + hh + ox));
  if (FPageBorders & pbRight) FCanvas.Polyline(QPoint(left + w + ox, top - ox), QPoint(left + w + ox, top + hh + ox));
}

void TPagePrinter::NewPage() {
  if (FFileOpen) {
    FileWrite(QString(QChar(12)));
    FileLineEnd();
  } else {
    AddPage();
  }
  ++FPageNumber;
  StartPage();
}

void TPagePrinter::NewLine() {
  FX = 0;
  FY = SatAdd(FY, FLineHeight);
  if (!FFileOpen && !FInHeaderFooter && static_cast<long long>(FY) + FLineHeight >= TextAreaHeightPx()) {
    NewPage();
  } else {
    if (FFileOpen) FileLineEnd();
    ++FLineNumber;
  }
  emit OnNewLine(this);
}

// ---- text helpers ----------------------------------------------------------------

QString TPagePrinter::ExpandTabs(const QString& text) const {
  QString result;
  result.reserve(text.size());
  for (QChar ch : text) {
    if (ch == QLatin1Char('\t')) {
      // A tab size of 0 would divide by zero; such a tab is one blank.
      const int n = FTabSize == 0 ? 1 : static_cast<int>(FTabSize - (result.size() % FTabSize));
      result += Blanks(n);
    } else {
      result += ch;
    }
  }
  return result;
}

QString TPagePrinter::FitText(const QString& text, int width) const { return text.left(FitLength(text, width)); }

qsizetype TPagePrinter::FitLength(QStringView text, int width, int* measured) const {
  // The longest leading part whose measured width fits, at least one
  // character. The search starts from the characters' own advances and
  // gallops from there, so that a line costs a few measurements of about its
  // own length, however long the text behind it is (a cell of tens of
  // thousands of characters would otherwise be measured whole for each of
  // its lines).
  const qsizetype length = text.size();
  int loWidth = 0;
  if (measured) *measured = 0;
  if (length == 0) return 0;
  int w = 0;
  const auto fits = [&](qsizetype n) { return (w = FCanvas.TextWidth(text.left(n).toString())) <= width; };
  qsizetype lo = std::clamp<qsizetype>(FCanvas.CharsWithin(text, width), 1, length), hi = lo;
  if (fits(lo)) {
    // lo fits; find an hi that does not.
    loWidth = w;
    for (qsizetype step = 1; lo < length; step *= 2) {
      hi = std::min(length, lo + step);
      if (!fits(hi)) break;
      lo = hi;
      loWidth = w;
    }
    if (lo == length) hi = lo + 1;
  } else {
    // hi does not fit; find a lo that does.
    loWidth = -1;
    for (qsizetype step = 1; hi > 1; step *= 2) {
      lo = std::max<qsizetype>(1, hi - step);
      if (fits(lo)) {
        loWidth = w;
        break;
      }
      hi = lo;
    }
    if (hi == 1) lo = 0;
  }
  while (hi - lo > 1) {
    const qsizetype mid = lo + (hi - lo) / 2;
    if (fits(mid)) {
      lo = mid;
      loWidth = w;
    } else {
      hi = mid;
    }
  }
  // Not even the first character fits: it is the line all the same.
  if (lo == 0) {
    lo = 1;
    loWidth = -1;
  }
  if (measured) *measured = loWidth;
  return lo;
}

TPagePrinter::TSplit TPagePrinter::SplitLengths(QStringView rest, int width, bool dropBlank) const {
  int measured = -1;
  const qsizetype n = FitLength(rest, width, &measured);
  TSplit split{n, n, measured};
  if (n < rest.size()) {
    if (rest.at(n).unicode() >= 33) {
      qsizetype i = n - 1;
      while (i >= 0 && rest.at(i).unicode() >= 33) --i;
      if (i >= 0) split = {i + 1, i + 1, -1};
    } else if (dropBlank) {
      ++split.Used;
    }
  }
  return split;
}

QString TPagePrinter::SplitToFit(QString& rest, int width, bool dropBlank) const {
  const TSplit split = SplitLengths(rest, width, dropBlank);
  QString line = rest.left(split.Line);
  rest.remove(0, split.Used);
  return line;
}

QString TPagePrinter::ExpandTokens(const QString& text) const {
  QString s = text;
  s.replace(QStringLiteral("{$LINE}"), QString::number(FLineNumber));
  s.replace(QStringLiteral("{$PAGE}"), QString::number(FPageNumber));
  if (s.contains(QStringLiteral("{$DATE}")))
    s.replace(QStringLiteral("{$DATE}"), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
  if (s.contains(QStringLiteral("{$TIME}"))) s.replace(QStringLiteral("{$TIME}"), LongTimeText());
  if (s.contains(QStringLiteral("{$TITLE}"))) s.replace(QStringLiteral("{$TITLE}"), Title());
  return s;
}

// ---- writing -------------------------------------------------------------------------

void TPagePrinter::WriteWrapped(const QString& text, bool inLine) {
  qsizetype from = 0;
  do {
    const QStringView rest = QStringView(text).mid(from);
    const TSplit split = SplitLengths(rest, TextAreaWidthPx() - FX, !inLine);
    const QString line = rest.left(split.Line).toString();
    from += split.Used;
    if (inLine) {
      Write(line);
      if (from < text.size()) NewLine();
    } else {
      WriteLine(line);
    }
  } while (from < text.size());
}

void TPagePrinter::Write(const QString& text) {
  const QString t = text.contains(QLatin1Char('\t')) ? ExpandTabs(text) : text;
  const int w = FCanvas.TextWidth(t);
  if (w > TextAreaWidthPx() - FX && t.size() > 1) {
    if (FWordWrap)
      WriteWrapped(t, true);
    else
      Write(FitText(t, TextAreaWidthPx() - FX));
    return;
  }
  if (!FFileOpen && static_cast<long long>(FY) + FLineHeight >= TextAreaHeightPx()) NewPage();
  if (FFileOpen)
    FileWrite(t);
  else
    FCanvas.TextOut(LeftPx() + FX, TopPx() + FY, t);
  FX = SatAdd(FX, w);
}

void TPagePrinter::WriteLine(const QString& text) {
  const QString t = text.contains(QLatin1Char('\t')) ? ExpandTabs(text) : text;
  const int w = FCanvas.TextWidth(t);
  const int area = TextAreaWidthPx();
  if (w > area && t.size() > 1) {
    FX = 0;
    if (FWordWrap)
      WriteWrapped(t, false);
    else
      WriteLine(FitText(t, area));
    return;
  }
  // The page break comes first: it resets the write position, and the line
  // must keep its alignment on the new page.
  if (!FFileOpen && static_cast<long long>(FY) + FLineHeight >= TextAreaHeightPx()) NewPage();
  switch (FAlignment) {
    case taRightJustify: FX = area - w; break;
    case taCenter: FX = (area - w) / 2; break;
    case taLeftJustify: FX = 0; break;
  }
  if (FFileOpen) {
    const int blank = FCanvas.TextWidth(QStringLiteral(" "));
    FileWrite(Blanks(blank > 0 ? FX / blank : 0) + t);
  } else {
    FCanvas.TextOut(LeftPx() + FX, TopPx() + FY, t);
  }
  NewLine();
}

void TPagePrinter::WriteLineAligned(TAlignment alignment, const QString& text) {
  const TAlignment saved = FAlignment;
  FAlignment = alignment;
  try {
    WriteLine(text);
  } catch (...) {
    FAlignment = saved;
    throw;
  }
  FAlignment = saved;
}

void TPagePrinter::WriteTableLine(const QString& text) {
  std::vector<TColumn> columns;
  for (const QString& columnText : FTableFormat.split(FTokenSeparator))
    columns.push_back(ParseColumnFormat(columnText));
  // What is left of each cell is its text from Pos on. A cell takes its text
  // one line-feed-separated line at a time, and a line that wraps holds the
  // next lines of the other cells back: a label stays beside its value
  // however long the value's line is.
  struct TCell {
    QString Text;
    qsizetype Pos = 0;
    qsizetype LineEnd = -1;  // the line feed or the end that ends the current line, once found
    bool MayHaveTokens = true;
    bool Waiting = false;  // its current line is written; the next waits for the others
  };
  std::vector<TCell> cells;
  for (const QString& cellText : text.split(FTokenSeparator)) cells.push_back({cellText});
  bool firstLine = FTableGrid;
  const int inset = PixelsPerInchX() / 300 * 6;
  const int blank = FCanvas.TextWidth(QStringLiteral(" "));
  bool more = false;
  do {
    more = false;
    bool wrapping = false;
    FX = LeftPx();
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const TColumn& col = columns[i];
      const int cw = UnitsToPixelsX(std::abs(col.Width));
      const bool grid = FTableGrid && !(col.Width < 0);
      QString line;
      int lineWidth = -1;  // when fitting measured it already
      if (i < cells.size() && !cells[i].Waiting) {
        TCell& cell = cells[i];
        if (cell.MayHaveTokens) {
          // Tokens are expanded in what is left of the cell, line by line; a
          // text they leave as it is stays so to its end.
          const QString rest = cell.Text.mid(cell.Pos);
          cell.Text = rest.contains(QStringLiteral("{$")) ? ExpandTokens(rest) : rest;
          cell.Pos = 0;
          cell.LineEnd = -1;
          cell.MayHaveTokens = cell.Text != rest;
        }
        if (!FWordWrap) {
          line = FitText(cell.Text.mid(cell.Pos), cw);
          cell.Pos = cell.Text.size();
        } else {
          if (cell.LineEnd < cell.Pos) {
            cell.LineEnd = cell.Text.indexOf(QLatin1Char('\n'), cell.Pos);
            if (cell.LineEnd < 0) cell.LineEnd = cell.Text.size();
          }
          const QStringView rest = QStringView(cell.Text).mid(cell.Pos, cell.LineEnd - cell.Pos);
          const TSplit split = SplitLengths(rest, cw, false);
          line = rest.left(split.Line).toString();
          lineWidth = split.Width;
          cell.Pos += split.Used;
          if (cell.Pos < cell.LineEnd) {
            wrapping = true;
          } else if (cell.LineEnd < cell.Text.size()) {
            cell.Pos = cell.LineEnd + 1;  // past the line feed
            cell.Waiting = true;
          }
        }
      }
      const int tw = lineWidth >= 0 ? lineWidth : FCanvas.TextWidth(line);
      int offset = 0;
      if (col.Mark == QLatin1Char('>'))
        offset = cw - tw;
      else if (col.Mark == QLatin1Char('^'))
        offset = (cw - tw) / 2;
      if (static_cast<long long>(tw) < static_cast<long long>(cw) - inset) {
        if (col.Mark == QLatin1Char('>')) offset -= inset;
        if (col.Mark == QLatin1Char('<')) offset += inset;
      }
      if (FFileOpen) {
        const int b1 = blank > 0 ? offset / blank : 0;
        const int b2 = blank > 0 ? static_cast<int>((static_cast<long long>(cw) - offset - tw) / blank) : 0;
        FileWrite(Blanks(b1) + line + Blanks(b2));
      } else {
        FCanvas.TextOut(SatAdd(FX, offset), TopPx() + FY, line);
      }
      if (grid) DrawCellBorder(cw, firstLine, false);
      FX = SatAdd(FX, cw);
    }
    firstLine = false;
    for (std::size_t i = 0; i < cells.size() && i < columns.size(); ++i) {
      if (!wrapping) cells[i].Waiting = false;
      if (cells[i].Pos < cells[i].Text.size()) more = true;
    }
    if (more) NewLine();
  } while (more);
  if (FTableGrid) {
    FX = LeftPx();
    for (const TColumn& col : columns) {
      const int cw = UnitsToPixelsX(std::abs(col.Width));
      if (!(col.Width < 0)) DrawCellBorder(cw, false, true);
      FX = SatAdd(FX, cw);
    }
  }
  if (!(FInHeaderFooter && !FFileOpen)) NewLine();
}

void TPagePrinter::DrawCellBorder(int cw, bool topLine, bool bottomLine) {
  const int e = FCanvas.ExternalLeading();
  int shift = e;
  switch (FLineSpacing) {
    case lsHalfSpace: shift = e / 2; break;
    case lsSingleSpace: shift = e; break;
    case lsSingleAndAHalf: shift = RoundEven(e * 1.5L); break;
    case lsDoubleSpace: shift = 2 * e; break;
  }
  const int y = TopPx() + FY - shift;
  const int l = FLineHeight;
  const int right = SatAdd(FX, cw);
  FCanvas.Pen = QPen(Qt::black);
  FCanvas.Pen.setWidth(PixelsPerInchY() / 300 * 2);
  if (topLine) FCanvas.Polyline(QPoint(FX, y), QPoint(right, y));
  if (bottomLine) FCanvas.Polyline(QPoint(FX, y + l), QPoint(right, y + l));
  FCanvas.Pen.setWidth(PixelsPerInchX() / 300 * 2);
  FCanvas.Polyline(QPoint(FX, y), QPoint(FX, y + l));
  FCanvas.Polyline(QPoint(right, y), QPoint(right, y + l));
}

// ---- table formats ---------------------------------------------------------------------

QString TPagePrinter::FormatGeneral(double value) const {
  QString s = NumberLocale().toString(value, 'g', 15);
  s.remove(QLatin1Char(' '));
  return s;
}

TPagePrinter::TColumn TPagePrinter::ParseColumnFormat(const QString& columnText) const {
  QString s = columnText;
  if (s.isEmpty())
    s = QLatin1Char('<') + FormatGeneral(FDefaultColWidth);
  else if (s == QLatin1String("<") || s == QLatin1String(">") || s == QLatin1String("^"))
    s += FormatGeneral(FDefaultColWidth);
  TColumn col{QLatin1Char('<'), FDefaultColWidth};
  const QChar first = s.at(0);
  if (first == QLatin1Char('<') || first == QLatin1Char('>') || first == QLatin1Char('^')) {
    col.Mark = first;
    s.remove(0, 1);
  }
  bool ok = false;
  const double w = NumberLocale().toDouble(s.trimmed(), &ok);
  col.Width = ok && std::isfinite(w) ? w : FDefaultColWidth;
  return col;
}

QString TPagePrinter::NormalizeTableFormat(const QString& format, bool convert) const {
  if (format.isEmpty()) return QString();
  QStringList out;
  for (const QString& columnText : format.split(FTokenSeparator)) {
    TColumn col = ParseColumnFormat(columnText);
    if (convert) col.Width = static_cast<double>(FMeasureUnit == muMillimeters ? col.Width * 25.4L : col.Width / 25.4L);
    out << col.Mark + FormatGeneral(col.Width);
  }
  return out.join(FTokenSeparator);
}

void TPagePrinter::ApplyFriendlyFormat(const QString& friendly, bool header) {
  QStringList marks;
  QString text;
  bool afterAmpersand = false;
  const QLocale loc;
  for (QChar ch : friendly) {
    if (!afterAmpersand) {
      if (ch == QLatin1Char('&'))
        afterAmpersand = true;
      else
        text += ch;
      continue;
    }
    afterAmpersand = false;
    QString piece;
    QString mark;
    switch (ch.unicode()) {
      case 'l': mark = QStringLiteral("<"); break;
      case 'c': mark = QStringLiteral("^"); break;
      case 'r': mark = QStringLiteral(">"); break;
      case 'p': piece = QStringLiteral("{$PAGE}"); break;
      case 'i': piece = QStringLiteral("{$TITLE}"); break;
      case 'd': piece = loc.toString(QDate::currentDate(), QLocale::ShortFormat); break;
      case 'D': piece = loc.toString(QDate::currentDate(), QLocale::LongFormat); break;
      case 't': piece = loc.toString(QTime::currentTime(), QLocale::ShortFormat); break;
      case 'T': piece = LongTimeText(); break;
      case 'f': {
        // Directory separators of both worlds end the directory part.
        const qsizetype cut =
            std::max({FFileName.lastIndexOf(QLatin1Char('\\')), FFileName.lastIndexOf(QLatin1Char(':')),
                      FFileName.lastIndexOf(QLatin1Char('/'))});
        piece = FFileName.mid(cut + 1);
        break;
      }
      case 'F': piece = FFileName; break;
      case '&': piece = QStringLiteral("&"); break;
      default: break;
    }
    if (!mark.isEmpty()) {
      if (!text.isEmpty()) {
        if (marks.isEmpty()) marks << QStringLiteral("<");
        text += FTokenSeparator;
      }
      marks << mark;
    } else {
      text += piece.isEmpty() ? QStringLiteral(" ") : piece;
    }
  }
  if (marks.isEmpty()) marks << QStringLiteral("<");
  QString width = NumberLocale().toString(PrintableWidth() / static_cast<double>(marks.size()), 'f', 2);
  width.remove(QLatin1Char(' '));
  QStringList columnTexts;
  for (const QString& m : marks) columnTexts << m + width;
  if (header) {
    FHeader = text;
    setHeaderFormat(columnTexts.join(FTokenSeparator));
  } else {
    FFooter = text;
    setFooterFormat(columnTexts.join(FTokenSeparator));
  }
}
