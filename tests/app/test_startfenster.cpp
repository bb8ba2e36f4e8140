// Start-up, page states, menu, help, links and layout of the main window.
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QToolButton>

#include "Hilfe.h"
#include "test_startfenster.h"

namespace {

class TUrlFaenger : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> Urls;
  Q_INVOKABLE void Oeffnen(const QUrl& url) { Urls.append(url); }
};

}  // namespace

TEST_F(StartfensterTest, NachDemStartInfoSeiteUndAnfangszustand) {
  EXPECT_EQ(fm->windowTitle(), QStringLiteral("Kalvora 1.1.1"));
  EXPECT_EQ(fm->objectName(), QStringLiteral("fmStart"));
  EXPECT_EQ(Seiten()->currentIndex(), 0);
  EXPECT_EQ(Knopf("RechnenSchalter")->text(), QStringLiteral("&Ende"));
  EXPECT_TRUE(Knopf("RechnenSchalter")->isEnabled());
  EXPECT_FALSE(Knopf("btbtnDruck")->isEnabled());
  EXPECT_EQ(Seiten()->tabBar()->focusPolicy(), Qt::NoFocus);
  for (const char* k : {"RechnenSchalter", "FormelSchalter", "btbtnDruck", "HilfeSchalter"})
    EXPECT_EQ(Knopf(k)->focusPolicy(), Qt::NoFocus) << k;

  const QList<std::pair<const char*, int>> gesucht{{"Gesucht1", 3},    {"ZiZiE_Gesucht", 3}, {"ZiZiR_Gesucht", 2},
                                                    {"BW_Gesucht", 2},  {"AnnD_Gesucht", 3},  {"MWST_Gesucht", 1},
                                                    {"Akt_Gesucht", 1}, {"ZiZiR_Zahlungsweise", 0},
                                                    {"BW_Zahlungsweise", 0}, {"AnnD_Zahlungsweise", 0}};
  for (const auto& [liste, index] : gesucht) EXPECT_EQ(W<QComboBox>(liste)->currentIndex(), index) << liste;

  // Shipped fees as the default texts, results empty and aqua.
  EXPECT_EQ(Text("Akt_MindGeb"), QStringLiteral("0,00"));
  EXPECT_EQ(Text("Akt_GrundGeb"), QStringLiteral("20,00"));
  EXPECT_EQ(Text("Akt_Geb"), QStringLiteral("0,450"));
  EXPECT_EQ(Text("Akt_MaklerGeb"), QStringLiteral("0,08"));
  for (const char* f : {"Akt_ErgStueck", "Akt_ErgKurs", "Akt_ErgKW", "Akt_ErgMakGeb", "Akt_ErgBankGeb",
                        "Akt_ErgGesamt", "Akt_ErgGewinn"}) {
    EXPECT_TRUE(Text(f).isEmpty()) << f;
    EXPECT_EQ(Farbe(f), Aqua) << f;
    EXPECT_EQ(W(f)->focusPolicy(), Qt::NoFocus) << f;
  }
  for (const char* f : {"KFeld", "ZiZiR_RFeld", "AnnD_KnmFeld", "MWST_brutto", "Akt_Kurs", "Deutschland", "Euro"})
    EXPECT_TRUE(Text(f).isEmpty()) << f;

  const QList<QLabel*> labels = fm->Waehrungslabels();
  ASSERT_EQ(labels.size(), 17);
  for (QLabel* l : labels) EXPECT_EQ(l->text(), QStringLiteral("DM")) << l->objectName().toStdString();
  EXPECT_EQ(W<QLabel>(QStringLiteral("Akt_KursLabel"))->buddy(), W(QStringLiteral("Akt_Kurs")));
}

TEST_F(StartfensterTest, KnoepfeFolgenDerSeite) {
  struct Zeile {
    int seite;
    const char* rechnen;
    bool rechnenAn, formelAn, druckAn;
  };
  const Zeile tabelle[] = {
      {1, "&Rechnen", true, true, true}, {2, "&Rechnen", true, true, true}, {3, "&Rechnen", true, true, true},
      {4, "&Rechnen", true, true, true}, {5, "&Rechnen", true, true, true}, {6, "&Rechnen", true, true, true},
      {7, "&Rechnen", true, true, true}, {8, "&Rechnen", false, true, true}, {0, "&Ende", true, false, false},
      {8, "&Rechnen", false, true, true}, {3, "&Rechnen", true, true, true},
  };
  for (const Zeile& z : tabelle) {
    Seite(z.seite);
    SCOPED_TRACE(z.seite);
    EXPECT_EQ(Knopf("RechnenSchalter")->text(), QString::fromUtf8(z.rechnen));
    EXPECT_EQ(Knopf("RechnenSchalter")->isEnabled(), z.rechnenAn);
    EXPECT_EQ(Knopf("FormelSchalter")->isEnabled(), z.formelAn);
    EXPECT_EQ(Knopf("btbtnDruck")->isEnabled(), z.druckAn);
    if (z.seite != 0) {
      EXPECT_EQ(Knopf("FormelSchalter")->text(), QStringLiteral("&Formel"));
      EXPECT_FALSE(Knopf("FormelSchalter")->icon().isNull());
    }
  }
}

TEST_F(StartfensterTest, InfoMenueNurAusserhalbDerInfoSeite) {
  auto* menue = W<QMenu>(QStringLiteral("Hilfe1"));
  auto* info = W<QAction>(QStringLiteral("Info1"));
  emit menue->aboutToShow();
  EXPECT_FALSE(info->isEnabled());
  Seite(8);
  emit menue->aboutToShow();
  EXPECT_TRUE(info->isEnabled());

  // From the euro page, "Info" leaves an enabled "Ende".
  info->trigger();
  EXPECT_EQ(Seiten()->currentIndex(), 0);
  EXPECT_EQ(Knopf("RechnenSchalter")->text(), QStringLiteral("&Ende"));
  EXPECT_TRUE(Knopf("RechnenSchalter")->isEnabled());
  EXPECT_FALSE(Knopf("btbtnDruck")->isEnabled());
}

TEST_F(StartfensterTest, EndeSchliesstDasFenster) {
  qApp->setQuitOnLastWindowClosed(false);
  Knopf("RechnenSchalter")->click();
  EXPECT_FALSE(fm->isVisible());
  qApp->setQuitOnLastWindowClosed(true);
}

TEST_F(StartfensterTest, HilfeKontexte) {
  Knopf("HilfeSchalter")->click();
  ASSERT_NE(Hilfefenster(), nullptr);
  EXPECT_EQ(Hilfefenster()->Kontext(), 10);

  // Help button by page, F1 in a field by the field's own context.
  Seite(2);
  Knopf("HilfeSchalter")->click();
  EXPECT_EQ(Hilfefenster()->Kontext(), 30);
  fm->activateWindow();
  W(QStringLiteral("ZiZiE_KFeld"))->setFocus();
  QTest::keyClick(W(QStringLiteral("ZiZiE_KFeld")), Qt::Key_F1);
  EXPECT_EQ(Hilfefenster()->Kontext(), 20);

  Seite(4);
  QTest::keyClick(W<QComboBox>(QStringLiteral("BW_Zahlungsweise")), Qt::Key_F1);
  EXPECT_EQ(Hilfefenster()->Kontext(), 40);

  W<QToolButton>(QStringLiteral("SpeedButton1"))->click();
  EXPECT_EQ(Hilfefenster()->Kontext(), 100);
  W<QAction>(QStringLiteral("Hilfe2"))->trigger();
  EXPECT_EQ(Hilfefenster()->Kontext(), 0);
  Hilfefenster()->close();
}

TEST_F(StartfensterTest, LinksWerdenRotUndOeffnen) {
  TUrlFaenger faenger;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &faenger, "Oeffnen");
  QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &faenger, "Oeffnen");
  auto* web = W<QLabel>(QStringLiteral("Label97"));
  auto* mail = W<QLabel>(QStringLiteral("Label98"));
  EXPECT_EQ(web->palette().color(QPalette::WindowText), QColor(Qt::blue));

  QTest::mouseClick(mail, Qt::LeftButton);
  EXPECT_EQ(mail->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(web->palette().color(QPalette::WindowText), QColor(Qt::blue));
  QTest::mouseClick(web, Qt::LeftButton);
  EXPECT_EQ(web->palette().color(QPalette::WindowText), QColor(Qt::red));

  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  ASSERT_EQ(faenger.Urls.size(), 2);
  EXPECT_EQ(faenger.Urls[0].scheme(), QStringLiteral("mailto"));
  EXPECT_EQ(faenger.Urls[0].path(), mail->text());
  EXPECT_EQ(faenger.Urls[1], QUrl(web->text()));
}

TEST_F(StartfensterTest, GroesseresFensterHaeltSeitenUndKnoepfeMittig) {
  fm->resize(1100, 900);
  Warten(50);
  QWidget* flaeche = fm->centralWidget();
  QTabWidget* seiten = Seiten();
  const QRect r(seiten->mapTo(flaeche, QPoint(0, 0)), seiten->size());
  EXPECT_LE(std::abs(r.left() - (flaeche->width() - r.right() - 1)), 2);

  QList<QRect> knoepfe;
  for (const char* n : {"RechnenSchalter", "FormelSchalter", "btbtnDruck", "HilfeSchalter"})
    knoepfe.append(QRect(Knopf(n)->mapTo(flaeche, QPoint(0, 0)), Knopf(n)->size()));
  for (const QRect& k : knoepfe) EXPECT_EQ(k.top(), r.bottom() + 1 + 5);
  // Even gaps: before the first button and between all of them.
  const int luecke = knoepfe[0].left() - r.left();
  EXPECT_GT(luecke, 0);
  for (int i = 1; i < 4; ++i) EXPECT_LE(std::abs(knoepfe[i].left() - knoepfe[i - 1].right() - 1 - luecke), 2);
  // The block is centred vertically as well.
  const int oben = r.top();
  const int unten = flaeche->height() - knoepfe[0].bottom() - 1;
  EXPECT_LE(std::abs(oben - unten), 2);
}

#include "test_startfenster.moc"
