#include "app/records/file_store.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
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

// Runs `essai` as a player whom permissions hold back. Root passes through them, so as root
// it runs in a child process that first becomes nobody, who is given `dossier`: only the
// permission bits then stand in the way, as they do for a player.
std::optional<RésultatSauvegarde> CommeUnJoueur(const fs::path& dossier,
                                                const std::function<RésultatSauvegarde()>& essai) {
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
    int réponse[4] = {-1, 0, 0, 0};  // -1: could not become nobody
    if (::setgroups(0, nullptr) == 0 && ::setgid(Personne) == 0 && ::setuid(Personne) == 0) {
      const RésultatSauvegarde r = essai();
      réponse[0] = r.Réussie() ? 1 : 0;
      if (r.échec) {
        réponse[1] = static_cast<int>(r.échec->fichier);
        réponse[2] = static_cast<int>(r.échec->opération);
        réponse[3] = r.échec->erreur.value();
      }
    }
    const bool écrit = ::write(tube[1], réponse, sizeof réponse) == sizeof réponse;
    ::_exit(écrit ? 0 : 1);
  }
  ::close(tube[1]);
  int réponse[4] = {-1, 0, 0, 0};
  const bool lu = enfant > 0 && ::read(tube[0], réponse, sizeof réponse) == sizeof réponse;
  ::close(tube[0]);
  if (enfant > 0) ::waitpid(enfant, nullptr, 0);
  if (!lu || réponse[0] < 0) return std::nullopt;
  if (réponse[0] == 1) return RésultatSauvegarde{};
  return RésultatSauvegarde{ÉchecFichier{static_cast<FichierDonnées>(réponse[1]),
                                         static_cast<OpérationFichier>(réponse[2]), {},
                                         {réponse[3], std::generic_category()}}};
}

// A first run finds no files: the defaults are in memory and on disk at once, in a folder
// made for them, and the next run reads them as they stand without drawing again.
TEST_F(DossierTemporaire, AFirstRunWritesTheDefaultsThatTheNextRunReadsBack) {
  const fs::path neuf = dossier / "a" / "b";
  TirageFixe tirage(0.25);
  const ChargementDossier ch = ChargerOptions(neuf, tirage);
  EXPECT_EQ(ch.chargement.résultat, RésultatChargement::OptionsParDéfaut);
  EXPECT_TRUE(ch.fichiersÉcrits);
  EXPECT_FALSE(ch.échec);
  TirageFixe mêmeTirage(0.25);
  EXPECT_EQ(ch.chargement.données, CréerOptionsParDéfaut(mêmeTirage));
  EXPECT_EQ(Fichiers(neuf), LesDeuxFichiers) << "no file left beside them";
  EXPECT_EQ(Lire(neuf / "options12.dat"), EncoderFichierOptions(ch.chargement.données));
  EXPECT_EQ(Lire(neuf / "names12.dat"), EncoderFichierNoms(ch.chargement.données));

  TirageFixe autreTirage(0.75);
  const ChargementDossier suivant = ChargerOptions(neuf, autreTirage);
  EXPECT_EQ(suivant.chargement.résultat, RésultatChargement::Ok);
  EXPECT_FALSE(suivant.fichiersÉcrits);
  EXPECT_EQ(suivant.chargement.données, ch.chargement.données);
  EXPECT_EQ(autreTirage.nbTirages, 0);
}

// What is saved is what the next run reads; a save keeps what an older, longer options file
// holds past its 184 bytes, and the permissions the player gave the files.
TEST_F(DossierTemporaire, ASaveIsReadBackUnchangedAndKeepsOlderBytesAndPermissions) {
  Octets ancien(200, 0);
  ancien[0] = 1;
  for (std::size_t i = 184; i < ancien.size(); ++i) ancien[i] = static_cast<std::uint8_t>(i);
  Écrire(dossier / "options12.dat", ancien);
  Écrire(dossier / "names12.dat", {});
  fs::permissions(dossier / "names12.dat", fs::perms::owner_read | fs::perms::owner_write);

  const DonnéesOptions jouées = Jouées();
  ASSERT_TRUE(SauverOptions(dossier, jouées).Réussie());
  TirageFixe tirage(0.5);
  const ChargementDossier ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.résultat, RésultatChargement::Ok);
  EXPECT_EQ(ch.chargement.données, jouées);
  const Octets options = Lire(dossier / "options12.dat");
  ASSERT_EQ(options.size(), 200u);
  EXPECT_TRUE(std::equal(options.begin() + 184, options.end(), ancien.begin() + 184));
  EXPECT_EQ(fs::status(dossier / "names12.dat").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Fichiers(dossier), LesDeuxFichiers);
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
  EXPECT_FALSE(ch.fichiersÉcrits);
  ASSERT_TRUE(ch.échec);
  EXPECT_EQ(ch.échec->fichier, FichierDonnées::Options);
  EXPECT_EQ(ch.échec->opération, OpérationFichier::Écriture);
  EXPECT_EQ(ch.échec->chemin, impossible / "options12.dat");
  EXPECT_TRUE(ch.échec->erreur);
  EXPECT_FALSE(SauverOptions(impossible, Jouées()).Réussie());
}

TEST_F(DossierTemporaire, AReadOnlyFolderOrFileRefusesTheSaveAndKeepsTheOldFiles) {
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  const Octets options = Lire(dossier / "options12.dat");
  const Octets noms = Lire(dossier / "names12.dat");
  DonnéesOptions autres = Jouées();
  autres.NomJoueur = "Ugo";

  // A file the player made read-only is not replaced behind their back.
  fs::permissions(dossier / "names12.dat", fs::perms::owner_read);
  const auto fichier = CommeUnJoueur(dossier, [&] { return SauverOptions(dossier, autres); });
  if (!fichier) GTEST_SKIP() << "cannot run as a user whom permissions hold back";
  ASSERT_FALSE(fichier->Réussie());
  EXPECT_EQ(fichier->échec->fichier, FichierDonnées::Noms);
  EXPECT_EQ(fichier->échec->erreur, std::make_error_code(std::errc::permission_denied));

  fs::permissions(dossier / "names12.dat", fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
  const auto dossierSeul = CommeUnJoueur(dossier, [&] { return SauverOptions(dossier, autres); });
  ASSERT_TRUE(dossierSeul);
  ASSERT_FALSE(dossierSeul->Réussie());
  EXPECT_EQ(dossierSeul->échec->fichier, FichierDonnées::Options);
  EXPECT_EQ(dossierSeul->échec->opération, OpérationFichier::Écriture);
  EXPECT_EQ(dossierSeul->échec->erreur, std::make_error_code(std::errc::permission_denied));
  EXPECT_EQ(Lire(dossier / "options12.dat"), options);
  EXPECT_EQ(Lire(dossier / "names12.dat"), noms);
  EXPECT_EQ(Fichiers(dossier), LesDeuxFichiers);
}

// Both files are ready before either is replaced: new scores never pair with old names.
TEST_F(DossierTemporaire, AWriteFailingPartWayThroughEitherFileLeavesBothOldFilesWhole) {
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  const Octets options = Lire(dossier / "options12.dat");
  const Octets noms = Lire(dossier / "names12.dat");
  DonnéesOptions autres = Jouées();
  autres.NomJoueur = "Ugo";
  autres.Scores[2][1] = {"Ugo", 1400, 300, 20};

  for (const auto& [écrivain, fichier, chemin] :
       {std::tuple{ÉcrivainDéfaillant{1, 100}, FichierDonnées::Options, "options12.dat"},
        std::tuple{ÉcrivainDéfaillant{2, 20}, FichierDonnées::Noms, "names12.dat"}}) {
    SCOPED_TRACE(chemin);
    const RésultatSauvegarde s = SauverOptions(dossier, autres, écrivain);
    ASSERT_FALSE(s.Réussie());
    EXPECT_EQ(s.échec->fichier, fichier);
    EXPECT_EQ(s.échec->opération, OpérationFichier::Écriture);
    EXPECT_EQ(s.échec->chemin, dossier / chemin);
    EXPECT_EQ(s.échec->erreur, std::make_error_code(std::errc::io_error));
    EXPECT_EQ(Lire(dossier / "options12.dat"), options);
    EXPECT_EQ(Lire(dossier / "names12.dat"), noms);
    EXPECT_EQ(Fichiers(dossier), LesDeuxFichiers) << "the half-written file is gone";
  }

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

// An options file that cannot be read (a folder in its place, or far too big to be ours) is
// neither used nor replaced: a passing fault never costs the player the tables on disk. A
// names file that cannot be read leaves the names empty and says so.
TEST_F(DossierTemporaire, AFileThatCannotBeReadIsReportedAndNeitherUsedNorReplaced) {
  fs::create_directory(dossier / "options12.dat");
  TirageFixe tirage(0.5);
  ChargementDossier ch = ChargerOptions(dossier, tirage);
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

  fs::remove(dossier / "options12.dat");
  Écrire(dossier / "options12.dat", Octets(TailleLueMaximum + 1, 1));
  ch = ChargerOptions(dossier, tirage);
  ASSERT_TRUE(ch.échec);
  EXPECT_EQ(ch.échec->erreur, std::make_error_code(std::errc::file_too_large));
  EXPECT_EQ(fs::file_size(dossier / "options12.dat"), TailleLueMaximum + 1);

  fs::remove(dossier / "options12.dat");
  ASSERT_TRUE(SauverOptions(dossier, Jouées()).Réussie());
  fs::remove(dossier / "names12.dat");
  fs::create_directory(dossier / "names12.dat");
  ch = ChargerOptions(dossier, tirage);
  EXPECT_EQ(ch.chargement.données.ModeJeu, 2);
  EXPECT_EQ(ch.chargement.données.NomJoueur, "");
  ASSERT_TRUE(ch.échec);
  EXPECT_EQ(ch.échec->fichier, FichierDonnées::Noms);
  EXPECT_EQ(ch.échec->opération, OpérationFichier::Lecture);
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
