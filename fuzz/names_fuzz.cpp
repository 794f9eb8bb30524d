// Any names file, read with a sound options file.
#include "properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::uint8_t> options = [] {
    rolvex::HasardUniforme tirage(1);
    rolvex::DonneesOptions d = rolvex::CreerOptionsParDefaut(tirage);
    d.ModeJeu = 2;
    d.TypeDes = 2;
    return rolvex::EncoderFichierOptions(d);
  }();
  rolvex::fuzz::VerifierChargement(options, {data, size});
  return 0;
}
