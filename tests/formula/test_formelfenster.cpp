// The formula window and its documents, as the main window uses them.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "common/Dialoghelfer.h"
#include "formula/uFormel.h"

namespace {

// The x ranges of the matches of `muster` in the first line of a block, as laid out.
QList<std::pair<qreal, qreal>> Stuecke(const QTextBlock& zeile, const QRegularExpression& muster) {
  QList<std::pair<qreal, qreal>> ergebnis;
  if (!zeile.isValid() || zeile.layout()->lineCount() == 0) return ergebnis;
  const QTextLine l = zeile.layout()->lineAt(0);
  for (const auto& m : muster.globalMatch(zeile.text()))
    ergebnis.append({l.cursorToX(m.capturedStart()), l.cursorToX(m.capturedEnd())});
  return ergebnis;
}

// Every fraction bar (three or more "-") spans each piece of text that stands
// over or under it, as the documents are laid out on the screen.
TEST(FormelFenster, BruchstricheUeberspannenZaehlerUndNenner) {
  TfmFormel fenster;
  const QRegularExpression strich(QStringLiteral("-{3,}")), text(QStringLiteral("[^\t ]+( [^\t ]+)*"));
  int striche = 0;
  for (const QString& name : QDir(QStringLiteral(":/formeln")).entryList()) {
    ASSERT_TRUE(fenster.DokumentLaden(name.chopped(4)));
    QTextDocument* doc = fenster.RichEdit1()->document();
    doc->documentLayout()->documentSize();  // lays out every line
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
      for (const auto& [links, rechts] : Stuecke(b, strich)) {
        ++striche;
        for (const QTextBlock& nachbar : {b.previous(), b.next()})
          for (const auto& [l, r] : Stuecke(nachbar, text))
            EXPECT_TRUE(l >= rechts || r <= links || (l >= links - 0.5 && r <= rechts + 0.5))
                << name.toStdString() << ": \"" << nachbar.text().toStdString() << "\"";
      }
  }
  EXPECT_GE(striche, 30);
}

// A missing document is reported in a box instead, with an empty viewer.
TEST(FormelFenster, FehlendesDokumentWirdGemeldet) {
  TfmFormel fenster;
  TDialogBeantworter beantworter;
  beantworter.AndereDialogeSchliessen = false;
  EXPECT_TRUE(FormelDokument(QStringLiteral("Formel")).isEmpty());
  ASSERT_TRUE(fenster.DokumentLaden(QStringLiteral("Formel_AnnD_Kn")));
  fenster.DokumentZeigen(QStringLiteral("Formel_Info"));
  EXPECT_TRUE(fenster.RichEdit1()->document()->isEmpty());
  ASSERT_EQ(beantworter.Boxen.size(), 1);
  EXPECT_TRUE(beantworter.Boxen[0].Text.contains("Formel_Info"));
  EXPECT_EQ(beantworter.Boxen[0].Symbol, QMessageBox::Critical);
  EXPECT_EQ(beantworter.AndereDialoge, 0);  // the window itself did not open
}

}  // namespace
