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

// Two games of one column with chosen dice and one given up, then `stats 1`: the figures are
// those worked out by hand below, and a new process on the same folder prints the same line.
TEST(BinaireCli, StatsGivesTheFiguresOfTheGamesPlayedAndANewProcessTheSame) {
  std::string dossier =
      (std::filesystem::temp_directory_path() / "rolvex-cli-stats-XXXXXX").string();
  ASSERT_NE(mkdtemp(dossier.data()), nullptr);
  // Game A: 5 10 15 20 25 30 | Maxi 29, Mini 6, Full 33, Carré 46, Suite 45, 8 or less 60,
  // Yam 100: 105 + 100 + 319 + 200 + 3 × 23 = 793. Game B, 1 2 3 4 5 and 0 for Six | Maxi 29,
  // Mini 15, Suite 45, the rest crossed out: 15 + 89 + 3 × 14 = 146.
  const char* a[] = {"11111", "22222", "33333", "44444", "55555", "66666", "66665",
                     "11112", "33322", "44441", "12345", "11123", "66666"};
  std::string script = "data " + dossier + "\n";
  for (int partie = 0; partie < 2; ++partie) {
    script += "new 1\n";
    for (int f = 1; f <= 13; ++f) {
      std::string des = partie == 0 ? a[f - 1] : f == 7 ? "66665" : "12345";
      script += "dice";
      for (char d : des) script += std::string(" ") + d;
      script.append("\nok\nclick 1 ").append(std::to_string(f)).append("\n");
    }
  }
  script += "new 1\ndice 1 1 1 1 1\nok\nnew 1\nstats 1\n";
  const auto [sortie, statut] = Lancer("printf '" + script + "' | '" ROLVEX_CLI "'");
  ASSERT_EQ(statut, 0) << sortie;
  auto figure = [](int made, int crossed, double mean) {
    return Json{{"made", made}, {"crossed", crossed}, {"mean", mean}};
  };
  const Json attendu = {
      {"games", 2},
      {"abandoned", 1},
      {"mean", 469.5},
      {"median", 469.5},
      {"best", 793},
      {"worst", 146},
      {"figures",
       {{"1",
         {figure(2, 0, 3), figure(2, 0, 6), figure(2, 0, 9), figure(2, 0, 12), figure(2, 0, 15),
          figure(1, 1, 30), figure(2, 0, 29), figure(2, 0, 10.5), figure(1, 1, 33),
          figure(1, 1, 46), figure(2, 0, 45), figure(1, 1, 60), figure(1, 1, 100)}}}},
      {"bonuses", {{"1", {{"upper", 1}, {"lower", 1}, {"maxi_mini", 2}}}}}};
  EXPECT_EQ(Json::parse(sortie), attendu);
  const auto [encore, statutEncore] =
      Lancer("printf 'data " + dossier + "\\nstats 1\\n' | '" ROLVEX_CLI "'");
  EXPECT_EQ(std::pair(encore, statutEncore), std::pair(sortie, 0));
  std::filesystem::remove_all(dossier);
}

}  // namespace
