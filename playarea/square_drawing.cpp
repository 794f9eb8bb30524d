#include "square_drawing.h"

namespace rolvex {

DessinCase DessinDeCase(const ÉtatPartie& é, const AireJeu& aire, int16_t colonne,
                        int16_t figure) {
  const CaseJeu& k = é.Cases(colonne, figure);
  DessinCase d;
  // Every square gets a pointer, hidden or taken ones too; a taken square is never selectable.
  d.Pointeur = k.Sélectionnable ? PointeurFlècheHaut : PointeurInterdit;
  if (!k.Visible) return d;

  const Rect cellule = aire[NomCase(colonne, figure)].rect;
  if (k.Prise) {
    d.aspect = Aspect::Prise;
    d.DéjàDessinée = k.PriseDessinée;
    // A written 0 reads as crossed out.
    d.apparence = ApparenceCase{k.Score == 0 ? "OOO" : std::to_string(k.Score), k.CouleurPrise,
                                k.CouleurFond,
                                AppliquerRetraitPrise(cellule, aire.Tailles().RetraitPrise)};
  } else {
    d.aspect = Aspect::Libre;
    // Before the first throw of a turn there is no score to offer.
    d.apparence = ApparenceCase{é.NbJets != 0 ? std::to_string(k.ScorePotentiel) : "",
                                k.CouleurPotentiel, k.CouleurFond, cellule};
  }
  return d;
}

std::string LégendeTotal(int32_t total) { return total == 0 ? "" : std::to_string(total); }

std::string LégendeBonus(int32_t bonus) { return bonus == 0 ? "" : "+ " + std::to_string(bonus); }

std::string LégendeLigneTotal(const ÉtatPartie& é, LigneTotal ligne, int16_t colonne) {
  switch (ligne) {
    case LigneTotal::TotalHaut: return LégendeTotal(é.TotalHaut[colonne]);
    case LigneTotal::BonusHaut: return LégendeBonus(é.BonusHaut[colonne]);
    case LigneTotal::TotalBas: return LégendeTotal(é.TotalBas[colonne]);
    case LigneTotal::BonusBas: return LégendeBonus(é.BonusBas[colonne]);
  }
  return {};
}

std::string LégendeDuScoreTotal(const ÉtatPartie& é) { return std::to_string(é.ScoreTotal); }

std::optional<std::string> LégendeDuTotalDés(const ÉtatPartie& é) {
  if (é.NbJets == 0) return std::nullopt;
  return std::to_string(é.Analyse.TotalDés);
}

}  // namespace rolvex
