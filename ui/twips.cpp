#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace rolvex::ui {
namespace {

constexpr double DpiOrdinaire = 96.0;

double TwipsParPixel(double dpi) { return TwipsParPouce / (dpi > 0 ? dpi : DpiOrdinaire); }

// Halves go upwards on both sides of zero, so that shifting a layout by whole pixels shifts
// every edge alike.
int Arrondi(double pixels) { return static_cast<int>(std::floor(pixels + 0.5)); }

}  // namespace

ÉchelleTwips::ÉchelleTwips(double dpiX, double dpiY)
    : twipsParPixelX_(TwipsParPixel(dpiX)), twipsParPixelY_(TwipsParPixel(dpiY)) {}

ÉchelleTwips ÉchelleTwips::DeLÉcran(const QScreen& écran) {
  return ÉchelleTwips(écran.logicalDotsPerInchX(), écran.logicalDotsPerInchY());
}

ÉchelleTwips ÉchelleTwips::DeLÉcranPrincipal() {
  if (const QScreen* écran = QGuiApplication::primaryScreen()) return DeLÉcran(*écran);
  return ÉchelleTwips(DpiOrdinaire, DpiOrdinaire);
}

int ÉchelleTwips::PixelsX(double twips) const { return Arrondi(twips / twipsParPixelX_); }
int ÉchelleTwips::PixelsY(double twips) const { return Arrondi(twips / twipsParPixelY_); }

QRect ÉchelleTwips::EnPixels(const RectangleTwips& r) const {
  const int gauche = PixelsX(r.gauche);
  const int haut = PixelsY(r.haut);
  const int droite = PixelsX(r.gauche + r.largeur);
  const int bas = PixelsY(r.haut + r.hauteur);
  return QRect(gauche, haut, std::max(0, droite - gauche), std::max(0, bas - haut));
}

RectangleTwips ÉchelleTwips::EnTwips(const QRect& r) const {
  return {TwipsX(r.x()), TwipsY(r.y()), TwipsX(r.width()), TwipsY(r.height())};
}

QSizeF ÉchelleTwips::EnTwips(QSize pixels) const {
  return QSizeF(TwipsX(pixels.width()), TwipsY(pixels.height()));
}

void ÉchelleTwips::Placer(QWidget& widget, const RectangleTwips& r) const {
  widget.setGeometry(EnPixels(r));
}

QSizeF TailleÉcranTwips(const QScreen& écran) {
  return ÉchelleTwips::DeLÉcran(écran).EnTwips(écran.geometry().size());
}

}  // namespace rolvex::ui
