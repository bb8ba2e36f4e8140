#include "report/uDruck_Zahlungsplan.h"

#include "plan/PlanDruck.h"
#include "plan/Zahlungsplanfenster.h"
#include "print/PagePrnt.h"
#include "report/uDruck.h"

void TfrmDruckVorschau::DruckeZahlungsplan(const TPlanDokument& plan) {
  if (PgprntrVorschau()->PrintJobActive()) return;
  FTitel = plan.Titel;
  ZahlungsplanSchreiben(*PgprntrVorschau(), plan);
}

TfmZahlungsplan* ZahlungsplanFenster(QWidget* hauptfenster, TfrmDruckVorschau* vorschau) {
  auto* fenster =
      hauptfenster->findChild<TfmZahlungsplan*>(QStringLiteral("fmZahlungsplan"), Qt::FindDirectChildrenOnly);
  if (!fenster) {
    fenster = new TfmZahlungsplan(hauptfenster);
    if (vorschau)
      QObject::connect(fenster, &TfmZahlungsplan::DruckAngefordert, vorschau,
                       [vorschau, hauptfenster](const TPlanDokument& plan) {
                         vorschau->DruckeZahlungsplan(plan);
                         vorschau->Vorzeigen(hauptfenster);
                       });
  }
  return fenster;
}
