#pragma once
// The file names the program proposes when it writes a document.
#include <QString>

class QWidget;

// The user's documents folder, or the home folder where there is none: a
// folder that does not exist would let a file dialog open wherever it was last.
QString Dokumentenordner();

// A fresh file in `ordner` for the document titled `titel`: "Kalvora-", the
// title's words joined by hyphens, the day and the `endung` (without its
// dot); numbered "-2", "-3", … when such a file exists already.
QString DateiVorschlag(const QString& ordner, const QString& titel, const QString& endung);

// Asks where to write a file, in the program's own words: the file dialog
// proposes `vorschlag`; a name without an ending gets the proposal's; an
// existing file is replaced only when the user says so, else the dialog asks
// again. Empty when the user declines.
QString SpeicherdateiErfragen(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter);
