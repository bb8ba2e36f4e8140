#include "report/uDruck_Texte.h"

#include <QStringList>
#include <array>

#include "calc/OrvMath.h"

namespace {

const QString LF = QStringLiteral("\n");

// The value pieces a report line is made of.
class TWerte {
 public:
  TWerte(const TBerichtSeite& seite, QString praefix) : FSeite(seite), FPraefix(std::move(praefix)) {}

  QString Text(const QString& name) const { return OhneTrenner(FSeite.Felder.value(FPraefix + name)); }
  QString Betrag(const QString& name) const {
    return Text(name) + QLatin1Char(' ') + OhneTrenner(FSeite.Waehrung);
  }
  QString Satz(const QString& name) const { return Text(name) + QStringLiteral(" %"); }
  // A fee with one blank before its unit, whether or not its field was
  // formatted (a formatted amount ends in a blank).
  QString Gebuehr(const QString& name, const QString& einheit) const {
    QString text = Text(name);
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text + QLatin1Char(' ') + einheit;
  }
  QString Laufzeit(const QString& jahre, const QString& monate) const {
    return Text(jahre) + QStringLiteral(" Jahre, ") + Text(monate) + QStringLiteral(" Monate");
  }
  QString Zahlungsweise() const { return OhneTrenner(FSeite.Zahlungsweise); }

 private:
  const TBerichtSeite& FSeite;
  QString FPraefix;
};

QString Zelle(const QString& beschriftung, const QStringList& werte) {
  return beschriftung + BerichtTrenner + werte.join(LF);
}

// Simple and compound interest on a single payment share their layout.
void Zinsrechnung(const TBerichtSeite& s, const QString& praefix, bool laufzeitMitDoppelpunkt, TBerichtTexte& t) {
  const TWerte w(s, praefix);
  const QString laufzeit = w.Laufzeit(QStringLiteral("njFeld"), QStringLiteral("nmFeld"));
  const QString k = w.Betrag(QStringLiteral("KFeld")), kn = w.Betrag(QStringLiteral("KnFeld"));
  const QString p = w.Satz(QStringLiteral("pFeld"));
  switch (s.GesuchtIndex) {
    case 0:
      t.Vorgabentext = Zelle(QStringLiteral("Zinssatz:\nLaufzeit:\nEndkapital:"), {p, laufzeit, kn});
      t.Ergebnistext = k;
      break;
    case 1:
      t.Vorgabentext = Zelle(QStringLiteral("Anfangskapital:\nLaufzeit:\nEndkapital:"), {k, laufzeit, kn});
      t.Ergebnistext = p;
      break;
    case 2:
      t.Vorgabentext = Zelle(laufzeitMitDoppelpunkt ? QStringLiteral("Anfangskapital:\nZinssatz:\nEndkapital:")
                                                    : QStringLiteral("Anfangskapital:\nZinssatz:\nEndkapital"),
                             {k, p, kn});
      t.Ergebnistext = laufzeit;
      break;
    case 3:
      t.Vorgabentext = Zelle(QStringLiteral("Anfangskapital:\nZinssatz:\nLaufzeit:\n"), {k, p, laufzeit + LF});
      t.Ergebnistext = kn;
      break;
    default:
      break;
  }
}

void Ratenzahlung(const TBerichtSeite& s, TBerichtTexte& t) {
  const TWerte w(s, QStringLiteral("ZiZiR_"));
  const QString r = w.Betrag(QStringLiteral("RFeld")), kn = w.Betrag(QStringLiteral("KnFeld"));
  const QString p = w.Satz(QStringLiteral("pFeld")), z = w.Zahlungsweise();
  const QString laufzeit = w.Laufzeit(QStringLiteral("njFeld"), QStringLiteral("nmFeld"));
  switch (s.GesuchtIndex) {
    case 0:
      t.Vorgabentext = Zelle(QStringLiteral("Zahlungsart:\nZinssatz:\nLaufzeit:\nEndkapital:"), {z, p, laufzeit, kn});
      t.Ergebnistext = r;
      break;
    case 1:
      t.Vorgabentext = Zelle(QStringLiteral("Rate:\nZahlungsart:\nZinssatz:\nEndkapital:"), {r, z, p, kn});
      t.Ergebnistext = laufzeit;
      break;
    case 2:
      t.Vorgabentext = Zelle(QStringLiteral("Rate:\nZahlungsart:\nZinssatz:\nLaufzeit:"), {r, z, p, laufzeit});
      t.Ergebnistext = kn;
      break;
    default:
      break;
  }
}

void Barwert(const TBerichtSeite& s, TBerichtTexte& t) {
  const TWerte w(s, QStringLiteral("BW_"));
  const QString r = w.Betrag(QStringLiteral("RFeld")), bw = w.Betrag(QStringLiteral("BWFeld"));
  const QString p = w.Satz(QStringLiteral("pFeld")), z = w.Zahlungsweise();
  const QString laufzeit = w.Laufzeit(QStringLiteral("njFeld"), QStringLiteral("nmFeld"));
  switch (s.GesuchtIndex) {
    case 0:
      t.Vorgabentext =
          Zelle(QStringLiteral("Zahlungsweise:\nZinssatz:\nLaufzeit:\nBarwert/Kapital:"), {z, p, laufzeit, bw});
      t.Ergebnistext = r;
      break;
    case 1:
      t.Vorgabentext = Zelle(QStringLiteral("Rate:\nZahlungsweise:\nZinssatz:\nBarwert/Kapital:"), {r, z, p, bw});
      t.Ergebnistext = laufzeit;
      break;
    case 2:
      t.Vorgabentext = Zelle(QStringLiteral("Rate:\nZahlungsweise:\nZinssatz:\nLaufzeit:"), {r, z, p, laufzeit + LF});
      t.Ergebnistext = bw;
      break;
    default:
      break;
  }
}

void Darlehen(const TBerichtSeite& s, TBerichtTexte& t) {
  const TWerte w(s, QStringLiteral("AnnD_"));
  const QString k = w.Betrag(QStringLiteral("KFeld")), r = w.Betrag(QStringLiteral("RFeld"));
  const QString p = w.Satz(QStringLiteral("pFeld")), z = w.Zahlungsweise();
  const QString laufzeit = w.Laufzeit(QStringLiteral("njFeld"), QStringLiteral("nmFeld"));
  switch (s.GesuchtIndex) {
    case 0:
      t.Vorgabentext = Zelle(QStringLiteral("Zinssatz:\nLaufzeit:\nAnnD-Rate\nZahlungsweise:"), {p, laufzeit, r, z});
      t.Ergebnistext = k + LF;
      break;
    case 1:
      t.Vorgabentext = Zelle(QStringLiteral("Darlehensh\u00f6he:\nZinssatz:\nAnnD-Rate\nZahlungsweise:"), {k, p, r, z});
      t.Ergebnistext = laufzeit;
      break;
    case 2:
      t.Vorgabentext =
          Zelle(QStringLiteral("Darlehensh\u00f6he:\nZinssatz:\nLaufzeit:\nZahlungsweise:"), {k, p, laufzeit, z});
      t.Ergebnistext = r;
      break;
    case 3:
      t.Vorgabentext =
          Zelle(QStringLiteral("Darlehensh\u00f6he:\nZinssatz:\nAnnD-Rate:\nZahlungsweise:\nnach:"),
                {k, p, r, z, w.Laufzeit(QStringLiteral("knjFeld"), QStringLiteral("KnmFeld"))});
      t.Ergebnistext = w.Betrag(QStringLiteral("KnFeld"));
      break;
    default:
      break;
  }
}

void Mehrwertsteuer(const TBerichtSeite& s, TBerichtTexte& t) {
  const TWerte w(s, QStringLiteral("MWST_"));
  const QString netto = w.Betrag(QStringLiteral("Netto")), steuer = w.Betrag(QStringLiteral("MWSTDM"));
  const QString brutto = w.Betrag(QStringLiteral("brutto")), satz = w.Satz(QStringLiteral("MWSTprozent"));
  switch (s.GesuchtIndex) {
    case 0:
      t.Vorgabentext = Zelle(QStringLiteral("MwSt in %:\nMwSt in DM:\nBruttobetrag"), {satz, steuer, brutto});
      t.Ergebnistext = netto;
      break;
    case 1:
      t.Vorgabentext = Zelle(QStringLiteral("Nettobetrag:\nMwSt in DM:\nBruttobetrag"), {netto, steuer, brutto});
      t.Ergebnistext = satz;
      break;
    case 2:
      t.Vorgabentext = Zelle(QStringLiteral("Nettobetrag:\nMwSt in %:\nBruttobetrag"), {netto, satz, brutto});
      t.Ergebnistext = steuer;
      break;
    case 3:
      t.Vorgabentext = Zelle(QStringLiteral("Nettobetrag:\nMwSt in %:\nMwSt in DM:"), {netto, satz, steuer + LF});
      t.Ergebnistext = brutto;
      break;
    default:
      break;
  }
}

void Aktien(const TBerichtSeite& s, TBerichtTexte& t) {
  const TWerte w(s, QStringLiteral("Akt_"));
  t.Gesuchttext = OhneTrenner(s.Gesucht);
  const bool kauf = s.GesuchtIndex == 0;
  if (!kauf && s.GesuchtIndex != 1) return;

  t.Fragetext = kauf ? QStringLiteral(
                           "Wie gro\u00df ist meine Belastung, wenn ich nachfolgende Aktie kaufe?\n"
                           "Und ab welchem Kurs erziele ich einen Gewinn (Gewinnschwelle)?")
                     : QStringLiteral("Welchen Erl\u00f6s erziele ich, wenn ich nachfolgende Aktie verkaufe?");
  const QString waehrung = OhneTrenner(s.Waehrung), prozent = QStringLiteral("%");
  t.Vorgabentext = Zelle(QStringLiteral("Kurs:\nSt\u00fcck:\nName der Aktie:\nMindestgeb\u00fchr:\n"
                                        "Grundgeb\u00fchr:\nGeb\u00fchr in %:\nMaklergeb\u00fchr:"),
                         {w.Betrag(QStringLiteral("Kurs")), w.Text(QStringLiteral("Stueck")),
                          w.Text(QStringLiteral("Name")), w.Gebuehr(QStringLiteral("MindGeb"), waehrung),
                          w.Gebuehr(QStringLiteral("GrundGeb"), waehrung), w.Gebuehr(QStringLiteral("Geb"), prozent),
                          w.Gebuehr(QStringLiteral("MaklerGeb"), prozent) + LF});

  const QString posten = w.Text(QStringLiteral("ErgStueck")) + QStringLiteral(" St\u00fcck zu ") +
                         w.Text(QStringLiteral("ErgKurs")) + QStringLiteral(" = \n");
  QString beschriftung = kauf ? QStringLiteral("Kaufabrechnung\n") + posten +
                                    QStringLiteral("+ Maklergeb\u00fchren:\n+ Bankgeb\u00fchren:\n\n= Gesamt:\n\n"
                                                   "Gewinnschwelle:")
                              : QStringLiteral("Verkaufsabrechnung\n") + posten +
                                    QStringLiteral("- Maklergeb\u00fchren:\n- Bankgeb\u00fchren:\n\n= Gesamt:\n\n");
  QString werte = LF + w.Betrag(QStringLiteral("ErgKW")) + LF + w.Betrag(QStringLiteral("ErgMakGeb")) + LF +
                  w.Betrag(QStringLiteral("ErgBankGeb")) + LF + LF + w.Betrag(QStringLiteral("ErgGesamt")) + LF + LF;
  if (kauf) werte += w.Betrag(QStringLiteral("ErgGewinn"));
  t.Ergebnistext = beschriftung + BerichtTrenner + werte;
}

struct TEuroZeile {
  const char* Vorgabe;   // label of the rate table
  const char* Kurs;      // official rate, written for German settings
  const char* Ergebnis;  // label of the result table
  const char* Feld;      // the currency's field
};
// The rate table and the result table list the same currencies in the same order.
constexpr std::array<TEuroZeile, 12> EuroZeilen{{
    {"ATS (\u00d6sterreich)", "13,7603", "ATS (\u00d6sterreich)", "Oesterreich"},
    {"BEF (Belgien)", "40,3399", "BEF (Belgien)", "Belgien"},
    {"DM (Deutschland)", "1,95583", "DM  (Deutschland)", "Deutschland"},
    {"ESP (Spanien)", "166,386", "ESP (Spanien)", "Spanien"},
    {"EUR (Euro)", "1,000", "EUR (Euro)", "Euro"},
    {"FIM (Finnland)", "5,94573", "FIM (Finnland)", "Finnland"},
    {"FRF (Frankreich)", "6,55957", "FRF (Frankreich)", "Frankreich"},
    {"IEP (Irland)", "0,787564", "IEP (Irland)", "Irland"},
    {"ITL (Italien)", "1.936,27", "ITL (Italien)", "Italien"},
    {"LUF (Luxemburg)", "40,3399", "LUF (Luxemburg)", "Luxemburg"},
    {"NLG (Niederlande)", "2,20371", "NLG (Niederlande)", "Niederlande"},
    {"PTE (Portugal)", "200,482", "PTE (Portugal)", "Portugal"},
}};

void Euro(const TBerichtSeite& s, TBerichtTexte& t) {
  const TWerte w(s, QString());
  t.Gesuchttext = QStringLiteral("Fremdw\u00e4hrungsbetr\u00e4ge");
  t.Fragetext = QStringLiteral(
      "Welche Fremdw\u00e4hrungskurse haben denselben Wert, wenn nachfolgende Angaben verwendet werden");
  QStringList vorgabe{QStringLiteral("amtliche Umrechnungskurse:"), QStringLiteral("1 Euro entspricht:"), QString()};
  QStringList kurse{QString(), QString(), QString()};
  QStringList ergebnis, werte;
  for (const TEuroZeile& z : EuroZeilen) {
    vorgabe << QString::fromUtf8(z.Vorgabe);
    kurse << AusDeutschemZahltext(QString::fromLatin1(z.Kurs));
    ergebnis << QString::fromUtf8(z.Ergebnis);
    werte << w.Text(QString::fromUtf8(z.Feld));
  }
  t.Vorgabentext = Zelle(vorgabe.join(LF), kurse);
  t.Ergebnistext = Zelle(ergebnis.join(LF), werte);
}

}  // namespace

QString OhneTrenner(const QString& text) {
  QString ergebnis = text;
  ergebnis.replace(BerichtTrenner, QChar(0x00A6));
  return ergebnis;
}

TBerichtTexte BerichtTexte(const TBerichtSeite& s) {
  TBerichtTexte t;
  const QString& key = s.Key;
  struct TTitel {
    const char* Key;
    const char* Titel;
  };
  static constexpr std::array<TTitel, 8> Titel{{
      {"eZi", "Einfache Zinsrechnung"},
      {"ZiZiE", "Zinseszins Einmalzahlung"},
      {"ZiZiR", "Zinseszinsrechnung mit Raten-Einzahlungen"},
      {"BW", "Barwert-/ Rentenrechnung"},
      {"AnnD", "Annuit\u00e4ten-Darlehen"},
      {"MWST", "Mehrwertsteuer"},
      {"Akt", "Aktien"},
      {"Euro", "Euro"},
  }};
  bool bekannt = false;
  for (const TTitel& eintrag : Titel)
    if (key == QLatin1String(eintrag.Key)) {
      t.Titeltext = QString::fromUtf8(eintrag.Titel);
      bekannt = true;
    }
  if (!bekannt) return t;

  if (key == QLatin1String("Akt")) {
    Aktien(s, t);
    return t;
  }
  if (key == QLatin1String("Euro")) {
    Euro(s, t);
    return t;
  }
  t.Gesuchttext = OhneTrenner(s.Gesucht);
  t.Fragetext = OhneTrenner(s.Frage);
  if (key == QLatin1String("eZi"))
    Zinsrechnung(s, QString(), false, t);
  else if (key == QLatin1String("ZiZiE"))
    Zinsrechnung(s, QStringLiteral("ZiZiE_"), true, t);
  else if (key == QLatin1String("ZiZiR"))
    Ratenzahlung(s, t);
  else if (key == QLatin1String("BW"))
    Barwert(s, t);
  else if (key == QLatin1String("AnnD"))
    Darlehen(s, t);
  else if (key == QLatin1String("MWST"))
    Mehrwertsteuer(s, t);
  return t;
}
