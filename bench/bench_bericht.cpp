// From a click on "Drucken" in the main window to the painted preview.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <string>
#include <utility>

#include "Fensterlauf.h"
#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "pages/Seiten.h"
#include "print/PagePrnt.h"
#include "report/uDruck.h"
#include "settings/uEinstellungen.h"

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

QString LaengsterText(bool woerter) {
  QString text;
  while (text.size() < 32767) text += woerter ? QStringLiteral("Musterwerke Aktiengesellschaft ") : QStringLiteral("W");
  return text.left(32767);
}

void Eingetragen() {
  // The window lays itself out for the new texts before the clock runs.
  fmStart->repaint();
  QCoreApplication::processEvents();
}

// The longest text a field takes as the share's name: words, or one endless word.
void LangerAktienname(benchmark::State& state, bool woerter) {
  fmStart->findChild<QLineEdit*>(QStringLiteral("Akt_Name"))->setText(LaengsterText(woerter));
  Eingetragen();
  DruckenBisVorschau(state, Seiten::Index(u"Akt"));
  fmStart->findChild<QLineEdit*>(QStringLiteral("Akt_Name"))->clear();
}

// The longest text in every field of the page at once, and the longest
// currency symbol a store may hold.
void AlleFelderVoll(benchmark::State& state, int seite, bool woerter) {
  Einstellungswerte.Waehrungszeichen = QString(1000, QLatin1Char('W'));
  fmStart->ApplySettings();
  auto* seiten = fmStart->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  // What the user can type; result fields hold what the calculation writes.
  for (QLineEdit* feld : seiten->widget(seite)->findChildren<QLineEdit*>())
    if (!feld->isReadOnly()) feld->setText(LaengsterText(woerter));
  Eingetragen();
  DruckenBisVorschau(state, seite);
}

}  // namespace

int main(int argc, char** argv) {
  return MitFensternLaufen(argc, argv, [] {
    benchmark::RegisterBenchmark("Bericht/Einfache_Zinsrechnung", DruckenBisVorschau, Seiten::Index(u"eZi"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Bericht/Aktien", DruckenBisVorschau, Seiten::Index(u"Akt"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Bericht/Euro", DruckenBisVorschau, Seiten::Index(u"Euro"))
        ->Unit(benchmark::kMillisecond);
    for (const bool woerter : {true, false})
      benchmark::RegisterBenchmark(woerter ? "Bericht/LangerAktienname/Woerter" : "Bericht/LangerAktienname/EinWort",
                                   LangerAktienname, woerter)
          ->Unit(benchmark::kMillisecond);
    for (const auto& [name, seite] : {std::pair{"Einfache_Zinsrechnung", Seiten::Index(u"eZi")},
                                      {"Annuitaeten_Darlehen", Seiten::Index(u"AnnD")},
                                      {"Aktien", Seiten::Index(u"Akt")},
                                      {"Euro", Seiten::Index(u"Euro")}})
      for (const bool woerter : {true, false})
        benchmark::RegisterBenchmark(
            (std::string("Bericht/AlleFelderVoll/") + name + (woerter ? "/Woerter" : "/EinWort")).c_str(),
            AlleFelderVoll, seite, woerter)
            ->Unit(benchmark::kMillisecond);
  });
}
