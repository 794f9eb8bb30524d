// A player who plays whole games at random, making only the moves the window would deliver:
// presses of OK, mouse buttons on the dice and their places, and clicks on shown squares.
#pragma once

#include <cstdint>
#include <random>

#include "engine/game.h"

namespace rolvex::essai {

class JoueurHasard {
 public:
  explicit JoueurHasard(std::uint64_t graine) : hasard_(graine) {}

  // One move, chosen by the state of the turn: mostly throws before the first throw; then
  // writes, announces, keeps and throws dice, or presses OK, the later the throw the more
  // likely to write.
  void Jouer(Partie& partie);

  // Plays the game in progress to its end, calling après() after every move; it stops early
  // when après() answers false, or after `maxCoups` moves. Gives the number of moves made.
  template <typename Apres>
  int JouerPartie(Partie& partie, Apres&& apres, int maxCoups = 20000) {
    int coups = 0;
    for (bool suite = true; suite && !partie.Etat().PartieTerminee && coups < maxCoups; ++coups) {
      Jouer(partie);
      suite = apres();
    }
    return coups;
  }

 private:
  std::mt19937_64 hasard_;
};

}  // namespace rolvex::essai
