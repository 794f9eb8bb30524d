// A new game resets everything, in all six columns, and waits for the first throw; the game
// clock runs from a new game to its end.
#include <gtest/gtest.h>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

void Attendre(Partie& p, int secondes) {
  for (int s = 0; s < secondes; ++s) p.TimerChrono_Timer();
}

// A new game resets every field, in all six columns, and waits for the first throw.
TEST(NewGame, WaitsForTheFirstThrowOnAFreshSheetWithEachColumnInItsOwnColour) {
  Table t(3);
  const ÉtatPartie& é = t.é();
  EXPECT_EQ(é.NuméroTour, 1);
  EXPECT_EQ(é.NbColonnes, 6);
  EXPECT_EQ(t.DésSurTable(), "?????");
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], ImageDéFond);
  EXPECT_EQ(t.écran.légendeOkDé, "OK");
  EXPECT_TRUE(t.écran.okDéVisible);
  EXPECT_EQ(t.écran.message, Message::MsgNouveauTirage);
  EXPECT_EQ(t.écran.légendeScoreTotal, "0");
  EXPECT_EQ(t.écran.nbNouvellesParties, 1);
  EXPECT_GE(t.écran.nbDessins, 1);
  for (int c = 1; c <= NbColonnesMax; ++c) {
    EXPECT_FALSE(é.ColonneFermée[c]);
    for (int f = 1; f <= NbFigures; ++f) {
      const CaseJeu& k = t.Case(c, f);
      EXPECT_FALSE(k.Prise || k.Sélectionnable || k.PriseDessinée) << c << "," << f;
      EXPECT_EQ(k.CouleurPrise, Blanc);
      EXPECT_EQ(k.CouleurFond, Colonnes[c].fondLibre) << c;
      const bool attendu = (c == colonne::Descente) ? f == figure::As
                           : (c == colonne::Montée) ? f == figure::Yam
                                                    : true;
      EXPECT_EQ(k.Visible, attendu) << c << "," << f;
    }
  }
}

// Nothing of an earlier game survives, whatever its mode, even abandoned in the middle of a
// turn; only the faces, the player's own choice, stay.
TEST(NewGame, AOneColumnGameAfterASixColumnGameKeepsNothingOfIt) {
  Table t(3);
  t.Écrire(colonne::Deux, figure::Six, "66666");
  t.Annoncer(figure::Yam, "66666");
  t.Écrire(colonne::Sèche, figure::Yam, "11111");
  t.Écrire(colonne::Descente, figure::As, "11111");
  t.Écrire(colonne::Montée, figure::Yam, "11111");
  ASSERT_GT(t.é().BonusBas[colonne::Annonce] + t.é().TotalBas[colonne::Annonce], 0);
  t.Ok("25262");
  t.Clic(colonne::Annonce, figure::Deux);
  t.Droit(1);
  t.partie.ChoisirFaces(2);
  t.Nouvelle(1);
  EXPECT_EQ(t.é().NbJets, 0);
  EXPECT_EQ(t.é().FigureAnnoncée, -1);
  EXPECT_FALSE(t.é().SélectionDroite);
  EXPECT_EQ(t.é().ProchaineDescente, 1);
  EXPECT_EQ(t.é().ProchaineMontée, 13);
  EXPECT_EQ(t.é().NuméroTour, 1);
  EXPECT_EQ(t.DésSurTable(), "?????");
  EXPECT_EQ(t.é().TypeDés, 2);
  EXPECT_EQ(t.écran.légendeOkDé, "OK");
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], ImageDéFond);
  for (int c = 1; c <= NbColonnesMax; ++c) {
    EXPECT_EQ(t.é().TotalHaut[c], 0) << c;
    EXPECT_EQ(t.é().BonusHaut[c], 0) << c;
    EXPECT_EQ(t.é().TotalBas[c], 0) << c;
    EXPECT_EQ(t.é().BonusBas[c], 0) << c;
    EXPECT_EQ(t.é().NbFiguresColonne[c], 0) << c;
    for (int f = 1; f <= NbFigures; ++f) {
      EXPECT_FALSE(t.Case(c, f).Prise) << c << "," << f;
      EXPECT_EQ(t.Case(c, f).Score, 0) << c << "," << f;
      EXPECT_EQ(t.Case(c, f).Visible, c == colonne::Libre) << c << "," << f;
    }
  }
  EXPECT_EQ(t.é().ScoreTotal, 0);
  EXPECT_EQ(t.é().NbFiguresRéalisées, 0);
  t.Remplir(colonne::Libre);
  EXPECT_TRUE(t.é().PartieTerminée);
  EXPECT_EQ(t.NbPrises(), 13);
}

TEST(NewGame, PlayAgainAfterAFinishedGameStartsTheSameModeAfresh) {
  Table t(1);
  Attendre(t.partie, 100);
  t.Remplir(colonne::Libre);
  ASSERT_TRUE(t.é().PartieTerminée);
  ASSERT_FALSE(t.écran.okDéVisible);
  t.partie.ChoisirMode(0);  // unknown modes are ignored
  t.partie.ChoisirMode(4);
  t.partie.AppelNouveau();
  EXPECT_EQ(t.é().ModeJeu, 1);
  EXPECT_FALSE(t.é().PartieTerminée);
  EXPECT_TRUE(t.écran.okDéVisible);
  EXPECT_EQ(t.é().NbColonnes, 1);
  EXPECT_EQ(t.é().NuméroTour, 1);
  EXPECT_EQ(t.é().SecondesPartie, 0);
  EXPECT_TRUE(t.é().ChronoEnMarche);
  EXPECT_EQ(t.écran.nbNouvellesParties, 2);
  for (int f = 1; f <= NbFigures; ++f) EXPECT_FALSE(t.Case(colonne::Libre, f).PriseDessinée);
}

TEST(NewGame, WithAFixedSeedEveryNewGameThrowsTheSameDiceAgain) {
  DéÉquitable dé(77);
  AffichageMémoire écran;
  Partie partie(écran, dé);
  partie.AppelNouveau();
  partie.AppelOkDéClique();
  const std::string premiers = essai::EnTexte(partie.État().Dés);
  partie.AppelCliqueCase(colonne::Libre, figure::Maxi);
  partie.AppelOkDéClique();
  const std::string seconds = essai::EnTexte(partie.État().Dés);
  partie.AppelNouveau();
  partie.AppelOkDéClique();
  EXPECT_EQ(essai::EnTexte(partie.État().Dés), premiers);
  EXPECT_NE(seconds, premiers);  // the same dice again only because the game started again
}

// The game clock: seconds and minutes, and the game time kept by the high scores, at most 3599.
TEST(GameClock, CountsSecondsIntoMinutesAndKeepsAtMost3599ForTheGame) {
  Table t;
  t.partie.TimerChrono_Timer();
  EXPECT_EQ(t.é().SecondesChrono, 1);
  Attendre(t.partie, 58);
  EXPECT_EQ(t.é().SecondesChrono, 59);
  EXPECT_EQ(t.é().MinutesChrono, 0);
  Attendre(t.partie, 62);
  EXPECT_EQ(t.é().MinutesChrono, 2);
  EXPECT_EQ(t.é().SecondesChrono, 1);
  EXPECT_EQ(t.é().SecondesPartie, 121);
  Attendre(t.partie, 3599 - 121);
  EXPECT_EQ(t.é().SecondesPartie, 3599);
  Attendre(t.partie, 1 + 5 * 60);
  EXPECT_EQ(t.é().SecondesPartie, 3599);
  EXPECT_EQ(t.é().MinutesChrono, 65);
  EXPECT_EQ(t.é().SecondesChrono, 0);
}

TEST(GameClock, RunsOnlyFromANewGameToItsEnd) {
  DéÉquitable hasard(1);
  AffichageMémoire écran;
  Partie partie(écran, hasard);
  Attendre(partie, 10);
  EXPECT_EQ(partie.État().SecondesPartie, 0) << "before the first game";
  Table t(1);
  Attendre(t.partie, 125);
  t.Nouvelle(1);
  EXPECT_EQ(t.é().SecondesPartie, 0);
  EXPECT_EQ(t.é().MinutesChrono, 0);
  Attendre(t.partie, 42);
  t.Remplir(colonne::Libre);
  Attendre(t.partie, 10);
  EXPECT_EQ(t.é().SecondesPartie, 42);
  EXPECT_FALSE(t.é().ChronoEnMarche);
}

}  // namespace
}  // namespace rolvex
