// The game lays its windows out in twips (1/1440 inch); Qt places widgets in device-independent
// pixels. Every conversion between the two goes through here.
#pragma once

#include <QRect>
#include <QSizeF>

class QScreen;
class QWidget;

namespace rolvex::ui {

inline constexpr double TwipsParPouce = 1440.0;

struct RectangleTwips {
  double gauche = 0;
  double haut = 0;
  double largeur = 0;
  double hauteur = 0;
};

// The twips of one screen: 1 pixel = 1440 / logical DPI twips (15 at 96 DPI).
class EchelleTwips {
 public:
  // Logical DPI of each axis; a DPI that is not positive counts as 96, as no screen has one.
  EchelleTwips(double dpiX, double dpiY);
  static EchelleTwips DeLEcran(const QScreen& ecran);
  // The primary screen's, or 96 DPI when there is no screen at all.
  static EchelleTwips DeLEcranPrincipal();

  double TwipsParPixelX() const { return twipsParPixelX_; }
  double TwipsParPixelY() const { return twipsParPixelY_; }

  // Nearest pixel, halves upwards: the same rule for every edge, so that a rectangle that
  // starts where another ends starts on the very pixel where the other ends.
  int PixelsX(double twips) const;
  int PixelsY(double twips) const;
  double TwipsX(int pixels) const { return pixels * twipsParPixelX_; }
  double TwipsY(int pixels) const { return pixels * twipsParPixelY_; }

  // The edges are rounded, not the sizes: neighbours neither gap nor overlap.
  QRect EnPixels(const RectangleTwips& r) const;
  RectangleTwips EnTwips(const QRect& r) const;
  QSizeF EnTwips(QSize pixels) const;

  // Moves and sizes a widget within its parent.
  void Placer(QWidget& widget, const RectangleTwips& r) const;

 private:
  double twipsParPixelX_;
  double twipsParPixelY_;
};

}  // namespace rolvex::ui
