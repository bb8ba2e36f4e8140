#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPalette>

#include "app/Rzlabel.h"

namespace {

const QColor Schatten(0, 0, 255), Licht(0, 200, 0), Schrift(255, 0, 0), Grund(255, 255, 255);

// The label drawn with exact colours and no antialiasing, so every text pixel is one of the drawing colours.
QImage Bild(TRzLabel& label, TRzLabel::TTextStyle stil, QSize groesse = {200, 60}) {
  label.setTextStyle(stil);
  QPalette pal = label.palette();
  for (auto [rolle, farbe] : {std::pair{QPalette::Dark, Schatten}, {QPalette::Light, Licht},
                              {QPalette::WindowText, Schrift}, {QPalette::Window, Grund}})
    pal.setColor(rolle, farbe);
  label.setPalette(pal);
  QFont f = label.font();
  f.setPixelSize(24);
  f.setBold(true);
  f.setStyleStrategy(QFont::NoAntialias);
  label.setFont(f);
  label.resize(groesse);
  QImage img(groesse, QImage::Format_RGB32);
  img.fill(Grund);
  label.render(&img);
  return img;
}

// Where the pixels of one colour lie.
struct Flecken {
  int Anzahl = 0, MinX = 1 << 20, MaxX = -1, MaxY = -1;
  double MitteX = 0, MitteY = 0;
};

Flecken Suche(const QImage& img, const QColor& farbe) {
  Flecken f;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y) == farbe) {
        ++f.Anzahl;
        f.MitteX += x;
        f.MitteY += y;
        f.MinX = std::min(f.MinX, x);
        f.MaxX = std::max(f.MaxX, x);
        f.MaxY = y;
      }
  f.MitteX /= std::max(f.Anzahl, 1);
  f.MitteY /= std::max(f.Anzahl, 1);
  return f;
}

TEST(RzLabel, ReliefJeStil) {
  TRzLabel vorgabe;  // recessed unless set otherwise, also as a property
  EXPECT_EQ(vorgabe.TextStyle(), TRzLabel::tsRecessed);
  EXPECT_TRUE(vorgabe.setProperty("TextStyle", QVariant::fromValue(TRzLabel::tsRaised)));
  EXPECT_EQ(vorgabe.TextStyle(), TRzLabel::tsRaised);
  // Direction +1: shadow right of and below the highlight, -1: the other way, 0: no relief. A disabled label
  // keeps its relief around a grey face.
  const QColor grau = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
  const struct { TRzLabel::TTextStyle Stil; int Richtung; bool Aktiv; } faelle[] = {
      {TRzLabel::tsRaised, +1, true}, {TRzLabel::tsRecessed, -1, true}, {TRzLabel::tsNone, 0, true},
      {TRzLabel::tsRaised, +1, false}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(static_cast<int>(fall.Stil) * 10 + fall.Aktiv);
    TRzLabel label(QStringLiteral("Kalvora"));
    label.setEnabled(fall.Aktiv);
    const QImage img = Bild(label, fall.Stil);
    const Flecken s = Suche(img, Schatten), l = Suche(img, Licht), f = Suche(img, fall.Aktiv ? Schrift : grau);
    ASSERT_GT(f.Anzahl, 50);
    EXPECT_EQ(Suche(img, Schrift).Anzahl > 0, fall.Aktiv);
    if (fall.Richtung == 0) {
      EXPECT_EQ(s.Anzahl + l.Anzahl, 0);
      continue;
    }
    // The two passes lie one pixel either side of the face, in the style's direction.
    EXPECT_GT(fall.Richtung * (s.MitteX - l.MitteX), 0.5);
    EXPECT_GT(fall.Richtung * (s.MitteY - l.MitteY), 0.5);
    const Flecken hinten = fall.Richtung > 0 ? s : l;
    EXPECT_EQ(hinten.MaxX, f.MaxX + 1);
    EXPECT_EQ(hinten.MaxY, f.MaxY + 1);
  }
}

// The text starts at the top whatever the vertical alignment; the horizontal one holds.
TEST(RzLabel, WaagerechteAusrichtungGiltSenkrechteNicht) {
  TRzLabel label(QStringLiteral("Xy"));
  label.setAlignment(Qt::AlignRight | Qt::AlignBottom);
  const Flecken f = Suche(Bild(label, TRzLabel::tsNone, {300, 120}), Schrift);
  EXPECT_GE(f.MinX, 200);
  EXPECT_LT(f.MaxY, 40);
}

// Wrapped text grows in height; an empty caption, or a lone "&" before a
// field, is one line high; "&" marks a mnemonic only with a partner field.
TEST(RzLabel, MasseBeiUmbruchLeereUndUndZeichen) {
  TRzLabel lang(QStringLiteral("eins zwei drei vier fünf sechs"));
  lang.setWordWrap(true);
  EXPECT_GT(Suche(Bild(lang, TRzLabel::tsNone, {90, 200}), Schrift).MaxY, 2 * lang.fontMetrics().height());
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

}  // namespace
