// The coach's mark on a control: a gold ring just inside its edge, so that it shows beside the
// keyboard's frame, which stands outside the same control.
#pragma once

#include <QPointer>
#include <QWidget>

namespace rolvex::ui {

class CadreConseil : public QWidget {
 public:
  // Hidden until it marks a control; the mouse goes through it to the control below.
  explicit CadreConseil(QWidget* parent);

  // Stands over `cible`, in the same parent, while `cible` is shown; nullptr hides it.
  void Marquer(QWidget* cible);
  QWidget* Cible() const { return cible_; }
  // The ring's width: it grows with the control, from 3 to 6 pixels.
  static int Epaisseur(const QWidget& cible);

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Placer();

  QPointer<QWidget> cible_;
};

}  // namespace rolvex::ui
