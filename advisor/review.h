// After a game: the decisions the player made, and those that cost the most expected points.
#pragma once

#include <cstddef>
#include <vector>

#include "advisor/advisor.h"

namespace rolvex::conseil {

// A choice the player made: the turn, the sheet and the situation it was made in.
struct Decision {
  int16_t tour = 0;
  Feuille feuille;
  Situation situation;
  Choix fait;
};

// Whether two choices do the same: the same square, or dice of the same faces kept.
bool MemeChoix(const Choix& a, const Choix& b, const Des5& des);

// The decision that `decision` was against the coach's best choice there.
struct Erreur {
  std::size_t numero = 0;  // of the decision, from 0
  Decision decision;
  Choix conseil;  // the coach's best choice
  double valeurFaite = 0;
  double cout = 0;  // the expected points lost, above 0
};

// The `nb` decisions that lost the most expected points, in the order they were made.
std::vector<Erreur> Revoir(const std::vector<Decision>& decisions, std::size_t nb = 5);

}  // namespace rolvex::conseil
