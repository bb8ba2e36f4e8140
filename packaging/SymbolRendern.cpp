// Renders the program's scalable icon into the fixed PNG sizes that desktops
// without SVG support look for. Runs at build time, without a display.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <icon.svg> <size> <out.png>\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform's chatter about runtime folders is noise in a build log.
  qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
    if (art == QtCriticalMsg || art == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QGuiApplication app(argc, argv);

  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  bool ok = false;
  const int groesse = QString::fromLatin1(argv[2]).toInt(&ok);
  if (!svg.isValid() || !ok || groesse < 1 || groesse > 4096) {
    std::fprintf(stderr, "%s: cannot render %s at size %s\n", argv[0], argv[1], argv[2]);
    return 1;
  }
  QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
  bild.fill(Qt::transparent);
  {
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    // Keep the aspect ratio of a non-square drawing and centre it.
    QSizeF ziel = svg.defaultSize().isEmpty() ? QSizeF(groesse, groesse) : QSizeF(svg.defaultSize());
    ziel.scale(groesse, groesse, Qt::KeepAspectRatio);
    svg.render(&maler, QRectF(QPointF((groesse - ziel.width()) / 2, (groesse - ziel.height()) / 2), ziel));
  }
  if (!bild.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  return 0;
}
