// The bonuses at their thresholds, which random games seldom reach: the upper bonus at 60, 70
// and 80, the lower bonus of 100, or 200 with an upper total of 60. The random games check
// every total against the written scores after every move.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

struct Cas {
  std::array<int, 6> haut;  // scores of As to Six, -1 for a square left free
  const char* yam;          // nullptr: no lower figure written
  int bonusHaut, bonusBas;
};

TEST(Bonuses, FollowTheirThresholds) {
  // Maxi 28 and Mini 9 add 3 × 19 = 57 to every lower bonus below.
  const Cas cas[] = {
      {{3, 8, 12, 16, 20, 0}, nullptr, 0, 0},      {{4, 8, 12, 16, 20, 0}, nullptr, 30, 0},
      {{3, 6, 12, 16, 20, 12}, nullptr, 30, 0},    {{4, 6, 12, 16, 20, 12}, nullptr, 50, 0},
      {{1, 6, 12, 16, 20, 24}, nullptr, 50, 0},    {{0, 8, 12, 16, 20, 24}, nullptr, 100, 0},
      {{-1, -1, -1, -1, -1, -1}, "55555", 0, 157}, {{3, 8, 12, 16, 20, 0}, "55555", 0, 157},
      {{4, 8, 12, 16, 20, 0}, "55555", 30, 257},   {{-1, 8, 12, 16, 20, 18}, "55555", 50, 257},
      {{4, 8, 12, 16, 20, 0}, "55554", 30, 57},  // the Yam crossed out
  };
  for (const Cas& c : cas) {
    Table t(1);
    for (int f = 1; f <= 6; ++f) {
      const int score = c.haut[static_cast<std::size_t>(f - 1)];
      if (score < 0) continue;
      const auto n = static_cast<std::size_t>(score / f);
      t.Ecrire(colonne::Libre, f,
               std::string(n, static_cast<char>('0' + f)) + std::string(5 - n, f == 1 ? '2' : '1'));
    }
    if (c.yam) {
      for (auto [f, des] : {std::pair{figure::Maxi, "66664"},
                            {figure::Mini, "11223"},
                            {figure::Full, "33322"},
                            {figure::Carre, "44441"},
                            {figure::Suite, "12345"},
                            {figure::PetitTotal, "11114"},
                            {figure::Yam, c.yam}})
        t.Ecrire(colonne::Libre, f, des);
    }
    const std::string quoi =
        "upper total " + std::to_string(t.e().TotalHaut[1]) + ", Yam " + (c.yam ? c.yam : "free");
    EXPECT_EQ(t.e().BonusHaut[colonne::Libre], c.bonusHaut) << quoi;
    EXPECT_EQ(t.e().BonusBas[colonne::Libre], c.bonusBas) << quoi;
    EXPECT_EQ(t.e().ScoreTotal, t.e().TotalHaut[1] + c.bonusHaut + t.e().TotalBas[1] + c.bonusBas);
  }
}

}  // namespace
}  // namespace rolvex
