#include "app/Zeilenlabel.h"

#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>

QSize TZeilenlabel::sizeHint() const {
  const QSize s = Groesse();
  return s.isValid() ? s : QLabel::sizeHint();
}

QSize TZeilenlabel::minimumSizeHint() const {
  const QSize s = Groesse();
  return s.isValid() ? s : QLabel::minimumSizeHint();
}

QSize TZeilenlabel::Groesse() const {
  const QString t = text();
  if (t.isEmpty() || wordWrap() || indent() >= 0 || frameWidth() != 0 || textFormat() == Qt::RichText ||
      textFormat() == Qt::MarkdownText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(t)))
    return {};
  ensurePolished();
  const Qt::LayoutDirection richtung = t.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
  int flags =
      Qt::TextExpandTabs | (QStyle::visualAlignment(richtung, alignment()) & ~(Qt::AlignVCenter | Qt::AlignHCenter));
  if (buddy() && t.contains(QLatin1Char('&'))) {
    flags |= Qt::TextShowMnemonic;
    QStyleOption opt;
    opt.initFrom(this);
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, this)) flags |= Qt::TextHideMnemonic;
  }
  if (FText != t || FFlags != flags || FSchrift != font()) {
    FText = t;
    FFlags = flags;
    FSchrift = font();
    FTextgroesse = fontMetrics().boundingRect(0, 0, 2000, 2000, flags, t).size();
  }
  const QMargins rand = contentsMargins();
  return (FTextgroesse + QSize(2 * margin() + rand.left() + rand.right(), 2 * margin() + rand.top() + rand.bottom()))
      .expandedTo(minimumSize());
}

int TZeilenlabel::heightForWidth(int w) const {
  if (w < 0 || !wordWrap() || text().isEmpty() || !pixmap().isNull()) return QLabel::heightForWidth(w);
  const TUmbruch jetzt{text(),
                       font(),
                       minimumSize(),
                       contentsMargins(),
                       margin(),
                       indent(),
                       static_cast<int>(alignment()),
                       buddy() != nullptr,
                       textFormat()};
  if (!(jetzt == FUmbruch)) {
    FUmbruch = jetzt;
    FHoehen.clear();
  }
  for (const auto& [breite, hoehe] : FHoehen)
    if (breite == w) return hoehe;
  const int hoehe = QLabel::heightForWidth(w);
  if (FHoehen.size() == 4) FHoehen.removeFirst();
  FHoehen.append({w, hoehe});
  return hoehe;
}
