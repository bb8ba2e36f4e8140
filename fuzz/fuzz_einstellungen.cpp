// Random bytes as the settings store, then the start-up read and a save as
// the dialog makes it: the read may report a failure, but never crashes or
// hangs, and the save always leaves a store that reads back the same texts and
// switches without a message, the unreadable one kept beside it.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings/uEinstellungen.h"

namespace {

struct Umgebung {
  Umgebung() {
    static int argc = 1;
    static char name[] = "fuzz_einstellungen";
    static char* argv[] = {name, nullptr};
    app = new QCoreApplication(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
    QDir().mkpath(ordner.path() + QStringLiteral("/Merovin"));
    datei = ordner.path() + QStringLiteral("/Merovin/Tesselo.conf");
    SetzeLesefehlerMeldung([this] { gemeldet = true; });
  }
  QCoreApplication* app = nullptr;
  QTemporaryDir ordner;
  QString datei;
  bool gemeldet = false;
};

void Pruefen(bool bedingung) {
  if (!bedingung) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  static Umgebung u;
  {
    QFile f(u.datei);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(daten), qint64(groesse));
  }
  QFile::remove(u.datei + QStringLiteral(".defekt"));
  Einstellungswerte = {};
  u.gemeldet = false;
  LoadSettings();
  const bool fehler = u.gemeldet;

  const TEinstellungswerte gelesen = Einstellungswerte;
  Pruefen(SaveSettings());
  Pruefen(QFile::exists(u.datei + QStringLiteral(".defekt")) == fehler);
  Einstellungswerte = {};
  u.gemeldet = false;
  LoadSettings();
  Pruefen(!u.gemeldet);
  for (const auto& e : Einstellungen) Pruefen(Einstellungswerte.*e.Wert == gelesen.*e.Wert);
  for (const auto& s : Schalter) Pruefen(Einstellungswerte.*s.Wert == gelesen.*s.Wert);
  return 0;
}
