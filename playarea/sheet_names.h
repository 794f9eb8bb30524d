// The names of the play area's controls, as the window and the driver know them: a square is
// "CaseSèche(7)", a header "CaseNomSèche", a total "CaseBonusBasSèche".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rolvex {

// The four total and bonus rows under each column.
enum class LigneTotal : int8_t { TotalHaut, BonusHaut, TotalBas, BonusBas };
inline constexpr std::array<LigneTotal, 4> LignesTotaux = {
    LigneTotal::TotalHaut, LigneTotal::BonusHaut, LigneTotal::TotalBas, LigneTotal::BonusBas};

// The two sides of the sheet that carry the row labels.
enum class Cote : int8_t { Gauche, Droite };

// "famille(i)", the name of element i of an indexed family.
std::string NomElement(std::string_view famille, int i);

// colonne 1..6, figure 1..13 (0 is the family's hidden model).
std::string NomCase(int16_t colonne, int16_t figure);
std::string NomEntete(int16_t colonne);
std::string NomTotal(LigneTotal ligne, int16_t colonne);
// The row label of figure i (0..13) on one side: "CaseInfoGauche(3)".
std::string NomEtiquette(Cote cote, int i);
// The label of a total or bonus row on one side: "CaseInfoBonusHautDroite".
std::string NomEtiquetteTotal(LigneTotal ligne, Cote cote);

}  // namespace rolvex
