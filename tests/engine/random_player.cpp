#include "random_player.h"

#include <array>
#include <utility>

namespace rolvex::essai {

void JoueurHasard::Jouer(Partie& partie) {
  // By the throws made this turn, the chances out of 100 that the move clicks a free square (in
  // Annonce right after the first throw, this announces), clicks any shown square or touches a
  // die; otherwise it presses OK. Before the first throw only OK does anything: the other moves
  // must change nothing.
  constexpr int seuils[NbJetsMax + 1][3] = {{0, 5, 10}, {25, 30, 70}, {40, 45, 85}, {75, 80, 100}};
  const auto& seuil = seuils[partie.Etat().NbJets];
  const int r = Entre(0, 99);
  if (r < seuil[0]) {
    CliquerCase(partie, true);
  } else if (r < seuil[1]) {
    CliquerCase(partie, false);
  } else if (r < seuil[2]) {
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

// Mostly the left button; the place of a die now and then, the middle button seldom.
void JoueurHasard::ToucherDe(Partie& partie) {
  const auto de = static_cast<int16_t>(Entre(1, NbDes));
  const int r = Entre(0, 99);
  if (r >= 80 && r < 95) {
    partie.PanelDe_Click(de);
  } else {
    partie.ImageDe_MouseDown(de, r < 60 ? bouton::Gauche : r < 80 ? bouton::Droit : bouton::Milieu);
  }
}

}  // namespace rolvex::essai
