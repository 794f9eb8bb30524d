// The fair die: every face comes from exactly as many random words as the others; a fixed seed
// replays the same dice, and without one every new game is seeded afresh.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <vector>

#include "engine/dice.h"

namespace rolvex {
namespace {

// Each face from as many words as the others: of the 65536 words of 16 bits, 6 × 10922, the
// four at the top refused. Words of 32 and 64 bits number 6k + 4 as well: their top four alone
// are refused.
template <typename Mot>
void VerifierLeHaut() {
  constexpr Mot max = std::numeric_limits<Mot>::max();
  EXPECT_EQ(FaceEquitable(Mot{0}), 1);
  EXPECT_EQ(FaceEquitable(Mot{11}), 6);
  EXPECT_TRUE(FaceEquitable(static_cast<Mot>(max - 4)).has_value());
  for (Mot w = max - 3; w != 0; ++w) EXPECT_FALSE(FaceEquitable(w).has_value()) << w;
}

TEST(FairFace, EveryWordGivesEachFaceEquallyAndOnlyTheTopFourAreRefused) {
  std::map<int, int> parFace;
  for (int w = 0; w <= 0xFFFF; ++w) {
    const auto face = FaceEquitable(static_cast<std::uint16_t>(w));
    ASSERT_EQ(face.has_value(), w < 0xFFFF - 3) << w;
    if (face) ++parFace[*face];
  }
  EXPECT_EQ(parFace, (std::map<int, int>{
                         {1, 10922}, {2, 10922}, {3, 10922}, {4, 10922}, {5, 10922}, {6, 10922}}));
  VerifierLeHaut<std::uint32_t>();
  VerifierLeHaut<std::uint64_t>();
}

std::vector<int16_t> Tirer(SourceDes& de, int n) {
  std::vector<int16_t> faces;
  for (int i = 0; i < n; ++i) faces.push_back(de.Face());
  return faces;
}

TEST(FairDie, AFixedSeedReplaysItsStreamAndAnyOtherSeedDiffers) {
  constexpr std::uint64_t graine = 0x0123456789ABCDEF;
  DeEquitable a(graine);
  const auto flux = Tirer(a, 6000);
  EXPECT_EQ(std::set<int16_t>(flux.begin(), flux.end()), (std::set<int16_t>{1, 2, 3, 4, 5, 6}));
  // A seed kept with a replay gives the same dice in every version of the game.
  EXPECT_EQ(std::vector<int16_t>(flux.begin(), flux.begin() + 12),
            (std::vector<int16_t>{2, 5, 4, 1, 3, 5, 2, 5, 3, 1, 6, 1}));
  a.NouvellePartie();
  EXPECT_EQ(Tirer(a, 6000), flux) << "a new game replays the seed";
  const std::vector<int16_t> debut(flux.begin(), flux.begin() + 200);
  for (std::uint64_t autre : {graine ^ 1, graine ^ std::uint64_t{1} << 40}) {
    DeEquitable de(autre);
    EXPECT_NE(Tirer(de, 200), debut) << std::hex << autre;
  }
  DeEquitable autre(1);
  autre.FixerGraine(graine);  // takes effect at the next game
  autre.NouvellePartie();
  EXPECT_EQ(Tirer(autre, 6000), flux);
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
