#include "ui/pixel_ratio.h"

#include <QEvent>
#include <QWidget>

namespace rolvex::ui {

SuiviRatioPixels::SuiviRatioPixels(QWidget& fenetre, qreal ratioPeint, Repeindre repeindre,
                                   Ratio ratio)
    : QObject(&fenetre),
      ratioPeint_(ratioPeint),
      repeindre_(std::move(repeindre)),
      ratio_(ratio ? std::move(ratio) : Ratio([&fenetre] { return fenetre.devicePixelRatioF(); })) {
  fenetre.installEventFilter(this);
}

bool SuiviRatioPixels::eventFilter(QObject* objet, QEvent* event) {
  // Until shown, a window knows only the largest ratio of all the screens; once shown, that of
  // its own screen, which a move to another screen changes.
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
      Verifier();
      break;
    default: break;
  }
  return QObject::eventFilter(objet, event);
}

void SuiviRatioPixels::Verifier() {
  const qreal ratio = ratio_();
  if (ratio <= 0 || qFuzzyCompare(ratio, ratioPeint_)) return;
  ratioPeint_ = ratio;
  if (repeindre_) repeindre_(ratio);
}

}  // namespace rolvex::ui
