#include "tests/app/window_fixture.h"

#include <QLabel>

#include "app/splash_window.h"

namespace rolvex::app {
namespace {

// The start-up window chooses the language of the run, French when it is simply closed.
class Lancement : public testing::Test {
 protected:
  DéÉquitable suite{7};
  EnvironnementDeTest environnement;
  Démarrage démarrage{suite, TailleÉcranJeu(), environnement.Pour()};

  void SetUp() override {
    démarrage.Lancer();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&démarrage.Splash()));
  }
  template <typename T = ui::Panneau>
  T& S(std::string_view nom) {
    T* w = Trouver<T>(démarrage.Splash(), nom);
    EXPECT_NE(w, nullptr) << nom;
    return *w;
  }
  QString LégendePrincipale(std::string_view nom) {
    return Trouver<ui::Panneau>(*démarrage.Principale(), nom)->caption();
  }
};

TEST_F(Lancement, ShowsTitleVersionLogoAndBothLanguageButtons) {
  EXPECT_EQ(démarrage.Principale(), nullptr);
  EXPECT_EQ(S<QLabel>("lblCompanyProduct").text(), "ROLVEX");
  EXPECT_EQ(S<QLabel>("lblVersion").text(), "Version 1.2");
  EXPECT_EQ(S("PanelStartFrench").caption(), "VERSION FRANCAISE");
  EXPECT_EQ(S("PanelStartEnglish").caption(), "ENGLISH VERSION");
  EXPECT_FALSE(S<ui::Image>("imgLogo").picture().isNull());
  const Qt::WindowFlags drapeaux = démarrage.Splash().windowFlags();
  EXPECT_FALSE(drapeaux & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(drapeaux & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(drapeaux & Qt::WindowMaximizeButtonHint);
}

TEST_F(Lancement, EnglishButtonOpensTheGameInEnglish) {
  QTest::mouseClick(&S("PanelStartEnglish"), Qt::LeftButton);
  ASSERT_NE(démarrage.Principale(), nullptr);
  FormRolvex& principale = *démarrage.Principale();
  EXPECT_FALSE(démarrage.Splash().isVisible());
  EXPECT_TRUE(principale.isVisible());
  EXPECT_TRUE(principale.isMaximized());
  EXPECT_EQ(principale.langue(), Langue::Anglais);
  EXPECT_EQ(principale.windowTitle(), "ROLVEX");
  EXPECT_EQ(LégendePrincipale("PanelStart"), "PLAY !");
  EXPECT_EQ(LégendePrincipale("CaseNomLibre"), "FREE");
  EXPECT_EQ(LégendePrincipale("CaseInfoDroite(11)"), "SEQUENCE");
  EXPECT_EQ(LégendePrincipale("PanelInfoDéroulement"),
            "To start a new game, choose the menu Yam->New Game or Press F2.");
  EXPECT_EQ(Trouver<QMenu>(principale, "MenuJeu")->title(), "Yam");
  EXPECT_EQ(Trouver<QAction>(principale, "MenuNew")->text(), "New game");
  EXPECT_EQ(Trouver<QAction>(principale, "MenuAbout")->text(), "About ROLVEX");
  // The name box holds the last player's name, none on a first run.
  EXPECT_EQ(Trouver<QLineEdit>(principale.Params(), "TextName")->text(), "");
}

TEST_F(Lancement, FrenchButtonOpensTheGameInFrench) {
  QTest::mouseClick(&S("PanelStartFrench"), Qt::LeftButton);
  ASSERT_NE(démarrage.Principale(), nullptr);
  EXPECT_EQ(démarrage.Principale()->langue(), Langue::Français);
  EXPECT_EQ(LégendePrincipale("PanelStart"), "JOUER !");
}

TEST_F(Lancement, ClosingTheStartUpWindowOpensTheGameInFrench) {
  EXPECT_TRUE(démarrage.Splash().close());
  ASSERT_NE(démarrage.Principale(), nullptr);
  EXPECT_EQ(démarrage.Principale()->langue(), Langue::Français);
  EXPECT_EQ(LégendePrincipale("CaseNomSèche"), "SECHE");
  EXPECT_EQ(LégendePrincipale("PanelInfoDéroulement"),
            Q("Pour jouer, sélectionnez le menu Yam->Nouvelle partie ou appuyez sur la touche F2."));
}

TEST_F(Lancement, LanguageButtonsShowTheirPressLook) {
  ui::Panneau& bouton = S("PanelStartEnglish");
  QTest::mousePress(&bouton, Qt::LeftButton);
  EXPECT_EQ(bouton.bevelOuter(), ui::Panneau::Enfoncé);
  QTest::mouseRelease(&bouton, Qt::LeftButton, {}, QPoint(-5, -5));
  EXPECT_EQ(bouton.bevelOuter(), ui::Panneau::EnRelief);
  EXPECT_EQ(démarrage.Principale(), nullptr);
}

// The main window before the first game: the menus wait for it.
class AvantLaPremièrePartie : public FenêtreDeJeu {
 protected:
  void SetUp() override { Ouvrir(); }
};

TEST_F(AvantLaPremièrePartie, ScoresMenuIsDisabledAndKeysAreThere) {
  EXPECT_FALSE(W<QAction>("MenuVoirScores").isEnabled());
  EXPECT_EQ(W<QAction>("MenuNew").shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(W<QAction>("MenuQuit").shortcut(), QKeySequence(Qt::Key_F9));
  EXPECT_EQ(W<QAction>("MenuVoirScores").shortcut(), QKeySequence(Qt::Key_F4));
  EXPECT_EQ(W<QAction>("MenuContents").shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_TRUE(W<QAction>("MenuDésClassiques").isChecked());
  EXPECT_FALSE(W<QAction>("MenuDésNumériques").isChecked());
  EXPECT_EQ(W<QMenu>("MenuChoixDés").title(), Q("Choix des dés"));
}

TEST_F(AvantLaPremièrePartie, ShowsTheEmptySheetAndTheStartButton) {
  EXPECT_EQ(Légende("PanelStart"), "JOUER !");
  EXPECT_TRUE(W("PanelStart").isVisible());
  EXPECT_TRUE(W("PanelInfoDéroulement").isVisible());
  EXPECT_EQ(Légende("CaseInfoGauche(3)"), "3");
  EXPECT_EQ(Légende("CaseInfoDroite(10)"), "CARRE");
  EXPECT_EQ(Légende("CaseInfoTotalBasDroite"), "Total");
  EXPECT_EQ(Légende("CaseLibre(4)"), "");
  EXPECT_TRUE(W("CaseDeux(4)").isVisible());
  EXPECT_EQ(W("CaseDeux(4)").backColor(), Colonnes[colonne::Deux].fondLibre);
  EXPECT_EQ(W("CaseInfoGauche(1)").backColor(), RGB(144, 159, 144));
  EXPECT_EQ(W("CaseNomLibre").font().family(), "Times New Roman");
  EXPECT_TRUE(W("CaseNomLibre").font().bold());
}

}  // namespace
}  // namespace rolvex::app
