#pragma once
// Every test gets a store of its own in a fresh folder and the windows built on top of it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/Anwendung.h"
#include "common/Dialoghelfer.h"
#include "settings/uEinstellungen.h"

// Points the store at `ordner` (QSettings remembers the folder of its first use) and writes `inhalt` into it.
inline void SpeicherIn(const QString& ordner, const QByteArray* inhalt = nullptr) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner);
  if (!inhalt) return;
  QDir().mkpath(ordner + QStringLiteral("/Merovin"));
  QFile datei(ordner + QStringLiteral("/Merovin/Tesselo.conf"));
  ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
  datei.write(*inhalt);
}

// A child of `fenster` by its objectName.
template <class T = QWidget>
T* Finde(QWidget* fenster, const char* name) {
  auto* w = fenster->findChild<T*>(QLatin1String(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

class MitEigenemSpeicher : public ::testing::Test {
 protected:
  void SetUp() override {
    SpeicherIn(Ordner.path());
    Einstellungswerte = {};
  }
  void TearDown() override {
    if (Offen) qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
  }
  void Starten() {
    qobject_cast<TAnwendung*>(qApp)->FensterErzeugen();
    Offen = true;
  }
  QString Datei() const { return Ordner.path() + QStringLiteral("/Merovin/Tesselo.conf"); }

  QTemporaryDir Ordner;
  bool Offen = false;
};

// Puts a window on screen and makes it the active one, so that focus moves as a user's Tab moves it.
inline void Aktivieren(QWidget* fenster) {
  fenster->show();
  fenster->activateWindow();
  QApplication::setActiveWindow(fenster);
  EXPECT_TRUE(QTest::qWaitForWindowActive(fenster));
}

// Replaces a field's text as a user does: select everything, type.
inline void Eintippen(QWidget* feld, const QString& text) {
  feld->setFocus();
  QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(feld, Qt::Key_Delete);
  QTest::keyClicks(feld, text);
}
