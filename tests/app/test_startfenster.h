#pragma once
// Drives the real main window as a user does.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/Startfenster.h"
#include "common/Einstellungshelfer.h"

inline const QColor Aqua(0, 255, 255);
inline const QColor Rot(255, 0, 0);
inline const QColor Weiss(255, 255, 255);

// A dark theme as desktops ship one: light text on dark fields and buttons.
inline QPalette DunklesThema() {
  QPalette p(QColor(66, 66, 69), QColor(34, 32, 32));  // button, window
  p.setColor(QPalette::Base, QColor(61, 61, 61));
  for (auto rolle : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, rolle, QColor(128, 128, 128));
  return p;
}

// The main window on a store of its own, shown and active.
class StartfensterTest : public MitEigenemSpeicher {
 protected:
  void SetUp() override {
    MitEigenemSpeicher::SetUp();
    Starten();
    fm = fmStart;
    Aktivieren(fm);
  }

  template <class T = QLineEdit>
  T* W(const QString& name) const {
    T* w = fm->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QTabWidget* Seiten() const { return W<QTabWidget>(QStringLiteral("PageControl1")); }
  QPushButton* Knopf(const char* name) const { return W<QPushButton>(QString::fromLatin1(name)); }
  void Seite(int index) const { Seiten()->setCurrentIndex(index); }
  void Waehlen(const QString& liste, int index) const { W<QComboBox>(liste)->setCurrentIndex(index); }

  void Tippen(const QString& feld, const QString& text) const { Eintippen(W(feld), text); }
  void Taste(Qt::Key taste) const {
    QWidget* ziel = QApplication::focusWidget();
    QTest::keyClick(ziel ? ziel : fm, taste);
  }
  template <class F>
  static bool WartenBis(F bedingung, int ms = 2000) {
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung() && uhr.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
    return bedingung();
  }

  QString Text(const QString& feld) const { return W(feld)->text(); }
  QColor Farbe(const QString& feld) const { return W(feld)->palette().color(QPalette::Base); }

  TfmStart* fm = nullptr;
};
