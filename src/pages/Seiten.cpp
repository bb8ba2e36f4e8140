#include "pages/Seiten.h"

const std::vector<TSeite>& Seiten::Alle() {
  static const std::vector<TSeite> seiten{Seite_Info(), Seite_eZi(),  Seite_ZiZiE(), Seite_ZiZiR(), Seite_BW(),
                                          Seite_AnnD(), Seite_MWST(), Seite_Akt(),   Seite_Euro()};
  return seiten;
}

const TSeite* Seiten::Finden(QStringView key) {
  for (const TSeite& s : Alle())
    if (s.Key == key) return &s;
  return nullptr;
}

int Seiten::Index(QStringView key) {
  const TSeite* seite = Finden(key);
  return seite ? static_cast<int>(seite - Alle().data()) : -1;
}

TPlanEingabe PlanEingabe(const TPlanSeite& s) {
  const TSeite* seite = Seiten::Finden(s.Key);
  const bool gesucht = seite && s.GesuchtIndex >= 0 && s.GesuchtIndex < static_cast<int>(seite->Gesucht.size());
  const TGesucht* g = gesucht ? &seite->Gesucht[static_cast<std::size_t>(s.GesuchtIndex)] : nullptr;
  if (!g || !g->Plan) throw EPlanFehler(QStringLiteral("Für diese Frage gibt es keinen Zahlungsplan."));
  const TPlan& plan = *g->Plan;

  const auto wert = [&](int feld) {
    const QString text = s.Felder.value(seite->Felder[static_cast<std::size_t>(feld)].Name);
    // As the page tests: a text of blanks counts as filled and fails in reading.
    if (text.isEmpty()) throw EPlanFehler(QStringLiteral("Zur Berechnung müssen alle Felder eingegeben werden!"));
    return FeldWert(text);
  };
  TWerte werte;
  for (int feld : g->Fall.Gelesen) werte.push_back(wert(feld));
  const int m = plan.Art == TPlanArt::Einmalzahlung ? 1 : RatenProJahr(s.ZahlungsweiseIndex);
  TPlanEingabe e = plan.Eingabe(werte, m);
  e.Art = plan.Art;
  e.m = m;
  PlanEingabePruefen(e);
  // The "nach" time, when both of its fields can be read.
  if (plan.BindungJahre >= 0 && plan.BindungMonate >= 0) try {
      e.Zinsbindung = LaufzeitJahre(wert(plan.BindungJahre), wert(plan.BindungMonate));
    } catch (const EFehler&) {
    }
  return e;
}
