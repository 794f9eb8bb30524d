#include "records/file_store.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <functional>
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

void Ecrire(const fs::path& chemin, const Octets& octets) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(octets.data()),
          static_cast<std::streamsize>(octets.size()));
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
    std::string modele = (fs::temp_directory_path() / "rolvex-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    dossier = modele;
  }
  void TearDown() override {
    std::error_code e;
    for (const auto& entree : fs::recursive_directory_iterator(dossier, e))
      fs::permissions(entree.path(), fs::perms::owner_all, fs::perm_options::add, e);
    fs::permissions(dossier, fs::perms::owner_all, fs::perm_options::add, e);
    fs::remove_all(dossier, e);
  }

  // Options that differ from the defaults in every field the files keep.
  static DonneesOptions Jouees() {
    TirageFixe tirage(0.3);
    DonneesOptions d = CreerOptionsParDefaut(tirage);
    d.ModeJeu = 2;
    d.TypeDes = 2;
    d.NomJoueur = "Léa";
    d.Scores[2][1] = {"Zoé", 1300, 412, 19};
    return d;
  }

  fs::path dossier;
};

// Fails after handing over the first `avant` bytes of the `appel`-th file written (from 1).
struct EcrivainDefaillant {
  int appel = 1;
  std::size_t avant = 0;
  int appels = 0;
  std::error_code operator()(int fd, std::span<const std::uint8_t> octets) {
    if (++appels != appel) return EcrireTout(fd, octets);
    if (auto e = EcrireTout(fd, octets.first(std::min(avant, octets.size())))) return e;
    return std::make_error_code(std::errc::io_error);
  }
};

// Runs `essai` as a player whom permissions hold back. Root passes through them, so as root
// it runs in a child process that first becomes nobody, who is given `dossier`: only the
// permission bits then stand in the way, as they do for a player.
std::optional<ResultatSauvegarde> CommeUnJoueur(const fs::path& dossier,
                                                const std::function<ResultatSauvegarde()>& essai) {
  if (::geteuid() != 0) return essai();
  constexpr uid_t Personne = 65534;
  if (::chown(dossier.c_str(), Personne, Personne) != 0) return std::nullopt;
  for (const auto& e : fs::recursive_directory_iterator(dossier))
    if (::chown(e.path().c_str(), Personne, Personne) != 0) return std::nullopt;
  int tube[2];
  if (::pipe(tube) != 0) return std::nullopt;
  const pid_t enfant = ::fork();
  if (enfant == 0) {
    ::close(tube[0]);
    int reponse[4] = {-1, 0, 0, 0};  // -1: could not become nobody
    if (::setgroups(0, nullptr) == 0 && ::setgid(Personne) == 0 && ::setuid(Personne) == 0) {
      const ResultatSauvegarde r = essai();
      reponse[0] = r.Reussie() ? 1 : 0;
      if (r.echec) {
        reponse[1] = static_cast<int>(r.echec->fichier);
        reponse[2] = static_cast<int>(r.echec->operation);
        reponse[3] = r.echec->erreur.value();
      }
    }
    const bool ecrit = ::write(tube[1], reponse, sizeof reponse) == sizeof reponse;
    ::_exit(ecrit ? 0 : 1);
  }
  ::close(tube[1]);
  int reponse[4] = {-1, 0, 0, 0};
  const bool lu = enfant > 0 && ::read(tube[0], reponse, sizeof reponse) == sizeof reponse;
  ::close(tube[0]);
  if (enfant > 0) ::waitpid(enfant, nullptr, 0);
  if (!lu || reponse[0] < 0) return std::nullopt;
  if (reponse[0] == 1) return ResultatSauvegarde{};
  return ResultatSauvegarde{EchecFichier{static_cast<FichierDonnees>(reponse[1]),
                                         static_cast<OperationFichier>(reponse[2]),
                                         {},
                                         {reponse[3], std::generic_category()}}};
}

// A first run finds no files: the defaults are in memory and on disk at once, in a folder
// made for them, and the next run reads them as they stand without drawing again.
TEST_F(DossierTemporaire, AFirstRunWritesTheDefaultsThatTheNextRunReadsBack) {
  const fs::path neuf = dossier / "a" / "b";
  TirageFixe tirage(0.25);
  const ChargementDossier ch = ChargerOptions(neuf, tirage);
  EXPECT_EQ(ch.chargement.resultat, ResultatChargement::OptionsParDefaut);
  EXPECT_TRUE(ch.fichiersEcrits);
  EXPECT_FALSE(ch.echec);
  TirageFixe memeTirage(0.25);
  EXPECT_EQ(ch.chargement.donnees, CreerOptionsParDefaut(memeTirage));
  EXPECT_EQ(Fichiers(neuf), LesDeuxFichiers) << "no file left beside them";
  EXPECT_EQ(Lire(neuf / "options12.dat"), EncoderFichierOptions(ch.chargement.donnees));
  EXPECT_EQ(Lire(neuf / "names12.dat"), EncoderFichierNoms(ch.chargement.donnees));

  TirageFixe autreTirage(0.75);
  const ChargementDossier suivant = ChargerOptions(neuf, autreTirage);
  EXPECT_EQ(suivant.chargement.resultat, ResultatChargement::Ok);
  EXPECT_FALSE(suivant.fichiersEcrits);
  EXPECT_EQ(suivant.chargement.donnees, ch.chargement.donnees);
  EXPECT_EQ(autreTirage.nbTirages, 0);
}

// What is saved is what the next run reads; a save keeps what an older, longer options file
// holds past its 184 bytes, and the permissions the player gave the files.
TEST_F(DossierTemporaire, ASaveIsReadBackUnchangedAndKeepsOlderBytesAndPermissions) {
  Octets ancien(200, 0);
  ancien[0] = 1;
  for (std::size_t i = 184; i < ancien.size(); ++i) ancien[i] = static_cast<std::uint8_t>(i);
  Ecrire(dossier / "options12.dat", ancien);
  Ecrire(dossier / "names12.dat", {});
  fs::permissions(dossier / "names12.dat", fs::perms::owner_read | fs::perms::owner_write);

  const DonneesOptions jouees = Jouees();
  ASSERT_TRUE(SauverOptions(dossier, jouees).Reussie());
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.resultat, ResultatChargement::Ok);
  EXPECT_EQ(ch.chargement.donnees, jouees);
  const Octets options = Lire(dossier / "options12.dat");
  ASSERT_EQ(options.size(), 200u);
  EXPECT_TRUE(std::equal(options.begin() + 184, options.end(), ancien.begin() + 184));
  EXPECT_EQ(fs::status(dossier / "names12.dat").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Fichiers(dossier), LesDeuxFichiers);
}

// Damaged files are read with repairs, and reading writes nothing.
TEST_F(DossierTemporaire, ADamagedOptionsFileIsRepairedInMemoryAndLeftAsItIsOnDisk) {
  ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
  Octets court = Lire(dossier / "options12.dat");
  court.resize(100);
  Ecrire(dossier / "options12.dat", court);

  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.resultat, ResultatChargement::Repare);
  EXPECT_TRUE(ch.chargement.reparations.Contient(Reparation::OptionsIncompletes));
  EXPECT_EQ(ch.chargement.donnees.NomJoueur, "Léa");
  EXPECT_FALSE(ch.fichiersEcrits);
  EXPECT_EQ(Lire(dossier / "options12.dat"), court);
}

// A failing read or write is returned, naming the file; nothing throws and the old files stay.
TEST_F(DossierTemporaire, AFolderUnderARegularFileFailsToWriteAndTheDefaultsStayInMemory) {
  Ecrire(dossier / "fichier", {1, 2, 3});
  const fs::path impossible = dossier / "fichier" / "données";
  TirageFixe tirage(0.5);
  ChargementDossier ch;
  ASSERT_NO_THROW(ch = ChargerOptions(impossible, tirage));
  EXPECT_EQ(ch.chargement.resultat, ResultatChargement::OptionsParDefaut);
  EXPECT_FALSE(ch.fichiersEcrits);
  ASSERT_TRUE(ch.echec);
  EXPECT_EQ(ch.echec->fichier, FichierDonnees::Options);
  EXPECT_EQ(ch.echec->operation, OperationFichier::Ecriture);
  EXPECT_EQ(ch.echec->chemin, impossible / "options12.dat");
  EXPECT_TRUE(ch.echec->erreur);
  EXPECT_FALSE(SauverOptions(impossible, Jouees()).Reussie());
}

TEST_F(DossierTemporaire, AReadOnlyFolderOrFileRefusesTheSaveAndKeepsTheOldFiles) {
  ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
  const Octets options = Lire(dossier / "options12.dat");
  const Octets noms = Lire(dossier / "names12.dat");
  DonneesOptions autres = Jouees();
  autres.NomJoueur = "Ugo";

  // A file the player made read-only is not replaced behind their back.
  fs::permissions(dossier / "names12.dat", fs::perms::owner_read);
  const auto fichier = CommeUnJoueur(dossier, [&] { return SauverOptions(dossier, autres); });
  if (!fichier) GTEST_SKIP() << "cannot run as a user whom permissions hold back";
  ASSERT_FALSE(fichier->Reussie());
  EXPECT_EQ(fichier->echec->fichier, FichierDonnees::Noms);
  EXPECT_EQ(fichier->echec->erreur, std::make_error_code(std::errc::permission_denied));

  fs::permissions(dossier / "names12.dat", fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
  const auto dossierSeul = CommeUnJoueur(dossier, [&] { return SauverOptions(dossier, autres); });
  ASSERT_TRUE(dossierSeul);
  ASSERT_FALSE(dossierSeul->Reussie());
  EXPECT_EQ(dossierSeul->echec->fichier, FichierDonnees::Options);
  EXPECT_EQ(dossierSeul->echec->operation, OperationFichier::Ecriture);
  EXPECT_EQ(dossierSeul->echec->erreur, std::make_error_code(std::errc::permission_denied));
  EXPECT_EQ(Lire(dossier / "options12.dat"), options);
  EXPECT_EQ(Lire(dossier / "names12.dat"), noms);
  EXPECT_EQ(Fichiers(dossier), LesDeuxFichiers);
}

// Both files are ready before either is replaced: new scores never pair with old names.
TEST_F(DossierTemporaire, AWriteFailingPartWayThroughEitherFileLeavesBothOldFilesWhole) {
  ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
  const Octets options = Lire(dossier / "options12.dat");
  const Octets noms = Lire(dossier / "names12.dat");
  DonneesOptions autres = Jouees();
  autres.NomJoueur = "Ugo";
  autres.Scores[2][1] = {"Ugo", 1400, 300, 20};

  for (const auto& [ecrivain, fichier, chemin] :
       {std::tuple{EcrivainDefaillant{1, 100}, FichierDonnees::Options, "options12.dat"},
        std::tuple{EcrivainDefaillant{2, 20}, FichierDonnees::Noms, "names12.dat"}}) {
    SCOPED_TRACE(chemin);
    const ResultatSauvegarde s = SauverOptions(dossier, autres, ecrivain);
    ASSERT_FALSE(s.Reussie());
    EXPECT_EQ(s.echec->fichier, fichier);
    EXPECT_EQ(s.echec->operation, OperationFichier::Ecriture);
    EXPECT_EQ(s.echec->chemin, dossier / chemin);
    EXPECT_EQ(s.echec->erreur, std::make_error_code(std::errc::io_error));
    EXPECT_EQ(Lire(dossier / "options12.dat"), options);
    EXPECT_EQ(Lire(dossier / "names12.dat"), noms);
    EXPECT_EQ(Fichiers(dossier), LesDeuxFichiers) << "the half-written file is gone";
  }

  // The next save tries again, and succeeds.
  ASSERT_TRUE(SauverOptions(dossier, autres).Reussie());
  TirageFixe tirage(0.5);
  EXPECT_EQ(ChargerOptions(dossier, tirage).chargement.donnees, autres);
}

TEST_F(DossierTemporaire, AFailingFirstRunWriteIsReportedAndTheDefaultsStayInMemory) {
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage, EcrivainDefaillant{1, 0});
  EXPECT_EQ(ch.chargement.donnees.ModeJeu, 3);
  EXPECT_FALSE(ch.fichiersEcrits);
  ASSERT_TRUE(ch.echec);
  EXPECT_EQ(ch.echec->operation, OperationFichier::Ecriture);
  EXPECT_TRUE(Fichiers(dossier).empty());
}

// An options file that cannot be read (a folder in its place, or far too big to be ours) is
// neither used nor replaced: a passing fault never costs the player the tables on disk. A
// names file that cannot be read leaves the names empty and says so.
TEST_F(DossierTemporaire, AFileThatCannotBeReadIsReportedAndNeitherUsedNorReplaced) {
  fs::create_directory(dossier / "options12.dat");
  TirageFixe tirage(0.5);
  ChargementDossier ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.resultat, ResultatChargement::OptionsParDefaut);
  EXPECT_FALSE(ch.fichiersEcrits);
  ASSERT_TRUE(ch.echec);
  EXPECT_EQ(ch.echec->fichier, FichierDonnees::Options);
  EXPECT_EQ(ch.echec->operation, OperationFichier::Lecture);
  EXPECT_EQ(ch.echec->erreur, std::make_error_code(std::errc::is_a_directory));
  EXPECT_FALSE(fs::exists(dossier / "names12.dat"));
  const ResultatSauvegarde s = SauverOptions(dossier, Jouees());
  ASSERT_FALSE(s.Reussie());
  EXPECT_EQ(s.echec->operation, OperationFichier::Lecture);
  EXPECT_TRUE(fs::is_directory(dossier / "options12.dat"));

  fs::remove(dossier / "options12.dat");
  Ecrire(dossier / "options12.dat", Octets(TailleLueMaximum + 1, 1));
  ch = ChargerOptions(dossier, tirage);
  ASSERT_TRUE(ch.echec);
  EXPECT_EQ(ch.echec->erreur, std::make_error_code(std::errc::file_too_large));
  EXPECT_EQ(fs::file_size(dossier / "options12.dat"), TailleLueMaximum + 1);

  fs::remove(dossier / "options12.dat");
  ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
  fs::remove(dossier / "names12.dat");
  fs::create_directory(dossier / "names12.dat");
  ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.donnees.ModeJeu, 2);
  EXPECT_EQ(ch.chargement.donnees.NomJoueur, "");
  ASSERT_TRUE(ch.echec);
  EXPECT_EQ(ch.echec->fichier, FichierDonnees::Noms);
  EXPECT_EQ(ch.echec->operation, OperationFichier::Lecture);
}

}  // namespace
}  // namespace rolvex
