#pragma once
// The formula documents draw their formulas with characters: a fraction is a
// numerator line, a line of dashes and a denominator line, an exponent is
// raised text. A screen reader reads that line by line ("K0 · qn",
// "-------"). Here the document is read as a person would say it: "q hoch n",
// "(q hoch n − 1) / (q − 1)", a lowered index right after its letter.
#include <QString>

class QTextDocument;

// The whole document as linear text, one line per paragraph or formula. The
// document is laid out if it is not yet: where a character stands decides
// which fraction it belongs to.
QString LinearerText(const QTextDocument* dokument);
