#include "sheet_names.h"

#include "engine/score_sheet.h"

namespace rolvex {

namespace {

std::string_view Préfixe(LigneTotal ligne) {
  switch (ligne) {
    case LigneTotal::TotalHaut: return "TotalHaut";
    case LigneTotal::BonusHaut: return "BonusHaut";
    case LigneTotal::TotalBas: return "TotalBas";
    case LigneTotal::BonusBas: return "BonusBas";
  }
  return {};
}

std::string_view NomCôté(Côté côté) { return côté == Côté::Gauche ? "Gauche" : "Droite"; }

}  // namespace

std::string NomÉlément(std::string_view famille, int i) {
  return std::string(famille) + "(" + std::to_string(i) + ")";
}

std::string NomCase(int16_t colonne, int16_t figure) {
  return NomÉlément("Case" + std::string(Colonnes[colonne].nom), figure);
}

std::string NomEntête(int16_t colonne) { return "CaseNom" + std::string(Colonnes[colonne].nom); }

std::string NomTotal(LigneTotal ligne, int16_t colonne) {
  return "Case" + std::string(Préfixe(ligne)) + std::string(Colonnes[colonne].nom);
}

std::string NomÉtiquette(Côté côté, int i) {
  return NomÉlément("CaseInfo" + std::string(NomCôté(côté)), i);
}

std::string NomÉtiquetteTotal(LigneTotal ligne, Côté côté) {
  return "CaseInfo" + std::string(Préfixe(ligne)) + std::string(NomCôté(côté));
}

}  // namespace rolvex
