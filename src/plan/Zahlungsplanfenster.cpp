#include "plan/Zahlungsplanfenster.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "base/Dateivorschlag.h"
#include "base/Fehlerbehandlung.h"
#include "base/Fensterrolle.h"
#include "bilder/Bilder.h"
#include "pages/Seiten.h"
#include "plan/PlanTabelle.h"
#include "ui_Zahlungsplan.h"

namespace {

QString LaufzeitText(Ext jahre) {
  const Laufzeit l = LaufzeitZerlegen(jahre);
  return ZahlText(l.Jahre, 18, 0).trimmed() + QStringLiteral(" Jahre, ") + ZahlText(l.Monate, 18, 1).trimmed() +
         QStringLiteral(" Monate");
}

// A caption as it is read out: without its colon.
QString Vorlesename(const QLabel* beschriftung) {
  QString text = beschriftung->text();
  text.remove(QLatin1Char('&'));
  while (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

// Years as short as they can be written: 10, 10,5, 10,4167.
QString JahreText(Ext jahre) {
  QString text = ZahlTextEinfach(jahre.Wert(), 4);
  const QChar komma = AktuellesZahlenformat().Dezimaltrenner;
  if (text.contains(komma)) {
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(komma)) text.chop(1);
  }
  return text;
}

}  // namespace

TfmZahlungsplan::TfmZahlungsplan(QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TfmZahlungsplan>()), FModell(new TPlanModell(this)) {
  FensterrolleMelden();
  ui->setupUi(this);
  ui->PlanTabelle->setModel(FModell);
  // Tab leaves the table; the arrow keys move within it.
  ui->PlanTabelle->setTabKeyNavigation(false);
  ui->PlanTabelle->setAccessibleName(QStringLiteral("Zahlungsplan"));
  ui->PlanGrafik->setAccessibleName(QStringLiteral("Grafik des Zahlungsplans"));
  ui->SondertilgungAbJahrFeld->setAccessibleName(QStringLiteral("Sondertilgung ab Jahr"));
  ui->ZinsbindungFeld->setAccessibleName(QStringLiteral("Zinsbindung in Jahren"));
  // The figures the plan yields are reached by Tab like the fields before them
  // and read out under their captions, their value as the description.
  QWidget* vorher = ui->AnschlusszinsFeld;
  for (const auto& [wert, beschriftung] : Werte()) {
    wert->setFocusPolicy(Qt::TabFocus);
    wert->setAccessibleName(Vorlesename(beschriftung));
    wert->setAccessibleDescription(wert->text());
    setTabOrder(vorher, wert);
    vorher = wert;
  }
  setTabOrder(vorher, ui->PlanJeZahlung);
  ui->PlanTabelle->installEventFilter(this);
  ui->PlanTabelle->horizontalHeader()->setHighlightSections(false);
  ui->PlanTabelle->verticalHeader()->setDefaultSectionSize(ui->PlanTabelle->fontMetrics().height() + 6);
  ui->PlanTeiler->setStretchFactor(0, 0);
  ui->PlanTeiler->setStretchFactor(1, 1);
  ui->PlanDrucken->setIcon(Symbol(QStringLiteral("drucken")));

  connect(ui->PlanJeZahlung, &QCheckBox::toggled, this, [this] { Behandelt([this] { PlanJeZahlungClick(); }); });
  connect(ui->PlanDrucken, &QPushButton::clicked, this, [this] { Behandelt([this] { PlanDruckenClick(); }); });
  connect(ui->PlanExportieren, &QPushButton::clicked, this, [this] { Behandelt([this] { PlanExportierenClick(); }); });
  connect(ui->PlanSchliessen, &QPushButton::clicked, this, [this] { PlanSchliessenClick(); });
  connect(ui->PlanVergleichen, &QPushButton::clicked, this, [this] { Behandelt([this] { PlanVergleichenClick(); }); });
  connect(ui->PlanBankrundung, &QCheckBox::toggled, this, [this] { Behandelt([this] { PlanBankrundungClick(); }); });
  for (QLineEdit* feld :
       {ui->SondertilgungFeld, ui->SondertilgungAbJahrFeld, ui->ZinsbindungFeld, ui->AnschlusszinsFeld})
    connect(feld, &QLineEdit::editingFinished, this, [this] {
      // A box shown meanwhile takes the focus, which finishes the editing once more.
      if (FLiest) return;
      const QScopedValueRollback sperre(FLiest, true);
      Behandelt([this] {
        if (EingabenLesen()) Neuberechnen();
      });
    });
}

TfmZahlungsplan::~TfmZahlungsplan() = default;

template <class F>
void TfmZahlungsplan::Behandelt(F&& handler) {
  try {
    handler();
  } catch (const EPlanFehler& e) {
    Melden(QMessageBox::Critical, QStringLiteral("Fehler"), e.Text());
  } catch (const std::exception& e) {
    // As the program's general error handler shows it.
    Melden(QMessageBox::Critical, QStringLiteral("Kalvora"), MitPunkt(QString::fromUtf8(e.what())));
  }
}

void TfmZahlungsplan::Melden(QMessageBox::Icon symbol, const QString& titel, const QString& text) {
  // Errors the user caused sound as in the main window; the general handler's box does not.
  if (titel == QLatin1String("Fehler")) QApplication::beep();
  QMessageBox box(symbol, titel, text, QMessageBox::Ok, isVisible() ? this : parentWidget());
  box.exec();
}

bool TfmZahlungsplan::Zeigen(const TPlanSeite& seite, bool nachVorn) {
  TPlanEingabe eingabe;
  TZahlungsplan plan;
  bool gemacht = false;
  // Nothing changes before the plan is made: a refused plan leaves the window as it was.
  Behandelt([&] {
    eingabe = PlanEingabe(seite);
    plan = ZahlungsplanBerechnen(eingabe, {}, std::nullopt, FInCent);
    gemacht = true;
  });
  if (!gemacht) return false;

  FSeite = seite;
  FEingabe = eingabe;
  FPlan = std::move(plan);
  FSondertilgung = {};
  FAnschlusszins.reset();
  FZinsbindung = eingabe.Zinsbindung;
  if (FZinsbindung && *FZinsbindung < Ext(0)) FZinsbindung.reset();
  FZinsbindungText = FZinsbindung ? JahreText(*FZinsbindung) : QString();

  FVorgegeben = false;
  Anzeigen(QStringLiteral("Zahlungsplan: ") + Seiten::Finden(seite.Key)->Beschriftung, nachVorn);
  return true;
}

void TfmZahlungsplan::Zeigen(const QString& titel, const TZahlungsplan& plan, const QString& waehrung) {
  FSeite = {};
  FSeite.Waehrung = waehrung;
  FEingabe = {};
  FEingabe.Art = TPlanArt::Darlehen;
  FEingabe.m = 12;
  FPlan = plan;
  FSondertilgung = {};
  FAnschlusszins.reset();
  FZinsbindung.reset();
  FZinsbindungText.clear();
  FVorgegeben = true;
  Anzeigen(titel, true);
}

void TfmZahlungsplan::Anzeigen(const QString& titel, bool nachVorn) {
  setWindowTitle(titel);
  ui->TitelLabel->setText(titel);
  ui->FrageLabel->setText(FSeite.Frage);
  ui->FrageLabel->setVisible(!FSeite.Frage.isEmpty());
  const bool darlehen = FEingabe.Art == TPlanArt::Darlehen;
  ui->DarlehenGruppe->setVisible(darlehen && !FVorgegeben);
  ui->PlanVergleichen->setVisible(darlehen && !FVorgegeben);
  {
    const QSignalBlocker sperre(ui->PlanBankrundung);
    ui->PlanBankrundung->setChecked(FVorgegeben || FInCent);
    ui->PlanBankrundung->setEnabled(!FVorgegeben);
  }
  ui->SondertilgungFeld->clear();
  ui->SondertilgungAbJahrFeld->clear();
  ui->AnschlusszinsFeld->clear();
  ui->ZinsbindungFeld->setText(FZinsbindungText);
  ui->SondertilgungWaehrung->setText(FSeite.Waehrung);
  ui->SondertilgungFeld->setAccessibleName(QStringLiteral("Sondertilgung jährlich in ") + FSeite.Waehrung);
  // A single payment has no payments to list.
  const bool zahlungen = FEingabe.Art != TPlanArt::Einmalzahlung;
  ui->PlanJeZahlung->setEnabled(zahlungen);
  if (!zahlungen) {
    const QSignalBlocker sperre(ui->PlanJeZahlung);
    ui->PlanJeZahlung->setChecked(false);
  }
  Behandelt([this] { Neuberechnen(); });

  if (!nachVorn) return;
  const bool geoeffnet = !isVisible();
  show();
  raise();
  activateWindow();
  TabelleBreitGenug();
  // A window just opened starts at its first control, not inside the table.
  if (geoeffnet)
    for (QWidget* erstes : std::initializer_list<QWidget*>{ui->SondertilgungFeld, ui->PlanJeZahlung, ui->PlanDrucken})
      if (erstes->isVisibleTo(this) && erstes->isEnabled()) {
        erstes->setFocus();
        break;
      }
}

QList<QPair<QLabel*, QLabel*>> TfmZahlungsplan::Werte() const {
  return {{ui->NeueLaufzeitLabel, ui->NeueLaufzeitText},
          {ui->ZinsersparnisLabel, ui->ZinsersparnisText},
          {ui->RestschuldZinsbindungLabel, ui->RestschuldText},
          {ui->EffektivzinsLabel, ui->EffektivzinsText}};
}

void TfmZahlungsplan::TabelleBreitGenug() {
  // A hidden window's splitter has no width of its own yet.
  if (!isVisible()) return;
  QTableView* t = ui->PlanTabelle;
  const int tabelle =
      t->horizontalHeader()->length() + t->verticalScrollBar()->sizeHint().width() + 2 * t->frameWidth();
  ui->PlanTeiler->setSizes({tabelle, std::max(ui->PlanTeiler->width() - ui->PlanTeiler->handleWidth() - tabelle,
                                              ui->PlanGrafik->minimumWidth())});
}

void TfmZahlungsplan::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier)
    close();
  else
    QWidget::keyPressEvent(ereignis);
}

bool TfmZahlungsplan::eventFilter(QObject* objekt, QEvent* ereignis) {
  // The table would keep Ctrl+Tab; it moves on as it does out of a text area.
  if (objekt == ui->PlanTabelle && ereignis->type() == QEvent::KeyPress) {
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    if ((taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab) &&
        (taste->modifiers() & ~Qt::ShiftModifier) == Qt::ControlModifier)
      return focusNextPrevChild(taste->key() == Qt::Key_Tab && !(taste->modifiers() & Qt::ShiftModifier));
  }
  return QWidget::eventFilter(objekt, ereignis);
}

bool TfmZahlungsplan::EingabenLesen() {
  const auto ungueltig = [this](QLineEdit* feld) {
    Melden(QMessageBox::Warning, QStringLiteral("Fehler"),
           QLatin1Char('"') + feld->text() + QStringLiteral("\" ist ein ungültiger Wert."));
    feld->setFocus();
    return false;
  };
  const auto lesen = [&](QLineEdit* feld, Ext& wert) {
    try {
      wert = FeldWert(feld->text());
      return true;
    } catch (const EConvertError&) {
      return ungueltig(feld);
    }
  };

  TSondertilgung s;
  if (!ui->SondertilgungFeld->text().isEmpty()) {
    if (!lesen(ui->SondertilgungFeld, s.Betrag)) return false;
    if (s.Betrag < Ext(0)) {
      Melden(QMessageBox::Warning, QStringLiteral("Fehler"),
             QStringLiteral("Eine Sondertilgung kann nicht negativ sein."));
      return false;
    }
    ui->SondertilgungFeld->setText(ZahlText(s.Betrag.Wert(), 18, 2));
  }
  if (!ui->SondertilgungAbJahrFeld->text().isEmpty()) {
    const auto jahr = GanzzahlWert(ui->SondertilgungAbJahrFeld->text());
    if (!jahr) return ungueltig(ui->SondertilgungAbJahrFeld);
    if (*jahr < 1) {
      Melden(QMessageBox::Warning, QStringLiteral("Fehler"),
             QStringLiteral("Sondertilgungen sind frühestens im ersten Jahr möglich."));
      return false;
    }
    s.AbJahr = *jahr;
  }
  std::optional<Ext> zinsbindung = FZinsbindung;
  const QString text = ui->ZinsbindungFeld->text();
  if (text != FZinsbindungText) {
    zinsbindung.reset();
    if (!text.isEmpty()) {
      Ext t;
      if (!lesen(ui->ZinsbindungFeld, t)) return false;
      if (t < Ext(0)) {
        Melden(QMessageBox::Warning, QStringLiteral("Fehler"),
               QStringLiteral("Die Zinsbindung kann nicht negativ sein."));
        return false;
      }
      zinsbindung = t;
    }
  }
  std::optional<Ext> anschluss;
  if (!ui->AnschlusszinsFeld->text().trimmed().isEmpty()) {
    Ext p;
    if (!lesen(ui->AnschlusszinsFeld, p)) return false;
    if (!(p > Ext(0))) {
      Melden(QMessageBox::Warning, QStringLiteral("Fehler"),
             QStringLiteral("Der Anschlusszins muss größer als 0 sein."));
      return false;
    }
    ui->AnschlusszinsFeld->setText(ZahlText(p.Wert(), 15, 3));
    anschluss = p;
  }
  FSondertilgung = s;
  FAnschlusszins = anschluss;
  FZinsbindung = zinsbindung;
  FZinsbindungText = text;
  return true;
}

QString TfmZahlungsplan::Betrag(Ext wert, int stellen) const {
  return ZahlText(wert.Wert(), stellen, 2).trimmed() + QLatin1Char(' ') + FSeite.Waehrung;
}

void TfmZahlungsplan::Neuberechnen() {
  const bool cent = !FVorgegeben && FInCent;
  QString hinweis;
  if (!FVorgegeben) {
    FPlan = ZahlungsplanBerechnen(FEingabe, FSondertilgung, Anschluss(), cent);
    // The line is a comparison: an exact plan that cannot be made has none.
    if (cent) {
      try {
        hinweis = CentAbweichung(FPlan, ZahlungsplanBerechnen(FEingabe, FSondertilgung, Anschluss()), FSeite.Waehrung);
      } catch (const EFehler&) {
      }
    }
  }
  ui->PlanCentHinweis->setText(hinweis);
  ui->PlanCentHinweis->setVisible(!hinweis.isEmpty());
  FModell->Setzen(&FPlan, ui->PlanJeZahlung->isChecked());
  ui->PlanGrafik->Setzen(GrafikDaten(FPlan));
  ui->PlanGrafik->setAccessibleDescription(Grafikbeschreibung());
  SpaltenAnpassen();
  if (FEingabe.Art != TPlanArt::Darlehen || FVorgegeben) return;

  const auto effektiv = Effektivzins(FEingabe, FPlan);
  ui->EffektivzinsLabel->setText(effektiv ? ZahlText(effektiv->Wert(), 15, 3).trimmed() + QStringLiteral(" %")
                                          : QStringLiteral("nicht bestimmbar"));
  const bool sonder = FSondertilgung.Betrag > Ext(0);
  const QString strich = QStringLiteral("–");
  ui->NeueLaufzeitLabel->setText(sonder ? LaufzeitText(FPlan.Laufzeit) : strich);
  if (sonder) FZinsenOhne = ZahlungsplanBerechnen(FEingabe, {}, Anschluss(), cent).Summe.Zinsen;
  ui->ZinsersparnisLabel->setText(sonder ? Betrag(FZinsenOhne - FPlan.Summe.Zinsen) : strich);
  // Fifteen digits, as the page writes its residual debt; in cents the balance
  // after the last payment by then, as the bank states it.
  ui->RestschuldZinsbindungLabel->setText(
      FZinsbindung
          ? Betrag(cent ? StandNach(FPlan, *FZinsbindung) : RestschuldNach(FEingabe, FSondertilgung, *FZinsbindung), 15)
          : strich);
  for (const auto& [wert, beschriftung] : Werte()) wert->setAccessibleDescription(wert->text());
}

QString TfmZahlungsplan::Grafikbeschreibung() const {
  const TGrafikDaten& d = ui->PlanGrafik->Daten();
  if (d.Stand.isEmpty()) return {};
  return QStringLiteral("%1 im Lauf der Jahre: von %2 auf %3 in %4 Jahren")
      .arg(d.StandName, Betrag(d.Stand.front().y()), Betrag(d.Stand.back().y()), JahreText(Ext(d.Laufzeit)));
}

std::optional<TAnschluss> TfmZahlungsplan::Anschluss() const {
  if (!FZinsbindung || !FAnschlusszins) return std::nullopt;
  return TAnschluss{*FZinsbindung, *FAnschlusszins};
}

void TfmZahlungsplan::SpaltenAnpassen() {
  // The widest texts are the header, the totals and the largest amounts; the
  // other rows need not be measured.
  const std::vector<TPlanZeile>& zeilen = FModell->JeZahlung() ? FPlan.JeZahlung : FPlan.JeJahr;
  const auto groesste = [&zeilen](auto wert) {
    return static_cast<int>(std::max_element(zeilen.begin(), zeilen.end(),
                                             [&](const TPlanZeile& a, const TPlanZeile& b) {
                                               return std::fabs(wert(a)) < std::fabs(wert(b));
                                             }) -
                            zeilen.begin());
  };
  const int letzte = FModell->rowCount() - 1;
  const QList<int> proben{0, letzte - 1, letzte, groesste([](const TPlanZeile& z) { return z.Stand.Wert(); }),
                          groesste([](const TPlanZeile& z) { return z.Zahlung.Wert(); })};
  QFont fett = ui->PlanTabelle->font();
  fett.setBold(true);
  const QFontMetrics normal(ui->PlanTabelle->font()), breit(fett);
  const QStringList kopf = FModell->Kopf();
  for (int spalte = 0; spalte < TPlanModell::spAnzahl; ++spalte) {
    int b = breit.horizontalAdvance(kopf.value(spalte));
    for (int zeile : proben) b = std::max(b, breit.horizontalAdvance(FModell->Zeile(zeile).value(spalte)));
    ui->PlanTabelle->horizontalHeader()->resizeSection(spalte, b + normal.averageCharWidth() * 3);
  }
  TabelleBreitGenug();
}

QList<QPair<QString, QString>> TfmZahlungsplan::Kennzahlen() const {
  const TPlanArt art = FEingabe.Art;
  QList<QPair<QString, QString>> k;
  k.append({QStringLiteral("Laufzeit:"), LaufzeitText(FPlan.Laufzeit)});
  if (art != TPlanArt::Einmalzahlung)
    k.append({QStringLiteral("Zahlungsweise:"),
              QString::fromUtf8(Zahlungsweisen[std::clamp(FSeite.ZahlungsweiseIndex, 0, 3)].Name)});
  k.append({art == TPlanArt::Darlehen ? QStringLiteral("Summe der Raten:")
            : art == TPlanArt::Rente  ? QStringLiteral("Summe der Entnahmen:")
                                      : QStringLiteral("Summe der Einzahlungen:"),
            Betrag(FPlan.Summe.Zahlung)});
  k.append({QStringLiteral("Summe der Zinsen:"), Betrag(FPlan.Summe.Zinsen)});
  if (art != TPlanArt::Darlehen || FVorgegeben) return k;
  k.append({ui->EffektivzinsText->text(), ui->EffektivzinsLabel->text()});
  if (FSondertilgung.Betrag > Ext(0)) {
    k.append(
        {QStringLiteral("Sondertilgung:"),
         QStringLiteral("%1 jährlich ab dem %2. Jahr").arg(Betrag(FSondertilgung.Betrag)).arg(FSondertilgung.AbJahr)});
    k.append({ui->ZinsersparnisText->text(), ui->ZinsersparnisLabel->text()});
  }
  if (Anschluss())
    k.append(
        {QStringLiteral("Anschlusszins:"), ZahlText(FAnschlusszins->Wert(), 15, 3).trimmed() + QStringLiteral(" %")});
  if (FZinsbindung)
    k.append({QStringLiteral("Restschuld nach %1 Jahren Zinsbindung:").arg(JahreText(*FZinsbindung)),
              ui->RestschuldZinsbindungLabel->text()});
  return k;
}

TPlanDokument TfmZahlungsplan::Dokument() const {
  TPlanDokument d;
  d.Titel = ui->TitelLabel->text();
  d.Frage = FSeite.Frage;
  d.Kennzahlen = Kennzahlen();
  d.Spalten = FModell->Kopf();
  const int zeilen = FModell->rowCount();
  d.Zeilen.reserve(zeilen);
  for (int z = 0; z < zeilen; ++z) d.Zeilen << FModell->Zeile(z);
  d.Grafik = ui->PlanGrafik->Daten();
  d.Hinweis = ui->PlanCentHinweis->text();
  return d;
}

void TfmZahlungsplan::PlanJeZahlungClick() {
  FModell->Setzen(&FPlan, ui->PlanJeZahlung->isChecked());
  SpaltenAnpassen();
}

void TfmZahlungsplan::PlanDruckenClick() {
  if (!isSignalConnected(QMetaMethod::fromSignal(&TfmZahlungsplan::DruckAngefordert))) {
    Melden(QMessageBox::Information, QStringLiteral("Information"), QStringLiteral("Keine Druckvorschau vorhanden!"));
    return;
  }
  emit DruckAngefordert(Dokument());
}

void TfmZahlungsplan::PlanExportierenClick() {
  const QString ordner = FOrdner.isEmpty() || !QDir(FOrdner).exists() ? Dokumentenordner() : FOrdner;
  const QString datei = SpeicherdateiErfragen(this, QStringLiteral("Zahlungsplan als CSV-Datei speichern"),
                                              DateiVorschlag(ordner, ui->TitelLabel->text(), QStringLiteral("csv")),
                                              QStringLiteral("CSV-Dateien (*.csv)"));
  if (datei.isEmpty()) return;
  FOrdner = QFileInfo(datei).absolutePath();
  if (CsvSpeichern(datei))
    Melden(
        QMessageBox::Information, QStringLiteral("Information"),
        QStringLiteral("Der Zahlungsplan wurde in die Datei „%1“ geschrieben.").arg(QDir::toNativeSeparators(datei)));
}

bool TfmZahlungsplan::CsvSpeichern(const QString& datei) {
  QSaveFile f(datei);
  if (f.open(QIODevice::WriteOnly) && f.write(FModell->Csv()) >= 0 && f.commit()) return true;
  Melden(QMessageBox::Critical, QStringLiteral("Fehler"),
         QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden:\n%2")
             .arg(QDir::toNativeSeparators(datei), f.errorString()));
  return false;
}

void TfmZahlungsplan::PlanSchliessenClick() { close(); }

void TfmZahlungsplan::PlanBankrundungClick() {
  if (FVorgegeben) return;
  FInCent = ui->PlanBankrundung->isChecked();
  try {
    Neuberechnen();
  } catch (...) {
    // A plan the other way could not be made: the box goes back to the plan shown.
    FInCent = !FInCent;
    const QSignalBlocker sperre(ui->PlanBankrundung);
    ui->PlanBankrundung->setChecked(FInCent);
    throw;
  }
}

void TfmZahlungsplan::PlanVergleichenClick() {
  // The comparison counts monthly: another payment frequency goes in as its monthly share.
  TAngebot a;
  a.Betrag = FEingabe.K;
  a.Sollzins = FEingabe.p;
  a.Rate = FEingabe.R * Ext(FEingabe.m) / Ext(12);
  // Whole years only; a part year counts as begun.
  if (FZinsbindung && *FZinsbindung > Ext(0)) a.Zinsbindung = static_cast<int>(std::ceil(FZinsbindung->Wert() - 1e-9L));
  if (FSondertilgung.Betrag > Ext(0)) a.Sondertilgung = FSondertilgung.Betrag;
  a.Anschlusszins = FAnschlusszins;
  if (!isSignalConnected(QMetaMethod::fromSignal(&TfmZahlungsplan::VergleichAngefordert))) {
    Melden(QMessageBox::Information, QStringLiteral("Information"), QStringLiteral("Kein Vergleich vorhanden!"));
    return;
  }
  emit VergleichAngefordert(a);
}
