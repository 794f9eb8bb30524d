#include "app/records/high_scores.h"

#include <gtest/gtest.h>

#include <string>

#include "tirage_fixe.h"

namespace rolvex {
namespace {

// Place p of every mode holds "P<p>" with 1000 − 50p points in 300 + p seconds.
HighScores TablesÉchelonnées() {
  HighScores s;
  for (int m = 1; m <= NbModes; ++m) {
    for (int p = 1; p <= NbPlaces; ++p) {
      s[m][p] = {"P" + std::to_string(p), static_cast<int16_t>(1000 - 50 * p), 300 + p, 10};
    }
  }
  return s;
}

PartieFinie Partie(int32_t score, int32_t temps, std::string nom = "Neuf", int16_t figures = 3) {
  return {std::move(nom), score, temps, figures};
}

std::string Noms(const TableHighScore& t) {
  std::string noms;
  for (const auto& e : t) noms += e.name + " ";
  return noms;
}

// A new result goes below the results that beat it and above those it beats or ties with.
TEST(InsertionHighScore, EqualScoreAndTimeToPlace3TakesPlace3AndPushesItDown) {
  HighScores s = TablesÉchelonnées();
  const auto p3 = s[2][3];
  EXPECT_TRUE(YesHighScore(s, 2, Partie(p3.score, p3.time)));
  EXPECT_EQ(InsertionHighScore(s, 2, Partie(p3.score, p3.time)), 3);
  EXPECT_EQ(s[2][3].name, "Neuf");
  EXPECT_EQ(s[2][4], p3);
  EXPECT_EQ(Noms(s[2]), "P1 P2 Neuf P3 P4 P5 P6 P7 P8 P9 ");
}

TEST(InsertionHighScore, EqualScoreToPlace10OneSecondSlowerDoesNotEnter) {
  HighScores s = TablesÉchelonnées();
  const HighScores avant = s;
  const auto partie = Partie(s[1][10].score, s[1][10].time + 1);
  EXPECT_FALSE(YesHighScore(s, 1, partie));
  EXPECT_EQ(InsertionHighScore(s, 1, partie), 0);
  EXPECT_EQ(s, avant);
}

TEST(InsertionHighScore, EqualScoreToPlace10EquallyFastEntersAt10) {
  HighScores s = TablesÉchelonnées();
  const auto partie = Partie(s[1][10].score, s[1][10].time);
  EXPECT_TRUE(YesHighScore(s, 1, partie));
  EXPECT_EQ(InsertionHighScore(s, 1, partie), 10);
  EXPECT_EQ(Noms(s[1]), "P1 P2 P3 P4 P5 P6 P7 P8 P9 Neuf ");
}

TEST(InsertionHighScore, EqualScoreToPlace10OneSecondFasterEntersAt10) {
  HighScores s = TablesÉchelonnées();
  const auto partie = Partie(s[1][10].score, s[1][10].time - 1);
  EXPECT_TRUE(YesHighScore(s, 1, partie));
  EXPECT_EQ(InsertionHighScore(s, 1, partie), 10);
  EXPECT_EQ(s[1][10].time, 309);
  EXPECT_EQ(s[1][9].name, "P9");
}

TEST(InsertionHighScore, ALowerScoreThanPlace10DoesNotEnterHoweverFast) {
  HighScores s = TablesÉchelonnées();
  EXPECT_FALSE(YesHighScore(s, 3, Partie(s[3][10].score - 1, 0)));
}

TEST(InsertionHighScore, BetterThanPlace1LandsFirstAndDropsFormerPlace10) {
  HighScores s = TablesÉchelonnées();
  EXPECT_EQ(InsertionHighScore(s, 3, Partie(2000, 999, "Zoé", 30)), 1);
  EXPECT_EQ(s[3][1], (HighScoreEntry{"Zoé", 2000, 999, 30}));
  EXPECT_EQ(Noms(s[3]), "Zoé P1 P2 P3 P4 P5 P6 P7 P8 P9 ");
  for (int p = 2; p <= NbPlaces; ++p) EXPECT_EQ(s[3][p], TablesÉchelonnées()[3][p - 1]);
}

TEST(InsertionHighScore, EntryAt9MovesFormer9To10) {
  HighScores s = TablesÉchelonnées();
  const auto p9 = s[2][9];
  EXPECT_EQ(InsertionHighScore(s, 2, Partie(p9.score + 1, 3000)), 9);
  EXPECT_EQ(s[2][10], p9);
  EXPECT_EQ(s[2][8], TablesÉchelonnées()[2][8]);
}

TEST(InsertionHighScore, EntryAt10OnlyReplacesFormer10) {
  HighScores s = TablesÉchelonnées();
  EXPECT_EQ(InsertionHighScore(s, 2, Partie(s[2][10].score + 1, 3000)), 10);
  EXPECT_EQ(Noms(s[2]), "P1 P2 P3 P4 P5 P6 P7 P8 P9 Neuf ");
}

TEST(InsertionHighScore, ASameScoreInAShorterTimeGoesAbove) {
  HighScores s = TablesÉchelonnées();
  EXPECT_EQ(InsertionHighScore(s, 1, Partie(s[1][5].score, s[1][5].time - 1)), 5);
  EXPECT_EQ(s[1][6].name, "P5");
}

TEST(InsertionHighScore, FiguresPlayNoPartInTheRanking) {
  HighScores s = TablesÉchelonnées();
  EXPECT_EQ(InsertionHighScore(s, 1, Partie(s[1][4].score, s[1][4].time + 1, "Mille", 40)), 5);
}

TEST(InsertionHighScore, OnlyTheTableOfTheModeChanges) {
  HighScores s = TablesÉchelonnées();
  InsertionHighScore(s, 2, Partie(5000, 10));
  EXPECT_EQ(s[1], TablesÉchelonnées()[1]);
  EXPECT_EQ(s[3], TablesÉchelonnées()[3]);
}

TEST(InsertionHighScore, KeepsTheWholeEntryOfTheGame) {
  HighScores s = TablesÉchelonnées();
  InsertionHighScore(s, 1, Partie(777, 3599, "Aé", 5));
  EXPECT_EQ(s[1][5], (HighScoreEntry{"Aé", 777, 3599, 5}));
}

TEST(InsertionHighScore, AScoreBeyond16BitsIsKeptAsTheBestAPlaceHolds) {
  HighScores s = TablesÉchelonnées();
  EXPECT_EQ(InsertionHighScore(s, 1, Partie(40000, 100)), 1);
  EXPECT_EQ(s[1][1].score, 32767);
}

TEST(InsertionHighScore, EnteringAndTheTestAgreeForEveryScoreAroundPlace10) {
  for (int score = 480; score <= 510; ++score) {
    for (int temps = 305; temps <= 315; ++temps) {
      HighScores s = TablesÉchelonnées();
      const bool entre = YesHighScore(s, 1, Partie(score, temps));
      const int16_t place = InsertionHighScore(s, 1, Partie(score, temps));
      EXPECT_EQ(entre, place != 0) << score << " in " << temps;
      EXPECT_TRUE(EstEnOrdre(s[1])) << score << " in " << temps;
    }
  }
}

// The ranking: score first, then the shorter time; equal results in any order.
TEST(EstEnOrdre, SeesAPlaceThatBeatsTheOneAbove) {
  HighScores s = TablesÉchelonnées();
  EXPECT_TRUE(EstEnOrdre(s[1]));
  s[1][7].time = s[1][6].time;
  s[1][7].score = s[1][6].score;
  EXPECT_TRUE(EstEnOrdre(s[1]));
  s[1][7].time -= 1;
  EXPECT_FALSE(EstEnOrdre(s[1]));
}

// Times read as minutes and seconds, minutes growing past two digits.
TEST(ConvertTempsEnChrono, PadsEachPartToTwoDigits) {
  EXPECT_EQ(ConvertTempsEnChrono(0), "00:00");
  EXPECT_EQ(ConvertTempsEnChrono(9), "00:09");
  EXPECT_EQ(ConvertTempsEnChrono(60), "01:00");
  EXPECT_EQ(ConvertTempsEnChrono(86), "01:26");
  EXPECT_EQ(ConvertTempsEnChrono(731), "12:11");
  EXPECT_EQ(ConvertTempsEnChrono(3599), "59:59");
}

TEST(ConvertTempsEnChrono, MinutesAreNotLimitedToTwoDigits) {
  EXPECT_EQ(ConvertTempsEnChrono(6000), "100:00");
  EXPECT_EQ(ConvertTempsEnChrono(6071), "101:11");
}

TEST(ConvertTempsEnChrono, ANegativeTimeReadsZero) { EXPECT_EQ(ConvertTempsEnChrono(-61), "00:00"); }

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
  bool diffère = false;
  for (int i = 0; i < 10000; ++i) {
    const double u = a.Uniforme();
    EXPECT_GE(u, 0.0);
    EXPECT_LT(u, 1.0);
    EXPECT_EQ(u, b.Uniforme());
    diffère = diffère || u != c.Uniforme();
  }
  EXPECT_TRUE(diffère);
}

// A first run shows a fixed first place above falling random scores.
TEST(HighScoresParDéfaut, OneColumnTableOfAFirstRun) {
  TirageFixe t(0.5);
  const TableHighScore table = HighScoresParDéfaut(t)[1];
  EXPECT_EQ(table[1], (HighScoreEntry{"Gustave", 354, 86, 6}));
  EXPECT_EQ(ConvertTempsEnChrono(table[1].time), "01:26");
  EXPECT_EQ(Noms(table), "Gustave Yves Yves Rosalie Rosalie Rosalie Rosalie Rosalie Odilon Odilon ");
  for (int p = 2; p <= NbPlaces; ++p) {
    EXPECT_EQ(ConvertTempsEnChrono(table[p].time), "01:40");
    EXPECT_EQ(table[p].figures, 5);
  }
  // R(15) = 8 for the start, every fall (R(6) + 4) × 1 = 7.
  EXPECT_EQ(table[2].score, 201);
  EXPECT_EQ(table[10].score, 208 - 7 * 9);
}

TEST(HighScoresParDéfaut, FixedFirstPlacesOfThreeAndSixColumns) {
  TirageFixe t(0.0);
  const HighScores s = HighScoresParDéfaut(t);
  EXPECT_EQ(s[2][1], (HighScoreEntry{"Gustave", 1154, 295, 16}));
  EXPECT_EQ(s[3][1], (HighScoreEntry{"Gustave", 2207, 731, 34}));
}

TEST(HighScoresParDéfaut, TimeFiguresAndFallScaleWithTheColumns) {
  TirageFixe t(0.0);  // no random part: start 200 × c, every fall 4 × c
  const HighScores s = HighScoresParDéfaut(t);
  EXPECT_EQ(s[2][2], (HighScoreEntry{"Yves", 600 - 12, 300, 15}));
  EXPECT_EQ(s[3][2], (HighScoreEntry{"Yves", 1200 - 24, 600, 30}));
  EXPECT_EQ(s[3][10], (HighScoreEntry{"Odilon", 1200 - 24 * 9, 600, 30}));
}

TEST(HighScoresParDéfaut, DrawsModeByModeThenPlaceByPlace) {
  // Mode 1 takes the first ten draws: the start, then the nine falls.
  TirageFixe t(0.0, {0.999, 0.999, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.999, 0.999});
  const HighScores s = HighScoresParDéfaut(t);
  EXPECT_EQ(t.nbTirages, 30);
  EXPECT_EQ(s[1][2].score, 215 - 10);
  EXPECT_EQ(s[1][3].score, 205 - 4);
  EXPECT_EQ(s[1][10].score, 205 - 4 * 7 - 10);
  EXPECT_EQ(s[2][2].score, 615 - 12);  // the 11th draw started mode 2
}

TEST(HighScoresParDéfaut, EveryPlaceFallsFourToTenTimesTheColumnsWhateverTheDraws) {
  for (std::uint64_t graine = 0; graine < 200; ++graine) {
    HasardUniforme h(graine);
    const HighScores s = HighScoresParDéfaut(h);
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
