#pragma once
// The question a calculation page answers, as a German sentence built from
// the texts the user has typed so far.
#include <QString>
#include <array>

// seitenKey: "eZi", "ZiZiE", "ZiZiR", "BW", "AnnD" or "MWST"; index: the
// sought quantity; t: the page's field and list texts T1..T8 in page order
// (unused slots empty); waehrung: the currency symbol of the settings.
// Empty texts read "x"; everything else is inserted unchanged. An unknown
// page or index gives an empty sentence.
QString FrageText(const QString& seitenKey, int index, const std::array<QString, 8>& t, const QString& waehrung);
