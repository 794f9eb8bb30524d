#include "session/data_folder.h"

namespace rolvex {

DossiersDonnees ChoisirDossierDonnees(const std::filesystem::path& dossierProgramme,
                                      const std::filesystem::path& dossierUtilisateur,
                                      const PredicatDossier& fichiersPresents,
                                      const PredicatDossier& inscriptible) {
  const bool programmeInscriptible = inscriptible(dossierProgramme);
  if (fichiersPresents(dossierProgramme) && programmeInscriptible) {
    return {dossierProgramme, dossierProgramme};
  }
  // Once the user's folder holds files it is the newer copy: a read-only program folder
  // keeps the files the user's folder started from.
  if (fichiersPresents(dossierUtilisateur)) return {dossierUtilisateur, dossierUtilisateur};
  if (fichiersPresents(dossierProgramme)) return {dossierProgramme, dossierUtilisateur};
  if (programmeInscriptible) return {dossierProgramme, dossierProgramme};
  return {dossierUtilisateur, dossierUtilisateur};
}

}  // namespace rolvex
