#pragma once
// Every page of the main window in tab order, each described by one record.
// A further page is one more record: a function returning it, in a file of
// its own, and its line in the table of Seiten.cpp; a calculation page is
// then built from the record, any other page needs a form and routines of
// its own in the main window.
#include <QStringView>
#include <vector>

#include "pages/Seite.h"

namespace Seiten {

// The pages the program addresses by name, at their place in the tab order.
enum Seite { Info = 0, eZi, ZiZiE, ZiZiR, BW, AnnD, MWST, Akt, Euro };

const std::vector<TSeite>& Alle();
// The page of a key; nullptr for an unknown key.
const TSeite* Finden(QStringView key);

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
