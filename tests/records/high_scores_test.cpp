#include "records/high_scores.h"

#include <gtest/gtest.h>

#include <string>

#include "tirage_fixe.h"

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

std::string Noms(const TableHighScore& t) {
  std::string noms;
  for (const auto& e : t) noms += e.name + " ";
  return noms;
}

// A new result goes below the results that beat it and above those it beats or ties with;
// only the table of its mode changes, and it keeps the whole entry of the game.
struct CasInsertion {
  const char* cas;
  int16_t mode;
  int score, temps, figures;
  int16_t place;     // 0: does not enter
  const char* noms;  // the mode's table afterwards
};

TEST(InsertionHighScore, PlacesTheGameByScoreThenTimeAndTheNewerAboveATie) {
  const std::string Tous = "P1 P2 P3 P4 P5 P6 P7 P8 P9 P10 ";
  const CasInsertion cas[] = {
      {"ties place 3", 2, 850, 303, 3, 3, "P1 P2 Neuf P3 P4 P5 P6 P7 P8 P9 "},
      {"ties place 10", 1, 500, 310, 3, 10, "P1 P2 P3 P4 P5 P6 P7 P8 P9 Neuf "},
      {"place 10's score, a second faster", 1, 500, 309, 3, 10, "P1 P2 P3 P4 P5 P6 P7 P8 P9 Neuf "},
      {"place 10's score, a second slower", 1, 500, 311, 3, 0, Tous.c_str()},
      {"a point below place 10 however fast", 3, 499, 0, 3, 0, Tous.c_str()},
      {"beats place 1", 3, 2000, 999, 30, 1, "Neuf P1 P2 P3 P4 P5 P6 P7 P8 P9 "},
      {"beats place 9 slowly", 2, 551, 3000, 3, 9, "P1 P2 P3 P4 P5 P6 P7 P8 Neuf P9 "},
      {"beats place 10 slowly", 2, 501, 3000, 3, 10, "P1 P2 P3 P4 P5 P6 P7 P8 P9 Neuf "},
      {"place 5's score, a second faster", 1, 750, 304, 3, 5, "P1 P2 P3 P4 Neuf P5 P6 P7 P8 P9 "},
      {"figures play no part", 1, 800, 305, 40, 5, "P1 P2 P3 P4 Neuf P5 P6 P7 P8 P9 "},
  };
  for (const CasInsertion& c : cas) {
    SCOPED_TRACE(c.cas);
    HighScores s = TablesEchelonnees();
    const PartieFinie partie{"Neuf", c.score, c.temps, static_cast<int16_t>(c.figures)};
    EXPECT_EQ(YesHighScore(s, c.mode, partie), c.place != 0);
    EXPECT_EQ(InsertionHighScore(s, c.mode, partie), c.place);
    EXPECT_EQ(Noms(s[c.mode]), c.noms);
    if (c.place != 0) {
      EXPECT_EQ(s[c.mode][c.place], (HighScoreEntry{"Neuf", static_cast<int16_t>(c.score), c.temps,
                                                    static_cast<int16_t>(c.figures)}));
    }
    for (int m = 1; m <= NbModes; ++m) {
      if (m == c.mode) continue;
      EXPECT_EQ(s[m], TablesEchelonnees()[m]) << "mode " << m;
    }
  }
}

TEST(InsertionHighScore, AScoreBeyond16BitsIsKeptAsTheBestAPlaceHolds) {
  HighScores s = TablesEchelonnees();
  EXPECT_EQ(InsertionHighScore(s, 1, {"Neuf", 40000, 100, 3}), 1);
  EXPECT_EQ(s[1][1].score, 32767);
}

TEST(InsertionHighScore, EnteringAndTheTestAgreeForEveryScoreAroundPlace10) {
  for (int score = 480; score <= 510; ++score) {
    for (int temps = 305; temps <= 315; ++temps) {
      HighScores s = TablesEchelonnees();
      const bool entre = YesHighScore(s, 1, {"Neuf", score, temps, 3});
      const int16_t place = InsertionHighScore(s, 1, {"Neuf", score, temps, 3});
      EXPECT_EQ(entre, place != 0) << score << " in " << temps;
      EXPECT_TRUE(EstEnOrdre(s[1])) << score << " in " << temps;
    }
  }
}

// The ranking: score first, then the shorter time; equal results in any order.
TEST(EstEnOrdre, SeesAPlaceThatBeatsTheOneAbove) {
  HighScores s = TablesEchelonnees();
  EXPECT_TRUE(EstEnOrdre(s[1]));
  s[1][7].time = s[1][6].time;
  s[1][7].score = s[1][6].score;
  EXPECT_TRUE(EstEnOrdre(s[1]));
  s[1][7].time -= 1;
  EXPECT_FALSE(EstEnOrdre(s[1]));
}

// Times read as minutes and seconds, each padded to two digits, minutes growing past two.
TEST(ConvertTempsEnChrono, ReadsMinutesAndSecondsPaddedToTwoDigits) {
  const std::pair<int, const char*> cas[] = {{0, "00:00"},     {9, "00:09"},    {60, "01:00"},
                                             {86, "01:26"},    {3599, "59:59"}, {6000, "100:00"},
                                             {6071, "101:11"}, {-61, "00:00"}};
  for (const auto& [secondes, chrono] : cas) EXPECT_EQ(ConvertTempsEnChrono(secondes), chrono);
}

// R(n) rounds halves to the even neighbour.
TEST(R, RoundsToTheNearestWithHalvesToEven) {
  TirageFixe t(0.0, {0.0, 0.1, 0.25, 0.75, 0.5, 0.5, 0.999});
  EXPECT_EQ(R(t, 6), 0);
  EXPECT_EQ(R(t, 6), 1);   // 0.6
  EXPECT_EQ(R(t, 6), 2);   // 1.5
  EXPECT_EQ(R(t, 6), 4);   // 4.5
  EXPECT_EQ(R(t, 6), 3);   // 3
  EXPECT_EQ(R(t, 15), 8);  // 7.5
  EXPECT_EQ(R(t, 15), 15);
}

TEST(HasardUniforme, StaysBelowOneAndRepeatsWithItsSeed) {
  HasardUniforme a(42), b(42), c(43);
  bool differe = false;
  for (int i = 0; i < 10000; ++i) {
    const double u = a.Uniforme();
    EXPECT_GE(u, 0.0);
    EXPECT_LT(u, 1.0);
    EXPECT_EQ(u, b.Uniforme());
    differe = differe || u != c.Uniforme();
  }
  EXPECT_TRUE(differe);
}

// A first run shows a fixed first place above falling random scores.
TEST(HighScoresParDefaut, FixedFirstPlacesAboveNamesTimesAndFiguresScaledToTheColumns) {
  TirageFixe t(0.5);  // a start of 200c + R(15) = 200c + 8, every fall (R(6) + 4) × c = 7c
  const HighScores s = HighScoresParDefaut(t);
  EXPECT_EQ(s[1][1], (HighScoreEntry{"Gustave", 354, 86, 6}));
  EXPECT_EQ(s[2][1], (HighScoreEntry{"Gustave", 1154, 295, 16}));
  EXPECT_EQ(s[3][1], (HighScoreEntry{"Gustave", 2207, 731, 34}));
  EXPECT_EQ(Noms(s[1]), "Gustave Yves Yves Rosalie Rosalie Rosalie Rosalie Rosalie Odilon Odilon ");
  EXPECT_EQ(s[1][2], (HighScoreEntry{"Yves", 201, 100, 5}));
  EXPECT_EQ(s[1][10], (HighScoreEntry{"Odilon", 208 - 7 * 9, 100, 5}));
  EXPECT_EQ(s[2][2], (HighScoreEntry{"Yves", 608 - 21, 300, 15}));
  EXPECT_EQ(s[3][10], (HighScoreEntry{"Odilon", 1208 - 42 * 9, 600, 30}));
}

TEST(HighScoresParDefaut, DrawsModeByModeThenPlaceByPlace) {
  // Mode 1 takes the first ten draws: the start, then the nine falls.
  TirageFixe t(0.0, {0.999, 0.999, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.999, 0.999});
  const HighScores s = HighScoresParDefaut(t);
  EXPECT_EQ(t.nbTirages, 30);
  EXPECT_EQ(s[1][2].score, 215 - 10);
  EXPECT_EQ(s[1][3].score, 205 - 4);
  EXPECT_EQ(s[1][10].score, 205 - 4 * 7 - 10);
  EXPECT_EQ(s[2][2].score, 615 - 12);  // the 11th draw started mode 2
}

TEST(HighScoresParDefaut, EveryPlaceFallsFourToTenTimesTheColumnsWhateverTheDraws) {
  for (std::uint64_t graine = 0; graine < 200; ++graine) {
    HasardUniforme h(graine);
    const HighScores s = HighScoresParDefaut(h);
    for (int m = 1; m <= NbModes; ++m) {
      const int c = NbColonnesMode[m];
      EXPECT_TRUE(EstEnOrdre(s[m]));
      EXPECT_GE(s[m][2].score, 200 * c - 10 * c);
      EXPECT_LE(s[m][2].score, 215 * c);
      for (int p = 3; p <= NbPlaces; ++p) {
        const int chute = s[m][p - 1].score - s[m][p].score;
        EXPECT_GE(chute, 4 * c);
        EXPECT_LE(chute, 10 * c);
        EXPECT_EQ(chute % c, 0);
      }
    }
  }
}

}  // namespace
}  // namespace rolvex
