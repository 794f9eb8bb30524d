// The dice of a turn as the coach counts them: the 252 different throws of five dice and the
// 462 hands of 0 to 5 dice a player can keep, with how one becomes another.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/figure_scoring.h"

namespace rolvex::conseil {

inline constexpr int NbTirages = 252;  // five dice, order aside
inline constexpr int NbMains = 462;    // 0 to 5 dice, order aside

// How many dice of each face 1..6 (index 0 unused).
using Compte = std::array<int8_t, 7>;

class Mains {
 public:
  // Built once, on first use, by any thread.
  static const Mains& Toutes();

  // A hand by its counts; throws are the hands of five dice.
  int16_t Main(const Compte& compte) const { return index_[Cle(compte)]; }
  int16_t Main(const Des5& des) const;
  const Compte& CompteDe(int16_t main) const { return comptes_[main]; }
  int Taille(int16_t main) const { return tailles_[main]; }
  // The hand with one more die showing `face`; the hand must hold fewer than five dice.
  int16_t Plus(int16_t main, int face) const { return plus_[main][face]; }
  // Throws are numbered 0..251; a hand of five dice is one of them.
  int16_t Tirage(int16_t main) const { return tirageDe_[main]; }
  int16_t MainDuTirage(int16_t tirage) const { return mainDe_[tirage]; }
  const AnalyseDes& Analyse(int16_t tirage) const { return analyses_[tirage]; }
  // The chance of `tirage` when five dice are thrown.
  double Proba(int16_t tirage) const { return probas_[tirage]; }
  // Every different hand the throw can keep, the whole throw first and the empty hand last.
  const std::vector<int16_t>& SousMains(int16_t tirage) const { return sousMains_[tirage]; }
  // The hands by size, five dice first: the order in which expectations are folded.
  const std::vector<int16_t>& MainsDeTaille(int taille) const { return parTaille_[taille]; }

  // The expectation after throwing again what a hand leaves out, for every hand: `auTirage`
  // gives the value of each throw, the result is indexed by hand.
  void Esperances(const std::array<double, NbTirages>& auTirage,
                  std::array<double, NbMains>& parMain) const;

 private:
  Mains();
  static int Cle(const Compte& compte);

  std::vector<int16_t> index_;
  std::array<Compte, NbMains> comptes_{};
  std::array<int8_t, NbMains> tailles_{};
  std::array<std::array<int16_t, 7>, NbMains> plus_{};
  std::array<int16_t, NbMains> tirageDe_{};
  std::array<int16_t, NbTirages> mainDe_{};
  std::array<AnalyseDes, NbTirages> analyses_{};
  std::array<double, NbTirages> probas_{};
  std::array<std::vector<int16_t>, NbTirages> sousMains_;
  std::array<std::vector<int16_t>, NbDes + 1> parTaille_;
};

}  // namespace rolvex::conseil
