#pragma once
// Answers the modal boxes a test provokes and remembers what they said.
#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

struct TGezeigteBox {
  QString Titel;
  QString Text;
  QMessageBox::Icon Symbol = QMessageBox::NoIcon;
};

class TDialogBeantworter : public QObject {
 public:
  // While it lives, every modal QMessageBox that opens is recorded and
  // closed with its default (or only) button.
  TDialogBeantworter();
  QList<TGezeigteBox> Boxen;
  // Any other modal dialog is handed to this answer when there is one, else
  // closed with reject() unless AndereDialogeSchliessen is false.
  std::function<void(QDialog*)> Andere;
  bool AndereDialogeSchliessen = true;
  int AndereDialoge = 0;

 private:
  void Pruefen();
  QTimer Zeitgeber;
};

// Lets pending events run for the given time.
void Warten(int ms);
