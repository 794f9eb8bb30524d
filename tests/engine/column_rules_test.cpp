// What a click on a square does, and the announcement of Annonce. Which squares each column
// offers after each throw is checked after every move of the random games.
#include <gtest/gtest.h>

#include <vector>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

// The figures of column c that are shown and not yet taken.
std::vector<int> Ouvertes(const Table& t, int c) {
  std::vector<int> f;
  for (int i = 1; i <= NbFigures; ++i)
    if (t.Case(c, i).Visible && !t.Case(c, i).Prise) f.push_back(i);
  return f;
}
const std::vector<int> Aucune{};

// Annonce: announced right after the first throw, written after the third.
TEST(Annonce, AClickRightAfterTheFirstThrowAnnouncesAndHidesEveryOtherFreeSquare) {
  Table t;
  t.Ecrire(colonne::Libre, figure::As, "11234");
  t.ecran.Oublier();
  t.Ok("44412");
  t.Clic(colonne::Annonce, figure::Carre);
  EXPECT_EQ(t.e().FigureAnnoncee, figure::Carre);
  EXPECT_EQ(t.NbPrises(), 1);
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(Ouvertes(t, c), Aucune) << c;
  EXPECT_EQ(Ouvertes(t, colonne::Annonce), std::vector<int>{figure::Carre});
  EXPECT_TRUE(t.Case(colonne::Libre, figure::As).Visible);
  EXPECT_GE(t.ecran.nbDessins, 2);
  // No other square can be written, nor another figure announced.
  t.Clic(colonne::Libre, figure::Carre);
  t.Clic(colonne::Annonce, figure::Yam);
  EXPECT_EQ(t.NbPrises(), 1);
  EXPECT_EQ(t.e().FigureAnnoncee, figure::Carre);
  // A lower figure clicked again while throws remain does nothing either.
  t.Clic(colonne::Annonce, figure::Carre);
  EXPECT_EQ(t.e().NbJets, 1);
  EXPECT_EQ(t.DesSurTable(), "44412");
  // The announced square alone stays open through the throws.
  t.Relancer("45", "44");
  t.Relancer("5", "3");
  EXPECT_EQ(Ouvertes(t, colonne::Annonce), std::vector<int>{figure::Carre});
  EXPECT_EQ(Ouvertes(t, colonne::Deux), Aucune);
}

TEST(Annonce, AnAnnouncedFigureNeverMadeIsWrittenZeroByOkAfterTheThirdThrow) {
  Table t;
  t.Ok("12345");
  t.Clic(colonne::Annonce, figure::Carre);
  t.Relancer("12", "66");
  t.Relancer("12", "66");
  EXPECT_EQ(t.DesSurTable(), "66345");
  t.partie.AppelOkDeClique();
  const CaseJeu& carre = t.Case(colonne::Annonce, figure::Carre);
  EXPECT_TRUE(carre.Prise);
  EXPECT_EQ(carre.Score, 0);
  EXPECT_EQ(t.e().NbFiguresRealisees, 0);
  EXPECT_EQ(t.e().NbJets, 0);
  EXPECT_EQ(t.e().NumeroTour, 2);
  EXPECT_EQ(t.e().FigureAnnoncee, -1);
}

TEST(Annonce, ClickingAnAnnouncedUpperFigureKeepsItsDiceAndThrowsTheOthers) {
  Table t;
  t.Ok("55231");
  t.Clic(colonne::Annonce, figure::Cinq);
  t.Prevoir("654");
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.DesSurTable(), "55654");
  EXPECT_EQ(t.ecran.legendeOkDe, "2");
  EXPECT_EQ(t.des.NbEnAttente(), 0u);
  t.Prevoir("11");
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.DesSurTable(), "55151");
  EXPECT_FALSE(t.Case(colonne::Annonce, figure::Cinq).Prise);
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.Case(colonne::Annonce, figure::Cinq).Score, 15);
}

TEST(Annonce, ClickingAnAnnouncedUpperFigureWithNoDieOfItThrowsAllFive) {
  Table t;
  t.Ok("12346");
  t.Clic(colonne::Annonce, figure::Cinq);
  t.Prevoir("55555");
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.DesSurTable(), "55555");
}

// A click that cannot write does nothing: before the first throw of a turn, on a taken square.
TEST(ClickOnSquare, BeforeTheFirstThrowOfAGameOrATurnDoesNothingAtAll) {
  Table t;
  t.ecran.Oublier();
  t.Clic(colonne::Libre, figure::Yam);
  t.Clic(colonne::Annonce, figure::Yam);
  EXPECT_EQ(t.NbPrises(), 0);
  EXPECT_EQ(t.ecran.nbDessins, 0);
  t.Ok("33322");
  const int16_t potentielAvant = t.Case(colonne::Libre, figure::Trois).ScorePotentiel;
  t.Clic(colonne::Libre, figure::Yam);
  ASSERT_EQ(t.ecran.figureRealisee, TexteFigure::Aucun);  // the new turn emptied the name
  t.ecran.Oublier();
  t.Clic(colonne::Libre, figure::Trois);
  t.Clic(colonne::Annonce, figure::Full);
  EXPECT_EQ(t.NbPrises(), 1);
  EXPECT_EQ(t.ecran.nbDessins, 0);
  EXPECT_EQ(t.ecran.figureRealisee, TexteFigure::Aucun);  // the dice of the last turn not named
  EXPECT_EQ(t.ecran.legendeTotalDes, "");
  EXPECT_EQ(t.e().FigureAnnoncee, -1);
  // No recomputation either: the free squares keep what the last throw gave them.
  EXPECT_EQ(t.Case(colonne::Libre, figure::Trois).ScorePotentiel, potentielAvant);
  EXPECT_EQ(t.Case(colonne::Libre, figure::Trois).CouleurPotentiel, Bleu);
}

TEST(ClickOnSquare, OnATakenSquareRecomputesButWritesAndRedrawsNothing) {
  Table t;
  t.Ecrire(colonne::Libre, figure::Full, "33322");
  t.Ok("55551");
  t.ecran.LegendeFigureRealisee(TexteFigure::Aucun);  // what a stale panel would show
  t.ecran.Oublier();
  t.Clic(colonne::Libre, figure::Full);
  EXPECT_EQ(t.Case(colonne::Libre, figure::Full).Score, 33);
  EXPECT_EQ(t.NbPrises(), 1);
  EXPECT_EQ(t.ecran.nbDessins, 0);
  EXPECT_EQ(t.ecran.figureRealisee, TexteFigure::TexteCarre);
  EXPECT_EQ(t.e().NbJets, 1);
}

// The window delivers no click to a hidden square or outside the sheet; the game ignores one
// all the same, so that no driver can write a square the column rule keeps closed.
TEST(ClickOnSquare, OutsideTheSheetOrOnAHiddenSquareIsIgnored) {
  Table t(2);
  t.Ok("55555");
  for (auto [c, f] : {std::pair{0, 1},
                      {7, 1},
                      {1, 0},
                      {1, 14},
                      {-3, -3},
                      {colonne::Descente, figure::Cinq},
                      {colonne::Montee, figure::As}})
    t.Clic(c, f);
  EXPECT_EQ(t.NbPrises(), 0);
  EXPECT_EQ(t.e().NbJets, 1);
  EXPECT_EQ(t.e().ProchaineDescente, figure::As);
  EXPECT_EQ(t.e().ProchaineMontee, figure::Yam);
}

}  // namespace
}  // namespace rolvex
