// The two data files in a folder on disk: read once at start-up, written whole after every
// change worth keeping. A failing read or write never stops the game: it is returned, the
// values in memory stay as they are, and the next save tries again.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "records/data_files.h"

namespace rolvex {

inline constexpr std::string_view NomFichierOptions = "options12.dat";
inline constexpr std::string_view NomFichierNoms = "names12.dat";

std::filesystem::path CheminFichierOptions(const std::filesystem::path& dossier);
std::filesystem::path CheminFichierNoms(const std::filesystem::path& dossier);

// A file bigger than this is not one of ours; it is refused rather than read into memory.
inline constexpr std::uintmax_t TailleLueMaximum = 1 << 20;

enum class FichierDonnees : int8_t { Options, Noms };
enum class OperationFichier : int8_t { Lecture, Ecriture };

// Which file could not be read or written, and why.
struct EchecFichier {
  FichierDonnees fichier = FichierDonnees::Options;
  OperationFichier operation = OperationFichier::Lecture;
  std::filesystem::path chemin;
  std::error_code erreur;
};

// Hands bytes to an open file until all are written, or says what stopped it. The system's
// write is the default; tests put in one that fails part way.
using EcrivainOctets =
    std::function<std::error_code(int descripteur, std::span<const std::uint8_t> octets)>;
std::error_code EcrireTout(int descripteur, std::span<const std::uint8_t> octets);

struct ChargementDossier {
  Chargement chargement;        // the values to play with
  bool fichiersEcrits = false;  // there were no options: the defaults are on disk now
  std::optional<EchecFichier> echec;
};

// ChargerOptions: reads both files of `dossier`. Absent files give the defaults (drawn with
// `tirage`), written at once; damaged ones are read with the decoder's repairs. An options
// file that exists but cannot be read gives the defaults in memory and is left alone, so that
// a passing fault never costs the player the tables on disk. A names file that cannot be read
// leaves the names empty.
ChargementDossier ChargerOptions(const std::filesystem::path& dossier, TirageUniforme& tirage,
                                 const EcrivainOctets& ecrire = EcrireTout);

struct ResultatSauvegarde {
  std::optional<EchecFichier> echec;
  bool Reussie() const { return !echec.has_value(); }
};

// SauverOptions: writes both files of `dossier` (created when missing). Each file is written
// whole beside the old one, flushed to the disk, and only then renamed over it, both files
// being ready before either is replaced: a failure leaves the old pair as it was. What an
// older, longer options file holds past its 184 bytes is kept; an options file that cannot
// be read is therefore not replaced.
ResultatSauvegarde SauverOptions(const std::filesystem::path& dossier,
                                 const DonneesOptions& donnees,
                                 const EcrivainOctets& ecrire = EcrireTout);

}  // namespace rolvex
