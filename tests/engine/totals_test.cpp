// Column totals, the upper bonus at 60/70/80, the lower bonus of 100 or 200, the Maxi-Mini
// bonus, and the grand total.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

// Dice that score `score` in upper figure f: score / f dice of face f, the others of another face.
std::string DésPourHaut(int f, int score) {
  const int n = score / f;
  EXPECT_EQ(n * f, score);
  const char autre = f == 1 ? '2' : '1';
  return std::string(static_cast<std::size_t>(n), static_cast<char>('0' + f)) +
         std::string(static_cast<std::size_t>(NbDés - n), autre);
}

void ÉcrireHaut(Table& t, int c, std::array<int, 6> scores) {
  for (int f = 1; f <= 6; ++f) {
    t.Écrire(c, f, DésPourHaut(f, scores[static_cast<std::size_t>(f - 1)]));
    ASSERT_EQ(t.Case(c, f).Score, scores[static_cast<std::size_t>(f - 1)]);
  }
}

// Every lower figure made: Maxi 28, Mini 9, Full 33, Carré 46, Suite 45, ≤ 8 60, Yam 95.
void ÉcrireBasComplet(Table& t, int c) {
  t.Écrire(c, figure::Maxi, "66664");
  t.Écrire(c, figure::Mini, "11223");
  t.Écrire(c, figure::Full, "33322");
  t.Écrire(c, figure::Carré, "44441");
  t.Écrire(c, figure::Suite, "12345");
  t.Écrire(c, figure::PetitTotal, "11114");
  t.Écrire(c, figure::Yam, "55555");
}
constexpr int TotalBasComplet = 28 + 9 + 33 + 46 + 45 + 60 + 95;
constexpr int BonusMaxiMini = (28 - 9) * 3;

// The upper bonus, from the upper total: 60 gives 30, 70 gives 50, 80 gives 100, inclusive.
struct CasHaut {
  std::array<int, 6> scores;
  int total;
  int bonus;
};

class UpperBonus : public testing::TestWithParam<CasHaut> {};

TEST_P(UpperBonus, FollowsTheThresholdsOfTheUpperTotal) {
  Table t(1);
  ÉcrireHaut(t, colonne::Libre, GetParam().scores);
  EXPECT_EQ(t.é().TotalHaut[colonne::Libre], GetParam().total);
  EXPECT_EQ(t.é().BonusHaut[colonne::Libre], GetParam().bonus);
  EXPECT_EQ(t.é().ScoreTotal, GetParam().total + GetParam().bonus);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, UpperBonus,
                         testing::Values(CasHaut{{3, 8, 12, 16, 20, 0}, 59, 0},
                                         CasHaut{{4, 8, 12, 16, 20, 0}, 60, 30},
                                         CasHaut{{3, 6, 12, 16, 20, 12}, 69, 30},
                                         CasHaut{{4, 6, 12, 16, 20, 12}, 70, 50},
                                         CasHaut{{1, 6, 12, 16, 20, 24}, 79, 50},
                                         CasHaut{{0, 8, 12, 16, 20, 24}, 80, 100},
                                         CasHaut{{5, 10, 15, 20, 25, 30}, 105, 100}));

// The upper bonus is exact at every moment, not only once the upper part is complete.
TEST(UpperBonusEarly, AppearsAsSoonAsTheUpperTotalReachesSixty) {
  Table t(1);
  t.Écrire(colonne::Libre, figure::Six, "66666");
  t.Écrire(colonne::Libre, figure::Cinq, "55555");
  EXPECT_EQ(t.é().BonusHaut[colonne::Libre], 0);
  t.Écrire(colonne::Libre, figure::Deux, "22211");
  EXPECT_EQ(t.é().TotalHaut[colonne::Libre], 61);
  EXPECT_EQ(t.é().BonusHaut[colonne::Libre], 30);
  EXPECT_EQ(t.é().ScoreTotal, 91);
}

// The lower bonus: every lower figure made earns 100, or 200 with an upper total of 60; the
// Maxi-Mini bonus adds three times their difference.
TEST(LowerBonus, AllSevenMadeWithAnUpperTotalOf59Earn100) {
  Table t(1);
  ÉcrireHaut(t, colonne::Libre, {3, 8, 12, 16, 20, 0});
  ÉcrireBasComplet(t, colonne::Libre);
  EXPECT_EQ(t.é().TotalBas[colonne::Libre], TotalBasComplet);
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 100 + BonusMaxiMini);
  EXPECT_EQ(t.é().ScoreTotal, 59 + TotalBasComplet + 100 + BonusMaxiMini);
}

TEST(LowerBonus, AllSevenMadeWithAnUpperTotalOf60Earn200) {
  Table t(1);
  ÉcrireHaut(t, colonne::Libre, {4, 8, 12, 16, 20, 0});
  ÉcrireBasComplet(t, colonne::Libre);
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 200 + BonusMaxiMini);
}

TEST(LowerBonus, WithAnUpperTotalOf65TheLowerBonusShows257) {
  Table t(1);
  ÉcrireHaut(t, colonne::Libre, {5, 6, 12, 16, 20, 6});
  ÉcrireBasComplet(t, colonne::Libre);
  EXPECT_EQ(t.é().TotalHaut[colonne::Libre], 65);
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 257);
  EXPECT_EQ(t.é().ScoreTotal, 65 + 30 + TotalBasComplet + 257);
  EXPECT_EQ(t.écran.légendeScoreTotal, std::to_string(t.é().ScoreTotal));
}

TEST(LowerBonus, TheAllFiguresBonusCountsEvenBeforeTheUpperPartIsWritten) {
  Table t(1);
  ÉcrireBasComplet(t, colonne::Libre);
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 100 + BonusMaxiMini);
}

TEST(LowerBonus, AFigureCrossedOutKeepsTheColumnFromTheBonus) {
  Table t(1);
  t.Écrire(colonne::Libre, figure::Maxi, "66664");
  t.Écrire(colonne::Libre, figure::Mini, "11223");
  t.Écrire(colonne::Libre, figure::Full, "33322");
  t.Écrire(colonne::Libre, figure::Carré, "44441");
  t.Écrire(colonne::Libre, figure::Suite, "12345");
  t.Écrire(colonne::Libre, figure::PetitTotal, "11114");
  t.Écrire(colonne::Libre, figure::Yam, "55554");  // crossed out
  EXPECT_EQ(t.Case(colonne::Libre, figure::Yam).Score, 0);
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], BonusMaxiMini);
  EXPECT_EQ(t.é().TotalBas[colonne::Libre], TotalBasComplet - 95);
}

// Maxi and Mini both made add three times their difference; either crossed out cancels it.
TEST(MaxiMiniBonus, AddsThreeTimesTheDifference) {
  Table t(1);
  t.Écrire(colonne::Libre, figure::Maxi, "66664");
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 0);  // Mini not written yet
  t.Écrire(colonne::Libre, figure::Mini, "11223");
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 57);
  EXPECT_EQ(t.é().TotalBas[colonne::Libre], 37);
  EXPECT_EQ(t.é().ScoreTotal, 94);
}

TEST(MaxiMiniBonus, MiniWrittenFirstCountsTheSame) {
  Table t(1);
  t.Écrire(colonne::Libre, figure::Mini, "11223");
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 0);
  t.Écrire(colonne::Libre, figure::Maxi, "66664");
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 57);
}

TEST(MaxiMiniBonus, AMiniCrossedOutCancelsIt) {
  Table t(1);
  t.Écrire(colonne::Libre, figure::Maxi, "66664");
  t.Écrire(colonne::Libre, figure::Mini, "66664");  // not below Maxi: written 0
  EXPECT_EQ(t.Case(colonne::Libre, figure::Mini).Score, 0);
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 0);
}

TEST(MaxiMiniBonus, AMaxiCrossedOutCancelsIt) {
  Table t(1);
  t.Écrire(colonne::Libre, figure::Mini, "33333");
  t.Écrire(colonne::Libre, figure::Maxi, "33312");  // 12, below Mini: written 0
  EXPECT_EQ(t.Case(colonne::Libre, figure::Maxi).Score, 0);
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 0);
}

TEST(MaxiMiniBonus, BelongsToEachColumnAlone) {
  Table t(3);
  t.Écrire(colonne::Libre, figure::Maxi, "66664");
  t.Écrire(colonne::Sèche, figure::Mini, "11223");
  EXPECT_EQ(t.é().BonusBas[colonne::Libre], 0);
  EXPECT_EQ(t.é().BonusBas[colonne::Sèche], 0);
  t.Écrire(colonne::Sèche, figure::Maxi, "66655");
  EXPECT_EQ(t.é().BonusBas[colonne::Sèche], (28 - 9) * 3);
}

// The grand total adds every column in play.
TEST(GrandTotal, AddsTheSixColumnsOfTheSixColumnGame) {
  Table t(3);
  t.Écrire(colonne::Libre, figure::Yam, "66666");        // 100
  t.Écrire(colonne::Descente, figure::As, "11111");      // 5
  t.Écrire(colonne::Montée, figure::Yam, "11111");       // 75
  t.Écrire(colonne::Sèche, figure::Suite, "12345");      // 45
  t.Écrire(colonne::Deux, figure::Six, "66666");         // 30
  t.Annoncer(figure::Carré, "22221");                    // 38
  EXPECT_EQ(t.é().ScoreTotal, 100 + 5 + 75 + 45 + 30 + 38);
  EXPECT_EQ(t.é().TotalBas[colonne::Annonce], 38);
  EXPECT_EQ(t.é().TotalHaut[colonne::Deux], 30);
  EXPECT_EQ(t.écran.légendeScoreTotal, "293");
}

TEST(GrandTotal, IsExactAfterEveryTurnNotOnlyAtTheEnd) {
  Table t(1);
  int attendu = 0;
  const std::array<std::pair<int, const char*>, 4> coups{
      {{figure::Six, "66612"}, {figure::Full, "55566"}, {figure::Cinq, "55551"}, {figure::Quatre, "44441"}}};
  for (auto [f, dés] : coups) {
    t.Écrire(colonne::Libre, f, dés);
    attendu += t.Case(colonne::Libre, f).Score;
    EXPECT_EQ(t.é().ScoreTotal, attendu + t.é().BonusHaut[colonne::Libre]);
  }
  EXPECT_EQ(t.é().TotalHaut[colonne::Libre], 18 + 20 + 16);
}

}  // namespace
}  // namespace rolvex
