#pragma once
// Qt values as text in failure messages, instead of their bytes. Included
// into every test file by the build.
#include <QColor>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor& farbe, std::ostream* os) { *os << farbe.name().toStdString(); }
