// Mortgage offers: the figures of each case to the cent, the plan's rows
// adding up, the effective rate plugged back into the payments, refusals and
// the comparison.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Deutsch.h"
#include "calc/Finanzierung.h"

namespace {

class Finanzierung : public MitZahlenformat {};

std::optional<Ext> Wert(const char* text) {
  if (!text) return std::nullopt;
  return Ext(std::strtold(text, nullptr));
}

// Amount, Sollzins, Tilgung, Rate, Zinsbindung, Anschlusszins, Sondertilgung, Kosten; nullptr is empty.
TAngebot Angebot(const char* K, const char* soll, const char* tilgung, const char* rate, int bindung,
                 const char* anschluss = nullptr, const char* sonder = nullptr, const char* kosten = nullptr) {
  return {Wert(K), Wert(soll), Wert(tilgung), Wert(rate), bindung, Wert(anschluss), Wert(sonder), Wert(kosten)};
}

// Present value in cents of the fixed-rate period's payments and balance at the yearly rate x (percent).
long double Barwert(const TFinanzierung& f, int bindung, long double x) {
  long double summe = 0;
  for (const TFinanzierungsMonat& z : f.Plan)
    if (z.Monat <= bindung * 12)
      summe += (z.Rate + z.Sondertilgung + (z.Monat == bindung * 12 ? z.Restschuld : 0)) *
               std::pow(1 + x / 100, -z.Monat / 12.0L);
  return summe;
}

TEST_F(Finanzierung, AngeboteAufDenCent) {
  constexpr int nie = -1;
  // clang-format off
  const struct { const char* Name; TAngebot A; TCent Rate, ZinsenBindung, Restschuld; int Monate; TCent Gesamtzinsen;
                 int Effektiv; size_t Zeilen; } faelle[] = {
      {"Beispiel", Angebot("200000", "2", "3", nullptr, 10), 83333, 3364027, 13364067, 307, 5562611, 202, 307},
      {"AnschlussHoeher", Angebot("200000", "2", "3", nullptr, 10, "4"), 83333, 3364027, 13364067, 350, 9151325, 202, 350},
      {"AnschlussNiedriger", Angebot("200000", "2", "3", nullptr, 10, "1"), 83333, 3364027, 13364067, 293, 4351494, 202, 293},
      {"SondertilgungEndetInBindung", Angebot("150000", "3.5", "2", nullptr, 15, nullptr, "10000"),
       68750, 2902005, 0, 120, 2902005, 356, 120},
      {"NurZinsen", Angebot("100000", "4", "7", "333.33", 10), 33333, 3999960, 10000000, nie, 0, 407, 132},
      {"AnschlussDecktZinsenNicht", Angebot("200000", "2", "1", nullptr, 10, "9"), 50000, 3788011, 17788011, nie, 0, 202, 132},
      {"UeberHundertJahre", Angebot("100000", "1", "0.01", nullptr, 10), 8417, 999485, 9989445, nie, 0, 100, 1200},
      {"RestschuldWaechst", Angebot("100000", "5", nullptr, "300", 5, nullptr, "500"), 30000, 2566482, 10516482, nie, 0, 512, 72},
      {"Kosten", Angebot("100000", "3.2", "2", nullptr, 10, nullptr, nullptr, "2000"), 43333, 2846626, 7646666, 359, 5547845, 352, 359},
      {"NullProzentMitKosten", Angebot("12000", "0", nullptr, "1000", 1, nullptr, nullptr, "600"), 100000, 0, 0, 12, 0, 1001, 12},
      {"EinJahr", Angebot("50000", "5", nullptr, "1000", 1, "6"), 100000, 227923, 4027923, 58, 709063, 512, 58},
      {"VierzigJahre", Angebot("300000", "3.5", "2", nullptr, 40), 137500, 17759308, 0, 348, 17759308, 356, 348},
      {"VierzigJahreMitRest", Angebot("300000", "1.25", "1", nullptr, 40, "5", "1000"), 56250, 10284294, 9284294, 702, 15260701, 126, 702},
  };
  // clang-format on
  for (const auto& c : faelle) {
    SCOPED_TRACE(c.Name);
    const TFinanzierung f = FinanzierungBerechnen(c.A);
    EXPECT_EQ(f.Monatsrate, c.Rate);
    EXPECT_EQ(f.ZinsenBindung, c.ZinsenBindung);
    EXPECT_EQ(f.Restschuld, c.Restschuld);
    EXPECT_EQ(f.Volltilgung.value_or(nie), c.Monate);
    EXPECT_EQ(f.Gesamtzinsen.value_or(0), c.Gesamtzinsen);
    EXPECT_EQ(std::llround(f.Effektivzins.Wert() * 100), c.Effektiv);
    ASSERT_EQ(f.Plan.size(), c.Zeilen);
    // Each row adds up, the balance follows the rows, the yearly sums the months.
    TCent stand = std::llround(c.A.Betrag->Wert() * 100), zinsen = 0;
    for (const TFinanzierungsMonat& z : f.Plan) {
      EXPECT_EQ(z.Rate, z.Zinsen + z.Tilgung);
      EXPECT_EQ(z.Restschuld, stand - z.Tilgung - z.Sondertilgung);
      EXPECT_EQ(z.Jahr, (z.Monat - 1) / 12 + 1);
      EXPECT_TRUE(z.Sondertilgung == 0 || z.Monat % 12 == 0);
      stand = z.Restschuld;
      zinsen += z.Zinsen;
    }
    TCent jahresZinsen = 0;
    for (const auto& j : Jahressummen(f.Plan)) jahresZinsen += j.Zinsen;
    EXPECT_EQ(jahresZinsen, zinsen);
    EXPECT_EQ(Jahressummen(f.Plan).back().Restschuld, stand);
    // The rate shown, half a hundredth up or down, puts the payments' present
    // value on either side of the payout.
    const int bindung = *c.A.Zinsbindung;
    const long double auszahlung = (c.A.Betrag->Wert() - (c.A.Kosten ? c.A.Kosten->Wert() : 0)) * 100;
    EXPECT_GE(Barwert(f, bindung, c.Effektiv / 100.0L - 0.005L), auszahlung);
    EXPECT_LE(Barwert(f, bindung, c.Effektiv / 100.0L + 0.005L), auszahlung);
  }
}

TEST_F(Finanzierung, Eingabefehler) {
  // clang-format off
  const struct { TAngebot A; const char* Text; } faelle[] = {
      {Angebot("100000", "3", nullptr, nullptr, 10),
       "Für ein Angebot müssen Betrag, Sollzins, Zinsbindung und Tilgung oder Rate eingegeben werden!"},
      {Angebot("0", "3", "2", nullptr, 10), "Der Betrag muss größer als 0 sein."},
      {Angebot("2e12", "3", "2", nullptr, 10), "Der Betrag darf höchstens 1.000.000.000.000 betragen."},
      {Angebot("100000", "3", "2", nullptr, 10, "nan"), "Der Anschlusszins muss zwischen 0 und 100 % liegen."},
      {Angebot("100000", "0", "0", nullptr, 10), "Mit diesem Sollzins und dieser Tilgung ist die Rate 0."},
      {Angebot("100000", "3", "2", nullptr, 51), "Die Zinsbindung muss 1 bis 50 ganze Jahre betragen."},
      {Angebot("100000", "3", "2", nullptr, 10, nullptr, "-1"), "Die Sondertilgung darf nicht negativ sein."},
      {Angebot("100000", "3", "2", nullptr, 10, nullptr, nullptr, "100000"), "Die Kosten müssen unter dem Betrag liegen."},
      {Angebot("1e12", "100", nullptr, "0.01", 50),
       "Die Rate deckt die Zinsen nicht, und die Restschuld wächst über jedes berechenbare Maß."},
  };
  // clang-format on
  for (const auto& c : faelle) {
    try {
      FinanzierungBerechnen(c.A);
      ADD_FAILURE() << c.Text;
    } catch (const EFinanzierungFehler& e) {
      EXPECT_EQ(e.Text(), QString::fromUtf8(c.Text));
    }
  }
}

TEST_F(Finanzierung, VergleichNenntDieBesten) {
  const TVergleich v =
      Vergleichen({Angebot("200000", "2", "3", nullptr, 10), Angebot("200000", "2", "3", nullptr, 10),
                   Angebot("200000", "2", nullptr, nullptr, 10), Angebot("200000", "2", "3", nullptr, 10, "1"),
                   Angebot("200000", "2", nullptr, "500", 10, "9", nullptr, "1000")});
  ASSERT_EQ(v.Ergebnisse.size(), 5u);
  EXPECT_FALSE(v.Ergebnisse[2]);                     // incomplete: skipped
  EXPECT_EQ(v.Ergebnisse[4]->AnfTilgung.Wert(), 1);  // 12 · 500 / 200000 · 100 − 2
  const auto beste = [&](TKennzahl k) { return v.Beste[static_cast<int>(k)]; };
  EXPECT_TRUE(beste(TKennzahl::Monatsrate).empty());
  EXPECT_TRUE(beste(TKennzahl::AnfTilgung).empty());
  EXPECT_EQ(beste(TKennzahl::ZinsenBindung), (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(beste(TKennzahl::Restschuld), (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(beste(TKennzahl::Volltilgung), (std::vector<int>{3}));
  EXPECT_EQ(beste(TKennzahl::Gesamtzinsen), (std::vector<int>{3}));
  EXPECT_EQ(beste(TKennzahl::Effektivzins), (std::vector<int>{0, 1, 3}));
  // Equal offers name no best; an invalid one is named by its number.
  EXPECT_TRUE(Vergleichen({Angebot("1000", "1", "1", nullptr, 1)}).Beste[6].empty());
  try {
    Vergleichen({Angebot("1000", "1", "1", nullptr, 1), Angebot("-1000", "1", "1", nullptr, 1)});
    ADD_FAILURE();
  } catch (const EFinanzierungFehler& e) {
    EXPECT_EQ(e.Text(), QStringLiteral("Angebot 2: Der Betrag muss größer als 0 sein."));
  }
}

// The payment plan's loan in cents is the offer's plan, month by month,
// with a follow-up rate and extra repayments.
TEST_F(Finanzierung, ZahlungsplanInCentWieDasAngebot) {
  const TFinanzierung f = FinanzierungBerechnen(Angebot("300000", "3.5", nullptr, "1375", 10, "5", "5000"));
  const TZahlungsplan angebot = FinanzierungsPlan(f);
  const TPlanEingabe e{TPlanArt::Darlehen, 300000, Ext(3.5L), 1375, 12, 30, std::nullopt};
  const TZahlungsplan plan = ZahlungsplanBerechnen(e, {5000, 1}, TAnschluss{10, 5}, true);
  ASSERT_EQ(plan.JeZahlung.size(), angebot.JeZahlung.size());
  const auto cent = [](const TPlanZeile& z) {
    return std::vector<TCent>{z.Art, z.Nummer, Cent(z.Zahlung), Cent(z.Zinsen), Cent(z.Aenderung), Cent(z.Stand)};
  };
  for (size_t k = 0; k < plan.JeZahlung.size(); ++k)
    ASSERT_EQ(cent(plan.JeZahlung[k]), cent(angebot.JeZahlung[k])) << k;
  EXPECT_EQ(cent(plan.Summe), cent(angebot.Summe));
  EXPECT_EQ(Cent(StandNach(plan, 10)), f.Restschuld);
  EXPECT_EQ(std::count_if(plan.JeZahlung.begin(), plan.JeZahlung.end(),
                          [](const TPlanZeile& z) { return z.Art == TPlanZeile::zaZahlung; }),
            *f.Volltilgung);
}

}  // namespace
