// A new game starts the dice afresh; the game clock runs from a new game to its end.
#include <gtest/gtest.h>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

void Attendre(Partie& p, int secondes) {
  for (int s = 0; s < secondes; ++s) p.TimerChrono_Timer();
}

// Every new game starts the dice source afresh: with a fixed seed it throws the same dice again.
// Before the first game, OK does nothing. The random games check everything else a new game
// resets, one game after another in changing modes.
TEST(NewGame, WithAFixedSeedEveryNewGameThrowsTheSameDiceAgain) {
  DeEquitable de(77);
  AffichageMemoire ecran;
  Partie partie(ecran, de);
  partie.AppelOkDeClique();
  EXPECT_EQ(essai::EnTexte(partie.Etat().Des), "?????");
  EXPECT_EQ(ecran.nbDessins, 0);
  partie.AppelNouveau();
  partie.AppelOkDeClique();
  const std::string premiers = essai::EnTexte(partie.Etat().Des);
  partie.AppelCliqueCase(colonne::Libre, figure::Maxi);
  partie.AppelOkDeClique();
  const std::string seconds = essai::EnTexte(partie.Etat().Des);
  partie.AppelNouveau();
  partie.AppelOkDeClique();
  EXPECT_EQ(essai::EnTexte(partie.Etat().Des), premiers);
  EXPECT_NE(seconds, premiers);  // the same dice again only because the game started again
}

// The game clock: seconds and minutes, and the game time kept by the high scores, at most 3599.
TEST(GameClock, CountsSecondsIntoMinutesAndKeepsAtMost3599ForTheGame) {
  Table t;
  t.partie.TimerChrono_Timer();
  EXPECT_EQ(t.e().SecondesChrono, 1);
  Attendre(t.partie, 58);
  EXPECT_EQ(t.e().SecondesChrono, 59);
  EXPECT_EQ(t.e().MinutesChrono, 0);
  Attendre(t.partie, 62);
  EXPECT_EQ(t.e().MinutesChrono, 2);
  EXPECT_EQ(t.e().SecondesChrono, 1);
  EXPECT_EQ(t.e().SecondesPartie, 121);
  Attendre(t.partie, 3599 - 121);
  EXPECT_EQ(t.e().SecondesPartie, 3599);
  Attendre(t.partie, 1 + 5 * 60);
  EXPECT_EQ(t.e().SecondesPartie, 3599);
  EXPECT_EQ(t.e().MinutesChrono, 65);
  EXPECT_EQ(t.e().SecondesChrono, 0);
}

TEST(GameClock, RunsOnlyFromANewGameToItsEnd) {
  DeEquitable hasard(1);
  AffichageMemoire ecran;
  Partie partie(ecran, hasard);
  Attendre(partie, 10);
  EXPECT_EQ(partie.Etat().SecondesPartie, 0) << "before the first game";
  Table t(1);
  Attendre(t.partie, 125);
  t.Nouvelle(1);
  EXPECT_EQ(t.e().SecondesPartie, 0);
  EXPECT_EQ(t.e().MinutesChrono, 0);
  Attendre(t.partie, 42);
  t.Remplir(colonne::Libre);
  Attendre(t.partie, 10);
  EXPECT_EQ(t.e().SecondesPartie, 42);
  EXPECT_FALSE(t.e().ChronoEnMarche);
}

}  // namespace
}  // namespace rolvex
