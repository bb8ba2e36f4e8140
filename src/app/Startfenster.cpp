// Start-up, menu, buttons, help and the background of the main window.
#include "app/Startfenster.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QUrl>
#include <algorithm>

#include "app/Anwendung.h"
#include "app/Barrierefreiheit.h"
#include "app/Hilfe.h"
#include "app/Seitenbau.h"
#include "base/Version.h"
#include "bilder/Bilder.h"
#include "bilder/Schriftzug.h"
#include "formula/uFormel.h"
#include "report/uDruck.h"
#include "settings/uEinstellungen.h"
#include "ui_Aktseite.h"
#include "ui_Euroseite.h"
#include "ui_Infoseite.h"
#include "ui_Startfenster.h"

namespace {

const QString Webadresse = QStringLiteral("https://www.merovin.example.org");
const QString Mailadresse = QStringLiteral("info@merovin.example.org");

// The program name's faces that are installed, in their order, and the
// last one in any case. Names that are not installed are left out, so that
// the font matcher never guesses at them. Looked up in the list of installed
// faces: asking the font database for a missing name would first send it
// through the font configuration's aliases.
QStringList ProgrammnamenSchriften() {
  const QStringList installiert = QFontDatabase::families();
  QStringList familien;
  for (const QString& name : Schriftzug::Schriften)
    if (name == Schriftzug::Schriften.last() || installiert.contains(name, Qt::CaseInsensitive)) familien << name;
  return familien;
}

// Seen only where the screen is smaller than the pages (a small screen at
// 200 %): the window's content scrolls instead of being cut off. It asks for
// the size of what it holds, so that the window opens at that size.
class TBildlauf : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }

 protected:
  // The window's layout keeps the hint until told that the content changed.
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (objekt == widget() && ereignis->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(objekt, ereignis);
  }
};

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

TfmStart::TfmStart(QWidget* parent)
    : QMainWindow(parent),
      ui(std::make_unique<Ui::TfmStart>()),
      info(std::make_unique<Ui::TInfoseite>()),
      akt(std::make_unique<Ui::TAktseite>()),
      euro(std::make_unique<Ui::TEuroseite>()) {
  ui->setupUi(this);
  SeitenAnlegen();
  FelderEinrichten();
  FormCreate();
  Verbinden();
  TastenEinrichten();
}

TfmStart::~TfmStart() {
  if (fmStart == this) fmStart = nullptr;
}

void TfmStart::SeitenAnlegen() {
  for (const TSeite& seite : Seiten::Alle()) {
    const int index = static_cast<int>(FBlaetter.size());
    TBlatt blatt{&seite, seite.Art == TSeitenart::Rechnung ? SeiteBauen(seite) : new QWidget()};
    QWidget* widget = blatt.Widget;
    // The one place that tells the kinds of page apart: their forms and routines.
    switch (seite.Art) {
      case TSeitenart::Rechnung:
        blatt.Einrichten = [this, index] { SeiteLeeren(index); };
        blatt.Rechnen = [this, index] { Berechne(index); };
        blatt.GesuchtGeaendert = [this, index] { GesuchtChange(index); };
        break;
      case TSeitenart::Aktien:
        akt->setupUi(widget);
        blatt.Einrichten = [this] { AktEinrichten(); };
        blatt.Rechnen = [this] { Berechne_Akt(); };
        blatt.GesuchtGeaendert = [this] { Akt_GesuchtChange(); };
        break;
      // It converts while the user types; a stray click on its disabled
      // button must not end the program.
      case TSeitenart::Euro:
        euro->setupUi(widget);
        blatt.Einrichten = [this] { EuroFelderLeeren(); };
        break;
      // Its button reads "Ende".
      case TSeitenart::Info: blatt.Rechnen = [this] { close(); }; break;
    }
    ui->PageControl1->addTab(widget, seite.Beschriftung);
    widget->setAccessibleName(QStringLiteral("Seite ") + Vorlesetext(seite.Beschriftung));
    // The first tab added is shown at once, and a shown page lays itself out
    // at whatever size it has then. Filled only now, the start page is laid
    // out once, at the window's final size.
    if (seite.Art == TSeitenart::Info) info->setupUi(widget);
    if (!seite.Gesuchtliste.isEmpty()) blatt.Gesucht = widget->findChild<QComboBox*>(seite.Gesuchtliste);
    blatt.Frage = widget->findChild<QLabel*>(seite.Key + QStringLiteral("_FrageLabel"));
    for (const TFeld& feld : seite.Felder) {
      blatt.Felder.push_back(widget->findChild<QWidget*>(feld.Name));
      if (!feld.Waehrung.isEmpty()) blatt.Waehrung << widget->findChild<QLabel*>(feld.Waehrung);
    }
    if (seite.Art == TSeitenart::Euro) euroFelder = blatt.Eingabefelder();
    FBlaetter.push_back(std::move(blatt));
  }
}

void TfmStart::SeiteLeeren(int seite) {
  const TBlatt& blatt = FBlaetter[static_cast<std::size_t>(seite)];
  for (QLineEdit* feld : blatt.Eingabefelder()) feld->clear();
  blatt.Gesucht->setCurrentIndex(blatt.Seite->Start);
  GesuchtChange(seite);
  if (const int liste = blatt.Seite->Zahlungsweise(); liste >= 0)
    static_cast<QComboBox*>(blatt.Felder[static_cast<std::size_t>(liste)])->setCurrentIndex(0);
}

QLineEdit* TfmStart::TBlatt::Zeile(int feld) const {
  return qobject_cast<QLineEdit*>(Felder[static_cast<std::size_t>(feld)]);
}

QString TfmStart::TBlatt::Text(int feld) const {
  if (const QLineEdit* zeile = Zeile(feld)) return zeile->text();
  return static_cast<const QComboBox*>(Felder[static_cast<std::size_t>(feld)])->currentText();
}

QList<QLineEdit*> TfmStart::TBlatt::Zeilen(const std::vector<int>& felder) const {
  QList<QLineEdit*> zeilen;
  for (int feld : felder) zeilen << Zeile(feld);
  return zeilen;
}

QList<QLineEdit*> TfmStart::TBlatt::Eingabefelder() const {
  QList<QLineEdit*> zeilen;
  for (QWidget* feld : Felder)
    if (auto* zeile = qobject_cast<QLineEdit*>(feld)) zeilen << zeile;
  return zeilen;
}

QHash<QString, QString> TfmStart::TBlatt::Feldtexte() const {
  QHash<QString, QString> texte;
  for (QLineEdit* feld : Eingabefelder()) texte.insert(feld->objectName(), feld->text());
  return texte;
}

int TfmStart::TBlatt::ZahlungsweiseIndex() const {
  const int liste = Seite->Zahlungsweise();
  return liste < 0 ? -1 : static_cast<const QComboBox*>(Felder[static_cast<std::size_t>(liste)])->currentIndex();
}

QStringList TfmStart::TBlatt::Stand() const {
  QStringList stand{QString::number(Gesucht ? Gesucht->currentIndex() : -1)};
  for (std::size_t i = 0; i < Felder.size(); ++i) stand << Text(static_cast<int>(i));
  return stand;
}

bool TfmStart::TBlatt::Veraltet() const {
  const int index = Gesucht ? Gesucht->currentIndex() : -1;
  const bool gesucht = index >= 0 && index < static_cast<int>(Seite->Gesucht.size());
  // An empty result belongs to no inputs; the report shows the page as it is.
  bool ergebnis = false;
  for (std::size_t i = 0; i < Felder.size() && !ergebnis; ++i) {
    const int feld = static_cast<int>(i);
    const bool istErgebnis =
        Seite->Felder[i].Art == TFeldart::Ergebnis ||
        (gesucht && std::ranges::count(Seite->Gesucht[static_cast<std::size_t>(index)].Ergebnis, feld) > 0);
    ergebnis = istErgebnis && !Text(feld).isEmpty();
  }
  return ergebnis && Stand() != Gerechnet;
}

const TfmStart::TBlatt& TfmStart::Aktiv() const {
  return FBlaetter[static_cast<std::size_t>(ui->PageControl1->currentIndex())];
}

void TfmStart::FormCreate() {
  setWindowTitle(QString::fromLatin1(ProgrammnameMitVersion));

  const QStringList schriften = ProgrammnamenSchriften();
  info->ProgNameLabel->setFont(Schriftzug::Schrift(schriften));
  QPalette grau = info->ProgNameLabel->palette();
  grau.setColor(QPalette::WindowText, QColor(128, 128, 128));
  info->ProgNameLabel->setPalette(grau);
  info->ProgNameLabel->setText(QString::fromLatin1(Programmname));
  // In the face the package brings, the letters come drawn at build time:
  // loading that face for one word would be a noticeable part of a start.
  if (schriften.size() == 1) info->ProgNameLabel->setSchriftbild(Bild(QStringLiteral("schriftzug")));
  info->VersionsLabel->setText(QStringLiteral("Version ") + QString::fromLatin1(Programmversion));
  info->Label99->setText(QStringLiteral("Ein Programm von Merovin"));
  info->Namenslabel->setText(QStringLiteral("Merovin Software\nLindenallee 12\n12345 Musterstadt\n") + Webadresse +
                             QLatin1Char('\n') + Mailadresse);
  info->HinweisLabel->setText(QStringLiteral(
      "Alle Berechnungen sind ohne Gewähr !\nFür fehlerhafte Berechnungen wird keine Haftung übernommen."));
  AlsLink(info->Label97, Webadresse);
  AlsLink(info->Label98, Mailadresse);
  AlsVerweisZugaenglich(info->Label97);
  AlsVerweisZugaenglich(info->Label98);
  // The style's focus mark on this small button is too faint to find.
  FokusrahmenZeichnen(info->SpeedButton1);
  info->Image1->setPixmap(Bild(QStringLiteral("kalvora")));
  info->SpeedButton1->setIcon(Symbol(QStringLiteral("info")));

  ui->RechnenSchalter->setIcon(Symbol(QStringLiteral("rechnen")));
  // The hidden glyph and the button share one icon.
  const QIcon formel = Symbol(QStringLiteral("formel"));
  ui->FormelSchalter->setIcon(formel);
  ui->Schalterbild->setPixmap(formel.pixmap(16, 16));
  ui->btbtnDruck->setIcon(Symbol(QStringLiteral("drucken")));
  ui->ZahlungsplanSchalter->setIcon(Symbol(QStringLiteral("zahlungsplan")));
  // The style's own question mark, drawn at build time: asked for here, the
  // style would first search the icon theme for it, the longest step of a start.
  ui->HilfeSchalter->setIcon(Symbol(QStringLiteral("frage")));
  // One width for all four, so that the row spreads them evenly; the plan's
  // longer caption keeps its own width and leaves theirs as they were.
  const QList<QPushButton*> knoepfe{ui->RechnenSchalter, ui->FormelSchalter, ui->btbtnDruck, ui->HilfeSchalter};
  int breite = 0;
  for (auto* k : knoepfe) {
    k->setIconSize(QSize(16, 16));
    breite = std::max(breite, k->sizeHint().width());
  }
  for (auto* k : knoepfe) k->setFixedWidth(breite);
  ui->ZahlungsplanSchalter->setIconSize(QSize(16, 16));
  ui->ZahlungsplanSchalter->setFixedWidth(std::max(breite, ui->ZahlungsplanSchalter->sizeHint().width()));

  LoadSettings();
  ApplySettings();

  for (const TBlatt& blatt : FBlaetter)
    if (blatt.Einrichten) blatt.Einrichten();

  ui->PageControl1->setCurrentIndex(Seiten::Index(u""));
  ui->RechnenSchalter->setText(QStringLiteral("&Ende"));
  ui->RechnenSchalter->setEnabled(true);
  ui->FormelSchalter->setEnabled(false);
  ui->btbtnDruck->setEnabled(false);
  ui->ZahlungsplanSchalter->setEnabled(false);

  // The tabs are picked with the mouse or the page keys; Tab only walks the fields.
  ui->PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
  ui->PageControl1->tabBar()->setAccessibleName(QStringLiteral("Seiten"));
  info->SpeedButton1->setFocus(Qt::OtherFocusReason);
  if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
    FensterEinpassen(bildschirm->availableGeometry());
  else
    resize(sizeHint() + QSize(24, 24));
}

void TfmStart::FensterEinpassen(const QRect& frei) {
  const QSize groesse = sizeHint() + QSize(24, 24);
  const int titel = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const QSize platz = frei.size() - QSize(0, titel);
  // A screen too small even for the smallest window gets the scroll area;
  // anywhere else it would only be work at every start.
  const QSize noetig = minimumSizeHint();
  if ((noetig.width() > platz.width() || noetig.height() > platz.height()) &&
      !qobject_cast<QScrollArea*>(centralWidget())) {
    auto* bildlauf = new TBildlauf(this);
    bildlauf->setObjectName(QStringLiteral("Bildlauf"));
    bildlauf->setFrameShape(QFrame::NoFrame);
    bildlauf->setFocusPolicy(Qt::NoFocus);
    bildlauf->setWidgetResizable(true);
    // The background tile covers all of it; a fill beneath would be work for nothing.
    bildlauf->viewport()->setAutoFillBackground(false);
    bildlauf->setWidget(takeCentralWidget());
    bildlauf->widget()->setAutoFillBackground(false);
    setCentralWidget(bildlauf);
    // The window's least size follows at once, not with the next event.
    layout()->activate();
  }
  // Within the screen, title bar included.
  resize(groesse.boundedTo(platz));
  QPoint ort = frei.center() - rect().center();
  ort.setY(std::max(frei.top(), std::min(ort.y(), frei.top() + frei.height() - titel - height())));
  move(ort);
}

void TfmStart::TastenEinrichten() {
  // From anywhere in the window, a field included. They belong to the pages'
  // block, so that the print preview, which puts it out of sight, silences them.
  const auto taste = [this](const QList<QKeySequence>& tasten, auto handler) {
    auto* kurz = new QShortcut(ui->Seitenblock);
    kurz->setKeys(tasten);
    connect(kurz, &QShortcut::activated, this, handler);
  };
  taste({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        [this] { SeiteWechseln(1); });
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
  VerbindenBehandelt(ui->PageControl1, &QTabWidget::currentChanged, this, &TfmStart::PageControl1Change);
  connect(ui->RechnenSchalter, &QPushButton::clicked, this, &TfmStart::RechnenSchalterClick);
  VerbindenBehandelt(ui->FormelSchalter, &QPushButton::clicked, this, &TfmStart::FormelSchalterClick);
  VerbindenBehandelt(ui->btbtnDruck, &QPushButton::clicked, this, &TfmStart::btbtnDruckClick);
  VerbindenBehandelt(ui->ZahlungsplanSchalter, &QPushButton::clicked, this, &TfmStart::ZahlungsplanSchalterClick);
  connect(ui->HilfeSchalter, &QPushButton::clicked, this, &TfmStart::HilfeSchalterClick);
  connect(info->SpeedButton1, &QToolButton::clicked, this, &TfmStart::SpeedButton1Click);
  connect(ui->Einstellungen1, &QAction::triggered, this, &TfmStart::Einstellungen1Click);
  VerbindenBehandelt(ui->FinanzierungAktion, &QAction::triggered, this, &TfmStart::FinanzierungAktionClick);
  connect(ui->Beenden1, &QAction::triggered, this, &TfmStart::Beenden1Click);
  connect(ui->Hilfe2, &QAction::triggered, this, &TfmStart::Hilfe2Click);
  connect(ui->Info1, &QAction::triggered, this, &TfmStart::Info1Click);
  connect(ui->Hilfe1, &QMenu::aboutToShow, this, &TfmStart::Hilfe1Click);

  for (const TBlatt& blatt : FBlaetter)
    if (blatt.Gesucht && blatt.GesuchtGeaendert)
      connect(blatt.Gesucht, &QComboBox::currentIndexChanged, this, blatt.GesuchtGeaendert);
  // The question follows every change of the texts it is built from.
  for (const TBlatt& blatt : FBlaetter) {
    if (!blatt.Frage) continue;
    for (QWidget* feld : blatt.Felder) {
      if (auto* zeile = qobject_cast<QLineEdit*>(feld))
        connect(zeile, &QLineEdit::textChanged, this, &TfmStart::FrageUpdate);
      else
        connect(static_cast<QComboBox*>(feld), &QComboBox::currentIndexChanged, this, &TfmStart::FrageUpdate);
    }
  }
}

QString TfmStart::SeitenKey() const { return Aktiv().Seite->Key; }

void TfmStart::PageControl1Change() {
  FrageUpdate();
  const TSeitenart art = Aktiv().Seite->Art;
  if (art != TSeitenart::Info) {
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
  ui->RechnenSchalter->setEnabled(static_cast<bool>(Aktiv().Rechnen));
  ui->ZahlungsplanSchalter->setEnabled(Aktiv().Seite->Zahlungsplan());
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
    ui->PageControl1->setCurrentIndex(Seiten::Index(u""));
  }
  ui->RechnenSchalter->setText(QStringLiteral("&Ende"));
  ui->RechnenSchalter->setEnabled(true);
  ui->FormelSchalter->setEnabled(false);
  ui->btbtnDruck->setEnabled(false);
  ui->ZahlungsplanSchalter->setEnabled(false);
  // The keyboard must not stay in a field of the page that went out of sight.
  info->SpeedButton1->setFocus(Qt::OtherFocusReason);
}

void TfmStart::Hilfe1Click() { ui->Info1->setEnabled(ui->PageControl1->currentIndex() != Seiten::Index(u"")); }

void TfmStart::Hilfe2Click() { HilfeZeigen(0); }

void TfmStart::Beenden1Click() { close(); }

void TfmStart::Einstellungen1Click() {
  if (fmEinstellungen) fmEinstellungen->exec();
}

int TfmStart::HilfeKontext() const { return Aktiv().Seite->Hilfe; }

int TfmStart::FeldHilfeKontext(const QWidget* feld) const {
  for (const TBlatt& blatt : FBlaetter)
    if (blatt.Seite->Art != TSeitenart::Info && blatt.Widget->isAncestorOf(feld)) return blatt.Seite->FeldHilfe;
  return 0;
}

void TfmStart::HilfeSchalterClick() { HilfeZeigen(HilfeKontext()); }

void TfmStart::SpeedButton1Click() { HilfeZeigen(100); }

void TfmStart::Label97Click() {
  QPalette rot = info->Label97->palette();
  rot.setColor(QPalette::WindowText, Qt::red);
  info->Label97->setPalette(rot);
  QCoreApplication::processEvents();
  QDesktopServices::openUrl(QUrl(Webadresse));
}

void TfmStart::Label98Click() {
  QPalette rot = info->Label98->palette();
  rot.setColor(QPalette::WindowText, Qt::red);
  info->Label98->setPalette(rot);
  QCoreApplication::processEvents();
  QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + Mailadresse));
}

void TfmStart::RechnenSchalterClick() {
  Fehlerbehandelt([this] {
    const TBlatt& blatt = Aktiv();
    if (!blatt.Rechnen) return;
    blatt.Rechnen();
    if (blatt.Seite->Art != TSeitenart::Info) PlanNachfuehren();
  });
}

void TfmStart::FormelSchalterClick() {
  const TBlatt& blatt = Aktiv();
  if (blatt.Seite->Art == TSeitenart::Info || !fmFormel) return;
  fmFormel->DokumentZeigen(FormelRessource(blatt.Seite->Key, blatt.Gesucht ? blatt.Gesucht->currentIndex() : 0));
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

void TfmStart::ApplySettings() {
  for (QLabel* label : Waehrungslabels()) WaehrungZeigen(label, Einstellungswerte.Waehrungszeichen);
  Feldnamen();
  FrageUpdate();
}

void TfmStart::Feldnamen() {
  // The name without its unit is taken once: the record's, else the caption
  // the form gives the field.
  static constexpr const char* Grundname = "Barrierefreiheit_Grundname";
  for (const TBlatt& blatt : FBlaetter) {
    if (blatt.Gesucht) blatt.Gesucht->setAccessibleName(QStringLiteral("Gesuchte Größe"));
    for (std::size_t i = 0; i < blatt.Felder.size(); ++i) {
      const TFeld& f = blatt.Seite->Felder[i];
      QWidget* feld = blatt.Felder[i];
      if (f.Art == TFeldart::Liste) {
        feld->setAccessibleName(QStringLiteral("Zahlungsweise"));
        continue;
      }
      if (!feld->property(Grundname).isValid()) {
        QString name = !f.Vorlesename.isEmpty() ? f.Vorlesename : f.Beschriftung;
        if (name.isEmpty()) name = feld->accessibleName();
        for (const QLabel* label : blatt.Widget->findChildren<QLabel*>())
          if (name.isEmpty() && label->buddy() == feld) name = label->text();
        feld->setProperty(Grundname, name);
      }
      feld->setAccessibleName(
          Feldname(feld->property(Grundname).toString(), f.Art, f.Einheit, Einstellungswerte.Waehrungszeichen));
    }
  }
}

QList<QLabel*> TfmStart::Waehrungslabels() const {
  QList<QLabel*> labels;
  for (const TBlatt& blatt : FBlaetter) labels << blatt.Waehrung;
  return labels;
}
