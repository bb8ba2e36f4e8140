// Sought quantity and question sentence of the calculation pages.
#include <array>
#include <vector>

#include "app/FrageText.h"
#include "app/Startfenster.h"
#include "app/Startfenster_Seiten.h"
#include "settings/uEinstellungen.h"
#include "ui_Startfenster.h"

namespace {

// One row of the state table: for a sought index the result fields and the
// greyed fields; every other field of the page is an input field.
struct TZustand {
  std::vector<QLineEdit*> Ergebnis;
  std::vector<QLineEdit*> Gesperrt;
};

void Anwenden(const std::vector<QLineEdit*>& alle, const std::vector<TZustand>& tabelle, int index) {
  for (auto* f : alle) TfmStart::EingabeFrei(f);
  if (index < 0 || index >= static_cast<int>(tabelle.size())) return;
  for (auto* f : tabelle[index].Ergebnis) TfmStart::ErgebnisFeld(f);
  for (auto* f : tabelle[index].Gesperrt) TfmStart::FeldGesperrt(f);
}

}  // namespace

void TfmStart::Gesucht1Change() {
  FrageUpdate();
  auto& u = *ui;
  Anwenden({u.KFeld, u.pFeld, u.njFeld, u.nmFeld, u.KnFeld},
           {{{u.KFeld}, {}}, {{u.pFeld}, {}}, {{u.njFeld, u.nmFeld}, {}}, {{u.KnFeld}, {}}},
           u.Gesucht1->currentIndex());
}

void TfmStart::ZiZiE_GesuchtChange() {
  FrageUpdate();
  auto& u = *ui;
  Anwenden({u.ZiZiE_KFeld, u.ZiZiE_pFeld, u.ZiZiE_njFeld, u.ZiZiE_nmFeld, u.ZiZiE_KnFeld},
           {{{u.ZiZiE_KFeld}, {}},
            {{u.ZiZiE_pFeld}, {}},
            {{u.ZiZiE_njFeld, u.ZiZiE_nmFeld}, {}},
            {{u.ZiZiE_KnFeld}, {}}},
           u.ZiZiE_Gesucht->currentIndex());
}

void TfmStart::ZiZiR_GesuchtChange() {
  FrageUpdate();
  auto& u = *ui;
  Anwenden({u.ZiZiR_RFeld, u.ZiZiR_pFeld, u.ZiZiR_njFeld, u.ZiZiR_nmFeld, u.ZiZiR_KnFeld},
           {{{u.ZiZiR_RFeld}, {}}, {{u.ZiZiR_njFeld, u.ZiZiR_nmFeld}, {}}, {{u.ZiZiR_KnFeld}, {}}},
           u.ZiZiR_Gesucht->currentIndex());
}

void TfmStart::BW_GesuchtChange() {
  FrageUpdate();
  auto& u = *ui;
  Anwenden({u.BW_RFeld, u.BW_pFeld, u.BW_njFeld, u.BW_nmFeld, u.BW_BWFeld},
           {{{u.BW_RFeld}, {}}, {{u.BW_njFeld, u.BW_nmFeld}, {}}, {{u.BW_BWFeld}, {}}}, u.BW_Gesucht->currentIndex());
}

void TfmStart::AnnD_GesuchtChange() {
  FrageUpdate();
  auto& u = *ui;
  Anwenden({u.AnnD_KFeld, u.AnnD_pFeld, u.AnnD_njFeld, u.AnnD_nmFeld, u.AnnD_RFeld, u.AnnD_KnFeld, u.AnnD_knjFeld,
            u.AnnD_KnmFeld},
           {{{u.AnnD_KFeld}, {}},
            {{u.AnnD_njFeld, u.AnnD_nmFeld}, {}},
            {{u.AnnD_RFeld}, {}},
            {{u.AnnD_KnFeld}, {u.AnnD_njFeld, u.AnnD_nmFeld}}},
           u.AnnD_Gesucht->currentIndex());
}

void TfmStart::MWST_GesuchtChange() {
  FrageUpdate();
  auto& u = *ui;
  Anwenden({u.MWST_Netto, u.MWST_MWSTprozent, u.MWST_MWSTDM, u.MWST_brutto},
           {{{u.MWST_Netto}, {u.MWST_MWSTDM}},
            {{u.MWST_MWSTprozent}, {u.MWST_MWSTDM}},
            {{u.MWST_MWSTDM}, {u.MWST_brutto}},
            {{u.MWST_brutto}, {u.MWST_MWSTDM}}},
           u.MWST_Gesucht->currentIndex());
}

void TfmStart::FrageUpdate() {
  // Text-changed signals arrive while the form is still being built.
  if (!ui || !ui->PageControl1) return;
  auto& u = *ui;
  QComboBox* gesucht = nullptr;
  QLabel* frage = nullptr;
  std::array<QString, 8> t;
  switch (u.PageControl1->currentIndex()) {
    case Seiten::eZi:
      gesucht = u.Gesucht1;
      frage = u.eZi_FrageLabel;
      t = {u.KFeld->text(), u.pFeld->text(), u.njFeld->text(), u.nmFeld->text(), u.KnFeld->text()};
      break;
    case Seiten::ZiZiE:
      gesucht = u.ZiZiE_Gesucht;
      frage = u.ZiZiE_FrageLabel;
      t = {u.ZiZiE_KFeld->text(), u.ZiZiE_pFeld->text(), u.ZiZiE_njFeld->text(), u.ZiZiE_nmFeld->text(),
           u.ZiZiE_KnFeld->text()};
      break;
    case Seiten::ZiZiR:
      gesucht = u.ZiZiR_Gesucht;
      frage = u.ZiZiR_FrageLabel;
      t = {u.ZiZiR_RFeld->text(),  u.ZiZiR_Zahlungsweise->currentText(), u.ZiZiR_pFeld->text(),
           u.ZiZiR_njFeld->text(), u.ZiZiR_nmFeld->text(),               u.ZiZiR_KnFeld->text()};
      break;
    case Seiten::BW:
      gesucht = u.BW_Gesucht;
      frage = u.BW_FrageLabel;
      t = {u.BW_RFeld->text(),  u.BW_Zahlungsweise->currentText(), u.BW_pFeld->text(),
           u.BW_njFeld->text(), u.BW_nmFeld->text(),               u.BW_BWFeld->text()};
      break;
    case Seiten::AnnD:
      gesucht = u.AnnD_Gesucht;
      frage = u.AnnD_FrageLabel;
      t = {u.AnnD_KFeld->text(), u.AnnD_pFeld->text(), u.AnnD_njFeld->text(), u.AnnD_nmFeld->text(),
           u.AnnD_RFeld->text(), u.AnnD_Zahlungsweise->currentText(), u.AnnD_knjFeld->text(), u.AnnD_KnmFeld->text()};
      break;
    case Seiten::MWST:
      gesucht = u.MWST_Gesucht;
      frage = u.MWST_FrageLabel;
      t = {u.MWST_Netto->text(), u.MWST_MWSTprozent->text(), u.MWST_MWSTDM->text(), u.MWST_brutto->text()};
      break;
    default:
      return;
  }
  frage->setText(FrageText(SeitenKey(), gesucht->currentIndex(), t, Einstellungswerte.Waehrungszeichen));
}
