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
    QAbstractButton* knopf = box->defaultButton();
    if (!knopf && !box->buttons().isEmpty()) knopf = box->buttons().first();
    if (knopf) knopf->click(); else box->close();
  } else if (AndereDialogeSchliessen) {
    if (auto* dlg = qobject_cast<QDialog*>(w)) {
      ++AndereDialoge;
      dlg->reject();
    }
  }
}

void Warten(int ms) {
  QElapsedTimer uhr;
  uhr.start();
  while (uhr.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}
