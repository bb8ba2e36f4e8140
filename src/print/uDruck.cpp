// Print preview window and the layout of the result report.
#include "uDruck.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <cmath>

#include "Anwendung.h"
#include "PagePrnt.h"
#include "ui_uDruck.h"

TfrmDruckVorschau::TfrmDruckVorschau(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TfrmDruckVorschau>()) {
  Q_INIT_RESOURCE(uDruck);
  ui->setupUi(this);
  // The form has set the page printer's properties; now it may measure.
  ui->PgprntrVorschau->Loaded();
  FormCreate();

  connect(ui->SpeedButton17, &QToolButton::clicked, this, [this] { Fehlerbehandelt([this] { SpeedButton17Click(); }); });
  connect(ui->SpeedButton18, &QToolButton::clicked, this, [this] { Fehlerbehandelt([this] { SpeedButton18Click(); }); });
  connect(ui->Button2, &QPushButton::clicked, this, [this] { Fehlerbehandelt([this] { Button2Click(); }); });
  connect(ui->Button3, &QPushButton::clicked, this, [this] { Fehlerbehandelt([this] { Button3Click(); }); });
  connect(ui->Button4, &QPushButton::clicked, this, [this] { Fehlerbehandelt([this] { Button4Click(); }); });
  connect(ui->BitBtn1, &QPushButton::clicked, this, [this] { Fehlerbehandelt([this] { BitBtn1Click(); }); });
  connect(ui->bitbtnAbbruch, &QPushButton::clicked, this, [this] { Fehlerbehandelt([this] { bitbtnAbbruchClick(); }); });
}

TfrmDruckVorschau::~TfrmDruckVorschau() = default;

TPagePrinter* TfrmDruckVorschau::PgprntrVorschau() const { return ui->PgprntrVorschau; }

void TfrmDruckVorschau::FormCreate() {
  setObjectName(QStringLiteral("frmDruckVorschau"));
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
  if (ereignis->type() == QEvent::Resize || ereignis->type() == QEvent::Move)
    AnClientflaecheAnpassen();
  return QWidget::eventFilter(objekt, ereignis);
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
  {
    QPrintDialog dialog(&Printer(), this);
    dialog.setWindowTitle(QStringLiteral("Druckeinstellung"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.exec();
  }
  // Confirmed or not, the printer may have been touched.
  ui->PgprntrVorschau->RefreshPrinterMetrics();
}

QString TfrmDruckVorschau::StandardPdfDatei() {
  // A documents folder that does not exist would let the dialog open wherever
  // it was last, so the home folder stands in for it.
  QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (ordner.isEmpty() || !QDir(ordner).exists()) ordner = QDir::homePath();
  return QDir(ordner).filePath(QStringLiteral("Kalvora-Bericht.pdf"));
}

bool TfrmDruckVorschau::PdfZielWaehlen(bool& neuGewaehlt) {
  neuGewaehlt = false;
  QPrinter& drucker = Printer();
  if (drucker.outputFormat() == QPrinter::PdfFormat && !drucker.outputFileName().isEmpty()) return true;
  if (PrinterReachable()) return true;
  const QString datei =
      QFileDialog::getSaveFileName(this, QStringLiteral("Bericht als PDF-Datei speichern"), StandardPdfDatei(),
                                   QStringLiteral("PDF-Dateien (*.pdf)"));
  if (datei.isEmpty()) return false;
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(datei);
  neuGewaehlt = true;
  ui->PgprntrVorschau->RefreshPrinterMetrics();
  return true;
}

void TfrmDruckVorschau::Information(QWidget* eltern, const QString& text) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, eltern);
  box.exec();
}

void TfrmDruckVorschau::BitBtn1Click() {
  TPagePrinter* p = ui->PgprntrVorschau;
  if (p->PageCount() <= 0) {
    Information(this, QStringLiteral("Keine Daten vorhanden!"));
    return;
  }
  // With no printer installed the report goes into a PDF file; a declined
  // file choice is a cancelled print, never a silent nothing.
  bool neuGewaehlt = false;
  if (!PdfZielWaehlen(neuGewaehlt)) {
    Information(this, QStringLiteral("Sie haben den Ausdruck abgebrochen!"));
    return;
  }
  try {
    if (!p->Print()) Information(this, QStringLiteral("Sie haben den Ausdruck abgebrochen!"));
  } catch (...) {
    // A file that cannot be written must not stay the target: the next
    // attempt asks again instead of failing the same way for good.
    if (neuGewaehlt) Printer().setOutputFileName(QString());
    throw;
  }
}

void TfrmDruckVorschau::bitbtnAbbruchClick() { hide(); }

void TfrmDruckVorschau::DruckeErgebnis(const QString& Titeltext, const QString& Gesuchttext,
                                       const QString& Vorgabentext, const QString& Fragetext,
                                       const QString& Ergebnistext) {
  TPagePrinter* p = ui->PgprntrVorschau;
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
  p->WriteTableLine(Fragetext);
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
