// The fair die: every face comes from exactly as many random words as the others, and a fixed
// seed replays the same dice.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "engine/dice.h"

namespace rolvex {
namespace {

// Every word of the type, counted by the face it gives; refused words counted apart.
template <typename Mot>
void VérifierToutLeMot(std::int64_t parFace, std::int64_t refusés) {
  std::map<int, std::int64_t> faces;
  std::int64_t nbRefusés = 0;
  std::int64_t premierRefusé = -1;
  for (std::int64_t w = 0; w <= std::numeric_limits<Mot>::max(); ++w) {
    const auto face = FaceÉquitable(static_cast<Mot>(w));
    if (!face) {
      ++nbRefusés;
      if (premierRefusé == -1) premierRefusé = w;
      continue;
    }
    ASSERT_EQ(premierRefusé, -1) << "word " << w << " accepted above the refused word " << premierRefusé;
    ASSERT_GE(*face, 1);
    ASSERT_LE(*face, 6);
    ++faces[*face];
  }
  EXPECT_EQ(faces.size(), 6u);
  for (auto [face, n] : faces) EXPECT_EQ(n, parFace) << "face " << face;
  EXPECT_EQ(nbRefusés, refusés);
}

// A random word gives a face only where each face is given by as many words as the others.
TEST(FairFace, EveryByteGivesEachFaceFortyTwoTimesAndRefusesOnlyTheTopFour) {
  VérifierToutLeMot<std::uint8_t>(42, 4);  // 256 = 6 × 42 + 4
}

TEST(FairFace, EverySixteenBitWordGivesEachFaceEquallyAndRefusesOnlyTheTopFour) {
  VérifierToutLeMot<std::uint16_t>(10922, 4);  // 65536 = 6 × 10922 + 4
}

TEST(FairFace, ThirtyTwoBitWordsAreRefusedOnlyInTheTopFour) {
  constexpr std::uint32_t max = std::numeric_limits<std::uint32_t>::max();
  EXPECT_EQ(FaceÉquitable(std::uint32_t{0}), 1);
  EXPECT_EQ(FaceÉquitable(std::uint32_t{5}), 6);
  EXPECT_TRUE(FaceÉquitable(max - 4).has_value());
  for (std::uint32_t w = max - 3; w != 0; ++w) EXPECT_FALSE(FaceÉquitable(w).has_value()) << w;
}

TEST(FairFace, SixtyFourBitWordsGiveFacesToo) {
  constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
  EXPECT_EQ(FaceÉquitable(std::uint64_t{0}), 1);
  EXPECT_EQ(FaceÉquitable(std::uint64_t{11}), 6);
  // 2^64 = 6k + 4: the four highest words alone are refused.
  EXPECT_TRUE(FaceÉquitable(max - 4).has_value());
  for (std::uint64_t w = max - 3; w != 0; ++w) EXPECT_FALSE(FaceÉquitable(w).has_value()) << w;
}

// The game's die: a fixed seed replays its dice, the clock seeds each game afresh.
std::vector<int16_t> Tirer(SourceDés& dé, int n) {
  std::vector<int16_t> faces;
  for (int i = 0; i < n; ++i) faces.push_back(dé.Face());
  return faces;
}

TEST(FairDie, AFixedSeedGivesTheSameStreamEveryTime) {
  DéÉquitable a(12345);
  DéÉquitable b(12345);
  EXPECT_EQ(Tirer(a, 1000), Tirer(b, 1000));
}

TEST(FairDie, DifferentSeedsGiveDifferentStreams) {
  DéÉquitable a(1);
  DéÉquitable b(2);
  EXPECT_NE(Tirer(a, 100), Tirer(b, 100));
}

TEST(FairDie, SeedsDifferingOnlyInTheirHighHalfGiveDifferentStreams) {
  DéÉquitable a(std::uint64_t{7});
  DéÉquitable b(std::uint64_t{7} | std::uint64_t{1} << 40);
  EXPECT_NE(Tirer(a, 100), Tirer(b, 100));
}

TEST(FairDie, ANewGameWithAFixedSeedReplaysTheSameDice) {
  DéÉquitable dé(99);
  const auto première = Tirer(dé, 200);
  dé.NouvellePartie();
  EXPECT_EQ(Tirer(dé, 200), première);
}

TEST(FairDie, ChangingTheSeedTakesEffectAtTheNextGame) {
  DéÉquitable dé(1);
  DéÉquitable témoin(2);
  dé.FixerGraine(2);
  dé.NouvellePartie();
  EXPECT_EQ(Tirer(dé, 200), Tirer(témoin, 200));
}

TEST(FairDie, EveryFaceIsOneToSixAndAllSixTurnUp) {
  DéÉquitable dé(2024);
  std::map<int16_t, int> vues;
  for (int16_t f : Tirer(dé, 6000)) {
    ASSERT_GE(f, 1);
    ASSERT_LE(f, 6);
    ++vues[f];
  }
  EXPECT_EQ(vues.size(), 6u);
}

TEST(FairDie, TheClockSeedsEachNewGameAfresh) {
  DéÉquitable dé;
  const auto avant = Tirer(dé, 40);
  dé.NouvellePartie();
  EXPECT_NE(Tirer(dé, 40), avant);  // 6^-40: a repeat would mean the same seed
}

// Dice chosen in advance come first, then the fallback die.
TEST(QueuedDice, TheQueuedFacesComeFirstThenTheFallback) {
  DéÉquitable hasard(5);
  DéÉquitable témoin(5);
  DésEnFile dés(hasard);
  dés.Ajouter(6);
  dés.Ajouter(1);
  EXPECT_EQ(dés.NbEnAttente(), 2u);
  EXPECT_EQ(dés.Face(), 6);
  EXPECT_EQ(dés.Face(), 1);
  EXPECT_EQ(dés.NbEnAttente(), 0u);
  EXPECT_EQ(Tirer(dés, 50), Tirer(témoin, 50));
}

}  // namespace
}  // namespace rolvex
