// The end of a turn prepares the next one; the turn after the last square ends the game.
#include <gtest/gtest.h>

#include <vector>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

// Remembers what the game looked like at each redraw and when it said the game was over.
class EcranTemoin : public AffichageMemoire {
 public:
  const Partie* partie = nullptr;
  EtatPartie aLaFin;
  int dessinsAvantLaFin = -1;
  std::string scoreAfficheALaFin;
  std::vector<bool> vuesNonDessinees;  // for square (Libre, Full), at each redraw once taken

  void AppelFinPartie() override {
    AffichageMemoire::AppelFinPartie();
    aLaFin = partie->Etat();
    dessinsAvantLaFin = nbDessins;
    scoreAfficheALaFin = legendeScoreTotal;
  }
  void DessineCases() override {
    AffichageMemoire::DessineCases();
    const CaseJeu& k = partie->Etat().Cases(colonne::Libre, figure::Full);
    if (k.Prise) vuesNonDessinees.push_back(!k.PriseDessinee);
  }
};

struct TableTemoin {
  DeEquitable hasard{3};
  DesEnFile des{hasard};
  EcranTemoin ecran;
  Partie partie{ecran, des};
  explicit TableTemoin(int16_t mode) {
    ecran.partie = &partie;
    partie.ChoisirMode(mode);
    partie.AppelNouveau();
  }
  void Ecrire(int f, const char* faces) {
    for (const char* c = faces; *c; ++c) des.Ajouter(static_cast<int16_t>(*c - '0'));
    partie.AppelOkDeClique();
    partie.AppelCliqueCase(colonne::Libre, static_cast<int16_t>(f));
  }
};

// After a square is written the table is cleared for the next turn.
TEST(EndOfTurn, ClearsTheDiceTheNameTheTotalOfTheDiceAndTheButton) {
  Table t;
  t.Ok("33322");
  t.Gauche(2);
  t.Droit(1);
  ASSERT_EQ(t.ecran.figureRealisee, TexteFigure::TexteFull);
  ASSERT_EQ(t.ecran.legendeTotalDes, "13");
  t.Clic(colonne::Libre, figure::Full);
  for (int i = 1; i <= NbDes; ++i) EXPECT_EQ(t.ecran.imagesDes[i], ImageDeFond) << i;
  for (bool g : t.e().DesGardes) EXPECT_TRUE(g);
  EXPECT_EQ(t.ecran.figureRealisee, TexteFigure::Aucun);
  EXPECT_EQ(t.ecran.legendeTotalDes, "");
  EXPECT_EQ(t.ecran.legendeOkDe, "OK");
  EXPECT_EQ(t.ecran.message, Message::MsgNouveauTirage);
  EXPECT_TRUE(t.ecran.infoEstMessage);
  EXPECT_EQ(t.e().NbJets, 0);
  EXPECT_FALSE(t.e().SelectionDroite);
  EXPECT_EQ(t.e().NumeroTour, 2);
  EXPECT_EQ(t.DesSurTable(), "33322");  // left as they are, no longer shown
}

TEST(EndOfTurn, AColumnCompletedMidGameIsClosedAtTheEndOfThatTurn) {
  Table t(3);
  for (int f = 1; f < NbFigures; ++f) t.Ecrire(colonne::Seche, f, "12346");
  EXPECT_FALSE(t.e().ColonneFermee[colonne::Seche]);
  t.Ecrire(colonne::Seche, figure::Yam, "12346");
  EXPECT_TRUE(t.e().ColonneFermee[colonne::Seche]);
  EXPECT_FALSE(t.e().ColonneFermee[colonne::Libre]);
  EXPECT_EQ(t.e().NumeroTour, 14);
}

// The game ends after its last square: 13, 39 or 78 turns.
TEST(EndOfGame, TheLastSquareEndsTheGameWithFinalTotalsDrawn) {
  TableTemoin t(1);
  for (int f = 1; f < NbFigures; ++f) t.Ecrire(f, "12346");
  EXPECT_EQ(t.ecran.nbFinsPartie, 0);
  EXPECT_EQ(t.partie.Etat().NumeroTour, 13);
  t.Ecrire(figure::Yam, "66666");
  const EtatPartie& e = t.partie.Etat();
  EXPECT_EQ(t.ecran.nbFinsPartie, 1);
  EXPECT_TRUE(e.PartieTerminee);
  EXPECT_EQ(e.NumeroTour, 13);
  EXPECT_FALSE(t.ecran.okDeVisible);
  // The totals were final, and drawn, when the game was handed to the high scores.
  EXPECT_TRUE(t.ecran.aLaFin.PartieTerminee);
  EXPECT_EQ(t.ecran.aLaFin.ScoreTotal, e.ScoreTotal);
  EXPECT_TRUE(t.ecran.aLaFin.Cases(colonne::Libre, figure::Yam).Prise);
  EXPECT_EQ(t.ecran.scoreAfficheALaFin, std::to_string(e.ScoreTotal));
  EXPECT_GT(t.ecran.dessinsAvantLaFin, 0);
}

TEST(EndOfGame, NothingOfTheGameRunsAfterItsEnd) {
  Table t(1);
  t.Remplir(colonne::Libre);
  ASSERT_TRUE(t.e().PartieTerminee);
  const EtatPartie fin = t.e();
  t.ecran.Oublier();
  t.partie.AppelOkDeClique();
  t.Gauche(1);
  t.Droit(1);
  t.Place(1);
  t.Clic(colonne::Libre, figure::Yam);
  EXPECT_EQ(t.e().NbJets, 0);
  EXPECT_EQ(t.e().ScoreTotal, fin.ScoreTotal);
  EXPECT_EQ(t.e().NumeroTour, 13);
  EXPECT_EQ(t.ecran.nbDessins, 0);
  EXPECT_EQ(t.ecran.nbFinsPartie, 0);
}

TEST(EndOfGame, AModeChosenDuringAGameChangesNeitherItsLengthNorItsSquares) {
  Table t(3);
  t.partie.ChoisirMode(1);
  t.Ecrire(colonne::Descente, figure::As, "11123");
  EXPECT_TRUE(t.Case(colonne::Descente, figure::Deux).Visible);
  EXPECT_TRUE(t.Case(colonne::Montee, figure::Yam).Visible);
  for (int c : {colonne::Seche, colonne::Annonce}) EXPECT_TRUE(t.Case(c, figure::As).Visible) << c;
  EXPECT_EQ(t.e().NbColonnes, 6);
  t.Nouvelle(t.e().ModeJeu);
  EXPECT_EQ(t.e().NbColonnes, 1);
  t.partie.ChoisirMode(3);
  t.Remplir(colonne::Libre);
  EXPECT_TRUE(t.e().PartieTerminee);
  EXPECT_EQ(t.e().NumeroTour, 13);
}

// The window draws a taken square in its final look once: the first redraw after it is written
// sees it not yet drawn, every later one sees it drawn, until the next new game.
TEST(Drawing, ATakenSquareReachesTheWindowUndrawnOnceOnly) {
  TableTemoin t(3);
  t.Ecrire(figure::Full, "33322");
  t.Ecrire(figure::Yam, "12346");
  const auto& vues = t.ecran.vuesNonDessinees;
  ASSERT_GE(vues.size(), 3u);
  EXPECT_TRUE(vues.front());
  for (std::size_t i = 1; i < vues.size(); ++i) EXPECT_FALSE(vues[i]) << i;
  t.partie.AppelNouveau();
  EXPECT_FALSE(t.partie.Etat().Cases(colonne::Libre, figure::Full).PriseDessinee);
}

}  // namespace
}  // namespace rolvex
