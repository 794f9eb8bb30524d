// The play area as designed: where each control stands, its colours and fonts, and its sizes on
// the 12000 × 9000 twips screen the windows were drawn for. Fixed structure, given once here and
// read by the layout for every control it creates.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/score_sheet.h"
#include "sheet_names.h"

namespace rolvex {

inline constexpr std::string_view TimesNewRoman = "Times New Roman";
inline constexpr std::string_view ComicSansMS = "Comic Sans MS";

// A colour left out (nullopt) is the platform's: its colour for text on buttons for a text,
// the control's own for a background.
struct Design {
  std::optional<Couleur> texte;
  std::optional<Couleur> fond;
  std::string_view police;  // empty: the platform's font
  bool gras = false;
};

// Lengths in twips and font sizes in points on the reference screen. A width follows the
// screen's width, a height its height, a font size its width unless fixed; a place does not
// follow the screen. 0: the layout derives the length from other controls.
struct Mesures {
  double gauche = 0;
  double haut = 0;
  double largeur = 0;
  double hauteur = 0;
  bool carre = false;  // as high as wide
  double police = 0;   // 0: the layout leaves the font's size alone
  bool policeFixe = false;
};

struct DesignControle {
  std::optional<Cle> conteneur;  // nothing: the window
  Design design;
  // Nothing for the squares, headers, totals and row labels: the grid of the sheet sizes them.
  Mesures mesures;
};
DesignControle DesignDe(const Cle& cle);

}  // namespace rolvex
