// The comparison of loan offers through the main window's menu: typed offers
// against the worked example, the best values, refusals, the file, the
// printout and the CSV export.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include "app/Hilfe.h"
#include "common/Dialoghelfer.h"
#include "finanzierung/Finanzierungsfenster.h"
#include "finanzierung/VergleichGrafik.h"
#include "plan/PlanTabelle.h"
#include "plan/Zahlungsplanfenster.h"
#include "report/Hauptfenster.h"
#include "settings/uEinstellungen.h"

namespace {

class Vergleichsfenster : public Hauptfenster {
 protected:
  void SetUp() override {
    Hauptfenster::SetUp();
    // Created on first use, not with the program.
    ASSERT_EQ(fmStart->findChild<TfmFinanzierung*>(), nullptr);
    Kind<QAction>("FinanzierungAktion")->trigger();
    F = fmStart->findChild<TfmFinanzierung*>(QStringLiteral("fmFinanzierung"));
    ASSERT_NE(F, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(F));
    EXPECT_EQ(F->focusWidget(), Feld(1, "Name"));
  }
  QLineEdit* Feld(int angebot, const char* name) const {
    return Kind<QLineEdit>(QStringLiteral("Angebot%1%2").arg(angebot).arg(name).toLatin1().constData(), F);
  }
  QString Text(int angebot, const char* name) const { return Feld(angebot, name)->text(); }
  // Types the offer's fields in turn, each left with Tab.
  void Eingeben(int angebot, std::initializer_list<std::pair<const char*, const char*>> felder) {
    // A box gives the activation back late; focus changes need the active window.
    F->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(F));
    for (const auto& [name, text] : felder) {
      Eintippen(Feld(angebot, name), QString::fromUtf8(text));
      QTest::keyClick(Feld(angebot, name), Qt::Key_Tab);
      Warten(10);
    }
  }
  void Beispiel(int angebot, const char* name = "Hausbank") {
    Eingeben(angebot,
             {{"Name", name}, {"Betrag", "200000"}, {"Sollzins", "2"}, {"Tilgung", "3"}, {"Zinsbindung", "10"}});
  }
  TfmFinanzierung* F = nullptr;
};

// The worked example: typed offer by offer, its results fill as its fields
// are left; an offer missing inputs shows "–"; F1 opens the help, Escape
// closes the window.
TEST_F(Vergleichsfenster, BeispielAusDemMenue) {
  EXPECT_EQ(F->windowTitle(), QStringLiteral("Finanzierungen vergleichen"));
  Beispiel(1);
  // clang-format off
  const std::pair<const char*, const char*> erwartet[] = {
      {"Monatsrate", "833,33"}, {"AnfTilgung", "3,00 %"}, {"ZinsenBindung", "33.640,27"},
      {"Restschuld", "133.640,67"}, {"Volltilgung", "25 Jahre, 7 Monate"}, {"Gesamtzinsen", "55.626,11"},
      {"Effektivzins", "2,02 %"}};
  // clang-format on
  for (const auto& [name, text] : erwartet) {
    EXPECT_EQ(Text(1, name), QString::fromUtf8(text)) << name;
    EXPECT_EQ(Text(2, name), QStringLiteral("–")) << name;
    EXPECT_TRUE(Feld(1, name)->isReadOnly());
  }
  EXPECT_EQ(Text(1, "Betrag"), QStringLiteral("200.000,00 "));
  EXPECT_EQ(Feld(1, "Betrag")->accessibleName(), QStringLiteral("Angebot 1: Betrag in DM"));
  EXPECT_EQ(Feld(3, "Sollzins")->accessibleName(), QStringLiteral("Angebot 3: Sollzins in %"));
  ASSERT_EQ(Kind<TVergleichGrafik>("VergleichGrafik", F)->Daten().Linien.size(), 1);
  EXPECT_EQ(Kind<TVergleichGrafik>("VergleichGrafik", F)->Daten().Linien[0].Name, QStringLiteral("Hausbank"));
  QTest::keyClick(Feld(2, "Name"), Qt::Key_F1);
  ASSERT_NE(Hilfefenster(), nullptr);
  EXPECT_EQ(Hilfefenster()->Kontext(), HilfeFinanzierung);
  // Both are windows of their own to a screen reader; the chart is told in words.
  for (QWidget* fenster : {static_cast<QWidget*>(F), static_cast<QWidget*>(Hilfefenster())})
    EXPECT_EQ(QAccessible::queryAccessibleInterface(fenster)->role(), QAccessible::Window)
        << fenster->objectName().toStdString();
  // Every stop of the Tab walk has a name of its own, without a colon.
  QSet<QString> namen;
  for (QWidget* w : F->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(F) || !(w->focusPolicy() & Qt::TabFocus)) continue;
    const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    EXPECT_FALSE(name.isEmpty() || name.endsWith(u':') || namen.contains(name))
        << w->objectName().toStdString() << " " << w->metaObject()->className() << " " << name.toStdString();
    namen.insert(name);
  }
  EXPECT_TRUE(Kind<TVergleichGrafik>("VergleichGrafik", F)
                  ->accessibleDescription()
                  .startsWith(u"Restschuld im Lauf der Jahre: Hausbank von 200.000,00 DM auf "_qs));
  // A currency symbol changed in the settings shows when the window is called up again.
  const QString waehrung = Einstellungswerte.Waehrungszeichen;
  Einstellungswerte.Waehrungszeichen = QStringLiteral("EUR");
  Kind<QAction>("FinanzierungAktion")->trigger();
  Einstellungswerte.Waehrungszeichen = waehrung;
  EXPECT_EQ(Feld(1, "Betrag")->accessibleName(), QStringLiteral("Angebot 1: Betrag in EUR"));
  ASSERT_TRUE(QTest::qWaitForWindowActive(F));
  QTest::keyClick(Feld(2, "Name"), Qt::Key_Escape);
  EXPECT_FALSE(F->isVisible());
}

// The best value of a row in bold; rows where the offers agree name none.
// Unreadable texts get the rule's box, refused offers the arithmetic's.
TEST_F(Vergleichsfenster, BesteFettUndAbgelehnteEingaben) {
  Beispiel(1);
  Beispiel(2, "Direktbank");
  Eingeben(2, {{"Anschlusszins", "4"}, {"Kosten", "1000"}});
  const auto fett = [&](int angebot, const char* name) { return Feld(angebot, name)->font().bold(); };
  EXPECT_EQ(Text(2, "Volltilgung"), QStringLiteral("29 Jahre, 2 Monate"));
  for (const char* name : {"Volltilgung", "Gesamtzinsen", "Effektivzins"}) {
    EXPECT_TRUE(fett(1, name)) << name;
    EXPECT_FALSE(fett(2, name)) << name;
  }
  for (const char* name : {"Monatsrate", "ZinsenBindung", "Restschuld"}) EXPECT_FALSE(fett(1, name)) << name;

  TDialogBeantworter antworten;
  // clang-format off
  for (const auto& [name, text, meldung, vorher] : {
           std::tuple{"Sollzins", "abc", "\"abc\" ist ein ungültiger Wert.", "2"},
           {"Kosten", "250000", "Die Kosten müssen unter dem Betrag liegen.", "1000"}}) {
    // clang-format on
    SCOPED_TRACE(name);
    Eingeben(2, {{name, text}});
    Warten(30);
    ASSERT_EQ(antworten.Boxen.size(), 1);
    EXPECT_EQ(antworten.Boxen.takeFirst().Text, QString::fromUtf8(meldung));
    EXPECT_EQ(Text(2, "Monatsrate"), QStringLiteral("–"));
    EXPECT_FALSE(fett(1, "Volltilgung"));
    Eingeben(2, {{name, vorher}});
    EXPECT_TRUE(fett(1, "Volltilgung"));
  }
}

// Saved and opened again the inputs come back; a damaged, foreign or newer
// file is refused with a message and leaves the window as it was.
TEST_F(Vergleichsfenster, DateiHinUndZurueck) {
  Beispiel(1);
  Eingeben(3, {{"Name", "Bank; \"Sued\""},
               {"Betrag", "150000"},
               {"Sollzins", "3,5"},
               {"Rate", "700"},
               {"Zinsbindung", "15"},
               {"Sondertilgung", "5000"}});
  const QString datei = Ordner.filePath(QStringLiteral("vergleich.json"));
  ASSERT_TRUE(F->Speichern(datei));
  const QString rate = Text(3, "Monatsrate"), name = Text(3, "Name");
  Eingeben(1, {{"Betrag", "100000"}});
  Eingeben(3, {{"Name", ""}, {"Rate", ""}});
  ASSERT_TRUE(F->Oeffnen(datei));
  EXPECT_EQ(Text(1, "Monatsrate"), QStringLiteral("833,33"));
  EXPECT_EQ(Text(3, "Name"), name);
  EXPECT_EQ(Text(3, "Monatsrate"), rate);
  EXPECT_EQ(Text(3, "Rate"), QStringLiteral("700,00 "));

  TDialogBeantworter antworten;
  const QString kaputt = Ordner.filePath(QStringLiteral("kaputt.json"));
  // clang-format off
  for (const auto& [inhalt, grund] : {
           std::pair{R"({"format": "kalvora-vergleich", "version": 1, "angebote": [{"Betrag": "1)", "beschädigt"},
           {R"({"format": "tabelle", "version": 1, "angebote": []})", "beschädigt"},
           {R"({"format": "kalvora-vergleich", "version": 2, "angebote": []})", "neueren Version"},
           {R"({"format": "kalvora-vergleich", "version": 1, "angebote": [{"Betrag": 5}]})", "beschädigt"},
           {R"({"format": "kalvora-vergleich", "version": 1, "angebote": [{"Sollzins": "zwei"}]})", "beschädigt"}}) {
    // clang-format on
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    f.close();
    EXPECT_FALSE(F->Oeffnen(kaputt)) << inhalt;
    ASSERT_EQ(antworten.Boxen.size(), 1) << inhalt;
    EXPECT_TRUE(antworten.Boxen.takeFirst().Text.contains(QString::fromUtf8(grund))) << inhalt;
    EXPECT_EQ(Text(1, "Monatsrate"), QStringLiteral("833,33"));
    EXPECT_EQ(Text(3, "Name"), name);
  }
}

// An offer's "Plan" shows its months with the figures of its column, an
// extra repayment as a row of its own; an offer missing inputs has none.
TEST_F(Vergleichsfenster, PlanDesAngebots) {
  Beispiel(1);
  auto* knopf = Kind<QPushButton>("Angebot2Plan", F);
  EXPECT_FALSE(knopf->isEnabled());
  EXPECT_EQ(knopf->accessibleName(), QStringLiteral("Angebot 2: Zahlungsplan"));
  Beispiel(2, "Direktbank");
  Eingeben(2, {{"Sondertilgung", "5000"}});
  ASSERT_TRUE(knopf->isEnabled());
  for (int angebot : {1, 2}) {
    SCOPED_TRACE(angebot);
    Kind<QPushButton>(QStringLiteral("Angebot%1Plan").arg(angebot).toLatin1().constData(), F)->click();
    auto* plan = fmStart->findChild<TfmZahlungsplan*>(QStringLiteral("fmZahlungsplan"));
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(plan->isVisible());
    EXPECT_EQ(plan->windowTitle(), QStringLiteral("Zahlungsplan: ") + Text(angebot, "Name"));
    EXPECT_FALSE(Kind<QWidget>("PlanVergleichen", plan)->isVisibleTo(plan));
    EXPECT_FALSE(Kind<QWidget>("DarlehenGruppe", plan)->isVisibleTo(plan));
    Kind<QCheckBox>("PlanJeZahlung", plan)->setChecked(true);
    const TPlanModell* modell = plan->Modell();
    EXPECT_EQ(modell->Zeile(modell->rowCount() - 1).value(2), Text(angebot, "Gesamtzinsen"));
    Ext zinsen;
    for (const TPlanZeile& z : plan->Plan().JeZahlung)
      if (z.Art == TPlanZeile::zaZahlung && z.Nummer <= 120) zinsen = zinsen + z.Zinsen;
    EXPECT_EQ(ZahlText(zinsen.Wert(), 18, 2).trimmed(), Text(angebot, "ZinsenBindung"));
    const std::vector<TPlanZeile>& zeilen = plan->Plan().JeZahlung;
    auto monat = std::ranges::find_if(zeilen, [](const TPlanZeile& z) { return z.Nummer == 120; }) - zeilen.begin();
    // The balance after the fixed-rate period is that after its extra repayment.
    const bool sonder = zeilen[static_cast<size_t>(monat) + 1].Art == TPlanZeile::zaSondertilgung;
    EXPECT_EQ(sonder, angebot == 2);
    monat += sonder;
    EXPECT_EQ(modell->Zeile(static_cast<int>(monat)).value(4), Text(angebot, "Restschuld"));
  }
}

// "Drucken" puts the table and the chart into the preview, which prints
// them; "Exportieren" writes the same figures as CSV.
TEST_F(Vergleichsfenster, DruckUndCsv) {
  Beispiel(1);
  Beispiel(2, "Direktbank");
  Eingeben(2, {{"Anschlusszins", "4"}});
  const QString pdf = Ordner.filePath(QStringLiteral("vergleich.pdf"));
  PdfDrucker(pdf);
  Kind<QPushButton>("VergleichDrucken", F)->click();
  EXPECT_TRUE(frmDruckVorschau->isVisible());
  TDialogBeantworter antworten;
  Kind<QPushButton>("BitBtn1", frmDruckVorschau)->click();
  EXPECT_TRUE(antworten.Boxen.isEmpty());
  const QString text = Pdf(pdf).simplified();
  for (const char* teil :
       {"Finanzierungen vergleichen", "Hausbank Direktbank Angebot 3 Angebot 4", "Monatsrate (DM) 833,33 833,33",
        "25 Jahre, 7 Monate *", "Restschuld im Lauf der Jahre", "Seite 1 von"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(teil))) << teil << "\n" << text.toStdString();

  const QString csv = Ordner.filePath(QStringLiteral("vergleich.csv"));
  QStringList vorschlaege;
  antworten.Andere = Dateiwahl({csv}, &vorschlaege);
  Kind<QPushButton>("VergleichExportieren", F)->click();
  ASSERT_EQ(vorschlaege.size(), 1);
  EXPECT_FALSE(QFileInfo::exists(vorschlaege[0]));
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QStringList zeilen = QString::fromUtf8(f.readAll().mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(zeilen.size(), TfmFinanzierung::Zeilen);
  EXPECT_EQ(zeilen[0], QStringLiteral("Angebot;Hausbank;Direktbank;Angebot 3;Angebot 4"));
  EXPECT_TRUE(zeilen.contains(QStringLiteral("Darlehensbetrag (DM);200000,00;200000,00;;")));
  EXPECT_TRUE(zeilen.contains(QStringLiteral("Restschuld nach der Zinsbindung (DM);133640,67;133640,67;–;–")));
  EXPECT_TRUE(zeilen.contains(QStringLiteral("Effektiver Jahreszins (%);2,02;2,02;–;–")));
}

}  // namespace
