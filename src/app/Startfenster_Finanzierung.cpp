// "Finanzierungen vergleichen" in the "Programm" menu: the comparison window,
// created on first use, with its help on F1.
#include "app/Anwendung.h"
#include "app/Hilfe.h"
#include "app/Startfenster.h"
#include "finanzierung/Finanzierungsfenster.h"
#include "report/uDruck_Finanzierung.h"

void TfmStart::FinanzierungAktionClick() {
  HilfeKontextSetzen(FinanzierungZeigen(this, frmDruckVorschau), HilfeFinanzierung);
}
