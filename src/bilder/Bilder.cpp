#include "bilder/Bilder.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

namespace {

QImage PngLesen(const QString& pfad) {
  QImageReader leser(pfad, "png");
  // Qt's own PNG reader alone: letting the reader guess the format would
  // load every image-format plugin to ask it first.
  leser.setAutoDetectImageFormat(false);
  return leser.read();
}

// A screen that scales by two or more gets the pictures drawn at twice the size.
bool Doppelt() { return qGuiApp && qGuiApp->devicePixelRatio() >= 2; }

// The sizes icons are drawn at (src/bilder/CMakeLists.txt); each has some.
constexpr int Groessen[] = {16, 20, 32, 64, 128};

}  // namespace

QPixmap Bild(const QString& name) {
  const QString stamm = QStringLiteral(":/bilder/") + name;
  if (Doppelt() && QFile::exists(stamm + QStringLiteral("@2x.png"))) {
    QImage doppelt = PngLesen(stamm + QStringLiteral("@2x.png"));
    doppelt.setDevicePixelRatio(2);
    return QPixmap::fromImage(std::move(doppelt));
  }
  return QPixmap::fromImage(PngLesen(stamm + QStringLiteral(".png")));
}

QIcon Symbol(const QString& name) {
  QIcon symbol;
  for (const int n : Groessen) {
    const QString stamm = QStringLiteral(":/symbole/%1-%2").arg(name).arg(n);
    if (!QFile::exists(stamm + QStringLiteral(".png"))) continue;
    symbol.addPixmap(QPixmap::fromImage(PngLesen(stamm + QStringLiteral(".png"))));
    // Twice the pixels, for the icon asked for at this size on such a screen.
    if (Doppelt() && QFile::exists(stamm + QStringLiteral("@2x.png")))
      symbol.addPixmap(QPixmap::fromImage(PngLesen(stamm + QStringLiteral("@2x.png"))));
  }
  return symbol;
}
