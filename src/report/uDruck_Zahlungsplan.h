#pragma once
// The payment plan of a page: its window beside the main window, its
// printout in the preview window where the result report goes.
#include "calc/Zahlungsplan.h"

class QWidget;
class TfmZahlungsplan;
class TfrmDruckVorschau;

// Shows the plan of the page's state in the main window's one plan window,
// which is created on first use and prints into the preview. A plan that
// cannot be made gets its message and leaves the window as it was.
TfmZahlungsplan* ZahlungsplanZeigen(QWidget* hauptfenster, TfrmDruckVorschau* vorschau, const TPlanSeite& seite);
