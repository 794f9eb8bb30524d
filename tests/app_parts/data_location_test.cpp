#include "app/data_location.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

namespace rolvex {
namespace {

namespace fs = std::filesystem;

// A program folder and a user folder on a real disk, in a temporary folder of the test.
class Dossiers : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(racine_.isValid());
    programme = Chemin("programme");
    utilisateur = Chemin("maison") / ".local" / "share" / "rolvex";
    fs::create_directories(programme);
  }

  fs::path Chemin(const std::string& nom) const {
    return fs::path(racine_.path().toStdString()) / nom;
  }

  static void Poser(const fs::path& dossier, std::string_view nom) {
    fs::create_directories(dossier);
    QFile fichier(QString::fromStdString((dossier / nom).string()));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write("x");
  }

  // A folder that even root cannot write: it would stand below a regular file.
  fs::path SousUnFichier() {
    Poser(Chemin(""), "fichier");
    return Chemin("fichier") / "programme";
  }

  fs::path programme;
  fs::path utilisateur;

 private:
  QTemporaryDir racine_;
};

// A folder counts as writable only if a file can really be created and removed there; the
// options file alone, not a folder of that name, makes a folder the home of the data.
TEST_F(Dossiers, AWritableFolderIsOneWhereAFileCanBeMadeAndTheOptionsFileMarksTheHome) {
  EXPECT_TRUE(DossierInscriptible(programme));
  EXPECT_TRUE(fs::is_empty(programme)) << "the check keeps no trace";
  EXPECT_FALSE(DossierInscriptible(SousUnFichier()));
  EXPECT_FALSE(DossierInscriptible(Chemin("nulle-part")));
  EXPECT_FALSE(fs::exists(Chemin("nulle-part")));

  fs::create_directories(programme / NomFichierOptions);
  EXPECT_FALSE(FichiersDonneesPresents(programme));
  Poser(utilisateur, NomFichierNoms);
  EXPECT_FALSE(FichiersDonneesPresents(utilisateur));
  Poser(utilisateur, NomFichierOptions);
  EXPECT_TRUE(FichiersDonneesPresents(utilisateur));
}

// The data files are read where they are and written where they can be; the user's folder is
// made only when it is to be written.
using ChoixDuDossier = Dossiers;

TEST_F(ChoixDuDossier, FilesAlreadyInPlaceAreUsedThereTheProgramFolderFirst) {
  Poser(utilisateur, NomFichierOptions);
  EXPECT_EQ(ChoisirDossiersDonnees(programme, utilisateur),
            (DossiersDonnees{utilisateur, utilisateur}));
  Poser(programme, NomFichierOptions);
  EXPECT_EQ(ChoisirDossiersDonnees(programme, utilisateur),
            (DossiersDonnees{programme, programme}));
}

TEST_F(ChoixDuDossier, AFirstRunUsesTheProgramFolderWhenItCanBeWrittenElseTheUserFolder) {
  EXPECT_EQ(ChoisirDossiersDonnees(programme, utilisateur),
            (DossiersDonnees{programme, programme}));
  EXPECT_FALSE(fs::exists(utilisateur));  // nothing made in the user's home for nothing
  // A predicate that says "writable" for the program folder below a file would pick it; the
  // real check, used by default, must not.
  const fs::path protege = SousUnFichier();
  EXPECT_EQ(ChoisirDossiersDonnees(protege, utilisateur, [](const fs::path&) { return true; }),
            (DossiersDonnees{protege, protege}));
  EXPECT_EQ(ChoisirDossiersDonnees(protege, utilisateur),
            (DossiersDonnees{utilisateur, utilisateur}));
  EXPECT_TRUE(fs::is_directory(utilisateur));  // ready for the first save
}

TEST_F(ChoixDuDossier, FilesInAReadOnlyProgramFolderAreReadThereAndWrittenInTheUserFolder) {
  Poser(programme, NomFichierOptions);
  const auto lectureSeule = [&](const fs::path& d) { return d != programme; };
  EXPECT_EQ(ChoisirDossiersDonnees(programme, utilisateur, lectureSeule),
            (DossiersDonnees{programme, utilisateur}));
  EXPECT_TRUE(fs::is_directory(utilisateur));
}

// The user's folder of the platform carries the game's name.
TEST(DossierUtilisateur, EndsInRolvexUnderTheUsersDataFolder) {
  QStandardPaths::setTestModeEnabled(true);
  const fs::path dossier = DossierUtilisateur();
  const fs::path donnees =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
  QStandardPaths::setTestModeEnabled(false);
  EXPECT_EQ(dossier, donnees / "rolvex");
}

}  // namespace
}  // namespace rolvex
