#include "session/end_of_game.h"

#include <gtest/gtest.h>

#include <string>

namespace rolvex {
namespace {

// Place p of every mode holds "P<p>" with 1000 − 50p points in 300 + p seconds.
HighScores TablesEchelonnees() {
  HighScores s;
  for (int m = 1; m <= NbModes; ++m)
    for (int p = 1; p <= NbPlaces; ++p)
      s[m][p] = {'P' + std::to_string(p), static_cast<int16_t>(1000 - 50 * p), 300 + p, 10};
  return s;
}

constexpr const char* AutreFr =
    "Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !";
constexpr const char* AutreEn = "To start a new game, click on PLAY AGAIN or press F2.";

// A game that enters is written into its mode's table alone, shown, saved, then announced
// with its place; one that does not is told so on the information line only.
TEST(FinDePartie, EntersShowsSavesAndAnnouncesThePlaceOrSaysItDoesNotEnter) {
  const struct {
    int16_t mode;
    PartieFinie partie;
    Langue langue;
    int16_t place;
    const char* message;  // nullptr: no message box
    const char* info;
  } cas[] = {
      {2,
       {"Zoé", 499, 10, 3},
       Langue::Francais,
       0,
       nullptr,
       "Malheureusement, vous ne rentrez pas dans les 10 meilleurs scores. Cliquez sur REJOUER "
       "ou touche F2 !"},
      {2,
       {"Zoé", 499, 10, 3},
       Langue::Anglais,
       0,
       nullptr,
       "You don't reach the TOP 10 ! Click on PLAY AGAIN or press F2."},
      {1, {"Zoé", 500, 311, 3}, Langue::Francais, 0, nullptr, nullptr},  // place 10, a second
                                                                         // slower
      {3,
       {"Zoé", 500, 310, 4},
       Langue::Francais,
       10,
       "Bravo, vous arrivez en 10ème position !",
       AutreFr},
      {2,
       {"Zoé", 951, 500, 6},
       Langue::Francais,
       1,
       "Félicitations, vous êtes classé en première position !!!",
       AutreFr},
      {1, {"Zoé", 851, 500, 6}, Langue::Anglais, 3, "You reach the third position !", AutreEn},
      {1, {"Zoé", 651, 500, 6}, Langue::Anglais, 7, "You reach the 7th position !", AutreEn},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " score " << c.partie.ScoreTotal);
    HighScores s = TablesEchelonnees();
    const FinDePartie fin = AppelFinPartie(s, c.mode, c.partie, c.langue);
    EXPECT_EQ(fin.place, c.place);
    EXPECT_EQ(fin.afficherScores, c.place != 0);
    EXPECT_EQ(fin.sauver, c.place != 0);
    EXPECT_EQ(fin.message.has_value(), c.message != nullptr);
    if (c.message && fin.message) {
      EXPECT_EQ(*fin.message, c.message);
    }
    if (c.info) {
      EXPECT_EQ(fin.info, c.info);
    }
    HighScores attendu = TablesEchelonnees();
    if (c.place != 0) {
      for (int p = NbPlaces; p > c.place; --p) attendu[c.mode][p] = attendu[c.mode][p - 1];
      attendu[c.mode][c.place] = {c.partie.NomJoueur, static_cast<int16_t>(c.partie.ScoreTotal),
                                  c.partie.SecondesPartie, c.partie.NbFiguresRealisees};
    }
    EXPECT_EQ(s, attendu);
  }
}

}  // namespace
}  // namespace rolvex
