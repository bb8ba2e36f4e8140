#pragma once
// The page control of the main window: a QTabWidget whose tabs wrap into as
// many rows as the pages' width needs, so that every page's tab is in sight.
// Pages, indices and currentChanged are the tab widget's own; only the tab
// bar lays out and paints its tabs in rows, the row of the current tab next
// to the pages.
#include <QList>
#include <QTabBar>
#include <QTabWidget>

class TReiterzeilen : public QTabBar {
  Q_OBJECT
 public:
  explicit TReiterzeilen(QWidget* parent = nullptr);

  // Where tab `index` is drawn; empty for an unknown index.
  QRect ReiterRect(int index) const;
  // The tab at `punkt`, or -1.
  int ReiterBei(QPoint punkt) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  void leaveEvent(QEvent* ereignis) override;
  void wheelEvent(QWheelEvent* ereignis) override;
  void tabLayoutChange() override;

 private:
  struct TReiter {
    int Index;
    QRect Rect;
  };
  // Every tab's size, asked once per layout: the style measures its text each time.
  QList<QSize> Groessen() const;
  // Tab indices row by row, in tab order, for rows `breite` pixels wide.
  QList<QList<int>> Zeilen(int breite, const QList<QSize>& groessen) const;
  // The rows as drawn in the bar's width, top to bottom.
  QList<QList<TReiter>> Anordnung() const;
  int Bevorzugtebreite(const QList<QSize>& groessen) const;
  static int Zeilenhoehe(const QList<QSize>& groessen);
  int FSchwebend = -1;
};

class TSeitenreiter : public QTabWidget {
  Q_OBJECT
 public:
  explicit TSeitenreiter(QWidget* parent = nullptr);
};
