#include "uFormel.h"

QString FormelRessource(const QString&, int) { return {}; }

TfmFormel::TfmFormel(QWidget* parent) : QDialog(parent), kachel(100, 50) {
  setObjectName(QStringLiteral("fmFormel"));
  kachel.fill(QColor(192, 192, 192));
}

void TfmFormel::DokumentZeigen(const QString&) {}
