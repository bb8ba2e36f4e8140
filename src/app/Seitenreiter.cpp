#include "app/Seitenreiter.h"

#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <algorithm>

TReiterzeilen::TReiterzeilen(QWidget* parent) : QTabBar(parent) {
  // Every tab is always in sight, so there is nothing to scroll or elide.
  setUsesScrollButtons(false);
  setElideMode(Qt::ElideNone);
  setExpanding(false);
  setDrawBase(false);
  setMouseTracking(true);
  connect(this, &QTabBar::currentChanged, this, qOverload<>(&QWidget::update));
}

QList<QSize> TReiterzeilen::Groessen() const {
  QList<QSize> groessen;
  groessen.reserve(count());
  for (int i = 0; i < count(); ++i) groessen.append(tabSizeHint(i));
  return groessen;
}

int TReiterzeilen::Zeilenhoehe(const QList<QSize>& groessen) {
  int h = 0;
  for (const QSize& g : groessen) h = std::max(h, g.height());
  return h;
}

int TReiterzeilen::Bevorzugtebreite(const QList<QSize>& groessen) const {
  // As wide as the widest page wants to be: the rows adapt to the pages,
  // never the pages to the tabs.
  int breite = 0;
  if (const auto* seiten = qobject_cast<const QTabWidget*>(parentWidget())) {
    for (int i = 0; i < seiten->count(); ++i) breite = std::max(breite, seiten->widget(i)->sizeHint().width());
    breite += 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  }
  for (const QSize& g : groessen) breite = std::max(breite, g.width());
  return breite;
}

QList<QList<int>> TReiterzeilen::Zeilen(int breite, const QList<QSize>& groessen) const {
  QList<QList<int>> zeilen;
  int x = 0;
  for (int i = 0; i < count(); ++i) {
    if (!isTabVisible(i)) continue;
    const int w = groessen[i].width();
    if (zeilen.isEmpty() || (x > 0 && x + w > breite)) {
      zeilen.append(QList<int>());
      x = 0;
    }
    zeilen.last().append(i);
    x += w;
  }
  return zeilen;
}

QList<QList<TReiterzeilen::TReiter>> TReiterzeilen::Anordnung() const {
  const QList<QSize> groessen = Groessen();
  const int breite = width(), hoehe = Zeilenhoehe(groessen);
  // The row of the current tab moves next to the pages, as the rows of a
  // wrapping page control do; the others keep their order above it.
  QList<QList<int>> reihenfolge = Zeilen(breite, groessen);
  for (qsizetype z = 0; z < reihenfolge.size(); ++z) {
    if (reihenfolge[z].contains(currentIndex())) {
      reihenfolge.append(reihenfolge.takeAt(z));
      break;
    }
  }
  QList<QList<TReiter>> ergebnis;
  for (qsizetype z = 0; z < reihenfolge.size(); ++z) {
    const QList<int>& zeile = reihenfolge[z];
    int summe = 0;
    for (int i : zeile) summe += groessen[i].width();
    // Several rows fill the width, so that they stand as one block.
    const int rest = reihenfolge.size() > 1 ? std::max(0, breite - summe) : 0;
    QList<TReiter> reiter;
    int x = 0, verteilt = 0;
    for (qsizetype k = 0; k < zeile.size(); ++k) {
      const int w = groessen[zeile[k]].width();
      int zugabe = summe > 0 ? static_cast<int>(static_cast<long long>(rest) * w / summe) : 0;
      if (k == zeile.size() - 1) zugabe = rest - verteilt;
      verteilt += zugabe;
      reiter.append({zeile[k], QRect(x, static_cast<int>(z) * hoehe, w + zugabe, hoehe)});
      x += w + zugabe;
    }
    ergebnis.append(reiter);
  }
  return ergebnis;
}

QRect TReiterzeilen::ReiterRect(int index) const {
  for (const auto& zeile : Anordnung())
    for (const TReiter& r : zeile)
      if (r.Index == index) return r.Rect;
  return {};
}

int TReiterzeilen::ReiterBei(QPoint punkt) const {
  for (const auto& zeile : Anordnung())
    for (const TReiter& r : zeile)
      if (r.Rect.contains(punkt)) return r.Index;
  return -1;
}

QSize TReiterzeilen::sizeHint() const {
  if (count() == 0) return QTabBar::sizeHint();
  // Never from the bar's present width: the tab widget takes its own size
  // from this one, and the two would push each other wider.
  const QList<QSize> groessen = Groessen();
  const int breite = Bevorzugtebreite(groessen);
  return {breite, static_cast<int>(Zeilen(breite, groessen).size()) * Zeilenhoehe(groessen)};
}

QSize TReiterzeilen::minimumSizeHint() const { return sizeHint(); }

void TReiterzeilen::paintEvent(QPaintEvent*) {
  QStylePainter maler(this);
  const auto zeilen = Anordnung();
  QStyleOptionTab aktuell;
  for (const auto& zeile : zeilen) {
    for (qsizetype k = 0; k < zeile.size(); ++k) {
      const int i = zeile[k].Index;
      QStyleOptionTab opt;
      initStyleOption(&opt, i);
      opt.rect = zeile[k].Rect;
      opt.position = zeile.size() == 1       ? QStyleOptionTab::OnlyOneTab
                     : k == 0                ? QStyleOptionTab::Beginning
                     : k == zeile.size() - 1 ? QStyleOptionTab::End
                                             : QStyleOptionTab::Middle;
      opt.selectedPosition = QStyleOptionTab::NotAdjacent;
      if (k > 0 && zeile[k - 1].Index == currentIndex()) opt.selectedPosition = QStyleOptionTab::PreviousIsSelected;
      if (k + 1 < zeile.size() && zeile[k + 1].Index == currentIndex())
        opt.selectedPosition = QStyleOptionTab::NextIsSelected;
      opt.state.setFlag(QStyle::State_MouseOver, i == FSchwebend);
      // The current tab goes last, so that it overlaps its neighbours.
      if (i == currentIndex())
        aktuell = opt;
      else
        maler.drawControl(QStyle::CE_TabBarTab, opt);
    }
  }
  if (currentIndex() >= 0) maler.drawControl(QStyle::CE_TabBarTab, aktuell);
}

void TReiterzeilen::mousePressEvent(QMouseEvent* ereignis) {
  if (ereignis->button() != Qt::LeftButton) {
    ereignis->ignore();
    return;
  }
  const int i = ReiterBei(ereignis->position().toPoint());
  if (i >= 0 && isTabEnabled(i)) setCurrentIndex(i);
  ereignis->accept();
}

void TReiterzeilen::mouseMoveEvent(QMouseEvent* ereignis) {
  const int i = ReiterBei(ereignis->position().toPoint());
  if (i != FSchwebend) {
    FSchwebend = i;
    update();
  }
  ereignis->accept();
}

void TReiterzeilen::mouseReleaseEvent(QMouseEvent* ereignis) { ereignis->accept(); }

void TReiterzeilen::leaveEvent(QEvent* ereignis) {
  FSchwebend = -1;
  update();
  QTabBar::leaveEvent(ereignis);
}

// The wheel would scroll the bar's own one-row layout, which is not shown.
void TReiterzeilen::wheelEvent(QWheelEvent* ereignis) { ereignis->ignore(); }

void TReiterzeilen::tabLayoutChange() {
  updateGeometry();
  update();
}

TSeitenreiter::TSeitenreiter(QWidget* parent) : QTabWidget(parent) { setTabBar(new TReiterzeilen(this)); }
