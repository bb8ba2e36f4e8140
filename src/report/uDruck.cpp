// Print preview window and the layout of the result report.
#include "report/uDruck.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <cerrno>
#include <cmath>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#include "base/Dateivorschlag.h"
#include "base/Fehlerbehandlung.h"
#include "base/Version.h"
#include "bilder/Bilder.h"
#include "print/PagePrnt.h"
#include "print/PrinterBackend.h"
#include "ui_uDruck.h"

namespace {

// Why `datei` cannot be written, in German; empty when it can. Tried by
// opening it for appending, which leaves an existing file as it is.
QString Schreibhindernis(const QString& datei) {
  const QFileInfo info(datei);
  const bool neu = !info.exists();
#ifdef Q_OS_UNIX
  const int fd = ::open(QFile::encodeName(datei).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd >= 0) {
    ::close(fd);
    if (neu) QFile::remove(datei);
    return {};
  }
  switch (errno) {
    case EACCES:
    case EPERM: return QStringLiteral("Es fehlt die Berechtigung, dort zu schreiben.");
    case EROFS: return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");
    case EISDIR: return QStringLiteral("Unter diesem Namen gibt es einen Ordner.");
    case ENOTDIR: return QStringLiteral("Ein Teil des Pfads ist kein Ordner.");
    case ENAMETOOLONG: return QStringLiteral("Der Name ist zu lang.");
    case ENOENT:
      if (!QFileInfo(info.absolutePath()).isDir())
        return QStringLiteral("Den Ordner „%1“ gibt es nicht.").arg(QDir::toNativeSeparators(info.absolutePath()));
      return QStringLiteral("In diesem Ordner lassen sich keine Dateien anlegen.");
    default: return QStringLiteral("Die Datei ließ sich nicht anlegen (Systemfehler %1).").arg(errno);
  }
#else
  QFile f(datei);
  if (f.open(QIODevice::WriteOnly | QIODevice::Append)) {
    f.close();
    if (neu) f.remove();
    return {};
  }
  return QStringLiteral("Die Datei ließ sich nicht anlegen.");
#endif
}

// The text broken into lines of at most `breite` pixels, no line starting
// with a blank. A cell's own wrapping keeps the blank at a break and moves a
// line that fills the cell to its very edge, so that the question's lines
// would not start at one x; lines that fit with room to spare keep them there.
QString Zeilenweise(const TPagePrinter& p, const QString& text, int breite) {
  QStringList zeilen;
  for (QString rest : text.split(QLatin1Char('\n'))) {
    do {
      zeilen << p.SplitToFit(rest, breite, true);
      while (rest.startsWith(QLatin1Char(' '))) rest.remove(0, 1);
    } while (!rest.isEmpty());
  }
  return zeilen.join(QLatin1Char('\n'));
}

}  // namespace

TfrmDruckVorschau::TfrmDruckVorschau(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TfrmDruckVorschau>()) {
  Q_INIT_RESOURCE(uDruck);
  ui->setupUi(this);
  // The form has set the page printer's properties; now it may measure.
  ui->PgprntrVorschau->Loaded();
  FormCreate();

  VerbindenBehandelt(ui->SpeedButton17, &QToolButton::clicked, this, &TfrmDruckVorschau::SpeedButton17Click);
  VerbindenBehandelt(ui->SpeedButton18, &QToolButton::clicked, this, &TfrmDruckVorschau::SpeedButton18Click);
  VerbindenBehandelt(ui->Button2, &QPushButton::clicked, this, &TfrmDruckVorschau::Button2Click);
  VerbindenBehandelt(ui->Button3, &QPushButton::clicked, this, &TfrmDruckVorschau::Button3Click);
  VerbindenBehandelt(ui->Button4, &QPushButton::clicked, this, &TfrmDruckVorschau::Button4Click);
  VerbindenBehandelt(ui->BitBtn1, &QPushButton::clicked, this, &TfrmDruckVorschau::BitBtn1Click);
  VerbindenBehandelt(ui->bitbtnAbbruch, &QPushButton::clicked, this, &TfrmDruckVorschau::bitbtnAbbruchClick);
  // Zooming by keyboard, with the keys browsers and viewers use; "=" is the
  // unshifted "+" of many layouts.
  for (const auto& [knopf, tasten] :
       {std::pair{ui->SpeedButton17,
                  QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}},
        std::pair{ui->SpeedButton18, QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Minus)}}}) {
    for (const QKeySequence& taste : tasten)
      connect(new QShortcut(taste, this), &QShortcut::activated, knopf, &QToolButton::click);
    knopf->setToolTip(knopf->toolTip() + QStringLiteral(" (") + tasten.first().toString(QKeySequence::NativeText) +
                      QLatin1Char(')'));
  }
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  VerbindenBehandelt(escape, &QShortcut::activated, this, &TfrmDruckVorschau::bitbtnAbbruchClick);
}

TfrmDruckVorschau::~TfrmDruckVorschau() = default;

TPagePrinter* TfrmDruckVorschau::PgprntrVorschau() const { return ui->PgprntrVorschau; }

void TfrmDruckVorschau::FormCreate() {
  setObjectName(QStringLiteral("frmDruckVorschau"));
  ui->SpeedButton17->setIcon(Symbol(QStringLiteral("vergroessern")));
  ui->SpeedButton18->setIcon(Symbol(QStringLiteral("verkleinern")));
  ui->BitBtn1->setIcon(Symbol(QStringLiteral("drucken")));
  ui->bitbtnAbbruch->setIcon(Symbol(QStringLiteral("zurueck")));
  setBackgroundRole(QPalette::Button);
  hide();
  // Follow the client area for the rest of the run.
  if (auto* haupt = qobject_cast<QMainWindow*>(parentWidget())) {
    haupt->installEventFilter(this);
    if (haupt->centralWidget()) haupt->centralWidget()->installEventFilter(this);
  } else if (parentWidget()) {
    parentWidget()->installEventFilter(this);
  }
  AnClientflaecheAnpassen();
}

void TfrmDruckVorschau::AnClientflaecheAnpassen() {
  QWidget* eltern = parentWidget();
  if (!eltern) return;
  QRect flaeche = eltern->rect();
  if (auto* haupt = qobject_cast<QMainWindow*>(eltern); haupt && haupt->centralWidget())
    flaeche = haupt->centralWidget()->geometry();
  if (geometry() != flaeche) setGeometry(flaeche);
}

bool TfrmDruckVorschau::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() == QEvent::Resize || ereignis->type() == QEvent::Move) AnClientflaecheAnpassen();
  return QWidget::eventFilter(objekt, ereignis);
}

void TfrmDruckVorschau::showEvent(QShowEvent* ereignis) {
  QWidget::showEvent(ereignis);
  auto* haupt = qobject_cast<QMainWindow*>(parentWidget());
  if (!haupt || !haupt->centralWidget() || !FVerdeckt.isEmpty()) return;
  FFokus = haupt->focusWidget();
  ui->PgprntrVorschau->setFocus(Qt::OtherFocusReason);
  // What lies beneath goes out of sight while the preview covers it, so that
  // it takes no key: no field, no mnemonic, no shortcut. It keeps its place,
  // and the menu stays usable.
  for (QWidget* kind : haupt->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (kind->isHidden()) continue;
    QSizePolicy politik = kind->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    kind->setSizePolicy(politik);
    kind->hide();
    FVerdeckt.append(kind);
  }
}

void TfrmDruckVorschau::hideEvent(QHideEvent* ereignis) {
  QWidget::hideEvent(ereignis);
  for (QWidget* kind : std::as_const(FVerdeckt))
    if (kind) kind->show();
  FVerdeckt.clear();
  if (FFokus && FFokus->isVisible()) FFokus->setFocus(Qt::OtherFocusReason);
}

void TfrmDruckVorschau::resizeEvent(QResizeEvent* ereignis) {
  QWidget::resizeEvent(ereignis);
  FormResize();
}

void TfrmDruckVorschau::FormResize() {
  QPushButton* zurueck = ui->bitbtnAbbruch;
  zurueck->resize(zurueck->sizeHint().expandedTo(QSize(100, 30)));
  const int links = static_cast<int>(std::trunc((width() - zurueck->width()) / 2.0));
  const QRect panel = ui->Panel1->geometry();
  const int oben = panel.top() + (panel.height() - zurueck->height()) / 2;
  zurueck->move(links, oben);
  zurueck->raise();
}

void TfrmDruckVorschau::SpeedButton17Click() {
  TPagePrinter* p = ui->PgprntrVorschau;
  p->setZoomPercent(p->ZoomPercent() + 20);
}

void TfrmDruckVorschau::SpeedButton18Click() {
  TPagePrinter* p = ui->PgprntrVorschau;
  if (p->ZoomPercent() <= 20)
    p->setZoomPercent(10);
  else
    p->setZoomPercent(p->ZoomPercent() - 20);
}

void TfrmDruckVorschau::Button2Click() { ui->PgprntrVorschau->ZoomToWidth(); }

void TfrmDruckVorschau::Button3Click() { ui->PgprntrVorschau->ZoomToFit(); }

void TfrmDruckVorschau::Button4Click() {
  if (ui->PgprntrVorschau->PrintJobActive()) return;
  TPrinterBackend* drucker = Druckwerk();
  if (!drucker) return;
  // The dialog only takes the settings over; printing is "Drucken" here.
  if (drucker->Setup(this, QStringLiteral("Druckeinstellung"), QStringLiteral("Übernehmen"))) {
    FVorgemerkt = drucker->PdfOutput() ? drucker->OutputFileName() : QString();
    if (!FVorgemerkt.isEmpty())
      Information(this, QStringLiteral("Der nächste Ausdruck wird in die Datei „%1“ geschrieben.")
                            .arg(QDir::toNativeSeparators(FVorgemerkt)));
  }
  // Confirmed or not, the printer may have been touched.
  ui->PgprntrVorschau->RefreshPrinterMetrics();
}

TPrinterBackend* TfrmDruckVorschau::Druckwerk() {
  TPrinterBackend* drucker = PrinterBackend();
  if (!drucker) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QStringLiteral("Drucken ist nicht möglich.\n%1").arg(PrinterBackendError()), QMessageBox::Ok, this);
    box.exec();
  }
  return drucker;
}

QString TfrmDruckVorschau::PdfDateiErfragen() {
  const QString ordner = FOrdner.isEmpty() || !QDir(FOrdner).exists() ? Dokumentenordner() : FOrdner;
  QString datei = SpeicherdateiErfragen(this, QStringLiteral("Bericht als PDF-Datei speichern"),
                                        DateiVorschlag(ordner, FTitel, QStringLiteral("pdf")),
                                        QStringLiteral("PDF-Dateien (*.pdf)"));
  if (!datei.isEmpty()) FOrdner = QFileInfo(datei).absolutePath();
  return datei;
}

void TfrmDruckVorschau::Information(QWidget* eltern, const QString& text) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, eltern);
  box.exec();
}

void TfrmDruckVorschau::BitBtn1Click() {
  TPagePrinter* p = ui->PgprntrVorschau;
  // The job lets events through between its pages; a second click waits for it.
  if (p->PrintJobActive()) return;
  if (p->PageCount() <= 0) {
    Information(this, QStringLiteral("Keine Daten vorhanden!"));
    return;
  }
  TPrinterBackend* const drucker = Druckwerk();
  if (!drucker) return;
  // A file set on the printer from outside the program is used as it is; a
  // file the user chose serves one print, and the box says where it went.
  QString datei;
  bool gewaehlt = false;
  if (drucker->PdfOutput() && !drucker->OutputFileName().isEmpty()) {
    datei = drucker->OutputFileName();
    gewaehlt = datei == FVorgemerkt;
  } else if (!PrinterReachable()) {
    datei = PdfDateiErfragen();
    if (datei.isEmpty()) {
      Information(this, QStringLiteral("Sie haben den Ausdruck abgebrochen!"));
      return;
    }
    gewaehlt = true;
  }
  const auto fertig = [&] {
    if (!gewaehlt) return;
    // The next print asks again instead of overwriting this file.
    FVorgemerkt.clear();
    drucker->SetOutputFileName(QString());
    p->RefreshPrinterMetrics();
  };
  const auto fehler = [&](const QString& grund) {
    fertig();
    QApplication::beep();
    const QString text = datei.isEmpty()
                             ? QStringLiteral("Der Bericht konnte nicht gedruckt werden.\n%1").arg(grund)
                             : QStringLiteral("Der Bericht konnte nicht in die Datei „%1“ geschrieben werden.\n%2")
                                   .arg(QDir::toNativeSeparators(datei), grund);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::Ok, this);
    box.exec();
  };
  if (!datei.isEmpty()) {
    if (const QString grund = Schreibhindernis(datei); !grund.isEmpty()) return fehler(grund);
    drucker->SetPdfOutput();
    drucker->SetOutputFileName(datei);
    p->RefreshPrinterMetrics();
  }
  drucker->SetDocName(FTitel);
  drucker->SetCreator(QString::fromLatin1(ProgrammnameMitVersion));
  bool gedruckt = false;
  try {
    gedruckt = p->Print();
  } catch (const EPrinter&) {
    // The print system says why only in English, if at all.
    return fehler(datei.isEmpty() ? QStringLiteral("Der Drucker hat den Auftrag nicht angenommen.")
                                  : QStringLiteral("Die Datei ließ sich nicht anlegen."));
  }
  if (!gedruckt)
    Information(this, QStringLiteral("Sie haben den Ausdruck abgebrochen!"));
  else if (gewaehlt)
    Information(
        this, QStringLiteral("Der Bericht wurde in die Datei „%1“ geschrieben.").arg(QDir::toNativeSeparators(datei)));
  fertig();
}

void TfrmDruckVorschau::bitbtnAbbruchClick() { hide(); }

void TfrmDruckVorschau::Vorzeigen(QWidget* hauptfenster) {
  show();
  raise();
  PgprntrVorschau()->ZoomToWidth();
  hauptfenster->raise();
  hauptfenster->activateWindow();
}

void TfrmDruckVorschau::DruckeErgebnis(const QString& Titeltext, const QString& Gesuchttext,
                                       const QString& Vorgabentext, const QString& Fragetext,
                                       const QString& Ergebnistext) {
  TPagePrinter* p = ui->PgprntrVorschau;
  // The pages being printed stay until the job ends.
  if (p->PrintJobActive()) return;
  FTitel = Titeltext;
  p->BeginDoc();

  // The title is always regular, whatever style the last report left behind.
  QFont schrift = p->font();
  schrift.setFamily(QStringLiteral("Times New Roman"));
  schrift.setPointSize(15);
  schrift.setBold(false);
  schrift.setItalic(false);
  schrift.setUnderline(false);
  p->setFont(schrift);
  p->WriteLineAligned(TPagePrinter::taCenter, Titeltext);

  schrift.setFamily(QStringLiteral("Arial"));
  p->setFont(schrift);
  p->NewLine();
  p->NewLine();

  // Columns are measured in a larger font than the table uses, which leaves
  // the labels room to spare.
  schrift.setBold(true);
  p->setFont(schrift);
  const auto breite = [p](const QString& text) { return p->PixelsToUnitsX(p->Canvas().TextWidth(text)); };
  const long long w1 = static_cast<long long>(std::trunc(breite(QStringLiteral("Ergebnis: ")) + 5));
  const long long w2 = static_cast<long long>(std::trunc(breite(QStringLiteral("Anfangskapital:  "))));
  const long long w3 = static_cast<long long>(std::trunc(p->PrintableWidth() - w1 - w2));
  const long long ganz = static_cast<long long>(std::trunc(p->PrintableWidth()));

  schrift.setBold(false);
  schrift.setPointSize(9);
  p->setFont(schrift);
  p->setTableFormat(QStringLiteral("<%1").arg(ganz));
  p->WriteTableLine(QStringLiteral("Diese Berechnung beantwortet die Frage:"));
  p->WriteTableLine(Zeilenweise(*p, Fragetext, p->UnitsToPixelsX(ganz - 1.0)));
  p->NewLine();
  p->NewLine();

  p->setTableFormat(QStringLiteral("<%1|<%2|<%3").arg(w1).arg(w2).arg(w3));
  p->WriteTableLine(QStringLiteral("Gesucht:  |") + Gesuchttext);
  p->NewLine();
  p->NewLine();
  p->WriteTableLine(QStringLiteral("Vorgaben: |") + Vorgabentext);
  p->NewLine();
  p->NewLine();

  schrift.setPointSize(12);
  schrift.setBold(true);
  p->setFont(schrift);
  p->setTableFormat(QStringLiteral("<%1|<%2|>%3").arg(w1).arg(w3).arg(w2));
  p->WriteTableLine(QStringLiteral("Ergebnis: |") + Ergebnistext);
  p->NewLine();

  p->EndDoc();
}
