#include "records/high_scores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace rolvex {
namespace {

// The ranking written apart from the code: a higher score, or the same score in less time.
bool Devant(const HighScoreEntry& a, const HighScoreEntry& b) {
  return std::pair(-a.score, a.time) < std::pair(-b.score, b.time);
}

// A table, sorted or not, of places drawn from narrow ranges so that scores and times tie.
TableHighScore TableAuHasard(std::mt19937& g, bool triee) {
  TableHighScore t;
  for (auto& e : t)
    e = {std::to_string(g()), static_cast<int16_t>(480 + g() % 20), 300 + int(g() % 4), 3};
  if (triee) std::stable_sort(t.begin(), t.end(), Devant);
  return t;
}

// A game goes below every result that ranks above it and above all others, the newer above a
// tie; the former place 10 drops out, and only the table of its mode changes. A score beyond
// 16 bits is kept as 32767.
TEST(InsertionHighScore, PlacesTheGameWhereTheRankingSaysAndKeepsTheTableInOrder) {
  std::mt19937 g(5);
  for (int essai = 0; essai < 3000; ++essai) {
    const TableHighScore melee = TableAuHasard(g, false);
    EXPECT_EQ(EstEnOrdre(melee), std::is_sorted(melee.begin(), melee.end(), Devant));

    HighScores s;
    for (auto& table : s) table = TableAuHasard(g, true);
    const HighScores avant = s;
    const int16_t mode = static_cast<int16_t>(1 + g() % 3);
    const PartieFinie partie{"Neuf", essai % 100 ? 478 + int(g() % 24) : 40000, 299 + int(g() % 6),
                             7};
    const HighScoreEntry neuf{"Neuf", static_cast<int16_t>(std::min(partie.ScoreTotal, 32767)),
                              partie.SecondesPartie, 7};
    std::vector<HighScoreEntry> attendu(avant[mode].begin(), avant[mode].end());
    const auto place =
        1 + std::count_if(attendu.begin(), attendu.end(), [&](auto& e) { return Devant(e, neuf); });
    attendu.insert(attendu.begin() + place - 1, neuf);
    attendu.resize(NbPlaces);

    EXPECT_EQ(YesHighScore(s, mode, partie), place <= NbPlaces);
    EXPECT_EQ(InsertionHighScore(s, mode, partie), place <= NbPlaces ? place : 0);
    EXPECT_TRUE(std::equal(s[mode].begin(), s[mode].end(), attendu.begin())) << essai;
    EXPECT_TRUE(EstEnOrdre(s[mode]));
    for (int m = 1; m <= NbModes; ++m) EXPECT_TRUE(m == mode || s[m] == avant[m]);
  }
}

TEST(ConvertTempsEnChrono, WritesMinutesAndSecondsOfAtLeastTwoDigits) {
  EXPECT_EQ(ConvertTempsEnChrono(-61), "00:00");
  for (int t = 0; t <= 7200; ++t) {
    char attendu[32];
    std::snprintf(attendu, sizeof attendu, "%02d:%02d", t / 60, t % 60);
    EXPECT_EQ(ConvertTempsEnChrono(t), attendu);
  }
}

// Draws chosen by a test: the listed values in order, then `ensuite` for ever.
struct TirageFixe final : TirageUniforme {
  TirageFixe(double e, std::vector<double> d = {}) : dAbord(std::move(d)), ensuite(e) {}
  double Uniforme() override {
    return nbTirages < dAbord.size() ? dAbord[nbTirages++] : (++nbTirages, ensuite);
  }
  std::vector<double> dAbord;
  double ensuite;
  std::size_t nbTirages = 0;
};

// R(n) rounds to the nearest integer, halves to the even neighbour.
TEST(R, RoundsToTheNearestWithHalvesToEven) {
  TirageFixe t(0.0, {0.0, 0.1, 0.25, 0.75, 0.5, 0.5, 0.999});
  for (int attendu : {0, 1, 2, 4, 3, 8, 15}) EXPECT_EQ(R(t, attendu < 8 ? 6 : 15), attendu);
}

TEST(HasardUniforme, SpreadsOverZeroToOneAndRepeatsWithItsSeed) {
  HasardUniforme a(42), b(42);
  std::vector<double> tirages(10000);
  for (double& u : tirages) EXPECT_EQ(u = a.Uniforme(), b.Uniforme());
  const auto [bas, haut] = std::minmax_element(tirages.begin(), tirages.end());
  EXPECT_TRUE(*bas >= 0 && *bas < 0.01 && *haut > 0.99 && *haut < 1) << *bas << " " << *haut;
  EXPECT_NE(HasardUniforme(43).Uniforme(), tirages[0]);
}

// A first run: a fixed first place above scores falling from 200 per column by 4 to 10 per
// column a place, the draws taken mode 1 to 3, each place 1 to 10.
TEST(HighScoresParDefaut, FixedFirstPlacesAboveFallingScoresNamedByPlace) {
  TirageFixe t(0.5);  // a start of R(15) = 8, every fall R(6) + 4 = 7 times the columns
  const HighScores s = HighScoresParDefaut(t);
  const HighScoreEntry premieres[] = {
      {"Gustave", 354, 86, 6}, {"Gustave", 1154, 295, 16}, {"Gustave", 2207, 731, 34}};
  for (int m = 1; m <= NbModes; ++m) {
    const int c = NbColonnesMode[m];
    EXPECT_EQ(s[m][1], premieres[m - 1]);
    for (int p = 2; p <= NbPlaces; ++p)
      EXPECT_EQ(s[m][p], (HighScoreEntry{p <= 3   ? "Yves"
                                         : p <= 8 ? "Rosalie"
                                                  : "Odilon",
                                         static_cast<int16_t>(200 * c + 8 - 7 * c * (p - 1)),
                                         100 * c, static_cast<int16_t>(5 * c)}));
  }
  TirageFixe u(0.0, {0.999, 0.999, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.999, 0.999});
  const HighScores d = HighScoresParDefaut(u);
  EXPECT_EQ(u.nbTirages, 30u);
  EXPECT_TRUE(d[1][2].score == 215 - 10 && d[1][10].score == 205 - 4 * 7 - 10);
  EXPECT_EQ(d[2][2].score, 615 - 12);  // the 11th draw started mode 2
}

}  // namespace
}  // namespace rolvex
