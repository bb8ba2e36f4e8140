#include "uDruck.h"

TfrmDruckVorschau::TfrmDruckVorschau(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmDruckVorschau"));
  hide();
}
