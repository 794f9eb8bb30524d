// The lines of a driver script: what each command means, and why a line is refused.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "texts/language_tables.h"

namespace rolvex::cli {

// Commands that act on a game need one started by `new`; the others may come before it.

struct ChoixLangue {  // lang fr | lang en
  static constexpr bool deJeu = false;
  Langue langue;
};
struct FixerGraine {  // seed N: every later new game draws from this seed
  static constexpr bool deJeu = false;
  std::uint64_t graine;
};
struct NouvellePartie {  // new M
  static constexpr bool deJeu = false;
  int16_t modeJeu;  // 1..3
};
struct MettreDésEnFile {  // dice V1 [V2 …]
  static constexpr bool deJeu = false;
  std::vector<int16_t> faces;  // each 1..6, at least one
};
struct PresserOk {  // ok
  static constexpr bool deJeu = true;
};
struct BoutonSurDé {  // left I | right I
  static constexpr bool deJeu = true;
  int16_t dé;      // 1..5
  int16_t bouton;  // 1 left, 2 right
};
struct CliquerPlaceDé {  // place I
  static constexpr bool deJeu = true;
  int16_t dé;  // 1..5
};
struct CliquerCase {  // click C F
  static constexpr bool deJeu = true;
  int16_t colonne;  // 1..6
  int16_t figure;   // 1..13
};
struct ChoisirFaces {  // faces 1 | faces 2
  static constexpr bool deJeu = false;
  int16_t typeDés;
};
struct Tics {  // tick [N]
  static constexpr bool deJeu = true;
  int32_t nombre;  // 1..TicsParLigneMax
};
struct AfficherÉtat {  // state
  static constexpr bool deJeu = false;
};

using Commande = std::variant<ChoixLangue, FixerGraine, NouvellePartie, MettreDésEnFile, PresserOk,
                              BoutonSurDé, CliquerPlaceDé, CliquerCase, ChoisirFaces, Tics,
                              AfficherÉtat>;

// One day of the game clock: longer waits take several lines, so a typo cannot hang the driver.
inline constexpr int32_t TicsParLigneMax = 86400;

// A blank line or a comment (first non-blank character '#').
struct LigneVide {};
// What is wrong with a line, in words for the script's author.
struct Refus {
  std::string raison;
};
using LigneLue = std::variant<LigneVide, Commande, Refus>;

// Words are separated by blanks; a carriage return before the end of the line is ignored.
LigneLue LireLigne(std::string_view ligne);

constexpr bool EstCommandeDeJeu(const Commande& commande) {
  return std::visit([](const auto& c) { return c.deJeu; }, commande);
}

}  // namespace rolvex::cli
