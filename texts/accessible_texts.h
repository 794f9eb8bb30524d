// What a screen reader says of each control the player uses, in the language of the run: a
// name that tells what the control is and what it shows now, and a description that tells
// what it is for and how to use it from the keyboard or the mouse.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "texts/language_tables.h"

namespace rolvex {

struct TexteAccessible {
  std::string nom;
  std::string description;
  friend bool operator==(const TexteAccessible&, const TexteAccessible&) = default;
};

// The square of column 1..6 and figure 1..13: its column, its figure and what it would score
// now or has scored ("Libre, Full : 33 points possibles").
TexteAccessible AccessibleCase(const EtatPartie& e, int16_t colonne, int16_t figure, Langue langue);

// The total or bonus square of column 1..6: `où` is bonus::Haut or bonus::Bas (hover_help.h).
TexteAccessible AccessibleTotal(const EtatPartie& e, int16_t ou, int16_t colonne, Langue langue);
TexteAccessible AccessibleBonus(const EtatPartie& e, int16_t ou, int16_t colonne, Langue langue);

// The row labels of the totals and bonuses, on both sides of the sheet.
TexteAccessible AccessibleEtiquetteTotal(int16_t ou, Langue langue);
TexteAccessible AccessibleEtiquetteBonus(int16_t ou, Langue langue);

// The names of column 1..6 and figure 1..13 as the player reads them ("Libre", "Free"; "Carré",
// "Square").
std::string_view NomColonne(int16_t colonne, Langue langue);
std::string_view NomFigure(int16_t figure, Langue langue);

// The header of column 1..6 and the row label of figure 1..13.
TexteAccessible AccessibleEntete(int16_t colonne, Langue langue);
TexteAccessible AccessibleEtiquette(int16_t figure, Langue langue);

// Die 1..5: its face and whether it is kept; and the place under it.
TexteAccessible AccessibleDe(const EtatPartie& e, int16_t de, Langue langue);
TexteAccessible AccessiblePlaceDe(int16_t de, Langue langue);

// The throw button, with the faces thrown and the number of throws made this turn.
TexteAccessible AccessibleOkDe(const EtatPartie& e, Langue langue);

// The result panels of the dice area, with the values they show.
TexteAccessible AccessibleScoreTotal(const EtatPartie& e, Langue langue);
TexteAccessible AccessibleTotalDes(const EtatPartie& e, Langue langue);
TexteAccessible AccessibleFigureRealisee(const EtatPartie& e, Langue langue);

// The column headers of the high-score table, in the order of FamillesScores: place, name,
// score, time, figures.
std::string_view AccessibleEnteteScores(std::size_t colonne, Langue langue);

// The information line: its text, lines joined by line feeds, is its description.
TexteAccessible AccessibleInfo(std::string_view texte, Langue langue);

// The controls whose texts never change during a run, by window and control name.
struct AccessibleFixe {
  Fenetre fenetre = Fenetre::FormRolvex;
  std::string_view controle;
  Bilingue nom;
  Bilingue description;
};
std::span<const AccessibleFixe> AccessiblesFixes();

// The start-up window's controls, said in both languages since none is chosen yet.
struct AccessibleDemarrage {
  std::string_view controle;
  std::string_view nom;
  std::string_view description;
};
std::span<const AccessibleDemarrage> AccessiblesDemarrage();

}  // namespace rolvex
