// Arbitrary number texts through every formula of every page, the share
// settlement with its break-even search included: each result is a finite
// number or one of the three calculation errors, never a crash, a NaN or an
// infinity written into a field.
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include "calc/Akt.h"
#include "calc/AnnD.h"
#include "calc/BW.h"
#include "calc/MWST.h"
#include "calc/OrvMath.h"
#include "calc/ZiZiE.h"
#include "calc/ZiZiR.h"
#include "calc/eZi.h"

namespace {

void Pruefen(bool bedingung) {
  if (!bedingung) std::abort();
}

// One calculation as the window runs it: a calculation error ends it.
void Rechne(const std::function<std::vector<Ext>()>& formel) {
  std::vector<Ext> ergebnisse;
  try {
    ergebnisse = formel();
  } catch (const EZeroDivide&) {
    return;
  } catch (const EInvalidOp&) {
    return;
  } catch (const EOverflow&) {
    return;
  }
  for (const Ext& e : ergebnisse) {
    Pruefen(std::isfinite(e.Wert()));
    Pruefen(!ZahlText(e.Wert(), 18, 2).isEmpty());
  }
}

std::vector<Ext> Zerlegt(Ext n) {
  const Laufzeit l = LaufzeitZerlegen(n);
  return {Ext(l.Jahre), Ext(l.Monate)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  SetzeZahlenformat(Zahlenformat::Deutsch());
  const int m = RatenProJahr(data[0] % 5 - 1);
  // Six field texts separated by NUL; the page reads all its inputs first.
  const QStringList texte =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)).split(QChar(0));
  Ext a, b, c, d, e, f;
  try {
    Ext* werte[] = {&a, &b, &c, &d, &e, &f};
    for (int i = 0; i < 6; ++i) *werte[i] = FeldWert(texte.value(i));
  } catch (const EConvertError&) {
    return 0;
  }

  Rechne([&] { return std::vector<Ext>{eZi::Anfangskapital(a, b, c, d)}; });
  Rechne([&] { return std::vector<Ext>{eZi::Zinssatz(a, b, c, d)}; });
  Rechne([&] { return Zerlegt(eZi::Laufzeit(a, b, c)); });
  Rechne([&] { return std::vector<Ext>{eZi::Endkapital(a, b, c, d)}; });
  Rechne([&] { return std::vector<Ext>{ZiZiE::Anfangskapital(a, b, c, d)}; });
  Rechne([&] { return std::vector<Ext>{ZiZiE::Zinssatz(a, b, c, d)}; });
  Rechne([&] { return Zerlegt(ZiZiE::Laufzeit(a, b, c)); });
  Rechne([&] { return std::vector<Ext>{ZiZiE::Endkapital(a, b, c, d)}; });
  Rechne([&] { return std::vector<Ext>{ZiZiR::Rate(a, b, c, d, m)}; });
  Rechne([&] { return Zerlegt(ZiZiR::Laufzeit(a, b, c, m)); });
  Rechne([&] { return std::vector<Ext>{ZiZiR::Endkapital(a, b, c, d, m)}; });
  Rechne([&] { return std::vector<Ext>{BW::Rate(a, b, c, d, m)}; });
  Rechne([&] { return Zerlegt(BW::Laufzeit(a, b, c, m)); });
  Rechne([&] { return std::vector<Ext>{BW::Barwert(a, b, c, d, m)}; });
  Rechne([&] { return std::vector<Ext>{AnnD::Darlehenshoehe(a, b, c, d, m)}; });
  Rechne([&] { return Zerlegt(AnnD::Laufzeit(a, b, c, m)); });
  Rechne([&] { return std::vector<Ext>{AnnD::Rate(a, b, c, d, m)}; });
  Rechne([&] { return std::vector<Ext>{AnnD::Restschuld(a, b, c, d, e, m)}; });
  for (const auto fall : {&MWST::Netto, &MWST::Prozent, &MWST::Brutto})
    Rechne([&] {
      const MWST::Ergebnis r = fall(a, b);
      return std::vector<Ext>{r.Wert, r.Steuer};
    });
  Rechne([&] { return std::vector<Ext>{MWST::Steuer(a, b)}; });

  // Share settlement: price, count, minimum, fixed and percentage fees.
  const Akt::Eingaben aktie{a, b, c, d, e, f};
  Rechne([&] {
    const Akt::Abrechnung kauf = Akt::Abrechnen(aktie);
    const Ext gesamt = Akt::KaufGesamt(kauf);
    std::vector<Ext> ergebnis{kauf.KW, kauf.M, kauf.B, gesamt, Akt::VerkaufGesamt(kauf)};
    // A bound far below the program's keeps the runs short; the search must
    // still end, and a price it finds covers the purchase.
    const Akt::Gewinnschwelle schwelle =
        Akt::GewinnschwelleSuchen(aktie, gesamt, Akt::Startkurs(kauf, gesamt, aktie), 20000);
    Pruefen(schwelle.Runden <= 20000);
    if (schwelle.Ergebnis == Akt::Gewinnschwelle::Art::Gefunden) {
      Pruefen(schwelle.Runden >= 1);
      ergebnis.push_back(schwelle.Kurs);
    }
    return ergebnis;
  });
  return 0;
}
