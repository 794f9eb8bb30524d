#include "ui/advice_frame.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace rolvex::ui {

namespace {

const QColor Or(255, 170, 0);
const QColor Lisere(90, 50, 0);
constexpr int EpaisseurMinimale = 3;
constexpr int EpaisseurMaximale = 6;

}  // namespace

CadreConseil::CadreConseil(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CadreConseil"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

int CadreConseil::Epaisseur(const QWidget& cible) {
  return std::clamp(std::min(cible.width(), cible.height()) / 16, EpaisseurMinimale,
                    EpaisseurMaximale);
}

void CadreConseil::Marquer(QWidget* cible) {
  if (cible_ != cible) {
    if (cible_) cible_->removeEventFilter(this);
    if (cible) cible->installEventFilter(this);
  }
  cible_ = cible;
  Placer();
}

// The control may move, change size or hide with the window: the ring goes with it.
void CadreConseil::Placer() {
  if (!cible_ || !cible_->parentWidget() || cible_->isHidden()) {
    hide();
    return;
  }
  if (parentWidget() != cible_->parentWidget()) setParent(cible_->parentWidget());
  setGeometry(cible_->geometry());
  const int e = Epaisseur(*cible_);
  setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(e, e, -e, -e))));
  raise();
  show();
}

bool CadreConseil::eventFilter(QObject* objet, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
      if (objet == cible_) Placer();
      break;
    default: break;
  }
  return false;
}

// Gold edged in dark brown on its inner side: it shows on the pale squares and on the dice.
void CadreConseil::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Or);
  const int e = cible_ ? Epaisseur(*cible_) : 0;
  p.fillRect(rect().adjusted(e - 1, e - 1, 1 - e, 1 - e), Lisere);
}

}  // namespace rolvex::ui
