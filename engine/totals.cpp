// Column totals and bonuses, always recomputed whole from the written scores.
#include "game.h"

namespace rolvex {

namespace {

int32_t BonusDuHaut(int32_t totalHaut) {
  for (const PalierBonusHaut& palier : PaliersBonusHaut)
    if (totalHaut >= palier.seuil) return palier.bonus;
  return 0;
}

}  // namespace

void Partie::CalculTotauxEtBonus() {
  auto& e = etat_;
  e.ScoreTotal = 0;
  for (int16_t c = 1; c <= e.NbColonnes; ++c) {
    auto somme = [&](int16_t de, int16_t a) {
      int32_t s = 0;
      for (int16_t f = de; f <= a; ++f)
        if (e.Cases(c, f).Prise) s += e.Cases(c, f).Score;
      return s;
    };
    e.TotalHaut[c] = somme(figure::As, figure::Six);
    e.BonusHaut[c] = BonusDuHaut(e.TotalHaut[c]);
    e.TotalBas[c] = somme(figure::Maxi, figure::Yam);

    // Every lower figure made, none crossed out.
    bool toutesRealisees = true;
    for (int16_t f = figure::Maxi; f <= figure::Yam; ++f)
      toutesRealisees = toutesRealisees && e.Cases(c, f).Prise && e.Cases(c, f).Score > 0;
    e.BonusBas[c] =
        toutesRealisees ? (e.TotalHaut[c] < SeuilBonusHaut ? BonusBasSimple : BonusBasDouble) : 0;

    const CaseJeu& maxi = e.Cases(c, figure::Maxi);
    const CaseJeu& mini = e.Cases(c, figure::Mini);
    if (maxi.Prise && mini.Prise && maxi.Score != 0 && mini.Score != 0)
      e.BonusBas[c] += (maxi.Score - mini.Score) * CoefBonusMaxiMini;

    e.ScoreTotal += e.TotalHaut[c] + e.BonusHaut[c] + e.TotalBas[c] + e.BonusBas[c];
  }
}

}  // namespace rolvex
