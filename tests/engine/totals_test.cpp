// Column totals, the upper bonus at 60/70/80, the lower bonus of 100 or 200 and the Maxi-Mini
// bonus. The random games check every total after every move; these pin the thresholds.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;
using Haut = std::array<int, 6>;

// Writes the upper figures of column c with these scores: score / f dice of face f, the
// others of another face.
void EcrireHaut(Table& t, int c, Haut scores) {
  for (int f = 1; f <= 6; ++f) {
    const int score = scores[static_cast<std::size_t>(f - 1)];
    const auto n = static_cast<std::size_t>(score / f);
    ASSERT_EQ(static_cast<int>(n) * f, score);
    t.Ecrire(
        c, f,
        std::string(n, static_cast<char>('0' + f)) + std::string(NbDes - n, f == 1 ? '2' : '1'));
  }
}

// Every lower figure made: Maxi 28, Mini 9, Full 33, Carré 46, Suite 45, ≤ 8 60, and the Yam
// given (95 for "55555", crossed out for "55554").
void EcrireBas(Table& t, int c, const char* yam = "55555") {
  for (auto [f, des] : {std::pair{figure::Maxi, "66664"},
                        {figure::Mini, "11223"},
                        {figure::Full, "33322"},
                        {figure::Carre, "44441"},
                        {figure::Suite, "12345"},
                        {figure::PetitTotal, "11114"},
                        {figure::Yam, yam}})
    t.Ecrire(c, f, des);
}
constexpr int TotalBasComplet = 28 + 9 + 33 + 46 + 45 + 60 + 95;
constexpr int BonusMaxiMini = (28 - 9) * 3;

// The upper bonus, from the upper total: 60 gives 30, 70 gives 50, 80 gives 100, inclusive.
struct CasHaut {
  Haut scores;
  int total;
  int bonus;
};
void PrintTo(const CasHaut& c, std::ostream* os) { *os << "total " << c.total; }

class UpperBonus : public testing::TestWithParam<CasHaut> {};

TEST_P(UpperBonus, FollowsTheThresholdsOfTheUpperTotal) {
  Table t(1);
  EcrireHaut(t, colonne::Libre, GetParam().scores);
  EXPECT_EQ(t.e().TotalHaut[colonne::Libre], GetParam().total);
  EXPECT_EQ(t.e().BonusHaut[colonne::Libre], GetParam().bonus);
  EXPECT_EQ(t.e().ScoreTotal, GetParam().total + GetParam().bonus);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, UpperBonus,
                         testing::Values(CasHaut{{3, 8, 12, 16, 20, 0}, 59, 0},
                                         CasHaut{{4, 8, 12, 16, 20, 0}, 60, 30},
                                         CasHaut{{3, 6, 12, 16, 20, 12}, 69, 30},
                                         CasHaut{{4, 6, 12, 16, 20, 12}, 70, 50},
                                         CasHaut{{1, 6, 12, 16, 20, 24}, 79, 50},
                                         CasHaut{{0, 8, 12, 16, 20, 24}, 80, 100},
                                         CasHaut{{5, 10, 15, 20, 25, 30}, 105, 100}));

// The lower bonus: every lower figure made earns 100, or 200 with an upper total of 60, even
// before the upper part is written; the Maxi-Mini bonus comes on top.
TEST(LowerBonus, AllSevenMadeEarn100Or200WithAnUpperTotalOfSixty) {
  struct Cas {
    std::optional<Haut> haut;
    int bonusBas;
  };
  for (const Cas& cas :
       {Cas{std::nullopt, 100}, Cas{Haut{3, 8, 12, 16, 20, 0}, 100},
        Cas{Haut{4, 8, 12, 16, 20, 0}, 200}, Cas{Haut{5, 6, 12, 16, 20, 6}, 200}}) {
    Table t(1);
    if (cas.haut) EcrireHaut(t, colonne::Libre, *cas.haut);
    EcrireBas(t, colonne::Libre);
    const int haut = t.e().TotalHaut[colonne::Libre];
    SCOPED_TRACE("upper total " + std::to_string(haut));
    EXPECT_EQ(t.e().TotalBas[colonne::Libre], TotalBasComplet);
    EXPECT_EQ(t.e().BonusBas[colonne::Libre], cas.bonusBas + BonusMaxiMini);
    EXPECT_EQ(t.e().ScoreTotal, haut + t.e().BonusHaut[colonne::Libre] + TotalBasComplet +
                                    cas.bonusBas + BonusMaxiMini);
    EXPECT_EQ(t.ecran.legendeScoreTotal, std::to_string(t.e().ScoreTotal));
  }
}

TEST(LowerBonus, AFigureCrossedOutKeepsTheColumnFromTheBonus) {
  Table t(1);
  EcrireBas(t, colonne::Libre, "55554");
  EXPECT_EQ(t.Case(colonne::Libre, figure::Yam).Score, 0);
  EXPECT_EQ(t.e().BonusBas[colonne::Libre], BonusMaxiMini);
  EXPECT_EQ(t.e().TotalBas[colonne::Libre], TotalBasComplet - 95);
}

// Maxi and Mini both made add three times their difference, whichever came first; either
// crossed out cancels it; it belongs to each column alone.
TEST(MaxiMiniBonus, AddsThreeTimesTheDifferenceOnlyWhenBothAreMade) {
  struct Cas {
    int16_t premier;
    const char* des1;
    int16_t second;
    const char* des2;
    int bonus;
  };
  const Cas cas[] = {
      {figure::Maxi, "66664", figure::Mini, "11223", 57},
      {figure::Mini, "11223", figure::Maxi, "66664", 57},
      {figure::Maxi, "66664", figure::Mini, "66664", 0},  // Mini not below Maxi: crossed out
      {figure::Mini, "33333", figure::Maxi, "33312", 0},  // Maxi not above Mini: crossed out
  };
  for (const Cas& c : cas) {
    Table t(1);
    t.Ecrire(colonne::Libre, c.premier, c.des1);
    EXPECT_EQ(t.e().BonusBas[colonne::Libre], 0) << c.des1;
    t.Ecrire(colonne::Libre, c.second, c.des2);
    EXPECT_EQ(t.e().BonusBas[colonne::Libre], c.bonus) << c.des1 << " then " << c.des2;
    EXPECT_EQ(t.e().ScoreTotal, t.e().TotalBas[colonne::Libre] + c.bonus);
  }
  Table t(3);
  t.Ecrire(colonne::Libre, figure::Maxi, "66664");
  t.Ecrire(colonne::Seche, figure::Mini, "11223");
  EXPECT_EQ(t.e().BonusBas[colonne::Libre], 0);
  EXPECT_EQ(t.e().BonusBas[colonne::Seche], 0);
}

}  // namespace
}  // namespace rolvex
