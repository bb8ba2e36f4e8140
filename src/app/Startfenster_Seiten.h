#pragma once
// The pages of the main window in tab order, with what differs per page.
#include <array>

namespace Seiten {

enum Seite { Info = 0, eZi, ZiZiE, ZiZiR, BW, AnnD, MWST, Akt, Euro, Anzahl };

struct Beschreibung {
  const char* Key;     // prefix of the page's names; empty for the Info page
  int Hilfe;           // context of the help button
  int FeldHilfe;       // context of F1 in one of the page's fields
};

inline constexpr std::array<Beschreibung, Anzahl> Tabelle{{
    {"", 10, 10},
    {"eZi", 20, 20},
    {"ZiZiE", 30, 20},
    {"ZiZiR", 40, 30},
    {"BW", 50, 40},
    {"AnnD", 60, 60},
    {"MWST", 70, 70},
    {"Akt", 80, 80},
    {"Euro", 90, 90},
}};

}  // namespace Seiten
