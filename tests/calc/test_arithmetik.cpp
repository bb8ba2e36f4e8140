// Checked arithmetic, the math helpers and the term and instalment helpers.
#include <cmath>
#include <functional>
#include <limits>

#include "Deutsch.h"

namespace {

constexpr long double kMax = std::numeric_limits<long double>::max();
constexpr long double kInf = std::numeric_limits<long double>::infinity();
const long double kNaN = std::numeric_limits<long double>::quiet_NaN();

TEST(Ext, FehlerartenJeOperation) {
  struct Fall {
    const char* name;
    std::function<Ext()> rechnung;
    const char* fehler;
  };
  const Fall faelle[] = {
      {"1/0", [] { return Ext(1) / Ext(0); }, "ZeroDivide"},
      {"-1/0", [] { return Ext(-1) / Ext(0); }, "ZeroDivide"},
      {"0/0", [] { return Ext(0) / Ext(0); }, "InvalidOp"},
      {"0/-0", [] { return Ext(0) / Ext(-0.0L); }, "InvalidOp"},
      {"max*2", [] { return Ext(kMax) * Ext(2); }, "Overflow"},
      {"max+max", [] { return Ext(kMax) + Ext(kMax); }, "Overflow"},
      {"-max-max", [] { return Ext(-kMax) - Ext(kMax); }, "Overflow"},
      {"max/0.5", [] { return Ext(kMax) / Ext(0.5L); }, "Overflow"},
      {"inf-inf", [] { return Ext(kInf) - Ext(kInf); }, "InvalidOp"},
      {"inf*0", [] { return Ext(kInf) * Ext(0); }, "InvalidOp"},
      {"nan+1", [] { return Ext(kNaN) + Ext(1); }, "InvalidOp"},
      {"1*nan", [] { return Ext(1) * Ext(kNaN); }, "InvalidOp"},
      // Underflow and inexact results raise nothing.
      {"min/1e10", [] { return Ext(std::numeric_limits<long double>::min()) / Ext(1e10L); }, ""},
      {"1/3", [] { return Ext(1) / Ext(3); }, ""},
      {"min*min", [] { return Ext(std::numeric_limits<long double>::min()) * Ext(1e-30L); }, ""},
  };
  for (const Fall& f : faelle) EXPECT_EQ(Fehlerart(f.rechnung), f.fehler) << f.name;
}

TEST(Ext, RechnetInExtended) {
  // 1 + 2^-60 survives in extended precision, not in double.
  const Ext klein = Ext(1) / Ext(1152921504606846976.0L);
  EXPECT_GT((Ext(1) + klein).Wert(), 1.0L);
  EXPECT_EQ((Ext(7) - Ext(2) * Ext(3) / Ext(2)).Wert(), 4.0L);
}

TEST(ZuDouble, RundetUndMeldetUeberlauf) {
  EXPECT_EQ(ZuDouble(Ext(0.1L)), 0.1);
  EXPECT_EQ(Fehlerart([] { ZuDouble(Ext(1e309L)); }), "Overflow");
  EXPECT_EQ(Fehlerart([] { ZuDouble(Ext(-1e309L)); }), "Overflow");
  EXPECT_EQ(ZuDouble(Ext(1e-400L)), 0.0);  // underflow is silent
}

TEST(Mathe, PowerLog10RootRandfaelle) {
  struct Fall {
    const char* name;
    std::function<double()> rechnung;
    double wert;
    const char* fehler;
  };
  const Fall faelle[] = {
      {"Power(0,0)", [] { return Power(0, 0); }, 0, ""},
      {"Power(0,-2)", [] { return Power(0, -2); }, 0, ""},
      {"Power(2,10)", [] { return Power(2, 10); }, 1024, ""},
      {"Power(1,1e300)", [] { return Power(1, 1e300); }, 1, ""},
      {"Power(9,0.5)", [] { return Power(9, 0.5); }, 3, ""},
      {"Power(1.12,0.5)", [] { return Power(1.12, 0.5); }, std::sqrt(1.12), ""},
      {"Power(-1,2)", [] { return Power(-1, 2); }, 0, "InvalidOp"},
      {"Power(10,400)", [] { return Power(10, 400); }, 0, "Overflow"},
      {"Power(10,5000)", [] { return Power(10, 5000); }, 0, "Overflow"},
      {"Power(10,-400)", [] { return Power(10, -400); }, 0, ""},
      {"Log10(1000)", [] { return Log10(1000); }, 3, ""},
      {"Log10(1)", [] { return Log10(1); }, 0, ""},
      {"Log10(0.01)", [] { return Log10(0.01); }, -2, ""},
      {"Log10(0)", [] { return Log10(0); }, 0, "ZeroDivide"},
      {"Log10(-1)", [] { return Log10(-1); }, 0, "InvalidOp"},
      {"Root(2,9)", [] { return Root(2, 9); }, 3, ""},
      {"Root(3,0)", [] { return Root(3, 0); }, 0, ""},
      {"Root(0,9)", [] { return Root(0, 9); }, 0, "ZeroDivide"},
      {"Root(2,-9)", [] { return Root(2, -9); }, 0, "InvalidOp"},
      {"Root(1e-320,10)", [] { return Root(1e-320, 10); }, 0, "Overflow"},
  };
  for (const Fall& f : faelle) {
    double wert = 0;
    EXPECT_EQ(Fehlerart([&] { wert = f.rechnung(); }), f.fehler) << f.name;
    if (!*f.fehler) {
      EXPECT_NEAR(wert, f.wert, std::abs(f.wert) * 4e-16) << f.name;
    }
  }
}

class Laufzeiten : public MitZahlenformat {};

TEST(Mathe, GanzeErgebnisseSindExakt) {
  EXPECT_EQ(Log10(1000), 3.0);
  EXPECT_EQ(Log10(1e-10), -10.0);
  EXPECT_EQ(Power(1, 123.456), 1.0);  // ZiZiR and BW rely on 1^n - 1 being exactly 0
  EXPECT_EQ(Power(2, 0), 1.0);
}

TEST_F(Laufzeiten, ZerlegenMitUebertrag) {
  struct Fall {
    long double n;
    const char* jahre;
    const char* monate;
  };
  const Fall faelle[] = {
      {2.5L, "2 ", "6,0 "},     {3.9999L, "4 ", "0,0 "}, {3.9925L, "3 ", "12,0 "}, {-2.5L, "-2 ", "-6,0 "},
      {0, "0 ", "0,0 "},        {1.5L, "1 ", "6,0 "},    {10.24477L, "10 ", "3,0 "}, {-0.999L, "0 ", "-11,9 "},
  };
  for (const Fall& f : faelle) {
    const Laufzeit l = LaufzeitZerlegen(f.n);
    EXPECT_EQ(ZahlText(l.Jahre, 18, 0), QString::fromUtf8(f.jahre)) << double(f.n);
    EXPECT_EQ(ZahlText(l.Monate, 18, 1), QString::fromUtf8(f.monate)) << double(f.n);
  }
  EXPECT_NEAR(double(LaufzeitZerlegen(2.5L).Monate), 6.049, 1e-12);
  EXPECT_NEAR(double(LaufzeitZerlegen(-2.5L).Monate), -5.951, 1e-12);
}

TEST_F(Laufzeiten, JenseitsVon64BitUngueltig) {
  EXPECT_EQ(Fehlerart([] { LaufzeitZerlegen(9.3e18L); }), "InvalidOp");
  EXPECT_EQ(Fehlerart([] { LaufzeitZerlegen(-9.3e18L); }), "InvalidOp");
  EXPECT_EQ(Fehlerart([] { LaufzeitZerlegen(kInf); }), "InvalidOp");
  EXPECT_EQ(Fehlerart([] { LaufzeitZerlegen(kNaN); }), "InvalidOp");
  EXPECT_EQ(Fehlerart([] { LaufzeitZerlegen(-9223372036854775808.0L); }), "");
  EXPECT_EQ(Fehlerart([] { LaufzeitZerlegen(9223372036854775807.0L); }), "");
}

TEST_F(Laufzeiten, JahreAusJahrenUndMonaten) {
  EXPECT_EQ(LaufzeitJahre(0, 18).Wert(), 1.5L);
  EXPECT_EQ(LaufzeitJahre(2, 6).Wert(), 2.5L);
  EXPECT_EQ(LaufzeitJahre(-1, 6).Wert(), -0.5L);
}

TEST(Raten, ProJahrUndJahresendrate) {
  const int erwartet[] = {1, 12, 4, 2, 1, 1};
  for (int index = -1; index <= 4; ++index) EXPECT_EQ(RatenProJahr(index), erwartet[index + 1]) << index;

  // monthly at 6 %: 0.06 * 11 / 2 + 12 = 12.33
  EXPECT_NEAR(double(RneAusRate(100, 6, 12).Wert()), 1233, 1e-12);
  EXPECT_NEAR(double(RateAusRne(1233, 6, 12).Wert()), 100, 1e-12);
  for (long double p : {0.0L, 5.0L, 250.0L}) {
    EXPECT_EQ(RneAusRate(100, p, 1).Wert(), 100);
    EXPECT_EQ(RateAusRne(100, p, 1).Wert(), 100);
  }
  // A factor of zero (p = -400 half-yearly) cannot be divided by.
  EXPECT_EQ(Fehlerart([] { RateAusRne(100, -400, 2); }), "ZeroDivide");
}

}  // namespace
