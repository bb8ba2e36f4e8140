// The calculation engine and the case tables of the calculation pages.
//
// A case names the fields tested for input, the fields read (in this order),
// the fields marked while it runs, the fields written with their significant
// digits and decimals, and the formula over the values read. One routine runs
// any case; the Berechne_ methods only pick the case.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>
#include <functional>
#include <vector>

#include "calc/AnnD.h"
#include "calc/BW.h"
#include "calc/MWST.h"
#include "calc/OrvMath.h"
#include "app/Startfenster.h"
#include "calc/ZiZiE.h"
#include "calc/ZiZiR.h"
#include "calc/eZi.h"
#include "ui_Startfenster.h"

namespace {

struct TAusgabe {
  QLineEdit* Feld;
  int Stellen;
  int Dezimalen;
};

using TWerte = std::vector<Ext>;

struct TFall {
  QList<QLineEdit*> Geprueft;
  std::vector<QLineEdit*> Gelesen;
  std::vector<QLineEdit*> Markiert;
  std::vector<TAusgabe> Geschrieben;
  // Values read in the order of Gelesen, and m; results in the order of Geschrieben.
  std::function<TWerte(const TWerte&, int)> Formel;
};

void Faerben(const std::vector<QLineEdit*>& felder, const QColor& farbe) {
  for (auto* f : felder) TfmStart::Feldfarbe(f, farbe);
}

// A term in years as the two results years (0 decimals) and months (1 decimal).
TWerte Zerlegt(Ext n) {
  const Laufzeit l = LaufzeitZerlegen(n);
  return {Ext(l.Jahre), Ext(l.Monate)};
}

}  // namespace

namespace {

// Runs one case of a page; errors of reading or computing propagate.
void Rechnen(TfmStart& fenster, const std::vector<TFall>& faelle, int index, int m = 1) {
  if (index < 0 || index >= static_cast<int>(faelle.size())) return;
  const TFall& fall = faelle[index];
  if (!fenster.Pflichtfeldpruefung(fall.Geprueft)) return;

  Faerben(fall.Markiert, Qt::red);
  QCoreApplication::processEvents();

  TWerte werte;
  werte.reserve(fall.Gelesen.size());
  for (auto* f : fall.Gelesen) werte.emplace_back(FeldWert(f->text()));
  const TWerte ergebnis = fall.Formel(werte, m);

  for (size_t i = 0; i < fall.Geschrieben.size() && i < ergebnis.size(); ++i) {
    const TAusgabe& aus = fall.Geschrieben[i];
    const QString text = ZahlText(ergebnis[i].Wert(), aus.Stellen, aus.Dezimalen);
    if (text != aus.Feld->text()) aus.Feld->setText(text);
  }

  // Long enough for the eye to catch the red; bounded, so the window only
  // ever blocks for the pause itself.
  for (auto* f : fall.Markiert) f->repaint();
  QElapsedTimer uhr;
  uhr.start();
  while (uhr.elapsed() < TfmStart::ErgebnisPauseMs) QThread::msleep(static_cast<unsigned long>(TfmStart::ErgebnisPauseMs - uhr.elapsed()));
  Faerben(fall.Markiert, QColor(0, 255, 255));
}

}  // namespace

bool TfmStart::Pflichtfeldpruefung(const QList<QLineEdit*>& felder) {
  for (auto* f : felder) {
    if (!f->text().isEmpty()) continue;
    QApplication::beep();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QStringLiteral("Zur Berechnung müssen alle Felder eingegeben werden!"), QMessageBox::Ok, this);
    box.exec();
    return false;
  }
  return true;
}

void TfmStart::Berechne_eZi() {
  auto& u = *ui;
  const std::vector<TFall> faelle{
      {{u.pFeld, u.njFeld, u.nmFeld, u.KnFeld},
       {u.KnFeld, u.pFeld, u.njFeld, u.nmFeld},
       {u.KFeld},
       {{u.KFeld, 18, 2}},
       [](const TWerte& w, int) { return TWerte{eZi::Anfangskapital(w[0], w[1], w[2], w[3])}; }},
      {{u.KFeld, u.njFeld, u.nmFeld, u.KnFeld},
       {u.KFeld, u.KnFeld, u.njFeld, u.nmFeld},
       {u.pFeld},
       {{u.pFeld, 18, 3}},
       [](const TWerte& w, int) { return TWerte{eZi::Zinssatz(w[0], w[1], w[2], w[3])}; }},
      {{u.KFeld, u.pFeld, u.KnFeld},
       {u.KFeld, u.pFeld, u.KnFeld},
       {u.njFeld, u.nmFeld},
       {{u.njFeld, 18, 0}, {u.nmFeld, 18, 1}},
       [](const TWerte& w, int) { return Zerlegt(eZi::Laufzeit(w[0], w[1], w[2])); }},
      {{u.KFeld, u.pFeld, u.njFeld, u.nmFeld},
       {u.KFeld, u.pFeld, u.njFeld, u.nmFeld},
       {u.KnFeld},
       {{u.KnFeld, 18, 2}},
       [](const TWerte& w, int) { return TWerte{eZi::Endkapital(w[0], w[1], w[2], w[3])}; }},
  };
  Rechnen(*this, faelle, u.Gesucht1->currentIndex());
}

void TfmStart::Berechne_ZiZiE() {
  auto& u = *ui;
  const std::vector<TFall> faelle{
      {{u.ZiZiE_pFeld, u.ZiZiE_njFeld, u.ZiZiE_nmFeld, u.ZiZiE_KnFeld},
       {u.ZiZiE_KnFeld, u.ZiZiE_pFeld, u.ZiZiE_njFeld, u.ZiZiE_nmFeld},
       {u.ZiZiE_KFeld},
       {{u.ZiZiE_KFeld, 18, 2}},
       [](const TWerte& w, int) { return TWerte{ZiZiE::Anfangskapital(w[0], w[1], w[2], w[3])}; }},
      {{u.ZiZiE_KFeld, u.ZiZiE_njFeld, u.ZiZiE_nmFeld, u.ZiZiE_KnFeld},
       {u.ZiZiE_KFeld, u.ZiZiE_KnFeld, u.ZiZiE_njFeld, u.ZiZiE_nmFeld},
       {u.ZiZiE_pFeld},
       {{u.ZiZiE_pFeld, 18, 3}},
       [](const TWerte& w, int) { return TWerte{ZiZiE::Zinssatz(w[0], w[1], w[2], w[3])}; }},
      {{u.ZiZiE_KFeld, u.ZiZiE_pFeld, u.ZiZiE_KnFeld},
       {u.ZiZiE_KFeld, u.ZiZiE_pFeld, u.ZiZiE_KnFeld},
       {u.ZiZiE_njFeld, u.ZiZiE_nmFeld},
       {{u.ZiZiE_njFeld, 18, 0}, {u.ZiZiE_nmFeld, 18, 1}},
       [](const TWerte& w, int) { return Zerlegt(ZiZiE::Laufzeit(w[0], w[1], w[2])); }},
      {{u.ZiZiE_KFeld, u.ZiZiE_pFeld, u.ZiZiE_njFeld, u.ZiZiE_nmFeld},
       {u.ZiZiE_KFeld, u.ZiZiE_pFeld, u.ZiZiE_njFeld, u.ZiZiE_nmFeld},
       {u.ZiZiE_KnFeld},
       {{u.ZiZiE_KnFeld, 18, 2}},
       [](const TWerte& w, int) { return TWerte{ZiZiE::Endkapital(w[0], w[1], w[2], w[3])}; }},
  };
  Rechnen(*this, faelle, u.ZiZiE_Gesucht->currentIndex());
}

void TfmStart::Berechne_ZiZiR() {
  auto& u = *ui;
  const std::vector<TFall> faelle{
      {{u.ZiZiR_pFeld, u.ZiZiR_njFeld, u.ZiZiR_nmFeld, u.ZiZiR_KnFeld},
       {u.ZiZiR_KnFeld, u.ZiZiR_pFeld, u.ZiZiR_njFeld, u.ZiZiR_nmFeld},
       {u.ZiZiR_RFeld},
       {{u.ZiZiR_RFeld, 18, 2}},
       [](const TWerte& w, int m) { return TWerte{ZiZiR::Rate(w[0], w[1], w[2], w[3], m)}; }},
      {{u.ZiZiR_RFeld, u.ZiZiR_pFeld, u.ZiZiR_KnFeld},
       {u.ZiZiR_RFeld, u.ZiZiR_pFeld, u.ZiZiR_KnFeld},
       {u.ZiZiR_njFeld, u.ZiZiR_nmFeld},
       {{u.ZiZiR_njFeld, 18, 0}, {u.ZiZiR_nmFeld, 18, 1}},
       [](const TWerte& w, int m) { return Zerlegt(ZiZiR::Laufzeit(w[0], w[1], w[2], m)); }},
      {{u.ZiZiR_RFeld, u.ZiZiR_pFeld, u.ZiZiR_njFeld, u.ZiZiR_nmFeld},
       {u.ZiZiR_RFeld, u.ZiZiR_pFeld, u.ZiZiR_njFeld, u.ZiZiR_nmFeld},
       {u.ZiZiR_KnFeld},
       {{u.ZiZiR_KnFeld, 15, 2}},
       [](const TWerte& w, int m) { return TWerte{ZiZiR::Endkapital(w[0], w[1], w[2], w[3], m)}; }},
  };
  Rechnen(*this, faelle, u.ZiZiR_Gesucht->currentIndex(), RatenProJahr(u.ZiZiR_Zahlungsweise->currentIndex()));
}

void TfmStart::Berechne_BW() {
  auto& u = *ui;
  const std::vector<TFall> faelle{
      {{u.BW_pFeld, u.BW_njFeld, u.BW_nmFeld, u.BW_BWFeld},
       {u.BW_BWFeld, u.BW_pFeld, u.BW_njFeld, u.BW_nmFeld},
       {u.BW_RFeld},
       {{u.BW_RFeld, 18, 2}},
       [](const TWerte& w, int m) { return TWerte{BW::Rate(w[0], w[1], w[2], w[3], m)}; }},
      {{u.BW_RFeld, u.BW_pFeld, u.BW_BWFeld},
       {u.BW_RFeld, u.BW_pFeld, u.BW_BWFeld},
       {u.BW_njFeld, u.BW_nmFeld},
       {{u.BW_njFeld, 18, 0}, {u.BW_nmFeld, 18, 1}},
       [](const TWerte& w, int m) { return Zerlegt(BW::Laufzeit(w[0], w[1], w[2], m)); }},
      {{u.BW_RFeld, u.BW_pFeld, u.BW_njFeld, u.BW_nmFeld},
       {u.BW_RFeld, u.BW_pFeld, u.BW_njFeld, u.BW_nmFeld},
       {u.BW_BWFeld},
       {{u.BW_BWFeld, 15, 2}},
       [](const TWerte& w, int m) { return TWerte{BW::Barwert(w[0], w[1], w[2], w[3], m)}; }},
  };
  Rechnen(*this, faelle, u.BW_Gesucht->currentIndex(), RatenProJahr(u.BW_Zahlungsweise->currentIndex()));
}

void TfmStart::Berechne_AnnD() {
  auto& u = *ui;
  const std::vector<TFall> faelle{
      {{u.AnnD_RFeld, u.AnnD_pFeld, u.AnnD_njFeld, u.AnnD_nmFeld},
       {u.AnnD_RFeld, u.AnnD_pFeld, u.AnnD_njFeld, u.AnnD_nmFeld},
       {u.AnnD_KFeld},
       {{u.AnnD_KFeld, 18, 2}},
       [](const TWerte& w, int m) { return TWerte{AnnD::Darlehenshoehe(w[0], w[1], w[2], w[3], m)}; }},
      {{u.AnnD_RFeld, u.AnnD_KFeld, u.AnnD_pFeld},
       {u.AnnD_KFeld, u.AnnD_pFeld, u.AnnD_RFeld},
       {u.AnnD_njFeld, u.AnnD_nmFeld},
       {{u.AnnD_njFeld, 18, 0}, {u.AnnD_nmFeld, 18, 1}},
       [](const TWerte& w, int m) { return Zerlegt(AnnD::Laufzeit(w[0], w[1], w[2], m)); }},
      {{u.AnnD_KFeld, u.AnnD_pFeld, u.AnnD_njFeld, u.AnnD_nmFeld},
       {u.AnnD_KFeld, u.AnnD_pFeld, u.AnnD_njFeld, u.AnnD_nmFeld},
       {u.AnnD_RFeld},
       {{u.AnnD_RFeld, 18, 2}},
       [](const TWerte& w, int m) { return TWerte{AnnD::Rate(w[0], w[1], w[2], w[3], m)}; }},
      // The loan term is not used here; the "nach:" fields give the point in time.
      {{u.AnnD_KFeld, u.AnnD_pFeld, u.AnnD_RFeld, u.AnnD_knjFeld, u.AnnD_KnmFeld},
       {u.AnnD_KFeld, u.AnnD_pFeld, u.AnnD_knjFeld, u.AnnD_KnmFeld, u.AnnD_RFeld},
       {u.AnnD_KnFeld},
       {{u.AnnD_KnFeld, 15, 2}},
       [](const TWerte& w, int m) { return TWerte{AnnD::Restschuld(w[0], w[1], w[2], w[3], w[4], m)}; }},
  };
  Rechnen(*this, faelle, u.AnnD_Gesucht->currentIndex(), RatenProJahr(u.AnnD_Zahlungsweise->currentIndex()));
}

void TfmStart::Berechne_MWST() {
  auto& u = *ui;
  // The tax amount is written in every case; outside case 2 its field stays grey.
  const std::vector<TFall> faelle{
      {{u.MWST_brutto, u.MWST_MWSTprozent},
       {u.MWST_brutto, u.MWST_MWSTprozent},
       {u.MWST_Netto},
       {{u.MWST_Netto, 15, 2}, {u.MWST_MWSTDM, 15, 2}},
       [](const TWerte& w, int) {
         const auto e = MWST::Netto(w[0], w[1]);
         return TWerte{e.Wert, e.Steuer};
       }},
      {{u.MWST_Netto, u.MWST_brutto},
       {u.MWST_brutto, u.MWST_Netto},
       {u.MWST_MWSTprozent},
       {{u.MWST_MWSTprozent, 15, 3}, {u.MWST_MWSTDM, 15, 2}},
       [](const TWerte& w, int) {
         const auto e = MWST::Prozent(w[0], w[1]);
         return TWerte{e.Wert, e.Steuer};
       }},
      {{u.MWST_Netto, u.MWST_MWSTprozent},
       {u.MWST_Netto, u.MWST_MWSTprozent},
       {u.MWST_MWSTDM},
       {{u.MWST_MWSTDM, 15, 2}},
       [](const TWerte& w, int) { return TWerte{MWST::Steuer(w[0], w[1])}; }},
      {{u.MWST_Netto, u.MWST_MWSTprozent},
       {u.MWST_Netto, u.MWST_MWSTprozent},
       {u.MWST_brutto},
       {{u.MWST_brutto, 15, 2}, {u.MWST_MWSTDM, 15, 2}},
       [](const TWerte& w, int) {
         const auto e = MWST::Brutto(w[0], w[1]);
         return TWerte{e.Wert, e.Steuer};
       }},
  };
  Rechnen(*this, faelle, u.MWST_Gesucht->currentIndex());
}
