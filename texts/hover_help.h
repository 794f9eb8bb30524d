// The help the information line gives while the mouse passes over an element of the play area.
// Each function says which text the window passes to InfoInterface, or nothing when the line
// keeps the text it has.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/game.h"
#include "playarea/sheet_names.h"
#include "texts/language_tables.h"

namespace rolvex {

using AideSurvol = std::optional<std::string>;

// The square of column col (1..6) and figure ind (1..13): explained only while it may be
// written; the column on the first line, the figure on the lines after.
AideSurvol AppelMoveCase(const EtatPartie& etat, int16_t col, int16_t ind, Langue langue);

// Which bonus square: the upper one or the lower one of a column.
namespace bonus {
inline constexpr int16_t Haut = 1;
inline constexpr int16_t Bas = 2;
}  // namespace bonus

// The bonus square `où` (bonus::Haut or bonus::Bas) of column c (1..6): how far the column is
// from its bonus, or what it has earned. Silent once the game is over, so that the end-of-game
// message stays.
AideSurvol AppelMoveBonus(const EtatPartie& etat, int16_t ou, int16_t c, Langue langue);

// How the window asks for the help of a bonus square. The lower bonus of Annonce gives it on a
// click, not while the mouse passes over it.
enum class GesteAide : int8_t { Survol, Clic };
constexpr GesteAide GesteAideBonus(int16_t ou, int16_t c) {
  return ou == bonus::Bas && c == colonne::Annonce ? GesteAide::Clic : GesteAide::Survol;
}

// The panels of the dice area that explain themselves (PanelFigureRealisee, PanelTotalDes,
// PanelScoreTotal), whatever the state of the game; another panel has no help.
std::string AppelMovePanel(Seul panel, Langue langue);

// The five columns of the high-score panel (FamillesScores); rang is the row, 1 (best) to 10,
// written in decimal.
std::string AppelMovePanelScore(Famille colonne, int16_t rang, Langue langue);

// A bare part of the play area clears the line while a game runs; after the end of a game it
// leaves the end-of-game message alone.
AideSurvol PictureAireJeu_MouseMove(const EtatPartie& etat);

}  // namespace rolvex
