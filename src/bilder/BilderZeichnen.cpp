// Draws the program's pictures at build time, without a display, as PNG or,
// for an output named *.argb, as the pixels the program reads (Bilder.cpp):
//   BilderZeichnen <bild.svg> <B>x<H> <aus.png>  the SVG fitted into B x H pixels
//                                                 (aspect kept), as Qt draws an SVG
//   BilderZeichnen <symbol.svg> <N> <aus.png>     a square N x N desktop icon,
//                                                 smoothed, the drawing centred
//   BilderZeichnen --kachel <aus.png>             the background tile of the windows
//   BilderZeichnen --frage <aus.png>              the toolkit's own question glyph,
//                                                 as its style draws it without an icon theme
//   BilderZeichnen --schriftzug <F> <text> <aus>  the program name's letters at F times
//                                                 the pixels, as coverage (Schriftzug.h)
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QSvgRenderer>
#include <cstdio>

#include "bilder/Schriftzug.h"

namespace {

QImage Leer(QSize groesse) {
  QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
  bild.fill(Qt::transparent);
  return bild;
}

// Fitted into the box, drawn the way Qt's SVG icons and pictures are drawn,
// so that the pixels are those the program showed when it drew them itself.
QImage Eingepasst(QSvgRenderer& svg, QSize kasten) {
  QImage bild = Leer(svg.defaultSize().scaled(kasten, Qt::KeepAspectRatio));
  QPainter maler(&bild);
  svg.render(&maler);
  return bild;
}

// The fixed PNG sizes that desktops without SVG support look for.
QImage Desktopsymbol(QSvgRenderer& svg, int groesse) {
  QImage bild = Leer(QSize(groesse, groesse));
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setRenderHint(QPainter::SmoothPixmapTransform);
  // Keep the aspect ratio of a non-square drawing and centre it.
  QSizeF ziel = svg.defaultSize().isEmpty() ? QSizeF(groesse, groesse) : QSizeF(svg.defaultSize());
  ziel.scale(groesse, groesse, Qt::KeepAspectRatio);
  svg.render(&maler, QRectF(QPointF((groesse - ziel.width()) / 2, (groesse - ziel.height()) / 2), ziel));
  return bild;
}

// Grey formula signs on silver, 100 x 50, two colours only, so that the tile
// looks the same on every screen.
QImage Kachel() {
  const QColor silber(192, 192, 192);
  const QColor grau(128, 128, 128);
  QImage bild(100, 50, QImage::Format_RGB32);
  bild.fill(silber);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setPen(grau);
  auto schrift = [](int pixel) {
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(pixel);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
  };
  p.setFont(schrift(14));
  const QString basis = QStringLiteral("K\u00B7q");
  p.drawText(QPoint(4, 17), basis);
  const int hinterBasis = 4 + p.fontMetrics().horizontalAdvance(basis);
  p.setFont(schrift(9));
  p.drawText(QPoint(hinterBasis, 11), QStringLiteral("n"));
  p.setFont(schrift(18));
  p.drawText(QPoint(56, 19), QString(QChar(0x03A3)));
  p.drawText(QPoint(82, 18), QStringLiteral("%"));
  p.drawText(QPoint(10, 45), QString(QChar(0x00F7)));
  p.setFont(schrift(14));
  p.drawText(QPoint(36, 44), QStringLiteral("\u221Ax"));
  p.drawText(QPoint(68, 44), QStringLiteral("p/100"));
  p.end();
  // Quantise whatever the font engine may have blended back to two colours.
  for (int y = 0; y < bild.height(); ++y) {
    auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
    for (int x = 0; x < bild.width(); ++x) zeile[x] = qGray(zeile[x]) < 160 ? grau.rgb() : silber.rgb();
  }
  return bild;
}

// The letters of `text` in the program name's last face, white in their
// coverage, as the Info page's centred label measures and lays them out
// (the size of a centred text is that of its pixels), with one pixel of room on
// every side for the relief that TRzLabel draws around them. Null when the
// face is not installed: the program would draw in another one.
QImage Namenszug(const QString& text, int faktor) {
  const QString& familie = Schriftzug::Schriften.last();
  const QFont schrift = Schriftzug::Schrift({familie});
  if (!QFontDatabase::families().contains(familie) || QFontInfo(schrift).family() != familie) return {};
  const int flags = Qt::TextExpandTabs | Qt::AlignHCenter | Qt::AlignTop;
  const QSize text_groesse = QFontMetrics(schrift).boundingRect(QRect(0, 0, 1 << 20, 1 << 20), flags, text).size();
  QImage bild = Leer((text_groesse + QSize(2, 2)) * faktor);
  bild.setDevicePixelRatio(faktor);
  QPainter maler(&bild);
  maler.setFont(schrift);
  maler.setPen(Qt::white);
  maler.drawText(QRect(QPoint(1, 1), text_groesse), flags, text);
  return bild;
}

// A head of five 32-bit numbers in the machine's order ("KBLD", width, height,
// bytes per line, QImage format: RGB32 or premultiplied ARGB32), then the
// pixels as drawn, line by line.
bool RohSchreiben(const QImage& bild, const QString& datei) {
  const QImage pixel =
      bild.convertToFormat(bild.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  QFile f(datei);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const quint32 kopf[] = {0x444c424b, quint32(pixel.width()), quint32(pixel.height()), quint32(pixel.bytesPerLine()),
                          quint32(pixel.format())};
  f.write(reinterpret_cast<const char*>(kopf), sizeof kopf);
  f.write(reinterpret_cast<const char*>(pixel.constBits()), pixel.sizeInBytes());
  return f.error() == QFileDevice::NoError && f.flush();
}

int Fehler(const char* programm, const char* was) {
  std::fprintf(stderr, "%s: %s\n", programm, was);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool kachel = argc == 3 && QByteArray(argv[1]) == "--kachel";
  const bool frage = argc == 3 && QByteArray(argv[1]) == "--frage";
  const bool schriftzug = argc == 5 && QByteArray(argv[1]) == "--schriftzug";
  if (argc != 4 && !kachel && !frage && !schriftzug) {
    std::fprintf(stderr,
                 "usage: %s <picture.svg> <W>x<H>|<N> <out.png> | %s --kachel|--frage <out.png>"
                 " | %s --schriftzug 1|2 <text> <out.png>\n",
                 argv[0], argv[0], argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform's chatter about runtime folders is noise in a build log.
  qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
    if (art == QtCriticalMsg || art == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QApplication app(argc, argv);

  const QString ausgabe = QString::fromLocal8Bit(argv[argc - 1]);
  QImage bild;
  if (kachel) {
    bild = Kachel();
  } else if (frage) {
    bild = QApplication::style()->standardPixmap(QStyle::SP_MessageBoxQuestion).toImage();
  } else if (schriftzug) {
    const int faktor = QByteArray(argv[2]).toInt();
    if (faktor != 1 && faktor != 2) return Fehler(argv[0], "factor is not 1 or 2");
    bild = Namenszug(QString::fromUtf8(argv[3]), faktor);
    if (bild.isNull()) {
      // An empty file: the program then draws the name from whatever face it finds.
      std::fprintf(stderr, "%s: the program name's face is not installed (fonts-liberation2)\n", argv[0]);
      QFile leer(QString::fromLocal8Bit(argv[4]));
      return leer.open(QIODevice::WriteOnly) ? 0 : Fehler(argv[0], "cannot write the picture");
    }
  } else {
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) return Fehler(argv[0], "cannot read the SVG");
    const QRegularExpressionMatch mass =
        QRegularExpression(QStringLiteral("^(\\d{1,4})(?:x(\\d{1,4}))?$")).match(QString::fromLatin1(argv[2]));
    if (!mass.hasMatch()) return Fehler(argv[0], "size is not N or WxH");
    const int breite = mass.captured(1).toInt();
    const int hoehe = mass.captured(2).isEmpty() ? breite : mass.captured(2).toInt();
    if (breite < 1 || hoehe < 1) return Fehler(argv[0], "size is not N or WxH");
    bild = mass.captured(2).isEmpty() ? Desktopsymbol(svg, breite) : Eingepasst(svg, QSize(breite, hoehe));
  }
  const bool roh = ausgabe.endsWith(QLatin1String(".argb"));
  if (!(roh ? RohSchreiben(bild, ausgabe) : bild.save(ausgabe, "PNG")))
    return Fehler(argv[0], "cannot write the picture");
  return 0;
}
