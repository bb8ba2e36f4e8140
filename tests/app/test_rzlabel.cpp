#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPalette>

#include "app/Rzlabel.h"
#include "base/Version.h"
#include "bilder/Bilder.h"
#include "bilder/Schriftzug.h"

namespace {

const QColor Schatten(0, 0, 255), Licht(0, 200, 0), Schrift(255, 0, 0), Grund(255, 255, 255);

QImage Gerendert(QWidget& label) {
  QImage img(label.size(), QImage::Format_RGB32);
  img.fill(Grund);
  label.render(&img);
  return img;
}

// The label drawn with exact colours and no antialiasing, so every text pixel is one of the drawing colours.
QImage Bild(TRzLabel& label, TRzLabel::TTextStyle stil, QSize groesse = {200, 60}) {
  label.setTextStyle(stil);
  QPalette pal = label.palette();
  // clang-format off
  for (auto [rolle, farbe] : {std::pair{QPalette::Dark, Schatten}, {QPalette::Light, Licht},
                              {QPalette::WindowText, Schrift}, {QPalette::Window, Grund}})
    pal.setColor(rolle, farbe);
  // clang-format on
  label.setPalette(pal);
  QFont f = label.font();
  f.setPixelSize(24);
  f.setBold(true);
  f.setStyleStrategy(QFont::NoAntialias);
  label.setFont(f);
  label.resize(groesse);
  return Gerendert(label);
}

// The bounding box of the pixels of one colour, empty if there are none.
QRect Rahmen(const QImage& img, const QColor& farbe) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y) == farbe) r |= QRect(x, y, 1, 1);
  return r;
}

TEST(RzLabel, ReliefJeStil) {
  TRzLabel vorgabe;  // recessed unless set otherwise, also as a property
  EXPECT_EQ(vorgabe.TextStyle(), TRzLabel::tsRecessed);
  EXPECT_TRUE(vorgabe.setProperty("TextStyle", QVariant::fromValue(TRzLabel::tsRaised)));
  EXPECT_EQ(vorgabe.TextStyle(), TRzLabel::tsRaised);
  // Direction +1: shadow right of and below the highlight, -1: the other way, 0: no relief. A disabled label
  // keeps its relief around a grey face.
  const QColor grau = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
  // clang-format off
  const struct { TRzLabel::TTextStyle Stil; int Richtung; bool Aktiv; } faelle[] = {
      {TRzLabel::tsRaised, +1, true}, {TRzLabel::tsRecessed, -1, true}, {TRzLabel::tsNone, 0, true},
      {TRzLabel::tsRaised, +1, false}};
  // clang-format on
  for (const auto& fall : faelle) {
    SCOPED_TRACE(static_cast<int>(fall.Stil) * 10 + fall.Aktiv);
    TRzLabel label(QStringLiteral("Kalvora"));
    label.setEnabled(fall.Aktiv);
    const QImage img = Bild(label, fall.Stil);
    const QRect s = Rahmen(img, Schatten), l = Rahmen(img, Licht), f = Rahmen(img, fall.Aktiv ? Schrift : grau);
    ASSERT_GT(f.width(), 50);
    if (fall.Richtung == 0) {
      EXPECT_FALSE(s.isValid() || l.isValid());
      continue;
    }
    // The two passes lie one pixel either side of the face, in the style's direction.
    EXPECT_EQ((fall.Richtung > 0 ? s : l).bottomRight(), f.bottomRight() + QPoint(1, 1));
    EXPECT_EQ((fall.Richtung > 0 ? l : s).topLeft(), f.topLeft() - QPoint(1, 1));
  }
}

// Wrapped text grows in height; an empty caption, or a lone "&" before a
// field, is one line high; "&" marks a mnemonic only with a partner field.
TEST(RzLabel, MasseBeiUmbruchLeereUndUndZeichen) {
  TRzLabel lang(QStringLiteral("eins zwei drei vier fünf sechs"));
  lang.setWordWrap(true);
  EXPECT_GT(Rahmen(Bild(lang, TRzLabel::tsNone, {90, 200}), Schrift).bottom(), 2 * lang.fontMetrics().height());
  EXPECT_GE(lang.heightForWidth(90), 3 * lang.fontMetrics().height());
  TRzLabel leer;
  const QFontMetrics fm = leer.fontMetrics();
  EXPECT_EQ(leer.sizeHint().height(), fm.height());
  leer.setWordWrap(true);
  EXPECT_EQ(leer.heightForWidth(100), fm.height());
  TRzLabel ohne(QStringLiteral("A&B")), mit(QStringLiteral("A&B"));
  QLineEdit feld;
  mit.setBuddy(&feld);
  EXPECT_EQ(ohne.sizeHint().width(), fm.horizontalAdvance(QStringLiteral("A&B")));
  EXPECT_NEAR(mit.sizeHint().width(), fm.horizontalAdvance(QStringLiteral("AB")), 1);
  mit.setText(QStringLiteral("&"));
  EXPECT_EQ(mit.sizeHint().height(), fm.height());
}

// Drawn from its letters made at build time, the program name measures and
// looks as drawn from its face, in every style (pixel for pixel where the
// label's spare width is even: otherwise the face may start half a pixel on);
// a changed text is drawn from the face again.
TEST(RzLabel, SchriftbildWieSchrift) {
  const QString name = QString::fromLatin1(Programmname);
  for (auto stil : {TRzLabel::tsRaised, TRzLabel::tsRecessed, TRzLabel::tsNone}) {
    SCOPED_TRACE(int(stil));
    TRzLabel schrift(name), gezeichnet(name);
    for (TRzLabel* l : {&schrift, &gezeichnet}) {
      l->setFont(Schriftzug::Schrift({Schriftzug::Schriften.last()}));
      l->setAlignment(Qt::AlignCenter);
      l->setTextStyle(stil);
    }
    gezeichnet.setSchriftbild(Bild(QStringLiteral("schriftzug")));
    EXPECT_EQ(gezeichnet.sizeHint(), schrift.sizeHint());
    for (TRzLabel* l : {&schrift, &gezeichnet}) l->resize(schrift.sizeHint() + QSize(40, 10));
    EXPECT_EQ(Gerendert(gezeichnet), Gerendert(schrift));
    gezeichnet.setText(QStringLiteral("K"));
    schrift.setText(QStringLiteral("K"));
    EXPECT_EQ(gezeichnet.sizeHint(), schrift.sizeHint());
  }
}

}  // namespace
