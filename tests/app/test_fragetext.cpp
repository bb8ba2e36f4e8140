#include <gtest/gtest.h>

#include <QString>
#include <array>

#include "app/FrageText.h"
#include "pages/Seiten.h"

namespace {

using Texte = std::array<QString, 8>;

// The note that closes every question of a page.
QString Hinweis(const char* seite) { return Seiten::Finden(QString::fromLatin1(seite))->Hinweis; }

// Distinct texts per slot, so a slot mixed up shows in the sentence.
const Texte Slots = {u"T1"_qs, u"T2"_qs, u"T3"_qs, u"T4"_qs, u"T5"_qs, u"T6"_qs, u"T7"_qs, u"T8"_qs};

// Templates with the slots of their page (the others share slots and
// pieces); empty texts read as "x"; blanks stay blanks, a money text keeps
// its trailing blank, typed braces are not expanded; the symbol is the one of
// the settings, an empty one inserted as it is.
TEST(FrageText, SetztDieTexteAnIhreStelle) {
  const Texte t = {u"1.000,00 "_qs, u"  "_qs, u"{W}"_qs, u"{1}"_qs};
  // clang-format off
  const struct { const char* Seite; int Index; Texte Werte; QString Waehrung, Erwartet; } faelle[] = {
      // No currency symbol after the last amount here.
      {"ZiZiR", 1, Slots, u"DM"_qs,
       u"Wie lange muß ich T2 einen Betrag von T1 DM einzahlen, um bei einem Zinssatz von T3 % ein Guthaben "
       u"von T6 zu erhalten?"_qs},
      {"AnnD", 3, Slots, u"DM"_qs,
       u"Wie hoch beläuft sich meine Schuld nach T7 Jahren, T8 Monaten, wenn ich ein Darlehen über T1 DM zu "
       u"T2 % Zins aufnehmen und T6 T5 DM zurückbezahle?"_qs},
      {"eZi", 3, Texte{}, u"DM"_qs,
       u"Wie hoch beläuft sich mein Guthaben nach x Jahren, x Monaten, wenn ich x DM zu x % anlege? "_qs +
           Hinweis("eZi")},
      {"ZiZiE", 3, t, u"EUR"_qs,
       u"Wie hoch beläuft sich mein Guthaben nach {W} Jahren, {1} Monaten, wenn ich 1.000,00  EUR zu    % "
       u"anlege? "_qs + Hinweis("ZiZiE")},
      {"AnnD", 1, Slots, QString(),
       u"Wie lange muß ich T6 T5  für meinen Kredit bezahlen, wenn ich T1  zu T2 % aufgenommen habe?"_qs},
      // The rate sought, on the pages that have no closed formula for it.
      {"ZiZiR", 3, Slots, u"DM"_qs,
       u"Zu welchem Zinssatz muß ich T2 T1 DM einzahlen, um nach T4 Jahren, T5 Monaten ein Guthaben von T6 DM zu "
       u"erhalten?"_qs},
      {"BW", 3, Slots, u"DM"_qs,
       u"Zu welchem Zinssatz muß ich heute T6 DM anlegen, um die nächsten T4 Jahre, T5 Monate eine \"Rente\" von "
       u"T1 DM T2 abheben zu können?"_qs},
      {"AnnD", 4, Slots, u"DM"_qs,
       u"Zu welchem Zinssatz habe ich einen Kredit über T1 DM aufgenommen, wenn ich ihn T6 mit T5 DM in T3 Jahren, "
       u"T4 Monaten tilge?"_qs},
  };
  // clang-format on
  for (const auto& f : faelle)
    EXPECT_EQ(FrageText(QString::fromLatin1(f.Seite), f.Index, f.Werte, f.Waehrung), f.Erwartet) << f.Seite;
}

TEST(FrageText, UnbekannteSeiteOderIndexGibtNichts) {
  for (const auto& [seite, index] : {std::pair{"Akt", 0}, {"ezi", 0}, {"eZi", -1}, {"eZi", 4}, {"ZiZiR", 4}})
    EXPECT_TRUE(FrageText(QString::fromLatin1(seite), index, Slots, QStringLiteral("DM")).isEmpty()) << seite << index;
}

}  // namespace
