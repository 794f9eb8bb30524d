// Any names file, read with a sound options file.
#include "properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::uint8_t> options = [] {
    rolvex::HasardUniforme tirage(1);
    rolvex::DonnéesOptions d = rolvex::CréerOptionsParDéfaut(tirage);
    d.ModeJeu = 2;
    d.TypeDés = 2;
    return rolvex::EncoderFichierOptions(d);
  }();
  rolvex::fuzz::VérifierChargement(options, {data, size});
  return 0;
}
