#include "app/data_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

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

}  // namespace

bool DossierInscriptible(const std::filesystem::path& dossier) {
  if (!QFileInfo(EnQString(dossier)).isDir()) return false;
  QTemporaryFile essai(Fichier(dossier, "rolvex-essai-XXXXXX"));
  essai.setAutoRemove(false);
  if (!essai.open()) return false;
  essai.close();
  return essai.remove();
}

bool FichiersDonnéesPrésents(const std::filesystem::path& dossier) {
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

DossiersDonnées ChoisirDossiersDonnées(const std::filesystem::path& dossierProgramme,
                                       const std::filesystem::path& dossierUtilisateur,
                                       const PrédicatDossier& inscriptible) {
  DossiersDonnées dossiers = ChoisirDossierDonnées(dossierProgramme, dossierUtilisateur,
                                                   FichiersDonnéesPrésents, inscriptible);
  QDir().mkpath(EnQString(dossiers.écriture));
  return dossiers;
}

DossiersDonnées DossiersDonnéesDuJeu() {
  return ChoisirDossiersDonnées(EnChemin(QCoreApplication::applicationDirPath()),
                                DossierUtilisateur());
}

}  // namespace rolvex
