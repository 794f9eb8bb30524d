#include "app/records/end_of_game.h"

#include <gtest/gtest.h>

#include <string>

namespace rolvex {
namespace {

// Place p of every mode holds "P<p>" with 1000 − 50p points in 300 + p seconds.
HighScores TablesÉchelonnées() {
  HighScores s;
  for (int m = 1; m <= NbModes; ++m)
    for (int p = 1; p <= NbPlaces; ++p)
      s[m][p] = {"P" + std::to_string(p), static_cast<int16_t>(1000 - 50 * p), 300 + p, 10};
  return s;
}

// A score that lands at `place` (1..10) of the staggered tables.
PartieFinie PourPlace(int place) {
  return {"Zoé", 1000 - 50 * place + 1, 500, 6};
}

// A game that does not enter leaves every table as it was, shows none and writes nothing.
TEST(FinDePartie, AGameBelowPlace10IsToldSoOnTheInformationLineOnly) {
  HighScores s = TablesÉchelonnées();
  const HighScores avant = s;
  const FinDePartie fr = AppelFinPartie(s, 2, {"Zoé", 499, 10, 3}, Langue::Français);
  EXPECT_EQ(fr.place, 0);
  EXPECT_FALSE(fr.afficherScores);
  EXPECT_FALSE(fr.sauver);
  EXPECT_FALSE(fr.message);
  EXPECT_EQ(fr.info,
            "Malheureusement, vous ne rentrez pas dans les 10 meilleurs scores. Cliquez sur "
            "REJOUER ou touche F2 !");
  EXPECT_EQ(s, avant);
  EXPECT_EQ(AppelFinPartie(s, 2, {"Zoé", 499, 10, 3}, Langue::Anglais).info,
            "You don't reach the TOP 10 ! Click on PLAY AGAIN or press F2.");
}

TEST(FinDePartie, TheScoreOfPlace10OneSecondSlowerDoesNotEnter) {
  HighScores s = TablesÉchelonnées();
  const FinDePartie fin = AppelFinPartie(s, 1, {"Zoé", 500, 311, 3}, Langue::Français);
  EXPECT_EQ(fin.place, 0);
  EXPECT_FALSE(fin.sauver);
}

// A game that enters is written into its mode's table, shown, saved, then announced.
TEST(FinDePartie, TheScoreOfPlace10AsFastEntersAtPlace10) {
  HighScores s = TablesÉchelonnées();
  const FinDePartie fin = AppelFinPartie(s, 3, {"Zoé", 500, 310, 4}, Langue::Français);
  EXPECT_EQ(fin.place, 10);
  EXPECT_TRUE(fin.afficherScores);
  EXPECT_TRUE(fin.sauver);
  EXPECT_EQ(fin.message, "Bravo, vous arrivez en 10ème position !");
  EXPECT_EQ(fin.info, "Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !");
  EXPECT_EQ(s[3][10], (HighScoreEntry{"Zoé", 500, 310, 4}));
  EXPECT_EQ(s[3][9].name, "P9");
}

TEST(FinDePartie, OnlyTheTableOfTheGamesModeChanges) {
  HighScores s = TablesÉchelonnées();
  const HighScores avant = s;
  AppelFinPartie(s, 2, PourPlace(1), Langue::Français);
  EXPECT_EQ(s[1], avant[1]);
  EXPECT_EQ(s[3], avant[3]);
  EXPECT_EQ(s[2][1].name, "Zoé");
  EXPECT_EQ(s[2][2].name, "P1");
}

struct CasPlace {
  int place;
  Langue langue;
  std::string_view message;
  std::string_view info;
};

class MessagesDePlace : public ::testing::TestWithParam<CasPlace> {};

TEST_P(MessagesDePlace, AnnounceThePlaceInTheLanguage) {
  const CasPlace& cas = GetParam();
  HighScores s = TablesÉchelonnées();
  const FinDePartie fin = AppelFinPartie(s, 1, PourPlace(cas.place), cas.langue);
  EXPECT_EQ(fin.place, cas.place);
  EXPECT_EQ(fin.message, cas.message);
  EXPECT_EQ(fin.info, cas.info);
  EXPECT_EQ(s[1][cas.place].name, "Zoé");
}

constexpr std::string_view AutreFr =
    "Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !";
constexpr std::string_view AutreEn = "To start a new game, click on PLAY AGAIN or press F2.";

INSTANTIATE_TEST_SUITE_P(
    FinDePartie, MessagesDePlace,
    ::testing::Values(
        CasPlace{1, Langue::Français, "Félicitations, vous êtes classé en première position !!!",
                 AutreFr},
        CasPlace{3, Langue::Anglais, "You reach the third position !", AutreEn},
        CasPlace{7, Langue::Anglais, "You reach the 7th position !", AutreEn}));

}  // namespace
}  // namespace rolvex
