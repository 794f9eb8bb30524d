#include "records/file_store.h"

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

std::error_code ErreurSysteme() { return {errno, std::generic_category()}; }

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
    return ::close(fd) == 0 ? std::error_code{} : ErreurSysteme();
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
    if (errno != ENOENT && errno != ENOTDIR) l.erreur = ErreurSysteme();
    return l;
  }
  struct stat etat {};
  if (::fstat(f.fd(), &etat) != 0) {
    l.erreur = ErreurSysteme();
    return l;
  }
  if (S_ISDIR(etat.st_mode)) {
    l.erreur = std::make_error_code(std::errc::is_a_directory);
    return l;
  }
  std::array<std::uint8_t, 4096> tampon{};
  for (;;) {
    const ssize_t n = ::read(f.fd(), tampon.data(), tampon.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      l.erreur = ErreurSysteme();
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
std::error_code Preparer(const fs::path& cible, std::span<const std::uint8_t> octets,
                         const EcrivainOctets& ecrire, fs::path& temporaire) {
  struct stat ancien {};
  const bool existe = ::stat(cible.c_str(), &ancien) == 0;
  if (existe && ::access(cible.c_str(), W_OK) != 0) return ErreurSysteme();

  int fd = -1;
  // A name no other file has: a crash may have left an earlier one behind.
  for (int essai = 0; fd < 0; ++essai) {
    temporaire = cible;
    temporaire += '.' + std::to_string(::getpid()) + "-" + std::to_string(essai) + ".tmp";
    fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || essai == 99)) {
      const std::error_code e = ErreurSysteme();
      temporaire.clear();
      return e;
    }
  }
  Descripteur f(fd);
  std::error_code e;
  if (existe && ::fchmod(f.fd(), ancien.st_mode & 07777) != 0) e = ErreurSysteme();
  if (!e) e = ecrire(f.fd(), octets);
  if (!e && ::fsync(f.fd()) != 0) e = ErreurSysteme();
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

}  // namespace

fs::path CheminFichierOptions(const fs::path& dossier) { return dossier / NomFichierOptions; }

fs::path CheminFichierNoms(const fs::path& dossier) { return dossier / NomFichierNoms; }

std::error_code EcrireTout(int descripteur, std::span<const std::uint8_t> octets) {
  while (!octets.empty()) {
    const ssize_t n = ::write(descripteur, octets.data(), octets.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ErreurSysteme();
    octets = octets.subspan(static_cast<std::size_t>(n));
  }
  return {};
}

ChargementDossier ChargerOptions(const fs::path& dossier, TirageUniforme& tirage,
                                 const EcrivainOctets& ecrire) {
  ChargementDossier r;
  const fs::path cheminOptions = CheminFichierOptions(dossier);
  const Lecture options = LireFichier(cheminOptions);
  if (options.erreur) {
    r.echec = EchecFichier{FichierDonnees::Options, OperationFichier::Lecture, cheminOptions,
                           options.erreur};
    r.chargement.resultat = ResultatChargement::OptionsParDefaut;
    r.chargement.donnees = CreerOptionsParDefaut(tirage);
    return r;
  }
  const fs::path cheminNoms = CheminFichierNoms(dossier);
  const Lecture noms = LireFichier(cheminNoms);
  if (noms.erreur)
    r.echec =
        EchecFichier{FichierDonnees::Noms, OperationFichier::Lecture, cheminNoms, noms.erreur};

  r.chargement = DecoderFichiers(options.octets, noms.octets, tirage);
  if (r.chargement.resultat == ResultatChargement::OptionsParDefaut) {
    ResultatSauvegarde s = SauverOptions(dossier, r.chargement.donnees, ecrire);
    r.fichiersEcrits = s.Reussie();
    if (s.echec) r.echec = std::move(s.echec);
  }
  return r;
}

ResultatSauvegarde SauverOptions(const fs::path& dossier, const DonneesOptions& donnees,
                                 const EcrivainOctets& ecrire) {
  const fs::path options = CheminFichierOptions(dossier);
  const fs::path noms = CheminFichierNoms(dossier);
  auto echec = [](FichierDonnees fichier, OperationFichier operation, const fs::path& chemin,
                  std::error_code erreur) {
    return ResultatSauvegarde{EchecFichier{fichier, operation, chemin, erreur}};
  };

  std::error_code e;
  fs::create_directories(dossier, e);
  if (e) return echec(FichierDonnees::Options, OperationFichier::Ecriture, options, e);

  const Lecture ancien = LireFichier(options);
  if (ancien.erreur)
    return echec(FichierDonnees::Options, OperationFichier::Lecture, options, ancien.erreur);
  const Octets octetsOptions = EncoderFichierOptions(donnees, ancien.octets);
  const Octets octetsNoms = EncoderFichierNoms(donnees);

  // Both files are ready before either replaces its old self, so a failure part way never
  // pairs new scores with old names.
  fs::path pretOptions, pretNoms;
  if ((e = Preparer(options, octetsOptions, ecrire, pretOptions)))
    return echec(FichierDonnees::Options, OperationFichier::Ecriture, options, e);
  if ((e = Preparer(noms, octetsNoms, ecrire, pretNoms))) {
    Effacer(pretOptions);
    return echec(FichierDonnees::Noms, OperationFichier::Ecriture, noms, e);
  }
  if (::rename(pretOptions.c_str(), options.c_str()) != 0) {
    e = ErreurSysteme();
    Effacer(pretOptions);
    Effacer(pretNoms);
    return echec(FichierDonnees::Options, OperationFichier::Ecriture, options, e);
  }
  if (::rename(pretNoms.c_str(), noms.c_str()) != 0) {
    e = ErreurSysteme();
    Effacer(pretNoms);
    return echec(FichierDonnees::Noms, OperationFichier::Ecriture, noms, e);
  }
  SynchroniserDossier(dossier);
  return {};
}

}  // namespace rolvex
