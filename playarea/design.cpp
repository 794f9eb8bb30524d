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
constexpr Tableau<DesignColonne, 1, NbColonnesMax> DesignsColonnes = [] {
  Tableau<DesignColonne, 1, NbColonnesMax> t;
  t[colonne::Libre] = {std::nullopt, RGB(192, 255, 192), RGB(0, 128, 0)};
  t[colonne::Descente] = {RGB(0, 0, 0), RGB(192, 192, 255), RGB(0, 0, 128)};
  t[colonne::Montee] = {std::nullopt, RGB(192, 192, 255), RGB(0, 0, 128)};
  t[colonne::Seche] = {std::nullopt, RGB(255, 192, 192), RGB(128, 0, 0)};
  t[colonne::Deux] = {std::nullopt, RGB(255, 255, 192), RGB(64, 64, 0)};
  t[colonne::Annonce] = {std::nullopt, RGB(255, 224, 192), RGB(128, 64, 0)};
  return t;
}();

constexpr Couleur FondTotaux = RGB(75, 141, 163);
constexpr Couleur FondBonus = RGB(82, 228, 145);

constexpr Couleur FondTotalOuBonus(LigneTotal ligne) {
  return ligne == LigneTotal::TotalHaut || ligne == LigneTotal::TotalBas ? FondTotaux : FondBonus;
}

struct DesignNomme {
  std::string_view nom;
  Design design;
};

constexpr std::array DesignsSeuls = {
    DesignNomme{"SuperPanelDés", {std::nullopt, RGB(0, 64, 0), {}, false}},
    DesignNomme{"PanelScoreTotal", {RGB(0, 0, 0), RGB(0, 192, 0), TimesNewRoman, true}},
    DesignNomme{"PanelTotalDés", {RGB(0, 0, 128), RGB(192, 192, 192), TimesNewRoman, true}},
    DesignNomme{"PanelFigureRéalisée", {RGB(192, 64, 0), RGB(192, 192, 255), TimesNewRoman, true}},
    DesignNomme{"PanelOkDé", {RGB(128, 255, 128), RGB(128, 128, 128), TimesNewRoman, true}},
    DesignNomme{"PanelNewGame", {std::nullopt, RGB(0, 192, 0), TimesNewRoman, true}},
    DesignNomme{"PanelNewMode", {std::nullopt, RGB(128, 128, 255), TimesNewRoman, true}},
    DesignNomme{"PanelInfoDéroulement", {RGB(255, 255, 128), RGB(0, 128, 0), TimesNewRoman, true}},
    DesignNomme{"PanelStart", {std::nullopt, RGB(128, 128, 255), TimesNewRoman, false}},
    DesignNomme{"SuperPanelScore", {std::nullopt, RGB(0, 0, 64), {}, false}},
    DesignNomme{"PanelModeColonnes", {std::nullopt, RGB(0, 192, 0), {}, false}},
    DesignNomme{"PanelScore", {std::nullopt, RGB(0, 0, 128), {}, false}},
    DesignNomme{"PanelEffacerScores", {std::nullopt, RGB(192, 192, 255), {}, false}},
};

}  // namespace

Design DesignCase(int16_t colonne) {
  return {DesignsColonnes[colonne].texteCases, Colonnes[colonne].fondLibre, TimesNewRoman, true};
}

Design DesignEntete(int16_t colonne) {
  const DesignColonne& d = DesignsColonnes[colonne];
  return {d.texteEntete, d.fondEntete, TimesNewRoman, true};
}

Design DesignTotal(LigneTotal ligne) {
  return {std::nullopt, FondTotalOuBonus(ligne), TimesNewRoman, true};
}

Design DesignEtiquette(int i) {
  std::optional<Couleur> fond;
  if (i >= 1) fond = i % 2 == 1 ? RGB(144, 159, 144) : RGB(192, 207, 192);
  return {std::nullopt, fond, ComicSansMS, true};
}

Design DesignEtiquetteTotal(LigneTotal ligne) {
  return {std::nullopt, FondTotalOuBonus(ligne), ComicSansMS, true};
}

Design DesignLigneScores(int i) {
  return {std::nullopt, i % 2 == 1 ? RGB(224, 224, 224) : RGB(192, 192, 192), {}, false};
}

Design DesignControleSeul(std::string_view nom) {
  for (const DesignNomme& d : DesignsSeuls)
    if (d.nom == nom) return d.design;
  return {};
}

}  // namespace rolvex
