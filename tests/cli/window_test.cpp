// The driver plays the window around the game: its texts, the hover help, the end of a game
// against the high scores, the name dialog and the data files. The wording itself is the texts'
// concern; here each control must get the right text, for the right square and language.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "records/data_files.h"
#include "records/file_store.h"
#include "texts/hover_help.h"
#include "texts/messages.h"
#include "tools/cli/driver.h"

namespace rolvex::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;
constexpr Langue Langues[] = {Langue::Francais, Langue::Anglais};

void Jouer(Pilote& p, std::initializer_list<std::string_view> lignes) {
  for (std::string_view l : lignes) {
    const Reponse r = p.Executer(l);
    EXPECT_FALSE(r.refus) << l << ": " << r.refus.value_or("");
  }
}
std::string_view Choix(Langue langue) { return langue == Langue::Anglais ? "lang en" : "lang fr"; }
std::string Ligne(std::string_view commande, int a, int b) {
  return std::string(commande) + " " + std::to_string(a) + " " + std::to_string(b);
}

// One turn with a single throw: the dice, the throw, the square written.
void Tour(Pilote& p, std::string_view des, int colonne, int figure) {
  std::string ligneDes = "dice";
  for (char d : des) ligneDes += std::string(" ") + d;
  Jouer(p, {ligneDes, "ok", Ligne("click", colonne, figure)});
}

std::string Info(const Pilote& p) { return p.EtatJson()["info"]; }

// The 13 turns of a one-column game with known dice: 105 above with the bonus of 100, every
// lower figure made (319) with the bonus of 200 and (29 − 6) × 3: 793 points, 7 figures.
constexpr int ScorePartieConnue = 793;
void PartieConnue(Pilote& p) {
  constexpr std::string_view des[] = {"11111", "22222", "33333", "44444", "55555", "66666", "66665",
                                      "11112", "33322", "44441", "12345", "11123", "66666"};
  for (int f = 1; f <= NbFigures; ++f) Tour(p, des[f - 1], 1, f);
}

// Every caption of the language reaches its control, and the information line guides the
// player from start-up through each step of a turn.
TEST(Demarrage, EveryCaptionOfTheLanguageReachesItsControl) {
  for (const Langue langue : Langues) {
    Pilote p;
    Jouer(p, {Choix(langue)});
    const Json legendes = p.EtatJson()["captions"];
    for (const Legende& l : InitTextesLangue(langue).legendes)
      EXPECT_EQ(legendes.value(l.controle, "<absent>"), l.texte) << l.controle;
  }
}

TEST(Demarrage, EachStepOfATurnTellsWhatToDoNextInTheLanguage) {
  Pilote fr;
  EXPECT_EQ(Info(fr),
            "Pour jouer, sélectionnez le menu Yam->Nouvelle partie ou appuyez sur la touche F2.");
  for (const Langue langue : Langues) {
    Pilote p;
    Jouer(p, {Choix(langue)});
    EXPECT_EQ(Info(p), Texte(Message::MsgPourJouer, langue));
    Jouer(p, {"new 1"});
    EXPECT_EQ(Info(p), Texte(Message::MsgNouveauTirage, langue));
    Jouer(p, {"ok"});
    EXPECT_EQ(Info(p), Texte(Message::MsgBoutonsSouris, langue));
    Jouer(p, {"left 1", "ok"});
    EXPECT_EQ(Info(p), Texte(Message::MsgChoisirOuJeter, langue));
    Jouer(p, {"left 1", "ok"});
    EXPECT_EQ(Info(p), Texte(Message::MsgChoisirCase, langue));
  }
  Pilote en;
  Jouer(en, {"lang en", "new 1"});
  EXPECT_EQ(Info(en), "Click on the button OK to go on th next drawing...");
}

// Before the first game the empty sheet is on screen and nothing on it can be chosen.
TEST(SurvolAvantPartie, NothingCanBeChosenAndOnlyTheBareSheetAndTheBonusesSpeak) {
  Pilote p;
  const Json feuille = p.EtatJson()["sheet"];
  for (const Json& colonne : feuille)
    for (const Json& k : colonne) {
      EXPECT_EQ(k["look"], "free");
      EXPECT_EQ(k["caption"], "");
      EXPECT_EQ(k["pointer"], 12);
    }
  const std::string depart = Info(p);
  Jouer(p, {"hover 1 1", "hover 6 13", "panel PanelTotalDés", "panel PanelScoreNom 1"});
  EXPECT_EQ(Info(p), depart);
  Jouer(p, {"bare"});
  EXPECT_EQ(Info(p), "");
  Jouer(p, {"bonus 1 4"});
  EXPECT_EQ(Info(p), "Il vous manque 60 points pour obtenir le premier bonus de 30 points !");
}

// A square explains its column, then its figure, only while it may be written.
TEST(SurvolCases, EverySquareOpenAfterAThrowGivesItsOwnHelpInTheLanguage) {
  for (const Langue langue : Langues) {
    Pilote p;
    Jouer(p, {Choix(langue), "new 3", "dice 6 6 6 6 5", "ok"});
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      for (int16_t f = 1; f <= NbFigures; ++f) {
        if (!p.Etat().Cases(c, f).Visible) continue;
        Jouer(p, {Ligne("hover", c, f)});
        EXPECT_EQ(Info(p), AppelMoveCase(p.Etat(), c, f, langue).value_or("?")) << c << "," << f;
      }
  }
  Pilote p;
  Jouer(p, {"lang en", "new 1", "dice 1 2 3 4 5", "ok", "hover 1 11"});
  EXPECT_EQ(Info(p),
            "The Free column (always available)\rSequence 12345 equals 45\ror\rSequence 23456 "
            "equals 50");
  Jouer(p, {"lang fr", "new 3", "dice 1 2 3 4 5", "ok", "hover 5 1"});
  EXPECT_EQ(Info(p), "La Deux (2 jets maximum) \rAs");
}

TEST(SurvolCases, AHiddenOrTakenSquareOrOneBeforeTheThrowLeavesTheLine) {
  Pilote p;
  Jouer(p, {"new 2", "hover 1 1"});  // no throw yet
  EXPECT_EQ(Info(p), "Cliquez sur le bouton OK pour effectuer un nouveau tirage...");
  Tour(p, "11111", 1, 1);
  Jouer(p, {"dice 5 5 5 1 2", "ok"});
  ASSERT_FALSE(p.Etat().Cases(colonne::Descente, 5).Visible);
  ASSERT_TRUE(p.Etat().Cases(colonne::Descente, 5).Selectionnable);
  const std::string apresJet = Info(p);
  Jouer(p, {"hover 1 1", "hover 2 5"});  // taken; hidden although selectable
  EXPECT_EQ(Info(p), apresJet);
  Jouer(p, {"hover 2 1"});
  EXPECT_EQ(Info(p), "La Descente (de haut en bas)\rAs");
  Jouer(p, {"bare"});
  EXPECT_EQ(Info(p), "");
}

// The bonus squares tell how far their column is from its bonus, or what it has earned.
TEST(SurvolBonus, TheUpperBonusFollowsTheRunningTotalOfItsColumn) {
  Pilote p;
  Jouer(p, {"new 1"});
  for (auto [des, f] :
       {std::pair{"66666", 6}, {"55555", 5}, {"33311", 3}, {"22222", 2}, {"44444", 4}}) {
    Tour(p, des, 1, f);
    for (const Langue langue : Langues) {
      Jouer(p, {Choix(langue), "bonus 1 1"});
      EXPECT_EQ(Info(p), AppelMoveBonus(p.Etat(), bonus::Haut, 1, langue).value_or("?")) << f;
    }
  }
  EXPECT_EQ(Info(p), "Congratulations, you get the 100 points bonus !");
}

TEST(SurvolBonus, TheLowerBonusSaysWhatEachColumnHasEarned) {
  Pilote p;
  Jouer(p, {"new 2"});
  // Libre: 75 above, then the seven lower figures; Montée: the seven, nothing above.
  Tour(p, "66666", 1, 6);
  Tour(p, "55555", 1, 5);
  Tour(p, "44444", 1, 4);
  constexpr std::string_view bas[] = {"66665", "11112", "33322", "44441",
                                      "12345", "11123", "66666"};
  for (int f = figure::Maxi; f <= figure::Yam; ++f) Tour(p, bas[f - figure::Maxi], 1, f);
  for (int f = figure::Yam; f >= figure::Maxi; --f) Tour(p, bas[f - figure::Maxi], 3, f);
  for (const Langue langue : Langues) {
    std::vector<std::string> vus;
    for (int c = 1; c <= 3; ++c) {
      Jouer(p, {Choix(langue), Ligne("bonus", 2, c)});
      vus.push_back(Info(p));
      EXPECT_EQ(vus.back(), AppelMoveBonus(p.Etat(), bonus::Bas, static_cast<int16_t>(c), langue))
          << c;
    }
    EXPECT_NE(vus[0], vus[1]);
    EXPECT_NE(vus[0], vus[2]);
    EXPECT_NE(vus[1], vus[2]);
  }
  EXPECT_EQ(Info(p), "You get the 100 points bonus because you got all the figures of the column.");
}

TEST(SurvolBonus, OnlyTheColumnsInPlayHaveBonusSquaresAndAnnonceGivesItsLowerOneToo) {
  Pilote p;
  Jouer(p, {"new 1", "bare", "bonus 1 2", "bonus 2 6"});
  EXPECT_EQ(Info(p), "");
  Jouer(p, {"new 3", "bonus 2 6"});
  EXPECT_EQ(GesteAideBonus(bonus::Bas, colonne::Annonce), GesteAide::Clic);
  EXPECT_EQ(Info(p),
            "Pour obtenir le bonus du bas, vous devez réaliser toutes les figures de la colonne.");
}

// The panels of the dice area explain themselves whatever the state of the game.
TEST(SurvolPanels, TheDiceAreaPanelsGiveTheirHelpInTheLanguage) {
  using Panel = std::pair<std::string_view, PanelAide>;
  for (const Langue langue : Langues) {
    Pilote p;
    Jouer(p, {Choix(langue), "new 1"});
    for (auto [nom, panel] : {Panel{"PanelFigureRéalisée", PanelAide::PanelFigureRealisee},
                              Panel{"PanelTotalDés", PanelAide::PanelTotalDes},
                              Panel{"PanelScoreTotal", PanelAide::PanelScoreTotal}}) {
      Jouer(p, {"panel " + std::string(nom)});
      EXPECT_EQ(Info(p), AppelMovePanel(panel, langue)) << nom;
    }
  }
  Pilote p;
  Jouer(p, {"new 1", "panel PanelTotalDés"});
  EXPECT_EQ(Info(p), "Somme des 5 dés actuellement tirés.");
}

// The end of a game against the high scores: the files written here are the tables played
// against. Place p of the one-column table holds "P<p>" and lands the known game at `place`.
class FinAvecFichiers : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string modele = (fs::temp_directory_path() / "rolvex-cli-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    dossier = modele;
  }
  void TearDown() override { fs::remove_all(dossier); }

  void EcrireTables(int place) {
    DonneesOptions d;
    d.ModeJeu = 1;
    d.NomJoueur = "Léa";
    for (int m = 1; m <= NbModes; ++m)
      for (int p = 1; p <= NbPlaces; ++p) {
        const int score = p < place ? ScorePartieConnue + 10 * (place - p)
                                    : ScorePartieConnue - 10 * (p - place + 1);
        d.Scores[m][p] = {'P' + std::to_string(p), static_cast<int16_t>(score), 100, 5};
      }
    ASSERT_TRUE(SauverOptions(dossier, d).Reussie());
  }

  std::vector<std::uint8_t> Octets(const char* nom) const {
    std::ifstream f(dossier / nom, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }

  // Loads the tables, gives the name in the dialog and plays the known game in 75 seconds.
  Json JouerPartie(Pilote& p, std::string_view langue) {
    Jouer(p, {langue, "data " + dossier.string(), "name Zoé", "tick 75"});
    PartieConnue(p);
    return Json::parse(p.Executer("state").sortie.value_or("{}"));
  }

  fs::path dossier;
};

struct CasFin {
  int place;
  Langue langue;
};
void PrintTo(const CasFin& c, std::ostream* os) {
  *os << "place " << c.place << (c.langue == Langue::Francais ? " in French" : " in English");
}

class PlacesGagnees : public FinAvecFichiers, public ::testing::WithParamInterface<CasFin> {};

TEST_P(PlacesGagnees, TheGameIsWrittenShownSavedAndAnnounced) {
  const CasFin& cas = GetParam();
  EcrireTables(cas.place);
  Pilote p;
  const Json fin = JouerPartie(p, Choix(cas.langue));
  ASSERT_EQ(fin["over"], true);
  ASSERT_EQ(fin["total"], ScorePartieConnue);
  EXPECT_EQ(fin["place"], cas.place);
  EXPECT_EQ(fin["scoresShown"], true);
  EXPECT_EQ(fin["messages"],
            Json::array({MessagePlace(static_cast<int16_t>(cas.place), cas.langue)}));
  EXPECT_EQ(fin["info"], MsgAutrePartie(cas.langue));
  const std::size_t rang = static_cast<std::size_t>(cas.place - 1);
  EXPECT_EQ(fin["highScores"][rang],
            Json::parse(R"({"name":"Zoé","score":793,"time":75,"figures":7})"));
  if (cas.place < NbPlaces) {
    EXPECT_EQ(fin["highScores"][rang + 1]["name"], "P" + std::to_string(cas.place));
  }
  const std::string ligne = std::to_string(cas.place);
  EXPECT_EQ(fin["captions"]["PanelScoreNom(" + ligne + ")"], "Zoé");
  EXPECT_EQ(fin["captions"]["PanelScoreTemps(" + ligne + ")"], "01:15");
  EXPECT_EQ(fin["captions"]["PanelScoreScore(" + ligne + ")"], "793");
  EXPECT_EQ(fin["captions"]["PanelScoreClassement(" + ligne + ")"], ligne);

  // The message box is shown once.
  EXPECT_EQ(Json::parse(*p.Executer("state").sortie)["messages"], Json::array());

  // On disk, as the next run reads it.
  Pilote suivant;
  Jouer(suivant, {"data " + dossier.string()});
  const Json relu = suivant.EtatJson();
  EXPECT_EQ(relu["highScores"], fin["highScores"]);
  EXPECT_EQ(relu["captions"]["TextName"], "Zoé");
  EXPECT_EQ(relu["mode"], 1);
}

INSTANTIATE_TEST_SUITE_P(FinDePartie, PlacesGagnees,
                         ::testing::Values(CasFin{1, Langue::Anglais}, CasFin{2, Langue::Francais},
                                           CasFin{10, Langue::Anglais}));

TEST_F(FinAvecFichiers, AGameBelowTheTableIsToldSoAndWritesNoFile) {
  EcrireTables(NbPlaces + 1);
  Pilote p;
  Jouer(p, {"lang en", "data " + dossier.string(), "name Zoé"});
  const auto options = Octets("options12.dat");
  const auto noms = Octets("names12.dat");
  Jouer(p, {"faces 2"});  // kept by the next save only: a save would show
  PartieConnue(p);
  const Json fin = p.EtatJson();
  EXPECT_EQ(fin["over"], true);
  EXPECT_EQ(fin["place"], 0);
  EXPECT_EQ(fin["scoresShown"], false);
  EXPECT_EQ(fin["messages"], Json::array());
  EXPECT_EQ(fin["info"], MsgHorsClassement(Langue::Anglais));
  EXPECT_EQ(fin["highScores"][9]["name"], "P10");
  EXPECT_EQ(Octets("options12.dat"), options);
  EXPECT_EQ(Octets("names12.dat"), noms);

  // After the end the sheet and the bonus squares leave the message; the panels still speak.
  Jouer(p, {"bare", "bonus 1 1", "hover 1 1"});
  EXPECT_EQ(Info(p), MsgHorsClassement(Langue::Anglais));
  Jouer(p, {"panel PanelScoreTotal"});
  EXPECT_EQ(Info(p), AppelMovePanel(PanelAide::PanelScoreTotal, Langue::Anglais));
}

TEST_F(FinAvecFichiers, TheHighScorePanelExplainsItsRowsUntilANewGameHidesIt) {
  EcrireTables(4);
  Pilote p;
  JouerPartie(p, "lang fr");
  using Aide = std::tuple<std::string_view, PanelScore, int16_t>;
  for (const Langue langue : Langues) {
    Jouer(p, {Choix(langue)});
    for (auto [nom, panel, rang] :
         {Aide{"PanelScoreClassement", PanelScore::PanelScoreClassement, 4},
          Aide{"PanelScoreNom", PanelScore::PanelScoreNom, 3},
          Aide{"PanelScoreTemps", PanelScore::PanelScoreTemps, 10},
          Aide{"PanelScoreNbFigures", PanelScore::PanelScoreNbFigures, 1},
          Aide{"PanelScoreScore", PanelScore::PanelScoreScore, 7}}) {
      Jouer(p, {"panel " + std::string(nom) + " " + std::to_string(rang)});
      EXPECT_EQ(Info(p), AppelMovePanelScore(panel, rang, langue)) << nom;
    }
  }
  Jouer(p, {"panel PanelScoreNom 3"});
  EXPECT_EQ(Info(p), " Name of the player at position 3");
  // The high scores stand over the sheet: nothing of it gets the mouse.
  Jouer(p, {"bare", "bonus 1 1", "hover 1 1"});
  EXPECT_EQ(Info(p), " Name of the player at position 3");
  // A new game hides them; the rows keep what they showed but no longer speak.
  Jouer(p, {"new 1"});
  const Json j = p.EtatJson();
  EXPECT_EQ(j["scoresShown"], false);
  EXPECT_EQ(j["place"], 0);
  EXPECT_EQ(j["captions"]["PanelScoreNom(4)"], "Zoé");
  Jouer(p, {"panel PanelScoreNom 4"});
  EXPECT_EQ(Info(p), Texte(Message::MsgNouveauTirage, Langue::Anglais));
}

// The name dialog: an empty name is refused and changes nothing; OK saves the mode chosen and
// the name, then starts the game.
TEST_F(FinAvecFichiers, OkSavesTheSelectedModeAndTheNameBeforeTheGameStarts) {
  EcrireTables(1);
  Pilote p;
  Jouer(p, {"lang en", "data " + dossier.string(), "mode 3"});
  const auto avant = Octets("options12.dat");
  Jouer(p, {"name"});
  Json j = p.EtatJson();
  EXPECT_EQ(j["messages"], Json::array({"Please enter you name..."}));
  EXPECT_EQ(j["turn"], 0);
  EXPECT_EQ(j["mode"], 1);
  EXPECT_EQ(j["captions"]["TextName"], "");
  EXPECT_EQ(Octets("options12.dat"), avant);
  EXPECT_TRUE(p.Executer("ok").refus) << "no game was started";

  Jouer(p, {"mode 2", "name Ugo"});
  EXPECT_EQ(p.Etat().ModeJeu, 2);
  EXPECT_EQ(p.Etat().NbColonnes, 3);
  EXPECT_EQ(p.EtatJson()["captions"]["TextName"], "Ugo");
  const auto options = Octets("options12.dat");
  const auto noms = Octets("names12.dat");
  ASSERT_EQ(options.size(), TailleFichierOptions);
  EXPECT_EQ(options[0], 2);
  EXPECT_EQ(noms[0], 3);
  EXPECT_EQ(std::string(noms.begin() + 2, noms.begin() + 5), "Ugo");
}

TEST_F(FinAvecFichiers, AFirstRunInAnEmptyFolderWritesTheDefaultFiles) {
  Pilote p;
  Jouer(p, {"data " + dossier.string()});
  EXPECT_EQ(fs::file_size(dossier / "options12.dat"), TailleFichierOptions);
  EXPECT_EQ(fs::file_size(dossier / "names12.dat"), TailleFichierNoms);
  const Json j = p.EtatJson();
  EXPECT_EQ(j["highScores"][0]["name"], "Gustave");
  EXPECT_EQ(j["highScores"][0]["score"], 2207);
  EXPECT_EQ(j["mode"], 3);
  EXPECT_EQ(j["captions"]["TextName"], "");
  EXPECT_EQ(j["messages"], Json::array());
}

TEST_F(FinAvecFichiers, DataIsReadOnceBeforeTheFirstGame) {
  Pilote p;
  Jouer(p, {"new 1"});
  const Reponse r = p.Executer("data " + dossier.string());
  ASSERT_TRUE(r.refus);
  EXPECT_NE(r.refus->find("before the first game"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(dossier));
}

TEST_F(FinAvecFichiers, AFolderThatCannotBeWrittenIsReportedAndTheGameGoesOn) {
  std::ofstream(dossier / "fichier") << "x";
  const fs::path impossible = dossier / "fichier" / "scores";
  Pilote p;
  Jouer(p, {"lang en", "data " + impossible.string()});
  const Json j = p.EtatJson();
  ASSERT_EQ(j["messages"].size(), 1u);
  EXPECT_EQ(j["messages"][0].get<std::string>().rfind(
                "The file " + (impossible / "options12.dat").string() + " could not be saved (", 0),
            0u);
  EXPECT_EQ(j["highScores"][0]["name"], "Gustave");
  Jouer(p, {"new 1", "tick 30"});
  PartieConnue(p);
  const Json fin = p.EtatJson();
  EXPECT_EQ(fin["place"], 1) << "the tables in memory take the game";
  ASSERT_EQ(fin["messages"].size(), 3u) << "the failed load, the failed save, the place";
  EXPECT_EQ(fin["messages"][2], MessagePlace(1, Langue::Anglais));
}

// The captions of the window before a game and once it has ended.
TEST(LegendesFenetre, BeforeAGameTheSheetIsEmptyAndTheDialogInvitesAName) {
  Pilote p;
  Jouer(p, {"lang en"});
  const Json l = p.EtatJson()["captions"];
  EXPECT_EQ(l["TextName"], "Your name...");
  for (const char* vide : {"PanelModeColonnes", "CaseTotalHautLibre", "PanelScoreTotal"})
    EXPECT_EQ(l[vide], "") << vide;
  EXPECT_EQ(l["PanelOkDé"], "OK");
}

// Without a folder the driver plays against tables in memory, the same on every run; after
// the game the totals, bonuses and mode are shown.
TEST(LegendesFenetre, AfterAGameWithoutAFolderTheTablesInMemoryTakeItAndTheTotalsAreShown) {
  const Json defaut = Pilote{}.EtatJson()["highScores"];
  EXPECT_EQ(defaut, Pilote{}.EtatJson()["highScores"]);
  EXPECT_EQ(defaut[0], Json::parse(R"({"name":"Gustave","score":2207,"time":731,"figures":34})"));
  Pilote p;
  Jouer(p, {"new 1"});
  PartieConnue(p);
  const Json j = p.EtatJson();
  EXPECT_EQ(j["place"], 1);
  EXPECT_EQ(j["highScores"][0]["score"], ScorePartieConnue);
  EXPECT_EQ(j["highScores"][0]["name"], "");
  EXPECT_EQ(j["highScores"][1]["name"], "Gustave");
  const Json& l = j["captions"];
  EXPECT_EQ(l["CaseTotalHautLibre"], "105");
  EXPECT_EQ(l["CaseBonusHautLibre"], "+ 100");
  EXPECT_EQ(l["CaseTotalBasLibre"], "319");
  EXPECT_EQ(l["CaseBonusBasLibre"], "+ 269");
  EXPECT_EQ(l["CaseTotalHautDescente"], "");
  EXPECT_EQ(l["PanelScoreTotal"], "793");
  EXPECT_EQ(l["PanelModeColonnes"], "1 colonnes");
  EXPECT_EQ(l["PanelInfoDéroulement"], MsgAutrePartie(Langue::Francais));
  Jouer(p, {"lang en"});
  EXPECT_EQ(p.EtatJson()["captions"]["PanelModeColonnes"], "1 columns");
}

// Each square shows what the window last drew there; a hidden one keeps its caption.
TEST(CasesALEcran, FreeSquaresOfferTheirScoreAndTakenOnesShowItInset) {
  Pilote p;
  Jouer(p, {"new 1", "dice 3 3 3 2 2", "ok"});
  Json feuille = p.EtatJson()["sheet"];
  EXPECT_EQ(feuille[0][2]["caption"], "9");
  EXPECT_EQ(feuille[0][2]["look"], "free");
  EXPECT_EQ(feuille[0][2]["pointer"], 10);
  EXPECT_EQ(feuille[0][0]["caption"], "0");
  EXPECT_EQ(feuille[1][0]["look"], "hidden") << "Descente is not in play";
  EXPECT_EQ(feuille[1][0]["pointer"], 12);
  Jouer(p, {"click 1 1"});
  feuille = p.EtatJson()["sheet"];
  EXPECT_EQ(feuille[0][0]["caption"], "OOO");
  EXPECT_EQ(feuille[0][0]["look"], "taken");
  EXPECT_EQ(feuille[0][0]["pointer"], 12);
  EXPECT_EQ(feuille[0][2]["caption"], "") << "no throw yet in the new turn";
  EXPECT_EQ(feuille[0][2]["pointer"], 12);

  Jouer(p, {"new 3", "dice 5 5 5 1 2", "ok"});
  EXPECT_EQ(p.EtatJson()["sheet"][3][4]["caption"], "15");
  Jouer(p, {"left 4", "dice 6", "ok"});  // Sèche closes after the first throw
  const Json seche = p.EtatJson()["sheet"][3][4];
  EXPECT_EQ(seche["look"], "hidden");
  EXPECT_EQ(seche["caption"], "15") << "a hidden square keeps the caption it last showed";
}

}  // namespace
}  // namespace rolvex::cli
