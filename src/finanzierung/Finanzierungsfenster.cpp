#include "finanzierung/Finanzierungsfenster.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>

#include "base/Dateivorschlag.h"
#include "base/Fehlerbehandlung.h"
#include "base/Feldfarben.h"
#include "base/Fensterrolle.h"
#include "base/Zahlfeld.h"
#include "bilder/Bilder.h"
#include "settings/uEinstellungen.h"
#include "ui_Finanzierung.h"

namespace {

enum class TEinheit { Keine, Waehrung, Prozent, Jahre };

struct TZeilenart {
  const char* Feld;  // the objectName after "Angebot{i}", the key in the file
  const char* Text;
  const char* Zugang;  // the accessible name after "Angebot {i}: "
  TEinheit Einheit;
  std::optional<TZahlregel> Regel;
};

// clang-format off
const TZeilenart Zeilenarten[TfmFinanzierung::Zeilen] = {
    {"Name", "Bank / Angebot", "Name", TEinheit::Keine, std::nullopt},
    {"Betrag", "Darlehensbetrag", "Betrag", TEinheit::Waehrung, TZahlregel::DM},
    {"Sollzins", "Sollzins", "Sollzins", TEinheit::Prozent, TZahlregel::Zins},
    {"Tilgung", "Anfängliche Tilgung", "Tilgung", TEinheit::Prozent, TZahlregel::Zins},
    {"Rate", "Feste Monatsrate", "Rate", TEinheit::Waehrung, TZahlregel::DM},
    {"Zinsbindung", "Zinsbindung", "Zinsbindung", TEinheit::Jahre, TZahlregel::Int},
    {"Anschlusszins", "Anschlusszins", "Anschlusszins", TEinheit::Prozent, TZahlregel::Zins},
    {"Sondertilgung", "Sondertilgung jährlich", "Sondertilgung", TEinheit::Waehrung, TZahlregel::DM},
    {"Kosten", "Einmalige Kosten", "Kosten", TEinheit::Waehrung, TZahlregel::DM},
    // The results, in the order of TKennzahl.
    {"Monatsrate", "Monatsrate", "Monatsrate", TEinheit::Waehrung, std::nullopt},
    {"AnfTilgung", "Anfängliche Tilgung", "anfängliche Tilgung", TEinheit::Prozent, std::nullopt},
    {"ZinsenBindung", "Zinsen in der Zinsbindung", "Zinsen in der Zinsbindung", TEinheit::Waehrung, std::nullopt},
    {"Restschuld", "Restschuld nach der Zinsbindung", "Restschuld nach der Zinsbindung", TEinheit::Waehrung,
     std::nullopt},
    {"Volltilgung", "Volltilgung nach", "Volltilgung nach", TEinheit::Keine, std::nullopt},
    {"Gesamtzinsen", "Zinsen bis zur Volltilgung", "Zinsen bis zur Volltilgung", TEinheit::Waehrung, std::nullopt},
    {"Effektivzins", "Effektiver Jahreszins", "Effektivzins", TEinheit::Prozent, std::nullopt},
};
// clang-format on

enum : int {
  zName,
  zBetrag,
  zSollzins,
  zTilgung,
  zRate,
  zZinsbindung,
  zAnschlusszins,
  zSondertilgung,
  zKosten,
};

bool Ergebniszeile(int zeile) { return zeile >= TfmFinanzierung::Eingaben; }

const QString Strich = QStringLiteral("–");

QString Geld(TCent cent) { return ZahlText(Euro(cent).Wert(), 18, 2).trimmed(); }
QString Prozent(Ext p) { return ZahlText(p.Wert(), 15, 2).trimmed() + QStringLiteral(" %"); }

QString Dauer(const std::optional<int>& monate) {
  if (!monate) return QStringLiteral("nie");
  const int j = *monate / 12, m = *monate % 12;
  QString jahre = j == 1 ? QStringLiteral("1 Jahr") : QStringLiteral("%1 Jahre").arg(j);
  const QString monat = m == 1 ? QStringLiteral("1 Monat") : QStringLiteral("%1 Monate").arg(m);
  if (m == 0) return jahre;
  return j == 0 ? monat : jahre + QStringLiteral(", ") + monat;
}

// A result text as a spreadsheet reads it: no thousands separators, a decimal
// comma whatever the regional settings, no unit.
QString CsvZahl(QString text) {
  const Zahlenformat& f = AktuellesZahlenformat();
  text.remove(QStringLiteral(" %")).remove(f.Tausendertrenner);
  return text.replace(f.Dezimaltrenner, QLatin1Char(',')).trimmed();
}

QString CsvFeld(const QString& text) {
  if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
    return text;
  return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

constexpr qint64 HoechsteDateigroesse = 1 << 20;
constexpr int NamenLaenge = 80;

}  // namespace

TfmFinanzierung::TfmFinanzierung(QWidget* parent)
    : QWidget(parent, Qt::Window),
      ui(std::make_unique<Ui::TfmFinanzierung>()),
      FZahlfelder(new TZahlfelder(this, TZahlfelder::Zeitpunkt::Danach)) {
  FensterrolleMelden();
  ui->setupUi(this);
  ui->VergleichGrafik->setAccessibleName(QStringLiteral("Grafik des Vergleichs"));
  ui->AngebotsBereich->setAccessibleName(QStringLiteral("Angebote"));
  ui->VergleichDrucken->setIcon(Symbol(QStringLiteral("drucken")));
  ui->VergleichTeiler->setStretchFactor(0, 0);
  ui->VergleichTeiler->setStretchFactor(1, 1);
  FelderAnlegen();
  EinheitenZeigen();

  connect(ui->VergleichDrucken, &QPushButton::clicked, this,
          [this] { Behandelt([this] { VergleichDruckenClick(); }); });
  connect(ui->VergleichExportieren, &QPushButton::clicked, this,
          [this] { Behandelt([this] { VergleichExportierenClick(); }); });
  connect(ui->VergleichSpeichern, &QPushButton::clicked, this,
          [this] { Behandelt([this] { VergleichSpeichernClick(); }); });
  connect(ui->VergleichOeffnen, &QPushButton::clicked, this,
          [this] { Behandelt([this] { VergleichOeffnenClick(); }); });
  connect(ui->VergleichSchliessen, &QPushButton::clicked, this, [this] { VergleichSchliessenClick(); });
  Neuberechnen(-1);
}

TfmFinanzierung::~TfmFinanzierung() = default;

void TfmFinanzierung::FelderAnlegen() {
  QGridLayout* gitter = ui->AngebotsGitter;
  QFont fett = font();
  fett.setBold(true);
  for (int i = 0; i < Angebote; ++i) {
    auto* kopf = new QLabel(QStringLiteral("Angebot %1").arg(i + 1), ui->AngebotsTabelle);
    kopf->setFont(fett);
    kopf->setAlignment(Qt::AlignCenter);
    gitter->addWidget(kopf, 0, i + 1);
  }
  auto* ergebnisse = new QLabel(QStringLiteral("Ergebnisse"), ui->AngebotsTabelle);
  ergebnisse->setFont(fett);
  gitter->addWidget(ergebnisse, Eingaben + 1, 0);
  for (int z = 0; z < Zeilen; ++z) {
    const int reihe = z + (Ergebniszeile(z) ? 2 : 1);
    FBeschriftungen[z] = new QLabel(ui->AngebotsTabelle);
    gitter->addWidget(FBeschriftungen[z], reihe, 0);
  }
  for (int i = 0; i < Angebote; ++i) {
    auto* knopf = new QPushButton(QStringLiteral("Plan"), ui->AngebotsTabelle);
    knopf->setObjectName(QStringLiteral("Angebot%1Plan").arg(i + 1));
    knopf->setAccessibleName(QStringLiteral("Angebot %1: Zahlungsplan").arg(i + 1));
    knopf->setToolTip(QStringLiteral("Der Zahlungsplan des Angebots Monat für Monat"));
    knopf->setAutoDefault(false);
    gitter->addWidget(knopf, Zeilen + 2, i + 1);
    connect(knopf, &QPushButton::clicked, this, [this, i] { Behandelt([this, i] { PlanClick(i); }); });
    FPlanKnoepfe[i] = knopf;
  }
  // Created offer by offer, so that Tab walks down an offer's inputs.
  QWidget* vorher = nullptr;
  for (int i = 0; i < Angebote; ++i) {
    for (int z = 0; z < Zeilen; ++z) {
      const TZeilenart& art = Zeilenarten[z];
      auto* feld = new QLineEdit(ui->AngebotsTabelle);
      feld->setObjectName(QStringLiteral("Angebot%1%2").arg(i + 1).arg(QLatin1String(art.Feld)));
      feld->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000.000.000,00")) + 16);
      gitter->addWidget(feld, z + (Ergebniszeile(z) ? 2 : 1), i + 1);
      FFelder[i][z] = feld;
      if (Ergebniszeile(z)) {
        FeldfarbeSetzen(feld, TFeldzustand::Ergebnis);
        feld->setReadOnly(true);
        // Out of the Tab walk, but a click reaches it to copy the result.
        feld->setFocusPolicy(Qt::ClickFocus);
        feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        continue;
      }
      FeldfarbeSetzen(feld, TFeldzustand::Eingabe);
      // This filter first: the number rule's, installed after it, runs before it.
      feld->installEventFilter(this);
      if (art.Regel) {
        feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        FZahlfelder->Einrichten(feld, *art.Regel);
      } else {
        feld->setMaxLength(NamenLaenge);
      }
      if (vorher) setTabOrder(vorher, feld);
      vorher = feld;
    }
  }
  for (QPushButton* knopf : FPlanKnoepfe) {
    setTabOrder(vorher, knopf);
    vorher = knopf;
  }
  for (QWidget* knopf : {static_cast<QWidget*>(ui->VergleichOeffnen), static_cast<QWidget*>(ui->VergleichSpeichern),
                         static_cast<QWidget*>(ui->VergleichDrucken), static_cast<QWidget*>(ui->VergleichExportieren),
                         static_cast<QWidget*>(ui->VergleichSchliessen)}) {
    setTabOrder(vorher, knopf);
    vorher = knopf;
  }
  gitter->setRowStretch(Zeilen + 3, 1);
}

QString TfmFinanzierung::Beschriftung(int z, bool csv) const {
  const TZeilenart& art = Zeilenarten[z];
  QString text = QString::fromUtf8(art.Text);
  switch (art.Einheit) {
    case TEinheit::Keine: break;
    case TEinheit::Waehrung: text += QStringLiteral(" (%1)").arg(FWaehrung); break;
    case TEinheit::Jahre: text += QStringLiteral(" (Jahre)"); break;
    case TEinheit::Prozent:
      // A result shows its percent sign itself.
      if (!Ergebniszeile(z))
        text += QStringLiteral(" (% p. a.)");
      else if (csv)
        text += QStringLiteral(" (%)");
      break;
  }
  return text;
}

void TfmFinanzierung::EinheitenZeigen() {
  FWaehrung = Einstellungswerte.Waehrungszeichen;
  for (int z = 0; z < Zeilen; ++z) {
    FBeschriftungen[z]->setText(Beschriftung(z, false) + QLatin1Char(':'));
    const TZeilenart& art = Zeilenarten[z];
    const QString einheit = art.Einheit == TEinheit::Waehrung  ? QStringLiteral(" in ") + FWaehrung
                            : art.Einheit == TEinheit::Prozent ? QStringLiteral(" in %")
                            : art.Einheit == TEinheit::Jahre   ? QStringLiteral(" in Jahren")
                                                               : QString();
    for (int i = 0; i < Angebote; ++i)
      FFelder[i][z]->setAccessibleName(
          QStringLiteral("Angebot %1: %2%3").arg(i + 1).arg(QString::fromUtf8(art.Zugang), einheit));
  }
}

void TfmFinanzierung::changeEvent(QEvent* ereignis) {
  // The currency may have changed in the settings while this window was in the background.
  if (ereignis->type() == QEvent::ActivationChange && FWaehrung != Einstellungswerte.Waehrungszeichen)
    EinheitenZeigen();
  QWidget::changeEvent(ereignis);
}

template <class F>
void TfmFinanzierung::Behandelt(F&& handler) {
  try {
    handler();
  } catch (const EFehler& e) {
    Melden(QMessageBox::Critical, QStringLiteral("Fehler"), e.Text());
  } catch (const std::exception& e) {
    // As the program's general error handler shows it.
    Melden(QMessageBox::Critical, QStringLiteral("Kalvora"), MitPunkt(QString::fromUtf8(e.what())));
  }
}

void TfmFinanzierung::Melden(QMessageBox::Icon symbol, const QString& titel, const QString& text) {
  if (titel == QLatin1String("Fehler")) QApplication::beep();
  QMessageBox box(symbol, titel, text, QMessageBox::Ok, isVisible() ? this : parentWidget());
  box.exec();
}

void TfmFinanzierung::Zeigen() {
  if (FWaehrung != Einstellungswerte.Waehrungszeichen) EinheitenZeigen();
  const bool neu = !isVisible();
  show();
  raise();
  activateWindow();
  if (neu && !FGeoeffnet) {
    FGeoeffnet = true;
    // The offers as wide as they need, the chart takes the rest.
    const int tabelle = ui->AngebotsTabelle->sizeHint().width() + 4;
    ui->VergleichTeiler->setSizes(
        {tabelle, std::max(ui->VergleichTeiler->width() - tabelle, ui->VergleichGrafik->minimumWidth())});
    // A keyboard user starts typing the first offer's bank at once.
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("Angebot1Name"))) name->setFocus(Qt::ActiveWindowFocusReason);
  }
}

bool TfmFinanzierung::eventFilter(QObject* objekt, QEvent* ereignis) {
  auto* feld = qobject_cast<QLineEdit*>(objekt);
  if (!feld) return false;
  if (ereignis->type() == QEvent::KeyPress) {
    // Enter moves on like Tab, as in the main window.
    const int taste = static_cast<QKeyEvent*>(ereignis)->key();
    if (taste != Qt::Key_Return && taste != Qt::Key_Enter) return false;
    focusNextChild();
    return true;
  }
  if (ereignis->type() != QEvent::FocusOut) return false;
  // A visit to a menu, a popup or another window does not leave the field.
  const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
  if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason || grund == Qt::MenuBarFocusReason)
    return false;
  for (int i = 0; i < Angebote; ++i)
    if (std::find(FFelder[i].begin(), FFelder[i].end(), feld) != FFelder[i].end())
      // After the field's rule, which runs once the focus has settled.
      QTimer::singleShot(0, this, [this, i] { Behandelt([&] { Neuberechnen(i); }); });
  return false;
}

void TfmFinanzierung::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier)
    close();
  else
    QWidget::keyPressEvent(ereignis);
}

std::optional<TAngebot> TfmFinanzierung::Lesen(int i) const {
  TAngebot a;
  bool lesbar = true;
  const auto wert = [&](int z) -> std::optional<Ext> {
    const QString text = FFelder[i][z]->text();
    if (text.trimmed().isEmpty()) return std::nullopt;
    if (!Formatiert(text, *Zeilenarten[z].Regel)) {
      lesbar = false;
      return std::nullopt;
    }
    return Ext(FeldWert(text));
  };
  a.Betrag = wert(zBetrag);
  a.Sollzins = wert(zSollzins);
  a.Tilgung = wert(zTilgung);
  a.Rate = wert(zRate);
  a.Anschlusszins = wert(zAnschlusszins);
  a.Sondertilgung = wert(zSondertilgung);
  a.Kosten = wert(zKosten);
  if (const QString text = FFelder[i][zZinsbindung]->text(); !text.trimmed().isEmpty()) {
    const auto jahre = GanzzahlWert(text);
    if (!jahre) return std::nullopt;
    a.Zinsbindung = *jahre;
  }
  if (!lesbar) return std::nullopt;
  return a;
}

QString TfmFinanzierung::Name(int i) const {
  const QString name = FFelder[i][zName]->text().simplified();
  return name.isEmpty() ? QStringLiteral("Angebot %1").arg(i + 1) : name;
}

void TfmFinanzierung::Neuberechnen(int melden) {
  std::vector<TAngebot> angebote(Angebote);
  QStringList meldungen;
  for (int i = 0; i < Angebote; ++i) {
    const std::optional<TAngebot> a = Lesen(i);
    QStringList texte;
    if (a && Vollstaendig(*a)) {
      // An offer the arithmetic refuses takes no part in the comparison.
      try {
        FinanzierungBerechnen(*a);
        angebote[static_cast<size_t>(i)] = *a;
      } catch (const EFehler& e) {
        // As the rules write them, which may not have run yet.
        for (int z = 0; z < Eingaben; ++z) {
          const QString text = FFelder[i][z]->text();
          const auto regel = Zeilenarten[z].Regel;
          texte << (regel ? Formatiert(text, *regel).value_or(text) : text);
        }
        if ((melden == i || melden == Angebote) && FGemeldet[i] != texte)
          meldungen << (melden == i ? e.Text() : Name(i) + ": " + e.Text());
      }
    }
    FGemeldet[i] = texte;
  }
  FVergleich = Vergleichen(angebote);

  TVergleichGrafikDaten grafik;
  for (int i = 0; i < Angebote; ++i) {
    const std::optional<TFinanzierung>& f = FVergleich.Ergebnisse[static_cast<size_t>(i)];
    std::array<QString, KennzahlAnzahl> texte;
    texte.fill(Strich);
    if (f) {
      texte = {Geld(f->Monatsrate),     Prozent(f->AnfTilgung), Geld(f->ZinsenBindung),
               Geld(f->Restschuld),     Dauer(f->Volltilgung),  f->Gesamtzinsen ? Geld(*f->Gesamtzinsen) : Strich,
               Prozent(f->Effektivzins)};
      grafik.Linien << GrafikLinie(i, Name(i), *f);
    }
    FPlanKnoepfe[i]->setEnabled(f.has_value());
    for (int k = 0; k < KennzahlAnzahl; ++k) {
      QLineEdit* feld = FFelder[i][Eingaben + k];
      feld->setText(texte[k]);
      feld->setCursorPosition(0);
      const std::vector<int>& beste = FVergleich.Beste[static_cast<size_t>(k)];
      QFont schrift = feld->font();
      schrift.setBold(std::find(beste.begin(), beste.end(), i) != beste.end());
      feld->setFont(schrift);
    }
  }
  // The chart in a few words, for those who cannot see it.
  QStringList verlauf;
  const auto geld = [this](double wert) { return ZahlText(wert, 18, 2).trimmed() + QLatin1Char(' ') + FWaehrung; };
  for (const TVergleichGrafikDaten::TLinie& l : grafik.Linien) {
    if (l.Punkte.isEmpty()) continue;
    QString jahre = ZahlTextEinfach(l.Punkte.back().x(), 1);
    if (jahre.endsWith(AktuellesZahlenformat().Dezimaltrenner + QStringLiteral("0"))) jahre.chop(2);
    verlauf << QStringLiteral("%1 von %2 auf %3 in %4 Jahren")
                   .arg(l.Name, geld(l.Punkte.front().y()), geld(l.Punkte.back().y()), jahre);
  }
  ui->VergleichGrafik->setAccessibleDescription(
      verlauf.isEmpty() ? QString() : QStringLiteral("Restschuld im Lauf der Jahre: ") + verlauf.join(u"; "));
  ui->VergleichGrafik->Setzen(std::move(grafik));
  for (const QString& m : meldungen) Melden(QMessageBox::Critical, QStringLiteral("Fehler"), m);
}

TVergleichDokument TfmFinanzierung::Dokument() const {
  TVergleichDokument d;
  d.Titel = windowTitle();
  d.Spalten << QString();
  for (int i = 0; i < Angebote; ++i) d.Spalten << Name(i);
  for (int z = 0; z < Zeilen; ++z) {
    if (z == zName) continue;
    QStringList zeile{Beschriftung(z, false)};
    QList<bool> beste;
    for (int i = 0; i < Angebote; ++i) {
      zeile << FFelder[i][z]->text().trimmed();
      const bool b = Ergebniszeile(z) && std::ranges::count(FVergleich.Beste[static_cast<size_t>(z - Eingaben)], i);
      beste << b;
    }
    d.Zeilen << zeile;
    d.Beste << beste;
  }
  d.Grafik = ui->VergleichGrafik->Daten();
  return d;
}

void TfmFinanzierung::VergleichDruckenClick() {
  if (!isSignalConnected(QMetaMethod::fromSignal(&TfmFinanzierung::DruckAngefordert))) {
    Melden(QMessageBox::Information, QStringLiteral("Information"), QStringLiteral("Keine Druckvorschau vorhanden!"));
    return;
  }
  emit DruckAngefordert(Dokument());
}

void TfmFinanzierung::VergleichExportierenClick() {
  const QString datei =
      SpeicherdateiErfragen(this, QStringLiteral("Vergleich als CSV-Datei speichern"),
                            DateiVorschlag(Dokumentenordner(), QStringLiteral("Vergleich"), QStringLiteral("csv")),
                            QStringLiteral("CSV-Dateien (*.csv)"));
  if (!datei.isEmpty()) CsvSpeichern(datei);
}

bool TfmFinanzierung::CsvSpeichern(const QString& datei) {
  QByteArray csv("\xEF\xBB\xBF");
  const auto zeile = [&csv](const QStringList& felder) {
    QStringList teile;
    for (const QString& f : felder) teile << CsvFeld(f);
    csv += teile.join(QLatin1Char(';')).toUtf8() + "\r\n";
  };
  QStringList kopf{QStringLiteral("Angebot")};
  for (int i = 0; i < Angebote; ++i) kopf << Name(i);
  zeile(kopf);
  for (int z = 1; z < Zeilen; ++z) {
    QStringList felder{Beschriftung(z, true)};
    for (int i = 0; i < Angebote; ++i) {
      const QString text = FFelder[i][z]->text();
      const bool zahl = Zeilenarten[z].Regel || (Ergebniszeile(z) && text != Strich && z != Eingaben + 4);
      felder << (zahl ? CsvZahl(text) : text);
    }
    zeile(felder);
  }
  QSaveFile f(datei);
  if (f.open(QIODevice::WriteOnly) && f.write(csv) >= 0 && f.commit()) return true;
  Melden(QMessageBox::Critical, QStringLiteral("Fehler"),
         QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden:\n%2")
             .arg(QDir::toNativeSeparators(datei), f.errorString()));
  return false;
}

QList<TAngebotTexte> TfmFinanzierung::Texte() const {
  QList<TAngebotTexte> angebote;
  for (int i = 0; i < Angebote; ++i) {
    TAngebotTexte t;
    for (int z = 0; z < Eingaben; ++z) t.insert(QString::fromLatin1(Zeilenarten[z].Feld), FFelder[i][z]->text());
    angebote << t;
  }
  return angebote;
}

void TfmFinanzierung::VergleichSpeichernClick() {
  const QString datei = SpeicherdateiErfragen(
      this, QStringLiteral("Vergleich speichern"),
      FDatei.isEmpty()
          ? DateiVorschlag(Dokumentenordner(), QStringLiteral("Finanzierungsvergleich"), QStringLiteral("json"))
          : FDatei,
      QStringLiteral("Finanzierungsvergleiche (*.json)"));
  if (!datei.isEmpty()) Speichern(datei);
}

bool TfmFinanzierung::Speichern(const QString& datei) {
  QSaveFile f(datei);
  if (f.open(QIODevice::WriteOnly) && f.write(VergleichDaten(Texte())) >= 0 && f.commit()) {
    FDatei = datei;
    return true;
  }
  Melden(QMessageBox::Critical, QStringLiteral("Fehler"),
         QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden:\n%2")
             .arg(QDir::toNativeSeparators(datei), f.errorString()));
  return false;
}

void TfmFinanzierung::VergleichOeffnenClick() {
  const QString ordner = FDatei.isEmpty() ? Dokumentenordner() : QFileInfo(FDatei).path();
  const QString datei =
      QFileDialog::getOpenFileName(this, QStringLiteral("Vergleich öffnen"), ordner,
                                   QStringLiteral("Finanzierungsvergleiche (*.json);;Alle Dateien (*)"));
  if (!datei.isEmpty()) Oeffnen(datei);
}

bool TfmFinanzierung::Oeffnen(const QString& datei) {
  const QString name = QDir::toNativeSeparators(datei);
  QFile f(datei);
  if (!f.open(QIODevice::ReadOnly)) {
    Melden(QMessageBox::Critical, QStringLiteral("Fehler"),
           QStringLiteral("Die Datei „%1“ kann nicht gelesen werden:\n%2").arg(name, f.errorString()));
    return false;
  }
  QStringList felder;
  for (int z = 0; z < Eingaben; ++z) felder << QString::fromLatin1(Zeilenarten[z].Feld);
  QList<TAngebotTexte> angebote;
  try {
    const QByteArray daten = f.read(HoechsteDateigroesse + 1);
    if (daten.size() > HoechsteDateigroesse) VergleichBeschaedigt();
    angebote = VergleichLesen(daten, felder, Angebote);
    // Numbers written under other regional settings are read as they were
    // meant; a text no rule reads makes the file a damaged one.
    for (TAngebotTexte& a : angebote)
      for (int z = 0; z < Eingaben; ++z) {
        QString& text = a[QString::fromLatin1(Zeilenarten[z].Feld)];
        const auto regel = Zeilenarten[z].Regel;
        if (!regel) {
          if (text.size() > NamenLaenge) VergleichBeschaedigt();
          continue;
        }
        if (text.trimmed().isEmpty()) continue;
        const auto formatiert = Formatiert(GespeicherterZahltext(text), *regel);
        if (!formatiert || formatiert->size() > TZahlfelder::Laenge) VergleichBeschaedigt();
        text = *formatiert;
      }
  } catch (const EFehler& e) {
    Melden(QMessageBox::Critical, QStringLiteral("Fehler"),
           QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden:\n%2").arg(name, e.Text()));
    return false;
  }
  for (int i = 0; i < Angebote; ++i)
    for (int z = 0; z < Eingaben; ++z)
      FFelder[i][z]->setText(angebote.value(i).value(QString::fromLatin1(Zeilenarten[z].Feld)));
  FDatei = datei;
  FGemeldet = {};
  Neuberechnen(Angebote);
  return true;
}

void TfmFinanzierung::VergleichSchliessenClick() { close(); }

bool TfmFinanzierung::AngebotUebernehmen(const TAngebot& a) {
  int frei = 0;
  const auto leer = [this](int i) {
    return std::ranges::all_of(FFelder[i].begin(), FFelder[i].begin() + Eingaben,
                               [](const QLineEdit* feld) { return feld->text().trimmed().isEmpty(); });
  };
  while (frei < Angebote && !leer(frei)) ++frei;
  if (frei == Angebote) {
    Melden(QMessageBox::Information, QStringLiteral("Information"),
           QStringLiteral("Alle vier Angebote sind belegt. Es wurde nichts überschrieben."));
    return false;
  }
  // Written by the fields' own rules, as if typed.
  const auto schreiben = [&](int z, const std::optional<Ext>& wert, int stellen) {
    if (!wert) return;
    const QString text = ZahlText(wert->Wert(), 18, stellen).trimmed();
    FFelder[frei][z]->setText(Formatiert(text, *Zeilenarten[z].Regel).value_or(text));
  };
  schreiben(zBetrag, a.Betrag, 2);
  schreiben(zSollzins, a.Sollzins, 6);
  schreiben(zTilgung, a.Tilgung, 6);
  schreiben(zRate, a.Rate, 2);
  schreiben(zZinsbindung, a.Zinsbindung ? std::optional<Ext>(Ext(*a.Zinsbindung)) : std::nullopt, 0);
  schreiben(zAnschlusszins, a.Anschlusszins, 6);
  schreiben(zSondertilgung, a.Sondertilgung, 2);
  schreiben(zKosten, a.Kosten, 2);
  Neuberechnen(frei);
  return true;
}

void TfmFinanzierung::PlanClick(int i) {
  const std::optional<TFinanzierung>& f = FVergleich.Ergebnisse[static_cast<size_t>(i)];
  if (!f) return;
  if (!isSignalConnected(QMetaMethod::fromSignal(&TfmFinanzierung::PlanAngefordert))) {
    Melden(QMessageBox::Information, QStringLiteral("Information"), QStringLiteral("Kein Zahlungsplan vorhanden!"));
    return;
  }
  emit PlanAngefordert(QStringLiteral("Zahlungsplan: ") + Name(i), FinanzierungsPlan(*f), FWaehrung);
}
