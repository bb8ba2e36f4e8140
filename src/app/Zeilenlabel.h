#pragma once
// A one-line plain caption. The label's own hints measure its text three
// times (unbounded, zero and full width) whenever it changes; on one line the
// three agree, so it is measured once, with the same rules. Anything else, a
// wrapped, rich or empty text among them, is left to the label, whose
// heights for a width are only remembered.
#include <QFont>
#include <QLabel>
#include <QList>
#include <QMargins>
#include <QPair>

class TZeilenlabel : public QLabel {
 public:
  using QLabel::QLabel;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // Wrapped text: the layout asks the same few widths again and again.
  int heightForWidth(int w) const override;

 private:
  // Invalid where the label measures itself.
  QSize Groesse() const;

  mutable QString FText;
  mutable int FFlags = 0;
  mutable QFont FSchrift;
  mutable QSize FTextgroesse;

  // Everything a height for a width depends on, besides the width.
  struct TUmbruch {
    QString Text;
    QFont Schrift;
    QSize Mindestgroesse;
    QMargins Rand;
    int Abstand, Einzug, Ausrichtung;
    bool Kuerzel;
    Qt::TextFormat Format;
    bool operator==(const TUmbruch&) const = default;
  };
  mutable TUmbruch FUmbruch{};
  mutable QList<QPair<int, int>> FHoehen;
};
