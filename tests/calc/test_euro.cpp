// Euro conversion: cut to the cent, then into every other currency.
#include "Deutsch.h"
#include "calc/Euro.h"

namespace {

class EuroTest : public MitZahlenformat {};

QString Text(Ext x) { return ZahlTextEinfach(x.Wert(), 2); }

TEST_F(EuroTest, AufDenCentGekuerzt) {
  const struct {
    long double Eingabe;
    const char* Euro;
  } faelle[] = {{1.0052L, "1,00"},   {1.0055L, "1,01"},   {0.0054L, "0,00"},
                {-1.0056L, "-1,00"}, {-1.0156L, "-1,01"}, {1234567.891L, "1.234.567,89"}};
  for (const auto& f : faelle) EXPECT_EQ(Text(Euro::EuroBetrag(Ext(f.Eingabe))), f.Euro) << double(f.Eingabe);
  // 1 DM is 0,5113 euro, cut to 0,51 before it goes on.
  const Ext euro = Euro::EuroAus(Ext(1), Euro::KursVon("Deutschland"));
  EXPECT_EQ(Text(euro), "0,51");
  EXPECT_EQ(Text(Euro::InWaehrung(euro, Euro::KursVon("Frankreich"))), "3,35");
  EXPECT_EQ(Fehlerart([] { Euro::EuroBetrag(Ext(1e4931L)); }), "Overflow");
  EXPECT_EQ(Fehlerart([] { Euro::EuroAus(Ext(1e4931L), 787564); }), "Overflow");
}

}  // namespace
