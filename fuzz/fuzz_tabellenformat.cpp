// Feeds arbitrary table formats, friendly header texts and table rows to the
// page printer: format normal form, column parsing, ampersand codes and the
// layout of rows (wrapping, line feeds, tokens, grids, page breaks). Rows of
// tens of kilobytes must lay out in time as well (run with -max_len=65536).
#include <QApplication>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "print/PagePrnt.h"

namespace {
QApplication* app = nullptr;
TPagePrinter* pp = nullptr;
}  // namespace

// Fontconfig keeps its pattern caches until exit; those are not our leaks.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libfreetype.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  app = new QApplication(*argc, *argv);
  pp = new TPagePrinter;
  pp->setMeasureUnit(TPagePrinter::muMillimeters);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const uint8_t flags = data[0];
  const uint8_t width = data[1];
  const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
  // Three texts separated by a NUL: format, friendly header, row.
  const QStringList parts = input.split(QChar(0));
  const QString format = parts.value(0);
  const QString friendly = parts.value(1);
  const QString row = parts.value(2);

  static const char separators[] = {'|', ';', '#', '\t'};
  pp->setTokenSeparator(QLatin1Char(separators[flags & 3]));
  pp->setDefaultColWidth((width % 64) - 8);
  pp->setWordWrap(flags & 4);
  pp->setTableGrid(flags & 8);
  pp->setTabSize(flags >> 6);
  pp->setLineSpacing(static_cast<TPagePrinter::TLineSpacing>((flags >> 4) & 3));

  pp->setTableFormat(format);
  const QString normal = pp->TableFormat();
  // The normal form is a fixed point.
  if (pp->NormalizeTableFormat(normal, false) != normal) std::abort();
  for (const QString& columnText : format.split(pp->TokenSeparator())) {
    const TPagePrinter::TColumn col = pp->ParseColumnFormat(columnText);
    if (col.Mark != QLatin1Char('<') && col.Mark != QLatin1Char('>') && col.Mark != QLatin1Char('^')) std::abort();
  }

  pp->setFriendlyHeader(friendly);
  pp->setFooter(row.left(40));
  pp->setFooterFormat(format.left(40));

  pp->BeginDoc();
  pp->WriteTableLine(row);
  pp->Write(row);
  pp->WriteLine(row);
  pp->EndDoc();
  if (pp->PageCount() < 1) std::abort();
  return 0;
}
