#include "tests/app/window_fixture.h"

#include <array>
#include <vector>

#include "ui/pixel_ratio.h"

namespace rolvex::app {
namespace {

// Pictures follow the pixel ratio of the screen their window shows on.
TEST(SuiviDuRatio, RepaintsOnlyWhenTheScreensRatioDiffersFromThePaintedOne) {
  QWidget fenetre;
  qreal ratio = 1;
  std::vector<qreal> repeints;
  auto* suivi = new ui::SuiviRatioPixels(
      fenetre, 1, [&](qreal r) { repeints.push_back(r); }, [&] { return ratio; });
  QEvent changement(QEvent::ScreenChangeInternal);
  QApplication::sendEvent(&fenetre, &changement);
  EXPECT_TRUE(repeints.empty());
  ratio = 2;
  QApplication::sendEvent(&fenetre, &changement);
  QApplication::sendEvent(&fenetre, &changement);
  EXPECT_EQ(repeints, std::vector<qreal>{2});
  EXPECT_EQ(suivi->RatioPeint(), 2);
  ratio = 1.5;
  fenetre.show();
  EXPECT_EQ(repeints, (std::vector<qreal>{2, 1.5}));
}

TEST(SuiviDuRatio, DicePaintedAgainKeepTheFacesTheyShow) {
  QWidget table;
  std::array<ui::Image*, 3> images{};
  for (ui::Image*& image : images) image = new ui::Image(&table);
  ui::ImagesDes des(40, 40, 1);
  images[0]->setPicture(des.ModelesDes(4));
  images[1]->setPicture(des.ImageDeFond());
  images[2]->setPicture(des.ModelesDes(11));
  des.Repeindre(2, images);
  EXPECT_EQ(des.Ratio(), 2);
  auto pareille = [](const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); };
  EXPECT_TRUE(pareille(images[0]->picture(), ui::ImageModeleDe(4, 40, 2)));
  EXPECT_TRUE(pareille(images[1]->picture(), ui::ImageDeVide(40, 2)));
  EXPECT_TRUE(pareille(images[2]->picture(), ui::ImageModeleDe(11, 40, 2)));
  for (ui::Image* image : images) EXPECT_EQ(image->picture().devicePixelRatio(), 2);
  // The pictures shown are those the table hands out from now on.
  EXPECT_EQ(images[0]->picture().cacheKey(), des.ModelesDes(4).cacheKey());
}

// Run twice by CTest: at the screen's own ratio and with QT_SCALE_FACTOR=2.
class RatioDePixels : public FenetreDeJeu {};

TEST_F(RatioDePixels, DiceArePaintedForTheRatioOfTheWindowsScreen) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345");
  Cliquer("ImageDé(2)");
  const qreal ratio = fenetre->windowHandle()->devicePixelRatio();
  for (int i = 1; i <= NbDes; ++i) {
    const ui::Image& de = W<ui::Image>(NomControle("ImageDé", i));
    EXPECT_EQ(de.picture().devicePixelRatio(), ratio) << i;
    EXPECT_EQ(de.picture().width(), qRound(de.width() * ratio)) << i;
  }
  EXPECT_EQ(DesMontres(), "1?345");
}

TEST_F(RatioDePixels, LogoIsPaintedForTheRatioOfTheStartUpWindowsScreen) {
  Demarrage demarrage{TailleEcranJeu(), environnement.Pour()};
  demarrage.Lancer();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&demarrage.Splash()));
  const ui::Image& logo = *Trouver<ui::Image>(demarrage.Splash(), "imgLogo");
  const qreal ratio = demarrage.Splash().windowHandle()->devicePixelRatio();
  EXPECT_EQ(logo.picture().devicePixelRatio(), ratio);
  EXPECT_EQ(logo.picture().width(), qRound(std::min(logo.width(), logo.height()) * ratio));
}

}  // namespace
}  // namespace rolvex::app
