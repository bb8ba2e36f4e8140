#include "calc/Zinssuche.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

using Funktion = std::function<long double(long double)>;

// Counts and caps the evaluations of one search.
struct TZaehler {
  const Funktion& f;
  int rest;
  int anzahl = 0;
  long double operator()(long double x) {
    --rest;
    ++anzahl;
    return f(x);
  }
};

struct TBrent {
  std::optional<long double> x;  // empty: f not finite
  bool konvergiert = false;
};

// Brent's method on [a, b] with f(a) = fa and f(b) = fb of opposite signs,
// neither 0: inverse quadratic interpolation or a secant step while they
// shrink the bracket [b, c] fast enough, bisection otherwise. Out of
// evaluations it stops at the best point so far.
TBrent Brent(TZaehler& f, long double a, long double fa, long double b, long double fb, long double tolAbsolut) {
  long double c = b, fc = fb, d = b - a, e = d;
  for (;;) {
    if ((fb > 0) == (fc > 0)) {
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b, b = c, c = a;
      fa = fb, fb = fc, fc = fa;
    }
    const long double tol = 2 * LDBL_EPSILON * std::fabs(b) + tolAbsolut;
    const long double mitte = (c - b) / 2;
    if (std::fabs(mitte) <= tol || fb == 0) return {b, true};
    if (f.rest <= 0) return {b, false};
    if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
      const long double s = fb / fa;
      long double p, q;
      if (a == c) {
        p = 2 * mitte * s;
        q = 1 - s;
      } else {
        const long double qa = fa / fc, r = fb / fc;
        p = s * (2 * mitte * qa * (qa - r) - (b - a) * (r - 1));
        q = (qa - 1) * (r - 1) * (s - 1);
      }
      if (p > 0) q = -q;
      p = std::fabs(p);
      if (2 * p < std::min(3 * mitte * q - std::fabs(tol * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = e = mitte;
      }
    } else {
      d = e = mitte;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tol ? d : (mitte > 0 ? tol : -tol);
    fb = f(b);
    if (!std::isfinite(fb)) return {};
  }
}

// ln((e^z − 1) / z), its limit 0 at z = 0 included; for |z| <= 32.
long double LnE(long double z) {
  if (std::fabs(z) < 1e-6L) return z / 2 + z * z / 24;  // next term −z⁴/2880
  return std::log(std::expm1(z) / z);
}

// Of two rates, the one nearer to 0 %.
long double Naeher(long double y1, long double y2) {
  return std::fabs(std::expm1(y1)) < std::fabs(std::expm1(y2)) ? y1 : y2;
}

thread_local int letzteAuswertungen = 0;

// Less than half the last decimal of a written rate.
constexpr long double Rand = 0.0004999L;

}  // namespace

std::optional<long double> Nullstelle(const Funktion& f, long double a, long double b, int hoechstens,
                                      int* auswertungen) {
  TZaehler z{f, hoechstens};
  const auto ergebnis = [&](std::optional<long double> x) {
    if (auswertungen) *auswertungen = z.anzahl;
    return x;
  };
  if (hoechstens < 2) return ergebnis(std::nullopt);
  const long double fa = z(a), fb = z(b);
  if (!std::isfinite(fa) || !std::isfinite(fb)) return ergebnis(std::nullopt);
  if (fa == 0) return ergebnis(a);
  if (fb == 0) return ergebnis(b);
  if ((fa > 0) == (fb > 0)) return ergebnis(std::nullopt);
  const TBrent r = Brent(z, a, fa, b, fb, 1e-18L);
  return ergebnis(r.konvergiert ? r.x : std::nullopt);
}

namespace Zinssuche {

TErgebnis Suchen(const Funktion& lnWert, long double lnZiel) {
  // Past the rate's ends the figures only grow apart; a bound keeps the
  // interpolation finite where a term of ages overflows a power.
  const Funktion h = [&](long double y) -> long double {
    const long double w = lnWert(y) - lnZiel;
    if (std::isnan(w)) throw EInvalidOp();
    return std::fmax(-1e30L, std::fmin(1e30L, w));
  };
  TZaehler f{h, HoechstAuswertungen};
  TErgebnis e;
  const auto fertig = [&](TErgebnis& ergebnis) {
    ergebnis.Auswertungen = letzteAuswertungen = f.anzahl;
    return ergebnis;
  };
  const auto gefunden = [&](long double y) {
    e.Lage = TLage::Gefunden;
    e.p = std::clamp(std::expm1(y) * 100, Untergrenze, Obergrenze);
    return fertig(e);
  };
  // Near a rate of 0 the root is wanted to the last digit of p, not of y's scale.
  constexpr long double tol = 1e-30L;

  // A rate written as one of the bounds still counts: the page's own
  // rounding may put the figure of a bound a hair beyond it.
  const long double unten = std::log1p((Untergrenze - Rand) / 100), oben = std::log1p((Obergrenze + Rand) / 100);
  // Everyday rates first: a narrow bracket saves the steps that cross the
  // bent far ends, and a rate found there is the one nearest to 0 %.
  const long double links = std::log1p(-0.5L), rechts = std::log1p(0.5L);
  const long double hl = f(links), hr = f(rechts);
  if (hl == 0) return gefunden(links);
  if (hr == 0) return gefunden(rechts);
  if ((hl > 0) != (hr > 0)) return gefunden(*Brent(f, links, hl, rechts, hr, tol).x);
  const long double hu = f(unten), ho = f(oben);
  if (hu == 0) return gefunden(unten);
  if (ho == 0) return gefunden(oben);
  // With a minimum inside, a rate below -50 % and one above 50 % may both fit.
  std::optional<long double> unter, ueber;
  if ((hu > 0) != (hl > 0)) unter = Brent(f, unten, hu, links, hl, tol).x;
  if ((hr > 0) != (ho > 0)) ueber = Brent(f, rechts, hr, oben, ho, tol).x;
  if (unter && ueber) return gefunden(Naeher(*unter, *ueber));
  if (unter || ueber) return gefunden(unter ? *unter : *ueber);

  // Both ends on one side: a figure with a minimum inside may still cross
  // twice. The golden section walks towards the point closest to the
  // entered figure and stops as soon as it passes it.
  const long double s = hu > 0 ? 1 : -1;
  constexpr long double r = 0.618033988749894848204586834365638118L;
  long double a = unten, b = oben, fa = s * hu, fb = s * ho;
  long double c = b - r * (b - a), d = a + r * (b - a);
  long double fc = s * f(c), fd = s * f(d);
  long double naechster = std::fmin(fc, fd);
  while (fc > 0 && fd > 0 && b - a > 1e-10L && f.rest > 0) {
    if (fc < fd) {
      b = d, fb = fd, d = c, fd = fc;
      c = b - r * (b - a);
      fc = s * f(c);
    } else {
      a = c, fa = fc, c = d, fc = fd;
      d = a + r * (b - a);
      fd = s * f(d);
    }
    naechster = std::fmin(naechster, std::fmin(fc, fd));
  }
  if (fc <= 0 || fd <= 0) {
    // One rate on either side of the crossing point, each bracketed by the
    // section's last bounds; the one nearer to 0.
    const long double y = fd <= 0 ? d : c;
    const long double hy = s * (fd <= 0 ? fd : fc);  // with its own sign again
    if (hy == 0) return gefunden(y);
    return gefunden(Naeher(*Brent(f, a, s * fa, y, hy, tol).x, *Brent(f, y, hy, b, s * fb, tol).x));
  }
  e.Lage = s > 0 ? TLage::ZielZuNiedrig : TLage::ZielZuHoch;
  e.AmOberenEnde = s * ho <= s * hu && s * ho <= naechster;
  return fertig(e);
}

int LetzteAuswertungen() { return letzteAuswertungen; }

long double LnRentenfaktor(long double n, long double y, long double x, long double faktor) {
  if (y == 0) return std::log(faktor * std::fabs(n));
  const long double z = n * y;  // may overflow to ±inf for terms of ages
  if (std::fabs(z) <= 32 && std::fabs(z) >= 1e-6L && std::fabs(y) >= 1e-6L)
    return std::log(faktor * std::fabs(std::expm1(z) / x));
  // Near q = 1 without the quotient of two small differences, and far from
  // it without the power.
  const long double lnX = std::log(std::fabs(y)) + LnE(y) - std::log(faktor);
  if (z > 32) return z + std::log1p(-std::exp(-z)) - lnX;
  if (z < -32) return std::log1p(-std::exp(z)) - lnX;
  return std::log(faktor * std::fabs(n)) + LnE(z) - LnE(y);
}

long double Jahresfaktor(long double x, int m) {
  if (m <= 1) return 1;
  return m + x * (m - 1) / 2;
}

long double LnVerhaeltnis(Ext a, Ext b) { return std::log(std::fabs(a.Wert())) - std::log(std::fabs(b.Wert())); }

void Kein(const char* grund) {
  throw EKeinZinssatz(QStringLiteral("Zu diesen Werten gibt es keinen Zinssatz: ") + QString::fromUtf8(grund));
}

void Positiv(Ext p, const char* grund) {
  if (!(p.Wert() >= 0.0005L)) Kein(grund);
}

Ext Laufzeit(Ext nj, Ext nm) {
  const Ext n = LaufzeitJahre(nj, nm);
  if (!(n > Ext(0))) Kein("Die Laufzeit ist 0 oder negativ.");
  return n;
}

Ext Zinssatz(const TErgebnis& e, const char* zuHoch, const char* zuNiedrig) {
  if (e.Lage == TLage::Gefunden) return e.p;
  if (e.AmOberenEnde) throw EKeinZinssatz(QStringLiteral("Der Zinssatz läge über 1.000 %."));
  Kein(e.Lage == TLage::ZielZuHoch ? zuHoch : zuNiedrig);
}

}  // namespace Zinssuche
