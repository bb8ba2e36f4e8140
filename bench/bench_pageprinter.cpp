// Page printer costs that a user waits for: recording a long table, one
// repaint of the preview at 100 %, and sending copies to a PDF printer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "print/PagePrnt.h"

namespace {

void Tabelle(TPagePrinter& pp, int seiten) {
  pp.setMeasureUnit(TPagePrinter::muMillimeters);
  pp.setFriendlyHeader(QStringLiteral("&lZinsbericht&r&d"));
  pp.setFriendlyFooter(QStringLiteral("&cSeite &p"));
  pp.setTableFormat(QStringLiteral("<30|<90|>50"));
  pp.setTableGrid(true);
  pp.BeginDoc();
  for (int i = 1; pp.PageCount() <= seiten; ++i)
    pp.WriteTableLine(QStringLiteral("Jahr %1|Kapital am Jahresende, Zeile {$LINE} auf Seite {$PAGE}|%2,00 DM")
                          .arg(i)
                          .arg(1000 + i * 50));
  pp.EndDoc();
}

void BM_Record50Pages(benchmark::State& state) {
  Printer().setOutputFileName(QString());
  TPagePrinter pp;
  for (auto _ : state) {
    Tabelle(pp, 50);
    benchmark::DoNotOptimize(pp.PageCount());
  }
}
BENCHMARK(BM_Record50Pages)->Unit(benchmark::kMillisecond);

void BM_PreviewRepaint100(benchmark::State& state) {
  Printer().setOutputFileName(QString());
  TPagePrinter pp;
  Tabelle(pp, 1);
  pp.resize(900, 1200);
  pp.setZoomPercent(100);
  QImage bild(pp.PaintBox()->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    pp.PaintBox()->render(&bild);
    benchmark::DoNotOptimize(bild.bits());
  }
}
BENCHMARK(BM_PreviewRepaint100)->Unit(benchmark::kMillisecond);

void BM_Print3Copies10PagesToPdf(benchmark::State& state) {
  QTemporaryDir ordner;
  Printer().setOutputFileName(ordner.filePath(QStringLiteral("bench.pdf")));
  TPagePrinter pp;
  Tabelle(pp, 10);
  pp.setToPage(10);
  pp.setCopies(3);
  pp.setShowProgress(false);
  for (auto _ : state) benchmark::DoNotOptimize(pp.Print());
  Printer().setOutputFileName(QString());
}
BENCHMARK(BM_Print3Copies10PagesToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
