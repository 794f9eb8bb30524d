// The driver plays the window around the game: its texts, the hover help, the end of a game
// against the high scores, the name dialog and the data files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/records/data_files.h"
#include "app/records/file_store.h"
#include "texts/hover_help.h"
#include "texts/messages.h"
#include "tools/cli/driver.h"

namespace rolvex::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

void Jouer(Pilote& p, std::initializer_list<std::string_view> lignes) {
  for (std::string_view l : lignes) {
    const Réponse r = p.Exécuter(l);
    EXPECT_FALSE(r.refus) << l << ": " << r.refus.value_or("");
  }
}

// One turn with a single throw: the dice, the throw, the square written.
void Tour(Pilote& p, std::string_view dés, int colonne, int figure) {
  std::string ligneDés = "dice";
  for (char d : dés) ligneDés += std::string(" ") + d;
  Jouer(p, {ligneDés, "ok", "click " + std::to_string(colonne) + " " + std::to_string(figure)});
}

std::string Info(const Pilote& p) { return p.ÉtatJson()["info"]; }

// The 13 turns of a one-column game with known dice: 105 above with the bonus of 100, every
// lower figure made (319) with the bonus of 200 and (29 − 6) × 3: 793 points, 7 figures.
constexpr int ScorePartieConnue = 793;
void PartieConnue(Pilote& p, int colonne = 1) {
  constexpr std::string_view dés[] = {"11111", "22222", "33333", "44444", "55555",
                                      "66666", "66665", "11112", "33322", "44441",
                                      "12345", "11123", "66666"};
  for (int f = 1; f <= NbFigures; ++f) Tour(p, dés[f - 1], colonne, f);
}

// The information line as the main window leaves it once loaded.
TEST(Démarrage, TheInformationLineTellsHowToStartInTheLanguage) {
  Pilote p;
  EXPECT_EQ(Info(p),
            "Pour jouer, sélectionnez le menu Yam->Nouvelle partie ou appuyez sur la touche F2.");
  Jouer(p, {"lang en"});
  EXPECT_EQ(Info(p), "To start a new game, choose the menu Yam->New Game or Press F2.");
}

TEST(Démarrage, EveryCaptionOfTheLanguageReachesItsControl) {
  for (const Langue langue : {Langue::Français, Langue::Anglais}) {
    Pilote p;
    Jouer(p, {langue == Langue::Anglais ? "lang en" : "lang fr"});
    const Json légendes = p.ÉtatJson()["captions"];
    for (const Légende& l : InitTextesLangue(langue).légendes)
      EXPECT_EQ(légendes.value(l.contrôle, "<absent>"), l.texte) << l.contrôle;
  }
}

// The progress messages of a turn, from the new game to the third throw.
TEST(Démarrage, EachStepOfATurnTellsWhatToDoNext) {
  for (const bool anglais : {false, true}) {
    Pilote p;
    Jouer(p, {anglais ? "lang en" : "lang fr", "new 1"});
    EXPECT_EQ(Info(p), anglais ? "Click on the button OK to go on th next drawing..."
                               : "Cliquez sur le bouton OK pour effectuer un nouveau tirage...");
    Jouer(p, {"ok"});
    EXPECT_EQ(Info(p), anglais ? "To keep/throw a dice, use the left button of your mouse.\r"
                                 "To keep identical dices, use the right button of your mouse."
                               : "Bouton gauche de la souris pour garder ou jeter un dé\r"
                                 "Bouton droit de la souris pour garder les mêmes dés");
    Jouer(p, {"left 1", "ok"});
    EXPECT_EQ(Info(p), anglais ? "Choose a square or throw at least one dice..."
                               : "Vous devez choisir une case ou jeter au moins un dé...");
    Jouer(p, {"left 1", "ok"});
    EXPECT_EQ(Info(p), anglais ? "You have to choose a square..."
                               : "Veuillez sélectionner une case...");
  }
}

// Before the first game the empty sheet is on screen and nothing on it can be chosen.
TEST(SurvolAvantPartie, SquaresAndHiddenPanelsLeaveTheLineAndTheBareSheetClearsIt) {
  Pilote p;
  const std::string départ = Info(p);
  Jouer(p, {"hover 1 1", "hover 6 13", "panel PanelTotalDés", "panel PanelScoreNom 1"});
  EXPECT_EQ(Info(p), départ);
  Jouer(p, {"bare"});
  EXPECT_EQ(Info(p), "");
}

TEST(SurvolAvantPartie, TheUpperBonusOfTheEmptySheetSaysSixtyPointsAreMissing) {
  Pilote p;
  Jouer(p, {"bonus 1 4"});
  EXPECT_EQ(Info(p), "Il vous manque 60 points pour obtenir le premier bonus de 30 points !");
}

TEST(SurvolAvantPartie, TheSquaresShowAnEmptySheetThatCannotBeChosen) {
  const Json j = Pilote{}.ÉtatJson();
  for (const Json& colonne : j["sheet"])
    for (const Json& k : colonne) {
      EXPECT_EQ(k["look"], "free");
      EXPECT_EQ(k["caption"], "");
      EXPECT_EQ(k["pointer"], 12);
    }
}

// A square explains its column, then its figure, only while it may be written.
struct AideColonne {
  int colonne;
  int figure;  // a square of that column open after the first throw of a six-column game
  std::string_view fr;
  std::string_view en;
};
constexpr AideColonne AidesColonnes[] = {
    {1, 1, "La Libre (toujours disponible)", "The Free column (always available)"},
    {2, 1, "La Descente (de haut en bas)", "The Down column"},
    {3, 13, "La Montée (de bas en haut)", "The Up column"},
    {4, 7, "La Sèche (au premier jet)", "The Straight column"},
    {5, 9, "La Deux (2 jets maximum) ", "The Two column"},
    {6, 11, "L'Annonce (annonce au 1er jet) ", "The Announce column"},
};

TEST(SurvolCases, EachColumnIsNamedOnTheFirstLineInBothLanguages) {
  for (const bool anglais : {false, true}) {
    Pilote p;
    Jouer(p, {anglais ? "lang en" : "lang fr", "new 3", "dice 1 2 3 4 6", "ok"});
    for (const AideColonne& a : AidesColonnes) {
      Jouer(p, {"hover " + std::to_string(a.colonne) + " " + std::to_string(a.figure)});
      const std::string info = Info(p);
      EXPECT_EQ(info.substr(0, info.find('\r')), anglais ? a.en : a.fr) << a.colonne;
    }
  }
}

TEST(SurvolCases, EveryFigureOfLibreGivesItsHelpUnderTheColumn) {
  for (const Langue langue : {Langue::Français, Langue::Anglais}) {
    Pilote p;
    Jouer(p, {langue == Langue::Anglais ? "lang en" : "lang fr", "new 1", "dice 6 6 6 6 5",
              "ok"});
    for (int16_t f = 1; f <= NbFigures; ++f) {
      Jouer(p, {"hover 1 " + std::to_string(f)});
      EXPECT_EQ(Info(p), AppelMoveCase(p.État(), colonne::Libre, f, langue).value_or("?"))
          << f;
    }
  }
}

TEST(SurvolCases, TheSuiteSquareInEnglishHasFourLines) {
  Pilote p;
  Jouer(p, {"lang en", "new 1", "dice 1 2 3 4 5", "ok", "hover 1 11"});
  EXPECT_EQ(Info(p),
            "The Free column (always available)\rSequence 12345 equals 45\ror\rSequence 23456 "
            "equals 50");
  Jouer(p, {"lang fr", "hover 1 12"});
  EXPECT_EQ(Info(p),
            "La Libre (toujours disponible)\rTotal des dés inférieur ou égal à 8\r8=60 points , "
            "7=65 points, 6=70 points and 5= 75 points");
}

TEST(SurvolCases, ASquareThatCannotBeWrittenLeavesTheLine) {
  Pilote p;
  Jouer(p, {"new 1", "hover 1 1"});  // no throw yet
  EXPECT_EQ(Info(p), "Cliquez sur le bouton OK pour effectuer un nouveau tirage...");
  Tour(p, "11111", 1, 1);
  Jouer(p, {"ok"});
  const std::string aprèsJet = Info(p);
  ASSERT_EQ(aprèsJet.rfind("Bouton gauche de la souris", 0), 0u);
  Jouer(p, {"hover 1 1"});  // taken
  EXPECT_EQ(Info(p), aprèsJet);
}

TEST(SurvolCases, AHiddenSquareGetsNoMouseMoveEvenWhenItCouldBeWritten) {
  Pilote p;
  Jouer(p, {"new 2", "dice 5 5 5 1 2", "ok"});
  ASSERT_FALSE(p.État().Cases(colonne::Descente, 5).Visible);
  ASSERT_TRUE(p.État().Cases(colonne::Descente, 5).Sélectionnable);
  const std::string avant = Info(p);
  Jouer(p, {"hover 2 5"});
  EXPECT_EQ(Info(p), avant);
  Jouer(p, {"hover 2 1"});
  EXPECT_EQ(Info(p), "La Descente (de haut en bas)\rAs");
}

TEST(SurvolAire, TheBareSheetClearsTheLineDuringAGame) {
  Pilote p;
  Jouer(p, {"new 1", "bare"});
  EXPECT_EQ(Info(p), "");
}

// The upper bonus tells how far the column is from 60, or which bonus it has earned.
TEST(SurvolBonus, TheUpperBonusFollowsTheRunningTotalThroughEachThreshold) {
  Pilote p;
  Jouer(p, {"new 1"});
  Tour(p, "66666", 1, 6);
  Jouer(p, {"bonus 1 1"});
  EXPECT_EQ(Info(p), "Il vous manque 30 points pour obtenir le premier bonus de 30 points !");
  Tour(p, "55555", 1, 5);
  Jouer(p, {"lang en", "bonus 1 1"});
  EXPECT_EQ(Info(p), "You have to get 5 points more for the first bonus of 30 points !");
  Tour(p, "33311", 1, 3);  // 64
  Jouer(p, {"bonus 1 1"});
  EXPECT_EQ(Info(p), "Congratulations, you get the 30 points bonus !");
  Jouer(p, {"lang fr", "bonus 1 1"});
  EXPECT_EQ(Info(p),
            "Bravo, vous obtenez le bonus de 30 points pour avoir réalisé plus de 60 points en "
            "haut !");
  Tour(p, "22222", 1, 2);  // 74
  Jouer(p, {"bonus 1 1"});
  EXPECT_EQ(Info(p),
            "Félicitations, vous avez pour cette colonne un bonus de 50 points pour votre score "
            "supérieur à 70 points en haut !");
  Jouer(p, {"lang en", "bonus 1 1"});
  EXPECT_EQ(Info(p), "Congratulations, you get the 50 points bonus !");
  Tour(p, "44444", 1, 4);  // 94
  Jouer(p, {"bonus 1 1"});
  EXPECT_EQ(Info(p), "Congratulations, you get the 100 points bonus !");
  Jouer(p, {"lang fr", "bonus 1 1"});
  EXPECT_EQ(Info(p),
            "Exceptionnel, vous obtenez le bonus de 100 points pour avoir dépassé 80 points dans "
            "la partie haute de cette colonne !");
}

// The lower bonus: every lower figure made, with or without the upper bonus.
TEST(SurvolBonus, TheLowerBonusSaysWhatEachColumnHasEarned) {
  Pilote p;
  Jouer(p, {"new 2"});
  // Libre: 75 above, then the seven lower figures.
  Tour(p, "66666", 1, 6);
  Tour(p, "55555", 1, 5);
  Tour(p, "44444", 1, 4);
  constexpr std::string_view basLibre[] = {"66665", "11112", "33322", "44441",
                                           "12345", "11123", "66666"};
  for (int f = figure::Maxi; f <= figure::Yam; ++f) Tour(p, basLibre[f - figure::Maxi], 1, f);
  // Montée, from Yam up to Maxi, nothing above.
  constexpr std::string_view basMontée[] = {"66666", "11123", "12345", "44441",
                                            "33322", "11112", "66665"};
  for (int f = figure::Yam; f >= figure::Maxi; --f) Tour(p, basMontée[figure::Yam - f], 3, f);

  for (const bool anglais : {false, true}) {
    Jouer(p, {anglais ? "lang en" : "lang fr", "bonus 2 1"});
    EXPECT_EQ(Info(p), anglais ? "You get a bonus of 200 points because you got all the figures "
                                 "and the up bonus"
                               : "Vous avez réalisé toutes les figures de la colonne avec le "
                                 "bonus du haut, vous obtenez donc un bonus exceptionnel de 200 "
                                 "points !");
    Jouer(p, {"bonus 2 3"});
    EXPECT_EQ(Info(p), anglais ? "You get the 100 points bonus because you got all the figures "
                                 "of the column."
                               : "Vous obtenez le bonus de 100 points pour avoir réalisé toutes "
                                 "les figures de la colonne.");
    Jouer(p, {"bonus 2 2"});
    EXPECT_EQ(Info(p), anglais ? "To get the down bonus of this column, you just have to "
                                 "complete all figures of this column."
                               : "Pour obtenir le bonus du bas, vous devez réaliser toutes les "
                                 "figures de la colonne.");
  }
}

TEST(SurvolBonus, AColumnNotInPlayHasNoBonusSquareOnScreen) {
  Pilote p;
  Jouer(p, {"new 1", "bare", "bonus 1 2", "bonus 2 6"});
  EXPECT_EQ(Info(p), "");
}

TEST(SurvolBonus, TheLowerBonusOfAnnonceGivesItsHelpToo) {
  Pilote p;
  Jouer(p, {"new 3", "bare", "bonus 2 6"});
  EXPECT_EQ(GesteAideBonus(bonus::Bas, colonne::Annonce), GesteAide::Clic);
  EXPECT_EQ(Info(p),
            "Pour obtenir le bonus du bas, vous devez réaliser toutes les figures de la colonne.");
}

// The panels of the dice area explain themselves whatever the state of the game.
TEST(SurvolPanels, TheDiceAreaPanelsGiveTheirHelpInBothLanguages) {
  Pilote p;
  Jouer(p, {"new 1", "panel PanelFigureRéalisée"});
  EXPECT_EQ(Info(p), "Figure actuellement réalisée.");
  Jouer(p, {"panel PanelTotalDés"});
  EXPECT_EQ(Info(p), "Somme des 5 dés actuellement tirés.");
  Jouer(p, {"panel PanelScoreTotal"});
  EXPECT_EQ(Info(p), "Score total (correspondant à la somme des scores de chaque colonne).");
  Jouer(p, {"lang en", "panel PanelFigureRéalisée"});
  EXPECT_EQ(Info(p), "Current figure.");
  Jouer(p, {"panel PanelTotalDés"});
  EXPECT_EQ(Info(p), "Total of the current 5 dices.");
  Jouer(p, {"panel PanelScoreTotal"});
  EXPECT_EQ(Info(p), "This is the score (sum of column scores).");
}

// The end of a game against the high scores: the files written here are the tables played
// against. Place p of the one-column table holds "P<p>" and lands the known game at `place`.
class FinAvecFichiers : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string modèle = (fs::temp_directory_path() / "rolvex-cli-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modèle.data()), nullptr);
    dossier = modèle;
  }
  void TearDown() override { fs::remove_all(dossier); }

  void ÉcrireTables(int place) {
    DonnéesOptions d;
    d.ModeJeu = 1;
    d.NomJoueur = "Léa";
    for (int m = 1; m <= NbModes; ++m)
      for (int p = 1; p <= NbPlaces; ++p) {
        const int score = p < place ? ScorePartieConnue + 10 * (place - p)
                                    : ScorePartieConnue - 10 * (p - place + 1);
        d.Scores[m][p] = {"P" + std::to_string(p), static_cast<int16_t>(score), 100, 5};
      }
    ASSERT_TRUE(SauverOptions(dossier, d).Réussie());
  }

  std::vector<std::uint8_t> Octets(const char* nom) const {
    std::ifstream f(dossier / nom, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }

  // Loads the tables, gives the name in the dialog and plays the known game in 75 seconds.
  Json JouerPartie(Pilote& p, std::string_view langue) {
    Jouer(p, {langue, "data " + dossier.string(), "name Zoé", "tick 75"});
    PartieConnue(p);
    const Réponse r = p.Exécuter("state");
    return Json::parse(r.sortie.value_or("{}"));
  }

  fs::path dossier;
};

struct CasFin {
  int place;
  std::string_view langue;
  std::string_view message;
  std::string_view info;
};

class PlacesGagnées : public FinAvecFichiers, public ::testing::WithParamInterface<CasFin> {};

TEST_P(PlacesGagnées, TheGameIsWrittenShownSavedAndAnnounced) {
  const CasFin& cas = GetParam();
  ÉcrireTables(cas.place);
  Pilote p;
  const Json fin = JouerPartie(p, cas.langue);
  ASSERT_EQ(fin["over"], true);
  ASSERT_EQ(fin["total"], ScorePartieConnue);
  EXPECT_EQ(fin["place"], cas.place);
  EXPECT_EQ(fin["scoresShown"], true);
  EXPECT_EQ(fin["messages"], Json::array({cas.message}));
  EXPECT_EQ(fin["info"], cas.info);
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
  EXPECT_EQ(Json::parse(*p.Exécuter("state").sortie)["messages"], Json::array());

  // On disk, as the next run reads it.
  Pilote suivant;
  Jouer(suivant, {"data " + dossier.string()});
  const Json relu = suivant.ÉtatJson();
  EXPECT_EQ(relu["highScores"], fin["highScores"]);
  EXPECT_EQ(relu["captions"]["TextName"], "Zoé");
  EXPECT_EQ(relu["mode"], 1);
}

constexpr std::string_view AutreFr =
    "Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !";
constexpr std::string_view AutreEn = "To start a new game, click on PLAY AGAIN or press F2.";

INSTANTIATE_TEST_SUITE_P(
    FinDePartie, PlacesGagnées,
    ::testing::Values(
        CasFin{1, "lang fr", "Félicitations, vous êtes classé en première position !!!", AutreFr},
        CasFin{2, "lang fr", "Bravo, vous arrivez en 2ème position !", AutreFr},
        CasFin{3, "lang fr", "Bravo, vous arrivez en 3ème position !", AutreFr},
        CasFin{10, "lang fr", "Bravo, vous arrivez en 10ème position !", AutreFr},
        CasFin{1, "lang en", "Congratulations, you are the best (first position) !!!", AutreEn},
        CasFin{2, "lang en", "You reach the second position !", AutreEn},
        CasFin{3, "lang en", "You reach the third position !", AutreEn},
        CasFin{10, "lang en", "You reach the 10th position !", AutreEn}));

TEST_F(FinAvecFichiers, AGameBelowTheTableIsToldSoAndWritesNoFile) {
  ÉcrireTables(NbPlaces + 1);
  Pilote p;
  Jouer(p, {"lang en", "data " + dossier.string(), "name Zoé"});
  const auto options = Octets("options12.dat");
  const auto noms = Octets("names12.dat");
  PartieConnue(p);
  const Json fin = p.ÉtatJson();
  EXPECT_EQ(fin["over"], true);
  EXPECT_EQ(fin["place"], 0);
  EXPECT_EQ(fin["scoresShown"], false);
  EXPECT_EQ(fin["messages"], Json::array());
  EXPECT_EQ(fin["info"], "You don't reach the TOP 10 ! Click on PLAY AGAIN or press F2.");
  EXPECT_EQ(fin["highScores"][9]["name"], "P10");
  EXPECT_EQ(Octets("options12.dat"), options);
  EXPECT_EQ(Octets("names12.dat"), noms);

  // After the end the sheet and the bonus squares leave the message; the panels still speak.
  Jouer(p, {"bare", "bonus 1 1", "hover 1 1"});
  EXPECT_EQ(Info(p), "You don't reach the TOP 10 ! Click on PLAY AGAIN or press F2.");
  Jouer(p, {"panel PanelScoreTotal"});
  EXPECT_EQ(Info(p), "This is the score (sum of column scores).");
}

TEST_F(FinAvecFichiers, TheHighScorePanelExplainsItsRowsWhileItIsShown) {
  ÉcrireTables(4);
  Pilote p;
  JouerPartie(p, "lang fr");
  using Aide = std::pair<std::string_view, std::string_view>;
  for (auto [commande, texte] : {
           Aide{"panel PanelScoreClassement 4", "Joueur classé en position 4"},
           Aide{"panel PanelScoreNom 3", "Nom du joueur classé en position N° 3"},
           Aide{"panel PanelScoreTemps 10", "Temps réalisé de la position N° 10"},
           Aide{"panel PanelScoreNbFigures 1", "Nombre de figures réalisées pour le score N° 1"},
           Aide{"panel PanelScoreScore 7", "Meilleur score N° 7 / 10"}}) {
    Jouer(p, {commande});
    EXPECT_EQ(Info(p), texte);
  }
  Jouer(p, {"lang en", "panel PanelScoreNom 3"});
  EXPECT_EQ(Info(p), " Name of the player at position 3");
  Jouer(p, {"panel PanelScoreClassement 2"});
  EXPECT_EQ(Info(p), "Player position 2");
  Jouer(p, {"panel PanelScoreTemps 5"});
  EXPECT_EQ(Info(p), "Time elapsed at position 5");
  Jouer(p, {"panel PanelScoreNbFigures 6"});
  EXPECT_EQ(Info(p), "Number of figures of the score 6");
  Jouer(p, {"panel PanelScoreScore 9"});
  EXPECT_EQ(Info(p), "High score 9 / 10");

  // The high scores stand over the sheet: nothing of it gets the mouse.
  Jouer(p, {"bare", "bonus 1 1"});
  EXPECT_EQ(Info(p), "High score 9 / 10");
}

TEST_F(FinAvecFichiers, ANewGameHidesTheScoresAndTheRowsKeepWhatTheyShowed) {
  ÉcrireTables(2);
  Pilote p;
  JouerPartie(p, "lang fr");
  Jouer(p, {"new 1"});
  const Json j = p.ÉtatJson();
  EXPECT_EQ(j["scoresShown"], false);
  EXPECT_EQ(j["place"], 0);
  EXPECT_EQ(j["captions"]["PanelScoreNom(2)"], "Zoé");
  Jouer(p, {"panel PanelScoreNom 2"});
  EXPECT_EQ(Info(p), "Cliquez sur le bouton OK pour effectuer un nouveau tirage...");
}

// The name dialog: OK saves the mode chosen and the name, then starts the game.
TEST_F(FinAvecFichiers, OkSavesTheSelectedModeAndTheNameBeforeTheGameStarts) {
  ÉcrireTables(1);
  Pilote p;
  Jouer(p, {"data " + dossier.string(), "mode 2", "name Ugo"});
  EXPECT_EQ(p.État().ModeJeu, 2);
  EXPECT_EQ(p.État().NbColonnes, 3);
  EXPECT_EQ(p.ÉtatJson()["captions"]["TextName"], "Ugo");
  const auto options = Octets("options12.dat");
  const auto noms = Octets("names12.dat");
  ASSERT_EQ(options.size(), TailleFichierOptions);
  EXPECT_EQ(options[0], 2);
  EXPECT_EQ(noms[0], 3);
  EXPECT_EQ(std::string(noms.begin() + 2, noms.begin() + 5), "Ugo");
}

TEST_F(FinAvecFichiers, AnEmptyNameIsRefusedByTheDialogAndChangesNothingElse) {
  ÉcrireTables(1);
  Pilote p;
  Jouer(p, {"lang en", "data " + dossier.string(), "mode 3"});
  const auto options = Octets("options12.dat");
  Jouer(p, {"name"});
  const Json j = p.ÉtatJson();
  EXPECT_EQ(j["messages"], Json::array({"Please enter you name..."}));
  EXPECT_EQ(j["turn"], 0);
  EXPECT_EQ(j["mode"], 1);
  EXPECT_EQ(j["captions"]["TextName"], "");
  EXPECT_EQ(Octets("options12.dat"), options);
  EXPECT_TRUE(p.Exécuter("ok").refus) << "no game was started";
}

TEST_F(FinAvecFichiers, AFirstRunInAnEmptyFolderWritesTheDefaultFiles) {
  Pilote p;
  Jouer(p, {"data " + dossier.string()});
  EXPECT_EQ(fs::file_size(dossier / "options12.dat"), TailleFichierOptions);
  EXPECT_EQ(fs::file_size(dossier / "names12.dat"), TailleFichierNoms);
  const Json j = p.ÉtatJson();
  EXPECT_EQ(j["highScores"][0]["name"], "Gustave");
  EXPECT_EQ(j["mode"], 3);
  EXPECT_EQ(j["highScores"][0]["score"], 2207);
  EXPECT_EQ(j["captions"]["TextName"], "");
  EXPECT_EQ(j["messages"], Json::array());
}

TEST_F(FinAvecFichiers, DataIsReadOnceBeforeTheFirstGame) {
  Pilote p;
  Jouer(p, {"new 1"});
  const Réponse r = p.Exécuter("data " + dossier.string());
  ASSERT_TRUE(r.refus);
  EXPECT_NE(r.refus->find("before the first game"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(dossier));
}

TEST_F(FinAvecFichiers, AFolderThatCannotBeWrittenIsReportedAndTheGameGoesOn) {
  std::ofstream(dossier / "fichier") << "x";
  const fs::path impossible = dossier / "fichier" / "scores";
  Pilote p;
  Jouer(p, {"lang en", "data " + impossible.string()});
  const Json j = p.ÉtatJson();
  ASSERT_EQ(j["messages"].size(), 1u);
  EXPECT_EQ(j["messages"][0].get<std::string>().rfind(
                "The file " + (impossible / "options12.dat").string() + " could not be saved (", 0),
            0u);
  EXPECT_EQ(j["highScores"][0]["name"], "Gustave");
  Jouer(p, {"new 1", "tick 30"});
  PartieConnue(p);
  const Json fin = p.ÉtatJson();
  EXPECT_EQ(fin["place"], 1) << "the tables in memory take the game";
  ASSERT_EQ(fin["messages"].size(), 3u) << "the failed load, the failed save, the place";
  EXPECT_EQ(fin["messages"][2], "Congratulations, you are the best (first position) !!!");
}

// Without a folder the driver plays against tables in memory, the same on every run.
TEST(SansDossier, TheDefaultTablesAreTheSameOnEveryRun) {
  const Json a = Pilote{}.ÉtatJson()["highScores"];
  const Json b = Pilote{}.ÉtatJson()["highScores"];
  EXPECT_EQ(a, b);
  EXPECT_EQ(a[0], Json::parse(R"({"name":"Gustave","score":2207,"time":731,"figures":34})"));
  EXPECT_EQ(a[3]["name"], "Rosalie");
}

TEST(SansDossier, AGameThatEntersTheTableIsShownWithItsPlace) {
  Pilote p;
  Jouer(p, {"new 1"});
  PartieConnue(p);
  const Json j = p.ÉtatJson();
  EXPECT_EQ(j["place"], 1);
  EXPECT_EQ(j["highScores"][0]["score"], ScorePartieConnue);
  EXPECT_EQ(j["highScores"][0]["name"], "");
  EXPECT_EQ(j["highScores"][1]["name"], "Gustave");
}

// The captions of the window before a game and once it has ended.
TEST(LégendesFenêtre, BeforeAGameTheSheetIsEmptyAndTheDialogInvitesAName) {
  Pilote p;
  Jouer(p, {"lang en"});
  const Json l = p.ÉtatJson()["captions"];
  EXPECT_EQ(l["FormRolvex"], "ROLVEX");
  EXPECT_EQ(l["PanelStart"], "PLAY !");
  EXPECT_EQ(l["CaseNomSèche"], "STRAIGHT");
  EXPECT_EQ(l["TextName"], "Your name...");
  EXPECT_EQ(l["PanelModeColonnes"], "");
  EXPECT_EQ(l["CaseTotalHautLibre"], "");
  EXPECT_EQ(l["PanelScoreTotal"], "");
  EXPECT_EQ(l["PanelOkDé"], "OK");
  EXPECT_EQ(l["PanelInfoDéroulement"],
            "To start a new game, choose the menu Yam->New Game or Press F2.");
}

TEST(LégendesFenêtre, AfterAGameTheTotalsBonusesAndModeAreShown) {
  Pilote p;
  Jouer(p, {"new 1"});
  PartieConnue(p);
  Json l = p.ÉtatJson()["captions"];
  EXPECT_EQ(l["CaseTotalHautLibre"], "105");
  EXPECT_EQ(l["CaseBonusHautLibre"], "+ 100");
  EXPECT_EQ(l["CaseTotalBasLibre"], "319");
  EXPECT_EQ(l["CaseBonusBasLibre"], "+ 269");
  EXPECT_EQ(l["CaseTotalHautDescente"], "");
  EXPECT_EQ(l["PanelScoreTotal"], "793");
  EXPECT_EQ(l["PanelModeColonnes"], "1 colonnes");
  EXPECT_EQ(l["PanelInfoDéroulement"],
            "Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !");
  Jouer(p, {"lang en"});
  EXPECT_EQ(p.ÉtatJson()["captions"]["PanelModeColonnes"], "1 columns");
}

// Each square shows what the window last drew there.
TEST(CasesÀLÉcran, FreeSquaresOfferTheirScoreAndTakenOnesShowItInset) {
  Pilote p;
  Jouer(p, {"new 1", "dice 3 3 3 2 2", "ok"});
  Json feuille = p.ÉtatJson()["sheet"];
  EXPECT_EQ(feuille[0][2]["caption"], "9");
  EXPECT_EQ(feuille[0][2]["look"], "free");
  EXPECT_EQ(feuille[0][2]["pointer"], 10);
  EXPECT_EQ(feuille[0][0]["caption"], "0");
  EXPECT_EQ(feuille[1][0]["look"], "hidden") << "Descente is not in play";
  EXPECT_EQ(feuille[1][0]["pointer"], 12);
  Jouer(p, {"click 1 1"});
  feuille = p.ÉtatJson()["sheet"];
  EXPECT_EQ(feuille[0][0]["caption"], "OOO");
  EXPECT_EQ(feuille[0][0]["look"], "taken");
  EXPECT_EQ(feuille[0][0]["pointer"], 12);
  EXPECT_EQ(feuille[0][2]["caption"], "") << "no throw yet in the new turn";
  EXPECT_EQ(feuille[0][2]["pointer"], 12);
}

TEST(CasesÀLÉcran, AHiddenSquareKeepsTheCaptionItLastShowed) {
  Pilote p;
  Jouer(p, {"new 3", "dice 5 5 5 1 2", "ok"});
  EXPECT_EQ(p.ÉtatJson()["sheet"][3][4]["caption"], "15");
  Jouer(p, {"left 4", "dice 6", "ok"});  // Sèche closes after the first throw
  const Json sèche = p.ÉtatJson()["sheet"][3][4];
  EXPECT_EQ(sèche["look"], "hidden");
  EXPECT_EQ(sèche["caption"], "15");
}

}  // namespace
}  // namespace rolvex::cli
