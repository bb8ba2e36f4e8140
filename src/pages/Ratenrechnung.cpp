// Compound interest on instalments (ZiZiR) and the present value of an
// annuity (BW): one layout and one shape of cases, the instalment, the term,
// the amount at the end or the interest rate sought.
#include <array>

#include "calc/BW.h"
#include "calc/ZiZiR.h"
#include "pages/Seiten.h"

namespace {

enum { R, Zw, p, nj, nm, X };  // X: the end capital or the present value

struct TRatenformeln {
  Ext (*Rate)(Ext X, Ext p, Ext nj, Ext nm, int m);
  Ext (*Laufzeit)(Ext R, Ext p, Ext X, int m);
  Ext (*Betrag)(Ext R, Ext p, Ext nj, Ext nm, int m);
  Ext (*Zinssatz)(Ext R, Ext nj, Ext nm, Ext X, int m);
};

std::vector<TFeld> Felder(const QString& key, const char* rate, const char* betrag, const char* beschriftung,
                          const char* waehrung) {
  const auto name = [&](const char* feld) { return key + u'_' + QLatin1String(feld); };
  return {TFeld::Betrag(name("RFeld"), "R&ate:", rate, 1),
          TFeld::Zahlungsweise(name("Zahlungsweise"), 2),
          TFeld::Prozent(name("pFeld"), "&Zinssatz:", name("pEinheit"), 3),
          TFeld::Jahre(name("njFeld"), "&Laufzeit:", "&Jahre", name("njEinheit"), 4),
          TFeld::Monate(name("nmFeld"), "&Monate", name("nmEinheit"), "Laufzeit, weitere Monate", 5),
          TFeld::Betrag(name(betrag), beschriftung, waehrung, 6)};
}

// The four cases: the instalment, the term, the amount X and the rate sought.
std::array<TFall, 4> Faelle(TRatenformeln f) {
  return {{{{p, nj, nm, X},
            {X, p, nj, nm},
            {{R, 18, 2}},
            [f](const TWerte& w, int m) { return TWerte{f.Rate(w[0], w[1], w[2], w[3], m)}; }},
           {{R, p, X},
            {R, p, X},
            {{nj, 18, 0}, {nm, 18, 1}},
            [f](const TWerte& w, int m) { return Zerlegt(f.Laufzeit(w[0], w[1], w[2], m)); }},
           {{R, p, nj, nm},
            {R, p, nj, nm},
            {{X, 15, 2}},
            [f](const TWerte& w, int m) { return TWerte{f.Betrag(w[0], w[1], w[2], w[3], m)}; }},
           {{R, nj, nm, X}, {R, nj, nm, X}, {{p, 15, 3, ZinssatzHoechstwert}}, [f](const TWerte& w, int m) {
              return TWerte{f.Zinssatz(w[0], w[1], w[2], w[3], m)};
            }}}};
}

// Their plans, of a savings plan or a pension: the amount X is the end of
// the one, the present value the other starts from.
std::array<TPlan, 4> Plaene(TRatenformeln f, TPlanArt art) {
  const auto plan = [art](auto eingabe) { return TPlan{art, eingabe}; };
  const auto anfang = [art](Ext X) { return art == TPlanArt::Rente ? X : Ext(0); };
  return {plan([=](const TWerte& w, int m) {
            return Planwerte(anfang(w[0]), w[1], f.Rate(w[0], w[1], w[2], w[3], m), LaufzeitJahre(w[2], w[3]));
          }),
          plan([=](const TWerte& w, int m) {
            return Planwerte(anfang(w[2]), w[1], w[0], f.Laufzeit(w[0], w[1], w[2], m));
          }),
          plan([=](const TWerte& w, int m) {
            return Planwerte(anfang(f.Betrag(w[0], w[1], w[2], w[3], m)), w[1], w[0], LaufzeitJahre(w[2], w[3]));
          }),
          plan([=](const TWerte& w, int m) {
            return Planwerte(anfang(w[3]), GefundenerZinssatz(f.Zinssatz(w[0], w[1], w[2], w[3], m)), w[0],
                             LaufzeitJahre(w[1], w[2]));
          })};
}

}  // namespace

TSeite Seiten::Seite_ZiZiR() {
  namespace S = Stueck;
  const TRatenformeln formeln{ZiZiR::Rate, ZiZiR::Laufzeit, ZiZiR::Endkapital, ZiZiR::Zinssatz};
  const auto fall = Faelle(formeln);
  const auto plan = Plaene(formeln, TPlanArt::Sparplan);
  return {
      .Key = "ZiZiR",
      .Art = TSeitenart::Rechnung,
      .Beschriftung = "Zinseszins Ratenzahlung",
      .Hilfe = 40,
      .Hilfethema = "zinseszins-ratenzahlung.html",
      .FeldHilfe = 30,
      .Felder = Felder("ZiZiR", "Label27", "KnFeld", "&Endkapital:", "Label29"),
      .Gesuchtliste = "ZiZiR_Gesucht",
      .Start = 2,
      .Gesucht = {{.Name = "Ratenhöhe",
                   .Ergebnis = {R},
                   .Fall = fall[0],
                   .Frage = "Wieviel muß ich {2} einzahlen, um nach {4} Jahre, {5} Monate bei einem Zinssatz von {3} "
                            "% ein Guthaben von {6} {W} zu erhalten?",
                   .Formel = "Formel_ZiZiR_R",
                   .Bericht = {"Zahlungsart:\nZinssatz:\nLaufzeit:\nEndkapital:",
                               {S::Zahlungsweise(), S::Satz(p), S::Laufzeit(nj, nm), S::Betrag(X)},
                               {S::Betrag(R)}},
                   .Plan = plan[0]},
                  {.Name = "Laufzeit",
                   .Ergebnis = {nj, nm},
                   .Fall = fall[1],
                   .Frage = "Wie lange muß ich {2} einen Betrag von {1} {W} einzahlen, um bei einem Zinssatz von {3} "
                            "% ein Guthaben von {6} zu erhalten?",
                   .Formel = "Formel_ZiZiR_Lfz",
                   .Bericht = {"Rate:\nZahlungsart:\nZinssatz:\nEndkapital:",
                               {S::Betrag(R), S::Zahlungsweise(), S::Satz(p), S::Betrag(X)},
                               {S::Laufzeit(nj, nm)}},
                   .Plan = plan[1]},
                  {.Name = "Endkapital",
                   .Ergebnis = {X},
                   .Fall = fall[2],
                   .Frage = "Wie hoch beläuft sich mein Guthaben, wenn ich {4} Jahre, {5} Monate lang {2} einen "
                            "Betrag von {1} {W} spare und {3} % Zinsen bekomme?",
                   .Formel = "Formel_ZiZiR_EK",
                   .Bericht = {"Rate:\nZahlungsart:\nZinssatz:\nLaufzeit:",
                               {S::Betrag(R), S::Zahlungsweise(), S::Satz(p), S::Laufzeit(nj, nm)},
                               {S::Betrag(X)}},
                   .Plan = plan[2]},
                  {.Name = "Zinssatz",
                   .Ergebnis = {p},
                   .Fall = fall[3],
                   .Frage = "Zu welchem Zinssatz muß ich {2} {1} {W} einzahlen, um nach {4} Jahren, {5} Monaten ein "
                            "Guthaben von {6} {W} zu erhalten?",
                   .Formel = "Formel_ZiZiR_Zins",
                   .Bericht = {"Rate:\nZahlungsart:\nLaufzeit:\nEndkapital:",
                               {S::Betrag(R), S::Zahlungsweise(), S::Laufzeit(nj, nm), S::Betrag(X)},
                               {S::Satz(p)}},
                   .Plan = plan[3]}},
      .Titel = "Zinseszinsrechnung mit Raten-Einzahlungen",
  };
}

TSeite Seiten::Seite_BW() {
  namespace S = Stueck;
  const TRatenformeln formeln{BW::Rate, BW::Laufzeit, BW::Barwert, BW::Zinssatz};
  const auto fall = Faelle(formeln);
  const auto plan = Plaene(formeln, TPlanArt::Rente);
  return {
      .Key = "BW",
      .Art = TSeitenart::Rechnung,
      .Beschriftung = "Barwert-/ Rentenrechnung",
      .Hilfe = 50,
      .Hilfethema = "barwert-rentenrechnung.html",
      .FeldHilfe = 40,
      .Felder = Felder("BW", "Label38", "BWFeld", "&Barwert/Kapital:", "Label40"),
      .Gesuchtliste = "BW_Gesucht",
      .Start = 2,
      .Gesucht = {{.Name = "Rate",
                   .Ergebnis = {R},
                   .Fall = fall[0],
                   .Frage = "Wieviel kann ich {2} von meinem Konto als \"Rente\" abheben, wenn das gesamte Guthaben "
                            "von {6} {W} nach {4} Jahren, {5} Monaten vollständig aufgebraucht sein soll und ich "
                            "{3} % Zinsen bekomme?",
                   .Formel = "Formel_BW_R",
                   .Bericht = {"Zahlungsweise:\nZinssatz:\nLaufzeit:\nBarwert/Kapital:",
                               {S::Zahlungsweise(), S::Satz(p), S::Laufzeit(nj, nm), S::Betrag(X)},
                               {S::Betrag(R)}},
                   .Plan = plan[0]},
                  {.Name = "Laufzeit",
                   .Ergebnis = {nj, nm},
                   .Fall = fall[1],
                   .Frage = "Wie lange kann ich {1} {W} {2} von meinem Konto als \"Rente\" abheben, wenn sich darauf "
                            "{6} {W} Guthaben befinden und ich {3} % Zinsen erhalte?",
                   .Formel = "Formel_BW_Lfz",
                   .Bericht = {"Rate:\nZahlungsweise:\nZinssatz:\nBarwert/Kapital:",
                               {S::Betrag(R), S::Zahlungsweise(), S::Satz(p), S::Betrag(X)},
                               {S::Laufzeit(nj, nm)}},
                   .Plan = plan[1]},
                  {.Name = "Barwert",
                   .Ergebnis = {X},
                   .Fall = fall[2],
                   .Frage = "Wieviel muß ich heute zu {3} % anlegen, um die nächsten {4} Jahre, {5} Monate eine "
                            "\"Rente\" von {1} {W} {2} abheben zu können?",
                   .Formel = "Formel_BW_BW",
                   .Bericht = {"Rate:\nZahlungsweise:\nZinssatz:\nLaufzeit:",
                               {S::Betrag(R), S::Zahlungsweise(), S::Satz(p), S::Laufzeit(nj, nm), S::Leer()},
                               {S::Betrag(X)}},
                   .Plan = plan[2]},
                  {.Name = "Zinssatz",
                   .Ergebnis = {p},
                   .Fall = fall[3],
                   .Frage = "Zu welchem Zinssatz muß ich heute {6} {W} anlegen, um die nächsten {4} Jahre, {5} Monate "
                            "eine \"Rente\" von {1} {W} {2} abheben zu können?",
                   .Formel = "Formel_BW_Zins",
                   .Bericht = {"Rate:\nZahlungsweise:\nLaufzeit:\nBarwert/Kapital:",
                               {S::Betrag(R), S::Zahlungsweise(), S::Laufzeit(nj, nm), S::Betrag(X)},
                               {S::Satz(p)}},
                   .Plan = plan[3]}},
  };
}
