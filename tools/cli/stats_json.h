// The statistics of one mode as `stats` prints them: one JSON object whose keys keep a fixed
// order.
#pragma once

#include <nlohmann/json.hpp>

#include "history/statistics.h"

namespace rolvex::cli {

// games, abandoned, mean, median, best, worst (null without a finished game); figures: for
// each column of the mode ("1".."6"), its 13 figures in order, each with made, crossed and
// mean; bonuses: for each column, how many games won its upper, lower and Maxi-Mini bonus.
nlohmann::ordered_json StatistiquesEnJson(const Statistiques& s);

}  // namespace rolvex::cli
