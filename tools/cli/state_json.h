// The state of a game as the driver prints it: one JSON object whose keys keep a fixed order,
// so that scripts and replays can compare states line by line.
#pragma once

#include <nlohmann/json.hpp>

#include "engine/game.h"
#include "engine/headless_display.h"
#include "texts/language_tables.h"

namespace rolvex::cli {

// The game's values, what the window would show (`affichage`), and its texts in `langue`.
// New keys go after the existing ones, never between them.
nlohmann::ordered_json ÉtatEnJson(const ÉtatPartie& état, const AffichageMémoire& affichage,
                                  Langue langue);

// One line, UTF-8; a byte that is not UTF-8 becomes U+FFFD rather than stopping the driver.
std::string LigneJson(const nlohmann::ordered_json& json);

}  // namespace rolvex::cli
