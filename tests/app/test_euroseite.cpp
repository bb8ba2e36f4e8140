// The euro page converts while the user types.
#include <QLineEdit>
#include <QTabWidget>

#include "test_startfenster.h"

namespace {

class EuroSeite : public StartfensterTest {
 protected:
  void SetUp() override {
    StartfensterTest::SetUp();
    Seite(8);
  }
  QLineEdit* Feld(const char* name) { return W(QString::fromLatin1(name)); }
  QMap<QString, QString> Alle() {
    QMap<QString, QString> t;
    for (QLineEdit* f : Seiten()->currentWidget()->findChildren<QLineEdit*>()) t[f->objectName()] = f->text();
    return t;
  }
  TDialogBeantworter boxen;
};

TEST_F(EuroSeite, HundertMarkInAlleWaehrungen) {
  Eintippen(Feld("Deutschland"), "100");
  QMap<QString, QString> erwartet{{"Deutschland", "100"},  {"Euro", "51,13"},         {"Oesterreich", "703,56"},
                                  {"Belgien", "2.062,58"}, {"Luxemburg", "2.062,58"}, {"Spanien", "8.507,32"},
                                  {"Finnland", "304,01"},  {"Portugal", "10.250,64"}, {"Frankreich", "335,39"},
                                  {"Irland", "40,27"},     {"Niederlande", "112,68"}, {"Italien", "99.001,49"}};
  EXPECT_EQ(Alle(), erwartet);
  // Enter moves on; the key's release arrives in the next field, now the source.
  QTest::keyPress(Feld("Deutschland"), Qt::Key_Return);
  ASSERT_EQ(QApplication::focusWidget(), Feld("Spanien"));
  QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
  erwartet["Deutschland"] = "100,00";
  EXPECT_EQ(Alle(), erwartet);
  // Deleting the last character empties the page.
  Feld("Spanien")->setCursorPosition(Feld("Spanien")->text().size());
  for (int i = Feld("Spanien")->text().size(); i > 0; --i) QTest::keyClick(Feld("Spanien"), Qt::Key_Backspace);
  for (const QString& t : Alle()) EXPECT_EQ(t, "");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
}

TEST_F(EuroSeite, UnlesbaresZaehltAlsNullOhneMeldung) {
  // A point out of place is no thousands separator: "10.5" is not 105.
  for (const auto& [quelle, text] : {std::pair{"Deutschland", "-"}, {"Euro", "-"}, {"Deutschland", "10.5"}}) {
    Eintippen(Feld(quelle), text);
    EXPECT_EQ(Feld(quelle)->text(), text);
    EXPECT_EQ(Alle().keys("0,00").size(), 11) << quelle << text;  // every other field
  }
  Eintippen(Feld("Italien"), "abc");
  EXPECT_EQ(Feld("Euro")->text(), "0,00");
  EXPECT_TRUE(boxen.Boxen.isEmpty());
}

TEST_F(EuroSeite, EinePfeiltasteRechnetAusDemFeldNeu) {
  Eintippen(Feld("Deutschland"), "1");
  Feld("Frankreich")->setText("100");
  QTest::keyClick(Feld("Frankreich"), Qt::Key_Left);
  EXPECT_EQ(Feld("Euro")->text(), "15,24");
  EXPECT_EQ(Feld("Deutschland")->text(), "29,81");
  EXPECT_EQ(Feld("Frankreich")->text(), "100");
}

}  // namespace
