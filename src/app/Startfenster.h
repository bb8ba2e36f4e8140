#pragma once
// The main window. Its controls live in the Designer form (named as the
// program's vocabulary names them; tests find them by those names); its
// behaviour is split by concern over Startfenster*.cpp.
//
// How a keystroke becomes a result and a report:
//   key in a field  -> textChanged -> FrageUpdate (question sentence, _Gesucht.cpp)
//   field left      -> event filter -> DMFormat/ZinsFormat/IntFormat (_Felder.cpp)
//   "Rechnen"       -> RechnenSchalterClick -> Berechne_<page> -> one case of the
//                      page's table run by Rechnen (_Rechnen.cpp): mandatory fields,
//                      red, read, compute, write, pause, aqua
//   "Drucken"       -> btbtnDruckClick (_Druck.cpp) -> preview window and report
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class QComboBox;
class QColor;
class QLabel;
class QLineEdit;
class TZahlfelder;

namespace Ui {
class TfmStart;
}

class TfmStart : public QMainWindow {
  Q_OBJECT
 public:
  explicit TfmStart(QWidget* parent = nullptr);
  ~TfmStart() override;

  // Exit rules of the number fields.
  void DMFormat(QLineEdit* feld);
  void ZinsFormat(QLineEdit* feld);
  void IntFormat(QLineEdit* feld);

  // True when every field has a text; otherwise beep, the missing-field box, false.
  bool Pflichtfeldpruefung(const QList<QLineEdit*>& felder);

  // Rebuilds the question sentence of the active page.
  void FrageUpdate();
  // Shows the settings' currency symbol and refreshes the question.
  void ApplySettings();
  // The seventeen unit labels that show the currency symbol.
  QList<QLabel*> Waehrungslabels() const;

  // Buttons and menu.
  void RechnenSchalterClick();
  void FormelSchalterClick();
  void btbtnDruckClick();
  void PageControl1Change();
  void Info1Click();
  void Hilfe1Click();
  void Hilfe2Click();
  void Beenden1Click();
  void Einstellungen1Click();
  void HilfeSchalterClick();
  void SpeedButton1Click();
  void Label97Click();
  void Label98Click();

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

  // Field states: input (white), result (aqua) and greyed.
  static void EingabeFrei(QLineEdit* feld);
  static void ErgebnisFeld(QLineEdit* feld);
  static void FeldGesperrt(QLineEdit* feld);
  // A field's state colour: its base colour in every colour group.
  static void Feldfarbe(QLineEdit* feld, const QColor& farbe);

  // Sought-quantity lists.
  void Gesucht1Change();
  void ZiZiE_GesuchtChange();
  void ZiZiR_GesuchtChange();
  void BW_GesuchtChange();
  void AnnD_GesuchtChange();
  void MWST_GesuchtChange();

  // Enter moves on like Tab; returns true when the key was swallowed.
  bool EnterCheck(QWidget* feld, int taste);

  // Help context of the help button for the active page, and of a field for F1.
  int HilfeKontext() const;
  int FeldHilfeKontext(const QWidget* feld) const;

  // Key of the active page ("eZi" ... "Euro"), empty on the Info page.
  QString SeitenKey() const;

  // The pause that lets the result show in red. Benchmarks set it to 0; the
  // program never changes it.
  static int ErgebnisPauseMs;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void FormCreate();
  void Verbinden();
  void TastenEinrichten();
  // Page keys: the next (1) or previous (-1) page, round the end.
  void SeiteWechseln(int schritt);
  // F6: the focus to the page's next result field.
  void ErgebnisfeldAnsteuern();
  // Every field that shows a computed value is wide enough for the longest
  // text the program writes there without an exponent.
  void ErgebnisbreitenSetzen();
  void FelderEinrichten();
  void FormPaint(QWidget* flaeche);

  std::unique_ptr<Ui::TfmStart> ui;
  TZahlfelder* FZahlfelder;
  QList<QLineEdit*> euroFelder;
};
