#include "app/Hilfe.h"

#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

#include "app/Anwendung.h"
#include "app/Startfenster.h"
#include "base/Fensterrolle.h"
#include "pages/Seiten.h"
#include "ui_Hilfe.h"

namespace {

struct Thema {
  int Kontext;
  QString Datei;
};

// Every page names its own topic; these are the others. Context 0 is the
// contents page.
const QList<Thema>& Themen() {
  static const QList<Thema> themen = [] {
    QList<Thema> t{{0, QStringLiteral("inhalt.html")},
                   {100, QStringLiteral("programmfamilie.html")},
                   {HilfeZahlungsplan, QStringLiteral("zahlungsplan.html")},
                   {HilfeFinanzierung, QStringLiteral("finanzierung.html")}};
    for (const TSeite& seite : Seiten::Alle()) t.append({seite.Hilfe, seite.Hilfethema});
    return t;
  }();
  return themen;
}

QPointer<THilfeFenster> Fenster;

// F1 in a field opens the help at the field's context. The shortcut
// override keeps a window-wide F1 shortcut from taking the key first.
class THilfeKontext : public QObject {
 public:
  THilfeKontext(QWidget* widget, int kontext) : QObject(widget), FKontext(kontext) {}
  int FKontext;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    auto* taste = static_cast<QKeyEvent*>(event);
    if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier) return false;
    if (event->type() == QEvent::ShortcutOverride) {
      event->accept();
      return true;
    }
    HilfeZeigen(FKontext);
    return true;
  }
};

}  // namespace

THilfeFenster::THilfeFenster(QWidget* parent) : QWidget(parent, Qt::Window), ui(new Ui::THilfeFenster) {
  Q_INIT_RESOURCE(kalvora);
  FensterrolleMelden();
  ui->setupUi(this);
  setObjectName(QStringLiteral("Hilfefenster"));
  QTextBrowser* b = ui->Hilfetext;
  b->setSearchPaths({QStringLiteral(":/hilfe")});
  // One style for every topic, so the topics carry only their text.
  QFile stil(QStringLiteral(":/hilfe/hilfe.css"));
  if (stil.open(QIODevice::ReadOnly)) b->document()->setDefaultStyleSheet(QString::fromUtf8(stil.readAll()));
  connect(ui->InhaltSchalter, &QPushButton::clicked, this, [this] { ThemaZeigen(0); });
  connect(ui->ZurueckSchalter, &QPushButton::clicked, b, &QTextBrowser::backward);
  connect(ui->VorSchalter, &QPushButton::clicked, b, &QTextBrowser::forward);
  connect(ui->SchliessenSchalter, &QPushButton::clicked, this, &QWidget::close);
  connect(b, &QTextBrowser::backwardAvailable, ui->ZurueckSchalter, &QWidget::setEnabled);
  connect(b, &QTextBrowser::forwardAvailable, ui->VorSchalter, &QWidget::setEnabled);
  connect(b, &QTextBrowser::sourceChanged, this, &THilfeFenster::QuelleGeaendert);
}

THilfeFenster::~THilfeFenster() = default;

void THilfeFenster::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier)
    close();
  else
    QWidget::keyPressEvent(ereignis);
}

QTextBrowser* THilfeFenster::Browser() const { return ui->Hilfetext; }

QUrl THilfeFenster::ThemaUrl(int kontext) {
  QString datei = Themen().front().Datei;
  for (const Thema& t : Themen())
    if (t.Kontext == kontext) datei = t.Datei;
  return QUrl(QStringLiteral("qrc:/hilfe/") + datei);
}

int THilfeFenster::KontextVon(const QUrl& url) {
  const QString datei = url.fileName();
  for (const Thema& t : Themen())
    if (datei == t.Datei) return t.Kontext;
  return -1;
}

void THilfeFenster::ThemaZeigen(int kontext) {
  const QUrl url = ThemaUrl(kontext);
  // Setting the same source again would not scroll back to the top.
  if (ui->Hilfetext->source() == url) {
    ui->Hilfetext->verticalScrollBar()->setValue(0);
  } else {
    ui->Hilfetext->setSource(url);
  }
  FKontext = KontextVon(url);
}

void THilfeFenster::QuelleGeaendert(const QUrl& url) {
  const int k = KontextVon(url);
  if (k >= 0) FKontext = k;
}

void HilfeZeigen(int kontext) {
  if (!Fenster) {
    // A child window of the main window: it does not keep the program alive
    // once the main window closes, and it goes with it.
    auto* parent = static_cast<QWidget*>(fmStart);
    Fenster = new THilfeFenster(parent);
    if (!parent) Fenster->setAttribute(Qt::WA_DeleteOnClose);
  }
  Fenster->ThemaZeigen(kontext);
  const bool neu = !Fenster->isVisible();
  Fenster->show();
  if (neu && fmStart) {
    // Opened over the window it helps with, not wherever the system puts it.
    QRect rahmen = Fenster->frameGeometry();
    rahmen.moveCenter(fmStart->frameGeometry().center());
    Fenster->move(rahmen.topLeft());
  }
  Fenster->raise();
  Fenster->activateWindow();
}

THilfeFenster* Hilfefenster() { return Fenster; }

void HilfeKontextSetzen(QWidget* widget, int kontext) {
  if (!widget) return;
  for (QObject* kind : widget->children()) {
    if (auto* alt = dynamic_cast<THilfeKontext*>(kind)) {
      alt->FKontext = kontext;
      return;
    }
  }
  widget->installEventFilter(new THilfeKontext(widget, kontext));
}
