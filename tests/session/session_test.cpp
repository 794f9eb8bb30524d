// One run of the game as every front end sees it: what the session reports, in what order, and
// what it reads and writes on disk. Rules and wordings are their own libraries' concern; here
// each must reach the right report at the right moment.
#include "session/session.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "records/data_files.h"
#include "records/file_store.h"
#include "texts/messages.h"

namespace rolvex {
namespace {

namespace fs = std::filesystem;

// Notes every report as one line, and answers the Yes/No question as told.
struct Journal : VueSession {
  std::vector<std::string> lignes;
  bool reponse = false;
  const Session* session = nullptr;
  fs::path dossier;  // where the files are looked at when the game starts

  void Noter(std::string ligne) { lignes.push_back(std::move(ligne)); }
  void Info(std::string_view t) override { Noter("info " + std::string(t)); }
  void PreparerNouvellePartie() override {
    std::error_code e;
    Noter("new game, options on disk: " +
          std::to_string(fs::file_size(CheminFichierOptions(dossier), e)));
  }
  void Scores(bool montres) override { Noter(montres ? "scores shown" : "scores hidden"); }
  void OptionsChargees() override { Noter("options " + session->NomJoueur()); }
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
  // The lines from `debut` on that begin with one of `prefixes`.
  std::vector<std::string> Depuis(std::size_t debut, std::vector<std::string> prefixes) const {
    std::vector<std::string> choisies;
    for (std::size_t i = debut; i < lignes.size(); ++i)
      for (const std::string& p : prefixes)
        if (lignes[i].starts_with(p)) choisies.push_back(lignes[i]);
    return choisies;
  }
};

// The 13 turns of a one-column game with known dice: 793 points, 7 figures.
constexpr int16_t ScorePartieConnue = 793;
constexpr std::string_view DesPartieConnue[] = {"11111", "22222", "33333", "44444", "55555",
                                                "66666", "66665", "11112", "33322", "44441",
                                                "12345", "11123", "66666"};

class UneSession : public testing::Test {
 protected:
  void SetUp() override {
    std::string modele = (fs::temp_directory_path() / "rolvex-session-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    dossier = modele;
    journal.session = &session;
    journal.dossier = dossier;
  }
  void TearDown() override { fs::remove_all(dossier); }

  void Jeter(std::string_view faces) {
    for (char f : faces) session.FileDes().Ajouter(static_cast<int16_t>(f - '0'));
    session.PanelOkDe_Click();
  }
  // Place p of every table holds "P<p>", so that the known game lands at `place`.
  void PoserTables(int place, int16_t modeJeu = 1) {
    DonneesOptions d;
    d.ModeJeu = modeJeu;
    d.NomJoueur = "Léa";
    for (int m = 1; m <= NbModes; ++m)
      for (int p = 1; p <= NbPlaces; ++p) {
        const int score =
            ScorePartieConnue + (p < place ? 10 * (place - p) : -10 * (p - place + 1));
        d.Scores[m][p] = {'P' + std::to_string(p), static_cast<int16_t>(score), 100, 5};
      }
    ASSERT_TRUE(SauverOptions(dossier, d).Reussie());
  }
  void Charger() { session.ChargerOptions({dossier, dossier}); }
  void JouerPartieConnue(int secondes = 75) {
    for (int s = 0; s < secondes; ++s) session.Tic();
    for (int16_t f = 1; f <= NbFigures; ++f) {
      Jeter(DesPartieConnue[f - 1]);
      session.AppelCliqueCase(colonne::Libre, f);
    }
  }
  DonneesOptions SurDisque() const {
    HasardUniforme tirage(0);
    auto lire = [](const fs::path& f) {
      std::ifstream in(f, std::ios::binary);
      return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
    };
    return DecoderFichiers(lire(CheminFichierOptions(dossier)), lire(CheminFichierNoms(dossier)),
                           tirage)
        .donnees;
  }

  fs::path dossier;
  Journal journal;
  Session session{journal, Langue::Anglais, LargeurEcranReference, HauteurEcranReference, 0};
};

// A game that enters the table is written in, shown with its row in red, saved, announced,
// and only then is the clock stopped, having given the table its time.
struct CasFin {
  int place;
  Langue langue;
};
class PlacesGagnees : public UneSession, public testing::WithParamInterface<CasFin> {};

TEST_P(PlacesGagnees, TheGameIsWrittenShownSavedAnnouncedThenTheClockStops) {
  const auto [place, langue] = GetParam();
  PoserTables(place);
  session.ChoisirLangue(langue);
  Charger();
  session.PanelOkParams_Click("Zoé", 1);
  const std::size_t debut = journal.lignes.size();
  JouerPartieConnue();
  ASSERT_TRUE(session.Etat().PartieTerminee);

  const HighScoreEntry attendue{"Zoé", ScorePartieConnue, 75, 7};
  EXPECT_EQ(session.Scores()[1][place], attendue);
  if (place < NbPlaces) {
    EXPECT_EQ(session.Scores()[1][place + 1].name, "P" + std::to_string(place));
  }
  EXPECT_EQ(SurDisque().Scores, session.Scores());
  EXPECT_EQ(journal.Depuis(debut, {"scores", "message",
                                   "info " + std::string(MsgAutrePartie(langue)), "clock"}),
            (std::vector<std::string>{
                "scores shown", "message " + MessagePlace(static_cast<int16_t>(place), langue),
                "info " + std::string(MsgAutrePartie(langue)), "clock off"}));
  const EcranSession& e = session.Ecran();
  EXPECT_TRUE(e.scoresMontres);
  EXPECT_EQ(e.placeEnRouge, place);
  EXPECT_EQ(e.tableScores, session.Scores()[1]);
  EXPECT_FALSE(e.okDeVisible);

  // The panel again from the menu keeps the red row; the next game hides it and clears it.
  session.EffacerScores();
  EXPECT_EQ(journal.lignes.back(), "scores hidden");
  session.AfficherScores();
  EXPECT_EQ(session.Ecran().placeEnRouge, place);
  session.AppelNouveau();
  EXPECT_FALSE(session.Ecran().scoresMontres);
  EXPECT_EQ(session.Ecran().placeEnRouge, 0);
  EXPECT_EQ(session.Horloge().SecondesPartie(), 0);
}

INSTANTIATE_TEST_SUITE_P(FinDePartie, PlacesGagnees,
                         testing::Values(CasFin{1, Langue::Anglais}, CasFin{2, Langue::Francais},
                                         CasFin{10, Langue::Anglais}),
                         [](const testing::TestParamInfo<CasFin>& c) {
                           return "Place" + std::to_string(c.param.place) +
                                  (c.param.langue == Langue::Francais ? "Fr" : "En");
                         });

TEST_F(UneSession, AGameBelowTheTableIsToldSoShowsNothingAndWritesNoFile) {
  PoserTables(NbPlaces + 1);
  Charger();
  session.PanelOkParams_Click("Zoé", 1);
  const auto avant = fs::last_write_time(CheminFichierOptions(dossier));
  struct stat etat {};
  ::stat(CheminFichierOptions(dossier).c_str(), &etat);
  const std::size_t debut = journal.lignes.size();
  JouerPartieConnue();
  EXPECT_EQ(journal.Depuis(debut, {"scores", "message", "info You", "clock"}),
            (std::vector<std::string>{"info " + std::string(MsgHorsClassement(Langue::Anglais)),
                                      "clock off"}));
  EXPECT_EQ(session.Ecran().placeEnRouge, 0);
  struct stat apres {};
  ::stat(CheminFichierOptions(dossier).c_str(), &apres);
  EXPECT_EQ(apres.st_ino, etat.st_ino) << "a save puts a new file in place";
  EXPECT_EQ(fs::last_write_time(CheminFichierOptions(dossier)), avant);
}

// The name dialog: an empty name is refused with a message and changes nothing; OK closes the
// dialog, and the mode and the name are on disk before the game starts.
TEST_F(UneSession, TheNameDialogRefusesAnEmptyNameAndSavesTheChoiceBeforeTheGame) {
  // Before the first game: the empty sheet, no throw button, no red row, no mode.
  const EcranSession& avant = session.Ecran();
  EXPECT_FALSE(avant.partieCommencee || avant.okDeVisible || avant.scoresMontres);
  EXPECT_EQ(avant.placeEnRouge, 0);
  EXPECT_EQ(session.LegendeModeColonnes(), "");
  Charger();  // a first run: the default files are written at once
  ASSERT_EQ(journal.lignes, (std::vector<std::string>{"options ", "faces 1"}));
  session.PanelOkParams_Click("", 2);
  EXPECT_EQ(journal.lignes.back(), "message " + std::string(MsgNomVide(Langue::Anglais)));
  EXPECT_FALSE(session.Ecran().partieCommencee);
  EXPECT_EQ(SurDisque().NomJoueur, "");

  const std::size_t debut = journal.lignes.size();
  session.PanelOkParams_Click("  ", 2);
  EXPECT_EQ(
      journal.Depuis(debut, {"dialog", "new game", "clock"}),
      (std::vector<std::string>{"dialog closed", "new game, options on disk: 184", "clock on"}));
  EXPECT_EQ(SurDisque().NomJoueur, "  ");
  EXPECT_EQ(SurDisque().ModeJeu, 2);
  EXPECT_EQ(session.Etat().NbColonnes, 3);
  EXPECT_EQ(session.LegendeModeColonnes(), LegendeModeColonnes(3, Langue::Anglais));

  session.PanelOkParams_Click("Zoé", 0);  // no option selected: the mode stays
  EXPECT_EQ(session.Etat().ModeJeu, 2);
  session.PanelOkParams_Click("Zoé", 1);
  EXPECT_EQ(session.LegendeModeColonnes(), LegendeModeColonnes(1, Langue::Anglais));
}

// Files that cannot be read or written are told in a message box and the game goes on with
// what it holds; the next save tries again.
TEST_F(UneSession, AFolderThatCannotBeWrittenIsToldAtEachSaveAndTheGameGoesOn) {
  const fs::path dessous = dossier / "fichier";
  std::ofstream(dessous) << "x";
  session.ChargerOptions({dessous / "jeu", dessous / "jeu"});
  ASSERT_EQ(journal.Depuis(0, {"message"}).size(), 1u);
  EXPECT_NE(journal.lignes.back().find((dessous / "jeu" / "options12.dat").string()),
            std::string::npos);
  session.PanelOkParams_Click("Zoé", 1);
  EXPECT_EQ(journal.Depuis(0, {"message"}).size(), 2u);
  EXPECT_TRUE(session.Ecran().partieCommencee);
  EXPECT_EQ(session.NomJoueur(), "Zoé");
}

// Without a folder nothing is read or written: the tables of a first run stay in memory,
// drawn from the seed given.
TEST_F(UneSession, WithoutAFolderTheDefaultTablesOfTheSeedStayInMemory) {
  HasardUniforme tirage(0);
  EXPECT_EQ(session.Scores(), HighScoresParDefaut(tirage));
  session.PanelOkParams_Click("Zoé", 1);
  JouerPartieConnue();
  EXPECT_EQ(session.Scores()[1][1].name, "Zoé");
  EXPECT_TRUE(fs::is_empty(dossier));
}

// Quitting asks first; on Yes the sheet goes, the farewell is said, the files are saved, and
// the run ends, in that order.
TEST_F(UneSession, QuittingAsksThenSaysGoodbyeSavesAndEnds) {
  Charger();
  session.PanelOkParams_Click("Zoé", 1);
  const std::size_t debut = journal.lignes.size();
  session.DemanderQuitter();
  EXPECT_EQ(journal.Depuis(debut, {""}),
            (std::vector<std::string>{"question " + QuestionQuitter(Langue::Anglais)}));
  session.ChoisirFaces(2);
  journal.reponse = true;
  const std::size_t oui = journal.lignes.size();
  session.DemanderQuitter();
  EXPECT_EQ(
      journal.Depuis(oui, {""}),
      (std::vector<std::string>{"question " + QuestionQuitter(Langue::Anglais), "unload",
                                "message " + std::string(TexteAuRevoir(Langue::Anglais)), "end"}));
  EXPECT_EQ(SurDisque().TypeDes, 2) << "saved before the end";

  // A front end that asks nothing never quits.
  VueSession muette;
  Session sans(muette, Langue::Anglais, LargeurEcranReference, HauteurEcranReference, 0);
  sans.ChargerOptions({dossier, dossier});
  sans.ChoisirFaces(1);
  sans.DemanderQuitter();
  EXPECT_EQ(SurDisque().TypeDes, 2);
  session.APropos();
  EXPECT_EQ(journal.lignes.back(), "message " + TexteAPropos(Langue::Anglais));
}

// The game clock runs from a new game to its end and keeps at most TempsMaximum seconds.
TEST(ChronoDeJeu, CountsSecondsIntoMinutesFromANewGameToItsEnd) {
  Chrono c;
  c.TimerChrono_Timer();
  EXPECT_EQ(c.SecondesPartie() + c.SecondesChrono() + c.MinutesChrono(), 0)
      << "stopped until a game starts";
  c.Demarrer();
  for (int s = 0; s < 121; ++s) c.TimerChrono_Timer();
  EXPECT_EQ(c.MinutesChrono(), 2);
  EXPECT_EQ(c.SecondesChrono(), 1);
  EXPECT_EQ(c.SecondesPartie(), 121);
  for (int s = 121; s < 3900; ++s) c.TimerChrono_Timer();
  EXPECT_EQ(c.MinutesChrono(), 65);
  EXPECT_EQ(c.SecondesPartie(), TempsMaximum);
  c.Arreter();
  c.TimerChrono_Timer();
  EXPECT_EQ(c.SecondesChrono(), 0);
  c.Demarrer();
  EXPECT_EQ(c.SecondesPartie(), 0);
}

// The mouse gives help only over what is on screen: a hidden square, the sheet while the
// high scores stand in its place, the dice area before the first game, or the high-score rows
// while they are hidden, leave the line as it is.
TEST_F(UneSession, HelpComesOnlyFromWhatIsOnScreen) {
  auto info = [&] { return session.TexteInfo(); };
  const std::string depart = info();
  session.SurvolerPanel(Seul::PanelTotalDes);
  session.SurvolerPanelScore(Famille::PanelScoreNom, 3);
  EXPECT_EQ(info(), depart);
  session.SurvolerBonus(bonus::Haut, colonne::Deux);  // six columns stand before a game
  EXPECT_EQ(info(), *AppelMoveBonus(session.Etat(), bonus::Haut, 5, Langue::Anglais));

  session.PanelOkParams_Click("Zoé", 1);
  Jeter("12345");
  const std::string panneau = AppelMovePanel(Seul::PanelTotalDes, Langue::Anglais);
  session.SurvolerPanel(Seul::PanelTotalDes);
  EXPECT_EQ(info(), panneau);
  session.SurvolerCase(colonne::Descente, figure::As);
  session.SurvolerBonus(bonus::Haut, colonne::Deux);
  EXPECT_EQ(info(), panneau) << "columns out of play are hidden";
  session.SurvolerCase(colonne::Libre, figure::Suite);
  const std::string suite = *AppelMoveCase(session.Etat(), 1, figure::Suite, Langue::Anglais);
  EXPECT_EQ(info(), suite);

  session.AfficherScores();
  session.SurvolerAire();
  session.SurvolerCase(colonne::Libre, figure::As);
  EXPECT_EQ(info(), suite) << "the sheet is not on screen";
  session.AppelCliqueCase(colonne::Libre, figure::Suite);
  EXPECT_FALSE(session.Etat().Cases(1, figure::Suite).Prise);
  session.SurvolerPanelScore(Famille::PanelScoreNom, 3);
  EXPECT_EQ(info(), AppelMovePanelScore(Famille::PanelScoreNom, 3, Langue::Anglais));
  session.EffacerScores();
  session.SurvolerAire();
  EXPECT_EQ(info(), "");
}

// The screen as last drawn: a free square offers its score once the dice are thrown, a taken
// one shows it, and a hidden one keeps the caption it last showed.
TEST_F(UneSession, EachSquareShowsWhatWasLastDrawnThere) {
  session.PanelOkParams_Click("Zoé", 2);
  EXPECT_EQ(session.Ecran().cases[colonne::Descente][figure::As].aspect, Aspect::Libre);
  EXPECT_EQ(session.Ecran().cases[colonne::Descente][figure::Deux].aspect, Aspect::Cachee);
  Jeter("11123");
  const CaseALEcran& as = session.Ecran().cases[colonne::Libre][figure::As];
  EXPECT_EQ(as.legende, "3");
  EXPECT_EQ(as.pointeur, PointeurFlecheHaut);
  session.AppelCliqueCase(colonne::Libre, figure::As);
  EXPECT_EQ(as.aspect, Aspect::Prise);
  EXPECT_EQ(as.pointeur, PointeurInterdit);
  EXPECT_EQ(session.Ecran().totaux[colonne::Libre][0], "3");
  EXPECT_EQ(session.Dessin(colonne::Libre, figure::As).apparence->Legende, "3");

  EXPECT_EQ(session.Ecran().imagesDes[1], ImageDeFond);
  session.ChoisirMode(3);
  session.AppelNouveau();
  Jeter("66666");
  EXPECT_EQ(session.Ecran().cases[colonne::Annonce][figure::Yam].legende, "100");
  EXPECT_EQ(session.Ecran().totaux[colonne::Annonce][3], "");
  EXPECT_EQ(session.Ecran().imagesDes[1], 5);
  session.ChoisirFaces(2);
  EXPECT_EQ(session.Ecran().imagesDes[1], 11);
  EXPECT_EQ(journal.lignes.back(), "faces 2");
  EXPECT_EQ(session.TexteFigure(), Texte(TexteFigure::TexteYam, Langue::Anglais));
}

}  // namespace
}  // namespace rolvex
