#include "random_history.h"

#include <random>

#include "engine/headless_display.h"
#include "random_player.h"

namespace rolvex::essai {

std::vector<PartieJouee> PartiesAuHasard(int nombre, std::uint64_t graine) {
  std::mt19937_64 hasard(graine);
  AffichageMemoire ecran;
  DeEquitable de(graine);
  Partie partie(ecran, de);
  JoueurHasard joueur(graine);
  std::vector<PartieJouee> parties;
  for (int i = 0; i < nombre; ++i) {
    partie.ChoisirMode(static_cast<int16_t>(1 + hasard() % 3));
    partie.AppelNouveau();
    // One game in eight is given up after a few moves.
    const int coups = hasard() % 8 == 0 ? static_cast<int>(hasard() % 60) : 20000;
    joueur.JouerPartie(
        partie, [] { return true; }, coups);
    parties.push_back(ReleverPartie(partie.Etat(), std::string("J").append(std::to_string(i % 7)),
                                    static_cast<int32_t>(hasard() % 2000), i % 2 ? "fr" : "en",
                                    hasard() % 5 == 0,
                                    std::string("2024-05-0").append(std::to_string(1 + i % 9))));
  }
  return parties;
}

}  // namespace rolvex::essai
