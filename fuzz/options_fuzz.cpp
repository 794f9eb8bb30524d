// Any options file, read with a sound names file.
#include "properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::uint8_t> noms = [] {
    rolvex::HasardUniforme tirage(1);
    rolvex::DonneesOptions d = rolvex::CreerOptionsParDefaut(tirage);
    d.NomJoueur = "Zoé";
    d.Scores[2][4].name = "Œdipe Ÿvon €";
    return rolvex::EncoderFichierNoms(d);
  }();
  rolvex::fuzz::VerifierChargement({data, size}, noms);
  return 0;
}
