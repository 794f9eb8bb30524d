// The pictures of the dice, painted at any size and pixel ratio, so that they stay sharp on
// every screen: the twelve faces, the empty place and the start-up logo.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <span>

#include "engine/score_sheet.h"

class QPainter;
class QRectF;

namespace rolvex::ui {

class Image;

inline constexpr int NbModelesDes = 12;

// entrée 0..11: (value − 1) + (TypeDes − 1) × 6, entries 0..5 with pips, 6..11 with numerals.
// A square of the value's colour framed in black a little inside its edge.
void PeindreModeleDe(QPainter& p, const QRectF& carre, int entree);
// The empty place of a die: a black question mark on dark green.
void PeindreDeFond(QPainter& p, const QRectF& carre);
// A few dice in the colours of the faces, within the largest square centred in `zone`.
void PeindreLogo(QPainter& p, const QRectF& zone);

// Pictures `côté` × `côté` logical pixels, made of côté × pixelRatio device pixels; null when
// côté is not positive.
QPixmap ImageModeleDe(int entree, int cote, qreal pixelRatio);
QPixmap ImageDeVide(int cote, qreal pixelRatio);
QPixmap ImageLogo(int cote, qreal pixelRatio);
// The logo at the sizes a window icon is shown at.
QIcon IconeLogo();

// The pictures the table shows, painted once for a size and pixel ratio. Showing the same
// entry again hands back the same pixmap, which a picture recognises and does not repaint.
class ImagesDes {
 public:
  ImagesDes(int coteFace, int coteFond, qreal pixelRatio);

  const QPixmap& ModelesDes(int entree) const { return modeles_[entree]; }  // 0..11
  const QPixmap& ImageDeFond() const { return fond_; }
  qreal Ratio() const { return ratio_; }
  int CoteFace() const { return coteFace_; }

  // The same pictures painted for another pixel ratio; each of `images` that shows one of the
  // old pictures shows its new one.
  void Repeindre(qreal pixelRatio, std::span<Image* const> images);

 private:
  int coteFace_;
  int coteFond_;
  qreal ratio_;
  Tableau<QPixmap, 0, NbModelesDes - 1> modeles_;
  QPixmap fond_;
};

}  // namespace rolvex::ui
