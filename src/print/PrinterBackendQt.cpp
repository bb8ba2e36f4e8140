#include "print/PrinterBackendQt.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace {

class TQtPrinterBackend final : public TPrinterBackend {
 public:
  QPrinter Printer{QPrinter::HighResolution};

  QPaintDevice* Device() override { return &Printer; }
  bool AnyInstalled() override { return !QPrinterInfo::availablePrinters().isEmpty(); }
  bool Valid() override { return Printer.isValid(); }
  bool PdfOutput() override { return Printer.outputFormat() == QPrinter::PdfFormat; }
  void SetPdfOutput() override { Printer.setOutputFormat(QPrinter::PdfFormat); }
  QString OutputFileName() override { return Printer.outputFileName(); }
  void SetOutputFileName(const QString& name) override { Printer.setOutputFileName(name); }
  QRect PaperRect() override { return Printer.paperRect(QPrinter::DevicePixel).toRect(); }
  QRect PageRect() override { return Printer.pageRect(QPrinter::DevicePixel).toRect(); }
  QPageLayout::Orientation Orientation() override { return Printer.pageLayout().orientation(); }
  void SetOrientation(QPageLayout::Orientation orientation) override { Printer.setPageOrientation(orientation); }
  QString DocName() override { return Printer.docName(); }
  void SetDocName(const QString& name) override { Printer.setDocName(name); }
  void SetCreator(const QString& creator) override { Printer.setCreator(creator); }
  int CopyCount() override { return Printer.copyCount(); }
  void SetCopyCount(int count) override { Printer.setCopyCount(count); }
  bool Active() override { return Printer.printerState() == QPrinter::Active; }
  bool Abort() override { return Printer.abort(); }
  bool NewPage() override { return Printer.newPage(); }

  bool Setup(QWidget* parent, const QString& title, const QString& confirm) override {
    QPrintDialog dialog(&Printer, parent);
    dialog.setWindowTitle(title);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    for (auto* buttons : dialog.findChildren<QDialogButtonBox*>())
      if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(confirm);
    return dialog.exec() == QDialog::Accepted;
  }
};

TQtPrinterBackend& Backend() {
  static TQtPrinterBackend backend;
  return backend;
}

}  // namespace

TPrinterBackend* kalvora_printer_backend(int version) {
  return version == TPrinterBackend::Version ? &Backend() : nullptr;
}

QPrinter& QtPrinter() { return Backend().Printer; }
