#include "bilder/Bilder.h"

#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <cstring>

namespace {

// The pixels as BilderZeichnen wrote them: a head ("KBLD", width, height,
// bytes per line, format), then the pixels. A null image for a resource that
// is missing or not of this form.
QImage Lesen(const QString& pfad) {
  const QResource quelle(pfad);
  if (!quelle.isValid()) return {};
  const QByteArray daten = quelle.uncompressedData();
  quint32 kopf[5] = {};
  if (daten.size() < qsizetype(sizeof kopf)) return {};
  std::memcpy(kopf, daten.constData(), sizeof kopf);
  const auto format = QImage::Format(kopf[4]);
  if (kopf[0] != 0x444c424b || kopf[1] == 0 || kopf[2] == 0 || kopf[3] < 4 * qint64(kopf[1]) ||
      (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
      daten.size() - qsizetype(sizeof kopf) != qint64(kopf[2]) * kopf[3])
    return {};
  // A copy, so that the picture does not depend on the resource's lifetime.
  return QImage(reinterpret_cast<const uchar*>(daten.constData()) + sizeof kopf, int(kopf[1]), int(kopf[2]),
                qsizetype(kopf[3]), format)
      .copy();
}

// A screen that scales by two or more gets the pictures drawn at twice the size.
bool Doppelt() { return qGuiApp && qGuiApp->devicePixelRatio() >= 2; }

// The sizes icons are drawn at (src/bilder/CMakeLists.txt); each has some.
constexpr int Groessen[] = {16, 20, 32, 64, 128};

}  // namespace

QPixmap Bild(const QString& name) {
  const QString stamm = QStringLiteral(":/bilder/") + name;
  if (Doppelt()) {
    if (QImage doppelt = Lesen(stamm + QStringLiteral("@2x.argb")); !doppelt.isNull()) {
      doppelt.setDevicePixelRatio(2);
      return QPixmap::fromImage(std::move(doppelt));
    }
  }
  return QPixmap::fromImage(Lesen(stamm + QStringLiteral(".argb")));
}

QIcon Symbol(const QString& name) {
  QIcon symbol;
  for (const int n : Groessen) {
    const QString stamm = QStringLiteral(":/symbole/%1-%2").arg(name).arg(n);
    QImage einfach = Lesen(stamm + QStringLiteral(".argb"));
    if (einfach.isNull()) continue;
    symbol.addPixmap(QPixmap::fromImage(std::move(einfach)));
    // Twice the pixels, for the icon asked for at this size on such a screen.
    if (QImage doppelt = Doppelt() ? Lesen(stamm + QStringLiteral("@2x.argb")) : QImage(); !doppelt.isNull())
      symbol.addPixmap(QPixmap::fromImage(std::move(doppelt)));
  }
  return symbol;
}
