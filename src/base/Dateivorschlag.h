#pragma once
// The file names the program proposes when it writes a document.
#include <QString>

// The user's documents folder, or the home folder where there is none: a
// folder that does not exist would let a file dialog open wherever it was last.
QString Dokumentenordner();

// A fresh file in `ordner` for the document titled `titel`: "Kalvora-", the
// title's words joined by hyphens, the day and the `endung` (without its
// dot); numbered "-2", "-3", … when such a file exists already.
QString DateiVorschlag(const QString& ordner, const QString& titel, const QString& endung);
