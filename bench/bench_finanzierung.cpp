// Recomputing the comparison of four offers with a fixed rate for 40 years:
// every month's row, the results and the effective rates.
#include <benchmark/benchmark.h>

#include "calc/Finanzierung.h"

namespace {

void BM_VierAngebote40Jahre(benchmark::State& state) {
  const auto angebot = [](long double soll, long double tilgung, long double sonder, long double kosten) {
    return TAngebot{400000.0L, soll, tilgung, std::nullopt, 40, soll + 1, sonder, kosten};
  };
  const std::vector<TAngebot> angebote{angebot(3.9L, 1, 0, 0), angebot(3.75L, 1.5L, 5000, 2500),
                                       angebot(4.1L, 2, 0, 1000), angebot(3.8L, 1.25L, 2000, 4000)};
  for (auto _ : state) benchmark::DoNotOptimize(Vergleichen(angebote));
}

}  // namespace

BENCHMARK(BM_VierAngebote40Jahre)->Name("Finanzierung/Vier_Angebote_40_Jahre")->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
