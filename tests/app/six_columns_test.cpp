#include "tests/app/window_fixture.h"

namespace rolvex::app {
namespace {

// Six columns: the announcement hides every other square, and the announced one is written
// after the third throw by the throw button.
class PartieSixColonnes : public FenetreDeJeu {
 protected:
  void SetUp() override {
    Ouvrir();
    NouvellePartie(3);
  }
};

TEST_F(PartieSixColonnes, ShowsAllColumnsWithOnlyTheFirstDownAndLastUpSquares) {
  EXPECT_EQ(Legende("PanelModeColonnes"), "6 colonnes");
  for (int16_t c = 1; c <= NbColonnesMax; ++c) EXPECT_TRUE(W(NomEntete(c)).isVisible()) << c;
  EXPECT_TRUE(W("CaseDescente(1)").isVisible());
  EXPECT_FALSE(W("CaseDescente(2)").isVisible());
  EXPECT_TRUE(W("CaseMontée(13)").isVisible());
  EXPECT_FALSE(W("CaseMontée(12)").isVisible());
  EXPECT_TRUE(W("CaseSèche(7)").isVisible());
}

TEST_F(PartieSixColonnes, AnnouncedFiveKeepsTheFivesAndIsWrittenAfterTheThirdThrow) {
  Jeter("55231");
  Cliquer("CaseAnnonce(5)");
  // Announced: nothing written, every other free square gone for the turn.
  EXPECT_EQ(fenetre->Etat().FigureAnnoncee, 5);
  EXPECT_EQ(Legende("PanelOkDé"), "1");
  EXPECT_TRUE(W("CaseAnnonce(5)").isVisible());
  EXPECT_EQ(Legende("CaseAnnonce(5)"), "10");
  for (std::string_view autre :
       {"CaseLibre(5)", "CaseAnnonce(6)", "CaseSèche(1)", "CaseDescente(1)"})
    EXPECT_FALSE(W(autre).isVisible()) << autre;

  // A click on the announced upper square keeps its dice and throws the others.
  fenetre->Jeu().FileDes().Ajouter(5);
  fenetre->Jeu().FileDes().Ajouter(5);
  fenetre->Jeu().FileDes().Ajouter(4);
  Cliquer("CaseAnnonce(5)");
  EXPECT_EQ(DesMontres(), "55554");
  EXPECT_EQ(Legende("PanelOkDé"), "2");
  EXPECT_EQ(Legende("CaseAnnonce(5)"), "20");

  // With the announcement pending, a throw with every die kept still counts.
  Jeter("");
  EXPECT_EQ(Legende("PanelOkDé"), "3");
  EXPECT_EQ(DesMontres(), "55554");

  // No throw left: the throw button writes the announced square.
  Cliquer("PanelOkDé");
  EXPECT_TRUE(fenetre->Etat().Cases(colonne::Annonce, 5).Prise);
  EXPECT_EQ(Legende("CaseAnnonce(5)"), "20");
  EXPECT_EQ(W("CaseAnnonce(5)").backColor(), Noir);
  EXPECT_EQ(Legende("PanelOkDé"), "OK");
  EXPECT_EQ(Legende("CaseTotalHautAnnonce"), "20");
  EXPECT_TRUE(W("CaseLibre(5)").isVisible());
  EXPECT_TRUE(W("CaseAnnonce(6)").isVisible());
}

// A Sèche square is there after the first throw only.
TEST_F(PartieSixColonnes, DrySquaresDisappearAfterTheSecondThrow) {
  Jeter("12346");
  EXPECT_TRUE(W("CaseSèche(1)").isVisible());
  Cliquer("ImageDé(5)");
  Jeter("5");
  EXPECT_FALSE(W("CaseSèche(1)").isVisible());
  EXPECT_FALSE(W("CaseAnnonce(1)").isVisible());
  EXPECT_TRUE(W("CaseDeux(1)").isVisible());
  EXPECT_EQ(Legende("PanelFigureRéalisée"), "SUITE");
}

// The numerical faces replace the kept dice at once, between throws.
TEST_F(PartieSixColonnes, NumericalFacesRedrawTheKeptDice) {
  Jeter("16254");
  Cliquer("ImageDé(2)");
  W<QAction>("MenuDésNumériques").trigger();
  EXPECT_TRUE(W<QAction>("MenuDésNumériques").isChecked());
  EXPECT_FALSE(W<QAction>("MenuDésClassiques").isChecked());
  EXPECT_EQ(FaceMontree(1), 6 + 0);
  EXPECT_EQ(FaceMontree(2), ImageDeFond);
  EXPECT_EQ(FaceMontree(5), 6 + 3);
  W<QAction>("MenuDésClassiques").trigger();
  EXPECT_EQ(FaceMontree(1), 0);
  EXPECT_TRUE(W<QAction>("MenuDésClassiques").isChecked());
}

}  // namespace
}  // namespace rolvex::app
