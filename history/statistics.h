// What a player learns from the games of one column mode: pure functions over the history's
// rows, so that every figure can be checked without a database.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "history/game_record.h"

namespace rolvex {

// A figure of a column over the finished games: made (a score above 0), crossed out (0), and
// the mean of its scores when made (0 when never made).
struct StatFigure {
  int32_t faites = 0;
  int32_t barrees = 0;
  double moyenne = 0;
  friend bool operator==(const StatFigure&, const StatFigure&) = default;
};

// How many finished games won each bonus of a column: the upper bonus (any of its three
// levels), the lower bonus (single or double) and the Maxi-Mini bonus.
struct StatBonus {
  int32_t haut = 0;
  int32_t bas = 0;
  int32_t maxiMini = 0;
  friend bool operator==(const StatBonus&, const StatBonus&) = default;
};

struct Statistiques {
  int16_t mode = 1;
  int32_t parties = 0;      // finished games
  int32_t abandonnees = 0;  // counted apart: none of the figures below includes them
  std::optional<double> moyenne, mediane;
  std::optional<int32_t> meilleur, pire;
  std::vector<int32_t> scores;  // of the finished games, in the order they were played
  ParCase<StatFigure> figures;  // columns out of the mode stay empty
  ParColonne<StatBonus> bonus;
  friend bool operator==(const Statistiques&, const Statistiques&) = default;
};

// The statistics of mode `mode` (1..3) over `parties`, in the order they were played; games
// of other modes are left out.
Statistiques CalculerStatistiques(std::span<const PartieJouee> parties, int16_t mode);

// The mean of each score with up to `fenetre` - 1 scores before it (fewer at the start).
std::vector<double> MoyenneGlissante(std::span<const int32_t> scores, std::size_t fenetre = 20);

// Scores counted in classes of one width, a round number chosen so that at most `classesMax`
// classes span them; each class holds [debut, debut + largeur).
struct Histogramme {
  int32_t debut = 0;
  int32_t largeur = 1;
  std::vector<int32_t> comptes;
  friend bool operator==(const Histogramme&, const Histogramme&) = default;
};
Histogramme CompterScores(std::span<const int32_t> scores, int classesMax = 20);

}  // namespace rolvex
