// Where an installed game finds its help and keeps its data files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "app/data_location.h"
#include "app/help_viewer.h"
#include "tests/ui/qt_print.h"

namespace rolvex {
namespace {

namespace fs = std::filesystem;

class Arborescence : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(racine_.isValid()); }

  fs::path Chemin(const std::string& relatif) const {
    return fs::path(QFile::encodeName(racine_.path()).toStdString()) / relatif;
  }
  QString QChemin(const std::string& relatif) const {
    return QFile::decodeName(Chemin(relatif).c_str());
  }
  void Poser(const std::string& relatif, const std::string& contenu = "x") const {
    fs::create_directories(Chemin(relatif).parent_path());
    std::ofstream(Chemin(relatif), std::ios::binary) << contenu;
  }
  static std::string Lire(const fs::path& fichier) {
    std::ifstream f(fichier, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }

 private:
  QTemporaryDir racine_;
};

// The help files sit beside the program in the build, in ../share/rolvex once installed.
using FichierAideInstalle = Arborescence;

TEST_F(FichierAideInstalle, BesideTheProgramFirstThenInTheSharedFolderElseBesideTheProgram) {
  Poser("bin/rolvexFr.hlp");
  Poser("share/rolvex/rolvexFr.hlp");
  Poser("share/rolvex/rolvexUs.hlp");
  EXPECT_EQ(FichierAide(Langue::Francais, QChemin("bin")), QChemin("bin/rolvexFr.hlp"));
  EXPECT_EQ(FichierAide(Langue::Anglais, QChemin("bin")), QChemin("share/rolvex/rolvexUs.hlp"));
  // Found nowhere: the other language's file does not stand in.
  fs::remove(Chemin("share/rolvex/rolvexUs.hlp"));
  EXPECT_EQ(FichierAide(Langue::Anglais, QChemin("bin")), QChemin("bin/rolvexUs.hlp"));
}

// A program installed among the system's folders never writes there, even run as root; its
// data files go to the user's folder. Elsewhere the program keeps them beside itself.
using DossierDonnees = Arborescence;

TEST_F(DossierDonnees, TheSystemsOwnFoldersAndLinksToThemAreAndTheUsersAreNot) {
  const std::pair<const char*, bool> dossiers[] = {{"/usr/bin", true},
                                                   {"/usr/games", true},
                                                   {"/usr/local/bin", true},
                                                   {"/bin", true},
                                                   {"/sbin", true},
                                                   {"/opt/rolvex/bin", true},
                                                   {"/usr", true},
                                                   {"/", true},
                                                   {"/home/ana/jeux/rolvex", false},
                                                   {"/tmp/rolvex", false},
                                                   {"/work/build/bin", false},
                                                   {"/usrx/bin", false},
                                                   {"/usr/../home/ana", false}};
  for (const auto& [dossier, systeme] : dossiers)
    EXPECT_EQ(DossierSysteme(dossier), systeme) << dossier;
  fs::create_directory_symlink("/usr/bin", Chemin("raccourci"));
  EXPECT_TRUE(DossierSysteme(Chemin("raccourci")));
  EXPECT_FALSE(DossierSysteme(Chemin("")));
}

TEST_F(DossierDonnees, AnInstalledProgramUsesTheUsersFolderAnotherKeepsItsFiles) {
  // Root can write in /usr/bin: only the rule keeps the data files out of it.
  EXPECT_FALSE(DossierProgrammeInscriptible("/usr/bin"));
  const fs::path utilisateur = Chemin("maison/.local/share/rolvex");
  ASSERT_FALSE(FichiersDonneesPresents("/usr/bin"));
  EXPECT_EQ(ChoisirDossiersDonnees("/usr/bin", utilisateur, DossierProgrammeInscriptible),
            (DossiersDonnees{utilisateur, utilisateur}));

  fs::create_directories(Chemin("jeux"));
  EXPECT_TRUE(DossierProgrammeInscriptible(Chemin("jeux")));
  EXPECT_EQ(ChoisirDossiersDonnees(Chemin("jeux"), Chemin("maison"), DossierProgrammeInscriptible),
            (DossiersDonnees{Chemin("jeux"), Chemin("jeux")}));
}

// Files read in one folder and written in another are carried over once, so that the folder
// written holds the pair from then on.
using Rassemblement = Arborescence;

TEST_F(Rassemblement, OneFolderNeedsNothing) {
  Poser("jeux/options12.dat", "options");
  const DossierDeLecture d = RassemblerFichiersDonnees({Chemin("jeux"), Chemin("jeux")});
  EXPECT_EQ(d.dossier, Chemin("jeux"));
  EXPECT_FALSE(d.echec);
}

TEST_F(Rassemblement, TheFilesAreCopiedToTheFolderWrittenAndReadThere) {
  Poser("programme/options12.dat", "options");
  Poser("programme/names12.dat", "noms");
  fs::create_directories(Chemin("maison"));
  const DossierDeLecture d = RassemblerFichiersDonnees({Chemin("programme"), Chemin("maison")});
  EXPECT_EQ(d.dossier, Chemin("maison"));
  EXPECT_FALSE(d.echec);
  EXPECT_EQ(Lire(Chemin("maison/options12.dat")), "options");
  EXPECT_EQ(Lire(Chemin("maison/names12.dat")), "noms");
  EXPECT_EQ(Lire(Chemin("programme/options12.dat")), "options");  // left as it was
}

TEST_F(Rassemblement, AStrayNamesFileDoesNotJoinOptionsOfAnotherRun) {
  Poser("programme/options12.dat", "options");
  Poser("maison/names12.dat", "ancien");
  const DossierDeLecture d = RassemblerFichiersDonnees({Chemin("programme"), Chemin("maison")});
  EXPECT_EQ(d.dossier, Chemin("maison"));
  EXPECT_FALSE(fs::exists(Chemin("maison/names12.dat")));
}

TEST_F(Rassemblement, ACopyThatFailsIsToldAndTheFilesAreReadWhereTheyAre) {
  Poser("programme/options12.dat", "options");
  Poser("programme/names12.dat", "noms");
  Poser("fichier");
  const fs::path maison = Chemin("fichier") / "maison";  // below a regular file
  const DossierDeLecture d = RassemblerFichiersDonnees({Chemin("programme"), maison});
  EXPECT_EQ(d.dossier, Chemin("programme"));
  ASSERT_TRUE(d.echec);
  EXPECT_EQ(d.echec->operation, OperationFichier::Ecriture);
  EXPECT_EQ(d.echec->chemin, maison / "options12.dat");
}

}  // namespace
}  // namespace rolvex
