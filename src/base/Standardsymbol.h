#pragma once
// The style's standard glyph for a button of a window hidden at start.
#include <QStyle>

class QAbstractButton;

// Gives `knopf` the glyph when its window is first polished, before it is laid
// out and shown. Asked for at once, the style would read the icon theme's
// index, milliseconds of every start for a window the user may never open.
void StandardsymbolBeimZeigen(QAbstractButton* knopf, QStyle::StandardPixmap symbol);
