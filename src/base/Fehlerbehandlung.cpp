#include "base/Fehlerbehandlung.h"

#include <QApplication>
#include <QMessageBox>

#include "base/Version.h"

QString MitPunkt(const QString& text) {
  if (!text.isEmpty() && text.back() > QLatin1Char('.')) return text + QLatin1Char('.');
  return text;
}

void FehlerZeigen(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromLatin1(Programmname), MitPunkt(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}
