#pragma once
// The program's windows, shown as a user sees them, for tests that go through
// the main window; the program-wide printer is left as it was found.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "common/Einstellungshelfer.h"
#include "print/PagePrnt.h"
#include "report/uDruck.h"

class Hauptfenster : public ::testing::Test {
 protected:
  void SetUp() override {
    qobject_cast<TAnwendung*>(qApp)->FensterErzeugen();
    fmStart->resize(900, 700);
    fmStart->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fmStart));
    P = frmDruckVorschau->PgprntrVorschau();
    P->setShowProgress(false);  // keeps the progress dialog out of tests that print
  }
  void TearDown() override {
    qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
    Printer().setOutputFileName(Datei);
    Printer().setOutputFormat(Format);
  }
  // A child of the main window, or of `fenster`, by its objectName.
  template <class T = QWidget>
  static T* Kind(const char* name, QWidget* fenster = fmStart) {
    return Finde<T>(fenster, name);
  }
  // Types over a field's text and leaves the field with `taste`.
  static void Tippen(const char* feld, const QString& text, QWidget* fenster = fmStart, Qt::Key taste = Qt::Key_Tab) {
    Eintippen(Kind<QLineEdit>(feld, fenster), text);
    QTest::keyClick(Kind<QLineEdit>(feld, fenster), taste);
  }
  static void PdfDrucker(const QString& datei) {
    Printer().setOutputFormat(QPrinter::PdfFormat);
    Printer().setOutputFileName(datei);
  }

  TPagePrinter* P = nullptr;
  QTemporaryDir Ordner;
  const QPrinter::OutputFormat Format = Printer().outputFormat();
  const QString Datei = Printer().outputFileName();
};

// What pdftotext (-layout) or pdfinfo says about a PDF file.
inline QString Pdf(const QString& datei, const char* programm = "pdftotext") {
  QProcess p;
  const bool text = QByteArray(programm) == "pdftotext";
  p.start(QString::fromLatin1(programm), text ? QStringList{u"-layout"_qs, datei, u"-"_qs} : QStringList{datei});
  return p.waitForFinished(20000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// An answer for TDialogBeantworter::Andere: each file dialog gets the next
// entry of `antworten` (empty: declined) and notes the file it proposed.
inline std::function<void(QDialog*)> Dateiwahl(QStringList antworten, QStringList* vorschlaege = nullptr) {
  return [antworten, vorschlaege](QDialog* dialog) mutable {
    auto* waehler = qobject_cast<QFileDialog*>(dialog);
    if (!waehler) return dialog->reject();
    if (vorschlaege) *vorschlaege << waehler->selectedFiles().value(0);
    const QString antwort = antworten.isEmpty() ? QString() : antworten.takeFirst();
    if (antwort.isEmpty()) return dialog->reject();
    waehler->selectFile(antwort);
    dialog->accept();
  };
}
