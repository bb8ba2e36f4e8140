#include "base/Dateivorschlag.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
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
