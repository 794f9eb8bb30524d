#include "session/data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

namespace rolvex {
namespace {

namespace fs = std::filesystem;

// The top folders of the system's own tree: programs installed there belong to a package.
constexpr auto RacinesSysteme =
    std::to_array<std::string_view>({"usr", "bin", "sbin", "lib", "lib32", "lib64", "libx32", "opt",
                                     "etc", "boot", "snap", "nix", "app"});

fs::path DossierPersonnel() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* compte = ::getpwuid(::getuid()); compte != nullptr) return compte->pw_dir;
  return {};
}

}  // namespace

DossiersDonnees ChoisirDossierDonnees(const fs::path& dossierProgramme,
                                      const fs::path& dossierUtilisateur,
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

bool DossierSysteme(const fs::path& dossier) {
  std::error_code e;
  const fs::path absolu = fs::absolute(dossier, e);
  fs::path reel = fs::weakly_canonical(absolu, e);
  if (e) reel = absolu.lexically_normal();
  const fs::path relatif = reel.relative_path();
  if (relatif.empty()) return true;  // the root itself, or a folder nobody can place
  const std::string premier = relatif.begin()->string();
  for (std::string_view racine : RacinesSysteme)
    if (premier == racine) return true;
  return false;
}

bool DossierProgrammeInscriptible(const fs::path& dossier) {
  // Tried only outside the system's folders: root could create a file anywhere.
  return !DossierSysteme(dossier) && DossierInscriptible(dossier);
}

bool DossierInscriptible(const fs::path& dossier) {
  std::error_code e;
  if (!fs::is_directory(dossier, e)) return false;
  std::string essai = (dossier / "rolvex-essai-XXXXXX").string();
  const int fd = ::mkstemp(essai.data());
  if (fd < 0) return false;
  ::close(fd);
  return ::unlink(essai.c_str()) == 0;
}

bool FichiersDonneesPresents(const fs::path& dossier) {
  std::error_code e;
  return fs::is_regular_file(CheminFichierOptions(dossier), e);
}

fs::path DossierUtilisateur() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const fs::path donnees = xdg != nullptr && fs::path(xdg).is_absolute()
                               ? fs::path(xdg)
                               : DossierPersonnel() / ".local" / "share";
  return donnees / "rolvex";
}

fs::path DossierProgramme() {
  std::error_code e;
  const fs::path programme = fs::read_symlink("/proc/self/exe", e);
  return e ? fs::path() : programme.parent_path();
}

DossiersDonnees ChoisirDossiersDonnees(const fs::path& dossierProgramme,
                                       const fs::path& dossierUtilisateur,
                                       const PredicatDossier& inscriptible) {
  DossiersDonnees dossiers = ChoisirDossierDonnees(dossierProgramme, dossierUtilisateur,
                                                   FichiersDonneesPresents, inscriptible);
  std::error_code e;
  fs::create_directories(dossiers.ecriture, e);
  return dossiers;
}

DossiersDonnees DossiersDonneesDuJeu() {
  return ChoisirDossiersDonnees(DossierProgramme(), DossierUtilisateur(),
                                DossierProgrammeInscriptible);
}

DossierDeLecture RassemblerFichiersDonnees(const DossiersDonnees& dossiers) {
  if (dossiers.lecture == dossiers.ecriture) return {dossiers.lecture, std::nullopt};
  const LectureFichiers lecture = LireFichiers(dossiers.lecture);
  if (lecture.echec) return {dossiers.lecture, lecture.echec};
  // The pair goes over as one, a names file alone there removed with it: a kill part way
  // never leaves the folder written with options and no names, or another game's names.
  const ResultatSauvegarde copie = RemplacerFichiers(dossiers.ecriture, lecture.octets);
  if (copie.echec) return {dossiers.lecture, copie.echec};
  return {dossiers.ecriture, std::nullopt};
}

}  // namespace rolvex
