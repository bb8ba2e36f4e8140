#pragma once
// The program's windows, shown as a user sees them, for tests that go through
// the main window; the program-wide printer is left as it was found.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/Anwendung.h"
#include "app/Startfenster.h"
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
