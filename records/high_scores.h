// The ten best results of each column mode: the ranking, the entry of a finished game, the
// default tables of a first run and the display of times.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "engine/score_sheet.h"

namespace rolvex {

inline constexpr int16_t NbModes = 3;
inline constexpr int16_t NbPlaces = 10;
inline constexpr int32_t TempsMaximum = 3599;  // the game clock stops counting there

// One place of a table.
struct HighScoreEntry {
  std::string name;  // UTF-8; at most 14 characters survive the names file
  int16_t score = 0;
  int32_t time = 0;     // seconds, 0..3599
  int16_t figures = 0;  // lower figures made in the game
  friend bool operator==(const HighScoreEntry&, const HighScoreEntry&) = default;
};

// Places 1 (best) to 10, always all filled.
using TableHighScore = Tableau<HighScoreEntry, 1, NbPlaces>;
// HighScores[mode 1..3][place 1..10]; mode 1 is one column, 2 three, 3 six.
using HighScores = Tableau<TableHighScore, 1, NbModes>;

// The finished game offered to the table of its mode.
struct PartieFinie {
  std::string NomJoueur;
  int32_t ScoreTotal = 0;
  int32_t SecondesPartie = 0;  // 0..3599
  int16_t NbFiguresRealisees = 0;
};

// The ranking: a higher score, or the same score in a shorter time. Two results equal in
// both rank neither way; the table then keeps the newer one above.
bool ClasseAvant(const HighScoreEntry& a, const HighScoreEntry& b);

// Whether each place ranks no lower than the next one.
bool EstEnOrdre(const TableHighScore& table);

// Whether the game enters the table of modeJeu (1..3): it must beat place 10, and a tie in
// score and time beats it, the newer result going above.
bool YesHighScore(const HighScores& scores, int16_t modeJeu, const PartieFinie& partie);

// Writes the game into the table of modeJeu (1..3) and returns its place 1..10; the former
// place 10 is gone. Returns 0 and changes nothing when the game does not enter. A score
// beyond the 16 bits a place holds is kept as 32767, the best a place can hold.
int16_t InsertionHighScore(HighScores& scores, int16_t modeJeu, const PartieFinie& partie);

// "mm:ss", minutes not limited to two digits: 86 → "01:26", 6000 → "100:00". A negative
// time, which no game gives, reads "00:00".
std::string ConvertTempsEnChrono(int32_t secondes);

// A uniform draw in [0, 1), injected so that tests choose the default tables.
class TirageUniforme {
 public:
  virtual ~TirageUniforme() = default;
  virtual double Uniforme() = 0;
};

// The program's own draw: a Mersenne twister; the same seed draws the same values.
class HasardUniforme final : public TirageUniforme {
 public:
  explicit HasardUniforme(std::uint64_t graine) : generateur_(graine) {}
  double Uniforme() override;

 private:
  std::mt19937_64 generateur_;
};

// R(n): a draw times n, rounded to the nearest integer with halves to the even neighbour.
int16_t R(TirageUniforme& tirage, int16_t n);

// The tables of a first run: falling random scores under a fixed first place per mode.
// The draws are taken mode 1 to 3, each mode place 1 to 10.
HighScores HighScoresParDefaut(TirageUniforme& tirage);

}  // namespace rolvex
