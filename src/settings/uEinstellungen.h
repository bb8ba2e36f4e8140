#pragma once
// The user settings: the record kept for the whole run, the per-user store
// it is read from once at start and written to when the dialog is
// confirmed, and the dialog itself.
#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "calc/OrvMath.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class TZahlfelder;

// The texts are stored exactly as typed or as the exit rules format them.
struct TEinstellungswerte {
  QString Waehrungszeichen;
  QString Mindestgebuehr;
  QString Grundgebuehr;
  QString Gebuehr;
  QString Maklergebuehr;
  // Read and write numbers with the system's separators instead of the
  // German ones; takes effect at the next start.
  bool Systemzahlenformat = false;
};
extern TEinstellungswerte Einstellungswerte;

// The one declaration of every setting: its value name in the store, its
// member, its default, the dialog's field for it and, for a number text, the
// field's exit rule. Store, dialog and tests all go through this table; its
// order is the order of reading and of taking the fields over.
struct TEinstellung {
  const char* Name;
  QString TEinstellungswerte::*Wert;
  const char* Vorgabe;  // number texts written for German settings
  const char* Feld;     // objectName in the dialog
  std::optional<TZahlregel> Regel;
  bool Zahl() const { return Regel.has_value(); }
};
inline constexpr std::array<TEinstellung, 5> Einstellungen{{
    {"Waehrungszeichen", &TEinstellungswerte::Waehrungszeichen, "DM", "Edit5", std::nullopt},
    {"Mindestgebuehr", &TEinstellungswerte::Mindestgebuehr, "0,00", "Edit1", TZahlregel::DM},
    {"Grundgebuehr", &TEinstellungswerte::Grundgebuehr, "20,00", "Edit2", TZahlregel::DM},
    {"Gebuehr", &TEinstellungswerte::Gebuehr, "0,450", "Edit3", TZahlregel::Zins},
    {"Maklergebuehr", &TEinstellungswerte::Maklergebuehr, "0,08", "Edit4", TZahlregel::Zins},
}};
// The switches: stored as the texts "true" and "false" beside the texts
// above. A store need not hold them; one that does not, or holds anything
// else, reads as the default, and they play no part in judging whether a
// store could be read at all.
struct TSchalter {
  const char* Name;
  bool TEinstellungswerte::*Wert;
  bool Vorgabe;
  const char* Feld;  // the check box in the dialog
};
inline constexpr std::array<TSchalter, 1> Schalter{{
    {"Systemzahlenformat", &TEinstellungswerte::Systemzahlenformat, false, "SystemzahlenformatBox"},
}};
// The defaults, number texts in the current regional format.
TEinstellungswerte Vorgabewerte();

// Whether the store asks for the system's number format. The number format
// is fixed before any window is built, ahead of LoadSettings.
bool SystemzahlenformatGewaehlt();

// Reads the record from the store; a missing store gives the defaults and
// creates nothing.
void LoadSettings();
// Writes the settings; false when the store could not be written, which
// then stays as it was (nothing is reported). A store that failed to read
// is kept beside the new one as Tesselo.conf.defekt.
bool SaveSettings();
// A currency symbol of any length takes at most a few characters' room
// beside a field; the whole of it is in the tooltip.
void WaehrungZeigen(QLabel* label, const QString& zeichen);

// Shows the read-failure message. Replaceable so that unattended runs
// (fuzzing) need no one to close the box; an empty function restores the box.
void SetzeLesefehlerMeldung(std::function<void()> meldung);
QString LesefehlerText();

namespace Ui {
class TfmEinstellungen;
}

class TfmEinstellungen : public QDialog {
  Q_OBJECT
 public:
  explicit TfmEinstellungen(QWidget* parent = nullptr);
  ~TfmEinstellungen() override;

  // Width a title bar needs beyond its title text: icon and three buttons.
  static constexpr int TitelleistenRand = 150;

  void FormShow();
  void BitBtn1Click();
  void Edit1Exit(QLineEdit* feld);
  void Edit3Exit(QLineEdit* feld);

 signals:
  // The record was taken over and saved; the main window shows it.
  void Uebernommen();

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;

 private:
  // The fields' accessible names with their units.
  void Feldnamen();
  std::unique_ptr<Ui::TfmEinstellungen> ui;
  // The field of each setting, in the table's order.
  std::array<QLineEdit*, Einstellungen.size()> FFelder{};
  std::array<QCheckBox*, Schalter.size()> FSchalter{};
  TZahlfelder* FZahlfelder;
  bool SchonGezeigt = false;
};
