#include "sheet_names.h"

#include "engine/score_sheet.h"

namespace rolvex {

namespace {

constexpr std::array<std::string_view, NbSeuls> NomsSeuls = {
    "PictureAireJeu",  "PanelInfoDéroulement", "PanelStart", "SuperPanelDés",     "PanelScoreTotal",
    "PanelTotalDés",   "PanelFigureRéalisée",  "PanelOkDé",  "PanelNewGame",      "PanelNewMode",
    "SuperPanelScore", "PanelModeColonnes",    "PanelScore", "PanelEffacerScores"};

constexpr std::array<std::string_view, NbFamilles> NomsFamilles = {
    "PanelDé",         "ImageDé",         "PanelScoreClassement", "PanelScoreNom",
    "PanelScoreScore", "PanelScoreTemps", "PanelScoreNbFigures"};

std::string_view Prefixe(LigneTotal ligne) {
  switch (ligne) {
    case LigneTotal::TotalHaut: return "TotalHaut";
    case LigneTotal::BonusHaut: return "BonusHaut";
    case LigneTotal::TotalBas: return "TotalBas";
    case LigneTotal::BonusBas: return "BonusBas";
  }
  return {};
}

std::string_view NomCote(Cote cote) { return cote == Cote::Gauche ? "Gauche" : "Droite"; }

std::string NomColonne(int16_t colonne) { return std::string(Colonnes[colonne].nom); }

template <typename CleFigure, typename CleLigne>
ColonneFeuille Colonne(Cle haut, CleFigure figure, CleLigne total) {
  ColonneFeuille c;
  auto rang = c.begin();
  *rang++ = haut;
  for (int16_t f = figure::As; f <= figure::Six; ++f) *rang++ = figure(f);
  *rang++ = total(LigneTotal::TotalHaut);
  *rang++ = total(LigneTotal::BonusHaut);
  for (int16_t f = figure::Maxi; f <= figure::Yam; ++f) *rang++ = figure(f);
  *rang++ = total(LigneTotal::TotalBas);
  *rang++ = total(LigneTotal::BonusBas);
  return c;
}

}  // namespace

std::string_view NomFamille(Famille famille) {
  return NomsFamilles[static_cast<std::size_t>(famille)];
}

std::string Nom(const Cle& cle) {
  return std::visit(
      Selon{
          [](Seul s) { return std::string(NomsSeuls[static_cast<std::size_t>(s)]); },
          [](CleElement e) { return NomElement(NomFamille(e.famille), e.i); },
          [](CleCase k) { return NomElement("Case" + NomColonne(k.colonne), k.figure); },
          [](CleEntete k) { return "CaseNom" + NomColonne(k.colonne); },
          [](CleTotal k) { return "Case" + std::string(Prefixe(k.ligne)) + NomColonne(k.colonne); },
          [](CleEtiquette k) { return NomElement("CaseInfo" + std::string(NomCote(k.cote)), k.i); },
          [](CleEtiquetteTotal k) {
            return "CaseInfo" + std::string(Prefixe(k.ligne)) + std::string(NomCote(k.cote));
          },
      },
      cle);
}

ColonneFeuille ColonneDeCases(int16_t colonne) {
  return Colonne(
      CleEntete{colonne},
      [=](int16_t f) {
        return CleCase{colonne, f};
      },
      [=](LigneTotal l) {
        return CleTotal{l, colonne};
      });
}

ColonneFeuille ColonneDEtiquettes(Cote cote) {
  return Colonne(
      CleEtiquette{cote, 0},
      [=](int16_t f) {
        return CleEtiquette{cote, f};
      },
      [=](LigneTotal l) {
        return CleEtiquetteTotal{l, cote};
      });
}

std::string NomElement(std::string_view famille, int i) {
  return std::string(famille) + "(" + std::to_string(i) + ")";
}

std::string NomCase(int16_t colonne, int16_t figure) { return Nom(CleCase{colonne, figure}); }
std::string NomEntete(int16_t colonne) { return Nom(CleEntete{colonne}); }
std::string NomTotal(LigneTotal ligne, int16_t colonne) { return Nom(CleTotal{ligne, colonne}); }
std::string NomEtiquette(Cote cote, int i) {
  return Nom(CleEtiquette{cote, static_cast<int16_t>(i)});
}
std::string NomEtiquetteTotal(LigneTotal ligne, Cote cote) {
  return Nom(CleEtiquetteTotal{ligne, cote});
}

}  // namespace rolvex
