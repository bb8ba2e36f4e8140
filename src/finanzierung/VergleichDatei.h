#pragma once
// A comparison as a file: a small JSON text with its format and version and
// the input texts of the offers, by field name.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

using TAngebotTexte = QHash<QString, QString>;  // field name ("Betrag") -> text

inline constexpr int VergleichVersion = 1;

QByteArray VergleichDaten(const QList<TAngebotTexte>& angebote);
// The offers of a file written by VergleichDaten; raises EFehler with the
// German reason for a file of another format, a newer version or a damaged
// one. Fields other than `felder` are ignored; at most `anzahl` offers.
QList<TAngebotTexte> VergleichLesen(const QByteArray& daten, const QStringList& felder, int anzahl);
// Raises the EFehler of a damaged file.
[[noreturn]] void VergleichBeschaedigt();
