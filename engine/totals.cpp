// Column totals and bonuses, always recomputed whole from the written scores.
#include "game.h"

namespace rolvex {

int32_t BonusDuHaut(int32_t totalHaut) {
  for (const PalierBonusHaut& palier : PaliersBonusHaut)
    if (totalHaut >= palier.seuil) return palier.bonus;
  return 0;
}

TotauxColonne CalculerTotaux(const ScoresColonne& k) {
  auto somme = [&](int16_t de, int16_t a) {
    int32_t s = 0;
    for (int16_t f = de; f <= a; ++f)
      if (k.ecrit[f]) s += k.score[f];
    return s;
  };
  TotauxColonne t;
  t.haut = somme(figure::As, figure::Six);
  t.bonusHaut = BonusDuHaut(t.haut);
  t.bas = somme(figure::Maxi, figure::Yam);
  // Every lower figure made, none crossed out.
  bool toutesRealisees = true;
  for (int16_t f = figure::Maxi; f <= figure::Yam; ++f)
    toutesRealisees = toutesRealisees && k.ecrit[f] && k.score[f] > 0;
  if (toutesRealisees) t.bonusBas = t.haut < SeuilBonusHaut ? BonusBasSimple : BonusBasDouble;
  const int16_t maxi = k.score[figure::Maxi], mini = k.score[figure::Mini];
  if (k.ecrit[figure::Maxi] && k.ecrit[figure::Mini] && maxi != 0 && mini != 0)
    t.bonusBas += (maxi - mini) * CoefBonusMaxiMini;
  return t;
}

void Partie::CalculTotauxEtBonus() {
  auto& e = etat_;
  e.ScoreTotal = 0;
  for (int16_t c = 1; c <= e.NbColonnes; ++c) {
    ScoresColonne k;
    for (int16_t f = 1; f <= NbFigures; ++f) {
      k.ecrit[f] = e.Cases(c, f).Prise;
      k.score[f] = e.Cases(c, f).Score;
    }
    const TotauxColonne t = CalculerTotaux(k);
    e.TotalHaut[c] = t.haut;
    e.BonusHaut[c] = t.bonusHaut;
    e.TotalBas[c] = t.bas;
    e.BonusBas[c] = t.bonusBas;
    e.ScoreTotal += t.Somme();
  }
}

}  // namespace rolvex
