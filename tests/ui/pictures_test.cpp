#include "ui/dice_pictures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <array>
#include <vector>

#include "tests/ui/qt_print.h"
#include "ui/picture.h"
#include "ui/pixel_ratio.h"

namespace rolvex::ui {
namespace {

constexpr int Cote = 106;

bool EstNoir(const QColor& c) { return c.red() < 40 && c.green() < 40 && c.blue() < 40; }
bool EstGris(const QColor& c) {  // the pips are shaded from white to grey
  return std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) < 24 &&
         c.red() > 60;
}

// The twelve faces are all different: pips in the usual layout on 0..5, one black digit in
// seven segments on 6..11, on the value's colour; the empty place is a black question mark on
// dark green. Read at quarters of the face.
TEST(Des, ShowTheirValueInPipsOrInSevenSegments) {
  constexpr std::array<const char*, 6> Points = {"....o....", "..o...o..", "..o.o.o..",
                                                 "o.o...o.o", "o.o.o.o.o", "o.oo.oo.o"};
  // The segments a to g: top, top right, bottom right, bottom, bottom left, top left, middle.
  constexpr double SegmentX[] = {0.5, 0.64, 0.64, 0.5, 0.36, 0.36, 0.5};
  constexpr double SegmentY[] = {0.25, 0.375, 0.625, 0.75, 0.625, 0.375, 0.5};
  constexpr std::array<const char*, 6> Allumes = {"-bc----", "ab-de-g", "abcd--g",
                                                  "-bc--fg", "a-cd-fg", "a-cdefg"};
  std::vector<QImage> faces;
  for (int entree = 0; entree < NbModelesDes; ++entree) {
    const QImage face = ImageModeleDe(entree, Cote, 1).toImage();
    for (const QImage& autre : faces) EXPECT_FALSE(face == autre) << entree;
    faces.push_back(face);
    const QColor fond = face.pixelColor(0, 0);
    auto a = [&](double x, double y) { return face.pixelColor(int(x * Cote), int(y * Cote)); };
    for (int k = 0; k < 9 && entree < 6; ++k) {
      const QColor c = a(0.25 + 0.25 * (k % 3), 0.25 + 0.25 * (k / 3));
      EXPECT_TRUE(Points[entree][k] == 'o' ? EstGris(c) : c == fond) << entree << " at " << k;
    }
    for (int s = 0; s < 7 && entree >= 6; ++s) {
      const QColor c = a(SegmentX[s], SegmentY[s]);
      EXPECT_TRUE(Allumes[entree - 6][s] != '-' ? EstNoir(c) : c == fond) << entree << " at " << s;
    }
  }
  const QImage vide = ImageDeVide(Cote, 1).toImage();
  EXPECT_EQ(vide.pixelColor(0, 0), QColor(0, 128, 0));
  EXPECT_TRUE(EstNoir(vide.pixelColor(Cote / 2, int(0.79 * Cote)))) << "the dot under the hook";
}

// Pictures are painted for the device pixels of the screen, never enlarged from smaller ones;
// a side that is not positive gives none. The table hands out one pixmap per picture, and
// painted again for another ratio, each picture shown shows its own new one.
TEST(Des, ArePaintedSharpForThePixelRatio) {
  QImage double_ = ImageModeleDe(4, 53, 2).toImage();
  EXPECT_EQ(double_.devicePixelRatio(), 2);
  double_.setDevicePixelRatio(1);
  EXPECT_EQ(double_, ImageModeleDe(4, 106, 1).toImage());
  EXPECT_EQ(ImageDeVide(60, 2).size(), QSize(120, 120));
  EXPECT_EQ(ImageLogo(64, 1.5).size(), QSize(96, 96));
  EXPECT_TRUE(ImageModeleDe(0, 0, 1).isNull() && ImageDeVide(-4, 1).isNull());
  EXPECT_FALSE(IconeLogo().isNull());

  QWidget table;
  std::array<Image*, 3> images{new Image(&table), new Image(&table), new Image(&table)};
  ImagesDes des(40, 40, 1);
  images[0]->setPicture(des.ModelesDes(4));
  images[1]->setPicture(des.ImageDeFond());
  images[2]->setPicture(des.ModelesDes(11));
  des.Repeindre(2, images);
  EXPECT_EQ(images[0]->picture().toImage(), ImageModeleDe(4, 40, 2).toImage());
  EXPECT_EQ(images[1]->picture().toImage(), ImageDeVide(40, 2).toImage());
  EXPECT_EQ(images[2]->picture().cacheKey(), des.ModelesDes(11).cacheKey());
}

// A window's pictures are painted again when it shows on, or moves to, a screen whose pixel
// ratio differs from the one they were painted for, and only then.
TEST(Des, FollowTheRatioOfTheWindowsScreen) {
  QWidget fenetre;
  qreal ratio = 1;
  std::vector<qreal> repeints;
  new SuiviRatioPixels(
      fenetre, 1, [&](qreal r) { repeints.push_back(r); }, [&] { return ratio; });
  QEvent changement(QEvent::ScreenChangeInternal);
  QCoreApplication::sendEvent(&fenetre, &changement);
  ratio = 2;
  QCoreApplication::sendEvent(&fenetre, &changement);
  QCoreApplication::sendEvent(&fenetre, &changement);
  ratio = 1.5;
  fenetre.show();
  EXPECT_EQ(repeints, (std::vector<qreal>{2, 1.5}));
}

}  // namespace
}  // namespace rolvex::ui
