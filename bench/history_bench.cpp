// What the history costs: recording one game's end in a history that already holds 10 000
// games, and the statistics of a mode read back from 10 000 games of six columns.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "history/history_db.h"
#include "history/statistics.h"
#include "random_history.h"

namespace rolvex {
namespace {

namespace fs = std::filesystem;

constexpr int NbPartiesHistorique = 10000;

// 10 000 finished six-column games of the random player, its own games repeated.
std::vector<PartieJouee> PartiesSixColonnes() {
  std::vector<PartieJouee> jouees = essai::PartiesAuHasard(1500, 11);
  std::erase_if(jouees, [](const PartieJouee& p) { return p.mode != 3 || p.abandonnee; });
  std::vector<PartieJouee> parties;
  for (std::size_t i = 0; parties.size() < NbPartiesHistorique; ++i)
    parties.push_back(jouees[i % jouees.size()]);
  return parties;
}

// A history on the disk of the machine (not in memory), filled with 10 000 games.
struct Historique {
  Historique() {
    std::string modele = (fs::path("/var/tmp") / "rolvex-bench-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) std::abort();
    dossier = modele;
    if (EnregistrerParties(dossier, PartiesSixColonnes())) std::abort();
  }
  ~Historique() { fs::remove_all(dossier); }
  fs::path dossier;
};

// One call per game's end, as the session makes it: open, one transaction, flushed, closed.
void EnregistrerUnePartie(benchmark::State& state) {
  const Historique h;
  const PartieJouee partie = PartiesSixColonnes().front();
  for (auto _ : state)
    if (EnregistrerParties(h.dossier, std::span(&partie, 1))) state.SkipWithError("failed");
}
BENCHMARK(EnregistrerUnePartie)->Unit(benchmark::kMillisecond);

// What the statistics window and `stats 3` ask for: the rows of the mode, then the figures.
void StatistiquesDUnMode(benchmark::State& state) {
  const Historique h;
  for (auto _ : state) {
    const LectureHistorique lu = LireHistorique(h.dossier, 3);
    benchmark::DoNotOptimize(CalculerStatistiques(lu.parties, 3));
  }
}
BENCHMARK(StatistiquesDUnMode)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rolvex
