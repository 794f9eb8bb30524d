// A new game resets everything, in all six columns, and waits for the first throw.
#include <gtest/gtest.h>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

// A new game resets every field, in all six columns, and waits for the first throw.
TEST(NewGame, WaitsForTheFirstThrowOnAFreshSheetWithEachColumnInItsOwnColour) {
  Table t(3);
  const EtatPartie& e = t.e();
  EXPECT_EQ(e.NumeroTour, 1);
  EXPECT_EQ(e.NbColonnes, 6);
  EXPECT_EQ(t.DesSurTable(), "?????");
  for (int i = 1; i <= NbDes; ++i) EXPECT_EQ(t.ecran.imagesDes[i], ImageDeFond);
  EXPECT_EQ(t.ecran.legendeOkDe, "OK");
  EXPECT_TRUE(t.ecran.okDeVisible);
  EXPECT_EQ(t.ecran.message, Message::MsgNouveauTirage);
  EXPECT_EQ(t.ecran.legendeScoreTotal, "0");
  EXPECT_EQ(t.ecran.nbNouvellesParties, 1);
  EXPECT_GE(t.ecran.nbDessins, 1);
  for (int c = 1; c <= NbColonnesMax; ++c) {
    EXPECT_FALSE(e.ColonneFermee[c]);
    for (int f = 1; f <= NbFigures; ++f) {
      const CaseJeu& k = t.Case(c, f);
      EXPECT_FALSE(k.Prise || k.Selectionnable || k.PriseDessinee) << c << "," << f;
      EXPECT_EQ(k.CouleurPrise, Blanc);
      EXPECT_EQ(k.CouleurFond, Colonnes[c].fondLibre) << c;
      const bool attendu = (c == colonne::Descente) ? f == figure::As
                           : (c == colonne::Montee) ? f == figure::Yam
                                                    : true;
      EXPECT_EQ(k.Visible, attendu) << c << "," << f;
    }
  }
}

// Nothing of an earlier game survives, whatever its mode, even abandoned in the middle of a
// turn; only the faces, the player's own choice, stay.
TEST(NewGame, AOneColumnGameAfterASixColumnGameKeepsNothingOfIt) {
  Table t(3);
  t.Ecrire(colonne::Deux, figure::Six, "66666");
  t.Annoncer(figure::Yam, "66666");
  t.Ecrire(colonne::Seche, figure::Yam, "11111");
  t.Ecrire(colonne::Descente, figure::As, "11111");
  t.Ecrire(colonne::Montee, figure::Yam, "11111");
  ASSERT_GT(t.e().BonusBas[colonne::Annonce] + t.e().TotalBas[colonne::Annonce], 0);
  t.Ok("25262");
  t.Clic(colonne::Annonce, figure::Deux);
  t.Droit(1);
  t.partie.ChoisirFaces(2);
  t.Nouvelle(1);
  EXPECT_EQ(t.e().NbJets, 0);
  EXPECT_EQ(t.e().FigureAnnoncee, -1);
  EXPECT_FALSE(t.e().SelectionDroite);
  EXPECT_EQ(t.e().ProchaineDescente, 1);
  EXPECT_EQ(t.e().ProchaineMontee, 13);
  EXPECT_EQ(t.e().NumeroTour, 1);
  EXPECT_EQ(t.DesSurTable(), "?????");
  EXPECT_EQ(t.e().TypeDes, 2);
  EXPECT_EQ(t.ecran.legendeOkDe, "OK");
  for (int i = 1; i <= NbDes; ++i) EXPECT_EQ(t.ecran.imagesDes[i], ImageDeFond);
  for (int c = 1; c <= NbColonnesMax; ++c) {
    EXPECT_EQ(t.e().TotalHaut[c], 0) << c;
    EXPECT_EQ(t.e().BonusHaut[c], 0) << c;
    EXPECT_EQ(t.e().TotalBas[c], 0) << c;
    EXPECT_EQ(t.e().BonusBas[c], 0) << c;
    EXPECT_EQ(t.e().NbFiguresColonne[c], 0) << c;
    for (int f = 1; f <= NbFigures; ++f) {
      EXPECT_FALSE(t.Case(c, f).Prise) << c << "," << f;
      EXPECT_EQ(t.Case(c, f).Score, 0) << c << "," << f;
      EXPECT_EQ(t.Case(c, f).Visible, c == colonne::Libre) << c << "," << f;
    }
  }
  EXPECT_EQ(t.e().ScoreTotal, 0);
  EXPECT_EQ(t.e().NbFiguresRealisees, 0);
  t.Remplir(colonne::Libre);
  EXPECT_TRUE(t.e().PartieTerminee);
  EXPECT_EQ(t.NbPrises(), 13);
}

TEST(NewGame, PlayAgainAfterAFinishedGameStartsTheSameModeAfresh) {
  Table t(1);
  t.Remplir(colonne::Libre);
  ASSERT_TRUE(t.e().PartieTerminee);
  ASSERT_FALSE(t.ecran.okDeVisible);
  t.partie.ChoisirMode(0);  // unknown modes are ignored
  t.partie.ChoisirMode(4);
  t.partie.AppelNouveau();
  EXPECT_EQ(t.e().ModeJeu, 1);
  EXPECT_FALSE(t.e().PartieTerminee);
  EXPECT_TRUE(t.ecran.okDeVisible);
  EXPECT_EQ(t.e().NbColonnes, 1);
  EXPECT_EQ(t.e().NumeroTour, 1);
  EXPECT_EQ(t.ecran.nbNouvellesParties, 2);
  for (int f = 1; f <= NbFigures; ++f) EXPECT_FALSE(t.Case(colonne::Libre, f).PriseDessinee);
}

TEST(NewGame, WithAFixedSeedEveryNewGameThrowsTheSameDiceAgain) {
  DeEquitable de(77);
  AffichageMemoire ecran;
  Partie partie(ecran, de);
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
