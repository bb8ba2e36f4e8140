#include "report/uDruck_Texte.h"

#include <QStringList>
#include <algorithm>
#include <cstring>

#include "calc/Euro.h"
#include "calc/OrvMath.h"
#include "pages/Seiten.h"

namespace {

const QString LF = QStringLiteral("\n");

// The value pieces a report line is made of.
class TTexte {
 public:
  TTexte(const TBerichtSeite& seite, QString praefix) : FSeite(seite), FPraefix(std::move(praefix)) {}

  QString Text(const QString& name) const { return OhneTrenner(FSeite.Felder.value(FPraefix + name)); }
  QString Betrag(const QString& name) const { return Text(name) + QLatin1Char(' ') + OhneTrenner(FSeite.Waehrung); }
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

// The lines the pieces give, one a piece.
QStringList Zeilen(const TSeite& seite, const TTexte& w, const std::vector<TStueck>& stuecke) {
  const auto name = [&](int feld) { return seite.Felder[static_cast<std::size_t>(feld)].Name; };
  QStringList zeilen;
  for (const TStueck& st : stuecke) {
    switch (st.Art) {
      case TStueck::Betrag: zeilen << w.Betrag(name(st.Feld)); break;
      case TStueck::Satz: zeilen << w.Satz(name(st.Feld)); break;
      case TStueck::Laufzeit: zeilen << w.Laufzeit(name(st.Feld), name(st.Monate)); break;
      case TStueck::Zahlungsweise: zeilen << w.Zahlungsweise(); break;
      case TStueck::Leer: zeilen << QString(); break;
    }
  }
  return zeilen;
}

// A calculation page: the report of its record for the sought quantity.
void Rechnung(const TSeite& seite, const TBerichtSeite& s, TBerichtTexte& t) {
  t.Gesuchttext = OhneTrenner(s.Gesucht);
  t.Fragetext = OhneTrenner(s.Frage);
  if (s.GesuchtIndex < 0 || s.GesuchtIndex >= static_cast<int>(seite.Gesucht.size())) return;
  const TBericht& b = seite.Gesucht[static_cast<std::size_t>(s.GesuchtIndex)].Bericht;
  const TTexte w(s, QString());
  t.Vorgabentext = Zelle(b.Vorgaben, Zeilen(seite, w, b.Werte));
  t.Ergebnistext = Zeilen(seite, w, b.Ergebnis).join(LF);
}

void Aktien(const TBerichtSeite& s, TBerichtTexte& t) {
  const TTexte w(s, QStringLiteral("Akt_"));
  t.Gesuchttext = OhneTrenner(s.Gesucht);
  const bool kauf = s.GesuchtIndex == 0;
  if (!kauf && s.GesuchtIndex != 1) return;

  t.Fragetext = kauf ? QStringLiteral(
                           "Wie gro\u00df ist meine Belastung, wenn ich nachfolgende Aktie kaufe?\n"
                           "Und ab welchem Kurs erziele ich einen Gewinn (Gewinnschwelle)?")
                     : QStringLiteral("Welchen Erl\u00f6s erziele ich, wenn ich nachfolgende Aktie verkaufe?");
  const QString waehrung = OhneTrenner(s.Waehrung), prozent = QStringLiteral("%");
  t.Vorgabentext =
      Zelle(QStringLiteral("Kurs:\nSt\u00fcck:\nName der Aktie:\nMindestgeb\u00fchr:\n"
                           "Grundgeb\u00fchr:\nGeb\u00fchr in %:\nMaklergeb\u00fchr:"),
            {w.Betrag(QStringLiteral("Kurs")), w.Text(QStringLiteral("Stueck")), w.Text(QStringLiteral("Name")),
             w.Gebuehr(QStringLiteral("MindGeb"), waehrung), w.Gebuehr(QStringLiteral("GrundGeb"), waehrung),
             w.Gebuehr(QStringLiteral("Geb"), prozent), w.Gebuehr(QStringLiteral("MaklerGeb"), prozent) + LF});

  const QString posten = w.Text(QStringLiteral("ErgStueck")) + QStringLiteral(" St\u00fcck zu ") +
                         w.Text(QStringLiteral("ErgKurs")) + QStringLiteral(" = \n");
  QString beschriftung = kauf ? QStringLiteral("Kaufabrechnung\n") + posten +
                                    QStringLiteral(
                                        "+ Maklergeb\u00fchren:\n+ Bankgeb\u00fchren:\n\n= Gesamt:\n\n"
                                        "Gewinnschwelle:")
                              : QStringLiteral("Verkaufsabrechnung\n") + posten +
                                    QStringLiteral("- Maklergeb\u00fchren:\n- Bankgeb\u00fchren:\n\n= Gesamt:\n\n");
  QString werte = LF + w.Betrag(QStringLiteral("ErgKW")) + LF + w.Betrag(QStringLiteral("ErgMakGeb")) + LF +
                  w.Betrag(QStringLiteral("ErgBankGeb")) + LF + LF + w.Betrag(QStringLiteral("ErgGesamt")) + LF + LF;
  if (kauf) werte += w.Betrag(QStringLiteral("ErgGewinn"));
  t.Ergebnistext = beschriftung + BerichtTrenner + werte;
}

void Umrechnung(const TBerichtSeite& s, TBerichtTexte& t) {
  const TTexte w(s, QString());
  t.Gesuchttext = QStringLiteral("Fremdw\u00e4hrungsbetr\u00e4ge");
  t.Fragetext =
      QStringLiteral("Welche Fremdw\u00e4hrungskurse haben denselben Wert, wenn nachfolgende Angaben verwendet werden");
  QStringList vorgabe{QStringLiteral("amtliche Umrechnungskurse:"), QStringLiteral("1 Euro entspricht:"), QString()};
  QStringList kurse{QString(), QString(), QString()};
  QStringList ergebnis, werte;
  // The euro among the currencies, all in the order of their codes.
  std::vector<Euro::Waehrung> zeilen(Euro::Waehrungen.begin(), Euro::Waehrungen.end());
  zeilen.push_back(Euro::EuroSelbst);
  std::sort(zeilen.begin(), zeilen.end(), [](const auto& a, const auto& b) { return std::strcmp(a.Code, b.Code) < 0; });
  for (const Euro::Waehrung& z : zeilen) {
    const QString code = QString::fromLatin1(z.Code), land = QStringLiteral(" (%1)").arg(QString::fromUtf8(z.Land));
    vorgabe << code + land;
    kurse << AusDeutschemZahltext(QString::fromLatin1(z.Kurstext));
    // The result table aligns the codes.
    ergebnis << code.leftJustified(3) + land;
    werte << w.Text(QString::fromLatin1(z.Feld));
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
  const TSeite* seite = Seiten::Finden(s.Key);
  if (!seite || seite->Art == TSeitenart::Info) return t;
  t.Titeltext = seite->Berichtstitel();
  switch (seite->Art) {
    case TSeitenart::Aktien: Aktien(s, t); break;
    case TSeitenart::Euro: Umrechnung(s, t); break;
    default: Rechnung(*seite, s, t); break;
  }
  return t;
}
