#include "plan/PlanGrafik.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QColor StandFarbe(0, 70, 140);
const QColor ZinsFarbe(215, 90, 60);
const QColor AnteilFarbe(120, 175, 220);
const QColor GitterFarbe(215, 215, 215);
const QColor AchsenFarbe(90, 90, 90);
const QColor TextFarbe(30, 30, 30);
constexpr double Textgroesse = 7.5;  // points

// About `teile` steps of 1, 2 or 5 times a power of ten covering [von, bis].
struct TSkala {
  double Von = 0, Schritt = 1;
  int Schritte = 1, Dezimalen = 0;
  double Bis() const { return Von + Schritte * Schritt; }
  double Wert(int k) const { return Von + k * Schritt; }
};

TSkala Skala(double von, double bis, int teile) {
  TSkala s;
  if (!std::isfinite(von) || !std::isfinite(bis)) return s;
  if (!(bis > von)) bis = von + std::max(1.0, std::fabs(von) / 10);
  const double roh = (bis - von) / teile;
  const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
  const double r = roh / zehner;
  s.Schritt = (r <= 1 ? 1 : r <= 2 ? 2 : r <= 5 ? 5 : 10) * zehner;
  s.Von = std::floor(von / s.Schritt) * s.Schritt;
  s.Schritte = std::max(1, static_cast<int>(std::ceil(bis / s.Schritt - 1e-9) - std::floor(von / s.Schritt)));
  s.Dezimalen = std::clamp(static_cast<int>(std::ceil(-std::log10(s.Schritt) - 1e-9)), 0, 2);
  return s;
}

QString Zahl(double wert, int dezimalen) { return ZahlTextEinfach(static_cast<long double>(wert), dezimalen); }

struct TFeld {
  QRectF Bereich;
  TSkala X, Y;
  double x(double w) const { return Bereich.left() + (w - X.Von) / (X.Bis() - X.Von) * Bereich.width(); }
  double y(double w) const { return Bereich.bottom() - (w - Y.Von) / (Y.Bis() - Y.Von) * Bereich.height(); }
};

using TLegende = std::initializer_list<std::pair<QString, QColor>>;

// Title and legend on top, the y labels with their grid lines on the left,
// the years below; returns the plot area.
TFeld Achsen(TZeichenflaeche& f, const QRectF& rahmen, const QString& titel, TLegende legende, const TSkala& x,
             const TSkala& y) {
  const double pt = f.PixelJePunkt();
  const double zeile = Textgroesse * 1.3 * pt;
  f.Schrift(Textgroesse + 0.5, true);
  f.Text(rahmen.topLeft(), titel, TextFarbe);
  double links = rahmen.left() + f.TextBreite(titel) + 12 * pt;
  f.Schrift(Textgroesse, false);
  for (const auto& [name, farbe] : legende) {
    if (name.isEmpty()) continue;
    f.Flaeche(QRectF(links, rahmen.top() + 1.5 * pt, 7 * pt, 7 * pt), farbe);
    links += 9.5 * pt;
    f.Text(QPointF(links, rahmen.top()), name, TextFarbe);
    links += f.TextBreite(name) + 10 * pt;
  }
  double breite = 0;
  for (int k = 0; k <= y.Schritte; ++k) breite = std::max(breite, f.TextBreite(Zahl(y.Wert(k), y.Dezimalen)));
  TFeld feld{QRectF(QPointF(rahmen.left() + breite + 5 * pt, rahmen.top() + zeile + 6 * pt),
                    QPointF(rahmen.right() - 6 * pt, rahmen.bottom() - zeile - 2 * pt)),
             x, y};
  const QRectF& b = feld.Bereich;
  if (b.width() < 4 * pt || b.height() < 4 * pt) return feld;
  for (int k = 0; k <= y.Schritte; ++k) {
    const double py = feld.y(y.Wert(k));
    f.Linie(QPointF(b.left(), py), QPointF(b.right(), py), GitterFarbe, 0.5);
    const QString text = Zahl(y.Wert(k), y.Dezimalen);
    f.Text(QPointF(b.left() - 3 * pt - f.TextBreite(text), py - zeile / 2), text, TextFarbe);
  }
  for (int k = 0; k <= x.Schritte; ++k) {
    const double px = feld.x(x.Wert(k));
    const QString text = Zahl(x.Wert(k), x.Dezimalen);
    f.Linie(QPointF(px, b.bottom()), QPointF(px, b.bottom() + 2 * pt), AchsenFarbe, 0.75);
    f.Text(QPointF(px - f.TextBreite(text) / 2, b.bottom() + 2.5 * pt), text, TextFarbe);
  }
  f.Linie(b.bottomLeft(), b.topLeft(), AchsenFarbe, 0.75);
  const double null = feld.y(0);
  f.Linie(QPointF(b.left(), null), QPointF(b.right(), null), AchsenFarbe, 0.75);
  return feld;
}

}  // namespace

TGrafikDaten GrafikDaten(const TZahlungsplan& plan) {
  TGrafikDaten d;
  const TPlanArt art = plan.Art;
  d.StandName = art == TPlanArt::Darlehen ? QStringLiteral("Restschuld") : QStringLiteral("Stand");
  d.AnteilName = art == TPlanArt::Darlehen   ? QStringLiteral("Tilgung")
                 : art == TPlanArt::Sparplan ? QStringLiteral("Einzahlungen")
                 : art == TPlanArt::Rente    ? QStringLiteral("Kapitalverzehr")
                                             : QString();
  d.Stand.reserve(static_cast<int>(plan.JeZahlung.size()));
  // Balances to the cent, as the table shows them: a plan that ends a
  // rounding error below zero has ended at zero, and its axis starts there.
  // (Adding 0 turns a rounded -0 into 0.)
  for (const TPlanZeile& z : plan.JeZahlung)
    d.Stand << QPointF(double(z.Zeit.Wert()), std::round(double(z.Stand.Wert()) * 100) / 100 + 0.0);
  for (const TPlanZeile& z : plan.JeJahr) {
    if (z.Art == TPlanZeile::zaBeginn) continue;
    // The bar is the year's change split in two: interest and the rest of it.
    const long double anteil = art == TPlanArt::Darlehen   ? z.Aenderung.Wert()
                               : art == TPlanArt::Sparplan ? z.Zahlung.Wert()
                               : art == TPlanArt::Rente    ? -z.Aenderung.Wert()
                                                           : 0;
    d.Jahre.push_back({double(z.Zinsen.Wert()), double(anteil)});
  }
  d.Laufzeit = double(plan.Laufzeit.Wert());
  return d;
}

void GrafikZeichnen(TZeichenflaeche& f, const QRectF& rahmen, const TGrafikDaten& d) {
  if (d.Stand.isEmpty()) return;
  const double pt = f.PixelJePunkt();
  const TSkala x = Skala(0, std::max(d.Laufzeit, 0.25), 8);
  const double teilung = rahmen.top() + rahmen.height() * 0.55;

  double tief = 0, hoch = 0;
  for (const QPointF& p : d.Stand) tief = std::min(tief, p.y()), hoch = std::max(hoch, p.y());
  const TFeld oben =
      Achsen(f, QRectF(rahmen.topLeft(), QPointF(rahmen.right(), teilung - 4 * pt)),
             d.StandName + QStringLiteral(" im Lauf der Jahre"), {{d.StandName, StandFarbe}}, x, Skala(tief, hoch, 5));
  for (int k = 1; k < d.Stand.size(); ++k)
    f.Linie(QPointF(oben.x(d.Stand[k - 1].x()), oben.y(d.Stand[k - 1].y())),
            QPointF(oben.x(d.Stand[k].x()), oben.y(d.Stand[k].y())), StandFarbe, 1.5);

  // Positive parts stack up from the zero line, negative ones down.
  tief = hoch = 0;
  for (const TGrafikDaten::TJahr& j : d.Jahre) {
    hoch = std::max(hoch, std::max(j.Zinsen, 0.0) + std::max(j.Anteil, 0.0));
    tief = std::min(tief, std::min(j.Zinsen, 0.0) + std::min(j.Anteil, 0.0));
  }
  const QString titel = d.AnteilName.isEmpty() ? QStringLiteral("Zinsen je Jahr")
                                               : QStringLiteral("Zinsen und %1 je Jahr").arg(d.AnteilName);
  const TFeld unten =
      Achsen(f, QRectF(QPointF(rahmen.left(), teilung + 4 * pt), rahmen.bottomRight()), titel,
             {{QStringLiteral("Zinsen"), ZinsFarbe}, {d.AnteilName, AnteilFarbe}}, x, Skala(tief, hoch, 4));
  for (int jahr = 1; jahr <= d.Jahre.size(); ++jahr) {
    const TGrafikDaten::TJahr& j = d.Jahre[jahr - 1];
    const double von = unten.x(jahr - 1), bis = unten.x(std::min<double>(jahr, d.Laufzeit));
    const double rand = (bis - von) * 0.15;
    const double links = von + rand, rechts = std::max(bis - rand, links + 1);
    double plus = 0, minus = 0;
    for (const auto& [wert, farbe] : {std::pair{j.Zinsen, ZinsFarbe}, std::pair{j.Anteil, AnteilFarbe}}) {
      double& sockel = wert < 0 ? minus : plus;
      f.Flaeche(QRectF(QPointF(links, unten.y(sockel + wert)), QPointF(rechts, unten.y(sockel))).normalized(), farbe);
      sockel += wert;
    }
  }
}

void TMalerFlaeche::Schrift(double punkte, bool fett) {
  QFont schrift = FMaler.font();
  schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(punkte * FPt))));
  schrift.setBold(fett);
  FMaler.setFont(schrift);
}

double TMalerFlaeche::TextBreite(const QString& text) { return FMaler.fontMetrics().horizontalAdvance(text); }

void TMalerFlaeche::Text(QPointF linksOben, const QString& text, const QColor& farbe) {
  FMaler.setPen(farbe);
  FMaler.drawText(linksOben + QPointF(0, FMaler.fontMetrics().ascent()), text);
}

void TMalerFlaeche::Linie(QPointF von, QPointF bis, const QColor& farbe, double punkte) {
  FMaler.setPen(QPen(farbe, punkte * FPt, Qt::SolidLine, Qt::FlatCap));
  FMaler.drawLine(von, bis);
}

void TMalerFlaeche::Flaeche(const QRectF& rechteck, const QColor& farbe) { FMaler.fillRect(rechteck, farbe); }

TPlanGrafik::TPlanGrafik(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(240, 200);
}

void TPlanGrafik::Setzen(TGrafikDaten daten) {
  FDaten = std::move(daten);
  update();
}

void TPlanGrafik::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.fillRect(rect(), Qt::white);
  maler.setRenderHint(QPainter::Antialiasing);
  TMalerFlaeche flaeche(maler, logicalDpiY() / 72.0);
  GrafikZeichnen(flaeche, QRectF(rect()).adjusted(8, 8, -8, -6), FDaten);
}
