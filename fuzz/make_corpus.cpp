// Writes the seed files of the fuzz corpus: files as the game writes them, and a few damaged
// the ways a disk or an older version damages them. Run by `run.sh --seeds`.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/records/data_files.h"

namespace {

using Octets = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

void Écrire(const fs::path& chemin, const Octets& octets) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
}

void PoserMot(Octets& f, std::size_t position, int valeur) {
  f.at(position) = static_cast<std::uint8_t>(valeur & 0xFF);
  f.at(position + 1) = static_cast<std::uint8_t>((valeur >> 8) & 0xFF);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace rolvex;
  const fs::path dossier = argc > 1 ? argv[1] : "fuzz/corpus";
  const fs::path options = dossier / "options";
  const fs::path noms = dossier / "names";
  fs::create_directories(options);
  fs::create_directories(noms);

  HasardUniforme tirage(2024);
  DonnéesOptions premièrePartie = CréerOptionsParDéfaut(tirage);
  DonnéesOptions jouées = premièrePartie;
  jouées.ModeJeu = 2;
  jouées.TypeDés = 2;
  jouées.NomJoueur = "Zoé";
  InsertionHighScore(jouées.Scores, 2, {"Zoé", 900, 412, 15});
  InsertionHighScore(jouées.Scores, 1, {"Œdipe Ÿvon €", 400, 3599, 7});
  InsertionHighScore(jouées.Scores, 3, {"Abcdefghijklmn", 1300, 1500, 28});

  const Octets optionsPremière = EncoderFichierOptions(premièrePartie);
  const Octets optionsJouées = EncoderFichierOptions(jouées);
  Écrire(options / "first-run", optionsPremière);
  Écrire(options / "played", optionsJouées);
  Octets plusLong = optionsJouées;
  for (int i = 0; i < 16; ++i) plusLong.push_back(static_cast<std::uint8_t>(0xA0 + i));
  Écrire(options / "older-longer", plusLong);

  Octets abîmé = optionsJouées;
  PoserMot(abîmé, 0, 0);
  Écrire(options / "mode-0", abîmé);
  abîmé = optionsJouées;
  PoserMot(abîmé, 0, 9);
  PoserMot(abîmé, 2, -1);
  Écrire(options / "mode-9-style-minus-1", abîmé);
  abîmé = optionsJouées;
  PoserMot(abîmé, PositionEnregistrementScore(1, 2) + 2, -7);
  PoserMot(abîmé, PositionEnregistrementScore(2, 3) + 2, 9000);
  PoserMot(abîmé, PositionEnregistrementScore(3, 4) + 4, 300);
  PoserMot(abîmé, PositionEnregistrementScore(3, 9), 32000);
  Écrire(options / "out-of-range-and-order", abîmé);
  abîmé = optionsJouées;
  abîmé.resize(101);
  Écrire(options / "cut-101", abîmé);
  Écrire(options / "one-byte", Octets{3});

  const Octets nomsPremière = EncoderFichierNoms(premièrePartie);
  const Octets nomsJoués = EncoderFichierNoms(jouées);
  Écrire(noms / "first-run", nomsPremière);
  Écrire(noms / "played", nomsJoués);
  Octets nomsAbîmés = nomsJoués;
  PoserMot(nomsAbîmés, PositionEnregistrementNom(1), 200);
  PoserMot(nomsAbîmés, PositionEnregistrementNom(5), -1);
  Écrire(noms / "length-words-too-long", nomsAbîmés);
  nomsAbîmés = nomsJoués;
  nomsAbîmés.resize(16 * 7 + 5);
  Écrire(noms / "cut-117", nomsAbîmés);
  Octets tousLesOctets(TailleFichierNoms, 0);
  for (std::size_t i = 0; i < tousLesOctets.size(); ++i) {
    tousLesOctets[i] = i % 16 < 2 ? (i % 16 == 0 ? 14 : 0) : static_cast<std::uint8_t>(i * 7);
  }
  Écrire(noms / "every-byte", tousLesOctets);
  return 0;
}
