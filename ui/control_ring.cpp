#include "ui/control_ring.h"

#include <QEvent>

namespace rolvex::ui {

AnneauControle::AnneauControle(QWidget* parent, const QString& nom, bool exterieur,
                               bool suitVisibilite)
    : QWidget(parent), exterieur_(exterieur), suitVisibilite_(suitVisibilite) {
  setObjectName(nom);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void AnneauControle::Poser(QWidget* cible) {
  if (cible_ != cible) {
    if (cible_) cible_->removeEventFilter(this);
    if (cible) cible->installEventFilter(this);
  }
  cible_ = cible;
  Placer();
}

void AnneauControle::Placer() {
  if (!cible_ || !cible_->parentWidget() || (suitVisibilite_ && cible_->isHidden())) {
    hide();
    return;
  }
  if (parentWidget() != cible_->parentWidget()) setParent(cible_->parentWidget());
  const int e = Largeur(*cible_);
  const int d = exterieur_ ? e : 0;
  setGeometry(cible_->geometry().adjusted(-d, -d, d, d));
  // A ring only: the control stays seen, and painted, through the middle.
  setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(e, e, -e, -e))));
  raise();
  show();
}

// The control may move, change size, or hide with the window: the ring goes with it.
bool AnneauControle::eventFilter(QObject* objet, QEvent* event) {
  if (objet != cible_) return false;
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize: Placer(); break;
    case QEvent::Show:
    case QEvent::Hide:
      if (suitVisibilite_) Placer();
      break;
    default: break;
  }
  return false;
}

}  // namespace rolvex::ui
