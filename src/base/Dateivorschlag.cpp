#include "base/Dateivorschlag.h"

#include <QAbstractButton>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

QString Dokumentenordner() {
  const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return ordner.isEmpty() || !QDir(ordner).exists() ? QDir::homePath() : ordner;
}

QString DateiVorschlag(const QString& ordner, const QString& titel, const QString& endung) {
  QString seite;
  for (const QChar z : titel) {
    if (z.isLetterOrNumber())
      seite += z;
    else if (!seite.isEmpty() && !seite.endsWith(QLatin1Char('-')))
      seite += QLatin1Char('-');
  }
  while (seite.endsWith(QLatin1Char('-'))) seite.chop(1);
  QString stamm = QStringLiteral("Kalvora-");
  if (!seite.isEmpty()) stamm += seite + QLatin1Char('-');
  stamm += QDate::currentDate().toString(Qt::ISODate);
  const QDir dir(ordner);
  const QString punkt = QLatin1Char('.') + endung;
  QString datei = dir.filePath(stamm + punkt);
  for (int nummer = 2; QFileInfo::exists(datei); ++nummer)
    datei = dir.filePath(stamm + QStringLiteral("-%1").arg(nummer) + punkt);
  return datei;
}

QString SpeicherdateiErfragen(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter) {
  QString datei = vorschlag;
  for (;;) {
    // The dialog's own question is switched off: it would ask in its own words.
    datei = QFileDialog::getSaveFileName(eltern, titel, datei, filter, nullptr, QFileDialog::DontConfirmOverwrite);
    if (datei.isEmpty()) return {};
    if (QFileInfo(datei).suffix().isEmpty()) datei += QLatin1Char('.') + QFileInfo(vorschlag).suffix();
    if (!QFileInfo::exists(datei)) return datei;
    QMessageBox frage(
        QMessageBox::Question, QStringLiteral("Datei ersetzen"),
        QStringLiteral("Die Datei „%1“ gibt es schon.\nSoll sie ersetzt werden?").arg(QDir::toNativeSeparators(datei)),
        QMessageBox::Yes | QMessageBox::No, eltern);
    frage.button(QMessageBox::Yes)->setText(QStringLiteral("&Ersetzen"));
    frage.button(QMessageBox::No)->setText(QStringLiteral("&Nicht ersetzen"));
    frage.setDefaultButton(QMessageBox::No);
    if (frage.exec() == QMessageBox::Yes) return datei;
  }
}
