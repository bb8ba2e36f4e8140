#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "Anwendung.h"
#include "Startfenster.h"

static const char* const KeineAnzeige =
    "Kalvora: Keine grafische Anzeige erreichbar (DISPLAY oder QT_QPA_PLATFORM prüfen).\n"
    "Kalvora: No graphical display available (check DISPLAY or QT_QPA_PLATFORM).\n";

// Without a display Qt aborts with a core dump; a user who started the
// program from a plain console deserves a sentence and an exit status.
static bool AnzeigeAngegeben() {
  auto gesetzt = [](const char* name) {
    const char* wert = std::getenv(name);
    return wert && *wert;
  };
  return gesetzt("QT_QPA_PLATFORM") || gesetzt("DISPLAY") || gesetzt("WAYLAND_DISPLAY");
}

// A display that is named but cannot be opened ends in qFatal inside the
// application's constructor; turn that one abort into a clean exit.
static QtMessageHandler QtMeldungen = nullptr;
static void StartMeldung(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
  if (QtMeldungen) QtMeldungen(art, ort, text);
  if (art == QtFatalMsg) {
    std::fputs(KeineAnzeige, stderr);
    std::_Exit(1);
  }
}

int main(int argc, char** argv) {
  if (!AnzeigeAngegeben()) {
    std::fputs(KeineAnzeige, stderr);
    return 1;
  }
  QtMeldungen = qInstallMessageHandler(StartMeldung);
  TAnwendung anwendung(argc, argv);
  qInstallMessageHandler(QtMeldungen);
  anwendung.FensterErzeugen();
  fmStart->show();
  return anwendung.exec();
}
