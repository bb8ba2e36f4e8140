// The payment plan window with sample page states: table against the
// arithmetic, the loan fields, printing into the preview and the CSV file.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "common/Dialoghelfer.h"
#include "finanzierung/Finanzierungsfenster.h"
#include "pages/Seiten.h"
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
  // clang-format off
  return Seite("AnnD", 2, {{"AnnD_KFeld", "100.000,00"}, {"AnnD_pFeld", "6,000"}, {"AnnD_nmFeld", "0"},
               {"AnnD_njFeld", QString::fromLatin1(jahre)}, {"AnnD_knjFeld", "5"}, {"AnnD_KnmFeld", "0"}},
               zahlungsweise);
  // clang-format on
}

// Keeps the texts of a chart and draws nothing.
class TChartTexte : public TZeichenflaeche {
 public:
  QStringList Texte;
  double PixelJePunkt() const override { return 1; }
  void Schrift(double, bool) override {}
  double TextBreite(const QString& text) override { return 5.0 * text.size(); }
  void Text(QPointF, const QString& text, const QColor&) override { Texte << text; }
  void Linie(QPointF, QPointF, const QColor&, double) override {}
  void Flaeche(const QRectF&, const QColor&) override {}
};

// A pension drawn down to nothing has never a negative balance: its axis
// starts at 0, also when the arithmetic ends a hair below it.
TEST(PlanGrafik, StandachseBeginntBeiNull) {
  const TPlanSeite rente = Seite("BW", 1, {{"BW_RFeld", "500"}, {"BW_pFeld", "4"}, {"BW_BWFeld", "50000"}});
  TChartTexte f;
  GrafikZeichnen(f, QRectF(0, 0, 600, 400), GrafikDaten(ZahlungsplanBerechnen(PlanEingabe(rente))));
  EXPECT_TRUE(f.Texte.contains(u"0"_qs));
  for (const QString& text : f.Texte) EXPECT_FALSE(text.startsWith(u'-')) << text.toStdString();
}

class Planfenster : public Hauptfenster {
 protected:
  static TfmZahlungsplan* Zeigen(const TPlanSeite& s) {
    TfmZahlungsplan* fenster = fmStart->Planfenster();
    fenster->Zeigen(s);
    return fenster;
  }
};

// Rows per year with the start and the totals, or per payment on request
// where there are regular payments; only a loan shows its residual debt.
TEST_F(Planfenster, TabelleJeSeite) {
  // clang-format off
  const TPlanSeite seiten[] = {Darlehen("10"),
      Seite("ZiZiE", 3, {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_pFeld", "5"}, {"ZiZiE_njFeld", "3"}, {"ZiZiE_nmFeld", "0"}})};
  // clang-format on
  for (const TPlanSeite& seite : seiten) {
    SCOPED_TRACE(seite.Key.toStdString());
    TfmZahlungsplan* fenster = Zeigen(seite);
    ASSERT_TRUE(fenster->isVisible());
    const bool darlehen = seite.Key == QLatin1String("AnnD");
    const QAbstractItemModel* tabelle = Kind<QTableView>("PlanTabelle", fenster)->model();
    ASSERT_EQ(tabelle->rowCount(), darlehen ? 12 : 5);
    EXPECT_EQ(tabelle->index(tabelle->rowCount() - 1, 2).data().toString(),
              ZahlText(fenster->Plan().Summe.Zinsen.Wert(), 18, 2).trimmed());
    EXPECT_FALSE(Kind<TPlanGrafik>("PlanGrafik", fenster)->Daten().Stand.isEmpty());
    EXPECT_EQ(Kind<QCheckBox>("PlanJeZahlung", fenster)->isEnabled(), darlehen);
    EXPECT_EQ(Kind<QLabel>("RestschuldZinsbindungLabel", fenster)->isVisibleTo(fenster), darlehen);
    EXPECT_EQ(Kind<QPushButton>("PlanVergleichen", fenster)->isVisibleTo(fenster), darlehen);
  }
  TfmZahlungsplan* fenster = Zeigen(Darlehen("10"));
  EXPECT_EQ(Kind<QLabel>("EffektivzinsLabel", fenster)->text(), QStringLiteral("6,168 %"));
  Kind<QCheckBox>("PlanJeZahlung", fenster)->setChecked(true);
  EXPECT_EQ(Kind<QTableView>("PlanTabelle", fenster)->model()->rowCount(), 122);  // 120 instalments
}

// Either way of listing shows every column whole, whichever the window
// opened with: the splitter gives the table its width. Escape closes the
// window from a field as from the table.
TEST_F(Planfenster, JedeSpalteSichtbarUndEscapeSchliesst) {
  TfmZahlungsplan* fenster = Zeigen(Darlehen("30"));
  auto* jeZahlung = Kind<QCheckBox>("PlanJeZahlung", fenster);
  jeZahlung->setChecked(true);
  fenster->close();
  Zeigen(Darlehen("30"));
  auto* tabelle = Kind<QTableView>("PlanTabelle", fenster);
  for (bool je : {true, false, true}) {
    jeZahlung->setChecked(je);
    QCoreApplication::processEvents();
    EXPECT_LE(tabelle->horizontalHeader()->length(), tabelle->viewport()->width()) << je;
  }
  for (const char* feld : {"SondertilgungFeld", "PlanTabelle"}) {
    Zeigen(Darlehen("30"));
    QWidget* ziel = Kind(feld, fenster);
    ziel->setFocus();
    QTest::keyClick(ziel, Qt::Key_Escape);
    EXPECT_FALSE(fenster->isVisible()) << feld;
  }
}

// By keyboard: the window opens at its first control, Tab leaves the table
// both ways. A screen reader finds the window as a window, every stop named
// once and without a colon, the figures under their captions with their
// values, the rows headed by their year and the chart told in words.
TEST_F(Planfenster, TastaturUndVorlesen) {
  const TPlanSeite einmal =
      Seite("ZiZiE", 3, {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_pFeld", "5"}, {"ZiZiE_njFeld", "3"}, {"ZiZiE_nmFeld", "0"}});
  for (const TPlanSeite& seite : {einmal, Darlehen("10")}) {
    SCOPED_TRACE(seite.Key.toStdString());
    TfmZahlungsplan* fenster = Zeigen(seite);
    auto* tabelle = Kind<QTableView>("PlanTabelle", fenster);
    EXPECT_EQ(fenster->focusWidget(), Kind(seite.Key == u"AnnD"_qs ? "SondertilgungFeld" : "PlanDrucken", fenster));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(fenster)->role(), QAccessible::Window);
    for (const Qt::KeyboardModifiers taste : std::initializer_list<Qt::KeyboardModifiers>{
             Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier}) {
      // As for a user the plan window is the active one, so the main window's Ctrl+Tab is not meant.
      QApplication::setActiveWindow(fenster);
      tabelle->setFocus();
      QTest::keyClick(tabelle, taste & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab, taste);
      EXPECT_NE(fenster->focusWidget(), tabelle) << taste;
    }
    QSet<QString> namen;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(fenster) || !(w->focusPolicy() & Qt::TabFocus)) continue;
      const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
      EXPECT_FALSE(name.isEmpty() || name.endsWith(u':')) << w->objectName().toStdString() << name.toStdString();
      EXPECT_FALSE(namen.contains(name)) << name.toStdString();
      namen.insert(name);
    }
    fenster->close();
  }
  TfmZahlungsplan* fenster = Zeigen(Darlehen("10"));
  // clang-format off
  for (const auto& [wert, name] : {std::pair{"NeueLaufzeitLabel", "Neue Laufzeit"}, {"ZinsersparnisLabel", "Zinsersparnis"},
           {"RestschuldZinsbindungLabel", "Restschuld nach der Zinsbindung"}, {"EffektivzinsLabel", "Effektiver Jahreszins"},
           {"SondertilgungFeld", "Sondertilgung jährlich in DM"}, {"ZinsbindungFeld", "Zinsbindung in Jahren"}}) {
    // clang-format on
    QWidget* w = Kind(wert, fenster);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(name));
    if (auto* label = qobject_cast<QLabel*>(w)) {
      EXPECT_EQ(a->text(QAccessible::Description), label->text());
    }
  }
  QAccessibleInterface* tabelle = QAccessible::queryAccessibleInterface(Kind(("PlanTabelle"), fenster));
  EXPECT_EQ(tabelle->text(QAccessible::Name), u"Zahlungsplan"_qs);
  for (const auto& [zeile, kopf] : {std::pair{0, "Beginn"}, {1, "1"}, {10, "10"}, {11, "Summe"}}) {
    const QList<QAccessibleInterface*> koepfe =
        tabelle->tableInterface()->cellAt(zeile, 1)->tableCellInterface()->rowHeaderCells();
    ASSERT_EQ(koepfe.size(), 1) << zeile;
    EXPECT_EQ(koepfe[0]->text(QAccessible::Name), QString::fromUtf8(kopf));
  }
  QAccessibleInterface* grafik = QAccessible::queryAccessibleInterface(Kind("PlanGrafik", fenster));
  EXPECT_FALSE(grafik->text(QAccessible::Name).isEmpty());
  EXPECT_EQ(grafik->text(QAccessible::Description),
            u"Restschuld im Lauf der Jahre: von 100.000,00 DM auf 0,00 DM in 10 Jahren"_qs);
}

// An extra repayment typed into the window shortens the loan; what cannot be
// read or makes no sense is refused with a message.
TEST_F(Planfenster, SondertilgungUndZinsbindungAusDenFeldern) {
  TfmZahlungsplan* fenster = Zeigen(Darlehen("10"));
  Kind<QCheckBox>("PlanBankrundung", fenster)->setChecked(false);  // the page's exact figures
  TDialogBeantworter antworten;
  const auto tippen = [&](const char* feld, const char* text) { Tippen(feld, text, fenster, Qt::Key_Return); };
  tippen("SondertilgungFeld", "5000");
  tippen("SondertilgungAbJahrFeld", "2");
  EXPECT_EQ(Kind<QLineEdit>("SondertilgungFeld", fenster)->text(), QStringLiteral("5.000,00 "));
  EXPECT_EQ(Kind<QLabel>("NeueLaufzeitLabel", fenster)->text(), QStringLiteral("7 Jahre, 2,0 Monate"));
  EXPECT_EQ(Kind<QLabel>("RestschuldZinsbindungLabel", fenster)->text(),
            ZahlText(RestschuldNach(PlanEingabe(Darlehen("10")), {5000, 2}, 5).Wert(), 15, 2).trimmed() + " DM");
  // A follow-up rate changes the plan after the fixed-rate period only.
  const QString restschuld = Kind<QLabel>("RestschuldZinsbindungLabel", fenster)->text();
  const Ext zinsen = fenster->Plan().Summe.Zinsen;
  tippen("AnschlusszinsFeld", "8");
  EXPECT_EQ(Kind<QLabel>("RestschuldZinsbindungLabel", fenster)->text(), restschuld);
  EXPECT_GT(fenster->Plan().Summe.Zinsen, zinsen);
  for (const auto& [text, meldung] :
       {std::pair{"90", "Beim Anschlusszins deckt die Rate die Zinsen nicht; das Darlehen wird nie getilgt."},
        {"0", "Der Anschlusszins muss größer als 0 sein."}}) {
    tippen("AnschlusszinsFeld", text);
    ASSERT_EQ(antworten.Boxen.size(), 1) << text;
    EXPECT_EQ(antworten.Boxen.takeFirst().Text, QString::fromUtf8(meldung));
  }
  tippen("AnschlusszinsFeld", "");
  EXPECT_EQ(fenster->Plan().Summe.Zinsen, zinsen);
  // clang-format off
  for (const auto& [feld, text, meldung] : {
           std::tuple{"ZinsbindungFeld", "x", "\"x\" ist ein ungültiger Wert."},
           {"SondertilgungAbJahrFeld", "0", "Sondertilgungen sind frühestens im ersten Jahr möglich."},
           {"SondertilgungFeld", "-5", "Eine Sondertilgung kann nicht negativ sein."}}) {
    // clang-format on
    tippen(feld, text);
    ASSERT_FALSE(antworten.Boxen.isEmpty()) << feld << text;
    EXPECT_EQ(antworten.Boxen.takeFirst().Text, QString::fromUtf8(meldung));
  }
  // A plan that cannot be made leaves the window as it was.
  fenster->hide();
  EXPECT_EQ(Zeigen(Darlehen("101")), fenster);
  EXPECT_FALSE(fenster->isVisible());
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Text,
            QStringLiteral("Ein Zahlungsplan reicht über höchstens 100 Jahre; diese Laufzeit ist länger."));
}

// "In Cent rechnen (wie die Bank)", on from the start: the plan in cents, and
// under the table the line naming where the exact plan ends, when it ends
// elsewhere; the printed plan follows. Unchecked, the exact plan.
TEST_F(Planfenster, InCentRechnen) {
  const TPlanSeite glatt =
      Seite("ZiZiE", 3, {{"ZiZiE_KFeld", "1000"}, {"ZiZiE_pFeld", "10"}, {"ZiZiE_njFeld", "2"}, {"ZiZiE_nmFeld", "0"}});
  TfmZahlungsplan* fenster = Zeigen(Darlehen("30"));
  auto* box = Kind<QCheckBox>("PlanBankrundung", fenster);
  auto* hinweis = Kind<QLabel>("PlanCentHinweis", fenster);
  const QString titel = u"In Cent rechnen (wie die Bank)"_qs;
  EXPECT_EQ(box->text().remove(u'&'), titel);
  EXPECT_EQ(box->accessibleName(), titel);
  EXPECT_TRUE(box->isChecked());
  EXPECT_TRUE(box->isVisibleTo(fenster));
  const auto zinsen = [&] { return ZahlText(fenster->Plan().Summe.Zinsen.Wert(), 18, 2).trimmed(); };
  // clang-format off
  for (const auto& [seite, an, zeile] : {
           std::tuple{Darlehen("30"), true,
                      "In Cent gerechnet endet der Plan mit der 361. Rate über 0,45 DM; die Formel der Seite mit der "
                      "360. Rate über 599,55 DM."},
           {Darlehen("30"), false, ""},
           {glatt, true, ""}}) {
    // clang-format on
    SCOPED_TRACE(testing::Message() << seite.Key.toStdString() << an);
    Zeigen(seite);
    if (box->isChecked() != an) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    const TPlanEingabe e = PlanEingabe(seite);
    EXPECT_EQ(zinsen(), ZahlText(ZahlungsplanBerechnen(e, {}, std::nullopt, an).Summe.Zinsen.Wert(), 18, 2).trimmed());
    EXPECT_EQ(hinweis->text(), QString::fromUtf8(zeile));
    EXPECT_EQ(hinweis->isVisibleTo(fenster), *zeile != 0);
    const TPlanDokument d = fenster->Dokument();
    EXPECT_EQ(d.Hinweis, QString::fromUtf8(zeile));
    EXPECT_EQ(d.Zeilen.back(), fenster->Modell()->Zeile(fenster->Modell()->rowCount() - 1));
    EXPECT_TRUE(d.Zeilen.back().contains(zinsen()));
  }
}

// "In den Vergleich": the loan with its extra repayment and follow-up rate goes into the first
// empty offer, which is computed; with all four in use nothing is overwritten.
TEST_F(Planfenster, InDenVergleich) {
  TfmZahlungsplan* fenster = Zeigen(Darlehen("10"));
  Tippen("SondertilgungFeld", "5000", fenster, Qt::Key_Return);
  Tippen("AnschlusszinsFeld", "4", fenster, Qt::Key_Return);
  TDialogBeantworter antworten;
  auto* knopf = Kind<QPushButton>("PlanVergleichen", fenster);
  knopf->click();
  auto* vergleich = fmStart->findChild<TfmFinanzierung*>(QStringLiteral("fmFinanzierung"));
  ASSERT_NE(vergleich, nullptr);
  EXPECT_TRUE(vergleich->isVisible());
  const auto text = [&](int angebot, const char* name) {
    return Kind<QLineEdit>(QStringLiteral("Angebot%1%2").arg(angebot).arg(name).toLatin1().constData(), vergleich)
        ->text()
        .trimmed();
  };
  const QString rate = ZahlText(PlanEingabe(Darlehen("10")).R.Wert(), 18, 2).trimmed();
  // clang-format off
  for (const auto& [name, erwartet] : {std::pair{"Betrag", u"100.000,00"_qs}, {"Sollzins", u"6,000"_qs},
           {"Rate", rate}, {"Zinsbindung", u"5"_qs}, {"Sondertilgung", u"5.000,00"_qs}, {"Tilgung", QString()}, {"Anschlusszins", u"4,000"_qs},
           {"Monatsrate", rate}})
    // clang-format on
    EXPECT_EQ(text(1, name), erwartet) << name;
  EXPECT_EQ(vergleich->Vergleich().Ergebnisse[0]->Plan.front().Zinsen, 50000);
  for (int mal = 0; mal < 3; ++mal) knopf->click();
  EXPECT_EQ(text(4, "Betrag"), u"100.000,00"_qs);
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  Kind<QLineEdit>("Angebot1Betrag", vergleich)->setText(u"1"_qs);
  knopf->click();
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Text, u"Alle vier Angebote sind belegt. Es wurde nichts überschrieben."_qs);
  EXPECT_EQ(text(1, "Betrag"), u"1"_qs);
}

// "Drucken": several pages in the preview, each with the header, the column
// header and "Seite x von y"; the preview prints them into the PDF file.
TEST_F(Planfenster, DruckInDieVorschauUndInsPdf) {
  const QString datei = Ordner.filePath(QStringLiteral("plan.pdf"));
  PdfDrucker(datei);
  TfmZahlungsplan* fenster = Zeigen(Darlehen("30"));
  Kind<QCheckBox>("PlanJeZahlung", fenster)->setChecked(true);
  Kind<QPushButton>("PlanDrucken", fenster)->click();
  EXPECT_TRUE(frmDruckVorschau->isVisible());
  const int seiten = P->PageCount();
  ASSERT_GT(seiten, 3);
  TDialogBeantworter antworten;
  Kind<QPushButton>("BitBtn1", frmDruckVorschau)->click();
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  const QStringList text = Pdf(datei).split(QChar(12));
  for (int s = 1; s <= seiten; ++s) {
    const QString seite = text.value(s - 1).simplified();
    EXPECT_TRUE(seite.contains(QStringLiteral("Seite %1 von %2").arg(s).arg(seiten))) << s;
    EXPECT_TRUE(seite.contains(QStringLiteral("Zahlungsplan: Annuitäten-Darlehen Wie hoch ist die Rate?"))) << s;
    EXPECT_TRUE(seite.contains(QStringLiteral("Monat Rate Zinsen Tilgung Stand"))) << s;
  }
  // The page area is named after the page it shows and reads out its text.
  for (int s : {1, 2}) {
    P->setPageNumber(s);
    EXPECT_EQ(P->accessibleName(), QStringLiteral("Druckvorschau, Seite %1 von %2").arg(s).arg(seiten));
    EXPECT_TRUE(P->accessibleDescription().contains(u"Wie hoch ist die Rate?"_qs)) << s;
  }
  P->setPageNumber(1);
  EXPECT_TRUE(text.value(0).contains(QStringLiteral("Effektiver Jahreszins:")));
  EXPECT_TRUE(text.value(seiten - 1).simplified().contains(QStringLiteral("360 599,55")));

  // The result report afterwards finds the page printer as before: one page, no footer.
  fmStart->btbtnDruckClick();
  EXPECT_EQ(P->PageCount(), 1);
  EXPECT_FALSE(P->Pages(1)->Texts().join(u' ').contains(QStringLiteral("Seite")));
}

// "Exportieren": the CSV file reads back as the table. The dialog proposes a
// fresh name from the plan and the day, numbered once that file exists; the
// box names the file written; an existing file is replaced only when the
// user says so.
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

  // An empty home folder, so that the dialog proposes its files there.
  const QByteArray heim = qgetenv("HOME");
  qputenv("HOME", Ordner.path().toUtf8());
  const QString stamm =
      Ordner.filePath(u"Kalvora-Zahlungsplan-Annuitäten-Darlehen-"_qs + QDate::currentDate().toString(Qt::ISODate));
  const QString erster = stamm + u".csv"_qs;
  QStringList vorschlaege;
  TDialogBeantworter antworten;
  antworten.Andere = Dateiwahl({erster, erster}, &vorschlaege);
  Kind<QPushButton>("PlanExportieren", fenster)->click();
  ASSERT_EQ(antworten.Boxen.size(), 1);
  EXPECT_EQ(antworten.Boxen[0].Symbol, QMessageBox::Information);
  EXPECT_EQ(antworten.Boxen[0].Text, u"Der Zahlungsplan wurde in die Datei „"_qs + erster + u"“ geschrieben."_qs);
  // The same file again, now one of the user's own: the default answer keeps
  // it, and the dialog asks again (declined here).
  f.setFileName(erster);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("alt");
  f.close();
  Kind<QPushButton>("PlanExportieren", fenster)->click();
  EXPECT_EQ(vorschlaege, (QStringList{erster, stamm + u"-2.csv"_qs, erster}));
  ASSERT_EQ(antworten.Boxen.size(), 2);
  EXPECT_TRUE(antworten.Boxen[1].Text.startsWith(u"Die Datei „"_qs + erster + u"“ gibt es schon."_qs));
  qputenv("HOME", heim);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("alt"));
}

}  // namespace
