// Annuity loan (AnnD): loan amount, term, instalment, the residual debt
// after a given time or the interest rate.
#include "calc/AnnD.h"
#include "pages/Seiten.h"

namespace {
enum { K, p, nj, nm, R, Zw, Kn, knj, Knm };

// A loan's plan from the values its case reads; the "nach" time is shown with it.
TPlan Tilgungsplan(std::function<TPlanEingabe(const TWerte&, int m)> eingabe) {
  return {TPlanArt::Darlehen, std::move(eingabe), knj, Knm};
}
}  // namespace

TSeite Seiten::Seite_AnnD() {
  namespace S = Stueck;
  return {
      .Key = "AnnD",
      .Art = TSeitenart::Rechnung,
      .Beschriftung = "Annuitäten-Darlehen",
      .Hilfe = 60,
      .Hilfethema = "annuitaeten-darlehen.html",
      .FeldHilfe = 60,
      .Felder = {TFeld::Betrag("AnnD_KFeld", "D&arlehenshöhe:", "Label49", 1),
                 TFeld::Prozent("AnnD_pFeld", "&Zinssatz:", "AnnD_pEinheit", 2),
                 TFeld::Jahre("AnnD_njFeld", "&Laufzeit:", "&Jahre", "AnnD_njEinheit", 3),
                 TFeld::Monate("AnnD_nmFeld", "&Monate", "AnnD_nmEinheit", "Laufzeit, weitere Monate", 4),
                 TFeld::Betrag("AnnD_RFeld", "AnnD-Ra&te:", "Label51", 5).Vorgelesen("Annuitätenrate"),
                 TFeld::Zahlungsweise("AnnD_Zahlungsweise", 6),
                 TFeld::Betrag("AnnD_KnFeld", "Rest&schuld:", "Label54", 0),
                 TFeld::Jahre("AnnD_knjFeld", "&nach:", "Jahr&e", "AnnD_knjEinheit", 7, "Restschuld nach Jahren"),
                 TFeld::Monate("AnnD_KnmFeld", "M&onate", "AnnD_KnmEinheit", "Restschuld nach weiteren Monaten", 8)},
      .Gesuchtliste = "AnnD_Gesucht",
      .Start = 3,
      .Gesucht =
          {{.Name = "Darlehenshöhe",
            .Ergebnis = {K},
            .Fall = {{R, p, nj, nm},
                     {R, p, nj, nm},
                     {{K, 18, 2}},
                     [](const TWerte& w, int m) { return TWerte{AnnD::Darlehenshoehe(w[0], w[1], w[2], w[3], m)}; }},
            .Frage = "Wieviel Kredit kann ich zu {2} % aufnehmen, wenn ich {5} {W} {6} zurückbezahle und der Kredit "
                     "nach {3} Jahren, {4} Monaten getilgt sein soll?",
            .Formel = "Formel_AnnD_K0",
            .Bericht = {"Zinssatz:\nLaufzeit:\nAnnD-Rate\nZahlungsweise:",
                        {S::Satz(p), S::Laufzeit(nj, nm), S::Betrag(R), S::Zahlungsweise()},
                        {S::Betrag(K), S::Leer()}},
            .Plan = Tilgungsplan([](const TWerte& w, int m) {
              return Planwerte(AnnD::Darlehenshoehe(w[0], w[1], w[2], w[3], m), w[1], w[0], LaufzeitJahre(w[2], w[3]));
            })},
           {.Name = "Laufzeit",
            .Ergebnis = {nj, nm},
            .Fall = {{R, K, p},
                     {K, p, R},
                     {{nj, 18, 0}, {nm, 18, 1}},
                     [](const TWerte& w, int m) { return Zerlegt(AnnD::Laufzeit(w[0], w[1], w[2], m)); }},
            .Frage = "Wie lange muß ich {6} {5} {W} für meinen Kredit bezahlen, wenn ich {1} {W} zu {2} % "
                     "aufgenommen habe?",
            .Formel = "Formel_AnnD_Lfz",
            .Bericht = {"Darlehenshöhe:\nZinssatz:\nAnnD-Rate\nZahlungsweise:",
                        {S::Betrag(K), S::Satz(p), S::Betrag(R), S::Zahlungsweise()},
                        {S::Laufzeit(nj, nm)}},
            .Plan = Tilgungsplan([](const TWerte& w, int m) {
              return Planwerte(w[0], w[1], w[2], AnnD::Laufzeit(w[0], w[1], w[2], m));
            })},
           {.Name = "AnnD-Rate",
            .Ergebnis = {R},
            .Fall = {{K, p, nj, nm},
                     {K, p, nj, nm},
                     {{R, 18, 2}},
                     [](const TWerte& w, int m) { return TWerte{AnnD::Rate(w[0], w[1], w[2], w[3], m)}; }},
            .Frage = "Wieviel muß ich {6} an Zins und Tilgung bezahlen, wenn ich einen Kredit über {1} {W} zu {2} % "
                     "Zins aufnehme und er nach {3} Jahren, {4} Monaten getilgt sein soll?",
            .Formel = "Formel_AnnD_A",
            .Bericht = {"Darlehenshöhe:\nZinssatz:\nLaufzeit:\nZahlungsweise:",
                        {S::Betrag(K), S::Satz(p), S::Laufzeit(nj, nm), S::Zahlungsweise()},
                        {S::Betrag(R)}},
            .Plan = Tilgungsplan([](const TWerte& w, int m) {
              return Planwerte(w[0], w[1], AnnD::Rate(w[0], w[1], w[2], w[3], m), LaufzeitJahre(w[2], w[3]));
            })},
           // The loan term is not used here; the "nach:" fields give the point in time.
           {.Name = "Restschuld",
            .Ergebnis = {Kn},
            .Gesperrt = {nj, nm},
            .Fall = {{K, p, R, knj, Knm},
                     {K, p, knj, Knm, R},
                     {{Kn, 15, 2}},
                     [](const TWerte& w, int m) { return TWerte{AnnD::Restschuld(w[0], w[1], w[2], w[3], w[4], m)}; }},
            .Frage = "Wie hoch beläuft sich meine Schuld nach {7} Jahren, {8} Monaten, wenn ich ein Darlehen über "
                     "{1} {W} zu {2} % Zins aufnehmen und {6} {5} {W} zurückbezahle?",
            .Formel = "Formel_AnnD_Kn",
            .Bericht = {"Darlehenshöhe:\nZinssatz:\nAnnD-Rate:\nZahlungsweise:\nnach:",
                        {S::Betrag(K), S::Satz(p), S::Betrag(R), S::Zahlungsweise(), S::Laufzeit(knj, Knm)},
                        {S::Betrag(Kn)}},
            // The page asks for the debt after a time; the plan runs until it is repaid.
            .Plan = Tilgungsplan([](const TWerte& w, int m) {
              AnnD::Restschuld(w[0], w[1], w[2], w[3], w[4], m);
              return Planwerte(w[0], w[1], w[4], Tilgungsdauer(w[0], w[1], w[4], m));
            })},
           // The residual-debt row plays no part in finding the rate, so it is greyed.
           {.Name = "Zinssatz",
            .Ergebnis = {p},
            .Gesperrt = {Kn, knj, Knm},
            .Fall = {{K, nj, nm, R},
                     {K, nj, nm, R},
                     {{p, 15, 3, ZinssatzHoechstwert}},
                     [](const TWerte& w, int m) { return TWerte{AnnD::Zinssatz(w[0], w[1], w[2], w[3], m)}; }},
            .Frage = "Zu welchem Zinssatz habe ich einen Kredit über {1} {W} aufgenommen, wenn ich ihn {6} mit {5} "
                     "{W} in {3} Jahren, {4} Monaten tilge?",
            .Formel = "Formel_AnnD_Zins",
            .Bericht = {"Darlehenshöhe:\nLaufzeit:\nAnnD-Rate:\nZahlungsweise:",
                        {S::Betrag(K), S::Laufzeit(nj, nm), S::Betrag(R), S::Zahlungsweise()},
                        {S::Satz(p)}},
            .Plan = Tilgungsplan([](const TWerte& w, int m) {
              return Planwerte(w[0], GefundenerZinssatz(AnnD::Zinssatz(w[0], w[1], w[2], w[3], m)), w[3],
                               LaufzeitJahre(w[1], w[2]));
            })}},
      .Fragehoehe = 53,
  };
}
