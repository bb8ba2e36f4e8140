#pragma once
// The program name on the Info page, in a face of its own. The faces in order
// of preference: the first installed one is used, and the last is the one the
// package depends on. In that last face the letters are also drawn at build
// time (BilderZeichnen --schriftzug, Bild("schriftzug")), so that a start
// where it is the face shown needs to load no face for them.
#include <QFont>
#include <QStringList>

namespace Schriftzug {

inline const QStringList Schriften{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                                   QStringLiteral("Liberation Sans")};

inline QFont Schrift(const QStringList& familien) {
  QFont schrift;
  schrift.setFamilies(familien);
  schrift.setPixelSize(25);
  schrift.setBold(true);
  return schrift;
}

}  // namespace Schriftzug
