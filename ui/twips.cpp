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

EchelleTwips::EchelleTwips(double dpiX, double dpiY)
    : twipsParPixelX_(TwipsParPixel(dpiX)), twipsParPixelY_(TwipsParPixel(dpiY)) {}

EchelleTwips EchelleTwips::DeLEcran(const QScreen& ecran) {
  return EchelleTwips(ecran.logicalDotsPerInchX(), ecran.logicalDotsPerInchY());
}

EchelleTwips EchelleTwips::DeLEcranPrincipal() {
  if (const QScreen* ecran = QGuiApplication::primaryScreen()) return DeLEcran(*ecran);
  return EchelleTwips(DpiOrdinaire, DpiOrdinaire);
}

int EchelleTwips::PixelsX(double twips) const { return Arrondi(twips / twipsParPixelX_); }
int EchelleTwips::PixelsY(double twips) const { return Arrondi(twips / twipsParPixelY_); }

QRect EchelleTwips::EnPixels(const RectangleTwips& r) const {
  const int gauche = PixelsX(r.gauche);
  const int haut = PixelsY(r.haut);
  const int droite = PixelsX(r.gauche + r.largeur);
  const int bas = PixelsY(r.haut + r.hauteur);
  return QRect(gauche, haut, std::max(0, droite - gauche), std::max(0, bas - haut));
}

RectangleTwips EchelleTwips::EnTwips(const QRect& r) const {
  return {TwipsX(r.x()), TwipsY(r.y()), TwipsX(r.width()), TwipsY(r.height())};
}

QSizeF EchelleTwips::EnTwips(QSize pixels) const {
  return QSizeF(TwipsX(pixels.width()), TwipsY(pixels.height()));
}

void EchelleTwips::Placer(QWidget& widget, const RectangleTwips& r) const {
  widget.setGeometry(EnPixels(r));
}

}  // namespace rolvex::ui
