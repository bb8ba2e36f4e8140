#pragma once
// The comparison of loan offers: its window beside the main window, its
// printout in the preview window where the result report goes.
class QWidget;
class TfmFinanzierung;
class TfrmDruckVorschau;

// Shows the main window's one comparison window, which is created on first
// use and prints into the preview.
TfmFinanzierung* FinanzierungZeigen(QWidget* hauptfenster, TfrmDruckVorschau* vorschau);
