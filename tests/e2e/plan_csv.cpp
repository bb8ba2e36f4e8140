// Writes the CSV export of a sample loan plan (100.000 at 6 %, ten years,
// monthly, one row per year) into the file named by the argument.
#include <QFile>

#include "pages/Seiten.h"
#include "plan/PlanTabelle.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  TPlanSeite seite{QStringLiteral("AnnD"), 2, {}, 0, {}, QStringLiteral("DM")};
  seite.Felder = {{"AnnD_KFeld", "100.000,00"}, {"AnnD_pFeld", "6,000"}, {"AnnD_njFeld", "10"}, {"AnnD_nmFeld", "0"}};
  const TZahlungsplan plan = ZahlungsplanBerechnen(PlanEingabe(seite));
  TPlanModell modell;
  modell.Setzen(&plan, false);
  QFile datei(QString::fromLocal8Bit(argv[1]));
  return datei.open(QIODevice::WriteOnly) && datei.write(modell.Csv()) > 0 ? 0 : 1;
}
