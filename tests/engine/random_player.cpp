#include "random_player.h"

#include <array>
#include <utility>

namespace rolvex::essai {

void JoueurHasard::Jouer(Partie& partie) {
  const ÉtatPartie& é = partie.État();
  const int r = Entre(0, 99);
  if (é.NbJets == 0) {
    // Before the first throw only OK does anything; the other moves must change nothing.
    if (r < 90) {
      partie.AppelOkDéClique();
    } else if (r < 95) {
      CliquerCase(partie, false);
    } else {
      ToucherDé(partie);
    }
    return;
  }
  constexpr std::array<int, NbJetsMax + 1> chancesDÉcrire{0, 25, 40, 75};
  const int écrire = chancesDÉcrire[static_cast<std::size_t>(é.NbJets)];
  if (r < écrire) {
    CliquerCase(partie, true);  // in Annonce right after the first throw, this announces
  } else if (r < écrire + 5) {
    CliquerCase(partie, false);
  } else if (r < écrire + 45) {
    ToucherDé(partie);
  } else {
    partie.AppelOkDéClique();
  }
}

void JoueurHasard::CliquerCase(Partie& partie, bool libresSeulement) {
  const ÉtatPartie& é = partie.État();
  std::array<std::pair<int16_t, int16_t>, NbColonnesMax * NbFigures> montrées{};
  std::size_t n = 0;
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const CaseJeu& k = é.Cases(c, f);
      if (k.Visible && !(libresSeulement && k.Prise)) montrées[n++] = {c, f};
    }
  if (n == 0) return;
  const auto [c, f] = montrées[static_cast<std::size_t>(Entre(0, static_cast<int>(n) - 1))];
  partie.AppelCliqueCase(c, f);
}

void JoueurHasard::ToucherDé(Partie& partie) {
  const auto dé = static_cast<int16_t>(Entre(1, NbDés));
  const int r = Entre(0, 99);
  if (r < 60) {
    partie.ImageDé_MouseDown(dé, 1);
  } else if (r < 80) {
    partie.ImageDé_MouseDown(dé, 2);
  } else if (r < 95) {
    partie.PanelDé_Click(dé);
  } else {
    partie.ImageDé_MouseDown(dé, 4);  // the middle button does nothing
  }
}

}  // namespace rolvex::essai
