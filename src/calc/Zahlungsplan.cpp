#include "calc/Zahlungsplan.h"

#include <algorithm>
#include <cmath>

#include "calc/AnnD.h"
#include "calc/BW.h"
#include "calc/Finanzierung.h"
#include "calc/ZiZiE.h"
#include "calc/ZiZiR.h"

namespace {

// Below this a year or period fraction is taken as none: terms built from
// months carry rounding noise far smaller than that.
constexpr long double Eps = 1e-9L;

bool Positiv(Ext x) { return x > Ext(0); }

void LaufzeitPruefen(Ext n) {
  if (!Positiv(n))
    throw EPlanFehler(QStringLiteral("Für eine Laufzeit von 0 oder weniger gibt es keinen Zahlungsplan."));
  if (n > Ext(PlanHoechstJahre))
    throw EPlanFehler(QStringLiteral("Ein Zahlungsplan reicht über höchstens %1 Jahre; diese Laufzeit ist länger.")
                          .arg(PlanHoechstJahre));
}

void DarlehenPruefen(Ext K, Ext R) {
  if (!Positiv(K) || !Positiv(R))
    throw EPlanFehler(QStringLiteral("Ein Tilgungsplan braucht eine Darlehenshöhe und eine Rate über 0."));
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

// ZiZiE, ZiZiR and BW in cents. A whole year's interest is the page's: the
// balance at the year's start for the year, and simple interest on each
// payment for the rest of the year (payments fall due at the ends of their
// periods); a part year's interest is what the page's formula adds to the
// balance in cents. Both round half up where they are credited.
void CentJahresweise(const TPlanEingabe& e, std::vector<TPlanZeile>& z) {
  const bool einmal = e.Art == TPlanArt::Einmalzahlung;
  const bool rente = e.Art == TPlanArt::Rente;
  const int m = einmal ? 1 : e.m;
  const TCent R = einmal ? 0 : Cent(e.R);
  const TCent vorzeichen = rente ? -1 : 1;
  const long double i = e.p.Wert() / 100;
  TCent B = Cent(z.back().Stand);
  z.back().Stand = Euro(B);
  if (einmal) z.back().Zahlung = z.back().Aenderung = Euro(B);
  const auto zahlung = [&](TPlanZeile::TArt art, int nummer, int jahr, Ext zeit, TCent betrag) {
    B += vorzeichen * betrag;
    z.push_back({art, nummer, jahr, zeit, Euro(betrag), Ext(0), Euro(vorzeichen * betrag), Euro(B)});
  };
  // zinsen in cents, unrounded; a pension's last withdrawal takes what is left.
  const auto gutschreiben = [&](long double zinsen, bool letzte) {
    TPlanZeile& r = z.back();
    const TCent c = static_cast<TCent>(std::floor(zinsen + 0.5L));
    B += c;
    TCent betrag = Cent(r.Zahlung);
    if (letzte && rente) {
      betrag += B;
      B = 0;
    }
    r.Zahlung = Euro(betrag);
    r.Zinsen = Euro(c);
    r.Aenderung = Euro(vorzeichen * betrag + c);
    r.Stand = Euro(B);
  };

  const int ganzeJahre = static_cast<int>(std::floor(e.n.Wert() + Eps));
  const Ext f = e.n - Ext(ganzeJahre);
  const bool teiljahr = f > Ext(Eps);
  const long double einfach = static_cast<long double>(R) * i * (m - 1) / 2;  // the payments' interest in a year
  for (int jahr = 1; jahr <= ganzeJahre; ++jahr) {
    const TCent anfang = B;
    for (int j = 1; j <= m; ++j)
      zahlung(TPlanZeile::zaZahlung, (jahr - 1) * m + j, jahr, Ext(jahr - 1) + Ext(j) / Ext(m), R);
    gutschreiben(static_cast<long double>(anfang) * i + static_cast<long double>(vorzeichen) * einfach,
                 jahr == ganzeJahre && !teiljahr);
  }
  if (!teiljahr) return;
  const int jahr = ganzeJahre + 1;
  const TCent anfang = B;
  const Ext anteil = f * Ext(m);
  const int k = static_cast<int>(std::floor(anteil.Wert() + Eps));
  for (int j = 1; j <= k; ++j)
    zahlung(TPlanZeile::zaZahlung, ganzeJahre * m + j, jahr, Ext(ganzeJahre) + Ext(j) / Ext(m), R);
  const Ext rest = anteil - Ext(k);
  if (rest > Ext(Eps))
    zahlung(TPlanZeile::zaEnde, ganzeJahre * m + k + 1, jahr, e.n,
            static_cast<TCent>(std::floor((rest * Ext(static_cast<long double>(R))).Wert() + 0.5L)));
  // The formula's growth of a part year: B·(q^f − 1) + Rne·(q^f − 1) / i.
  const long double wachstum = std::pow(1 + i, f.Wert()) - 1;
  const long double rentenfaktor = i == 0 ? f.Wert() : wachstum / i;
  const long double rne = m > 1 ? static_cast<long double>(R) * (m + i * (m - 1) / 2) : static_cast<long double>(R);
  // What the formula's balance exceeds the balance after the payments by.
  gutschreiben(static_cast<long double>(anfang) * wachstum + static_cast<long double>(vorzeichen) * rne * rentenfaktor -
                   static_cast<long double>(B - anfang),
               true);
}

// AnnD in cents: the comparison's loan, period by period.
TZahlungsplan CentDarlehen(const TPlanEingabe& e, const TSondertilgung& s, const std::optional<TAnschluss>& a) {
  const TCent K = Cent(e.K), R = Cent(e.R);
  if (K <= 0 || R <= 0) DarlehenPruefen(Ext(0), Ext(0));
  const std::int64_t zins = Mikroprozent(e.p);
  TCentDarlehen d{.Betrag = K,
                  .Rate = R,
                  .m = e.m,
                  .Zins = zins,
                  .Anschlusszins = zins,
                  .Bindung = 0,
                  .Sondertilgung = Positiv(s.Betrag) ? Cent(s.Betrag) : 0,
                  .SondertilgungAb = s.AbJahr};
  if (a && a->Ab > Ext(0)) {
    d.Bindung = static_cast<int>(std::ceil((a->Ab * Ext(e.m)).Wert() - Eps));
    d.Anschlusszins = Mikroprozent(a->p);
  }
  std::vector<TFinanzierungsMonat> perioden;
  try {
    perioden = CentTilgung(d);
  } catch (const EFinanzierungFehler& f) {
    throw EPlanFehler(f.Text());
  }
  if (perioden.back().Restschuld > 0) {
    const auto deckt = [&](int k, std::int64_t p) {
      const TCent vorher = k == 0 ? K : perioden[static_cast<size_t>(k - 1)].Restschuld;
      return R > Periodenzins(vorher, p, e.m);
    };
    if (d.Bindung > 0 && d.Bindung < int(perioden.size()) && !deckt(d.Bindung, d.Anschlusszins))
      throw EPlanFehler(
          QStringLiteral("Beim Anschlusszins deckt die Rate die Zinsen nicht; das Darlehen wird nie getilgt."));
    if (!deckt(0, zins))
      throw EPlanFehler(
          QStringLiteral("Die Rate ist nicht höher als die Zinsen eines Zahlungszeitraums; "
                         "so wird das Darlehen nie getilgt."));
    LaufzeitPruefen(Ext(PlanHoechstJahre + 1));
  }
  return CentPlan(K, e.m, perioden);
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

void PlanEingabePruefen(const TPlanEingabe& e) {
  if (e.Art == TPlanArt::Darlehen) DarlehenPruefen(e.K, e.R);
  LaufzeitPruefen(e.n);
}

Ext GefundenerZinssatz(Ext p) {
  // A rate written as 0,000 % is one the pages' formulas cannot compute with
  // (they divide by the rate); a plan from it would end anywhere.
  if (std::fabs(p.Wert()) < 0.0005L)
    throw EPlanFehler(QStringLiteral("Für einen Zinssatz von 0 % gibt es keinen Zahlungsplan."));
  return p;
}

Ext Tilgungsdauer(Ext K, Ext p, Ext R, int m) {
  DarlehenPruefen(K, R);
  if (!(R > p / Ext(m) / 100 * K))
    throw EPlanFehler(
        QStringLiteral("Die Rate ist nicht höher als die Zinsen eines Zahlungszeitraums; so wird das Darlehen nie "
                       "getilgt."));
  return AnnD::Laufzeit(K, p, R, m);
}

TZahlungsplan ZahlungsplanBerechnen(const TPlanEingabe& e, const TSondertilgung& s, const std::optional<TAnschluss>& a,
                                    bool inCent) {
  LaufzeitPruefen(e.n);
  if (inCent && e.Art == TPlanArt::Darlehen) return CentDarlehen(e, s, a);
  TZahlungsplan plan;
  plan.Art = e.Art;
  plan.m = e.Art == TPlanArt::Einmalzahlung ? 1 : e.m;
  plan.JeZahlung.reserve(static_cast<size_t>(plan.m) * (PlanHoechstJahre + 2));
  plan.JeZahlung.push_back(Beginn(e));
  if (e.Art == TPlanArt::Darlehen)
    Darlehensverlauf(e, s, e.n, plan.JeZahlung, a);
  else if (inCent)
    CentJahresweise(e, plan.JeZahlung);
  else
    Jahresweise(e, plan.JeZahlung);
  Zusammenfassen(plan);
  if (inCent) {
    // Sums of cents are cents; adding them as fractions of a euro is not quite.
    const auto runden = [](TPlanZeile& z) {
      for (Ext* x : {&z.Zahlung, &z.Zinsen, &z.Aenderung}) *x = Euro(Cent(*x));
    };
    for (TPlanZeile& j : plan.JeJahr) runden(j);
    runden(plan.Summe);
  }
  return plan;
}

QString CentAbweichung(const TZahlungsplan& cent, const TZahlungsplan& genau, const QString& waehrung) {
  const auto betrag = [&](Ext x) { return ZahlText(x.Wert(), 18, 2).trimmed() + u' ' + waehrung; };
  if (cent.Art == TPlanArt::Einmalzahlung || cent.Art == TPlanArt::Sparplan) {
    const QString c = betrag(cent.JeZahlung.back().Stand), g = betrag(genau.JeZahlung.back().Stand);
    if (c == g) return {};
    return QStringLiteral("In Cent gerechnet endet der Plan bei %1; die Formel der Seite ergibt %2.").arg(c, g);
  }
  // A loan and a pension end at 0 both ways: what differs is the last payment.
  const auto letzte = [](const TZahlungsplan& p) {
    const auto z = std::find_if(p.JeZahlung.rbegin(), p.JeZahlung.rend(), [](const TPlanZeile& r) {
      return r.Art == TPlanZeile::zaZahlung || r.Art == TPlanZeile::zaEnde;
    });
    return z == p.JeZahlung.rend() ? TPlanZeile{} : *z;
  };
  const TPlanZeile c = letzte(cent), g = letzte(genau);
  if (c.Nummer == g.Nummer && betrag(c.Zahlung) == betrag(g.Zahlung)) return {};
  const QString was = cent.Art == TPlanArt::Rente ? QStringLiteral("Entnahme") : QStringLiteral("Rate");
  return QStringLiteral(
             "In Cent gerechnet endet der Plan mit der %1. %2 über %3; die Formel der Seite mit der %4. %2 "
             "über %5.")
      .arg(QString::number(c.Nummer), was, betrag(c.Zahlung), QString::number(g.Nummer), betrag(g.Zahlung));
}

Ext StandNach(const TZahlungsplan& plan, Ext t) {
  Ext stand = plan.JeZahlung.front().Stand;
  for (const TPlanZeile& z : plan.JeZahlung) {
    if (z.Zeit > t + Ext(Eps)) break;
    stand = z.Stand;
  }
  return stand;
}

Ext RestschuldNach(const TPlanEingabe& e, const TSondertilgung& s, Ext t) {
  if (std::isnan(t.Wert())) throw EInvalidOp();
  if (t < Ext(0)) throw EPlanFehler(QStringLiteral("Die Zinsbindung kann nicht negativ sein."));
  // The rows are counted in int; the plan's bound keeps them few.
  LaufzeitPruefen(e.n);
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
