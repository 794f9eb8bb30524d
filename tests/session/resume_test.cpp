// The game in progress outlives its run: killed at any instant, a run comes back in the next one
// as it was after the gesture under way or the one before; and a file that is not a game never
// stops the run.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "records/file_store.h"
#include "session/session.h"
#include "texts/messages.h"

namespace rolvex {
namespace {

namespace fs = std::filesystem;

struct Messages : VueSession {
  std::vector<std::string> lus;
  void AfficherMessage(std::string_view t) override { lus.emplace_back(t); }
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
  Messages vue;
  Session s(vue, Langue::Anglais, LargeurEcranReference, HauteurEcranReference, 0);
  s.ChargerOptions({dossier, dossier});
  EXPECT_EQ(vue.lus, std::vector<std::string>{});
  if (!s.PartieReprise()) return Retrouve{false, EtatPartie{}, 0, s.Scores()};
  return Retrouve{true, s.Etat(), s.Horloge().SecondesPartie(), s.Scores()};
}

fs::path DossierNeuf() {
  // A memory-backed folder where there is one: the kills below flush thousands of files.
  const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string modele = (base / "rolvex-reprise-XXXXXX").string();
  EXPECT_NE(::mkdtemp(modele.data()), nullptr);
  return modele;
}

// A one-column game that enters the tables, with a kept die, an undo and the clock running.
constexpr std::string_view Des[] = {"11111", "22222", "33333", "44444", "55555", "66666", "66665",
                                    "11112", "33322", "44441", "12345", "11123", "66666"};
std::vector<std::function<void(Session&)>> Gestes() {
  std::vector<std::function<void(Session&)>> g;
  g.push_back([](Session& s) { s.PanelOkParams_Click("Zoé", 1); });
  for (int16_t f = 1; f <= NbFigures; ++f) {
    g.push_back([f](Session& s) {
      for (char d : Des[f - 1]) s.FileDes().Ajouter(static_cast<int16_t>(d - '0'));
      s.PanelOkDe_Click();
    });
    if (f == 2) {
      g.push_back([](Session& s) { s.ImageDe_MouseDown(1, bouton::Gauche); });
      g.push_back([](Session& s) {
        s.FileDes().Ajouter(2);
        s.PanelOkDe_Click();
      });
    }
    g.push_back([f](Session& s) { s.AppelCliqueCase(colonne::Libre, f); });
    if (f == 3) {
      g.push_back([](Session& s) { s.Annuler(); });
      g.push_back([f](Session& s) { s.AppelCliqueCase(colonne::Libre, f); });
    }
    g.push_back([](Session& s) { s.Tic(7); });
  }
  return g;
}

void Preparer(const fs::path& dossier) {
  DonneesOptions d;  // empty tables: the game takes place 1
  ASSERT_TRUE(SauverOptions(dossier, d).Reussie());
}

TEST(Reprise, AKillAtAnyInstantResumesAfterTheGestureUnderWayOrTheOneBefore) {
  const auto gestes = Gestes();
  // The run without a kill: what a new run finds after each gesture, and the instants (the
  // two sides of each file call) each gesture spans.
  const fs::path temoin = DossierNeuf();
  Preparer(temoin);
  std::vector<Retrouve> apres = {Relire(temoin)};
  std::vector<int> instants = {0};
  int compte = 0;
  {
    VueSession vue;
    Session s(vue, Langue::Anglais, LargeurEcranReference, HauteurEcranReference, 0);
    s.ChargerOptions({temoin, temoin});
    s.ObserverFichiers([&](AppelFichier, bool) { ++compte; });
    for (const auto& geste : gestes) {
      geste(s);
      apres.push_back(Relire(temoin));
      instants.push_back(compte);
      // From the first throw on, the game in progress is on disk.
      const EtatPartie& e = s.Etat();
      if (!e.PartieTerminee && (e.NumeroTour > 1 || e.NbJets > 0)) {
        ASSERT_TRUE(apres.back().reprise);
        ASSERT_EQ(apres.back().etat, s.Etat()) << "resumed as it was";
        ASSERT_EQ(apres.back().secondes, s.Horloge().SecondesPartie());
      }
    }
    ASSERT_FALSE(apres.back().reprise) << "a game over is not resumed";
    ASSERT_EQ(apres.back().scores[1][1].name, "Zoé");
  }
  fs::remove_all(temoin);

  std::size_t geste = 1;
  for (int tue = 1; tue <= compte; ++tue) {
    while (instants[geste] < tue) ++geste;
    const fs::path dossier = DossierNeuf();
    Preparer(dossier);
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
      VueSession vue;
      Session s(vue, Langue::Anglais, LargeurEcranReference, HauteurEcranReference, 0);
      s.ChargerOptions({dossier, dossier});
      int n = 0;
      s.ObserverFichiers([&](AppelFichier, bool) {
        if (++n == tue) ::raise(SIGKILL);
      });
      for (const auto& g : gestes) g(s);
      ::_exit(0);
    }
    int statut = 0;
    ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
    ASSERT_TRUE(WIFSIGNALED(statut)) << "killed at instant " << tue;
    const Retrouve r = Relire(dossier);
    EXPECT_TRUE(r == apres[geste - 1] || r == apres[geste])
        << "killed at instant " << tue << ", in gesture " << geste;
    fs::remove_all(dossier);
  }
}

// The next throws after a resume are those the run would have thrown; a damaged file is set
// aside with a message, and the run starts clean.
TEST(Reprise, TheDiceRunOnAndADamagedFileIsSetAside) {
  const fs::path dossier = DossierNeuf();
  Messages vue;
  Session s(vue, Langue::Francais, LargeurEcranReference, HauteurEcranReference, 0);
  s.ChargerOptions({dossier, dossier});
  s.PanelOkParams_Click("Zoé", 3);
  s.PanelOkDe_Click();
  {
    Messages vue2;
    Session reprise(vue2, Langue::Francais, LargeurEcranReference, HauteurEcranReference, 0);
    reprise.ChargerOptions({dossier, dossier});
    ASSERT_TRUE(reprise.PartieReprise());
    EXPECT_EQ(reprise.TexteInfo(), MsgPartieReprise(Langue::Francais));
    s.ImageDe_MouseDown(1, bouton::Gauche);
    reprise.ImageDe_MouseDown(1, bouton::Gauche);
    s.PanelOkDe_Click();
    reprise.PanelOkDe_Click();
    EXPECT_EQ(reprise.Etat(), s.Etat());
    reprise.AppelNouveau();
    EXPECT_FALSE(reprise.PartieReprise());
    EXPECT_FALSE(fs::exists(CheminFichierPartie(dossier))) << "a new game removes the file";
  }
  s.PanelOkDe_Click();  // written again, then damaged
  const fs::path fichier = CheminFichierPartie(dossier);
  fs::resize_file(fichier, fs::file_size(fichier) - 3);
  Messages vue3;
  Session abimee(vue3, Langue::Francais, LargeurEcranReference, HauteurEcranReference, 0);
  abimee.ChargerOptions({dossier, dossier});
  EXPECT_FALSE(abimee.PartieReprise());
  fs::path aCote = fichier;
  aCote += ".bad";
  EXPECT_EQ(vue3.lus, std::vector<std::string>{
                          MsgPartieIllisible(fichier.string(), aCote.string(), Langue::Francais)});
  EXPECT_TRUE(fs::exists(aCote) && !fs::exists(fichier));
  fs::remove_all(dossier);
}

}  // namespace
}  // namespace rolvex
