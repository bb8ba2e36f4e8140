// Reading and writing number texts as the fields show them.
#include <QLocale>
#include <cmath>
#include <limits>

#include "Deutsch.h"

namespace {

class Zahltexte : public MitZahlenformat {};

TEST_F(Zahltexte, FeldWertLiestDieGrammatik) {
  struct Fall {
    const char* text;
    long double wert;
  };
  const Fall faelle[] = {
      {"1234,5", 1234.5L},   {"1.234", 1234},      {"1.234,5", 1234.5L}, {"1,5E3", 1500},   {"1,5e+3", 1500},
      {"15E-1", 1.5L},       {"  -50", -50},       {"+7  ", 7},          {"5,", 5},         {",5", 0.5L},
      {"-,25", -0.25L},      {"0", 0},             {"1.2.3.4", 1234},    {"007", 7},        {"1E-5000", 0},
      {"2,5E0", 2.5L},       {" 1 ", 1},           {"1.", 1},            {"-0", 0},         {"12.345.678.901.234,56", 12345678901234.56L},
  };
  for (const Fall& f : faelle) EXPECT_EQ(FeldWert(QString::fromUtf8(f.text)), f.wert) << f.text;
}

TEST_F(Zahltexte, FeldWertWeistAllesAndereZurueck) {
  const char* const texte[] = {"",    " ",   ",",     "+",      "-",    "abc", "1,2,3", "1E",   "1E+",   "E5",
                               "1 2", "1-",  "--1",   "+-1",    "0x10", "$10", "inf",   "nan",  "1,5 %", "1\t",
                               "\t1", "1e5x", "1,5E3,0", "١٢", "1E99999", "-1,2E4933", "1\u00a0"};
  for (const char* t : texte) EXPECT_EQ(Fehlerart([&] { FeldWert(QString::fromUtf8(t)); }), "ConvertError") << t;
}

TEST_F(Zahltexte, FeldWertMeldetDenTextOhneTausenderpunkte) {
  try {
    FeldWert(QStringLiteral("1.2x"));
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Text(), QStringLiteral("'12x' ist kein gültiger Gleitkommawert"));
  }
}

TEST_F(Zahltexte, FeldWertRundetDirektAufExtended) {
  // Through double the last eleven bits would be lost.
  EXPECT_EQ(FeldWert(QStringLiteral("0,1")), 1.0L / 10.0L);
  EXPECT_NE(FeldWert(QStringLiteral("0,1")), (long double)0.1);
  EXPECT_EQ(FeldWert(QStringLiteral("1,18973149535723176502E4932")), std::numeric_limits<long double>::max());
  EXPECT_EQ(FeldWert(QStringLiteral("3,6451995318824746025E-4951")), std::numeric_limits<long double>::denorm_min());
}

TEST_F(Zahltexte, TausenderFilterEntferntNurDenTrenner) {
  EXPECT_EQ(TausenderFilter(QStringLiteral(".1.2,3.")), QStringLiteral("12,3"));
  EXPECT_EQ(TausenderFilter(QStringLiteral(" a,b ")), QStringLiteral(" a,b "));
}

TEST_F(Zahltexte, ZahlTextRundetUndGruppiert) {
  struct Fall {
    long double wert;
    int stellen, dezimalen;
    const char* text;
  };
  const Fall faelle[] = {
      {1234.5L, 18, 2, "1.234,50 "},
      {-50, 18, 2, "-50,00 "},
      {5.5L, 15, 3, "5,500 "},
      {0, 18, 2, "0,00 "},
      {-0.0L, 18, 2, "0,00 "},
      {-0.004L, 18, 2, "0,00 "},  // no negative zero
      {0.125L, 18, 2, "0,13 "},   // halves away from zero
      {-0.125L, 18, 2, "-0,13 "},
      {2.675L, 18, 2, "2,68 "},   // the decimal digits count, not the binary value below them
      {1.005L, 18, 2, "1,01 "},
      {0.5L, 18, 0, "1 "},
      {-2.5L, 18, 0, "-3 "},
      {999.995L, 18, 2, "1.000,00 "},
      {12345678901234.56L, 15, 2, "12.345.678.901.234,60 "},
      {12345678901234.56L, 18, 2, "12.345.678.901.234,56 "},
      {123456, 18, 0, "123.456 "},
      {1234567, 18, 1, "1.234.567,0 "},
      {0.049L, 18, 1, "0,0 "},
      {999999999999999.4L, 15, 2, "999.999.999.999.999,00 "},
      {999999999999999999.0L, 18, 2, "999.999.999.999.999.999,00 "},
      // One rounding at whichever position keeps fewer digits, not 15 digits
      // first and the decimals after: that would carry 0,1249... up to 0,13.
      {0.12499999999999996L, 15, 2, "0,12 "},
      {0.12499999999999996L, 18, 2, "0,12 "},
      {0.1249999999999999996L, 18, 2, "0,13 "},  // beyond 18 digits the value reads as 0,125
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(ZahlText(f.wert, f.stellen, f.dezimalen), QString::fromUtf8(f.text)) << double(f.wert);
}

// Beyond the significant digits the platform's general form applies: one
// digit, the rest after the decimal separator with trailing zeros dropped,
// "E" and the exponent without "+" or leading zeros; no currency layout.
TEST_F(Zahltexte, ZahlTextFaelltAufDieExponentenformZurueck) {
  EXPECT_EQ(ZahlText(1234567890123456789.0L, 15, 2), QStringLiteral("1,23456789012346E18"));
  EXPECT_EQ(ZahlText(-1234567890123456789.0L, 15, 2), QStringLiteral("-1,23456789012346E18"));
  EXPECT_EQ(ZahlText(1234567890123456789.0L, 18, 2), QStringLiteral("1,23456789012345679E18"));
  EXPECT_EQ(ZahlText(1e15L, 15, 2), QStringLiteral("1E15"));
  EXPECT_EQ(ZahlText(1e18L, 18, 2), QStringLiteral("1E18"));
  EXPECT_EQ(ZahlText(999999999999999.6L, 15, 2), QStringLiteral("1E15"));  // the carry adds a digit
  EXPECT_EQ(ZahlText(1e300L, 18, 2), QStringLiteral("1E300"));
  EXPECT_EQ(ZahlTextEinfach(-2e20L, 2), QStringLiteral("-2E20"));
}

TEST_F(Zahltexte, ZahlTextEinfachOhneWaehrungslayout) {
  EXPECT_EQ(ZahlTextEinfach(1936.27L, 2), QStringLiteral("1.936,27"));
  EXPECT_EQ(ZahlTextEinfach(-1936.274L, 2), QStringLiteral("-1.936,27"));
  EXPECT_EQ(ZahlTextEinfach(1.95583L, 5), QStringLiteral("1,95583"));
  EXPECT_EQ(ZahlTextEinfach(-0.001L, 2), QStringLiteral("0,00"));
}

TEST_F(Zahltexte, DieNegativenLayoutsMitLeeremSymbol) {
  const char* const erwartet[] = {"(1,50)", "-1,50",  "-1,50",  "1,50-",  "(1,50)", "-1,50",  "1,50-",   "1,50-",
                                  "-1,50 ", "- 1,50", "1,50 -", " 1,50-", " -1,50", "1,50- ", "( 1,50)", "(1,50 )"};
  Zahlenformat f = Zahlenformat::Deutsch();
  for (int i = 0; i < 16; ++i) {
    f.NegativFormat = i;
    SetzeZahlenformat(f);
    EXPECT_EQ(ZahlText(-1.5L, 18, 2), QString::fromUtf8(erwartet[i])) << i;
  }
  const char* const positiv[] = {"1,50", "1,50", " 1,50", "1,50 "};
  for (int i = 0; i < 4; ++i) {
    f.PositivFormat = i;
    SetzeZahlenformat(f);
    EXPECT_EQ(ZahlText(1.5L, 18, 2), QString::fromUtf8(positiv[i])) << i;
  }
}

// Whatever layout a negative amount is written in, leaving the field again
// must read it back; the other layouts' decorations stay unreadable.
TEST_F(Zahltexte, NegativeLayoutsWerdenWiederGelesen) {
  Zahlenformat f = Zahlenformat::Deutsch();
  for (int i = 0; i < 16; ++i) {
    f.NegativFormat = i;
    SetzeZahlenformat(f);
    const QString text = ZahlText(-1234.5L, 18, 2);
    EXPECT_EQ(FeldWert(text), -1234.5L) << i << ' ' << text.toStdString();
    EXPECT_EQ(FeldWert(QStringLiteral("  ") + text + QStringLiteral("  ")), -1234.5L) << i;
    EXPECT_EQ(ZahlText(FeldWert(text), 18, 2), text) << i;
  }
  f.NegativFormat = 0;
  SetzeZahlenformat(f);
  for (const char* t : {"(-1)", "(1", "1)", "()", "(1)-", "1-", "(+1)", "\t(1)", "( 1\t)"})
    EXPECT_EQ(Fehlerart([&] { FeldWert(QString::fromUtf8(t)); }), "ConvertError") << t;
  SetzeZahlenformat(Zahlenformat::Deutsch());
  for (const char* t : {"(1)", "1-", "- 1"})
    EXPECT_EQ(Fehlerart([&] { FeldWert(QString::fromUtf8(t)); }), "ConvertError") << t;
}

TEST_F(Zahltexte, FormatAusDemLocale) {
  struct Fall {
    QLocale locale;
    char16_t dezimal, tausender;
    int positiv, negativ;
  };
  const Fall faelle[] = {
      {QLocale::c(), u',', u'.', 3, 8},
      {QLocale(QLocale::German, QLocale::Germany), u',', u'.', 3, 8},
      {QLocale(QLocale::English, QLocale::UnitedStates), u'.', u',', 0, 0},
      {QLocale(QLocale::Dutch, QLocale::Netherlands), u',', u'.', 2, 14},
      // Its narrow no-break space becomes an ordinary blank.
      {QLocale(QLocale::French, QLocale::France), u',', u' ', 3, 15},
  };
  for (const Fall& f : faelle) {
    const Zahlenformat z = Zahlenformat::AusLocale(f.locale);
    EXPECT_EQ(z.Dezimaltrenner, QChar(f.dezimal)) << f.locale.name().toStdString();
    EXPECT_EQ(z.Tausendertrenner, QChar(f.tausender)) << f.locale.name().toStdString();
    EXPECT_EQ(z.PositivFormat, f.positiv) << f.locale.name().toStdString();
    EXPECT_EQ(z.NegativFormat, f.negativ) << f.locale.name().toStdString();
  }
}

TEST_F(Zahltexte, AmerikanischeEinstellungenLesenUndSchreiben) {
  SetzeZahlenformat(Zahlenformat::AusLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
  EXPECT_EQ(FeldWert(QStringLiteral("1,234.5")), 1234.5L);
  EXPECT_EQ(Fehlerart([] { FeldWert(QStringLiteral("1.234.5")); }), "ConvertError");
  EXPECT_EQ(ZahlText(1234.5L, 18, 2), QStringLiteral("1,234.50"));
  EXPECT_EQ(ZahlText(-1234.5L, 18, 2), QStringLiteral("(1,234.50)"));
  EXPECT_EQ(ZahlText(1234567890123456789.0L, 15, 2), QStringLiteral("1.23456789012346E18"));
  EXPECT_EQ(GanzzahlText(12345678), QStringLiteral("1.234568E7"));
}

TEST_F(Zahltexte, FranzoesischeEinstellungenMitLeerzeichenAlsTrenner) {
  SetzeZahlenformat(Zahlenformat::AusLocale(QLocale(QLocale::French, QLocale::France)));
  EXPECT_EQ(FeldWert(QStringLiteral("1 234,5")), 1234.5L);
  EXPECT_EQ(ZahlText(-1234.5L, 18, 2), QStringLiteral("(1 234,50 )"));
}

TEST_F(Zahltexte, GanzzahlWertLiestDieGrammatik) {
  struct Fall {
    const char* text;
    std::optional<qint32> wert;
  };
  const Fall faelle[] = {
      {"12", 12},
      {"  -12", -12},
      {"+0", 0},
      {"007", 7},
      {"$ff", 255},
      {"x10", 16},
      {"X1F", 31},
      {"0x7FFFFFFF", 2147483647},
      {"-0X80000000", -2147483647 - 1},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"$80000000", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"12,0", std::nullopt},
      {"12 ", std::nullopt},
      {"1.234", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"- 1", std::nullopt},
      {"1e3", std::nullopt},
      {"fg", std::nullopt},
      {"$fg", std::nullopt},
      {"0b1", std::nullopt},
      {"١٢", std::nullopt},
  };
  for (const Fall& f : faelle) EXPECT_EQ(GanzzahlWert(QString::fromUtf8(f.text)), f.wert) << f.text;
}

TEST_F(Zahltexte, GanzzahlTextMitSiebenStellen) {
  struct Fall {
    qint32 wert;
    const char* text;
  };
  const Fall faelle[] = {
      {0, "0"},           {-5, "-5"},         {9999999, "9999999"},        {-9999999, "-9999999"},
      {10000000, "1E7"},  {12345678, "1,234568E7"}, {12345675, "1,234568E7"}, {99999999, "1E8"},
      {-12345678, "-1,234568E7"}, {2147483647, "2,147484E9"}, {-2147483647 - 1, "-2,147484E9"}, {12000000, "1,2E7"},
  };
  for (const Fall& f : faelle) EXPECT_EQ(GanzzahlText(f.wert), QString::fromUtf8(f.text)) << f.wert;
}

}  // namespace
