#include "app/FrageText.h"

#include <QStringView>

namespace {

// Templates: {1}..{8} stand for T1..T8, {W} for the currency symbol. They are
// expanded in one pass, so braces typed by the user are never expanded.
constexpr char16_t HinweisEZi[] =
    u"\nDabei erfolgt die Zinsgutschrift am Ende der Gesamtlaufzeit, also ohne Zinseszinseffekt.";
constexpr char16_t HinweisZiZiE[] =
    u"\nDabei erfolgt die Zinsgutschrift jeweils am Jahresende, also unter Berücksichtigung des "
    u"Zinseszinseffektes.";

// Simple and compound interest on a single payment ask the same questions
// (T1 capital, T2 rate, T3 years, T4 months, T5 end capital).
constexpr const char16_t* Zinsfragen[] = {
    u"Wieviel muß ich anlegen, um bei einem Zinssatz von {2} % nach {3} Jahren, {4} Monaten ein "
    u"Gesamtguthaben von {5} {W} zu erhalten?",
    u"Welcher Zinssatz ist erforderlich, damit aus meinem Kapital von {1} {W} innerhalb von {3} Jahren, "
    u"{4} Monaten ein Gesamtkapital von {5} {W} wird?",
    u"Wie lange muß mein Kapital von {1} {W} bei einem Zinssatz von {2} % liegen bleiben, um am Ende "
    u"{5} {W} Gesamtguthaben zu haben? ",
    u"Wie hoch beläuft sich mein Guthaben nach {3} Jahren, {4} Monaten, wenn ich {1} {W} zu {2} % anlege? ",
};

// T1 instalment, T2 payment frequency, T3 rate, T4 years, T5 months, T6 end capital.
constexpr const char16_t* Ratenfragen[] = {
    u"Wieviel muß ich {2} einzahlen, um nach {4} Jahre, {5} Monate bei einem Zinssatz von {3} % ein "
    u"Guthaben von {6} {W} zu erhalten?",
    u"Wie lange muß ich {2} einen Betrag von {1} {W} einzahlen, um bei einem Zinssatz von {3} % ein "
    u"Guthaben von {6} zu erhalten?",
    u"Wie hoch beläuft sich mein Guthaben, wenn ich {4} Jahre, {5} Monate lang {2} einen Betrag von "
    u"{1} {W} spare und {3} % Zinsen bekomme?",
};

// T1 instalment, T2 payment frequency, T3 rate, T4 years, T5 months, T6 present value.
constexpr const char16_t* Barwertfragen[] = {
    u"Wieviel kann ich {2} von meinem Konto als \"Rente\" abheben, wenn das gesamte Guthaben von {6} {W} "
    u"nach {4} Jahren, {5} Monaten vollständig aufgebraucht sein soll und ich {3} % Zinsen bekomme?",
    u"Wie lange kann ich {1} {W} {2} von meinem Konto als \"Rente\" abheben, wenn sich darauf {6} {W} "
    u"Guthaben befinden und ich {3} % Zinsen erhalte?",
    u"Wieviel muß ich heute zu {3} % anlegen, um die nächsten {4} Jahre, {5} Monate eine \"Rente\" von "
    u"{1} {W} {2} abheben zu können?",
};

// T1 loan, T2 rate, T3 years, T4 months, T5 instalment, T6 payment frequency,
// T7 years and T8 months until the residual debt.
constexpr const char16_t* Darlehensfragen[] = {
    u"Wieviel Kredit kann ich zu {2} % aufnehmen, wenn ich {5} {W} {6} zurückbezahle und der Kredit nach "
    u"{3} Jahren, {4} Monaten getilgt sein soll?",
    u"Wie lange muß ich {6} {5} {W} für meinen Kredit bezahlen, wenn ich {1} {W} zu {2} % aufgenommen habe?",
    u"Wieviel muß ich {6} an Zins und Tilgung bezahlen, wenn ich einen Kredit über {1} {W} zu {2} % Zins "
    u"aufnehme und er nach {3} Jahren, {4} Monaten getilgt sein soll?",
    u"Wie hoch beläuft sich meine Schuld nach {7} Jahren, {8} Monaten, wenn ich ein Darlehen über {1} {W} "
    u"zu {2} % Zins aufnehmen und {6} {5} {W} zurückbezahle?",
};

// T1 net amount, T2 tax rate, T3 tax amount, T4 gross amount.
constexpr const char16_t* Steuerfragen[] = {
    u"Wie hoch ist der Betrag vor Addition der Mehrwertsteuer von {2} %, wenn der Bruttobetrag {4} {W} "
    u"beträgt?",
    u"Wieviel Mehrwertsteuer (in %) ist in dem Betrag von {4} {W} (brutto) enthalten, wenn sich der "
    u"Nettobetrag auf {1} {W} beläuf?",
    // The tax amount is computed from the net amount and the rate, so those are what the sentence names.
    u"Wieviel Mehrwertsteuer (in {W}) fällt auf den Nettobetrag von {1} {W} bei einem Steuersatz von "
    u"{2} % an?",
    u"Wie hoch ist der Betrag inklusive Mehrwertsteuer, wenn der Nettobetrag {1} {W} beträgt und {2} % "
    u"Steuer aufgeschlagen werden soll?",
};

struct Seite {
  QStringView Key;
  const char16_t* const* Fragen;
  int Anzahl;
  const char16_t* Hinweis;
};

template <int N>
constexpr Seite SeiteAus(QStringView key, const char16_t* const (&fragen)[N], const char16_t* hinweis = u"") {
  return {key, fragen, N, hinweis};
}

const Seite Seiten[] = {
    SeiteAus(u"eZi", Zinsfragen, HinweisEZi),  SeiteAus(u"ZiZiE", Zinsfragen, HinweisZiZiE),
    SeiteAus(u"ZiZiR", Ratenfragen),           SeiteAus(u"BW", Barwertfragen),
    SeiteAus(u"AnnD", Darlehensfragen),        SeiteAus(u"MWST", Steuerfragen),
};

QString Einsetzen(QStringView vorlage, const std::array<QString, 8>& t, const QString& waehrung) {
  QString satz;
  satz.reserve(vorlage.size() + 128);
  for (qsizetype i = 0; i < vorlage.size(); ++i) {
    if (vorlage[i] == u'{' && i + 2 < vorlage.size() && vorlage[i + 2] == u'}') {
      const QChar c = vorlage[i + 1];
      if (c == u'W') {
        satz += waehrung;
        i += 2;
        continue;
      }
      if (c >= u'1' && c <= u'8') {
        const QString& text = t[static_cast<std::size_t>(c.unicode() - u'1')];
        satz += text.isEmpty() ? QStringLiteral("x") : text;
        i += 2;
        continue;
      }
    }
    satz += vorlage[i];
  }
  return satz;
}

}  // namespace

QString FrageText(const QString& seitenKey, int index, const std::array<QString, 8>& t, const QString& waehrung) {
  for (const Seite& s : Seiten) {
    if (s.Key != seitenKey) continue;
    if (index < 0 || index >= s.Anzahl) return {};
    QString satz = Einsetzen(s.Fragen[index], t, waehrung);
    satz += QStringView(s.Hinweis);
    return satz;
  }
  return {};
}
