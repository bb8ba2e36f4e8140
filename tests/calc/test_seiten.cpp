// The page formulas with the figures a user sees and their error kinds.
#include <functional>

#include "Deutsch.h"
#include "calc/AnnD.h"
#include "calc/BW.h"
#include "calc/MWST.h"
#include "calc/ZiZiE.h"
#include "calc/ZiZiR.h"
#include "calc/eZi.h"

namespace {

QString Betrag(Ext wert, int stellen = 18, int dezimalen = 2) { return ZahlText(wert.Wert(), stellen, dezimalen); }
QString Termin(Ext jahre) {
  const Laufzeit l = LaufzeitZerlegen(jahre);
  return ZahlText(l.Jahre, 18, 0) + u'|' + ZahlText(l.Monate, 18, 1);
}
QString Paar(MWST::Ergebnis e, int dezimalen) { return Betrag(e.Wert, 15, dezimalen) + u'|' + Betrag(e.Steuer, 15); }

class Seiten : public MitZahlenformat {};

// The results as the fields show them (amount, or "years|months"), beyond
// the examples that the pages' case tables compute.
TEST_F(Seiten, BeispielrechnungenJeSeite) {
  // clang-format off
  const struct { const char* name; std::function<QString()> ergebnis; const char* text; } faelle[] = {
      {"eZi negativ", [] { return Termin(eZi::Laufzeit(1000, 5, 875)); }, "-2 |-6,0 "},
      // Half a year compounds with the root of the yearly factor.
      {"ZiZiE halbes Jahr", [] { return Betrag(ZiZiE::Endkapital(10000, 12, 0, 6)); }, "10.583,01 "},
      {"ZiZiE p = -100", [] { return Betrag(ZiZiE::Endkapital(1000, -100, 5, 0)); }, "0,00 "},
      {"ZiZiE Kn = 0", [] { return Betrag(ZiZiE::Zinssatz(1000, 0, 10, 0), 18, 3); }, "-100,000 "},
      {"ZiZiR ohne Laufzeit", [] { return Betrag(ZiZiR::Endkapital(100, 5, 0, 0, 12), 15); }, "0,00 "},
      {"BW Rate jaehrlich", [] { return Betrag(BW::Rate(100000, 6, 20, 0, 1)); }, "8.718,46 "},
      {"AnnD Rate jaehrlich", [] { return Betrag(AnnD::Rate(10000, 5, 3, 0, 1)); }, "3.672,09 "},
      {"AnnD ueberzahlt", [] { return Betrag(AnnD::Restschuld(10000, 5, 3, 0, 3672.09L, 1), 15); }, "-0,01 "},
      {"AnnD Laufzeit jaehrlich", [] { return Termin(AnnD::Laufzeit(10000, 5, 1000, 1)); }, "14 |2,5 "},
      {"AnnD ohne Laufzeit", [] { return Betrag(AnnD::Darlehenshoehe(1000, 6, 0, 0, 12)); }, "0,00 "},
      {"MWST Netto gerundet", [] { return Paar(MWST::Netto(100, 16), 2); }, "86,21 |13,79 "},
      {"MWST negativ", [] { return Paar(MWST::Prozent(90, 100), 3); }, "-10,000 |-10,00 "},
  };
  // clang-format on
  for (const auto& f : faelle) EXPECT_EQ(f.ergebnis(), QString::fromUtf8(f.text)) << f.name;
}

TEST(Seitenfehler, Fehlerarten) {
  // clang-format off
  const struct { const char* name; std::function<void()> rechnung; const char* fehler; } faelle[] = {
      {"eZi Zinssatz ohne Laufzeit", [] { eZi::Zinssatz(1000, 1125, 0, 0); }, "ZeroDivide"},
      {"eZi Zinssatz K = Kn ohne Laufzeit", [] { eZi::Zinssatz(1000, 1000, 0, 0); }, "InvalidOp"},
      {"eZi Zinssatz K = 0", [] { eZi::Zinssatz(0, 1125, 2, 0); }, "ZeroDivide"},
      {"eZi Laufzeit p = 0", [] { eZi::Laufzeit(1000, 0, 1125); }, "ZeroDivide"},
      {"eZi Laufzeit K = 0", [] { eZi::Laufzeit(0, 5, 0); }, "InvalidOp"},
      {"eZi Ueberlauf", [] { eZi::Endkapital(1e4000L, 1e4000L, 1e900L, 0); }, "Overflow"},
      {"ZiZiE Zinssatz ohne Laufzeit", [] { ZiZiE::Zinssatz(1000, 2000, 0, 0); }, "ZeroDivide"},
      {"ZiZiE Zinssatz K = 0", [] { ZiZiE::Zinssatz(0, 2000, 10, 0); }, "ZeroDivide"},
      {"ZiZiE Zinssatz K = Kn = 0", [] { ZiZiE::Zinssatz(0, 0, 10, 0); }, "InvalidOp"},
      {"ZiZiE Zinssatz Vorzeichen", [] { ZiZiE::Zinssatz(1000, -2000, 10, 0); }, "InvalidOp"},
      {"ZiZiE Laufzeit Kn = 0", [] { ZiZiE::Laufzeit(1000, 5, 0); }, "ZeroDivide"},
      {"ZiZiE Laufzeit p = 0", [] { ZiZiE::Laufzeit(1000, 0, 2000); }, "ZeroDivide"},
      {"ZiZiE Laufzeit p = 0, K = Kn", [] { ZiZiE::Laufzeit(1000, 0, 1000); }, "InvalidOp"},
      {"ZiZiE Laufzeit p < -100", [] { ZiZiE::Laufzeit(1000, -150, 2000); }, "InvalidOp"},
      {"ZiZiE Anfangskapital p < -100", [] { ZiZiE::Anfangskapital(1000, -150, 2, 0); }, "InvalidOp"},
      {"ZiZiE Anfangskapital p = -100", [] { ZiZiE::Anfangskapital(1000, -100, 2, 0); }, "ZeroDivide"},
      {"ZiZiE Endkapital Ueberlauf", [] { ZiZiE::Endkapital(1000, 100, 2000, 0); }, "Overflow"},
      {"ZiZiE Endkapital Ueberlauf nach Power", [] { ZiZiE::Endkapital(1e4900L, 100, 1000, 0); }, "Overflow"},
      {"ZiZiE Eingabe jenseits double", [] { ZiZiE::Zinssatz(1e-320L, 1e100L, 10, 0); }, "Overflow"},
      {"ZiZiR p = 0 Rate", [] { ZiZiR::Rate(10000, 0, 10, 0, 12); }, "InvalidOp"},
      {"ZiZiR p = 0 Laufzeit", [] { ZiZiR::Laufzeit(100, 0, 20000, 12); }, "InvalidOp"},
      {"ZiZiR p = 0 Endkapital", [] { ZiZiR::Endkapital(100, 0, 10, 0, 12); }, "InvalidOp"},
      {"ZiZiR Rate ohne Laufzeit", [] { ZiZiR::Rate(10000, 5, 0, 0, 12); }, "ZeroDivide"},
      {"ZiZiR Laufzeit R = 0", [] { ZiZiR::Laufzeit(0, 5, 20000, 12); }, "ZeroDivide"},
      {"ZiZiR Laufzeit Argument 0", [] { ZiZiR::Laufzeit(5, 5, -100, 1); }, "ZeroDivide"},
      {"ZiZiR Laufzeit Argument negativ", [] { ZiZiR::Laufzeit(5, 5, -1000, 1); }, "InvalidOp"},
      {"ZiZiR p < -100", [] { ZiZiR::Endkapital(100, -150, 10, 0, 1); }, "InvalidOp"},
      {"ZiZiR Ueberlauf", [] { ZiZiR::Endkapital(100, 100, 2000, 0, 1); }, "Overflow"},
      {"BW p = 0 Rate", [] { BW::Rate(100000, 0, 20, 0, 1); }, "InvalidOp"},
      {"BW p = 0 Laufzeit", [] { BW::Laufzeit(500, 0, 50000, 1); }, "InvalidOp"},
      {"BW p = 0 Barwert", [] { BW::Barwert(500, 0, 20, 0, 1); }, "InvalidOp"},
      {"BW Rate ohne Laufzeit", [] { BW::Rate(100000, 6, 0, 0, 12); }, "ZeroDivide"},
      {"BW Laufzeit Rne = Zinsen", [] { BW::Laufzeit(3000, 6, 50000, 1); }, "ZeroDivide"},
      {"BW Laufzeit Rne < Zinsen", [] { BW::Laufzeit(200, 6, 50000, 12); }, "InvalidOp"},
      {"BW Laufzeit R = 0", [] { BW::Laufzeit(0, 6, 50000, 12); }, "ZeroDivide"},
      {"BW p < -100", [] { BW::Barwert(500, -150, 20, 0, 1); }, "InvalidOp"},
      {"BW Ueberlauf", [] { BW::Rate(100000, 100, 2000, 0, 1); }, "Overflow"},
      {"AnnD p = 0 Darlehenshoehe", [] { AnnD::Darlehenshoehe(1000, 0, 10, 0, 12); }, "InvalidOp"},
      {"AnnD p = 0 Laufzeit", [] { AnnD::Laufzeit(100000, 0, 1000, 12); }, "InvalidOp"},
      {"AnnD p = 0 Rate", [] { AnnD::Rate(100000, 0, 10, 0, 12); }, "InvalidOp"},
      {"AnnD p = 0 Restschuld", [] { AnnD::Restschuld(100000, 0, 5, 0, 1000, 12); }, "InvalidOp"},
      {"AnnD Rate ohne Laufzeit", [] { AnnD::Rate(100000, 6, 0, 0, 12); }, "ZeroDivide"},
      {"AnnD Laufzeit Rate zu klein", [] { AnnD::Laufzeit(100000, 6, 400, 12); }, "InvalidOp"},
      {"AnnD Laufzeit Rate = Zinsen", [] { AnnD::Laufzeit(100000, 6, 500, 12); }, "ZeroDivide"},
      {"MWST Netto P = -100", [] { MWST::Netto(116, -100); }, "ZeroDivide"},
      {"MWST Netto B = 0, P = -100", [] { MWST::Netto(0, -100); }, "InvalidOp"},
      {"MWST Prozent N = 0", [] { MWST::Prozent(116, 0); }, "ZeroDivide"},
      {"MWST Prozent B = N = 0", [] { MWST::Prozent(0, 0); }, "InvalidOp"},
  };
  // clang-format on
  for (const auto& f : faelle) EXPECT_EQ(Fehlerart(f.rechnung), f.fehler) << f.name;
}

}  // namespace
