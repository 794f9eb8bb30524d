// A new game starts the dice afresh.
#include <gtest/gtest.h>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

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

}  // namespace
}  // namespace rolvex
