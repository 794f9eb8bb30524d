#include "records/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <sstream>
#include <string>
#include <tuple>
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
  bool tronquee = false;  // the file is longer than TailleLueMaximum: its first bytes only
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
  while (l.octets.size() < TailleLueMaximum) {
    const std::size_t voulu = std::min(tampon.size(), TailleLueMaximum - l.octets.size());
    const ssize_t n = ::read(f.fd(), tampon.data(), voulu);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      l.erreur = ErreurSysteme();
      l.octets.clear();
      return l;
    }
    if (n == 0) return l;
    l.octets.insert(l.octets.end(), tampon.begin(), tampon.begin() + n);
  }
  std::uint8_t encore = 0;
  l.tronquee = ::read(f.fd(), &encore, 1) > 0;
  return l;
}

// Each call that changes the disk, shown to the witness before and after.
template <typename Appel>
std::error_code Observer(const TemoinAppels& temoin, AppelFichier appel, Appel&& faire) {
  if (temoin) temoin(appel, false);
  const std::error_code e = faire();
  if (temoin) temoin(appel, true);
  return e;
}

std::error_code Renommer(const fs::path& de, const fs::path& vers, const TemoinAppels& temoin) {
  return Observer(temoin, AppelFichier::Renommage, [&] {
    return ::rename(de.c_str(), vers.c_str()) == 0 ? std::error_code{} : ErreurSysteme();
  });
}

// An absent file is as good as removed.
std::error_code Supprimer(const fs::path& chemin, const TemoinAppels& temoin) {
  return Observer(temoin, AppelFichier::Suppression, [&] {
    return ::unlink(chemin.c_str()) == 0 || errno == ENOENT ? std::error_code{} : ErreurSysteme();
  });
}

// The renames and removals are on the disk once the folder is. A folder that cannot say so
// changes nothing to the files, which are whole either way.
void SynchroniserDossier(const fs::path& dossier, const TemoinAppels& temoin) {
  Descripteur d(::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (d.fd() < 0) return;
  Observer(temoin, AppelFichier::Synchronisation, [&] {
    ::fsync(d.fd());
    return std::error_code{};
  });
}

// Writes `octets` into `chemin`, a new file, and flushes it to the disk. It takes the owner
// and mode of `modele` (the file it will replace, else the folder, whose mode it does not
// take): a save made as root must not leave the player's files to root.
std::error_code EcrireNouveau(const fs::path& chemin, std::span<const std::uint8_t> octets,
                              const struct stat* ancien, const struct stat& dossier,
                              const EcrivainOctets& ecrire, const TemoinAppels& temoin) {
  int fd = -1;
  std::error_code e = Observer(temoin, AppelFichier::Ouverture, [&] {
    fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    return fd >= 0 ? std::error_code{} : ErreurSysteme();
  });
  if (e) return e;
  Descripteur f(fd);
  if (::geteuid() == 0) {
    const struct stat& proprietaire = ancien != nullptr ? *ancien : dossier;
    if (::fchown(f.fd(), proprietaire.st_uid, proprietaire.st_gid) != 0) e = ErreurSysteme();
  }
  if (!e && ancien != nullptr && ::fchmod(f.fd(), ancien->st_mode & 07777) != 0)
    e = ErreurSysteme();
  if (!e) e = Observer(temoin, AppelFichier::Ecriture, [&] { return ecrire(f.fd(), octets); });
  if (!e) {
    e = Observer(temoin, AppelFichier::Synchronisation,
                 [&] { return ::fsync(f.fd()) == 0 ? std::error_code{} : ErreurSysteme(); });
  }
  const std::error_code fermeture = f.Fermer();
  return e ? e : fermeture;
}

// The commit marker: one line a file, its name and the size of its new bytes, or "-" for a
// file to remove, then a last line that shows the marker is whole.
constexpr std::string_view NomMarqueur = "commit12.dat";
constexpr std::string_view FinMarqueur = "fin";
constexpr std::string_view SuffixeNouveau = ".new";

struct Remplacement {
  FichierDonnees fichier;
  fs::path cible;
  const std::optional<Octets>* octets;  // nothing: the file is removed
};

fs::path Nouveau(const fs::path& cible) {
  fs::path p = cible;
  p += SuffixeNouveau;
  return p;
}

std::string TexteMarqueur(std::span<const Remplacement> remplacements) {
  std::string texte;
  for (const Remplacement& r : remplacements) {
    texte += r.cible.filename().string() + ' ';
    texte += *r.octets ? std::to_string((*r.octets)->size()) : std::string("-");
    texte += '\n';
  }
  texte += FinMarqueur;
  texte += '\n';
  return texte;
}

// What a whole marker says of each data file, in the order of FichiersDuDossier: nothing for a
// file it leaves alone, else the size of its new bytes or nothing for a file to remove. No
// plan at all if the marker is absent, cut short or not ours.
using Taille = std::optional<std::uintmax_t>;
using PlanMarqueur = std::array<std::optional<Taille>, 3>;
constexpr std::array<std::string_view, 3> FichiersDuDossier = {NomFichierOptions, NomFichierNoms,
                                                               NomFichierPartie};
std::optional<PlanMarqueur> LireMarqueur(const fs::path& dossier) {
  const Lecture l = LireFichier(dossier / NomMarqueur);
  std::istringstream texte(std::string(l.octets.begin(), l.octets.end()));
  PlanMarqueur plan;
  std::string nom, taille;
  // The pair always, then the game in progress when the save takes it along.
  for (std::size_t i = 0; texte >> nom && nom != FinMarqueur; ++i) {
    if (i >= FichiersDuDossier.size() || nom != FichiersDuDossier[i] || !(texte >> taille))
      return std::nullopt;
    if (taille == "-") {
      plan[i] = Taille{};
    } else if (taille.empty() || taille.size() > 9 ||
               taille.find_first_not_of("0123456789") != std::string::npos) {
      return std::nullopt;
    } else {
      plan[i] = Taille{std::stoull(taille)};
    }
  }
  std::string reste;
  if (nom != FinMarqueur || !plan[0] || !plan[1] || (texte >> reste)) return std::nullopt;
  return plan;
}

// What a killed save of an earlier version left: "options12.dat.1234-0.tmp".
bool AncienTemporaire(const std::string& nom) {
  for (std::string_view fichier : {NomFichierOptions, NomFichierNoms}) {
    if (nom.size() > fichier.size() + 5 && nom.compare(0, fichier.size(), fichier) == 0 &&
        nom[fichier.size()] == '.' && nom.ends_with(".tmp"))
      return true;
  }
  return false;
}

// Finishes the replacement a whole marker announces (the new files it names were flushed
// before it), or undoes one that never reached its marker; then removes every file a killed
// save left. Done again after a kill, it comes to the same end.
void Reprendre(const fs::path& dossier, const TemoinAppels& temoin) {
  const std::optional<PlanMarqueur> plan = LireMarqueur(dossier);
  std::error_code e;
  bool change = false;
  for (std::size_t i = 0; i < FichiersDuDossier.size(); ++i) {
    const fs::path cible = dossier / FichiersDuDossier[i];
    const fs::path nouveau = Nouveau(cible);
    const bool present = fs::is_regular_file(fs::symlink_status(nouveau, e));
    const std::optional<Taille> prevu = plan ? (*plan)[i] : std::nullopt;
    if (prevu && *prevu && present && fs::file_size(nouveau, e) == **prevu) {
      change |= !Renommer(nouveau, cible, temoin);
    } else if (prevu && !*prevu) {
      change |= !Supprimer(cible, temoin);
    }
    if (fs::exists(fs::symlink_status(nouveau, e))) change |= !Supprimer(nouveau, temoin);
  }
  if (change) SynchroniserDossier(dossier, temoin);
  if (fs::exists(fs::symlink_status(dossier / NomMarqueur, e))) {
    Supprimer(dossier / NomMarqueur, temoin);
    change = true;
  }
  for (fs::directory_iterator i(dossier, e), fin; !e && i != fin; i.increment(e)) {
    if (AncienTemporaire(i->path().filename().string())) {
      Supprimer(i->path(), temoin);
      change = true;
    }
  }
  if (change) SynchroniserDossier(dossier, temoin);
}

// A file the player made read-only is not replaced behind their back: its missing write bit
// says so even to root, whom access() lets through.
std::optional<RefusFichier> Remplacable(const fs::path& cible, const struct stat& etat,
                                        std::error_code& erreur) {
  const bool ecrivable =
      (etat.st_mode & 0222) != 0 && (::geteuid() == 0 || ::access(cible.c_str(), W_OK) == 0);
  if (ecrivable) return std::nullopt;
  erreur = std::make_error_code(std::errc::permission_denied);
  return RefusFichier::LectureSeule;
}

// Replaces the files of `remplacements` as one, once what a killed save left is dealt with.
// Several files go through the commit marker; one file needs none: until its rename the old
// one stands whole, and the next save removes what a kill left.
ResultatSauvegarde Remplacer(const fs::path& dossier, std::span<const Remplacement> remplacements,
                             const EcrivainOctets& ecrire, const TemoinAppels& temoin) {
  auto echec = [](const Remplacement& r, std::error_code erreur,
                  RefusFichier refus = RefusFichier::Aucun) {
    return ResultatSauvegarde{
        EchecFichier{r.fichier, OperationFichier::Ecriture, r.cible, erreur, refus}};
  };
  struct stat etatDossier {};
  if (::stat(dossier.c_str(), &etatDossier) != 0) return echec(remplacements[0], ErreurSysteme());

  std::vector<struct stat> anciens(remplacements.size());
  std::vector<bool> existe(remplacements.size());
  for (std::size_t i = 0; i < remplacements.size(); ++i) {
    const Remplacement& r = remplacements[i];
    existe[i] = ::lstat(r.cible.c_str(), &anciens[i]) == 0;
    std::error_code e;
    // The game in progress is ours alone: a finished one goes whatever its mode.
    if (existe[i] && (*r.octets || r.fichier != FichierDonnees::Partie)) {
      if (auto refus = Remplacable(r.cible, anciens[i], e)) return echec(r, e, *refus);
    }
  }
  // Undoes what this save wrote when it stops before its marker: the old files stay whole.
  auto defaire = [&](const Remplacement& r, std::error_code e) {
    for (const Remplacement& autre : remplacements) Supprimer(Nouveau(autre.cible), temoin);
    Supprimer(dossier / NomMarqueur, temoin);
    return echec(r, e);
  };
  for (std::size_t i = 0; i < remplacements.size(); ++i) {
    const Remplacement& r = remplacements[i];
    if (!*r.octets) continue;
    const std::error_code e =
        EcrireNouveau(Nouveau(r.cible), **r.octets, existe[i] ? &anciens[i] : nullptr, etatDossier,
                      ecrire, temoin);
    if (e) return defaire(r, e);
  }
  const bool avecMarqueur = remplacements.size() > 1;
  if (avecMarqueur) {
    const std::string texte = TexteMarqueur(remplacements);
    const Octets marqueur(texte.begin(), texte.end());
    if (const std::error_code e = EcrireNouveau(dossier / NomMarqueur, marqueur, nullptr,
                                                etatDossier, EcrireTout, temoin))
      return defaire(remplacements[0], e);
    SynchroniserDossier(dossier, temoin);
  }

  // From here on the marker stands for the new files: a failure is finished by the next load.
  for (const Remplacement& r : remplacements) {
    const std::error_code e =
        *r.octets ? Renommer(Nouveau(r.cible), r.cible, temoin) : Supprimer(r.cible, temoin);
    if (e) return echec(r, e);
  }
  SynchroniserDossier(dossier, temoin);
  if (avecMarqueur) {
    Supprimer(dossier / NomMarqueur, temoin);
    SynchroniserDossier(dossier, temoin);
  }
  return {};
}

// The pair, and the game in progress when it is to go with it.
ResultatSauvegarde RemplacerPaire(const fs::path& dossier, const OctetsFichiers& octets,
                                  const EcrivainOctets& ecrire, const TemoinAppels& temoin) {
  static const std::optional<Octets> retiree;
  std::vector<Remplacement> remplacements = {
      {FichierDonnees::Options, CheminFichierOptions(dossier), &octets.options},
      {FichierDonnees::Noms, CheminFichierNoms(dossier), &octets.noms}};
  if (octets.retirerPartie)
    remplacements.push_back({FichierDonnees::Partie, CheminFichierPartie(dossier), &retiree});
  return Remplacer(dossier, remplacements, ecrire, temoin);
}

// SauverOptions once what a killed save left is dealt with.
ResultatSauvegarde Sauver(const fs::path& dossier, const DonneesOptions& donnees,
                          const EcrivainOctets& ecrire, const TemoinAppels& temoin,
                          bool retirerPartie = false) {
  std::error_code e;
  fs::create_directories(dossier, e);
  if (e) {
    return {EchecFichier{FichierDonnees::Options, OperationFichier::Ecriture,
                         CheminFichierOptions(dossier), e}};
  }
  const fs::path options = CheminFichierOptions(dossier);
  const Lecture ancien = LireFichier(options);
  if (ancien.erreur) {
    return {EchecFichier{FichierDonnees::Options, OperationFichier::Ecriture, options,
                         ancien.erreur, RefusFichier::Illisible}};
  }
  const fs::path noms = CheminFichierNoms(dossier);
  if (const Lecture anciensNoms = LireFichier(noms); anciensNoms.erreur) {
    return {EchecFichier{FichierDonnees::Noms, OperationFichier::Ecriture, noms, anciensNoms.erreur,
                         RefusFichier::Illisible}};
  }
  // An oversized file is not ours past its first bytes: the new one has the usual size.
  const std::span<const std::uint8_t> suite =
      ancien.tronquee ? std::span<const std::uint8_t>() : ancien.octets;
  return RemplacerPaire(
      dossier, {EncoderFichierOptions(donnees, suite), EncoderFichierNoms(donnees), retirerPartie},
      ecrire, temoin);
}

}  // namespace

fs::path CheminFichierOptions(const fs::path& dossier) { return dossier / NomFichierOptions; }

fs::path CheminFichierNoms(const fs::path& dossier) { return dossier / NomFichierNoms; }

fs::path CheminFichierPartie(const fs::path& dossier) { return dossier / NomFichierPartie; }

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
                                 const EcrivainOctets& ecrire, const TemoinAppels& temoin) {
  ChargementDossier r;
  Reprendre(dossier, temoin);
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
    ResultatSauvegarde s = Sauver(dossier, r.chargement.donnees, ecrire, temoin);
    r.fichiersEcrits = s.Reussie();
    if (s.echec) r.echec = std::move(s.echec);
  }
  return r;
}

ResultatSauvegarde SauverOptions(const fs::path& dossier, const DonneesOptions& donnees,
                                 const EcrivainOctets& ecrire, const TemoinAppels& temoin) {
  Reprendre(dossier, temoin);
  return Sauver(dossier, donnees, ecrire, temoin);
}

ResultatSauvegarde SauverOptionsFinPartie(const fs::path& dossier, const DonneesOptions& donnees,
                                          const EcrivainOctets& ecrire,
                                          const TemoinAppels& temoin) {
  Reprendre(dossier, temoin);
  return Sauver(dossier, donnees, ecrire, temoin, true);
}

ResultatSauvegarde SauverPartie(const fs::path& dossier, std::span<const std::uint8_t> octets,
                                const EcrivainOctets& ecrire, const TemoinAppels& temoin) {
  Reprendre(dossier, temoin);
  const std::optional<Octets> nouvelle(std::in_place, octets.begin(), octets.end());
  const Remplacement partie{FichierDonnees::Partie, CheminFichierPartie(dossier), &nouvelle};
  return Remplacer(dossier, {&partie, 1}, ecrire, temoin);
}

ResultatSauvegarde RetirerPartie(const fs::path& dossier, const TemoinAppels& temoin) {
  Reprendre(dossier, temoin);
  const fs::path cible = CheminFichierPartie(dossier);
  if (const std::error_code e = Supprimer(cible, temoin))
    return {EchecFichier{FichierDonnees::Partie, OperationFichier::Ecriture, cible, e}};
  SynchroniserDossier(dossier, temoin);
  return {};
}

LecturePartie LirePartie(const fs::path& dossier) {
  const fs::path chemin = CheminFichierPartie(dossier);
  Lecture l = LireFichier(chemin);
  LecturePartie r;
  std::error_code e;
  if (l.erreur) {
    r.echec = EchecFichier{FichierDonnees::Partie, OperationFichier::Lecture, chemin, l.erreur};
  } else if (fs::exists(fs::symlink_status(chemin, e))) {
    r.octets = std::move(l.octets);
  }
  return r;
}

std::optional<fs::path> MettreDeCotePartie(const fs::path& dossier) {
  const fs::path cible = CheminFichierPartie(dossier);
  fs::path aCote = cible;
  aCote += ".bad";
  if (Renommer(cible, aCote, {})) return std::nullopt;
  SynchroniserDossier(dossier, {});
  return aCote;
}

ResultatSauvegarde RemplacerFichiers(const fs::path& dossier, const OctetsFichiers& octets,
                                     const EcrivainOctets& ecrire, const TemoinAppels& temoin) {
  Reprendre(dossier, temoin);
  return RemplacerPaire(dossier, octets, ecrire, temoin);
}

LectureFichiers LireFichiers(const fs::path& dossier) {
  LectureFichiers r;
  const std::array<std::tuple<FichierDonnees, fs::path, std::optional<Octets>*>, 2> fichiers = {
      {{FichierDonnees::Options, CheminFichierOptions(dossier), &r.octets.options},
       {FichierDonnees::Noms, CheminFichierNoms(dossier), &r.octets.noms}}};
  for (const auto& [fichier, chemin, octets] : fichiers) {
    std::error_code e;
    if (!fs::exists(chemin, e)) continue;
    Lecture l = LireFichier(chemin);
    if (l.erreur) {
      r.echec = EchecFichier{fichier, OperationFichier::Lecture, chemin, l.erreur};
      return r;
    }
    *octets = std::move(l.octets);
  }
  return r;
}

}  // namespace rolvex
