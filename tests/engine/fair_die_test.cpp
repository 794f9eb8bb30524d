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
void VerifierToutLeMot(std::int64_t parFace) {
  std::map<int, std::int64_t> faces;
  std::int64_t premierRefuse = -1;
  for (std::int64_t w = 0; w <= std::numeric_limits<Mot>::max(); ++w) {
    const auto face = FaceEquitable(static_cast<Mot>(w));
    if (!face) {
      if (premierRefuse == -1) premierRefuse = w;
      continue;
    }
    ASSERT_EQ(premierRefuse, -1) << "word " << w << " accepted above a refused word";
    ASSERT_GE(*face, 1);
    ASSERT_LE(*face, 6);
    ++faces[*face];
  }
  EXPECT_EQ(faces.size(), 6u);
  for (auto [face, n] : faces) EXPECT_EQ(n, parFace) << "face " << face;
  EXPECT_EQ(premierRefuse, std::int64_t{std::numeric_limits<Mot>::max()} - 3);
}

// The top four words of a wide type alone are refused: 2^32 and 2^64 are both 6k + 4.
template <typename Mot>
void VerifierLeHaut() {
  constexpr Mot max = std::numeric_limits<Mot>::max();
  EXPECT_EQ(FaceEquitable(Mot{0}), 1);
  EXPECT_EQ(FaceEquitable(Mot{11}), 6);
  EXPECT_TRUE(FaceEquitable(static_cast<Mot>(max - 4)).has_value());
  for (Mot w = max - 3; w != 0; ++w) EXPECT_FALSE(FaceEquitable(w).has_value()) << w;
}

// A random word gives a face only where each face is given by as many words as the others.
TEST(FairFace, EveryWordOfEightAndSixteenBitsGivesEachFaceEqually) {
  VerifierToutLeMot<std::uint8_t>(42);      // 256 = 6 × 42 + 4
  VerifierToutLeMot<std::uint16_t>(10922);  // 65536 = 6 × 10922 + 4
}

TEST(FairFace, WideWordsAreRefusedOnlyInTheTopFour) {
  VerifierLeHaut<std::uint32_t>();
  VerifierLeHaut<std::uint64_t>();
}

// The game's die: a fixed seed replays its dice, the system's entropy seeds each game afresh.
std::vector<int16_t> Tirer(SourceDes& de, int n) {
  std::vector<int16_t> faces;
  for (int i = 0; i < n; ++i) faces.push_back(de.Face());
  return faces;
}

TEST(FairDie, AFixedSeedReplaysItsStreamAndAnyOtherSeedDiffers) {
  DeEquitable a(12345);
  const auto flux = Tirer(a, 6000);
  EXPECT_EQ(std::set<int16_t>(flux.begin(), flux.end()), (std::set<int16_t>{1, 2, 3, 4, 5, 6}));
  a.NouvellePartie();
  EXPECT_EQ(Tirer(a, 6000), flux) << "a new game replays the seed";
  DeEquitable autre(12346);
  EXPECT_NE(Tirer(autre, 200), std::vector<int16_t>(flux.begin(), flux.begin() + 200));
  DeEquitable hautDifferent(std::uint64_t{12345} | std::uint64_t{1} << 40);
  EXPECT_NE(Tirer(hautDifferent, 200), std::vector<int16_t>(flux.begin(), flux.begin() + 200))
      << "the high half of the seed counts too";
  autre.FixerGraine(12345);  // takes effect at the next game
  autre.NouvellePartie();
  EXPECT_EQ(Tirer(autre, 6000), flux);
}

TEST(FairDie, WithoutASeedEachNewGameIsSeededAfresh) {
  DeEquitable de;
  const auto avant = Tirer(de, 40);
  de.NouvellePartie();
  EXPECT_NE(Tirer(de, 40), avant);  // 6^-40: a repeat would mean the same seed
}

// Dice chosen in advance come first, then the fallback die.
TEST(QueuedDice, TheQueuedFacesComeFirstThenTheFallback) {
  DeEquitable hasard(5);
  DeEquitable temoin(5);
  DesEnFile des(hasard);
  des.Ajouter(6);
  des.Ajouter(1);
  EXPECT_EQ(des.NbEnAttente(), 2u);
  EXPECT_EQ(Tirer(des, 2), (std::vector<int16_t>{6, 1}));
  EXPECT_EQ(des.NbEnAttente(), 0u);
  EXPECT_EQ(Tirer(des, 50), Tirer(temoin, 50));
}

}  // namespace
}  // namespace rolvex
