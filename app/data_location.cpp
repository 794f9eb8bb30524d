#include "app/data_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <array>

#include "ui/text.h"

namespace rolvex {
namespace {

QString EnQString(const std::filesystem::path& chemin) {
  return QFile::decodeName(chemin.native().c_str());
}

std::filesystem::path EnChemin(const QString& chemin) {
  return std::filesystem::path(QFile::encodeName(chemin).toStdString());
}

QString Fichier(const std::filesystem::path& dossier, std::string_view nom) {
  return QDir(EnQString(dossier)).filePath(ui::EnQString(nom));
}

// The top folders of the system's own tree: programs installed there belong to a package.
constexpr std::array<std::string_view, 13> RacinesSysteme = {
    "usr", "bin", "sbin", "lib",  "lib32", "lib64", "libx32",
    "opt", "etc", "boot", "snap", "nix",   "app"};

}  // namespace

bool DossierSysteme(const std::filesystem::path& dossier) {
  std::error_code e;
  std::filesystem::path reel = std::filesystem::weakly_canonical(dossier, e);
  if (e) reel = dossier.lexically_normal();
  if (!reel.is_absolute()) return false;
  const std::filesystem::path relatif = reel.relative_path();
  if (relatif.empty()) return true;  // the root itself
  const std::string premier = relatif.begin()->string();
  for (std::string_view racine : RacinesSysteme)
    if (premier == racine) return true;
  return false;
}

bool DossierProgrammeInscriptible(const std::filesystem::path& dossier) {
  // Tried only outside the system's folders: root could create a file anywhere.
  return !DossierSysteme(dossier) && DossierInscriptible(dossier);
}

bool DossierInscriptible(const std::filesystem::path& dossier) {
  if (!QFileInfo(EnQString(dossier)).isDir()) return false;
  QTemporaryFile essai(Fichier(dossier, "rolvex-essai-XXXXXX"));
  essai.setAutoRemove(false);
  if (!essai.open()) return false;
  essai.close();
  return essai.remove();
}

bool FichiersDonneesPresents(const std::filesystem::path& dossier) {
  return QFileInfo(Fichier(dossier, NomFichierOptions)).isFile();
}

void NommerApplication() {
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(QStringLiteral("rolvex"));
}

std::filesystem::path DossierUtilisateur() {
  NommerApplication();
  return EnChemin(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

DossiersDonnees ChoisirDossiersDonnees(const std::filesystem::path& dossierProgramme,
                                       const std::filesystem::path& dossierUtilisateur,
                                       const PredicatDossier& inscriptible) {
  DossiersDonnees dossiers = ChoisirDossierDonnees(dossierProgramme, dossierUtilisateur,
                                                   FichiersDonneesPresents, inscriptible);
  QDir().mkpath(EnQString(dossiers.ecriture));
  return dossiers;
}

DossiersDonnees DossiersDonneesDuJeu() {
  return ChoisirDossiersDonnees(EnChemin(QCoreApplication::applicationDirPath()),
                                DossierUtilisateur(), DossierProgrammeInscriptible);
}

DossierDeLecture RassemblerFichiersDonnees(const DossiersDonnees& dossiers) {
  if (dossiers.lecture == dossiers.ecriture) return {dossiers.lecture, std::nullopt};
  struct Fichier {
    FichierDonnees lequel;
    std::filesystem::path (*chemin)(const std::filesystem::path&);
  };
  constexpr std::array<Fichier, 2> fichiers = {
      {{FichierDonnees::Options, CheminFichierOptions}, {FichierDonnees::Noms, CheminFichierNoms}}};
  for (const Fichier& f : fichiers) {
    const std::filesystem::path source = f.chemin(dossiers.lecture);
    const std::filesystem::path cible = f.chemin(dossiers.ecriture);
    std::error_code e;
    if (!std::filesystem::exists(source, e)) {
      // A names file left alone in the folder written belongs to no options any more.
      std::filesystem::remove(cible, e);
      continue;
    }
    std::filesystem::copy_file(source, cible, std::filesystem::copy_options::overwrite_existing, e);
    if (e) {
      // No half pair is left behind for the next run to take as the player's files.
      std::error_code ignoree;
      for (const Fichier& copie : fichiers)
        std::filesystem::remove(copie.chemin(dossiers.ecriture), ignoree);
      return {dossiers.lecture, EchecFichier{f.lequel, OperationFichier::Ecriture, cible, e}};
    }
  }
  return {dossiers.ecriture, std::nullopt};
}

}  // namespace rolvex
