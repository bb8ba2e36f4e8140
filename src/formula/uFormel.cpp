#include "formula/uFormel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

#include "base/Aufgeschoben.h"
#include "bilder/Bilder.h"
#include "formula/Formeltext.h"
#include "formula/RtfLeser.h"
#include "pages/Seiten.h"
#include "ui_uFormel.h"

// The library is static: its resources must be registered by hand, and only
// from the global namespace.
static void FormelnEinbinden() { Q_INIT_RESOURCE(formeln); }

namespace {

const QString Ordner = QStringLiteral(":/formeln");

// "Formel" with the page and the quantity the document is for.
QString Formelname(const QString& ressourcenName) {
  const auto gleich = [&](const QString& formel) { return formel.compare(ressourcenName, Qt::CaseInsensitive) == 0; };
  for (const TSeite& seite : Seiten::Alle()) {
    const QString titel = QString(seite.Beschriftung).remove(QLatin1Char('&'));
    if (gleich(seite.Formel)) return QStringLiteral("Formel: ") + titel;
    for (const TGesucht& g : seite.Gesucht)
      if (gleich(g.Formel)) return QStringLiteral("Formel: %1, %2").arg(titel, g.Name);
  }
  return QStringLiteral("Formel");
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
      kachel(Bild(QStringLiteral("kachel"))) {
  FormelnEinbinden();
  ui->setupUi(this);
  setFixedSize(size());
  StandardsymbolBeimZeigen(ui->BitBtn1, QStyle::SP_DialogOkButton);
  connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TfmFormel::~TfmFormel() = default;

QTextEdit* TfmFormel::RichEdit1() const { return ui->RichEdit1; }

bool TfmFormel::DokumentLaden(const QString& ressourcenName) {
  ui->RichEdit1->setAcceptRichText(true);
  const QByteArray rtf = FormelDokument(ressourcenName);
  if (rtf.isEmpty()) {
    ui->RichEdit1->clear();
    ui->RichEdit1->setAccessibleName(QStringLiteral("Formel"));
    ui->RichEdit1->setAccessibleDescription(QString());
    ladeFehler = QStringLiteral("Das Formeldokument \u201E%1\u201C ist nicht vorhanden.").arg(ressourcenName);
    return false;
  }
  const TRtfErgebnis ergebnis = TRtfLeser::Lesen(rtf, ui->RichEdit1->document());
  ui->RichEdit1->moveCursor(QTextCursor::Start);
  // The drawn fractions and exponents, as they are said.
  ui->RichEdit1->setAccessibleName(Formelname(ressourcenName));
  ui->RichEdit1->setAccessibleDescription(ergebnis.Ok ? LinearerText(ui->RichEdit1->document()) : QString());
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
