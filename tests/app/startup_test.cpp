#include "tests/app/window_fixture.h"

#include <QLabel>

namespace rolvex::app {
namespace {

// The start-up window chooses the language of the run; the main window speaks it throughout.
class Lancement : public FenetreDeDemarrage {
 protected:
  FormRolvex& Choisir(std::string_view bouton) {
    QTest::mouseClick(&S(bouton), Qt::LeftButton);
    EXPECT_NE(demarrage.Principale(), nullptr);
    EXPECT_FALSE(demarrage.Splash().isVisible());
    return *demarrage.Principale();
  }
  QString LegendePrincipale(std::string_view nom) {
    return Trouver<ui::Panneau>(*demarrage.Principale(), nom)->caption();
  }
};

TEST_F(Lancement, ShowsTitleVersionLogoAndBothLanguageButtons) {
  EXPECT_EQ(demarrage.Principale(), nullptr);
  EXPECT_EQ(S<QLabel>("lblCompanyProduct").text(), "ROLVEX");
  EXPECT_EQ(S<QLabel>("lblVersion").text(), "Version 1.2");
  EXPECT_EQ(S("PanelStartFrench").caption(), "VERSION FRANCAISE");
  EXPECT_EQ(S("PanelStartEnglish").caption(), "ENGLISH VERSION");
  EXPECT_FALSE(S<ui::Image>("imgLogo").picture().isNull());
}

TEST_F(Lancement, EnglishButtonOpensTheGameInEnglish) {
  FormRolvex& principale = Choisir("PanelStartEnglish");
  ASSERT_NE(demarrage.Principale(), nullptr);
  EXPECT_TRUE(principale.isVisible());
  EXPECT_TRUE(principale.isMaximized());
  EXPECT_EQ(principale.langue(), Langue::Anglais);
  EXPECT_EQ(principale.windowTitle(), "ROLVEX");
  EXPECT_EQ(LegendePrincipale("PanelStart"), "PLAY !");
  EXPECT_EQ(LegendePrincipale("PanelInfoDéroulement"),
            "To start a new game, choose the menu Yam->New Game or Press F2.");
  EXPECT_EQ(Trouver<QMenu>(principale, "MenuJeu")->title(), "Yam");
  EXPECT_EQ(Trouver<QAction>(principale, "MenuAbout")->text(), "About ROLVEX");
}

TEST_F(Lancement, FrenchButtonOpensTheGameInFrench) {
  FormRolvex& principale = Choisir("PanelStartFrench");
  ASSERT_NE(demarrage.Principale(), nullptr);
  EXPECT_EQ(principale.langue(), Langue::Francais);
  EXPECT_EQ(LegendePrincipale("PanelStart"), "JOUER !");
  EXPECT_EQ(Trouver<QMenu>(principale, "MenuChoixDés")->title(), Q("Choix des dés"));
}

// The main window before the first game: the empty sheet, the start button, and the menus'
// keys, the high scores waiting for a game.
class AvantLaPremierePartie : public FenetreDeJeu {
 protected:
  void SetUp() override { Ouvrir(); }
};

TEST_F(AvantLaPremierePartie, MenusHaveTheirKeysAndTheScoresWaitForAGame) {
  const std::pair<const char*, Qt::Key> touches[] = {{"MenuNew", Qt::Key_F2},
                                                     {"MenuQuit", Qt::Key_F9},
                                                     {"MenuVoirScores", Qt::Key_F4},
                                                     {"MenuContents", Qt::Key_F1}};
  for (const auto& [menu, touche] : touches)
    EXPECT_EQ(W<QAction>(menu).shortcut(), QKeySequence(touche)) << menu;
  EXPECT_TRUE(W<QAction>("MenuDésClassiques").isChecked());
  EXPECT_FALSE(W<QAction>("MenuDésNumériques").isChecked());

  // Even with the tables on disk, F4 shows nothing yet.
  ASSERT_TRUE(std::filesystem::exists(environnement.Options()));
  EXPECT_FALSE(W<QAction>("MenuVoirScores").isEnabled());
  Touche(Qt::Key_F4);
  EXPECT_FALSE(W("SuperPanelScore").isVisible());
  EXPECT_TRUE(W("PictureAireJeu").isVisible());
}

TEST_F(AvantLaPremierePartie, ShowsTheEmptySheetAndTheStartButton) {
  EXPECT_EQ(Legende("PanelStart"), "JOUER !");
  EXPECT_TRUE(W("PanelStart").isVisible());
  EXPECT_TRUE(W("PanelInfoDéroulement").isVisible());
  EXPECT_FALSE(W("SuperPanelDés").isVisible());
  EXPECT_EQ(Legende("CaseInfoGauche(3)"), "3");
  EXPECT_EQ(Legende("CaseInfoDroite(10)"), "CARRE");
  EXPECT_EQ(Legende("CaseLibre(4)"), "");
  EXPECT_TRUE(W("CaseAnnonce(13)").isVisible());
  EXPECT_EQ(W("CaseDeux(4)").backColor(), Colonnes[colonne::Deux].fondLibre);
  EXPECT_EQ(W("CaseInfoGauche(1)").backColor(), RGB(144, 159, 144));
  EXPECT_EQ(W("CaseNomLibre").font().family(), "Times New Roman");
  EXPECT_TRUE(W("CaseNomLibre").font().bold());
}

}  // namespace
}  // namespace rolvex::app
