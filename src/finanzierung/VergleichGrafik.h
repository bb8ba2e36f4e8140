#pragma once
// The chart of a comparison: every offer's balance over the years, one line
// each, with a legend of the offers' names. Drawn on the plan chart's
// surface, so that the window and the printout share one drawing.
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>
#include <QWidget>

#include "calc/Finanzierung.h"
#include "plan/PlanGrafik.h"

struct TVergleichGrafikDaten {
  struct TLinie {
    int Angebot = 0;  // from 0; picks the colour, so an offer keeps its colour
    QString Name;
    QVector<QPointF> Punkte;  // years from the start, balance
  };
  QVector<TLinie> Linien;
};
// The balance of the offer month by month, from its amount on.
TVergleichGrafikDaten::TLinie GrafikLinie(int angebot, const QString& name, const TFinanzierung& f);

void VergleichZeichnen(TZeichenflaeche& flaeche, const QRectF& rahmen, const TVergleichGrafikDaten& daten);

class TVergleichGrafik : public QWidget {
  Q_OBJECT
 public:
  explicit TVergleichGrafik(QWidget* parent = nullptr);
  void Setzen(TVergleichGrafikDaten daten);
  const TVergleichGrafikDaten& Daten() const { return FDaten; }
  QSize sizeHint() const override { return {420, 360}; }

 protected:
  void paintEvent(QPaintEvent* ereignis) override;

 private:
  TVergleichGrafikDaten FDaten;
};
