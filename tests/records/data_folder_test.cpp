#include "app/records/data_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace rolvex {
namespace {

namespace fs = std::filesystem;

const fs::path Programme = "/opt/rolvex";
const fs::path Utilisateur = "/home/zoé/.local/share/rolvex";

struct Disque {
  std::set<fs::path> avecFichiers;
  std::set<fs::path> inscriptibles;
  DossiersDonnées Choisir() const {
    return ChoisirDossierDonnées(
        Programme, Utilisateur, [&](const fs::path& d) { return avecFichiers.contains(d); },
        [&](const fs::path& d) { return inscriptibles.contains(d); });
  }
};

// Scores are never left behind, and never written where they cannot be.
TEST(ChoisirDossierDonnées, FilesInAWritableProgramFolderStayThere) {
  const Disque d{{Programme, Utilisateur}, {Programme, Utilisateur}};
  EXPECT_EQ(d.Choisir(), (DossiersDonnées{Programme, Programme}));
}

TEST(ChoisirDossierDonnées, FilesInTheUserFolderWinOverAnEmptyWritableProgramFolder) {
  const Disque d{{Utilisateur}, {Programme, Utilisateur}};
  EXPECT_EQ(d.Choisir(), (DossiersDonnées{Utilisateur, Utilisateur}));
}

TEST(ChoisirDossierDonnées, FilesInAReadOnlyProgramFolderAreReadThereAndWrittenToTheUserFolder) {
  const Disque d{{Programme}, {Utilisateur}};
  EXPECT_EQ(d.Choisir(), (DossiersDonnées{Programme, Utilisateur}));
}

TEST(ChoisirDossierDonnées, OnceTheUserFolderHoldsFilesTheReadOnlyProgramCopyIsLeft) {
  const Disque d{{Programme, Utilisateur}, {Utilisateur}};
  EXPECT_EQ(d.Choisir(), (DossiersDonnées{Utilisateur, Utilisateur}));
}

TEST(ChoisirDossierDonnées, NoFilesAnywhereTakesTheProgramFolderWhenWritable) {
  const Disque d{{}, {Programme, Utilisateur}};
  EXPECT_EQ(d.Choisir(), (DossiersDonnées{Programme, Programme}));
}

TEST(ChoisirDossierDonnées, NoFilesAnywhereAndAReadOnlyProgramFolderTakesTheUserFolder) {
  const Disque d{{}, {}};
  EXPECT_EQ(d.Choisir(), (DossiersDonnées{Utilisateur, Utilisateur}));
}

}  // namespace
}  // namespace rolvex
