// The controls of the play area and the names the window and the driver know them by: a square
// is "CaseSèche(7)", a header "CaseNomSèche", a total "CaseBonusBasSèche". A Cle names a control
// in a way the compiler checks; Nom gives its name, which stays the widget's object name.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace rolvex {

// The four total and bonus rows under each column.
enum class LigneTotal : int8_t { TotalHaut, BonusHaut, TotalBas, BonusBas };
inline constexpr std::array<LigneTotal, 4> LignesTotaux = {
    LigneTotal::TotalHaut, LigneTotal::BonusHaut, LigneTotal::TotalBas, LigneTotal::BonusBas};

// The two sides of the sheet that carry the row labels.
enum class Cote : int8_t { Gauche, Droite };

// The controls that are no element of a family.
enum class Seul : int8_t {
  PictureAireJeu,
  PanelInfoDeroulement,
  PanelStart,
  SuperPanelDes,
  PanelScoreTotal,
  PanelTotalDes,
  PanelFigureRealisee,
  PanelOkDe,
  PanelNewGame,
  PanelNewMode,
  SuperPanelScore,
  PanelModeColonnes,
  PanelScore,
  PanelEffacerScores,
};
inline constexpr int NbSeuls = 14;

// The families of the dice area, elements 1..5, and of the high-score table, rows 1..10.
enum class Famille : int8_t {
  PanelDe,
  ImageDe,
  PanelScoreClassement,
  PanelScoreNom,
  PanelScoreScore,
  PanelScoreTemps,
  PanelScoreNbFigures,
};
inline constexpr int NbFamilles = 7;
// The columns of the high-score table, left to right, each a family of rows 1..10.
inline constexpr std::array<Famille, 5> FamillesScores = {
    Famille::PanelScoreClassement, Famille::PanelScoreNom, Famille::PanelScoreScore,
    Famille::PanelScoreTemps, Famille::PanelScoreNbFigures};

struct CleElement {
  Famille famille;
  int16_t i;
  auto operator<=>(const CleElement&) const = default;
};
struct CleCase {  // colonne 1..6, figure 1..13
  int16_t colonne;
  int16_t figure;
  auto operator<=>(const CleCase&) const = default;
};
struct CleEntete {
  int16_t colonne;
  auto operator<=>(const CleEntete&) const = default;
};
struct CleTotal {
  LigneTotal ligne;
  int16_t colonne;
  auto operator<=>(const CleTotal&) const = default;
};
struct CleEtiquette {  // the row label of figure i (1..13); 0 is the hidden model
  Cote cote;
  int16_t i;
  auto operator<=>(const CleEtiquette&) const = default;
};
struct CleEtiquetteTotal {
  LigneTotal ligne;
  Cote cote;
  auto operator<=>(const CleEtiquetteTotal&) const = default;
};

// One control: aire[Seul::PanelOkDe], aire[CleCase{colonne::Seche, figure::Maxi}].
using Cle =
    std::variant<Seul, CleElement, CleCase, CleEntete, CleTotal, CleEtiquette, CleEtiquetteTotal>;

std::string Nom(const Cle& cle);
// The name a family's elements share before their index: "PanelScoreNom".
std::string_view NomFamille(Famille famille);

// A visitor of a Cle made of one lambda per kind of control.
template <typename... F>
struct Selon : F... {
  using F::operator()...;
};

// A column of the sheet from top to bottom: its header, or the model of its row labels; As to
// Six; the upper total and bonus; Maxi to Yam; the lower total and bonus.
using ColonneFeuille = std::array<Cle, 18>;
ColonneFeuille ColonneDeCases(int16_t colonne);
ColonneFeuille ColonneDEtiquettes(Cote cote);

// "famille(i)", the name of element i of an indexed family.
std::string NomElement(std::string_view famille, int i);

// The names of the sheet's controls, as Nom gives them.
std::string NomCase(int16_t colonne, int16_t figure);
std::string NomEntete(int16_t colonne);
std::string NomTotal(LigneTotal ligne, int16_t colonne);
std::string NomEtiquette(Cote cote, int i);
std::string NomEtiquetteTotal(LigneTotal ligne, Cote cote);

}  // namespace rolvex
