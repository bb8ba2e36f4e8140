#pragma once
// Every page of the main window in tab order, each described by one record;
// pages are found by their key.
//
// A new calculation page is its record and nothing else in the program: a
// function returning the record, in a file of its own, and its line in the
// table of Seiten.cpp. The record names its fields, and per sought quantity
// the case, the question, the report, the formula document (an .rtf in
// src/formula/formeln) and, where one can be made, how its values become a
// payment plan; the page names its help topic (a file in resources/hilfe).
// The main window builds the page, the report, the plan window and the help
// window from the record. Add the page's rows to the record tests
// (tests/calc/test_zahlungsplan.cpp for its plans, tests/app/test_faelle.cpp
// for its cases). A page of another kind than Rechnung needs a form and
// routines of its own in the main window.
#include <QStringView>
#include <vector>

#include "pages/Seite.h"

namespace Seiten {

const std::vector<TSeite>& Alle();
// The page of a key; nullptr for an unknown key.
const TSeite* Finden(QStringView key);
// Its place in the tab order; -1 for an unknown key.
int Index(QStringView key);

// The records, one function per page.
TSeite Seite_Info();
TSeite Seite_eZi();
TSeite Seite_ZiZiE();
TSeite Seite_ZiZiR();
TSeite Seite_BW();
TSeite Seite_AnnD();
TSeite Seite_MWST();
TSeite Seite_Akt();
TSeite Seite_Euro();

}  // namespace Seiten

// The plan of a page's sought quantity, as its record says: reads the fields
// its case reads, recomputes the sought quantity and checks the plan's
// quantities. Raises the page's own errors (EFehler) and EPlanFehler for a
// field left empty or a plan that cannot be made.
TPlanEingabe PlanEingabe(const TPlanSeite& seite);
