// The floor of the start-up comparison: the least a Qt Widgets calculator of
// Kalvora's shape costs. A main window with a menu bar and nine tabs, each
// with five labelled fields, two lists and a result label; no resources,
// translations, settings, icons, style sheets or validators, so that
// whatever Kalvora costs beyond it is Kalvora's own.
#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

static QWidget* Seite(int nummer) {
  auto* seite = new QWidget;
  auto* form = new QFormLayout(seite);
  for (const char* name : {"Kapital (EUR)", "Zinssatz (% p.a.)", "Laufzeit (Jahre)", "Rate (EUR)", "Endwert (EUR)"}) {
    auto* feld = new QLineEdit(seite);
    feld->setPlaceholderText(QStringLiteral("0,00"));
    form->addRow(QString::fromUtf8(name), feld);
  }
  auto* weise = new QComboBox(seite);
  weise->addItems({QStringLiteral("monatlich"), QStringLiteral("vierteljährlich"), QStringLiteral("halbjährlich"),
                   QStringLiteral("jährlich")});
  form->addRow(QStringLiteral("Zahlungsweise"), weise);
  auto* zeitpunkt = new QComboBox(seite);
  zeitpunkt->addItems({QStringLiteral("vorschüssig"), QStringLiteral("nachschüssig")});
  form->addRow(QStringLiteral("Zahlungszeitpunkt"), zeitpunkt);
  form->addRow(QStringLiteral("Ergebnis"), new QLabel(QStringLiteral("Seite %1: –").arg(nummer + 1), seite));
  return seite;
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow fenster;
  fenster.setWindowTitle(QStringLiteral("Boden Qt6"));
  QMenu* datei = fenster.menuBar()->addMenu(QStringLiteral("&Datei"));
  datei->addAction(QStringLiteral("&Neu"));
  datei->addAction(QStringLiteral("Ö&ffnen …"));
  datei->addAction(QStringLiteral("&Speichern"));
  datei->addSeparator();
  datei->addAction(QStringLiteral("&Beenden"), &app, &QApplication::quit);
  QMenu* bearbeiten = fenster.menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  bearbeiten->addAction(QStringLiteral("&Kopieren"));
  bearbeiten->addAction(QStringLiteral("&Einfügen"));
  fenster.menuBar()->addMenu(QStringLiteral("&Hilfe"))->addAction(QStringLiteral("Ü&ber …"));
  auto* reiter = new QTabWidget(&fenster);
  int nummer = 0;
  for (const char* name :
       {"Zinsen", "Sparplan", "Kredit", "Tilgung", "Rente", "Abschreibung", "Barwert", "Inflation", "Steuern"})
    reiter->addTab(Seite(nummer++), QString::fromUtf8(name));
  fenster.setCentralWidget(reiter);
  fenster.resize(800, 600);
  fenster.show();
  return app.exec();
}
