#include "app/Anwendung.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Barrierefreiheit.h"
#include "app/Startfenster.h"
#include "base/Aufgeschoben.h"
#include "bilder/Bilder.h"
#include "calc/OrvMath.h"
#include "formula/uFormel.h"
#include "report/uDruck.h"
#include "settings/uEinstellungen.h"

TfmStart* fmStart = nullptr;
TfmEinstellungen* fmEinstellungen = nullptr;
TfmFormel* fmFormel = nullptr;
TfrmDruckVorschau* frmDruckVorschau = nullptr;

TAnwendung::TAnwendung(int& argc, char** argv) : QApplication(argc, argv) {
  // Resources of a static library are not registered unless asked for.
  Q_INIT_RESOURCE(kalvora);
  setApplicationName(Title());
  // No display name: the platform would append it to every window title,
  // and the titles are exactly the windows' captions.
  setApplicationVersion(QString::fromLatin1(Programmversion));
  setOrganizationName(QStringLiteral("Merovin"));
  setWindowIcon(Symbol(QStringLiteral("kalvora")));
  // Lets the desktop match the windows to the installed launcher and its icon.
  setDesktopFileName(QStringLiteral(KALVORA_APP_ID));
  // Before any window: an accessible object, once made, stays as it is.
  ZugriffsobjekteEinrichten();

  // Qt's own dialogs speak German when the translations are installed.
  auto* qt = new QTranslator(this);
  if (qt->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(qt);
}

TAnwendung::~TAnwendung() { FensterZerstoeren(); }

void TAnwendung::FensterErzeugen() {
  // The program speaks German and its help, defaults and rates are written
  // that way: the system's separators only when the user asked for them.
  SetzeZahlenformat(SystemzahlenformatGewaehlt() ? Zahlenformat::AusLocale(QLocale()) : Zahlenformat::Deutsch());
  FStart = std::make_unique<TfmStart>();
  fmStart = FStart.get();
  FEinstellungen = std::make_unique<TfmEinstellungen>();
  fmEinstellungen = FEinstellungen.get();
  FFormel = std::make_unique<TfmFormel>();
  fmFormel = FFormel.get();
  frmDruckVorschau = new TfrmDruckVorschau(fmStart);
  for (QWidget* dialog : std::initializer_list<QWidget*>{fmEinstellungen, fmFormel}) PolierenBeimZeigen(dialog);
  connect(fmEinstellungen, &TfmEinstellungen::Uebernommen, fmStart, &TfmStart::ApplySettings);
  BarrierefreiheitHerstellen();
}

void TAnwendung::FensterZerstoeren() {
  FFormel.reset();
  fmFormel = nullptr;
  FEinstellungen.reset();
  fmEinstellungen = nullptr;
  FStart.reset();  // with the preview in it
  fmStart = nullptr;
  frmDruckVorschau = nullptr;
}

bool TAnwendung::notify(QObject* empfaenger, QEvent* ereignis) {
  // Last line of defence: no error may leave an event handler uncaught.
  try {
    return QApplication::notify(empfaenger, ereignis);
  } catch (const std::exception& e) {
    FehlerZeigen(QString::fromUtf8(e.what()));
  }
  return false;
}
