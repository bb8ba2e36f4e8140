#include "report/uDruck_Finanzierung.h"

#include "finanzierung/Finanzierungsfenster.h"
#include "finanzierung/VergleichDruck.h"
#include "print/PagePrnt.h"
#include "report/uDruck.h"

void TfrmDruckVorschau::DruckeVergleich(const TVergleichDokument& vergleich) {
  if (PgprntrVorschau()->PrintJobActive()) return;
  FTitel = vergleich.Titel;
  VergleichSchreiben(*PgprntrVorschau(), vergleich);
}

TfmFinanzierung* FinanzierungZeigen(QWidget* hauptfenster, TfrmDruckVorschau* vorschau) {
  auto* fenster =
      hauptfenster->findChild<TfmFinanzierung*>(QStringLiteral("fmFinanzierung"), Qt::FindDirectChildrenOnly);
  if (!fenster) {
    fenster = new TfmFinanzierung(hauptfenster);
    if (vorschau)
      QObject::connect(fenster, &TfmFinanzierung::DruckAngefordert, vorschau,
                       [vorschau, hauptfenster](const TVergleichDokument& vergleich) {
                         vorschau->DruckeVergleich(vergleich);
                         vorschau->Vorzeigen(hauptfenster);
                       });
  }
  fenster->Zeigen();
  return fenster;
}
