// The game in progress, as the bytes of its file: the whole state of the game, what an undo
// would bring back, the clock and the dice generator, so that a run killed at any moment
// comes back as it was. Plain values and bytes; the file itself is the store's.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/game.h"

namespace rolvex {

struct PartieEnCours {
  EtatPartie etat;
  std::optional<EtatPartie> avantEcriture;  // Partie::AvantEcriture
  int32_t minutes = 0;                      // the game clock
  int32_t secondes = 0;
  std::string generateur = {};  // DeEquitable::Etat
  bool coach = false;           // the coach was asked: the game enters no high-score table
  friend bool operator==(const PartieEnCours&, const PartieEnCours&) = default;
};

std::vector<std::uint8_t> EncoderPartie(const PartieEnCours& partie);

// Nothing for bytes that are not a whole game of this version: cut short, altered, another
// file, or a value out of its range. What comes back can be played on without harm.
std::optional<PartieEnCours> DecoderPartie(std::span<const std::uint8_t> octets);

}  // namespace rolvex
