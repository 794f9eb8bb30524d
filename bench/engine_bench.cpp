// Whole games per second in each column mode, the cost of one recomputation of the potential
// scores of the sheet, and of the save of the game in progress after a move.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "engine/game.h"
#include "engine/headless_display.h"
#include "random_player.h"
#include "records/file_store.h"
#include "records/game_file.h"

namespace rolvex {
namespace {

// One whole game per iteration, played by the random player on a seeded die, through the
// remembering screen (the cheapest display the game can have).
void PartiesEntieres(benchmark::State& state) {
  const auto mode = static_cast<int16_t>(state.range(0));
  DeEquitable de(2024);
  AffichageMemoire ecran;
  Partie partie(ecran, de);
  partie.ChoisirMode(mode);
  essai::JoueurHasard joueur(7);
  std::int64_t coups = 0;
  for (auto _ : state) {
    partie.AppelNouveau();
    coups += joueur.JouerPartie(partie, [] { return true; });
    benchmark::DoNotOptimize(partie.Etat().ScoreTotal);
  }
  state.counters["parties/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["coups/partie"] =
      static_cast<double>(coups) / static_cast<double>(state.iterations());
}
BENCHMARK(PartiesEntieres)->ArgName("mode")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// CalculScoresPotentiels is private. A click on a square already taken, after a throw, runs it
// over every square in play and then stops, since the square cannot be written: it writes
// nothing and does not even redraw. So the cost of that click is the cost of one recomputation.
void CalculScoresPotentiels(benchmark::State& state) {
  const auto mode = static_cast<int16_t>(state.range(0));
  DeEquitable de(2024);
  AffichageMemoire ecran;
  Partie partie(ecran, de);
  partie.ChoisirMode(mode);
  partie.AppelNouveau();
  partie.AppelOkDeClique();
  partie.AppelCliqueCase(colonne::Libre, figure::Maxi);
  partie.AppelOkDeClique();
  if (!partie.Etat().Cases(colonne::Libre, figure::Maxi).Prise || partie.Etat().NbJets != 1) {
    state.SkipWithError("the game did not reach a throw after a taken square");
    return;
  }
  for (auto _ : state) {
    partie.AppelCliqueCase(colonne::Libre, figure::Maxi);
    benchmark::DoNotOptimize(partie.Etat().Cases(colonne::Libre, figure::Yam).ScorePotentiel);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CalculScoresPotentiels)->ArgName("mode")->Arg(1)->Arg(3);

// What each move adds to keep the game in progress safe: its bytes, and their replacement on
// disk (written beside, flushed, renamed) in a folder of the build's temporary space.
void SauvegardePartie(benchmark::State& state) {
  DeEquitable de(2024);
  AffichageMemoire ecran;
  Partie partie(ecran, de);
  partie.AppelNouveau();
  essai::JoueurHasard joueur(7);
  joueur.JouerPartie(partie, [&] { return partie.Etat().NumeroTour < 40; });
  const PartieEnCours enCours{partie.Etat(), partie.AvantEcriture(), 12, 34, de.Etat()};
  const std::filesystem::path dossier =
      std::filesystem::temp_directory_path() / "rolvex-bench-partie";
  std::filesystem::create_directories(dossier);
  std::size_t octets = 0;
  for (auto _ : state) {
    const auto encodee = EncoderPartie(enCours);
    octets = encodee.size();
    if (state.range(0) == 1 && !SauverPartie(dossier, encodee).Reussie()) {
      state.SkipWithError("the game could not be saved");
      break;
    }
  }
  state.counters["octets"] = static_cast<double>(octets);
  std::filesystem::remove_all(dossier);
}
BENCHMARK(SauvegardePartie)->ArgName("disque")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rolvex

BENCHMARK_MAIN();
