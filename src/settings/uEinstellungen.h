#pragma once
// The five user settings: the record kept for the whole run, the per-user
// store it is read from once at start and written to when the dialog is
// confirmed, and the dialog itself.
#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QLineEdit;

// All members are texts, stored exactly as typed or as the exit rules format them.
struct TEinstellungswerte {
  QString Waehrungszeichen;
  QString Mindestgebuehr;
  QString Grundgebuehr;
  QString Gebuehr;
  QString Maklergebuehr;
};
extern TEinstellungswerte Einstellungswerte;

// The one declaration of every setting: its value name in the store, its
// member, its default and whether it is a number text. Store, dialog and
// tests all go through this table; its order is the order of reading.
struct TEinstellung {
  const char* Name;
  QString TEinstellungswerte::*Wert;
  const char* Vorgabe;  // number texts written for German settings
  bool Zahl;
};
inline constexpr std::array<TEinstellung, 5> Einstellungen{{
    {"Waehrungszeichen", &TEinstellungswerte::Waehrungszeichen, "DM", false},
    {"Mindestgebuehr", &TEinstellungswerte::Mindestgebuehr, "0,00", true},
    {"Grundgebuehr", &TEinstellungswerte::Grundgebuehr, "20,00", true},
    {"Gebuehr", &TEinstellungswerte::Gebuehr, "0,450", true},
    {"Maklergebuehr", &TEinstellungswerte::Maklergebuehr, "0,08", true},
}};
// The defaults, number texts in the current regional format.
TEinstellungswerte Vorgabewerte();

// Reads the record from the store; a missing store gives the defaults and
// creates nothing.
void LoadSettings();
// Writes the five texts; false when the store could not be written, which
// then stays as it was (nothing is reported). A store that failed to read
// is kept beside the new one as Tesselo.conf.defekt.
bool SaveSettings();
// Shows the currency symbol in the main window and refreshes its question.
void ApplySettings();

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

  std::unique_ptr<Ui::TfmEinstellungen> ui;
  // Width a title bar needs beyond its title text: icon and three buttons.
  static constexpr int TitelleistenRand = 150;

  void FormShow();
  void BitBtn1Click();
  void Edit1Exit(QLineEdit* feld);
  void Edit3Exit(QLineEdit* feld);

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  bool SchonGezeigt = false;
  bool InExit = false;
};
