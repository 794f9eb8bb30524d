// The game's colours are 0x00BBGGRR values.
#pragma once

#include <QColor>

#include "engine/score_sheet.h"

namespace rolvex::ui {

inline QColor EnQColor(Couleur c) {
  return QColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
}

inline Couleur EnCouleur(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

}  // namespace rolvex::ui
