// Start-up, menu, buttons, help and the background of the main window.
#include "app/Startfenster.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QUrl>
#include <algorithm>

#include "app/Anwendung.h"
#include "app/Hilfe.h"
#include "app/Startfenster_Seiten.h"
#include "bilder/Bilder.h"
#include "report/uDruck.h"
#include "settings/uEinstellungen.h"
#include "formula/uFormel.h"
#include "ui_Startfenster.h"

namespace {

const QString Webadresse = QStringLiteral("https://www.merovin.example.org");
const QString Mailadresse = QStringLiteral("info@merovin.example.org");

// The program name's face where it is installed, else a rounded sans face,
// and in the end always the sans face the package depends on. Names that are
// not installed are left out, so that the font matcher never guesses at them.
QStringList ProgrammnamenSchriften() {
  QStringList familien;
  for (const char* name : {"Comic Sans MS", "Comic Neue"})
    if (QFontDatabase::hasFamily(QString::fromLatin1(name))) familien << QString::fromLatin1(name);
  familien << QStringLiteral("Liberation Sans");
  return familien;
}

void AlsLink(QLabel* label, const QString& text) {
  label->setText(text);
  QFont schrift = label->font();
  schrift.setUnderline(true);
  label->setFont(schrift);
  QPalette farben = label->palette();
  farben.setColor(QPalette::WindowText, Qt::blue);
  label->setPalette(farben);
  label->setCursor(Qt::PointingHandCursor);
}

}  // namespace

int TfmStart::ErgebnisPauseMs = 100;

TfmStart::TfmStart(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::TfmStart>()) {
  // The settings are applied through the global window pointer while this
  // window is still being built, so it has to point here already.
  fmStart = this;
  ui->setupUi(this);
  FelderEinrichten();
  FormCreate();
  Verbinden();
  TastenEinrichten();
}

TfmStart::~TfmStart() {
  if (fmStart == this) fmStart = nullptr;
}

void TfmStart::FormCreate() {
  setWindowTitle(QStringLiteral("Kalvora 1.1.1"));

  QFont name;
  name.setFamilies(ProgrammnamenSchriften());
  name.setPixelSize(25);
  name.setBold(true);
  ui->ProgNameLabel->setFont(name);
  QPalette grau = ui->ProgNameLabel->palette();
  grau.setColor(QPalette::WindowText, QColor(128, 128, 128));
  ui->ProgNameLabel->setPalette(grau);
  ui->ProgNameLabel->setText(QStringLiteral("Kalvora"));
  ui->VersionsLabel->setText(QStringLiteral("Version 1.1.1"));
  ui->Label99->setText(QStringLiteral("Ein Programm von Merovin"));
  ui->Namenslabel->setText(QStringLiteral("Merovin Software\nLindenallee 12\n12345 Musterstadt\n") + Webadresse +
                           QLatin1Char('\n') + Mailadresse);
  ui->HinweisLabel->setText(QStringLiteral(
      "Alle Berechnungen sind ohne Gewähr !\nFür fehlerhafte Berechnungen wird keine Haftung übernommen."));
  AlsLink(ui->Label97, Webadresse);
  AlsLink(ui->Label98, Mailadresse);
  ui->Image1->setPixmap(Bild(QStringLiteral("kalvora")));
  ui->SpeedButton1->setIcon(Symbol(QStringLiteral("info")));

  ui->RechnenSchalter->setIcon(Symbol(QStringLiteral("rechnen")));
  // The hidden glyph and the button share one icon.
  const QIcon formel = Symbol(QStringLiteral("formel"));
  ui->FormelSchalter->setIcon(formel);
  ui->Schalterbild->setPixmap(formel.pixmap(16, 16));
  ui->btbtnDruck->setIcon(Symbol(QStringLiteral("drucken")));
  ui->HilfeSchalter->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
  // One width for all four, so that the row spreads them evenly.
  const QList<QPushButton*> knoepfe{ui->RechnenSchalter, ui->FormelSchalter, ui->btbtnDruck, ui->HilfeSchalter};
  int breite = 0;
  for (auto* k : knoepfe) {
    k->setIconSize(QSize(16, 16));
    breite = std::max(breite, k->sizeHint().width());
  }
  for (auto* k : knoepfe) k->setFixedWidth(breite);

  LoadSettings();
  ApplySettings();

  for (auto* f : {ui->KFeld, ui->pFeld, ui->njFeld, ui->nmFeld, ui->KnFeld}) f->clear();
  ui->Gesucht1->setCurrentIndex(3);
  Gesucht1Change();

  for (auto* f : {ui->ZiZiE_KFeld, ui->ZiZiE_pFeld, ui->ZiZiE_njFeld, ui->ZiZiE_nmFeld, ui->ZiZiE_KnFeld}) f->clear();
  ui->ZiZiE_Gesucht->setCurrentIndex(3);
  ZiZiE_GesuchtChange();

  for (auto* f : {ui->ZiZiR_RFeld, ui->ZiZiR_pFeld, ui->ZiZiR_njFeld, ui->ZiZiR_nmFeld, ui->ZiZiR_KnFeld}) f->clear();
  ui->ZiZiR_Gesucht->setCurrentIndex(2);
  ZiZiR_GesuchtChange();
  ui->ZiZiR_Zahlungsweise->setCurrentIndex(0);

  for (auto* f : {ui->BW_RFeld, ui->BW_pFeld, ui->BW_njFeld, ui->BW_nmFeld, ui->BW_BWFeld}) f->clear();
  ui->BW_Gesucht->setCurrentIndex(2);
  BW_GesuchtChange();
  ui->BW_Zahlungsweise->setCurrentIndex(0);

  for (auto* f : {ui->AnnD_KFeld, ui->AnnD_pFeld, ui->AnnD_njFeld, ui->AnnD_nmFeld, ui->AnnD_RFeld, ui->AnnD_KnFeld,
                  ui->AnnD_knjFeld, ui->AnnD_KnmFeld})
    f->clear();
  ui->AnnD_Gesucht->setCurrentIndex(3);
  AnnD_GesuchtChange();
  ui->AnnD_Zahlungsweise->setCurrentIndex(0);

  for (auto* f : {ui->MWST_Netto, ui->MWST_MWSTprozent, ui->MWST_MWSTDM, ui->MWST_brutto}) f->clear();
  ui->MWST_Gesucht->setCurrentIndex(1);
  MWST_GesuchtChange();

  // The break-even row keeps its place while a sale hides it, so that
  // switching between purchase and sale moves nothing.
  for (QWidget* w : {static_cast<QWidget*>(ui->GewinnschwellenLabel), static_cast<QWidget*>(ui->Akt_ErgGewinn)}) {
    QSizePolicy politik = w->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    w->setSizePolicy(politik);
  }
  ui->Akt_Gesucht->setCurrentIndex(1);
  Akt_GesuchtChange();
  for (auto* f : {ui->Akt_Kurs, ui->Akt_Stueck, ui->Akt_Name}) f->clear();
  ui->Akt_MindGeb->setText(Einstellungswerte.Mindestgebuehr);
  ui->Akt_GrundGeb->setText(Einstellungswerte.Grundgebuehr);
  ui->Akt_Geb->setText(Einstellungswerte.Gebuehr);
  ui->Akt_MaklerGeb->setText(Einstellungswerte.Maklergebuehr);
  for (auto* f : {ui->Akt_ErgStueck, ui->Akt_ErgKurs, ui->Akt_ErgKW, ui->Akt_ErgMakGeb, ui->Akt_ErgBankGeb,
                  ui->Akt_ErgGesamt, ui->Akt_ErgGewinn}) {
    f->clear();
    ErgebnisFeld(f);
  }

  EuroFelderLeeren();

  ui->PageControl1->setCurrentIndex(Seiten::Info);
  ui->RechnenSchalter->setText(QStringLiteral("&Ende"));
  ui->RechnenSchalter->setEnabled(true);
  ui->FormelSchalter->setEnabled(false);
  ui->btbtnDruck->setEnabled(false);

  // The tabs are picked with the mouse or the page keys; Tab only walks the fields.
  ui->PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
  ui->SpeedButton1->setFocus(Qt::OtherFocusReason);
  resize(sizeHint() + QSize(24, 24));
  if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
    move(bildschirm->availableGeometry().center() - rect().center());
}

void TfmStart::TastenEinrichten() {
  // From anywhere in the window, a field included. They belong to the pages'
  // block, so that the print preview, which puts it out of sight, silences them.
  const auto taste = [this](const QList<QKeySequence>& tasten, auto handler) {
    auto* kurz = new QShortcut(ui->Seitenblock);
    kurz->setKeys(tasten);
    connect(kurz, &QShortcut::activated, this, handler);
  };
  taste({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, [this] { SeiteWechseln(1); });
  // Shift+Tab arrives as Backtab from the keyboard.
  taste({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
         QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        [this] { SeiteWechseln(-1); });
  taste({QKeySequence(Qt::Key_F6)}, [this] { ErgebnisfeldAnsteuern(); });
}

void TfmStart::SeiteWechseln(int schritt) {
  const int anzahl = ui->PageControl1->count();
  ui->PageControl1->setCurrentIndex((ui->PageControl1->currentIndex() + schritt % anzahl + anzahl) % anzahl);
}

void TfmStart::ErgebnisfeldAnsteuern() {
  // The page's result fields are out of the Tab walk; this key visits them in turn.
  QList<QLineEdit*> felder;
  for (QLineEdit* feld : ui->PageControl1->currentWidget()->findChildren<QLineEdit*>())
    if (feld->isReadOnly() && feld->isEnabled() && feld->isVisible()) felder.append(feld);
  if (felder.isEmpty()) return;
  const auto jetzt = felder.indexOf(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
  QLineEdit* ziel = felder.at((jetzt + 1) % felder.size());
  ziel->setFocus(Qt::ShortcutFocusReason);
  ziel->selectAll();
}

void TfmStart::Verbinden() {
  connect(ui->PageControl1, &QTabWidget::currentChanged, this, [this] { Fehlerbehandelt([this] { PageControl1Change(); }); });
  connect(ui->RechnenSchalter, &QPushButton::clicked, this, &TfmStart::RechnenSchalterClick);
  connect(ui->FormelSchalter, &QPushButton::clicked, this, [this] { Fehlerbehandelt([this] { FormelSchalterClick(); }); });
  connect(ui->btbtnDruck, &QPushButton::clicked, this, [this] { Fehlerbehandelt([this] { btbtnDruckClick(); }); });
  connect(ui->HilfeSchalter, &QPushButton::clicked, this, &TfmStart::HilfeSchalterClick);
  connect(ui->SpeedButton1, &QToolButton::clicked, this, &TfmStart::SpeedButton1Click);
  connect(ui->Einstellungen1, &QAction::triggered, this, &TfmStart::Einstellungen1Click);
  connect(ui->Beenden1, &QAction::triggered, this, &TfmStart::Beenden1Click);
  connect(ui->Hilfe2, &QAction::triggered, this, &TfmStart::Hilfe2Click);
  connect(ui->Info1, &QAction::triggered, this, &TfmStart::Info1Click);
  connect(ui->Hilfe1, &QMenu::aboutToShow, this, &TfmStart::Hilfe1Click);

  connect(ui->Gesucht1, &QComboBox::currentIndexChanged, this, &TfmStart::Gesucht1Change);
  connect(ui->ZiZiE_Gesucht, &QComboBox::currentIndexChanged, this, &TfmStart::ZiZiE_GesuchtChange);
  connect(ui->ZiZiR_Gesucht, &QComboBox::currentIndexChanged, this, &TfmStart::ZiZiR_GesuchtChange);
  connect(ui->BW_Gesucht, &QComboBox::currentIndexChanged, this, &TfmStart::BW_GesuchtChange);
  connect(ui->AnnD_Gesucht, &QComboBox::currentIndexChanged, this, &TfmStart::AnnD_GesuchtChange);
  connect(ui->MWST_Gesucht, &QComboBox::currentIndexChanged, this, &TfmStart::MWST_GesuchtChange);
  connect(ui->Akt_Gesucht, &QComboBox::currentIndexChanged, this, &TfmStart::Akt_GesuchtChange);

  // The question follows every change of the texts it is built from.
  for (int seite = Seiten::eZi; seite <= Seiten::MWST; ++seite)
    for (auto* feld : ui->PageControl1->widget(seite)->findChildren<QLineEdit*>())
      connect(feld, &QLineEdit::textChanged, this, &TfmStart::FrageUpdate);
  for (auto* liste : {ui->ZiZiR_Zahlungsweise, ui->BW_Zahlungsweise, ui->AnnD_Zahlungsweise})
    connect(liste, &QComboBox::currentIndexChanged, this, &TfmStart::FrageUpdate);
}

QString TfmStart::SeitenKey() const {
  const int seite = ui->PageControl1->currentIndex();
  if (seite < 0 || seite >= Seiten::Anzahl) return {};
  return QString::fromLatin1(Seiten::Tabelle[seite].Key);
}

void TfmStart::PageControl1Change() {
  FrageUpdate();
  const int seite = ui->PageControl1->currentIndex();
  if (seite != Seiten::Info) {
    ui->FormelSchalter->setText(QStringLiteral("&Formel"));
    ui->FormelSchalter->setIcon(QIcon(ui->Schalterbild->pixmap()));
    ui->FormelSchalter->setEnabled(true);
    ui->RechnenSchalter->setText(QStringLiteral("&Rechnen"));
    ui->btbtnDruck->setEnabled(true);
  } else {
    ui->RechnenSchalter->setText(QStringLiteral("&Ende"));
    ui->FormelSchalter->setEnabled(false);
    ui->btbtnDruck->setEnabled(false);
  }
  ui->RechnenSchalter->setEnabled(seite != Seiten::Euro);
  // The keyboard starts at the page's first control, so Tab walks its fields at once.
  const QWidget* blatt = ui->PageControl1->currentWidget();
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
    if (blatt->isAncestorOf(w) && w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
      w->setFocus(Qt::TabFocusReason);
      break;
    }
  }
}

void TfmStart::Info1Click() {
  if (frmDruckVorschau && frmDruckVorschau->isVisible()) frmDruckVorschau->hide();
  {
    // A page chosen by the program is no page change of the user's.
    const QSignalBlocker stumm(ui->PageControl1);
    ui->PageControl1->setCurrentIndex(Seiten::Info);
  }
  ui->RechnenSchalter->setText(QStringLiteral("&Ende"));
  ui->RechnenSchalter->setEnabled(true);
  ui->FormelSchalter->setEnabled(false);
  ui->btbtnDruck->setEnabled(false);
  // The keyboard must not stay in a field of the page that went out of sight.
  ui->SpeedButton1->setFocus(Qt::OtherFocusReason);
}

void TfmStart::Hilfe1Click() { ui->Info1->setEnabled(ui->PageControl1->currentIndex() != Seiten::Info); }

void TfmStart::Hilfe2Click() { HilfeZeigen(0); }

void TfmStart::Beenden1Click() { close(); }

void TfmStart::Einstellungen1Click() {
  if (fmEinstellungen) fmEinstellungen->exec();
}

int TfmStart::HilfeKontext() const {
  const int seite = ui->PageControl1->currentIndex();
  if (seite < 0 || seite >= Seiten::Anzahl) return 10;
  return Seiten::Tabelle[seite].Hilfe;
}

int TfmStart::FeldHilfeKontext(const QWidget* feld) const {
  for (int seite = Seiten::eZi; seite < Seiten::Anzahl; ++seite)
    if (ui->PageControl1->widget(seite)->isAncestorOf(feld)) return Seiten::Tabelle[seite].FeldHilfe;
  return 0;
}

void TfmStart::HilfeSchalterClick() { HilfeZeigen(HilfeKontext()); }

void TfmStart::SpeedButton1Click() { HilfeZeigen(100); }

void TfmStart::Label97Click() {
  QPalette rot = ui->Label97->palette();
  rot.setColor(QPalette::WindowText, Qt::red);
  ui->Label97->setPalette(rot);
  QCoreApplication::processEvents();
  QDesktopServices::openUrl(QUrl(Webadresse));
}

void TfmStart::Label98Click() {
  QPalette rot = ui->Label98->palette();
  rot.setColor(QPalette::WindowText, Qt::red);
  ui->Label98->setPalette(rot);
  QCoreApplication::processEvents();
  QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + Mailadresse));
}

void TfmStart::RechnenSchalterClick() {
  Fehlerbehandelt([this] {
    switch (ui->PageControl1->currentIndex()) {
      case Seiten::eZi: Berechne_eZi(); break;
      case Seiten::ZiZiE: Berechne_ZiZiE(); break;
      case Seiten::ZiZiR: Berechne_ZiZiR(); break;
      case Seiten::BW: Berechne_BW(); break;
      case Seiten::AnnD: Berechne_AnnD(); break;
      case Seiten::MWST: Berechne_MWST(); break;
      case Seiten::Akt: Berechne_Akt(); break;
      // The euro page converts while the user types; its button is disabled,
      // and a stray click there must not end the program.
      case Seiten::Euro: break;
      default: close(); break;
    }
  });
}

void TfmStart::FormelSchalterClick() {
  const int seite = ui->PageControl1->currentIndex();
  if (seite == Seiten::Info || !fmFormel) return;
  int index = 0;
  if (seite != Seiten::Euro) {
    const QString liste = seite == Seiten::eZi ? QStringLiteral("Gesucht1") : SeitenKey() + QStringLiteral("_Gesucht");
    if (auto* gesucht = findChild<QComboBox*>(liste)) index = gesucht->currentIndex();
  }
  fmFormel->DokumentZeigen(FormelRessource(SeitenKey(), index));
}

void TfmStart::FormPaint(QWidget* flaeche) {
  if (!fmFormel || fmFormel->Bitmap1().isNull()) return;
  const QPixmap& kachel = fmFormel->Bitmap1();
  const int tw = kachel.width();
  const int th = kachel.height();
  QPainter maler(flaeche);
  for (int i = 0; i <= flaeche->height() / th; ++i)
    for (int k = 0; k <= flaeche->width() / tw; ++k) maler.drawPixmap(k * tw, i * th, kachel);
}

QList<QLabel*> TfmStart::Waehrungslabels() const {
  return {ui->Label6,  ui->Label9,  ui->Label16, ui->Label18, ui->Label27, ui->Label29,
          ui->Label38, ui->Label40, ui->Label49, ui->Label51, ui->Label54, ui->Label65,
          ui->Label67, ui->Label68, ui->Label80, ui->Label83, ui->Label84};
}
