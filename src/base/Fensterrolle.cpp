#include "base/Fensterrolle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* Fensterschnittstelle(const QString& klasse, QObject* objekt) {
  auto* fenster = qobject_cast<QWidget*>(objekt);
  // Only the most derived class is answered here, and only for a direct
  // descendant of QWidget: dialogs and main windows keep the toolkit's own.
  if (!fenster || !fenster->isWindow() || klasse != QLatin1String(objekt->metaObject()->className()) ||
      objekt->metaObject()->superClass() != &QWidget::staticMetaObject)
    return nullptr;
  return new QAccessibleWidget(fenster, QAccessible::Window);
}

}  // namespace

void FensterrolleMelden() {
  static const bool eingerichtet = [] {
    QAccessible::installFactory(&Fensterschnittstelle);
    return true;
  }();
  Q_UNUSED(eingerichtet);
}
