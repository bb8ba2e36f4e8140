#pragma once
// Conversion between the euro and the eleven currencies with fixed euro
// rates. Every conversion goes through the euro amount taken to the cent.
#include <array>
#include <cstdint>

#include "calc/OrvMath.h"

namespace Euro {

// A rate is the number of currency units per euro times 1 000 000, as the
// currency fields carry it in their tag.
struct Waehrung {
  const char* Feld;
  std::int64_t Kurs;
};

// In the order in which the page writes the fields.
inline constexpr std::array<Waehrung, 11> Waehrungen{{
    {"Deutschland", 1955830},
    {"Belgien", 40339900},
    {"Spanien", 166386000},
    {"Finnland", 5945730},
    {"Portugal", 200482000},
    {"Frankreich", 6559570},
    {"Oesterreich", 13760300},
    {"Irland", 787564},
    {"Niederlande", 2203710},
    {"Italien", 1936270000},
    {"Luxemburg", 40339900},
}};

// Rate of a currency field by its name; 0 for an unknown name.
std::int64_t KursVon(const char* feld);

// An amount typed in euro, cut to the cent after adding 0.0045.
Ext EuroBetrag(Ext betrag);
// An amount in a currency with the given rate, as euro cut to the cent.
Ext EuroAus(Ext betrag, std::int64_t kurs);
// A euro amount in a currency with the given rate (not rounded).
Ext InWaehrung(Ext euro, std::int64_t kurs);

}  // namespace Euro
