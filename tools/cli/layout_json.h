// The geometry of the windows for one screen, as the driver prints it.
#pragma once

#include <cstdint>

#include <nlohmann/json.hpp>

namespace rolvex::cli {

// A length or a font size as a JSON number: an integer when it is one, else the shortest
// decimal that gives the same single-precision value back (1250/3 → 416.66666).
nlohmann::ordered_json Nombre(float valeur);

// The sizes of the sheet, the dialogs' margin `m`, every control's [left, top, width, height]
// in twips within its container (`controls`) and the point sizes the layout sets
// (`fontSizes`), for a screen of largeur × hauteur twips (DimensionsEcranValides) and a game
// of nbColonnes (1, 3 or 6).
nlohmann::ordered_json DispositionEnJson(double largeur, double hauteur, int16_t nbColonnes);

}  // namespace rolvex::cli
