// The pages with forms and routines of their own: Info, shares and euro.
#include "calc/Euro.h"
#include "pages/Seiten.h"

TSeite Seiten::Seite_Info() {
  return {.Key = "",
          .Art = TSeitenart::Info,
          .Beschriftung = "Info",
          .Hilfe = 10,
          .Hilfethema = "programm.html",
          .FeldHilfe = 10};
}

TSeite Seiten::Seite_Akt() {
  const auto ergebnis = [](const char* name, const char* einheit = "DM") {
    return TFeld{.Name = name, .Art = TFeldart::Ergebnis, .Einheit = einheit};
  };
  return {
      .Key = "Akt",
      .Art = TSeitenart::Aktien,
      .Beschriftung = "Aktien",
      .Hilfe = 80,
      .Hilfethema = "aktien.html",
      .FeldHilfe = 80,
      .Felder = {{.Name = "Akt_Kurs", .Art = TFeldart::Betrag, .Waehrung = "Label80"},
                 {.Name = "Akt_Stueck", .Art = TFeldart::Ganzzahl},
                 {.Name = "Akt_Name", .Art = TFeldart::Text},
                 {.Name = "Akt_MindGeb", .Art = TFeldart::Betrag, .Waehrung = "Label83"},
                 {.Name = "Akt_GrundGeb", .Art = TFeldart::Betrag, .Waehrung = "Label84"},
                 {.Name = "Akt_Geb", .Art = TFeldart::Prozent},
                 {.Name = "Akt_MaklerGeb", .Art = TFeldart::Prozent},
                 ergebnis("Akt_ErgStueck", ""),
                 ergebnis("Akt_ErgKurs"),
                 ergebnis("Akt_ErgKW"),
                 ergebnis("Akt_ErgMakGeb"),
                 ergebnis("Akt_ErgBankGeb"),
                 ergebnis("Akt_ErgGesamt"),
                 ergebnis("Akt_ErgGewinn")},
      .Gesuchtliste = "Akt_Gesucht",
      .Start = 1,
      .Formel = "Formel_Akt",
  };
}

TSeite Seiten::Seite_Euro() {
  TSeite seite{.Key = "Euro",
               .Art = TSeitenart::Euro,
               .Beschriftung = "Euro",
               .Hilfe = 90,
               .Hilfethema = "euro.html",
               .FeldHilfe = 90,
               .Formel = "Formel_Euro"};
  for (const Euro::Waehrung& w : Euro::Waehrungen) seite.Felder.push_back({.Name = w.Feld, .Art = TFeldart::Kurs});
  seite.Felder.push_back({.Name = Euro::EuroSelbst.Feld, .Art = TFeldart::Kurs});
  return seite;
}
