// What five dice make: the analysis of a throw and the score it gives each figure.
#pragma once

#include <cstdint>

#include "score_sheet.h"

namespace rolvex {

using Des5 = ParDe<int16_t>;
// A die of Des from a new game until its first throw.
inline constexpr int16_t DeSansValeur = -1;

// The combination named in PanelFigureRéalisée after a throw.
enum class TexteFigure : int8_t { Aucun, TexteSuite, TexteFull, TexteCarre, TexteYam };

struct AnalyseDes {
  Des5 DesTries;                     // the five values, ascending
  Tableau<int16_t, 1, 6> NbDesFace;  // how many dice show each face
  int16_t TotalDes = 0;
  int16_t TotalMaxi = 0;
  int16_t TotalMini = 0;
  bool SuiteRealisee = false;
  bool YamRealise = false;
  bool FullRealise = false;        // a Yam counts as a Full
  bool CarreRealise = false;       // four or five of a face
  bool PetitTotalRealise = false;  // a total of 8 or less
  int16_t TypeSuite = 0;           // 1 for 1-2-3-4-5, 2 for 2-3-4-5-6
  int16_t FaceCarre = 0;
  TexteFigure FigureNommee = TexteFigure::Aucun;
  friend bool operator==(const AnalyseDes&, const AnalyseDes&) = default;
};

// dés: five values 1..6.
AnalyseDes AnalyserDes(const Des5& des);

// The colour in which a free square of `figure` shows its potential score:
// blue for an upper figure held by three dice or more, red for a lower figure the dice form.
Couleur CouleurFigure(const AnalyseDes& a, int16_t figure);

// The score the dice give `figure` in a column whose Maxi and Mini squares are `maxi` and
// `mini` (Maxi must stay strictly above a written Mini, and Mini strictly below a written Maxi).
int16_t ScoreFigure(const AnalyseDes& a, int16_t figure, const CaseJeu& maxi, const CaseJeu& mini);

// The scores written in one column: score[f] counts where ecrit[f].
struct ScoresColonne {
  ParFigure<bool> ecrit{};
  ParFigure<int16_t> score{};
  friend bool operator==(const ScoresColonne&, const ScoresColonne&) = default;
};

// A column's two totals and two bonuses as its written scores give them now.
struct TotauxColonne {
  int32_t haut = 0, bonusHaut = 0, bas = 0, bonusBas = 0;
  int32_t Somme() const { return haut + bonusHaut + bas + bonusBas; }
  friend bool operator==(const TotauxColonne&, const TotauxColonne&) = default;
};
TotauxColonne CalculerTotaux(const ScoresColonne& colonne);

// The upper bonus an upper total earns.
int32_t BonusDuHaut(int32_t totalHaut);

// The score of figure 12 for a total of the dice: 8 → 60 … 5 → 75, above 8 → 0.
constexpr int16_t ScorePetitTotal(int total) {
  return total <= 8 ? static_cast<int16_t>(60 + 5 * (8 - total)) : int16_t{0};
}

}  // namespace rolvex
