// One run of the game as every front end sees it: what the session reports, in what order, and
// what it reads and writes on disk. Rules and wordings are their own libraries' concern; here
// each must reach the right report at the right moment.
#include "session/session.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "history/csv.h"
#include "history/history_db.h"
#include "records/file_store.h"
#include "texts/coach_texts.h"
#include "texts/history_texts.h"
#include "texts/messages.h"

namespace rolvex {
namespace {

namespace fs = std::filesystem;

// Notes every report as one line, and answers the Yes/No question as told.
struct Journal : VueSession {
  std::vector<std::string> lignes;
  bool reponse = false;

  void Noter(std::string ligne) { lignes.push_back(std::move(ligne)); }
  void Info(std::string_view t) override { Noter("info " + std::string(t)); }
  void PreparerNouvellePartie() override { Noter("new game"); }
  void Scores(bool montres) override { Noter(montres ? "scores shown" : "scores hidden"); }
  void OptionsChargees() override { Noter("options"); }
  void FacesChoisies(int16_t t) override { Noter("faces " + std::to_string(t)); }
  void FermerDialogueNom() override { Noter("dialog closed"); }
  void AfficherMessage(std::string_view t) override { Noter("message " + std::string(t)); }
  bool DemanderOuiNon(std::string_view t) override {
    Noter("question " + std::string(t));
    return reponse;
  }
  void Chrono(bool marche) override { Noter(marche ? "clock on" : "clock off"); }
  void DechargerTousControles() override { Noter("unload"); }
  void Terminer() override { Noter("end"); }
};

// The 13 turns of a one-column game with known dice: 793 points, 7 figures.
constexpr int16_t ScorePartieConnue = 793;
constexpr std::string_view DesPartieConnue[] = {"11111", "22222", "33333", "44444", "55555",
                                                "66666", "66665", "11112", "33322", "44441",
                                                "12345", "11123", "66666"};

// A folder of the test's own, in memory where it can be: the kills below flush thousands of files.
fs::path DossierTemporaire() {
  const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string modele = (base / "rolvex-session-XXXXXX").string();
  EXPECT_NE(::mkdtemp(modele.data()), nullptr);
  return modele;
}

class UneSession : public testing::Test {
 protected:
  void SetUp() override { dossier = DossierTemporaire(); }
  void TearDown() override { fs::remove_all(dossier); }

  void Jeter(std::string_view faces) {
    for (char f : faces) session.FileDes().Ajouter(static_cast<int16_t>(f - '0'));
    session.PanelOkDe_Click();
  }
  // Scores 10 points apart in every table, so that the known game lands at `place`.
  void PoserTables(int place) {
    DonneesOptions d;
    for (int m = 1; m <= NbModes; ++m)
      for (int p = 1; p <= NbPlaces; ++p)
        d.Scores[m][p] = {
            "P", static_cast<int16_t>(ScorePartieConnue + 10 * (place - p - (p >= place))), 100, 5};
    ASSERT_TRUE(SauverOptions(dossier, d).Reussie());
  }
  void JouerPartieConnue(int secondes = 75) {
    session.Tic(secondes);
    for (int16_t f = 1; f <= NbFigures; ++f) {
      Jeter(DesPartieConnue[f - 1]);
      session.AppelCliqueCase(colonne::Libre, f);
    }
  }
  std::tuple<int, int, int> Temps() const {
    const Chrono& h = session.Horloge();
    return {h.MinutesChrono(), h.SecondesChrono(), h.SecondesPartie()};
  }
  DonneesOptions SurDisque() const {
    HasardUniforme tirage(0);
    return ChargerOptions(dossier, tirage).chargement.donnees;
  }

  fs::path dossier;
  Journal journal;
  Session session{journal, Langue::Anglais, LargeurEcranReference, HauteurEcranReference, 0};
};

// A game that enters the table is written in, shown with its row in red, saved, announced,
// and only then is the clock stopped, having given the table its time, of which it keeps at
// most TempsMaximum seconds. A game below the table is told so, shows nothing and writes no file.
class FinDePartie : public UneSession,
                    public testing::WithParamInterface<std::tuple<int, Langue, int>> {};

TEST_P(FinDePartie, TheTableIsWrittenShownSavedAndAnnouncedThenTheClockStops) {
  const auto [place, langue, secondes] = GetParam();
  const bool classee = place <= NbPlaces;
  PoserTables(place);
  session.ChoisirLangue(langue);
  session.ChargerOptions({dossier, dossier});
  session.PanelOkParams_Click("Zoé", 1);
  fs::remove(CheminFichierOptions(dossier));
  JouerPartieConnue(secondes);
  const int32_t temps = std::min(secondes, TempsMaximum);
  session.Tic();
  EXPECT_EQ(Temps(), std::tuple(secondes / 60, secondes % 60, temps));

  const std::vector<std::string> fin =
      classee
          ? std::vector<std::string>{"scores shown",
                                     "message " + MessagePlace(static_cast<int16_t>(place), langue),
                                     "info " + std::string(MsgAutrePartie(langue)), "clock off"}
          : std::vector<std::string>{"info " + std::string(MsgHorsClassement(langue)), "clock off"};
  EXPECT_EQ(std::vector(journal.lignes.end() - std::ssize(fin), journal.lignes.end()), fin);
  EXPECT_EQ(fs::exists(CheminFichierOptions(dossier)), classee);
  if (classee) {
    EXPECT_EQ(session.Scores()[1][place], (HighScoreEntry{"Zoé", ScorePartieConnue, temps, 7}));
    EXPECT_EQ(SurDisque().Scores, session.Scores());
  }
  const EcranSession& e = session.Ecran();
  EXPECT_EQ(e.placeEnRouge, classee ? place : 0);
  EXPECT_EQ(e.tableScores, classee ? std::optional(session.Scores()[1]) : std::nullopt);

  // The panel again from the menu keeps the red row; the next game hides it and clears it.
  session.EffacerScores();
  EXPECT_EQ(journal.lignes.back(), "scores hidden");
  session.AfficherScores();
  EXPECT_EQ(e.placeEnRouge, classee ? place : 0);
  session.AppelNouveau();
  EXPECT_FALSE(e.scoresMontres);
  EXPECT_EQ(e.placeEnRouge, 0);
  EXPECT_EQ(Temps(), std::tuple(0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Places, FinDePartie,
                         testing::Values(std::tuple(1, Langue::Anglais, 75),
                                         std::tuple(10, Langue::Francais, TempsMaximum + 61),
                                         std::tuple(NbPlaces + 1, Langue::Anglais, 75)));

// The name dialog refuses an empty name with a message; OK closes it, saves the mode and the
// name, and starts the game. Quitting asks first; on Yes the sheet goes, the farewell
// is said, the files are saved and the run ends, in that order.
TEST_F(UneSession, TheDialogsSaveTheChoicesBeforeTheGameAndBeforeTheEnd) {
  // Before the first game: the empty sheet, no throw button, no red row, no mode, no time.
  const EcranSession& ecran = session.Ecran();
  EXPECT_FALSE(ecran.partieCommencee || ecran.okDeVisible || ecran.scoresMontres);
  EXPECT_EQ(ecran.placeEnRouge, 0);
  EXPECT_EQ(session.LegendeModeColonnes(), "");
  session.Tic();
  EXPECT_EQ(Temps(), std::tuple(0, 0, 0)) << "the clock waits for a game";
  session.ChargerOptions({dossier, dossier});  // a first run: the default files are written at once
  ASSERT_EQ(journal.lignes, (std::vector<std::string>{"options", "faces 1"}));
  session.PanelOkParams_Click("", 2);
  EXPECT_EQ(journal.lignes.back(), "message " + std::string(MsgNomVide(Langue::Anglais)));
  EXPECT_FALSE(ecran.partieCommencee);
  journal.lignes.clear();
  session.PanelOkParams_Click("  ", 2);
  EXPECT_EQ(std::vector(journal.lignes.begin(), journal.lignes.begin() + 3),
            (std::vector<std::string>{"dialog closed", "new game", "clock on"}));
  EXPECT_EQ(std::tuple(SurDisque().NomJoueur, SurDisque().ModeJeu, session.Etat().ModeJeu),
            std::tuple("  ", 2, 2));
  session.PanelOkParams_Click("Zoé", 1);
  EXPECT_EQ(session.LegendeModeColonnes(), LegendeModeColonnes(1, Langue::Anglais));

  const std::string question = "question " + QuestionQuitter(Langue::Anglais);
  journal.lignes.clear();
  session.ChoisirFaces(2);
  session.DemanderQuitter();
  journal.reponse = true;
  session.DemanderQuitter();
  EXPECT_EQ(journal.lignes, (std::vector<std::string>{
                                "faces 2", question, question, "unload",
                                "message " + std::string(TexteAuRevoir(Langue::Anglais)), "end"}));
  EXPECT_EQ(SurDisque().TypeDes, 2);
  EXPECT_FALSE(VueSession().DemanderOuiNon(question)) << "a front end that asks nothing stays";
  session.APropos();
  EXPECT_EQ(journal.lignes.back(), "message " + TexteAPropos(Langue::Anglais));
}

// Files that cannot be written are told in a message box that says what each save was for,
// and the game goes on with what it holds; the next save tries again.
TEST_F(UneSession, AFolderThatCannotBeWrittenIsToldAtEachSaveAndTheGameGoesOn) {
  std::ofstream(dossier / "fichier") << "x";
  const fs::path jeu = dossier / "fichier" / "jeu";
  const EchecFichier echec{FichierDonnees::Options, OperationFichier::Ecriture,
                           CheminFichierOptions(jeu),
                           std::make_error_code(std::errc::not_a_directory)};
  auto message = [&](const ObjetSauvegarde& objet) {
    return "message " + MessageEchecSauvegarde(echec, objet, Langue::Anglais);
  };
  session.ChargerOptions({jeu, jeu});
  EXPECT_EQ(journal.lignes.back(), message({.quoi = ObjetSauvegarde::Quoi::TablesDefaut}));
  journal.lignes.clear();
  session.PanelOkParams_Click("Zoé", 1);
  EXPECT_EQ(journal.lignes.at(1), message({.quoi = ObjetSauvegarde::Quoi::Nom, .nom = "Zoé"}));
  EXPECT_TRUE(session.Ecran().partieCommencee);
}

// Undo takes back only what the game can, only on the sheet on screen, and says so. A game
// file that cannot be written is told once, until a save succeeds again; the game goes on.
TEST_F(UneSession, UndoIsToldAndAFailingSaveOfTheGameOnce) {
  session.ChargerOptions({dossier, dossier});
  session.PanelOkParams_Click("Zoé", 1);
  const fs::path fichier = CheminFichierPartie(dossier);
  fs::create_directory(fichier);  // no file can take its place
  auto messages = [&] {
    return std::ranges::count_if(journal.lignes, [](auto& l) { return l.starts_with("message"); });
  };
  Jeter("11111");
  const std::string avant = session.TexteInfo();
  session.Annuler();
  EXPECT_EQ(session.TexteInfo(), avant) << "nothing to take back";
  session.AppelCliqueCase(colonne::Libre, figure::As);
  session.AfficherScores();
  session.Annuler();
  EXPECT_TRUE(session.Etat().Cases(colonne::Libre, figure::As).Prise) << "the sheet is hidden";
  session.EffacerScores();
  session.Annuler();
  EXPECT_FALSE(session.Etat().Cases(colonne::Libre, figure::As).Prise);
  EXPECT_EQ(session.TexteInfo(), MsgCaseAnnulee(Langue::Anglais));
  EXPECT_EQ(messages(), 1);
  fs::remove(fichier);
  session.AppelCliqueCase(colonne::Libre, figure::As);
  fs::remove(fichier);
  fs::create_directory(fichier);
  Jeter("22222");
  EXPECT_EQ(messages(), 2);
}

// The mouse gives help only over what is on screen: a hidden square, the sheet while the
// high scores stand in its place, the dice area before the first game, or the high-score rows
// while they are hidden, leave the line as it is.
TEST_F(UneSession, HelpComesOnlyFromWhatIsOnScreen) {
  const std::string depart = session.TexteInfo();
  session.SurvolerPanel(Seul::PanelTotalDes);
  session.SurvolerPanelScore(Famille::PanelScoreNom, 3);
  EXPECT_EQ(session.TexteInfo(), depart);
  session.SurvolerBonus(bonus::Haut, colonne::Deux);  // six columns stand before a game
  EXPECT_EQ(session.TexteInfo(), *AppelMoveBonus(session.Etat(), bonus::Haut, 5, Langue::Anglais));

  session.PanelOkParams_Click("Zoé", 1);
  Jeter("12345");
  const std::string panneau = AppelMovePanel(Seul::PanelTotalDes, Langue::Anglais);
  session.SurvolerPanel(Seul::PanelTotalDes);
  EXPECT_EQ(session.TexteInfo(), panneau);
  session.SurvolerCase(colonne::Descente, figure::As);
  session.SurvolerBonus(bonus::Haut, colonne::Deux);
  EXPECT_EQ(session.TexteInfo(), panneau) << "columns out of play are hidden";
  session.SurvolerCase(colonne::Libre, figure::Suite);
  const std::string suite = *AppelMoveCase(session.Etat(), 1, figure::Suite, Langue::Anglais);
  EXPECT_EQ(session.TexteInfo(), suite);

  session.AfficherScores();
  session.SurvolerAire();
  session.SurvolerCase(colonne::Libre, figure::As);
  session.SurvolerBonus(bonus::Bas, colonne::Libre);
  EXPECT_EQ(session.TexteInfo(), suite) << "the sheet is not on screen";
  session.AppelCliqueCase(colonne::Libre, figure::Suite);
  EXPECT_FALSE(session.Etat().Cases(1, figure::Suite).Prise);
  session.SurvolerPanelScore(Famille::PanelScoreNom, 3);
  EXPECT_EQ(session.TexteInfo(), AppelMovePanelScore(Famille::PanelScoreNom, 3, Langue::Anglais));
  session.EffacerScores();
  session.SurvolerAire();
  EXPECT_EQ(session.TexteInfo(), "");
}

// After every move of a six-column game, and in a window of another size, the screen holds each
// square and each total as the sheet draws it. Without a folder no file is read or written, and the
// tables of a first run are drawn from the seed given.
TEST_F(UneSession, TheScreenShowsTheSheetAsDrawnAfterEveryMove) {
  auto verifier = [&] {
    const EtatPartie& e = session.Etat();
    for (int16_t c = 1; c <= NbColonnesMax; ++c) {
      for (int16_t f = 1; f <= NbFigures; ++f) {
        const DessinCase d = DessinDeCase(e, session.Aire(), c, f);
        const CaseALEcran& k = session.Ecran().cases[c][f];
        const auto& dessine = session.Dessin(c, f).apparence;
        ASSERT_TRUE(k.aspect == d.aspect && k.pointeur == d.Pointeur &&
                    (!d.apparence || (k.legende == d.apparence->Legende && dessine &&
                                      dessine->rect == d.apparence->rect)))
            << c << "," << f;
      }
      for (std::size_t i = 0; i < LignesTotaux.size(); ++i)
        ASSERT_EQ(session.Ecran().totaux[c][i], LegendeLigneTotal(e, LignesTotaux[i], c)) << c;
    }
  };
  HasardUniforme tirage(0);
  EXPECT_EQ(session.Scores(), HighScoresParDefaut(tirage));
  session.PanelOkParams_Click("Zoé", 3);
  verifier();
  for (auto [des, f] : {std::pair("11123", figure::As), std::pair("66666", figure::Yam)}) {
    Jeter(des);
    verifier();
    session.AppelCliqueCase(colonne::Libre, f);
    verifier();
  }
  session.DisposerZoneClient(LargeurEcranReference * 0.8, HauteurEcranReference * 0.9);
  verifier();  // the squares drawn take their places in the window's new size
  EXPECT_TRUE(fs::is_empty(dossier));
}

// The game in progress outlives its run: killed at any instant, a run comes back in the next one
// as it was after the gesture under way or the one before; and a file that is not a game never
// stops the run.
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

// A folder whose tables are empty, so that a game takes place 1, and whose history holds three
// games.
fs::path DossierNeuf() {
  const fs::path dossier = DossierTemporaire();
  EXPECT_TRUE(SauverOptions(dossier, DonneesOptions{}).Reussie());
  EXPECT_FALSE(EnregistrerParties(dossier, std::vector<PartieJouee>(3)));
  return dossier;
}

// The known game, with a kept die, an undo and the clock running.
using Geste = std::function<void(Session&)>;
std::vector<Geste> Gestes() {
  auto jeter = [](std::string_view faces) {
    return [faces](Session& s) {
      for (char d : faces) s.FileDes().Ajouter(static_cast<int16_t>(d - '0'));
      s.PanelOkDe_Click();
    };
  };
  std::vector<Geste> g = {[](Session& s) { s.PanelOkParams_Click("Zoé", 1); }};
  for (int16_t f = 1; f <= NbFigures; ++f) {
    const Geste ecrire = [f](Session& s) { s.AppelCliqueCase(colonne::Libre, f); };
    g.insert(g.end(), {jeter(DesPartieConnue[f - 1]), ecrire, [](Session& s) { s.Tic(7); }});
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
    // The history opens and holds the games recorded before, and the game once it has ended.
    const LectureHistorique lu = LireHistorique(dossier);
    EXPECT_TRUE(!lu.echec &&
                std::vector(lu.parties.begin(), lu.parties.begin() + 3) ==
                    std::vector<PartieJouee>(3) &&
                lu.parties.size() <= 3u + (geste + 1 >= gestes.size()))
        << tue;
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
  const fs::path aCote = fs::path(fichier).concat(".bad");
  EXPECT_EQ(abimee.messages,
            std::vector{MsgPartieIllisible(fichier.string(), aCote.string(), Langue::Francais)});
  EXPECT_TRUE(!abimee.s.PartieReprise() && fs::exists(aCote) && !fs::exists(fichier));
  fs::remove_all(dossier);
}

// The history keeps each game that ends and each game given up after its first throw, with the
// mode it was played in; what the statistics and the export show is what it holds.
TEST(Historique, EachGameEndAndEachGameGivenUpIsRecordedOnce) {
  const fs::path dossier = DossierNeuf();
  Lancement run(dossier);
  for (const auto& g : Gestes()) g(run.s);
  const EtatPartie fin = run.s.Etat();
  run.s.PanelOkParams_Click("Zoé", 3);
  run.s.AppelNouveau();  // before the first throw: nothing to keep
  run.s.PanelOkDe_Click();
  run.s.Tic(4);
  run.s.PanelOkParams_Click("Léa", 1);
  const LectureHistorique lu = LireHistorique(dossier);
  ASSERT_EQ(lu.parties.size(), 5u);  // after the three of DossierNeuf
  const PartieJouee& finie = lu.parties[3];
  const PartieJouee& abandonnee = lu.parties[4];
  EXPECT_EQ(std::tuple(finie.mode, finie.nom, finie.abandonnee, finie.score, finie.figures,
                       finie.secondes, finie.langue, finie.conseil),
            std::tuple(1, "Zoé", false, ScorePartieConnue, fin.NbFiguresRealisees,
                       7 * (NbFigures - 1), "fr", false));
  for (int16_t f = 1; f <= NbFigures; ++f)
    EXPECT_EQ(finie.cases[colonne::Libre][f], fin.Cases(colonne::Libre, f).Score);
  EXPECT_EQ(finie.totaux[1],
            (TotauxColonne{fin.TotalHaut[1], fin.BonusHaut[1], fin.TotalBas[1], fin.BonusBas[1]}));
  EXPECT_EQ(std::tuple(abandonnee.mode, abandonnee.nom, abandonnee.abandonnee, abandonnee.secondes),
            std::tuple(3, "Zoé", true, 4));
  EXPECT_EQ(run.s.StatistiquesHistorique(1).stats, CalculerStatistiques(lu.parties, 1));
  const fs::path csv = dossier / "export.csv";
  EXPECT_EQ(run.s.ExporterHistorique(csv), std::nullopt);
  std::ifstream f(csv, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), EnCsv(lu.parties));
  EXPECT_EQ(run.s.ExporterHistorique(dossier / "x" / "x.csv"),
            MessageEchecExport(dossier / "x" / "x.csv",
                               std::make_error_code(std::errc::no_such_file_or_directory),
                               Langue::Francais));
  fs::remove_all(dossier);
}

// A history that is random bytes, cut short, held by another program or that cannot be
// written is told once, with what the history reports of it; the games go on and the data
// files hold what their saves wrote. Once a game is recorded again, the next failure is told.
TEST(Historique, AFailingHistoryIsToldOnceAndCostsNothingElse) {
  const auto gestes = Gestes();
  using enum EchecHistorique::Nature;
  for (const auto& [panne, nature] :
       {std::pair<std::string, EchecHistorique::Nature>{"bytes", Abimee},
        {"cut", Abimee},
        {"locked", Verrouillee},
        {"folder", Inscription}}) {
    const fs::path dossier = DossierNeuf();
    const fs::path chemin = CheminHistorique(dossier);
    pid_t autre = 0;
    if (panne == "bytes") std::ofstream(chemin, std::ios::trunc) << std::string(5000, 'Z');
    if (panne == "cut") fs::resize_file(chemin, fs::file_size(chemin) / 2);
    if (panne == "folder") fs::remove(chemin), fs::create_directory(chemin);
    if (panne == "locked") {
      int tube[2];
      ASSERT_EQ(::pipe(tube), 0);
      if ((autre = ::fork()) == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(chemin.c_str(), &db);
        sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        (void)!::write(tube[1], "x", 1);
        ::pause();
      }
      char x;
      ASSERT_EQ(::read(tube[0], &x, 1), 1);
    }
    const std::optional<EchecHistorique> echec = EnregistrerParties(dossier, {});
    ASSERT_TRUE(echec && echec->nature == nature && echec->chemin == chemin) << panne;
    auto octets = [&] {
      std::ifstream f(chemin, std::ios::binary);
      if (!fs::is_regular_file(chemin)) return std::string("folder");
      return std::string(std::istreambuf_iterator<char>(f), {});
    };
    const std::string octetsAvant = octets();
    Lancement run(dossier);
    for (const auto& g : gestes) g(run.s);
    run.s.PanelOkParams_Click("Zoé", 1);
    run.s.PanelOkDe_Click();
    run.s.AppelNouveau();
    EXPECT_EQ(run.messages, (std::vector{MessagePlace(1, Langue::Francais),
                                         MessageEchecHistorique(*echec, Langue::Francais)}))
        << panne;
    EXPECT_EQ(Relire(dossier).scores, run.s.Scores());
    EXPECT_EQ(run.s.Scores()[1][1].score, ScorePartieConnue);
    EXPECT_EQ(octets(), octetsAvant) << panne;
    if (autre > 0) ::kill(autre, SIGKILL), ::waitpid(autre, nullptr, 0);
    fs::remove_all(chemin);
    run.s.PanelOkDe_Click();
    run.s.AppelNouveau();
    EXPECT_EQ(LireHistorique(dossier).parties.size(), 1u);
    fs::remove(chemin);
    fs::create_directory(chemin);
    run.s.PanelOkDe_Click();
    run.s.AppelNouveau();
    EXPECT_EQ(run.messages.size(), 3u) << panne;
    fs::remove_all(dossier);
  }
}

}  // namespace
}  // namespace rolvex

namespace rolvex {
namespace {

// A choice of the coach made through the player's gestures.
void JouerChoix(Session& s, const conseil::Choix& c) {
  if (c.genre != conseil::Choix::Genre::Garder) return s.AppelCliqueCase(c.colonne, c.figure);
  for (int16_t d = 1; d <= NbDes; ++d)
    if (s.Etat().NbJets > 0 && s.Etat().DesGardes[d] != c.garder[d])
      s.ImageDe_MouseDown(d, bouton::Gauche);
  s.PanelOkDe_Click();
}

int NbQuestions(const Journal& j) {
  return static_cast<int>(std::count_if(j.lignes.begin(), j.lignes.end(), [](const std::string& l) {
    return l.starts_with("question");
  }));
}

// The first hint asks, and a No leaves the game as it was; then the advice is the coach's for
// the dice on the table, until the next gesture. The game keeps its mark when resumed, and
// at its end it enters no table, however high its score.
TEST_F(UneSession, TheCoachAsksOnceAdvisesAsTheAdvisorAndItsGameEntersNoTable) {
  PoserTables(1);
  session.ChargerOptions({dossier, dossier});
  session.PanelOkParams_Click("Zoé", 1);
  Jeter("11111");
  session.DemanderConseil();
  EXPECT_EQ(journal.lignes.back(), "question " + std::string(QuestionConseil(Langue::Anglais)));
  EXPECT_FALSE(session.ConseilDemande());
  EXPECT_FALSE(session.Ecran().conseil);

  journal.reponse = true;
  session.DemanderConseil();
  session.DemanderConseil();
  EXPECT_EQ(NbQuestions(journal), 2);
  EXPECT_TRUE(session.ConseilDemande());
  conseil::Coach coach;
  const auto attendus = coach.Conseiller(session.Etat());
  ASSERT_EQ(session.Conseils().size(), attendus.size());
  const conseil::Choix& premier = attendus.front();
  EXPECT_DOUBLE_EQ(session.Conseils().front().esperance, premier.esperance);
  EXPECT_EQ(session.Ecran().conseil,
            (ConseilEcran{.garder = premier.genre == conseil::Choix::Genre::Garder,
                          .des = premier.genre == conseil::Choix::Genre::Garder ? premier.garder
                                                                                : ParDe<bool>{},
                          .colonne = premier.colonne,
                          .figure = premier.figure}));
  EXPECT_EQ(session.TexteInfo(),
            PhraseConseil(attendus, session.Etat().Des, 1, 1, Langue::Anglais));
  session.ImageDe_MouseDown(1, bouton::Gauche);
  EXPECT_FALSE(session.Ecran().conseil);
  EXPECT_TRUE(session.Conseils().empty());

  Journal autre;
  Session reprise{autre, Langue::Anglais, LargeurEcranReference, HauteurEcranReference, 0};
  reprise.ChargerOptions({dossier, dossier});
  EXPECT_TRUE(reprise.PartieReprise());
  EXPECT_TRUE(reprise.ConseilDemande());

  session.ImageDe_MouseDown(1, bouton::Gauche);
  session.AppelCliqueCase(colonne::Libre, 1);
  for (int16_t f = 2; f <= NbFigures; ++f) {
    Jeter(DesPartieConnue[f - 1]);
    session.AppelCliqueCase(colonne::Libre, f);
  }
  EXPECT_EQ(session.Etat().ScoreTotal, ScorePartieConnue);
  EXPECT_EQ(session.TexteInfo(), MsgHorsClassementCoach(Langue::Anglais));
  EXPECT_EQ(std::count(journal.lignes.begin(), journal.lignes.end(), "scores shown"), 0);
  EXPECT_EQ(SurDisque().Scores[1][1].score, ScorePartieConnue - 10);
  session.AppelNouveau();
  EXPECT_FALSE(session.ConseilDemande());
}

// Throws after the first, announcements and written squares are noted as the player made
// them, an undone square is not; after the game the review is the advisor's over them.
TEST_F(UneSession, TheDecisionsAreThePlayersAndTheReviewComesAfterTheGame) {
  session.PanelOkParams_Click("Zoé", 3);
  Jeter("66612");
  session.ImageDe_MouseDown(4, bouton::Gauche);
  session.ImageDe_MouseDown(5, bouton::Gauche);
  Jeter("66");
  session.AppelCliqueCase(colonne::Libre, figure::Yam);
  Jeter("55123");
  session.AppelCliqueCase(colonne::Annonce, figure::Cinq);  // announces
  for (int16_t f : {5, 5, 5}) session.FileDes().Ajouter(f);
  session.AppelCliqueCase(colonne::Annonce, figure::Cinq);  // keeps the fives, throws
  Jeter("4");
  session.AppelCliqueCase(colonne::Annonce, figure::Cinq);  // writes
  Jeter("12345");
  session.AppelCliqueCase(colonne::Libre, figure::Suite);
  session.Annuler();
  session.AppelCliqueCase(colonne::Deux, figure::Suite);

  using G = conseil::Choix::Genre;
  const std::vector<std::tuple<G, int16_t, int16_t, int>> attendues = {
      {G::Garder, 0, 0, 0b00111},
      {G::Ecrire, colonne::Libre, figure::Yam, 0},
      {G::Annoncer, 6, figure::Cinq, 0},
      {G::Garder, 0, 0, 0b00011},
      {G::Garder, 0, 0, 0b11111},
      {G::Ecrire, colonne::Annonce, figure::Cinq, 0},
      {G::Ecrire, colonne::Deux, figure::Suite, 0}};
  std::vector<std::tuple<G, int16_t, int16_t, int>> notees;
  for (const conseil::Decision& d : session.Decisions()) {
    int garde = 0;
    for (int16_t i = 1; i <= NbDes; ++i) garde |= d.fait.garder[i] << (i - 1);
    notees.emplace_back(d.fait.genre, d.fait.colonne, d.fait.figure, garde);
  }
  EXPECT_EQ(notees, attendues);

  session.DemanderRevue();
  EXPECT_TRUE(session.Revue().empty());
  conseil::Coach coach;
  while (!session.Etat().PartieTerminee)
    JouerChoix(session, coach.Conseiller(session.Etat()).front());
  ASSERT_TRUE(session.RevuePossible());
  session.DemanderRevue();
  const auto attendue = conseil::Revoir(session.Decisions());
  ASSERT_EQ(session.Revue().size(), attendue.size());
  for (std::size_t i = 0; i < attendue.size(); ++i)
    EXPECT_EQ(session.Revue()[i].numero, attendue[i].numero);
  EXPECT_EQ(session.TexteInfo(), session.TexteResumeRevue());
}

// With the odds on, the line tells the odds of every figure left to announce after the first
// throw, then those of the figure announced as its dice are kept.
TEST_F(UneSession, TheOddsOfTheAnnouncementsFollowTheDice) {
  session.PanelOkParams_Click("Zoé", 3);
  journal.reponse = true;
  session.BasculerChances();
  Jeter("66612");
  const auto feuille = conseil::Feuille::De(session.Etat());
  std::vector<std::pair<int16_t, double>> chances;
  for (int16_t f = 1; f <= NbFigures; ++f)
    chances.emplace_back(f,
                         conseil::ChancesDeFigure(feuille, colonne::Annonce, f, session.Etat().Des,
                                                  session.Etat().DesGardes, 1)
                             .auMieux);
  EXPECT_EQ(session.TexteInfo(), PhraseChancesAnnonces(chances, Langue::Anglais));
  session.AppelCliqueCase(colonne::Annonce, figure::Full);
  session.ImageDe_MouseDown(1, bouton::Gauche);
  const auto c = conseil::ChancesDeFigure(feuille, colonne::Annonce, figure::Full,
                                          session.Etat().Des, session.Etat().DesGardes, 1);
  EXPECT_LT(c.avecGardes, c.auMieux);
  EXPECT_EQ(session.TexteInfo(),
            PhraseChanceAnnoncee(figure::Full, c.avecGardes, c.auMieux, 2, Langue::Anglais));
  session.BasculerChances();
  session.ImageDe_MouseDown(1, bouton::Gauche);
  EXPECT_NE(session.TexteInfo().find("%"), std::string::npos);  // left as it was
  Jeter("");
  EXPECT_EQ(session.TexteInfo().find("%"), std::string::npos);
}

}  // namespace
}  // namespace rolvex
