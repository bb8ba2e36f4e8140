// Arbitrary field texts into the question sentence of every page and sought
// quantity: never a crash, and no placeholder of the templates is left over.
#include <QStringList>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "app/FrageText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static const char* const seiten[] = {"eZi", "ZiZiE", "ZiZiR", "BW", "AnnD", "MWST", "Akt", ""};
  const QString key = QString::fromLatin1(seiten[data[0] % 8]);
  const int index = static_cast<int8_t>(data[1]);
  // Eight field texts and the currency symbol, separated by NUL.
  const QStringList teile =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2)).split(QChar(0));
  std::array<QString, 8> t;
  for (std::size_t i = 0; i < t.size(); ++i) t[i] = teile.value(static_cast<qsizetype>(i));
  const QString waehrung = teile.value(8);

  const QString frage = FrageText(key, index, t, waehrung);
  bool geschweift = waehrung.contains(QLatin1Char('{'));
  for (const QString& text : t) geschweift = geschweift || text.contains(QLatin1Char('{'));
  if (!geschweift && frage.contains(QLatin1Char('{'))) std::abort();
  if (key.isEmpty() && !frage.isEmpty()) std::abort();
  return 0;
}
