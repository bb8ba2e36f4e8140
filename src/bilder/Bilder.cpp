#include "bilder/Bilder.h"

#include <QDir>
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

}  // namespace

QPixmap Bild(const QString& name) {
  const QString stamm = QStringLiteral(":/bilder/") + name;
  if (qGuiApp && qGuiApp->devicePixelRatio() >= 2) {
    QImage doppelt = PngLesen(stamm + QStringLiteral("@2x.png"));
    if (!doppelt.isNull()) {
      doppelt.setDevicePixelRatio(2);
      return QPixmap::fromImage(std::move(doppelt));
    }
  }
  return QPixmap::fromImage(PngLesen(stamm + QStringLiteral(".png")));
}

QIcon Symbol(const QString& name) {
  QIcon symbol;
  const QDir ordner(QStringLiteral(":/symbole"));
  for (const QString& datei : ordner.entryList({name + QStringLiteral("-*.png")}, QDir::Files))
    symbol.addPixmap(QPixmap::fromImage(PngLesen(ordner.filePath(datei))));
  return symbol;
}
