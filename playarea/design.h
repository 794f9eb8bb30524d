// The colours and fonts the play area is designed with: fixed structure, given once here and
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
  friend bool operator==(const Design&, const Design&) = default;
};

// Every square of column 1..6 (element 0 too): its free-square background, and PoliceCases.
Design DesignCase(int16_t colonne);
// The header CaseNom… of column 1..6.
Design DesignEntete(int16_t colonne);
// The total and bonus squares of every column (they share PoliceCases).
Design DesignTotal(LigneTotal ligne);
// The row label of figure i (0..13), alike on both sides: rows alternate two grey-greens from
// the darker one on row 1; the hidden model 0 keeps the platform's background.
Design DesignEtiquette(int i);
// The labels of the total and bonus rows, on both sides.
Design DesignEtiquetteTotal(LigneTotal ligne);
// Row i (1..10) of the five high-score families: light grey on odd rows, darker on even ones.
Design DesignLigneScores(int i);
// A control that is no element of a family (PanelOkDé, SuperPanelScore…); the platform's
// look for a name the design does not list.
Design DesignControleSeul(std::string_view nom);

}  // namespace rolvex
