// The game's texts in French and English.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/display.h"
#include "engine/figure_scoring.h"

namespace rolvex {

enum class Langue : int16_t { Français = 1, Anglais = 2 };

// Character 13 alone joins the lines of a multi-line text.
inline constexpr char RetourLigne = '\r';

inline constexpr std::string_view TitreApplication = "ROLVEX";

// The progress messages of the information line.
std::string_view Texte(Message message, Langue langue);

// The names of the combinations shown in PanelFigureRéalisée (empty for none).
std::string_view Texte(TexteFigure figure, Langue langue);

}  // namespace rolvex
