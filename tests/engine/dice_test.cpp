// Throws, the refusals of the OK button, keeping and throwing dice with the mouse, and the
// choice of faces.
#include <gtest/gtest.h>

#include "table.h"

namespace rolvex {
namespace {

using essai::D;
using essai::Table;

constexpr int16_t Face(int valeur, int typeDés = 1) {
  return static_cast<int16_t>(valeur - 1 + (typeDés - 1) * 6);
}

std::string Gardés(const Table& t) {
  std::string s;
  for (bool g : t.é().DésGardés) s += g ? 'G' : '-';
  return s;
}

// The OK button throws up to three times, each throw counted on the button.
TEST(Throw, TheFirstPressThrowsAllFiveDiceAlthoughAllAreMarkedKept) {
  Table t;
  ASSERT_EQ(Gardés(t), "GGGGG");
  t.Ok("52614");
  EXPECT_EQ(t.DésSurTable(), "52614");
  EXPECT_EQ(t.écran.légendeOkDé, "1");
  EXPECT_EQ(t.écran.imagesDés[1], Face(5));
  EXPECT_EQ(t.écran.imagesDés[3], Face(6));
  EXPECT_EQ(t.écran.imagesDés[4], Face(1));
  EXPECT_EQ(t.écran.message, Message::MsgBoutonsSouris);
  EXPECT_EQ(t.écran.légendeTotalDés, "18");
  EXPECT_EQ(Gardés(t), "GGGGG");
}

TEST(Throw, LaterThrowsDrawOnlyTheReleasedDiceAndKeepThemAllAfter) {
  Table t;
  t.Ok("52614");
  t.Relancer("24", "33");
  EXPECT_EQ(t.DésSurTable(), "53634");
  EXPECT_EQ(t.écran.imagesDés[2], Face(3));
  EXPECT_EQ(t.écran.légendeOkDé, "2");
  EXPECT_EQ(t.écran.message, Message::MsgChoisirOuJeter);
  EXPECT_EQ(Gardés(t), "GGGGG");
  t.Relancer("1", "6");
  EXPECT_EQ(t.DésSurTable(), "63634");
  EXPECT_EQ(t.écran.légendeOkDé, "3");
  EXPECT_EQ(t.écran.message, Message::MsgChoisirCase);
  EXPECT_EQ(t.écran.légendeTotalDés, "22");
}

TEST(Throw, EveryFreeSquareInPlayBecomesSelectableAfterAThrow) {
  Table t(2);
  for (int f = 1; f <= NbFigures; ++f) EXPECT_FALSE(t.Case(colonne::Libre, f).Sélectionnable);
  t.Ok("11111");
  for (int c = 1; c <= 3; ++c)
    for (int f = 1; f <= NbFigures; ++f) EXPECT_TRUE(t.Case(c, f).Sélectionnable) << c << "," << f;
  for (int c = 4; c <= 6; ++c)
    for (int f = 1; f <= NbFigures; ++f) EXPECT_FALSE(t.Case(c, f).Sélectionnable) << c << "," << f;
}

// OK refuses a throw that would change nothing or serve no square, and says why.
TEST(OkRefusal, WithEveryDieKeptAfterTheFirstThrowItShowsTheMouseHints) {
  Table t;
  t.Ok("12346");
  t.écran.Oublier();
  t.OkSansJet();
  EXPECT_EQ(t.é().NbJets, 1);
  EXPECT_EQ(t.écran.message, Message::MsgBoutonsSouris);
  EXPECT_EQ(t.écran.légendeOkDé, "1");
  EXPECT_EQ(t.écran.nbDessins, 0);
}

TEST(OkRefusal, WithEveryDieKeptAfterTheSecondThrowItAsksForASquareOrAThrow) {
  Table t;
  t.Ok("12346");
  t.Relancer("5", "5");
  t.Gauche(1);
  t.Gauche(1);  // released, then kept again: all five kept
  t.OkSansJet();
  EXPECT_EQ(t.é().NbJets, 2);
  EXPECT_EQ(t.écran.message, Message::MsgChoisirOuJeter);
  EXPECT_EQ(t.écran.légendeOkDé, "2");
}

TEST(OkRefusal, AfterTheThirdThrowWithoutAnnouncementOkAsksForASquare) {
  Table t;
  t.Ok("12346");
  t.Relancer("5", "5");
  t.Relancer("5", "1");
  const int prises = t.NbPrises();
  t.OkSansJet();
  EXPECT_EQ(t.é().NbJets, 3);
  EXPECT_EQ(t.écran.message, Message::MsgChoisirCase);
  EXPECT_EQ(t.NbPrises(), prises);
  EXPECT_EQ(t.écran.légendeOkDé, "3");
}

TEST(OkRefusal, WithAnAnnouncementPendingEveryPressThrowsEvenWithAllDiceKept) {
  Table t;
  t.Ok("44412");
  t.Clic(colonne::Annonce, figure::Carré);
  t.Ok("");
  EXPECT_EQ(t.écran.légendeOkDé, "2");
  t.Ok("");
  EXPECT_EQ(t.écran.légendeOkDé, "3");
  EXPECT_EQ(t.DésSurTable(), "44412");
  EXPECT_FALSE(t.Case(colonne::Annonce, figure::Carré).Prise);
}

TEST(OkRefusal, WithLibreDescenteMonteeAndDeuxCompleteOnlySecheOrAnAnnouncementServeAfterOneThrow) {
  Table t(3);
  for (int c : {colonne::Libre, colonne::Descente, colonne::Montée, colonne::Deux}) t.Remplir(c);
  ASSERT_EQ(t.NbPrises(), 52);
  t.Ok("66612");
  t.Gauche(4);
  t.OkSansJet();
  EXPECT_EQ(t.é().NbJets, 1);
  EXPECT_EQ(t.écran.message, Message::MsgChoisirCase);
  EXPECT_EQ(t.écran.légendeOkDé, "1");
  // Both ways out remain: a Sèche square now, or an announcement.
  EXPECT_TRUE(t.Case(colonne::Sèche, figure::Six).Visible);
  t.Clic(colonne::Annonce, figure::Six);
  EXPECT_EQ(t.é().FigureAnnoncée, figure::Six);
  t.Ok("5");
  EXPECT_EQ(t.é().NbJets, 2);
}

TEST(OkRefusal, WithLibreDescenteAndMonteeCompleteNoThirdThrowIsAllowed) {
  Table t(3);
  for (int c : {colonne::Libre, colonne::Descente, colonne::Montée}) t.Remplir(c);
  t.Ok("66612");
  t.Relancer("4", "3");  // Deux is still open: the second throw is allowed
  t.Gauche(5);
  t.OkSansJet();
  EXPECT_EQ(t.é().NbJets, 2);
  EXPECT_EQ(t.écran.message, Message::MsgChoisirCase);
  EXPECT_TRUE(t.Case(colonne::Deux, figure::Six).Visible);
}

TEST(OkRefusal, TheRefusalsDoNotApplyWhileColumnsAreOpen) {
  Table t(3);
  for (int c : {colonne::Libre, colonne::Descente}) t.Remplir(c);
  t.Ok("66612");
  t.Relancer("4", "3");
  t.Relancer("5", "6");
  EXPECT_EQ(t.DésSurTable(), "66636");
}

TEST(OkRefusal, APressBeforeAnyGameDoesNothing) {
  DéÉquitable hasard(1);
  AffichageMémoire écran;
  Partie partie(écran, hasard);
  partie.AppelOkDéClique();
  EXPECT_EQ(partie.État().NbJets, 0);
  EXPECT_EQ(essai::EnTexte(partie.État().Dés), "?????");
  EXPECT_EQ(écran.nbDessins, 0);
}

// Left button: keep or throw one die; right button: keep the dice identical to one, or take
// that back. Only between throws.
TEST(MouseOnDice, TheLeftButtonReleasesAKeptDieAndKeepsAReleasedOne) {
  Table t;
  t.Ok("25262");
  t.Gauche(3);
  EXPECT_EQ(Gardés(t), "GG-GG");
  EXPECT_EQ(t.écran.imagesDés[3], ImageDéFond);
  t.Gauche(3);
  EXPECT_EQ(Gardés(t), "GGGGG");
  EXPECT_EQ(t.écran.imagesDés[3], Face(2));
}

TEST(MouseOnDice, ARightClickKeepsTheIdenticalDiceAndASecondTakesItBack) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  EXPECT_EQ(Gardés(t), "G-G-G");
  EXPECT_EQ(t.écran.imagesDés[2], ImageDéFond);
  EXPECT_EQ(t.écran.imagesDés[4], ImageDéFond);
  EXPECT_EQ(t.écran.imagesDés[5], Face(2));
  t.Droit(3);
  EXPECT_EQ(Gardés(t), "GGGGG");
  EXPECT_EQ(t.écran.imagesDés[2], Face(5));
  EXPECT_EQ(t.écran.imagesDés[4], Face(6));
}

TEST(MouseOnDice, ALeftClickThatKeepsADieCancelsTheRightClick) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  t.Gauche(2);
  EXPECT_EQ(Gardés(t), "GGG-G");
  t.Droit(1);  // applies the identical-dice choice again instead of taking it back
  EXPECT_EQ(Gardés(t), "G-G-G");
}

TEST(MouseOnDice, ALeftClickThatReleasesADieLeavesTheRightClickStanding) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  t.Gauche(3);
  EXPECT_EQ(Gardés(t), "G---G");
  t.Droit(1);  // takes the right click back: every die kept
  EXPECT_EQ(Gardés(t), "GGGGG");
}

TEST(MouseOnDice, ARightClickOnAnUniqueFaceKeepsThatDieAlone) {
  Table t;
  t.Ok("25262");
  t.Droit(4);
  EXPECT_EQ(Gardés(t), "---G-");
  t.Ok("1111");
  EXPECT_EQ(t.DésSurTable(), "11161");
}

TEST(MouseOnDice, APressOfOkEndsTheRightClickState) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  t.Ok("33");
  EXPECT_FALSE(t.é().SélectionDroite);
  ASSERT_EQ(t.DésSurTable(), "23232");
  t.Droit(2);  // keeps the threes rather than taking anything back
  EXPECT_EQ(Gardés(t), "-G-G-");
}

TEST(MouseOnDice, OtherButtonsDoNothing) {
  Table t;
  t.Ok("25262");
  t.partie.ImageDé_MouseDown(1, 4);
  t.partie.ImageDé_MouseDown(1, 0);
  EXPECT_EQ(Gardés(t), "GGGGG");
  EXPECT_FALSE(t.é().SélectionDroite);
}

TEST(MouseOnDice, DiceOutOfRangeAreIgnored) {
  Table t;
  t.Ok("25262");
  t.Gauche(0);
  t.Gauche(6);
  t.Droit(-1);
  t.Place(9);
  EXPECT_EQ(Gardés(t), "GGGGG");
}

TEST(MouseOnDice, ClicksBeforeTheFirstThrowAreIgnored) {
  Table t;
  t.Gauche(1);
  t.Droit(2);
  t.Place(3);
  EXPECT_EQ(Gardés(t), "GGGGG");
  EXPECT_FALSE(t.é().SélectionDroite);
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], ImageDéFond);
}

TEST(MouseOnDice, AfterTheThirdThrowClicksOnDiceAndPlacesDoNothingAndOkPassesOn) {
  Table t;
  t.Ok("25262");
  t.Relancer("2", "2");
  t.Relancer("4", "2");
  t.Gauche(1);
  t.Droit(3);
  t.Place(2);
  EXPECT_EQ(Gardés(t), "GGGGG");
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], Face(2));
  t.OkSansJet();
  EXPECT_EQ(t.écran.message, Message::MsgChoisirCase);
}

// The place of a released die brings it back, between throws only.
TEST(DicePlaces, AClickOnThePlaceOfAReleasedDieBringsItBack) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  t.Place(2);
  EXPECT_EQ(Gardés(t), "GGG-G");
  EXPECT_EQ(t.écran.imagesDés[2], Face(5));
  EXPECT_FALSE(t.é().SélectionDroite);
}

TEST(DicePlaces, AClickOnThePlaceOfAKeptDieDoesNothing) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  t.Place(1);
  EXPECT_EQ(Gardés(t), "G-G-G");
  EXPECT_TRUE(t.é().SélectionDroite);
}

// The faces menu: kept dice take the new faces at once between throws only.
TEST(FacesMenu, SwitchingAfterTheFirstThrowRedrawsTheKeptDiceAtOnce) {
  Table t;
  t.Ok("25262");
  t.Gauche(2);
  t.partie.ChoisirFaces(2);
  EXPECT_EQ(t.é().TypeDés, 2);
  EXPECT_EQ(t.écran.imagesDés[1], Face(2, 2));
  EXPECT_EQ(t.écran.imagesDés[4], Face(6, 2));
  EXPECT_EQ(t.écran.imagesDés[2], ImageDéFond);
  t.Gauche(2);
  EXPECT_EQ(t.écran.imagesDés[2], Face(5, 2));
  t.partie.ChoisirFaces(1);
  EXPECT_EQ(t.écran.imagesDés[4], Face(6, 1));
}

TEST(FacesMenu, SwitchingAfterTheThirdThrowLeavesThePicturesUntilTheNextThrow) {
  Table t;
  t.Ok("25262");
  t.Relancer("2", "2");
  t.Relancer("4", "2");
  t.partie.ChoisirFaces(2);
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], Face(2, 1));
  t.Clic(colonne::Libre, figure::Yam);
  t.Ok("13456");
  EXPECT_EQ(t.écran.imagesDés[1], Face(1, 2));
  EXPECT_EQ(t.écran.imagesDés[5], Face(6, 2));
}

TEST(FacesMenu, SwitchingBeforeTheFirstThrowShowsNoDie) {
  Table t;
  t.partie.ChoisirFaces(2);
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], ImageDéFond);
  t.Ok("11111");
  EXPECT_EQ(t.écran.imagesDés[3], Face(1, 2));
}

TEST(FacesMenu, AnUnknownFaceTypeIsIgnored) {
  Table t;
  t.partie.ChoisirFaces(3);
  EXPECT_EQ(t.é().TypeDés, 1);
  t.partie.ChoisirFaces(0);
  EXPECT_EQ(t.é().TypeDés, 1);
}

}  // namespace
}  // namespace rolvex
