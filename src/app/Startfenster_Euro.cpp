// The euro page: converts on every key release from the field typed in.
#include <QLineEdit>

#include "app/Startfenster.h"
#include "calc/Euro.h"

namespace {

// An unreadable source counts as nothing, without a message.
Ext Wert(const QLineEdit* feld) {
  try {
    return FeldWert(feld->text());
  } catch (const EConvertError&) {
    return Ext(0);
  }
}

QLineEdit* Feld(const QList<QLineEdit*>& felder, const char* name) {
  for (QLineEdit* feld : felder)
    if (feld->objectName() == QLatin1String(name)) return feld;
  return nullptr;
}

}  // namespace

void TfmStart::EuroBerechnung(QLineEdit* quelle) {
  if (!quelle) return;
  if (quelle->text().isEmpty()) {
    EuroFelderLeeren();
    return;
  }
  QLineEdit* euroFeld = Feld(euroFelder, Euro::EuroSelbst.Feld);
  Ext euro = 0;
  if (quelle == euroFeld) {
    euro = Euro::EuroBetrag(Wert(quelle));
  } else {
    euro = Euro::EuroAus(Wert(quelle), Euro::KursVon(quelle->objectName().toLatin1().constData()));
    euroFeld->setText(ZahlTextEinfach(euro.Wert(), 2));
  }
  for (const Euro::Waehrung& w : Euro::Waehrungen) {
    QLineEdit* feld = Feld(euroFelder, w.Feld);
    if (feld != quelle) feld->setText(ZahlTextEinfach(Euro::InWaehrung(euro, w.Kurs).Wert(), 2));
  }
}

void TfmStart::EuroFelderLeeren() {
  for (QLineEdit* feld : euroFelder) feld->clear();
}
