#include "app/FrageText.h"

#include <QStringView>

#include "pages/Seiten.h"

namespace {

// {1}..{8} stand for T1..T8, {W} for the currency symbol. The template is
// expanded in one pass, so braces typed by the user are never expanded.
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
  const TSeite* seite = Seiten::Finden(seitenKey);
  if (!seite || index < 0 || index >= static_cast<int>(seite->Gesucht.size())) return {};
  const QString& vorlage = seite->Gesucht[static_cast<std::size_t>(index)].Frage;
  if (vorlage.isEmpty()) return {};
  return Einsetzen(vorlage, t, waehrung) + seite->Hinweis;
}
