#include "app/records/data_folder.h"

namespace rolvex {

DossiersDonnées ChoisirDossierDonnées(const std::filesystem::path& dossierProgramme,
                                      const std::filesystem::path& dossierUtilisateur,
                                      const PrédicatDossier& fichiersPrésents,
                                      const PrédicatDossier& inscriptible) {
  const bool programmeInscriptible = inscriptible(dossierProgramme);
  if (fichiersPrésents(dossierProgramme) && programmeInscriptible) {
    return {dossierProgramme, dossierProgramme};
  }
  // Once the user's folder holds files it is the newer copy: a read-only program folder
  // keeps the files the user's folder started from.
  if (fichiersPrésents(dossierUtilisateur)) return {dossierUtilisateur, dossierUtilisateur};
  if (fichiersPrésents(dossierProgramme)) return {dossierProgramme, dossierUtilisateur};
  if (programmeInscriptible) return {dossierProgramme, dossierProgramme};
  return {dossierUtilisateur, dossierUtilisateur};
}

}  // namespace rolvex
