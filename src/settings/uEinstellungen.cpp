#include "uEinstellungen.h"

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
#include <cstdio>

#include "Anwendung.h"
#include "Startfenster.h"
#include "ui_uEinstellungen.h"

TEinstellungswerte Einstellungswerte;

namespace {

// The store; on Linux ~/.config/Merovin/Tesselo.conf.
QSettings Speicher() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Merovin"),
                   QStringLiteral("Tesselo"));
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
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kalvora"), LesefehlerText(), QMessageBox::Ok);
  box.exec();
}

}  // namespace

TEinstellungswerte Vorgabewerte() {
  TEinstellungswerte werte;
  for (const auto& e : Einstellungen) werte.*e.Wert = QString::fromLatin1(e.Vorgabe);
  return werte;
}

QString LesefehlerText() {
  return QStringLiteral("Fehler beim Lesen der Einstellungen!!") + QChar(13) +
         QStringLiteral("Möglicherweise werden falsche Vorgabewerte verwendet!");
}

void SetzeLesefehlerMeldung(std::function<void()> meldung) { Lesefehlermeldung() = std::move(meldung); }

void LoadSettings() {
  QSettings speicher = Speicher();
  // Reading must not create the store.
  if (!QFileInfo::exists(speicher.fileName())) {
    Einstellungswerte = Vorgabewerte();
    return;
  }
  // A store that cannot be read or parsed as a whole says nothing reliable
  // about any value; the defaults are the safest values to go on with.
  if (speicher.status() != QSettings::NoError) {
    Einstellungswerte = Vorgabewerte();
    LesefehlerMelden();
    return;
  }
  for (const auto& e : Einstellungen) {
    const QString name = QString::fromLatin1(e.Name);
    if (!speicher.contains(name)) {
      Einstellungswerte.*e.Wert = QString();
      continue;
    }
    const QVariant wert = speicher.value(name);
    // Lists, numbers, byte arrays and the like were not written by us; what
    // was read so far stays, the rest keeps its previous contents.
    if (wert.typeId() != QMetaType::QString) {
      LesefehlerMelden();
      return;
    }
    Einstellungswerte.*e.Wert = wert.toString();
  }
}

void SaveSettings() {
  // QSettings commits a file cut short by a short write (disk or quota
  // full) as if it were complete, and waits without end for a lock it cannot
  // take. So the new store is drafted beside the old one, read back from
  // disk, and only a draft that holds all five texts replaces the old store
  // in one rename. Any failure leaves the old store as it was, silently.
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
  // The registry and the property lists are not INI files; their own stores
  // write each value as a whole.
  {
    QSettings speicher = Speicher();
    for (const auto& e : Einstellungen) speicher.setValue(QString::fromLatin1(e.Name), Einstellungswerte.*e.Wert);
    speicher.sync();
    return;
  }
#endif
  const QString ziel = QFileInfo(Speicher().fileName()).absoluteFilePath();
  const QString ordner = QFileInfo(ziel).absolutePath();
  if (!QDir().mkpath(ordner)) return;
  QTemporaryDir arbeit(ordner + QStringLiteral("/.Tesselo-XXXXXX"));
  if (!arbeit.isValid()) return;
  const QString entwurf = arbeit.filePath(QStringLiteral("Entwurf.conf"));
  const QString geprueft = arbeit.filePath(QStringLiteral("Geprueft.conf"));

  // Values of other names in the store are kept.
  if (QFileInfo::exists(ziel) && !QFile::copy(ziel, entwurf)) return;
  {
    QSettings neu(entwurf, QSettings::IniFormat);
    for (const auto& e : Einstellungen) neu.setValue(QString::fromLatin1(e.Name), Einstellungswerte.*e.Wert);
    neu.sync();
    if (neu.status() != QSettings::NoError) return;
  }
  // Under a name QSettings has not seen, so that it parses the disk and not
  // its cache.
  if (!QFile::rename(entwurf, geprueft)) return;
  {
    QSettings probe(geprueft, QSettings::IniFormat);
    if (probe.status() != QSettings::NoError) return;
    for (const auto& e : Einstellungen) {
      const QVariant wert = probe.value(QString::fromLatin1(e.Name));
      if (wert.typeId() != QMetaType::QString || wert.toString() != Einstellungswerte.*e.Wert) return;
    }
  }
  std::rename(QFile::encodeName(geprueft).constData(), QFile::encodeName(ziel).constData());
}

void ApplySettings() {
  if (!fmStart) return;
  for (QLabel* label : fmStart->Waehrungslabels()) label->setText(Einstellungswerte.Waehrungszeichen);
  fmStart->FrageUpdate();
}

TfmEinstellungen::TfmEinstellungen(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfmEinstellungen>()) {
  setObjectName(QStringLiteral("fmEinstellungen"));
  ui->setupUi(this);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  // Room for the whole title beside the title bar's icon and buttons, which
  // the window manager draws in a bold face of about this size.
  QFont titel = font();
  titel.setBold(true);
  setMinimumWidth(QFontMetrics(titel).horizontalAdvance(windowTitle()) + TitelleistenRand);
  ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  ui->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

  connect(ui->BitBtn1, &QPushButton::clicked, this, [this] { Fehlerbehandelt([this] { BitBtn1Click(); }); });
  connect(ui->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  for (QLineEdit* feld : {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4}) feld->installEventFilter(this);
}

TfmEinstellungen::~TfmEinstellungen() = default;

void TfmEinstellungen::FormShow() {
  ui->Edit5->setText(Einstellungswerte.Waehrungszeichen);
  ui->Edit1->setText(Einstellungswerte.Mindestgebuehr);
  ui->Edit2->setText(Einstellungswerte.Grundgebuehr);
  ui->Edit3->setText(Einstellungswerte.Gebuehr);
  ui->Edit4->setText(Einstellungswerte.Maklergebuehr);
  ui->Label83->setText(Einstellungswerte.Waehrungszeichen);
  ui->Label84->setText(Einstellungswerte.Waehrungszeichen);
}

void TfmEinstellungen::BitBtn1Click() {
  Einstellungswerte.Waehrungszeichen = ui->Edit5->text();
  Einstellungswerte.Mindestgebuehr = ui->Edit1->text();
  Einstellungswerte.Grundgebuehr = ui->Edit2->text();
  Einstellungswerte.Gebuehr = ui->Edit3->text();
  Einstellungswerte.Maklergebuehr = ui->Edit4->text();
  SaveSettings();
  ApplySettings();
  accept();
}

void TfmEinstellungen::Edit1Exit(QLineEdit* feld) {
  if (fmStart) fmStart->DMFormat(feld);
}

void TfmEinstellungen::Edit3Exit(QLineEdit* feld) {
  if (fmStart) fmStart->ZinsFormat(feld);
}

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

bool TfmEinstellungen::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() == QEvent::FocusOut && !InExit) {
    // Switching windows (an error box opening) does not leave the field.
    const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
    if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) {
      // Run at once, before a click on OK is handled, so that OK stores the
      // formatted text as it would after Tab.
      InExit = true;
      Fehlerbehandelt([&] {
        if (objekt == ui->Edit1 || objekt == ui->Edit2) Edit1Exit(static_cast<QLineEdit*>(objekt));
        if (objekt == ui->Edit3 || objekt == ui->Edit4) Edit3Exit(static_cast<QLineEdit*>(objekt));
      });
      InExit = false;
    }
  }
  return QDialog::eventFilter(objekt, ereignis);
}
