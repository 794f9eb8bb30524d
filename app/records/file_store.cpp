#include "app/records/file_store.h"

#include "texts/messages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <vector>

namespace rolvex {
namespace {

namespace fs = std::filesystem;
using Octets = std::vector<std::uint8_t>;

std::error_code ErreurSystème() { return {errno, std::generic_category()}; }

// An open file, closed on every road out.
class Descripteur {
 public:
  explicit Descripteur(int fd) : fd_(fd) {}
  Descripteur(const Descripteur&) = delete;
  Descripteur& operator=(const Descripteur&) = delete;
  ~Descripteur() {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }
  // Closing reports what the system could not write back before.
  std::error_code Fermer() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? std::error_code{} : ErreurSystème();
  }

 private:
  int fd_;
};

struct Lecture {
  Octets octets;
  std::error_code erreur;
};

// An absent file reads as empty: a first run is no error.
Lecture LireFichier(const fs::path& chemin) {
  Lecture l;
  Descripteur f(::open(chemin.c_str(), O_RDONLY | O_CLOEXEC));
  if (f.fd() < 0) {
    if (errno != ENOENT && errno != ENOTDIR) l.erreur = ErreurSystème();
    return l;
  }
  struct stat état {};
  if (::fstat(f.fd(), &état) != 0) {
    l.erreur = ErreurSystème();
    return l;
  }
  if (S_ISDIR(état.st_mode)) {
    l.erreur = std::make_error_code(std::errc::is_a_directory);
    return l;
  }
  std::array<std::uint8_t, 4096> tampon{};
  for (;;) {
    const ssize_t n = ::read(f.fd(), tampon.data(), tampon.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      l.erreur = ErreurSystème();
      break;
    }
    if (n == 0) return l;
    if (l.octets.size() + static_cast<std::size_t>(n) > TailleLueMaximum) {
      l.erreur = std::make_error_code(std::errc::file_too_large);
      break;
    }
    l.octets.insert(l.octets.end(), tampon.begin(), tampon.begin() + n);
  }
  l.octets.clear();
  return l;
}

// Writes `octets` into a new file beside `cible`, flushed to the disk; `temporaire` names it.
// A file the player made read-only is not replaced behind their back.
std::error_code Préparer(const fs::path& cible, std::span<const std::uint8_t> octets,
                         const ÉcrivainOctets& écrire, fs::path& temporaire) {
  struct stat ancien {};
  const bool existe = ::stat(cible.c_str(), &ancien) == 0;
  if (existe && ::access(cible.c_str(), W_OK) != 0) return ErreurSystème();

  int fd = -1;
  // A name no other file has: a crash may have left an earlier one behind.
  for (int essai = 0; fd < 0; ++essai) {
    temporaire = cible;
    temporaire += "." + std::to_string(::getpid()) + "-" + std::to_string(essai) + ".tmp";
    fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || essai == 99)) {
      const std::error_code e = ErreurSystème();
      temporaire.clear();
      return e;
    }
  }
  Descripteur f(fd);
  std::error_code e;
  if (existe && ::fchmod(f.fd(), ancien.st_mode & 07777) != 0) e = ErreurSystème();
  if (!e) e = écrire(f.fd(), octets);
  if (!e && ::fsync(f.fd()) != 0) e = ErreurSystème();
  const std::error_code fermeture = f.Fermer();
  if (!e) e = fermeture;
  if (e) {
    ::unlink(temporaire.c_str());
    temporaire.clear();
  }
  return e;
}

void Effacer(const fs::path& temporaire) {
  if (!temporaire.empty()) ::unlink(temporaire.c_str());
}

// The renames are on the disk once the folder is. A folder that cannot say so changes
// nothing to the files, which are whole either way.
void SynchroniserDossier(const fs::path& dossier) {
  Descripteur d(::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (d.fd() >= 0) ::fsync(d.fd());
}

std::string CheminLisible(const fs::path& chemin) { return chemin.string(); }

}  // namespace

fs::path CheminFichierOptions(const fs::path& dossier) {
  return dossier / ("options" + std::to_string(NuméroFichiers) + ".dat");
}

fs::path CheminFichierNoms(const fs::path& dossier) {
  return dossier / ("names" + std::to_string(NuméroFichiers) + ".dat");
}

std::string MessageÉchecFichier(const ÉchecFichier& échec, Langue langue) {
  const std::string fichier = CheminLisible(échec.chemin);
  const std::string raison = échec.erreur.message();
  return échec.opération == OpérationFichier::Lecture ? MsgÉchecLecture(fichier, raison, langue)
                                                      : MsgÉchecÉcriture(fichier, raison, langue);
}

std::error_code ÉcrireTout(int descripteur, std::span<const std::uint8_t> octets) {
  while (!octets.empty()) {
    const ssize_t n = ::write(descripteur, octets.data(), octets.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ErreurSystème();
    octets = octets.subspan(static_cast<std::size_t>(n));
  }
  return {};
}

ChargementDossier ChargerOptions(const fs::path& dossier, TirageUniforme& tirage,
                                 const ÉcrivainOctets& écrire) {
  ChargementDossier r;
  const fs::path cheminOptions = CheminFichierOptions(dossier);
  const Lecture options = LireFichier(cheminOptions);
  if (options.erreur) {
    r.échec = ÉchecFichier{FichierDonnées::Options, OpérationFichier::Lecture, cheminOptions,
                           options.erreur};
    r.chargement.résultat = RésultatChargement::OptionsParDéfaut;
    r.chargement.données = CréerOptionsParDéfaut(tirage);
    return r;
  }
  const fs::path cheminNoms = CheminFichierNoms(dossier);
  const Lecture noms = LireFichier(cheminNoms);
  if (noms.erreur)
    r.échec = ÉchecFichier{FichierDonnées::Noms, OpérationFichier::Lecture, cheminNoms,
                           noms.erreur};

  r.chargement = DécoderFichiers(options.octets, noms.octets, tirage);
  if (r.chargement.résultat == RésultatChargement::OptionsParDéfaut) {
    RésultatSauvegarde s = SauverOptions(dossier, r.chargement.données, écrire);
    r.fichiersÉcrits = s.Réussie();
    if (s.échec) r.échec = std::move(s.échec);
  }
  return r;
}

RésultatSauvegarde SauverOptions(const fs::path& dossier, const DonnéesOptions& données,
                                 const ÉcrivainOctets& écrire) {
  const fs::path options = CheminFichierOptions(dossier);
  const fs::path noms = CheminFichierNoms(dossier);
  auto échec = [](FichierDonnées fichier, OpérationFichier opération, const fs::path& chemin,
                  std::error_code erreur) {
    return RésultatSauvegarde{ÉchecFichier{fichier, opération, chemin, erreur}};
  };

  std::error_code e;
  fs::create_directories(dossier, e);
  if (e) return échec(FichierDonnées::Options, OpérationFichier::Écriture, options, e);

  const Lecture ancien = LireFichier(options);
  if (ancien.erreur)
    return échec(FichierDonnées::Options, OpérationFichier::Lecture, options, ancien.erreur);
  const Octets octetsOptions = EncoderFichierOptions(données, ancien.octets);
  const Octets octetsNoms = EncoderFichierNoms(données);

  // Both files are ready before either replaces its old self, so a failure part way never
  // pairs new scores with old names.
  fs::path prêtOptions, prêtNoms;
  if ((e = Préparer(options, octetsOptions, écrire, prêtOptions)))
    return échec(FichierDonnées::Options, OpérationFichier::Écriture, options, e);
  if ((e = Préparer(noms, octetsNoms, écrire, prêtNoms))) {
    Effacer(prêtOptions);
    return échec(FichierDonnées::Noms, OpérationFichier::Écriture, noms, e);
  }
  if (::rename(prêtOptions.c_str(), options.c_str()) != 0) {
    e = ErreurSystème();
    Effacer(prêtOptions);
    Effacer(prêtNoms);
    return échec(FichierDonnées::Options, OpérationFichier::Écriture, options, e);
  }
  if (::rename(prêtNoms.c_str(), noms.c_str()) != 0) {
    e = ErreurSystème();
    Effacer(prêtNoms);
    return échec(FichierDonnées::Noms, OpérationFichier::Écriture, noms, e);
  }
  SynchroniserDossier(dossier);
  return {};
}

}  // namespace rolvex
