// Where the data files live. The program's folder is their home, but an installed program
// may not write there; the user's own data folder then takes them.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "records/file_store.h"

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

// Whether a file can be created and removed in `dossier`. Tried for real: permission bits say
// nothing to root, nor about a read-only disk.
bool DossierInscriptible(const std::filesystem::path& dossier);

// Whether `dossier` lies among the system's own folders (/usr, /bin, /opt…, links followed),
// where packages install programs. The game never writes there, not even as root.
bool DossierSysteme(const std::filesystem::path& dossier);

// Whether the program's folder may take the data files: no system folder, and writable.
bool DossierProgrammeInscriptible(const std::filesystem::path& dossier);

// Whether `dossier` holds the options file: without it the names file alone starts no run
// with its tables.
bool FichiersDonneesPresents(const std::filesystem::path& dossier);

// The user's data folder for the game, ".../rolvex" under $XDG_DATA_HOME, or under
// ~/.local/share when that is unset or not absolute. It may not exist yet.
std::filesystem::path DossierUtilisateur();

// The folder of the running program; empty if the system cannot say.
std::filesystem::path DossierProgramme();

// The folders to read and to write the data files from, between the program's folder and the
// user's one (see ChoisirDossierDonnees). The folder to write is created when it does not
// exist yet; if that fails, writing the files there will say so.
DossiersDonnees ChoisirDossiersDonnees(const std::filesystem::path& dossierProgramme,
                                       const std::filesystem::path& dossierUtilisateur,
                                       const PredicatDossier& inscriptible = DossierInscriptible);

// The choice of this run: the folder of the running program, unless it is a system folder
// or cannot be written, and DossierUtilisateur().
DossiersDonnees DossiersDonneesDuJeu();

// When the files are read in one folder and written in another, copies them to the folder
// written, both as one (see RemplacerFichiers), so that the game reads, mends and writes them in
// one place from then on. Returns the folder to read, and the failure of the copy if any: then the
// files are read where they are, and the folder written stays the one the saves go to.
struct DossierDeLecture {
  std::filesystem::path dossier;
  std::optional<EchecFichier> echec;
};
DossierDeLecture RassemblerFichiersDonnees(const DossiersDonnees& dossiers);

}  // namespace rolvex
