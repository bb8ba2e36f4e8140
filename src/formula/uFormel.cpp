#include "formula/uFormel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

#include "bilder/Bilder.h"
#include "formula/RtfLeser.h"
#include "ui_uFormel.h"

// The library is static: its resources must be registered by hand, and only
// from the global namespace.
static void FormelnEinbinden() { Q_INIT_RESOURCE(formeln); }

namespace {

const QString Ordner = QStringLiteral(":/formeln");

struct TSeitenDokumente {
  const char* seite;
  QList<const char*> namen;  // by sought index
};

const QList<TSeitenDokumente>& Dokumente() {
  static const QList<TSeitenDokumente> tabelle = {
      {"eZi", {"Formel_eZi_AK", "Formel_eZi_Zins", "Formel_eZi_Lfz", "Formel_eZi_EK"}},
      {"ZiZiE", {"Formel_ZiZiE_AK", "Formel_ZiZiE_Zins", "Formel_ZiZiE_Lfz", "Formel_ZiZiE_EK"}},
      {"ZiZiR", {"Formel_ZiZiR_R", "Formel_ZiZiR_Lfz", "Formel_ZiZiR_EK"}},
      {"BW", {"Formel_BW_R", "Formel_BW_Lfz", "Formel_BW_BW"}},
      {"AnnD", {"Formel_AnnD_K0", "Formel_AnnD_Lfz", "Formel_AnnD_A", "Formel_AnnD_Kn"}},
      {"MWST", {"Formel_MWST_netto", "Formel_MWST_proz", "Formel_MWST_DM", "Formel_MWST_brutto"}},
  };
  return tabelle;
}

}  // namespace

QString FormelRessource(const QString& seitenKey, int gesuchtIndex) {
  if (seitenKey == QLatin1String("Akt")) return QStringLiteral("Formel_Akt");
  if (seitenKey == QLatin1String("Euro")) return QStringLiteral("Formel_Euro");
  for (const auto& s : Dokumente()) {
    if (seitenKey == QLatin1String(s.seite)) {
      if (gesuchtIndex >= 0 && gesuchtIndex < s.namen.size()) return QString::fromLatin1(s.namen[gesuchtIndex]);
      return {};
    }
  }
  return {};
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
      ui(new Ui::TfmFormel),
      kachel(Bild(QStringLiteral("kachel"))) {
  FormelnEinbinden();
  ui->setupUi(this);
  setFixedSize(size());
  ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TfmFormel::~TfmFormel() { delete ui; }

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
