#pragma once
// The application object: title, help file, translations and the general
// error handler. FensterErzeugen() creates the program's four windows.
#include <QApplication>
#include <QString>
#include <exception>
#include <utility>

class TfmStart;
class TfmEinstellungen;
class TfmFormel;
class TfrmDruckVorschau;

// The program's windows; they live from FensterErzeugen() to the end.
extern TfmStart* fmStart;
extern TfmEinstellungen* fmEinstellungen;
extern TfmFormel* fmFormel;
extern TfrmDruckVorschau* frmDruckVorschau;

class TAnwendung : public QApplication {
  Q_OBJECT
 public:
  TAnwendung(int& argc, char** argv);
  ~TAnwendung() override;

  // Creates fmStart, fmEinstellungen, fmFormel and frmDruckVorschau, in this order, hidden.
  void FensterErzeugen();
  // Destroys the windows again (the end of the program, or a test).
  void FensterZerstoeren();

  QString Title() const { return QStringLiteral("Kalvora"); }
  QString HelpFile() const { return QStringLiteral("Kalvora.hlp"); }

  // The general error handler: a stop box with the program title and the
  // error text, a full stop appended by the usual rule.
  static void FehlerZeigen(const QString& text);
  static QString MitPunkt(const QString& text);

  bool notify(QObject* empfaenger, QEvent* ereignis) override;
};

// Runs an event handler; any error it raises ends in the general error handler.
template <class F>
void Fehlerbehandelt(F&& handler) {
  try {
    std::forward<F>(handler)();
  } catch (const std::exception& e) {
    TAnwendung::FehlerZeigen(QString::fromUtf8(e.what()));
  }
}
