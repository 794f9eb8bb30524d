#include "records/file_store.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

namespace rolvex {
namespace {

namespace fs = std::filesystem;

void Ecrire(const fs::path& chemin, const std::string& octets) {
  std::ofstream(chemin, std::ios::binary) << octets;
}
std::string Erreur(std::errc e) { return std::make_error_code(e).message(); }

DonneesOptions Defauts(std::uint64_t graine) {
  HasardUniforme hasard(graine);
  return CreerOptionsParDefaut(hasard);
}
// Options that differ from the defaults in every field the files keep.
DonneesOptions Jouees(const std::string& nom = "Léa") {
  DonneesOptions d = Defauts(1);
  d.ModeJeu = d.TypeDes = 2;
  d.NomJoueur = nom;
  d.Scores[2][1] = {"Zoé", 1300, 412, 19};
  return d;
}

// Fails after handing over the first `avant` bytes of the `appel`-th file written (from 1).
struct EcrivainDefaillant {
  int appel;
  std::size_t avant;
  int appels = 0;
  std::error_code operator()(int fd, std::span<const std::uint8_t> octets) {
    if (++appels != appel) return EcrireTout(fd, octets);
    if (auto e = EcrireTout(fd, octets.first(std::min(avant, octets.size())))) return e;
    return std::make_error_code(std::errc::io_error);
  }
};

// Whether `essai` holds for a player whom permissions hold back. Root passes through them, so
// as root it runs in a child process that first becomes nobody, given `dossier`: only the
// permission bits then stand in the way. Nothing when no such player can be had.
std::optional<bool> CommeUnJoueur(const fs::path& dossier, const std::function<bool()>& essai) {
  if (::geteuid() != 0) return essai();
  constexpr uid_t Personne = 65534;
  for (const auto& e : fs::recursive_directory_iterator(dossier))
    if (::chown(e.path().c_str(), Personne, Personne) != 0) return std::nullopt;
  if (::chown(dossier.c_str(), Personne, Personne) != 0) return std::nullopt;
  const pid_t enfant = ::fork();
  if (enfant == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(Personne) != 0 || ::setuid(Personne) != 0)
      ::_exit(2);
    ::_exit(essai() ? 0 : 1);
  }
  int etat = 0;
  if (enfant < 0 || ::waitpid(enfant, &etat, 0) != enfant) return std::nullopt;
  if (WIFEXITED(etat) && WEXITSTATUS(etat) == 2) return std::nullopt;
  return WIFEXITED(etat) && WEXITSTATUS(etat) == 0;
}

// A folder of its own for each test, removed after it whatever its permissions became.
class Dossier : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string modele = (fs::temp_directory_path() / "rolvex-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    dossier = modele;
  }
  void TearDown() override {
    fs::permissions(dossier, fs::perms::owner_all);
    fs::remove_all(dossier);
  }
  ChargementDossier Charger(std::uint64_t graine = 2, const char* sous = "") {
    HasardUniforme hasard(graine);
    return ChargerOptions(dossier / sous, hasard);
  }
  // What the folder holds: each entry's name and, for a plain file, its bytes.
  std::map<std::string, std::string> Disque() const {
    std::map<std::string, std::string> d;
    for (const auto& e : fs::directory_iterator(dossier)) {
      std::ifstream f(e.path(), std::ios::binary);
      d[e.path().filename()] = e.is_regular_file() && !e.is_symlink()
                                   ? std::string(std::istreambuf_iterator<char>(f), {})
                                   : "<not a file>";
    }
    return d;
  }
  // A failure in a line: which file, the operation, where, and why.
  std::string Echec(const std::optional<EchecFichier>& e) const {
    if (!e) return "";
    return std::string(e->fichier == FichierDonnees::Options ? "options " : "names ") +
           (e->operation == OperationFichier::Lecture ? "read " : "write ") +
           e->chemin.lexically_relative(dossier).string() + ": " + e->erreur.message();
  }
  // A load in a line: how the options were read, whether the files were written, any failure.
  std::string Resume(const ChargementDossier& ch) const {
    const char* resultats[] = {"ok", "defaults", "repaired"};
    return resultats[static_cast<int>(ch.chargement.resultat)] +
           std::string(ch.fichiersEcrits ? " written" : "") +
           (ch.echec ? ' ' + Echec(ch.echec) : "");
  }
  fs::path dossier;
};

// A first run finds no files: the defaults are in memory and at once on disk, in a folder made
// for them, as new files of the usual permissions; the next run reads them without drawing. A
// first run that cannot make its folder says so and plays with the defaults in memory.
TEST_F(Dossier, AFirstRunWritesTheDefaultsThatTheNextRunReads) {
  const mode_t masque = ::umask(0);
  ::umask(masque);
  for (auto [graine, resume] : {std::pair{1, "defaults written"}, {2, "ok"}}) {
    const ChargementDossier ch = Charger(graine, "a/b");
    EXPECT_EQ(Resume(ch), resume);
    EXPECT_EQ(ch.chargement.donnees, Defauts(1));
    for (const char* nom : {"a/b/names12.dat", "a/b/options12.dat"})
      EXPECT_EQ(fs::status(dossier / nom).permissions(), fs::perms(0666 & ~masque));
  }
  Ecrire(dossier / "fichier", "");
  const ChargementDossier ch = Charger(1, "fichier/d");
  EXPECT_EQ(Resume(ch), "defaults options write fichier/d/options12.dat: " +
                            Erreur(std::errc::not_a_directory));
  EXPECT_EQ(ch.chargement.donnees, Defauts(1));
}

// What is saved is what the next run reads; a save keeps what an older, longer options file
// held past its 184 bytes and the permissions the player gave the files. Reading writes
// nothing, not even the repair of a damaged file.
TEST_F(Dossier, ASaveIsReadBackAndKeepsOlderBytesAndPermissions) {
  Ecrire(dossier / "options12.dat", std::string("\1\0", 2) + std::string(198, '\7'));
  Ecrire(dossier / "names12.dat", "");
  fs::permissions(dossier / "names12.dat", fs::perms(0641));
  ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
  const ChargementDossier ch = Charger();
  EXPECT_TRUE(Resume(ch) == "ok" && ch.chargement.donnees == Jouees());
  EXPECT_EQ(Disque()["options12.dat"].substr(184), std::string(16, '\7'));
  EXPECT_EQ(fs::status(dossier / "names12.dat").permissions(), fs::perms(0641));

  fs::resize_file(dossier / "options12.dat", 100);
  const auto avant = Disque();
  EXPECT_EQ(Resume(Charger()), "repaired");
  EXPECT_EQ(Disque(), avant);
  const OctetsFichiers lus = LireFichiers(dossier).octets;
  EXPECT_EQ(std::string(lus.options->begin(), lus.options->end()), avant.at("options12.dat"));
  EXPECT_EQ(Echec(RemplacerFichiers(dossier / "x", lus).echec),
            "options write x/options12.dat: " + Erreur(std::errc::no_such_file_or_directory));
}

// A save that fails leaves the old pair of files as it was, and no file of its own; the next
// save tries again. Files the player made read-only, or that cannot be read (their names would
// be lost), are not replaced. What a killed save left, of this version or an older one, goes
// at the next load.
TEST_F(Dossier, AFailingSaveLeavesTheOldFilesAsTheyWere) {
  ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
  const struct {
    std::function<void()> poser;
    EcrivainOctets ecrire;
    std::string fichier;
    std::errc erreur;
  } echecs[] = {{[] {}, EcrivainDefaillant{1, 100}, "options", std::errc::io_error},
                {[] {}, EcrivainDefaillant{2, 20}, "names", std::errc::io_error},
                {[&] { fs::permissions(dossier / "names12.dat", fs::perms::owner_read); },
                 EcrireTout, "names", std::errc::permission_denied},
                {[&] { fs::permissions(dossier, fs::perms(0500)); }, EcrireTout, "options",
                 std::errc::permission_denied},
                {[&] { fs::permissions(dossier / "names12.dat", fs::perms::owner_write); },
                 EcrireTout, "names", std::errc::permission_denied}};
  for (const auto& [poser, ecrire, fichier, erreur] : echecs) {
    const std::string attendu = fichier + " write " + fichier + "12.dat: " + Erreur(erreur);
    const std::optional<bool> refusee = CommeUnJoueur(dossier, [&] {
      poser();
      const auto avant = Disque();
      return Echec(SauverOptions(dossier, Jouees("Ugo"), ecrire).echec) == attendu &&
             Disque() == avant;
    });
    if (!refusee) GTEST_SKIP() << "cannot run as a user whom permissions hold back";
    EXPECT_TRUE(*refusee) << attendu;
    fs::permissions(dossier, fs::perms::owner_all);
    fs::permissions(dossier / "names12.dat", fs::perms(0600));
  }
  for (const char* reste : {"options12.dat.1.tmp", "names12.dat.new", "commit12.dat"})
    Ecrire(dossier / reste, "options12.dat 1\n");
  EXPECT_EQ(Resume(Charger()), "ok");
  EXPECT_EQ(Disque().size(), 2u);
  ASSERT_TRUE(SauverOptions(dossier, Jouees("Ugo")).Reussie());
  EXPECT_EQ(Charger().chargement.donnees, Jouees("Ugo"));
}

// An options file that cannot be read (a folder in its place, a read that fails) is neither
// used nor replaced: a passing fault never costs the player the tables on disk. A names file
// that cannot be read leaves the names empty.
TEST_F(Dossier, AFileThatCannotBeReadIsReportedAndNeitherUsedNorReplaced) {
  const fs::path options = dossier / "options12.dat";
  const std::pair<std::function<void()>, std::errc> illisibles[] = {
      {[&] { fs::create_directory(options); }, std::errc::is_a_directory},
      {[&] { fs::create_symlink("/proc/self/mem", options); }, std::errc::io_error}};
  for (const auto& [poser, erreur] : illisibles) {
    fs::remove_all(options);
    poser();
    const auto avant = Disque();
    const ChargementDossier ch = Charger(1);
    EXPECT_EQ(Resume(ch), "defaults options read options12.dat: " + Erreur(erreur));
    EXPECT_EQ(ch.chargement.donnees, Defauts(1));
    const ResultatSauvegarde r = SauverOptions(dossier, Jouees());
    EXPECT_EQ(Echec(r.echec), "options write options12.dat: " + Erreur(erreur));
    EXPECT_TRUE(r.echec && r.echec->refus == RefusFichier::Illisible);
    EXPECT_EQ(Disque(), avant);
  }
  fs::remove(options);
  Ecrire(options, std::string(TailleLueMaximum, '\1'));  // the largest file read, kept whole
  ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
  EXPECT_EQ(fs::file_size(options), TailleLueMaximum);
  fs::remove(dossier / "names12.dat");
  fs::create_directory(dossier / "names12.dat");
  const ChargementDossier ch = Charger();
  EXPECT_TRUE(ch.chargement.donnees.ModeJeu == 2 && ch.chargement.donnees.NomJoueur.empty());
  EXPECT_EQ(Resume(ch), "repaired names read names12.dat: " + Erreur(std::errc::is_a_directory));
}

// A save killed before or after any of its calls to the disk leaves, once the folder is
// loaded again, both old files or both new ones, of their usual sizes; the next save leaves
// no other file. Past the last call the save ends on its own, which ends the test.
TEST_F(Dossier, ASaveKilledAtAnyCallLeavesTheOldPairOrTheNewOne) {
  DonneesOptions nouvelles = Jouees("Ugo");
  nouvelles.Scores[1][1].time = 1;  // the options file changes too
  std::array<int, 2> tues{};
  for (const bool apres : {false, true}) {
    for (int appel = 1;; ++appel) {
      fs::remove_all(dossier);
      fs::create_directory(dossier);
      ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
      const pid_t enfant = ::fork();
      if (enfant == 0) {
        int appels = 0;
        SauverOptions(dossier, nouvelles, EcrireTout, [&](AppelFichier, bool fait) {
          if (fait == apres && ++appels == appel) ::raise(SIGKILL);
        });
        ::_exit(0);
      }
      int etat = 0;
      ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
      const ChargementDossier ch = Charger();
      const DonneesOptions& lues = ch.chargement.donnees;
      EXPECT_TRUE(Resume(ch) == "ok" && (lues == Jouees() || lues == nouvelles) &&
                  Disque().size() == 2 &&
                  Disque()["options12.dat"].size() == TailleFichierOptions &&
                  Disque()["names12.dat"].size() == TailleFichierNoms)
          << apres << " " << appel;
      if (!WIFSIGNALED(etat)) break;
      ++tues[apres];
    }
  }
  // Three calls for each new file and the marker, three flushes of the folder, two renames and
  // the removal of the marker, each killed before and after.
  EXPECT_EQ(tues, (std::array{15, 15}));
}

// The game in progress is replaced alone, never the pair: a failed write leaves the old game
// whole and no other file, a read-only game stays; it can be set aside for the player, or go.
TEST_F(Dossier, TheGameInProgressIsReplacedAloneSetAsideOrRemoved) {
  ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
  const std::vector<std::uint8_t> un{'1'}, deux{'2', '2'};
  ASSERT_TRUE(SauverPartie(dossier, un).Reussie());
  auto paire = Disque();
  EXPECT_FALSE(SauverPartie(dossier, deux, EcrivainDefaillant{1, 1}).Reussie());
  EXPECT_EQ(Disque(), paire);
  ASSERT_TRUE(SauverPartie(dossier, deux).Reussie());
  paire.erase(std::string(NomFichierPartie));
  EXPECT_EQ(LirePartie(dossier).octets, deux);
  const fs::path partie = CheminFichierPartie(dossier);
  fs::permissions(partie, fs::perms::owner_read);
  EXPECT_EQ(SauverPartie(dossier, un).echec->refus, RefusFichier::LectureSeule);
  EXPECT_EQ(MettreDeCotePartie(dossier), fs::path(partie).concat(".bad"));
  EXPECT_TRUE(!LirePartie(dossier).octets && !LirePartie(dossier).echec);
  EXPECT_TRUE(SauverPartie(dossier, un).Reussie() && RetirerPartie(dossier).Reussie());
  fs::remove(fs::path(partie).concat(".bad"));
  EXPECT_EQ(Disque(), paire);
  EXPECT_TRUE(SauverPartie(dossier / "absent", un).echec && !MettreDeCotePartie(dossier));
}

// Run as root, a save keeps each file's owner, group and mode, and never replaces a file
// without a write bit; the player is told which file. An options file too big to be ours is
// read for its first bytes and replaced by one of the usual size.
TEST_F(Dossier, RootKeepsOwnersAndReadOnlyFilesAndAnOversizedFileIsMended) {
  Ecrire(dossier / "options12.dat", std::string(TailleLueMaximum + 1, '\1'));
  EXPECT_EQ(Resume(Charger()), "repaired");
  ASSERT_TRUE(SauverOptions(dossier, Jouees()).Reussie());
  EXPECT_EQ(fs::file_size(dossier / "options12.dat"), TailleFichierOptions);
  if (::geteuid() != 0) GTEST_SKIP() << "owners can only be given away by root";
  constexpr uid_t Personne = 65534;
  for (const char* nom : {"options12.dat", "names12.dat"}) {
    ASSERT_EQ(::chown((dossier / nom).c_str(), Personne, Personne), 0);
    fs::permissions(dossier / nom, fs::perms(0640));
  }
  ASSERT_TRUE(SauverOptions(dossier, Jouees("Ugo")).Reussie());
  for (const char* nom : {"options12.dat", "names12.dat"}) {
    struct stat etat {};
    ASSERT_EQ(::stat((dossier / nom).c_str(), &etat), 0);
    EXPECT_TRUE(etat.st_uid == Personne && etat.st_gid == Personne &&
                (etat.st_mode & 07777) == 0640)
        << nom;
  }
  fs::permissions(dossier / "names12.dat", fs::perms(0444));
  const auto avant = Disque();
  const ResultatSauvegarde r = SauverOptions(dossier, Jouees("Zoé"));
  EXPECT_EQ(Echec(r.echec), "names write names12.dat: " + Erreur(std::errc::permission_denied));
  EXPECT_TRUE(r.echec && r.echec->refus == RefusFichier::LectureSeule);
  EXPECT_EQ(Disque(), avant);
}

}  // namespace
}  // namespace rolvex
