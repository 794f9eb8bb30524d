#include "design.h"

#include <array>

namespace rolvex {

namespace {

struct DesignColonne {
  std::optional<Couleur> texteCases;
  Couleur texteEntete;
  Couleur fondEntete;
};

// The squares' backgrounds are the game's own column colours (Colonnes).
constexpr ParColonne<DesignColonne> DesignsColonnes = [] {
  ParColonne<DesignColonne> t;
  t[colonne::Libre] = {std::nullopt, RGB(192, 255, 192), RGB(0, 128, 0)};
  t[colonne::Descente] = {RGB(0, 0, 0), RGB(192, 192, 255), RGB(0, 0, 128)};
  t[colonne::Montee] = {std::nullopt, RGB(192, 192, 255), RGB(0, 0, 128)};
  t[colonne::Seche] = {std::nullopt, RGB(255, 192, 192), RGB(128, 0, 0)};
  t[colonne::Deux] = {std::nullopt, RGB(255, 255, 192), RGB(64, 64, 0)};
  t[colonne::Annonce] = {std::nullopt, RGB(255, 224, 192), RGB(128, 64, 0)};
  return t;
}();

constexpr Couleur FondTotalOuBonus(LigneTotal ligne) {
  return ligne == LigneTotal::TotalHaut || ligne == LigneTotal::TotalBas ? RGB(75, 141, 163)
                                                                         : RGB(82, 228, 145);
}

struct DesignSeul {
  Seul seul;
  std::optional<Seul> conteneur;
  Design design;
  Mesures mesures;
};

constexpr Design Fond(Couleur fond) { return {std::nullopt, fond, {}, false}; }
constexpr Design Times(std::optional<Couleur> texte, Couleur fond, bool gras = true) {
  return {texte, fond, TimesNewRoman, gras};
}

// The controls that stand alone, one row each in the order of Seul: the control they stand in
// (nothing: the window), their colours and font, and their measures.
constexpr std::array<DesignSeul, NbSeuls> DesignsSeuls = {{
    {Seul::PictureAireJeu, {}, {}, {.haut = 50}},
    {Seul::PanelInfoDeroulement,
     {},
     Times(RGB(255, 255, 128), RGB(0, 128, 0)),
     {.gauche = 50, .largeur = 5040, .hauteur = 1365, .police = 12}},
    {Seul::PanelStart,
     {},
     Times(std::nullopt, RGB(128, 128, 255), false),
     {.largeur = 4530, .hauteur = 1350, .police = 28}},
    {Seul::SuperPanelDes, {}, Fond(RGB(0, 64, 0)), {}},
    {Seul::PanelScoreTotal,
     Seul::SuperPanelDes,
     Times(RGB(0, 0, 0), RGB(0, 192, 0)),
     {.largeur = 1590, .hauteur = 500, .police = 18}},
    {Seul::PanelTotalDes,
     Seul::SuperPanelDes,
     Times(RGB(0, 0, 128), RGB(192, 192, 192)),
     {.largeur = 1590, .hauteur = 450, .police = 18}},
    {Seul::PanelFigureRealisee,
     Seul::SuperPanelDes,
     Times(RGB(192, 64, 0), RGB(192, 192, 255)),
     {.largeur = 1590, .hauteur = 450, .police = 12}},
    {Seul::PanelOkDe,
     Seul::SuperPanelDes,
     Times(RGB(128, 255, 128), RGB(128, 128, 128)),
     {.police = 20}},
    // The buttons shown after a game keep their designed font, whatever the screen.
    {Seul::PanelNewGame,
     Seul::SuperPanelDes,
     Times(std::nullopt, RGB(0, 192, 0)),
     {.police = 14.25, .policeFixe = true}},
    {Seul::PanelNewMode,
     Seul::SuperPanelDes,
     Times(std::nullopt, RGB(128, 128, 255)),
     {.police = 14.25, .policeFixe = true}},
    {Seul::SuperPanelScore, {}, Fond(RGB(0, 0, 64)), {.haut = 100}},
    {Seul::PanelModeColonnes,
     Seul::SuperPanelScore,
     Fond(RGB(0, 192, 0)),
     {.largeur = 2250, .hauteur = 495, .police = 12}},
    {Seul::PanelScore, Seul::SuperPanelScore, Fond(RGB(0, 0, 128)), {}},
    {Seul::PanelEffacerScores, Seul::SuperPanelScore, Fond(RGB(192, 192, 255)), {.police = 12}},
}};

struct MesuresFamille {
  Famille famille;
  Mesures mesures;
};

// The dice in a row, each with its face inside, and the high-score table's columns.
constexpr std::array<MesuresFamille, NbFamilles> MesuresFamilles = {{
    {Famille::PanelDe, {.haut = 75, .largeur = 945, .carre = true}},
    {Famille::ImageDe, {.gauche = 60, .haut = 60, .largeur = 825, .carre = true}},
    {Famille::PanelScoreClassement, {.largeur = 390, .hauteur = 390, .police = 15}},
    {Famille::PanelScoreNom, {.largeur = 1800, .hauteur = 390, .police = 10}},
    {Famille::PanelScoreScore, {.largeur = 990, .hauteur = 390, .police = 15}},
    {Famille::PanelScoreTemps, {.largeur = 690, .hauteur = 390, .police = 12}},
    {Famille::PanelScoreNbFigures, {.largeur = 540, .hauteur = 390, .police = 14}},
}};

template <typename Table, typename Enum>
constexpr bool DansLOrdre(const Table& table, Enum Table::value_type::*cle) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].*cle != static_cast<Enum>(i)) return false;
  return true;
}
static_assert(DansLOrdre(DesignsSeuls, &DesignSeul::seul), "one row per Seul, in its order");
static_assert(DansLOrdre(MesuresFamilles, &MesuresFamille::famille), "one row per Famille");

DesignControle DesignElement(CleElement e) {
  const Mesures& m = MesuresFamilles[static_cast<std::size_t>(e.famille)].mesures;
  switch (e.famille) {
    case Famille::PanelDe: return {Seul::SuperPanelDes, Fond(RGB(72, 126, 58)), m};
    case Famille::ImageDe: return {CleElement{Famille::PanelDe, e.i}, {}, m};
    default:
      // The rows of the high-score table: light grey on odd rows, darker on even ones.
      return {Seul::PanelScore, Fond(e.i % 2 == 1 ? RGB(224, 224, 224) : RGB(192, 192, 192)), m};
  }
}

// The row labels alternate two grey-greens from the darker one on row 1, alike on both
// sides; the hidden model 0 keeps the platform's background.
Design DesignEtiquette(int i) {
  std::optional<Couleur> fond;
  if (i >= 1) fond = i % 2 == 1 ? RGB(144, 159, 144) : RGB(192, 207, 192);
  return {std::nullopt, fond, ComicSansMS, true};
}

}  // namespace

DesignControle DesignDe(const Cle& cle) {
  const Seul feuille = Seul::PictureAireJeu;
  return std::visit(
      Selon{
          [](Seul s) {
            const DesignSeul& d = DesignsSeuls[static_cast<std::size_t>(s)];
            return DesignControle{d.conteneur ? std::optional<Cle>(*d.conteneur) : std::nullopt,
                                  d.design, d.mesures};
          },
          [](CleElement e) { return DesignElement(e); },
          [&](CleCase k) {
            return DesignControle{feuille,
                                  {DesignsColonnes[k.colonne].texteCases,
                                   Colonnes[k.colonne].fondLibre, TimesNewRoman, true},
                                  {}};
          },
          [&](CleEntete k) {
            const DesignColonne& d = DesignsColonnes[k.colonne];
            return DesignControle{feuille, Times(d.texteEntete, d.fondEntete), {}};
          },
          [&](CleTotal k) {
            return DesignControle{feuille, Times(std::nullopt, FondTotalOuBonus(k.ligne)), {}};
          },
          [&](CleEtiquette k) {
            return DesignControle{feuille, DesignEtiquette(k.i), {}};
          },
          [&](CleEtiquetteTotal k) {
            return DesignControle{
                feuille, {std::nullopt, FondTotalOuBonus(k.ligne), ComicSansMS, true}, {}};
          },
      },
      cle);
}

}  // namespace rolvex
