// The comparison of loan offers: opening its window from the menu, and a
// comparison of four offers recomputed when a field is left.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>

#include "Fensterlauf.h"
#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "finanzierung/Finanzierungsfenster.h"
#include "report/uDruck.h"
#include "report/uDruck_Finanzierung.h"

namespace {

// A new window, its fields laid out and painted.
void BM_FensterOeffnen(benchmark::State& state) {
  for (auto _ : state) {
    TfmFinanzierung* fenster = FinanzierungZeigen(fmStart, frmDruckVorschau);
    fenster->repaint();
    state.PauseTiming();
    delete fenster;
    state.ResumeTiming();
  }
}

// Four 30-year offers opened from a file: read, computed, shown, charted.
void BM_VierAngeboteOeffnen(benchmark::State& state) {
  TfmFinanzierung* fenster = FinanzierungZeigen(fmStart, frmDruckVorschau);
  QList<TAngebotTexte> angebote;
  for (int i = 0; i < TfmFinanzierung::Angebote; ++i)
    angebote << TAngebotTexte{{"Name", QStringLiteral("Bank %1").arg(i + 1)},
                              {"Betrag", "300.000,00"},
                              {"Sollzins", QStringLiteral("3,%1").arg(i)},
                              {"Tilgung", "2"},
                              {"Zinsbindung", QString::number(10 + 5 * i)},
                              {"Anschlusszins", "5"},
                              {"Sondertilgung", "2.000,00"}};
  const QString datei = QStringLiteral("%1/kalvora-bench-vergleich.json").arg(QDir::tempPath());
  QFile f(datei);
  if (!f.open(QIODevice::WriteOnly)) return state.SkipWithError("Datei nicht schreibbar");
  f.write(VergleichDaten(angebote));
  f.close();
  for (auto _ : state) {
    fenster->Oeffnen(datei);
    fenster->repaint();
  }
  QFile::remove(datei);
  delete fenster;
}

}  // namespace

int main(int argc, char** argv) {
  return MitFensternLaufen(argc, argv, [] {
    benchmark::RegisterBenchmark("Vergleich/Fenster_oeffnen", BM_FensterOeffnen)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Vergleich/Vier_Angebote_oeffnen", BM_VierAngeboteOeffnen)
        ->Unit(benchmark::kMillisecond);
  });
}
