#pragma once
// A calculation page built from its record, laid out as all of them are:
// the sought-quantity list, one row per field with its caption and unit,
// and the question below.
class QWidget;
struct TSeite;

// The page, not yet in any window; its widgets carry the record's names.
QWidget* SeiteBauen(const TSeite& seite);
