#include "plan/DruckHilfen.h"

#include <cmath>

namespace {

const QString Schriftart = QStringLiteral("Arial");

// What a document changes in the page printer, put back when it is done, so
// the result report finds the printer as it left it.
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

}  // namespace

QFont Arial(double punkte, bool fett) {
  QFont schrift(Schriftart);
  schrift.setPointSizeF(punkte);
  schrift.setBold(fett);
  return schrift;
}

QString OhneTrenner(QString text, QChar trenner) { return text.replace(trenner, QChar(0x00A6)); }

TSeitenFlaeche::TSeitenFlaeche(TPagePrinter& p, QPoint ursprung)
    : P(p), Ursprung(ursprung), Pt(p.Canvas().PixelsPerInch() / 72.0) {}

TSeitenFlaeche::~TSeitenFlaeche() { P.Canvas().Pen = QPen(Qt::black); }

void TSeitenFlaeche::Schrift(double punkte, bool fett) {
  QFont schrift = P.font();
  schrift.setFamily(Schriftart);
  schrift.setPointSizeF(punkte);
  schrift.setBold(fett);
  if (schrift != P.font()) P.setFont(schrift);
}

double TSeitenFlaeche::TextBreite(const QString& text) { return P.Canvas().TextWidth(text); }

void TSeitenFlaeche::Text(QPointF linksOben, const QString& text, const QColor& farbe) {
  P.Canvas().Pen = QPen(farbe);
  P.Canvas().TextOut(Ursprung.x() + std::lround(linksOben.x()), Ursprung.y() + std::lround(linksOben.y()), text);
}

void TSeitenFlaeche::Linie(QPointF von, QPointF bis, const QColor& farbe, double punkte) {
  QPen stift(farbe);
  stift.setWidthF(std::max(1.0, punkte * Pt));
  P.Canvas().Pen = stift;
  P.Canvas().Polyline(Punkt(von), Punkt(bis));
}

void TSeitenFlaeche::Flaeche(const QRectF& rechteck, const QColor& farbe) {
  P.Canvas().FillRect(QRect(Punkt(rechteck.topLeft()), Punkt(rechteck.bottomRight()) - QPoint(1, 1)), farbe);
}

void DokumentBeginnen(TPagePrinter& p, const QString& kopf, const QString& titel, int seiten) {
  const long long ganz = static_cast<long long>(std::trunc(p.PrintableWidth()));
  p.setAutoHeaderFont(false);
  p.setAutoFooterFont(false);
  p.setHeaderFont(Arial(8));
  p.setFooterFont(Arial(8));
  p.setHeader(kopf);
  p.setHeaderFormat(QStringLiteral("<%1").arg(ganz));
  p.setFooter(QStringLiteral("Seite {$PAGE} von %1").arg(seiten));
  p.setFooterFormat(QStringLiteral("^%1").arg(ganz));
  p.setTableGrid(false);
  p.setLineSpacing(TPagePrinter::lsSingleSpace);
  p.BeginDoc();

  QFont schrift(QStringLiteral("Times New Roman"));
  schrift.setPointSize(15);
  p.setFont(schrift);
  p.WriteLineAligned(TPagePrinter::taCenter, titel);
  p.setFont(Arial(9));
  p.NewLine();
}

double Tabellenschrift(TPagePrinter& p, const QList<QStringList>& zeilen, const QList<double>& breiten) {
  // The page printer's inset on both sides of a cell, and a pixel to spare.
  const int rand = 2 * (p.Canvas().PixelsPerInch() / 300 * 6) + 2;
  double punkte = 9;
  for (; punkte > 5; punkte -= 0.5) {
    p.setFont(Arial(punkte, true));
    bool passt = true;
    for (const QStringList& zeile : zeilen)
      for (qsizetype s = 0; s < zeile.size() && passt; ++s)
        passt = p.Canvas().TextWidth(zeile[s]) <= p.UnitsToPixelsX(breiten.value(s)) - rand;
    if (passt) break;
  }
  return punkte;
}

void ZweimalSchreiben(TPagePrinter& p, const std::function<void(int seiten)>& schreiben) {
  TGesichert gesichert(p);
  schreiben(0);
  schreiben(p.PageCount());
}
