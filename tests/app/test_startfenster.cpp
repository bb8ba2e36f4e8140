// Page states, menu, help and the end of the main window.
#include <QMenu>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextEdit>
#include <cmath>

#include "app/Anwendung.h"
#include "app/Hilfe.h"
#include "app/Seitenreiter.h"
#include "formula/uFormel.h"
#include "pages/Seiten.h"
#include "settings/uEinstellungen.h"
#include "test_startfenster.h"

// "Rechnen" is "Ende" on the Info page and off on the euro page, which
// computes while typing; only the Info page has no formula and no report;
// only the four pages with a course over time have a payment plan. The Info
// item of the help menu leads to the Info page from any other page.
TEST_F(StartfensterTest, KnoepfeFolgenDerSeite) {
  auto* info = W<QAction>(QStringLiteral("Info1"));
  for (int seite : {1, 2, 3, 4, 5, 6, 7, 8, 0, 8, 3}) {
    Seite(seite);
    emit W<QMenu>(QStringLiteral("Hilfe1"))->aboutToShow();
    EXPECT_EQ(info->isEnabled(), seite != 0) << seite;
    EXPECT_EQ(Knopf("RechnenSchalter")->text(), seite ? QStringLiteral("&Rechnen") : QStringLiteral("&Ende"));
    EXPECT_EQ(Knopf("RechnenSchalter")->isEnabled(), seite != 8) << seite;
    EXPECT_EQ(Knopf("FormelSchalter")->isEnabled(), seite != 0) << seite;
    EXPECT_EQ(Knopf("btbtnDruck")->isEnabled(), seite != 0) << seite;
    EXPECT_EQ(Knopf("ZahlungsplanSchalter")->isEnabled(), seite >= 2 && seite <= 5) << seite;
  }
  info->trigger();
  EXPECT_EQ(Seiten()->currentIndex(), 0);
}

// "Formel" shows, in the modal formula window, the document of the page and
// its sought quantity: each names what it computes.
TEST_F(StartfensterTest, FormelZeigtDasDokumentDerGesuchtenGroesse) {
  // clang-format off
  const std::pair<int, std::vector<const char*>> seiten[] = {
      {1, {"Anfang", "Zinssatz", "Laufzeit", "Endkapital"}}, {2, {"Anfang", "Zinssatz", "Laufzeit", "Endkapital"}},
      {3, {"Ratenhöhe", "Laufzeit", "Endkapital", "Zinssatzes"}}, {4, {"Ratenhöhe", "Laufzeit", "Barwert", "Zinssatzes"}},
      {5, {"Darlehenshöhe", "Laufzeit", "Annuitätsrate", "Restschuld", "Zinssatzes"}},
      {6, {"Nettobetrag", "Mehrwertsteuer in Prozent", "Mehrwertsteuer in DM", "Bruttobetrag"}},
      {7, {"Verkaufsabrechung", "Verkaufsabrechung"}}, {8, {"Umrechungskursen"}}};
  // clang-format on
  QString gezeigt;
  TDialogBeantworter boxen;
  boxen.Andere = [&](QDialog* dialog) {
    if (dialog == fmFormel) gezeigt = fmFormel->RichEdit1()->toPlainText();
    dialog->accept();
  };
  for (const auto& [seite, woerter] : seiten) {
    Seite(seite);
    const auto listen =
        Seiten()->widget(seite)->findChildren<QComboBox*>(QRegularExpression(QStringLiteral("Gesucht")));
    for (int i = 0; i < int(woerter.size()); ++i) {
      if (!listen.isEmpty()) listen.first()->setCurrentIndex(i);
      gezeigt.clear();
      Knopf("FormelSchalter")->click();
      EXPECT_TRUE(gezeigt.contains(QString::fromUtf8(woerter[i]))) << seite << " " << i;
    }
  }
  EXPECT_TRUE(boxen.Boxen.isEmpty());
}

TEST_F(StartfensterTest, HilfeNachSeiteOderFeld) {
  // clang-format off
  const struct { int Seite; const char* Feld; int Kontext; } tabelle[] = {  // no field: the help button
      {0, nullptr, 10}, {2, nullptr, 30}, {2, "ZiZiE_KFeld", 20}, {4, "BW_Zahlungsweise", 40}};
  // clang-format on
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
}

// The page keys work from a field, and a click on a tab of the rows; the
// keyboard is never on the tab bar, neither at start nor after "Rechnen".
TEST_F(StartfensterTest, SeitenPerTaste) {
  auto* leiste = qobject_cast<TReiterzeilen*>(Seiten()->tabBar());
  ASSERT_NE(leiste, nullptr);
  const auto aufDerLeiste = [&] { return leiste->isAncestorOf(QApplication::focusWidget()); };
  EXPECT_EQ(QApplication::focusWidget(), W<QWidget>(QStringLiteral("SpeedButton1")));

  Seite(1);
  W(QStringLiteral("KFeld"))->setFocus();
  const Qt::KeyboardModifiers strg = Qt::ControlModifier, umschalt = Qt::ControlModifier | Qt::ShiftModifier;
  // clang-format off
  const struct { Qt::Key Taste; Qt::KeyboardModifiers Mit; int Seite; } tasten[] = {
      {Qt::Key_Tab, strg, 2}, {Qt::Key_PageDown, strg, 3}, {Qt::Key_Tab, umschalt, 2},
      {Qt::Key_Backtab, umschalt, 1}, {Qt::Key_PageUp, strg, 0}, {Qt::Key_PageUp, strg, 8}};
  // clang-format on
  for (const auto& t : tasten) {
    QTest::keyClick(QApplication::focusWidget(), t.Taste, t.Mit);
    EXPECT_EQ(Seiten()->currentIndex(), t.Seite);
  }
  QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->ReiterRect(7).center());
  EXPECT_EQ(Seiten()->currentIndex(), 7);

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
// the result.
TEST_F(StartfensterTest, ErgebnisfelderZeigenIhrenGanzenText) {
  const auto passt = [](QLineEdit* f, const QString& text) {
    QStyleOptionFrame opt;
    opt.initFrom(f);
    opt.lineWidth = f->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, f);
    const int frei = f->style()->subElementRect(QStyle::SE_LineEditContents, &opt, f).width() - 2 * 2;
    EXPECT_LE(f->fontMetrics().horizontalAdvance(text) + 1, frei) << f->objectName().toStdString();
  };
  // What the pages' records write, with as many digits as written or up to
  // the bound a result keeps; months never go beyond twelve.
  for (const TSeite& seite : ::Seiten::Alle())
    for (const TGesucht& g : seite.Gesucht)
      for (const TAusgabe& a : g.Fall.Geschrieben)
        passt(W(seite.Felder[static_cast<std::size_t>(a.Feld)].Name),
              a.Dezimalen == 1    ? QStringLiteral("-12,0 ")
              : a.Hoechstwert > 0 ? ZahlText(-a.Hoechstwert, a.Stellen, a.Dezimalen)
                                  : ZahlText(1 - std::pow(10.0L, a.Stellen), a.Stellen, a.Dezimalen));
  const QString achtzehn = QStringLiteral("-999.999.999.999.999.999");
  for (QLineEdit* f :
       Seiten()->widget(::Seiten::Index(u"Akt"))->findChildren<QLineEdit*>(QRegularExpression(u"^Akt_Erg"_qs)))
    passt(f, f == W(QStringLiteral("Akt_ErgStueck")) ? QStringLiteral("-9999999") : achtzehn + QStringLiteral(",00 "));
  for (QLineEdit* f : Seiten()->widget(::Seiten::Index(u"Euro"))->findChildren<QLineEdit*>())
    passt(f, achtzehn + QStringLiteral(",00"));

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
  EXPECT_EQ(taste(Qt::Key_Z, Qt::AltModifier), W(QStringLiteral("Akt_ErgKurs")));
  QTest::mouseClick(W(QStringLiteral("Akt_ErgKW")), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), W(QStringLiteral("Akt_ErgKW")));
}

// The dialogs hidden at start take their glyphs late; shown, every button has one.
TEST_F(StartfensterTest, JederKnopfHatSeineGlyphe) {
  for (const char* name : {"RechnenSchalter", "FormelSchalter", "btbtnDruck", "ZahlungsplanSchalter", "HilfeSchalter"})
    EXPECT_FALSE(Knopf(name)->icon().pixmap(16, 16).isNull()) << name;
  for (QDialog* dialog : std::initializer_list<QDialog*>{fmEinstellungen, fmFormel}) {
    QCoreApplication::processEvents();
    dialog->show();
    for (const QPushButton* knopf : dialog->findChildren<QPushButton*>())
      EXPECT_FALSE(knopf->icon().isNull()) << knopf->objectName().toStdString();
    dialog->hide();
  }
}

// A larger window keeps the pages and their buttons centred. On a screen of
// 960 × 540 (1920 × 1080 at 200 %) less a panel, the window fits, title bar
// included, and every control of every page scrolls whole into sight.
TEST_F(StartfensterTest, GrossesFensterUndKleinerBildschirm) {
  QWidget* block = W<QWidget>(QStringLiteral("Seitenblock"));
  fm->resize(1600, 1000);
  QApplication::processEvents();
  const QRect flaeche = fm->centralWidget()->rect(), r(block->mapTo(fm->centralWidget(), QPoint()), block->size());
  EXPECT_LE(std::abs(r.left() - (flaeche.right() - r.right())), 1);
  EXPECT_LE(std::abs(r.top() - (flaeche.bottom() - r.bottom())), 1);

  const QRect frei(0, 0, 960, 500);
  fm->FensterEinpassen(frei);
  QApplication::processEvents();
  EXPECT_LE(fm->height() + fm->style()->pixelMetric(QStyle::PM_TitleBarHeight), frei.height());
  EXPECT_TRUE(frei.contains(fm->geometry()));
  auto* bildlauf = qobject_cast<QScrollArea*>(fm->centralWidget());
  ASSERT_NE(bildlauf, nullptr);
  for (int seite = 0; seite < Seiten()->count(); ++seite) {
    Seite(seite);
    QList<QWidget*> bedienelemente;
    for (QWidget* w : block->findChildren<QWidget*>())
      if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
        bedienelemente << w;
    for (QWidget* w : bedienelemente) {
      if (!w->isVisible()) continue;
      bildlauf->ensureWidgetVisible(w, 0, 0);
      const QRect sichtbar(w->mapTo(bildlauf->viewport(), QPoint()), w->size());
      EXPECT_TRUE(bildlauf->viewport()->rect().contains(sichtbar)) << seite << " " << w->objectName().toStdString();
    }
  }
}
