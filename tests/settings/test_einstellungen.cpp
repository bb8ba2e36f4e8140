// Settings: the store, the dialog and what the main window shows of them.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <csignal>
#include <sys/resource.h>

#include "Einstellungshelfer.h"
#include "Startfenster.h"

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

QStringList AktGebuehren() {
  QStringList t;
  for (const char* n : {"Akt_MindGeb", "Akt_GrundGeb", "Akt_Geb", "Akt_MaklerGeb"})
    t << fmStart->findChild<QLineEdit*>(QLatin1String(n))->text();
  return t;
}

void WaehrungUeberall(const QString& zeichen) {
  for (QLabel* l : fmStart->Waehrungslabels()) EXPECT_EQ(l->text(), zeichen) << l->objectName().toStdString();
}

TEST_F(Speicher, OhneSpeicherGeltenDieVorgabenUndNichtsEntsteht) {
  TDialogBeantworter boxen;
  Starten();
  EXPECT_EQ(Texte(Einstellungswerte), (QStringList{"DM", "0,00", "20,00", "0,450", "0,08"}));
  EXPECT_EQ(AktGebuehren(), (QStringList{"0,00", "20,00", "0,450", "0,08"}));
  WaehrungUeberall("DM");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Ordner.path() + "/Merovin"));
}

TEST_F(Speicher, GespeicherteTexteKommenUnveraendertZurueck) {
  // Separators, blanks and characters the store format treats specially.
  const TEinstellungswerte werte{"€ @x", "1.234,50 ", "=;,\"\\", "", "@Variant(\\0\\0)"};
  Einstellungswerte = werte;
  SaveSettings();
  const auto roh = Gespeichert(Datei());
  ASSERT_EQ(roh.size(), 5);
  for (const auto& v : roh) EXPECT_EQ(v.typeId(), QMetaType::QString);
  Einstellungswerte = {};
  TDialogBeantworter boxen;
  LoadSettings();
  EXPECT_EQ(Texte(Einstellungswerte), Texte(werte));
  EXPECT_TRUE(boxen.Boxen.isEmpty());
}

TEST_F(Speicher, WertFalschenTypsMeldetUndBehaeltDenRest) {
  // A missing value is empty without a message.
  const QByteArray fehlt = "[General]\nWaehrungszeichen=EUR\nGebuehr=\"1,5\"\n";
  SpeicherIn(Ordner.path(), &fehlt);
  {
    TDialogBeantworter ohne;
    LoadSettings();
    EXPECT_EQ(Texte(Einstellungswerte), (QStringList{"EUR", "", "", "1,5", ""}));
    EXPECT_TRUE(ohne.Boxen.isEmpty());
  }

  for (const QByteArray wert : {"1,2", "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)", "@ByteArray(20)", "@Rect(1 2 3 4)",
                                "@Invalid()"}) {
    SCOPED_TRACE(wert.toStdString());
    QTemporaryDir ordner;
    const QByteArray inhalt = "[General]\nWaehrungszeichen=EUR\nMindestgebuehr=\"1,00\"\nGrundgebuehr=" + wert +
                              "\nGebuehr=x\nMaklergebuehr=y\n";
    SpeicherIn(ordner.path(), &inhalt);
    Einstellungswerte = {"a", "b", "c", "d", "e"};
    TDialogBeantworter boxen;
    LoadSettings();
    ASSERT_EQ(boxen.Boxen.size(), 1);
    EXPECT_EQ(boxen.Boxen[0].Titel, "Kalvora");
    EXPECT_EQ(boxen.Boxen[0].Text,
              "Fehler beim Lesen der Einstellungen!!\rMöglicherweise werden falsche Vorgabewerte verwendet!");
    EXPECT_EQ(boxen.Boxen[0].Symbol, QMessageBox::NoIcon);
    // Read before the failing value, untouched from it on.
    EXPECT_EQ(Texte(Einstellungswerte), (QStringList{"EUR", "1,00", "c", "d", "e"}));
  }
}

TEST_F(Speicher, KaputterSpeicherFuehrtZuVorgabenOderMeldung) {
  for (const QByteArray& inhalt : {QByteArray("[General\nWaehrungszeichen=EUR\n"),
                                   QByteArray("\0\xff\xfe[[[=\n=\n\\x=\"", 14),
                                   QByteArray("[General]\nWaehrungszeichen=@Variant(\\xff\\xff\\xff\\xff)\n"),
                                   QByteArray(70000, '[')}) {
    QTemporaryDir ordner;
    SpeicherIn(ordner.path(), &inhalt);
    Einstellungswerte = {};
    TDialogBeantworter boxen;
    LoadSettings();
    for (const auto& b : boxen.Boxen) EXPECT_EQ(b.Text, LesefehlerText());
    EXPECT_LE(boxen.Boxen.size(), 1);
  }
  // A folder where the file should be cannot be read at all.
  QTemporaryDir ordner;
  SpeicherIn(ordner.path());
  QDir().mkpath(ordner.path() + "/Merovin/Tesselo.conf");
  TDialogBeantworter boxen;
  LoadSettings();
  EXPECT_EQ(Texte(Einstellungswerte), Texte(Vorgabewerte()));
}

TEST_F(Speicher, SpeichernIstAtomarUndWartetNichtAufFremdeSperren) {
  const QByteArray alt = "[General]\nWaehrungszeichen=ATS\n";
  SpeicherIn(Ordner.path(), &alt);
  Einstellungswerte = {QString(4000, 'x'), "1", "2", "3", "4"};
  TDialogBeantworter boxen;
  // A write that breaks off half-way (the file size limit holds for every user, unlike permissions).
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit vorher{};
  getrlimit(RLIMIT_FSIZE, &vorher);
  rlimit eng = vorher;
  eng.rlim_cur = 100;
  setrlimit(RLIMIT_FSIZE, &eng);
  SaveSettings();
  setrlimit(RLIMIT_FSIZE, &vorher);
  EXPECT_EQ(Gespeichert(Datei()).value("Waehrungszeichen"), "ATS");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
  // Nothing of the attempt is left behind, and the next attempt with room to write succeeds.
  EXPECT_EQ(QDir(Ordner.path() + "/Merovin").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"Tesselo.conf"});
  SaveSettings();
  EXPECT_EQ(Gespeichert(Datei()).value("Waehrungszeichen"), QString(4000, 'x'));
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
    ASSERT_TRUE(dlg->isVisible());
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
  Oeffnen(true);
  QStringList t;
  for (const char* n : {"Edit5", "Edit1", "Edit2", "Edit3", "Edit4"}) t << Feld(n)->text();
  EXPECT_EQ(t, (QStringList{"DM", "1", "20,00", "0,450", "0,08"}));
  Eintippen(Feld("Edit5"), "EUR");
  Eintippen(Feld("Edit2"), "99");
  QTest::keyClick(Feld("Edit2"), Qt::Key_Escape);  // Escape does not abort
  ASSERT_TRUE(dlg->isVisible());
  Knopf("BitBtn2")->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(Einstellungswerte.Waehrungszeichen, "DM");
  EXPECT_EQ(Einstellungswerte.Grundgebuehr, "20,00");
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
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  WaehrungUeberall("EUR");
  EXPECT_TRUE(frage->text().contains("EUR"));
  EXPECT_FALSE(frage->text().contains("DM"));
  const auto roh = Gespeichert(Datei());
  EXPECT_EQ(roh.size(), 5);
  EXPECT_EQ(roh.value("Waehrungszeichen"), "EUR");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
  // The share page takes new fees only at the next start.
  EXPECT_EQ(AktGebuehren()[1], "20,00");
  qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
  Einstellungswerte = {};
  Starten();
  EXPECT_EQ(AktGebuehren()[1], "7,50");
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
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(Einstellungswerte.Mindestgebuehr, "abc");
  EXPECT_EQ(Einstellungswerte.Grundgebuehr, "25,00 ");
  EXPECT_EQ(Gespeichert(Datei()).value("Mindestgebuehr"), "abc");
}

}  // namespace
