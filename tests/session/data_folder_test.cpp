#include "session/data_folder.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <string>

namespace rolvex {
namespace {

namespace fs = std::filesystem;

// Scores are never left behind, and never written where they cannot be.
TEST(ChoisirDossierDonnees, ReadsWhereTheFilesAreAndWritesWhereItCan) {
  const fs::path p = "/opt/rolvex", u = "/home/zoé/.local/share/rolvex";
  // The folders holding files, the folders writable, and where the files are read and written.
  const std::tuple<std::set<fs::path>, std::set<fs::path>, DossiersDonnees> cas[] = {
      {{p, u}, {p, u}, {p, p}},  // files in a writable program folder stay there
      {{u}, {p, u}, {u, u}},     // files in the user folder win over an empty program folder
      {{p}, {u}, {p, u}},        // files in a read-only program folder go to the user folder
      {{p, u}, {u}, {u, u}},     // once the user folder holds files the program copy is left
      {{}, {p, u}, {p, p}},      // no files anywhere: the program folder when writable,
      {{}, {}, {u, u}},          // else the user folder
  };
  auto dans = [](const std::set<fs::path>& s) {
    return [&s](const fs::path& d) { return s.contains(d); };
  };
  for (const auto& [avecFichiers, inscriptibles, attendu] : cas)
    EXPECT_EQ(ChoisirDossierDonnees(p, u, dans(avecFichiers), dans(inscriptibles)), attendu);
}

// The same choice on a real disk, with the checks the game makes.
class DossierDonnees : public testing::Test {
 protected:
  void SetUp() override {
    std::string modele = (fs::temp_directory_path() / "rolvex-dossiers-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    racine_ = modele;
  }
  void TearDown() override { fs::remove_all(racine_); }
  fs::path Chemin(const std::string& relatif) const { return racine_ / relatif; }
  void Poser(const std::string& relatif, const std::string& contenu = "x") const {
    fs::create_directories(Chemin(relatif).parent_path());
    std::ofstream(Chemin(relatif), std::ios::binary) << contenu;
  }
  std::string Lire(const std::string& relatif) const {
    std::ifstream f(Chemin(relatif), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }
  fs::path racine_;
};

// A folder counts as writable only if a file can really be made and removed there, and only the
// options file makes a folder the data's home.
TEST_F(DossierDonnees, WritableMeansAFileCanBeMadeAndTheOptionsFileMarksTheHome) {
  fs::create_directories(Chemin("jeux"));
  EXPECT_TRUE(DossierInscriptible(Chemin("jeux")));
  EXPECT_TRUE(fs::is_empty(Chemin("jeux"))) << "the check keeps no trace";
  EXPECT_FALSE(DossierInscriptible(Chemin("nulle-part")));
  EXPECT_FALSE(DossierInscriptible("/proc"));  // a folder where no file can be made

  Poser("maison/names12.dat");
  EXPECT_FALSE(FichiersDonneesPresents(Chemin("maison")));
  Poser("maison/options12.dat");
  EXPECT_TRUE(FichiersDonneesPresents(Chemin("maison")));
}

// A program installed among the system's folders never writes there, even run as root.
TEST_F(DossierDonnees, TheSystemsOwnFoldersAndLinksToThemAreNeverWritten) {
  const std::pair<const char*, bool> dossiers[] = {
      {"/usr/local/bin", true},  {"/opt/rolvex", true}, {"/", true},
      {"/home/ana/jeux", false}, {"/usrx/bin", false},  {"/usr/../home/ana", false}};
  for (const auto& [dossier, systeme] : dossiers)
    EXPECT_EQ(DossierSysteme(dossier), systeme) << dossier;
  fs::create_directory_symlink("/usr/bin", Chemin("raccourci"));
  EXPECT_TRUE(DossierSysteme(Chemin("raccourci")));

  const fs::path maison = Chemin("maison/.local/share/rolvex");
  EXPECT_EQ(ChoisirDossiersDonnees("/usr/bin", maison, DossierProgrammeInscriptible),
            (DossiersDonnees{maison, maison}));
  EXPECT_TRUE(fs::is_directory(maison)) << "ready for the first save";
  fs::create_directories(Chemin("jeux"));
  EXPECT_EQ(ChoisirDossiersDonnees(Chemin("jeux"), maison, DossierProgrammeInscriptible),
            (DossiersDonnees{Chemin("jeux"), Chemin("jeux")}));
}

// The user's folder follows the desktop's convention for data; without HOME, the account's.
TEST(DossierUtilisateur, IsRolvexUnderXdgDataHomeWhenAbsoluteElseUnderLocalShare) {
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", "/home/ana", 1);
  ::setenv("XDG_DATA_HOME", "/srv/donnees", 1);
  EXPECT_EQ(DossierUtilisateur(), fs::path("/srv/donnees/rolvex"));
  ::setenv("XDG_DATA_HOME", "relatif", 1);
  EXPECT_EQ(DossierUtilisateur(), fs::path("/home/ana/.local/share/rolvex"));
  ::unsetenv("XDG_DATA_HOME");
  ::unsetenv("HOME");
  EXPECT_EQ(DossierUtilisateur(), fs::path(::getpwuid(::getuid())->pw_dir) / ".local/share/rolvex");
  ::setenv("HOME", home.c_str(), 1);
  EXPECT_TRUE(fs::exists(DossierProgramme() / "session_tests"));
}

// Files read in one folder and written in another are carried over once and read there; a
// failed copy leaves no half pair behind and the files are read where they are.
TEST_F(DossierDonnees, TheFilesAreCopiedToTheFolderWrittenOrReadWhereTheyAre) {
  Poser("programme/options12.dat", "options");
  Poser("programme/names12.dat", "noms");
  Poser("maison/names12.dat", "ancien");
  EXPECT_EQ(RassemblerFichiersDonnees({Chemin("programme"), Chemin("programme")}).dossier,
            Chemin("programme"));
  const DossierDeLecture d = RassemblerFichiersDonnees({Chemin("programme"), Chemin("maison")});
  EXPECT_EQ(d.dossier, Chemin("maison"));
  EXPECT_FALSE(d.echec);
  EXPECT_EQ(Lire("maison/options12.dat") + Lire("maison/names12.dat"), "optionsnoms");
  EXPECT_EQ(Lire("programme/options12.dat"), "options");

  fs::remove(Chemin("programme/names12.dat"));
  RassemblerFichiersDonnees({Chemin("programme"), Chemin("maison")});
  EXPECT_FALSE(fs::exists(Chemin("maison/names12.dat"))) << "a stray names file is dropped";

  Poser("fichier");
  const DossierDeLecture e = RassemblerFichiersDonnees({Chemin("programme"), Chemin("fichier/m")});
  EXPECT_EQ(e.dossier, Chemin("programme"));
  ASSERT_TRUE(e.echec);
  EXPECT_EQ(e.echec->operation, OperationFichier::Ecriture);
  EXPECT_EQ(e.echec->chemin, Chemin("fichier/m/options12.dat"));
}

}  // namespace
}  // namespace rolvex
