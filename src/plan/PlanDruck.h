#pragma once
// The plan as a printed document through the program's page printer: title
// and question in the header of every page, "Seite x von y" at its foot, the
// key figures and the chart on the first page, then the table with its grid
// and its column header on every page.
#include <QList>
#include <QPair>
#include <QStringList>

#include "plan/PlanGrafik.h"

class TPagePrinter;

struct TPlanDokument {
  QString Titel;
  QString Frage;
  QList<QPair<QString, QString>> Kennzahlen;  // label, value
  QStringList Spalten;
  QList<QStringList> Zeilen;  // the last one holds the totals
  QString Hinweis;            // a line under the table; empty: none
  TGrafikDaten Grafik;
};

// Records the document in the page printer and leaves it finished; the page
// printer's own settings (fonts, header, footer, table format) are kept.
void ZahlungsplanSchreiben(TPagePrinter& drucker, const TPlanDokument& dokument);
