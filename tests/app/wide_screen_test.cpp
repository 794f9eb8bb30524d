#include <QMenuBar>

#include "playarea/layout.h"
#include "tests/app/window_fixture.h"

namespace rolvex::app {
namespace {

// The throw button keeps at least its 4:3 height on wide screens, and the window still fits.
constexpr double HauteurOkDe43 = 515;  // 1400 − 885 on the reference screen
constexpr double ReserveBarres = 900;  // title bar and menu bar: about 60 pixels

struct Ecran {
  double largeur;
  double hauteur;
};

double Bas(const Rect& r) { return double{r.Top} + r.Height; }

TEST(BoutonDeJetSurEcranLarge, KeepsItsFourThirdsHeightAt1920By1080AndTheAreaGrowsWithIt) {
  const AireJeu aire(28800, 16200);
  const double RH = aire.Ratios().RatioHauteur;
  const Rect& zone = aire["SuperPanelDés"].rect;
  const Rect& ok = aire["PanelOkDé"].rect;
  EXPECT_NEAR(ok.Height, HauteurOkDe43 * RH, 0.01);
  // Before, the dice area left it 1400 × RH − 885 × RL: 396 twips, 26 pixels.
  EXPECT_GT(ok.Height, 1400 * RH - 885 * aire.Ratios().RatioLargeur + 500);
  // The information line grows with the area, and the button still takes the area's height
  // less the die and three margins.
  EXPECT_FLOAT_EQ(aire["PanelInfoDéroulement"].rect.Height, zone.Height);
  EXPECT_NEAR(ok.Height,
              zone.Height - 3 * aire.Tailles().MargePanneau - aire["PanelDé(1)"].rect.Height, 0.01);
  for (std::string_view nom : {"PanelNewGame", "PanelNewMode"}) {
    EXPECT_FLOAT_EQ(aire[nom].rect.Height, ok.Height) << nom;
    EXPECT_FLOAT_EQ(aire[nom].rect.Top, ok.Top) << nom;
  }
}

TEST(BoutonDeJetSurEcranLarge, TheWholeAreaStaysOnTheScreenUpToUltraWideOnes) {
  // 1920 × 1080, 1366 × 768, 2560 × 1080 and 3440 × 1440 pixels.
  for (Ecran e :
       {Ecran{28800, 16200}, Ecran{20490, 11520}, Ecran{38400, 16200}, Ecran{51600, 21600}}) {
    const AireJeu aire(e.largeur, e.hauteur);
    const Rect& zone = aire["SuperPanelDés"].rect;
    EXPECT_LE(Bas(zone), e.hauteur - ReserveBarres + 0.5) << e.largeur << " × " << e.hauteur;
    EXPECT_GT(aire["PanelOkDé"].rect.Height, 0) << e.largeur;
  }
}

TEST(BoutonDeJetSurEcranLarge, FourThirdsAndNarrowerScreensKeepTheDesignedNumbers) {
  for (Ecran e :
       {Ecran{12000, 9000}, Ecran{9600, 7200}, Ecran{19200, 14400}, Ecran{19200, 15360}}) {
    const AireJeu aire(e.largeur, e.hauteur);
    const double RL = aire.Ratios().RatioLargeur;
    const double RH = aire.Ratios().RatioHauteur;
    const double marge = aire.Tailles().MargePanneau;
    const float zone = static_cast<float>(static_cast<float>(500 * RH) +
                                          double{static_cast<float>(450 * RH)} * 2 + 4 * marge);
    EXPECT_EQ(aire["SuperPanelDés"].rect.Height, zone) << e.largeur;
    const float de = static_cast<float>(945 * RL);
    EXPECT_EQ(aire["PanelOkDé"].rect.Height, static_cast<float>(double{zone} - 3 * marge - de))
        << e.largeur;
  }
}

// The window of a 1920 × 1080 screen: menu bar, sheet, information line and dice all show.
TEST(BoutonDeJetSurEcranLarge, MainWindowOfA1920By1080ScreenFitsUnderItsTitleBar) {
  EnvironnementDeTest environnement;
  FormRolvex fenetre(Langue::Francais, QSizeF(28800, 16200), environnement.Pour());
  const ui::EchelleTwips echelle = ui::EchelleTwips::DeLEcranPrincipal();
  const QWidget& zone = *Trouver<QWidget>(fenetre, "SuperPanelDés");
  const QWidget& info = *Trouver<QWidget>(fenetre, "PanelInfoDéroulement");
  const int barreTitre = 30;
  const int bas = fenetre.menuBar()->sizeHint().height() + zone.geometry().bottom() + 1;
  EXPECT_LE(bas + barreTitre, echelle.PixelsY(16200));
  EXPECT_EQ(info.height(), zone.height());
  EXPECT_GE(Trouver<QWidget>(fenetre, "PanelOkDé")->height(),
            echelle.PixelsY(HauteurOkDe43 * 1.8) - 1);
}

}  // namespace
}  // namespace rolvex::app
