// The two data files, options12.dat and names12.dat, as byte buffers. The window reads and
// writes the files themselves; everything about their contents lives here.
//
// options12.dat, 184 bytes, 16-bit signed little-endian words: ModeJeu (0: no options),
// TypeDes, then 30 records of score, time, figures: mode 1 places 1..10, mode 2, mode 3.
// names12.dat, 31 records of 16 bytes: a length word 0..14 and that many Windows-1252
// bytes, zeros after them. Record 1 is NomJoueur, then the names in the order of the tables.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/high_scores.h"

namespace rolvex {

inline constexpr std::size_t TailleFichierOptions = 184;
inline constexpr std::size_t TailleFichierNoms = 496;
inline constexpr std::size_t TailleEnregistrementNom = 16;
inline constexpr std::size_t LongueurNomMax = 14;  // bytes, one per character

// Offsets, so that a reader of the files finds each value where the game puts it.
constexpr std::size_t PositionEnregistrementScore(int modeJeu, int place) {
  return 4 + 6 * static_cast<std::size_t>(NbPlaces * (modeJeu - 1) + (place - 1));
}
constexpr std::size_t PositionEnregistrementNom(int numero) {  // record 1..31
  return TailleEnregistrementNom * static_cast<std::size_t>(numero - 1);
}
constexpr int NumeroEnregistrementNom(int modeJeu, int place) {
  return 1 + NbPlaces * (modeJeu - 1) + place;
}

// Everything the two files carry from one run to the next.
struct DonneesOptions {
  int16_t ModeJeu = 3;  // 1..3
  int16_t TypeDes = faces::Classiques;
  std::string NomJoueur;
  HighScores Scores;
  friend bool operator==(const DonneesOptions&, const DonneesOptions&) = default;
};

// The contents of a first run: mode 3, pips, no name, the default tables.
DonneesOptions CreerOptionsParDefaut(TirageUniforme& tirage);

// How a name is kept by the names file: at most 14 characters, '?' for a character that
// Windows-1252 cannot hold. The name dialog can show the player what will be kept.
std::string NomEnregistrable(std::string_view nom);

// The options file to write: 184 bytes, followed by whatever an older, longer file held past
// them (`ancien`, the file as it is on disk, empty when there is none). Times are written
// within 0..3599. Cannot fail.
std::vector<std::uint8_t> EncoderFichierOptions(const DonneesOptions& donnees,
                                                std::span<const std::uint8_t> ancien = {});

// The names file to write: exactly 496 bytes. Cannot fail.
std::vector<std::uint8_t> EncoderFichierNoms(const DonneesOptions& donnees);

// What a damaged file had wrong, and what the reader made of it.
enum class Reparation : std::uint16_t {
  // A mode word outside 1..3 (not 0, which means no options): mode 3, the tables kept.
  ModeJeuInvalide = 1 << 0,
  // A style word outside 1..2: pips.
  TypeDesInvalide = 1 << 1,
  // The options file stops before 184 bytes: what is whole is kept; a missing style word
  // gives pips; a place whose record is cut takes the default entry, name included, since
  // a name alone cannot say what its player made.
  OptionsIncompletes = 1 << 2,
  // A time outside 0..3599: brought to the nearest bound (no game lasts longer).
  TempsHorsLimites = 1 << 3,
  // Figures below 0 or above the 7 lower figures per column of the mode: brought to the
  // nearest bound.
  FiguresHorsLimites = 1 << 4,
  // A table out of ranking order: sorted again, ties keeping their order in the file, so
  // that the entry of a new game lands where it belongs. Scores are kept as they are.
  TableEnDesordre = 1 << 5,
  // The names file is absent or stops before 496 bytes: each name it does not hold whole
  // is empty.
  NomsManquants = 1 << 6,
  // A length word above 14: the name is what the 14 bytes of its record hold, up to the
  // first zero byte.
  LongueurNomInvalide = 1 << 7,
};

class Reparations {
 public:
  void Ajouter(Reparation r) { bits_ |= static_cast<std::uint16_t>(r); }
  bool Contient(Reparation r) const { return (bits_ & static_cast<std::uint16_t>(r)) != 0; }
  bool Aucune() const { return bits_ == 0; }
  friend bool operator==(const Reparations&, const Reparations&) = default;

 private:
  std::uint16_t bits_ = 0;
};

enum class ResultatChargement {
  Ok,                // both files read as they stand
  OptionsParDefaut,  // no options (absent or empty file, or mode word 0): the defaults are
                     // in place and both files must be written now
  Repare,            // the files were damaged; `réparations` says how they were read
};

struct Chargement {
  ResultatChargement resultat = ResultatChargement::Ok;
  Reparations reparations;
  DonneesOptions donnees;
};

// Reads the two files as they are on disk (an absent file is an empty buffer). Never fails:
// damage is repaired as the list above says, and the tables come out in ranking order with
// every value in range, so that writing them back and reading again changes nothing.
// `tirage` draws the default tables, used only when the options are missing or cut short.
Chargement DecoderFichiers(std::span<const std::uint8_t> fichierOptions,
                           std::span<const std::uint8_t> fichierNoms, TirageUniforme& tirage);

}  // namespace rolvex
