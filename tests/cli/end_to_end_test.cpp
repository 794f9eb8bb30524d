// The real rolvex-cli binary, fed scripts on standard input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

namespace {

using Json = nlohmann::ordered_json;

// What a shell command printed on its standard output, and its exit status.
std::pair<std::string, int> Lancer(const std::string& commande) {
  FILE* flux = popen(commande.c_str(), "r");
  std::string sortie;
  std::array<char, 4096> tampon;
  for (std::size_t n; flux && (n = fread(tampon.data(), 1, tampon.size(), flux)) > 0;)
    sortie.append(tampon.data(), n);
  const int statut = flux ? pclose(flux) : -1;
  return {sortie, WIFEXITED(statut) ? WEXITSTATUS(statut) : -1};
}

// Refused lines are reported on the error output by number and change nothing: the
// demonstration after them, one bad die among them, still plays its whole game. Without `data`
// the driver keeps its tables in memory, where the game takes the first place, and leaves the
// disk alone.
TEST(BinaireCli, RefusedLinesAreReportedAndTheDemonstrationStillPlaysWithoutWritingAFile) {
  std::string dossier = (std::filesystem::temp_directory_path() / "rolvex-cli-cwd-XXXXXX").string();
  ASSERT_NE(mkdtemp(dossier.data()), nullptr);
  const auto [sortie, statut] = Lancer("cd '" + dossier + "' && (echo ok; echo dice 1 9; cat '" +
                                       ROLVEX_CLI_DEMO "') | '" ROLVEX_CLI "' 2>&1");
  EXPECT_TRUE(std::filesystem::is_empty(dossier));
  std::filesystem::remove_all(dossier);
  EXPECT_EQ(statut, 1);
  const std::string erreurs =
      "line 1: no game yet: start one with 'new' first\n"
      "line 2: die value must be a number from 1 to 6, not '9'\n";
  ASSERT_EQ(sortie.substr(0, erreurs.size()), erreurs);
  ASSERT_EQ(std::ranges::count(sortie, '\n'), 4) << sortie;  // and two states
  const Json fin = Json::parse(sortie.substr(sortie.rfind('\n', sortie.size() - 2) + 1));
  EXPECT_EQ(std::make_tuple(fin["over"], fin["turn"], fin["place"]), std::make_tuple(true, 13, 1));
}

}  // namespace
