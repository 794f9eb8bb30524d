#include "window_view.h"

namespace rolvex::cli {

void VueFenetre::Dessiner(const EtatPartie& etat, const AireJeu& aire) {
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const DessinCase d = DessinDeCase(etat, aire, c, f);
      CaseALEcran& k = cases[c][f];
      k.aspect = d.aspect;
      k.pointeur = d.Pointeur;
      if (d.apparence) k.legende = d.apparence->Legende;
    }
}

}  // namespace rolvex::cli
