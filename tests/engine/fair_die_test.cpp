// The fair die: every face comes from exactly as many random words as the others, and a fixed
// seed replays the same dice.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <vector>

#include "engine/dice.h"

namespace rolvex {
namespace {

// Every word of the type, counted by the face it gives: each face from `parFace` words, and
// only the four words at the top refused.
template <typename Mot>
void VérifierToutLeMot(std::int64_t parFace) {
  std::map<int, std::int64_t> faces;
  std::int64_t premierRefusé = -1;
  for (std::int64_t w = 0; w <= std::numeric_limits<Mot>::max(); ++w) {
    const auto face = FaceÉquitable(static_cast<Mot>(w));
    if (!face) {
      if (premierRefusé == -1) premierRefusé = w;
      continue;
    }
    ASSERT_EQ(premierRefusé, -1) << "word " << w << " accepted above a refused word";
    ASSERT_GE(*face, 1);
    ASSERT_LE(*face, 6);
    ++faces[*face];
  }
  EXPECT_EQ(faces.size(), 6u);
  for (auto [face, n] : faces) EXPECT_EQ(n, parFace) << "face " << face;
  EXPECT_EQ(premierRefusé, std::int64_t{std::numeric_limits<Mot>::max()} - 3);
}

// The top four words of a wide type alone are refused: 2^32 and 2^64 are both 6k + 4.
template <typename Mot>
void VérifierLeHaut() {
  constexpr Mot max = std::numeric_limits<Mot>::max();
  EXPECT_EQ(FaceÉquitable(Mot{0}), 1);
  EXPECT_EQ(FaceÉquitable(Mot{11}), 6);
  EXPECT_TRUE(FaceÉquitable(static_cast<Mot>(max - 4)).has_value());
  for (Mot w = max - 3; w != 0; ++w) EXPECT_FALSE(FaceÉquitable(w).has_value()) << w;
}

// A random word gives a face only where each face is given by as many words as the others.
TEST(FairFace, EveryWordOfEightAndSixteenBitsGivesEachFaceEqually) {
  VérifierToutLeMot<std::uint8_t>(42);     // 256 = 6 × 42 + 4
  VérifierToutLeMot<std::uint16_t>(10922);  // 65536 = 6 × 10922 + 4
}

TEST(FairFace, WideWordsAreRefusedOnlyInTheTopFour) {
  VérifierLeHaut<std::uint32_t>();
  VérifierLeHaut<std::uint64_t>();
}

// The game's die: a fixed seed replays its dice, the clock seeds each game afresh.
std::vector<int16_t> Tirer(SourceDés& dé, int n) {
  std::vector<int16_t> faces;
  for (int i = 0; i < n; ++i) faces.push_back(dé.Face());
  return faces;
}

TEST(FairDie, AFixedSeedReplaysItsStreamAndAnyOtherSeedDiffers) {
  DéÉquitable a(12345);
  const auto flux = Tirer(a, 6000);
  EXPECT_EQ(std::set<int16_t>(flux.begin(), flux.end()), (std::set<int16_t>{1, 2, 3, 4, 5, 6}));
  a.NouvellePartie();
  EXPECT_EQ(Tirer(a, 6000), flux) << "a new game replays the seed";
  DéÉquitable autre(12346);
  EXPECT_NE(Tirer(autre, 200), std::vector<int16_t>(flux.begin(), flux.begin() + 200));
  DéÉquitable hautDifférent(std::uint64_t{12345} | std::uint64_t{1} << 40);
  EXPECT_NE(Tirer(hautDifférent, 200), std::vector<int16_t>(flux.begin(), flux.begin() + 200))
      << "the high half of the seed counts too";
  autre.FixerGraine(12345);  // takes effect at the next game
  autre.NouvellePartie();
  EXPECT_EQ(Tirer(autre, 6000), flux);
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
  EXPECT_EQ(Tirer(dés, 2), (std::vector<int16_t>{6, 1}));
  EXPECT_EQ(dés.NbEnAttente(), 0u);
  EXPECT_EQ(Tirer(dés, 50), Tirer(témoin, 50));
}

}  // namespace
}  // namespace rolvex
