// The frame around the control the keyboard acts on: thick, in bands of white and magenta, so
// that it shows on the pale squares of every column as on the dark panels of the dice.
#pragma once

#include "ui/control_ring.h"

namespace rolvex::ui {

class CadreClavier : public AnneauControle {
 public:
  // Hidden until it follows a control.
  explicit CadreClavier(QWidget* parent);

  // Stands around `cible`, over its neighbours, in the same parent; nullptr hides it.
  void Suivre(QWidget* cible) { Poser(cible); }
  // The frame's width on each side of `cible`: it grows with the control, from 5 to 8 pixels.
  static int Epaisseur(const QWidget& cible);

 protected:
  int Largeur(const QWidget& cible) const override { return Epaisseur(cible); }
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace rolvex::ui
