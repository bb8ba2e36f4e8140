// Share settlement: fee rule, totals and the break-even search.
#include "Deutsch.h"
#include "calc/Akt.h"

namespace {

Akt::Eingaben Werte(long double K, long double S, long double Gmin, long double G0, long double g, long double mk) {
  return {Ext(K), Ext(S), Ext(Gmin), Ext(G0), Ext(g), Ext(mk)};
}

QString Text(Ext x) { return ZahlText(x.Wert(), 15, 2); }

class AktTest : public MitZahlenformat {
 protected:
  static Akt::Gewinnschwelle Suche(const Akt::Eingaben& e, std::int64_t grenze = Akt::MaxRunden) {
    const Akt::Abrechnung a = Akt::Abrechnen(e);
    const Ext gesamt = Akt::KaufGesamt(a);
    return Akt::GewinnschwelleSuchen(e, gesamt, Akt::Startkurs(a, gesamt, e), grenze);
  }
};

TEST_F(AktTest, AbrechnungUndGewinnschwelle) {
  // clang-format off
  const struct { const char* Name; Akt::Eingaben E; QString Zahlen; std::int64_t Runden; } faelle[] = {
      // KW, M, B, Kauf, Verkauf, Start, Schwelle
      {"Mindestgebuehr greift", Werte(100, 10, 20, 0, 1, 0.08L),
       "1.000,00 |0,80 |20,00 |1.020,80 |979,20 |104,16 |104,17 ", 2},
      {"Grundgebuehr und Prozente", Werte(250, 100, 20, 5, 0.5L, 0.08L),
       "25.000,00 |20,00 |130,00 |25.150,00 |24.850,00 |253,00 |253,02 ", 3},
      {"Mindestgebuehr gleich", Werte(100, 10, 20, 10, 1, 0),
       "1.000,00 |0,00 |20,00 |1.020,00 |980,00 |104,00 |104,05 ", 6},
      {"Ohne Gebuehren", Werte(12.5L, 8, 0, 0, 0, 0), "100,00 |0,00 |0,00 |100,00 |100,00 |12,50 |12,50 ", 1},
  };
  // clang-format on
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    const Akt::Abrechnung a = Akt::Abrechnen(f.E);
    const Ext gesamt = Akt::KaufGesamt(a);
    const Ext start = Akt::Startkurs(a, gesamt, f.E);
    const auto s = Akt::GewinnschwelleSuchen(f.E, gesamt, start);
    ASSERT_EQ(s.Ergebnis, Akt::Gewinnschwelle::Art::Gefunden);
    EXPECT_EQ(QStringList({Text(a.KW), Text(a.M), Text(a.B), Text(gesamt), Text(Akt::VerkaufGesamt(a)), Text(start),
                           Text(s.Kurs)})
                  .join('|'),
              f.Zahlen);
    EXPECT_EQ(s.Runden, f.Runden);
    // The found price covers the cost, the one before it does not.
    EXPECT_FALSE(gesamt > Akt::VerkaufGesamt(Akt::Gebuehren(f.E.S * s.Kurs, f.E)));
    if (s.Runden > 1) {
      EXPECT_TRUE(gesamt > Akt::VerkaufGesamt(Akt::Gebuehren(f.E.S * (s.Kurs - Ext(0.01L)), f.E)));
    }
  }
  // The minimum fee replaces only a smaller computed fee (here 1000 * 1 % + 5 = 15).
  for (const auto& [Gmin, B] : {std::pair{14.99L, "15,00 "}, {15.0L, "15,00 "}, {15.01L, "15,01 "}})
    EXPECT_EQ(Text(Akt::Abrechnen(Werte(100, 10, Gmin, 5, 1, 0)).B), B) << B;
}

TEST_F(AktTest, UnerreichbareGewinnschwelleWirdVorDerSucheAbgelehnt) {
  for (const auto& e :
       {Werte(100, -10, 20, 0, 1, 0.08L), Werte(100, 10, 20, 0, -1, 0.08L), Werte(100, 10, 20, 0, 1, -0.08L),
        Werte(100, 10, 0, 0, 99.92L, 0.08L), Werte(100, 10, 0, 0, 150, 0)}) {
    const auto s = Suche(e);
    EXPECT_EQ(s.Ergebnis, Akt::Gewinnschwelle::Art::NieErreicht);
    EXPECT_EQ(s.Runden, 0);
  }
}

TEST_F(AktTest, DieSucheHatEineGrenze) {
  // Fees of 90 % need a price far above the start.
  const auto e = Werte(100, 10, 0, 0, 90, 0);
  EXPECT_EQ(Suche(e, 1000).Ergebnis, Akt::Gewinnschwelle::Art::ZuWeit);
  const auto s = Suche(e);
  ASSERT_EQ(s.Ergebnis, Akt::Gewinnschwelle::Art::Gefunden);
  EXPECT_EQ(Text(s.Kurs), "1.900,00 ");
  // So large a price that adding a cent no longer changes it.
  const auto gross = Werte(1e20L, 1, 0, 100, 0, 0);
  const Ext gesamt = Akt::KaufGesamt(Akt::Abrechnen(gross)) + Ext(1);
  EXPECT_EQ(Akt::GewinnschwelleSuchen(gross, gesamt, Ext(1e20L), 1000).Ergebnis, Akt::Gewinnschwelle::Art::ZuWeit);
}

TEST_F(AktTest, KeineAktienTeilenDurchNull) {
  for (const auto& [G0, art] : {std::pair{20.0L, "ZeroDivide"}, std::pair{0.0L, "InvalidOp"}}) {
    const auto e = Werte(100, 0, 0, G0, 1, 0.08L);
    const Akt::Abrechnung a = Akt::Abrechnen(e);
    EXPECT_EQ(Fehlerart([&] { Akt::Startkurs(a, Akt::KaufGesamt(a), e); }), art);
  }
}

}  // namespace
