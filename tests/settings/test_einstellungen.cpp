// Settings: the store, the dialog and what the main window shows of them.
#include <sys/resource.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <chrono>
#include <csignal>
#include <filesystem>

#include "app/Startfenster.h"
#include "common/Einstellungshelfer.h"

namespace {

using Speicher = MitEigenemSpeicher;

// What is on disk, parsed afresh (QSettings caches what it parsed before).
QMap<QString, QVariant> Gespeichert(const QString& datei) {
  QTemporaryDir kopie;
  QFile::copy(datei, kopie.filePath("Kopie.conf"));
  QSettings s(kopie.filePath("Kopie.conf"), QSettings::IniFormat);
  QMap<QString, QVariant> werte;
  for (const QString& k : s.allKeys()) werte[k] = s.value(k);
  return werte;
}

QStringList Texte(const TEinstellungswerte& w) {
  QStringList t;
  for (const auto& e : Einstellungen) t << w.*e.Wert;
  return t;
}

void WaehrungUeberall(const QString& zeichen) {
  for (QLabel* l : fmStart->Waehrungslabels()) EXPECT_EQ(l->text(), zeichen) << l->objectName().toStdString();
}

TEST_F(Speicher, OhneSpeicherGeltenDieVorgabenUndNichtsEntsteht) {
  TDialogBeantworter boxen;
  Starten();
  EXPECT_EQ(Texte(Einstellungswerte), Texte(Vorgabewerte()));
  WaehrungUeberall("DM");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Ordner.path() + "/Merovin"));
}

// Stores as a user's hand or a broken disk leaves them: what the start reads
// from each, and that confirming the dialog then leaves a readable store with
// the new texts (as strings, whatever characters the store format treats
// specially), a broken one kept beside it, the file mode, the link and no stale drafts.
TEST_F(Speicher, JederSpeicherWirdGelesenUndErsetzt) {
  enum TArt { Datei, Verknuepfung, Entwuerfe };
  // clang-format off
  const QByteArray gut = "[General]\nWaehrungszeichen=ATS\nMindestgebuehr=\"1,00\"\nGrundgebuehr=\"2,00\"\n"
                         "Gebuehr=\"0,300\"\nMaklergebuehr=\"0,040\"\n";
  const QStringList vorher{"a", "b", "c", "d", "e"}, vorgaben = Texte(Vorgabewerte());
  const struct {
    const char* Name;
    QByteArray Inhalt;
    TArt Art;
    bool Meldung;  // the read failure; the store is kept as .defekt when it is replaced
    QStringList Gelesen;
  } faelle[] = {
      {"Müll", QByteArray("\0\xff\xfe[[[=\n=\n\\x=\"", 14), Datei, true, vorgaben},
      {"keiner der Werte", "[General]\nAnderes=1\n", Datei, true, vorgaben},
      {"zu groß", "[General]\nWaehrungszeichen=" + QByteArray(1100000, 'x') + "\n", Datei, true, vorgaben},
      // Read up to the failing value, the rest untouched.
      {"langer Wert", "[General]\nWaehrungszeichen=EUR\nMindestgebuehr=" + QByteArray(1001, '1') + "\n", Datei, true,
       {"EUR", "b", "c", "d", "e"}},
      {"falscher Typ", "[General]\nWaehrungszeichen=EUR\nMindestgebuehr=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n", Datei,
       true, {"EUR", "b", "c", "d", "e"}},
      // A missing value reads as empty.
      {"fehlende Werte", "[General]\nWaehrungszeichen=EUR\nGebuehr=\"1,5\"\n", Datei, false,
       {"EUR", "", "", "1,5", ""}},
      {"Dezimalzahl ohne Anführungszeichen",
       "[General]\nWaehrungszeichen=EUR\nMindestgebuehr=1,00\nGrundgebuehr=1, 2 ,3\n"
       "Gebuehr=\"0,450 \"\nMaklergebuehr=0,08\n",
       Datei, false, {"EUR", "1,00", "1, 2 ,3", "0,450 ", "0,08"}},
      // Lines the reader passes over must not keep the store from being replaced.
      {"Zeilen ohne Wert", "[General]\nWaehrungszeichen=DM\nKein Wert\nAnderes=1\n", Datei, false,
       {"DM", "", "", "", ""}},
      {"Verknüpfung", gut, Verknuepfung, false, {"ATS", "1,00", "2,00", "0,300", "0,040"}},
      {"verwaiste Entwürfe", gut, Entwuerfe, false, {"ATS", "1,00", "2,00", "0,300", "0,040"}},
  };
  // clang-format on
  const TEinstellungswerte neu{"€ @x", "1.234,50 ", "=;,\"\\", "", "@Variant(\\0\\0)"};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    QTemporaryDir ordner;
    const QString merovin = ordner.path() + "/Merovin", datei = merovin + "/Tesselo.conf";
    SpeicherIn(ordner.path(), &f.Inhalt);
    const QString echt = f.Art == Verknuepfung ? ordner.path() + "/anderswo/Tesselo.conf" : datei;
    ASSERT_TRUE(f.Art != Verknuepfung || (QDir().mkpath(ordner.path() + "/anderswo") && QFile::rename(datei, echt) &&
                                          QFile::link("../anderswo/Tesselo.conf", datei)));
    if (f.Art == Entwuerfe) {
      for (const char* name : {"/.Tesselo-alt123", "/.Tesselo-neu123"}) {
        ASSERT_TRUE(QDir().mkpath(merovin + name));
        QFile sperre(merovin + name + "/Entwurf.conf.lock");
        ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
      }
      const std::string alt = QFile::encodeName(merovin + "/.Tesselo-alt123").toStdString();
      std::filesystem::last_write_time(alt, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    ASSERT_TRUE(QFile::setPermissions(echt, QFile::ReadOwner | QFile::WriteOwner));
    const auto rechte = QFile::permissions(echt);

    for (int i = 0; i < 5; ++i) Einstellungswerte.*Einstellungen[i].Wert = vorher[i];
    TDialogBeantworter boxen;
    LoadSettings();
    ASSERT_EQ(boxen.Boxen.size(), f.Meldung ? 1 : 0);
    for (const auto& b : boxen.Boxen)
      EXPECT_EQ(b.Text, "Fehler beim Lesen der Einstellungen!!\rMöglicherweise werden falsche Vorgabewerte verwendet!");
    EXPECT_EQ(Texte(Einstellungswerte), f.Gelesen);

    Einstellungswerte = neu;
    ASSERT_TRUE(SaveSettings());
    const auto gespeichert = Gespeichert(echt);
    for (const auto& e : Einstellungen) EXPECT_EQ(gespeichert.value(e.Name), QVariant(neu.*e.Wert)) << e.Name;
    EXPECT_EQ(QFileInfo(datei).isSymLink(), f.Art == Verknuepfung);
    EXPECT_EQ(QFile::permissions(echt), rechte);
    QFile defekt(echt + ".defekt");
    EXPECT_EQ(defekt.open(QIODevice::ReadOnly) && defekt.readAll() == f.Inhalt, f.Meldung);
    QStringList bleibt{"Tesselo.conf"};
    if (f.Meldung) bleibt << "Tesselo.conf.defekt";
    if (f.Art == Entwuerfe) bleibt.prepend(".Tesselo-neu123");  // may belong to a save still running
    EXPECT_EQ(QDir(QFileInfo(echt).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), bleibt);
    boxen.Boxen.clear();
    Einstellungswerte = {};
    LoadSettings();
    EXPECT_EQ(Texte(Einstellungswerte), Texte(neu));
    EXPECT_TRUE(boxen.Boxen.isEmpty());
  }
  // A folder where the file should be is read as defaults and never replaced.
  QTemporaryDir ordner;
  SpeicherIn(ordner.path());
  QDir().mkpath(ordner.path() + "/Merovin/Tesselo.conf");
  TDialogBeantworter boxen;
  LoadSettings();
  EXPECT_EQ(Texte(Einstellungswerte), Texte(Vorgabewerte()));
  EXPECT_FALSE(SaveSettings());
  EXPECT_TRUE(QFileInfo(ordner.path() + "/Merovin/Tesselo.conf").isDir());
}

// The number format switch is optional: whatever else a store holds for it
// reads as off, and it never decides whether the five texts could be read.
TEST_F(Speicher, ZahlenformatSchalterIstFreiwillig) {
  const QByteArray fuenf =
      "[General]\nWaehrungszeichen=EUR\nMindestgebuehr=1\nGrundgebuehr=2\nGebuehr=3\nMaklergebuehr=4\n";
  // clang-format off
  const struct { QByteArray Inhalt; bool An, Meldung; } faelle[] = {
      {fuenf, false, false}, {fuenf + "Systemzahlenformat=true\n", true, false},
      {fuenf + "Systemzahlenformat=false\n", false, false}, {fuenf + "Systemzahlenformat=ja\n", false, false},
      {fuenf + "Systemzahlenformat=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)\n", false, false},
      {"[General]\nSystemzahlenformat=true\n", false, true},  // none of the five: nothing is trusted
      {"[General]\nWaehrungszeichen=EUR\nMindestgebuehr=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
       "Systemzahlenformat=true\n", true, true},
  };
  // clang-format on
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Inhalt.toStdString());
    QTemporaryDir ordner;
    SpeicherIn(ordner.path(), &f.Inhalt);
    TDialogBeantworter boxen;
    Einstellungswerte = {};
    LoadSettings();
    EXPECT_EQ(boxen.Boxen.size(), f.Meldung ? 1 : 0);
    EXPECT_EQ(Einstellungswerte.Systemzahlenformat, f.An);
    EXPECT_EQ(SystemzahlenformatGewaehlt(), f.An);
  }
}

TEST_F(Speicher, SpeichernIstAtomarUndWartetNichtAufFremdeSperren) {
  const QByteArray alt = "[General]\nWaehrungszeichen=ATS\n";
  SpeicherIn(Ordner.path(), &alt);
  Einstellungswerte = {QString(1000, 'x'), "1", "2", "3", "4"};
  TDialogBeantworter boxen;
  // A write that breaks off half-way (the file size limit holds for every user, unlike permissions).
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit vorher{};
  getrlimit(RLIMIT_FSIZE, &vorher);
  const rlimit eng{100, vorher.rlim_max};
  setrlimit(RLIMIT_FSIZE, &eng);
  SaveSettings();
  setrlimit(RLIMIT_FSIZE, &vorher);
  EXPECT_EQ(Gespeichert(Datei()).value("Waehrungszeichen"), "ATS");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
  // Nothing of the attempt is left behind, and the next attempt with room to write succeeds.
  EXPECT_EQ(QDir(Ordner.path() + "/Merovin").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"Tesselo.conf"});
  SaveSettings();
  EXPECT_EQ(Gespeichert(Datei()).value("Waehrungszeichen"), QString(1000, 'x'));
  // Another program's lock does not hold the save up.
  ASSERT_TRUE(QDir().mkpath(Datei() + ".lock"));
  Einstellungswerte = Vorgabewerte();
  QElapsedTimer uhr;
  uhr.start();
  SaveSettings();
  EXPECT_LT(uhr.elapsed(), 10000);
  EXPECT_EQ(Gespeichert(Datei()).value("Waehrungszeichen"), "DM");
}

class Dialog : public MitEigenemSpeicher {
 protected:
  void SetUp() override {
    MitEigenemSpeicher::SetUp();
    Starten();
    dlg = fmEinstellungen;
    boxen.AndereDialogeSchliessen = false;
  }
  void Oeffnen(bool aktien = false) {
    Aktivieren(dlg);
    if (aktien) Finde<QTabWidget>(dlg, "PageControl1")->setCurrentWidget(Finde(dlg, "TabSheet2"));
  }
  QLineEdit* Feld(const char* name) { return Finde<QLineEdit>(dlg, name); }
  QPushButton* Knopf(const char* name) { return Finde<QPushButton>(dlg, name); }
  QDialog* dlg = nullptr;
  TDialogBeantworter boxen;
};

TEST_F(Dialog, ZeigtDenDatensatzUndAbbrechenAendertNichts) {
  Einstellungswerte = Vorgabewerte();
  Einstellungswerte.Mindestgebuehr = "1";
  const QStringList vorher = Texte(Einstellungswerte);
  Oeffnen(true);
  QStringList t;
  for (const char* n : {"Edit5", "Edit1", "Edit2", "Edit3", "Edit4"}) t << Feld(n)->text();
  EXPECT_EQ(t, vorher);
  Eintippen(Feld("Edit5"), "EUR");
  Eintippen(Feld("Edit2"), "99");
  QTest::keyClick(Feld("Edit2"), Qt::Key_Escape);  // Escape does not abort
  ASSERT_TRUE(dlg->isVisible());
  Knopf("BitBtn2")->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(Texte(Einstellungswerte), vorher);
  EXPECT_FALSE(QFileInfo::exists(Datei()));
  WaehrungUeberall("DM");
  Oeffnen();
  EXPECT_EQ(Feld("Edit5")->text(), "DM");
  EXPECT_EQ(Feld("Edit2")->text(), "20,00");
  Knopf("BitBtn2")->click();
}

TEST_F(Dialog, OkSpeichertZeigtDasWaehrungszeichenUndGebuehrenNachNeustart) {
  Finde<QTabWidget>(fmStart, "PageControl1")->setCurrentWidget(Finde(fmStart, "eZi_TabSheet"));
  auto* frage = Finde<QLabel>(fmStart, "eZi_FrageLabel");
  ASSERT_TRUE(frage->text().contains("DM"));
  Oeffnen(true);
  Eintippen(Feld("Edit5"), "EUR");
  Eintippen(Feld("Edit2"), "7,50");
  Knopf("BitBtn1")->click();
  WaehrungUeberall("EUR");
  EXPECT_TRUE(frage->text().contains("EUR"));
  EXPECT_FALSE(frage->text().contains("DM"));
  const auto roh = Gespeichert(Datei());
  EXPECT_EQ(roh.size(), 6);
  EXPECT_EQ(roh.value("Waehrungszeichen"), "EUR");
  EXPECT_EQ(roh.value("Systemzahlenformat"), "false");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
  // The share page takes new fees only at the next start.
  EXPECT_EQ(Finde<QLineEdit>(fmStart, "Akt_GrundGeb")->text(), "20,00");
  qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
  Einstellungswerte = {};
  Starten();
  EXPECT_EQ(Finde<QLineEdit>(fmStart, "Akt_GrundGeb")->text(), "7,50");
}

TEST_F(Dialog, TabFormatiertEnterBestaetigtUnlesbaresMeldet) {
  Oeffnen(true);
  Eintippen(Feld("Edit2"), "25");
  QTest::keyClick(Feld("Edit2"), Qt::Key_Tab);
  EXPECT_EQ(Feld("Edit2")->text(), "25,00 ");
  EXPECT_EQ(QApplication::focusWidget(), Feld("Edit3"));
  Eintippen(Feld("Edit1"), "abc");
  QTest::keyClick(Feld("Edit1"), Qt::Key_Tab);
  Warten(50);
  ASSERT_EQ(boxen.Boxen.size(), 1);
  EXPECT_EQ(boxen.Boxen[0].Text, "\"abc\" ist ein ungültiger Wert.");
  EXPECT_EQ(dlg->focusWidget(), Feld("Edit1"));
  // Enter confirms at once, keeping the texts as they stand.
  QTest::keyClick(Feld("Edit1"), Qt::Key_Return);
  EXPECT_EQ(Gespeichert(Datei()).value("Mindestgebuehr"), "abc");
}

// The system's number format is chosen in the dialog and applies from the
// next start: a text typed meanwhile is read as before.
TEST_F(Dialog, SystemzahlenformatGiltNachNeustart) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const auto zurueck = qScopeGuard([] {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SetzeZahlenformat(Zahlenformat::Deutsch());
  });
  Oeffnen();
  auto* schalter = Finde<QCheckBox>(dlg, "SystemzahlenformatBox");
  EXPECT_EQ(schalter->text(), "&Zahlenformat des Systems verwenden");
  EXPECT_FALSE(schalter->isChecked());
  schalter->click();
  Knopf("BitBtn2")->click();
  EXPECT_FALSE(Einstellungswerte.Systemzahlenformat);
  Oeffnen(true);
  EXPECT_FALSE(schalter->isChecked());
  schalter->click();
  Eintippen(Feld("Edit2"), "2,5");
  QTest::keyClick(Feld("Edit2"), Qt::Key_Tab);
  EXPECT_EQ(Feld("Edit2")->text(), "2,50 ");
  Knopf("BitBtn1")->click();
  EXPECT_TRUE(Einstellungswerte.Systemzahlenformat);
  EXPECT_EQ(Gespeichert(Datei()).value("Systemzahlenformat"), "true");
  EXPECT_EQ(AktuellesZahlenformat().Dezimaltrenner, u',');

  qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
  Einstellungswerte = {};
  Starten();
  EXPECT_EQ(AktuellesZahlenformat().Dezimaltrenner, u'.');
  EXPECT_EQ(Finde<QLineEdit>(fmStart, "Akt_GrundGeb")->text(), "2.50 ");
  dlg = fmEinstellungen;
  Oeffnen();
  schalter = Finde<QCheckBox>(dlg, "SystemzahlenformatBox");
  EXPECT_TRUE(schalter->isChecked());
  EXPECT_EQ(schalter->toolTip(), "Zahlen wie 1,234.50 statt wie 1.234,50 schreiben und lesen");
  Knopf("BitBtn2")->click();
}

// However long a stored symbol is, the window keeps its size and the
// unit labels a few characters' room; the whole symbol is in their tooltip
// and in the question.
TEST_F(Dialog, LangesWaehrungszeichenBleibtImFenster) {
  fmStart->show();
  const int breite = fmStart->width();
  const QString zeichen(1000, 'W');
  Einstellungswerte.Waehrungszeichen = zeichen;
  fmStart->ApplySettings();
  QApplication::processEvents();
  for (QLabel* l : fmStart->Waehrungslabels()) {
    EXPECT_LE(l->sizeHint().width(), 100) << l->objectName().toStdString();
    EXPECT_EQ(l->toolTip(), zeichen);
  }
  EXPECT_EQ(fmStart->width(), breite);
  // A stored symbol longer than the field's limit is shown and kept whole.
  Oeffnen();
  EXPECT_EQ(Feld("Edit5")->text(), zeichen);
  EXPECT_LE(dlg->sizeHint().width(), 600);
  Knopf("BitBtn1")->click();
  EXPECT_EQ(Einstellungswerte.Waehrungszeichen, zeichen);
}

}  // namespace
