// What the rest of a game is worth, estimated column by column: each free square as the
// expectation of a turn spent on it alone under its column's throws, the upper bonus from the
// distribution of the upper total, the lower bonuses from the chances of making every figure.
#pragma once

#include <array>
#include <cstdint>

#include "advisor/hands.h"
#include "advisor/sheet.h"

namespace rolvex::conseil {

// A score's distribution: the chance of each score 0..100.
using Loi = std::array<double, 101>;

// The turn spent on one figure, with `jets` throws (1..3), played for the best expected score
// (the lowest total for Mini): the law of the score it writes, the Maxi and Mini rule aside.
const Loi& LoiFigure(int jets, int16_t f);

// How many throws a turn gives the squares of column c.
int JetsDeColonne(int16_t c);

// The scale of column c's points to come in `feuille` (Etalonnages).
double Facteur(const Feuille& feuille, int16_t c);

class Estimation {
 public:
  static const Estimation& Partagee();
  // The final points of column c of `feuille`, written and to come, bonuses included, with
  // each free square counted as the turn spent on it alone. This is what the coach compares
  // its choices by: scaled as below, its choices score less (rolvex-coach-bench).
  double Colonne(const Feuille& feuille, int16_t c) const;
  double Feuille_(const Feuille& feuille) const;
  // The points column c adds from now on, counted as Colonne does (brut), and as the coach's
  // own games add them in fact (the brut points scaled by Etalonnages).
  double AVenirBrut(const Feuille& feuille, int16_t c) const;
  double AVenir(const Feuille& feuille, int16_t c) const;
  // What the coach's games score beyond Feuille_ from `feuille` on: added to every choice of
  // a turn, it makes their expectations final totals without changing their order.
  double Decalage(const Feuille& feuille) const;

 private:
  Estimation();
  // The upper part: by throws, free upper faces (bit f - 1) and upper total capped at 80, the
  // expected points to come with the final upper bonus, and the chance of the 60 of the bonus.
  struct Haut {
    double points = 0;
    double chance60 = 0;
  };
  static constexpr int Plafond = 80;
  std::array<std::array<std::array<Haut, Plafond + 1>, 64>, 4> haut_{};
  // Maxi and Mini both free, by throws: their expected points with the gap's bonus, and the
  // chance of making both.
  struct Paire {
    double points = 0;
    double chance = 0;
  };
  static Paire CalculerPaire(int jets);
  std::array<Paire, 4> paireLibre_{};
};

}  // namespace rolvex::conseil
