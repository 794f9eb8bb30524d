#include "tools/cli/state_json.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rolvex::cli {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> Clés(const Json& objet) {
  std::vector<std::string> clés;
  for (const auto& [clé, valeur] : objet.items()) clés.push_back(clé);
  return clés;
}

// Replays and other tools read the state by key and compare lines: the keys and their order
// are part of the protocol.
TEST(ClésÉtat, TopLevelKeysComeInTheProtocolOrder) {
  const std::vector<std::string> attendues{
      "mode",   "columns", "turn",      "throws",     "announced",   "over",    "dice",
      "kept",   "shown",   "facesType", "ok",         "okVisible",   "figure",  "diceTotal",
      "scoreTotal", "info", "total",    "figuresMade", "seconds",    "nextDown", "nextUp",
      "closed", "columnFigures", "sheet", "totals"};
  EXPECT_EQ(Clés(ÉtatEnJson(ÉtatPartie{}, AffichageMémoire{}, Langue::Français)), attendues);
}

TEST(ClésÉtat, TheWindowsKeysFollowTheGamesInTheProtocolOrder) {
  const Json j = ÉtatEnJson(ÉtatPartie{}, AffichageMémoire{}, VueFenêtre{}, HighScores{},
                            Langue::Français);
  std::vector<std::string> attendues = Clés(ÉtatEnJson(ÉtatPartie{}, AffichageMémoire{},
                                                       Langue::Français));
  for (const char* nouvelle : {"captions", "highScores", "place", "messages", "scoresShown"})
    attendues.push_back(nouvelle);
  EXPECT_EQ(Clés(j), attendues);
  for (const Json& colonne : j["sheet"])
    for (const Json& k : colonne)
      EXPECT_EQ(Clés(k), (std::vector<std::string>{"taken", "visible", "selectable", "score",
                                                    "potential", "colour", "caption", "look",
                                                    "pointer"}));
}

TEST(ClésÉtat, SheetHoldsSixColumnsOfThirteenSquaresWithTheirKeysInOrder) {
  const Json j = ÉtatEnJson(ÉtatPartie{}, AffichageMémoire{}, Langue::Français);
  ASSERT_EQ(j["sheet"].size(), 6u);
  for (const Json& colonne : j["sheet"]) {
    ASSERT_EQ(colonne.size(), 13u);
    for (const Json& k : colonne)
      EXPECT_EQ(Clés(k), (std::vector<std::string>{"taken", "visible", "selectable", "score",
                                                    "potential", "colour"}));
  }
  ASSERT_EQ(j["totals"].size(), 6u);
  for (const Json& t : j["totals"])
    EXPECT_EQ(Clés(t), (std::vector<std::string>{"upper", "upperBonus", "lower", "lowerBonus"}));
  for (const char* parDé : {"dice", "kept", "shown"}) EXPECT_EQ(j[parDé].size(), 5u) << parDé;
  for (const char* parColonne : {"closed", "columnFigures"})
    EXPECT_EQ(j[parColonne].size(), 6u) << parColonne;
}

// Each value is read from its own field, at its own die, column and figure.
TEST(ValeursÉtat, EachSquareAndTotalLandsAtItsColumnAndFigure) {
  ÉtatPartie é;
  é.Cases(2, 5) = CaseJeu{.Prise = true, .Visible = true, .Sélectionnable = false, .Score = 77};
  é.Cases(5, 2).ScorePotentiel = 33;
  é.Cases(5, 2).Sélectionnable = true;
  é.Cases(5, 2).CouleurPotentiel = Bleu;
  é.TotalHaut[3] = 61;
  é.BonusHaut[3] = 30;
  é.TotalBas[4] = 120;
  é.BonusBas[6] = 257;
  é.NbFiguresColonne[6] = 4;
  é.ColonneFermée[4] = false;

  const Json j = ÉtatEnJson(é, AffichageMémoire{}, Langue::Français);
  EXPECT_EQ(j["sheet"][1][4]["taken"], true);
  EXPECT_EQ(j["sheet"][1][4]["score"], 77);
  EXPECT_EQ(j["sheet"][4][1]["taken"], false);
  EXPECT_EQ(j["sheet"][4][1]["potential"], 33);
  EXPECT_EQ(j["sheet"][4][1]["selectable"], true);
  EXPECT_EQ(j["sheet"][4][1]["colour"], 0xFF0000);
  EXPECT_EQ(j["totals"][2]["upper"], 61);
  EXPECT_EQ(j["totals"][2]["upperBonus"], 30);
  EXPECT_EQ(j["totals"][3]["lower"], 120);
  EXPECT_EQ(j["totals"][5]["lowerBonus"], 257);
  EXPECT_EQ(j["columnFigures"], Json::parse("[0,0,0,0,0,4]"));
  EXPECT_EQ(j["closed"], Json::parse("[true,true,true,false,true,true]"));
}

TEST(ValeursÉtat, DiceAndPanelsComeFromTheGameAndTheDisplay) {
  ÉtatPartie é;
  for (int i = 1; i <= NbDés; ++i) é.Dés[i] = static_cast<int16_t>(i + 1);
  é.DésGardés[3] = false;
  AffichageMémoire a;
  a.ImageDé(2, 7);
  a.LégendeOkDé("2");
  a.LégendeTotalDés("20");
  a.LégendeScoreTotal("154");
  a.PanelOkDéVisible(true);

  const Json j = ÉtatEnJson(é, a, Langue::Français);
  EXPECT_EQ(j["dice"], Json::parse("[2,3,4,5,6]"));
  EXPECT_EQ(j["kept"], Json::parse("[true,true,false,true,true]"));
  EXPECT_EQ(j["shown"], Json::parse("[-1,7,-1,-1,-1]"));
  EXPECT_EQ(j["ok"], "2");
  EXPECT_EQ(j["okVisible"], true);
  EXPECT_EQ(j["diceTotal"], "20");
  EXPECT_EQ(j["scoreTotal"], "154");
}

// What the window shows of each square is what it last drew there.
TEST(ValeursÉtat, EachSquareShowsItsCaptionLookAndPointerAtItsColumnAndFigure) {
  VueFenêtre v;
  v.cases[4][11] = {"50", Aspect::Libre, PointeurFlècheHaut};
  v.cases[2][3] = {"OOO", Aspect::Prise, PointeurInterdit};
  v.cases[6][1] = {"12", Aspect::Cachée, PointeurInterdit};
  const Json j = ÉtatEnJson(ÉtatPartie{}, AffichageMémoire{}, v, HighScores{}, Langue::Français);
  EXPECT_EQ(j["sheet"][3][10]["caption"], "50");
  EXPECT_EQ(j["sheet"][3][10]["look"], "free");
  EXPECT_EQ(j["sheet"][3][10]["pointer"], 10);
  EXPECT_EQ(j["sheet"][1][2]["caption"], "OOO");
  EXPECT_EQ(j["sheet"][1][2]["look"], "taken");
  EXPECT_EQ(j["sheet"][1][2]["pointer"], 12);
  EXPECT_EQ(j["sheet"][5][0]["look"], "hidden");
  EXPECT_EQ(j["sheet"][5][0]["caption"], "12");
}

TEST(ValeursÉtat, HighScoresAreTheTenPlacesOfTheGamesMode) {
  HighScores scores;
  scores[2][1] = {"Zoé", 1300, 412, 19};
  scores[2][10] = {"Ugo", 900, 3599, 11};
  ÉtatPartie é;
  é.ModeJeu = 2;
  VueFenêtre v;
  v.place = 4;
  v.scoresMontrés = true;
  v.messages = {"un", "deux"};
  const Json j = ÉtatEnJson(é, AffichageMémoire{}, v, scores, Langue::Français);
  ASSERT_EQ(j["highScores"].size(), 10u);
  EXPECT_EQ(j["highScores"][0],
            Json::parse(R"({"name":"Zoé","score":1300,"time":412,"figures":19})"));
  EXPECT_EQ(j["highScores"][9]["name"], "Ugo");
  EXPECT_EQ(j["highScores"][9]["time"], 3599);
  EXPECT_EQ(j["place"], 4);
  EXPECT_EQ(j["messages"], Json::parse(R"(["un","deux"])"));
  EXPECT_EQ(j["scoresShown"], true);
}

// Every control that shows a text is listed by name, the squares of the sheet excepted.
TEST(Légendes, ListEveryControlWithATextButTheSquares) {
  const Json l = Légendes(ÉtatPartie{}, AffichageMémoire{}, VueFenêtre{}, Langue::Anglais);
  std::vector<std::string> attendus = {
      "FormRolvex", "FormParams", "PanelOkParams", "PanelCancelParams", "TextName",
      "FrameModeColonnes", "SSOptionModeColonnes(1)", "SSOptionModeColonnes(3)", "PanelStart",
      "PanelNewGame", "PanelNewMode", "PanelEffacerScores", "PanelOkDé", "PanelFigureRéalisée",
      "PanelTotalDés", "PanelScoreTotal", "PanelInfoDéroulement", "PanelModeColonnes",
      "MenuJeu", "MenuAbout", "MenuDésNumériques", "CaseNomMontée", "CaseInfoGauche(13)",
      "CaseInfoDroite(1)", "CaseInfoBonusBasDroite", "CaseTotalHautLibre", "CaseBonusBasAnnonce",
      "CaseBonusHautSèche", "PanelScoreClassement(1)", "PanelScoreNom(10)", "PanelScoreTemps(5)",
      "PanelScoreNbFigures(2)", "PanelScoreScore(7)"};
  for (const std::string& nom : attendus) EXPECT_TRUE(l.contains(nom)) << nom;
  // 13 labels a side, 8 total and bonus labels, 6 headers, 24 totals, 50 high-score cells,
  // 11 menu entries, the dice area's 4 panels with the information line and the mode panel,
  // 4 buttons, the window; the dialog's window, frame, 3 options, name box and 2 buttons.
  EXPECT_EQ(l.size(), 26u + 8 + 6 + 24 + 50 + 11 + 6 + 4 + 1 + 8);
  for (const auto& [nom, texte] : l.items()) {
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      EXPECT_FALSE(nom.starts_with("Case" + std::string(Colonnes[c].nom) + "(")) << nom;
  }
}

TEST(Légendes, TotalsShowTheirValueAndBonusesAPlusEmptyForZero) {
  ÉtatPartie é;
  é.TotalHaut[colonne::Montée] = 61;
  é.BonusHaut[colonne::Montée] = 30;
  é.TotalBas[colonne::Deux] = 148;
  é.BonusBas[colonne::Deux] = 0;
  const Json l = Légendes(é, AffichageMémoire{}, VueFenêtre{}, Langue::Français);
  EXPECT_EQ(l["CaseTotalHautMontée"], "61");
  EXPECT_EQ(l["CaseBonusHautMontée"], "+ 30");
  EXPECT_EQ(l["CaseTotalBasDeux"], "148");
  EXPECT_EQ(l["CaseBonusBasDeux"], "");
  EXPECT_EQ(l["CaseTotalHautLibre"], "");
}

TEST(Légendes, TheNameBoxShowsTheLanguagesInvitationUntilANameIsThere) {
  VueFenêtre v;
  EXPECT_EQ(Légendes(ÉtatPartie{}, AffichageMémoire{}, v, Langue::Français)["TextName"],
            "Votre nom...");
  EXPECT_EQ(Légendes(ÉtatPartie{}, AffichageMémoire{}, v, Langue::Anglais)["TextName"],
            "Your name...");
  v.texteNom = "";
  EXPECT_EQ(Légendes(ÉtatPartie{}, AffichageMémoire{}, v, Langue::Anglais)["TextName"], "");
}

TEST(Légendes, TheHighScoreRowsShowTheTableAsLastShown) {
  VueFenêtre v;
  EXPECT_EQ(Légendes(ÉtatPartie{}, AffichageMémoire{}, v, Langue::Français)["PanelScoreNom(1)"],
            "");
  TableHighScore table;
  table[1] = {"Gustave", 354, 86, 6};
  table[10] = {"Odilon", 170, 100, 5};
  v.tableMontrée = table;
  const Json l = Légendes(ÉtatPartie{}, AffichageMémoire{}, v, Langue::Français);
  EXPECT_EQ(l["PanelScoreClassement(1)"], "1");
  EXPECT_EQ(l["PanelScoreNom(1)"], "Gustave");
  EXPECT_EQ(l["PanelScoreScore(1)"], "354");
  EXPECT_EQ(l["PanelScoreTemps(1)"], "01:26");
  EXPECT_EQ(l["PanelScoreNbFigures(1)"], "6");
  EXPECT_EQ(l["PanelScoreClassement(10)"], "10");
  EXPECT_EQ(l["PanelScoreNom(10)"], "Odilon");
}

TEST(Légendes, TheDiceAreaAndTheModePanelFollowTheGameAndTheLanguage) {
  ÉtatPartie é;
  AffichageMémoire a;
  EXPECT_EQ(Légendes(é, a, VueFenêtre{}, Langue::Français)["PanelModeColonnes"], "");
  é.NbColonnes = 3;
  a.LégendeOkDé("2");
  a.LégendeFigureRéalisée(TexteFigure::TexteSuite);
  a.LégendeTotalDés("15");
  a.LégendeScoreTotal("0");
  a.InfoDéroulement(Message::MsgChoisirCase);
  const Json fr = Légendes(é, a, VueFenêtre{}, Langue::Français);
  EXPECT_EQ(fr["PanelModeColonnes"], "3 colonnes");
  EXPECT_EQ(fr["PanelOkDé"], "2");
  EXPECT_EQ(fr["PanelFigureRéalisée"], "SUITE");
  EXPECT_EQ(fr["PanelTotalDés"], "15");
  EXPECT_EQ(fr["PanelScoreTotal"], "0");
  EXPECT_EQ(fr["PanelInfoDéroulement"], "Veuillez sélectionner une case...");
  const Json en = Légendes(é, a, VueFenêtre{}, Langue::Anglais);
  EXPECT_EQ(en["PanelModeColonnes"], "3 columns");
  EXPECT_EQ(en["PanelFigureRéalisée"], "SEQUENCE");
  EXPECT_EQ(en["PanelInfoDéroulement"], "You have to choose a square...");
}

// The texts follow the language chosen, the information line as a message or as plain text.
TEST(TextesÉtat, MessagesAndFigureNamesAreWordedInTheLanguage) {
  AffichageMémoire a;
  a.InfoDéroulement(Message::MsgChoisirOuJeter);
  a.LégendeFigureRéalisée(TexteFigure::TexteCarré);
  const Json fr = ÉtatEnJson(ÉtatPartie{}, a, Langue::Français);
  const Json en = ÉtatEnJson(ÉtatPartie{}, a, Langue::Anglais);
  EXPECT_EQ(fr["info"], "Vous devez choisir une case ou jeter au moins un dé...");
  EXPECT_EQ(en["info"], "Choose a square or throw at least one dice...");
  EXPECT_EQ(fr["figure"], "CARRE");
  EXPECT_EQ(en["figure"], "SQUARE");
}

TEST(TextesÉtat, PlainTextOnTheInformationLineReplacesTheMessage) {
  AffichageMémoire a;
  a.InfoDéroulement(Message::MsgNouveauTirage);
  a.InfoInterface("Somme des 5 dés actuellement tirés.");
  EXPECT_EQ(ÉtatEnJson(ÉtatPartie{}, a, Langue::Anglais)["info"],
            "Somme des 5 dés actuellement tirés.");
}

// A state is one line of valid UTF-8: line breaks of the texts are escaped, never raw.
TEST(LigneÉtat, IsOneLineThatKeepsCarriageReturnsAndAccents) {
  AffichageMémoire a;
  a.InfoDéroulement(Message::MsgBoutonsSouris);
  const std::string ligne = LigneJson(ÉtatEnJson(ÉtatPartie{}, a, Langue::Français));
  EXPECT_EQ(ligne.find('\n'), std::string::npos);
  EXPECT_EQ(ligne.find('\r'), std::string::npos);
  EXPECT_NE(ligne.find(R"(un dé\rBouton droit)"), std::string::npos);
  EXPECT_EQ(Json::parse(ligne)["info"],
            "Bouton gauche de la souris pour garder ou jeter un dé\r"
            "Bouton droit de la souris pour garder les mêmes dés");
}

TEST(LigneÉtat, ReplacesBytesThatAreNotUtf8InsteadOfFailing) {
  AffichageMémoire a;
  a.InfoInterface("caf\xE9");  // a single-byte code page, not UTF-8
  std::string ligne;
  ASSERT_NO_THROW(ligne = LigneJson(ÉtatEnJson(ÉtatPartie{}, a, Langue::Français)));
  EXPECT_EQ(Json::parse(ligne)["info"], "caf\xEF\xBF\xBD");
}

}  // namespace
}  // namespace rolvex::cli
