// The coach's advice and review as the driver prints them.
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "session/session.h"

namespace rolvex::cli {

// {"keep": [5 booleans] or null, "square": [column, figure] or null, "announce": figure or
// null, "choices": [{"keep"|"square"|"announce": …, "expect": number}, …]}, best first.
nlohmann::ordered_json ConseilEnJson(const std::vector<conseil::Choix>& choix);

// {"review": [{"turn", "throw", "dice", "made", "coach", "lost", "text"}, …]}: the costliest
// decisions in the order they were made; "made" and "coach" are choices as in "choices".
nlohmann::ordered_json RevueEnJson(const Session& session);

}  // namespace rolvex::cli
