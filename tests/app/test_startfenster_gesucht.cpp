// Field states by sought quantity, as colours and as a screen reader hears
// them, and the question that follows the typing.
#include <QLabel>
#include <algorithm>

#include "app/Anwendung.h"
#include "base/Feldfarben.h"
#include "pages/Seiten.h"
#include "test_startfenster.h"

namespace {

// The pages built from their records, with their place in the tab order.
std::vector<std::pair<int, const TSeite*>> Rechenseiten() {
  std::vector<std::pair<int, const TSeite*>> seiten;
  for (std::size_t i = 0; i < Seiten::Alle().size(); ++i)
    if (Seiten::Alle()[i].Art == TSeitenart::Rechnung) seiten.push_back({static_cast<int>(i), &Seiten::Alle()[i]});
  return seiten;
}

bool Enthaelt(const std::vector<int>& felder, std::size_t feld) {
  return std::find(felder.begin(), felder.end(), static_cast<int>(feld)) != felder.end();
}

}  // namespace

// Every sought quantity of every page, in turn: result fields aqua, greyed
// fields grey (and inputs again for the next quantity), the rest white; a
// result that failed stays red. Under a light and a dark theme, every field's
// text stands out from its background as far as ordinary text needs to.
TEST_F(StartfensterTest, FeldzustaendeNachGesuchterGroesse) {
  const auto lesbar = [this](const char* wann) {
    for (QLineEdit* f : fm->findChildren<QLineEdit*>()) {
      for (auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if ((gruppe == QPalette::Disabled) == f->isEnabled()) continue;
        const QPalette& p = f->palette();
        EXPECT_GE(Kontrast(p.color(gruppe, QPalette::Text), p.color(gruppe, QPalette::Base)), Mindestkontrast)
            << wann << " " << f->objectName().toStdString() << " " << gruppe;
      }
    }
  };
  const QPalette hell = QApplication::palette();
  for (const auto& [thema, palette] : {std::pair{"hell", hell}, {"dunkel", DunklesThema()}}) {
    SCOPED_TRACE(thema);
    QApplication::setPalette(palette);
    qobject_cast<TAnwendung*>(qApp)->FensterZerstoeren();
    Starten();
    fm = fmStart;
    const QColor grau = QApplication::palette().color(QPalette::Button);
    for (const auto& [index, seite] : Rechenseiten()) {
      Seite(index);
      for (std::size_t g = 0; g < seite->Gesucht.size(); ++g) {
        Waehlen(seite->Gesuchtliste, static_cast<int>(g));
        for (std::size_t i = 0; i < seite->Felder.size(); ++i) {
          const QString& name = seite->Felder[i].Name;
          if (seite->Felder[i].Art == TFeldart::Liste) continue;
          SCOPED_TRACE(name.toStdString() + " " + std::to_string(g));
          const bool ergebnis = Enthaelt(seite->Gesucht[g].Ergebnis, i),
                     gesperrt = Enthaelt(seite->Gesucht[g].Gesperrt, i);
          QLineEdit* f = W(name);
          // Texts in every field, so that none is read as an empty one.
          f->setText(QStringLiteral("123"));
          EXPECT_EQ(Farbe(name), ergebnis ? Aqua : gesperrt ? grau : Weiss);
          EXPECT_EQ(f->accessibleDescription(), ergebnis   ? QStringLiteral("Ergebnisfeld")
                                                : gesperrt ? QStringLiteral("Für diese Berechnung nicht benötigt")
                                                           : QStringLiteral("Eingabefeld"));
          EXPECT_EQ(f->palette().color(QPalette::Disabled, QPalette::Base), Farbe(name));
          EXPECT_EQ(!f->isReadOnly() && f->isEnabled() && f->focusPolicy() != Qt::NoFocus, !ergebnis && !gesperrt);
        }
        lesbar(seite->Gesuchtliste.toLatin1().constData());
      }
    }
    // A term that cannot be computed leaves its fields red.
    Seite(4);
    Waehlen(QStringLiteral("BW_Gesucht"), 1);
    for (const auto& [feld, text] : {std::pair{"BW_RFeld", "200"}, {"BW_pFeld", "6"}, {"BW_BWFeld", "50000"}})
      W(QString::fromLatin1(feld))->setText(QString::fromLatin1(text));
    {
      TDialogBeantworter antworten;
      Knopf("RechnenSchalter")->click();
    }
    EXPECT_EQ(Farbe(QStringLiteral("BW_njFeld")), Rot);
    lesbar("rot");
  }
  QApplication::setPalette(hell);
}

TEST_F(StartfensterTest, ZustandswechselLaesstTexteStehen) {
  Seite(1);
  Tippen(QStringLiteral("njFeld"), QStringLiteral("3"));
  Waehlen(QStringLiteral("Gesucht1"), 2);
  Waehlen(QStringLiteral("Gesucht1"), 3);
  EXPECT_EQ(Text(QStringLiteral("njFeld")), QStringLiteral("3"));
}

TEST_F(StartfensterTest, FrageFolgtJedemTastendruck) {
  Seite(1);
  W(QStringLiteral("pFeld"))->setFocus();
  QTest::keyClicks(W(QStringLiteral("pFeld")), QStringLiteral("5"));  // before the field is left
  EXPECT_TRUE(W<QLabel>(QStringLiteral("eZi_FrageLabel"))->text().contains(QStringLiteral("zu 5 % anlege?")));

  // Every question of every page takes up each of its input fields at once.
  for (const auto& [index, seite] : Rechenseiten()) {
    Seite(index);
    auto* label = W<QLabel>(seite->Key + QStringLiteral("_FrageLabel"));
    for (std::size_t g = 0; g < seite->Gesucht.size(); ++g) {
      const TGesucht& gesucht = seite->Gesucht[g];
      Waehlen(seite->Gesuchtliste, static_cast<int>(g));
      for (std::size_t i = 0; i < seite->Felder.size(); ++i) {
        const TFeld& feld = seite->Felder[i];
        if (feld.Art == TFeldart::Liste || Enthaelt(gesucht.Ergebnis, i) || Enthaelt(gesucht.Gesperrt, i) ||
            !gesucht.Frage.contains(u'{' + QString::number(feld.Frageplatz) + u'}'))
          continue;
        const QString text = QString::number(100 * (g + 1) + i);
        W(feld.Name)->clear();
        W(feld.Name)->setFocus();
        QTest::keyClicks(W(feld.Name), text);
        EXPECT_TRUE(label->text().contains(text)) << feld.Name.toStdString() << " " << g;
      }
    }
  }
  // A payment frequency enters the sentence at once.
  Seite(5);
  Waehlen(QStringLiteral("AnnD_Zahlungsweise"), 2);
  EXPECT_TRUE(W<QLabel>(QStringLiteral("AnnD_FrageLabel"))->text().contains(QStringLiteral("halbjährlich")));
}
