#include "ui/pixel_ratio.h"

#include <QEvent>
#include <QWidget>

namespace rolvex::ui {

SuiviRatioPixels::SuiviRatioPixels(QWidget& fenêtre, qreal ratioPeint, Repeindre repeindre,
                                   Ratio ratio)
    : QObject(&fenêtre),
      ratioPeint_(ratioPeint),
      repeindre_(std::move(repeindre)),
      ratio_(ratio ? std::move(ratio) : Ratio([&fenêtre] { return fenêtre.devicePixelRatioF(); })) {
  fenêtre.installEventFilter(this);
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
      Vérifier();
      break;
    default:
      break;
  }
  return QObject::eventFilter(objet, event);
}

void SuiviRatioPixels::Vérifier() {
  const qreal ratio = ratio_();
  if (ratio <= 0 || qFuzzyCompare(ratio, ratioPeint_)) return;
  ratioPeint_ = ratio;
  if (repeindre_) repeindre_(ratio);
}

}  // namespace rolvex::ui
