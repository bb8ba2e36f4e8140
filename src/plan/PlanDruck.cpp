#include "plan/PlanDruck.h"

#include <algorithm>
#include <cmath>

#include "plan/DruckHilfen.h"

namespace {

// The longest text of every column stands for the column: a plan of a
// hundred years has too many rows to measure each.
double Tabellenschrift(TPagePrinter& p, const TPlanDokument& d, const QList<double>& breiten) {
  QStringList laengste = d.Spalten;
  for (const QStringList& zeile : d.Zeilen)
    for (int s = 0; s < std::min<int>(zeile.size(), laengste.size()); ++s)
      if (zeile[s].size() > laengste[s].size()) laengste[s] = zeile[s];
  return Tabellenschrift(p, {laengste}, breiten);
}

void Schreiben(TPagePrinter& p, const TPlanDokument& d, int seiten) {
  const QChar trenner = p.TokenSeparator();
  const long long ganz = static_cast<long long>(std::trunc(p.PrintableWidth()));
  DokumentBeginnen(p, OhneTrenner(d.Titel, trenner) + QLatin1Char('\n') + OhneTrenner(d.Frage, trenner), d.Titel,
                   seiten);

  p.setTableFormat(QStringLiteral("<70|<%1").arg(ganz - 70));
  for (const auto& [name, wert] : d.Kennzahlen)
    p.WriteTableLine(OhneTrenner(name, trenner) + trenner + OhneTrenner(wert, trenner));
  p.NewLine();

  // The chart is drawn straight onto the first page; the text goes on below it.
  const int hoehe = p.UnitsToPixelsY(GrafikHoehe);
  if (seiten > 0) {
    TSeitenFlaeche flaeche(p, QPoint(p.LeftPx(), p.TopPx() + p.Y()));
    GrafikZeichnen(flaeche, QRectF(0, 0, p.TextAreaWidthPx(), hoehe), d.Grafik);
  }
  p.setFont(Arial(9));
  for (const int bis = p.Y() + hoehe; p.Y() < bis && p.PageNumber() == 1;) p.NewLine();
  p.NewLine();

  QList<double> breiten{24};
  const int spalte = static_cast<int>((ganz - 24) / std::max<qsizetype>(1, d.Spalten.size() - 1));
  QString format = QStringLiteral("^24");
  for (int s = 1; s < d.Spalten.size(); ++s) {
    breiten << spalte;
    format += QStringLiteral("%1>%2").arg(trenner).arg(spalte);
  }
  const double punkte = Tabellenschrift(p, d, breiten);
  p.setTableFormat(format);
  p.setTableGrid(true);
  // Rows of one and a half lines keep the grid clear of the letters.
  p.setLineSpacing(TPagePrinter::lsSingleAndAHalf);
  // Numbers keep a blank's distance from the grid line on their right.
  const auto zeile = [&](const QStringList& texte) {
    QStringList zellen;
    for (qsizetype s = 0; s < texte.size(); ++s) zellen << (s == 0 ? texte[s] : texte[s] + QLatin1Char(' '));
    p.WriteTableLine(zellen.join(trenner));
  };
  const auto spaltenkopf = [&] {
    p.setFont(Arial(punkte, true));
    zeile(d.Spalten);
    p.setFont(Arial(punkte));
  };
  const auto platz = [&p](int zeilen) { return p.Y() + zeilen * p.LineHeight() < p.TextAreaHeightPx(); };
  p.setFont(Arial(punkte));
  if (!platz(3)) p.NewPage();
  spaltenkopf();
  for (qsizetype z = 0; z < d.Zeilen.size(); ++z) {
    const bool summe = z + 1 == d.Zeilen.size();
    // The totals go where their own line advance opens no empty page.
    if (summe && !platz(2)) {
      p.NewPage();
      spaltenkopf();
    }
    if (summe) p.setFont(Arial(punkte, true));
    const int seite = p.PageNumber();
    zeile(d.Zeilen[z]);
    if (p.PageNumber() != seite && !summe) spaltenkopf();
  }
  if (!d.Hinweis.isEmpty()) {
    p.setTableGrid(false);
    p.setFont(Arial(punkte));
    p.WriteLine(d.Hinweis);
  }
  p.EndDoc();
}

}  // namespace

void ZahlungsplanSchreiben(TPagePrinter& drucker, const TPlanDokument& dokument) {
  ZweimalSchreiben(drucker, [&](int seiten) { Schreiben(drucker, dokument, seiten); });
}
