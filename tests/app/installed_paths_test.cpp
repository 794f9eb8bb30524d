// Where an installed game finds its help.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

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

}  // namespace
}  // namespace rolvex
