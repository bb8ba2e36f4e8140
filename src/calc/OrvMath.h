#pragma once
// Number texts, checked extended arithmetic and the helpers every
// calculation page shares. Knows nothing of widgets.
#include <QChar>
#include <QLocale>
#include <QString>
#include <optional>

#include "calc/Fehler.h"

// The number settings, fixed once at start: German, or the system's when
// the user chose them.
struct Zahlenformat {
  QChar Dezimaltrenner = u',';
  QChar Tausendertrenner = u'.';
  // Layouts of currency amounts as the platform numbers them:
  // positive 0 "¤1", 1 "1¤", 2 "¤ 1", 3 "1 ¤"; negative 0..15.
  int PositivFormat = 3;
  int NegativFormat = 8;

  static Zahlenformat Deutsch();
  // German settings when the locale is C/POSIX.
  static Zahlenformat AusLocale(const QLocale& locale);
};

const Zahlenformat& AktuellesZahlenformat();
void SetzeZahlenformat(const Zahlenformat& format);

QString TausenderFilter(const QString& text);
// Throws EConvertError, also when a thousands separator stands anywhere but
// between groups of three digits before the decimal separator ("3.5").
long double FeldWert(const QString& text);
// Currency layout with an empty symbol; significant digits bound the rounding.
QString ZahlText(long double wert, int stellen, int dezimalen);
// Plain number layout (no currency layout, nothing after the digits).
QString ZahlTextEinfach(long double wert, int dezimalen);

// A number text the program carries written for German settings (defaults,
// official rates), with the separators of the current settings, so that it
// reads back as the same value under any settings.
QString AusDeutschemZahltext(const QString& deutsch);
// A stored number text, which may have been written under other settings:
// kept when it reads in the current format, else taken as German or as
// written in the system's format and given the current separators; a text
// that reads in none of them stays as it is.
QString GespeicherterZahltext(const QString& text);

// Whole numbers as the integer exit rule reads and writes them.
std::optional<qint32> GanzzahlWert(const QString& text);
QString GanzzahlText(qint32 wert);

// The exit rules of the number fields: money (DMFormat: 18 digits, 2
// decimals), percentage (ZinsFormat: 15 digits, 3 decimals), whole number
// (IntFormat).
enum class TZahlregel { DM, Zins, Int };
// The text as the rule rewrites it; empty when the rule cannot read it.
std::optional<QString> Formatiert(const QString& text, TZahlregel regel);

// Checked extended-precision value: every operation raises EZeroDivide,
// EInvalidOp or EOverflow where it happens, independent of FPU flags.
class Ext {
 public:
  constexpr Ext() = default;
  constexpr Ext(long double v) : w(v) {}  // NOLINT: implicit on purpose
  constexpr long double Wert() const { return w; }
  friend Ext operator+(Ext a, Ext b);
  friend Ext operator-(Ext a, Ext b);
  friend Ext operator*(Ext a, Ext b);
  friend Ext operator/(Ext a, Ext b);
  Ext operator-() const { return Ext(-w); }
  friend bool operator<(Ext a, Ext b) { return a.w < b.w; }
  friend bool operator>(Ext a, Ext b) { return a.w > b.w; }
  friend bool operator==(Ext a, Ext b) { return a.w == b.w; }

 private:
  long double w = 0;
};

// Rounds to double as an argument is handed over; beyond range: EOverflow.
double ZuDouble(Ext x);

double Power(double x, double y);
double Log10(double x);
double Root(double n, double x);

struct Laufzeit {
  long double Jahre;
  long double Monate;
};
// Splits a term in years; truncation beyond 64 bits: EInvalidOp.
Laufzeit LaufzeitZerlegen(Ext n);
// Term in years from whole years and months: nm / 12 + nj.
Ext LaufzeitJahre(Ext nj, Ext nm);

// The items of every payment frequency list, in their order, with their
// instalments per year.
struct TZahlungsweise {
  const char* Name;
  int RatenProJahr;
};
inline constexpr TZahlungsweise Zahlungsweisen[] = {
    {"monatlich", 12}, {"vierteljährlich", 4}, {"halbjährlich", 2}, {"jährlich", 1}};
// Item index of a payment-frequency list -> instalments per year; no selection counts as 1.
int RatenProJahr(int index);
// Equivalent annual instalment and back (identity for m = 1).
Ext RneAusRate(Ext rate, Ext p, int m);
Ext RateAusRne(Ext rne, Ext p, int m);
