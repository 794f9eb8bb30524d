// The game in progress outlives its run: killed at any instant, a run comes back in the next one
// as it was after the gesture under way or the one before; and a file that is not a game never
// stops the run.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "records/file_store.h"
#include "session/session.h"
#include "texts/messages.h"

namespace rolvex {
namespace {

namespace fs = std::filesystem;

// A run started on a data folder, in French, noting the message boxes it shows.
struct Lancement : VueSession {
  explicit Lancement(const fs::path& dossier) { s.ChargerOptions({dossier, dossier}); }
  void AfficherMessage(std::string_view t) override { messages.emplace_back(t); }
  std::vector<std::string> messages;
  Session s{*this, Langue::Francais, LargeurEcranReference, HauteurEcranReference, 0};
};

// What a new run finds in a folder: the game it resumes, its clock, and the tables.
struct Retrouve {
  bool reprise = false;
  EtatPartie etat;
  int32_t secondes = 0;
  HighScores scores;
  friend bool operator==(const Retrouve&, const Retrouve&) = default;
};
Retrouve Relire(const fs::path& dossier) {
  const Lancement r(dossier);
  EXPECT_EQ(r.messages, std::vector<std::string>{});
  if (!r.s.PartieReprise()) return {false, EtatPartie{}, 0, r.s.Scores()};
  return {true, r.s.Etat(), r.s.Horloge().SecondesPartie(), r.s.Scores()};
}

// A memory-backed folder where there is one, as the kills below flush thousands of files; its
// tables are empty, so that a game takes place 1.
fs::path DossierNeuf() {
  const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string modele = (base / "rolvex-reprise-XXXXXX").string();
  EXPECT_NE(::mkdtemp(modele.data()), nullptr);
  EXPECT_TRUE(SauverOptions(modele, DonneesOptions{}).Reussie());
  return modele;
}

// A one-column game with a kept die, an undo and the clock running.
using Geste = std::function<void(Session&)>;
std::vector<Geste> Gestes() {
  constexpr std::string_view des[] = {"11111", "22222", "33333", "44444", "55555", "66666", "66665",
                                      "11112", "33322", "44441", "12345", "11123", "66666"};
  auto jeter = [](std::string_view faces) {
    return [faces](Session& s) {
      for (char d : faces) s.FileDes().Ajouter(static_cast<int16_t>(d - '0'));
      s.PanelOkDe_Click();
    };
  };
  std::vector<Geste> g = {[](Session& s) { s.PanelOkParams_Click("Zoé", 1); }};
  for (int16_t f = 1; f <= NbFigures; ++f) {
    const Geste ecrire = [f](Session& s) { s.AppelCliqueCase(colonne::Libre, f); };
    g.insert(g.end(), {jeter(des[f - 1]), ecrire, [](Session& s) { s.Tic(7); }});
    if (f == 2) g.insert(g.end() - 2, {[](Session& s) { s.ImageDe_MouseDown(1, 1); }, jeter("2")});
    if (f == 3) g.insert(g.end() - 1, {[](Session& s) { s.Annuler(); }, ecrire});
  }
  return g;
}

TEST(Reprise, AKillAtAnyInstantResumesAfterTheGestureUnderWayOrTheOneBefore) {
  const auto gestes = Gestes();
  // The run without a kill: what a new run finds after each gesture, and the instants (the
  // two sides of each file call) each gesture spans.
  const fs::path temoin = DossierNeuf();
  std::vector<Retrouve> apres = {Relire(temoin)};
  std::vector<int> instants = {0};
  int compte = 0;
  {
    Lancement run(temoin);
    run.s.ObserverFichiers([&](AppelFichier, bool) { ++compte; });
    for (const auto& geste : gestes) {
      geste(run.s);
      apres.push_back(Relire(temoin));
      instants.push_back(compte);
      // From the first throw on, the game in progress is on disk as it is.
      const EtatPartie& e = run.s.Etat();
      if (!e.PartieTerminee && (e.NumeroTour > 1 || e.NbJets > 0)) {
        ASSERT_EQ(apres.back(),
                  (Retrouve{true, e, run.s.Horloge().SecondesPartie(), apres.back().scores}));
      }
    }
    ASSERT_FALSE(apres.back().reprise) << "a game over is not resumed";
    ASSERT_EQ(apres.back().scores[1][1].name, "Zoé");
  }
  fs::remove_all(temoin);

  for (std::size_t tue = 1, geste = 1; tue <= static_cast<std::size_t>(compte); ++tue) {
    while (instants[geste] < static_cast<int>(tue)) ++geste;
    const fs::path dossier = DossierNeuf();
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
      Lancement run(dossier);
      std::size_t n = 0;
      run.s.ObserverFichiers([&](AppelFichier, bool) {
        if (++n == tue) ::raise(SIGKILL);
      });
      for (const auto& g : gestes) g(run.s);
      ::_exit(0);
    }
    int statut = 0;
    ASSERT_TRUE(::waitpid(enfant, &statut, 0) == enfant && WIFSIGNALED(statut)) << tue;
    const Retrouve r = Relire(dossier);
    EXPECT_TRUE(r == apres[geste - 1] || r == apres[geste])
        << "killed at instant " << tue << ", in gesture " << geste;
    fs::remove_all(dossier);
  }
}

// The next throws after a resume are those the run would have thrown; a new game removes the
// file; a damaged file is set aside with a message, and the run starts clean.
TEST(Reprise, TheDiceRunOnAndADamagedFileIsSetAside) {
  const fs::path dossier = DossierNeuf();
  Lancement run(dossier);
  run.s.PanelOkParams_Click("Zoé", 3);
  run.s.PanelOkDe_Click();
  {
    Lancement reprise(dossier);
    ASSERT_TRUE(reprise.s.PartieReprise());
    EXPECT_EQ(reprise.s.TexteInfo(), MsgPartieReprise(Langue::Francais));
    for (Session* s : {&run.s, &reprise.s}) s->ImageDe_MouseDown(1, 1), s->PanelOkDe_Click();
    EXPECT_EQ(reprise.s.Etat(), run.s.Etat());
    reprise.s.AppelNouveau();
    EXPECT_FALSE(reprise.s.PartieReprise() || fs::exists(CheminFichierPartie(dossier)));
  }
  run.s.PanelOkDe_Click();  // written again, then cut short
  const fs::path fichier = CheminFichierPartie(dossier);
  fs::resize_file(fichier, fs::file_size(fichier) - 3);
  const Lancement abimee(dossier);
  EXPECT_FALSE(abimee.s.PartieReprise());
  const fs::path aCote = fs::path(fichier).concat(".bad");
  EXPECT_EQ(abimee.messages,
            std::vector{MsgPartieIllisible(fichier.string(), aCote.string(), Langue::Francais)});
  EXPECT_TRUE(fs::exists(aCote) && !fs::exists(fichier));
  fs::remove_all(dossier);
}

}  // namespace
}  // namespace rolvex
