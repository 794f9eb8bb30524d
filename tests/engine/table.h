// A game on the table for the tests: dice chosen from short strings ("33322"), a screen that
// only remembers, and the few moves a player makes, each as the window would deliver it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "engine/headless_display.h"

namespace rolvex::essai {

// "33322" → the dice 3, 3, 3, 2, 2.
Des5 D(std::string_view faces);
std::string EnTexte(const Des5& des);

class Table {
 public:
  // A new game in `mode` has begun; dice not chosen by the test come from a fixed seed.
  explicit Table(int16_t mode = 3, std::uint64_t graine = 1);

  const EtatPartie& e() const { return partie.Etat(); }
  const CaseJeu& Case(int c, int f) const { return e().Cases(c, f); }

  void Nouvelle(int16_t mode);

  // The next dice thrown show these faces, in the order the game throws them.
  void Prevoir(std::string_view faces);
  // Presses OK with the given faces ready for the dice it throws; fails the test if the
  // press does not throw exactly that many dice.
  void Ok(std::string_view faces);
  // Presses OK expecting no die to be thrown (a refusal, or the end of the throws).
  void OkSansJet();
  // Releases the dice named by their numbers ("24": dice 2 and 4) with the left button, then
  // presses OK with the faces they will show.
  void Relancer(std::string_view des, std::string_view faces);
  void Clic(int c, int f) {
    partie.AppelCliqueCase(static_cast<int16_t>(c), static_cast<int16_t>(f));
  }
  void Gauche(int de) { partie.ImageDe_MouseDown(static_cast<int16_t>(de), bouton::Gauche); }
  void Droit(int de) { partie.ImageDe_MouseDown(static_cast<int16_t>(de), bouton::Droit); }
  void Place(int de) { partie.PanelDe_Click(static_cast<int16_t>(de)); }

  // One whole turn: the first throw shows `faces`, then square (c, f) is written.
  void Ecrire(int c, int f, std::string_view faces);
  // One whole turn in Annonce: `faces` on the first throw, figure f announced, two more
  // throws keeping every die, and OK writes the announced square.
  void Annoncer(int f, std::string_view faces);
  // Writes every free square of column c, in the order its rule allows, each with `faces`.
  void Remplir(int c, std::string_view faces = "12346");

  int NbPrises() const;
  std::string DesSurTable() const { return EnTexte(e().Des); }

  DeEquitable hasard;
  DesEnFile des{hasard};
  AffichageMemoire ecran;
  Partie partie{ecran, des};
};

}  // namespace rolvex::essai
