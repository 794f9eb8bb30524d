#include "ui/mouse.h"

#include <array>

namespace rolvex::ui {

int BoutonDuJeu(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return bouton::Gauche;
    case Qt::RightButton: return bouton::Droit;
    case Qt::MiddleButton: return bouton::Milieu;
    default: return 0;
  }
}

Qt::CursorShape FormeDuPointeur(int code) {
  // Indexed by the standard code. Code 4 (an icon) has no Qt shape and takes the arrow.
  constexpr std::array formes{
      Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
      Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
      Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
      Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
  };
  if (code < 0 || code >= static_cast<int>(formes.size())) return Qt::ArrowCursor;
  return formes[static_cast<std::size_t>(code)];
}

}  // namespace rolvex::ui
