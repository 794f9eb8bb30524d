// Readable failures: gtest finds these printers for Qt's values by argument-dependent lookup.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.width() << " × " << r.height() << " at " << r.x() << ", " << r.y();
}
inline void PrintTo(const QColor& c, std::ostream* os) {
  *os << "RGB(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}
