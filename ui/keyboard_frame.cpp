#include "ui/keyboard_frame.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace rolvex::ui {

namespace {

const QColor Bande(255, 0, 255);
constexpr int EpaisseurMinimale = 5;
constexpr int EpaisseurMaximale = 8;  // around a table, a wider frame would hide what is near

}  // namespace

CadreClavier::CadreClavier(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CadreFocus"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

int CadreClavier::Epaisseur(const QWidget& cible) {
  return std::clamp(std::min(cible.width(), cible.height()) / 4, EpaisseurMinimale,
                    EpaisseurMaximale);
}

void CadreClavier::Suivre(QWidget* cible) {
  if (cible_ != cible) {
    // The control may move or change size with the window: the frame goes with it.
    if (cible_) cible_->removeEventFilter(this);
    if (cible) cible->installEventFilter(this);
  }
  cible_ = cible;
  if (!cible || !cible->parentWidget()) {
    hide();
    return;
  }
  if (parentWidget() != cible->parentWidget()) setParent(cible->parentWidget());
  const int e = Epaisseur(*cible);
  setGeometry(cible->geometry().adjusted(-e, -e, e, e));
  // A ring only: the control stays seen, and painted, through the middle.
  setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(e, e, -e, -e))));
  raise();
  show();
}

bool CadreClavier::eventFilter(QObject* objet, QEvent* event) {
  if (objet == cible_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
    Suivre(cible_);
  return false;
}

// White, magenta, white: the magenta band carries the frame, the white lines part it from a
// dark or a magenta-like ground.
void CadreClavier::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.fillRect(rect().adjusted(1, 1, -1, -1), Bande);
  const int e = cible_ ? Epaisseur(*cible_) : 0;
  p.fillRect(rect().adjusted(e - 1, e - 1, 1 - e, 1 - e), Qt::white);
}

}  // namespace rolvex::ui
