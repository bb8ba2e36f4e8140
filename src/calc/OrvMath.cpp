#include "calc/OrvMath.h"

#include <locale.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <string>

// ---------------------------------------------------------------------------
// Regional settings

Zahlenformat Zahlenformat::Deutsch() { return Zahlenformat{}; }

namespace {

// Layouts use ordinary blanks only; locales publish non-breaking ones.
bool IstLeerraum(QChar c) { return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F); }

// Separators are what a keyboard types: a blank for the non-breaking ones,
// the straight apostrophe for the typographic one of Swiss settings.
QChar EinZeichen(const QString& text, QChar ersatz) {
  if (text.size() != 1) return ersatz;
  const QChar c = text.front();
  if (c == QChar(0x2019)) return u'\'';
  return IstLeerraum(c) ? QChar(u' ') : c;
}

// Reduces a formatted sample amount to its shape: S symbol, N number,
// '-' minus, '(' ')' parentheses, ' ' blank.
QString Muster(const QString& text, const QString& marke) {
  QString muster;
  bool inZahl = false;
  for (qsizetype i = 0; i < text.size();) {
    if (text.mid(i, marke.size()) == marke) {
      muster += u'S';
      inZahl = false;
      i += marke.size();
      continue;
    }
    const QChar c = text.at(i++);
    if (c.isDigit()) {
      if (!inZahl) muster += u'N';
      inZahl = true;
      continue;
    }
    // Separators inside the number belong to it.
    if (inZahl && i < text.size() && text.at(i).isDigit() && !IstLeerraum(c)) continue;
    inZahl = false;
    if (c == u'-' || c == QChar(0x2212))
      muster += u'-';
    else if (c == u'(' || c == u')')
      muster += c;
    else if (IstLeerraum(c))
      muster += u' ';
    // Direction marks and other format characters carry no layout.
  }
  return muster;
}

}  // namespace

Zahlenformat Zahlenformat::AusLocale(const QLocale& locale) {
  if (locale.language() == QLocale::C) return Deutsch();
  Zahlenformat f;
  f.Dezimaltrenner = EinZeichen(locale.decimalPoint(), u',');
  f.Tausendertrenner = EinZeichen(locale.groupSeparator(), f.Dezimaltrenner == u'.' ? u',' : u'.');
  if (f.Dezimaltrenner == f.Tausendertrenner) return Deutsch();

  // A marker no locale uses as its symbol shows where the symbol goes.
  const QString marke = QStringLiteral("QQQ");
  const QString positiv = Muster(locale.toCurrencyString(1.5, marke), marke);
  const QString negativ = Muster(locale.toCurrencyString(-1.5, marke), marke);

  static const char* const positivFormen[] = {"SN", "NS", "S N", "N S"};
  static const char* const negativFormen[] = {"(SN)", "-SN",  "S-N",  "SN-",  "(NS)", "-NS",  "N-S",   "NS-",
                                              "-N S", "-S N", "N S-", "S N-", "S -N", "N- S", "(S N)", "(N S)"};
  f.PositivFormat = -1;
  for (int i = 0; i < 4; ++i)
    if (positiv == QLatin1String(positivFormen[i])) f.PositivFormat = i;
  if (f.PositivFormat < 0) f.PositivFormat = positiv.indexOf(u'S') < positiv.indexOf(u'N') ? 0 : 1;
  f.NegativFormat = -1;
  for (int i = 0; i < 16; ++i)
    if (negativ == QLatin1String(negativFormen[i])) f.NegativFormat = i;
  if (f.NegativFormat < 0) {
    // Unknown shapes: a leading minus, the symbol where the positive layout has it.
    static const int ersatz[] = {1, 5, 9, 8};
    f.NegativFormat = ersatz[f.PositivFormat];
  }
  return f;
}

namespace {
Zahlenformat& Format() {
  static Zahlenformat format = Zahlenformat::Deutsch();
  return format;
}
}  // namespace

const Zahlenformat& AktuellesZahlenformat() { return Format(); }
void SetzeZahlenformat(const Zahlenformat& format) { Format() = format; }

// ---------------------------------------------------------------------------
// Reading numbers

QString TausenderFilter(const QString& text) {
  QString ergebnis = text;
  ergebnis.remove(AktuellesZahlenformat().Tausendertrenner);
  return ergebnis;
}

namespace {

bool IstZiffer(QChar c) { return c >= u'0' && c <= u'9'; }

// The C locale for strtold, whatever the process locale says about the
// decimal point.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
  return c;
}

// What a negative amount carries before and after its digits in each of the
// sixteen layouts, with the empty currency symbol.
struct Umrahmung {
  const char* vor;
  const char* nach;
};
constexpr Umrahmung kNegativ[16] = {{"(", ")"}, {"-", ""},  {"-", ""},   {"", "-"},  {"(", ")"}, {"-", ""},
                                    {"", "-"},  {"", "-"},  {"-", " "},  {"- ", ""}, {"", " -"}, {" ", "-"},
                                    {" -", ""}, {"", "- "}, {"( ", ")"}, {"(", " )"}};

int NegativFormat() {
  const int format = AktuellesZahlenformat().NegativFormat;
  return format >= 0 && format < 16 ? format : 8;
}

const Umrahmung& NegativLayout() { return kNegativ[NegativFormat()]; }

// The plain grammar; false for anything else or a value beyond the range.
bool Lesen(const QString& s, long double& wert) {
  const QChar trenner = AktuellesZahlenformat().Dezimaltrenner;
  // Checked by hand so that strtold sees only the plain form it reads
  // correctly rounded, and nothing it would accept on its own terms
  // (hex, "inf", "nan", locale digits).
  std::string plain;
  qsizetype i = 0;
  const qsizetype n = s.size();
  while (i < n && s.at(i) == u' ') ++i;
  if (i < n && (s.at(i) == u'+' || s.at(i) == u'-')) plain += char(s.at(i++).unicode());
  int ziffern = 0;
  while (i < n && IstZiffer(s.at(i))) plain += char(s.at(i++).unicode()), ++ziffern;
  if (i < n && s.at(i) == trenner) {
    plain += '.';
    ++i;
    while (i < n && IstZiffer(s.at(i))) plain += char(s.at(i++).unicode()), ++ziffern;
  }
  bool gut = ziffern > 0;
  if (gut && i < n && (s.at(i) == u'E' || s.at(i) == u'e')) {
    plain += 'e';
    ++i;
    if (i < n && (s.at(i) == u'+' || s.at(i) == u'-')) plain += char(s.at(i++).unicode());
    int exponentZiffern = 0;
    while (i < n && IstZiffer(s.at(i))) plain += char(s.at(i++).unicode()), ++exponentZiffern;
    gut = exponentZiffern > 0;
  }
  while (i < n && s.at(i) == u' ') ++i;
  if (!gut || i != n) return false;

  char* ende = nullptr;
  wert = strtold_l(plain.c_str(), &ende, CLocale());
  // Underflow reads as zero or a denormal; only a value beyond the range fails.
  return ende == plain.c_str() + plain.size() && std::isfinite(wert);
}

// Only ordinary blanks count, as in the plain grammar.
QString OhneBlanks(const QString& text) {
  qsizetype anfang = 0, ende = text.size();
  while (anfang < ende && text.at(anfang) == u' ') ++anfang;
  while (ende > anfang && text.at(ende - 1) == u' ') --ende;
  return text.mid(anfang, ende - anfang);
}

// A negative amount in a layout the plain grammar cannot read ("(1.50)",
// "1.50-"): the program must read back what it writes itself.
bool LesenImNegativLayout(const QString& s, long double& wert) {
  switch (NegativFormat()) {
    case 1:
    case 2:
    case 5:
    case 8:
    case 12: return false;  // a leading minus: the plain grammar's own case
    default: break;
  }
  const Umrahmung& u = NegativLayout();
  const QString vor = OhneBlanks(QString::fromLatin1(u.vor));
  const QString nach = OhneBlanks(QString::fromLatin1(u.nach));
  const QString t = OhneBlanks(s);
  if (t.size() <= vor.size() + nach.size() || !t.startsWith(vor) || !t.endsWith(nach)) return false;
  const QString innen = OhneBlanks(t.mid(vor.size(), t.size() - vor.size() - nach.size()));
  if (innen.isEmpty() || innen.front() == u'+' || innen.front() == u'-') return false;
  if (!Lesen(innen, wert)) return false;
  wert = -wert;
  return true;
}

// A thousands separator stands only between groups of three digits before
// the decimal separator: a first group of one to three digits that does not
// start with 0, then groups of exactly three. Anywhere else it is a slip
// ("3.5" for 3,5) that dropping it would turn into a value ten or a thousand
// times as large, unseen. A blank separator is also the layouts' padding, so
// there only a blank between two digits counts as one.
bool TausenderAmPlatz(const QString& text) {
  const Zahlenformat& f = AktuellesZahlenformat();
  const QChar trenner = f.Tausendertrenner;
  const qsizetype n = text.size();
  const auto zwischenZiffern = [&](qsizetype i) {
    return i > 0 && i + 1 < n && IstZiffer(text.at(i - 1)) && IstZiffer(text.at(i + 1));
  };
  if (trenner != u' ')
    for (qsizetype i = 0; i < n; ++i)
      if (text.at(i) == trenner && !zwischenZiffern(i)) return false;
  bool mantisseGanzzahlig = true;  // no decimal separator or exponent seen yet
  for (qsizetype i = 0; i < n;) {
    const QChar c = text.at(i);
    if (!IstZiffer(c)) {
      if (c == f.Dezimaltrenner || c == u'E' || c == u'e') mantisseGanzzahlig = false;
      ++i;
      continue;
    }
    // A run of digits and the separators between them.
    QList<qsizetype> gruppen{0};
    const QChar erste = c;
    for (; i < n; ++i) {
      if (IstZiffer(text.at(i)))
        ++gruppen.back();
      else if (text.at(i) == trenner && zwischenZiffern(i))
        gruppen << 0;
      else
        break;
    }
    if (gruppen.size() == 1) continue;
    if (!mantisseGanzzahlig || gruppen.front() > 3 || erste == u'0') return false;
    for (qsizetype g = 1; g < gruppen.size(); ++g)
      if (gruppen.at(g) != 3) return false;
  }
  return true;
}

}  // namespace

long double FeldWert(const QString& text) {
  const QString s = TausenderFilter(text);
  long double wert = 0;
  const bool gelesen = Lesen(s, wert) || LesenImNegativLayout(s, wert);
  if (gelesen && TausenderAmPlatz(text)) return wert;
  // Spoilt only by its separators, the text is named as typed: without them
  // it would read, and the message would name a valid number.
  throw EConvertError(gelesen ? text : s);
}

// ---------------------------------------------------------------------------
// Writing numbers

namespace {

// A finite value as decimal digits: 0.d1d2d3... * 10^exponent, no leading or
// trailing zeros; zero has no digits.
struct Dezimal {
  bool negativ = false;
  std::string ziffern;
  int exponent = 0;
};

void Kuerzen(Dezimal& d) {
  while (!d.ziffern.empty() && d.ziffern.back() == '0') d.ziffern.pop_back();
  if (d.ziffern.empty()) d.exponent = 0;
}

// Keeps the first `stellen` digits, halves away from zero.
void Runden(Dezimal& d, int stellen) {
  if (stellen >= int(d.ziffern.size())) return;
  if (stellen < 0) {
    d.ziffern.clear();
    Kuerzen(d);
    return;
  }
  const bool auf = d.ziffern[std::size_t(stellen)] >= '5';
  d.ziffern.resize(std::size_t(stellen));
  if (auf) {
    int k = stellen - 1;
    while (k >= 0 && d.ziffern[std::size_t(k)] == '9') d.ziffern[std::size_t(k--)] = '0';
    if (k >= 0) {
      ++d.ziffern[std::size_t(k)];
    } else {
      d.ziffern.insert(d.ziffern.begin(), '1');
      ++d.exponent;
    }
  }
  Kuerzen(d);
}

// The value's decimal digits, taken to 18 significant digits as the extended
// format's decimal conversion gives them. glibc prints the exact binary value
// correctly rounded; 120 digits leave the later half-up rounding to 18 digits
// no room for a false tie.
Dezimal Zerlegen(long double wert) {
  Dezimal d;
  d.negativ = std::signbit(wert);
  if (wert == 0) return d;
  char puffer[160];
  std::snprintf(puffer, sizeof puffer, "%.119Le", std::fabs(wert));
  const char* p = puffer;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') d.ziffern += *p;
  d.exponent = std::atoi(p + 1) + 1;
  Runden(d, 18);
  return d;
}

QString Gruppiert(const Dezimal& d, int dezimalen, const Zahlenformat& f) {
  QString ganz;
  if (d.exponent <= 0) {
    ganz = QStringLiteral("0");
  } else {
    for (int k = 0; k < d.exponent; ++k) {
      if (k > 0 && (d.exponent - k) % 3 == 0) ganz += f.Tausendertrenner;
      ganz += QLatin1Char(k < int(d.ziffern.size()) ? d.ziffern[std::size_t(k)] : '0');
    }
  }
  if (dezimalen <= 0) return ganz;
  ganz += f.Dezimaltrenner;
  for (int k = 0; k < dezimalen; ++k) {
    const int index = d.exponent + k;
    ganz += QLatin1Char(index >= 0 && index < int(d.ziffern.size()) ? d.ziffern[std::size_t(index)] : '0');
  }
  return ganz;
}

// The general form with an exponent: one digit, the rest after the decimal
// separator, "E", the exponent with a minus only when negative.
QString Exponentenform(const Dezimal& d, const Zahlenformat& f) {
  if (d.ziffern.empty()) return QStringLiteral("0");
  QString text;
  if (d.negativ) text += u'-';
  text += QLatin1Char(d.ziffern[0]);
  if (d.ziffern.size() > 1) {
    text += f.Dezimaltrenner;
    text += QLatin1String(d.ziffern.c_str() + 1);
  }
  text += u'E';
  text += QString::number(d.exponent - 1);
  return text;
}

QString NichtEndlich(long double wert) {
  if (std::isnan(wert)) return QStringLiteral("NAN");
  return wert < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Rounds to the given decimals or significant digits, whichever keeps fewer.
// Returns false when the integer part has more digits than significant ones.
bool Festkomma(long double wert, int stellen, int dezimalen, Dezimal& d) {
  stellen = std::clamp(stellen, 1, 18);
  d = Zerlegen(wert);
  Runden(d, std::min(stellen, d.exponent + dezimalen));
  if (d.exponent > stellen) {
    d = Zerlegen(wert);
    Runden(d, stellen);
    return false;
  }
  if (d.ziffern.empty()) d.negativ = false;  // no "-0,00"
  return true;
}

}  // namespace

QString ZahlText(long double wert, int stellen, int dezimalen) {
  if (!std::isfinite(wert)) return NichtEndlich(wert);
  const Zahlenformat& f = AktuellesZahlenformat();
  dezimalen = std::clamp(dezimalen, 0, 18);
  Dezimal d;
  if (!Festkomma(wert, stellen, dezimalen, d)) return Exponentenform(d, f);
  QString zahl = Gruppiert(d, dezimalen, f);
  if (!d.negativ) {
    switch (f.PositivFormat) {
      case 2: return u' ' + zahl;
      case 3: return zahl + u' ';
      default: return zahl;
    }
  }
  const Umrahmung& u = NegativLayout();
  return QLatin1String(u.vor) + zahl + QLatin1String(u.nach);
}

QString ZahlTextEinfach(long double wert, int dezimalen) {
  if (!std::isfinite(wert)) return NichtEndlich(wert);
  const Zahlenformat& f = AktuellesZahlenformat();
  dezimalen = std::clamp(dezimalen, 0, 18);
  Dezimal d;
  if (!Festkomma(wert, 18, dezimalen, d)) return Exponentenform(d, f);
  const QString zahl = Gruppiert(d, dezimalen, f);
  return d.negativ ? u'-' + zahl : zahl;
}

namespace {

// The text with the separators of one format swapped for those of another.
QString Umgeschrieben(const QString& text, const Zahlenformat& von, const Zahlenformat& nach) {
  QString ergebnis = text;
  for (QChar& c : ergebnis) {
    if (c == von.Tausendertrenner)
      c = nach.Tausendertrenner;
    else if (c == von.Dezimaltrenner)
      c = nach.Dezimaltrenner;
  }
  return ergebnis;
}

bool Lesbar(const QString& text, long double& wert) {
  try {
    wert = FeldWert(text);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

bool LesbarIn(const Zahlenformat& format, const QString& text, long double& wert) {
  const Zahlenformat aktuell = AktuellesZahlenformat();
  SetzeZahlenformat(format);
  const bool gut = Lesbar(text, wert);
  SetzeZahlenformat(aktuell);
  return gut;
}

}  // namespace

QString AusDeutschemZahltext(const QString& deutsch) {
  return Umgeschrieben(deutsch, Zahlenformat::Deutsch(), AktuellesZahlenformat());
}

QString GespeicherterZahltext(const QString& text) {
  long double wert = 0;
  if (Lesbar(text, wert)) return text;
  // Written under the other format the program knows: its German default or
  // the system's, whichever the user had chosen then.
  for (const Zahlenformat& frueher : {Zahlenformat::Deutsch(), Zahlenformat::AusLocale(QLocale())}) {
    if (!LesbarIn(frueher, text, wert)) continue;
    QString umgeschrieben = Umgeschrieben(text, frueher, AktuellesZahlenformat());
    long double wieder = 0;
    if (Lesbar(umgeschrieben, wieder) && wieder == wert) return umgeschrieben;
  }
  return text;
}

// ---------------------------------------------------------------------------
// Whole numbers

std::optional<qint32> GanzzahlWert(const QString& text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text.at(i) == u' ') ++i;
  bool negativ = false;
  if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) negativ = text.at(i++) == u'-';
  int basis = 10;
  if (i < n && (text.at(i) == u'$' || text.at(i) == u'x' || text.at(i) == u'X')) {
    basis = 16;
    ++i;
  } else if (i + 1 < n && text.at(i) == u'0' && (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
    basis = 16;
    i += 2;
  }
  if (i == n) return std::nullopt;
  // The magnitude may reach 2^31 only for a negative number.
  const qint64 grenze = negativ ? qint64(1) << 31 : (qint64(1) << 31) - 1;
  qint64 betrag = 0;
  for (; i < n; ++i) {
    const char16_t c = text.at(i).unicode();
    int ziffer;
    if (c >= u'0' && c <= u'9')
      ziffer = c - u'0';
    else if (basis == 16 && c >= u'a' && c <= u'f')
      ziffer = c - u'a' + 10;
    else if (basis == 16 && c >= u'A' && c <= u'F')
      ziffer = c - u'A' + 10;
    else
      return std::nullopt;
    betrag = betrag * basis + ziffer;
    if (betrag > grenze) return std::nullopt;
  }
  return qint32(negativ ? -betrag : betrag);
}

QString GanzzahlText(qint32 wert) {
  const qint64 betrag = wert < 0 ? -qint64(wert) : qint64(wert);
  if (betrag < 10000000) return QString::number(wert);
  Dezimal d;
  d.negativ = wert < 0;
  d.ziffern = std::to_string(betrag);
  d.exponent = int(d.ziffern.size());
  Runden(d, 7);
  return Exponentenform(d, AktuellesZahlenformat());
}

std::optional<QString> Formatiert(const QString& text, TZahlregel regel) {
  if (regel == TZahlregel::Int) {
    if (const auto wert = GanzzahlWert(text)) return GanzzahlText(*wert);
    return std::nullopt;
  }
  try {
    const long double wert = FeldWert(text);
    return regel == TZahlregel::DM ? ZahlText(wert, 18, 2) : ZahlText(wert, 15, 3);
  } catch (const EConvertError&) {
    return std::nullopt;
  }
}

// ---------------------------------------------------------------------------
// Checked arithmetic

namespace {

// Any NaN result is an invalid operation; an infinite result from finite
// operands is an overflow.
Ext Pruefen(long double a, long double b, long double ergebnis) {
  if (std::isnan(ergebnis)) throw EInvalidOp();
  if (std::isinf(ergebnis) && std::isfinite(a) && std::isfinite(b)) throw EOverflow();
  return Ext(ergebnis);
}

void Operanden(long double a, long double b) {
  if (std::isnan(a) || std::isnan(b)) throw EInvalidOp();
}

}  // namespace

Ext operator+(Ext a, Ext b) {
  Operanden(a.w, b.w);
  return Pruefen(a.w, b.w, a.w + b.w);
}

Ext operator-(Ext a, Ext b) {
  Operanden(a.w, b.w);
  return Pruefen(a.w, b.w, a.w - b.w);
}

Ext operator*(Ext a, Ext b) {
  Operanden(a.w, b.w);
  return Pruefen(a.w, b.w, a.w * b.w);
}

Ext operator/(Ext a, Ext b) {
  Operanden(a.w, b.w);
  if (b.w == 0) {
    if (a.w == 0) throw EInvalidOp();
    if (std::isfinite(a.w)) throw EZeroDivide();
  }
  return Pruefen(a.w, b.w, a.w / b.w);
}

double ZuDouble(Ext x) {
  const long double w = x.Wert();
  if (std::isnan(w)) throw EInvalidOp();
  const double d = double(w);
  if (std::isinf(d) && std::isfinite(w)) throw EOverflow();
  return d;
}

// ---------------------------------------------------------------------------
// Power, logarithm, root

namespace {

long double Ln(long double x) { return std::numbers::ln2_v<long double> * std::log2(x); }

double Ergebnis(long double wert) { return ZuDouble(Pruefen(0, 0, wert)); }

}  // namespace

double Power(double x, double y) {
  if (std::isnan(x) || std::isnan(y)) throw EInvalidOp();
  if (x == 0) return 0;
  if (x < 0) throw EInvalidOp();
  const long double produkt = Ln(x) * (long double)y;
  if (std::isnan(produkt)) throw EInvalidOp();  // ln 1 = 0 times an infinite exponent
  return Ergebnis(std::exp(produkt));
}

double Log10(double x) {
  if (std::isnan(x)) throw EInvalidOp();
  if (x == 0) throw EZeroDivide();
  if (x < 0) throw EInvalidOp();
  return Ergebnis(Ln(x) / Ln(10.0L));
}

double Root(double n, double x) {
  const double kehrwert = ZuDouble(Ext(1) / Ext(n));
  return Power(x, kehrwert);
}

// ---------------------------------------------------------------------------
// Terms and instalments

Laufzeit LaufzeitZerlegen(Ext n) {
  const long double w = n.Wert();
  constexpr long double grenze = 9223372036854775808.0L;  // 2^63
  const long double ganz = std::trunc(w);
  if (!(ganz >= -grenze && ganz < grenze)) throw EInvalidOp();
  Laufzeit l;
  l.Jahre = (long double)(long long)ganz;
  l.Monate = (w - l.Jahre) * 12 + 0.049L;
  if (l.Monate >= 12) {
    l.Jahre = l.Jahre + 1;
    l.Monate = l.Monate - 12;
  }
  return l;
}

Ext LaufzeitJahre(Ext nj, Ext nm) { return nm / 12 + nj; }

int RatenProJahr(int index) {
  return index >= 0 && index < static_cast<int>(std::size(Zahlungsweisen)) ? Zahlungsweisen[index].RatenProJahr : 1;
}

namespace {
Ext Faktor(Ext p, int m) { return p / 100 * Ext(m - 1) / 2 + Ext(m); }
}  // namespace

Ext RneAusRate(Ext rate, Ext p, int m) { return m > 1 ? Faktor(p, m) * rate : rate; }

Ext RateAusRne(Ext rne, Ext p, int m) { return m > 1 ? rne / Faktor(p, m) : rne; }
