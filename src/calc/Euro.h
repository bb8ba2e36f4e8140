#pragma once
// Conversion between the euro and the eleven currencies with fixed euro
// rates. Every conversion goes through the euro amount taken to the cent.
#include <array>
#include <cstdint>

#include "calc/OrvMath.h"

namespace Euro {

// The official rate as written (German separators) gives the rate the
// program computes with: currency units per euro times 1 000 000.
constexpr std::int64_t KursAus(const char* kurstext) {
  std::int64_t wert = 0;
  int dezimalen = -1;
  for (const char* z = kurstext; *z; ++z) {
    if (*z == ',') dezimalen = 0;
    if (*z < '0' || *z > '9') continue;
    wert = wert * 10 + (*z - '0');
    if (dezimalen >= 0) ++dezimalen;
  }
  for (int i = dezimalen < 0 ? 0 : dezimalen; i < 6; ++i) wert *= 10;
  return wert;
}

// A currency of the euro page: its field, its code and country as the report
// names them, and its official rate.
struct Waehrung {
  const char* Feld;
  const char* Code;
  const char* Land;  // UTF-8
  const char* Kurstext;
  std::int64_t Kurs = KursAus(Kurstext);
};

// In the order of their codes, as the report lists them.
inline constexpr std::array<Waehrung, 11> Waehrungen{{
    {"Oesterreich", "ATS", "Österreich", "13,7603"},
    {"Belgien", "BEF", "Belgien", "40,3399"},
    {"Deutschland", "DM", "Deutschland", "1,95583"},
    {"Spanien", "ESP", "Spanien", "166,386"},
    {"Finnland", "FIM", "Finnland", "5,94573"},
    {"Frankreich", "FRF", "Frankreich", "6,55957"},
    {"Irland", "IEP", "Irland", "0,787564"},
    {"Italien", "ITL", "Italien", "1.936,27"},
    {"Luxemburg", "LUF", "Luxemburg", "40,3399"},
    {"Niederlande", "NLG", "Niederlande", "2,20371"},
    {"Portugal", "PTE", "Portugal", "200,482"},
}};
// The euro's own field and the line the report gives it among the others.
inline constexpr Waehrung EuroSelbst{"Euro", "EUR", "Euro", "1,000"};

// Rate of a currency field by its name; 0 for an unknown name.
std::int64_t KursVon(const char* feld);

// An amount typed in euro, cut to the cent after adding 0.0045.
Ext EuroBetrag(Ext betrag);
// An amount in a currency with the given rate, as euro cut to the cent.
Ext EuroAus(Ext betrag, std::int64_t kurs);
// A euro amount in a currency with the given rate (not rounded).
Ext InWaehrung(Ext euro, std::int64_t kurs);

}  // namespace Euro
