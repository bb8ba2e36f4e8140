#include "formula/uFormel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

#include "formula/RtfLeser.h"
#include "pages/Seiten.h"
#include "ui_uFormel.h"

// The library is static: its resources must be registered by hand, and only
// from the global namespace.
static void FormelnEinbinden() { Q_INIT_RESOURCE(formeln); }

namespace {

const QString Ordner = QStringLiteral(":/formeln");

// Grey formula signs on silver, two colours only, so that the tile looks the
// same on every screen.
QPixmap KachelZeichnen() {
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
  return QPixmap::fromImage(bild);
}

}  // namespace

QString FormelRessource(const QString& seitenKey, int gesuchtIndex) {
  const TSeite* seite = Seiten::Finden(seitenKey);
  if (!seite) return {};
  if (!seite->Formel.isEmpty()) return seite->Formel;
  if (gesuchtIndex < 0 || gesuchtIndex >= static_cast<int>(seite->Gesucht.size())) return {};
  return seite->Gesucht[static_cast<std::size_t>(gesuchtIndex)].Formel;
}

QByteArray FormelDokument(const QString& ressourcenName) {
  FormelnEinbinden();
  if (ressourcenName.isEmpty()) return {};
  const QString gesucht = ressourcenName + QStringLiteral(".rtf");
  const QStringList dateien = QDir(Ordner).entryList(QDir::Files);
  for (const QString& datei : dateien) {
    if (datei.compare(gesucht, Qt::CaseInsensitive) == 0) {
      QFile f(Ordner + QLatin1Char('/') + datei);
      if (f.open(QIODevice::ReadOnly)) return f.readAll();
    }
  }
  return {};
}

TfmFormel::TfmFormel(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TfmFormel>()),
      kachel(KachelZeichnen()) {
  FormelnEinbinden();
  ui->setupUi(this);
  setFixedSize(size());
  ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TfmFormel::~TfmFormel() = default;

QTextEdit* TfmFormel::RichEdit1() const { return ui->RichEdit1; }

bool TfmFormel::DokumentLaden(const QString& ressourcenName) {
  ui->RichEdit1->setAcceptRichText(true);
  const QByteArray rtf = FormelDokument(ressourcenName);
  if (rtf.isEmpty()) {
    ui->RichEdit1->clear();
    ladeFehler = QStringLiteral("Das Formeldokument \u201E%1\u201C ist nicht vorhanden.").arg(ressourcenName);
    return false;
  }
  const TRtfErgebnis ergebnis = TRtfLeser::Lesen(rtf, ui->RichEdit1->document());
  ui->RichEdit1->moveCursor(QTextCursor::Start);
  ladeFehler = ergebnis.Ok ? QString()
                           : QStringLiteral("Das Formeldokument \u201E%1\u201C kann nicht gelesen werden: %2")
                                 .arg(ressourcenName, ergebnis.Fehler);
  return ergebnis.Ok;
}

void TfmFormel::DokumentZeigen(const QString& ressourcenName) {
  if (!DokumentLaden(ressourcenName)) {
    // Only a program without its documents gets here; say so rather than
    // showing an empty window.
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), ladeFehler, QMessageBox::Ok,
                    parentWidget());
    box.exec();
    return;
  }
  exec();
}

void TfmFormel::paintEvent(QPaintEvent*) { FormPaint(); }

void TfmFormel::FormPaint() {
  QPainter p(this);
  const int tw = kachel.width();
  const int th = kachel.height();
  for (int i = 0; i <= height() / th; ++i)
    for (int k = 0; k <= width() / tw; ++k) p.drawPixmap(k * tw, i * th, kachel);
}
