// One run of every page formula and of the number texts around it.
#include <benchmark/benchmark.h>

#include "calc/AnnD.h"
#include "calc/BW.h"
#include "calc/MWST.h"
#include "calc/OrvMath.h"
#include "calc/ZiZiE.h"
#include "calc/ZiZiR.h"
#include "calc/eZi.h"

namespace {

template <typename F>
void Lauf(benchmark::State& state, F f) {
  for (auto _ : state) benchmark::DoNotOptimize(f());
}

void BM_eZi(benchmark::State& s) {
  Lauf(s, [] { return eZi::Endkapital(1000, 5, 2, 6).Wert() + eZi::Laufzeit(1000, 5, 1125).Wert(); });
}
void BM_ZiZiE(benchmark::State& s) {
  Lauf(s, [] { return ZiZiE::Zinssatz(1000, 2000, 10, 0).Wert() + ZiZiE::Laufzeit(1000, 7, 2000).Wert(); });
}
void BM_ZiZiR(benchmark::State& s) {
  Lauf(s, [] { return ZiZiR::Rate(10000, 5, 10, 0, 12).Wert() + ZiZiR::Laufzeit(100, 5, 20000, 12).Wert(); });
}
void BM_BW(benchmark::State& s) {
  Lauf(s, [] { return BW::Barwert(500, 6, 20, 0, 12).Wert() + BW::Laufzeit(500, 6, 50000, 12).Wert(); });
}
void BM_AnnD(benchmark::State& s) {
  Lauf(s,
       [] { return AnnD::Rate(100000, 6, 10, 0, 12).Wert() + AnnD::Restschuld(100000, 6, 5, 0, 1110.21L, 12).Wert(); });
}
void BM_MWST(benchmark::State& s) {
  Lauf(s, [] { return MWST::Netto(100, 16).Steuer.Wert(); });
}
void BM_FeldWert(benchmark::State& s) {
  const QString text = QStringLiteral("12.345.678,91");
  Lauf(s, [&] { return FeldWert(text); });
}
void BM_ZahlText(benchmark::State& s) {
  Lauf(s, [] { return ZahlText(12345678.905L, 18, 2); });
}
void BM_LaufzeitZerlegen(benchmark::State& s) {
  Lauf(s, [] { return LaufzeitZerlegen(Ext(3.9925L)).Monate; });
}

}  // namespace

BENCHMARK(BM_eZi);
BENCHMARK(BM_ZiZiE);
BENCHMARK(BM_ZiZiR);
BENCHMARK(BM_BW);
BENCHMARK(BM_AnnD);
BENCHMARK(BM_MWST);
BENCHMARK(BM_FeldWert);
BENCHMARK(BM_ZahlText);
BENCHMARK(BM_LaufzeitZerlegen);
BENCHMARK_MAIN();
