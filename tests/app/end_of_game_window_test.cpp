#include "tests/app/window_fixture.h"

#include "app/high_scores_panel.h"
#include "playarea/sheet_names.h"

namespace rolvex::app {
namespace {

constexpr int32_t ScorePartie = 733;  // JouerUneColonne
constexpr int16_t FiguresPartie = 7;

// A one-column table whose scores fall by `pas` from `premier`, all in 100 seconds.
TableHighScore TableDescendante(int premier, int pas) {
  TableHighScore table;
  for (int place = 1; place <= NbPlaces; ++place)
    table[place] = {"Place" + std::to_string(place), static_cast<int16_t>(premier - (place - 1) * pas),
                    100, 3};
  return table;
}

// The end of a game offers it to the table of its mode: an entry is shown in red, saved, then
// announced, and the line tells how to go on; a game that does not enter changes nothing.
class FinDePartieFenêtre : public FenêtreDeJeu {
 protected:
  // Files whose one-column table is `table`, then the window and a one-column game of Zoé.
  void Commencer(const TableHighScore& table, Langue langue) {
    DonnéesOptions données;
    HasardUniforme tirage(3);
    données.Scores = HighScoresParDéfaut(tirage);
    données.Scores[1] = table;
    PoserFichiers(données);
    tableAvant = table;
    Ouvrir(langue);
    GelerHorloge();
    NouvellePartie(1);
    inodeAvant = Inode(environnement.Options());
  }

  ui::Panneau& CelluleScore(PanelScore famille, int rang) {
    ui::Panneau* cellule = W<SuperPanelScore>("SuperPanelScore").Cellule(famille, rang);
    EXPECT_NE(cellule, nullptr);
    return *cellule;
  }
  std::vector<QString> Ligne(int rang) {
    std::vector<QString> textes;
    for (PanelScore f : Familles) textes.push_back(CelluleScore(f, rang).caption());
    return textes;
  }
  // The colour of the five cells of a row, or 0 when they differ.
  Couleur CouleurLigne(int rang) {
    const Couleur c = CelluleScore(PanelScore::PanelScoreClassement, rang).foreColor();
    for (PanelScore f : Familles)
      if (CelluleScore(f, rang).foreColor() != c) return 0;
    return c;
  }

  // While the place is announced: the table is on screen with its red row, and on disk.
  struct PendantLaBoîte {
    bool tableMontrée = false;
    bool feuilleCachée = false;
    Couleur couleur = 0;
    bool fichiersRéécrits = false;
    QString info;
  };
  std::function<void(const RépondeurBoîtes::Vue&)> Observer(PendantLaBoîte& vu, int place) {
    return [this, &vu, place](const RépondeurBoîtes::Vue&) {
      vu.tableMontrée = W("SuperPanelScore").isVisible();
      vu.feuilleCachée = !W("PictureAireJeu").isVisible();
      vu.couleur = CouleurLigne(place);
      vu.fichiersRéécrits = Inode(environnement.Options()) != inodeAvant;
      vu.info = Info();
    };
  }

  static constexpr std::array<PanelScore, 5> Familles = {
      PanelScore::PanelScoreClassement, PanelScore::PanelScoreNom, PanelScore::PanelScoreTemps,
      PanelScore::PanelScoreNbFigures, PanelScore::PanelScoreScore};

  TableHighScore tableAvant;
  ino_t inodeAvant = 0;
};

TEST_F(FinDePartieFenêtre, AFirstPlaceInFrenchIsShownInRedSavedThenAnnounced) {
  Commencer(TableDescendante(700, 10), Langue::Français);
  Tics(65);
  PendantLaBoîte vu;
  RépondeurBoîtes boîtes({}, Observer(vu, 1));
  JouerUneColonne();

  ASSERT_EQ(boîtes.Vues().size(), 1u);
  EXPECT_EQ(boîtes.Vues()[0].texte, Q("Félicitations, vous êtes classé en première position !!!"));
  EXPECT_EQ(boîtes.Vues()[0].titre, "ROLVEX");
  EXPECT_EQ(boîtes.Vues()[0].ok, "OK");
  EXPECT_TRUE(vu.tableMontrée);
  EXPECT_TRUE(vu.feuilleCachée);
  EXPECT_EQ(vu.couleur, RougeVif);
  EXPECT_TRUE(vu.fichiersRéécrits);
  EXPECT_NE(vu.info, Q("Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !"));

  EXPECT_EQ(Info(), Q("Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !"));
  EXPECT_EQ(Ligne(1), (std::vector<QString>{"1", Q("Zoé"), "01:05", "7", "733"}));
  EXPECT_EQ(Ligne(2), (std::vector<QString>{"2", "Place1", "01:40", "3", "700"}));
  for (int rang = 2; rang <= NbPlaces; ++rang) EXPECT_EQ(CouleurLigne(rang), Bleu) << rang;
  EXPECT_EQ(Légende("PanelModeColonnes"), "1 colonnes");

  // On disk, and kept for the next run: the game at place 1, the old places one lower.
  const DonnéesOptions disque = LireFichiers();
  EXPECT_EQ(disque.Scores[1][1], (HighScoreEntry{"Zoé", ScorePartie, 65, FiguresPartie}));
  EXPECT_EQ(disque.Scores[1][2], tableAvant[1]);
  EXPECT_EQ(disque.Scores[1][10], tableAvant[9]);
  EXPECT_EQ(disque.Scores, fenêtre->Scores());

  // The game is over: the clock stopped, and the next game's buttons instead of the throw.
  EXPECT_FALSE(Horloge().isActive());
  EXPECT_FALSE(W("PanelOkDé").isVisible());
  EXPECT_TRUE(W("PanelNewGame").isVisible());
  EXPECT_TRUE(W("PanelNewMode").isVisible());
}

TEST_F(FinDePartieFenêtre, AFirstPlaceInEnglish) {
  Commencer(TableDescendante(700, 10), Langue::Anglais);
  RépondeurBoîtes boîtes;
  JouerUneColonne();
  EXPECT_EQ(boîtes.Textes(),
            std::vector<QString>{"Congratulations, you are the best (first position) !!!"});
  EXPECT_EQ(Info(), "To start a new game, click on PLAY AGAIN or press F2.");
  EXPECT_EQ(CouleurLigne(1), RougeVif);
  EXPECT_EQ(Légende("PanelModeColonnes"), "1 columns");
}

TEST_F(FinDePartieFenêtre, ATenthPlaceInFrenchTakesOnlyTheLastRow) {
  Commencer(TableDescendante(1600, 100), Langue::Français);  // place 9: 800, place 10: 700
  PendantLaBoîte vu;
  RépondeurBoîtes boîtes({}, Observer(vu, 10));
  JouerUneColonne();

  EXPECT_EQ(boîtes.Textes(), std::vector<QString>{Q("Bravo, vous arrivez en 10ème position !")});
  EXPECT_EQ(vu.couleur, RougeVif);
  EXPECT_TRUE(vu.fichiersRéécrits);
  EXPECT_EQ(Ligne(10), (std::vector<QString>{"10", Q("Zoé"), "00:00", "7", "733"}));
  EXPECT_EQ(Ligne(9), (std::vector<QString>{"9", "Place9", "01:40", "3", "800"}));
  for (int rang = 1; rang <= 9; ++rang) EXPECT_EQ(CouleurLigne(rang), Bleu) << rang;
  EXPECT_EQ(LireFichiers().Scores[1][10], (HighScoreEntry{"Zoé", ScorePartie, 0, FiguresPartie}));
  EXPECT_EQ(Info(), Q("Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !"));
}

TEST_F(FinDePartieFenêtre, ATenthPlaceInEnglish) {
  Commencer(TableDescendante(1600, 100), Langue::Anglais);
  RépondeurBoîtes boîtes;
  JouerUneColonne();
  EXPECT_EQ(boîtes.Textes(), std::vector<QString>{"You reach the 10th position !"});
  EXPECT_EQ(CouleurLigne(10), RougeVif);
  EXPECT_EQ(Info(), "To start a new game, click on PLAY AGAIN or press F2.");
}

TEST_F(FinDePartieFenêtre, AGameBelowTheTenthPlaceShowsNoBoxNoTableAndWritesNothing) {
  Commencer(TableDescendante(1640, 100), Langue::Français);  // place 10: 740
  const std::vector<std::uint8_t> options = Octets(environnement.Options());
  const std::vector<std::uint8_t> noms = Octets(environnement.Noms());
  const ino_t inodeNoms = Inode(environnement.Noms());
  RépondeurBoîtes boîtes;
  JouerUneColonne();

  EXPECT_TRUE(boîtes.Vues().empty());
  EXPECT_EQ(Info(), Q("Malheureusement, vous ne rentrez pas dans les 10 meilleurs scores. "
                      "Cliquez sur REJOUER ou touche F2 !"));
  EXPECT_FALSE(W("SuperPanelScore").isVisible());
  EXPECT_TRUE(W("PictureAireJeu").isVisible());
  EXPECT_EQ(Inode(environnement.Options()), inodeAvant);
  EXPECT_EQ(Inode(environnement.Noms()), inodeNoms);
  EXPECT_EQ(Octets(environnement.Options()), options);
  EXPECT_EQ(Octets(environnement.Noms()), noms);
  EXPECT_EQ(fenêtre->Scores()[1], tableAvant);
  EXPECT_FALSE(Horloge().isActive());
  EXPECT_TRUE(W("PanelNewGame").isVisible());
}

TEST_F(FinDePartieFenêtre, AGameBelowTheTenthPlaceInEnglish) {
  Commencer(TableDescendante(1640, 100), Langue::Anglais);
  RépondeurBoîtes boîtes;
  JouerUneColonne();
  EXPECT_TRUE(boîtes.Vues().empty());
  EXPECT_EQ(Info(), "You don't reach the TOP 10 ! Click on PLAY AGAIN or press F2.");
}

// The red row stays until the next game, which shows every row blue again and hides the table.
TEST_F(FinDePartieFenêtre, TheRedRowLastsUntilTheNextGame) {
  Commencer(TableDescendante(700, 10), Langue::Français);
  {
    RépondeurBoîtes boîtes;
    JouerUneColonne();
  }
  Cliquer("PanelEffacerScores");
  EXPECT_FALSE(W("SuperPanelScore").isVisible());
  Touche(Qt::Key_F4);
  EXPECT_TRUE(W("SuperPanelScore").isVisible());
  EXPECT_EQ(CouleurLigne(1), RougeVif);

  Cliquer("PanelNewGame");
  EXPECT_FALSE(W("SuperPanelScore").isVisible());
  for (int rang = 1; rang <= NbPlaces; ++rang) EXPECT_EQ(CouleurLigne(rang), Bleu) << rang;
  Touche(Qt::Key_F4);
  EXPECT_EQ(Ligne(1)[1], Q("Zoé"));
  EXPECT_EQ(CouleurLigne(1), Bleu);
}

// The clock counts the game's seconds from the new game on, one a second.
TEST_F(FinDePartieFenêtre, TheClockTicksEverySecondFromTheNewGameOn) {
  Ouvrir();
  EXPECT_FALSE(Horloge().isActive());
  EXPECT_EQ(Horloge().interval(), 1000);
  NouvellePartie(1);
  EXPECT_TRUE(Horloge().isActive());
  GelerHorloge();
  Tics(1);
  EXPECT_EQ(fenêtre->État().SecondesPartie, 1);
  Tics(59);
  EXPECT_EQ(fenêtre->État().MinutesChrono, 1);
  EXPECT_EQ(fenêtre->État().SecondesChrono, 0);
  EXPECT_EQ(fenêtre->État().SecondesPartie, 60);
}

}  // namespace
}  // namespace rolvex::app
