// Value added tax (MWST): every case but the tax amount's also writes the
// tax amount, whose field stays grey outside its own case.
#include "calc/MWST.h"
#include "pages/Seiten.h"

namespace {
enum { Netto, Prozent, Steuer, Brutto };

TWerte MitSteuer(MWST::Ergebnis e) { return {e.Wert, e.Steuer}; }
}  // namespace

TSeite Seiten::Seite_MWST() {
  namespace S = Stueck;
  return {
      .Key = "MWST",
      .Art = TSeitenart::Rechnung,
      .Beschriftung = "Mehrwertsteuer",
      .Hilfe = 70,
      .Hilfethema = "mehrwertsteuer.html",
      .FeldHilfe = 70,
      .Felder = {TFeld::Betrag("MWST_Netto", "&Nettobetrag", "Label65", 1),
                 TFeld::Prozent("MWST_MWSTprozent", "&MwSt. in %", "MWST_ProzentEinheit", 2),
                 TFeld::Betrag("MWST_MWSTDM", "Mw&St. in DM", "Label67", 3, TFeldart::Ergebnis),
                 TFeld::Betrag("MWST_brutto", "&Bruttobetrag:", "Label68", 4)},
      .Gesuchtliste = "MWST_Gesucht",
      .Start = 1,
      .Gesucht = {{.Name = "Nettobetrag",
                   .Ergebnis = {Netto},
                   .Gesperrt = {Steuer},
                   .Fall = {{Brutto, Prozent},
                            {Brutto, Prozent},
                            {{Netto, 15, 2}, {Steuer, 15, 2}},
                            [](const TWerte& w, int) { return MitSteuer(MWST::Netto(w[0], w[1])); }},
                   .Frage = "Wie hoch ist der Betrag vor Addition der Mehrwertsteuer von {2} %, wenn der "
                            "Bruttobetrag {4} {W} beträgt?",
                   .Formel = "Formel_MWST_netto",
                   .Bericht = {"MwSt in %:\nMwSt in DM:\nBruttobetrag",
                               {S::Satz(Prozent), S::Betrag(Steuer), S::Betrag(Brutto)},
                               {S::Betrag(Netto)}}},
                  {.Name = "MwSt. in %",
                   .Ergebnis = {Prozent},
                   .Gesperrt = {Steuer},
                   .Fall = {{Netto, Brutto},
                            {Brutto, Netto},
                            {{Prozent, 15, 3}, {Steuer, 15, 2}},
                            [](const TWerte& w, int) { return MitSteuer(MWST::Prozent(w[0], w[1])); }},
                   .Frage = "Wieviel Mehrwertsteuer (in %) ist in dem Betrag von {4} {W} (brutto) enthalten, wenn "
                            "sich der Nettobetrag auf {1} {W} beläuf?",
                   .Formel = "Formel_MWST_proz",
                   .Bericht = {"Nettobetrag:\nMwSt in DM:\nBruttobetrag",
                               {S::Betrag(Netto), S::Betrag(Steuer), S::Betrag(Brutto)},
                               {S::Satz(Prozent)}}},
                  {.Name = "MwSt. in DM",
                   .Ergebnis = {Steuer},
                   .Gesperrt = {Brutto},
                   .Fall = {{Netto, Prozent},
                            {Netto, Prozent},
                            {{Steuer, 15, 2}},
                            [](const TWerte& w, int) { return TWerte{MWST::Steuer(w[0], w[1])}; }},
                   // The tax amount is computed from the net amount and the rate, so those are what the
                   // sentence names.
                   .Frage = "Wieviel Mehrwertsteuer (in {W}) fällt auf den Nettobetrag von {1} {W} bei einem "
                            "Steuersatz von {2} % an?",
                   .Formel = "Formel_MWST_DM",
                   .Bericht = {"Nettobetrag:\nMwSt in %:\nBruttobetrag",
                               {S::Betrag(Netto), S::Satz(Prozent), S::Betrag(Brutto)},
                               {S::Betrag(Steuer)}}},
                  {.Name = "Bruttobetrag",
                   .Ergebnis = {Brutto},
                   .Gesperrt = {Steuer},
                   .Fall = {{Netto, Prozent},
                            {Netto, Prozent},
                            {{Brutto, 15, 2}, {Steuer, 15, 2}},
                            [](const TWerte& w, int) { return MitSteuer(MWST::Brutto(w[0], w[1])); }},
                   .Frage = "Wie hoch ist der Betrag inklusive Mehrwertsteuer, wenn der Nettobetrag {1} {W} beträgt "
                            "und {2} % Steuer aufgeschlagen werden soll?",
                   .Formel = "Formel_MWST_brutto",
                   .Bericht = {"Nettobetrag:\nMwSt in %:\nMwSt in DM:",
                               {S::Betrag(Netto), S::Satz(Prozent), S::Betrag(Steuer), S::Leer()},
                               {S::Betrag(Brutto)}}}},
  };
}
