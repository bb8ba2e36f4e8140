#pragma once
// What the printed plan and the printed offer comparison share: the page
// printer's settings put back afterwards, a chart drawn straight onto a page,
// the documents' fonts, heading and table font, and the two runs that let the
// footer name the page count.
#include <QFont>
#include <QList>
#include <QPoint>
#include <QStringList>
#include <functional>

#include "plan/PlanGrafik.h"
#include "print/PagePrnt.h"

// The chart's height on the page, in millimetres.
inline constexpr double GrafikHoehe = 95;

QFont Arial(double punkte, bool fett = false);
// A field text must not split a row into cells.
QString OhneTrenner(QString text, QChar trenner);

// A chart on a page at the printer's resolution, from `ursprung` on.
class TSeitenFlaeche : public TZeichenflaeche {
 public:
  TSeitenFlaeche(TPagePrinter& p, QPoint ursprung);
  ~TSeitenFlaeche() override;
  double PixelJePunkt() const override { return Pt; }
  void Schrift(double punkte, bool fett) override;
  double TextBreite(const QString& text) override;
  void Text(QPointF linksOben, const QString& text, const QColor& farbe) override;
  void Linie(QPointF von, QPointF bis, const QColor& farbe, double punkte) override;
  void Flaeche(const QRectF& rechteck, const QColor& farbe) override;

 private:
  QPoint Punkt(QPointF p) const { return Ursprung + QPoint(std::lround(p.x()), std::lround(p.y())); }
  TPagePrinter& P;
  QPoint Ursprung;
  double Pt;
};

// Starts the document: `kopf` in every page's header, "Seite x von y" at its
// foot (y = seiten), the title centred on the first page.
void DokumentBeginnen(TPagePrinter& p, const QString& kopf, const QString& titel, int seiten);
// The largest table font up to 9 points in which every text of the rows fits
// its column (widths in the page printer's units), so that no row wraps.
double Tabellenschrift(TPagePrinter& p, const QList<QStringList>& zeilen, const QList<double>& breiten);
// Writes the document twice with the printer's own settings kept: the footer
// names the page count, which only the finished layout knows, so the first
// run (seiten = 0) counts it without drawing the chart.
void ZweimalSchreiben(TPagePrinter& p, const std::function<void(int seiten)>& schreiben);
