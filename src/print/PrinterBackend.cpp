#include "print/PrinterBackend.h"

namespace {
struct TBackendState {
  bool Tried = false;
  TPrinterBackend* Backend = nullptr;
  QString Error;
};
TBackendState& State() {
  static TBackendState state;
  return state;
}
}  // namespace

TPrinterBackend* PrinterBackend() {
  TBackendState& s = State();
  if (!s.Tried) {
    // Once only: a module that failed to load fails the same way again.
    s.Tried = true;
    s.Backend = MakePrinterBackend(s.Error);
  }
  return s.Backend;
}

bool PrinterBackendMade() { return State().Backend != nullptr; }

QString PrinterBackendError() { return State().Error; }
