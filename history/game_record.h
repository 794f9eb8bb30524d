// One game as the history keeps it: who played it, when, in which mode, how it ended, and
// what was written in each square. Plain values; the database is history_db's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/game.h"

namespace rolvex {

struct PartieJouee {
  std::string quand;  // local date and time, "YYYY-MM-DD HH:MM:SS"
  int16_t mode = 1;   // 1..3
  std::string nom;
  bool abandonnee = false;  // given up by a new game before its last square
  int32_t score = 0;
  int16_t figures = 0;  // NbFiguresRealisees
  int32_t secondes = 0;
  std::string langue;  // "fr" or "en"
  bool conseil = false;
  // Columns out of play stay empty: zero totals (engine's TotauxColonne), no square written.
  ParColonne<TotauxColonne> totaux;
  ParCase<std::optional<int16_t>> cases;  // nothing: not written
  friend bool operator==(const PartieJouee&, const PartieJouee&) = default;
};

// What the history keeps of a game as it stands: the squares written and the totals of the
// columns in play, with what the game itself does not hold.
PartieJouee ReleverPartie(const EtatPartie& e, std::string nom, int32_t secondes,
                          std::string langue, bool conseil, std::string quand);

// The local time as PartieJouee::quand writes it.
std::string MaintenantLocal();

}  // namespace rolvex
