// Checked arithmetic, the math helpers and the term and instalment helpers.
#include <cmath>
#include <functional>
#include <limits>

#include "Deutsch.h"

namespace {

constexpr long double kMax = std::numeric_limits<long double>::max();
constexpr long double kMin = std::numeric_limits<long double>::min();
constexpr long double kInf = std::numeric_limits<long double>::infinity();
const long double kNaN = std::numeric_limits<long double>::quiet_NaN();

TEST(Ext, FehlerartenJeOperation) {
  // clang-format off
  const struct { const char* name; std::function<void()> rechnung; const char* fehler; } faelle[] = {
      {"1/0", [] { Ext(1) / Ext(0); }, "ZeroDivide"},
      {"0/-0", [] { Ext(0) / Ext(-0.0L); }, "InvalidOp"},
      {"max*2", [] { Ext(kMax) * Ext(2); }, "Overflow"},
      {"max+max", [] { Ext(kMax) + Ext(kMax); }, "Overflow"},
      {"-max-max", [] { Ext(-kMax) - Ext(kMax); }, "Overflow"},
      {"max/0.5", [] { Ext(kMax) / Ext(0.5L); }, "Overflow"},
      {"inf-inf", [] { Ext(kInf) - Ext(kInf); }, "InvalidOp"},
      {"inf*0", [] { Ext(kInf) * Ext(0); }, "InvalidOp"},
      {"nan+1", [] { Ext(kNaN) + Ext(1); }, "InvalidOp"},
      {"min/1e10", [] { Ext(kMin) / Ext(1e10L); }, ""},  // underflow and inexact results raise nothing
      {"1/3", [] { Ext(1) / Ext(3); }, ""},
      {"ZuDouble 1e309", [] { ZuDouble(Ext(1e309L)); }, "Overflow"},
      {"ZuDouble -1e309", [] { ZuDouble(Ext(-1e309L)); }, "Overflow"},
      {"Zerlegen 9.3e18", [] { LaufzeitZerlegen(9.3e18L); }, "InvalidOp"},
      {"Zerlegen -9.3e18", [] { LaufzeitZerlegen(-9.3e18L); }, "InvalidOp"},
      {"Zerlegen inf", [] { LaufzeitZerlegen(kInf); }, "InvalidOp"},
      {"Zerlegen nan", [] { LaufzeitZerlegen(kNaN); }, "InvalidOp"},
      {"Zerlegen -2^63", [] { LaufzeitZerlegen(-9223372036854775808.0L); }, ""},
      {"RateAusRne Faktor 0", [] { RateAusRne(100, -400, 2); }, "ZeroDivide"},
  };
  // clang-format on
  for (const auto& f : faelle) EXPECT_EQ(Fehlerart(f.rechnung), f.fehler) << f.name;
  // 1 + 2^-60 survives in extended precision, not in double.
  EXPECT_GT((Ext(1) + Ext(1) / Ext(1152921504606846976.0L)).Wert(), 1.0L);
  EXPECT_EQ(ZuDouble(Ext(0.1L)), 0.1);
  EXPECT_EQ(ZuDouble(Ext(1e-400L)), 0.0);
}

TEST(Mathe, PowerLog10RootRandfaelle) {
  // clang-format off
  const struct { const char* name; std::function<double()> rechnung; double wert; const char* fehler; } faelle[] = {
      {"Power(0,0)", [] { return Power(0, 0); }, 0, ""},
      {"Power(0,-2)", [] { return Power(0, -2); }, 0, ""},
      {"Power(2,10)", [] { return Power(2, 10); }, 1024, ""},
      {"Power(1.12,0.5)", [] { return Power(1.12, 0.5); }, std::sqrt(1.12), ""},
      {"Power(-1,2)", [] { return Power(-1, 2); }, 0, "InvalidOp"},
      {"Power(10,400)", [] { return Power(10, 400); }, 0, "Overflow"},
      {"Power(10,-400)", [] { return Power(10, -400); }, 0, ""},
      {"Log10(0.01)", [] { return Log10(0.01); }, -2, ""},
      {"Log10(0)", [] { return Log10(0); }, 0, "ZeroDivide"},
      {"Log10(-1)", [] { return Log10(-1); }, 0, "InvalidOp"},
      {"Root(2,9)", [] { return Root(2, 9); }, 3, ""},
      {"Root(0,9)", [] { return Root(0, 9); }, 0, "ZeroDivide"},
      {"Root(2,-9)", [] { return Root(2, -9); }, 0, "InvalidOp"},
      {"Root(1e-320,10)", [] { return Root(1e-320, 10); }, 0, "Overflow"},
  };
  // clang-format on
  for (const auto& f : faelle) {
    double wert = 0;
    EXPECT_EQ(Fehlerart([&] { wert = f.rechnung(); }), f.fehler) << f.name;
    if (!*f.fehler) {
      EXPECT_NEAR(wert, f.wert, std::abs(f.wert) * 4e-16) << f.name;
    }
  }
  // Whole results are exact: ZiZiR and BW rely on 1^n - 1 being exactly 0.
  EXPECT_EQ(Power(1, 123.456), 1.0);
  EXPECT_EQ(Log10(1e-10), -10.0);
}

class Laufzeiten : public MitZahlenformat {};

TEST_F(Laufzeiten, ZerlegenMitUebertrag) {
  // clang-format off
  const struct { long double n; const char *jahre, *monate; } faelle[] = {
      {2.5L, "2 ", "6,0 "},    {3.9999L, "4 ", "0,0 "},     {3.9925L, "3 ", "12,0 "},
      {-2.5L, "-2 ", "-6,0 "}, {10.24477L, "10 ", "3,0 "}, {-0.999L, "0 ", "-11,9 "},
  };
  // clang-format on
  for (const auto& f : faelle) {
    const Laufzeit l = LaufzeitZerlegen(f.n);
    EXPECT_EQ(ZahlText(l.Jahre, 18, 0) + ZahlText(l.Monate, 18, 1), QString(f.jahre) + f.monate) << double(f.n);
  }
  EXPECT_NEAR(double(LaufzeitZerlegen(-2.5L).Monate), -5.951, 1e-12);
  EXPECT_EQ(LaufzeitJahre(0, 18).Wert(), 1.5L);
  EXPECT_EQ(LaufzeitJahre(-1, 6).Wert(), -0.5L);
}

TEST(Raten, ProJahrUndJahresendrate) {
  const int erwartet[] = {1, 12, 4, 2, 1, 1};
  for (int index = -1; index <= 4; ++index) EXPECT_EQ(RatenProJahr(index), erwartet[index + 1]) << index;
  // monthly at 6 %: 0.06 * 11 / 2 + 12 = 12.33
  EXPECT_NEAR(double(RneAusRate(100, 6, 12).Wert()), 1233, 1e-12);
  EXPECT_NEAR(double(RateAusRne(1233, 6, 12).Wert()), 100, 1e-12);
  EXPECT_EQ(RneAusRate(100, 250, 1).Wert(), 100);
  EXPECT_EQ(RateAusRne(100, 250, 1).Wert(), 100);
}

}  // namespace
