#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "base/Version.h"

static const char* const KeineAnzeige =
    "Kalvora: Keine grafische Anzeige erreichbar (DISPLAY oder QT_QPA_PLATFORM prüfen).\n"
    "Kalvora: No graphical display available (check DISPLAY or QT_QPA_PLATFORM).\n";

// %s: the program's name and version.
static const char* const Hilfe =
    "Aufruf: kalvora [OPTION]\n"
    "%s, Finanzrechner für Zinsen, Darlehen, Mehrwertsteuer, Aktien und Euro.\n"
    "Ohne Option öffnet Kalvora sein Hauptfenster.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help     diese Hilfe zeigen und beenden\n"
    "  -v, --version  die Versionsnummer zeigen und beenden\n"
    "  Die allgemeinen Optionen von Qt (etwa -platform NAME, -style STIL,\n"
    "  -reverse) werden an Qt weitergereicht.\n"
    "\n"
    "Dateien:\n"
    "  ~/.config/Merovin/Tesselo.conf  die gespeicherten Einstellungen\n"
    "                                  (unter $XDG_CONFIG_HOME, wenn gesetzt)\n"
    "\n"
    "Umgebung:\n"
    "  QT_QPA_PLATFORM  die Anzeige-Schnittstelle von Qt (xcb, wayland, offscreen)\n"
    "\n"
    "Mehr dazu: man kalvora\n";

// Options the application object takes off the command line itself; here
// they must neither count as unknown nor lose their values.
static const char* const QtOptionenMitWert[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "geometry", "qwindowtitle",
    "title",    "qwindowicon",        "icon",          "session", "display",         "name",     "visual",
    "style",    "stylesheet"};
static const char* const QtSchalter[] = {"reverse", "sync", "nograb", "dograb", "widgetcount", "testability"};

// Reads the command line before anything needs a display, so that --help and
// --version work on a plain console. Gives the exit status when the program
// ends here; sets `anzeige` when a Qt option names a display.
static std::optional<int> Befehlszeile(int argc, char** argv, bool& anzeige) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOption(hilfe);
  parser.addOption(version);
  for (const char* name : QtOptionenMitWert)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("wert")));
  for (const char* name : QtSchalter) parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

  QStringList argumente;
  for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);

  auto fehler = [](const QString& text) {
    std::fprintf(stderr, "kalvora: %s (Hilfe: kalvora --help)\n", qPrintable(text));
    return 2;
  };
  if (!parser.parse(argumente)) {
    if (parser.unknownOptionNames().isEmpty()) return fehler(QStringLiteral("fehlerhafte Option"));
    // The parser names the option without its dashes; quote it as typed.
    const QString name = parser.unknownOptionNames().constFirst();
    QString getippt = name;
    for (const QString& a : argumente.mid(1)) {
      const QString ohneWert = a.section(QLatin1Char('='), 0, 0);
      if (ohneWert == QLatin1Char('-') + name || ohneWert == QLatin1String("--") + name) {
        getippt = ohneWert;
        break;
      }
    }
    return fehler(QStringLiteral("unbekannte Option „%1“").arg(getippt));
  }
  if (!parser.positionalArguments().isEmpty())
    return fehler(QStringLiteral("unerwartetes Argument „%1“").arg(parser.positionalArguments().constFirst()));
  if (parser.isSet(hilfe)) {
    std::printf(Hilfe, ProgrammnameMitVersion);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("%s\n", ProgrammnameMitVersion);
    return 0;
  }
  anzeige = parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
  return std::nullopt;
}

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
  bool anzeigeOption = false;
  if (const auto ende = Befehlszeile(argc, argv, anzeigeOption)) return *ende;
  if (!anzeigeOption && !AnzeigeAngegeben()) {
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
