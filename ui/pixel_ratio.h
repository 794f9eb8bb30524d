// Pictures painted for a screen's pixel ratio show blurred on a screen of another ratio: they
// are painted again when their window appears on, or moves to, such a screen.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace rolvex::ui {

class SuiviRatioPixels : public QObject {
 public:
  using Repeindre = std::function<void(qreal ratio)>;
  using Ratio = std::function<qreal()>;

  // A child of `fenêtre`, whose pictures were painted for `ratioPeint`. `repeindre` runs with
  // the new ratio each time the window is shown or changes screen with a ratio that differs;
  // `ratio` reads it (the window's own, unless given).
  SuiviRatioPixels(QWidget& fenetre, qreal ratioPeint, Repeindre repeindre, Ratio ratio = {});

  qreal RatioPeint() const { return ratioPeint_; }

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  void Verifier();

  qreal ratioPeint_;
  Repeindre repeindre_;
  Ratio ratio_;
};

}  // namespace rolvex::ui
