// The state of a game as the driver prints it: one JSON object whose keys keep a fixed order,
// so that scripts and replays can compare states line by line.
#pragma once

#include <nlohmann/json.hpp>

#include "records/high_scores.h"
#include "engine/game.h"
#include "engine/headless_display.h"
#include "texts/language_tables.h"
#include "window_view.h"

namespace rolvex::cli {

// The game's values, what the window would show (`affichage`), and its texts in `langue`.
// New keys go after the existing ones, never between them.
nlohmann::ordered_json EtatEnJson(const EtatPartie& etat, const AffichageMemoire& affichage,
                                  Langue langue);

// The same, then what the rest of the window shows: every square's caption, look and
// pointer; `captions`, the text of every control but the squares; the high scores of the
// game's mode (`scores`); the place won; the message boxes; whether the scores are shown.
nlohmann::ordered_json EtatEnJson(const EtatPartie& etat, const AffichageMemoire& affichage,
                                  const VueFenetre& vue, const HighScores& scores, Langue langue);

// The text of every control of the main window and of the name dialog that shows one,
// except the 78 squares, by control name.
nlohmann::ordered_json Legendes(const EtatPartie& etat, const AffichageMemoire& affichage,
                                const VueFenetre& vue, Langue langue);

// One line, UTF-8; a byte that is not UTF-8 becomes U+FFFD rather than stopping the driver.
std::string LigneJson(const nlohmann::ordered_json& json);

}  // namespace rolvex::cli
