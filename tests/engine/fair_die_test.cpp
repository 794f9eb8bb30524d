// The fair die: every face comes from exactly as many random words as the others; a fixed seed
// replays the same dice, and without one every new game is seeded afresh.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "engine/dice.h"

namespace rolvex {
namespace {

// Words of 16, 32 and 64 bits all number 6k + 4: the top four alone are refused.
template <typename Mot>
void VerifierLeHaut() {
  constexpr Mot max = std::numeric_limits<Mot>::max();
  EXPECT_EQ(FaceEquitable(static_cast<Mot>(max - 4)), 6);
  for (Mot w = max - 3; w != 0; ++w) EXPECT_FALSE(FaceEquitable(w).has_value()) << w;
}

TEST(FairFace, EveryWordGivesEachFaceEquallyAndOnlyTheTopFourAreRefused) {
  std::map<int, int> parFace;
  for (int w = 0; w <= 0xFFFF; ++w)
    if (const auto face = FaceEquitable(static_cast<std::uint16_t>(w))) ++parFace[*face];
  EXPECT_EQ(parFace, (std::map<int, int>{
                         {1, 10922}, {2, 10922}, {3, 10922}, {4, 10922}, {5, 10922}, {6, 10922}}));
  VerifierLeHaut<std::uint16_t>();
  VerifierLeHaut<std::uint32_t>();
  VerifierLeHaut<std::uint64_t>();
}

std::vector<int16_t> Tirer(SourceDes& de, int n) {
  std::vector<int16_t> faces;
  for (int i = 0; i < n; ++i) faces.push_back(de.Face());
  return faces;
}

// A seed kept with a replay gives the same dice in every version of the game, at every new game,
// whether the die was made with it or given it later.
TEST(FairDie, AFixedSeedReplaysItsStream) {
  constexpr std::uint64_t graine = 0x0123456789ABCDEF;
  const std::vector<int16_t> flux{2, 5, 4, 1, 3, 5, 2, 5, 3, 1, 6, 1};
  DeEquitable de(graine);
  EXPECT_EQ(Tirer(de, 12), flux);
  de.NouvellePartie();
  EXPECT_EQ(Tirer(de, 12), flux);
  DeEquitable autre(1);
  autre.FixerGraine(graine);
  autre.NouvellePartie();
  EXPECT_EQ(Tirer(autre, 12), flux);
}

TEST(FairDie, WithoutASeedEachNewGameIsSeededAfresh) {
  DeEquitable de;
  DeEquitable autre;
  const auto avant = Tirer(de, 40);
  EXPECT_NE(Tirer(autre, 40), avant);  // 6^-40: a repeat would mean the same seed
  de.NouvellePartie();
  EXPECT_NE(Tirer(de, 40), avant);
}

}  // namespace
}  // namespace rolvex
