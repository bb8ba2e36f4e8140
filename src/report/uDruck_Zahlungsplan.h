#pragma once
// The payment plan of a page: its window beside the main window, its
// printout in the preview window where the result report goes.
class QWidget;
class TfmZahlungsplan;
class TfrmDruckVorschau;

// The main window's one plan window, which is created on first use and
// prints into the preview.
TfmZahlungsplan* ZahlungsplanFenster(QWidget* hauptfenster, TfrmDruckVorschau* vorschau);
