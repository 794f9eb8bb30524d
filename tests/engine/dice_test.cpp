// Throws, the refusals of the OK button, keeping and throwing dice with the mouse, and the
// choice of faces.
#include <gtest/gtest.h>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

constexpr int16_t Face(int valeur, int typeDes = 1) {
  return static_cast<int16_t>(valeur - 1 + (typeDes - 1) * 6);
}

std::string Gardes(const Table& t) {
  std::string s;
  for (bool g : t.e().DesGardes) s += g ? 'G' : '-';
  return s;
}

// The OK button throws up to three times, each throw counted on the button.
TEST(Throw, TheFirstPressThrowsAllFiveDiceAndLaterOnesOnlyTheReleasedDice) {
  Table t;
  ASSERT_EQ(Gardes(t), "GGGGG");
  t.Ok("52614");
  EXPECT_EQ(t.DesSurTable(), "52614");
  EXPECT_EQ(t.ecran.legendeOkDe, "1");
  EXPECT_EQ(t.ecran.imagesDes[1], Face(5));
  EXPECT_EQ(t.ecran.imagesDes[4], Face(1));
  EXPECT_EQ(t.ecran.message, Message::MsgBoutonsSouris);
  EXPECT_EQ(t.ecran.legendeTotalDes, "18");
  t.Relancer("24", "33");
  EXPECT_EQ(t.DesSurTable(), "53634");
  EXPECT_EQ(t.ecran.imagesDes[2], Face(3));
  EXPECT_EQ(t.ecran.legendeOkDe, "2");
  EXPECT_EQ(t.ecran.message, Message::MsgChoisirOuJeter);
  EXPECT_EQ(Gardes(t), "GGGGG");
  t.Relancer("1", "6");
  EXPECT_EQ(t.DesSurTable(), "63634");
  EXPECT_EQ(t.ecran.legendeOkDe, "3");
  EXPECT_EQ(t.ecran.message, Message::MsgChoisirCase);
  EXPECT_EQ(t.ecran.legendeTotalDes, "22");
}

// OK refuses a throw that would change nothing or serve no square, and says why.
TEST(OkRefusal, WithEveryDieKeptItThrowsNothingAndSaysWhatToDo) {
  Table t;
  t.Ok("12346");
  t.ecran.Oublier();
  t.OkSansJet();
  EXPECT_EQ(t.e().NbJets, 1);
  EXPECT_EQ(t.ecran.message, Message::MsgBoutonsSouris);
  EXPECT_EQ(t.ecran.legendeOkDe, "1");
  EXPECT_EQ(t.ecran.nbDessins, 0);
  t.Relancer("5", "5");
  t.Gauche(1);
  t.Gauche(1);  // released, then kept again: all five kept
  t.OkSansJet();
  EXPECT_EQ(t.e().NbJets, 2);
  EXPECT_EQ(t.ecran.message, Message::MsgChoisirOuJeter);
  t.Relancer("5", "1");
  t.OkSansJet();  // after the third throw, without an announcement
  EXPECT_EQ(t.e().NbJets, 3);
  EXPECT_EQ(t.ecran.message, Message::MsgChoisirCase);
  EXPECT_EQ(t.ecran.legendeOkDe, "3");
  EXPECT_EQ(t.NbPrises(), 0);
}

TEST(OkRefusal, WithAnAnnouncementPendingEveryPressThrowsEvenWithAllDiceKept) {
  Table t;
  t.Ok("44412");
  t.Clic(colonne::Annonce, figure::Carre);
  t.Ok("");
  t.Ok("");
  EXPECT_EQ(t.ecran.legendeOkDe, "3");
  EXPECT_EQ(t.DesSurTable(), "44412");
  EXPECT_FALSE(t.Case(colonne::Annonce, figure::Carre).Prise);
}

TEST(OkRefusal, WithLibreDescenteMonteeAndDeuxCompleteOnlySecheOrAnAnnouncementServeAfterOneThrow) {
  Table t(3);
  for (int c : {colonne::Libre, colonne::Descente, colonne::Montee, colonne::Deux}) t.Remplir(c);
  t.Ok("66612");
  t.Gauche(4);
  t.OkSansJet();
  EXPECT_EQ(t.e().NbJets, 1);
  EXPECT_EQ(t.ecran.message, Message::MsgChoisirCase);
  // Both ways out remain: a Sèche square now, or an announcement.
  EXPECT_TRUE(t.Case(colonne::Seche, figure::Six).Visible);
  t.Clic(colonne::Annonce, figure::Six);
  EXPECT_EQ(t.e().FigureAnnoncee, figure::Six);
  t.Ok("5");
}

TEST(OkRefusal, WithLibreDescenteAndMonteeCompleteNoThirdThrowIsAllowed) {
  Table t(3);
  for (int c : {colonne::Libre, colonne::Descente, colonne::Montee}) t.Remplir(c);
  t.Ok("66612");
  t.Relancer("4", "3");  // Deux is still open: the second throw is allowed
  t.Gauche(5);
  t.OkSansJet();
  EXPECT_EQ(t.e().NbJets, 2);
  EXPECT_EQ(t.ecran.message, Message::MsgChoisirCase);
  EXPECT_TRUE(t.Case(colonne::Deux, figure::Six).Visible);
}

TEST(OkRefusal, TheRefusalsDoNotApplyWhileLibreDescenteOrMonteeIsOpen) {
  Table t(3);
  for (int c : {colonne::Libre, colonne::Descente}) t.Remplir(c);
  t.Ok("66612");
  t.Relancer("4", "3");
  t.Relancer("5", "6");
  EXPECT_EQ(t.DesSurTable(), "66636");
}

TEST(OkRefusal, APressBeforeAnyGameDoesNothing) {
  DeEquitable hasard(1);
  AffichageMemoire ecran;
  Partie partie(ecran, hasard);
  partie.AppelOkDeClique();
  EXPECT_EQ(partie.Etat().NbJets, 0);
  EXPECT_EQ(essai::EnTexte(partie.Etat().Des), "?????");
  EXPECT_EQ(ecran.nbDessins, 0);
}

// Left button: keep or throw one die; right button: keep the dice identical to one, or take
// that back; a click on the place of a released die brings it back. Only between throws.
struct Gestes {
  const char* gestes;  // "D1G3P2": right on die 1, left on die 3, place of die 2
  const char* gardes;
};

TEST(MouseOnDice, EachSequenceOfClicksKeepsTheDiceItShould) {
  const Gestes cas[] = {
      {"G3", "GG-GG"},   {"G3G3", "GGGGG"},
      {"D1", "G-G-G"},   {"D1D3", "GGGGG"},    // the second right click takes the first back
      {"D4", "---G-"},                         // a face alone keeps that die alone
      {"D1G2", "GGG-G"}, {"D1G2D1", "G-G-G"},  // keeping a die cancels the right click
      {"D1G3", "G---G"}, {"D1G3D1", "GGGGG"},  // releasing one leaves it standing
      {"D1P2", "GGG-G"}, {"D1P2D1", "G-G-G"},  // bringing one back cancels it
      {"D1P1", "G-G-G"}, {"D1P1D1", "GGGGG"},  // the place of a kept die does nothing
  };
  for (const Gestes& g : cas) {
    Table t;
    t.Ok("25262");
    for (const char* p = g.gestes; *p; p += 2) {
      const int de = p[1] - '0';
      if (p[0] == 'G') t.Gauche(de);
      if (p[0] == 'D') t.Droit(de);
      if (p[0] == 'P') t.Place(de);
    }
    EXPECT_EQ(Gardes(t), g.gardes) << g.gestes;
  }
}

TEST(MouseOnDice, AReleasedDieShowsItsEmptyPlaceAndAKeptOneItsFace) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  EXPECT_EQ(t.ecran.imagesDes[2], ImageDeFond);
  EXPECT_EQ(t.ecran.imagesDes[4], ImageDeFond);
  EXPECT_EQ(t.ecran.imagesDes[5], Face(2));
  t.Place(2);
  EXPECT_EQ(t.ecran.imagesDes[2], Face(5));
  t.Ok("1");
  EXPECT_EQ(t.DesSurTable(), "25212");
}

TEST(MouseOnDice, APressOfOkEndsTheRightClickState) {
  Table t;
  t.Ok("25262");
  t.Droit(1);
  t.Ok("33");
  ASSERT_EQ(t.DesSurTable(), "23232");
  t.Droit(2);  // keeps the threes rather than taking anything back
  EXPECT_EQ(Gardes(t), "-G-G-");
}

TEST(MouseOnDice, OtherButtonsAndDiceOutOfRangeDoNothing) {
  Table t;
  t.Ok("25262");
  t.partie.ImageDe_MouseDown(1, 4);
  t.partie.ImageDe_MouseDown(1, 0);
  t.Gauche(0);
  t.Gauche(6);
  t.Droit(-1);
  t.Place(9);
  EXPECT_EQ(Gardes(t), "GGGGG");
  EXPECT_FALSE(t.e().SelectionDroite);
}

TEST(MouseOnDice, ClicksBeforeTheFirstThrowAndAfterTheThirdDoNothing) {
  Table t;
  t.Gauche(1);
  t.Droit(2);
  t.Place(3);
  EXPECT_EQ(Gardes(t), "GGGGG");
  EXPECT_FALSE(t.e().SelectionDroite);
  for (int i = 1; i <= NbDes; ++i) EXPECT_EQ(t.ecran.imagesDes[i], ImageDeFond);
  t.Ok("25262");
  t.Relancer("2", "2");
  t.Relancer("4", "2");
  t.Gauche(1);
  t.Droit(3);
  t.Place(2);
  EXPECT_EQ(Gardes(t), "GGGGG");
  for (int i = 1; i <= NbDes; ++i) EXPECT_EQ(t.ecran.imagesDes[i], Face(2));
}

// The faces menu: kept dice take the new faces at once between throws only; before the first
// throw and after the third the pictures wait for the next throw.
TEST(FacesMenu, KeptDiceTakeTheNewFacesAtOnceBetweenThrowsOnly) {
  Table t;
  t.partie.ChoisirFaces(2);
  for (int i = 1; i <= NbDes; ++i) EXPECT_EQ(t.ecran.imagesDes[i], ImageDeFond);
  t.Ok("25262");
  EXPECT_EQ(t.ecran.imagesDes[3], Face(2, 2));
  t.Gauche(2);
  t.partie.ChoisirFaces(1);
  EXPECT_EQ(t.ecran.imagesDes[1], Face(2, 1));
  EXPECT_EQ(t.ecran.imagesDes[2], ImageDeFond);
  t.Gauche(2);
  EXPECT_EQ(t.ecran.imagesDes[2], Face(5, 1));
  t.Gauche(2);
  for (int16_t inconnu : {0, 3}) t.partie.ChoisirFaces(inconnu);
  EXPECT_EQ(t.e().TypeDes, 1);
  t.Relancer("", "2");
  t.Relancer("4", "2");
  t.partie.ChoisirFaces(2);
  for (int i = 1; i <= NbDes; ++i) EXPECT_EQ(t.ecran.imagesDes[i], Face(2, 1));
  t.Clic(colonne::Libre, figure::Yam);
  t.Ok("13456");
  EXPECT_EQ(t.ecran.imagesDes[5], Face(6, 2));
}

}  // namespace
}  // namespace rolvex
