// What must hold for any pair of data files, however damaged: reading them gives values in
// range, writing those gives files of the right shape, and reading those again changes
// nothing. A broken property stops the fuzzer with the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "records/data_files.h"
#include "records/windows1252.h"

namespace rolvex::fuzz {

inline void Exiger(bool vrai, const char* propriete) {
  if (vrai) return;
  std::fprintf(stderr, "property broken: %s\n", propriete);
  std::abort();
}

inline void ExigerNomEnregistrable(const std::string& nom) {
  Exiger(VersWindows1252(nom).size() <= LongueurNomMax, "a name holds at most 14 bytes");
  Exiger(NomEnregistrable(nom) == nom, "a name read is written back unchanged");
}

inline void ExigerDonneesSaines(const DonneesOptions& d) {
  Exiger(d.ModeJeu >= 1 && d.ModeJeu <= 3, "mode 1..3");
  Exiger(d.TypeDes == 1 || d.TypeDes == 2, "style 1..2");
  ExigerNomEnregistrable(d.NomJoueur);
  for (int m = 1; m <= NbModes; ++m) {
    Exiger(EstEnOrdre(d.Scores[m]), "tables in ranking order");
    for (const auto& e : d.Scores[m]) {
      ExigerNomEnregistrable(e.name);
      Exiger(e.time >= 0 && e.time <= TempsMaximum, "time 0..3599");
      Exiger(e.figures >= 0 && e.figures <= 7 * NbColonnesMode[m], "figures 0..7 per column");
    }
  }
}

inline void ExigerFichierNomsBienForme(const std::vector<std::uint8_t>& noms) {
  Exiger(noms.size() == TailleFichierNoms, "names file of 496 bytes");
  for (std::size_t debut = 0; debut < noms.size(); debut += TailleEnregistrementNom) {
    const std::size_t n = noms[debut] | noms[debut + 1] << 8;
    Exiger(n <= LongueurNomMax, "length word 0..14");
    for (std::size_t i = debut + 2 + n; i < debut + TailleEnregistrementNom; ++i) {
      Exiger(noms[i] == 0, "padding written as zeros");
    }
  }
}

inline void VerifierChargement(std::span<const std::uint8_t> options,
                               std::span<const std::uint8_t> noms) {
  HasardUniforme tirage(12);
  const Chargement premier = DecoderFichiers(options, noms, tirage);
  ExigerDonneesSaines(premier.donnees);
  Exiger((premier.resultat == ResultatChargement::Repare) != premier.reparations.Aucune(),
         "repairs reported exactly when the result says so");

  const auto options2 = EncoderFichierOptions(premier.donnees, options);
  const auto noms2 = EncoderFichierNoms(premier.donnees);
  if (options.size() > TailleFichierOptions) {
    Exiger(options2.size() == options.size(), "an older longer file keeps its length");
    Exiger(std::equal(options.begin() + TailleFichierOptions, options.end(),
                      options2.begin() + TailleFichierOptions),
           "the bytes past 183 are kept");
  } else {
    Exiger(options2.size() == TailleFichierOptions, "options file of 184 bytes");
  }
  ExigerFichierNomsBienForme(noms2);

  HasardUniforme autreTirage(99);  // a sound file draws nothing
  const Chargement second = DecoderFichiers(options2, noms2, autreTirage);
  Exiger(second.resultat == ResultatChargement::Ok, "what was written reads without repair");
  Exiger(second.donnees == premier.donnees, "reading what was written gives the same values");
  Exiger(EncoderFichierOptions(second.donnees, options2) == options2 &&
             EncoderFichierNoms(second.donnees) == noms2,
         "writing again gives the same bytes");
}

}  // namespace rolvex::fuzz
