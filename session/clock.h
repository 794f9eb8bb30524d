// The game clock: it times each game for the high scores, from a new game to its end.
#pragma once

#include <algorithm>
#include <cstdint>

#include "records/high_scores.h"

namespace rolvex {

class Chrono {
 public:
  // A new game: every count back to 0, and the clock runs.
  void Demarrer() {
    secondes_ = minutes_ = secondesPartie_ = 0;
    enMarche_ = true;
  }
  void Arreter() { enMarche_ = false; }
  // A game saved in progress: its clock runs on from where it stood.
  void Reprendre(int32_t minutes, int32_t secondes) {
    Demarrer();
    minutes_ = minutes;
    secondes_ = secondes;
    CompterSecondesPartie();
  }
  bool EnMarche() const { return enMarche_; }

  // One second, while the clock runs. The minutes are not limited; the time the high scores
  // keep stops at TempsMaximum.
  void TimerChrono_Timer() {
    if (!enMarche_) return;
    if (++secondes_ == 60) {
      ++minutes_;
      secondes_ = 0;
    }
    CompterSecondesPartie();
  }

  int32_t SecondesChrono() const { return secondes_; }  // 0..59
  int32_t MinutesChrono() const { return minutes_; }
  int32_t SecondesPartie() const { return secondesPartie_; }  // 0..TempsMaximum

 private:
  void CompterSecondesPartie() {
    const int64_t secondes = int64_t{minutes_} * 60 + secondes_;
    secondesPartie_ = static_cast<int32_t>(std::min<int64_t>(secondes, TempsMaximum));
  }

  bool enMarche_ = false;
  int32_t secondes_ = 0;
  int32_t minutes_ = 0;
  int32_t secondesPartie_ = 0;
};

}  // namespace rolvex
