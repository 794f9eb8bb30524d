// A ring over a control: it stands in the control's parent, over its neighbours, moves and
// changes size with the control, and lets the mouse through to what lies below. The keyboard's
// frame and the coach's mark are such rings.
#pragma once

#include <QPointer>
#include <QWidget>

namespace rolvex::ui {

class AnneauControle : public QWidget {
 public:
  QWidget* Cible() const { return cible_; }

 protected:
  // `exterieur`: the ring stands around the control rather than just inside its edge.
  // `suitVisibilite`: the ring hides and shows with the control.
  AnneauControle(QWidget* parent, const QString& nom, bool exterieur, bool suitVisibilite);

  // Stands on `cible`, or hides for nullptr.
  void Poser(QWidget* cible);
  // The ring's width on `cible`.
  virtual int Largeur(const QWidget& cible) const = 0;
  // The ring's width on its control now, 0 without one.
  int LargeurActuelle() const { return cible_ ? Largeur(*cible_) : 0; }

  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  void Placer();

  QPointer<QWidget> cible_;
  bool exterieur_;
  bool suitVisibilite_;
};

}  // namespace rolvex::ui
