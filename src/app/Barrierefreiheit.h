#pragma once
// What a screen reader needs beyond the Designer forms: names for the entry
// fields taken from their captions, for every entry field whether it is an
// input or the result the calculation writes, and the whole text of a field
// too narrow for it (also in its tooltip).
#include <QString>

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
