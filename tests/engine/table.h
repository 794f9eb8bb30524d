// A game on the table for the tests: dice chosen from short strings ("33322"), a screen that
// remembers, and the few moves a player makes, each as the window would deliver it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "engine/headless_display.h"

namespace rolvex::essai {

// The dice as text, "33322", with '?' for a die without value.
std::string EnTexte(const Des5& des);

// A screen that remembers what it shows. At every redraw it checks that a taken square
// reaches it once not yet drawn, then always drawn; it keeps the game as it was handed over
// at its end.
class Ecran : public AffichageMemoire {
 public:
  const Partie* partie = nullptr;
  std::optional<EtatPartie> aLaFin;
  std::string scoreALaFin;

  void DessineCases() override;
  void AppelFinPartie() override;

 private:
  Tableau<Tableau<bool, 1, NbFigures>, 1, NbColonnesMax> prisesDejaVues_{};
};

// The dice of the table: the faces the test chose, then a seeded die. Every face handed out is
// noted, so that a throw can be checked die by die.
struct DesNotes final : SourceDes {
  explicit DesNotes(std::uint64_t graine) : hasard(graine) {}
  void NouvellePartie() override { file.NouvellePartie(); }
  int16_t Face() override { return tires.emplace_back(file.Face()); }

  DeEquitable hasard;
  DesEnFile file{hasard};
  std::vector<int16_t> tires;
};

class Table {
 public:
  // No game yet; dice not chosen by the test come from a fixed seed.
  explicit Table(std::uint64_t graine);

  const EtatPartie& e() const { return partie.Etat(); }

  void Nouvelle(int16_t mode) {
    partie.ChoisirMode(mode);
    partie.AppelNouveau();
  }
  // The next dice thrown show these faces, in the order the game throws them.
  void Prevoir(std::string_view faces) {
    for (char c : faces) des.file.Ajouter(static_cast<int16_t>(c - '0'));
  }
  // Presses OK with the given faces ready for the dice it throws; fails the test unless the
  // press throws and takes them all.
  void Ok(std::string_view faces);
  // Releases the dice named by their numbers ("24": dice 2 and 4), then presses OK.
  void Relancer(std::string_view laches, std::string_view faces) {
    for (char c : laches) Gauche(c - '0');
    Ok(faces);
  }
  void Clic(int c, int f) {
    partie.AppelCliqueCase(static_cast<int16_t>(c), static_cast<int16_t>(f));
  }
  void Gauche(int de) { partie.ImageDe_MouseDown(static_cast<int16_t>(de), bouton::Gauche); }
  void Droit(int de) { partie.ImageDe_MouseDown(static_cast<int16_t>(de), bouton::Droit); }
  void Place(int de) { partie.PanelDe_Click(static_cast<int16_t>(de)); }

  // One whole turn: the first throw shows `faces`, then square (c, f) is written.
  void Ecrire(int c, int f, std::string_view faces);
  std::string DesSurTable() const { return EnTexte(e().Des); }

  DesNotes des;
  Ecran ecran;
  Partie partie{ecran, des};
};

}  // namespace rolvex::essai
