// The close of a game: whether it enters the ten best of its mode, and what the player is told.
// The window and the headless driver both apply the result, in the order of its fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "records/high_scores.h"
#include "texts/language_tables.h"

namespace rolvex {

// What the caller does, in this order: show the table of the mode with row `place` in red
// (afficherScores), write the data files (sauver), show the message box and wait for the
// player to close it (message), and last write `info` on the information line.
struct FinDePartie {
  int16_t place = 0;                   // 1..10, or 0 when the game does not enter
  bool afficherScores = false;         // the high-score panel takes the play area's place
  bool sauver = false;                 // the tables changed: SauverOptions
  std::optional<std::string> message;  // the place won, in a message box
  std::string info;                    // the information line
};

// Offers the finished game to the table of modeJeu (1..3) and writes it in when it enters.
// A game that does not enter changes no table, shows none and saves nothing.
FinDePartie AppelFinPartie(HighScores& scores, int16_t modeJeu, const PartieFinie& partie,
                           Langue langue);

}  // namespace rolvex
