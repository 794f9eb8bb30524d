// The state of a session as the driver prints it: one JSON object whose keys keep a fixed
// order, so that scripts and replays can compare states line by line.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "driver.h"

namespace rolvex::cli {

// The game's values, what the window shows, and its texts in the session's language: every
// square's caption, look and pointer; `captions`, the text of every control but the squares;
// the high scores of the game's mode; the place won; the message boxes (`vue`); whether the
// scores are shown. New keys go after the existing ones, never between them.
nlohmann::ordered_json EtatEnJson(const Session& session, const VueFenetre& vue);

// One line, UTF-8; a byte that is not UTF-8 becomes U+FFFD rather than stopping the driver.
std::string LigneJson(const nlohmann::ordered_json& json);

}  // namespace rolvex::cli
