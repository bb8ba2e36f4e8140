// Reading and writing number texts as the fields show them.
#include <QLocale>
#include <limits>

#include "Deutsch.h"

namespace {

class Zahltexte : public MitZahlenformat {};

QString U(const char* t) { return QString::fromUtf8(t); }

TEST_F(Zahltexte, FeldWertLiestDieGrammatik) {
  // clang-format off
  const struct { const char* text; long double wert; } faelle[] = {
      {"1234,5", 1234.5L}, {"1.234,5", 1234.5L}, {"1,5E3", 1500}, {"1,5e+3", 1500}, {"15E-1", 1.5L}, {"  -50", -50},
      {"+7  ", 7}, {"5,", 5}, {",5", 0.5L}, {"-,25", -0.25L}, {"007", 7}, {"1E-5000", 0},
      {"-0", 0}, {"12.345.678.901.234,56", 12345678901234.56L},
      // Thousands separators between groups of three before the decimal separator.
      {"1.000", 1000}, {"12.345.678", 12345678}, {"1.000,5", 1000.5L}, {"-1.000,00 ", -1000}, {" +999.999 ", 999999},
      {"1.000E3", 1e6L},
      // Straight into extended: through double the last eleven bits would be lost.
      {"0,1", 1.0L / 10.0L}, {"1,18973149535723176502E4932", std::numeric_limits<long double>::max()},
      {"3,6451995318824746025E-4951", std::numeric_limits<long double>::denorm_min()},
  };
  // clang-format on
  for (const auto& f : faelle) EXPECT_EQ(FeldWert(U(f.text)), f.wert) << f.text;
}

TEST_F(Zahltexte, FeldWertWeistAllesAndereZurueck) {
  // clang-format off
  for (const char* t : {"", " ", ",", "+", "-", "abc", "1,2,3", "1E", "1E+", "E5", "1 2", "1-", "--1", "+-1", "0x10",
                        "$10", "inf", "nan", "1,5 %", "1\t", "\t1", "1e5x", "1,5E3,0", "١٢", "1E99999", "-1,2E4933",
                        "1\u00a0",
                        // A thousands separator anywhere else: a slip, not a thousand.
                        "3.5", "10.5", ".5", "1.", "-.5", "1..000", "1.0000", "1.00", "1.2.3.4", "0.500", "00.500",
                        "1234.567", "1.234.56", "1,000.5", "1,5E1.000", "1.000."})
    EXPECT_EQ(Fehlerart([&] { FeldWert(U(t)); }), "ConvertError") << t;
  // clang-format on
  // The message shows the text without thousands separators, unless those
  // alone spoil it: then the text as typed.
  for (const auto& [text, gezeigt] : {std::pair{"1.2x", "12x"}, {"3.5", "3.5"}, {"-1.00,5 ", "-1.00,5 "}}) {
    try {
      FeldWert(QString::fromUtf8(text));
      ADD_FAILURE() << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Text(), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(QString::fromUtf8(gezeigt)));
    }
  }
}

TEST_F(Zahltexte, ZahlTextRundetGruppiertUndFaelltAufExponentenZurueck) {
  // clang-format off
  const struct { long double wert; int stellen, dezimalen; const char* text; } faelle[] = {
      {1234.5L, 18, 2, "1.234,50 "}, {-50, 18, 2, "-50,00 "}, {5.5L, 15, 3, "5,500 "}, {-0.0L, 18, 2, "0,00 "},
      {-0.004L, 18, 2, "0,00 "}, {0.125L, 18, 2, "0,13 "}, {-0.125L, 18, 2, "-0,13 "}, {-2.5L, 18, 0, "-3 "},
      // The decimal digits count, not the binary value below them.
      {2.675L, 18, 2, "2,68 "}, {1.005L, 18, 2, "1,01 "}, {999.995L, 18, 2, "1.000,00 "}, {0.049L, 18, 1, "0,0 "},
      {12345678901234.56L, 15, 2, "12.345.678.901.234,60 "}, {12345678901234.56L, 18, 2, "12.345.678.901.234,56 "},
      {999999999999999.4L, 15, 2, "999.999.999.999.999,00 "},
      {999999999999999999.0L, 18, 2, "999.999.999.999.999.999,00 "},
      // One rounding at whichever position keeps fewer digits: 15 digits first would carry 0,1249... to 0,13.
      {0.12499999999999996L, 15, 2, "0,12 "}, {0.12499999999999996L, 18, 2, "0,12 "},
      {0.1249999999999999996L, 18, 2, "0,13 "},
      // Beyond the significant digits: the general form, no currency layout.
      {1234567890123456789.0L, 15, 2, "1,23456789012346E18"}, {-1234567890123456789.0L, 15, 2, "-1,23456789012346E18"},
      {1234567890123456789.0L, 18, 2, "1,23456789012345679E18"}, {1e18L, 18, 2, "1E18"},
      {999999999999999.6L, 15, 2, "1E15"}, {1e300L, 18, 2, "1E300"},
  };
  // clang-format on
  for (const auto& f : faelle) EXPECT_EQ(ZahlText(f.wert, f.stellen, f.dezimalen), U(f.text)) << double(f.wert);
  EXPECT_EQ(ZahlTextEinfach(-1936.274L, 2), QStringLiteral("-1.936,27"));
  EXPECT_EQ(ZahlTextEinfach(1.95583L, 5), QStringLiteral("1,95583"));
  EXPECT_EQ(ZahlTextEinfach(-0.001L, 2), QStringLiteral("0,00"));
  EXPECT_EQ(ZahlTextEinfach(-2e20L, 2), QStringLiteral("-2E20"));
}

// Whatever layout a negative amount is written in, leaving the field must read it back.
TEST_F(Zahltexte, NegativeLayoutsSchreibenUndWiederLesen) {
  const char* const negativ[] = {"(1,50)", "-1,50",  "-1,50",  "1,50-",  "(1,50)", "-1,50",  "1,50-",   "1,50-",
                                 "-1,50 ", "- 1,50", "1,50 -", " 1,50-", " -1,50", "1,50- ", "( 1,50)", "(1,50 )"};
  Zahlenformat f = Zahlenformat::Deutsch();
  for (int i = 0; i < 16; ++i) {
    f.NegativFormat = i;
    SetzeZahlenformat(f);
    EXPECT_EQ(ZahlText(-1.5L, 18, 2), U(negativ[i])) << i;
    const QString text = ZahlText(-1234.5L, 18, 2);
    EXPECT_EQ(FeldWert(QStringLiteral("  ") + text + QStringLiteral("  ")), -1234.5L) << i;
  }
  const char* const positiv[] = {"1,50", "1,50", " 1,50", "1,50 "};
  for (int i = 0; i < 4; ++i) {
    f.PositivFormat = i;
    SetzeZahlenformat(f);
    EXPECT_EQ(ZahlText(1.5L, 18, 2), U(positiv[i])) << i;
  }
  // Other layouts' decorations stay unreadable.
  f = Zahlenformat::Deutsch();
  f.NegativFormat = 0;
  SetzeZahlenformat(f);
  for (const char* t : {"(-1)", "(1", "1)", "()", "(1)-", "1-", "(+1)", "\t(1)", "( 1\t)"})
    EXPECT_EQ(Fehlerart([&] { FeldWert(U(t)); }), "ConvertError") << t;
  SetzeZahlenformat(Zahlenformat::Deutsch());
  for (const char* t : {"(1)", "- 1"}) EXPECT_EQ(Fehlerart([&] { FeldWert(U(t)); }), "ConvertError") << t;
}

TEST_F(Zahltexte, FormatAusDemLocale) {
  // clang-format off
  const struct { QLocale locale; char16_t dezimal, tausender; int positiv, negativ; } faelle[] = {
      {QLocale::c(), u',', u'.', 3, 8},
      {QLocale(QLocale::German, QLocale::Germany), u',', u'.', 3, 8},
      {QLocale(QLocale::German, QLocale::Switzerland), u'.', u'\'', 3, 8},  // typographic apostrophe -> straight
      {QLocale(QLocale::English, QLocale::UnitedStates), u'.', u',', 0, 0},
      {QLocale(QLocale::Dutch, QLocale::Netherlands), u',', u'.', 2, 14},
      {QLocale(QLocale::French, QLocale::France), u',', u' ', 3, 15},  // narrow no-break space -> blank
  };
  // clang-format on
  for (const auto& f : faelle) {
    const Zahlenformat z = Zahlenformat::AusLocale(f.locale);
    EXPECT_EQ((std::tuple{z.Dezimaltrenner, z.Tausendertrenner, z.PositivFormat, z.NegativFormat}),
              (std::tuple{QChar(f.dezimal), QChar(f.tausender), f.positiv, f.negativ}))
        << f.locale.name().toStdString();
  }
  SetzeZahlenformat(Zahlenformat::AusLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
  EXPECT_EQ(FeldWert(QStringLiteral("1,234.5")), 1234.5L);
  for (const char* t : {"1.234.5", "3,25", "1,234,5", "0,450"})
    EXPECT_EQ(Fehlerart([&] { FeldWert(U(t)); }), "ConvertError") << t;
  EXPECT_EQ(ZahlText(-1234.5L, 18, 2), QStringLiteral("(1,234.50)"));
  EXPECT_EQ(ZahlText(1234567890123456789.0L, 15, 2), QStringLiteral("1.23456789012346E18"));
  EXPECT_EQ(GanzzahlText(12345678), QStringLiteral("1.234568E7"));
  // A stored text reads in the current format when its separators stand where
  // that format puts them, else as German: "1,000" stays a thousand.
  // clang-format off
  for (const auto& [gespeichert, gelesen] : {std::pair{"0,450 ", "0.450 "}, {"20,00", "20.00"}, {"1.234,5", "1,234.5"},
                                             {"1,000", "1,000"}, {"1,234.5", "1,234.5"}, {"abc", "abc"}})
    EXPECT_EQ(GespeicherterZahltext(QString::fromUtf8(gespeichert)), QString::fromUtf8(gelesen)) << gespeichert;
  // clang-format on
  // Fees saved while the system's format was chosen, read after it was given up.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  SetzeZahlenformat(Zahlenformat::Deutsch());
  EXPECT_EQ(GespeicherterZahltext(QStringLiteral("1,234.50 ")), QStringLiteral("1.234,50 "));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  // A blank as thousands separator is padding too: only one between digits groups them.
  SetzeZahlenformat(Zahlenformat::AusLocale(QLocale(QLocale::French, QLocale::France)));
  EXPECT_EQ(ZahlText(-1234.5L, 18, 2), QStringLiteral("(1 234,50 )"));
  for (const auto& [text, wert] :
       {std::pair{"1 234,5", 1234.5L}, {" 1 234 567,50 ", 1234567.5L}, {"(1 234,50 )", -1234.5L}, {"- 12", -12.0L}})
    EXPECT_EQ(FeldWert(U(text)), wert) << text;
  for (const char* t : {"1 2", "12 34,5", "1 234 5", "1,234 5", "0 500"})
    EXPECT_EQ(Fehlerart([&] { FeldWert(U(t)); }), "ConvertError") << t;
}

TEST_F(Zahltexte, GanzzahlWertUndText) {
  // clang-format off
  const struct { const char* text; std::optional<qint32> wert; } werte[] = {
      {"  -12", -12}, {"+0", 0}, {"007", 7}, {"$ff", 255}, {"x10", 16}, {"X1F", 31}, {"0x7FFFFFFF", 2147483647},
      {"-0X80000000", -2147483647 - 1}, {"-$10", -16}, {"-2147483648", -2147483647 - 1},
      {"2147483648", {}}, {"$80000000", {}}, {"99999999999999999999", {}}, {"12,0", {}}, {"12 ", {}},
      {"1.234", {}}, {"", {}}, {"-", {}}, {"$", {}}, {"0x", {}}, {"- 1", {}}, {"1e3", {}}, {"fg", {}},
      {"$fg", {}}, {"0b1", {}}, {"١٢", {}},
  };
  // clang-format on
  for (const auto& f : werte) EXPECT_EQ(GanzzahlWert(U(f.text)), f.wert) << f.text;
  // clang-format off
  const struct { qint32 wert; const char* text; } texte[] = {
      {-9999999, "-9999999"}, {10000000, "1E7"}, {12345675, "1,234568E7"}, {99999999, "1E8"},
      {-12345678, "-1,234568E7"}, {-2147483647 - 1, "-2,147484E9"}, {12000000, "1,2E7"},
  };
  // clang-format on
  for (const auto& f : texte) EXPECT_EQ(GanzzahlText(f.wert), U(f.text)) << f.wert;
}

}  // namespace
