// The lines of a driver script: what each command means, and why a line is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "texts/hover_help.h"
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
struct MettreDesEnFile {  // dice V1 [V2 …]
  static constexpr bool deJeu = false;
  std::vector<int16_t> faces;  // each 1..6, at least one
};
struct PresserOk {  // ok
  static constexpr bool deJeu = true;
};
struct AnnulerCase {  // undo
  static constexpr bool deJeu = true;
};
struct BoutonSurDe {  // left I | right I
  static constexpr bool deJeu = true;
  int16_t de;      // 1..5
  int16_t bouton;  // 1 left, 2 right
};
struct CliquerPlaceDe {  // place I
  static constexpr bool deJeu = true;
  int16_t de;  // 1..5
};
struct CliquerCase {  // click C F
  static constexpr bool deJeu = true;
  int16_t colonne;  // 1..6
  int16_t figure;   // 1..13
};
struct ChoisirFaces {  // faces 1 | faces 2
  static constexpr bool deJeu = false;
  int16_t typeDes;
};
struct Tics {  // tick [N]
  static constexpr bool deJeu = true;
  int32_t nombre;  // 1..TicsParLigneMax
};
struct AfficherEtat {  // state
  static constexpr bool deJeu = false;
};
// stats [MODE]: prints the statistics of mode MODE (the session's mode without it) over the
// history of the data folder, as one line of JSON.
struct AfficherStatistiques {
  static constexpr bool deJeu = false;
  std::optional<int16_t> modeJeu;  // 1..3
};

// The mouse over the play area, as the window delivers it: a control that is not on screen
// gets no mouse move, so the information line keeps its text.
struct SurvolerCase {  // hover C F
  static constexpr bool deJeu = false;
  int16_t colonne;  // 1..6
  int16_t figure;   // 1..13
};
// The help of a bonus square as the window gives it: on a mouse move, except the lower bonus
// of Annonce, which gives it on a click (GesteAideBonus).
struct SurvolerBonus {  // bonus W C
  static constexpr bool deJeu = false;
  int16_t ou;       // bonus::Haut or bonus::Bas
  int16_t colonne;  // 1..6
};
struct SurvolerPanel {  // panel PanelFigureRéalisée | PanelTotalDés | PanelScoreTotal
  static constexpr bool deJeu = false;
  Seul panel;
};
struct SurvolerPanelScore {  // panel PanelScoreNom I (and the other four columns)
  static constexpr bool deJeu = false;
  Famille panel;
  int16_t rang;  // 1..10
};
struct SurvolerAire {  // bare: a part of PictureAireJeu with no control on it
  static constexpr bool deJeu = false;
};

// layout W H N: prints the geometry of a screen of W × H twips for N columns.
struct Disposer {
  static constexpr bool deJeu = false;
  double largeur;  // DimensionsEcranValides
  double hauteur;
  int16_t nbColonnes;  // 1, 3 or 6
};

// data DIR: the folder of the data files, loaded at once; only before the first game, since
// the window loads them once, at start-up.
struct ChargerDossier {
  static constexpr bool deJeu = false;
  std::string dossier;
};
// name TEXT: the name dialog's OK with TEXT in the name box.
struct ValiderNom {
  static constexpr bool deJeu = false;
  std::string nom;  // at most LongueurTextName characters; empty is the dialog's own refusal
};
// mode M: selects an option button of the name dialog; the next OK takes it.
struct ChoisirOptionMode {
  static constexpr bool deJeu = false;
  int16_t modeJeu;  // 1..3
};

// The coach: hint prints its advice, odds shows or hides the odds of the announcements, review
// prints the review of a finished game.
struct DemanderConseil {  // hint
  static constexpr bool deJeu = true;
};
struct BasculerChances {  // odds
  static constexpr bool deJeu = true;
};
struct DemanderRevue {  // review
  static constexpr bool deJeu = true;
};
using Commande =
    std::variant<ChoixLangue, FixerGraine, NouvellePartie, MettreDesEnFile, PresserOk, BoutonSurDe,
                 CliquerPlaceDe, CliquerCase, ChoisirFaces, Tics, AfficherEtat, SurvolerCase,
                 SurvolerBonus, SurvolerPanel, SurvolerPanelScore, SurvolerAire, Disposer,
                 ChargerDossier, ValiderNom, ChoisirOptionMode, AnnulerCase, DemanderConseil,
                 BasculerChances, DemanderRevue, AfficherStatistiques>;

// The name box holds at most 12 characters.
inline constexpr std::size_t LongueurTextName = 12;

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
// `name` takes the rest of the line after the one blank that follows it, blanks included, so
// that a name of spaces can be typed; `data` takes the rest of the line without its outer
// blanks, so that a folder may hold spaces.
LigneLue LireLigne(std::string_view ligne);

constexpr bool EstCommandeDeJeu(const Commande& commande) {
  return std::visit([](const auto& c) { return c.deJeu; }, commande);
}

}  // namespace rolvex::cli
