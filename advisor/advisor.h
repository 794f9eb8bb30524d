// The coach: for any situation of a game, every legal choice with the final total it is
// expected to reach, best first.
//
// The turn under way is solved exactly. The sheets it can end on are valued exactly when at
// most one square is left free, so that the advice is the optimum over the last two turns;
// earlier, by Estimation. Qt-free and without shared state: a coach per thread.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "advisor/estimate.h"
#include "advisor/turn.h"

namespace rolvex::conseil {

// How the sheets a turn ends on are valued.
enum class Jugement : int8_t {
  Expert,   // the final total, exact near the end, estimated before
  Glouton,  // the score written this turn alone: the greedy player
};

class Coach {
 public:
  explicit Coach(Jugement jugement = Jugement::Expert) : jugement_(jugement) {}

  // Every choice of the game in `e`, best first; none once it is over or before it begins.
  std::vector<Choix> Conseiller(const EtatPartie& e);
  std::vector<Choix> Conseiller(const Feuille& feuille, const Situation& s);
  // The turn played on `feuille`, solved (the last one is kept for the next question).
  const Tour& TourDe(const Feuille& feuille);
  // The exact expected final total of a sheet at the start of a turn, by optimal play; for
  // sheets with few free squares only, as the work grows with their number.
  double ValeurExacte(const Feuille& feuille);

 private:
  double ValeurApres(const Feuille& avant, double sansColonne, int16_t c, int16_t f, int16_t score);

  Jugement jugement_;
  std::unique_ptr<Tour> dernier_;
  std::map<std::vector<int16_t>, double> exactes_;
};

// Plays choice `choix` in `partie` through the commands a player has: the dice marked, then OK;
// a click on the square.
void Jouer(Partie& partie, const Choix& choix);

// The situation of the game in `e`.
Situation SituationDe(const EtatPartie& e);

// The chances of making figure f in column c with the throws left after throw `jet` (1 or 2),
// from dice `des`: the dice `gardes` kept for the next throw, or the best dice kept (keeping
// all counts: a throw may follow under an announcement). Making an upper figure is holding
// three dice or more of its face; making a lower one, scoring above 0.
struct Chances {
  double avecGardes = 0;
  double auMieux = 0;
};
Chances ChancesDeFigure(const Feuille& feuille, int16_t c, int16_t f, const Des5& des,
                        const ParDe<bool>& gardes, int16_t jet);

}  // namespace rolvex::conseil
