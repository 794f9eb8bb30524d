// Which squares each column offers and when, and what a click on a square does.
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
const std::vector<int> Toutes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
const std::vector<int> Aucune{};

// Descente is written from As down to Yam, Montée from Yam up to As, one square at a time.
TEST(Descente, OpensOnlyAsAtANewGameAndTheNextFigureAfterEachWriting) {
  Table t(2);
  EXPECT_EQ(Ouvertes(t, colonne::Descente), std::vector<int>{figure::As});
  t.Écrire(colonne::Descente, figure::As, "11234");
  EXPECT_EQ(t.Case(colonne::Descente, figure::As).Score, 2);
  EXPECT_EQ(t.é().ProchaineDescente, figure::Deux);
  EXPECT_EQ(Ouvertes(t, colonne::Descente), std::vector<int>{figure::Deux});
  t.Ok("22234");
  EXPECT_EQ(Ouvertes(t, colonne::Descente), std::vector<int>{figure::Deux});
}

TEST(Descente, WalksDownToYamAndStaysThereOnceComplete) {
  Table t(2);
  for (int f = 1; f <= NbFigures; ++f) {
    EXPECT_EQ(Ouvertes(t, colonne::Descente), std::vector<int>{f});
    t.Écrire(colonne::Descente, f, "66666");
  }
  EXPECT_EQ(t.é().ProchaineDescente, figure::Yam);
  EXPECT_EQ(Ouvertes(t, colonne::Descente), Aucune);
  EXPECT_TRUE(t.é().ColonneFermée[colonne::Descente]);
  for (int f = 1; f <= NbFigures; ++f) EXPECT_TRUE(t.Case(colonne::Descente, f).Visible) << f;
}

// Montée is written from Yam up to As, one square at a time.
TEST(Montee, OpensOnlyYamAtANewGameAndThenTheFigureAbove) {
  Table t(2);
  EXPECT_EQ(Ouvertes(t, colonne::Montée), std::vector<int>{figure::Yam});
  t.Écrire(colonne::Montée, figure::Yam, "55555");
  EXPECT_EQ(t.Case(colonne::Montée, figure::Yam).Score, 95);
  EXPECT_EQ(Ouvertes(t, colonne::Montée), std::vector<int>{figure::PetitTotal});
}

TEST(Montee, WalksUpToAsAndStaysThereOnceComplete) {
  Table t(2);
  for (int f = NbFigures; f >= 1; --f) {
    EXPECT_EQ(Ouvertes(t, colonne::Montée), std::vector<int>{f});
    t.Écrire(colonne::Montée, f, "12345");
  }
  EXPECT_EQ(t.é().ProchaineMontée, figure::As);
  EXPECT_TRUE(t.é().ColonneFermée[colonne::Montée]);
}

// A game plays the first one, three or six columns; the others are never shown or written.
TEST(ColumnsInPlay, EachModeShowsItsOwnColumns) {
  Table t(1);
  EXPECT_EQ(Ouvertes(t, colonne::Libre), Toutes);
  for (int c = 2; c <= 6; ++c) EXPECT_EQ(Ouvertes(t, c), Aucune) << c;
  t.Nouvelle(2);
  EXPECT_EQ(Ouvertes(t, colonne::Libre), Toutes);
  EXPECT_EQ(Ouvertes(t, colonne::Descente).size(), 1u);
  EXPECT_EQ(Ouvertes(t, colonne::Montée).size(), 1u);
  for (int c = 4; c <= 6; ++c) EXPECT_EQ(Ouvertes(t, c), Aucune) << c;
  t.Nouvelle(3);
  for (int c : {colonne::Libre, colonne::Sèche, colonne::Deux, colonne::Annonce})
    EXPECT_EQ(Ouvertes(t, c), Toutes) << c;
}

TEST(ColumnsInPlay, ASquareOfAColumnOutOfPlayCannotBeWritten) {
  Table t(1);
  t.Ok("66666");
  t.Clic(colonne::Deux, figure::Yam);
  t.Clic(colonne::Descente, figure::As);
  EXPECT_EQ(t.NbPrises(), 0);
}

// Sèche: after the first throw only.
TEST(Seche, IsWrittenAfterTheFirstThrow) {
  Table t;
  t.Écrire(colonne::Sèche, figure::Suite, "23456");
  EXPECT_EQ(t.Case(colonne::Sèche, figure::Suite).Score, 50);
}

TEST(Seche, ItsFreeSquaresDisappearAfterTheSecondThrowUntilTheNextTurn) {
  Table t;
  t.Écrire(colonne::Sèche, figure::Suite, "23456");
  t.Ok("11111");
  t.Relancer("1", "2");
  EXPECT_EQ(Ouvertes(t, colonne::Sèche), Aucune);
  EXPECT_TRUE(t.Case(colonne::Sèche, figure::Suite).Visible);  // a taken square stays shown
  EXPECT_EQ(Ouvertes(t, colonne::Deux), Toutes);
  t.Clic(colonne::Libre, figure::As);
  EXPECT_EQ(Ouvertes(t, colonne::Sèche).size(), 12u);
}

// Deux: after the first or the second throw.
TEST(Deux, IsWrittenAfterTheSecondThrow) {
  Table t;
  t.Ok("12345");
  t.Relancer("1", "6");
  t.Clic(colonne::Deux, figure::Suite);
  EXPECT_EQ(t.Case(colonne::Deux, figure::Suite).Score, 50);
}

TEST(Deux, ItsFreeSquaresDisappearAfterTheThirdThrow) {
  Table t;
  t.Ok("12345");
  t.Relancer("1", "6");
  t.Relancer("1", "1");
  EXPECT_EQ(Ouvertes(t, colonne::Deux), Aucune);
  EXPECT_EQ(Ouvertes(t, colonne::Libre), Toutes);
  t.Clic(colonne::Libre, figure::Suite);
  EXPECT_EQ(Ouvertes(t, colonne::Deux), Toutes);
}

// Annonce: announced right after the first throw, written after the third.
TEST(Annonce, AClickRightAfterTheFirstThrowAnnouncesAndHidesEveryOtherFreeSquare) {
  Table t;
  t.Écrire(colonne::Libre, figure::As, "11234");
  t.écran.Oublier();
  t.Ok("44412");
  t.Clic(colonne::Annonce, figure::Carré);
  EXPECT_EQ(t.é().FigureAnnoncée, figure::Carré);
  EXPECT_EQ(t.NbPrises(), 1);
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(Ouvertes(t, c), Aucune) << c;
  EXPECT_EQ(Ouvertes(t, colonne::Annonce), std::vector<int>{figure::Carré});
  EXPECT_TRUE(t.Case(colonne::Libre, figure::As).Visible);
  EXPECT_GE(t.écran.nbDessins, 2);
}

TEST(Annonce, WithoutAnAnnouncementItsFreeSquaresDisappearAfterTheSecondThrow) {
  Table t;
  t.Ok("44412");
  t.Relancer("5", "4");
  EXPECT_EQ(Ouvertes(t, colonne::Annonce), Aucune);
  EXPECT_EQ(t.é().FigureAnnoncée, -1);
}

TEST(Annonce, TheAnnouncedSquareStaysOpenThroughTheThrows) {
  Table t;
  t.Ok("44412");
  t.Clic(colonne::Annonce, figure::Carré);
  t.Relancer("45", "44");
  EXPECT_EQ(Ouvertes(t, colonne::Annonce), std::vector<int>{figure::Carré});
  t.Relancer("5", "3");
  EXPECT_EQ(Ouvertes(t, colonne::Annonce), std::vector<int>{figure::Carré});
  EXPECT_EQ(Ouvertes(t, colonne::Deux), Aucune);
  EXPECT_EQ(Ouvertes(t, colonne::Libre), Aucune);
}

TEST(Annonce, AnAnnouncedCarreNeverMadeIsWrittenZeroByOkAfterTheThirdThrow) {
  Table t;
  t.Ok("12345");
  t.Clic(colonne::Annonce, figure::Carré);
  t.Relancer("12", "66");
  t.Relancer("12", "66");
  EXPECT_EQ(t.DésSurTable(), "66345");
  t.partie.AppelOkDéClique();
  const CaseJeu& carré = t.Case(colonne::Annonce, figure::Carré);
  EXPECT_TRUE(carré.Prise);
  EXPECT_EQ(carré.Score, 0);
  EXPECT_EQ(t.é().NbFiguresRéalisées, 0);
  EXPECT_EQ(t.é().NbJets, 0);
  EXPECT_EQ(t.é().NuméroTour, 2);
  EXPECT_EQ(t.é().FigureAnnoncée, -1);
}

TEST(Annonce, TheAnnouncedSquareClickedAfterTheThirdThrowIsWrittenWithTheDice) {
  Table t;
  t.Ok("44412");
  t.Clic(colonne::Annonce, figure::Carré);
  t.Relancer("45", "43");
  t.Relancer("5", "6");
  t.Clic(colonne::Annonce, figure::Carré);
  EXPECT_EQ(t.Case(colonne::Annonce, figure::Carré).Score, 46);
  EXPECT_EQ(t.é().NbFiguresRéalisées, 1);
  EXPECT_EQ(t.é().NbFiguresColonne[colonne::Annonce], 1);
  EXPECT_EQ(t.é().NuméroTour, 2);
}

TEST(Annonce, ClickingAnAnnouncedUpperFigureKeepsItsDiceAndThrowsTheOthers) {
  Table t;
  t.Ok("55231");
  t.Clic(colonne::Annonce, figure::Cinq);
  t.Prévoir("654");
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.DésSurTable(), "55654");
  EXPECT_EQ(t.écran.légendeOkDé, "2");
  EXPECT_EQ(t.dés.NbEnAttente(), 0u);
  t.Prévoir("11");
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.DésSurTable(), "55151");
  EXPECT_EQ(t.écran.légendeOkDé, "3");
  EXPECT_FALSE(t.Case(colonne::Annonce, figure::Cinq).Prise);
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.Case(colonne::Annonce, figure::Cinq).Score, 15);
}

TEST(Annonce, ClickingAnAnnouncedUpperFigureWithNoDieOfItThrowsAllFive) {
  Table t;
  t.Ok("12346");
  t.Clic(colonne::Annonce, figure::Cinq);
  t.Prévoir("55555");
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.DésSurTable(), "55555");
}

TEST(Annonce, ClickingAnAnnouncedLowerFigureWhileThrowsRemainDoesNothing) {
  Table t;
  t.Ok("44412");
  t.Clic(colonne::Annonce, figure::Carré);
  t.Clic(colonne::Annonce, figure::Carré);
  EXPECT_EQ(t.é().NbJets, 1);
  EXPECT_EQ(t.é().FigureAnnoncée, figure::Carré);
  EXPECT_EQ(t.NbPrises(), 0);
  EXPECT_EQ(t.DésSurTable(), "44412");
}

TEST(Annonce, TheAnnouncementEndsWithTheTurn) {
  Table t;
  t.Annoncer(figure::Yam, "66666");
  EXPECT_EQ(t.é().FigureAnnoncée, -1);
  EXPECT_EQ(t.Case(colonne::Annonce, figure::Yam).Score, 100);
  EXPECT_EQ(Ouvertes(t, colonne::Annonce).size(), 12u);
  EXPECT_EQ(Ouvertes(t, colonne::Libre), Toutes);
  EXPECT_EQ(Ouvertes(t, colonne::Descente), std::vector<int>{figure::As});
  EXPECT_EQ(Ouvertes(t, colonne::Montée), std::vector<int>{figure::Yam});
}

// Writing copies the potential score; a 0 crosses the figure out and is no figure made.
TEST(Writing, CopiesThePotentialScoreAndBlackensTheSquare) {
  Table t;
  t.Écrire(colonne::Libre, figure::Full, "33322");
  const CaseJeu& k = t.Case(colonne::Libre, figure::Full);
  EXPECT_TRUE(k.Prise);
  EXPECT_FALSE(k.Sélectionnable);
  EXPECT_EQ(k.Score, 33);
  EXPECT_EQ(k.CouleurFond, Noir);
  EXPECT_EQ(t.é().NbFiguresRéalisées, 1);
  EXPECT_EQ(t.é().NbFiguresColonne[colonne::Libre], 1);
}

TEST(Writing, AZeroCrossesTheFigureOutWithoutCountingIt) {
  Table t;
  t.Écrire(colonne::Libre, figure::Yam, "12346");
  t.Écrire(colonne::Sèche, figure::Six, "12345");
  EXPECT_TRUE(t.Case(colonne::Libre, figure::Yam).Prise);
  EXPECT_EQ(t.Case(colonne::Libre, figure::Yam).Score, 0);
  EXPECT_TRUE(t.Case(colonne::Sèche, figure::Six).Prise);
  EXPECT_EQ(t.Case(colonne::Sèche, figure::Six).Score, 0);
  EXPECT_EQ(t.é().NbFiguresRéalisées, 0);
  EXPECT_EQ(t.é().NbFiguresColonne[colonne::Libre], 0);
}

TEST(Writing, UpperFiguresAreNotCountedAsFiguresMade) {
  Table t;
  t.Écrire(colonne::Libre, figure::Six, "66666");
  EXPECT_EQ(t.é().NbFiguresRéalisées, 0);
}

TEST(Writing, TheCountOfFiguresMadeIsKeptPerColumn) {
  Table t;
  t.Écrire(colonne::Libre, figure::Maxi, "66666");
  t.Écrire(colonne::Deux, figure::Maxi, "66666");
  t.Écrire(colonne::Deux, figure::Yam, "66666");
  EXPECT_EQ(t.é().NbFiguresRéalisées, 3);
  EXPECT_EQ(t.é().NbFiguresColonne[colonne::Libre], 1);
  EXPECT_EQ(t.é().NbFiguresColonne[colonne::Deux], 2);
}

// A click that cannot write does nothing: before the first throw of a turn, on a taken square.
TEST(ClickOnSquare, BeforeTheFirstThrowOfAGameDoesNothingAtAll) {
  Table t;
  t.écran.Oublier();
  t.Clic(colonne::Libre, figure::Yam);
  t.Clic(colonne::Annonce, figure::Yam);
  EXPECT_EQ(t.NbPrises(), 0);
  EXPECT_EQ(t.é().FigureAnnoncée, -1);
  EXPECT_EQ(t.écran.nbDessins, 0);
}

TEST(ClickOnSquare, BeforeTheFirstThrowOfATurnDoesNothingAtAll) {
  Table t;
  t.Ok("33322");
  const int16_t potentielAvant = t.Case(colonne::Libre, figure::Trois).ScorePotentiel;
  t.Clic(colonne::Libre, figure::Yam);
  ASSERT_EQ(t.écran.figureRéalisée, TexteFigure::Aucun);  // the new turn emptied the name
  ASSERT_EQ(t.écran.légendeTotalDés, "");
  t.écran.Oublier();
  t.Clic(colonne::Libre, figure::Trois);
  t.Clic(colonne::Annonce, figure::Full);
  EXPECT_EQ(t.NbPrises(), 1);
  EXPECT_EQ(t.écran.nbDessins, 0);
  EXPECT_EQ(t.écran.figureRéalisée, TexteFigure::Aucun);  // the dice of the last turn not named
  EXPECT_EQ(t.écran.légendeTotalDés, "");
  EXPECT_EQ(t.é().FigureAnnoncée, -1);
  // No recomputation either: the free squares keep what the last throw gave them.
  EXPECT_EQ(t.Case(colonne::Libre, figure::Trois).ScorePotentiel, potentielAvant);
  EXPECT_EQ(t.Case(colonne::Libre, figure::Trois).CouleurPotentiel, Bleu);
}

TEST(ClickOnSquare, OnATakenSquareRecomputesButWritesAndRedrawsNothing) {
  Table t;
  t.Écrire(colonne::Libre, figure::Full, "33322");
  t.Ok("55551");
  t.partie.ChoisirFaces(2);
  t.écran.LégendeFigureRéalisée(TexteFigure::Aucun);  // what a stale panel would show
  t.écran.Oublier();
  t.Clic(colonne::Libre, figure::Full);
  EXPECT_EQ(t.Case(colonne::Libre, figure::Full).Score, 33);
  EXPECT_EQ(t.NbPrises(), 1);
  EXPECT_EQ(t.écran.nbDessins, 0);
  EXPECT_EQ(t.écran.figureRéalisée, TexteFigure::TexteCarré);
  EXPECT_EQ(t.é().NbJets, 1);
}

TEST(ClickOnSquare, OutsideTheSheetIsIgnored) {
  Table t;
  t.Ok("33322");
  t.Clic(0, 1);
  t.Clic(7, 1);
  t.Clic(1, 0);
  t.Clic(1, 14);
  t.Clic(-3, -3);
  EXPECT_EQ(t.NbPrises(), 0);
  EXPECT_EQ(t.é().NbJets, 1);
}

// The window delivers no click to a hidden square; the game ignores one all the same, so that
// no driver can write a square the column rule keeps closed.
TEST(HiddenSquare, ADescenteSquareOtherThanTheNextCannotBeWritten) {
  Table t(2);
  t.Ok("55555");
  t.Clic(colonne::Descente, figure::Cinq);
  t.Clic(colonne::Montée, figure::As);
  EXPECT_EQ(t.NbPrises(), 0);
  EXPECT_EQ(t.é().ProchaineDescente, figure::As);
  EXPECT_EQ(t.é().ProchaineMontée, figure::Yam);
}

TEST(HiddenSquare, ASecheSquareCannotBeWrittenAfterTheSecondThrow) {
  Table t;
  t.Ok("23456");
  t.Relancer("1", "1");
  t.Clic(colonne::Sèche, figure::Suite);
  EXPECT_FALSE(t.Case(colonne::Sèche, figure::Suite).Prise);
  EXPECT_EQ(t.é().NbJets, 2);
}

TEST(HiddenSquare, ADeuxSquareCannotBeWrittenAfterTheThirdThrow) {
  Table t;
  t.Ok("23456");
  t.Relancer("1", "1");
  t.Relancer("2", "1");
  t.Clic(colonne::Deux, figure::As);
  EXPECT_FALSE(t.Case(colonne::Deux, figure::As).Prise);
}

TEST(HiddenSquare, NoOtherSquareCanBeWrittenAfterAnAnnouncement) {
  Table t;
  t.Ok("66666");
  t.Clic(colonne::Annonce, figure::As);
  t.Clic(colonne::Libre, figure::Yam);
  t.Clic(colonne::Annonce, figure::Yam);
  EXPECT_EQ(t.NbPrises(), 0);
  EXPECT_EQ(t.é().FigureAnnoncée, figure::As);
}

}  // namespace
}  // namespace rolvex
