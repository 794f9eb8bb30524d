#include "session/data_folder.h"

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

}  // namespace
}  // namespace rolvex
