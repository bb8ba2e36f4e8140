// The sought interest rate of the savings, pension and loan pages: one
// search per page over a mix of everyday inputs, and a grid over terms,
// rates, frequencies and the inputs without a rate, with the slowest search
// and the most evaluations of a page's formula among them.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "calc/AnnD.h"
#include "calc/BW.h"
#include "calc/ZiZiR.h"
#include "calc/Zinssuche.h"

namespace {

// One page's search with its figure computed at a rate beforehand.
struct TFall {
  std::function<Ext()> suche;
};

using Formel = std::function<Ext(Ext betrag, Ext p, Ext nj, Ext nm, int m)>;
using Suche = std::function<Ext(Ext betrag, Ext nj, Ext nm, Ext ergebnis, int m)>;

struct TSeite {
  Formel formel;
  Suche suche;
};

const TSeite ZiZiRSeite{ZiZiR::Endkapital, ZiZiR::Zinssatz};
const TSeite BWSeite{BW::Barwert, BW::Zinssatz};
const TSeite AnnDSeite{AnnD::Rate, AnnD::Zinssatz};

std::vector<TFall> Faelle(const TSeite& seite, const std::vector<long double>& saetze,
                          const std::vector<long double>& jahre, const std::vector<long double>& faktoren) {
  std::vector<TFall> faelle;
  for (const long double p : saetze)
    for (const long double nj : jahre)
      for (const int m : {12, 4, 2, 1})
        for (const long double faktor : faktoren) {
          if (nj == 1 && m == 1) continue;
          Ext ergebnis;
          try {
            ergebnis = seite.formel(1000, p, nj, 0, m) * faktor;
          } catch (const EFehler&) {
            continue;
          }
          faelle.push_back({[=] { return seite.suche(1000, nj, 0, ergebnis, m); }});
        }
  return faelle;
}

// The thread's own processor time in seconds: other processes on the
// machine do not count.
double Rechenzeit() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

Ext Suchen(const TFall& f) {
  try {
    return f.suche();
  } catch (const EKeinZinssatz&) {
    return 0;
  }
}

void Alltag(benchmark::State& state, const TSeite& seite) {
  const std::vector<TFall> faelle = Faelle(seite, {-2, 0.5L, 3.75L, 4.25L, 8, 15}, {0.5L, 5, 10, 30}, {1});
  std::size_t i = 0;
  long double auswertungen = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Suchen(faelle[i++ % faelle.size()]));
    auswertungen += Zinssuche::LetzteAuswertungen();
  }
  state.counters["Auswertungen"] = double(auswertungen / std::max<std::size_t>(i, 1));
}

void BM_ZiZiR_Zinssatz(benchmark::State& s) { Alltag(s, ZiZiRSeite); }
void BM_BW_Zinssatz(benchmark::State& s) { Alltag(s, BWSeite); }
void BM_AnnD_Zinssatz(benchmark::State& s) { Alltag(s, AnnDSeite); }

// Each search of the grid timed alone, in processor time; the figure scaled by the factors
// also gives the cases without a rate and those beyond 1.000 %.
void BM_Raster(benchmark::State& state) {
  const std::vector<long double> saetze{-99.99L, -50, -0.001L, 0.001L, 4.25L, 99, 999};
  const std::vector<long double> jahre{1.0L / 12, 0.5L, 1, 2.5L, 10, 30, 100};
  const std::vector<long double> faktoren{1e-6L, 0.5L, 0.9999L, 1, 1.0001L, 2, 1e6L};
  std::vector<TFall> faelle;
  for (const TSeite* seite : {&ZiZiRSeite, &BWSeite, &AnnDSeite}) {
    const std::vector<TFall> f = Faelle(*seite, saetze, jahre, faktoren);
    faelle.insert(faelle.end(), f.begin(), f.end());
  }
  std::vector<double> zeiten(faelle.size());
  int auswertungen = 0;
  for (auto _ : state) {
    for (std::size_t i = 0; i < faelle.size(); ++i) {
      const double anfang = Rechenzeit();
      benchmark::DoNotOptimize(Suchen(faelle[i]));
      zeiten[i] = (Rechenzeit() - anfang) * 1e6;
      auswertungen = std::max(auswertungen, Zinssuche::LetzteAuswertungen());
    }
  }
  std::sort(zeiten.begin(), zeiten.end());
  state.counters["Suchen"] = double(faelle.size());
  state.counters["Median_us"] = zeiten[zeiten.size() / 2];
  state.counters["Hoechstens_us"] = zeiten.back();
  state.counters["Hoechstens_Auswertungen"] = auswertungen;
}

}  // namespace

BENCHMARK(BM_ZiZiR_Zinssatz)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BW_Zinssatz)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_AnnD_Zinssatz)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Raster)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
