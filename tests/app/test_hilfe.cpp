#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <QTextBrowser>

#include "Anwendung.h"
#include "Dialoghelfer.h"
#include "Hilfe.h"

namespace {

const int Kontexte[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

class Hilfe : public ::testing::Test {
 protected:
  void SetUp() override { qobject_cast<TAnwendung*>(qApp)->FensterErzeugen(); }
  void TearDown() override { qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren(); }
};

QString Text() { return Hilfefenster()->Browser()->toPlainText(); }

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
  const struct {
    int Kontext;
    QStringList Begriffe;
  } faelle[] = {
      {0, {"Inhalt", "Annuitäten-Darlehen", "Euro"}},
      {10, {"Rechnen", "Formel", "Drucken", "Einstellungen", "ohne Gewähr"}},
      {20, {"Einfache Zinsrechnung", "Anfangskapital", "Endkapital", "Zinseszins Einmalzahlung"}},
      {30, {"Zinseszins Einmalzahlung", "Rate", "Zahlungsweise", "vierteljährlich"}},
      {40, {"Zinseszins Ratenzahlung", "Barwert/Kapital", "Rente"}},
      {50, {"Barwert-/ Rentenrechnung", "Laufzeit"}},
      {60, {"Annuitäten-Darlehen", "Restschuld", "AnnD-Rate", "Tilgung"}},
      {70, {"Mehrwertsteuer", "Nettobetrag", "Bruttobetrag"}},
      {80, {"Aktien", "Maklergebühr", "Mindestgebühr", "Gewinnschwelle"}},
      {90, {"Euro", "1,95583", "1.936,27"}},
      {100, {"Ordalin"}},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.Kontext);
    HilfeZeigen(fall.Kontext);
    ASSERT_NE(Hilfefenster(), nullptr);
    EXPECT_EQ(Hilfefenster()->Kontext(), fall.Kontext);
    for (const QString& b : fall.Begriffe) EXPECT_TRUE(Text().contains(b)) << b.toStdString();
  }
}

TEST_F(Hilfe, UnbekannterKontextZeigtDenInhalt) {
  HilfeZeigen(30);
  for (int k : {-1, 5, 25, 110, 1000}) {
    HilfeZeigen(k);
    EXPECT_EQ(Hilfefenster()->Kontext(), 0) << k;
    EXPECT_EQ(Hilfefenster()->Browser()->source(), THilfeFenster::ThemaUrl(0)) << k;
  }
}

TEST_F(Hilfe, EinFensterNichtModal) {
  HilfeZeigen(20);
  THilfeFenster* erstes = Hilfefenster();
  HilfeZeigen(60);
  EXPECT_EQ(Hilfefenster(), erstes);
  EXPECT_TRUE(erstes->isVisible());
  EXPECT_TRUE(erstes->isWindow());
  EXPECT_FALSE(erstes->isModal());
  EXPECT_EQ(erstes->windowTitle(), QStringLiteral("Kalvora – Hilfe"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(erstes->Kontext(), 60);
  EXPECT_EQ(erstes->findChildren<QTextBrowser*>().size(), 1);
}

TEST_F(Hilfe, VerschwindetMitDemHauptfenster) {
  HilfeZeigen(10);
  ASSERT_NE(Hilfefenster(), nullptr);
  qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
  EXPECT_EQ(Hilfefenster(), nullptr);
  qobject_cast<TAnwendung*>(qApp)->FensterErzeugen();
  HilfeZeigen(70);
  ASSERT_NE(Hilfefenster(), nullptr);
  EXPECT_EQ(Hilfefenster()->Kontext(), 70);
}

TEST_F(Hilfe, InhaltVerweistAufAlleThemenUndKeinVerweisIstTot) {
  QSet<QString> vomInhalt;
  for (const QString& z : Verweise(QStringLiteral("inhalt.html"))) vomInhalt.insert(z);
  for (int k : Kontexte) EXPECT_TRUE(vomInhalt.contains(THilfeFenster::ThemaUrl(k).fileName())) << k;

  for (int k : {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}) {
    const QString datei = THilfeFenster::ThemaUrl(k).fileName();
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/hilfe/") + datei)) << datei.toStdString();
    for (const QString& z : Verweise(datei)) {
      if (z.isEmpty()) continue;
      EXPECT_TRUE(QFile::exists(QStringLiteral(":/hilfe/") + z)) << datei.toStdString() << " -> " << z.toStdString();
    }
  }
}

TEST_F(Hilfe, VerweiseUndInhaltSchalterFuehrenDenKontextMit) {
  HilfeZeigen(100);
  THilfeFenster* h = Hilfefenster();
  h->Browser()->setSource(THilfeFenster::ThemaUrl(80));
  EXPECT_EQ(h->Kontext(), 80);
  EXPECT_TRUE(Text().contains(QStringLiteral("Gewinnschwelle")));
  h->findChild<QPushButton*>(QStringLiteral("ZurueckSchalter"))->click();
  EXPECT_EQ(h->Kontext(), 100);
  h->findChild<QPushButton*>(QStringLiteral("InhaltSchalter"))->click();
  EXPECT_EQ(h->Kontext(), 0);
}

TEST_F(Hilfe, F1ImFeldOeffnetDessenKontext) {
  QWidget fenster;
  auto* a = new QLineEdit(&fenster);
  auto* b = new QLineEdit(&fenster);
  b->move(0, 40);
  HilfeKontextSetzen(a, 20);
  HilfeKontextSetzen(b, 30);
  HilfeKontextSetzen(b, 40);  // a second call replaces the context
  fenster.show();
  a->setFocus();
  QTest::keyClick(a, Qt::Key_F1);
  ASSERT_NE(Hilfefenster(), nullptr);
  EXPECT_EQ(Hilfefenster()->Kontext(), 20);
  QTest::keyClick(b, Qt::Key_F1);
  EXPECT_EQ(Hilfefenster()->Kontext(), 40);
  // Other keys go on to the field.
  QTest::keyClicks(b, QStringLiteral("12"));
  EXPECT_EQ(b->text(), QStringLiteral("12"));
}

TEST(Bilder, SvgSindGueltigUndRichtigBemessen) {
  const struct {
    const char* Pfad;
    QSize Groesse;
  } bilder[] = {
      {":/bilder/kalvora.svg", {250, 220}},  {":/icons/kalvora.svg", {64, 64}},
      {":/glyphen/rechnen.svg", {16, 16}},   {":/glyphen/formel.svg", {16, 16}},
      {":/glyphen/drucken.svg", {16, 16}},   {":/glyphen/info.svg", {16, 16}},
  };
  for (const auto& b : bilder) {
    QSvgRenderer r{QString::fromLatin1(b.Pfad)};
    EXPECT_TRUE(r.isValid()) << b.Pfad;
    EXPECT_EQ(r.defaultSize(), b.Groesse) << b.Pfad;
  }
}

}  // namespace
