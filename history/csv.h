// The history as a CSV sheet, for players who keep their own: one line per game, a header
// first, fields quoted as spreadsheets expect them (RFC 4180).
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <system_error>

#include "history/game_record.h"

namespace rolvex {

// The header names each field: date, mode, name, abandoned, score, figures, seconds,
// language, coach; then per column 1..6 its four totals (c1_upper, c1_upper_bonus, c1_lower,
// c1_lower_bonus), then each square (c1_f1 .. c6_f13), empty when not written.
std::string EnCsv(std::span<const PartieJouee> parties);

// Writes EnCsv(parties) to `fichier`, replacing it; the error that stopped it, if any.
std::error_code EcrireCsv(const std::filesystem::path& fichier,
                          std::span<const PartieJouee> parties);

}  // namespace rolvex
