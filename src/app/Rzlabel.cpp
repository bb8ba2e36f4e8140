#include "app/Rzlabel.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QStyle>

namespace {
constexpr int Unbegrenzt = 1 << 20;
}

TRzLabel::TRzLabel(QWidget* parent, Qt::WindowFlags f) : QLabel(parent, f) {}

TRzLabel::TRzLabel(const QString& text, QWidget* parent, Qt::WindowFlags f) : QLabel(text, parent, f) {}

void TRzLabel::setSchriftbild(const QPixmap& maske) {
  FSchriftbild = maske;
  FSchriftbildText = text();
  updateGeometry();
  update();
}

bool TRzLabel::MitSchriftbild() const {
  return !FSchriftbild.isNull() && FSchriftbildText == text() && !wordWrap() &&
         (alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignHCenter &&
         FSchriftbild.devicePixelRatio() == devicePixelRatioF();
}

QSize TRzLabel::Schriftbildgroesse() const { return FSchriftbild.deviceIndependentSize().toSize() - QSize(2, 2); }

void TRzLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) FSchriftbild = QPixmap();
  QLabel::changeEvent(event);
}

void TRzLabel::setTextStyle(TTextStyle style) {
  if (style == FTextStyle) return;
  FTextStyle = style;
  update();
}

int TRzLabel::TextFlags() const {
  // The label's vertical alignment is deliberately not applied: the text
  // always starts at the top, as the relief drawing expects.
  int flags = Qt::TextExpandTabs | static_cast<int>(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
  if (wordWrap()) flags |= Qt::TextWordWrap;
  // A label shows mnemonics only when it has a buddy to pass the focus to;
  // otherwise "&" is an ordinary character.
  if (buddy()) flags |= Qt::TextShowMnemonic;
  return flags;
}

QString TRzLabel::MesseText() const {
  // An empty label keeps the height of one line.
  QString t = text();
  if (t.isEmpty() || (buddy() && t == QLatin1String("&"))) return QStringLiteral(" ");
  return t;
}

QSize TRzLabel::Rahmenzugabe() const {
  const QMargins m = contentsMargins();
  return {m.left() + m.right() + 2 * margin(), m.top() + m.bottom() + 2 * margin()};
}

QSize TRzLabel::Messen(int breite) const {
  const QRect r(0, 0, breite > 0 ? breite : Unbegrenzt, Unbegrenzt);
  return DoDrawText(nullptr, r, TextFlags(), true).size() + Rahmenzugabe();
}

QSize TRzLabel::sizeHint() const {
  if (!wordWrap()) return Messen(-1);
  // Wrapped text: the width a plain label would choose, the height it takes there.
  const int w = QLabel::sizeHint().width();
  return {w, heightForWidth(w)};
}

QSize TRzLabel::minimumSizeHint() const {
  if (!wordWrap()) return sizeHint();
  QSize s = QLabel::minimumSizeHint();
  s.setHeight(qMax(s.height(), fontMetrics().height() + Rahmenzugabe().height()));
  return s;
}

int TRzLabel::heightForWidth(int w) const {
  if (!wordWrap()) return QLabel::heightForWidth(w);
  return Messen(qMax(1, w - Rahmenzugabe().width())).height();
}

QRect TRzLabel::DoDrawText(QPainter* painter, const QRect& rect, int flags, bool measure) const {
  const bool bild = MitSchriftbild();
  const QRect platz =
      bild ? QStyle::alignedRect(layoutDirection(), Qt::Alignment(flags & Qt::AlignHorizontal_Mask) | Qt::AlignTop,
                                 Schriftbildgroesse(), rect)
           : QRect();
  if (measure || !painter) return bild ? platz : fontMetrics().boundingRect(rect, flags, MesseText());

  const QString t = text();
  // One pass of the caption in `farbe`, `versatz` pixels down and right.
  auto zeichnen = [&](const QColor& farbe, int versatz, QRect* gezeichnet = nullptr) {
    if (!bild) {
      painter->setPen(farbe);
      painter->drawText(rect.translated(versatz, versatz), flags, t, gezeichnet);
      return;
    }
    QPixmap getoent = FSchriftbild;
    QPainter toener(&getoent);
    toener.setCompositionMode(QPainter::CompositionMode_SourceIn);
    toener.fillRect(getoent.rect(), farbe);
    toener.end();
    painter->drawPixmap(platz.topLeft() + QPoint(versatz - 1, versatz - 1), getoent);
    if (gezeichnet) *gezeichnet = platz;
  };
  const QPalette& pal = palette();
  if (FTextStyle != tsNone) {
    const QColor schatten = pal.color(QPalette::Dark);
    const QColor licht = pal.color(QPalette::Light);
    const bool erhaben = FTextStyle == tsRaised;
    zeichnen(erhaben ? schatten : licht, 1);
    zeichnen(erhaben ? licht : schatten, -1);
  }
  // A disabled label shows the system's grey text colour, whatever its own
  // font colour is.
  QRect gezeichnet;
  zeichnen(isEnabled() ? pal.color(QPalette::Active, foregroundRole())
                       : QApplication::palette().color(QPalette::Disabled, QPalette::WindowText),
           0, &gezeichnet);
  return gezeichnet;
}

void TRzLabel::paintEvent(QPaintEvent* /*event*/) {
  // An opaque label (autoFillBackground) has its background filled by the
  // widget machinery before this runs.
  QPainter p(this);
  drawFrame(&p);
  p.setFont(font());
  const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  DoDrawText(&p, r, TextFlags(), false);
}
