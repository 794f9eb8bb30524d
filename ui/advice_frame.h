// The coach's mark on a control: a gold ring just inside its edge, so that it shows beside the
// keyboard's frame, which stands outside the same control.
#pragma once

#include "ui/control_ring.h"

namespace rolvex::ui {

class CadreConseil : public AnneauControle {
 public:
  // Hidden until it marks a control.
  explicit CadreConseil(QWidget* parent);

  // Stands over `cible`, in the same parent, while `cible` is shown; nullptr hides it.
  void Marquer(QWidget* cible) { Poser(cible); }
  // The ring's width: it grows with the control, from 3 to 6 pixels.
  static int Epaisseur(const QWidget& cible);

 protected:
  int Largeur(const QWidget& cible) const override { return Epaisseur(cible); }
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace rolvex::ui
