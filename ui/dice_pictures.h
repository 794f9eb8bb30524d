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

inline constexpr int NbModèlesDés = 12;

// entrée 0..11: (value − 1) + (TypeDés − 1) × 6, entries 0..5 with pips, 6..11 with numerals.
// A square of the value's colour framed in black a little inside its edge.
void PeindreModèleDé(QPainter& p, const QRectF& carré, int entrée);
// The empty place of a die: a black question mark on dark green.
void PeindreDéFond(QPainter& p, const QRectF& carré);
// A few dice in the colours of the faces, within the largest square centred in `zone`.
void PeindreLogo(QPainter& p, const QRectF& zone);

// Pictures `côté` × `côté` logical pixels, made of côté × pixelRatio device pixels; null when
// côté is not positive.
QPixmap ImageModèleDé(int entrée, int côté, qreal pixelRatio);
QPixmap ImageDéVide(int côté, qreal pixelRatio);
QPixmap ImageLogo(int côté, qreal pixelRatio);
// The logo at the sizes a window icon is shown at.
QIcon IcôneLogo();

// The pictures the table shows, painted once for a size and pixel ratio. Showing the same
// entry again hands back the same pixmap, which a picture recognises and does not repaint.
class ImagesDés {
 public:
  ImagesDés(int côtéFace, int côtéFond, qreal pixelRatio);

  const QPixmap& ModèlesDés(int entrée) const { return modèles_[entrée]; }  // 0..11
  const QPixmap& ImageDéFond() const { return fond_; }
  qreal Ratio() const { return ratio_; }

  // The same pictures painted for another pixel ratio; each of `images` that shows one of the
  // old pictures shows its new one.
  void Repeindre(qreal pixelRatio, std::span<Image* const> images);

 private:
  int côtéFace_;
  int côtéFond_;
  qreal ratio_;
  Tableau<QPixmap, 0, NbModèlesDés - 1> modèles_;
  QPixmap fond_;
};

}  // namespace rolvex::ui
