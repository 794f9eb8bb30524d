// The fair die: every face comes from exactly as many random words as the others; a fixed seed
// replays the same dice, and without one every new game is seeded afresh.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/dice.h"

namespace rolvex {
namespace {

// Words of 16, 32 and 64 bits all number 6k + 4: the top four alone are refused.
TEST(FairFace, EveryWordGivesEachFaceEquallyAndOnlyTheTopFourAreRefused) {
  std::array<int, 7> parFace{};  // [0]: the words refused
  for (int w = 0; w <= 0xFFFF; ++w) ++parFace[FaceEquitable(std::uint16_t(w)).value_or(0)];
  EXPECT_EQ(parFace, (std::array{4, 10922, 10922, 10922, 10922, 10922, 10922}));
  auto verifierLeHaut = []<typename Mot>(Mot max) {
    EXPECT_EQ(FaceEquitable(static_cast<Mot>(max - 4)), 6);
    for (Mot w = max - 3; w != 0; ++w) EXPECT_FALSE(FaceEquitable(w).has_value()) << w;
  };
  verifierLeHaut(std::numeric_limits<std::uint32_t>::max());
  verifierLeHaut(std::numeric_limits<std::uint64_t>::max());
}

std::vector<int16_t> Tirer(SourceDes& de, std::size_t n) {
  std::vector<int16_t> faces(n);
  for (int16_t& f : faces) f = de.Face();
  return faces;
}

// A seed kept with a replay gives the same dice in every version of the game, at every new game,
// whether the die was made with it (the random games end on that) or given it later. Without
// one each new game is seeded afresh (6^-40: a repeat would mean the same seed).
TEST(FairDie, AFixedSeedReplaysItsStreamAndNoSeedGivesAFreshOne) {
  const std::vector<int16_t> flux{2, 5, 4, 1, 3, 5, 2, 5, 3, 1, 6, 1};
  DeEquitable de(0x0123456789ABCDEF), autre(1);
  EXPECT_EQ(Tirer(de, 12), flux);
  autre.FixerGraine(0x0123456789ABCDEF);
  autre.NouvellePartie();
  EXPECT_EQ(Tirer(autre, 12), flux);

  DeEquitable libre, libre2;
  const auto avant = Tirer(libre, 40);
  EXPECT_NE(Tirer(libre2, 40), avant);
  libre.NouvellePartie();
  EXPECT_NE(Tirer(libre, 40), avant);
}

}  // namespace
}  // namespace rolvex
