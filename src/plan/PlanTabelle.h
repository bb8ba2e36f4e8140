#pragma once
// The plan as a table: one row per year or per payment, the totals at the
// foot. The window shows it, the printout and the CSV file take its texts.
#include <QAbstractTableModel>
#include <QByteArray>
#include <QStringList>

#include "calc/Zahlungsplan.h"

class TPlanModell : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum TSpalte { spZeit, spZahlung, spZinsen, spAenderung, spStand, spAnzahl };

  explicit TPlanModell(QObject* parent = nullptr);

  // The plan stays with the caller and must outlive its use here.
  void Setzen(const TZahlungsplan* plan, bool jeZahlung);
  bool JeZahlung() const { return FJeZahlung; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  QStringList Kopf() const;
  // The texts of a row as the window shows them; the last row holds the totals.
  QStringList Zeile(int zeile) const;
  // The table for spreadsheets: UTF-8 with a byte order mark, semicolons,
  // a header row, numbers with a decimal comma and without thousands points.
  QByteArray Csv() const;

 private:
  const std::vector<TPlanZeile>& Zeilen() const;
  QString Text(int zeile, int spalte, bool csv) const;

  const TZahlungsplan* FPlan = nullptr;
  bool FJeZahlung = false;
};
