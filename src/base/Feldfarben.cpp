#include "base/Feldfarben.h"

#include <QApplication>
#include <QHash>
#include <QWidget>
#include <cmath>

QColor Feldgrund(TFeldzustand zustand) {
  switch (zustand) {
    case TFeldzustand::Eingabe: return {255, 255, 255};
    case TFeldzustand::Ergebnis: return {0, 255, 255};
    case TFeldzustand::Rechnet: return {255, 0, 0};
    case TFeldzustand::Gesperrt: break;
  }
  return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

double Leuchtdichte(const QColor& farbe) {
  const auto linear = [](double kanal) {
    return kanal <= 0.04045 ? kanal / 12.92 : std::pow((kanal + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = farbe.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double Kontrast(const QColor& a, const QColor& b) {
  const double la = Leuchtdichte(a), lb = Leuchtdichte(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LesbareSchrift(const QColor& wunsch, const QColor& grund) {
  if (Kontrast(wunsch, grund) >= Mindestkontrast) return wunsch;
  // Black or white stands out from any background by at least 4.58:1.
  const QColor ziel = Kontrast(Qt::black, grund) >= Kontrast(Qt::white, grund) ? QColor(Qt::black) : QColor(Qt::white);
  const QColor von = wunsch.toRgb();
  constexpr int Schritte = 16;
  for (int s = 1; s < Schritte; ++s) {
    const auto mischen = [s](int a, int b) { return a + (b - a) * s / Schritte; };
    const QColor farbe(mischen(von.red(), ziel.red()), mischen(von.green(), ziel.green()),
                       mischen(von.blue(), ziel.blue()));
    if (Kontrast(farbe, grund) >= Mindestkontrast) return farbe;
  }
  return ziel;
}

void FeldfarbeSetzen(QWidget* feld, TFeldzustand zustand) {
  const QColor grund = Feldgrund(zustand);
  // The text starts from the theme's colour for the field, not from the
  // one a former state chose, so that a state looks the same whatever came
  // before. Few pairs occur, and each is worked out once.
  static QHash<QPair<QRgb, QRgb>, QRgb> gemerkt;
  const QPalette thema = QApplication::palette(feld);
  QPalette p = feld->palette();
  for (auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(gruppe, QPalette::Base, grund);
    const QColor wunsch = thema.color(gruppe, QPalette::Text);
    const std::pair schluessel{wunsch.rgba(), grund.rgba()};
    auto it = gemerkt.find(schluessel);
    if (it == gemerkt.end()) it = gemerkt.insert(schluessel, LesbareSchrift(wunsch, grund).rgba());
    p.setColor(gruppe, QPalette::Text, QColor::fromRgba(*it));
  }
  feld->setPalette(p);
}
