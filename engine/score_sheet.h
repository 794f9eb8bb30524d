// The score sheet and the fixed numbers of the game: columns, figures, modes, throws, bonuses,
// faces, mouse buttons, colours.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string_view>

namespace rolvex {

// An array indexed from Premier to Dernier, so that dice, columns, figures and places keep the
// numbers the game gives them (die 1 to 5, column 1 to 6, figure 1 to 13).
template <typename T, int Premier, int Dernier>
class Tableau {
 public:
  static constexpr int premier = Premier;
  static constexpr int dernier = Dernier;

  constexpr T& operator[](int i) {
    assert(Premier <= i && i <= Dernier);
    return valeurs_[static_cast<std::size_t>(i - Premier)];
  }
  constexpr const T& operator[](int i) const {
    assert(Premier <= i && i <= Dernier);
    return valeurs_[static_cast<std::size_t>(i - Premier)];
  }
  constexpr void fill(const T& v) { valeurs_.fill(v); }
  constexpr auto begin() { return valeurs_.begin(); }
  constexpr auto end() { return valeurs_.end(); }
  constexpr auto begin() const { return valeurs_.begin(); }
  constexpr auto end() const { return valeurs_.end(); }
  friend constexpr bool operator==(const Tableau&, const Tableau&) = default;

 private:
  std::array<T, Dernier - Premier + 1> valeurs_{};
};

// Colours are 24-bit values 0x00BBGGRR.
using Couleur = std::uint32_t;
constexpr Couleur RGB(int r, int g, int b) {
  return static_cast<Couleur>(r) | static_cast<Couleur>(g) << 8 | static_cast<Couleur>(b) << 16;
}
inline constexpr Couleur Noir = 0;
inline constexpr Couleur Bleu = 0xFF0000;
inline constexpr Couleur Rouge = 0xC0;     // a lower figure that the dice form
inline constexpr Couleur RougeVif = 0xFF;  // the row of a new high score
inline constexpr Couleur Blanc = 0xFFFFFF;

// Column numbers of the game. The order on screen is another one (OrdreEcran).
namespace colonne {
inline constexpr int16_t Libre = 1;
inline constexpr int16_t Descente = 2;
inline constexpr int16_t Montee = 3;
inline constexpr int16_t Seche = 4;
inline constexpr int16_t Deux = 5;
inline constexpr int16_t Annonce = 6;
}  // namespace colonne

// Figure numbers: the rows of the sheet. 1 to 6 are the upper part, 7 to 13 the lower part.
namespace figure {
inline constexpr int16_t As = 1;
inline constexpr int16_t Deux = 2;
inline constexpr int16_t Trois = 3;
inline constexpr int16_t Quatre = 4;
inline constexpr int16_t Cinq = 5;
inline constexpr int16_t Six = 6;
inline constexpr int16_t Maxi = 7;
inline constexpr int16_t Mini = 8;
inline constexpr int16_t Full = 9;
inline constexpr int16_t Carre = 10;
inline constexpr int16_t Suite = 11;
inline constexpr int16_t PetitTotal = 12;  // a total of 8 or less
inline constexpr int16_t Yam = 13;
}  // namespace figure

inline constexpr int16_t NbColonnesMax = 6;
inline constexpr int16_t NbFigures = 13;
inline constexpr int16_t NbFiguresBas = figure::Yam - figure::Maxi + 1;
inline constexpr int16_t NbDes = 5;

// Arrays indexed by the game's own numbers: die 1..5, column 1..6, figure 1..13, and a square
// by its column, then its figure.
template <typename T>
using ParDe = Tableau<T, 1, NbDes>;
template <typename T>
using ParColonne = Tableau<T, 1, NbColonnesMax>;
template <typename T>
using ParFigure = Tableau<T, 1, NbFigures>;
template <typename T>
using ParCase = ParColonne<ParFigure<T>>;

// The throws of a turn by the count NbJets reaches with them; 0 before the first.
inline constexpr int16_t PremierJet = 1;
inline constexpr int16_t DeuxiemeJet = 2;
inline constexpr int16_t NbJetsMax = 3;

// FigureAnnoncee while no figure is announced.
inline constexpr int16_t AucuneAnnonce = -1;

// The upper bonus of a column by its upper total, highest threshold first; a threshold reached
// exactly earns its bonus.
struct PalierBonusHaut {
  int32_t seuil;
  int32_t bonus;
};
inline constexpr std::array<PalierBonusHaut, 3> PaliersBonusHaut = {
    {{80, 100}, {70, 50}, {60, 30}}};
inline constexpr int32_t SeuilBonusHaut = PaliersBonusHaut.back().seuil;
// Every lower figure of a column made: the single bonus, or the double one together with the
// upper bonus.
inline constexpr int32_t BonusBasSimple = 100;
inline constexpr int32_t BonusBasDouble = 200;
inline constexpr int16_t CoefBonusMaxiMini = 3;

// TypeDes: the set of face pictures.
namespace faces {
inline constexpr int16_t Classiques = 1;  // pips
inline constexpr int16_t Numeriques = 2;  // numerals
}  // namespace faces

// The mouse buttons by the codes a press on a die passes: the left one keeps or throws a die,
// the right one keeps the dice identical to it; the middle one does nothing to the dice.
namespace bouton {
inline constexpr int16_t Gauche = 1;
inline constexpr int16_t Droit = 2;
inline constexpr int16_t Milieu = 4;
}  // namespace bouton

constexpr bool EstFigureHaute(int16_t f) { return f >= figure::As && f <= figure::Six; }

// Column modes 1 to 3: how many columns a game plays and so how many turns it lasts.
inline constexpr Tableau<int16_t, 1, 3> NbColonnesMode = [] {
  Tableau<int16_t, 1, 3> t;
  t[1] = 1;
  t[2] = 3;
  t[3] = 6;
  return t;
}();
inline constexpr Tableau<int16_t, 1, 3> NbCasesMode = [] {
  Tableau<int16_t, 1, 3> t;
  for (int m = 1; m <= 3; ++m) t[m] = static_cast<int16_t>(NbColonnesMode[m] * NbFigures);
  return t;
}();
constexpr bool ModeValide(int m) { return m >= 1 && m <= 3; }

// What the game knows of each column: the name its controls carry (CaseNomMontée,
// CaseBonusBasMontée…) and the background of its free squares.
struct DescriptionColonne {
  std::string_view nom;
  Couleur fondLibre;
};
inline constexpr ParColonne<DescriptionColonne> Colonnes = [] {
  ParColonne<DescriptionColonne> t;
  t[colonne::Libre] = {"Libre", RGB(134, 210, 30)};
  t[colonne::Descente] = {"Descente", RGB(192, 192, 255)};
  t[colonne::Montee] = {"Montée", RGB(192, 192, 255)};
  t[colonne::Seche] = {"Sèche", RGB(225, 179, 199)};
  t[colonne::Deux] = {"Deux", RGB(192, 192, 0)};
  t[colonne::Annonce] = {"Annonce", RGB(228, 169, 109)};
  return t;
}();

// The columns from left to right on screen, which is not their game order.
inline constexpr std::array<int16_t, NbColonnesMax> OrdreEcran = {
    colonne::Descente, colonne::Libre, colonne::Montee,
    colonne::Seche,    colonne::Deux,  colonne::Annonce};

// One square of the sheet.
struct CaseJeu {
  bool Prise = false;            // a score is written; never changes again this game
  bool Visible = false;          // the column rule shows the square this turn
  bool Selectionnable = false;   // it may be written now (after a throw, until written)
  int16_t Score = 0;             // the written score, meaningful when Prise
  Couleur CouleurPrise = Blanc;  // text colour once taken
  int16_t ScorePotentiel = 0;    // what the dice on the table would score here
  Couleur CouleurPotentiel = Noir;
  Couleur CouleurFond = Noir;  // the column's colour while free, black once taken
  bool PriseDessinee = false;  // the taken square has been drawn in its final look
  friend bool operator==(const CaseJeu&, const CaseJeu&) = default;
};

// Cases(colonne, figure): column 1..6 first, then figure 1..13.
class GrilleCases {
 public:
  CaseJeu& operator()(int c, int f) { return lignes_[c][f]; }
  const CaseJeu& operator()(int c, int f) const { return lignes_[c][f]; }
  friend bool operator==(const GrilleCases&, const GrilleCases&) = default;

 private:
  ParCase<CaseJeu> lignes_;
};

}  // namespace rolvex
