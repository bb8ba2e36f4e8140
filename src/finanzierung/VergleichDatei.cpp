#include "finanzierung/VergleichDatei.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "calc/Fehler.h"

namespace {

const QString Format = QStringLiteral("kalvora-vergleich");

}  // namespace

void VergleichBeschaedigt() {
  throw EFehler(QStringLiteral("Die Datei ist kein Finanzierungsvergleich von Kalvora oder ist beschädigt."));
}

QByteArray VergleichDaten(const QList<TAngebotTexte>& angebote) {
  QJsonArray liste;
  for (const TAngebotTexte& a : angebote) {
    QJsonObject o;
    for (auto it = a.begin(); it != a.end(); ++it) o.insert(it.key(), it.value());
    liste.append(o);
  }
  const QJsonObject wurzel{{QStringLiteral("format"), Format},
                           {QStringLiteral("version"), VergleichVersion},
                           {QStringLiteral("angebote"), liste}};
  return QJsonDocument(wurzel).toJson(QJsonDocument::Indented);
}

QList<TAngebotTexte> VergleichLesen(const QByteArray& daten, const QStringList& felder, int anzahl) {
  QJsonParseError fehler;
  const QJsonDocument doc = QJsonDocument::fromJson(daten, &fehler);
  if (fehler.error != QJsonParseError::NoError || !doc.isObject()) VergleichBeschaedigt();
  const QJsonObject wurzel = doc.object();
  if (wurzel.value(QStringLiteral("format")).toString() != Format) VergleichBeschaedigt();
  const QJsonValue version = wurzel.value(QStringLiteral("version"));
  if (!version.isDouble() || version.toDouble() != version.toInt() || version.toInt() < 1) VergleichBeschaedigt();
  if (version.toInt() > VergleichVersion)
    throw EFehler(
        QStringLiteral("Die Datei stammt von einer neueren Version von Kalvora (Format %1) und kann nicht geöffnet "
                       "werden.")
            .arg(version.toInt()));
  const QJsonValue liste = wurzel.value(QStringLiteral("angebote"));
  if (!liste.isArray() || liste.toArray().size() > anzahl) VergleichBeschaedigt();
  QList<TAngebotTexte> angebote;
  for (const QJsonValue a : liste.toArray()) {
    if (!a.isObject()) VergleichBeschaedigt();
    TAngebotTexte texte;
    for (const QString& feld : felder) {
      const QJsonValue wert = a.toObject().value(feld);
      if (wert.isUndefined()) continue;
      if (!wert.isString()) VergleichBeschaedigt();
      texte.insert(feld, wert.toString());
    }
    angebote << texte;
  }
  return angebote;
}
