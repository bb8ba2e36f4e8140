#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPalette>

#include "Rzlabel.h"

namespace {

const QColor Schatten(0, 0, 255);
const QColor Licht(0, 200, 0);
const QColor Schrift(255, 0, 0);
const QColor Grund(255, 255, 255);

// A label with exact colours: no antialiasing, so every text pixel is one of
// the three drawing colours.
struct Testlabel {
  TRzLabel Label;
  explicit Testlabel(const QString& text, TRzLabel::TTextStyle stil) {
    Label.setText(text);
    Label.setTextStyle(stil);
    QPalette pal = Label.palette();
    pal.setColor(QPalette::Dark, Schatten);
    pal.setColor(QPalette::Light, Licht);
    pal.setColor(QPalette::WindowText, Schrift);
    pal.setColor(QPalette::Window, Grund);
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

struct Flecken {
  int Anzahl = 0;
  double MitteX = 0, MitteY = 0;
  int MinX = 1 << 20, MaxX = -1, MinY = 1 << 20, MaxY = -1;
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
        f.MinY = std::min(f.MinY, y);
        f.MaxY = std::max(f.MaxY, y);
      }
  if (f.Anzahl) {
    f.MitteX /= f.Anzahl;
    f.MitteY /= f.Anzahl;
  }
  return f;
}

TEST(RzLabel, VorgabeIstVertieftUndAlsEigenschaftErreichbar) {
  TRzLabel label;
  EXPECT_EQ(label.TextStyle(), TRzLabel::tsRecessed);
  EXPECT_EQ(label.property("TextStyle").value<TRzLabel::TTextStyle>(), TRzLabel::tsRecessed);
  const QMetaEnum e = QMetaEnum::fromType<TRzLabel::TTextStyle>();
  EXPECT_STREQ(e.valueToKey(TRzLabel::tsNone), "tsNone");
  EXPECT_STREQ(e.valueToKey(TRzLabel::tsRaised), "tsRaised");
  EXPECT_STREQ(e.valueToKey(TRzLabel::tsRecessed), "tsRecessed");
  ASSERT_TRUE(label.setProperty("TextStyle", QVariant::fromValue(TRzLabel::tsRaised)));
  EXPECT_EQ(label.TextStyle(), TRzLabel::tsRaised);
}

TEST(RzLabel, ReliefJeStil) {
  const struct {
    TRzLabel::TTextStyle Stil;
    int Richtung;  // +1: shadow right/below the highlight, -1: the other way, 0: no relief
  } faelle[] = {{TRzLabel::tsRaised, +1}, {TRzLabel::tsRecessed, -1}, {TRzLabel::tsNone, 0}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(static_cast<int>(fall.Stil));
    Testlabel t(QStringLiteral("Kalvora"), fall.Stil);
    const QImage img = t.Bild();
    const Flecken s = Suche(img, Schatten), l = Suche(img, Licht), f = Suche(img, Schrift);
    ASSERT_GT(f.Anzahl, 50);
    if (fall.Richtung == 0) {
      EXPECT_EQ(s.Anzahl, 0);
      EXPECT_EQ(l.Anzahl, 0);
      continue;
    }
    ASSERT_GT(s.Anzahl, 10);
    ASSERT_GT(l.Anzahl, 10);
    // The two passes are one pixel either side of the face: their visible
    // remains lie about two pixels apart, in the style's direction.
    EXPECT_GT(fall.Richtung * (s.MitteX - l.MitteX), 0.5);
    EXPECT_GT(fall.Richtung * (s.MitteY - l.MitteY), 0.5);
    const Flecken hinten = fall.Richtung > 0 ? s : l;
    EXPECT_EQ(hinten.MaxX, f.MaxX + 1);
    EXPECT_EQ(hinten.MaxY, f.MaxY + 1);
  }
}

TEST(RzLabel, DeaktiviertInGrauerSchriftMitRelief) {
  Testlabel t(QStringLiteral("Kalvora"), TRzLabel::tsRaised);
  t.Label.setEnabled(false);
  const QColor grau = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
  ASSERT_NE(grau, Schrift);
  const QImage img = t.Bild();
  EXPECT_EQ(Suche(img, Schrift).Anzahl, 0);
  EXPECT_GT(Suche(img, grau).Anzahl, 50);
  EXPECT_GT(Suche(img, Schatten).Anzahl, 10);
  EXPECT_GT(Suche(img, Licht).Anzahl, 10);
}

TEST(RzLabel, WaagerechteAusrichtungGiltSenkrechteNicht) {
  const struct {
    Qt::Alignment Ausrichtung;
    bool Links, Rechts;  // face reaches into the left / right third
  } faelle[] = {{Qt::AlignLeft | Qt::AlignVCenter, true, false},
                {Qt::AlignRight | Qt::AlignBottom, false, true},
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

TEST(RzLabel, ZeilenumbruchAnWortgrenzen) {
  Testlabel t(QStringLiteral("eins zwei drei vier fünf sechs"), TRzLabel::tsNone);
  t.Label.setWordWrap(true);
  t.Label.resize(90, 200);
  const int zeile = t.Label.fontMetrics().height();
  EXPECT_GT(Suche(t.Bild(), Schrift).MaxY, 2 * zeile);
  EXPECT_GE(t.Label.heightForWidth(90), 3 * zeile);
}

TEST(RzLabel, LeereBeschriftungIstEineZeileHoch) {
  TRzLabel leer;
  TRzLabel voll(QStringLiteral("Kalvora"));
  const int zeile = leer.fontMetrics().height();
  EXPECT_EQ(leer.sizeHint().height(), zeile);
  EXPECT_EQ(leer.sizeHint().height(), voll.sizeHint().height());
  EXPECT_GT(leer.sizeHint().width(), 0);
  leer.setWordWrap(true);
  EXPECT_EQ(leer.heightForWidth(100), zeile);
  leer.adjustSize();
  EXPECT_EQ(leer.height(), zeile);
}

TEST(RzLabel, UndZeichenNurMitPartnerfeldAlsKuerzel) {
  TRzLabel ohne(QStringLiteral("A&B"));
  const QFontMetrics fm = ohne.fontMetrics();
  EXPECT_EQ(ohne.sizeHint().width(), fm.horizontalAdvance(QStringLiteral("A&B")));

  QLineEdit feld;
  TRzLabel mit(QStringLiteral("A&B"));
  mit.setBuddy(&feld);
  EXPECT_LT(mit.sizeHint().width(), ohne.sizeHint().width());
  EXPECT_NEAR(mit.sizeHint().width(), fm.horizontalAdvance(QStringLiteral("AB")), 1);
  // A lone "&" with mnemonics shown measures as a blank, i.e. one line high.
  mit.setText(QStringLiteral("&"));
  EXPECT_EQ(mit.sizeHint().height(), fm.height());
}

}  // namespace
