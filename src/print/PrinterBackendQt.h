#pragma once
// The print system made of Qt's print support: the only code that includes
// its headers. Built into the print module, and linked in for tests.
#include <QtGlobal>

#include "print/PrinterBackend.h"

class QPrinter;

// The one backend, made on the first call; null when the caller was built
// against another version of the interface.
extern "C" Q_DECL_EXPORT TPrinterBackend* kalvora_printer_backend(int version);
// The backend's printer, for code that has the print system linked in.
QPrinter& QtPrinter();
