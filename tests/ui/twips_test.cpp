#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "tests/ui/qt_print.h"
#include "ui/twips.h"

namespace rolvex::ui {
namespace {

const EchelleTwips A96Dpi(96, 96);

// One pixel is 1440 / logical DPI twips, on each axis; a screen without DPI counts as 96.
TEST(TwipsPerPixel, Are1440OverTheDpiOfEachAxis) {
  EXPECT_DOUBLE_EQ(A96Dpi.TwipsParPixelX(), 15);
  EXPECT_DOUBLE_EQ(A96Dpi.TwipsParPixelY(), 15);
  EXPECT_EQ(A96Dpi.PixelsY(9000), 600);
  EXPECT_DOUBLE_EQ(A96Dpi.TwipsX(80), 1200);
  EXPECT_DOUBLE_EQ(EchelleTwips(144, 144).TwipsParPixelX(), 10);
  const EchelleTwips echelle(96, 120);
  EXPECT_EQ(echelle.PixelsX(1440), 96);
  EXPECT_EQ(echelle.PixelsY(1440), 120);
  const EchelleTwips sansDpi(0, -1);
  EXPECT_DOUBLE_EQ(sansDpi.TwipsParPixelX(), 15);
  EXPECT_DOUBLE_EQ(sansDpi.TwipsParPixelY(), 15);
}

// The screen size in twips is the base of every layout.
TEST(ScreenSize, IsReadFromTheScreensPixelsAndDpi) {
  EXPECT_EQ(A96Dpi.EnTwips(QSize(800, 600)), QSizeF(12000, 9000));
  const QScreen* ecran = QGuiApplication::primaryScreen();
  ASSERT_NE(ecran, nullptr);
  ASSERT_DOUBLE_EQ(ecran->logicalDotsPerInchX(), 96);  // as the offscreen platform has it
  EXPECT_DOUBLE_EQ(EchelleTwips::DeLEcranPrincipal().TwipsParPixelX(), 15);
}

// Edges are rounded, not sizes: rectangles that touch in twips touch in pixels, without a gap,
// an overlap or a drift along a row or a column.
TEST(TwipsRectangles, NeighboursMeetExactly) {
  const double largeur = 1198.4;  // a width scaled by 0.8, not a whole number of pixels
  const double hauteur = 248.3;
  for (int i = 0; i < 20; ++i) {
    const QRect gauche = A96Dpi.EnPixels({i * largeur, i * hauteur, largeur, hauteur});
    const QRect droite = A96Dpi.EnPixels({(i + 1) * largeur, (i + 1) * hauteur, largeur, hauteur});
    EXPECT_EQ(gauche.right() + 1, droite.left()) << "square " << i;
    EXPECT_EQ(gauche.bottom() + 1, droite.top()) << "row " << i;
  }
  const QRect vingtieme = A96Dpi.EnPixels({19 * largeur, 0, largeur, 310});
  EXPECT_EQ(vingtieme.right() + 1, A96Dpi.PixelsX(20 * largeur));
}

TEST(TwipsRectangles, HalvesRoundUpOnBothSidesOfZeroAndNegativeSizesAreEmpty) {
  // A layout shifted by whole pixels keeps every size, even across the parent's left edge.
  EXPECT_EQ(A96Dpi.PixelsX(22.5), 2);
  EXPECT_EQ(A96Dpi.PixelsX(-22.5), -1);
  EXPECT_EQ(A96Dpi.EnPixels({-22.5, 0, 30, 15}).width(),
            A96Dpi.EnPixels({22.5, 0, 30, 15}).width());
  const QRect r = A96Dpi.EnPixels({150, 150, -300, -300});
  EXPECT_EQ(r.width(), 0);
  EXPECT_EQ(r.height(), 0);
}

TEST(TwipsRectangles, PlaceAWidgetWithinItsParentAndReadItBack) {
  QWidget parent;
  QWidget enfant(&parent);
  A96Dpi.Placer(enfant, {150, 300, 1200, 310});
  EXPECT_EQ(enfant.geometry(), QRect(10, 20, 80, 21));
  const RectangleTwips r = A96Dpi.EnTwips(enfant.geometry());
  EXPECT_DOUBLE_EQ(r.gauche, 150);
  EXPECT_DOUBLE_EQ(r.haut, 300);
  EXPECT_DOUBLE_EQ(r.largeur, 1200);
  EXPECT_DOUBLE_EQ(r.hauteur, 315);
}

}  // namespace
}  // namespace rolvex::ui
