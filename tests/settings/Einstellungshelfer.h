#pragma once
// Every test gets a store of its own in a fresh folder and the windows
// built on top of it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "Anwendung.h"
#include "Dialoghelfer.h"
#include "uEinstellungen.h"

class MitEigenemSpeicher : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Ordner.isValid());
    // QSettings remembers the folder of the first use; point it here anew.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Ordner.path());
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

  void SpeicherSchreiben(const QByteArray& inhalt) const {
    ASSERT_TRUE(QDir().mkpath(Ordner.path() + QStringLiteral("/Merovin")));
    QFile datei(Datei());
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
  }

  QByteArray SpeicherLesen() const {
    QFile datei(Datei());
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
  }

  template <class T>
  T* Finde(QWidget* fenster, const char* name) {
    auto* w = fenster->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  QTemporaryDir Ordner;
  bool Offen = false;
};

// Puts a window on screen and makes it the active one, so that focus moves
// as a user's Tab moves it.
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
