#pragma once
// The five texts of a result report, assembled from what the active page of
// the main window shows. Pure: no widgets, so every page can be checked in a
// table without opening a window.
#include <QHash>
#include <QString>

struct TBerichtTexte {
  QString Titeltext;
  QString Gesuchttext;
  QString Vorgabentext;  // label cell | value cell
  QString Fragetext;
  QString Ergebnistext;  // value cell, or label cell | value cell (share and euro pages)
};

// What the report reads from one page at the moment "Drucken" is pressed.
struct TBerichtSeite {
  QString Key;                     // "eZi" ... "Euro"; any other key gives empty texts
  int GesuchtIndex = -1;           // item index of the sought-quantity list
  QString Gesucht;                 // its selected text
  QString Frage;                   // caption of the question label
  QString Waehrung;                // text of the page's currency unit label
  QString Zahlungsweise;           // selected payment frequency, where the page has one
  QHash<QString, QString> Felder;  // field texts by the fields' names
};

// The report's cell separator. A field may hold any text until it is left,
// so field texts have it replaced (by a broken bar) before they are put into
// a row; otherwise a stray bar would shift the cells and drop the rest.
inline constexpr QChar BerichtTrenner = QLatin1Char('|');
QString OhneTrenner(const QString& text);

TBerichtTexte BerichtTexte(const TBerichtSeite& seite);
