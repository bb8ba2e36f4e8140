// Number fields: exit rules, the Enter key, F1 and the three field states.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "app/Anwendung.h"
#include "app/Barrierefreiheit.h"
#include "base/Zahlfeld.h"
#include "app/Hilfe.h"
#include "calc/OrvMath.h"
#include "app/Startfenster.h"
#include "app/Startfenster_Seiten.h"
#include "ui_Startfenster.h"

void TfmStart::FelderEinrichten() {
  const auto dm = {ui->KFeld, ui->KnFeld, ui->ZiZiE_KFeld, ui->ZiZiE_KnFeld, ui->ZiZiR_RFeld, ui->ZiZiR_KnFeld,
                   ui->BW_RFeld, ui->BW_BWFeld, ui->AnnD_KFeld, ui->AnnD_RFeld, ui->AnnD_KnFeld, ui->MWST_Netto,
                   ui->MWST_brutto, ui->Akt_Kurs, ui->Akt_MindGeb, ui->Akt_GrundGeb};
  const auto zins = {ui->pFeld, ui->ZiZiE_pFeld, ui->ZiZiR_pFeld, ui->BW_pFeld, ui->AnnD_pFeld, ui->MWST_MWSTprozent,
                     ui->Akt_Geb, ui->Akt_MaklerGeb};
  const auto ganz = {ui->njFeld, ui->nmFeld, ui->ZiZiE_njFeld, ui->ZiZiE_nmFeld, ui->ZiZiR_njFeld, ui->ZiZiR_nmFeld,
                     ui->BW_njFeld, ui->BW_nmFeld, ui->AnnD_njFeld, ui->AnnD_nmFeld, ui->AnnD_knjFeld,
                     ui->AnnD_KnmFeld, ui->Akt_Stueck};
  // The box for an unreadable text belongs to the field: a page changed in
  // the meantime gives way to the field's page again, so that box and field
  // are seen together.
  FZahlfelder = new TZahlfelder(this, TZahlfelder::Zeitpunkt::Danach, [this](QLineEdit* feld) {
    for (int seite = 0; seite < ui->PageControl1->count(); ++seite)
      if (ui->PageControl1->widget(seite)->isAncestorOf(feld)) ui->PageControl1->setCurrentIndex(seite);
  });
  for (const auto& [felder, regel] : {std::pair{dm, TZahlregel::DM}, {zins, TZahlregel::Zins}, {ganz, TZahlregel::Int}})
    for (auto* f : felder) FZahlfelder->Einrichten(f, regel);
  euroFelder = {ui->Deutschland, ui->Spanien,  ui->Portugal, ui->Oesterreich, ui->Niederlande, ui->Luxemburg,
                ui->Italien,     ui->Irland,   ui->Frankreich, ui->Finnland,  ui->Belgien,     ui->Euro};
  for (auto* f : euroFelder) f->setMaxLength(TZahlfelder::Laenge);

  // Every field and list of every page takes part in Enter and F1.
  for (int seite = Seiten::eZi; seite < Seiten::Anzahl; ++seite) {
    QWidget* blatt = ui->PageControl1->widget(seite);
    for (auto* feld : blatt->findChildren<QLineEdit*>()) feld->installEventFilter(this);
    for (auto* liste : blatt->findChildren<QComboBox*>()) liste->installEventFilter(this);
  }
  // User texts go into the sentences as they are, never as markup.
  for (auto* frage : {ui->eZi_FrageLabel, ui->ZiZiE_FrageLabel, ui->ZiZiR_FrageLabel, ui->BW_FrageLabel,
                      ui->AnnD_FrageLabel, ui->MWST_FrageLabel})
    frage->setTextFormat(Qt::PlainText);
  ErgebnisbreitenSetzen();
  ui->centralwidget->installEventFilter(this);
  ui->Label97->installEventFilter(this);
  ui->Label98->installEventFilter(this);
}

bool TfmStart::eventFilter(QObject* objekt, QEvent* ereignis) {
  switch (ereignis->type()) {
    case QEvent::Paint:
      if (objekt == ui->centralwidget) {
        FormPaint(ui->centralwidget);
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        if (objekt == ui->Label97) Label97Click();
        if (objekt == ui->Label98) Label98Click();
      }
      break;
    case QEvent::KeyPress: {
      auto* taste = static_cast<QKeyEvent*>(ereignis);
      auto* feld = qobject_cast<QWidget*>(objekt);
      if (!feld || feld->window() != this) break;
      if (taste->key() == Qt::Key_F1) {
        HilfeZeigen(FeldHilfeKontext(feld));
        return true;
      }
      if (EnterCheck(feld, taste->key())) return true;
      break;
    }
    case QEvent::KeyRelease: {
      auto* feld = qobject_cast<QLineEdit*>(objekt);
      if (feld && euroFelder.contains(feld)) Fehlerbehandelt([&] { EuroBerechnung(feld); });
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(objekt, ereignis);
}

bool TfmStart::EnterCheck(QWidget* feld, int taste) {
  if (taste != Qt::Key_Return && taste != Qt::Key_Enter) return false;
  // Exactly what Tab would do; a list is not opened.
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(feld, &tab);
  return true;
}

void TfmStart::ErgebnisbreitenSetzen() {
  // The longest texts without an exponent: as many digits as the written
  // significant digits allow, and a minus sign.
  constexpr long double Stellen18 = 999'999'999'999'999'999.0L;
  const auto& u = *ui;
  const struct {
    QList<QLineEdit*> Felder;
    QString Muster;
  } tabelle[] = {
      {{u.KFeld, u.KnFeld, u.ZiZiE_KFeld, u.ZiZiE_KnFeld, u.ZiZiR_RFeld, u.ZiZiR_KnFeld, u.BW_RFeld, u.BW_BWFeld,
        u.AnnD_KFeld, u.AnnD_RFeld, u.AnnD_KnFeld, u.MWST_Netto, u.MWST_MWSTDM, u.MWST_brutto, u.Akt_ErgKurs,
        // The settlement's amounts stand in one column of one width.
        u.Akt_ErgKW, u.Akt_ErgMakGeb, u.Akt_ErgBankGeb, u.Akt_ErgGesamt, u.Akt_ErgGewinn},
       ZahlText(-Stellen18, 18, 2)},
      {{u.pFeld, u.ZiZiE_pFeld, u.MWST_MWSTprozent}, ZahlText(-Stellen18, 18, 3)},
      {{u.njFeld, u.ZiZiE_njFeld, u.ZiZiR_njFeld, u.BW_njFeld, u.AnnD_njFeld}, ZahlText(-Stellen18, 18, 0)},
      // A split term never has more than twelve months.
      {{u.nmFeld, u.ZiZiE_nmFeld, u.ZiZiR_nmFeld, u.BW_nmFeld, u.AnnD_nmFeld}, ZahlText(-12, 18, 1)},
      // The share count as the whole-number rule writes it, up to seven digits.
      {{u.Akt_ErgStueck}, GanzzahlText(-9'999'999)},
      {euroFelder, ZahlTextEinfach(-Stellen18, 2)},
  };
  for (const auto& zeile : tabelle) {
    for (QLineEdit* feld : zeile.Felder) {
      // Frame and margins stay what they are at any width.
      const int noetig = feld->width() - Textbreite(feld) + feld->fontMetrics().horizontalAdvance(zeile.Muster) + 1;
      const int breite = std::max(feld->minimumWidth(), noetig);
      feld->setMinimumWidth(breite);
      if (feld->maximumWidth() < breite) feld->setMaximumWidth(breite);
    }
  }
}

void TfmStart::DMFormat(QLineEdit* feld) { FZahlfelder->DMFormat(feld); }

void TfmStart::ZinsFormat(QLineEdit* feld) { FZahlfelder->ZinsFormat(feld); }

void TfmStart::IntFormat(QLineEdit* feld) { FZahlfelder->IntFormat(feld); }

void TfmStart::EingabeFrei(QLineEdit* feld) {
  Feldfarbe(feld, Qt::white);
  feld->setEnabled(true);
  feld->setReadOnly(false);
  feld->setFocusPolicy(Qt::StrongFocus);
}

void TfmStart::ErgebnisFeld(QLineEdit* feld) {
  Feldfarbe(feld, QColor(0, 255, 255));
  feld->setEnabled(true);
  feld->setReadOnly(true);
  // Out of the Tab walk, but a click, its label's mnemonic or F6 reach it
  // so that the result can be selected and copied.
  feld->setFocusPolicy(Qt::ClickFocus);
}

void TfmStart::FeldGesperrt(QLineEdit* feld) {
  Feldfarbe(feld, QApplication::palette().color(QPalette::Active, QPalette::Button));
  feld->setReadOnly(true);
  feld->setEnabled(false);
  feld->setFocusPolicy(Qt::NoFocus);
}

void TfmStart::Feldfarbe(QLineEdit* feld, const QColor& farbe) {
  QPalette p = feld->palette();
  for (auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) p.setColor(gruppe, QPalette::Base, farbe);
  feld->setPalette(p);
}
