#include "Startfenster.h"

TfmStart::TfmStart(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("fmStart"));
  setWindowTitle(QStringLiteral("Kalvora 1.1.1"));
}
