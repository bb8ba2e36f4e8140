#pragma once
// A text label that draws its caption raised or recessed, as if embossed
// into the window.
#include <QLabel>
#include <QPixmap>

class TRzLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(TTextStyle TextStyle READ TextStyle WRITE setTextStyle RESET resetTextStyle)
 public:
  enum TTextStyle : quint8 { tsNone, tsRaised, tsRecessed };
  Q_ENUM(TTextStyle)

  explicit TRzLabel(QWidget* parent = nullptr, Qt::WindowFlags f = {});
  explicit TRzLabel(const QString& text, QWidget* parent = nullptr, Qt::WindowFlags f = {});

  TTextStyle TextStyle() const { return FTextStyle; }
  void setTextStyle(TTextStyle style);
  void resetTextStyle() { setTextStyle(tsRecessed); }

  // The caption's letters drawn beforehand for the present text and font, as
  // a centred label lays them out: their coverage in the alpha channel, one
  // pixel of room on every side. The label then measures and draws with them
  // and never loads its font. Not used once the text, font or alignment
  // changes, for wrapped text, nor on a screen of another pixel ratio.
  void setSchriftbild(const QPixmap& maske);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  int heightForWidth(int w) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Draws (or, with measure set, only measures) the caption in rect.
  virtual QRect DoDrawText(QPainter* painter, const QRect& rect, int flags, bool measure) const;

 private:
  int TextFlags() const;
  QString MesseText() const;
  QSize Rahmenzugabe() const;
  QSize Messen(int breite) const;
  bool MitSchriftbild() const;
  QSize Schriftbildgroesse() const;

  TTextStyle FTextStyle = tsRecessed;
  QPixmap FSchriftbild;
  QString FSchriftbildText;
};
