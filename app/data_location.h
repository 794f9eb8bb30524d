// Where this computer keeps the data files: the program's folder when it can be written, else
// the user's own data folder, ".../rolvex".
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "session/data_folder.h"
#include "records/file_store.h"

namespace rolvex {

inline constexpr std::string_view NomFichierOptions = "options12.dat";
inline constexpr std::string_view NomFichierNoms = "names12.dat";

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

// Names the application "rolvex", without an organisation, so that the user's data folder of
// the platform ends in ".../rolvex". Calling it again changes nothing.
void NommerApplication();

// The user's data folder for the game (it may not exist yet).
std::filesystem::path DossierUtilisateur();

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
// written, so that the game reads, mends and writes them in one place from then on. Returns
// the folder to read, and the failure of the copy if any: then the files are read where
// they are, and the folder written stays the one the saves go to.
struct DossierDeLecture {
  std::filesystem::path dossier;
  std::optional<EchecFichier> echec;
};
DossierDeLecture RassemblerFichiersDonnees(const DossiersDonnees& dossiers);

}  // namespace rolvex
