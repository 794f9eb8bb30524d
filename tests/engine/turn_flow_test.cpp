// The end of a turn prepares the next one; the turn after the last square ends the game.
#include <gtest/gtest.h>

#include <vector>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

// Remembers what the game looked like at each redraw and when it said the game was over.
class ÉcranTémoin : public AffichageMémoire {
 public:
  const Partie* partie = nullptr;
  ÉtatPartie àLaFin;
  int dessinsAvantLaFin = -1;
  std::string scoreAffichéÀLaFin;
  std::vector<bool> vuesNonDessinées;  // for square (Libre, Full), at each redraw once taken

  void AppelFinPartie() override {
    AffichageMémoire::AppelFinPartie();
    àLaFin = partie->État();
    dessinsAvantLaFin = nbDessins;
    scoreAffichéÀLaFin = légendeScoreTotal;
  }
  void DessineCases() override {
    AffichageMémoire::DessineCases();
    const CaseJeu& k = partie->État().Cases(colonne::Libre, figure::Full);
    if (k.Prise) vuesNonDessinées.push_back(!k.PriseDessinée);
  }
};

struct TableTémoin {
  DéÉquitable hasard{3};
  DésEnFile dés{hasard};
  ÉcranTémoin écran;
  Partie partie{écran, dés};
  explicit TableTémoin(int16_t mode) {
    écran.partie = &partie;
    partie.ChoisirMode(mode);
    partie.AppelNouveau();
  }
  void Écrire(int f, const char* faces) {
    for (const char* c = faces; *c; ++c) dés.Ajouter(static_cast<int16_t>(*c - '0'));
    partie.AppelOkDéClique();
    partie.AppelCliqueCase(colonne::Libre, static_cast<int16_t>(f));
  }
};

// After a square is written the table is cleared for the next turn.
TEST(EndOfTurn, ClearsTheDiceTheNameTheTotalOfTheDiceAndTheButton) {
  Table t;
  t.Ok("33322");
  t.Gauche(2);
  t.Droit(1);
  ASSERT_EQ(t.écran.figureRéalisée, TexteFigure::TexteFull);
  ASSERT_EQ(t.écran.légendeTotalDés, "13");
  t.Clic(colonne::Libre, figure::Full);
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], ImageDéFond) << i;
  for (bool g : t.é().DésGardés) EXPECT_TRUE(g);
  EXPECT_EQ(t.écran.figureRéalisée, TexteFigure::Aucun);
  EXPECT_EQ(t.écran.légendeTotalDés, "");
  EXPECT_EQ(t.écran.légendeOkDé, "OK");
  EXPECT_EQ(t.écran.message, Message::MsgNouveauTirage);
  EXPECT_TRUE(t.écran.infoEstMessage);
  EXPECT_EQ(t.é().NbJets, 0);
  EXPECT_FALSE(t.é().SélectionDroite);
  EXPECT_EQ(t.é().NuméroTour, 2);
  EXPECT_EQ(t.DésSurTable(), "33322");  // left as they are, no longer shown
}

TEST(EndOfTurn, AColumnCompletedMidGameIsClosedAtTheEndOfThatTurn) {
  Table t(3);
  for (int f = 1; f < NbFigures; ++f) t.Écrire(colonne::Sèche, f, "12346");
  EXPECT_FALSE(t.é().ColonneFermée[colonne::Sèche]);
  t.Écrire(colonne::Sèche, figure::Yam, "12346");
  EXPECT_TRUE(t.é().ColonneFermée[colonne::Sèche]);
  EXPECT_FALSE(t.é().ColonneFermée[colonne::Libre]);
  EXPECT_EQ(t.é().NuméroTour, 14);
}

// The game ends after its last square: 13, 39 or 78 turns.
TEST(EndOfGame, TheLastSquareEndsTheGameWithFinalTotalsDrawn) {
  TableTémoin t(1);
  for (int f = 1; f < NbFigures; ++f) t.Écrire(f, "12346");
  EXPECT_EQ(t.écran.nbFinsPartie, 0);
  EXPECT_EQ(t.partie.État().NuméroTour, 13);
  t.Écrire(figure::Yam, "66666");
  const ÉtatPartie& é = t.partie.État();
  EXPECT_EQ(t.écran.nbFinsPartie, 1);
  EXPECT_TRUE(é.PartieTerminée);
  EXPECT_EQ(é.NuméroTour, 13);
  EXPECT_FALSE(t.écran.okDéVisible);
  EXPECT_FALSE(é.ChronoEnMarche);
  // The totals were final, and drawn, when the game was handed to the high scores.
  EXPECT_TRUE(t.écran.àLaFin.PartieTerminée);
  EXPECT_EQ(t.écran.àLaFin.ScoreTotal, é.ScoreTotal);
  EXPECT_TRUE(t.écran.àLaFin.Cases(colonne::Libre, figure::Yam).Prise);
  EXPECT_EQ(t.écran.scoreAffichéÀLaFin, std::to_string(é.ScoreTotal));
  EXPECT_GT(t.écran.dessinsAvantLaFin, 0);
  EXPECT_TRUE(t.écran.àLaFin.ChronoEnMarche);  // the high scores read the time first
}

TEST(EndOfGame, NothingOfTheGameRunsAfterItsEnd) {
  Table t(1);
  t.Remplir(colonne::Libre);
  ASSERT_TRUE(t.é().PartieTerminée);
  const ÉtatPartie fin = t.é();
  t.écran.Oublier();
  t.partie.AppelOkDéClique();
  t.Gauche(1);
  t.Droit(1);
  t.Place(1);
  t.Clic(colonne::Libre, figure::Yam);
  t.partie.TimerChrono_Timer();
  EXPECT_EQ(t.é().NbJets, 0);
  EXPECT_EQ(t.é().ScoreTotal, fin.ScoreTotal);
  EXPECT_EQ(t.é().SecondesPartie, fin.SecondesPartie);
  EXPECT_EQ(t.é().NuméroTour, 13);
  EXPECT_EQ(t.écran.nbDessins, 0);
  EXPECT_EQ(t.écran.nbFinsPartie, 0);
}

TEST(EndOfGame, AModeChosenDuringAGameChangesNeitherItsLengthNorItsSquares) {
  Table t(3);
  t.partie.ChoisirMode(1);
  t.Écrire(colonne::Descente, figure::As, "11123");
  EXPECT_TRUE(t.Case(colonne::Descente, figure::Deux).Visible);
  EXPECT_TRUE(t.Case(colonne::Montée, figure::Yam).Visible);
  for (int c : {colonne::Sèche, colonne::Annonce}) EXPECT_TRUE(t.Case(c, figure::As).Visible) << c;
  EXPECT_EQ(t.é().NbColonnes, 6);
  t.Nouvelle(t.é().ModeJeu);
  EXPECT_EQ(t.é().NbColonnes, 1);
  t.partie.ChoisirMode(3);
  t.Remplir(colonne::Libre);
  EXPECT_TRUE(t.é().PartieTerminée);
  EXPECT_EQ(t.é().NuméroTour, 13);
}

// The window draws a taken square in its final look once: the first redraw after it is written
// sees it not yet drawn, every later one sees it drawn, until the next new game.
TEST(Drawing, ATakenSquareReachesTheWindowUndrawnOnceOnly) {
  TableTémoin t(3);
  t.Écrire(figure::Full, "33322");
  t.Écrire(figure::Yam, "12346");
  const auto& vues = t.écran.vuesNonDessinées;
  ASSERT_GE(vues.size(), 3u);
  EXPECT_TRUE(vues.front());
  for (std::size_t i = 1; i < vues.size(); ++i) EXPECT_FALSE(vues[i]) << i;
  t.partie.AppelNouveau();
  EXPECT_FALSE(t.partie.État().Cases(colonne::Libre, figure::Full).PriseDessinée);
}

}  // namespace
}  // namespace rolvex
