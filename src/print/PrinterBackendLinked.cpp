// The print system linked in, for tests and benchmarks: they set the printer
// up through Printer() and need no module file.
#include <QPrinter>

#include "print/PagePrnt.h"
#include "print/PrinterBackendQt.h"

TPrinterBackend* MakePrinterBackend(QString& /*error*/) { return kalvora_printer_backend(TPrinterBackend::Version); }

QPrinter& Printer() {
  PrinterBackend();
  return QtPrinter();
}
