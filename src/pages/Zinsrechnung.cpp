// Simple interest (eZi) and compound interest on a single payment (ZiZiE):
// one layout, one set of questions and cases, each page with its own formulas.
#include "calc/ZiZiE.h"
#include "calc/eZi.h"
#include "pages/Seiten.h"

namespace {

enum { K, p, nj, nm, Kn };

struct TZinsformeln {
  Ext (*Anfangskapital)(Ext Kn, Ext p, Ext nj, Ext nm);
  Ext (*Zinssatz)(Ext K, Ext Kn, Ext nj, Ext nm);
  Ext (*Laufzeit)(Ext K, Ext p, Ext Kn);
  Ext (*Endkapital)(Ext K, Ext p, Ext nj, Ext nm);
};

struct TZinsseite {
  QString Key;
  QString Praefix;  // of the field names; the eZi fields have none
  QString Beschriftung;
  QString Titel;
  int Hilfe;
  QString Hilfethema;
  QString Gesuchtliste;
  QString Kapital;  // currency labels of the starting and the end capital
  QString Endkapital;
  QString Hinweis;
  QString LaufzeitVorgaben;  // the report's labels when the term is sought
  TZinsformeln Formeln;
  bool Zahlungsplan;  // of a single payment, compounded yearly
};

TSeite Zinsseite(const TZinsseite& z) {
  namespace S = Stueck;
  const auto f = z.Formeln;
  const auto name = [&](const char* feld) { return z.Praefix + QLatin1String(feld); };
  const auto dokument = [&](const char* gesucht) { return "Formel_" + z.Key + u'_' + QLatin1String(gesucht); };
  TSeite seite{
      .Key = z.Key,
      .Art = TSeitenart::Rechnung,
      .Beschriftung = z.Beschriftung,
      .Hilfe = z.Hilfe,
      .Hilfethema = z.Hilfethema,
      .FeldHilfe = 20,
      .Felder = {TFeld::Betrag(name("KFeld"), "&Anfangskapital :", z.Kapital, 1),
                 TFeld::Prozent(name("pFeld"), "&Zinssatz:", name("pEinheit"), 2),
                 TFeld::Jahre(name("njFeld"), "&Laufzeit:", "&Jahre", name("njEinheit"), 3),
                 TFeld::Monate(name("nmFeld"), "&Monate", name("nmEinheit"), "Laufzeit, weitere Monate", 4),
                 TFeld::Betrag(name("KnFeld"), "&Endkapital:", z.Endkapital, 5)},
      .Gesuchtliste = z.Gesuchtliste,
      .Start = 3,
      .Gesucht = {{.Name = "Anfangskapital",
                   .Ergebnis = {K},
                   .Fall = {{p, nj, nm, Kn},
                            {Kn, p, nj, nm},
                            {{K, 18, 2}},
                            [f](const TWerte& w, int) { return TWerte{f.Anfangskapital(w[0], w[1], w[2], w[3])}; }},
                   .Frage = "Wieviel muß ich anlegen, um bei einem Zinssatz von {2} % nach {3} Jahren, {4} Monaten ein "
                            "Gesamtguthaben von {5} {W} zu erhalten?",
                   .Formel = dokument("AK"),
                   .Bericht = {"Zinssatz:\nLaufzeit:\nEndkapital:",
                               {S::Satz(p), S::Laufzeit(nj, nm), S::Betrag(Kn)},
                               {S::Betrag(K)}}},
                  {.Name = "Zinssatz",
                   .Ergebnis = {p},
                   .Fall = {{K, nj, nm, Kn},
                            {K, Kn, nj, nm},
                            {{p, 18, 3}},
                            [f](const TWerte& w, int) { return TWerte{f.Zinssatz(w[0], w[1], w[2], w[3])}; }},
                   .Frage = "Welcher Zinssatz ist erforderlich, damit aus meinem Kapital von {1} {W} innerhalb von {3} "
                            "Jahren, {4} Monaten ein Gesamtkapital von {5} {W} wird?",
                   .Formel = dokument("Zins"),
                   .Bericht = {"Anfangskapital:\nLaufzeit:\nEndkapital:",
                               {S::Betrag(K), S::Laufzeit(nj, nm), S::Betrag(Kn)},
                               {S::Satz(p)}}},
                  {.Name = "Laufzeit",
                   .Ergebnis = {nj, nm},
                   .Fall = {{K, p, Kn},
                            {K, p, Kn},
                            {{nj, 18, 0}, {nm, 18, 1}},
                            [f](const TWerte& w, int) { return Zerlegt(f.Laufzeit(w[0], w[1], w[2])); }},
                   .Frage = "Wie lange muß mein Kapital von {1} {W} bei einem Zinssatz von {2} % liegen bleiben, um am "
                            "Ende {5} {W} Gesamtguthaben zu haben? ",
                   .Formel = dokument("Lfz"),
                   .Bericht = {z.LaufzeitVorgaben, {S::Betrag(K), S::Satz(p), S::Betrag(Kn)}, {S::Laufzeit(nj, nm)}}},
                  {.Name = "Endkapital",
                   .Ergebnis = {Kn},
                   .Fall = {{K, p, nj, nm},
                            {K, p, nj, nm},
                            {{Kn, 18, 2}},
                            [f](const TWerte& w, int) { return TWerte{f.Endkapital(w[0], w[1], w[2], w[3])}; }},
                   .Frage =
                       "Wie hoch beläuft sich mein Guthaben nach {3} Jahren, {4} Monaten, wenn ich {1} {W} zu {2} % "
                       "anlege? ",
                   .Formel = dokument("EK"),
                   .Bericht = {"Anfangskapital:\nZinssatz:\nLaufzeit:\n",
                               {S::Betrag(K), S::Satz(p), S::Laufzeit(nj, nm), S::Leer()},
                               {S::Betrag(Kn)}}}},
      .Hinweis = z.Hinweis,
      .Titel = z.Titel,
  };
  if (!z.Zahlungsplan) return seite;
  // The values in the cases' reading order: Kn p nj nm, K Kn nj nm, K p Kn, K p nj nm.
  const auto plan = [](auto eingabe) { return TPlan{TPlanArt::Einmalzahlung, eingabe}; };
  seite.Gesucht[0].Plan = plan([f](const TWerte& w, int) {
    return Planwerte(f.Anfangskapital(w[0], w[1], w[2], w[3]), w[1], 0, LaufzeitJahre(w[2], w[3]));
  });
  seite.Gesucht[1].Plan = plan([f](const TWerte& w, int) {
    return Planwerte(w[0], f.Zinssatz(w[0], w[1], w[2], w[3]), 0, LaufzeitJahre(w[2], w[3]));
  });
  seite.Gesucht[2].Plan =
      plan([f](const TWerte& w, int) { return Planwerte(w[0], w[1], 0, f.Laufzeit(w[0], w[1], w[2])); });
  seite.Gesucht[3].Plan = plan([f](const TWerte& w, int) {
    f.Endkapital(w[0], w[1], w[2], w[3]);
    return Planwerte(w[0], w[1], 0, LaufzeitJahre(w[2], w[3]));
  });
  return seite;
}

}  // namespace

TSeite Seiten::Seite_eZi() {
  return Zinsseite({.Key = "eZi",
                    .Praefix = "",
                    .Beschriftung = "einfache Zinsrechnung",
                    .Titel = "Einfache Zinsrechnung",
                    .Hilfe = 20,
                    .Hilfethema = "einfache-zinsrechnung.html",
                    .Gesuchtliste = "Gesucht1",
                    .Kapital = "Label6",
                    .Endkapital = "Label9",
                    .Hinweis = "\nDabei erfolgt die Zinsgutschrift am Ende der Gesamtlaufzeit, also ohne "
                               "Zinseszinseffekt.",
                    .LaufzeitVorgaben = "Anfangskapital:\nZinssatz:\nEndkapital",
                    .Formeln = {eZi::Anfangskapital, eZi::Zinssatz, eZi::Laufzeit, eZi::Endkapital},
                    .Zahlungsplan = false});
}

TSeite Seiten::Seite_ZiZiE() {
  return Zinsseite({.Key = "ZiZiE",
                    .Praefix = "ZiZiE_",
                    .Beschriftung = "Zinseszins Einmalzahlung",
                    .Titel = {},
                    .Hilfe = 30,
                    .Hilfethema = "zinseszins-einmalzahlung.html",
                    .Gesuchtliste = "ZiZiE_Gesucht",
                    .Kapital = "Label16",
                    .Endkapital = "Label18",
                    .Hinweis = "\nDabei erfolgt die Zinsgutschrift jeweils am Jahresende, also unter "
                               "Berücksichtigung des Zinseszinseffektes.",
                    .LaufzeitVorgaben = "Anfangskapital:\nZinssatz:\nEndkapital:",
                    .Formeln = {ZiZiE::Anfangskapital, ZiZiE::Zinssatz, ZiZiE::Laufzeit, ZiZiE::Endkapital},
                    .Zahlungsplan = true});
}
