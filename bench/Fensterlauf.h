#pragma once
// Benchmarks over the program's windows: the program started as a user sees
// it (offscreen unless a platform is set, German settings), the benchmarks
// registered once its windows exist, run, and the windows taken down again.
#include <benchmark/benchmark.h>

#include <QLocale>
#include <functional>

#include "app/Anwendung.h"
#include "app/Startfenster.h"

inline int MitFensternLaufen(int& argc, char** argv, const std::function<void()>& anmelden) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TAnwendung app(argc, argv);
  app.FensterErzeugen();
  fmStart->resize(1000, 750);
  fmStart->show();
  anmelden();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  app.FensterZerstoeren();
  return 0;
}
