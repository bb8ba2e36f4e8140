// Page states, menu, help and the end of the main window.
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QRegion>
#include <QTabBar>

#include "app/Anwendung.h"
#include "app/Hilfe.h"
#include "app/Seitenreiter.h"
#include "formula/uFormel.h"
#include "settings/uEinstellungen.h"
#include "test_startfenster.h"

TEST_F(StartfensterTest, KnoepfeFolgenDerSeite) {
  const struct {
    int Seite;
    const char* Rechnen;
    bool RechnenAn, FormelUndDruckAn;
  } tabelle[] = {
      {1, "&Rechnen", true, true}, {2, "&Rechnen", true, true},  {3, "&Rechnen", true, true},
      {4, "&Rechnen", true, true}, {5, "&Rechnen", true, true},  {6, "&Rechnen", true, true},
      {7, "&Rechnen", true, true}, {8, "&Rechnen", false, true}, {0, "&Ende", true, false},
      {8, "&Rechnen", false, true}, {3, "&Rechnen", true, true},
  };
  for (const auto& z : tabelle) {
    Seite(z.Seite);
    SCOPED_TRACE(z.Seite);
    EXPECT_EQ(Knopf("RechnenSchalter")->text(), QString::fromUtf8(z.Rechnen));
    EXPECT_EQ(Knopf("RechnenSchalter")->isEnabled(), z.RechnenAn);
    EXPECT_EQ(Knopf("FormelSchalter")->isEnabled(), z.FormelUndDruckAn);
    EXPECT_EQ(Knopf("btbtnDruck")->isEnabled(), z.FormelUndDruckAn);
  }
}

TEST_F(StartfensterTest, InfoMenueNurAusserhalbDerInfoSeite) {
  auto* menue = W<QMenu>(QStringLiteral("Hilfe1"));
  auto* info = W<QAction>(QStringLiteral("Info1"));
  emit menue->aboutToShow();
  EXPECT_FALSE(info->isEnabled());
  Seite(8);
  emit menue->aboutToShow();
  ASSERT_TRUE(info->isEnabled());
  info->trigger();  // from the euro page "Info" leaves an enabled "Ende"
  EXPECT_EQ(Seiten()->currentIndex(), 0);
  EXPECT_EQ(Knopf("RechnenSchalter")->text(), QStringLiteral("&Ende"));
  EXPECT_TRUE(Knopf("RechnenSchalter")->isEnabled());
}

TEST_F(StartfensterTest, EndeSchliesstDasFenster) {
  qApp->setQuitOnLastWindowClosed(false);
  Knopf("RechnenSchalter")->click();
  EXPECT_FALSE(fm->isVisible());
  qApp->setQuitOnLastWindowClosed(true);
}

TEST_F(StartfensterTest, HilfeNachSeiteOderFeld) {
  const struct {
    int Seite;
    const char* Feld;  // nullptr: the help button
    int Kontext;
  } tabelle[] = {{0, nullptr, 10}, {2, nullptr, 30}, {2, "ZiZiE_KFeld", 20}, {4, "BW_Zahlungsweise", 40}};
  for (const auto& z : tabelle) {
    Seite(z.Seite);
    if (z.Feld) {
      fm->activateWindow();
      QWidget* feld = W<QWidget>(QString::fromLatin1(z.Feld));
      feld->setFocus();
      QTest::keyClick(feld, Qt::Key_F1);
    } else {
      Knopf("HilfeSchalter")->click();
    }
    ASSERT_NE(Hilfefenster(), nullptr);
    EXPECT_EQ(Hilfefenster()->Kontext(), z.Kontext) << z.Seite;
  }
  Hilfefenster()->close();
}

TEST_F(StartfensterTest, NeueSeiteBeginntBeiIhremErstenElement) {
  const std::pair<int, const char*> faelle[] = {{1, "Gesucht1"}, {5, "AnnD_Gesucht"}, {8, "Deutschland"}};
  for (const auto& [seite, erstes] : faelle) {
    Seite(seite);
    EXPECT_EQ(QApplication::focusWidget(), fm->findChild<QWidget*>(QString::fromLatin1(erstes))) << erstes;
  }
  Taste(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), W(QStringLiteral("Spanien")));
}

// All nine tabs stand side by side in rows at the default size; the page keys
// work from a field; purchase and sale move nothing; and the keyboard is never
// on the tab bar, neither at start nor after "Rechnen".
TEST_F(StartfensterTest, SeitenImBlickUndPerTaste) {
  auto* leiste = qobject_cast<TReiterzeilen*>(Seiten()->tabBar());
  ASSERT_NE(leiste, nullptr);
  QRegion belegt;
  for (int i = 0; i < Seiten()->count(); ++i) {
    const QRect r = leiste->ReiterRect(i);
    EXPECT_TRUE(leiste->rect().contains(r) && !belegt.intersects(r)) << i;
    EXPECT_GE(r.width(), leiste->fontMetrics().horizontalAdvance(Seiten()->tabText(i))) << i;
    belegt += r;
  }
  const auto aufDerLeiste = [&] { return leiste->isAncestorOf(QApplication::focusWidget()); };
  EXPECT_EQ(QApplication::focusWidget(), W<QWidget>(QStringLiteral("SpeedButton1")));

  Seite(1);
  W(QStringLiteral("KFeld"))->setFocus();
  const Qt::KeyboardModifiers strg = Qt::ControlModifier, umschalt = Qt::ControlModifier | Qt::ShiftModifier;
  const struct {
    Qt::Key Taste;
    Qt::KeyboardModifiers Mit;
    int Seite;
  } tasten[] = {{Qt::Key_Tab, strg, 2},      {Qt::Key_PageDown, strg, 3}, {Qt::Key_Tab, umschalt, 2},
                {Qt::Key_Backtab, umschalt, 1}, {Qt::Key_PageUp, strg, 0},   {Qt::Key_PageUp, strg, 8}};
  for (const auto& t : tasten) {
    QTest::keyClick(QApplication::focusWidget(), t.Taste, t.Mit);
    EXPECT_EQ(Seiten()->currentIndex(), t.Seite);
  }

  Seite(7);
  const auto lage = [&] {
    QList<QRect> l{fm->geometry()};
    for (QWidget* w : fm->findChildren<QWidget*>()) l << QRect(w->mapTo(fm, QPoint()), w->size());
    return l;
  };
  const QList<QRect> verkauf = lage();
  Waehlen(QStringLiteral("Akt_Gesucht"), 0);
  QApplication::processEvents();
  EXPECT_EQ(lage(), verkauf);

  TDialogBeantworter antworten;  // the missing-input boxes
  for (int seite = 1; seite <= 7; ++seite) {
    Seite(seite);
    Knopf("RechnenSchalter")->click();
    EXPECT_FALSE(aufDerLeiste()) << seite;
  }
}

// Every field that shows a computed value has room for the longest text the
// program writes there without an exponent. A longer text shows its start and
// is whole in hint and description; F6, the label's mnemonic or a click reach
// the result, and it can be copied.
TEST_F(StartfensterTest, ErgebnisfelderZeigenIhrenGanzenText) {
  const QString achtzehn = QStringLiteral("-999.999.999.999.999.999");
  const struct {
    std::vector<const char*> Felder;
    QString Text;
  } tabelle[] = {
      {{"KFeld", "KnFeld", "ZiZiE_KFeld", "ZiZiE_KnFeld", "ZiZiR_RFeld", "ZiZiR_KnFeld", "BW_RFeld", "BW_BWFeld",
        "AnnD_KFeld", "AnnD_RFeld", "AnnD_KnFeld", "MWST_Netto", "MWST_MWSTDM", "MWST_brutto", "Akt_ErgKurs",
        "Akt_ErgKW", "Akt_ErgMakGeb", "Akt_ErgBankGeb", "Akt_ErgGesamt", "Akt_ErgGewinn"},
       achtzehn + QStringLiteral(",00 ")},
      {{"pFeld", "ZiZiE_pFeld", "MWST_MWSTprozent"}, achtzehn + QStringLiteral(",000 ")},
      {{"njFeld", "ZiZiE_njFeld", "ZiZiR_njFeld", "BW_njFeld", "AnnD_njFeld"}, achtzehn + QLatin1Char(' ')},
      {{"nmFeld", "ZiZiE_nmFeld", "ZiZiR_nmFeld", "BW_nmFeld", "AnnD_nmFeld"}, QStringLiteral("-12,0 ")},
      {{"Akt_ErgStueck"}, QStringLiteral("-9999999")},
      {{"Deutschland", "Spanien", "Portugal", "Oesterreich", "Niederlande", "Luxemburg", "Italien", "Irland",
        "Frankreich", "Finnland", "Belgien", "Euro"},
       achtzehn + QStringLiteral(",00")},
  };
  for (const auto& z : tabelle) {
    for (const char* name : z.Felder) {
      QLineEdit* f = W(QString::fromLatin1(name));
      QStyleOptionFrame opt;
      opt.initFrom(f);
      opt.lineWidth = f->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, f);
      const int frei = f->style()->subElementRect(QStyle::SE_LineEditContents, &opt, f).width() - 2 * 2;
      EXPECT_LE(f->fontMetrics().horizontalAdvance(z.Text) + 1, frei) << name;
    }
  }

  // A share count typed with separators and computed before the field is
  // left is copied as it stands, wider than the field.
  Seite(7);
  Tippen(QStringLiteral("Akt_Kurs"), QStringLiteral("100"));
  Tippen(QStringLiteral("Akt_Stueck"), QStringLiteral("1.000.000.000.000"));
  Knopf("RechnenSchalter")->click();
  QLineEdit* stueck = W(QStringLiteral("Akt_ErgStueck"));
  ASSERT_EQ(stueck->text(), QStringLiteral("1.000.000.000.000"));
  EXPECT_EQ(stueck->cursorPosition(), 0);
  EXPECT_EQ(stueck->toolTip(), stueck->text());
  EXPECT_TRUE(stueck->accessibleDescription().contains(stueck->text()));

  const auto taste = [&](Qt::Key t, Qt::KeyboardModifiers mit) {
    QTest::keyClick(QApplication::focusWidget(), t, mit);
    return QApplication::focusWidget();
  };
  W(QStringLiteral("Akt_Kurs"))->setFocus();
  EXPECT_EQ(taste(Qt::Key_F6, Qt::NoModifier), stueck);
  taste(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), stueck->text());
  EXPECT_EQ(taste(Qt::Key_Z, Qt::AltModifier), W(QStringLiteral("Akt_ErgKurs")));
  QTest::mouseClick(W(QStringLiteral("Akt_ErgKW")), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), W(QStringLiteral("Akt_ErgKW")));
}

// Message, title and face details the user sees.
TEST_F(StartfensterTest, SchriftAusrichtungUndFenster) {
  // The program name falls back to the sans face the package installs, never
  // to whatever face the font matcher guesses.
  const QFont name = W<QLabel>(QStringLiteral("ProgNameLabel"))->font();
  EXPECT_EQ(name.families().last(), QStringLiteral("Liberation Sans"));
  EXPECT_TRUE(name.families().contains(QFontInfo(name).family())) << QFontInfo(name).family().toStdString();
  EXPECT_TRUE(W(QStringLiteral("Akt_Name"))->alignment() & Qt::AlignLeft);
  QFont titel = fmEinstellungen->font();
  titel.setBold(true);
  EXPECT_GE(fmEinstellungen->minimumWidth(),
            QFontMetrics(titel).horizontalAdvance(fmEinstellungen->windowTitle()) + TfmEinstellungen::TitelleistenRand);

  HilfeZeigen(20);
  THilfeFenster* hilfe = Hilfefenster();
  ASSERT_TRUE(QTest::qWaitForWindowActive(hilfe));
  EXPECT_LE((hilfe->frameGeometry().center() - fm->frameGeometry().center()).manhattanLength(), 2);
  QTest::keyClick(hilfe, Qt::Key_Escape);
  EXPECT_FALSE(hilfe->isVisible());
}

// The dialogs hidden at start take their glyphs late; shown, every button has one.
TEST_F(StartfensterTest, JederKnopfHatSeineGlyphe) {
  for (const char* name : {"RechnenSchalter", "FormelSchalter", "btbtnDruck", "HilfeSchalter"})
    EXPECT_FALSE(Knopf(name)->icon().pixmap(16, 16).isNull()) << name;
  for (QDialog* dialog : std::initializer_list<QDialog*>{fmEinstellungen, fmFormel}) {
    QCoreApplication::processEvents();
    dialog->show();
    for (const QPushButton* knopf : dialog->findChildren<QPushButton*>())
      EXPECT_FALSE(knopf->icon().isNull()) << knopf->objectName().toStdString();
    dialog->hide();
  }
}
