#include "game.h"

namespace rolvex {

// Resets the sheet for a new game; NbColonnes and ColonneFermee are already set.
// Every column is reset, in play or not, so nothing of an earlier game survives.
void Partie::InitCases() {
  auto& e = etat_;
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      e.Cases(c, f) = CaseJeu{.Prise = false,
                              .Visible = true,
                              .Selectionnable = false,
                              .Score = 0,
                              .CouleurPrise = Blanc,
                              .ScorePotentiel = 0,
                              .CouleurPotentiel = Noir,
                              .CouleurFond = Colonnes[c].fondLibre,
                              .PriseDessinee = false};
    }
  }
  // Descente opens at the top, Montée at the bottom.
  for (int16_t f = 2; f <= NbFigures; ++f) e.Cases(colonne::Descente, f).Visible = false;
  for (int16_t f = 1; f < NbFigures; ++f) e.Cases(colonne::Montee, f).Visible = false;
  // The columns not in play are hidden.
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    if (!e.ColonneFermee[c]) continue;
    for (int16_t f = 1; f <= NbFigures; ++f) {
      auto& k = e.Cases(c, f);
      k.Selectionnable = k.Prise = k.Visible = false;
    }
  }
}

}  // namespace rolvex
