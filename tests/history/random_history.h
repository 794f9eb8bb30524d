// Games played by the random player in every mode, some given up part way, as the history
// keeps them: the tests and the benchmarks fill histories with them.
#pragma once

#include <cstdint>
#include <vector>

#include "history/game_record.h"

namespace rolvex::essai {

std::vector<PartieJouee> PartiesAuHasard(int nombre, std::uint64_t graine);

}  // namespace rolvex::essai
