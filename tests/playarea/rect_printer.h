// Rectangles read as [left, top, width, height] in the failure messages.
#pragma once

#include <ostream>

#include "playarea/dialog_layout.h"

namespace rolvex {

inline std::ostream& operator<<(std::ostream& os, const Rect& r) {
  return os << "[" << r.Left << ", " << r.Top << ", " << r.Width << ", " << r.Height << "]";
}

}  // namespace rolvex
