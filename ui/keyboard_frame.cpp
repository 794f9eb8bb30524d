#include "ui/keyboard_frame.h"

#include <QPainter>
#include <algorithm>

namespace rolvex::ui {

namespace {

const QColor Bande(255, 0, 255);
constexpr int EpaisseurMinimale = 5;
constexpr int EpaisseurMaximale = 8;  // around a table, a wider frame would hide what is near

}  // namespace

CadreClavier::CadreClavier(QWidget* parent)
    : AnneauControle(parent, QStringLiteral("CadreFocus"), true, false) {}

int CadreClavier::Epaisseur(const QWidget& cible) {
  return std::clamp(std::min(cible.width(), cible.height()) / 4, EpaisseurMinimale,
                    EpaisseurMaximale);
}

// White, magenta, white: the magenta band carries the frame, the white lines part it from a
// dark or a magenta-like ground.
void CadreClavier::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.fillRect(rect().adjusted(1, 1, -1, -1), Bande);
  const int e = LargeurActuelle();
  p.fillRect(rect().adjusted(e - 1, e - 1, 1 - e, 1 - e), Qt::white);
}

}  // namespace rolvex::ui
