#include "finanzierung/VergleichGrafik.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The plan chart's colours: dark text on its own white ground, whatever the palette.
const QColor Farben[] = {{0, 70, 140}, {215, 90, 60}, {40, 140, 70}, {140, 60, 160}};
const QColor GitterFarbe(215, 215, 215);
const QColor AchsenFarbe(90, 90, 90);
const QColor TextFarbe(30, 30, 30);
constexpr double Textgroesse = 7.5;  // points

// About `teile` steps of 1, 2 or 5 times a power of ten covering [0, bis].
struct TSkala {
  double Schritt = 1;
  int Schritte = 1, Dezimalen = 0;
  double Bis() const { return Schritte * Schritt; }
};

TSkala Skala(double bis, int teile) {
  TSkala s;
  if (!std::isfinite(bis) || !(bis > 0)) bis = 1;
  const double roh = bis / teile;
  const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
  const double r = roh / zehner;
  s.Schritt = (r <= 1 ? 1 : r <= 2 ? 2 : r <= 5 ? 5 : 10) * zehner;
  s.Schritte = std::max(1, static_cast<int>(std::ceil(bis / s.Schritt - 1e-9)));
  s.Dezimalen = std::clamp(static_cast<int>(std::ceil(-std::log10(s.Schritt) - 1e-9)), 0, 2);
  return s;
}

QString Zahl(double wert, int dezimalen) { return ZahlTextEinfach(static_cast<long double>(wert), dezimalen); }

}  // namespace

TVergleichGrafikDaten::TLinie GrafikLinie(int angebot, const QString& name, const TFinanzierung& f) {
  TVergleichGrafikDaten::TLinie l{angebot, name, {}};
  l.Punkte.reserve(static_cast<int>(f.Plan.size()) + 1);
  if (f.Plan.empty()) return l;
  const TFinanzierungsMonat& erster = f.Plan.front();
  l.Punkte << QPointF(0, double(Euro(erster.Restschuld + erster.Tilgung + erster.Sondertilgung).Wert()));
  for (const TFinanzierungsMonat& z : f.Plan) l.Punkte << QPointF(z.Monat / 12.0, double(Euro(z.Restschuld).Wert()));
  return l;
}

void VergleichZeichnen(TZeichenflaeche& f, const QRectF& rahmen, const TVergleichGrafikDaten& d) {
  if (d.Linien.isEmpty()) return;
  const double pt = f.PixelJePunkt();
  const double zeile = Textgroesse * 1.3 * pt;
  double jahre = 0, hoch = 0;
  for (const auto& l : d.Linien)
    for (const QPointF& p : l.Punkte) jahre = std::max(jahre, p.x()), hoch = std::max(hoch, p.y());
  const TSkala x = Skala(std::max(jahre, 1.0), 8), y = Skala(hoch, 5);

  // Title and legend on top, wrapped where the names need more than a line.
  const QString titel = QStringLiteral("Restschuld im Lauf der Jahre");
  f.Schrift(Textgroesse + 0.5, true);
  f.Text(rahmen.topLeft(), titel, TextFarbe);
  double links = rahmen.left() + f.TextBreite(titel) + 12 * pt, oben = rahmen.top();
  f.Schrift(Textgroesse, false);
  for (const auto& l : d.Linien) {
    const double breite = 9.5 * pt + f.TextBreite(l.Name);
    if (links + breite > rahmen.right() && links > rahmen.left()) links = rahmen.left(), oben += zeile;
    const QColor& farbe = Farben[l.Angebot % 4];
    f.Flaeche(QRectF(links, oben + 1.5 * pt, 7 * pt, 7 * pt), farbe);
    f.Text(QPointF(links + 9.5 * pt, oben), l.Name, TextFarbe);
    links += breite + 10 * pt;
  }
  double breite = 0;
  for (int k = 0; k <= y.Schritte; ++k) breite = std::max(breite, f.TextBreite(Zahl(k * y.Schritt, y.Dezimalen)));
  const QRectF b(QPointF(rahmen.left() + breite + 5 * pt, oben + zeile + 6 * pt),
                 QPointF(rahmen.right() - 6 * pt, rahmen.bottom() - zeile - 2 * pt));
  if (b.width() < 4 * pt || b.height() < 4 * pt) return;
  const auto px = [&](double w) { return b.left() + w / x.Bis() * b.width(); };
  const auto py = [&](double w) { return b.bottom() - w / y.Bis() * b.height(); };
  for (int k = 0; k <= y.Schritte; ++k) {
    const double h = py(k * y.Schritt);
    f.Linie(QPointF(b.left(), h), QPointF(b.right(), h), GitterFarbe, 0.5);
    const QString text = Zahl(k * y.Schritt, y.Dezimalen);
    f.Text(QPointF(b.left() - 3 * pt - f.TextBreite(text), h - zeile / 2), text, TextFarbe);
  }
  for (int k = 0; k <= x.Schritte; ++k) {
    const double v = px(k * x.Schritt);
    const QString text = Zahl(k * x.Schritt, x.Dezimalen);
    f.Linie(QPointF(v, b.bottom()), QPointF(v, b.bottom() + 2 * pt), AchsenFarbe, 0.75);
    f.Text(QPointF(v - f.TextBreite(text) / 2, b.bottom() + 2.5 * pt), text, TextFarbe);
  }
  f.Linie(b.bottomLeft(), b.topLeft(), AchsenFarbe, 0.75);
  f.Linie(b.bottomLeft(), b.bottomRight(), AchsenFarbe, 0.75);
  for (const auto& l : d.Linien)
    for (int k = 1; k < l.Punkte.size(); ++k)
      f.Linie(QPointF(px(l.Punkte[k - 1].x()), py(l.Punkte[k - 1].y())),
              QPointF(px(l.Punkte[k].x()), py(l.Punkte[k].y())), Farben[l.Angebot % 4], 1.5);
}

TVergleichGrafik::TVergleichGrafik(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(240, 200);
}

void TVergleichGrafik::Setzen(TVergleichGrafikDaten daten) {
  FDaten = std::move(daten);
  update();
}

void TVergleichGrafik::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.fillRect(rect(), Qt::white);
  maler.setRenderHint(QPainter::Antialiasing);
  TMalerFlaeche flaeche(maler, logicalDpiY() / 72.0);
  VergleichZeichnen(flaeche, QRectF(rect()).adjusted(8, 8, -8, -6), FDaten);
}
