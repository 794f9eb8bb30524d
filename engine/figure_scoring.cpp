#include "figure_scoring.h"
#include "game.h"

namespace rolvex {

AnalyseDés AnalyserDés(const Dés5& dés) {
  AnalyseDés a;
  for (int16_t d : dés) {
    assert(d >= 1 && d <= 6);
    ++a.NbDésFace[d];
  }
  int rang = 1;
  for (int16_t v = 1; v <= 6; ++v)
    for (int n = 0; n < a.NbDésFace[v]; ++n) a.DésTriés[rang++] = v;

  auto suiteDepuis = [&](int16_t départ) {
    for (int i = 1; i <= NbDés; ++i)
      if (a.DésTriés[i] != départ + i - 1) return false;
    return true;
  };
  if (suiteDepuis(1)) {
    a.TypeSuite = 1;
  } else if (suiteDepuis(2)) {
    a.TypeSuite = 2;
  }
  a.SuiteRéalisée = a.TypeSuite != 0;

  bool brelan = false;
  bool paire = false;
  for (int16_t v = 1; v <= 6; ++v) {
    const int n = a.NbDésFace[v];
    if (n == 5) a.YamRéalisé = true;
    if (n >= 4) a.FaceCarré = v;
    if (n == 3) brelan = true;
    if (n == 2) paire = true;
  }
  a.FullRéalisé = (brelan && paire) || a.YamRéalisé;
  a.CarréRéalisé = a.FaceCarré != 0;

  for (int16_t d : dés) a.TotalDés = static_cast<int16_t>(a.TotalDés + d);
  a.TotalMaxi = a.TotalDés;
  a.TotalMini = a.TotalDés;
  a.PetitTotalRéalisé = a.TotalDés < 9;

  // One name at most; a Yam is named as such and not as the Full or Carré it also makes.
  if (a.SuiteRéalisée) {
    a.FigureNommée = TexteFigure::TexteSuite;
  } else if (a.YamRéalisé) {
    a.FigureNommée = TexteFigure::TexteYam;
  } else if (a.FullRéalisé) {
    a.FigureNommée = TexteFigure::TexteFull;
  } else if (a.CarréRéalisé) {
    a.FigureNommée = TexteFigure::TexteCarré;
  }
  return a;
}

Couleur CouleurFigure(const AnalyseDés& a, int16_t f) {
  if (EstFigureHaute(f)) return a.NbDésFace[f] >= 3 ? Bleu : Noir;
  switch (f) {
    case figure::Full: return a.FullRéalisé ? Rouge : Noir;
    case figure::Carré: return a.CarréRéalisé ? Rouge : Noir;
    case figure::Suite: return a.SuiteRéalisée ? Rouge : Noir;
    case figure::PetitTotal: return a.PetitTotalRéalisé ? Rouge : Noir;
    case figure::Yam: return a.YamRéalisé ? Rouge : Noir;
    default: return Noir;  // Maxi and Mini are never shown in red
  }
}

int16_t ScoreFigure(const AnalyseDés& a, int16_t f, const CaseJeu& maxi, const CaseJeu& mini) {
  if (EstFigureHaute(f)) return static_cast<int16_t>(a.NbDésFace[f] * f);
  switch (f) {
    case figure::Maxi:
      // A Maxi or Mini crossed out with 0 sets no bound.
      if (mini.Prise && mini.Score != 0 && mini.Score >= a.TotalMaxi) return 0;
      return a.TotalMaxi;
    case figure::Mini:
      if (maxi.Prise && maxi.Score != 0 && maxi.Score <= a.TotalMini) return 0;
      return a.TotalMini;
    case figure::Full:
      return a.FullRéalisé ? static_cast<int16_t>(a.TotalDés + 20) : int16_t{0};
    case figure::Carré:  // only the four dice of the Carré count, never the fifth
      return a.CarréRéalisé ? static_cast<int16_t>(4 * a.FaceCarré + 30) : int16_t{0};
    case figure::Suite:
      return a.TypeSuite == 1 ? int16_t{45} : a.TypeSuite == 2 ? int16_t{50} : int16_t{0};
    case figure::PetitTotal:
      return ScorePetitTotal(a.TotalDés);
    case figure::Yam:
      return a.YamRéalisé ? static_cast<int16_t>(a.TotalDés + 70) : int16_t{0};
    default:
      assert(false && "figure out of range");
      return 0;
  }
}

}  // namespace rolvex

namespace rolvex {

// Writes into every square in play what the dice on the table would score there, and names
// the combination they form.
void Partie::CalculScoresPotentiels() {
  auto& é = état_;
  é.Analyse = AnalyserDés(é.Dés);
  const AnalyseDés& a = é.Analyse;
  affichage_.LégendeFigureRéalisée(a.FigureNommée);
  for (int16_t c = 1; c <= é.NbColonnes; ++c) {
    const CaseJeu& maxi = é.Cases(c, figure::Maxi);
    const CaseJeu& mini = é.Cases(c, figure::Mini);
    for (int16_t f = 1; f <= NbFigures; ++f) {
      CaseJeu& k = é.Cases(c, f);
      // A lower figure the dice form shows red even where it cannot be written; an upper
      // figure shows blue only where it can.
      const bool coloréeMêmeFermée = !EstFigureHaute(f);
      k.CouleurPotentiel = (k.Sélectionnable || coloréeMêmeFermée) ? CouleurFigure(a, f) : Noir;
      k.ScorePotentiel = k.Sélectionnable ? ScoreFigure(a, f, maxi, mini) : int16_t{0};
    }
  }
}

}  // namespace rolvex
