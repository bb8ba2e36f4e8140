#include "app/Seitenbau.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpacerItem>

#include "app/Zeilenlabel.h"
#include "pages/Seite.h"

namespace {

QSpacerItem* Dehnung(Qt::Orientation richtung) {
  return richtung == Qt::Horizontal ? new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum)
                                    : new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

QSpacerItem* Abstand(int breite, int hoehe) {
  return new QSpacerItem(breite, hoehe, breite ? QSizePolicy::Fixed : QSizePolicy::Minimum,
                         hoehe ? QSizePolicy::Fixed : QSizePolicy::Minimum);
}

QLabel* Beschriftung(QWidget* blatt, const QString& name, const QString& text, QWidget* buddy) {
  auto* label = new TZeilenlabel(blatt);
  label->setObjectName(name);
  label->setText(text);
  // A caption with a mnemonic leads to its field.
  if (text.contains(QLatin1Char('&'))) label->setBuddy(buddy);
  return label;
}

QComboBox* Liste(QWidget* blatt, const QString& name, const QStringList& eintraege) {
  auto* liste = new QComboBox(blatt);
  liste->addItems(eintraege);
  liste->setObjectName(name);
  return liste;
}

}  // namespace

QWidget* SeiteBauen(const TSeite& seite) {
  const QString& key = seite.Key;
  auto* blatt = new QWidget();
  blatt->setObjectName(key + QStringLiteral("_TabSheet"));
  auto* spalte = new QVBoxLayout(blatt);
  spalte->setObjectName(key + QStringLiteral("_Layout"));

  auto* kopf = new QHBoxLayout();
  kopf->setObjectName(key + QStringLiteral("_Kopfzeile"));
  auto* gesuchtLabel = new TZeilenlabel(blatt);
  gesuchtLabel->setObjectName(key + QStringLiteral("_GesuchtLabel"));
  kopf->addWidget(gesuchtLabel);
  QStringList gesucht;
  for (const TGesucht& g : seite.Gesucht) gesucht << g.Name;
  auto* gesuchtListe = Liste(blatt, seite.Gesuchtliste, gesucht);
  kopf->addWidget(gesuchtListe);
  kopf->addItem(Dehnung(Qt::Horizontal));
  spalte->addLayout(kopf);
  spalte->addItem(Abstand(0, 6));
  gesuchtLabel->setText(QStringLiteral("&Gesuchte Größe:"));
  gesuchtLabel->setBuddy(gesuchtListe);

  auto* raster = new QGridLayout();
  raster->setObjectName(key + QStringLiteral("_Felder"));
  raster->setHorizontalSpacing(6);
  QHBoxLayout* zeile = nullptr;
  int zeilen = 0;
  const auto zeileSchliessen = [&] {
    if (!zeile) return;
    zeile->addItem(Dehnung(Qt::Horizontal));
    raster->addLayout(zeile, zeilen++, 1, 1, 1);
  };
  QStringList zahlungsweisen;
  for (const TZahlungsweise& z : Zahlungsweisen) zahlungsweisen << QString::fromUtf8(z.Name);
  for (const TFeld& f : seite.Felder) {
    QLabel* beschriftung = nullptr;
    // A first field without a caption still opens a row (a record that does
    // this is refused by the record check; the page must not fall over).
    if (!f.Beschriftung.isEmpty() || !zeile) {
      zeileSchliessen();
      if (!f.Beschriftung.isEmpty()) {
        beschriftung = new TZeilenlabel(blatt);
        beschriftung->setObjectName(f.Name + QStringLiteral("Label"));
        raster->addWidget(beschriftung, zeilen, 0, 1, 1);
      }
      zeile = new QHBoxLayout();
      zeile->setObjectName(f.Name + QStringLiteral("Zeile"));
    } else {
      zeile->addItem(Abstand(12, 0));
    }
    QWidget* feld = nullptr;
    if (f.Art == TFeldart::Liste) {
      feld = Liste(blatt, f.Name, zahlungsweisen);
      zeile->addWidget(feld);
    } else {
      auto* zahl = new QLineEdit(blatt);
      zahl->setObjectName(f.Name);
      zahl->setMinimumSize(QSize(f.Breite, 0));
      zahl->setMaximumSize(QSize(f.Breite, QWIDGETSIZE_MAX));
      zahl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (!f.Vorlesename.isEmpty()) zahl->setAccessibleName(f.Vorlesename);
      zeile->addWidget(zahl);
      zeile->addWidget(Beschriftung(blatt, f.Einheitname, f.Einheit, zahl));
      feld = zahl;
    }
    if (beschriftung) {
      beschriftung->setText(f.Beschriftung);
      beschriftung->setBuddy(feld);
    }
  }
  zeileSchliessen();
  spalte->addLayout(raster);
  spalte->addItem(Abstand(0, 6));

  auto* box = new QGroupBox(blatt);
  box->setObjectName(key + QStringLiteral("_FrageBox"));
  box->setTitle(QStringLiteral(" Diese Berechnung beantwortet die Frage: "));
  auto* boxLayout = new QVBoxLayout(box);
  boxLayout->setObjectName(key + QStringLiteral("_FrageLayout"));
  auto* frage = new QLabel(box);
  frage->setObjectName(key + QStringLiteral("_FrageLabel"));
  frage->setMinimumSize(QSize(384, seite.Fragehoehe));
  frage->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
  frage->setWordWrap(true);
  boxLayout->addWidget(frage);
  spalte->addWidget(box);
  spalte->addItem(Dehnung(Qt::Vertical));
  return blatt;
}
