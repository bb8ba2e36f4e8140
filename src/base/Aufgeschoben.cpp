#include "base/Aufgeschoben.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

class TSymbolsetzer : public QObject {
 public:
  TSymbolsetzer(QAbstractButton* knopf, QStyle::StandardPixmap symbol)
      : QObject(knopf), FKnopf(knopf), FSymbol(symbol) {
    knopf->window()->installEventFilter(this);
  }
  bool eventFilter(QObject* fenster, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::Polish) {
      FKnopf->setIcon(FKnopf->style()->standardIcon(FSymbol, nullptr, FKnopf));
      fenster->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  QAbstractButton* FKnopf;
  QStyle::StandardPixmap FSymbol;
};

}  // namespace

void StandardsymbolBeimZeigen(QAbstractButton* knopf, QStyle::StandardPixmap symbol) {
  new TSymbolsetzer(knopf, symbol);
}

void PolierenBeimZeigen(QWidget* fenster) {
  QCoreApplication::removePostedEvents(fenster, QEvent::PolishRequest);
  for (QWidget* w : fenster->findChildren<QWidget*>()) QCoreApplication::removePostedEvents(w, QEvent::PolishRequest);
}
