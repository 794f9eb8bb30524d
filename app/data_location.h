// Where this computer keeps the data files: the program's folder when it can be written, else
// the user's own data folder, ".../rolvex".
#pragma once

#include <filesystem>
#include <string_view>

#include "app/records/data_folder.h"

namespace rolvex {

inline constexpr std::string_view NomFichierOptions = "options12.dat";
inline constexpr std::string_view NomFichierNoms = "names12.dat";

// Whether a file can be created and removed in `dossier`. Tried for real: permission bits say
// nothing to root, nor about a read-only disk.
bool DossierInscriptible(const std::filesystem::path& dossier);

// Whether `dossier` holds the options file: without it the names file alone starts no run
// with its tables.
bool FichiersDonnéesPrésents(const std::filesystem::path& dossier);

// Names the application "rolvex", without an organisation, so that the user's data folder of
// the platform ends in ".../rolvex". Calling it again changes nothing.
void NommerApplication();

// The user's data folder for the game (it may not exist yet).
std::filesystem::path DossierUtilisateur();

// The folders to read and to write the data files from, between the program's folder and the
// user's one (see ChoisirDossierDonnées). The folder to write is created when it does not
// exist yet; if that fails, writing the files there will say so.
DossiersDonnées ChoisirDossiersDonnées(const std::filesystem::path& dossierProgramme,
                                       const std::filesystem::path& dossierUtilisateur,
                                       const PrédicatDossier& inscriptible = DossierInscriptible);

// The choice of this run: the folder of the running program and DossierUtilisateur().
DossiersDonnées DossiersDonnéesDuJeu();

}  // namespace rolvex
