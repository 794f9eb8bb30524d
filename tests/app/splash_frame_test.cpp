#include "tests/app/window_fixture.h"

#include <QImage>
#include <QWindow>

namespace rolvex::app {
namespace {

// The start-up window has no title bar, so no window manager can put a box on it; it draws its
// own border, and the platform's close command still chooses French.
using DemarrageSansCadre = FenetreDeDemarrage;

TEST_F(DemarrageSansCadre, AsksForNoFrameAndDrawsADarkBorderAroundItself) {
  FrmSplash& splash = demarrage.Splash();
  const Qt::WindowFlags drapeaux = splash.windowFlags();
  EXPECT_TRUE(drapeaux & Qt::FramelessWindowHint);
  for (Qt::WindowType sansCadre :
       {Qt::WindowTitleHint, Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint,
        Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
    EXPECT_FALSE(drapeaux & sansCadre) << sansCadre;

  const QImage image = splash.grab().toImage();
  const QColor ombre = splash.palette().color(QPalette::Shadow);
  for (QPoint bord : {QPoint(0, 0), QPoint(image.width() - 1, image.height() / 2),
                      QPoint(image.width() / 2, image.height() - 1)})
    EXPECT_EQ(image.pixelColor(bord).rgb(), ombre.rgb()) << bord.x() << "," << bord.y();
  EXPECT_NE(image.pixelColor(image.width() / 2, 1).rgb(), ombre.rgb());
}

TEST_F(DemarrageSansCadre, ThePlatformsCloseCommandStartsTheGameInFrench) {
  // The window system's close, as a window manager's key sends it.
  ASSERT_NE(demarrage.Splash().windowHandle(), nullptr);
  EXPECT_TRUE(demarrage.Splash().windowHandle()->close());
  ASSERT_NE(demarrage.Principale(), nullptr);
  FormRolvex& principale = *demarrage.Principale();
  EXPECT_EQ(principale.langue(), Langue::Francais);
  EXPECT_FALSE(demarrage.Splash().isVisible());
  EXPECT_TRUE(principale.isVisible());
  EXPECT_EQ(Trouver<ui::Panneau>(principale, "CaseNomSèche")->caption(), "SECHE");
  EXPECT_EQ(
      Trouver<ui::Panneau>(principale, "PanelInfoDéroulement")->caption(),
      Q("Pour jouer, sélectionnez le menu Yam->Nouvelle partie ou appuyez sur la touche F2."));
}

}  // namespace
}  // namespace rolvex::app
