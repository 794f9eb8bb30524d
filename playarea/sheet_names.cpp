#include "sheet_names.h"

#include "engine/score_sheet.h"

namespace rolvex {

namespace {

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

}  // namespace

std::string NomElement(std::string_view famille, int i) {
  return std::string(famille) + "(" + std::to_string(i) + ")";
}

std::string NomCase(int16_t colonne, int16_t figure) {
  return NomElement("Case" + std::string(Colonnes[colonne].nom), figure);
}

std::string NomEntete(int16_t colonne) { return "CaseNom" + std::string(Colonnes[colonne].nom); }

std::string NomTotal(LigneTotal ligne, int16_t colonne) {
  return "Case" + std::string(Prefixe(ligne)) + std::string(Colonnes[colonne].nom);
}

std::string NomEtiquette(Cote cote, int i) {
  return NomElement("CaseInfo" + std::string(NomCote(cote)), i);
}

std::string NomEtiquetteTotal(LigneTotal ligne, Cote cote) {
  return "CaseInfo" + std::string(Prefixe(ligne)) + std::string(NomCote(cote));
}

}  // namespace rolvex
