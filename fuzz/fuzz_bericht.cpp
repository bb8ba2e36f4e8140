// Arbitrary field texts into the report of every page: the report texts keep
// their cells apart whatever the fields hold, and the preview window writes
// them into the page printer without a crash or a hang, however long they are.
#include <QApplication>
#include <QLocale>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "print/PagePrnt.h"
#include "report/uDruck.h"
#include "report/uDruck_Texte.h"

namespace {

TfrmDruckVorschau* vorschau = nullptr;

struct TSeite {
  const char* Key;
  const char* Praefix;
  std::array<const char*, 14> Felder;
};
// The fields the report reads, page by page.
constexpr std::array<TSeite, 9> Seiten{{
    {"eZi", "", {"KFeld", "pFeld", "njFeld", "nmFeld", "KnFeld"}},
    {"ZiZiE", "ZiZiE_", {"KFeld", "pFeld", "njFeld", "nmFeld", "KnFeld"}},
    {"ZiZiR", "ZiZiR_", {"RFeld", "pFeld", "njFeld", "nmFeld", "KnFeld"}},
    {"BW", "BW_", {"RFeld", "BWFeld", "pFeld", "njFeld", "nmFeld"}},
    {"AnnD", "AnnD_", {"KFeld", "RFeld", "pFeld", "njFeld", "nmFeld", "knjFeld", "KnmFeld", "KnFeld"}},
    {"MWST", "MWST_", {"Netto", "MWSTDM", "brutto", "MWSTprozent"}},
    {"Akt",
     "Akt_",
     {"Kurs", "Stueck", "Name", "MindGeb", "GrundGeb", "Geb", "MaklerGeb", "ErgStueck", "ErgKurs", "ErgKW", "ErgMakGeb",
      "ErgBankGeb", "ErgGesamt", "ErgGewinn"}},
    {"Euro",
     "",
     {"Oesterreich", "Belgien", "Deutschland", "Spanien", "Euro", "Finnland", "Frankreich", "Irland", "Italien",
      "Luxemburg", "Niederlande", "Portugal"}},
    {"Info", "", {}},
}};

}  // namespace

// Fontconfig keeps its pattern caches until exit; those are not our leaks.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libfreetype.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  new QApplication(*argc, *argv);
  vorschau = new TfrmDruckVorschau(nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const TSeite& seite = Seiten[data[0] % Seiten.size()];
  // Sought item, question, currency, payment frequency, then the fields,
  // separated by NUL.
  const QStringList teile =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2)).split(QChar(0));
  TBerichtSeite s;
  s.Key = QString::fromLatin1(seite.Key);
  s.GesuchtIndex = static_cast<int8_t>(data[1]);
  s.Gesucht = teile.value(0);
  s.Frage = teile.value(1);
  s.Waehrung = teile.value(2);
  s.Zahlungsweise = teile.value(3);
  qsizetype n = 4;
  for (const char* feld : seite.Felder)
    if (feld) s.Felder.insert(QString::fromLatin1(seite.Praefix) + QString::fromLatin1(feld), teile.value(n++));

  const TBerichtTexte t = BerichtTexte(s);
  // Whatever the fields hold, a row has the cells the report put into it.
  if (t.Gesuchttext.contains(BerichtTrenner) || t.Fragetext.contains(BerichtTrenner) ||
      t.Vorgabentext.count(BerichtTrenner) > 1 || t.Ergebnistext.count(BerichtTrenner) > 1)
    std::abort();
  vorschau->DruckeErgebnis(t.Titeltext, t.Gesuchttext, t.Vorgabentext, t.Fragetext, t.Ergebnistext);
  if (vorschau->PgprntrVorschau()->PageCount() < 1) std::abort();
  return 0;
}
