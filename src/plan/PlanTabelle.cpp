#include "plan/PlanTabelle.h"

#include <QFont>

namespace {

QString Betrag(Ext wert, bool csv) {
  QString text = ZahlText(wert.Wert(), 18, 2).trimmed();
  if (!csv) return text;
  // Spreadsheets read a decimal comma whatever the program's regional settings are.
  const Zahlenformat& f = AktuellesZahlenformat();
  QString zahl = ZahlTextEinfach(wert.Wert(), 2);
  zahl.remove(f.Tausendertrenner);
  zahl.replace(f.Dezimaltrenner, QLatin1Char(','));
  return zahl;
}

QString CsvFeld(const QString& text) {
  if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
    return text;
  return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

}  // namespace

TPlanModell::TPlanModell(QObject* parent) : QAbstractTableModel(parent) {}

void TPlanModell::Setzen(const TZahlungsplan* plan, bool jeZahlung) {
  beginResetModel();
  FPlan = plan;
  FJeZahlung = jeZahlung;
  endResetModel();
}

const std::vector<TPlanZeile>& TPlanModell::Zeilen() const { return FJeZahlung ? FPlan->JeZahlung : FPlan->JeJahr; }

int TPlanModell::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !FPlan) return 0;
  return static_cast<int>(Zeilen().size()) + 1;
}

int TPlanModell::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : spAnzahl; }

QStringList TPlanModell::Kopf() const {
  if (!FPlan) return {};
  const TPlanArt art = FPlan->Art;
  const bool darlehen = art == TPlanArt::Darlehen;
  QString zeit = QStringLiteral("Jahr");
  if (FJeZahlung && FPlan->m == 12) zeit = QStringLiteral("Monat");
  if (FJeZahlung && FPlan->m == 4) zeit = QStringLiteral("Quartal");
  if (FJeZahlung && FPlan->m == 2) zeit = QStringLiteral("Halbjahr");
  // A row per payment holds one of them.
  const QString zahlung = darlehen ? (FJeZahlung ? QStringLiteral("Rate") : QStringLiteral("Raten"))
                          : art == TPlanArt::Rente
                              ? (FJeZahlung ? QStringLiteral("Entnahme") : QStringLiteral("Entnahmen"))
                          : FJeZahlung ? QStringLiteral("Einzahlung")
                                       : QStringLiteral("Einzahlungen");
  return {zeit, zahlung, QStringLiteral("Zinsen"), darlehen ? QStringLiteral("Tilgung") : QStringLiteral("Zuwachs"),
          FJeZahlung ? QStringLiteral("Stand") : QStringLiteral("Stand am Jahresende")};
}

QString TPlanModell::Text(int zeile, int spalte, bool csv) const {
  const std::vector<TPlanZeile>& zeilen = Zeilen();
  if (zeile == static_cast<int>(zeilen.size())) {
    const TPlanZeile& s = FPlan->Summe;
    switch (spalte) {
      case spZeit: return QStringLiteral("Summe");
      case spZahlung: return Betrag(s.Zahlung, csv);
      case spZinsen: return Betrag(s.Zinsen, csv);
      case spAenderung: return Betrag(s.Aenderung, csv);
      default: return {};
    }
  }
  const TPlanZeile& z = zeilen.at(static_cast<size_t>(zeile));
  const bool beginn = z.Art == TPlanZeile::zaBeginn;
  // Only a single payment is paid at the start, and only there; an extra
  // repayment earns no interest.
  const bool einmal = FPlan->Art == TPlanArt::Einmalzahlung;
  switch (spalte) {
    case spZeit:
      switch (z.Art) {
        case TPlanZeile::zaBeginn: return QStringLiteral("Beginn");
        case TPlanZeile::zaSondertilgung: return QStringLiteral("Sondertilgung");
        case TPlanZeile::zaEnde: return QStringLiteral("Ende");
        default: return QString::number(z.Nummer);
      }
    case spZahlung: return beginn == einmal ? Betrag(z.Zahlung, csv) : QString();
    case spZinsen: return beginn || z.Art == TPlanZeile::zaSondertilgung ? QString() : Betrag(z.Zinsen, csv);
    case spAenderung: return beginn && !einmal ? QString() : Betrag(z.Aenderung, csv);
    case spStand: return Betrag(z.Stand, csv);
    default: return {};
  }
}

QStringList TPlanModell::Zeile(int zeile) const {
  QStringList texte;
  for (int spalte = 0; spalte < spAnzahl; ++spalte) texte << Text(zeile, spalte, false);
  return texte;
}

QVariant TPlanModell::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !FPlan) return {};
  switch (role) {
    case Qt::DisplayRole: return Text(index.row(), index.column(), false);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter | (index.column() == spZeit ? Qt::AlignHCenter : Qt::AlignRight));
    case Qt::FontRole:
      if (index.row() == rowCount() - 1) {
        QFont fett;
        fett.setBold(true);
        return fett;
      }
      return {};
    default: return {};
  }
}

QVariant TPlanModell::headerData(int section, Qt::Orientation orientation, int role) const {
  // A row is headed by its year or payment, also where the header is not shown.
  if (orientation == Qt::Vertical && role == Qt::DisplayRole && FPlan && section >= 0 && section < rowCount())
    return Text(section, spZeit, false);
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(section, orientation, role);
  return Kopf().value(section);
}

QByteArray TPlanModell::Csv() const {
  QByteArray csv("\xEF\xBB\xBF");
  const auto zeile = [&csv](const QStringList& felder) {
    QStringList teile;
    for (const QString& f : felder) teile << CsvFeld(f);
    csv += teile.join(QLatin1Char(';')).toUtf8() + "\r\n";
  };
  zeile(Kopf());
  for (int z = 0; z < rowCount(); ++z) {
    QStringList felder;
    for (int spalte = 0; spalte < spAnzahl; ++spalte) felder << Text(z, spalte, true);
    zeile(felder);
  }
  return csv;
}
