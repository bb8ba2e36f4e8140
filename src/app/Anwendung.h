#pragma once
// The application object: title, help file, translations and the general
// error handler. FensterErzeugen() creates the program's four windows.
#include <QApplication>
#include <QString>
#include <memory>

#include "base/Fehlerbehandlung.h"
#include "base/Version.h"

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

  QString Title() const { return QString::fromLatin1(Programmname); }
  QString HelpFile() const { return QStringLiteral("Kalvora.hlp"); }

  // The general error handler (base/Fehlerbehandlung.h).
  static void FehlerZeigen(const QString& text) { ::FehlerZeigen(text); }
  static QString MitPunkt(const QString& text) { return ::MitPunkt(text); }

  bool notify(QObject* empfaenger, QEvent* ereignis) override;

 private:
  // The windows the globals point to; the preview belongs to the main window.
  std::unique_ptr<TfmStart> FStart;
  std::unique_ptr<TfmEinstellungen> FEinstellungen;
  std::unique_ptr<TfmFormel> FFormel;
};
