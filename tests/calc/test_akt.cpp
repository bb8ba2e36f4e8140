// Share settlement: fee rule, totals and the break-even search.
#include <gtest/gtest.h>

#include "Akt.h"
#include "Deutsch.h"

namespace {

Akt::Eingaben Werte(long double K, long double S, long double Gmin, long double G0, long double g, long double mk) {
  return {Ext(K), Ext(S), Ext(Gmin), Ext(G0), Ext(g), Ext(mk)};
}

QString Text(Ext x) { return ZahlText(x.Wert(), 15, 2); }

class AktTest : public MitZahlenformat {};

struct Fall {
  const char* Name;
  Akt::Eingaben E;
  const char *KW, *M, *B, *Kauf, *Verkauf, *Start, *Schwelle;
  std::int64_t Runden;
};

TEST_F(AktTest, AbrechnungUndGewinnschwelle) {
  const Fall faelle[] = {
      {"Mindestgebuehr greift", Werte(100, 10, 20, 0, 1, 0.08L), "1.000,00 ", "0,80 ", "20,00 ", "1.020,80 ",
       "979,20 ", "104,16 ", "104,17 ", 2},
      {"Grundgebuehr und Prozente", Werte(250, 100, 20, 5, 0.5L, 0.08L), "25.000,00 ", "20,00 ", "130,00 ",
       "25.150,00 ", "24.850,00 ", "253,00 ", "253,02 ", 3},
      // 10 + 10 = 20: at equality the computed fee stays (same value).
      {"Mindestgebuehr gleich", Werte(100, 10, 20, 10, 1, 0), "1.000,00 ", "0,00 ", "20,00 ", "1.020,00 ",
       "980,00 ", "104,00 ", "104,05 ", 6},
      {"Ohne Gebuehren genuegt der Start", Werte(12.5L, 8, 0, 0, 0, 0), "100,00 ", "0,00 ", "0,00 ", "100,00 ",
       "100,00 ", "12,50 ", "12,50 ", 1},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    const Akt::Abrechnung a = Akt::Abrechnen(f.E);
    EXPECT_EQ(Text(a.KW), f.KW);
    EXPECT_EQ(Text(a.M), f.M);
    EXPECT_EQ(Text(a.B), f.B);
    EXPECT_EQ(Text(Akt::VerkaufGesamt(a)), f.Verkauf);
    const Ext gesamt = Akt::KaufGesamt(a);
    EXPECT_EQ(Text(gesamt), f.Kauf);
    const Ext start = Akt::Startkurs(a, gesamt, f.E);
    EXPECT_EQ(Text(start), f.Start);
    const auto s = Akt::GewinnschwelleSuchen(f.E, gesamt, start);
    ASSERT_EQ(s.Ergebnis, Akt::Gewinnschwelle::Art::Gefunden);
    EXPECT_EQ(Text(s.Kurs), f.Schwelle);
    EXPECT_EQ(s.Runden, f.Runden);
    // The found price covers the cost, the one before it does not.
    EXPECT_FALSE(gesamt > Akt::VerkaufGesamt(Akt::Gebuehren(f.E.S * s.Kurs, f.E)));
    if (s.Runden > 1) {
      EXPECT_TRUE(gesamt > Akt::VerkaufGesamt(Akt::Gebuehren(f.E.S * (s.Kurs - Ext(0.01L)), f.E)));
    }
  }
}

TEST_F(AktTest, DieMindestgebuehrErsetztNurEineKleinereGebuehr) {
  // Computed fee: 1000 * 1 % + 5 = 15.
  const struct {
    long double Gmin;
    const char* B;
  } faelle[] = {{0, "15,00 "}, {14.99L, "15,00 "}, {15, "15,00 "}, {15.01L, "15,01 "}, {40, "40,00 "}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.B);
    EXPECT_EQ(Text(Akt::Abrechnen(Werte(100, 10, f.Gmin, 5, 1, 0)).B), f.B);
  }
}

TEST_F(AktTest, UnerreichbareGewinnschwelleWirdVorDerSucheAbgelehnt) {
  const struct {
    const char* Name;
    Akt::Eingaben E;
  } faelle[] = {
      {"negative Stueckzahl", Werte(100, -10, 20, 0, 1, 0.08L)},
      {"negative Bankgebuehr", Werte(100, 10, 20, 0, -1, 0.08L)},
      {"negative Maklergebuehr", Werte(100, 10, 20, 0, 1, -0.08L)},
      {"Gebuehren genau 100 %", Werte(100, 10, 0, 0, 99.92L, 0.08L)},
      {"Gebuehren ueber 100 %", Werte(100, 10, 0, 0, 150, 0)},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    const Akt::Abrechnung a = Akt::Abrechnen(f.E);
    const Ext gesamt = Akt::KaufGesamt(a);
    const auto s = Akt::GewinnschwelleSuchen(f.E, gesamt, Akt::Startkurs(a, gesamt, f.E));
    EXPECT_EQ(s.Ergebnis, Akt::Gewinnschwelle::Art::NieErreicht);
    EXPECT_EQ(s.Runden, 0);
  }
}

TEST_F(AktTest, DieSucheHatEineGrenze) {
  // Fees of 90 % need a price far above the start.
  const auto e = Werte(100, 10, 0, 0, 90, 0);
  const Akt::Abrechnung a = Akt::Abrechnen(e);
  const Ext gesamt = Akt::KaufGesamt(a);
  const Ext start = Akt::Startkurs(a, gesamt, e);
  auto s = Akt::GewinnschwelleSuchen(e, gesamt, start, 1000);
  EXPECT_EQ(s.Ergebnis, Akt::Gewinnschwelle::Art::ZuWeit);
  EXPECT_EQ(s.Runden, 1000);
  s = Akt::GewinnschwelleSuchen(e, gesamt, start);
  ASSERT_EQ(s.Ergebnis, Akt::Gewinnschwelle::Art::Gefunden);
  EXPECT_EQ(Text(s.Kurs), "1.900,00 ");
  EXPECT_GT(s.Runden, 100000);

  // So large a price that adding a cent no longer changes it.
  const auto gross = Werte(1e20L, 1, 0, 100, 0, 0);
  const Akt::Abrechnung b = Akt::Abrechnen(gross);
  s = Akt::GewinnschwelleSuchen(gross, Akt::KaufGesamt(b) + Ext(1), Ext(1e20L), 1000);
  EXPECT_EQ(s.Ergebnis, Akt::Gewinnschwelle::Art::ZuWeit);
}

TEST_F(AktTest, KeineAktienTeilenDurchNull) {
  for (const auto& [G0, art] : {std::pair{20.0L, "ZeroDivide"}, std::pair{0.0L, "InvalidOp"}}) {
    const auto e = Werte(100, 0, 0, G0, 1, 0.08L);
    const Akt::Abrechnung a = Akt::Abrechnen(e);
    EXPECT_EQ(Fehlerart([&] { Akt::Startkurs(a, Akt::KaufGesamt(a), e); }), art);
  }
}

}  // namespace
