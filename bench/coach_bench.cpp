// The coach against two players of its own: whole games with fixed seeds for each mode, the
// mean, the standard deviation and the mean of each column rule; then how long a hint takes in
// the middle of a six-column turn, and the memory the coach adds.
// Run by hand: rolvex-coach-bench [games per mode, 10000 by default]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "advisor/advisor.h"
#include "advisor/calibration.h"
#include "engine/headless_display.h"
#include "random_player.h"

namespace rolvex {
namespace {

using conseil::Coach;
using conseil::Jugement;

struct Bilan {
  std::vector<double> totaux;
  ParColonne<double> parColonne{};
};

long MemoireMaxKo() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return r.ru_maxrss;
}

// Game g of the mode: the same dice seed for every player.
template <typename Joueur>
Bilan Jouer(int16_t mode, int nbParties, Joueur&& jouerCoup) {
  Bilan b;
  AffichageMemoire ecran;
  for (int g = 0; g < nbParties; ++g) {
    DeEquitable de(static_cast<std::uint64_t>(mode) * 1000003u + static_cast<std::uint64_t>(g));
    Partie partie(ecran, de);
    partie.ChoisirMode(mode);
    partie.AppelNouveau();
    while (!partie.Etat().PartieTerminee) jouerCoup(partie);
    b.totaux.push_back(partie.Etat().ScoreTotal);
    const auto feuille = conseil::Feuille::De(partie.Etat());
    for (int16_t c = 1; c <= feuille.nbColonnes; ++c)
      b.parColonne[c] += CalculerTotaux(feuille.colonnes[c]).Somme();
  }
  return b;
}

void Imprimer(const char* joueur, int16_t mode, const Bilan& b) {
  if (b.totaux.size() < 2) return;
  const double n = static_cast<double>(b.totaux.size());
  double somme = 0, carres = 0;
  for (double t : b.totaux) somme += t;
  const double moyenne = somme / n;
  for (double t : b.totaux) carres += (t - moyenne) * (t - moyenne);
  std::printf("mode %d  %-8s  games %6zu  mean %7.2f  sd %6.2f  by column:", mode, joueur,
              b.totaux.size(), moyenne, std::sqrt(carres / (n - 1)));
  for (int16_t c = 1; c <= NbColonnesMode[mode]; ++c)
    std::printf("  %s %.2f", std::string(Colonnes[c].nom).c_str(), b.parColonne[c] / n);
  std::printf("\n");
  std::fflush(stdout);
}

double Millisecondes(std::chrono::steady_clock::time_point debut) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
      .count();
}

void Resumer(const char* quoi, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%s: median %.2f ms  90th %.2f ms  worst %.2f ms  (%zu hints)\n", quoi,
              ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back(), ms.size());
}

// Every situation of six-column games played by the coach, each asked of a coach that has not
// seen the sheet, as the window asks; apart, the situations with two squares left or fewer,
// where the advice is worked out exactly.
void Latence() {
  AffichageMemoire ecran;
  std::vector<double> milieu, toutes, fin;
  const long avant = MemoireMaxKo();
  for (int g = 0; g < 40; ++g) {
    DeEquitable de(900000u + static_cast<std::uint64_t>(g));
    Partie partie(ecran, de);
    partie.ChoisirMode(3);
    partie.AppelNouveau();
    Coach joueur;
    while (!partie.Etat().PartieTerminee) {
      Coach neuf;
      const auto debut = std::chrono::steady_clock::now();
      const auto choix = neuf.Conseiller(partie.Etat());
      const double ms = Millisecondes(debut);
      if (choix.empty()) std::abort();
      const int libres = conseil::Feuille::De(partie.Etat()).NbCasesLibres();
      (libres <= 2 ? fin : toutes).push_back(ms);
      if (partie.Etat().NbJets > 0 && libres > 20 && libres < 60) milieu.push_back(ms);
      conseil::Jouer(partie, joueur.Conseiller(partie.Etat()).front());
    }
  }
  Resumer("hint, six columns, mid-game (20 to 60 squares free), during a turn", milieu);
  Resumer("hint, six columns, any situation with 3 squares free or more", toutes);
  Resumer("hint, six columns, 1 or 2 squares free (exact)", fin);
  std::printf("peak resident memory: %ld KB before the hints' games, %ld KB after\n", avant,
              MemoireMaxKo());
}

// What the coach's games add to each column after each turn's start, over what the estimate
// said: the new scales, printed as the table of advisor/calibration.h.
void Etalonner(int nbParties) {
  using conseil::Etalonnages;
  using conseil::RangEtalonnage;
  std::array<std::array<double, 14>, conseil::NbRangsEtalonnage> reel{}, estime{};
  AffichageMemoire ecran;
  for (int16_t mode = 1; mode <= 3; ++mode) {
    for (int g = 0; g < nbParties; ++g) {
      DeEquitable de(700000u + static_cast<std::uint64_t>(mode) * 100000u +
                     static_cast<std::uint64_t>(g));
      Partie partie(ecran, de);
      partie.ChoisirMode(mode);
      partie.AppelNouveau();
      Coach coach;
      struct Releve {
        int rang;
        int libres;
        int16_t c;
        double ecrit, estime;
      };
      std::vector<Releve> releves;
      const auto& estimation = conseil::Estimation::Partagee();
      while (!partie.Etat().PartieTerminee) {
        if (partie.Etat().NbJets == 0) {
          const auto f = conseil::Feuille::De(partie.Etat());
          for (int16_t c = 1; c <= f.nbColonnes; ++c) {
            int libres = 0;
            for (bool e : f.colonnes[c].ecrit) libres += e ? 0 : 1;
            if (libres > 0)
              releves.push_back({RangEtalonnage(f.nbColonnes, c), libres, c,
                                 static_cast<double>(CalculerTotaux(f.colonnes[c]).Somme()),
                                 estimation.AVenir(f, c)});
          }
        }
        conseil::Jouer(partie, coach.Conseiller(partie.Etat()).front());
      }
      const auto fin = conseil::Feuille::De(partie.Etat());
      for (const Releve& r : releves) {
        reel[r.rang][r.libres] += CalculerTotaux(fin.colonnes[r.c]).Somme() - r.ecrit;
        estime[r.rang][r.libres] += r.estime;
      }
    }
  }
  std::printf(
      "inline constexpr std::array<std::array<double, 14>, NbRangsEtalonnage> "
      "Etalonnages = {{\n");
  for (std::size_t r = 0; r < Etalonnages.size(); ++r) {
    std::printf("    {");
    for (int n = 0; n < 14; ++n) {
      const double f =
          estime[r][n] > 0 ? Etalonnages[r][n] * reel[r][n] / estime[r][n] : Etalonnages[r][n];
      std::printf("%s%.4f", n ? ", " : "", f);
    }
    std::printf("}%s\n", r + 1 < Etalonnages.size() ? "," : "");
  }
  std::printf("}};\n");
}

}  // namespace
}  // namespace rolvex

int main(int argc, char** argv) {
  using namespace rolvex;
  if (argc > 1 && std::string(argv[1]) == "calibrate") {
    Etalonner(argc > 2 ? std::atoi(argv[2]) : 1000);
    return 0;
  }
  {
    // The first hint of a run builds the coach's tables.
    const long debut = MemoireMaxKo();
    AffichageMemoire ecran;
    DeEquitable de(1);
    Partie partie(ecran, de);
    partie.ChoisirMode(3);
    partie.AppelNouveau();
    partie.AppelOkDeClique();
    const auto t = std::chrono::steady_clock::now();
    Coach premier;
    (void)premier.Conseiller(partie.Etat());
    std::printf(
        "first hint of a run, tables built: %.1f ms; peak resident memory %ld KB before, "
        "%ld KB after\n",
        Millisecondes(t), debut, MemoireMaxKo());
  }
  Latence();
  const int nb = argc > 1 ? std::atoi(argv[1]) : 10000;
  for (int16_t mode = 1; mode <= 3; ++mode) {
    Coach expert(Jugement::Expert), glouton(Jugement::Glouton);
    essai::JoueurHasard hasard(mode);
    Imprimer("coach", mode, Jouer(mode, nb, [&](Partie& p) {
               conseil::Jouer(p, expert.Conseiller(p.Etat()).front());
             }));
    Imprimer("greedy", mode, Jouer(mode, nb, [&](Partie& p) {
               conseil::Jouer(p, glouton.Conseiller(p.Etat()).front());
             }));
    Imprimer("random", mode, Jouer(mode, nb, [&](Partie& p) { hasard.Jouer(p); }));
  }
}
