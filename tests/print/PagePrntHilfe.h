#pragma once
// The program-wide printer either unreachable (fallback metrics) or printing into a PDF file.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

#include "print/PagePrnt.h"

// An empty file name leaves the printer unreachable.
inline void PdfDrucker(const QString& datei, int dpi = 1200) {
  if (!datei.isEmpty()) Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(datei);
  if (!datei.isEmpty()) Printer().setResolution(dpi);
  Printer().setPageSize(QPageSize(QPageSize::A4));
  Printer().setPageOrientation(QPageLayout::Portrait);
  Printer().setCopyCount(1);
}

class PagePrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PdfDrucker(QString());
    pp = std::make_unique<TPagePrinter>();
  }
  void TearDown() override {
    pp.reset();
    PdfDrucker(QString());
  }
  // Fallback metrics in inches (300 dpi, letter paper, 0.25 in offsets):
  // margins chosen so that the text area is exactly w by h printer pixels.
  void TextArea(int w, int h) {
    pp->setMeasureUnit(TPagePrinter::muInches);
    pp->setMarginLeft(0.25);
    pp->setMarginTop(0.25);
    pp->setMarginRight(0.25 + (2400 - w) / 300.0);
    pp->setMarginBottom(0.25 + (3150 - h) / 300.0);
    ASSERT_EQ(pp->TextAreaWidthPx(), w);
    ASSERT_EQ(pp->TextAreaHeightPx(), h);
  }
  QString Pfad(const QString& name) const { return Ordner.filePath(name); }

  QTemporaryDir Ordner;
  std::unique_ptr<TPagePrinter> pp;
};
