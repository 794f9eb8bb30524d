#include "random_player.h"

#include <array>
#include <utility>

namespace rolvex::essai {

void JoueurHasard::Jouer(Partie& partie) {
  const EtatPartie& e = partie.Etat();
  const int r = Entre(0, 99);
  if (e.NbJets == 0) {
    // Before the first throw only OK does anything; the other moves must change nothing.
    if (r < 90) {
      partie.AppelOkDeClique();
    } else if (r < 95) {
      CliquerCase(partie, false);
    } else {
      ToucherDe(partie);
    }
    return;
  }
  constexpr std::array<int, NbJetsMax + 1> chancesDEcrire{0, 25, 40, 75};
  const int ecrire = chancesDEcrire[static_cast<std::size_t>(e.NbJets)];
  if (r < ecrire) {
    CliquerCase(partie, true);  // in Annonce right after the first throw, this announces
  } else if (r < ecrire + 5) {
    CliquerCase(partie, false);
  } else if (r < ecrire + 45) {
    ToucherDe(partie);
  } else {
    partie.AppelOkDeClique();
  }
}

void JoueurHasard::CliquerCase(Partie& partie, bool libresSeulement) {
  const EtatPartie& e = partie.Etat();
  std::array<std::pair<int16_t, int16_t>, NbColonnesMax * NbFigures> montrees{};
  std::size_t n = 0;
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const CaseJeu& k = e.Cases(c, f);
      if (k.Visible && !(libresSeulement && k.Prise)) montrees[n++] = {c, f};
    }
  if (n == 0) return;
  const auto [c, f] = montrees[static_cast<std::size_t>(Entre(0, static_cast<int>(n) - 1))];
  partie.AppelCliqueCase(c, f);
}

void JoueurHasard::ToucherDe(Partie& partie) {
  const auto de = static_cast<int16_t>(Entre(1, NbDes));
  const int r = Entre(0, 99);
  if (r < 60) {
    partie.ImageDe_MouseDown(de, bouton::Gauche);
  } else if (r < 80) {
    partie.ImageDe_MouseDown(de, bouton::Droit);
  } else if (r < 95) {
    partie.PanelDe_Click(de);
  } else {
    partie.ImageDe_MouseDown(de, bouton::Milieu);
  }
}

}  // namespace rolvex::essai
