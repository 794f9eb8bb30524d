#include "random_player.h"

namespace rolvex::essai {

void JoueurHasard::Jouer(Partie& partie) {
  auto entre = [&](int min, int max) {
    return static_cast<int16_t>(std::uniform_int_distribution(min, max)(hasard_));
  };
  // By the throws made this turn, the chances out of 100 that the move clicks a square of the
  // game, free ones only below the first bound (in Annonce right after the first throw, this
  // announces), or touches a die with the left or the right button or its place; otherwise it
  // presses OK. Before the first throw only OK does anything: the other moves must change
  // nothing. A square that is not shown takes no click: the move is lost.
  constexpr int seuils[NbJetsMax + 1][3] = {{0, 5, 10}, {25, 30, 70}, {40, 45, 85}, {75, 80, 100}};
  const auto& seuil = seuils[partie.Etat().NbJets];
  const int r = entre(0, 99);
  if (r >= seuil[2]) return partie.AppelOkDeClique();
  if (r >= seuil[1]) {
    const int16_t de = entre(1, NbDes), b = entre(bouton::Gauche, bouton::Gauche + 2);
    return b == bouton::Gauche + 2 ? partie.PanelDe_Click(de) : partie.ImageDe_MouseDown(de, b);
  }
  const int16_t c = entre(1, partie.Etat().NbColonnes), f = entre(1, NbFigures);
  const CaseJeu& k = partie.Etat().Cases(c, f);
  if (k.Visible && !(r < seuil[0] && k.Prise)) partie.AppelCliqueCase(c, f);
}

}  // namespace rolvex::essai
