#pragma once
// The main window. Its frame (page control, buttons, menu) is a Designer
// form; every page is described by its record (pages/Seiten.h): the
// calculation pages are built from theirs, Info, shares and euro have forms
// of their own. Widgets carry the names of the program's vocabulary; tests
// find them by those names. The behaviour is split by concern over
// Startfenster*.cpp and works on the records in loops.
//
// How a keystroke becomes a result and a report:
//   key in a field  -> textChanged -> FrageUpdate: the page's question template
//                      filled with the field texts (FrageText, _Gesucht.cpp)
//   field left      -> the field's exit rule DMFormat/ZinsFormat/IntFormat
//                      (base/Zahlfeld.h, installed in _Felder.cpp)
//   "Rechnen"       -> RechnenSchalterClick -> Berechne: the case of the sought
//                      quantity, run on the field texts by Rechnen (pages/Seite.h);
//                      the window checks the mandatory fields, marks red, writes,
//                      pauses, marks aqua (_Rechnen.cpp)
//   "Drucken"       -> btbtnDruckClick: computes a stale result first, then the page's texts -> BerichtTexte with the
//                      record's report layout -> preview window (_Druck.cpp)
//   "Zahlungsplan"  -> ZahlungsplanSchalterClick: computes first when the result
//                      is empty, then the page's texts -> the plan window (_Druck.cpp)
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "pages/Seiten.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TZahlfelder;
struct TPlanSeite;
class TfmFinanzierung;
class TfmZahlungsplan;

namespace Ui {
class TfmStart;
class TInfoseite;
class TAktseite;
class TEuroseite;
}  // namespace Ui

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
  // Every field's accessible name with its unit, the currency as shown.
  void Feldnamen();
  // The unit labels that show the currency symbol.
  QList<QLabel*> Waehrungslabels() const;

  // Buttons and menu.
  void RechnenSchalterClick();
  void FormelSchalterClick();
  void btbtnDruckClick();
  void ZahlungsplanSchalterClick();
  void PageControl1Change();
  void Info1Click();
  void Hilfe1Click();
  void Hilfe2Click();
  void Beenden1Click();
  void Einstellungen1Click();
  void FinanzierungAktionClick();
  void HilfeSchalterClick();
  void SpeedButton1Click();
  void Label97Click();
  void Label98Click();

  // Calculations, one per page.
  void Berechne_eZi() { Berechne(Seiten::Index(u"eZi")); }
  void Berechne_ZiZiE() { Berechne(Seiten::Index(u"ZiZiE")); }
  void Berechne_ZiZiR() { Berechne(Seiten::Index(u"ZiZiR")); }
  void Berechne_BW() { Berechne(Seiten::Index(u"BW")); }
  void Berechne_AnnD() { Berechne(Seiten::Index(u"AnnD")); }
  void Berechne_MWST() { Berechne(Seiten::Index(u"MWST")); }
  void Berechne_Akt();

  // Share and euro pages.
  void Akt_GesuchtChange();
  void EuroBerechnung(QLineEdit* quelle);
  void EuroFelderLeeren();

  // Field states: input (white), result (aqua) and greyed; their colours
  // are those of base/Feldfarben.h.
  static void EingabeFrei(QLineEdit* feld);
  static void ErgebnisFeld(QLineEdit* feld);
  static void FeldGesperrt(QLineEdit* feld);

  // Sought-quantity lists.
  void Gesucht1Change() { GesuchtChange(Seiten::Index(u"eZi")); }
  void ZiZiE_GesuchtChange() { GesuchtChange(Seiten::Index(u"ZiZiE")); }
  void ZiZiR_GesuchtChange() { GesuchtChange(Seiten::Index(u"ZiZiR")); }
  void BW_GesuchtChange() { GesuchtChange(Seiten::Index(u"BW")); }
  void AnnD_GesuchtChange() { GesuchtChange(Seiten::Index(u"AnnD")); }
  void MWST_GesuchtChange() { GesuchtChange(Seiten::Index(u"MWST")); }

  // Enter moves on like Tab; returns true when the key was swallowed.
  bool EnterCheck(QWidget* feld, int taste);

  // Help context of the help button for the active page, and of a field for F1.
  int HilfeKontext() const;
  int FeldHilfeKontext(const QWidget* feld) const;

  // Sizes and places the window within `frei`, the screen's free area. Where
  // not even the smallest window fits, the pages and buttons scroll instead
  // of being cut off.
  void FensterEinpassen(const QRect& frei);

  // Key of the active page ("eZi" ... "Euro"), empty on the Info page.
  QString SeitenKey() const;
  // The plan window and the comparison, created on first use and wired to
  // hand loans to each other; the comparison is shown.
  TfmZahlungsplan* Planfenster();
  TfmFinanzierung* VergleichZeigen();

  // The pause that lets the result show in red. Benchmarks set it to 0; the
  // program never changes it.
  static int ErgebnisPauseMs;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  // The widgets of a page, looked up once by the names of its record.
  struct TBlatt {
    const TSeite* Seite;
    QWidget* Widget;
    QComboBox* Gesucht = nullptr;    // the sought-quantity list, if any
    QLabel* Frage = nullptr;         // the question label, if any
    std::vector<QWidget*> Felder{};  // by field index: a line edit or a list
    QList<QLabel*> Waehrung{};       // unit labels that show the currency symbol
    // The page's routines, chosen with its form where the page is made: a
    // calculation page runs its record's cases, the share and euro pages
    // their own. Without Rechnen the button is off.
    std::function<void()> Einrichten{}, Rechnen{}, GesuchtGeaendert{};

    QLineEdit* Zeile(int feld) const;
    // The field's text; a list's selected item.
    QString Text(int feld) const;
    QList<QLineEdit*> Zeilen(const std::vector<int>& felder) const;
    // Every field that takes text.
    QList<QLineEdit*> Eingabefelder() const;
    // Their texts by the fields' names.
    QHash<QString, QString> Feldtexte() const;
    // The item chosen in the payment frequency list; -1 when the page has none.
    int ZahlungsweiseIndex() const;
    // The sought index and every field's text: what a result belongs to.
    QStringList Stand() const;
    // A result is shown that the page's present inputs did not give.
    bool Veraltet() const;

    QStringList Gerechnet{};  // the state its result was last computed from
  };

  void SeitenAnlegen();
  // A calculation page as at start: empty fields, its start question, the first frequency.
  void SeiteLeeren(int seite);
  void FormCreate();
  void Verbinden();
  void TastenEinrichten();
  // The sought quantity's field states and question on a calculation page.
  void GesuchtChange(int seite);
  // Runs the case of the page's sought quantity.
  void Berechne(int seite);
  // Computes the active page as "Rechnen" does when its result no longer
  // belongs to its inputs; false when it still does not (the user was told).
  bool Nachgerechnet();
  // An open plan of the page shows its present result.
  void PlanNachfuehren();
  // The active page's texts as the plan reads them.
  TPlanSeite PlanSeite() const;
  // Page keys: the next (1) or previous (-1) page, round the end.
  void SeiteWechseln(int schritt);
  // F6: the focus to the page's next result field.
  void ErgebnisfeldAnsteuern();
  // Every field that shows a computed value is wide enough for the longest
  // text the program writes there without an exponent.
  void ErgebnisbreitenSetzen();
  // At least wide enough for `textbreite` pixels of text.
  static void Ergebnisbreite(QLineEdit* feld, int textbreite);
  void FelderEinrichten();
  void FormPaint(QWidget* flaeche);
  // Start of the share page.
  void AktEinrichten();
  const TBlatt& Aktiv() const;

  std::unique_ptr<Ui::TfmStart> ui;
  std::unique_ptr<Ui::TInfoseite> info;
  std::unique_ptr<Ui::TAktseite> akt;
  std::unique_ptr<Ui::TEuroseite> euro;
  std::vector<TBlatt> FBlaetter;  // in tab order
  TZahlfelder* FZahlfelder;
  QList<QLineEdit*> euroFelder;
};
