#include "app/records/file_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tirage_fixe.h"

namespace rolvex {
namespace {

namespace fs = std::filesystem;
using Octets = std::vector<std::uint8_t>;

Octets Lire(const fs::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

void Écrire(const fs::path& chemin, const Octets& octets) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(octets.data()),
          static_cast<std::streamsize>(octets.size()));
}

int Mot(const Octets& f, std::size_t position) {
  return static_cast<int16_t>(f.at(position) | f.at(position + 1) << 8);
}

std::vector<std::string> Fichiers(const fs::path& dossier) {
  std::vector<std::string> noms;
  for (const auto& e : fs::directory_iterator(dossier)) noms.push_back(e.path().filename());
  std::sort(noms.begin(), noms.end());
  return noms;
}

const std::vector<std::string> LesDeuxFichiers = {"names12.dat", "options12.dat"};

// A folder of its own for each test, removed after it whatever its permissions became.
class DossierTemporaire : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string modèle = (fs::temp_directory_path() / "rolvex-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modèle.data()), nullptr);
    dossier = modèle;
  }
  void TearDown() override {
    std::error_code e;
    for (const auto& entrée : fs::recursive_directory_iterator(dossier, e))
      fs::permissions(entrée.path(), fs::perms::owner_all, fs::perm_options::add, e);
    fs::permissions(dossier, fs::perms::owner_all, fs::perm_options::add, e);
    fs::remove_all(dossier, e);
  }

  // Options that differ from the defaults in every field the files keep.
  static DonnéesOptions Jouées() {
    TirageFixe tirage(0.3);
    DonnéesOptions d = CréerOptionsParDéfaut(tirage);
    d.ModeJeu = 2;
    d.TypeDés = 2;
    d.NomJoueur = "Léa";
    d.Scores[2][1] = {"Zoé", 1300, 412, 19};
    return d;
  }

  fs::path dossier;
};

// Fails after handing over the first `avant` bytes of the `appel`-th file written (from 1).
struct ÉcrivainDéfaillant {
  int appel = 1;
  std::size_t avant = 0;
  int appels = 0;
  std::error_code operator()(int fd, std::span<const std::uint8_t> octets) {
    if (++appels != appel) return ÉcrireTout(fd, octets);
    if (auto e = ÉcrireTout(fd, octets.first(std::min(avant, octets.size())))) return e;
    return std::make_error_code(std::errc::io_error);
  }
};

// Whether the system stops this process from creating a file in `dossier` (root it does not).
bool CréationRefusée(const fs::path& dossier) {
  const fs::path sonde = dossier / "sonde";
  std::ofstream f(sonde);
  if (!f) return true;
  f.close();
  fs::remove(sonde);
  return false;
}

// A first run finds no files: the defaults are in memory and on disk at once.
TEST_F(DossierTemporaire, AFirstRunInAnEmptyFolderWritesBothFilesWithTheDefaults) {
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.résultat, RésultatChargement::OptionsParDéfaut);
  EXPECT_TRUE(ch.fichiersÉcrits);
  EXPECT_FALSE(ch.échec);
  TirageFixe mêmeTirage(0.5);
  EXPECT_EQ(ch.chargement.données, CréerOptionsParDéfaut(mêmeTirage));

  EXPECT_EQ(Fichiers(dossier), LesDeuxFichiers) << "no file left beside them";
  const Octets options = Lire(dossier / "options12.dat");
  const Octets noms = Lire(dossier / "names12.dat");
  ASSERT_EQ(options.size(), 184u);
  EXPECT_EQ(Mot(options, 0), 3);
  EXPECT_EQ(Mot(options, 2), 1);
  ASSERT_EQ(noms.size(), 496u);
  EXPECT_EQ(Mot(noms, 0), 0);
}

TEST_F(DossierTemporaire, TheDefaultsWrittenOnAFirstRunAreReadBackAsTheyStand) {
  TirageFixe tirage(0.25);
  const DonnéesOptions premières = ChargerOptions(dossier, tirage).chargement.données;
  TirageFixe autreTirage(0.75);
  const ChargementDossier ch = ChargerOptions(dossier, autreTirage);
  EXPECT_EQ(ch.chargement.résultat, RésultatChargement::Ok);
  EXPECT_FALSE(ch.fichiersÉcrits);
  EXPECT_EQ(ch.chargement.données, premières);
  EXPECT_EQ(autreTirage.nbTirages, 0);
}

TEST_F(DossierTemporaire, AMissingFolderIsCreatedWithTheFiles) {
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier / "a" / "b", tirage);
  EXPECT_TRUE(ch.fichiersÉcrits);
  EXPECT_EQ(Fichiers(dossier / "a" / "b"), LesDeuxFichiers);
}

// What is saved is what the next run reads.
TEST_F(DossierTemporaire, SavedOptionsAreReadBackUnchanged) {
  const DonnéesOptions jouées = Jouées();
  ASSERT_TRUE(SauverOptions(dossier, jouées).Réussie());
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.résultat, RésultatChargement::Ok);
  EXPECT_EQ(ch.chargement.données, jouées);
  const Octets noms = Lire(dossier / "names12.dat");
  EXPECT_EQ(Mot(noms, 0), 3);
  EXPECT_EQ(noms[3], 0xE9) << "one Windows-1252 byte for the accent";
}

TEST_F(DossierTemporaire, ASaveKeepsTheBytesAnOlderLongerOptionsFileHoldsPast183) {
  Octets ancien(200, 0);
  ancien[0] = 1;
  for (std::size_t i = 184; i < ancien.size(); ++i) ancien[i] = static_cast<std::uint8_t>(i);
  Écrire(dossier / "options12.dat", ancien);

  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  const Octets options = Lire(dossier / "options12.dat");
  ASSERT_EQ(options.size(), 200u);
  EXPECT_EQ(Mot(options, 0), 2);
  EXPECT_TRUE(std::equal(options.begin() + 184, options.end(), ancien.begin() + 184));
}

TEST_F(DossierTemporaire, ASaveKeepsTheFilesPermissions) {
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  fs::permissions(dossier / "names12.dat", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  EXPECT_EQ(fs::status(dossier / "names12.dat").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

// Damaged files are read with repairs, and reading writes nothing.
TEST_F(DossierTemporaire, ADamagedOptionsFileIsRepairedInMemoryAndLeftAsItIsOnDisk) {
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  Octets court = Lire(dossier / "options12.dat");
  court.resize(100);
  Écrire(dossier / "options12.dat", court);

  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.résultat, RésultatChargement::Réparé);
  EXPECT_TRUE(ch.chargement.réparations.Contient(Réparation::OptionsIncomplètes));
  EXPECT_EQ(ch.chargement.données.NomJoueur, "Léa");
  EXPECT_FALSE(ch.fichiersÉcrits);
  EXPECT_EQ(Lire(dossier / "options12.dat"), court);
}

// A failing read or write is returned, naming the file; nothing throws and the old files stay.
TEST_F(DossierTemporaire, AFolderUnderARegularFileFailsToWriteAndTheDefaultsStayInMemory) {
  Écrire(dossier / "fichier", {1, 2, 3});
  const fs::path impossible = dossier / "fichier" / "données";
  TirageFixe tirage(0.5);
  ChargementDossier ch;
  ASSERT_NO_THROW(ch = ChargerOptions(impossible, tirage));
  EXPECT_EQ(ch.chargement.résultat, RésultatChargement::OptionsParDéfaut);
  EXPECT_EQ(ch.chargement.données.ModeJeu, 3);
  EXPECT_FALSE(ch.fichiersÉcrits);
  ASSERT_TRUE(ch.échec);
  EXPECT_EQ(ch.échec->fichier, FichierDonnées::Options);
  EXPECT_EQ(ch.échec->opération, OpérationFichier::Écriture);
  EXPECT_EQ(ch.échec->chemin, impossible / "options12.dat");
  EXPECT_TRUE(ch.échec->erreur);

  const RésultatSauvegarde s = SauverOptions(impossible, Jouées());
  ASSERT_FALSE(s.Réussie());
  EXPECT_EQ(s.échec->opération, OpérationFichier::Écriture);
}

TEST_F(DossierTemporaire, AReadOnlyFolderFailsToSaveAndKeepsTheOldFiles) {
  TirageFixe tirage(0.5);
  ASSERT_TRUE(ChargerOptions(dossier, tirage).fichiersÉcrits);
  const Octets options = Lire(dossier / "options12.dat");
  const Octets noms = Lire(dossier / "names12.dat");
  fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
  if (!CréationRefusée(dossier))
    GTEST_SKIP() << "this user can write into a read-only folder (root): nothing to refuse";

  const RésultatSauvegarde s = SauverOptions(dossier, Jouées());
  ASSERT_FALSE(s.Réussie());
  EXPECT_EQ(s.échec->fichier, FichierDonnées::Options);
  EXPECT_EQ(s.échec->opération, OpérationFichier::Écriture);
  EXPECT_EQ(s.échec->erreur, std::make_error_code(std::errc::permission_denied));
  EXPECT_EQ(Lire(dossier / "options12.dat"), options);
  EXPECT_EQ(Lire(dossier / "names12.dat"), noms);
}

TEST_F(DossierTemporaire, AWriteFailingPartWayThroughTheOptionsLeavesBothOldFilesWhole) {
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  const Octets options = Lire(dossier / "options12.dat");
  const Octets noms = Lire(dossier / "names12.dat");

  DonnéesOptions autres = Jouées();
  autres.ModeJeu = 1;
  autres.NomJoueur = "Ugo";
  const RésultatSauvegarde s = SauverOptions(dossier, autres, ÉcrivainDéfaillant{1, 100});
  ASSERT_FALSE(s.Réussie());
  EXPECT_EQ(s.échec->fichier, FichierDonnées::Options);
  EXPECT_EQ(s.échec->chemin, dossier / "options12.dat");
  EXPECT_EQ(s.échec->erreur, std::make_error_code(std::errc::io_error));
  EXPECT_EQ(Lire(dossier / "options12.dat"), options);
  EXPECT_EQ(Lire(dossier / "names12.dat"), noms);
  EXPECT_EQ(Fichiers(dossier), LesDeuxFichiers) << "the half-written file is gone";
}

TEST_F(DossierTemporaire, AWriteFailingInTheNamesNeverPairsNewScoresWithOldNames) {
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  const Octets options = Lire(dossier / "options12.dat");
  const Octets noms = Lire(dossier / "names12.dat");

  DonnéesOptions autres = Jouées();
  autres.Scores[2][1] = {"Ugo", 1400, 300, 20};
  const RésultatSauvegarde s = SauverOptions(dossier, autres, ÉcrivainDéfaillant{2, 20});
  ASSERT_FALSE(s.Réussie());
  EXPECT_EQ(s.échec->fichier, FichierDonnées::Noms);
  EXPECT_EQ(Lire(dossier / "options12.dat"), options);
  EXPECT_EQ(Lire(dossier / "names12.dat"), noms);
  EXPECT_EQ(Fichiers(dossier), LesDeuxFichiers);

  // The next save tries again, and succeeds.
  ASSERT_TRUE(SauverOptions(dossier, autres).Réussie());
  TirageFixe tirage(0.5);
  EXPECT_EQ(ChargerOptions(dossier, tirage).chargement.données, autres);
}

TEST_F(DossierTemporaire, AFailingFirstRunWriteIsReportedAndTheDefaultsStayInMemory) {
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage, ÉcrivainDéfaillant{1, 0});
  EXPECT_EQ(ch.chargement.données.ModeJeu, 3);
  EXPECT_FALSE(ch.fichiersÉcrits);
  ASSERT_TRUE(ch.échec);
  EXPECT_EQ(ch.échec->opération, OpérationFichier::Écriture);
  EXPECT_TRUE(Fichiers(dossier).empty());
}

TEST_F(DossierTemporaire, AnOptionsFileThatCannotBeReadIsNeitherUsedNorReplaced) {
  fs::create_directory(dossier / "options12.dat");  // a file no one can read as bytes
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.résultat, RésultatChargement::OptionsParDéfaut);
  EXPECT_FALSE(ch.fichiersÉcrits);
  ASSERT_TRUE(ch.échec);
  EXPECT_EQ(ch.échec->fichier, FichierDonnées::Options);
  EXPECT_EQ(ch.échec->opération, OpérationFichier::Lecture);
  EXPECT_EQ(ch.échec->erreur, std::make_error_code(std::errc::is_a_directory));
  EXPECT_FALSE(fs::exists(dossier / "names12.dat"));

  const RésultatSauvegarde s = SauverOptions(dossier, Jouées());
  ASSERT_FALSE(s.Réussie());
  EXPECT_EQ(s.échec->opération, OpérationFichier::Lecture);
  EXPECT_TRUE(fs::is_directory(dossier / "options12.dat"));
}

TEST_F(DossierTemporaire, AnOptionsFileFarTooBigIsRefusedRatherThanRead) {
  Écrire(dossier / "options12.dat", Octets(TailleLueMaximum + 1, 1));
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage);
  ASSERT_TRUE(ch.échec);
  EXPECT_EQ(ch.échec->erreur, std::make_error_code(std::errc::file_too_large));
  EXPECT_EQ(fs::file_size(dossier / "options12.dat"), TailleLueMaximum + 1);
}

TEST_F(DossierTemporaire, ANamesFileThatCannotBeReadLeavesTheNamesEmptyAndSaysSo) {
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  fs::remove(dossier / "names12.dat");
  fs::create_directory(dossier / "names12.dat");
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.données.ModeJeu, 2);
  EXPECT_EQ(ch.chargement.données.NomJoueur, "");
  ASSERT_TRUE(ch.échec);
  EXPECT_EQ(ch.échec->fichier, FichierDonnées::Noms);
  EXPECT_EQ(ch.échec->opération, OpérationFichier::Lecture);
}

TEST_F(DossierTemporaire, AReadOnlyFileIsNotReplacedBehindThePlayersBack) {
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  const Octets noms = Lire(dossier / "names12.dat");
  fs::permissions(dossier / "names12.dat", fs::perms::owner_read);
  if (::access((dossier / "names12.dat").c_str(), W_OK) == 0)
    GTEST_SKIP() << "this user can write a read-only file (root): nothing to refuse";
  DonnéesOptions autres = Jouées();
  autres.NomJoueur = "Ugo";
  const RésultatSauvegarde s = SauverOptions(dossier, autres);
  ASSERT_FALSE(s.Réussie());
  EXPECT_EQ(s.échec->fichier, FichierDonnées::Noms);
  EXPECT_EQ(Lire(dossier / "names12.dat"), noms);
}

// The player is told which file failed and that the game goes on.
TEST(MessageÉchecFichier, NamesTheFileAndWhatHappensNextInTheLanguage) {
  const ÉchecFichier écriture{FichierDonnées::Noms, OpérationFichier::Écriture,
                              "/data/names12.dat", std::make_error_code(std::errc::io_error)};
  const std::string fr = MessageÉchecFichier(écriture, Langue::Français);
  EXPECT_EQ(fr.rfind("Le fichier /data/names12.dat n'a pas pu être enregistré (", 0), 0u) << fr;
  EXPECT_NE(fr.find("le prochain enregistrement essaiera de nouveau."), std::string::npos);
  const std::string en = MessageÉchecFichier(écriture, Langue::Anglais);
  EXPECT_EQ(en.rfind("The file /data/names12.dat could not be saved (", 0), 0u) << en;

  const ÉchecFichier lecture{FichierDonnées::Options, OpérationFichier::Lecture,
                             "/data/options12.dat", std::make_error_code(std::errc::io_error)};
  EXPECT_NE(MessageÉchecFichier(lecture, Langue::Anglais).find("could not be read"),
            std::string::npos);
  EXPECT_NE(MessageÉchecFichier(lecture, Langue::Français).find("n'a pas pu être lu"),
            std::string::npos);
}

}  // namespace
}  // namespace rolvex
