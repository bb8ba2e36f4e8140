#pragma once
// The print system behind the page printer and the preview: the one printer,
// the list of installed printers and the printer dialog. Qt's print support
// and the printer plugins it brings cost every start of the program, though
// few starts print; so the program loads this from a module on first use,
// while tests have it linked in. Only the implementation sees Qt's print
// classes; this side knows paint devices, rectangles and texts.
#include <QPageLayout>
#include <QRect>
#include <QString>

class QPaintDevice;
class QWidget;

class TPrinterBackend {
 public:
  // Raised whenever this interface changes, so that a module of another
  // build refuses to serve instead of crashing.
  static constexpr int Version = 1;

  virtual ~TPrinterBackend() = default;
  // The printer for QPainter::begin and for its resolution.
  virtual QPaintDevice* Device() = 0;
  // Whether the print system knows any printer; it asks it each time (slow).
  virtual bool AnyInstalled() = 0;
  virtual bool Valid() = 0;
  virtual bool PdfOutput() = 0;
  virtual void SetPdfOutput() = 0;
  virtual QString OutputFileName() = 0;
  // A name ending in .pdf also switches to PDF, an empty one back to the
  // native printer.
  virtual void SetOutputFileName(const QString& name) = 0;
  // Paper and printable area in device pixels.
  virtual QRect PaperRect() = 0;
  virtual QRect PageRect() = 0;
  virtual QPageLayout::Orientation Orientation() = 0;
  virtual void SetOrientation(QPageLayout::Orientation orientation) = 0;
  virtual QString DocName() = 0;
  virtual void SetDocName(const QString& name) = 0;
  virtual void SetCreator(const QString& creator) = 0;
  virtual int CopyCount() = 0;
  virtual void SetCopyCount(int count) = 0;
  // Whether a print job is running.
  virtual bool Active() = 0;
  virtual bool Abort() = 0;
  virtual bool NewPage() = 0;
  // The printer dialog as printer settings: no page range, output to a file
  // allowed, its confirm button labelled `confirm`. True when confirmed.
  virtual bool Setup(QWidget* parent, const QString& title, const QString& confirm) = 0;
};

// The print system, made on the first call; null when it cannot be had
// (the module is missing or unusable), and then on every later call too.
TPrinterBackend* PrinterBackend();
// Whether PrinterBackend() has made it already; makes nothing.
bool PrinterBackendMade();
// Why PrinterBackend() gave null, in German, naming the module; else empty.
QString PrinterBackendError();

// Where the print system comes from: linked in or loaded. Each of the two
// defines this once; `error` is set when it gives null.
TPrinterBackend* MakePrinterBackend(QString& error);

// The implementation's factory, TPrinterBackend* (int version), by the name
// the module exports it under.
inline constexpr char PrinterBackendFactory[] = "kalvora_printer_backend";
