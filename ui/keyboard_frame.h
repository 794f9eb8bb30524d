// The frame around the control the keyboard acts on: thick, in bands of white and magenta, so
// that it shows on the pale squares of every column as on the dark panels of the dice.
#pragma once

#include <QPointer>
#include <QWidget>

namespace rolvex::ui {

class CadreClavier : public QWidget {
 public:
  // Hidden until it follows a control; the mouse goes through it to the control below.
  explicit CadreClavier(QWidget* parent);

  // Stands around `cible`, over its neighbours, in the same parent; nullptr hides it.
  void Suivre(QWidget* cible);
  QWidget* Cible() const { return cible_; }
  // The frame's width on each side of `cible`: it grows with the control, from 5 to 8 pixels.
  static int Epaisseur(const QWidget& cible);

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointer<QWidget> cible_;
};

}  // namespace rolvex::ui
