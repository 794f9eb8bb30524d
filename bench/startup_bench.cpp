// How fast the real program shows its windows, and what it costs while a game waits.
//
// Runs the game several times on the X display of $DISPLAY (an Xvfb without window manager):
// rolvex-chrono, the game built with its start-up timing hook, which with ROLVEX_CHRONO set
// tells when each window is first painted:
//   - process start to the start-up window painted;
//   - release of the language button (clicked with xdotool) to the main window painted;
// then, in the last run, starts a game from the keyboard (F2, Enter, Space), leaves it idle and
// measures the processor time used (all threads, from /proc/<pid>/task/*/schedstat) and the
// resident memory.
//
// Usage: rolvex-startup-bench <path of rolvex-chrono> [runs = 9] [idle seconds = 20]
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

long long MaintenantNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

double Ms(long long ns) { return static_cast<double>(ns) / 1e6; }

struct Jeu {
  pid_t pid = -1;
  int sortie = -1;  // the game's error output
  std::string reste;
};

Jeu Lancer(const std::string& programme, long long& debut) {
  int tube[2];
  if (pipe(tube) != 0) std::exit(2);
  debut = MaintenantNs();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(tube[1], STDERR_FILENO);
    close(tube[0]);
    close(tube[1]);
    setenv("ROLVEX_CHRONO", "1", 1);
    execl(programme.c_str(), programme.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(tube[1]);
  return {pid, tube[0], {}};
}

// The next line "rolvex-chrono <quoi> …" of the game, or nothing after 10 s.
std::optional<std::vector<std::string>> Attendre(Jeu& jeu, const std::string& quoi) {
  const long long limite = MaintenantNs() + 10'000'000'000LL;
  for (;;) {
    std::size_t fin;
    while ((fin = jeu.reste.find('\n')) != std::string::npos) {
      const std::string ligne = jeu.reste.substr(0, fin);
      jeu.reste.erase(0, fin + 1);
      std::istringstream mots(ligne);
      std::vector<std::string> champs;
      for (std::string m; mots >> m;) champs.push_back(m);
      if (champs.size() >= 3 && champs[0] == "rolvex-chrono" && champs[1] == quoi) return champs;
    }
    const long long reste = limite - MaintenantNs();
    if (reste <= 0) return std::nullopt;
    pollfd p{jeu.sortie, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(reste / 1'000'000) + 1) <= 0) return std::nullopt;
    char tampon[4096];
    const ssize_t lu = read(jeu.sortie, tampon, sizeof tampon);
    if (lu <= 0) return std::nullopt;
    jeu.reste.append(tampon, static_cast<std::size_t>(lu));
  }
}

void Arreter(Jeu& jeu) {
  kill(jeu.pid, SIGTERM);
  waitpid(jeu.pid, nullptr, 0);
  close(jeu.sortie);
}

void Xdotool(const std::string& arguments) {
  const std::string commande = "xdotool " + arguments;
  if (std::system(commande.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", commande.c_str());
}

// Time on a processor of every thread of the process, in nanoseconds.
long long TempsProcesseurNs(pid_t pid) {
  long long total = 0;
  const std::filesystem::path taches = "/proc/" + std::to_string(pid) + "/task";
  for (const auto& tache : std::filesystem::directory_iterator(taches)) {
    std::ifstream schedstat(tache.path() / "schedstat");
    long long surProcesseur = 0;
    if (schedstat >> surProcesseur) total += surProcesseur;
  }
  return total;
}

long long MemoireResidenteKo(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string ligne; std::getline(status, ligne);)
    if (ligne.rfind("VmRSS:", 0) == 0) return std::atoll(ligne.c_str() + 6);
  return -1;
}

double Mediane(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::getenv("DISPLAY") == nullptr) {
    std::fprintf(stderr, "usage: DISPLAY=:99 %s <rolvex-chrono> [runs] [idle seconds]\n", argv[0]);
    return 2;
  }
  const std::string programme = argv[1];
  const int nbLancements = argc > 2 ? std::atoi(argv[2]) : 9;
  const int secondesRepos = argc > 3 ? std::atoi(argv[3]) : 20;

  std::vector<double> demarrages, langues;
  for (int i = 0; i < nbLancements; ++i) {
    long long debut = 0;
    Jeu jeu = Lancer(programme, debut);
    const auto splash = Attendre(jeu, "frmSplash");
    if (!splash || splash->size() < 5) {
      std::fprintf(stderr, "run %d: the start-up window never showed\n", i + 1);
      Arreter(jeu);
      return 1;
    }
    demarrages.push_back(Ms(std::atoll((*splash)[2].c_str()) - debut));
    Xdotool("mousemove " + (*splash)[3] + " " + (*splash)[4] + " click 1");
    const auto clic = Attendre(jeu, "clic");
    const auto principale = Attendre(jeu, "FormRolvex");
    if (!clic || !principale) {
      std::fprintf(stderr, "run %d: the main window never showed\n", i + 1);
      Arreter(jeu);
      return 1;
    }
    langues.push_back(Ms(std::atoll((*principale)[2].c_str()) - std::atoll((*clic)[2].c_str())));
    std::printf("run %d: start-up window %.1f ms, language click to main window %.1f ms\n", i + 1,
                demarrages.back(), langues.back());

    if (i + 1 == nbLancements) {
      // A game waiting for its second throw: only the clock should tick.
      // The name typed over the last one: a first run has none, and the dialog would stay.
      Xdotool("mousemove --polar 0 0 key F2");
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
      Xdotool("type Banc");
      Xdotool("key Return");
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
      Xdotool("key space");
      std::this_thread::sleep_for(std::chrono::seconds(1));
      const long long avant = TempsProcesseurNs(jeu.pid);
      std::this_thread::sleep_for(std::chrono::seconds(secondesRepos));
      const long long apres = TempsProcesseurNs(jeu.pid);
      const double parMinute = Ms(apres - avant) * 60.0 / secondesRepos;
      std::printf("idle game: %.2f ms of processor time in %d s, %.2f ms per minute\n",
                  Ms(apres - avant), secondesRepos, parMinute);
      std::printf("resident memory after a throw: %lld KiB\n", MemoireResidenteKo(jeu.pid));
    }
    Arreter(jeu);
  }
  std::printf(
      "median of %d runs: start-up window %.1f ms (worst %.1f), language click to main "
      "window %.1f ms (worst %.1f)\n",
      nbLancements, Mediane(demarrages), *std::max_element(demarrages.begin(), demarrages.end()),
      Mediane(langues), *std::max_element(langues.begin(), langues.end()));
  return 0;
}
