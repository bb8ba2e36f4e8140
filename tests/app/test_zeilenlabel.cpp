#include <gtest/gtest.h>

#include <QLineEdit>

#include "app/Zeilenlabel.h"

namespace {

struct TFall {
  const char* Name;
  QString Text;
  std::function<void(QLabel&)> Einrichten;
};

// Its hints must be the plain label's, whatever the text and settings: the
// pages' layout, and with it every screenshot, depends on them.
TEST(Zeilenlabel, HintsSindDieDesLabels) {
  QLineEdit buddy;
  const std::vector<TFall> faelle{
      {"schlicht", QStringLiteral("Kapital:"), [](QLabel&) {}},
      {"Kuerzel mit Buddy", QStringLiteral("&Zinssatz:"), [&](QLabel& l) { l.setBuddy(&buddy); }},
      {"Kuerzel ohne Buddy", QStringLiteral("A && B"), [](QLabel&) {}},
      {"mehrzeilig rechts", QStringLiteral("Zeile\nlängere Zeile"), [](QLabel& l) { l.setAlignment(Qt::AlignRight); }},
      {"Tabulator", QStringLiteral("a\tb"), [](QLabel&) {}},
      {"Rand und Mindestbreite", QStringLiteral("DM"),
       [](QLabel& l) {
         l.setMargin(3);
         l.setContentsMargins(1, 2, 3, 4);
         l.setMinimumWidth(80);
       }},
      {"umbrochen", QStringLiteral("ein langer Satz, der umbrochen werden darf, wo er zu lang wird"),
       [](QLabel& l) { l.setWordWrap(true); }},
      {"Rich Text", QStringLiteral("<b>fett</b> und nicht"), [](QLabel&) {}},
      {"Rahmen", QStringLiteral("gerahmt"), [](QLabel& l) { l.setFrameShape(QFrame::Box); }},
      {"leer", QString(), [](QLabel&) {}},
  };
  for (const TFall& fall : faelle) {
    QLabel vorbild;
    TZeilenlabel label;
    for (QLabel* l : {&vorbild, static_cast<QLabel*>(&label)}) {
      l->setText(fall.Text);
      fall.Einrichten(*l);
    }
    const auto gleich = [&] {
      EXPECT_EQ(label.sizeHint(), vorbild.sizeHint()) << fall.Name;
      EXPECT_EQ(label.minimumSizeHint(), vorbild.minimumSizeHint()) << fall.Name;
      for (int breite : {0, 60, 200, 60, 1000}) EXPECT_EQ(label.heightForWidth(breite), vorbild.heightForWidth(breite));
    };
    gleich();
    // A later text, margin or minimum is measured anew.
    for (QLabel* l : {&vorbild, static_cast<QLabel*>(&label)}) l->setText(fall.Text + QStringLiteral(" mehr"));
    gleich();
    for (QLabel* l : {&vorbild, static_cast<QLabel*>(&label)}) {
      l->setMargin(7);
      l->setMinimumHeight(90);
    }
    gleich();
  }
}

}  // namespace
