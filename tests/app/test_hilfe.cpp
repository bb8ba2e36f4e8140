#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "app/Anwendung.h"
#include "app/Hilfe.h"

namespace {

class Hilfe : public ::testing::Test {
 protected:
  void SetUp() override { qobject_cast<TAnwendung*>(qApp)->FensterErzeugen(); }
  void TearDown() override { qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren(); }
};

QStringList Verweise(const QString& datei) {
  QFile f(QStringLiteral(":/hilfe/") + datei);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QString html = QString::fromUtf8(f.readAll());
  QStringList ziele;
  static const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
  for (auto it = href.globalMatch(html); it.hasNext();) ziele << it.next().captured(1);
  return ziele;
}

TEST_F(Hilfe, JederKontextHatSeinThema) {
  // Each topic serves the help button of one page and F1 in the fields of the
  // next page, so it names both.
  // clang-format off
  const struct { int Kontext; QStringList Begriffe; } faelle[] = {
      {0, {"Inhalt", "Annuitäten-Darlehen"}},        {10, {"Rechnen", "ohne Gewähr"}},
      {20, {"Einfache Zinsrechnung", "Zinseszins Einmalzahlung"}}, {30, {"Zinseszins Einmalzahlung", "Zahlungsweise"}},
      {40, {"Zinseszins Ratenzahlung", "Barwert/Kapital"}}, {50, {"Barwert-/ Rentenrechnung", "Laufzeit"}},
      {60, {"Annuitäten-Darlehen", "Restschuld"}},      {70, {"Mehrwertsteuer", "Bruttobetrag"}},
      {80, {"Aktien", "Gewinnschwelle"}},               {90, {"Euro", "1,95583"}},
      {100, {"Ordalin"}},                               {110, {"Zahlungsplan", "Sondertilgung"}},
      {120, {"Finanzierungen vergleichen", "Effektivzins"}},
  };
  // clang-format on
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.Kontext);
    HilfeZeigen(fall.Kontext);
    ASSERT_NE(Hilfefenster(), nullptr);
    EXPECT_EQ(Hilfefenster()->Kontext(), fall.Kontext);
    for (const QString& b : fall.Begriffe)
      EXPECT_TRUE(Hilfefenster()->Browser()->toPlainText().contains(b)) << b.toStdString();
  }
  // An unknown context shows the contents.
  for (int k : {-1, 25, 130}) {
    HilfeZeigen(k);
    EXPECT_EQ(Hilfefenster()->Browser()->source(), THilfeFenster::ThemaUrl(0)) << k;
  }
}

// One window, not modal, that goes with the main window; links and the
// contents button carry the context along; Escape closes it.
TEST_F(Hilfe, EinFensterNichtModalMitKontext) {
  HilfeZeigen(20);
  THilfeFenster* h = Hilfefenster();
  HilfeZeigen(100);
  EXPECT_EQ(Hilfefenster(), h);
  EXPECT_TRUE(h->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  h->Browser()->setSource(THilfeFenster::ThemaUrl(80));
  EXPECT_EQ(h->Kontext(), 80);
  h->findChild<QPushButton*>(QStringLiteral("ZurueckSchalter"))->click();
  EXPECT_EQ(h->Kontext(), 100);
  h->findChild<QPushButton*>(QStringLiteral("InhaltSchalter"))->click();
  EXPECT_EQ(h->Kontext(), 0);
  EXPECT_TRUE(QTest::qWaitForWindowActive(h));
  QTest::keyClick(h, Qt::Key_Escape);
  EXPECT_FALSE(h->isVisible());
  qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
  EXPECT_EQ(Hilfefenster(), nullptr);
  qobject_cast<TAnwendung*>(qApp)->FensterErzeugen();
}

TEST_F(Hilfe, InhaltVerweistAufAlleThemenUndKeinVerweisIstTot) {
  QSet<QString> vomInhalt;
  for (const QString& z : Verweise(QStringLiteral("inhalt.html"))) vomInhalt.insert(z);
  for (int k = 0; k <= 120; k += 10) {
    const QString datei = THilfeFenster::ThemaUrl(k).fileName();
    EXPECT_TRUE(k == 0 || vomInhalt.contains(datei)) << k;
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/hilfe/") + datei)) << datei.toStdString();
    for (const QString& z : Verweise(datei))
      EXPECT_TRUE(z.isEmpty() || QFile::exists(":/hilfe/" + z)) << datei.toStdString() << " -> " << z.toStdString();
  }
}

}  // namespace
