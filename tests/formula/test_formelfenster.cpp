// The formula window and its documents, as the main window uses them.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextEdit>
#include <QTimer>

#include "common/Dialoghelfer.h"
#include "formula/uFormel.h"

namespace {

class FormelFenster : public ::testing::Test {
 protected:
  TfmFormel fenster;
  QString Text() const { return fenster.RichEdit1()->document()->toPlainText(); }
};

// Every fraction bar (three or more "-") spans each piece of text that stands
// over or under it, as the documents are laid out on the screen.
TEST_F(FormelFenster, BruchstricheUeberspannenZaehlerUndNenner) {
  const QStringList namen = QDir(QStringLiteral(":/formeln")).entryList();
  ASSERT_FALSE(namen.isEmpty());
  // Pieces of a line: runs of text between tabs or wider gaps, with their x range.
  const auto stuecke = [](const QTextBlock& zeile, const QRegularExpression& muster) {
    QList<std::pair<qreal, qreal>> ergebnis;
    if (!zeile.isValid() || !zeile.layout() || zeile.layout()->lineCount() == 0) return ergebnis;
    const QTextLine l = zeile.layout()->lineAt(0);
    for (const auto& m : muster.globalMatch(zeile.text()))
      ergebnis.append({l.cursorToX(m.capturedStart()), l.cursorToX(m.capturedEnd())});
    return ergebnis;
  };
  const QRegularExpression strich(QStringLiteral("-{3,}")), text(QStringLiteral("[^\t ]+( [^\t ]+)*"));
  int striche = 0;
  for (const QString& name : namen) {
    ASSERT_TRUE(fenster.DokumentLaden(name.chopped(4)));
    QTextDocument* doc = fenster.RichEdit1()->document();
    doc->documentLayout()->documentSize();  // lays out every line
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
      for (const auto& [links, rechts] : stuecke(b, strich)) {
        ++striche;
        for (const QTextBlock& nachbar : {b.previous(), b.next()})
          for (const auto& [l, r] : stuecke(nachbar, text))
            EXPECT_TRUE(l >= rechts || r <= links || (l >= links - 0.5 && r <= rechts + 0.5))
                << name.toStdString() << ": \"" << nachbar.text().toStdString() << "\" neben \""
                << b.text().toStdString() << "\"";
      }
    }
  }
  EXPECT_GE(striche, 30);
}

// The background tile shows outside the viewer and the button, on every side,
// including the partial tiles at the right and bottom edges.
TEST_F(FormelFenster, HintergrundIstGekachelt) {
  fenster.show();
  const QImage bild = fenster.grab().toImage(), kachel = fenster.Bitmap1().toImage();
  ASSERT_EQ(kachel.size(), QSize(100, 50));
  for (const QPoint p : {QPoint(0, 0), {3, 200}, {440, 5}, {441, 300}, {20, 378}, {120, 415}, {300, 400}, {444, 419}})
    EXPECT_EQ(bild.pixel(p) | 0xFF000000u, kachel.pixel(p.x() % 100, p.y() % 50) | 0xFF000000u) << p.x() << ',' << p.y();
}

// A document shows in the modal window until "OK"; a missing one is reported
// in a box instead, with an empty viewer.
TEST_F(FormelFenster, ZeigenIstModalOderMeldetDasFehlendeDokument) {
  TDialogBeantworter beantworter;
  beantworter.AndereDialogeSchliessen = false;
  bool warModal = false;
  QString inhalt;
  QTimer::singleShot(50, &fenster, [&] {
    warModal = QApplication::activeModalWidget() == &fenster;
    inhalt = Text();
    fenster.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  });
  fenster.DokumentZeigen(QStringLiteral("Formel_AnnD_Kn"));
  EXPECT_TRUE(warModal);
  EXPECT_TRUE(inhalt.contains("Berechnung der Restschuld"));
  EXPECT_FALSE(fenster.isVisible());
  EXPECT_EQ(fenster.result(), QDialog::Accepted);
  EXPECT_TRUE(beantworter.Boxen.isEmpty());

  EXPECT_FALSE(fenster.DokumentLaden(QString()));
  EXPECT_TRUE(FormelDokument(QStringLiteral("Formel")).isEmpty());
  fenster.DokumentZeigen(QStringLiteral("Formel_Info"));
  EXPECT_TRUE(Text().isEmpty());
  ASSERT_EQ(beantworter.Boxen.size(), 1);
  EXPECT_TRUE(beantworter.Boxen[0].Text.contains("Formel_Info"));
  EXPECT_EQ(beantworter.Boxen[0].Symbol, QMessageBox::Critical);
  EXPECT_EQ(beantworter.AndereDialoge, 0);  // the window itself did not open
}

}  // namespace
