#include "tests/app/window_fixture.h"

#include <QImage>
#include <QWindow>

#include "app/splash_window.h"

namespace rolvex::app {
namespace {

// The start-up window has no title bar, so no window manager can put a box on it; it draws its
// own border, and the platform's close command still chooses French.
class DémarrageSansCadre : public testing::Test {
 protected:
  DéÉquitable suite{11};
  EnvironnementDeTest environnement;
  Démarrage démarrage{suite, TailleÉcranJeu(), environnement.Pour()};

  void SetUp() override {
    démarrage.Lancer();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&démarrage.Splash()));
  }
};

TEST_F(DémarrageSansCadre, AsksTheWindowSystemForNoFrameAtAll) {
  const Qt::WindowFlags drapeaux = démarrage.Splash().windowFlags();
  EXPECT_TRUE(drapeaux & Qt::FramelessWindowHint);
  EXPECT_FALSE(drapeaux & Qt::WindowTitleHint);
  EXPECT_FALSE(drapeaux & Qt::WindowSystemMenuHint);
}

TEST_F(DémarrageSansCadre, DrawsADarkBorderAroundItself) {
  FrmSplash& splash = démarrage.Splash();
  const QImage image = splash.grab().toImage();
  const QColor ombre = splash.palette().color(QPalette::Shadow);
  for (QPoint coin : {QPoint(0, 0), QPoint(image.width() - 1, image.height() / 2),
                      QPoint(image.width() / 2, image.height() - 1)})
    EXPECT_EQ(image.pixelColor(coin).rgb(), ombre.rgb()) << coin.x() << "," << coin.y();
  EXPECT_NE(image.pixelColor(image.width() / 2, 1).rgb(), ombre.rgb());
}

TEST_F(DémarrageSansCadre, ThePlatformsCloseCommandStillStartsTheGameInFrench) {
  // The window system's close, as a window manager's key sends it.
  ASSERT_NE(démarrage.Splash().windowHandle(), nullptr);
  EXPECT_TRUE(démarrage.Splash().windowHandle()->close());
  ASSERT_NE(démarrage.Principale(), nullptr);
  EXPECT_EQ(démarrage.Principale()->langue(), Langue::Français);
  EXPECT_FALSE(démarrage.Splash().isVisible());
  EXPECT_TRUE(démarrage.Principale()->isVisible());
}

}  // namespace
}  // namespace rolvex::app
