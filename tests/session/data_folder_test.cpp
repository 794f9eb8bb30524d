#include "session/data_folder.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <optional>
#include <set>
#include <string>

namespace rolvex {
namespace {

namespace fs = std::filesystem;

const fs::path Programme = "/opt/rolvex";
const fs::path Utilisateur = "/home/zoé/.local/share/rolvex";

struct Disque {
  std::set<fs::path> avecFichiers;
  std::set<fs::path> inscriptibles;
  DossiersDonnees Choisir() const {
    return ChoisirDossierDonnees(
        Programme, Utilisateur, [&](const fs::path& d) { return avecFichiers.contains(d); },
        [&](const fs::path& d) { return inscriptibles.contains(d); });
  }
};

// Scores are never left behind, and never written where they cannot be.
TEST(ChoisirDossierDonnees, ReadsWhereTheFilesAreAndWritesWhereItCan) {
  const struct {
    const char* cas;
    Disque disque;
    DossiersDonnees attendu;
  } cas[] = {
      {"files in a writable program folder stay there",
       {{Programme, Utilisateur}, {Programme, Utilisateur}},
       {Programme, Programme}},
      {"files in the user folder win over an empty writable program folder",
       {{Utilisateur}, {Programme, Utilisateur}},
       {Utilisateur, Utilisateur}},
      {"files in a read-only program folder are written to the user folder",
       {{Programme}, {Utilisateur}},
       {Programme, Utilisateur}},
      {"once the user folder holds files the read-only program copy is left",
       {{Programme, Utilisateur}, {Utilisateur}},
       {Utilisateur, Utilisateur}},
      {"no files anywhere: the program folder when writable",
       {{}, {Programme, Utilisateur}},
       {Programme, Programme}},
      {"no files anywhere and a read-only program folder: the user folder",
       {{}, {}},
       {Utilisateur, Utilisateur}},
  };
  for (const auto& c : cas) EXPECT_EQ(c.disque.Choisir(), c.attendu) << c.cas;
}

// The same choice on a real disk, with the checks the game makes.
class Arborescence : public testing::Test {
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
  static std::string Lire(const fs::path& fichier) {
    std::ifstream f(fichier, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }

 private:
  fs::path racine_;
};

using DossierDonnees = Arborescence;

// A folder counts as writable only if a file can really be made and removed there (below a
// regular file even root cannot), and only the options file makes a folder the data's home.
TEST_F(DossierDonnees, WritableMeansAFileCanBeMadeAndTheOptionsFileMarksTheHome) {
  fs::create_directories(Chemin("jeux"));
  EXPECT_TRUE(DossierInscriptible(Chemin("jeux")));
  EXPECT_TRUE(fs::is_empty(Chemin("jeux"))) << "the check keeps no trace";
  Poser("fichier");
  EXPECT_FALSE(DossierInscriptible(Chemin("fichier/jeux")));
  EXPECT_FALSE(DossierInscriptible(Chemin("nulle-part")));
  EXPECT_FALSE(DossierInscriptible("/proc"));  // a folder where no file can be made

  fs::create_directories(Chemin("jeux") / NomFichierOptions);
  EXPECT_FALSE(FichiersDonneesPresents(Chemin("jeux")));
  Poser("maison/names12.dat");
  EXPECT_FALSE(FichiersDonneesPresents(Chemin("maison")));
  Poser("maison/options12.dat");
  EXPECT_TRUE(FichiersDonneesPresents(Chemin("maison")));
}

// A program installed among the system's folders never writes there, even run as root.
TEST_F(DossierDonnees, TheSystemsOwnFoldersAndLinksToThemAreNeverWritten) {
  const std::pair<const char*, bool> dossiers[] = {
      {"/usr/bin", true},   {"/usr/local/bin", true},   {"/opt/rolvex/bin", true},
      {"/", true},          {"/home/ana/jeux", false},  {"/tmp/rolvex", false},
      {"/usrx/bin", false}, {"/usr/../home/ana", false}};
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

// The user's folder follows the desktop's convention for data.
TEST(DossierUtilisateur, IsRolvexUnderXdgDataHomeWhenAbsoluteElseUnderLocalShare) {
  struct Garde {
    std::string nom;
    std::optional<std::string> valeur;
    explicit Garde(std::string n) : nom(std::move(n)) {
      if (const char* v = std::getenv(nom.c_str())) valeur = v;
    }
    ~Garde() { valeur ? ::setenv(nom.c_str(), valeur->c_str(), 1) : ::unsetenv(nom.c_str()); }
  } home("HOME"), xdg("XDG_DATA_HOME");
  ::setenv("HOME", "/home/ana", 1);
  ::setenv("XDG_DATA_HOME", "/srv/donnees", 1);
  EXPECT_EQ(DossierUtilisateur(), fs::path("/srv/donnees/rolvex"));
  ::setenv("XDG_DATA_HOME", "relatif", 1);
  EXPECT_EQ(DossierUtilisateur(), fs::path("/home/ana/.local/share/rolvex"));
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(DossierUtilisateur(), fs::path("/home/ana/.local/share/rolvex"));
  ::unsetenv("HOME");  // the account's own home then
  EXPECT_EQ(DossierUtilisateur(), fs::path(::getpwuid(::getuid())->pw_dir) / ".local/share/rolvex");
  EXPECT_TRUE(fs::exists(DossierProgramme() / "session_tests"));
}

// Files read in one folder and written in another are carried over once; a failed copy
// leaves no half pair behind and the files are read where they are.
using Rassemblement = Arborescence;

TEST_F(Rassemblement, TheFilesAreCopiedToTheFolderWrittenAndReadThere) {
  Poser("programme/options12.dat", "options");
  Poser("programme/names12.dat", "noms");
  Poser("maison/names12.dat", "ancien");
  EXPECT_EQ(RassemblerFichiersDonnees({Chemin("programme"), Chemin("programme")}).dossier,
            Chemin("programme"));
  const DossierDeLecture d = RassemblerFichiersDonnees({Chemin("programme"), Chemin("maison")});
  EXPECT_EQ(d.dossier, Chemin("maison"));
  EXPECT_FALSE(d.echec);
  EXPECT_EQ(Lire(Chemin("maison/options12.dat")), "options");
  EXPECT_EQ(Lire(Chemin("maison/names12.dat")), "noms");
  EXPECT_EQ(Lire(Chemin("programme/options12.dat")), "options");

  fs::remove(Chemin("programme/names12.dat"));
  Poser("ailleurs/names12.dat", "ancien");
  RassemblerFichiersDonnees({Chemin("programme"), Chemin("ailleurs")});
  EXPECT_FALSE(fs::exists(Chemin("ailleurs/names12.dat"))) << "a stray names file is dropped";
}

TEST_F(Rassemblement, ACopyThatFailsIsToldAndTheFilesAreReadWhereTheyAre) {
  Poser("programme/options12.dat", "options");
  Poser("fichier");
  const fs::path maison = Chemin("fichier") / "maison";
  const DossierDeLecture d = RassemblerFichiersDonnees({Chemin("programme"), maison});
  EXPECT_EQ(d.dossier, Chemin("programme"));
  ASSERT_TRUE(d.echec);
  EXPECT_EQ(d.echec->operation, OperationFichier::Ecriture);
  EXPECT_EQ(d.echec->chemin, maison / "options12.dat");
}

}  // namespace
}  // namespace rolvex
