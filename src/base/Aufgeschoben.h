#pragma once
// What a window hidden at start leaves until it is first shown, so that the
// start does not wait for windows the user may never open.
#include <QStyle>

class QAbstractButton;
class QWidget;

// Gives `knopf` the style's standard glyph when its window is first polished,
// before it is laid out and shown. Asked for at once, the style would read
// the icon theme's index.
void StandardsymbolBeimZeigen(QAbstractButton* knopf, QStyle::StandardPixmap symbol);

// Every widget asks to be polished as soon as the event loop runs, which
// would come before the first paint of the main window. For the hidden
// window `fenster` these requests are dropped: showing it polishes it.
void PolierenBeimZeigen(QWidget* fenster);
