// The real rolvex-cli binary prints the layout of three screens exactly as it did when the
// golden files were made: every number, its digits and the order of the keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

namespace {

std::string Sortie(const std::string& commande) {
  FILE* flux = popen(commande.c_str(), "r");
  EXPECT_NE(flux, nullptr);
  std::string sortie;
  if (flux == nullptr) return sortie;
  std::array<char, 4096> tampon;
  for (std::size_t n; (n = fread(tampon.data(), 1, tampon.size(), flux)) > 0;)
    sortie.append(tampon.data(), n);
  EXPECT_EQ(pclose(flux), 0) << commande;
  return sortie;
}

TEST(LayoutDoree, TheBinaryPrintsTheGoldenLayoutOfEachScreenByteForByte) {
  for (auto [largeur, hauteur] :
       {std::pair{"12000", "9000"}, {"28800", "16200"}, {"20490", "11520"}}) {
    const std::string fichier =
        std::string(ROLVEX_CLI_GOLDEN) + "/layout_" + largeur + "x" + hauteur + "x6.json";
    std::ifstream doree(fichier, std::ios::binary);
    ASSERT_TRUE(doree) << fichier;
    const std::string attendue{std::istreambuf_iterator<char>(doree), {}};
    const std::string sortie = Sortie("printf 'layout " + std::string(largeur) + " " + hauteur +
                                      " 6\\n' | '" + ROLVEX_CLI + "'");
    const auto [ici, la] =
        std::mismatch(sortie.begin(), sortie.end(), attendue.begin(), attendue.end());
    EXPECT_TRUE(ici == sortie.end() && la == attendue.end())
        << fichier << " differs from byte " << ici - sortie.begin() << ": "
        << std::string(ici, sortie.end()).substr(0, 80);
  }
}

}  // namespace
