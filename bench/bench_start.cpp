// Start-up of the main window against a plain window of similar size, and
// one calculation without the pause that shows the result in red.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "calc/OrvMath.h"

namespace {

void Gezeichnet(QWidget* fenster) {
  fenster->show();
  QCoreApplication::processEvents();
  benchmark::DoNotOptimize(fenster->grab());
}

void BM_Startfenster(benchmark::State& state) {
  for (auto _ : state) {
    auto* fenster = new TfmStart();
    Gezeichnet(fenster);
    delete fenster;
  }
}
BENCHMARK(BM_Startfenster)->Unit(benchmark::kMillisecond);

// Nine pages of labelled fields and lists, four buttons and a menu: about
// as many widgets as the main window holds.
void BM_SchlichtesFenster(benchmark::State& state) {
  for (auto _ : state) {
    auto* fenster = new QMainWindow();
    fenster->menuBar()->addMenu(QStringLiteral("&Programm"))->addAction(QStringLiteral("&Beenden"));
    auto* mitte = new QWidget(fenster);
    auto* spalte = new QVBoxLayout(mitte);
    auto* seiten = new QTabWidget(mitte);
    for (int s = 0; s < 9; ++s) {
      auto* seite = new QWidget(seiten);
      auto* form = new QFormLayout(seite);
      form->addRow(QStringLiteral("Gesuchte Größe:"), new QComboBox(seite));
      for (int f = 0; f < 9; ++f) {
        auto* zeile = new QHBoxLayout();
        zeile->addWidget(new QLineEdit(seite));
        zeile->addWidget(new QLabel(QStringLiteral("DM"), seite));
        form->addRow(QStringLiteral("Feld:"), zeile);
      }
      form->addRow(new QLabel(QStringLiteral("Frage"), seite));
      seiten->addTab(seite, QStringLiteral("Seite %1").arg(s));
    }
    spalte->addWidget(seiten);
    auto* knoepfe = new QHBoxLayout();
    for (const char* t : {"&Rechnen", "&Formel", "&Drucken", "&Hilfe"})
      knoepfe->addWidget(new QPushButton(QString::fromLatin1(t), mitte));
    spalte->addLayout(knoepfe);
    fenster->setCentralWidget(mitte);
    Gezeichnet(fenster);
    delete fenster;
  }
}
BENCHMARK(BM_SchlichtesFenster)->Unit(benchmark::kMillisecond);

void BM_Berechne_eZi(benchmark::State& state) {
  TfmStart fenster;
  TfmStart::ErgebnisPauseMs = 0;
  const QList<std::pair<const char*, const char*>> eingaben{
      {"KFeld", "1.000,00 "}, {"pFeld", "5,000 "}, {"njFeld", "2"}, {"nmFeld", "6"}};
  for (const auto& [name, text] : eingaben)
    fenster.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
  for (auto _ : state) fenster.Berechne_eZi();
  TfmStart::ErgebnisPauseMs = 100;
}
BENCHMARK(BM_Berechne_eZi)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TAnwendung anwendung(argc, argv);
  SetzeZahlenformat(Zahlenformat::AusLocale(QLocale()));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
