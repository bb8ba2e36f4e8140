// The euro page: converts on every key release from the field typed in.
#include <QLineEdit>

#include "calc/Euro.h"
#include "app/Startfenster.h"
#include "ui_Startfenster.h"

namespace {

// The rate lives in the field's tag; the table is the fallback for a field
// that lost it.
std::int64_t Kurs(const QLineEdit* feld) {
  bool ok = false;
  const qlonglong tag = feld->property("tag").toLongLong(&ok);
  if (ok && tag > 0) return tag;
  return Euro::KursVon(feld->objectName().toLatin1().constData());
}

// An unreadable source counts as nothing, without a message.
Ext Wert(const QLineEdit* feld) {
  try {
    return FeldWert(feld->text());
  } catch (const EConvertError&) {
    return Ext(0);
  }
}

}  // namespace

void TfmStart::EuroBerechnung(QLineEdit* quelle) {
  if (!quelle) return;
  if (quelle->text().isEmpty()) {
    EuroFelderLeeren();
    return;
  }
  const auto& u = *ui;
  Ext euro = 0;
  if (quelle == u.Euro) {
    euro = Euro::EuroBetrag(Wert(quelle));
  } else {
    euro = Euro::EuroAus(Wert(quelle), Kurs(quelle));
    u.Euro->setText(ZahlTextEinfach(euro.Wert(), 2));
  }
  for (QLineEdit* feld : {u.Deutschland, u.Belgien, u.Spanien, u.Finnland, u.Portugal, u.Frankreich, u.Oesterreich,
                          u.Irland, u.Niederlande, u.Italien, u.Luxemburg}) {
    if (feld == quelle) continue;
    feld->setText(ZahlTextEinfach(Euro::InWaehrung(euro, Kurs(feld)).Wert(), 2));
  }
}

void TfmStart::EuroFelderLeeren() {
  const auto& u = *ui;
  for (QLineEdit* feld : {u.Deutschland, u.Spanien, u.Portugal, u.Oesterreich, u.Niederlande, u.Luxemburg, u.Italien,
                          u.Irland, u.Frankreich, u.Finnland, u.Belgien, u.Euro})
    feld->clear();
}
