#include "calc/Euro.h"

#include <cmath>
#include <cstring>

namespace Euro {

namespace {
// Cuts toward zero after adding 0.0045: rounds up only from 0.0055 below the
// cent, and a negative amount is cut toward zero after the same addition.
Ext AufCent(Ext betrag) {
  const Ext cent = (betrag + Ext(0.0045L)) * Ext(100);
  return Ext(std::trunc(cent.Wert())) / Ext(100);
}
}  // namespace

std::int64_t KursVon(const char* feld) {
  for (const auto& w : Waehrungen)
    if (std::strcmp(w.Feld, feld) == 0) return w.Kurs;
  return 0;
}

Ext EuroBetrag(Ext betrag) { return AufCent(betrag); }

Ext EuroAus(Ext betrag, std::int64_t kurs) { return AufCent((betrag / Ext(kurs)) * Ext(1000000)); }

Ext InWaehrung(Ext euro, std::int64_t kurs) { return (Ext(kurs) * euro) / Ext(1000000); }

}  // namespace Euro
