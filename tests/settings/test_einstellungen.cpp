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

TEST_F(Speicher, OhneSpeicherGeltenDieVorgabenUndNichtsEntsteht) {
  TDialogBeantworter boxen;
  Starten();
  EXPECT_EQ(Texte(Einstellungswerte), (QStringList{"DM", "0,00", "20,00", "0,450", "0,08"}));
  EXPECT_EQ(AktGebuehren(), (QStringList{"0,00", "20,00", "0,450", "0,08"}));
  for (QLabel* l : fmStart->Waehrungslabels()) EXPECT_EQ(l->text(), "DM") << l->objectName().toStdString();
  EXPECT_TRUE(boxen.Boxen.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Datei()));
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

TEST_F(Speicher, FehlenderWertIstLeerOhneMeldung) {
  SpeicherSchreiben("[General]\nWaehrungszeichen=EUR\nGebuehr=\"1,5\"\n");
  TDialogBeantworter boxen;
  Starten();
  EXPECT_EQ(Texte(Einstellungswerte), (QStringList{"EUR", "", "", "1,5", ""}));
  EXPECT_TRUE(boxen.Boxen.isEmpty());
}

TEST_F(Speicher, WertFalschenTypsMeldetUndBehaeltDenRest) {
  const struct {
    const char* Name;
    QByteArray Wert;
  } faelle[] = {
      {"Liste", "1,2"},
      {"Zahl", "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)"},
      {"Bytes", "@ByteArray(20)"},
      {"Rechteck", "@Rect(1 2 3 4)"},
      {"Ungueltig", "@Invalid()"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    QTemporaryDir ordner;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
    QDir().mkpath(ordner.path() + "/Merovin");
    QFile datei(ordner.path() + "/Merovin/Tesselo.conf");
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("[General]\nWaehrungszeichen=EUR\nMindestgebuehr=\"1,00\"\nGrundgebuehr=" + f.Wert +
                "\nGebuehr=x\nMaklergebuehr=y\n");
    datei.close();
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
  const QByteArray inhalte[] = {
      "[General\nWaehrungszeichen=EUR\n",
      QByteArray("\0\xff\xfe[[[=\n=\n\\x=\"", 14),
      "[General]\nWaehrungszeichen=@Variant(\\xff\\xff\\xff\\xff)\n",
      QByteArray(70000, '['),
  };
  int i = 0;
  for (const QByteArray& inhalt : inhalte) {
    SCOPED_TRACE(i++);
    QTemporaryDir ordner;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
    QDir().mkpath(ordner.path() + "/Merovin");
    QFile datei(ordner.path() + "/Merovin/Tesselo.conf");
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
    datei.close();
    Einstellungswerte = {};
    TDialogBeantworter boxen;
    LoadSettings();
    for (const auto& b : boxen.Boxen) EXPECT_EQ(b.Text, LesefehlerText());
    EXPECT_LE(boxen.Boxen.size(), 1);
  }
  // A folder where the file should be cannot be read at all.
  QTemporaryDir ordner;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
  QDir().mkpath(ordner.path() + "/Merovin/Tesselo.conf");
  TDialogBeantworter boxen;
  LoadSettings();
  EXPECT_EQ(Texte(Einstellungswerte), Texte(Vorgabewerte()));
}

TEST_F(Speicher, MisslungenesSchreibenLaesstDenAltenSpeicherStehen) {
  SpeicherSchreiben("[General]\nWaehrungszeichen=ATS\n");
  Einstellungswerte = {QString(4000, 'x'), "1", "2", "3", "4"};
  TDialogBeantworter boxen;
  // A write that breaks off half-way (the file size limit holds for every
  // user, unlike permissions).
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit vorher{};
  getrlimit(RLIMIT_FSIZE, &vorher);
  rlimit eng = vorher;
  eng.rlim_cur = 100;
  setrlimit(RLIMIT_FSIZE, &eng);
  SaveSettings();
  setrlimit(RLIMIT_FSIZE, &vorher);
  EXPECT_EQ(SpeicherLesen(), "[General]\nWaehrungszeichen=ATS\n");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
  // Nothing of the attempt is left behind.
  EXPECT_EQ(QDir(Ordner.path() + "/Merovin").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"Tesselo.conf"});
  // The next attempt with room to write succeeds.
  SaveSettings();
  EXPECT_EQ(Gespeichert(Datei()).value("Waehrungszeichen"), QString(4000, 'x'));
}

TEST_F(Speicher, EineFremdeSperreHaeltDasProgrammNichtAuf) {
  SpeicherSchreiben("[General]\nWaehrungszeichen=ATS\n");
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
  void Oeffnen() {
    Aktivieren(dlg);
    ASSERT_TRUE(dlg->isVisible());
  }
  QLineEdit* Feld(const char* name) { return Finde<QLineEdit>(dlg, name); }
  QPushButton* Knopf(const char* name) { return Finde<QPushButton>(dlg, name); }
  void SeiteAktien() {
    auto* seiten = Finde<QTabWidget>(dlg, "PageControl1");
    seiten->setCurrentWidget(Finde<QWidget>(dlg, "TabSheet2"));
  }
  QDialog* dlg = nullptr;
  TDialogBeantworter boxen;
};

TEST_F(Dialog, ZeigtDenDatensatzUndBeginntAufAllgemein) {
  Einstellungswerte = {"EUR", "1", "2", "3", "4"};
  Oeffnen();
  EXPECT_EQ(dlg->windowTitle(), "Programmeinstellungen");
  EXPECT_EQ(Finde<QTabWidget>(dlg, "PageControl1")->currentWidget()->objectName(), "TabSheet1");
  QStringList t;
  for (const char* n : {"Edit5", "Edit1", "Edit2", "Edit3", "Edit4"}) t << Feld(n)->text();
  EXPECT_EQ(t, (QStringList{"EUR", "1", "2", "3", "4"}));
  EXPECT_EQ(Finde<QLabel>(dlg, "Label83")->text(), "EUR");
  EXPECT_EQ(Finde<QLabel>(dlg, "Label84")->text(), "EUR");
  EXPECT_TRUE(Knopf("BitBtn1")->isDefault());
  // Escape does not abort.
  QTest::keyClick(Feld("Edit5"), Qt::Key_Escape);
  EXPECT_TRUE(dlg->isVisible());
  Knopf("BitBtn2")->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(Dialog, OkSpeichertUndZeigtDasWaehrungszeichen) {
  auto* seiten = Finde<QTabWidget>(fmStart, "PageControl1");
  seiten->setCurrentWidget(Finde<QWidget>(fmStart, "eZi_TabSheet"));
  auto* frage = Finde<QLabel>(fmStart, "eZi_FrageLabel");
  ASSERT_TRUE(frage->text().contains("DM"));
  Oeffnen();
  Eintippen(Feld("Edit5"), "EUR");
  Knopf("BitBtn1")->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), QDialog::Accepted);

  for (QLabel* l : fmStart->Waehrungslabels()) EXPECT_EQ(l->text(), "EUR") << l->objectName().toStdString();
  EXPECT_TRUE(frage->text().contains("EUR"));
  EXPECT_FALSE(frage->text().contains("DM"));
  EXPECT_EQ(Finde<QLabel>(fmStart, "Label80")->text(), "EUR");

  const auto roh = Gespeichert(Datei());
  EXPECT_EQ(roh.size(), 5);
  EXPECT_EQ(roh.value("Waehrungszeichen"), "EUR");
  EXPECT_EQ(roh.value("Grundgebuehr"), "20,00");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
}

TEST_F(Dialog, AbbrechenAendertNichts) {
  Oeffnen();
  Eintippen(Feld("Edit5"), "EUR");
  SeiteAktien();
  Eintippen(Feld("Edit2"), "99");
  Knopf("BitBtn2")->click();
  EXPECT_EQ(Texte(Einstellungswerte), Texte(Vorgabewerte()));
  EXPECT_FALSE(QFileInfo::exists(Datei()));
  for (QLabel* l : fmStart->Waehrungslabels()) EXPECT_EQ(l->text(), "DM");
  Oeffnen();
  EXPECT_EQ(Feld("Edit5")->text(), "DM");
  EXPECT_EQ(Feld("Edit2")->text(), "20,00");
  // The page last shown stays.
  EXPECT_EQ(Finde<QTabWidget>(dlg, "PageControl1")->currentWidget()->objectName(), "TabSheet2");
  Knopf("BitBtn2")->click();
}

TEST_F(Dialog, TabFormatiertEnterBestaetigtSofort) {
  Oeffnen();
  SeiteAktien();
  Eintippen(Feld("Edit2"), "25");
  QTest::keyClick(Feld("Edit2"), Qt::Key_Tab);
  EXPECT_EQ(Feld("Edit2")->text(), "25,00 ");
  EXPECT_EQ(QApplication::focusWidget(), Feld("Edit3"));
  Eintippen(Feld("Edit3"), "1,5");
  QTest::keyClick(Feld("Edit3"), Qt::Key_Tab);
  EXPECT_EQ(Feld("Edit3")->text(), "1,500 ");

  Eintippen(Feld("Edit2"), "30");
  QTest::keyClick(Feld("Edit2"), Qt::Key_Return);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(Einstellungswerte.Grundgebuehr, "30");
  EXPECT_EQ(Einstellungswerte.Gebuehr, "1,500 ");
  EXPECT_EQ(Gespeichert(Datei()).value("Grundgebuehr"), "30");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
}

TEST_F(Dialog, UnlesbareGebuehrMeldetUndBleibtImFeld) {
  Oeffnen();
  SeiteAktien();
  Eintippen(Feld("Edit1"), "abc");
  QTest::keyClick(Feld("Edit1"), Qt::Key_Tab);
  Warten(50);
  ASSERT_EQ(boxen.Boxen.size(), 1);
  EXPECT_EQ(boxen.Boxen[0].Text, "\"abc\" ist ein ungültiger Wert.");
  EXPECT_EQ(Feld("Edit1")->text(), "abc");
  EXPECT_EQ(dlg->focusWidget(), Feld("Edit1"));
  // Confirming keeps the text as it stands.
  QTest::keyClick(Feld("Edit1"), Qt::Key_Return);
  EXPECT_EQ(Einstellungswerte.Mindestgebuehr, "abc");
}

TEST_F(Dialog, NeueGebuehrenErstNachNeustartAufDerAktienseite) {
  Oeffnen();
  SeiteAktien();
  Eintippen(Feld("Edit2"), "7,50");
  Knopf("BitBtn1")->click();
  EXPECT_EQ(AktGebuehren()[1], "20,00");
  qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
  Einstellungswerte = {};
  Starten();
  EXPECT_EQ(AktGebuehren()[1], "7,50");
}

}  // namespace
