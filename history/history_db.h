// The history of every game played in a data folder, in an SQLite database beside the two data
// files (whose bytes it never touches). Each call opens the database, does its work in one
// transaction and closes it, so that no lock outlives a game's end. A failure never stops the
// game: it is returned, and the next game's end tries again.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "history/game_record.h"
#include "records/file_store.h"

namespace rolvex {

inline constexpr std::string_view NomFichierHistorique = "history12.db";
std::filesystem::path CheminHistorique(const std::filesystem::path& dossier);

// The layout of the tables, kept in PRAGMA user_version. A database of an older version is
// brought up to this one in place, in the transaction of its next write.
inline constexpr int VersionSchema = 1;

// How long a write waits for another program's lock before giving up, in milliseconds.
inline constexpr int AttenteVerrouMs = 200;

// Why the history could not be read or written.
struct EchecHistorique {
  enum class Nature : int8_t {
    Abimee,       // not a database, or a damaged one
    Verrouillee,  // another program holds it
    Inscription,  // the folder or the file cannot be written (or read)
    Recente       // written by a later version of the game, which this one does not change
  };
  Nature nature = Nature::Inscription;
  std::filesystem::path chemin;
  std::string detail;  // SQLite's own words
};

// Adds the games to the history of `dossier` (created with its tables when missing), all in
// one transaction: all are there afterwards, or none. The witness sees each call by which the
// database's files change, before and after it.
std::optional<EchecHistorique> EnregistrerParties(const std::filesystem::path& dossier,
                                                  std::span<const PartieJouee> parties,
                                                  const TemoinAppels& temoin = {});

// The games of `dossier` in the order they were played, of one mode or of all; none when there
// is no history yet. A row the game cannot make sense of is left out.
struct LectureHistorique {
  std::vector<PartieJouee> parties;
  std::optional<EchecHistorique> echec;
};
LectureHistorique LireHistorique(const std::filesystem::path& dossier,
                                 std::optional<int16_t> mode = std::nullopt);

}  // namespace rolvex
