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
#include <vector>

#include "records/data_files.h"

namespace rolvex {

inline constexpr std::string_view NomFichierOptions = "options12.dat";
inline constexpr std::string_view NomFichierNoms = "names12.dat";
// The game in progress, while there is one.
inline constexpr std::string_view NomFichierPartie = "game12.dat";

std::filesystem::path CheminFichierOptions(const std::filesystem::path& dossier);
std::filesystem::path CheminFichierNoms(const std::filesystem::path& dossier);
std::filesystem::path CheminFichierPartie(const std::filesystem::path& dossier);

// A file bigger than this is not one of ours: only its first bytes are read, as those of a
// damaged file, and the next save writes a file of the usual size.
inline constexpr std::uintmax_t TailleLueMaximum = 1 << 20;

enum class FichierDonnees : int8_t { Options, Noms, Partie };
enum class OperationFichier : int8_t { Lecture, Ecriture };

// A file the store would not replace, before the system had any say: the player's choice
// (no write bit, which root would ignore), or a file whose content the save would lose.
enum class RefusFichier : int8_t { Aucun, LectureSeule, Illisible };

// Which file could not be read or written, and why.
struct EchecFichier {
  FichierDonnees fichier = FichierDonnees::Options;
  OperationFichier operation = OperationFichier::Lecture;
  std::filesystem::path chemin;
  std::error_code erreur;
  RefusFichier refus = RefusFichier::Aucun;
};

// The calls by which the store changes the disk. A witness sees each one before it is made
// and after; tests stop the process there to see what a kill at that instant leaves.
enum class AppelFichier : int8_t { Ouverture, Ecriture, Synchronisation, Renommage, Suppression };
using TemoinAppels = std::function<void(AppelFichier appel, bool fait)>;

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

// ChargerOptions: first finishes or undoes a replacement of the pair that a kill interrupted
// (see RemplacerFichiers), then reads both files of `dossier`. Absent files give the defaults
// (drawn with `tirage`), written at once; damaged ones are read with the decoder's repairs. An
// options file that exists but cannot be read gives the defaults in memory and is left alone, so
// that a passing fault never costs the player the tables on disk. A names file that cannot be read
// leaves the names empty.
ChargementDossier ChargerOptions(const std::filesystem::path& dossier, TirageUniforme& tirage,
                                 const EcrivainOctets& ecrire = EcrireTout,
                                 const TemoinAppels& temoin = {});

struct ResultatSauvegarde {
  std::optional<EchecFichier> echec;
  bool Reussie() const { return !echec.has_value(); }
};

// SauverOptions: writes both files of `dossier` (created when missing) with
// RemplacerFichiers. What an older, longer options file holds past its 184 bytes is kept,
// so an options file that cannot be read is not replaced; nor is a names file that cannot
// be read, whose names the save would lose.
ResultatSauvegarde SauverOptions(const std::filesystem::path& dossier,
                                 const DonneesOptions& donnees,
                                 const EcrivainOctets& ecrire = EcrireTout,
                                 const TemoinAppels& temoin = {});

// SauverOptions at a game's end: the game in progress is removed in the same replacement, so
// that a kill leaves either the old tables and the game to finish, or the new tables and no
// game to play twice.
ResultatSauvegarde SauverOptionsFinPartie(const std::filesystem::path& dossier,
                                          const DonneesOptions& donnees,
                                          const EcrivainOctets& ecrire = EcrireTout,
                                          const TemoinAppels& temoin = {});

// The bytes of the two files; nothing for a file that is to be removed. The game in progress
// is left alone, unless it is to be removed with them.
struct OctetsFichiers {
  std::optional<std::vector<std::uint8_t>> options;
  std::optional<std::vector<std::uint8_t>> noms;
  bool retirerPartie = false;
};

// Replaces both files of `dossier` as one: whatever instant the program is killed at, the
// next load sees both old files or both new ones. Both new files are written beside the old
// ones and flushed, then a commit marker naming them and their sizes, then both are renamed
// and the marker removed. A file without a write bit is never replaced, even by root; run
// as root, the new files keep the owner, group and mode of the old ones (of the folder for
// a new file). A failure before the marker leaves the old pair and no stray file.
ResultatSauvegarde RemplacerFichiers(const std::filesystem::path& dossier,
                                     const OctetsFichiers& octets,
                                     const EcrivainOctets& ecrire = EcrireTout,
                                     const TemoinAppels& temoin = {});

// The game in progress (game_file.h), replaced whole after each move, alone: the pair is never
// touched. Whatever instant the program is killed at, the next load sees the old game or the
// new one. A read-only file is not replaced.
ResultatSauvegarde SauverPartie(const std::filesystem::path& dossier,
                                std::span<const std::uint8_t> octets,
                                const EcrivainOctets& ecrire = EcrireTout,
                                const TemoinAppels& temoin = {});
// The game is over or given up: its file goes.
ResultatSauvegarde RetirerPartie(const std::filesystem::path& dossier,
                                 const TemoinAppels& temoin = {});
// The game in progress as it is on disk, after ChargerOptions; nothing when there is none.
struct LecturePartie {
  std::optional<std::vector<std::uint8_t>> octets;
  std::optional<EchecFichier> echec;
};
LecturePartie LirePartie(const std::filesystem::path& dossier);
// A game file that cannot be played is set aside as "game12.dat.bad" (an older one is
// replaced), so that the player may look at it and the next game starts clean. Its new path,
// or nothing when it could not be moved.
std::optional<std::filesystem::path> MettreDeCotePartie(const std::filesystem::path& dossier);

// Reads both files of `dossier` as they are, for a copy; an absent file gives nothing.
struct LectureFichiers {
  OctetsFichiers octets;
  std::optional<EchecFichier> echec;
};
LectureFichiers LireFichiers(const std::filesystem::path& dossier);

}  // namespace rolvex
