// The formula window as the main window uses it.
#include <gtest/gtest.h>

#include <QAccessible>
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

// A screen reader gets each drawn formula as one line, exponents and
// fractions said in words, under a name that tells which formula it is.
TEST(FormelFenster, FormelnAlsLinearerText) {
  // clang-format off
  const struct { const char* dokument; const char* name; const char* formel; } faelle[] = {
      {"Formel_AnnD_A", "Formel: Annuitäten-Darlehen, ", "A = (K0 · q hoch n · (q − 1)) / (q hoch n − 1)"},
      {"Formel_AnnD_K0", "Formel: Annuitäten-Darlehen, ", "K0 = A / ((q hoch n · (q − 1)) / (q hoch n − 1))"},
      {"Formel_ZiZiE_EK", "Formel: ", "Kn = K · (1 + p / 100) hoch n"},
      {"Formel_ZiZiE_Lfz", "Formel: ", "n = log(Kn / K) / log(1 + p / 100)"},
      {"Formel_ZiZiE_Zins", "Formel: ", "p = 100 · (Kn / K) hoch (1/n) − 100"},
      {"Formel_BW_BW", "Formel: ", "BW = Rne · 1 / (q hoch n) · (q hoch n − 1) / (q − 1)"},
      {"Formel_BW_R", "Formel: ", "R = Rne / (m + (p · (m − 1)) / 2)"},
      {"Formel_Akt", "Formel: Aktien", "Die Gewinnschwelle ist der Kurs,"},
  };
  // clang-format on
  TfmFormel fenster;
  for (const auto& f : faelle) {
    ASSERT_TRUE(fenster.DokumentLaden(QString::fromLatin1(f.dokument))) << f.dokument;
    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(fenster.RichEdit1());
    EXPECT_TRUE(text->text(QAccessible::Name).startsWith(QString::fromUtf8(f.name)))
        << text->text(QAccessible::Name).toStdString();
    const QStringList zeilen = text->text(QAccessible::Description).split(u'\n');
    EXPECT_TRUE(zeilen.contains(QString::fromUtf8(f.formel))) << f.dokument << "\n" << zeilen.join(u'\n').toStdString();
    EXPECT_FALSE(zeilen.join(u' ').contains(u"---"_qs)) << f.dokument;
  }
}

}  // namespace
