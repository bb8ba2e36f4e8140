// From a click on "Drucken" in the main window to the painted preview.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLocale>
#include <QTabWidget>

#include "Anwendung.h"
#include "PagePrnt.h"
#include "Startfenster.h"
#include "Startfenster_Seiten.h"
#include "uDruck.h"

namespace {

void DruckenBisVorschau(benchmark::State& state, int seite) {
  fmStart->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(seite);
  auto* drucken = fmStart->findChild<QAbstractButton*>(QStringLiteral("btbtnDruck"));
  TPagePrinter* p = frmDruckVorschau->PgprntrVorschau();
  for (auto _ : state) {
    drucken->click();
    // Paint now, not at the next turn of the event loop.
    p->viewport()->repaint();
    QCoreApplication::processEvents();
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TAnwendung app(argc, argv);
  app.FensterErzeugen();
  fmStart->resize(1000, 750);
  fmStart->show();
  benchmark::RegisterBenchmark("Bericht/Einfache_Zinsrechnung", DruckenBisVorschau, int(Seiten::eZi))
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Bericht/Aktien", DruckenBisVorschau, int(Seiten::Akt))->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Bericht/Euro", DruckenBisVorschau, int(Seiten::Euro))->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  app.FensterZerstoeren();
  return 0;
}
