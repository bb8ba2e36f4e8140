// "Finanzierungen vergleichen" in the "Programm" menu: the comparison window,
// created on first use, with its help on F1. It and the plan window hand
// loans to each other.
#include "app/Anwendung.h"
#include "app/Hilfe.h"
#include "app/Startfenster.h"
#include "finanzierung/Finanzierungsfenster.h"
#include "plan/Zahlungsplanfenster.h"
#include "report/uDruck_Finanzierung.h"
#include "report/uDruck_Zahlungsplan.h"

void TfmStart::FinanzierungAktionClick() { VergleichZeigen(); }

TfmFinanzierung* TfmStart::VergleichZeigen() {
  const bool neu = !findChild<TfmFinanzierung*>(QStringLiteral("fmFinanzierung"), Qt::FindDirectChildrenOnly);
  TfmFinanzierung* vergleich = FinanzierungZeigen(this, frmDruckVorschau);
  if (!neu) return vergleich;
  HilfeKontextSetzen(vergleich, HilfeFinanzierung);
  connect(vergleich, &TfmFinanzierung::PlanAngefordert, this,
          [this](const QString& titel, const TZahlungsplan& plan, const QString& waehrung) {
            Planfenster()->Zeigen(titel, plan, waehrung);
          });
  return vergleich;
}

TfmZahlungsplan* TfmStart::Planfenster() {
  if (auto* plan = findChild<TfmZahlungsplan*>(QStringLiteral("fmZahlungsplan"), Qt::FindDirectChildrenOnly))
    return plan;
  TfmZahlungsplan* plan = ZahlungsplanFenster(this, frmDruckVorschau);
  HilfeKontextSetzen(plan, HilfeZahlungsplan);
  connect(plan, &TfmZahlungsplan::VergleichAngefordert, this,
          [this](const TAngebot& angebot) { VergleichZeigen()->AngebotUebernehmen(angebot); });
  return plan;
}
