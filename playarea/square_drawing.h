// What each square of the sheet shows for the game state: its look, caption, colours, place
// and mouse pointer; and the captions of the totals and result panels. The window applies it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/game.h"
#include "layout.h"

namespace rolvex {

enum class Aspect : int8_t { Cachee, Libre, Prise };

// The platform's standard pointer codes: a square that can be chosen, and one that cannot.
inline constexpr int16_t PointeurFlecheHaut = 10;
inline constexpr int16_t PointeurInterdit = 12;

struct ApparenceCase {
  std::string Legende;
  Couleur CouleurTexte = Noir;
  Couleur CouleurFond = Noir;
  Rect rect;  // in PictureAireJeu: the grid cell, or the cell inset once when taken
};

struct DessinCase {
  Aspect aspect = Aspect::Cachee;
  // Nothing for a hidden square: it keeps its caption, colours and size.
  std::optional<ApparenceCase> apparence;
  // A taken square already drawn in its final look (PriseDessinee): its control already shows
  // `apparence`, and setting it again changes nothing.
  bool DejaDessinee = false;
  int16_t Pointeur = PointeurInterdit;
};

// The square of colonne 1..6 and figure 1..13, in an area laid out for the game's columns.
DessinCase DessinDeCase(const EtatPartie& e, const AireJeu& aire, int16_t colonne, int16_t figure);

// The caption of a total or bonus square of column 1..6: nothing for 0, a bonus as "+ 30".
std::string LegendeLigneTotal(const EtatPartie& e, LigneTotal ligne, int16_t colonne);

}  // namespace rolvex
