#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPalette>

#include "app/Rzlabel.h"

namespace {

const QColor Schatten(0, 0, 255);
const QColor Licht(0, 200, 0);
const QColor Schrift(255, 0, 0);
const QColor Grund(255, 255, 255);

// A label with exact colours: no antialiasing, so every text pixel is one of the drawing colours.
struct Testlabel {
  TRzLabel Label;
  explicit Testlabel(const QString& text, TRzLabel::TTextStyle stil) {
    Label.setText(text);
    Label.setTextStyle(stil);
    QPalette pal = Label.palette();
    for (auto [rolle, farbe] : {std::pair{QPalette::Dark, Schatten}, {QPalette::Light, Licht},
                                {QPalette::WindowText, Schrift}, {QPalette::Window, Grund}})
      pal.setColor(rolle, farbe);
    Label.setPalette(pal);
    QFont f = Label.font();
    f.setPixelSize(24);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    Label.setFont(f);
    Label.resize(200, 60);
  }
  QImage Bild() {
    QImage img(Label.size(), QImage::Format_RGB32);
    img.fill(Grund);
    Label.render(&img);
    return img;
  }
};

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

TEST(RzLabel, VorgabeIstVertieftUndAlsEigenschaftErreichbar) {
  TRzLabel label;
  EXPECT_EQ(label.TextStyle(), TRzLabel::tsRecessed);
  ASSERT_TRUE(label.setProperty("TextStyle", QVariant::fromValue(TRzLabel::tsRaised)));
  EXPECT_EQ(label.TextStyle(), TRzLabel::tsRaised);
}

TEST(RzLabel, ReliefJeStil) {
  // Direction +1: shadow right of and below the highlight, -1: the other way, 0: no relief. A disabled label
  // keeps its relief around a grey face.
  const QColor grau = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
  ASSERT_NE(grau, Schrift);
  const struct { TRzLabel::TTextStyle Stil; int Richtung; bool Aktiv; } faelle[] = {
      {TRzLabel::tsRaised, +1, true}, {TRzLabel::tsRecessed, -1, true}, {TRzLabel::tsNone, 0, true},
      {TRzLabel::tsRaised, +1, false}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(static_cast<int>(fall.Stil) * 10 + fall.Aktiv);
    Testlabel t(QStringLiteral("Kalvora"), fall.Stil);
    t.Label.setEnabled(fall.Aktiv);
    const QImage img = t.Bild();
    const Flecken s = Suche(img, Schatten), l = Suche(img, Licht), f = Suche(img, fall.Aktiv ? Schrift : grau);
    ASSERT_GT(f.Anzahl, 50);
    EXPECT_EQ(Suche(img, Schrift).Anzahl > 0, fall.Aktiv);
    if (fall.Richtung == 0) {
      EXPECT_EQ(s.Anzahl + l.Anzahl, 0);
      continue;
    }
    ASSERT_GT(s.Anzahl, 10);
    ASSERT_GT(l.Anzahl, 10);
    // The two passes lie one pixel either side of the face, in the style's direction.
    EXPECT_GT(fall.Richtung * (s.MitteX - l.MitteX), 0.5);
    EXPECT_GT(fall.Richtung * (s.MitteY - l.MitteY), 0.5);
    const Flecken hinten = fall.Richtung > 0 ? s : l;
    EXPECT_EQ(hinten.MaxX, f.MaxX + 1);
    EXPECT_EQ(hinten.MaxY, f.MaxY + 1);
  }
}

TEST(RzLabel, WaagerechteAusrichtungGiltSenkrechteNicht) {
  // Whether the face reaches into the left / right third.
  const struct { Qt::Alignment Ausrichtung; bool Links, Rechts; } faelle[] = {
      {Qt::AlignLeft | Qt::AlignVCenter, true, false}, {Qt::AlignRight | Qt::AlignBottom, false, true},
      {Qt::AlignHCenter | Qt::AlignVCenter, false, false}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(static_cast<int>(fall.Ausrichtung));
    Testlabel t(QStringLiteral("Xy"), TRzLabel::tsNone);
    t.Label.resize(300, 120);
    t.Label.setAlignment(fall.Ausrichtung);
    const Flecken f = Suche(t.Bild(), Schrift);
    ASSERT_GT(f.Anzahl, 10);
    EXPECT_EQ(f.MinX < 100, fall.Links);
    EXPECT_EQ(f.MaxX >= 200, fall.Rechts);
    EXPECT_LT(f.MaxY, 40) << "text starts at the top whatever the vertical alignment";
  }
}

TEST(RzLabel, ZeilenumbruchUndLeereBeschriftung) {
  Testlabel t(QStringLiteral("eins zwei drei vier fünf sechs"), TRzLabel::tsNone);
  t.Label.setWordWrap(true);
  t.Label.resize(90, 200);
  const int zeile = t.Label.fontMetrics().height();
  EXPECT_GT(Suche(t.Bild(), Schrift).MaxY, 2 * zeile);
  EXPECT_GE(t.Label.heightForWidth(90), 3 * zeile);
  // An empty caption is one line high.
  TRzLabel leer;
  EXPECT_EQ(leer.sizeHint().height(), leer.fontMetrics().height());
  leer.setWordWrap(true);
  EXPECT_EQ(leer.heightForWidth(100), leer.fontMetrics().height());
}

TEST(RzLabel, UndZeichenNurMitPartnerfeldAlsKuerzel) {
  TRzLabel ohne(QStringLiteral("A&B"));
  const QFontMetrics fm = ohne.fontMetrics();
  EXPECT_EQ(ohne.sizeHint().width(), fm.horizontalAdvance(QStringLiteral("A&B")));
  QLineEdit feld;
  TRzLabel mit(QStringLiteral("A&B"));
  mit.setBuddy(&feld);
  EXPECT_NEAR(mit.sizeHint().width(), fm.horizontalAdvance(QStringLiteral("AB")), 1);
  // A lone "&" with mnemonics shown measures as a blank, i.e. one line high.
  mit.setText(QStringLiteral("&"));
  EXPECT_EQ(mit.sizeHint().height(), fm.height());
}

}  // namespace
