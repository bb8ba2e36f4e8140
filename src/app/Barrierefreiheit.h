#pragma once
// What a screen reader needs beyond the Designer forms: names for the entry
// fields taken from their captions, for every entry field whether it is an
// input or the result the calculation writes, and the whole text of a field
// too narrow for it (also in its tooltip).
#include <QString>

#include "pages/Seite.h"

class QLabel;
class QLineEdit;
class QWidget;

// Caption as it is read aloud: no mnemonic marker, no trailing colon.
QString Vorlesetext(const QString& beschriftung);

// The width a line edit has for its text, as the edit itself lays it out.
int Textbreite(const QLineEdit* feld);

// The description that matches the field's current state, read from its
// background colour and whether it accepts input.
QString FeldZustandText(const QWidget* feld);

// Names every labelled field and every glyph-only button of the window, and
// keeps the entry fields' descriptions in step with their state from now on.
void BarrierefreiheitHerstellen(QWidget* fenster);

// The same for every window the application has created so far.
void BarrierefreiheitHerstellen();

// The name a field is read by: `grundname` (its caption, or the name its
// record gives it) with its unit, so that "Anfangskapital" is heard as
// "Anfangskapital in DM". `einheit` is the text of its unit label; a record
// writes the currency as "DM", which stands for `waehrung`, the symbol the
// user chose.
QString Feldname(const QString& grundname, TFeldart art, const QString& einheit, const QString& waehrung);

// The piece of a result announcement a field gives: caption, text and unit
// ("Endkapital 1.628,89 DM"; "3 Monate" for a field beside another).
QString Ansageteil(const TFeld& feld, const QString& text, const QString& waehrung);

// Makes `text` heard without moving the focus: the window's announcement
// line (an invisible object "Ansagezeile" with the notification role) takes
// it as its name and shows again.
void Ansagen(QWidget* fenster, const QString& text);

// From now on the program's own accessible objects answer for its line edits
// (read-only ones expose no editable text and refuse writes), lists (named
// after their caption, not their value), the pages' tab bar (every tab with
// its selected state and where it is drawn) and the pages themselves (named,
// so that a page change is heard). Call before any window is created.
void ZugriffsobjekteEinrichten();

// A frame in the highlight colour around `widget` while it has the focus,
// for controls whose style draws none or one too faint to see.
void FokusrahmenZeichnen(QWidget* widget);

// A label that opens an address on a click becomes a link: reached by Tab,
// framed while focused, exposed with the link role and a press action. Its
// owner opens the address on Enter and Space as on a click.
void AlsVerweisZugaenglich(QLabel* label);
