#include "pages/Seiten.h"

const std::vector<TSeite>& Seiten::Alle() {
  static const std::vector<TSeite> seiten{Seite_Info(), Seite_eZi(),  Seite_ZiZiE(), Seite_ZiZiR(), Seite_BW(),
                                          Seite_AnnD(), Seite_MWST(), Seite_Akt(),   Seite_Euro()};
  return seiten;
}

const TSeite* Seiten::Finden(QStringView key) {
  for (const TSeite& s : Alle())
    if (s.Key == key) return &s;
  return nullptr;
}
