// What five dice make: the analysis of a throw and the score it gives each figure.
#pragma once

#include <cstdint>

#include "score_sheet.h"

namespace rolvex {

using Dés5 = Tableau<int16_t, 1, NbDés>;

// The combination named in PanelFigureRéalisée after a throw.
enum class TexteFigure : int8_t { Aucun, TexteSuite, TexteFull, TexteCarré, TexteYam };

struct AnalyseDés {
  Dés5 DésTriés;                       // the five values, ascending
  Tableau<int16_t, 1, 6> NbDésFace;    // how many dice show each face
  int16_t TotalDés = 0;
  int16_t TotalMaxi = 0;
  int16_t TotalMini = 0;
  bool SuiteRéalisée = false;
  bool YamRéalisé = false;
  bool FullRéalisé = false;            // a Yam counts as a Full
  bool CarréRéalisé = false;           // four or five of a face
  bool PetitTotalRéalisé = false;      // a total of 8 or less
  int16_t TypeSuite = 0;               // 1 for 1-2-3-4-5, 2 for 2-3-4-5-6
  int16_t FaceCarré = 0;
  TexteFigure FigureNommée = TexteFigure::Aucun;
};

// dés: five values 1..6.
AnalyseDés AnalyserDés(const Dés5& dés);

// The colour in which a free square of `figure` shows its potential score:
// blue for an upper figure held by three dice or more, red for a lower figure the dice form.
Couleur CouleurFigure(const AnalyseDés& a, int16_t figure);

// The score the dice give `figure` in a column whose Maxi and Mini squares are `maxi` and
// `mini` (Maxi must stay strictly above a written Mini, and Mini strictly below a written Maxi).
int16_t ScoreFigure(const AnalyseDés& a, int16_t figure, const CaseJeu& maxi, const CaseJeu& mini);

// The score of figure 12 for a total of the dice: 8 → 60 … 5 → 75, above 8 → 0.
constexpr int16_t ScorePetitTotal(int total) {
  return total <= 8 ? static_cast<int16_t>(60 + 5 * (8 - total)) : int16_t{0};
}

}  // namespace rolvex
