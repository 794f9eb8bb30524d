// Throws, the refusals of the OK button, keeping and throwing dice with the mouse, and the
// choice of faces.
#include <gtest/gtest.h>

#include "table.h"

namespace rolvex {
namespace {

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
TEST(Throw, TheFirstPressThrowsAllFiveDiceAndLaterOnesOnlyTheReleasedDice) {
  Table t;
  ASSERT_EQ(Gardés(t), "GGGGG");
  t.Ok("52614");
  EXPECT_EQ(t.DésSurTable(), "52614");
  EXPECT_EQ(t.écran.légendeOkDé, "1");
  EXPECT_EQ(t.écran.imagesDés[1], Face(5));
  EXPECT_EQ(t.écran.imagesDés[4], Face(1));
  EXPECT_EQ(t.écran.message, Message::MsgBoutonsSouris);
  EXPECT_EQ(t.écran.légendeTotalDés, "18");
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

// OK refuses a throw that would change nothing or serve no square, and says why.
TEST(OkRefusal, WithEveryDieKeptItThrowsNothingAndSaysWhatToDo) {
  Table t;
  t.Ok("12346");
  t.écran.Oublier();
  t.OkSansJet();
  EXPECT_EQ(t.é().NbJets, 1);
  EXPECT_EQ(t.écran.message, Message::MsgBoutonsSouris);
  EXPECT_EQ(t.écran.légendeOkDé, "1");
  EXPECT_EQ(t.écran.nbDessins, 0);
  t.Relancer("5", "5");
  t.Gauche(1);
  t.Gauche(1);  // released, then kept again: all five kept
  t.OkSansJet();
  EXPECT_EQ(t.é().NbJets, 2);
  EXPECT_EQ(t.écran.message, Message::MsgChoisirOuJeter);
  t.Relancer("5", "1");
  t.OkSansJet();  // after the third throw, without an announcement
  EXPECT_EQ(t.é().NbJets, 3);
  EXPECT_EQ(t.écran.message, Message::MsgChoisirCase);
  EXPECT_EQ(t.écran.légendeOkDé, "3");
  EXPECT_EQ(t.NbPrises(), 0);
}

TEST(OkRefusal, WithAnAnnouncementPendingEveryPressThrowsEvenWithAllDiceKept) {
  Table t;
  t.Ok("44412");
  t.Clic(colonne::Annonce, figure::Carré);
  t.Ok("");
  t.Ok("");
  EXPECT_EQ(t.écran.légendeOkDé, "3");
  EXPECT_EQ(t.DésSurTable(), "44412");
  EXPECT_FALSE(t.Case(colonne::Annonce, figure::Carré).Prise);
}

TEST(OkRefusal, WithLibreDescenteMonteeAndDeuxCompleteOnlySecheOrAnAnnouncementServeAfterOneThrow) {
  Table t(3);
  for (int c : {colonne::Libre, colonne::Descente, colonne::Montée, colonne::Deux}) t.Remplir(c);
  t.Ok("66612");
  t.Gauche(4);
  t.OkSansJet();
  EXPECT_EQ(t.é().NbJets, 1);
  EXPECT_EQ(t.écran.message, Message::MsgChoisirCase);
  // Both ways out remain: a Sèche square now, or an announcement.
  EXPECT_TRUE(t.Case(colonne::Sèche, figure::Six).Visible);
  t.Clic(colonne::Annonce, figure::Six);
  EXPECT_EQ(t.é().FigureAnnoncée, figure::Six);
  t.Ok("5");
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

TEST(OkRefusal, TheRefusalsDoNotApplyWhileLibreDescenteOrMonteeIsOpen) {
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
// that back; a click on the place of a released die brings it back. Only between throws.
struct Gestes {
  const char* gestes;  // "D1G3P2": right on die 1, left on die 3, place of die 2
  const char* gardés;
};

TEST(MouseOnDice, EachSequenceOfClicksKeepsTheDiceItShould) {
  const Gestes cas[] = {
      {"G3", "GG-GG"},     {"G3G3", "GGGGG"},
      {"D1", "G-G-G"},     {"D1D3", "GGGGG"},  // the second right click takes the first back
      {"D4", "---G-"},     // a face alone keeps that die alone
      {"D1G2", "GGG-G"},   {"D1G2D1", "G-G-G"},  // keeping a die cancels the right click
      {"D1G3", "G---G"},   {"D1G3D1", "GGGGG"},  // releasing one leaves it standing
      {"D1P2", "GGG-G"},   {"D1P2D1", "G-G-G"},  // bringing one back cancels it
      {"D1P1", "G-G-G"},   {"D1P1D1", "GGGGG"},  // the place of a kept die does nothing
  };
  for (const Gestes& g : cas) {
    Table t;
    t.Ok("25262");
    for (const char* p = g.gestes; *p; p += 2) {
      const int dé = p[1] - '0';
      if (p[0] == 'G') t.Gauche(dé);
      if (p[0] == 'D') t.Droit(dé);
      if (p[0] == 'P') t.Place(dé);
    }
    EXPECT_EQ(Gardés(t), g.gardés) << g.gestes;
  }
}

TEST(MouseOnDice, AReleasedDieShowsItsEmptyPlaceAndAKeptOneItsFace) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  EXPECT_EQ(t.écran.imagesDés[2], ImageDéFond);
  EXPECT_EQ(t.écran.imagesDés[4], ImageDéFond);
  EXPECT_EQ(t.écran.imagesDés[5], Face(2));
  t.Place(2);
  EXPECT_EQ(t.écran.imagesDés[2], Face(5));
  t.Ok("1");
  EXPECT_EQ(t.DésSurTable(), "25212");
}

TEST(MouseOnDice, APressOfOkEndsTheRightClickState) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  t.Ok("33");
  ASSERT_EQ(t.DésSurTable(), "23232");
  t.Droit(2);  // keeps the threes rather than taking anything back
  EXPECT_EQ(Gardés(t), "-G-G-");
}

TEST(MouseOnDice, OtherButtonsAndDiceOutOfRangeDoNothing) {
  Table t;
  t.Ok("25262");
  t.partie.ImageDé_MouseDown(1, 4);
  t.partie.ImageDé_MouseDown(1, 0);
  t.Gauche(0);
  t.Gauche(6);
  t.Droit(-1);
  t.Place(9);
  EXPECT_EQ(Gardés(t), "GGGGG");
  EXPECT_FALSE(t.é().SélectionDroite);
}

TEST(MouseOnDice, ClicksBeforeTheFirstThrowAndAfterTheThirdDoNothing) {
  Table t;
  t.Gauche(1);
  t.Droit(2);
  t.Place(3);
  EXPECT_EQ(Gardés(t), "GGGGG");
  EXPECT_FALSE(t.é().SélectionDroite);
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], ImageDéFond);
  t.Ok("25262");
  t.Relancer("2", "2");
  t.Relancer("4", "2");
  t.Gauche(1);
  t.Droit(3);
  t.Place(2);
  EXPECT_EQ(Gardés(t), "GGGGG");
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], Face(2));
}

// The faces menu: kept dice take the new faces at once between throws only; before the first
// throw and after the third the pictures wait for the next throw.
TEST(FacesMenu, KeptDiceTakeTheNewFacesAtOnceBetweenThrowsOnly) {
  Table t;
  t.partie.ChoisirFaces(2);
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], ImageDéFond);
  t.Ok("25262");
  EXPECT_EQ(t.écran.imagesDés[3], Face(2, 2));
  t.Gauche(2);
  t.partie.ChoisirFaces(1);
  EXPECT_EQ(t.écran.imagesDés[1], Face(2, 1));
  EXPECT_EQ(t.écran.imagesDés[2], ImageDéFond);
  t.Gauche(2);
  EXPECT_EQ(t.écran.imagesDés[2], Face(5, 1));
  t.Gauche(2);
  for (int16_t inconnu : {0, 3}) t.partie.ChoisirFaces(inconnu);
  EXPECT_EQ(t.é().TypeDés, 1);
  t.Relancer("", "2");
  t.Relancer("4", "2");
  t.partie.ChoisirFaces(2);
  for (int i = 1; i <= NbDés; ++i) EXPECT_EQ(t.écran.imagesDés[i], Face(2, 1));
  t.Clic(colonne::Libre, figure::Yam);
  t.Ok("13456");
  EXPECT_EQ(t.écran.imagesDés[5], Face(6, 2));
}

}  // namespace
}  // namespace rolvex
