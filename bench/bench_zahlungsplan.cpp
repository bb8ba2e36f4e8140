// The payment plan: computing a loan plan, opening its window, and printing
// a plan of every payment into the preview (linear in the pages).
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QLocale>
#include <QPushButton>

#include "Fensterlauf.h"
#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "plan/Zahlungsplanfenster.h"
#include "print/PagePrnt.h"
#include "report/uDruck.h"
#include "report/uDruck_Zahlungsplan.h"

namespace {

TPlanSeite Darlehen(int jahre) {
  TPlanSeite s{QStringLiteral("AnnD"), 2, {}, 0, QStringLiteral("Wie hoch ist die monatliche Rate?"),
               QStringLiteral("DM")};
  s.Felder = {{"AnnD_KFeld", "250.000,00"}, {"AnnD_pFeld", "4,500"}, {"AnnD_njFeld", QString::number(jahre)},
              {"AnnD_nmFeld", "0"},         {"AnnD_knjFeld", "10"},  {"AnnD_KnmFeld", "0"}};
  return s;
}

// Rows, totals, the effective rate and the residual debt after the
// fixed-rate period; in cents also the exact plan the window compares with.
void BM_Darlehensplan30JahreMonatlich(benchmark::State& state, bool inCent) {
  const TPlanEingabe e = PlanEingabe(Darlehen(30));
  for (auto _ : state) {
    const TZahlungsplan plan = ZahlungsplanBerechnen(e, {}, std::nullopt, inCent);
    benchmark::DoNotOptimize(Effektivzins(e, plan));
    if (inCent) {
      benchmark::DoNotOptimize(StandNach(plan, 10));
      benchmark::DoNotOptimize(CentAbweichung(plan, ZahlungsplanBerechnen(e), QStringLiteral("DM")));
    } else {
      benchmark::DoNotOptimize(RestschuldNach(e, {}, 10));
    }
  }
}

// A new window, its table and chart painted.
void BM_FensterOeffnen(benchmark::State& state) {
  const TPlanSeite seite = Darlehen(30);
  for (auto _ : state) {
    TfmZahlungsplan* fenster = fmStart->Planfenster();
    fenster->Zeigen(seite);
    fenster->repaint();
    state.PauseTiming();
    delete fenster;
    state.ResumeTiming();
  }
}

// "Drucken" in the plan window until the preview has painted its first page.
void BM_DruckenJeZahlung(benchmark::State& state) {
  TfmZahlungsplan* fenster = fmStart->Planfenster();
  fenster->Zeigen(Darlehen(int(state.range(0))));
  fenster->findChild<QCheckBox*>(QStringLiteral("PlanJeZahlung"))->setChecked(true);
  auto* drucken = fenster->findChild<QPushButton*>(QStringLiteral("PlanDrucken"));
  TPagePrinter* p = frmDruckVorschau->PgprntrVorschau();
  for (auto _ : state) {
    drucken->click();
    p->viewport()->repaint();
  }
  state.counters["Seiten"] = p->PageCount();
  state.SetComplexityN(p->PageCount());
  delete fenster;
}

}  // namespace

int main(int argc, char** argv) {
  return MitFensternLaufen(argc, argv, [] {
    frmDruckVorschau->PgprntrVorschau()->setShowProgress(false);
    benchmark::RegisterBenchmark("Zahlungsplan/Darlehen_30_Jahre_monatlich", BM_Darlehensplan30JahreMonatlich, false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Zahlungsplan/Darlehen_30_Jahre_monatlich_in_Cent", BM_Darlehensplan30JahreMonatlich,
                                 true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Zahlungsplan/Fenster_oeffnen", BM_FensterOeffnen)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Zahlungsplan/Drucken_je_Zahlung", BM_DruckenJeZahlung)
        ->Arg(25)
        ->Arg(50)
        ->Arg(100)
        ->Unit(benchmark::kMillisecond)
        ->Complexity(benchmark::oN);
  });
}
