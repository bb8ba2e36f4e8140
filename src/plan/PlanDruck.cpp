#include "plan/PlanDruck.h"

#include <algorithm>
#include <cmath>

#include "print/PagePrnt.h"

namespace {

constexpr double GrafikHoehe = 95;  // millimetres
const QString Schriftart = QStringLiteral("Arial");

// What the plan changes in the page printer, put back when it is done, so the
// result report finds the printer as it left it.
class TGesichert {
 public:
  explicit TGesichert(TPagePrinter& p)
      : P(p),
        Schrift(p.font()),
        KopfSchrift(p.HeaderFont()),
        FussSchrift(p.FooterFont()),
        AutoKopf(p.AutoHeaderFont()),
        AutoFuss(p.AutoFooterFont()),
        Kopf(p.Header()),
        KopfFormat(p.HeaderFormat()),
        Fuss(p.Footer()),
        FussFormat(p.FooterFormat()),
        Format(p.TableFormat()),
        Gitter(p.TableGrid()),
        Abstand(p.LineSpacing()) {}
  ~TGesichert() {
    try {
      if (P.IsPrinting()) P.EndDoc();
    } catch (...) {
    }
    P.setAutoHeaderFont(false);
    P.setAutoFooterFont(false);
    P.setFont(Schrift);
    P.setHeaderFont(KopfSchrift);
    P.setFooterFont(FussSchrift);
    P.setAutoHeaderFont(AutoKopf);
    P.setAutoFooterFont(AutoFuss);
    P.setHeader(Kopf);
    P.setHeaderFormat(KopfFormat);
    P.setFooter(Fuss);
    P.setFooterFormat(FussFormat);
    P.setTableFormat(Format);
    P.setTableGrid(Gitter);
    P.setLineSpacing(Abstand);
  }

 private:
  TPagePrinter& P;
  QFont Schrift, KopfSchrift, FussSchrift;
  bool AutoKopf, AutoFuss;
  QString Kopf, KopfFormat, Fuss, FussFormat, Format;
  bool Gitter;
  TPagePrinter::TLineSpacing Abstand;
};

// The chart on a page at the printer's resolution.
class TSeitenFlaeche : public TZeichenflaeche {
 public:
  TSeitenFlaeche(TPagePrinter& p, QPoint ursprung) : P(p), Ursprung(ursprung), Pt(p.Canvas().PixelsPerInch() / 72.0) {}
  ~TSeitenFlaeche() override { P.Canvas().Pen = QPen(Qt::black); }
  double PixelJePunkt() const override { return Pt; }
  void Schrift(double punkte, bool fett) override {
    QFont schrift = P.font();
    schrift.setFamily(Schriftart);
    schrift.setPointSizeF(punkte);
    schrift.setBold(fett);
    if (schrift != P.font()) P.setFont(schrift);
  }
  double TextBreite(const QString& text) override { return P.Canvas().TextWidth(text); }
  void Text(QPointF linksOben, const QString& text, const QColor& farbe) override {
    P.Canvas().Pen = QPen(farbe);
    P.Canvas().TextOut(Ursprung.x() + std::lround(linksOben.x()), Ursprung.y() + std::lround(linksOben.y()), text);
  }
  void Linie(QPointF von, QPointF bis, const QColor& farbe, double punkte) override {
    QPen stift(farbe);
    stift.setWidthF(std::max(1.0, punkte * Pt));
    P.Canvas().Pen = stift;
    P.Canvas().Polyline(Punkt(von), Punkt(bis));
  }
  void Flaeche(const QRectF& rechteck, const QColor& farbe) override {
    P.Canvas().FillRect(QRect(Punkt(rechteck.topLeft()), Punkt(rechteck.bottomRight()) - QPoint(1, 1)), farbe);
  }

 private:
  QPoint Punkt(QPointF p) const { return Ursprung + QPoint(std::lround(p.x()), std::lround(p.y())); }
  TPagePrinter& P;
  QPoint Ursprung;
  double Pt;
};

QFont Arial(double punkte, bool fett = false) {
  QFont schrift(Schriftart);
  schrift.setPointSizeF(punkte);
  schrift.setBold(fett);
  return schrift;
}

// A field text must not split a row into cells.
QString OhneTrenner(QString text, QChar trenner) { return text.replace(trenner, QChar(0x00A6)); }

// The largest table font up to 9 points in which the longest text of every
// column fits its column, so that a row never wraps.
double Tabellenschrift(TPagePrinter& p, const TPlanDokument& d, const QList<int>& breiten) {
  QStringList laengste = d.Spalten;
  for (const QStringList& zeile : d.Zeilen)
    for (int s = 0; s < std::min<int>(zeile.size(), laengste.size()); ++s)
      if (zeile[s].size() > laengste[s].size()) laengste[s] = zeile[s];
  // The page printer's inset on both sides of a cell, and a pixel to spare.
  const int rand = 2 * (p.Canvas().PixelsPerInch() / 300 * 6) + 2;
  double punkte = 9;
  for (; punkte > 5; punkte -= 0.5) {
    p.setFont(Arial(punkte, true));
    bool passt = true;
    for (int s = 0; s < laengste.size(); ++s)
      passt = passt && p.Canvas().TextWidth(laengste[s]) <= p.UnitsToPixelsX(breiten.value(s)) - rand;
    if (passt) break;
  }
  return punkte;
}

void Schreiben(TPagePrinter& p, const TPlanDokument& d, int seiten) {
  const QChar trenner = p.TokenSeparator();
  const long long ganz = static_cast<long long>(std::trunc(p.PrintableWidth()));
  p.setAutoHeaderFont(false);
  p.setAutoFooterFont(false);
  p.setHeaderFont(Arial(8));
  p.setFooterFont(Arial(8));
  p.setHeader(OhneTrenner(d.Titel, trenner) + QLatin1Char('\n') + OhneTrenner(d.Frage, trenner));
  p.setHeaderFormat(QStringLiteral("<%1").arg(ganz));
  p.setFooter(QStringLiteral("Seite {$PAGE} von %1").arg(seiten));
  p.setFooterFormat(QStringLiteral("^%1").arg(ganz));
  p.setTableGrid(false);
  p.setLineSpacing(TPagePrinter::lsSingleSpace);
  p.BeginDoc();

  QFont titel(QStringLiteral("Times New Roman"));
  titel.setPointSize(15);
  p.setFont(titel);
  p.WriteLineAligned(TPagePrinter::taCenter, d.Titel);
  p.setFont(Arial(9));
  p.NewLine();

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

  QList<int> breiten{24};
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
  p.EndDoc();
}

}  // namespace

void ZahlungsplanSchreiben(TPagePrinter& drucker, const TPlanDokument& dokument) {
  TGesichert gesichert(drucker);
  // The footer names the page count, which only the finished layout knows;
  // the first run counts it without drawing the chart.
  Schreiben(drucker, dokument, 0);
  Schreiben(drucker, dokument, drucker.PageCount());
}
