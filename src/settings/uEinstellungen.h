#pragma once
#include <QDialog>
#include <QString>

// The five user settings, kept for the whole run.
struct TEinstellungswerte {
  QString Waehrungszeichen = QStringLiteral("DM");
  QString Mindestgebuehr = QStringLiteral("0,00");
  QString Grundgebuehr = QStringLiteral("20,00");
  QString Gebuehr = QStringLiteral("0,450");
  QString Maklergebuehr = QStringLiteral("0,08");
};
extern TEinstellungswerte Einstellungswerte;

void LoadSettings();
void SaveSettings();
void ApplySettings();

// Placeholder until the settings dialog is built.
class TfmEinstellungen : public QDialog {
  Q_OBJECT
 public:
  explicit TfmEinstellungen(QWidget* parent = nullptr);
};
