// The payment plan of every page and sought quantity through the pages'
// records, against the pages' own answers; its refusals, the extra
// repayment and the effective rate.
#include <cmath>

#include <limits>
#include <set>

#include "Deutsch.h"
#include "calc/Zahlungsplan.h"
#include "pages/Seiten.h"

namespace {

QString Cent(Ext wert) { return ZahlText(wert.Wert(), 15, 2); }
// Whole cents of a figure of a plan in cents.
std::int64_t Cents(Ext wert) { return std::llround(wert.Wert() * 100); }

// A plan in cents holds whole cents, every row adds up to them, each balance
// is the previous one plus the row's change, and the sums are the columns'.
void RechnetInCent(const TZahlungsplan& plan) {
  const std::int64_t vorzeichen = plan.Art == TPlanArt::Rente ? -1 : 1;
  std::int64_t zahlung = 0, zinsen = 0, aenderung = 0;
  for (size_t k = 0; k < plan.JeZahlung.size(); ++k) {
    const TPlanZeile& z = plan.JeZahlung[k];
    for (Ext x : {z.Zahlung, z.Zinsen, z.Aenderung, z.Stand})
      ASSERT_NEAR(double(x.Wert() * 100), double(Cents(x)), 1e-6) << k;
    zahlung += Cents(z.Zahlung);
    zinsen += Cents(z.Zinsen);
    aenderung += Cents(z.Aenderung);
    if (z.Art == TPlanZeile::zaBeginn) continue;
    ASSERT_EQ(Cents(plan.JeZahlung[k - 1].Stand) + Cents(z.Aenderung) * (plan.Art == TPlanArt::Darlehen ? -1 : 1),
              Cents(z.Stand))
        << k;
    if (z.Art == TPlanZeile::zaSondertilgung) continue;
    if (plan.Art == TPlanArt::Darlehen) {
      ASSERT_EQ(Cents(z.Zinsen) + Cents(z.Aenderung), Cents(z.Zahlung)) << k;
    } else {
      ASSERT_EQ(vorzeichen * Cents(z.Zahlung) + Cents(z.Zinsen), Cents(z.Aenderung)) << k;
    }
  }
  EXPECT_EQ(Cents(plan.Summe.Zahlung), zahlung);
  EXPECT_EQ(Cents(plan.Summe.Zinsen), zinsen);
  EXPECT_EQ(Cents(plan.Summe.Aenderung), aenderung);
  EXPECT_EQ(Cents(plan.JeJahr.back().Stand), Cents(plan.JeZahlung.back().Stand));
}

// The texts of one page, given in a fixed order: K (loan, present value or
// starting capital), p, nj, nm, R, Kn, knj, knm; nullptr leaves a field empty.
// R is given per month and scaled to the payment frequency.
TPlanSeite Seite(const char* key, int gesucht, std::initializer_list<const char*> texte, int zahlungsweise = 0) {
  TPlanSeite s{QString::fromLatin1(key), gesucht, {}, zahlungsweise, {}, {}};
  const QStringList symbole{"K", "p", "nj", "nm", "R", "Kn", "knj", "Knm"};
  for (const TFeld& f : Seiten::Finden(s.Key)->Felder) {
    const QString symbol = f.Name.mid(f.Name.indexOf(u'_') + 1).chopped(4);  // "AnnD_KFeld": "K"
    const qsizetype i = symbole.indexOf(symbol == u"BW"_qs ? u"K"_qs : symbol);
    if (i < 0 || i >= qsizetype(texte.size()) || !texte.begin()[i]) continue;
    const int m = RatenProJahr(zahlungsweise);
    s.Felder.insert(f.Name, symbol == u"R"_qs ? ZahlText(FeldWert(texte.begin()[i]) * 12 / m, 18, 2)
                                              : QString::fromUtf8(texte.begin()[i]));
  }
  return s;
}

// The page's own answer to its texts with the sought quantity `gesucht`: its
// case run through its record, the results written in as the window does.
QHash<QString, QString> Seitenergebnis(const TPlanSeite& s, int gesucht) {
  const TSeite& seite = *Seiten::Finden(s.Key);
  QStringList texte;
  for (const TFeld& f : seite.Felder) texte << s.Felder.value(f.Name);
  QHash<QString, QString> ergebnis = s.Felder;
  const TFall& fall = seite.Gesucht[static_cast<std::size_t>(gesucht)].Fall;
  for (const auto& [feld, text] : Rechnen(fall, texte, RatenProJahr(s.ZahlungsweiseIndex)))
    ergebnis.insert(seite.Felder[static_cast<std::size_t>(feld)].Name, text.trimmed());
  return ergebnis;
}

class Zahlungsplan : public MitZahlenformat {};

// Every case runs with each payment frequency. A loan and a pension end at 0,
// savings at the page's end capital (given or computed by the page), a loan's
// debt at the "nach" time is the page's residual debt, to the cent. Every
// sought quantity of every page either has its rows here or has no plan.
TEST_F(Zahlungsplan, EndstandWieDieSeite) {
  const char* ungueltig = "Ungültige Gleitkommaoperation";
  const char* zuLang = "Ein Zahlungsplan reicht über höchstens 100 Jahre; diese Laufzeit ist länger.";
  const char* nullNull = "Für einen Zinssatz von 0 % gibt es keinen Zahlungsplan.";
  // clang-format off
  const struct { const char* Key; int Gesucht; std::initializer_list<const char*> Texte; const char* Fehler; }
  faelle[] = {
      {"ZiZiE", 3, {"1000", "5", "10", "0"}, nullptr},
      {"ZiZiE", 3, {"2500", "-2", "7", "5"}, nullptr},
      {"ZiZiE", 1, {"1000", nullptr, "10", "0", nullptr, "2000"}, nullptr},
      {"ZiZiE", 2, {"1000", "7", nullptr, nullptr, nullptr, "2000"}, nullptr},
      {"ZiZiE", 0, {nullptr, "5", "100", "0", nullptr, "1628,89"}, nullptr},
      {"ZiZiR", 2, {nullptr, "3", "0", "5", "50"}, nullptr},
      {"ZiZiR", 0, {nullptr, "5", "100", "0", nullptr, "10000"}, nullptr},
      {"ZiZiR", 1, {nullptr, "5", nullptr, nullptr, "100", "20000"}, nullptr},
      {"BW", 0, {"100000", "6", "20", "3"}, nullptr},
      {"BW", 1, {"50000", "6", nullptr, nullptr, "500"}, nullptr},
      {"BW", 2, {nullptr, "-2", "100", "0", "500"}, nullptr},
      {"AnnD", 2, {"100000", "6", "10", "0", nullptr, nullptr, "5", "0"}, nullptr},
      {"AnnD", 0, {nullptr, "6", "10", "0", "1110,21"}, nullptr},
      {"AnnD", 3, {"100000", "6", nullptr, nullptr, "1110,21", nullptr, "5", "7"}, nullptr},
      {"AnnD", 1, {"100000", "6", nullptr, nullptr, "1110,21", nullptr, "9", "11"}, nullptr},
      {"AnnD", 2, {"250000", "-0,5", "30", "8"}, nullptr},
      // The rate sought: found from the figures given, it ends the plan at them.
      {"ZiZiR", 3, {nullptr, nullptr, "10", "0", "100", "15439,36"}, nullptr},
      {"BW", 3, {"70712,06", nullptr, "20", "0", "500"}, nullptr},
      {"AnnD", 4, {"100000", nullptr, "10", "0", "1110,21"}, nullptr},
      {"ZiZiR", 2, {nullptr, "0", "10", "0", "100"}, ungueltig},
      {"BW", 2, {nullptr, "6", "20", nullptr, "500"}, "Zur Berechnung müssen alle Felder eingegeben werden!"},
      {"ZiZiE", 3, {"1000", "5", "100", "1"}, zuLang},
      {"AnnD", 1, {"100000", "1", nullptr, nullptr, "90"}, zuLang},
      {"ZiZiE", 2, {"1000", "5", nullptr, nullptr, nullptr, "500"},
       "Für eine Laufzeit von 0 oder weniger gibt es keinen Zahlungsplan."},
      {"AnnD", 3, {"100000", "6", nullptr, nullptr, "400", nullptr, "5", "0"},
       "Die Rate ist nicht höher als die Zinsen eines Zahlungszeitraums; so wird das Darlehen nie getilgt."},
      {"eZi", 3, {"1000", "5", "1", "0"}, "Für diese Frage gibt es keinen Zahlungsplan."},
      // Payments that only add up: the page cannot compute at 0 %, nor can the plan.
      {"ZiZiR", 3, {nullptr, nullptr, "10", "0", "100", "12000"}, nullNull},
      {"BW", 3, {"12000", nullptr, "10", "0", "100"},
       "Zu diesen Werten gibt es keinen Zinssatz: Der Barwert ist nicht kleiner als alle Entnahmen zusammen."},
      {"AnnD", 4, {"12000", nullptr, "10", "0", "100"},
       "Zu diesen Werten gibt es keinen Zinssatz: Die Raten zahlen zusammen nicht mehr zurück, als geliehen wurde."},
  };
  // clang-format on
  std::set<std::pair<QString, int>> geplant;
  for (const auto& f : faelle)
    for (int zahlungsweise = 0; zahlungsweise < 4; ++zahlungsweise) {
      const TPlanSeite seite = Seite(f.Key, f.Gesucht, f.Texte, zahlungsweise);
      SCOPED_TRACE(testing::Message() << "Fall " << &f - faelle << ", m=" << RatenProJahr(zahlungsweise));
      try {
        const TPlanEingabe e = PlanEingabe(seite);
        const TZahlungsplan plan = ZahlungsplanBerechnen(e);
        ASSERT_EQ(f.Fehler, nullptr);
        geplant.insert({seite.Key, seite.GesuchtIndex});
        EXPECT_EQ(plan.JeJahr.back().Stand.Wert(), plan.JeZahlung.back().Stand.Wert());
        TPlanSeite seitenwerte = seite;
        seitenwerte.Felder = Seitenergebnis(seite, seite.GesuchtIndex);
        if (e.Art == TPlanArt::Rente || e.Art == TPlanArt::Darlehen)
          EXPECT_LT(std::fabs(double(plan.JeJahr.back().Stand.Wert())), 0.005);
        else
          EXPECT_EQ(Cent(plan.JeJahr.back().Stand),
                    Cent(FeldWert(seitenwerte.Felder.value(seite.Key + u"_KnFeld"_qs))));
        EXPECT_EQ(int(plan.JeJahr.size()) - 1, int(std::ceil(e.n.Wert() - 1e-9)));
        const bool darlehen = e.Art == TPlanArt::Darlehen;
        if (darlehen) {
          EXPECT_EQ(Cent(plan.Summe.Aenderung), Cent(e.K));  // the whole loan is repaid
          // The page computes the debt from the loan and the instalment as written.
          if (e.Zinsbindung && seite.Felder.contains(u"AnnD_KFeld"_qs) && seite.Felder.contains(u"AnnD_RFeld"_qs)) {
            EXPECT_EQ(Cent(RestschuldNach(e, {}, *e.Zinsbindung)),
                      Cent(FeldWert(Seitenergebnis(seitenwerte, 3).value(u"AnnD_KnFeld"_qs))));
          }
        }
        // In cents every row adds up, and the plan ends close to the exact
        // plan of the same amounts in cents: each credit may round by half a
        // cent, which grows with the interest that follows.
        const TZahlungsplan cent = ZahlungsplanBerechnen(e, {}, std::nullopt, true);
        RechnetInCent(cent);
        TPlanEingabe gerundet = e;
        gerundet.K = Ext(Cents(e.K)) / 100;
        gerundet.R = Ext(Cents(e.R)) / 100;
        const long double ende = ZahlungsplanBerechnen(gerundet).JeZahlung.back().Stand.Wert();
        const long double wachstum = std::max(1.0L, std::pow(1 + e.p.Wert() / 100, e.n.Wert()));
        // A loan and a pension are used up: the last payment is what is left.
        if (darlehen || e.Art == TPlanArt::Rente) {
          EXPECT_EQ(Cents(cent.JeZahlung.back().Stand), 0);
        } else {
          EXPECT_NEAR(double(cent.JeZahlung.back().Stand.Wert()), double(ende), 0.01 * (e.n.Wert() + 1) * wachstum);
        }
        const TPlanZeile &c = cent.JeZahlung.back(), g = plan.JeZahlung.back();
        EXPECT_EQ(CentAbweichung(cent, plan, u"DM"_qs).isEmpty(),
                  darlehen || e.Art == TPlanArt::Rente ? c.Nummer == g.Nummer && Cent(c.Zahlung) == Cent(g.Zahlung)
                                                       : Cent(c.Stand) == Cent(g.Stand));
      } catch (const EFehler& fehler) {
        EXPECT_EQ(fehler.Text(), QString::fromUtf8(f.Fehler ? f.Fehler : "(kein Fehler)"));
      }
    }
  for (const TSeite& seite : Seiten::Alle())
    for (int i = 0; i < static_cast<int>(seite.Gesucht.size()); ++i) {
      SCOPED_TRACE(testing::Message() << seite.Key.toStdString() << ' ' << i);
      if (seite.Gesucht[static_cast<std::size_t>(i)].Plan)
        EXPECT_TRUE(geplant.count({seite.Key, i}));
      else
        EXPECT_THROW(PlanEingabe({seite.Key, i, {}, 0, {}, {}}), EPlanFehler);
    }
}

// Where the plan in cents ends on another figure than the exact plan, the
// line under the table names both; a 30-year loan adds up in every row in
// cents, where exactly many rows miss a cent.
TEST_F(Zahlungsplan, InCent) {
  // clang-format off
  const struct { const char* Key; int Gesucht; std::initializer_list<const char*> Texte; int Zahlungsweise;
                 int Zeilen; const char* Hinweis; }
  faelle[] = {
      // The instalment rounded down leaves a remainder for a 361st.
      {"AnnD", 2, {"250000", "4,5", "30", "0"}, 0, 128,
       "In Cent gerechnet endet der Plan mit der 361. Rate über 2,62 DM; die Formel der Seite mit der 360. Rate über "
       "1.266,71 DM."},
      {"AnnD", 1, {"200000", "2", nullptr, nullptr, "833,33"}, 0, 0,
       "In Cent gerechnet endet der Plan mit der 307. Rate über 627,13 DM; die Formel der Seite mit der 307. Rate über "
       "626,80 DM."},
      {"ZiZiE", 3, {"1000", "5", "10", "0"}, 0, 0,
       "In Cent gerechnet endet der Plan bei 1.628,91 DM; die Formel der Seite ergibt 1.628,89 DM."},
      {"ZiZiE", 3, {"1000", "10", "2", "0"}, 0, 0, ""},
      {"ZiZiR", 2, {nullptr, "3", "20", "0", "50"}, 0, 0,
       "In Cent gerechnet endet der Plan bei 16.343,89 DM; die Formel der Seite ergibt 16.343,91 DM."},
      // A part year: the formula's growth of 7 months on the balance in cents.
      {"ZiZiR", 2, {nullptr, "5", "2", "7", "100"}, 1, 0,
       "In Cent gerechnet endet der Plan bei 3.284,35 DM; die Formel der Seite ergibt 3.284,34 DM."},
      {"BW", 0, {"100000", "6", "20", "3"}, 0, 0,
       "In Cent gerechnet endet der Plan mit der 243. Entnahme über 702,51 DM; die Formel der Seite mit der 243. "
       "Entnahme über 702,49 DM."},
  };
  // clang-format on
  for (const auto& f : faelle) {
    SCOPED_TRACE(testing::Message() << "Fall " << &f - faelle);
    const TPlanEingabe e = PlanEingabe(Seite(f.Key, f.Gesucht, f.Texte, f.Zahlungsweise));
    const TZahlungsplan genau = ZahlungsplanBerechnen(e), cent = ZahlungsplanBerechnen(e, {}, std::nullopt, true);
    RechnetInCent(cent);
    // Rows that do not add up to the cent as shown.
    int falsch = 0;
    for (const TPlanZeile& z : genau.JeZahlung)
      if (z.Art == TPlanZeile::zaZahlung && e.Art == TPlanArt::Darlehen)
        falsch += Cents(z.Zinsen) + Cents(z.Aenderung) != Cents(z.Zahlung);
    EXPECT_EQ(falsch, f.Zeilen);
    EXPECT_EQ(CentAbweichung(cent, genau, u"DM"_qs), QString::fromUtf8(f.Hinweis));
  }
}

// Year 1 of a monthly loan, the rows of a part year and the rows of a
// savings plan, where interest is credited at the end of each year.
TEST_F(Zahlungsplan, Zeilen) {
  const TZahlungsplan darlehen = ZahlungsplanBerechnen(PlanEingabe(Seite("AnnD", 2, {"100000", "6", "10", "0"})));
  ASSERT_EQ(darlehen.JeZahlung.size(), 121u);
  const TPlanZeile& jahr1 = darlehen.JeJahr[1];
  EXPECT_EQ(Cent(jahr1.Zahlung) + Cent(jahr1.Zinsen) + Cent(jahr1.Stand), "13.322,46 5.795,24 92.472,78 ");

  // 2 years 7 months, quarterly (300 each): 8 + 2 payments and a third of one at the end.
  const TZahlungsplan teil = ZahlungsplanBerechnen(PlanEingabe(Seite("ZiZiR", 2, {nullptr, "5", "2", "7", "100"}, 1)));
  ASSERT_EQ(teil.JeZahlung.size(), 12u);
  const TPlanZeile& ende = teil.JeZahlung.back();
  EXPECT_EQ(ende.Art, TPlanZeile::zaEnde);
  EXPECT_EQ(Cent(ende.Zahlung), QStringLiteral("100,00 "));
  EXPECT_EQ(teil.JeJahr.size(), 4u);
  for (const TPlanZeile& z : teil.JeZahlung) {
    const bool jahresende = z.Nummer % 4 == 0 || z.Art == TPlanZeile::zaEnde;
    EXPECT_EQ(z.Zinsen.Wert() != 0, jahresende && z.Art != TPlanZeile::zaBeginn) << z.Nummer;
  }
}

// A yearly extra repayment shortens the loan; the plan, the residual debt and
// the totals agree.
TEST_F(Zahlungsplan, Sondertilgung) {
  const TPlanEingabe e = PlanEingabe(Seite("AnnD", 2, {"10000", "5", "3", "0"}, 3));
  const TZahlungsplan ohne = ZahlungsplanBerechnen(e);
  const TZahlungsplan mit = ZahlungsplanBerechnen(e, {2000, 1});
  // The term, the interest, and the interest saved.
  EXPECT_EQ(Cent(mit.Laufzeit) + Cent(mit.Summe.Zinsen) + Cent(ohne.Summe.Zinsen - mit.Summe.Zinsen),
            QStringLiteral("2,00 741,40 274,86 "));
  EXPECT_EQ(Cent(mit.Summe.Aenderung), Cent(e.K));
  EXPECT_EQ(Cent(RestschuldNach(e, {2000, 1}, 1)), Cent(mit.JeJahr[1].Stand));
  // From a year after the end it changes nothing.
  EXPECT_EQ(ZahlungsplanBerechnen(e, {2000, 4}).JeZahlung.size(), ohne.JeZahlung.size());

  // Any time at all: past the end the debt is 0, a negative time is refused,
  // NaN is an invalid operation; a term beyond the plan's bound is refused
  // before any row is counted.
  const long double unendlich = std::numeric_limits<long double>::infinity();
  const char* negativ = "Die Zinsbindung kann nicht negativ sein.";
  const std::pair<long double, const char*> faelle[] = {
      {50, "0,00 "},         {1e4000L, "0,00 "},
      {unendlich, "0,00 "},  {-1, negativ},
      {-unendlich, negativ}, {std::numeric_limits<long double>::quiet_NaN(), "Ungültige Gleitkommaoperation"}};
  const auto ergebnis = [&](long double t) {
    try {
      return Cent(RestschuldNach(e, {2000, 1}, t));
    } catch (const EFehler& fehler) {
      return fehler.Text();
    }
  };
  for (const auto& [t, text] : faelle) EXPECT_EQ(ergebnis(t), QString::fromUtf8(text)) << double(t);
  TPlanEingabe endlos = e;
  endlos.n = 1e4000L;
  EXPECT_THROW(RestschuldNach(endlos, {}, 5), EPlanFehler);
}

// After the fixed-rate period the instalment runs on at the follow-up rate
// until the debt is repaid: the same rate changes nothing, a higher one
// lengthens the plan, one the instalment does not cover is refused.
TEST_F(Zahlungsplan, Anschlusszins) {
  const TPlanEingabe e = PlanEingabe(Seite("AnnD", 2, {"10000", "5", "3", "0"}, 3));
  const TZahlungsplan ohne = ZahlungsplanBerechnen(e);
  const TZahlungsplan gleich = ZahlungsplanBerechnen(e, {}, TAnschluss{1, 5});
  EXPECT_EQ(gleich.JeZahlung.size(), ohne.JeZahlung.size());
  EXPECT_EQ(Cent(gleich.Summe.Zinsen), Cent(ohne.Summe.Zinsen));
  for (const auto& [p, laenger] : {std::pair{8, true}, {2, false}}) {
    const TZahlungsplan mit = ZahlungsplanBerechnen(e, {}, TAnschluss{1, p});
    EXPECT_EQ(Cent(mit.JeJahr[1].Stand), Cent(ohne.JeJahr[1].Stand)) << p;
    EXPECT_EQ(Cent(mit.JeJahr[2].Zinsen), Cent(ohne.JeJahr[1].Stand * p / 100)) << p;
    EXPECT_EQ(mit.Laufzeit > Ext(3), laenger) << p;
    EXPECT_EQ(Cent(mit.JeZahlung.back().Stand), QStringLiteral("0,00 ")) << p;
    EXPECT_EQ(Cent(mit.Summe.Aenderung), Cent(e.K)) << p;
  }
  EXPECT_THROW(ZahlungsplanBerechnen(e, {}, TAnschluss{1, 60}), EPlanFehler);
}

// Without fees the effective rate is the nominal rate compounded per period,
// whatever the term, a part period at the end or an extra repayment.
TEST_F(Zahlungsplan, Effektivzins) {
  for (int zahlungsweise = 0; zahlungsweise < 4; ++zahlungsweise)
    for (const char* p : {"6", "-2", "12,5"}) {
      const int m = RatenProJahr(zahlungsweise);
      const long double erwartet = (std::pow(1 + FeldWert(p) / m / 100, m) - 1) * 100;
      for (const TSondertilgung& s : {TSondertilgung{}, TSondertilgung{5000, 2}}) {
        const TPlanEingabe e = PlanEingabe(Seite("AnnD", 1, {"100000", p, nullptr, nullptr, "1500"}, zahlungsweise));
        const auto x = Effektivzins(e, ZahlungsplanBerechnen(e, s));
        ASSERT_TRUE(x) << p << ' ' << m;
        EXPECT_NEAR(double(x->Wert()), double(erwartet), 1e-9) << p << ' ' << m;
      }
    }
}

TEST(Nullstelle, BrentInDenGrenzen) {
  EXPECT_NEAR(double(*Nullstelle([](long double x) { return x * x - 2; }, 0, 2)), std::sqrt(2.0), 1e-15);
  EXPECT_NEAR(double(*Nullstelle([](long double x) { return std::tanh(50 * (x - 0.3L)); }, -1, 1)), 0.3, 1e-15);
  EXPECT_EQ(*Nullstelle([](long double x) { return x; }, 0, 1), 0.0L);
  EXPECT_FALSE(Nullstelle([](long double x) { return x * x + 1; }, -1, 1));
  EXPECT_FALSE(Nullstelle([](long double x) { return x < 0.5L ? -1 : NAN; }, 0, 1));
}

}  // namespace
