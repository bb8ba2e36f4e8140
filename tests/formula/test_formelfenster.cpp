// The formula window as the main window uses it.
#include <gtest/gtest.h>

#include <QTextEdit>

#include "common/Dialoghelfer.h"
#include "formula/uFormel.h"

namespace {

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
