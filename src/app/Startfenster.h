#pragma once
// The main window. Its controls live in the Designer form (public `ui`, named
// as the program's vocabulary names them); its behaviour is split by concern
// over Startfenster*.cpp.
#include <QList>
#include <QMainWindow>
#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class TfmStart;
}

class TfmStart : public QMainWindow {
  Q_OBJECT
 public:
  explicit TfmStart(QWidget* parent = nullptr);
  ~TfmStart() override;

  std::unique_ptr<Ui::TfmStart> ui;

  // Exit rules of the number fields (also used by the settings dialog).
  void DMFormat(QLineEdit* feld);
  void ZinsFormat(QLineEdit* feld);
  void IntFormat(QLineEdit* feld);

  // True when every field has a text; otherwise beep, the missing-field box, false.
  bool Pflichtfeldpruefung(const QList<QLineEdit*>& felder);

  // Rebuilds the question sentence of the active page.
  void FrageUpdate();
  // The seventeen unit labels that show the currency symbol.
  QList<QLabel*> Waehrungslabels() const;

  // Buttons and menu.
  void RechnenSchalterClick();
  void FormelSchalterClick();
  void btbtnDruckClick();
  void PageControl1Change();
  void Info1Click();

  // Calculations, one per page.
  void Berechne_eZi();
  void Berechne_ZiZiE();
  void Berechne_ZiZiR();
  void Berechne_BW();
  void Berechne_AnnD();
  void Berechne_MWST();
  void Berechne_Akt();

  // Share and euro pages.
  void Akt_GesuchtChange();
  void EuroBerechnung(QLineEdit* quelle);
  void EuroFelderLeeren();
};
