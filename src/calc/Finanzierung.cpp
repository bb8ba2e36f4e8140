#include "calc/Finanzierung.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/Zahlungsplan.h"

namespace {

// A period's interest in cents times this and the periods a year is balance ·
// micro-percent, so that it rounds exactly; the products need more than 64 bits.
__extension__ typedef __int128 TBreit;
constexpr std::int64_t ZinsNenner = 100 * 1'000'000;

// A balance beyond this, grown by interest the instalment does not cover,
// would overflow within months at the highest rate.
constexpr TCent Obergrenze = std::numeric_limits<TCent>::max() / 16;

[[noreturn]] void Fehler(const QString& text) { throw EFinanzierungFehler(text); }

// An amount in cents, rounded half up; 0 is allowed where `null` says so.
TCent Geld(Ext x, const QString& name, bool null) {
  const long double w = x.Wert();
  if (null ? !(w >= 0) : !(w > 0))
    Fehler(null ? QStringLiteral("%1 darf nicht negativ sein.").arg(name)
                : QStringLiteral("%1 muss größer als 0 sein.").arg(name));
  if (!(w <= FinanzierungHoechstbetrag))
    Fehler(QStringLiteral("%1 darf höchstens %2 betragen.").arg(name, ZahlTextEinfach(FinanzierungHoechstbetrag, 0)));
  return Cent(x);
}

// A rate in millionths of a percent.
std::int64_t Zinssatz(Ext p, const QString& name) {
  const long double w = p.Wert();
  if (!(w >= 0 && w <= 100)) Fehler(QStringLiteral("%1 muss zwischen 0 und 100 % liegen.").arg(name));
  return Mikroprozent(p);
}

// The yearly rate in percent at which `auszahlung` equals the payments of
// `zahlungen` (index k due after k + 1 months), discounted by the years. It is
// solved for l = ln(1 + X): the present value falls with l, and with every
// payment at least a month away it lies below the payout once
// e^(-l/12) · sum < payout.
Ext Effektivzins(TCent auszahlung, const std::vector<long double>& zahlungen) {
  long double summe = 0;
  for (long double z : zahlungen) summe += z;
  const long double soll = static_cast<long double>(auszahlung);
  const auto ueberschuss = [&](long double l) {
    const long double v = std::exp(-l / 12);
    long double barwert = 0, abzinsung = 1;
    for (long double z : zahlungen) barwert += z * (abzinsung *= v);
    return barwert - soll;
  };
  const auto l = Nullstelle(ueberschuss, 0, 12 * std::log(summe / soll) + 1);
  if (!l) Fehler(QStringLiteral("Der Effektivzins lässt sich nicht bestimmen."));
  return std::floor(std::expm1(*l) * 10000 + 0.5L) / 100;
}

// The value by which a result row ranks offers, lower is better; never
// repaid ranks last. Empty where the row names no best.
std::optional<long double> Rang(const TFinanzierung& f, TKennzahl k) {
  constexpr long double nie = std::numeric_limits<long double>::infinity();
  switch (k) {
    case TKennzahl::Monatsrate:
    case TKennzahl::AnfTilgung: return std::nullopt;
    case TKennzahl::ZinsenBindung: return f.ZinsenBindung;
    case TKennzahl::Restschuld: return f.Restschuld;
    case TKennzahl::Volltilgung: return f.Volltilgung ? *f.Volltilgung : nie;
    case TKennzahl::Gesamtzinsen: return f.Gesamtzinsen ? static_cast<long double>(*f.Gesamtzinsen) : nie;
    case TKennzahl::Effektivzins: return f.Effektivzins.Wert();
  }
  return std::nullopt;
}

}  // namespace

bool Vollstaendig(const TAngebot& a) { return a.Betrag && a.Sollzins && a.Zinsbindung && (a.Tilgung || a.Rate); }

TFinanzierung FinanzierungBerechnen(const TAngebot& a) {
  if (!Vollstaendig(a))
    Fehler(
        QStringLiteral("Für ein Angebot müssen Betrag, Sollzins, Zinsbindung und Tilgung oder Rate eingegeben "
                       "werden!"));
  const TCent K = Geld(*a.Betrag, QStringLiteral("Der Betrag"), false);
  const std::int64_t soll = Zinssatz(*a.Sollzins, QStringLiteral("Der Sollzins"));
  const std::int64_t anschluss =
      a.Anschlusszins ? Zinssatz(*a.Anschlusszins, QStringLiteral("Der Anschlusszins")) : soll;
  TFinanzierung f;
  if (a.Rate) {
    f.Monatsrate = Geld(*a.Rate, QStringLiteral("Die Rate"), false);
    f.AnfTilgung = Ext(12.0L * f.Monatsrate) * 100 / Ext(K) - *a.Sollzins;
  } else {
    f.AnfTilgung = *a.Tilgung;
    f.Monatsrate = Periodenzins(K, soll + Zinssatz(*a.Tilgung, QStringLiteral("Die Tilgung")), 12);
    if (f.Monatsrate == 0) Fehler(QStringLiteral("Mit diesem Sollzins und dieser Tilgung ist die Rate 0."));
  }
  if (*a.Zinsbindung < 1 || *a.Zinsbindung > ZinsbindungHoechstJahre)
    Fehler(QStringLiteral("Die Zinsbindung muss 1 bis %1 ganze Jahre betragen.").arg(ZinsbindungHoechstJahre));
  const TCent sonder = a.Sondertilgung ? Geld(*a.Sondertilgung, QStringLiteral("Die Sondertilgung"), true) : 0;
  const TCent kosten = a.Kosten ? Geld(*a.Kosten, QStringLiteral("Die Kosten"), true) : 0;
  if (kosten >= K) Fehler(QStringLiteral("Die Kosten müssen unter dem Betrag liegen."));

  const int bindung = *a.Zinsbindung * 12;
  f.Plan = CentTilgung({.Betrag = K,
                        .Rate = f.Monatsrate,
                        .m = 12,
                        .Zins = soll,
                        .Anschlusszins = anschluss,
                        .Bindung = bindung,
                        .Sondertilgung = sonder,
                        .SondertilgungAb = 1});
  std::vector<long double> zahlungen(static_cast<size_t>(bindung));  // per month of the fixed-rate period
  TCent zinsen = 0;
  for (const TFinanzierungsMonat& z : f.Plan) {
    zinsen += z.Zinsen;
    if (z.Monat <= bindung) {
      f.ZinsenBindung = zinsen;
      zahlungen[static_cast<size_t>(z.Monat - 1)] = static_cast<long double>(z.Rate + z.Sondertilgung);
    }
    if (z.Monat == bindung) {
      f.Restschuld = z.Restschuld;
      zahlungen.back() += static_cast<long double>(z.Restschuld);
    }
  }
  if (f.Plan.back().Restschuld == 0) {
    f.Volltilgung = static_cast<int>(f.Plan.size());
    f.Gesamtzinsen = zinsen;
  }
  f.Effektivzins = Effektivzins(K - kosten, zahlungen);
  return f;
}

std::vector<TFinanzierungsJahr> Jahressummen(const std::vector<TFinanzierungsMonat>& plan) {
  std::vector<TFinanzierungsJahr> jahre;
  for (const TFinanzierungsMonat& z : plan) {
    if (jahre.empty() || jahre.back().Jahr != z.Jahr) jahre.push_back({.Jahr = z.Jahr});
    TFinanzierungsJahr& j = jahre.back();
    j.Raten += z.Rate;
    j.Zinsen += z.Zinsen;
    j.Tilgung += z.Tilgung;
    j.Sondertilgung += z.Sondertilgung;
    j.Restschuld = z.Restschuld;
  }
  return jahre;
}

TVergleich Vergleichen(const std::vector<TAngebot>& angebote) {
  TVergleich v;
  for (const TAngebot& a : angebote) {
    if (!Vollstaendig(a)) {
      v.Ergebnisse.emplace_back();
      continue;
    }
    try {
      v.Ergebnisse.emplace_back(FinanzierungBerechnen(a));
    } catch (const EFinanzierungFehler& e) {
      Fehler(QStringLiteral("Angebot %1: %2").arg(v.Ergebnisse.size() + 1).arg(e.Text()));
    }
  }
  for (int k = 0; k < KennzahlAnzahl; ++k) {
    std::vector<std::pair<long double, int>> raenge;
    for (int i = 0; i < int(v.Ergebnisse.size()); ++i)
      if (v.Ergebnisse[i])
        if (const auto r = Rang(*v.Ergebnisse[i], static_cast<TKennzahl>(k))) raenge.emplace_back(*r, i);
    if (raenge.empty()) continue;
    const auto [min, max] = std::minmax_element(raenge.begin(), raenge.end());
    if (min->first == max->first) continue;  // nothing to choose between
    for (const auto& [rang, i] : raenge)
      if (rang == min->first) v.Beste[k].push_back(i);
  }
  return v;
}

TCent Cent(Ext x) { return static_cast<TCent>(std::floor(x.Wert() * 100 + 0.5L)); }

std::int64_t Mikroprozent(Ext p) { return std::llround(p.Wert() * 1'000'000); }

TCent Periodenzins(TCent x, std::int64_t rate, int m) {
  const std::int64_t nenner = ZinsNenner * m;
  // Within 64 bits the division is cheaper; a negative product rounds by floor.
  if (x >= 0 && rate >= 0 && (rate == 0 || x <= (std::numeric_limits<std::int64_t>::max() - nenner) / rate))
    return (x * rate + nenner / 2) / nenner;
  const TBreit zaehler = TBreit(x) * rate + nenner / 2;
  TBreit q = zaehler / nenner;
  if (zaehler % nenner != 0 && zaehler < 0) --q;
  return static_cast<TCent>(q);
}

std::vector<TFinanzierungsMonat> CentTilgung(const TCentDarlehen& d) {
  const int m = d.m;
  std::vector<TFinanzierungsMonat> plan;
  plan.reserve(static_cast<size_t>(m) * 40);
  TCent B = d.Betrag, jahresbeginn = d.Betrag;
  for (int k = 1; k <= PlanHoechstJahre * m && B > 0; ++k) {
    TFinanzierungsMonat z{.Monat = k, .Jahr = (k - 1) / m + 1};
    z.Zinsen = Periodenzins(B, k <= d.Bindung ? d.Zins : d.Anschlusszins, m);
    z.Rate = std::min(d.Rate, B + z.Zinsen);
    z.Tilgung = z.Rate - z.Zinsen;  // negative while the instalment falls short of the interest
    B -= z.Tilgung;
    if (k % m == 0 && z.Jahr >= d.SondertilgungAb && B > 0) B -= z.Sondertilgung = std::min(d.Sondertilgung, B);
    if (B > Obergrenze)
      Fehler(QStringLiteral("Die Rate deckt die Zinsen nicht, und die Restschuld wächst über jedes berechenbare Maß."));
    z.Restschuld = B;
    plan.push_back(z);
    // Past the fixed-rate period every year runs alike from a lower balance;
    // the balance rises with the interest, so a year that does not lower it
    // is followed by no year that does.
    if (k % m == 0) {
      if (k > d.Bindung && B >= jahresbeginn) break;
      jahresbeginn = B;
    }
  }
  return plan;
}

TZahlungsplan CentPlan(TCent betrag, int m, const std::vector<TFinanzierungsMonat>& perioden) {
  TZahlungsplan plan;
  plan.Art = TPlanArt::Darlehen;
  plan.m = m;
  plan.JeZahlung.reserve(perioden.size() + perioden.size() / static_cast<size_t>(m) + 2);
  plan.JeZahlung.push_back({TPlanZeile::zaBeginn, 0, 0, Ext(0), Ext(0), Ext(0), Ext(0), Euro(betrag)});
  for (const TFinanzierungsMonat& z : perioden) {
    const Ext zeit = Ext(z.Monat) / Ext(m);
    plan.JeZahlung.push_back({TPlanZeile::zaZahlung, z.Monat, z.Jahr, zeit, Euro(z.Rate), Euro(z.Zinsen),
                              Euro(z.Tilgung), Euro(z.Restschuld + z.Sondertilgung)});
    if (z.Sondertilgung > 0)
      plan.JeZahlung.push_back({TPlanZeile::zaSondertilgung, z.Jahr, z.Jahr, zeit, Euro(z.Sondertilgung), Ext(0),
                                Euro(z.Sondertilgung), Euro(z.Restschuld)});
  }
  // Sums and years as the payment plan makes them, added in cents.
  TCent zahlung = 0, zinsen = 0, aenderung = 0;
  plan.JeJahr.push_back(plan.JeZahlung.front());
  for (const TFinanzierungsMonat& z : perioden) {
    zahlung += z.Rate + z.Sondertilgung;
    zinsen += z.Zinsen;
    aenderung += z.Tilgung + z.Sondertilgung;
  }
  int bisher = 0;  // periods up to the year's end
  for (const TFinanzierungsJahr& j : Jahressummen(perioden)) {
    while (bisher < int(perioden.size()) && perioden[static_cast<size_t>(bisher)].Jahr <= j.Jahr) ++bisher;
    plan.JeJahr.push_back(
        {TPlanZeile::zaJahr, j.Jahr, j.Jahr, Ext(perioden[static_cast<size_t>(bisher - 1)].Monat) / Ext(m),
         Euro(j.Raten + j.Sondertilgung), Euro(j.Zinsen), Euro(j.Tilgung + j.Sondertilgung), Euro(j.Restschuld)});
  }
  plan.Summe.Zahlung = Euro(zahlung);
  plan.Summe.Zinsen = Euro(zinsen);
  plan.Summe.Aenderung = Euro(aenderung);
  plan.Laufzeit = plan.JeZahlung.back().Zeit;
  return plan;
}

TZahlungsplan FinanzierungsPlan(const TFinanzierung& f) {
  const TCent stand =
      f.Plan.empty() ? 0 : f.Plan.front().Restschuld + f.Plan.front().Tilgung + f.Plan.front().Sondertilgung;
  return CentPlan(stand, 12, f.Plan);
}
