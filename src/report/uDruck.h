#pragma once
// The print preview: a borderless panel over the main window's client area
// (the menu stays usable) that owns the program's one page printer. The
// report writes into it with DruckeErgebnis; the user zooms, sets up the
// printer and prints from here.
#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class TPagePrinter;
class TPrinterBackend;
struct TPlanDokument;
struct TVergleichDokument;
namespace Ui {
class TfrmDruckVorschau;
}

class TfrmDruckVorschau : public QWidget {
  Q_OBJECT
 public:
  // parent: the main window, over whose client area the preview lies.
  explicit TfrmDruckVorschau(QWidget* parent);
  ~TfrmDruckVorschau() override;

  TPagePrinter* PgprntrVorschau() const;

  // Writes the one-page report into the page printer and leaves it finished.
  void DruckeErgebnis(const QString& Titeltext, const QString& Gesuchttext, const QString& Vorgabentext,
                      const QString& Fragetext, const QString& Ergebnistext);
  // Writes a payment plan, several pages, into the page printer and leaves it finished.
  void DruckeZahlungsplan(const TPlanDokument& plan);
  // Shows the preview over the main window's pages with the page fitted to
  // its width, and brings the main window, in which it lies, to the front.
  void Vorzeigen(QWidget* hauptfenster);
  // Writes a comparison of loan offers into the page printer and leaves it finished.
  void DruckeVergleich(const TVergleichDokument& vergleich);

  void SpeedButton17Click();
  void SpeedButton18Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void BitBtn1Click();
  void bitbtnAbbruchClick();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;
  void showEvent(QShowEvent* ereignis) override;
  void hideEvent(QHideEvent* ereignis) override;

 private:
  void FormCreate();
  void FormResize();
  // The main window's area below its menu that the preview covers.
  void AnClientflaecheAnpassen();
  // Asks for the PDF file of the report; empty when the user declined.
  QString PdfDateiErfragen();
  static void Information(QWidget* eltern, const QString& text);
  // The print system; null after a box has said why there is none.
  TPrinterBackend* Druckwerk();

  std::unique_ptr<Ui::TfrmDruckVorschau> ui;
  QString FTitel;                      // title of the report on display
  QString FVorgemerkt;                 // PDF file chosen in the printer setup, for the next print
  QString FOrdner;                     // folder of the file the user chose last
  QPointer<QWidget> FFokus;            // where the keyboard was before the preview showed
  QList<QPointer<QWidget>> FVerdeckt;  // what the preview put out of sight
};
