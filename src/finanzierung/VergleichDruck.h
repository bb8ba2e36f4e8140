#pragma once
// The comparison as a printed document through the program's page printer:
// the title, a table of every input and result with the best values marked,
// then the chart; the title in the header, "Seite x von y" at the foot.
#include <QList>
#include <QStringList>

#include "finanzierung/VergleichGrafik.h"

class TPagePrinter;

struct TVergleichDokument {
  QString Titel;
  QStringList Spalten;        // the row label's column, then the offers
  QList<QStringList> Zeilen;  // label, then a value per offer
  QList<QList<bool>> Beste;   // per row and offer: the best value of its row
  TVergleichGrafikDaten Grafik;
};

// Records the document in the page printer and leaves it finished; the page
// printer's own settings (fonts, header, footer, table format) are kept.
void VergleichSchreiben(TPagePrinter& drucker, const TVergleichDokument& dokument);
