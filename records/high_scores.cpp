#include "records/high_scores.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <limits>
#include <string_view>

namespace rolvex {
namespace {

// A new result beats a place it ties with: the newer one goes above.
bool Bat(const PartieFinie& partie, const HighScoreEntry& place) {
  return partie.ScoreTotal > place.score ||
         (partie.ScoreTotal == place.score && partie.SecondesPartie <= place.time);
}

int16_t ScoreSur16Bits(int32_t score) {
  return static_cast<int16_t>(std::clamp<int32_t>(score, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max()));
}

std::string DeuxChiffres(int32_t n) { return n < 10 ? '0' + std::to_string(n) : std::to_string(n); }

// The first place of each mode on a first run: a target the player can see and beat.
struct PremierePlace {
  std::string_view nom;
  int16_t score;
  int32_t temps;
  int16_t figures;
};
constexpr Tableau<PremierePlace, 1, NbModes> PremieresPlaces = [] {
  Tableau<PremierePlace, 1, NbModes> t;
  t[1] = {"Gustave", 354, 86, 6};
  t[2] = {"Gustave", 1154, 295, 16};
  t[3] = {"Gustave", 2207, 731, 34};
  return t;
}();

// The names under the first place: who holds places 1 to 10 before the first place is set.
struct NomsDefaut {
  std::string_view nom;
  int16_t jusquAPlace;
};
constexpr std::array<NomsDefaut, 3> NomsParDefaut = {
    {{"Yves", 3}, {"Rosalie", 8}, {"Odilon", NbPlaces}}};

std::string_view NomParDefaut(int16_t place) {
  for (const auto& n : NomsParDefaut) {
    if (place <= n.jusquAPlace) return n.nom;
  }
  return NomsParDefaut.back().nom;
}

}  // namespace

bool ClasseAvant(const HighScoreEntry& a, const HighScoreEntry& b) {
  return a.score > b.score || (a.score == b.score && a.time < b.time);
}

bool EstEnOrdre(const TableHighScore& table) {
  for (int p = 1; p < NbPlaces; ++p) {
    if (ClasseAvant(table[p + 1], table[p])) return false;
  }
  return true;
}

bool YesHighScore(const HighScores& scores, int16_t modeJeu, const PartieFinie& partie) {
  return Bat(partie, scores[modeJeu][NbPlaces]);
}

int16_t InsertionHighScore(HighScores& scores, int16_t modeJeu, const PartieFinie& partie) {
  TableHighScore& table = scores[modeJeu];
  int p = NbPlaces;
  while (p >= 1 && Bat(partie, table[p])) --p;
  const int place = p + 1;
  if (place > NbPlaces) return 0;

  for (int k = NbPlaces; k > place; --k) table[k] = std::move(table[k - 1]);
  table[place] = {partie.NomJoueur, ScoreSur16Bits(partie.ScoreTotal), partie.SecondesPartie,
                  partie.NbFiguresRealisees};
  return static_cast<int16_t>(place);
}

std::string ConvertTempsEnChrono(int32_t secondes) {
  const int32_t t = std::max(secondes, 0);
  const int32_t minutes = t / 60;
  return DeuxChiffres(minutes) + ":" + DeuxChiffres(t - 60 * minutes);
}

double HasardUniforme::Uniforme() {
  // 53 random bits over 2^53: every value is below 1, which generate_canonical does not
  // promise on every library.
  return static_cast<double>(generateur_() >> 11) * 0x1.0p-53;
}

int16_t R(TirageUniforme& tirage, int16_t n) {
  const double u = tirage.Uniforme();
  assert(u >= 0.0 && u < 1.0);
  const double x = u * n;
  const double bas = std::floor(x);
  const double reste = x - bas;
  double arrondi = reste < 0.5 ? bas : bas + 1;
  if (reste == 0.5 && std::fmod(bas, 2.0) == 0.0) arrondi = bas;
  return static_cast<int16_t>(arrondi);
}

HighScores HighScoresParDefaut(TirageUniforme& tirage) {
  HighScores scores;
  for (int m = 1; m <= NbModes; ++m) {
    const int16_t c = NbColonnesMode[m];
    TableHighScore& table = scores[m];
    // The first score is only the start of the fall; the fixed first place replaces it.
    int score = R(tirage, 15) + 200 * c;
    for (int16_t p = 1; p <= NbPlaces; ++p) {
      if (p > 1) score -= (R(tirage, 6) + 4) * c;
      table[p] = {std::string(NomParDefaut(p)), static_cast<int16_t>(score), 100 * c,
                  static_cast<int16_t>(5 * c)};
    }
    const PremierePlace& premiere = PremieresPlaces[m];
    table[1] = {std::string(premiere.nom), premiere.score, premiere.temps, premiere.figures};
  }
  return scores;
}

}  // namespace rolvex
