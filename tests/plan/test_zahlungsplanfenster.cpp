// The payment plan window with sample page states: table against the
// arithmetic, the loan fields, printing into the preview and the CSV file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include "common/Dialoghelfer.h"
#include "plan/PlanGrafik.h"
#include "plan/PlanTabelle.h"
#include "plan/Zahlungsplanfenster.h"
#include "report/Hauptfenster.h"
#include "report/uDruck_Zahlungsplan.h"

namespace {

TPlanSeite Seite(const char* key, int gesucht, QHash<QString, QString> felder, int zahlungsweise = 0) {
  return {QString::fromLatin1(key), gesucht, felder, zahlungsweise, u"Wie hoch ist die Rate?"_qs, u"DM"_qs};
}
TPlanSeite Darlehen(const char* jahre, int zahlungsweise = 0) {
  return Seite("AnnD", 2,
               {{"AnnD_KFeld", "100.000,00"}, {"AnnD_pFeld", "6,000"}, {"AnnD_njFeld", QString::fromLatin1(jahre)},
                {"AnnD_nmFeld", "0"}, {"AnnD_knjFeld", "5"}, {"AnnD_KnmFeld", "0"}},
               zahlungsweise);
}

class Planfenster : public Hauptfenster {
 protected:
  static TfmZahlungsplan* Zeigen(const TPlanSeite& seite) { return ZahlungsplanZeigen(fmStart, frmDruckVorschau, seite); }
  template <class T>
  static T* W(TfmZahlungsplan* f, const char* name) {
    T* w = f->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
};

// One window per main window; the table's rows and totals are the plan's,
// and only a loan shows its residual debt and effective rate.
TEST_F(Planfenster, TabelleJeSeite) {
  // clang-format off
  const struct { TPlanSeite Seite; int Zeilen; } faelle[] = {  // Zeilen: per year, with the start and the totals
      {Darlehen("10"), 12},
      {Seite("ZiZiR", 2, {{"ZiZiR_RFeld", "100"}, {"ZiZiR_pFeld", "5"}, {"ZiZiR_njFeld", "10"}, {"ZiZiR_nmFeld", "6"}},
             1), 13},
      {Seite("ZiZiE", 3, {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_pFeld", "5"}, {"ZiZiE_njFeld", "3"}, {"ZiZiE_nmFeld", "0"}}),
       5},
  };
  // clang-format on
  TfmZahlungsplan* erstes = Zeigen(faelle[0].Seite);
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Seite.Key.toStdString());
    TfmZahlungsplan* fenster = Zeigen(f.Seite);
    EXPECT_EQ(fenster, erstes);
    ASSERT_TRUE(fenster->isVisible());
    const QAbstractItemModel* tabelle = W<QTableView>(fenster, "PlanTabelle")->model();
    ASSERT_EQ(tabelle->rowCount(), f.Zeilen);
    const TZahlungsplan& plan = fenster->Plan();
    EXPECT_EQ(tabelle->index(f.Zeilen - 1, 2).data().toString(), ZahlText(plan.Summe.Zinsen.Wert(), 18, 2).trimmed());
    EXPECT_EQ(tabelle->index(f.Zeilen - 2, 4).data().toString(), ZahlText(plan.JeJahr.back().Stand.Wert(), 18, 2).trimmed());
    EXPECT_FALSE(W<TPlanGrafik>(fenster, "PlanGrafik")->Daten().Stand.isEmpty());
    EXPECT_EQ(W<QCheckBox>(fenster, "PlanJeZahlung")->isEnabled(), f.Seite.Key != QLatin1String("ZiZiE"));
    const bool darlehen = f.Seite.Key == QLatin1String("AnnD");
    EXPECT_EQ(W<QLabel>(fenster, "RestschuldZinsbindungLabel")->isVisibleTo(fenster), darlehen);
    if (darlehen) {
      EXPECT_EQ(W<QLabel>(fenster, "RestschuldZinsbindungLabel")->text(),
                ZahlText(RestschuldNach(PlanEingabe(f.Seite), {}, 5).Wert(), 15, 2).trimmed() + " DM");
      EXPECT_EQ(W<QLabel>(fenster, "EffektivzinsLabel")->text(), QStringLiteral("6,168 %"));
    }
  }
  // Per payment: 120 instalments, the start and the totals.
  Zeigen(Darlehen("10"));
  W<QCheckBox>(erstes, "PlanJeZahlung")->setChecked(true);
  EXPECT_EQ(W<QTableView>(erstes, "PlanTabelle")->model()->rowCount(), 122);
}

// An extra repayment typed into the window shortens the loan; what cannot be
// read or makes no sense is refused with a message.
TEST_F(Planfenster, SondertilgungUndZinsbindungAusDenFeldern) {
  TfmZahlungsplan* fenster = Zeigen(Darlehen("10"));
  TDialogBeantworter antworten;
  const auto tippen = [&](const char* feld, const char* text) {
    auto* f = W<QLineEdit>(fenster, feld);
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, QString::fromUtf8(text));
    QTest::keyClick(f, Qt::Key_Return);
  };
  tippen("SondertilgungFeld", "5000");
  tippen("SondertilgungAbJahrFeld", "2");
  EXPECT_EQ(W<QLineEdit>(fenster, "SondertilgungFeld")->text(), QStringLiteral("5.000,00 "));
  EXPECT_EQ(W<QLabel>(fenster, "NeueLaufzeitLabel")->text(), QStringLiteral("7 Jahre, 2,0 Monate"));
  EXPECT_EQ(W<QLabel>(fenster, "RestschuldZinsbindungLabel")->text(),
            ZahlText(RestschuldNach(PlanEingabe(Darlehen("10")), {5000, 2}, 5).Wert(), 15, 2).trimmed() + " DM");
  const std::pair<const char*, const char*> falsch[] = {{"ZinsbindungFeld", "x"},
                                                        {"ZinsbindungFeld", "-1"},
                                                        {"SondertilgungAbJahrFeld", "0"},
                                                        {"SondertilgungFeld", "-5"}};
  for (const auto& [feld, text] : falsch) tippen(feld, text);
  ASSERT_EQ(antworten.Boxen.size(), 4);
  EXPECT_EQ(antworten.Boxen[0].Text, QStringLiteral("\"x\" ist ein ungültiger Wert."));
  EXPECT_EQ(antworten.Boxen[1].Text, QStringLiteral("Die Zinsbindung kann nicht negativ sein."));
  EXPECT_EQ(antworten.Boxen[2].Text, QStringLiteral("Sondertilgungen sind frühestens im ersten Jahr möglich."));
  EXPECT_EQ(antworten.Boxen[3].Text, QStringLiteral("Eine Sondertilgung kann nicht negativ sein."));
  // A plan that cannot be made leaves the window as it was.
  fenster->hide();
  EXPECT_EQ(Zeigen(Darlehen("101")), fenster);
  EXPECT_FALSE(fenster->isVisible());
  ASSERT_EQ(antworten.Boxen.size(), 5);
  EXPECT_EQ(antworten.Boxen[4].Text,
            QStringLiteral("Ein Zahlungsplan reicht über höchstens 100 Jahre; diese Laufzeit ist länger."));
}

// "Drucken": several pages in the preview, each with the header, the column
// header and "Seite x von y"; the preview prints them into the PDF file.
TEST_F(Planfenster, DruckInDieVorschauUndInsPdf) {
  const QString datei = Ordner.filePath(QStringLiteral("plan.pdf"));
  PdfDrucker(datei);
  TfmZahlungsplan* fenster = Zeigen(Darlehen("30"));
  W<QCheckBox>(fenster, "PlanJeZahlung")->setChecked(true);
  W<QPushButton>(fenster, "PlanDrucken")->click();
  EXPECT_TRUE(frmDruckVorschau->isVisible());
  const int seiten = P->PageCount();
  ASSERT_GT(seiten, 3);
  TDialogBeantworter antworten;
  frmDruckVorschau->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  EXPECT_TRUE(Pdf(datei, "pdfinfo").contains(QRegularExpression(u"Pages:\\s+%1\\n"_qs.arg(seiten))));
  const QStringList text = Pdf(datei).split(QChar(12));
  for (int s = 1; s <= seiten; ++s) {
    const QString seite = text.value(s - 1).simplified();
    EXPECT_TRUE(seite.contains(QStringLiteral("Seite %1 von %2").arg(s).arg(seiten))) << s;
    EXPECT_TRUE(seite.contains(QStringLiteral("Zahlungsplan: Annuitäten-Darlehen Wie hoch ist die Rate?"))) << s;
    EXPECT_TRUE(seite.contains(QStringLiteral("Monat Rate Zinsen Tilgung Stand"))) << s;
  }
  EXPECT_TRUE(text.value(0).contains(QStringLiteral("Effektiver Jahreszins:")));
  EXPECT_TRUE(text.value(seiten - 1).simplified().contains(QStringLiteral("360 599,55")));

  // The result report afterwards finds the page printer as before: one page, no footer.
  fmStart->btbtnDruckClick();
  EXPECT_EQ(P->PageCount(), 1);
  EXPECT_FALSE(P->Pages(1)->Texts().join(u' ').contains(QStringLiteral("Seite")));
}

// "Exportieren": the CSV file reads back as the table, and an existing file
// is replaced only when the user says so.
TEST_F(Planfenster, CsvHinUndZurueck) {
  const QString datei = Ordner.filePath(QStringLiteral("plan.csv"));
  TfmZahlungsplan* fenster = Zeigen(Darlehen("10", 1));
  ASSERT_TRUE(fenster->CsvSpeichern(datei));
  QFile f(datei);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray inhalt = f.readAll();
  f.close();
  ASSERT_TRUE(inhalt.startsWith("\xEF\xBB\xBF"));
  const QStringList zeilen = QString::fromUtf8(inhalt.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  const TPlanModell* modell = fenster->Modell();
  ASSERT_EQ(zeilen.size(), modell->rowCount() + 1);
  EXPECT_EQ(zeilen[0], modell->Kopf().join(u';'));
  for (int z = 0; z < modell->rowCount(); ++z) {
    QStringList erwartet = modell->Zeile(z);  // the amounts without thousands separators
    for (int s = 1; s < erwartet.size(); ++s) erwartet[s].remove(u'.');
    EXPECT_EQ(zeilen[z + 1], erwartet.join(u';'));
  }

  // Through the dialog onto the existing file: the default answer keeps it.
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("alt");
  f.close();
  QTimer waehler;
  QObject::connect(&waehler, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      dialog->selectFile(datei);
      static_cast<QDialog*>(dialog)->accept();
    }
  });
  waehler.start(5);
  TDialogBeantworter antworten;
  W<QPushButton>(fenster, "PlanExportieren")->click();
  waehler.stop();
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_TRUE(antworten.Boxen[0].Text.startsWith(QStringLiteral("Die Datei „")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("alt"));
}

}  // namespace
