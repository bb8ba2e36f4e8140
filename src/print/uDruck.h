#pragma once
// The print preview: a borderless panel over the main window's client area
// (the menu stays usable) that owns the program's one page printer. The
// report writes into it with DruckeErgebnis; the user zooms, sets up the
// printer and prints from here.
#include <QWidget>
#include <memory>

class TPagePrinter;
struct TPlanDokument;
namespace Ui {
class TfrmDruckVorschau;
}

class TfrmDruckVorschau : public QWidget {
  Q_OBJECT
 public:
  // parent: the main window, over whose client area the preview lies.
  explicit TfrmDruckVorschau(QWidget* parent);
  ~TfrmDruckVorschau() override;

  std::unique_ptr<Ui::TfrmDruckVorschau> ui;
  TPagePrinter* PgprntrVorschau() const;

  // Writes the one-page report into the page printer and leaves it finished.
  void DruckeErgebnis(const QString& Titeltext, const QString& Gesuchttext, const QString& Vorgabentext,
                      const QString& Fragetext, const QString& Ergebnistext);
  // Writes a payment plan, several pages, into the page printer and leaves it finished.
  void DruckeZahlungsplan(const TPlanDokument& plan);

  void SpeedButton17Click();
  void SpeedButton18Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void BitBtn1Click();
  void bitbtnAbbruchClick();

  // Default file of the report when there is no printer and none was chosen.
  static QString StandardPdfDatei();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  void FormCreate();
  void FormResize();
  // The main window's area below its menu that the preview covers.
  void AnClientflaecheAnpassen();
  // Without an installed printer the report goes into a PDF file; false when
  // the user chose none. neuGewaehlt: the file was chosen just now.
  bool PdfZielWaehlen(bool& neuGewaehlt);
  static void Information(QWidget* eltern, const QString& text);
};
