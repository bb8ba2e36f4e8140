#pragma once
// The chart of a plan: the balance over time above, interest against
// repayment (or payments) per year below, axes in German number format. One
// drawing serves the window and the printout through a small surface.
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>
#include <QWidget>

class QPainter;

#include "calc/Zahlungsplan.h"

struct TGrafikDaten {
  QString StandName;       // the balance: "Stand" or "Restschuld"
  QString AnteilName;      // beside the interest: "Tilgung", "Einzahlungen", "Kapitalverzehr"; empty for none
  QVector<QPointF> Stand;  // years from the start, balance
  struct TJahr {
    double Zinsen = 0;
    double Anteil = 0;
  };
  QVector<TJahr> Jahre;  // from the first year on
  double Laufzeit = 0;   // years
};
TGrafikDaten GrafikDaten(const TZahlungsplan& plan);

// What the chart needs of a drawing surface; lengths are the surface's pixels.
class TZeichenflaeche {
 public:
  virtual ~TZeichenflaeche() = default;
  virtual double PixelJePunkt() const = 0;
  virtual void Schrift(double punkte, bool fett) = 0;
  virtual double TextBreite(const QString& text) = 0;
  virtual void Text(QPointF linksOben, const QString& text, const QColor& farbe) = 0;
  virtual void Linie(QPointF von, QPointF bis, const QColor& farbe, double punkte) = 0;
  virtual void Flaeche(const QRectF& rechteck, const QColor& farbe) = 0;
};

// A widget's painter as the surface.
class TMalerFlaeche : public TZeichenflaeche {
 public:
  TMalerFlaeche(QPainter& maler, double pixelJePunkt) : FMaler(maler), FPt(pixelJePunkt) {}
  double PixelJePunkt() const override { return FPt; }
  void Schrift(double punkte, bool fett) override;
  double TextBreite(const QString& text) override;
  void Text(QPointF linksOben, const QString& text, const QColor& farbe) override;
  void Linie(QPointF von, QPointF bis, const QColor& farbe, double punkte) override;
  void Flaeche(const QRectF& rechteck, const QColor& farbe) override;

 private:
  QPainter& FMaler;
  double FPt;
};

void GrafikZeichnen(TZeichenflaeche& flaeche, const QRectF& rahmen, const TGrafikDaten& daten);

class TPlanGrafik : public QWidget {
  Q_OBJECT
 public:
  explicit TPlanGrafik(QWidget* parent = nullptr);
  void Setzen(TGrafikDaten daten);
  const TGrafikDaten& Daten() const { return FDaten; }
  QSize sizeHint() const override { return {420, 360}; }

 protected:
  void paintEvent(QPaintEvent* ereignis) override;

 private:
  TGrafikDaten FDaten;
};
