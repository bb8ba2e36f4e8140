#include "settings/uEinstellungen.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "base/Aufgeschoben.h"
#include "base/Fehlerbehandlung.h"
#include "base/Version.h"
#include "base/Zahlfeld.h"
#include "ui_uEinstellungen.h"

TEinstellungswerte Einstellungswerte;

namespace {

// Beyond these sizes a store or a value was not written by this program;
// taking it in would only slow the start and stretch the window.
constexpr qint64 MaxSpeichergroesse = 1024 * 1024;
constexpr qsizetype MaxWertlaenge = 1000;
// What the dialog's fields take: any stored text stays far below the limit.
constexpr int MaxWaehrungszeichen = 20;
constexpr int MaxGebuehrtext = 40;
// Drafts of saves that were cut short; a running save needs far less time.
constexpr int VerwaistNachSekunden = 60;

// The store's file, on Linux ~/.config/Merovin/Tesselo.conf. Opened as the
// store, QSettings would read all of it at once, whatever its size; the
// organisation's file lies in the folder above.
QString SpeicherDatei() {
  const QFileInfo organisation(
      QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Merovin")).fileName());
  return organisation.absoluteDir().filePath(QStringLiteral("Merovin/Tesselo.conf"));
}

std::function<void()>& Lesefehlermeldung() {
  static std::function<void()> meldung;
  return meldung;
}

void LesefehlerMelden() {
  if (Lesefehlermeldung()) {
    Lesefehlermeldung()();
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(Programmname), LesefehlerText(), QMessageBox::Ok);
  box.exec();
}

// What a store file gave.
struct TGelesen {
  bool Zerlegt = false;  // a text file the INI reader parsed
  bool Unlesbar = true;  // nothing in it can be trusted: the defaults apply
  bool Fehler = false;   // a value failed: the read-failure message is due
  int Gelesen = 0;       // members read, in table order, before a failure
  TEinstellungswerte Werte;
  QVariantMap Alle;  // every value of a parsed file, by name
};

// Control characters other than line ends and tabs do not occur in text.
bool IstText(const QByteArray& inhalt) {
  return std::none_of(inhalt.begin(), inhalt.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7f;
  });
}

// The text after the '=' of the last line that sets `name` in the general
// section, as it stands in the file.
QString Rohtext(const QByteArray& inhalt, const QString& name) {
  QString text;
  bool allgemein = true;
  for (const QByteArray& roh : inhalt.split('\n')) {
    const QString zeile = QString::fromUtf8(roh).trimmed();
    if (zeile.startsWith(QLatin1Char('['))) {
      allgemein = zeile == QLatin1String("[General]");
      continue;
    }
    const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
    if (allgemein && gleich > 0 && zeile.left(gleich).trimmed() == name) text = zeile.mid(gleich + 1).trimmed();
  }
  return text;
}

TGelesen SpeicherLesen(const QString& datei) {
  TGelesen g;
  QFile f(datei);
  if (!f.open(QIODevice::ReadOnly)) return g;
  const QByteArray inhalt = f.read(MaxSpeichergroesse + 1);
  if (f.error() != QFileDevice::NoError || inhalt.size() > MaxSpeichergroesse || !IstText(inhalt)) return g;
  // QSettings tells a syntax error only to the first reader of a file and
  // hands later readers what it parsed then; a private copy is parsed afresh.
  QTemporaryDir ordner;
  QFile kopie(ordner.filePath(QStringLiteral("Tesselo.conf")));
  const bool kopiert = ordner.isValid() && kopie.open(QIODevice::WriteOnly) && kopie.write(inhalt) == inhalt.size();
  kopie.close();
  const QSettings speicher(kopiert ? kopie.fileName() : datei, QSettings::IniFormat);
  if (speicher.status() != QSettings::NoError) return g;
  g.Zerlegt = true;
  for (const QString& name : speicher.allKeys()) g.Alle.insert(name, speicher.value(name));
  if (std::none_of(Einstellungen.begin(), Einstellungen.end(),
                   [&](const TEinstellung& e) { return speicher.contains(QString::fromLatin1(e.Name)); }))
    return g;
  g.Unlesbar = false;
  for (const auto& e : Einstellungen) {
    const QString name = QString::fromLatin1(e.Name);
    QString text;
    if (speicher.contains(name)) {
      const QVariant wert = speicher.value(name);
      const bool liste = wert.typeId() == QMetaType::QStringList;
      // An unquoted "1,00" is a list to the INI reader; the user wrote a text.
      text = liste ? Rohtext(inhalt, name) : wert.toString();
      // Numbers, byte arrays and the like were not written by us, nor texts of that length.
      if ((!liste && wert.typeId() != QMetaType::QString) || text.size() > MaxWertlaenge) {
        g.Fehler = true;
        return g;
      }
    }
    g.Werte.*e.Wert = e.Zahl() ? GespeicherterZahltext(text) : text;
    ++g.Gelesen;
  }
  return g;
}

QString SchalterText(bool an) { return an ? QStringLiteral("true") : QStringLiteral("false"); }

bool SchalterWert(const TGelesen& g, const TSchalter& s) {
  if (g.Unlesbar) return s.Vorgabe;
  const QVariant wert = g.Alle.value(QString::fromLatin1(s.Name));
  if (wert.typeId() != QMetaType::QString) return s.Vorgabe;
  const QString text = wert.toString().trimmed().toLower();
  if (text == SchalterText(true)) return true;
  if (text == SchalterText(false)) return false;
  return s.Vorgabe;
}

// A store that is a symbolic link is written through to the file it names.
QString Schreibziel(QString pfad) {
  for (int schritt = 0; schritt < 40 && QFileInfo(pfad).isSymLink(); ++schritt) pfad = QFileInfo(pfad).symLinkTarget();
  return pfad;
}

void VerwaisteEntwuerfeEntfernen(const QString& ordner) {
  const QDateTime grenze = QDateTime::currentDateTimeUtc().addSecs(-VerwaistNachSekunden);
  const QFileInfoList entwuerfe = QDir(ordner).entryInfoList(
      {QStringLiteral(".Tesselo-??????")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
  for (const QFileInfo& e : entwuerfe)
    if (e.lastModified() < grenze) QDir(e.absoluteFilePath()).removeRecursively();
}

bool Ersetzen(const QString& von, const QString& nach) {
  return std::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) == 0;
}

}  // namespace

TEinstellungswerte Vorgabewerte() {
  TEinstellungswerte werte;
  for (const auto& e : Einstellungen) {
    const QString vorgabe = QString::fromLatin1(e.Vorgabe);
    werte.*e.Wert = e.Zahl() ? AusDeutschemZahltext(vorgabe) : vorgabe;
  }
  for (const auto& s : Schalter) werte.*s.Wert = s.Vorgabe;
  return werte;
}

bool SystemzahlenformatGewaehlt() {
  const QString datei = SpeicherDatei();
  const TSchalter& s = Schalter[0];
  return QFileInfo::exists(datei) ? SchalterWert(SpeicherLesen(datei), s) : s.Vorgabe;
}

QString LesefehlerText() {
  return QStringLiteral("Fehler beim Lesen der Einstellungen!!") + QChar(13) +
         QStringLiteral("Möglicherweise werden falsche Vorgabewerte verwendet!");
}

void SetzeLesefehlerMeldung(std::function<void()> meldung) { Lesefehlermeldung() = std::move(meldung); }

void LoadSettings() {
  const QString datei = SpeicherDatei();
  // Reading must not create the store.
  if (!QFileInfo::exists(datei)) {
    Einstellungswerte = Vorgabewerte();
    return;
  }
  const TGelesen g = SpeicherLesen(datei);
  if (g.Unlesbar) {
    Einstellungswerte = Vorgabewerte();
    LesefehlerMelden();
    return;
  }
  // What was read before a failing value stays, the rest keeps its contents.
  for (int i = 0; i < g.Gelesen; ++i) Einstellungswerte.*Einstellungen[i].Wert = g.Werte.*Einstellungen[i].Wert;
  for (const auto& s : Schalter) Einstellungswerte.*s.Wert = SchalterWert(g, s);
  if (g.Fehler) LesefehlerMelden();
}

bool SaveSettings() {
  // QSettings commits a file cut short by a short write (disk or quota
  // full) as if it were complete, and waits without end for a lock it cannot
  // take. So the new store is drafted beside the old one, read back from
  // disk, and only a draft that holds all five texts replaces the old store
  // in one rename. Any failure leaves the old store as it was, silently.
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
  // The registry and the property lists are not INI files; their own stores
  // write each value as a whole.
  {
    QSettings speicher(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Merovin"),
                       QStringLiteral("Tesselo"));
    for (const auto& e : Einstellungen) speicher.setValue(QString::fromLatin1(e.Name), Einstellungswerte.*e.Wert);
    for (const auto& s : Schalter)
      speicher.setValue(QString::fromLatin1(s.Name), SchalterText(Einstellungswerte.*s.Wert));
    speicher.sync();
    return speicher.status() == QSettings::NoError;
  }
#endif
  const QString ziel = Schreibziel(SpeicherDatei());
  const QString ordner = QFileInfo(ziel).absolutePath();
  if (!QDir().mkpath(ordner)) return false;
  VerwaisteEntwuerfeEntfernen(ordner);
  QTemporaryDir arbeit(ordner + QStringLiteral("/.Tesselo-XXXXXX"));
  if (!arbeit.isValid()) return false;
  const QString entwurf = arbeit.filePath(QStringLiteral("Entwurf.conf"));
  const QString geprueft = arbeit.filePath(QStringLiteral("Geprueft.conf"));

  const bool vorhanden = QFileInfo::exists(ziel);
  // A store that failed to read is kept beside the new one, never lost.
  const TGelesen alt = vorhanden ? SpeicherLesen(ziel) : TGelesen{};
  const bool sichern = vorhanden && (alt.Unlesbar || alt.Fehler);
  {
    // Values of other names are kept as they were read; lines the reader
    // passed over are not copied, or QSettings would refuse the draft.
    QSettings neu(entwurf, QSettings::IniFormat);
    for (auto wert = alt.Alle.cbegin(); wert != alt.Alle.cend(); ++wert) neu.setValue(wert.key(), wert.value());
    for (const auto& e : Einstellungen) neu.setValue(QString::fromLatin1(e.Name), Einstellungswerte.*e.Wert);
    for (const auto& s : Schalter) neu.setValue(QString::fromLatin1(s.Name), SchalterText(Einstellungswerte.*s.Wert));
    neu.sync();
    if (neu.status() != QSettings::NoError) return false;
  }
  // Under a name QSettings has not seen, so that it parses the disk and not
  // its cache.
  if (!QFile::rename(entwurf, geprueft)) return false;
  {
    const TGelesen probe = SpeicherLesen(geprueft);
    if (probe.Unlesbar || probe.Fehler) return false;
    const QSettings roh(geprueft, QSettings::IniFormat);
    for (const auto& e : Einstellungen) {
      const QVariant wert = roh.value(QString::fromLatin1(e.Name));
      if (wert.typeId() != QMetaType::QString || wert.toString() != Einstellungswerte.*e.Wert) return false;
    }
    for (const auto& s : Schalter)
      if (roh.value(QString::fromLatin1(s.Name)) != SchalterText(Einstellungswerte.*s.Wert)) return false;
  }
  if (vorhanden && !QFile::setPermissions(geprueft, QFile::permissions(ziel))) return false;
  if (sichern) {
    const QString kopie = arbeit.filePath(QStringLiteral("Defekt.conf"));
    if (!QFile::copy(ziel, kopie) || !Ersetzen(kopie, ziel + QStringLiteral(".defekt"))) return false;
  }
  return Ersetzen(geprueft, ziel);
}

void WaehrungZeigen(QLabel* label, const QString& zeichen) {
  const QFontMetrics fm = label->fontMetrics();
  const QString gekuerzt = fm.elidedText(zeichen, Qt::ElideRight, fm.averageCharWidth() * 12);
  label->setText(gekuerzt);
  label->setToolTip(gekuerzt == zeichen ? QString() : zeichen);
}

TfmEinstellungen::TfmEinstellungen(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfmEinstellungen>()) {
  setObjectName(QStringLiteral("fmEinstellungen"));
  ui->setupUi(this);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  // Room for the whole title beside the title bar's icon and buttons, which
  // the window manager draws in a bold face of about this size.
  QFont titel = font();
  titel.setBold(true);
  setMinimumWidth(QFontMetrics(titel).horizontalAdvance(windowTitle()) + TitelleistenRand);
  StandardsymbolBeimZeigen(ui->BitBtn1, QStyle::SP_DialogOkButton);
  StandardsymbolBeimZeigen(ui->BitBtn2, QStyle::SP_DialogCancelButton);

  VerbindenBehandelt(ui->BitBtn1, &QPushButton::clicked, this, &TfmEinstellungen::BitBtn1Click);
  connect(ui->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  // Run at once when a field is left, before a click on OK is handled, so
  // that OK stores the formatted text as it would after Tab.
  FZahlfelder = new TZahlfelder(this, TZahlfelder::Zeitpunkt::Sofort);
  for (std::size_t i = 0; i < Einstellungen.size(); ++i) {
    FFelder[i] = findChild<QLineEdit*>(QLatin1String(Einstellungen[i].Feld));
    if (Einstellungen[i].Regel) FZahlfelder->Einrichten(FFelder[i], *Einstellungen[i].Regel);
  }
  for (std::size_t i = 0; i < Schalter.size(); ++i)
    FSchalter[i] = findChild<QCheckBox*>(QLatin1String(Schalter[i].Feld));
  // The note stands under the check box's text, not under its box.
  Feldnamen();
  ui->ZahlenformatHinweis->setIndent(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                                     style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
  // What the choice means, in numbers: the system's layout beside the program's own.
  const Zahlenformat aktuell = AktuellesZahlenformat();
  SetzeZahlenformat(Zahlenformat::AusLocale(QLocale()));
  const QString system = ZahlTextEinfach(1234.5L, 2);
  SetzeZahlenformat(Zahlenformat::Deutsch());
  const QString deutsch = ZahlTextEinfach(1234.5L, 2);
  SetzeZahlenformat(aktuell);
  ui->SystemzahlenformatBox->setToolTip(
      system == deutsch ? QStringLiteral("Das System schreibt Zahlen wie das Programm: %1").arg(deutsch)
                        : QStringLiteral("Zahlen wie %1 statt wie %2 schreiben und lesen").arg(system, deutsch));
}

TfmEinstellungen::~TfmEinstellungen() = default;

void TfmEinstellungen::FormShow() {
  // Typing stops at a short length; a longer stored text is shown whole, not cut.
  const auto zeigen = [](QLineEdit* feld, const QString& text, int laenge) {
    feld->setMaxLength(std::max(laenge, static_cast<int>(text.size())));
    feld->setText(text);
  };
  for (std::size_t i = 0; i < Einstellungen.size(); ++i)
    zeigen(FFelder[i], Einstellungswerte.*Einstellungen[i].Wert,
           Einstellungen[i].Zahl() ? MaxGebuehrtext : MaxWaehrungszeichen);
  for (std::size_t i = 0; i < Schalter.size(); ++i) FSchalter[i]->setChecked(Einstellungswerte.*Schalter[i].Wert);
  WaehrungZeigen(ui->Label83, Einstellungswerte.Waehrungszeichen);
  WaehrungZeigen(ui->Label84, Einstellungswerte.Waehrungszeichen);
  Feldnamen();
}

void TfmEinstellungen::Feldnamen() {
  // Read with their units; the fee amounts in the currency shown beside them.
  const QString& w = Einstellungswerte.Waehrungszeichen;
  ui->Edit1->setAccessibleName(QStringLiteral("Mindestgebühr in ") + w);
  ui->Edit2->setAccessibleName(QStringLiteral("Grundgebühr in ") + w);
  ui->Edit3->setAccessibleName(QStringLiteral("Gebühr in %"));
  ui->Edit4->setAccessibleName(QStringLiteral("Maklergebühr in %"));
  ui->Edit5->setAccessibleName(QStringLiteral("Währungszeichen"));
}

void TfmEinstellungen::BitBtn1Click() {
  for (std::size_t i = 0; i < Einstellungen.size(); ++i) Einstellungswerte.*Einstellungen[i].Wert = FFelder[i]->text();
  for (std::size_t i = 0; i < Schalter.size(); ++i) Einstellungswerte.*Schalter[i].Wert = FSchalter[i]->isChecked();
  SaveSettings();
  emit Uebernommen();
  accept();
}

void TfmEinstellungen::Edit1Exit(QLineEdit* feld) { FZahlfelder->DMFormat(feld); }

void TfmEinstellungen::Edit3Exit(QLineEdit* feld) { FZahlfelder->ZinsFormat(feld); }

void TfmEinstellungen::showEvent(QShowEvent* ereignis) {
  if (!ereignis->spontaneous()) {
    if (!SchonGezeigt) ui->PageControl1->setCurrentWidget(ui->TabSheet1);
    SchonGezeigt = true;
    FormShow();
    adjustSize();
    if (const QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen()) {
      QRect rahmen = frameGeometry();
      rahmen.moveCenter(schirm->availableGeometry().center());
      move(rahmen.topLeft());
    }
    QLineEdit* erstes = ui->PageControl1->currentWidget() == ui->TabSheet1 ? ui->Edit5 : ui->Edit1;
    erstes->setFocus(Qt::OtherFocusReason);
  }
  QDialog::showEvent(ereignis);
}

void TfmEinstellungen::keyPressEvent(QKeyEvent* ereignis) {
  // The abort button has no Escape binding; the close box still cancels.
  if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
    ereignis->accept();
    return;
  }
  QDialog::keyPressEvent(ereignis);
}
