#include "calc/Zahlungsplan.h"

#include <cmath>

#include "calc/AnnD.h"
#include "calc/BW.h"
#include "calc/ZiZiE.h"
#include "calc/ZiZiR.h"

namespace {

// Below this a year or period fraction is taken as none: terms built from
// months carry rounding noise far smaller than that.
constexpr long double Eps = 1e-9L;

bool Positiv(Ext x) { return x > Ext(0); }

Ext Wert(const TPlanSeite& s, const QString& feld) {
  const QString text = s.Felder.value(feld);
  // As the page tests: a text of blanks counts as filled and fails in reading.
  if (text.isEmpty()) throw EPlanFehler(QStringLiteral("Zur Berechnung müssen alle Felder eingegeben werden!"));
  return FeldWert(text);
}

void LaufzeitPruefen(Ext n) {
  if (!Positiv(n))
    throw EPlanFehler(QStringLiteral("Für eine Laufzeit von 0 oder weniger gibt es keinen Zahlungsplan."));
  if (n > Ext(PlanHoechstJahre))
    throw EPlanFehler(QStringLiteral("Ein Zahlungsplan reicht über höchstens %1 Jahre; diese Laufzeit ist länger.")
                          .arg(PlanHoechstJahre));
}

// A rate found that is written as 0,000 % is one the pages' formulas cannot
// compute with (they divide by the rate); a plan from it would end anywhere.
Ext GefundenerZinssatz(Ext p) {
  if (std::fabs(p.Wert()) < 0.0005L)
    throw EPlanFehler(QStringLiteral("Für einen Zinssatz von 0 % gibt es keinen Zahlungsplan."));
  return p;
}

void DarlehenPruefen(Ext K, Ext R) {
  if (!Positiv(K) || !Positiv(R))
    throw EPlanFehler(QStringLiteral("Ein Tilgungsplan braucht eine Darlehenshöhe und eine Rate über 0."));
}

// The quantities of a page by their symbols; K stands for the present value
// of the BW page as well.
struct TWerte {
  Ext K, p, nj, nm, R, Kn, knj, knm, n;
  int m = 1;
};

// A case reads its fields in the page's order and runs the page's formula, so
// that it fails where the page fails; the sought quantity stays unrounded.
struct TFall {
  const char* Key;
  int Gesucht;
  TPlanArt Art;
  std::initializer_list<const char*> Felder;  // symbols, in reading order
  void (*Rechnen)(TWerte&);
};

const TFall Faelle[] = {
    {"ZiZiE",
     0,
     TPlanArt::Einmalzahlung,
     {"Kn", "p", "nj", "nm"},
     [](TWerte& w) { w.K = ZiZiE::Anfangskapital(w.Kn, w.p, w.nj, w.nm); }},
    {"ZiZiE",
     1,
     TPlanArt::Einmalzahlung,
     {"K", "Kn", "nj", "nm"},
     [](TWerte& w) { w.p = ZiZiE::Zinssatz(w.K, w.Kn, w.nj, w.nm); }},
    {"ZiZiE", 2, TPlanArt::Einmalzahlung, {"K", "p", "Kn"}, [](TWerte& w) { w.n = ZiZiE::Laufzeit(w.K, w.p, w.Kn); }},
    {"ZiZiE",
     3,
     TPlanArt::Einmalzahlung,
     {"K", "p", "nj", "nm"},
     [](TWerte& w) { ZiZiE::Endkapital(w.K, w.p, w.nj, w.nm); }},
    {"ZiZiR",
     0,
     TPlanArt::Sparplan,
     {"Kn", "p", "nj", "nm"},
     [](TWerte& w) { w.R = ZiZiR::Rate(w.Kn, w.p, w.nj, w.nm, w.m); }},
    {"ZiZiR", 1, TPlanArt::Sparplan, {"R", "p", "Kn"}, [](TWerte& w) { w.n = ZiZiR::Laufzeit(w.R, w.p, w.Kn, w.m); }},
    {"ZiZiR",
     2,
     TPlanArt::Sparplan,
     {"R", "p", "nj", "nm"},
     [](TWerte& w) { ZiZiR::Endkapital(w.R, w.p, w.nj, w.nm, w.m); }},
    {"ZiZiR",
     3,
     TPlanArt::Sparplan,
     {"R", "nj", "nm", "Kn"},
     [](TWerte& w) { w.p = GefundenerZinssatz(ZiZiR::Zinssatz(w.R, w.nj, w.nm, w.Kn, w.m)); }},
    {"BW", 0, TPlanArt::Rente, {"K", "p", "nj", "nm"}, [](TWerte& w) { w.R = BW::Rate(w.K, w.p, w.nj, w.nm, w.m); }},
    {"BW", 1, TPlanArt::Rente, {"R", "p", "K"}, [](TWerte& w) { w.n = BW::Laufzeit(w.R, w.p, w.K, w.m); }},
    {"BW", 2, TPlanArt::Rente, {"R", "p", "nj", "nm"}, [](TWerte& w) { w.K = BW::Barwert(w.R, w.p, w.nj, w.nm, w.m); }},
    {"BW",
     3,
     TPlanArt::Rente,
     {"R", "nj", "nm", "K"},
     [](TWerte& w) { w.p = GefundenerZinssatz(BW::Zinssatz(w.R, w.nj, w.nm, w.K, w.m)); }},
    {"AnnD",
     0,
     TPlanArt::Darlehen,
     {"R", "p", "nj", "nm"},
     [](TWerte& w) { w.K = AnnD::Darlehenshoehe(w.R, w.p, w.nj, w.nm, w.m); }},
    {"AnnD", 1, TPlanArt::Darlehen, {"K", "p", "R"}, [](TWerte& w) { w.n = AnnD::Laufzeit(w.K, w.p, w.R, w.m); }},
    {"AnnD",
     2,
     TPlanArt::Darlehen,
     {"K", "p", "nj", "nm"},
     [](TWerte& w) { w.R = AnnD::Rate(w.K, w.p, w.nj, w.nm, w.m); }},
    // The page asks for the debt after a time; the plan runs until it is repaid.
    {"AnnD",
     3,
     TPlanArt::Darlehen,
     {"K", "p", "knj", "knm", "R"},
     [](TWerte& w) {
       AnnD::Restschuld(w.K, w.p, w.knj, w.knm, w.R, w.m);
       DarlehenPruefen(w.K, w.R);
       if (!(w.R > w.p / Ext(w.m) / 100 * w.K))
         throw EPlanFehler(
             QStringLiteral("Die Rate ist nicht höher als die Zinsen eines Zahlungszeitraums; "
                            "so wird das Darlehen nie getilgt."));
       w.n = AnnD::Laufzeit(w.K, w.p, w.R, w.m);
     }},
    {"AnnD",
     4,
     TPlanArt::Darlehen,
     {"K", "nj", "nm", "R"},
     [](TWerte& w) { w.p = GefundenerZinssatz(AnnD::Zinssatz(w.K, w.nj, w.nm, w.R, w.m)); }},
};

QString Feldname(const QString& key, const QString& symbol) {
  if (symbol == QLatin1String("K") && key == QLatin1String("BW")) return QStringLiteral("BW_BWFeld");
  if (symbol == QLatin1String("knm")) return key + QStringLiteral("_KnmFeld");
  return key + u'_' + symbol + QStringLiteral("Feld");
}

Ext* Symbol(TWerte& w, const QString& name) {
  const std::pair<const char*, Ext TWerte::*> symbole[] = {
      {"K", &TWerte::K}, {"p", &TWerte::p},   {"nj", &TWerte::nj},   {"nm", &TWerte::nm},
      {"R", &TWerte::R}, {"Kn", &TWerte::Kn}, {"knj", &TWerte::knj}, {"knm", &TWerte::knm}};
  for (const auto& [symbol, glied] : symbole)
    if (name == QLatin1String(symbol)) return &(w.*glied);
  return nullptr;
}

void SeiteLesen(const TPlanSeite& s, TPlanEingabe& e) {
  const TFall* fall = nullptr;
  for (const TFall& f : Faelle)
    if (s.Key == QLatin1String(f.Key) && s.GesuchtIndex == f.Gesucht) fall = &f;
  if (!fall) throw EPlanFehler(QStringLiteral("Für diese Frage gibt es keinen Zahlungsplan."));

  TWerte w;
  w.m = fall->Art == TPlanArt::Einmalzahlung ? 1 : e.m;
  bool termin = false;
  for (const char* symbol : fall->Felder) {
    *Symbol(w, QLatin1String(symbol)) = Wert(s, Feldname(s.Key, QLatin1String(symbol)));
    termin = termin || QLatin1String(symbol) == QLatin1String("nj");
  }
  if (termin) w.n = LaufzeitJahre(w.nj, w.nm);
  fall->Rechnen(w);
  e = {fall->Art, w.K, w.p, w.R, w.m, w.n, std::nullopt};
  if (e.Art != TPlanArt::Darlehen) return;
  DarlehenPruefen(e.K, e.R);
  // The page's "nach" time, when both of its fields can be read.
  try {
    e.Zinsbindung = LaufzeitJahre(Wert(s, QStringLiteral("AnnD_knjFeld")), Wert(s, QStringLiteral("AnnD_KnmFeld")));
  } catch (const EFehler&) {
  }
}

TPlanZeile Beginn(const TPlanEingabe& e) {
  TPlanZeile z;
  z.Art = TPlanZeile::zaBeginn;
  if (e.Art == TPlanArt::Sparplan) return z;
  z.Stand = e.K;
  // The single payment is paid in at the start.
  if (e.Art == TPlanArt::Einmalzahlung) z.Zahlung = z.Aenderung = e.K;
  return z;
}

// The page's balance after t years: the end capital, what is left of the
// present value, the residual debt. The plan takes its balances at the end of
// every year (loan: every period) from here, so that it agrees with the page
// wherever the page can be asked; interest is what the balance adds beyond
// the payments.
Ext Seitenstand(const TPlanEingabe& e, Ext t) {
  switch (e.Art) {
    case TPlanArt::Einmalzahlung: return ZiZiE::Endkapital(e.K, e.p, t, 0);
    case TPlanArt::Sparplan: return ZiZiR::Endkapital(e.R, e.p, t, 0, e.m);
    case TPlanArt::Rente: {
      const Ext qt = Ext(Power(ZuDouble(e.p / 100 + 1), ZuDouble(t)));
      return e.K * qt - RneAusRate(e.R, e.p, e.m) * (qt - 1) / (e.p / 100);
    }
    case TPlanArt::Darlehen: return AnnD::Restschuld(e.K, e.p, t, 0, e.R, e.m);
  }
  return e.K;
}

// ZiZiE, ZiZiR and BW: interest is credited once a year, at its end.
void Jahresweise(const TPlanEingabe& e, std::vector<TPlanZeile>& z) {
  const bool einmal = e.Art == TPlanArt::Einmalzahlung;
  const int m = einmal ? 1 : e.m;
  const Ext R = einmal ? Ext(0) : e.R;
  const Ext vorzeichen = e.Art == TPlanArt::Rente ? -1 : 1;  // a pension pays out
  Ext B = z.back().Stand;
  const auto zahlung = [&](TPlanZeile::TArt art, int nummer, int jahr, Ext zeit, Ext betrag) {
    B = B + vorzeichen * betrag;
    z.push_back({art, nummer, jahr, zeit, betrag, Ext(0), vorzeichen * betrag, B});
  };
  // The year's last row receives the interest that brings the balance to the page's.
  const auto jahresende = [&](Ext t) {
    TPlanZeile& letzte = z.back();
    const Ext stand = Seitenstand(e, t);
    letzte.Zinsen = stand - B;
    letzte.Aenderung = letzte.Aenderung + letzte.Zinsen;
    letzte.Stand = B = stand;
  };

  const int ganzeJahre = static_cast<int>(std::floor(e.n.Wert() + Eps));
  for (int jahr = 1; jahr <= ganzeJahre; ++jahr) {
    for (int j = 1; j <= m; ++j)
      zahlung(TPlanZeile::zaZahlung, (jahr - 1) * m + j, jahr, Ext(jahr - 1) + Ext(j) / Ext(m), R);
    jahresende(Ext(jahr));
  }
  const Ext f = e.n - Ext(ganzeJahre);
  if (!(f > Ext(Eps))) return;
  // The payments of a part year count pro rata; a fraction of one falls due at the end.
  const int jahr = ganzeJahre + 1;
  const Ext anteil = f * Ext(m);
  const int k = static_cast<int>(std::floor(anteil.Wert() + Eps));
  for (int j = 1; j <= k; ++j)
    zahlung(TPlanZeile::zaZahlung, ganzeJahre * m + j, jahr, Ext(ganzeJahre) + Ext(j) / Ext(m), R);
  const Ext rest = anteil - Ext(k);
  if (rest > Ext(Eps)) zahlung(TPlanZeile::zaEnde, ganzeJahre * m + k + 1, jahr, e.n, rest * R);
  jahresende(e.n);
}

// AnnD: interest per payment period, an optional yearly extra repayment, and
// the instalment cut to what is left when the debt is repaid early. After an
// extra repayment, and at a follow-up rate, the page's formula goes on from
// the new balance.
void Darlehensverlauf(const TPlanEingabe& e, const TSondertilgung& s, Ext jahre, std::vector<TPlanZeile>& z,
                      const std::optional<TAnschluss>& a = std::nullopt) {
  const int m = e.m;
  Ext B = z.back().Stand;
  TPlanEingabe ab = e;  // the loan as it stands since the last extra repayment
  Ext abZeit = 0;
  // Returns true once the debt is repaid.
  const auto schritt = [&](TPlanZeile::TArt art, int k, Ext zeit, Ext faellig) {
    Ext stand = Seitenstand(ab, zeit - abZeit);
    Ext zahlung = faellig;
    if (!Positiv(stand)) {
      zahlung = zahlung + stand;
      stand = 0;
    }
    z.push_back({art, k, (k - 1) / m + 1, zeit, zahlung, stand - B + zahlung, B - stand, stand});
    B = stand;
    return !Positiv(B);
  };

  Ext ende = jahre * Ext(m);  // in payment periods
  Ext schluss = jahre;
  int ganze = static_cast<int>(std::floor(ende.Wert() + Eps));
  // The last payment at the fixed rate.
  const int bindung = a && a->Ab > Ext(0) ? static_cast<int>(std::ceil((a->Ab * Ext(m)).Wert() - Eps)) : 0;
  for (int k = 1; k <= ganze; ++k) {
    const Ext zeit = Ext(k) / Ext(m);
    if (schritt(TPlanZeile::zaZahlung, k, zeit, e.R)) return;
    if (k % m == 0 && k / m >= s.AbJahr && Positiv(s.Betrag)) {
      const Ext betrag = s.Betrag > B ? B : s.Betrag;
      B = B - betrag;
      z.push_back({TPlanZeile::zaSondertilgung, k / m, k / m, zeit, betrag, Ext(0), betrag, B});
      if (!Positiv(B)) return;
      ab.K = B;
      abZeit = zeit;
    }
    if (k == bindung) {
      ab.K = B;
      ab.p = a->p;
      abZeit = zeit;
      if (!(e.R > B * a->p / Ext(m) / 100))
        throw EPlanFehler(
            QStringLiteral("Beim Anschlusszins deckt die Rate die Zinsen nicht; das Darlehen wird nie getilgt."));
      ende = Ext(k) + AnnD::Laufzeit(B, a->p, e.R, m) * Ext(m);
      LaufzeitPruefen(ende / Ext(m));
      ganze = static_cast<int>(std::floor(ende.Wert() + Eps));
      schluss = ende / Ext(m);
    }
  }
  const Ext g = ende - Ext(ganze);
  if (!(g > Ext(Eps))) return;
  // A part period: what the formula counts of an instalment for it.
  const Ext i = ab.p / Ext(m) / 100;
  const Ext qg = Ext(Power(ZuDouble(i + 1), ZuDouble(g)));
  schritt(TPlanZeile::zaEnde, ganze + 1, schluss, e.R * (qg - 1) / i);
}

void Zusammenfassen(TZahlungsplan& plan) {
  const std::vector<TPlanZeile>& z = plan.JeZahlung;
  plan.JeJahr.push_back(z.front());
  plan.Summe = TPlanZeile{};
  for (const TPlanZeile& r : z) {
    plan.Summe.Zahlung = plan.Summe.Zahlung + r.Zahlung;
    plan.Summe.Zinsen = plan.Summe.Zinsen + r.Zinsen;
    plan.Summe.Aenderung = plan.Summe.Aenderung + r.Aenderung;
    if (r.Art == TPlanZeile::zaBeginn) continue;
    if (plan.JeJahr.back().Art != TPlanZeile::zaJahr || plan.JeJahr.back().Nummer != r.Jahr)
      plan.JeJahr.push_back({TPlanZeile::zaJahr, r.Jahr, r.Jahr, r.Zeit, Ext(0), Ext(0), Ext(0), r.Stand});
    TPlanZeile& j = plan.JeJahr.back();
    j.Zeit = r.Zeit;
    j.Zahlung = j.Zahlung + r.Zahlung;
    j.Zinsen = j.Zinsen + r.Zinsen;
    j.Aenderung = j.Aenderung + r.Aenderung;
    j.Stand = r.Stand;
  }
  plan.Laufzeit = z.back().Zeit;
}

}  // namespace

TPlanEingabe PlanEingabe(const TPlanSeite& seite) {
  TPlanEingabe e;
  e.m = RatenProJahr(seite.ZahlungsweiseIndex);
  SeiteLesen(seite, e);
  LaufzeitPruefen(e.n);
  return e;
}

TZahlungsplan ZahlungsplanBerechnen(const TPlanEingabe& e, const TSondertilgung& s,
                                    const std::optional<TAnschluss>& a) {
  LaufzeitPruefen(e.n);
  TZahlungsplan plan;
  plan.Art = e.Art;
  plan.m = e.Art == TPlanArt::Einmalzahlung ? 1 : e.m;
  plan.JeZahlung.reserve(static_cast<size_t>(plan.m) * (PlanHoechstJahre + 2));
  plan.JeZahlung.push_back(Beginn(e));
  if (e.Art == TPlanArt::Darlehen)
    Darlehensverlauf(e, s, e.n, plan.JeZahlung, a);
  else
    Jahresweise(e, plan.JeZahlung);
  Zusammenfassen(plan);
  return plan;
}

Ext RestschuldNach(const TPlanEingabe& e, const TSondertilgung& s, Ext t) {
  if (t < Ext(0)) throw EPlanFehler(QStringLiteral("Die Zinsbindung kann nicht negativ sein."));
  // The debt is repaid within a period after the term; a longer time changes
  // nothing and must not run on.
  const Ext grenze = e.n + 1;
  if (t > grenze) t = grenze;
  std::vector<TPlanZeile> z{Beginn(e)};
  Darlehensverlauf(e, s, t, z);
  return z.back().Stand;
}

std::optional<Ext> Effektivzins(const TPlanEingabe& e, const TZahlungsplan& plan) {
  if (plan.Art != TPlanArt::Darlehen) return std::nullopt;
  // Payments fall due at the ends of payment periods, but for a part period
  // at the end; on the grid the discount factor is a power of one period's.
  struct Fluss {
    int Periode;  // -1: off the grid
    long double Zeit, Betrag;
  };
  std::vector<Fluss> fluesse;
  fluesse.reserve(plan.JeZahlung.size());
  for (const TPlanZeile& z : plan.JeZahlung) {
    if (z.Art == TPlanZeile::zaBeginn) continue;
    const long double perioden = z.Zeit.Wert() * plan.m;
    const long double ganz = std::round(perioden);
    fluesse.push_back(
        {std::fabs(perioden - ganz) < Eps ? static_cast<int>(ganz) : -1, z.Zeit.Wert(), z.Zahlung.Wert()});
  }
  const long double K = e.K.Wert();
  const int m = plan.m;
  const auto barwert = [&](long double x) {
    const long double l = std::log1p(x);
    const long double v = std::exp(-l / m);
    long double rest = K, abzinsung = 1;
    int periode = 0;
    for (const Fluss& f : fluesse) {
      if (f.Periode < 0) {
        rest -= f.Betrag * std::exp(-f.Zeit * l);
        continue;
      }
      for (; periode < f.Periode; ++periode) abzinsung *= v;
      rest -= f.Betrag * abzinsung;
    }
    return rest;
  };
  const auto x = Nullstelle(barwert, -0.99L, 10.0L);
  if (!x) return std::nullopt;
  return Ext(*x * 100);
}
