// The real rolvex-cli binary, fed scripts on standard input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

struct Execution {
  int statut = -1;
  std::vector<Json> etats;  // one per line of standard output
  std::string erreurs;
};

// Runs the driver on `script` (a file), with standard error captured in a file of its own,
// from the folder `dossierCourant` when one is given.
Execution Lancer(const std::string& script, const std::string& dossierCourant = "") {
  std::string fichierErreurs =
      (std::filesystem::temp_directory_path() / "rolvex-cli-XXXXXX").string();
  const int fd = mkstemp(fichierErreurs.data());
  EXPECT_NE(fd, -1);
  close(fd);

  std::string commande =
      std::string("'") + ROLVEX_CLI + "' < '" + script + "' 2> '" + fichierErreurs + "'";
  if (!dossierCourant.empty()) commande = "cd '" + dossierCourant + "' && " + commande;
  Execution e;
  FILE* flux = popen(commande.c_str(), "r");
  EXPECT_NE(flux, nullptr);
  if (flux == nullptr) return e;
  std::string sortie;
  std::array<char, 4096> tampon;
  for (std::size_t n; (n = fread(tampon.data(), 1, tampon.size(), flux)) > 0;)
    sortie.append(tampon.data(), n);
  const int attente = pclose(flux);
  e.statut = WIFEXITED(attente) ? WEXITSTATUS(attente) : -1;

  std::istringstream lignes(sortie);
  for (std::string l; std::getline(lignes, l);) e.etats.push_back(Json::parse(l));
  std::ifstream err(fichierErreurs);
  e.erreurs.assign(std::istreambuf_iterator<char>(err), {});
  std::remove(fichierErreurs.c_str());
  return e;
}

std::string Script(const std::string& nom) { return std::string(ROLVEX_CLI_SCRIPTS) + "/" + nom; }

// Refused lines: reported on the error output by number, exit status 1, the script goes on.
TEST(BinaireCli, RefusedLinesAreReportedByNumberAndTheRestStillPlays) {
  const Execution e = Lancer(Script("refused_lines.txt"));
  EXPECT_EQ(e.statut, 1);
  EXPECT_EQ(e.erreurs,
            "line 2: no game yet: start one with 'new' first\n"
            "line 4: column must be a number from 1 to 6, not '7'\n"
            "line 5: die value must be a number from 1 to 6, not '9'\n"
            "line 8: die must be a number from 1 to 5, not '0'\n");
  ASSERT_EQ(e.etats.size(), 1u);
  // The refused dice line queued nothing: the throw took the five twos.
  EXPECT_EQ(e.etats[0]["dice"], Json::parse("[2,2,2,2,2]"));
  EXPECT_EQ(e.etats[0]["figure"], "YAM");
}

// The demonstration plays a whole one-column game to its end; without `data` the driver keeps
// its tables in memory and leaves the disk alone.
TEST(BinaireCli, TheDemonstrationGameEndsAfterThirteenTurnsWithEveryBonusAndWritesNoFile) {
  std::string dossier = (std::filesystem::temp_directory_path() / "rolvex-cli-cwd-XXXXXX").string();
  ASSERT_NE(mkdtemp(dossier.data()), nullptr);
  const Execution e = Lancer(ROLVEX_CLI_DEMO, dossier);
  EXPECT_TRUE(std::filesystem::is_empty(dossier));
  std::filesystem::remove_all(dossier);
  EXPECT_EQ(e.statut, 0);
  EXPECT_EQ(e.erreurs, "");
  ASSERT_EQ(e.etats.size(), 2u);

  const Json& yam = e.etats[0];
  EXPECT_EQ(yam["throws"], 3);
  EXPECT_EQ(yam["dice"], Json::parse("[6,6,6,6,6]"));
  EXPECT_EQ(yam["sheet"][0][12]["potential"], 100);

  const Json& fin = e.etats.back();
  EXPECT_EQ(fin["over"], true);
  EXPECT_EQ(fin["turn"], 13);
  EXPECT_EQ(fin["figuresMade"], 7);
  EXPECT_EQ(fin["seconds"], 120);
  EXPECT_EQ(fin["totals"][0],
            Json::parse(R"({"upper":60,"upperBonus":30,"lower":332,"lowerBonus":254})"));
  EXPECT_EQ(fin["total"], 676);
  EXPECT_EQ(fin["sheet"][0][0]["score"], 0);
  for (const Json& k : fin["sheet"][0]) EXPECT_EQ(k["taken"], true);

  // 676 beats the first place of the one-column table in memory.
  EXPECT_EQ(fin["place"], 1);
  EXPECT_EQ(fin["scoresShown"], true);
  EXPECT_EQ(fin["messages"],
            Json::array({"Congratulations, you are the best (first position) !!!"}));
  EXPECT_EQ(fin["info"], "To start a new game, click on PLAY AGAIN or press F2.");
}

}  // namespace
