#include "figure_scoring.h"
#include "game.h"

namespace rolvex {

AnalyseDes AnalyserDes(const Des5& des) {
  AnalyseDes a;
  for (int16_t d : des) {
    assert(d >= 1 && d <= 6);
    ++a.NbDesFace[d];
  }
  int rang = 1;
  for (int16_t v = 1; v <= 6; ++v)
    for (int n = 0; n < a.NbDesFace[v]; ++n) a.DesTries[rang++] = v;

  auto suiteDepuis = [&](int16_t depart) {
    for (int i = 1; i <= NbDes; ++i)
      if (a.DesTries[i] != depart + i - 1) return false;
    return true;
  };
  if (suiteDepuis(1)) {
    a.TypeSuite = 1;
  } else if (suiteDepuis(2)) {
    a.TypeSuite = 2;
  }
  a.SuiteRealisee = a.TypeSuite != 0;

  bool brelan = false;
  bool paire = false;
  for (int16_t v = 1; v <= 6; ++v) {
    const int n = a.NbDesFace[v];
    if (n == 5) a.YamRealise = true;
    if (n >= 4) a.FaceCarre = v;
    if (n == 3) brelan = true;
    if (n == 2) paire = true;
  }
  a.FullRealise = (brelan && paire) || a.YamRealise;
  a.CarreRealise = a.FaceCarre != 0;

  for (int16_t d : des) a.TotalDes = static_cast<int16_t>(a.TotalDes + d);
  a.TotalMaxi = a.TotalDes;
  a.TotalMini = a.TotalDes;
  a.PetitTotalRealise = a.TotalDes < 9;

  // One name at most; a Yam is named as such and not as the Full or Carré it also makes.
  if (a.SuiteRealisee) {
    a.FigureNommee = TexteFigure::TexteSuite;
  } else if (a.YamRealise) {
    a.FigureNommee = TexteFigure::TexteYam;
  } else if (a.FullRealise) {
    a.FigureNommee = TexteFigure::TexteFull;
  } else if (a.CarreRealise) {
    a.FigureNommee = TexteFigure::TexteCarre;
  }
  return a;
}

Couleur CouleurFigure(const AnalyseDes& a, int16_t f) {
  if (EstFigureHaute(f)) return a.NbDesFace[f] >= 3 ? Bleu : Noir;
  switch (f) {
    case figure::Full: return a.FullRealise ? Rouge : Noir;
    case figure::Carre: return a.CarreRealise ? Rouge : Noir;
    case figure::Suite: return a.SuiteRealisee ? Rouge : Noir;
    case figure::PetitTotal: return a.PetitTotalRealise ? Rouge : Noir;
    case figure::Yam: return a.YamRealise ? Rouge : Noir;
    default: return Noir;  // Maxi and Mini are never shown in red
  }
}

int16_t ScoreFigure(const AnalyseDes& a, int16_t f, const CaseJeu& maxi, const CaseJeu& mini) {
  if (EstFigureHaute(f)) return static_cast<int16_t>(a.NbDesFace[f] * f);
  switch (f) {
    case figure::Maxi:
      // A Maxi or Mini crossed out with 0 sets no bound.
      if (mini.Prise && mini.Score != 0 && mini.Score >= a.TotalMaxi) return 0;
      return a.TotalMaxi;
    case figure::Mini:
      if (maxi.Prise && maxi.Score != 0 && maxi.Score <= a.TotalMini) return 0;
      return a.TotalMini;
    case figure::Full: return a.FullRealise ? static_cast<int16_t>(a.TotalDes + 20) : int16_t{0};
    case figure::Carre:  // only the four dice of the Carré count, never the fifth
      return a.CarreRealise ? static_cast<int16_t>(4 * a.FaceCarre + 30) : int16_t{0};
    case figure::Suite:
      return a.TypeSuite == 1 ? int16_t{45} : a.TypeSuite == 2 ? int16_t{50} : int16_t{0};
    case figure::PetitTotal: return ScorePetitTotal(a.TotalDes);
    case figure::Yam: return a.YamRealise ? static_cast<int16_t>(a.TotalDes + 70) : int16_t{0};
    default: assert(false && "figure out of range"); return 0;
  }
}

}  // namespace rolvex

namespace rolvex {

// Writes into every square in play what the dice on the table would score there, and names
// the combination they form.
void Partie::CalculScoresPotentiels() {
  auto& e = etat_;
  e.Analyse = AnalyserDes(e.Des);
  const AnalyseDes& a = e.Analyse;
  affichage_.LegendeFigureRealisee(a.FigureNommee);
  for (int16_t c = 1; c <= e.NbColonnes; ++c) {
    const CaseJeu& maxi = e.Cases(c, figure::Maxi);
    const CaseJeu& mini = e.Cases(c, figure::Mini);
    for (int16_t f = 1; f <= NbFigures; ++f) {
      CaseJeu& k = e.Cases(c, f);
      // A lower figure the dice form shows red even where it cannot be written; an upper
      // figure shows blue only where it can.
      const bool coloreeMemeFermee = !EstFigureHaute(f);
      k.CouleurPotentiel = (k.Selectionnable || coloreeMemeFermee) ? CouleurFigure(a, f) : Noir;
      k.ScorePotentiel = k.Selectionnable ? ScoreFigure(a, f, maxi, mini) : int16_t{0};
    }
  }
}

}  // namespace rolvex
