#include "tests/app/window_fixture.h"

#include <array>
#include <vector>

#include "ui/pixel_ratio.h"

namespace rolvex::app {
namespace {

// Pictures follow the pixel ratio of the screen their window shows on.
TEST(SuiviDuRatio, RepaintsOnlyWhenTheScreensRatioDiffersFromThePaintedOne) {
  QWidget fenêtre;
  qreal ratio = 1;
  std::vector<qreal> repeints;
  auto* suivi = new ui::SuiviRatioPixels(
      fenêtre, 1, [&](qreal r) { repeints.push_back(r); }, [&] { return ratio; });
  QEvent changement(QEvent::ScreenChangeInternal);
  QApplication::sendEvent(&fenêtre, &changement);
  EXPECT_TRUE(repeints.empty());
  ratio = 2;
  QApplication::sendEvent(&fenêtre, &changement);
  QApplication::sendEvent(&fenêtre, &changement);
  EXPECT_EQ(repeints, std::vector<qreal>{2});
  EXPECT_EQ(suivi->RatioPeint(), 2);
  ratio = 1.5;
  fenêtre.show();
  EXPECT_EQ(repeints, (std::vector<qreal>{2, 1.5}));
}

TEST(SuiviDuRatio, DicePaintedAgainKeepTheFacesTheyShow) {
  QWidget table;
  std::array<ui::Image*, 3> images{};
  for (ui::Image*& image : images) image = new ui::Image(&table);
  ui::ImagesDés dés(40, 40, 1);
  images[0]->setPicture(dés.ModèlesDés(4));
  images[1]->setPicture(dés.ImageDéFond());
  images[2]->setPicture(dés.ModèlesDés(11));
  dés.Repeindre(2, images);
  EXPECT_EQ(dés.Ratio(), 2);
  auto pareille = [](const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); };
  EXPECT_TRUE(pareille(images[0]->picture(), ui::ImageModèleDé(4, 40, 2)));
  EXPECT_TRUE(pareille(images[1]->picture(), ui::ImageDéVide(40, 2)));
  EXPECT_TRUE(pareille(images[2]->picture(), ui::ImageModèleDé(11, 40, 2)));
  for (ui::Image* image : images) EXPECT_EQ(image->picture().devicePixelRatio(), 2);
  // The pictures shown are those the table hands out from now on.
  EXPECT_EQ(images[0]->picture().cacheKey(), dés.ModèlesDés(4).cacheKey());
}

// Run twice by CTest: at the screen's own ratio and with QT_SCALE_FACTOR=2.
class RatioDePixels : public FenêtreDeJeu {};

TEST_F(RatioDePixels, DiceArePaintedForTheRatioOfTheWindowsScreen) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345");
  Cliquer("ImageDé(2)");
  const qreal ratio = fenêtre->windowHandle()->devicePixelRatio();
  for (int i = 1; i <= NbDés; ++i) {
    const ui::Image& dé = W<ui::Image>(NomContrôle("ImageDé", i));
    EXPECT_EQ(dé.picture().devicePixelRatio(), ratio) << i;
    EXPECT_EQ(dé.picture().width(), qRound(dé.width() * ratio)) << i;
  }
  EXPECT_EQ(DésMontrés(), "1?345");
}

TEST_F(RatioDePixels, LogoIsPaintedForTheRatioOfTheStartUpWindowsScreen) {
  Démarrage démarrage{suite, TailleÉcranJeu(), environnement.Pour()};
  démarrage.Lancer();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&démarrage.Splash()));
  const ui::Image& logo = *Trouver<ui::Image>(démarrage.Splash(), "imgLogo");
  const qreal ratio = démarrage.Splash().windowHandle()->devicePixelRatio();
  EXPECT_EQ(logo.picture().devicePixelRatio(), ratio);
  EXPECT_EQ(logo.picture().width(), qRound(std::min(logo.width(), logo.height()) * ratio));
}

}  // namespace
}  // namespace rolvex::app
