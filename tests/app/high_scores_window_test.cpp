#include "tests/app/window_fixture.h"

#include <QFontMetrics>

#include "app/high_scores_panel.h"
#include "playarea/sheet_names.h"

namespace rolvex::app {
namespace {

// The high-score panel of the main window: the table of the current mode in place of the
// sheet, its title, its button back to the sheet, and the help of its cells.
class PanneauScoresFenetre : public FenetreDeJeu {
 protected:
  QString Cellule(std::string_view famille, int rang) { return Legende(NomElement(famille, rang)); }
};

TEST_F(PanneauScoresFenetre, AFirstRunWritesBothFilesAndShowsTheDefaultTables) {
  Ouvrir();
  const std::vector<std::uint8_t> options = Octets(environnement.Options());
  const std::vector<std::uint8_t> noms = Octets(environnement.Noms());
  ASSERT_EQ(options.size(), 184u);
  ASSERT_EQ(noms.size(), 496u);
  EXPECT_EQ(options[0] | options[1] << 8, 3);  // six columns
  EXPECT_EQ(options[2] | options[3] << 8, 1);  // pips
  EXPECT_EQ(noms[0] | noms[1] << 8, 0);        // no player yet
  EXPECT_EQ(LireFichiers().Scores, fenetre->Jeu().Scores());

  // Shown once a game has started: the one-column table.
  NouvellePartie(1);
  Touche(Qt::Key_F4);
  EXPECT_TRUE(W("SuperPanelScore").isVisible());
  EXPECT_FALSE(W("PictureAireJeu").isVisible());
  const std::vector<QString> premiere = {"1", "Gustave", "01:26", "6", "354"};
  const char* const familles[] = {"PanelScoreClassement", "PanelScoreNom", "PanelScoreTemps",
                                  "PanelScoreNbFigures", "PanelScoreScore"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Cellule(familles[i], 1), premiere[i]) << familles[i];
  for (int rang = 2; rang <= NbPlaces; ++rang) {
    const HighScoreEntry& entree = fenetre->Jeu().Scores()[1][rang];
    EXPECT_EQ(Cellule("PanelScoreClassement", rang), QString::number(rang));
    EXPECT_EQ(Cellule("PanelScoreNom", rang), Q(entree.name));
    EXPECT_EQ(Cellule("PanelScoreTemps", rang), "01:40");
    EXPECT_EQ(Cellule("PanelScoreScore", rang), QString::number(entree.score));
  }
}

TEST_F(PanneauScoresFenetre, StandsWhereTheLayoutPutsItWithItsTitle) {
  Ouvrir();
  NouvellePartie(2);
  Touche(Qt::Key_F4);
  EXPECT_EQ(W("SuperPanelScore").geometry(), EnPixels(fenetre->Jeu().Aire()["SuperPanelScore"].rect));
  EXPECT_EQ(W("PanelScoreNom(4)").geometry(), EnPixels(fenetre->Jeu().Aire()["PanelScoreNom(4)"].rect));
  EXPECT_EQ(Legende("PanelModeColonnes"), "3 colonnes");
  EXPECT_EQ(Legende("PanelEffacerScores"), "Cacher les scores");
  EXPECT_EQ(Cellule("PanelScoreScore", 1), "1154");  // the three-column table
}

// Each control of the area exists once: a second one, left unplaced, would show in a corner.
TEST_F(PanneauScoresFenetre, HoldsEachOfItsControlsOnce) {
  Ouvrir();
  for (const char* nom : {"SuperPanelScore", "PanelModeColonnes", "PanelScore",
                          "PanelEffacerScores", "PanelScoreNom(1)", "PanelScoreTemps(10)"})
    EXPECT_EQ(fenetre->findChildren<ui::Panneau*>(Q(nom)).size(), 1) << nom;
  EXPECT_EQ(W("SuperPanelScore").findChildren<ui::Panneau*>().size(), 3 + 5 * NbPlaces);
}

// A place, a time, figures and a score show whole in their cells, even on a small screen.
TEST_F(PanneauScoresFenetre, NumbersAndTimesFitTheirCells) {
  Ouvrir();
  NouvellePartie(3);
  Touche(Qt::Key_F4);
  for (int rang = 1; rang <= NbPlaces; ++rang)
    for (const char* famille :
         {"PanelScoreClassement", "PanelScoreTemps", "PanelScoreNbFigures", "PanelScoreScore"}) {
      const ui::Panneau& cellule = W(NomElement(famille, rang));
      const int largeur = QFontMetrics(cellule.font()).horizontalAdvance(cellule.caption());
      EXPECT_LE(largeur, cellule.width() - 4)
          << famille << rang << " " << cellule.caption().toStdString();
      EXPECT_GE(cellule.font().pointSizeF(), 4);
    }
}

// Hiding the scores gives back the sheet as it was, with nothing of the game or the table lost.
TEST_F(PanneauScoresFenetre, HideScoresShowsTheSheetAsItWas) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("66655");
  Cliquer("CaseLibre(7)");
  Jeter("12345");
  const HighScores scores = fenetre->Jeu().Scores();
  Touche(Qt::Key_F4);
  ASSERT_FALSE(W("PictureAireJeu").isVisible());
  // Each cell explains itself on the information line.
  Survoler("PanelScoreNom(3)");
  EXPECT_EQ(Info(), Q("Nom du joueur classé en position N° 3"));
  Survoler("PanelScoreScore(10)");
  EXPECT_EQ(Info(), Q("Meilleur score N° 10 / 10"));

  Cliquer("PanelEffacerScores");
  EXPECT_FALSE(W("SuperPanelScore").isVisible());
  EXPECT_TRUE(W("PictureAireJeu").isVisible());
  EXPECT_EQ(Legende("CaseLibre(7)"), "28");
  EXPECT_EQ(Legende("CaseLibre(11)"), "45");  // the potential score of the throw
  EXPECT_EQ(DesMontres(), "12345");
  EXPECT_EQ(fenetre->Jeu().Scores(), scores);
  // And the game goes on.
  Cliquer("CaseLibre(11)");
  EXPECT_TRUE(fenetre->Etat().Cases(colonne::Libre, 11).Prise);
}

}  // namespace
}  // namespace rolvex::app
