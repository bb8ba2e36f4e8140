// Euro conversion: cut to the cent, then into every other currency.
#include <map>
#include <string>

#include "Deutsch.h"
#include "calc/Euro.h"

namespace {

class EuroTest : public MitZahlenformat {};

QString Text(Ext x) { return ZahlTextEinfach(x.Wert(), 2); }

TEST_F(EuroTest, AmtlicheKurse) {
  const std::map<std::string, std::int64_t> erwartet{
      {"Deutschland", 1955830}, {"Spanien", 166386000},  {"Portugal", 200482000}, {"Oesterreich", 13760300},
      {"Niederlande", 2203710}, {"Luxemburg", 40339900}, {"Italien", 1936270000}, {"Irland", 787564},
      {"Frankreich", 6559570},  {"Finnland", 5945730},   {"Belgien", 40339900}};
  EXPECT_EQ(Euro::Waehrungen.size(), erwartet.size());
  for (const auto& [feld, kurs] : erwartet) EXPECT_EQ(Euro::KursVon(feld.c_str()), kurs) << feld;
}

TEST_F(EuroTest, AufDenCentGekuerzt) {
  const struct { long double Eingabe; const char* Euro; } faelle[] = {
      {1.0052L, "1,00"}, {1.0055L, "1,01"}, {0.0054L, "0,00"}, {-1.0056L, "-1,00"}, {-1.0156L, "-1,01"},
      {1234567.891L, "1.234.567,89"}};
  for (const auto& f : faelle) EXPECT_EQ(Text(Euro::EuroBetrag(Ext(f.Eingabe))), f.Euro) << double(f.Eingabe);
  // 1 DM is 0,5113 euro, cut to 0,51 before it goes on.
  const Ext euro = Euro::EuroAus(Ext(1), Euro::KursVon("Deutschland"));
  EXPECT_EQ(Text(euro), "0,51");
  EXPECT_EQ(Text(Euro::InWaehrung(euro, Euro::KursVon("Frankreich"))), "3,35");
  EXPECT_EQ(Fehlerart([] { Euro::EuroBetrag(Ext(1e4931L)); }), "Overflow");
  EXPECT_EQ(Fehlerart([] { Euro::EuroAus(Ext(1e4931L), 787564); }), "Overflow");
}

}  // namespace
