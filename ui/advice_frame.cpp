#include "ui/advice_frame.h"

#include <QPainter>
#include <algorithm>

namespace rolvex::ui {

namespace {

const QColor Or(255, 170, 0);
const QColor Lisere(90, 50, 0);
constexpr int EpaisseurMinimale = 3;
constexpr int EpaisseurMaximale = 6;

}  // namespace

CadreConseil::CadreConseil(QWidget* parent)
    : AnneauControle(parent, QStringLiteral("CadreConseil"), false, true) {}

int CadreConseil::Epaisseur(const QWidget& cible) {
  return std::clamp(std::min(cible.width(), cible.height()) / 16, EpaisseurMinimale,
                    EpaisseurMaximale);
}

// Gold edged in dark brown on its inner side: it shows on the pale squares and on the dice.
void CadreConseil::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Or);
  const int e = LargeurActuelle();
  p.fillRect(rect().adjusted(e - 1, e - 1, 1 - e, 1 - e), Lisere);
}

}  // namespace rolvex::ui
