// The sought interest rate of the savings, pension and loan pages: the rate
// found gives back the entered figure through the page's own formula.
#include <cfloat>
#include <cmath>
#include <functional>

#include "Deutsch.h"
#include "calc/AnnD.h"
#include "calc/BW.h"
#include "calc/ZiZiR.h"
#include "calc/Zinssuche.h"

namespace {

// A page as the search sees it: its formula at a rate, and the rate from the
// formula's result.
struct TSeite {
  const char* name;
  std::function<Ext(Ext betrag, Ext p, Ext nj, Ext nm, int m)> formel;
  std::function<Ext(Ext betrag, Ext nj, Ext nm, Ext ergebnis, int m)> zinssatz;
  bool kurzDoppeldeutig;  // under a year with instalments within it, two rates may give one figure
  bool nurPositiv;        // a loan or a pension bears interest above 0 or none
};

const TSeite Seiten[] = {
    {"ZiZiR", ZiZiR::Endkapital, ZiZiR::Zinssatz, true, false},
    {"BW", BW::Barwert, BW::Zinssatz, true, true},
    {"AnnD Darlehenshoehe", AnnD::Darlehenshoehe,
     [](Ext R, Ext nj, Ext nm, Ext K0, int m) { return AnnD::Zinssatz(K0, nj, nm, R, m); }, false, true},
    {"AnnD Rate", AnnD::Rate, AnnD::Zinssatz, false, true},
};

std::string Meldung(const std::function<Ext()>& f) {
  try {
    f();
  } catch (const EKeinZinssatz& e) {
    return e.what();
  }
  return "";
}

class Zinssuche : public MitZahlenformat {};

// A figure computed at a rate exact to three decimals gives that rate back,
// and the rate as the field shows it gives the figure back to the cent.
TEST_F(Zinssuche, HinUndZurueck) {
  const struct { long double nj, nm; } laufzeiten[] = {{0, 1}, {0, 7}, {1, 0}, {2, 6}, {10, 0}, {100, 0}};
  const long double saetze[] = {4.25L, 0.001L, -0.001L, -35.5L, -90, 250, 1000};
  const long double betraege[] = {0.01L, 1234.56L, 1e12L};
  int hoechstens = 0;
  for (const TSeite& seite : Seiten)
    for (const auto& l : laufzeiten)
      for (const long double p : saetze)
        for (const int m : {12, 4, 2, 1})
          for (const long double betrag : betraege) {
            if (std::string(seite.name) == "ZiZiR" && m == 1 && l.nj == 1 && l.nm == 0) continue;
            // Two rates may fit; near 0 the page's own rounding outweighs the
            // figure's slight dependence on the rate.
            const bool doppeldeutig = seite.kurzDoppeldeutig && l.nj == 0 && m > 1;
            if ((doppeldeutig && std::fabs(p) < 1) || (seite.nurPositiv && p < 0)) continue;
            const auto fall = testing::Message() << seite.name << " p=" << double(p) << " " << double(l.nj) << "/"
                                                 << double(l.nm) << " m=" << m << " " << double(betrag);
            Ext ergebnis;
            try {
              ergebnis = seite.formel(betrag, p, l.nj, l.nm, m);
            } catch (const EOverflow&) {
              continue;  // beyond the page's own range
            }
            long double gefunden = 0;
            try {
              gefunden = seite.zinssatz(betrag, l.nj, l.nm, ergebnis, m).Wert();
            } catch (const EFehler& e) {
              ADD_FAILURE() << fall << ": " << e.what();
              continue;
            }
            hoechstens = std::max(hoechstens, ::Zinssuche::LetzteAuswertungen());
            if (doppeldeutig) {
              const long double zurueck = seite.formel(betrag, gefunden, l.nj, l.nm, m).Wert();
              EXPECT_NEAR(double(zurueck / ergebnis.Wert()), 1, 1e-12) << fall;
              continue;
            }
            const long double feld = FeldWert(ZahlText(gefunden, 15, 3));
            EXPECT_EQ(feld, p) << fall;
            EXPECT_EQ(ZahlText(seite.formel(betrag, feld, l.nj, l.nm, m).Wert(), 18, 2),
                      ZahlText(ergebnis.Wert(), 18, 2))
                << fall;
            if (std::fabs(p) >= 1) {
              EXPECT_NEAR(double(gefunden), double(p), 1e-9) << fall;
            }
          }
  EXPECT_LE(hoechstens, ::Zinssuche::HoechstAuswertungen);
}

TEST_F(Zinssuche, Beispiele) {
  // clang-format off
  const struct { const char* name; std::function<Ext()> zinssatz; const char* text; } faelle[] = {
      // 1.000 borrowed, 600 paid back after one and after two years.
      {"AnnD 600 zweimal", [] { return AnnD::Zinssatz(1000, 2, 0, 600, 1); }, "13,066 "},
      {"AnnD monatlich", [] { return AnnD::Zinssatz(100000, 10, 0, 1110.21L, 12); }, "6,000 "},
      {"ZiZiR monatlich", [] { return ZiZiR::Zinssatz(100, 10, 0, 15439.36L, 12); }, "5,000 "},
      {"ZiZiR Raten ohne Zinsen", [] { return ZiZiR::Zinssatz(100, 10, 0, 12000, 12); }, "0,000 "},
      {"BW monatlich", [] { return BW::Zinssatz(500, 20, 0, 70712.06L, 12); }, "6,000 "},
      // 167,329 % gives the same end capital; the rate nearer to 0 is taken.
      {"ZiZiR ein Monat vierteljaehrlich", [] { return ZiZiR::Zinssatz(100, 0, 1, ZiZiR::Endkapital(100, 4.25L, 0, 1, 4), 4); }, "4,250 "},
      {"BW jaehrlich", [] { return BW::Zinssatz(8718.46L, 20, 0, 100000, 1); }, "6,000 "},
  };
  // clang-format on
  for (const auto& f : faelle) EXPECT_EQ(ZahlText(f.zinssatz().Wert(), 15, 3), QString::fromUtf8(f.text)) << f.name;
}

TEST_F(Zinssuche, OhneZinssatz) {
  const std::string kein = "Zu diesen Werten gibt es keinen Zinssatz: ";
  const std::string ueber = "Der Zinssatz läge über 1.000 %.";
  // clang-format off
  const struct { const char* name; std::function<Ext()> zinssatz; std::string meldung; } faelle[] = {
      {"ohne Laufzeit", [] { return ZiZiR::Zinssatz(100, 0, 0, 1000, 12); }, kein + "Die Laufzeit ist 0 oder negativ."},
      {"negative Laufzeit", [] { return BW::Zinssatz(100, -1, 0, 1000, 12); }, kein + "Die Laufzeit ist 0 oder negativ."},
      {"Monate gegen Jahre", [] { return AnnD::Zinssatz(1000, 1, -12, 100, 12); }, kein + "Die Laufzeit ist 0 oder negativ."},
      {"ZiZiR ohne Rate", [] { return ZiZiR::Zinssatz(0, 10, 0, 1000, 12); }, kein + "Ohne Rate bleibt das Endkapital bei jedem Zinssatz 0."},
      {"ZiZiR Endkapital 0", [] { return ZiZiR::Zinssatz(100, 10, 0, 0, 12); }, kein + "Raten ergeben bei keinem Zinssatz ein Endkapital von 0."},
      {"ZiZiR Vorzeichen", [] { return ZiZiR::Zinssatz(-100, 10, 0, 1000, 12); }, kein + "Rate und Endkapital haben verschiedene Vorzeichen."},
      {"ZiZiR ein Jahr jaehrlich", [] { return ZiZiR::Zinssatz(100, 0, 12, 100, 1); }, kein + "Bei jährlicher Zahlung über ein Jahr ist das Endkapital bei jedem Zinssatz gleich der Rate."},
      // At any rate the last year's instalments alone give more.
      {"ZiZiR Endkapital zu klein", [] { return ZiZiR::Zinssatz(100, 10, 0, 500, 12); }, kein + "Die Raten ergeben bei jedem Zinssatz ein höheres Endkapital."},
      // One month: the figure is lowest near a rate of 0, at the instalment.
      {"ZiZiR ein Monat unter der Rate", [] { return ZiZiR::Zinssatz(100, 0, 1, 99.99L, 12); }, kein + "Die Raten ergeben bei jedem Zinssatz ein höheres Endkapital."},
      // Half a year, paid yearly: pro rata, at most the instalment.
      {"ZiZiR halbes Jahr jaehrlich", [] { return ZiZiR::Zinssatz(100, 0, 6, 150, 1); }, kein + "Die Raten ergeben bei keinem Zinssatz ein so hohes Endkapital."},
      {"ZiZiR ueber 1000 %", [] { return ZiZiR::Zinssatz(100, 10, 0, 1e15L, 12); }, ueber},
      {"BW ohne Rate", [] { return BW::Zinssatz(0, 10, 0, 1000, 12); }, kein + "Ohne Rate ist der Barwert bei jedem Zinssatz 0."},
      {"BW Barwert 0", [] { return BW::Zinssatz(100, 10, 0, 0, 12); }, kein + "Ein Barwert von 0 reicht bei keinem Zinssatz für Entnahmen."},
      {"BW Vorzeichen", [] { return BW::Zinssatz(100, 10, 0, -1000, 12); }, kein + "Rate und Barwert haben verschiedene Vorzeichen."},
      {"BW Barwert zu gross", [] { return BW::Zinssatz(1, 1, 0, 1e9L, 1); }, kein + "Die Entnahmen brauchen bei keinem Zinssatz einen so hohen Barwert."},
      {"BW Barwert ueber den Entnahmen", [] { return BW::Zinssatz(100, 1, 0, 150, 1); }, kein + "Der Barwert ist nicht kleiner als alle Entnahmen zusammen."},
      {"BW ohne Zinsen", [] { return BW::Zinssatz(100, 10, 0, 12000, 12); }, kein + "Der Barwert ist nicht kleiner als alle Entnahmen zusammen."},
      {"BW ueber 1000 %", [] { return BW::Zinssatz(100, 10, 0, 1, 1); }, ueber},
      {"AnnD ohne Rate", [] { return AnnD::Zinssatz(1000, 10, 0, 0, 12); }, kein + "Ohne Rate wird das Darlehen bei keinem Zinssatz getilgt."},
      {"AnnD Darlehen 0", [] { return AnnD::Zinssatz(0, 10, 0, 100, 12); }, kein + "Ein Darlehen von 0 braucht bei keinem Zinssatz eine Rate."},
      {"AnnD Vorzeichen", [] { return AnnD::Zinssatz(-1000, 10, 0, 100, 12); }, kein + "Darlehen und Rate haben verschiedene Vorzeichen."},
      {"AnnD Raten unter dem Darlehen", [] { return AnnD::Zinssatz(1000, 2, 0, 400, 1); }, kein + "Die Raten zahlen zusammen nicht mehr zurück, als geliehen wurde."},
      {"AnnD ohne Zinsen", [] { return AnnD::Zinssatz(1200, 1, 0, 100, 12); }, kein + "Die Raten zahlen zusammen nicht mehr zurück, als geliehen wurde."},
      // Twelve monthly instalments of 1.000 repay at most about 22.100 even at -99,999 %.
      {"AnnD Raten zu klein", [] { return AnnD::Zinssatz(100000, 1, 0, 1000, 12); }, kein + "Die Raten tilgen das Darlehen bei keinem Zinssatz."},
      {"AnnD ueber 1000 %", [] { return AnnD::Zinssatz(1000, 1, 0, 20000, 1); }, ueber},
  };
  // clang-format on
  for (const auto& f : faelle) EXPECT_EQ(Meldung(f.zinssatz), f.meldung) << f.name;
}

TEST_F(Zinssuche, Fehlerarten) {
  EXPECT_EQ(Fehlerart([] { ZiZiR::Zinssatz(100, LDBL_MAX, LDBL_MAX, 1000, 12); }), "Overflow");
  EXPECT_EQ(Fehlerart([] { AnnD::Zinssatz(1000, 1e4931L, 0, 100, 12); }), "Overflow");
}

// The figures grow with the term beyond any power's range; the search stays
// finite and within its evaluations.
TEST_F(Zinssuche, HoechstensAuswertungen) {
  int hoechstens = 0;
  for (const long double n : {1e-30L, 1.0L / 12, 0.5L, 1.5L, 30.0L, 1e6L, 1e4000L})
    for (const long double verhaeltnis : {1e-4000L, 1e-6L, 0.5L, 1.0L, 1.0001L, 7.0L, 300.0L, 1e30L, 1e4000L})
      for (const int m : {12, 1}) {
        for (const auto& seite : Seiten) {
          try {
            const Ext p = seite.zinssatz(1, n, 0, verhaeltnis, m);
            EXPECT_TRUE(std::isfinite(p.Wert()));
          } catch (const EFehler&) {
          }
          hoechstens = std::max(hoechstens, ::Zinssuche::LetzteAuswertungen());
        }
      }
  EXPECT_LE(hoechstens, ::Zinssuche::HoechstAuswertungen);
}

}  // namespace
