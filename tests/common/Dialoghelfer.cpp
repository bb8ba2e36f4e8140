#include "common/Dialoghelfer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>

TDialogBeantworter::TDialogBeantworter() {
  Zeitgeber.setInterval(5);
  connect(&Zeitgeber, &QTimer::timeout, this, &TDialogBeantworter::Pruefen);
  Zeitgeber.start();
}

void TDialogBeantworter::Pruefen() {
  QWidget* w = QApplication::activeModalWidget();
  if (!w || !w->isVisible()) return;
  if (auto* box = qobject_cast<QMessageBox*>(w)) {
    Boxen.append({box->windowTitle(), box->text(), box->icon()});
    QAbstractButton* knopf = box->defaultButton() ? box->defaultButton() : box->buttons().value(0);
    if (knopf) return knopf->click();
    box->close();
  } else if (auto* dlg = qobject_cast<QDialog*>(w); dlg && Andere) {
    Andere(dlg);
  } else if (dlg && AndereDialogeSchliessen) {
    ++AndereDialoge;
    dlg->reject();
  }
}

void Warten(int ms) {
  QElapsedTimer uhr;
  uhr.start();
  while (uhr.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}
