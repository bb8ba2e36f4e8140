#include "pages/Seite.h"

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
                   int frage) {
  return {.Name = name,
          .Art = TFeldart::Ganzzahl,
          .Frageplatz = frage,
          .Beschriftung = beschriftung,
          .Breite = 50,
          .Einheit = einheit,
          .Einheitname = einheitname};
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
