// The end of a turn prepares the next one; the turn after the last square ends the game.
#include <gtest/gtest.h>

#include <vector>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

// Remembers what the game looked like when it told the window the game was over.
class ÉcranFinPartie : public AffichageMémoire {
 public:
  const Partie* partie = nullptr;
  ÉtatPartie àLaFin;
  int dessinsAvantLaFin = -1;
  std::string scoreAffichéÀLaFin;
  void AppelFinPartie() override {
    AffichageMémoire::AppelFinPartie();
    àLaFin = partie->État();
    dessinsAvantLaFin = nbDessins;
    scoreAffichéÀLaFin = légendeScoreTotal;
  }
};

struct TableFinPartie {
  DéÉquitable hasard{3};
  DésEnFile dés{hasard};
  ÉcranFinPartie écran;
  Partie partie{écran, dés};
  explicit TableFinPartie(int16_t mode) {
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

TEST(EndOfTurn, NothingIsSelectableUntilTheNextThrow) {
  Table t;
  t.Écrire(colonne::Deux, figure::Yam, "66666");
  for (int c = 1; c <= NbColonnesMax; ++c)
    for (int f = 1; f <= NbFigures; ++f) EXPECT_FALSE(t.Case(c, f).Sélectionnable) << c << "," << f;
}

TEST(EndOfTurn, TheSquaresOfTheNextTurnAreShownAgain) {
  Table t;
  t.Ok("12345");
  t.Relancer("1", "6");
  t.Relancer("1", "6");
  t.Clic(colonne::Libre, figure::Suite);
  for (int c : {colonne::Sèche, colonne::Deux, colonne::Annonce})
    for (int f = 1; f <= NbFigures; ++f) EXPECT_TRUE(t.Case(c, f).Visible) << c << "," << f;
}

TEST(EndOfTurn, TheTurnCounterCountsTheSquaresWritten) {
  Table t(3);
  for (int n = 1; n <= 20; ++n) {
    EXPECT_EQ(t.é().NuméroTour, n);
    EXPECT_EQ(t.NbPrises(), n - 1);
    t.Écrire(n <= 13 ? colonne::Libre : colonne::Sèche, n <= 13 ? n : n - 13, "12346");
  }
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
TEST(EndOfGame, TheThirteenthSquareOfTheOneColumnGameEndsItAtOnce) {
  TableFinPartie t(1);
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
  EXPECT_EQ(t.écran.àLaFin.TotalBas[colonne::Libre], é.TotalBas[colonne::Libre]);
  EXPECT_TRUE(t.écran.àLaFin.Cases(colonne::Libre, figure::Yam).Prise);
  EXPECT_EQ(t.écran.scoreAffichéÀLaFin, std::to_string(é.ScoreTotal));
  EXPECT_GT(t.écran.dessinsAvantLaFin, 0);
  EXPECT_TRUE(t.écran.àLaFin.ChronoEnMarche);  // the high scores read the time first
}

TEST(EndOfGame, TheThreeColumnGameLasts39Turns) {
  Table t(2);
  t.Remplir(colonne::Libre);
  t.Remplir(colonne::Descente);
  t.Remplir(colonne::Montée, "12345");
  EXPECT_EQ(t.NbPrises(), 39);
  EXPECT_TRUE(t.é().PartieTerminée);
  EXPECT_EQ(t.é().NuméroTour, 39);
  EXPECT_EQ(t.écran.nbFinsPartie, 1);
}

TEST(EndOfGame, TheSixColumnGameLasts78Turns) {
  Table t(3);
  for (int c = 1; c <= NbColonnesMax; ++c) {
    EXPECT_FALSE(t.é().PartieTerminée);
    t.Remplir(c);
  }
  EXPECT_EQ(t.NbPrises(), 78);
  EXPECT_TRUE(t.é().PartieTerminée);
  EXPECT_EQ(t.é().NuméroTour, 78);
  EXPECT_EQ(t.écran.nbFinsPartie, 1);
  for (int c = 1; c <= NbColonnesMax; ++c) EXPECT_TRUE(t.é().ColonneFermée[c]);
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

TEST(EndOfGame, AModeChosenDuringAGameDoesNotChangeItsLength) {
  Table t(1);
  t.partie.ChoisirMode(3);
  t.Remplir(colonne::Libre);
  EXPECT_TRUE(t.é().PartieTerminée);
  EXPECT_EQ(t.é().NuméroTour, 13);
}

TEST(EndOfGame, AModeChosenDuringAGameDoesNotChangeTheSquaresOffered) {
  Table t(3);
  t.partie.ChoisirMode(1);
  t.Écrire(colonne::Descente, figure::As, "11123");
  EXPECT_TRUE(t.Case(colonne::Descente, figure::Deux).Visible);
  EXPECT_TRUE(t.Case(colonne::Montée, figure::Yam).Visible);
  t.Ok("12345");
  t.Relancer("1", "6");
  t.Clic(colonne::Deux, figure::Suite);
  for (int c : {colonne::Sèche, colonne::Annonce}) EXPECT_TRUE(t.Case(c, figure::As).Visible) << c;
  EXPECT_EQ(t.é().NbColonnes, 6);
  t.Nouvelle(t.é().ModeJeu);
  EXPECT_EQ(t.é().NbColonnes, 1);
}

// The window draws a taken square in its final look once: the first redraw after it is written
// sees it not yet drawn, every later one sees it drawn, until the next new game.
class ÉcranDessins : public AffichageMémoire {
 public:
  const Partie* partie = nullptr;
  std::vector<bool> vuesNonDessinées;  // for square (Libre, Full), at each redraw once taken
  void DessineCases() override {
    AffichageMémoire::DessineCases();
    const CaseJeu& k = partie->État().Cases(colonne::Libre, figure::Full);
    if (k.Prise) vuesNonDessinées.push_back(!k.PriseDessinée);
  }
};

TEST(Drawing, ATakenSquareReachesTheWindowUndrawnOnceOnly) {
  DéÉquitable hasard(4);
  DésEnFile dés(hasard);
  ÉcranDessins écran;
  Partie partie(écran, dés);
  écran.partie = &partie;
  partie.AppelNouveau();
  for (int16_t f : {3, 3, 3, 2, 2}) dés.Ajouter(f);
  partie.AppelOkDéClique();
  partie.AppelCliqueCase(colonne::Libre, figure::Full);
  partie.AppelOkDéClique();
  partie.AppelCliqueCase(colonne::Libre, figure::Yam);
  ASSERT_GE(écran.vuesNonDessinées.size(), 3u);
  EXPECT_TRUE(écran.vuesNonDessinées.front());
  for (std::size_t i = 1; i < écran.vuesNonDessinées.size(); ++i)
    EXPECT_FALSE(écran.vuesNonDessinées[i]) << i;
  partie.AppelNouveau();
  EXPECT_FALSE(partie.État().Cases(colonne::Libre, figure::Full).PriseDessinée);
}

}  // namespace
}  // namespace rolvex
