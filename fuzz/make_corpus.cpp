// Writes the seed files of the fuzz corpus: files as the game writes them, and a few damaged
// the ways a disk or an older version damages them. Run by the target fuzz_seeds.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "records/data_files.h"

namespace {

using Octets = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

void Ecrire(const fs::path& chemin, const Octets& octets) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(octets.data()),
          static_cast<std::streamsize>(octets.size()));
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
  DonneesOptions premierePartie = CreerOptionsParDefaut(tirage);
  DonneesOptions jouees = premierePartie;
  jouees.ModeJeu = 2;
  jouees.TypeDes = 2;
  jouees.NomJoueur = "Zoé";
  InsertionHighScore(jouees.Scores, 2, {"Zoé", 900, 412, 15});
  InsertionHighScore(jouees.Scores, 1, {"Œdipe Ÿvon €", 400, 3599, 7});
  InsertionHighScore(jouees.Scores, 3, {"Abcdefghijklmn", 1300, 1500, 28});

  const Octets optionsPremiere = EncoderFichierOptions(premierePartie);
  const Octets optionsJouees = EncoderFichierOptions(jouees);
  Ecrire(options / "first-run", optionsPremiere);
  Ecrire(options / "played", optionsJouees);
  Octets plusLong = optionsJouees;
  for (int i = 0; i < 16; ++i) plusLong.push_back(static_cast<std::uint8_t>(0xA0 + i));
  Ecrire(options / "older-longer", plusLong);

  Octets abime = optionsJouees;
  PoserMot(abime, 0, 0);
  Ecrire(options / "mode-0", abime);
  abime = optionsJouees;
  PoserMot(abime, 0, 9);
  PoserMot(abime, 2, -1);
  Ecrire(options / "mode-9-style-minus-1", abime);
  abime = optionsJouees;
  PoserMot(abime, PositionEnregistrementScore(1, 2) + 2, -7);
  PoserMot(abime, PositionEnregistrementScore(2, 3) + 2, 9000);
  PoserMot(abime, PositionEnregistrementScore(3, 4) + 4, 300);
  PoserMot(abime, PositionEnregistrementScore(3, 9), 32000);
  Ecrire(options / "out-of-range-and-order", abime);
  abime = optionsJouees;
  abime.resize(101);
  Ecrire(options / "cut-101", abime);
  Ecrire(options / "one-byte", Octets{3});

  const Octets nomsPremiere = EncoderFichierNoms(premierePartie);
  const Octets nomsJoues = EncoderFichierNoms(jouees);
  Ecrire(noms / "first-run", nomsPremiere);
  Ecrire(noms / "played", nomsJoues);
  Octets nomsAbimes = nomsJoues;
  PoserMot(nomsAbimes, PositionEnregistrementNom(1), 200);
  PoserMot(nomsAbimes, PositionEnregistrementNom(5), -1);
  Ecrire(noms / "length-words-too-long", nomsAbimes);
  nomsAbimes = nomsJoues;
  nomsAbimes.resize(16 * 7 + 5);
  Ecrire(noms / "cut-117", nomsAbimes);
  Octets tousLesOctets(TailleFichierNoms, 0);
  for (std::size_t i = 0; i < tousLesOctets.size(); ++i) {
    tousLesOctets[i] = i % 16 < 2 ? (i % 16 == 0 ? 14 : 0) : static_cast<std::uint8_t>(i * 7);
  }
  Ecrire(noms / "every-byte", tousLesOctets);
  return 0;
}
