#include "uEinstellungen.h"

TEinstellungswerte Einstellungswerte;

void LoadSettings() {}
void SaveSettings() {}
void ApplySettings() {}

TfmEinstellungen::TfmEinstellungen(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fmEinstellungen"));
}
