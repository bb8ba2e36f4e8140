// The first report after a start: from the click on "Drucken" on a
// calculation page to the painted preview, in a process of its own, so that
// it includes whatever printing sets up on first use. Prints milliseconds;
// `make bench-startup` runs it several times.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QTabWidget>
#include <QWindow>
#include <cstdio>

#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "pages/Seiten.h"
#include "print/PagePrnt.h"
#include "report/uDruck.h"

namespace {

class TMaler : public QObject {
 public:
  bool Gemalt = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) Gemalt = true;
    return false;
  }
};

// Lets events through until `fertig` holds; false after five seconds.
template <class F>
bool Warten(F fertig) {
  const QDeadlineTimer frist(5000);
  while (!fertig()) {
    if (frist.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  TAnwendung anwendung(argc, argv);
  anwendung.FensterErzeugen();
  fmStart->show();
  if (!Warten([] { return fmStart->windowHandle() && fmStart->windowHandle()->isExposed(); })) return 1;
  QCoreApplication::processEvents();
  fmStart->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(Seiten::Index(u"eZi"));
  QCoreApplication::processEvents();

  TMaler maler;
  frmDruckVorschau->PgprntrVorschau()->PaintBox()->installEventFilter(&maler);
  auto* drucken = fmStart->findChild<QAbstractButton*>(QStringLiteral("btbtnDruck"));
  QElapsedTimer uhr;
  uhr.start();
  drucken->click();
  if (!Warten([&] { return maler.Gemalt; })) return 1;
  std::printf("%.1f\n", uhr.nsecsElapsed() / 1e6);
  return 0;
}
