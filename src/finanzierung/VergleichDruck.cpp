#include "finanzierung/VergleichDruck.h"

#include <algorithm>
#include <cmath>

#include "plan/DruckHilfen.h"

namespace {

void Schreiben(TPagePrinter& p, const TVergleichDokument& d, int seiten) {
  const QChar trenner = p.TokenSeparator();
  const long long ganz = static_cast<long long>(std::trunc(p.PrintableWidth()));
  DokumentBeginnen(p, OhneTrenner(d.Titel, trenner), d.Titel, seiten);

  // The label's column takes what the offers' columns leave; the font is the
  // largest up to 9 points in which every text fits its cell, so that no row wraps.
  const qsizetype angebote = std::max<qsizetype>(1, d.Spalten.size() - 1);
  const long long spalte = ganz * 4 / 25;
  QList<double> breiten{double(ganz - spalte * angebote)};
  QString format = QStringLiteral("<%1").arg(ganz - spalte * angebote);
  for (qsizetype s = 0; s < angebote; ++s) {
    breiten << double(spalte);
    format += QStringLiteral("%1>%2").arg(trenner).arg(spalte);
  }
  const auto zellen = [&](const QStringList& texte, const QList<bool>& beste) {
    QStringList z;
    for (qsizetype s = 0; s < texte.size(); ++s) {
      QString t = OhneTrenner(texte[s], trenner);
      if (s > 0) t += beste.value(s - 1) ? QStringLiteral(" *") : QStringLiteral("  ");
      z << t;
    }
    return z;
  };
  QList<QStringList> alle{zellen(d.Spalten, {})};
  for (qsizetype z = 0; z < d.Zeilen.size(); ++z) alle << zellen(d.Zeilen[z], d.Beste.value(z));
  const double punkte = Tabellenschrift(p, alle, breiten);
  p.setTableFormat(format);
  p.setTableGrid(true);
  p.setLineSpacing(TPagePrinter::lsSingleAndAHalf);
  const auto zeile = [&](const QStringList& texte, const QList<bool>& beste) {
    p.WriteTableLine(zellen(texte, beste).join(trenner));
  };
  p.setFont(Arial(punkte, true));
  zeile(d.Spalten, {});
  p.setFont(Arial(punkte));
  bool markiert = false;
  for (qsizetype z = 0; z < d.Zeilen.size(); ++z) {
    const QList<bool> beste = d.Beste.value(z);
    markiert = markiert || beste.contains(true);
    zeile(d.Zeilen[z], beste);
  }
  p.setTableGrid(false);
  p.setLineSpacing(TPagePrinter::lsSingleSpace);
  if (markiert) p.WriteLine(QStringLiteral("* der beste Wert der Zeile"));
  p.NewLine();

  // The chart is drawn straight onto the page, on a new one when it does not fit.
  const int hoehe = p.UnitsToPixelsY(GrafikHoehe);
  if (d.Grafik.Linien.isEmpty()) {
    p.EndDoc();
    return;
  }
  if (p.Y() + hoehe > p.TextAreaHeightPx()) p.NewPage();
  if (seiten > 0) {
    TSeitenFlaeche flaeche(p, QPoint(p.LeftPx(), p.TopPx() + p.Y()));
    VergleichZeichnen(flaeche, QRectF(0, 0, p.TextAreaWidthPx(), hoehe), d.Grafik);
  }
  p.setFont(Arial(9));
  for (const int seite = p.PageNumber(), bis = p.Y() + hoehe; p.Y() < bis && p.PageNumber() == seite;) p.NewLine();
  p.EndDoc();
}

}  // namespace

void VergleichSchreiben(TPagePrinter& drucker, const TVergleichDokument& dokument) {
  ZweimalSchreiben(drucker, [&](int seiten) { Schreiben(drucker, dokument, seiten); });
}
