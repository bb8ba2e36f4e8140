#pragma once
// The colours of an entry field's states in one place. The background of a
// state is fixed (white, aqua, red, the button face); the text is chosen with
// it, so that what the user types stays readable under any palette, a dark
// one included.
#include <QColor>
#include <QPalette>

class QWidget;

enum class TFeldzustand {
  Eingabe,   // white
  Ergebnis,  // aqua
  Rechnet,   // red, while the result is being computed
  Gesperrt,  // the button face, for a field the question does not use
};

// The background of a state; the grey is the button face of the application's palette.
QColor Feldgrund(TFeldzustand zustand);

// Sets the state's background in every colour group of the field, and with
// it a text colour that stands out from it.
void FeldfarbeSetzen(QWidget* feld, TFeldzustand zustand);

// Relative luminance (0 black … 1 white) and contrast ratio (1 … 21) as the
// web's accessibility guidelines define them.
double Leuchtdichte(const QColor& farbe);
double Kontrast(const QColor& a, const QColor& b);

// The contrast ordinary text needs to be read by people with reduced sight.
inline constexpr double Mindestkontrast = 4.5;

// `wunsch` where it stands out from `grund` by Mindestkontrast; otherwise
// the first colour on the way from it to black or white (whichever stands
// out more) that does, so that a theme's shade is kept as far as it can be.
QColor LesbareSchrift(const QColor& wunsch, const QColor& grund);
