#include "pages/Seite.h"

#include <algorithm>

std::optional<TZahlregel> Exitregel(TFeldart art) {
  switch (art) {
    case TFeldart::Betrag: return TZahlregel::DM;
    case TFeldart::Prozent: return TZahlregel::Zins;
    case TFeldart::Ganzzahl: return TZahlregel::Int;
    default: return std::nullopt;
  }
}

bool IstZahlfeld(TFeldart art) { return Exitregel(art) || art == TFeldart::Kurs; }

TFeld TFeld::Betrag(const QString& name, const QString& beschriftung, const QString& waehrung, int frage,
                    TFeldart art) {
  return {.Name = name,
          .Art = art,
          .Frageplatz = frage,
          .Waehrung = waehrung,
          .Beschriftung = beschriftung,
          .Breite = 130,
          .Einheit = "DM",
          .Einheitname = waehrung};
}

TFeld TFeld::Prozent(const QString& name, const QString& beschriftung, const QString& einheitname, int frage) {
  return {.Name = name,
          .Art = TFeldart::Prozent,
          .Frageplatz = frage,
          .Beschriftung = beschriftung,
          .Breite = 90,
          .Einheit = "%",
          .Einheitname = einheitname};
}

TFeld TFeld::Jahre(const QString& name, const QString& beschriftung, const QString& einheit, const QString& einheitname,
                   int frage, const QString& vorlesename) {
  return {.Name = name,
          .Art = TFeldart::Ganzzahl,
          .Frageplatz = frage,
          .Beschriftung = beschriftung,
          .Breite = 50,
          .Einheit = einheit,
          .Einheitname = einheitname,
          .Vorlesename = vorlesename};
}

TFeld TFeld::Monate(const QString& name, const QString& einheit, const QString& einheitname, const QString& vorlesename,
                    int frage) {
  return {.Name = name,
          .Art = TFeldart::Ganzzahl,
          .Frageplatz = frage,
          .Breite = 50,
          .Einheit = einheit,
          .Einheitname = einheitname,
          .Vorlesename = vorlesename};
}

TFeld TFeld::Zahlungsweise(const QString& name, int frage) {
  return {.Name = name, .Art = TFeldart::Liste, .Frageplatz = frage, .Beschriftung = "Zahlungs&weise:"};
}

TWerte Zerlegt(Ext n) {
  const Laufzeit l = LaufzeitZerlegen(n);
  return {Ext(l.Jahre), Ext(l.Monate)};
}

int TSeite::Zahlungsweise() const {
  for (std::size_t i = 0; i < Felder.size(); ++i)
    if (Felder[i].Art == TFeldart::Liste) return static_cast<int>(i);
  return -1;
}

TPlanEingabe Planwerte(Ext K, Ext p, Ext R, Ext n) {
  TPlanEingabe e;
  e.K = K;
  e.p = p;
  e.R = R;
  e.n = n;
  return e;
}

bool TSeite::Zahlungsplan() const {
  return std::any_of(Gesucht.begin(), Gesucht.end(), [](const TGesucht& g) { return g.Plan.has_value(); });
}

std::vector<std::pair<int, QString>> Rechnen(const TFall& fall, const QStringList& texte, int m) {
  TWerte werte;
  werte.reserve(fall.Gelesen.size());
  for (int feld : fall.Gelesen) werte.emplace_back(FeldWert(texte.value(feld)));
  const TWerte ergebnis = fall.Formel(werte, m);
  std::vector<std::pair<int, QString>> texteNeu;
  for (std::size_t i = 0; i < fall.Geschrieben.size() && i < ergebnis.size(); ++i) {
    const TAusgabe& aus = fall.Geschrieben[i];
    texteNeu.emplace_back(aus.Feld, ZahlText(ergebnis[i].Wert(), aus.Stellen, aus.Dezimalen));
  }
  return texteNeu;
}

QStringList Satzmaengel(const TSeite& seite) {
  QStringList maengel;
  const int felder = static_cast<int>(seite.Felder.size());
  QStringList namen;
  for (const TFeld& f : seite.Felder) {
    if (f.Name.isEmpty() || namen.contains(f.Name))
      maengel << QStringLiteral("field name '%1' empty or twice").arg(f.Name);
    namen << f.Name;
  }
  if (seite.Hilfethema.isEmpty()) maengel << QStringLiteral("no help topic");
  if (seite.Art == TSeitenart::Rechnung && felder > 0 && seite.Felder.front().Beschriftung.isEmpty())
    maengel << QStringLiteral("the first field has no caption to start its row");
  if (!seite.Gesucht.empty() && (seite.Start < 0 || seite.Start >= static_cast<int>(seite.Gesucht.size())))
    maengel << QStringLiteral("start index %1 beyond the sought list").arg(seite.Start);
  for (const TGesucht& g : seite.Gesucht) {
    std::vector<int> indizes = g.Ergebnis;
    indizes.insert(indizes.end(), g.Gesperrt.begin(), g.Gesperrt.end());
    indizes.insert(indizes.end(), g.Fall.Geprueft.begin(), g.Fall.Geprueft.end());
    indizes.insert(indizes.end(), g.Fall.Gelesen.begin(), g.Fall.Gelesen.end());
    for (const TAusgabe& a : g.Fall.Geschrieben) indizes.push_back(a.Feld);
    if (g.Plan) {
      indizes.insert(indizes.end(), {g.Plan->BindungJahre, g.Plan->BindungMonate});
      if (!g.Plan->Eingabe) maengel << QStringLiteral("'%1': a plan without its quantities").arg(g.Name);
    }
    for (const std::vector<TStueck>* stuecke : {&g.Bericht.Werte, &g.Bericht.Ergebnis})
      for (const TStueck& s : *stuecke) indizes.insert(indizes.end(), {s.Feld, s.Monate});
    for (int i : indizes)
      if (i < -1 || i >= felder) maengel << QStringLiteral("'%1': field index %2 out of range").arg(g.Name).arg(i);
    if (!g.Fall.Formel && seite.Art == TSeitenart::Rechnung) maengel << QStringLiteral("'%1': no formula").arg(g.Name);
  }
  return maengel;
}
