#include "square_drawing.h"

namespace rolvex {

namespace {

std::string LegendeTotal(int32_t total) { return total == 0 ? "" : std::to_string(total); }

std::string LegendeBonus(int32_t bonus) { return bonus == 0 ? "" : "+ " + std::to_string(bonus); }

}  // namespace

DessinCase DessinDeCase(const EtatPartie& e, const AireJeu& aire, int16_t colonne, int16_t figure) {
  const CaseJeu& k = e.Cases(colonne, figure);
  DessinCase d;
  // Every square gets a pointer, hidden or taken ones too; a taken square is never selectable.
  d.Pointeur = k.Selectionnable ? PointeurFlecheHaut : PointeurInterdit;
  if (!k.Visible) return d;

  const Rect cellule = aire[CleCase{colonne, figure}].rect;
  if (k.Prise) {
    d.aspect = Aspect::Prise;
    d.DejaDessinee = k.PriseDessinee;
    // A written 0 reads as crossed out.
    d.apparence =
        ApparenceCase{k.Score == 0 ? "OOO" : std::to_string(k.Score), k.CouleurPrise, k.CouleurFond,
                      AppliquerRetraitPrise(cellule, aire.Tailles().RetraitPrise)};
  } else {
    d.aspect = Aspect::Libre;
    // Before the first throw of a turn there is no score to offer.
    d.apparence = ApparenceCase{e.NbJets != 0 ? std::to_string(k.ScorePotentiel) : "",
                                k.CouleurPotentiel, k.CouleurFond, cellule};
  }
  return d;
}

std::string LegendeLigneTotal(const EtatPartie& e, LigneTotal ligne, int16_t colonne) {
  switch (ligne) {
    case LigneTotal::TotalHaut: return LegendeTotal(e.TotalHaut[colonne]);
    case LigneTotal::BonusHaut: return LegendeBonus(e.BonusHaut[colonne]);
    case LigneTotal::TotalBas: return LegendeTotal(e.TotalBas[colonne]);
    case LigneTotal::BonusBas: return LegendeBonus(e.BonusBas[colonne]);
  }
  return {};
}

}  // namespace rolvex
