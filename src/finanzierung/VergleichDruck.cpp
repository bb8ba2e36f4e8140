#include "finanzierung/VergleichDruck.h"

#include <algorithm>
#include <cmath>

#include "print/PagePrnt.h"

namespace {

constexpr double GrafikHoehe = 95;  // millimetres
const QString Schriftart = QStringLiteral("Arial");

// What the comparison changes in the page printer, put back when it is done,
// so the result report finds the printer as it left it.
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

void Schreiben(TPagePrinter& p, const TVergleichDokument& d, int seiten) {
  const QChar trenner = p.TokenSeparator();
  const long long ganz = static_cast<long long>(std::trunc(p.PrintableWidth()));
  p.setAutoHeaderFont(false);
  p.setAutoFooterFont(false);
  p.setHeaderFont(Arial(8));
  p.setFooterFont(Arial(8));
  p.setHeader(OhneTrenner(d.Titel, trenner));
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

  // The label's column takes what the offers' columns leave; the font is the
  // largest up to 9 points in which every text fits its cell, so that no row wraps.
  const qsizetype angebote = std::max<qsizetype>(1, d.Spalten.size() - 1);
  const long long spalte = ganz * 4 / 25;
  QList<long long> breiten{ganz - spalte * angebote};
  QString format = QStringLiteral("<%1").arg(breiten[0]);
  for (qsizetype s = 0; s < angebote; ++s) {
    breiten << spalte;
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
  // The page printer's inset on both sides of a cell, and a pixel to spare.
  const int rand = 2 * (p.Canvas().PixelsPerInch() / 300 * 6) + 2;
  double punkte = 9;
  for (; punkte > 5; punkte -= 0.5) {
    p.setFont(Arial(punkte, true));
    bool passt = true;
    for (qsizetype z = -1; z < d.Zeilen.size() && passt; ++z) {
      const QStringList texte = zellen(z < 0 ? d.Spalten : d.Zeilen[z], d.Beste.value(z));
      for (qsizetype s = 0; s < texte.size() && passt; ++s)
        passt = p.Canvas().TextWidth(texte[s]) <= p.UnitsToPixelsX(double(breiten.value(s))) - rand;
    }
    if (passt) break;
  }
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
  TGesichert gesichert(drucker);
  // The footer names the page count, which only the finished layout knows;
  // the first run counts it without drawing the chart.
  Schreiben(drucker, dokument, 0);
  Schreiben(drucker, dokument, drucker.PageCount());
}
