// Where the data files live. The program's folder is their home, but an installed program
// may not write there; the user's own data folder then takes them.
#pragma once

#include <filesystem>
#include <functional>

namespace rolvex {

struct DossiersDonnees {
  std::filesystem::path lecture;   // where the files are read from
  std::filesystem::path ecriture;  // where they are written; the next run reads them there
  friend bool operator==(const DossiersDonnees&, const DossiersDonnees&) = default;
};

using PredicatDossier = std::function<bool(const std::filesystem::path&)>;

// A folder that already holds the files wins, the program's folder first, so that scores are
// never left behind. Files in a program folder that cannot be written are read there and
// written to the user's folder, which holds them from then on. With no files anywhere:
// the program's folder if it can be written, else the user's folder.
DossiersDonnees ChoisirDossierDonnees(const std::filesystem::path& dossierProgramme,
                                      const std::filesystem::path& dossierUtilisateur,
                                      const PredicatDossier& fichiersPresents,
                                      const PredicatDossier& inscriptible);

}  // namespace rolvex
