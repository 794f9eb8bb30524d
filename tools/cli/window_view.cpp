#include "window_view.h"

namespace rolvex::cli {

void VueFenêtre::Dessiner(const ÉtatPartie& état, const AireJeu& aire) {
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const DessinCase d = DessinDeCase(état, aire, c, f);
      CaseÀLÉcran& k = cases[c][f];
      k.aspect = d.aspect;
      k.pointeur = d.Pointeur;
      if (d.apparence) k.légende = d.apparence->Légende;
    }
}

}  // namespace rolvex::cli
