// Column totals and bonuses, always recomputed whole from the written scores.
#include "game.h"

namespace rolvex {

namespace {

int32_t BonusDuHaut(int32_t totalHaut) {
  if (totalHaut >= 80) return 100;
  if (totalHaut >= 70) return 50;
  if (totalHaut >= 60) return 30;
  return 0;
}

}  // namespace

void Partie::CalculTotauxEtBonus() {
  auto& é = état_;
  é.ScoreTotal = 0;
  for (int16_t c = 1; c <= é.NbColonnes; ++c) {
    auto somme = [&](int16_t de, int16_t à) {
      int32_t s = 0;
      for (int16_t f = de; f <= à; ++f)
        if (é.Cases(c, f).Prise) s += é.Cases(c, f).Score;
      return s;
    };
    é.TotalHaut[c] = somme(figure::As, figure::Six);
    é.BonusHaut[c] = BonusDuHaut(é.TotalHaut[c]);
    é.TotalBas[c] = somme(figure::Maxi, figure::Yam);

    // Every lower figure made (none crossed out) earns 100, or 200 with the upper bonus.
    bool toutesRéalisées = true;
    for (int16_t f = figure::Maxi; f <= figure::Yam; ++f)
      toutesRéalisées = toutesRéalisées && é.Cases(c, f).Prise && é.Cases(c, f).Score > 0;
    é.BonusBas[c] = toutesRéalisées ? (é.TotalHaut[c] < 60 ? 100 : 200) : 0;

    const CaseJeu& maxi = é.Cases(c, figure::Maxi);
    const CaseJeu& mini = é.Cases(c, figure::Mini);
    if (maxi.Prise && mini.Prise && maxi.Score != 0 && mini.Score != 0)
      é.BonusBas[c] += (maxi.Score - mini.Score) * CoefBonusMaxiMini;

    é.ScoreTotal += é.TotalHaut[c] + é.BonusHaut[c] + é.TotalBas[c] + é.BonusBas[c];
  }
}

}  // namespace rolvex
