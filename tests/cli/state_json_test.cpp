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
