#include "advisor/review.h"

#include <algorithm>

namespace rolvex::conseil {

bool MemeChoix(const Choix& a, const Choix& b, const Des5& des) {
  if (a.genre != b.genre) return false;
  if (a.genre != Choix::Genre::Garder) return a.colonne == b.colonne && a.figure == b.figure;
  Compte ka{}, kb{};
  for (int16_t d = 1; d <= NbDes; ++d) {
    ka[des[d]] = static_cast<int8_t>(ka[des[d]] + a.garder[d]);
    kb[des[d]] = static_cast<int8_t>(kb[des[d]] + b.garder[d]);
  }
  return ka == kb;
}

std::vector<Erreur> Revoir(const std::vector<Decision>& decisions, std::size_t nb) {
  // Rounding makes ties between equal choices differ by a few ulps: they cost nothing.
  constexpr double Negligeable = 1e-9;
  Coach coach;
  std::vector<Erreur> erreurs;
  for (std::size_t i = 0; i < decisions.size(); ++i) {
    const Decision& d = decisions[i];
    const std::vector<Choix> choix = coach.Conseiller(d.feuille, d.situation);
    const auto fait = std::find_if(choix.begin(), choix.end(), [&](const Choix& c) {
      return MemeChoix(c, d.fait, d.situation.des);
    });
    if (choix.empty() || fait == choix.end()) continue;
    const double cout = choix.front().esperance - fait->esperance;
    if (cout > Negligeable) erreurs.push_back({i, d, choix.front(), fait->esperance, cout});
  }
  std::stable_sort(erreurs.begin(), erreurs.end(),
                   [](const Erreur& a, const Erreur& b) { return a.cout > b.cout; });
  if (erreurs.size() > nb) erreurs.resize(nb);
  std::stable_sort(erreurs.begin(), erreurs.end(),
                   [](const Erreur& a, const Erreur& b) { return a.numero < b.numero; });
  return erreurs;
}

}  // namespace rolvex::conseil
