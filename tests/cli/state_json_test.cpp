#include "tools/cli/state_json.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rolvex::cli {
namespace {

using Json = nlohmann::ordered_json;
using Noms = std::vector<std::string>;

Noms Cles(const Json& objet) {
  Noms cles;
  for (const auto& [cle, valeur] : objet.items()) cles.push_back(cle);
  return cles;
}

Json EtatJeu(const EtatPartie& e = {}, const AffichageMemoire& a = {},
             Langue l = Langue::Francais) {
  return EtatEnJson(e, a, l);
}

// Replays and other tools read the state by key and compare lines: the keys and their order
// are part of the protocol, and every list has one entry per die or column.
TEST(ClesEtat, TheGamesKeysComeInTheProtocolOrderWithOneEntryPerDieColumnAndSquare) {
  const Json j = EtatJeu();
  EXPECT_EQ(Cles(j), (Noms{"mode",   "columns",   "turn",          "throws",    "announced",
                           "over",   "dice",      "kept",          "shown",     "facesType",
                           "ok",     "okVisible", "figure",        "diceTotal", "scoreTotal",
                           "info",   "total",     "figuresMade",   "seconds",   "nextDown",
                           "nextUp", "closed",    "columnFigures", "sheet",     "totals"}));
  ASSERT_EQ(j["sheet"].size(), 6u);
  for (const Json& colonne : j["sheet"]) {
    ASSERT_EQ(colonne.size(), 13u);
    for (const Json& k : colonne)
      EXPECT_EQ(Cles(k), (Noms{"taken", "visible", "selectable", "score", "potential", "colour"}));
  }
  ASSERT_EQ(j["totals"].size(), 6u);
  for (const Json& t : j["totals"])
    EXPECT_EQ(Cles(t), (Noms{"upper", "upperBonus", "lower", "lowerBonus"}));
  for (const char* parDe : {"dice", "kept", "shown"}) EXPECT_EQ(j[parDe].size(), 5u) << parDe;
  for (const char* parColonne : {"closed", "columnFigures"})
    EXPECT_EQ(j[parColonne].size(), 6u) << parColonne;
}

TEST(ClesEtat, TheWindowsKeysFollowTheGamesInTheProtocolOrder) {
  const Json j =
      EtatEnJson(EtatPartie{}, AffichageMemoire{}, VueFenetre{}, HighScores{}, Langue::Francais);
  Noms attendues = Cles(EtatJeu());
  for (const char* nouvelle : {"captions", "highScores", "place", "messages", "scoresShown"})
    attendues.push_back(nouvelle);
  EXPECT_EQ(Cles(j), attendues);
  for (const Json& colonne : j["sheet"])
    for (const Json& k : colonne)
      EXPECT_EQ(Cles(k), (Noms{"taken", "visible", "selectable", "score", "potential", "colour",
                               "caption", "look", "pointer"}));
}

// Each value is read from its own field, at its own die, column and figure.
TEST(ValeursEtat, EachSquareAndTotalLandsAtItsColumnAndFigure) {
  EtatPartie e;
  e.Cases(2, 5) = CaseJeu{.Prise = true, .Visible = true, .Selectionnable = false, .Score = 77};
  e.Cases(5, 2).ScorePotentiel = 33;
  e.Cases(5, 2).Selectionnable = true;
  e.Cases(5, 2).CouleurPotentiel = Bleu;
  e.TotalHaut[3] = 61;
  e.BonusHaut[3] = 30;
  e.TotalBas[4] = 120;
  e.BonusBas[6] = 257;
  e.NbFiguresColonne[6] = 4;
  e.ColonneFermee[4] = false;

  const Json j = EtatJeu(e);
  EXPECT_EQ(j["sheet"][1][4]["taken"], true);
  EXPECT_EQ(j["sheet"][1][4]["score"], 77);
  EXPECT_EQ(j["sheet"][4][1]["taken"], false);
  EXPECT_EQ(j["sheet"][4][1]["potential"], 33);
  EXPECT_EQ(j["sheet"][4][1]["selectable"], true);
  EXPECT_EQ(j["sheet"][4][1]["colour"], 0xFF0000);
  EXPECT_EQ(j["totals"][2],
            Json::parse(R"({"upper":61,"upperBonus":30,"lower":0,"lowerBonus":0})"));
  EXPECT_EQ(j["totals"][3]["lower"], 120);
  EXPECT_EQ(j["totals"][5]["lowerBonus"], 257);
  EXPECT_EQ(j["columnFigures"], Json::parse("[0,0,0,0,0,4]"));
  EXPECT_EQ(j["closed"], Json::parse("[true,true,true,false,true,true]"));
}

TEST(ValeursEtat, DiceAndPanelsComeFromTheGameAndTheDisplay) {
  EtatPartie e;
  for (int i = 1; i <= NbDes; ++i) e.Des[i] = static_cast<int16_t>(i + 1);
  e.DesGardes[3] = false;
  AffichageMemoire a;
  a.ImageDe(2, 7);
  a.LegendeOkDe("2");
  a.LegendeTotalDes("20");
  a.LegendeScoreTotal("154");
  a.PanelOkDeVisible(true);

  const Json j = EtatJeu(e, a);
  EXPECT_EQ(j["dice"], Json::parse("[2,3,4,5,6]"));
  EXPECT_EQ(j["kept"], Json::parse("[true,true,false,true,true]"));
  EXPECT_EQ(j["shown"], Json::parse("[-1,7,-1,-1,-1]"));
  EXPECT_EQ(j["ok"], "2");
  EXPECT_EQ(j["okVisible"], true);
  EXPECT_EQ(j["diceTotal"], "20");
  EXPECT_EQ(j["scoreTotal"], "154");
}

// What the window shows of each square is what it last drew there.
TEST(ValeursEtat, EachSquareShowsItsCaptionLookAndPointerAtItsColumnAndFigure) {
  VueFenetre v;
  v.cases[4][11] = {"50", Aspect::Libre, PointeurFlecheHaut};
  v.cases[2][3] = {"OOO", Aspect::Prise, PointeurInterdit};
  v.cases[6][1] = {"12", Aspect::Cachee, PointeurInterdit};
  const Json j = EtatEnJson(EtatPartie{}, AffichageMemoire{}, v, HighScores{}, Langue::Francais);
  auto vue = [&](int c, int f) {
    const Json& k = j["sheet"][c - 1][f - 1];
    return Json::array({k["caption"], k["look"], k["pointer"]});
  };
  EXPECT_EQ(vue(4, 11), Json::parse(R"(["50", "free", 10])"));
  EXPECT_EQ(vue(2, 3), Json::parse(R"(["OOO", "taken", 12])"));
  EXPECT_EQ(vue(6, 1), Json::parse(R"(["12", "hidden", 12])"));
}

// Every control that shows a text is listed by name, the squares of the sheet excepted.
TEST(Legendes, ListEveryControlWithATextButTheSquares) {
  const Json l = Legendes(EtatPartie{}, AffichageMemoire{}, VueFenetre{}, Langue::Anglais);
  for (const char* nom :
       {"FormRolvex", "FormParams", "TextName", "SSOptionModeColonnes(3)", "PanelNewMode",
        "PanelInfoDéroulement", "MenuDésNumériques", "CaseInfoGauche(13)", "CaseInfoBonusBasDroite",
        "CaseBonusBasAnnonce", "PanelScoreNom(10)", "PanelScoreScore(7)"})
    EXPECT_TRUE(l.contains(nom)) << nom;
  // 13 labels a side, 8 total and bonus labels, 6 headers, 24 totals, 50 high-score cells,
  // 11 menu entries, the dice area's 4 panels with the information line and the mode panel,
  // 4 buttons, the window; the dialog's window, frame, 3 options, name box and 2 buttons.
  EXPECT_EQ(l.size(), 26u + 8 + 6 + 24 + 50 + 11 + 6 + 4 + 1 + 8);
  for (const auto& [nom, texte] : l.items())
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      EXPECT_FALSE(nom.starts_with("Case" + std::string(Colonnes[c].nom) + "(")) << nom;
}

// The texts follow the language chosen; the information line holds a message or plain text.
TEST(TextesEtat, TheDiceAreaTheModePanelAndTheMessagesAreWordedInTheLanguage) {
  EtatPartie e;
  AffichageMemoire a;
  EXPECT_EQ(Legendes(e, a, VueFenetre{}, Langue::Francais)["PanelModeColonnes"], "");
  e.NbColonnes = 3;
  a.LegendeOkDe("2");
  a.LegendeFigureRealisee(TexteFigure::TexteSuite);
  a.LegendeTotalDes("15");
  a.InfoDeroulement(Message::MsgChoisirCase);
  const Json fr = Legendes(e, a, VueFenetre{}, Langue::Francais);
  EXPECT_EQ(fr["PanelModeColonnes"], "3 colonnes");
  EXPECT_EQ(fr["PanelOkDé"], "2");
  EXPECT_EQ(fr["PanelFigureRéalisée"], "SUITE");
  EXPECT_EQ(fr["PanelTotalDés"], "15");
  EXPECT_EQ(fr["PanelInfoDéroulement"], "Veuillez sélectionner une case...");
  const Json en = Legendes(e, a, VueFenetre{}, Langue::Anglais);
  EXPECT_EQ(en["PanelModeColonnes"], "3 columns");
  EXPECT_EQ(en["PanelFigureRéalisée"], "SEQUENCE");
  EXPECT_EQ(en["PanelInfoDéroulement"], "You have to choose a square...");
  EXPECT_EQ(EtatJeu(e, a, Langue::Anglais)["info"], "You have to choose a square...");
  EXPECT_EQ(EtatJeu(e, a, Langue::Francais)["figure"], "SUITE");
  a.InfoInterface("Somme des 5 dés actuellement tirés.");
  EXPECT_EQ(EtatJeu(e, a, Langue::Anglais)["info"], "Somme des 5 dés actuellement tirés.");
}

// A state is one line of valid UTF-8: line breaks of the texts are escaped, never raw.
TEST(LigneEtat, IsOneLineThatKeepsCarriageReturnsAndAccents) {
  AffichageMemoire a;
  a.InfoDeroulement(Message::MsgBoutonsSouris);
  const std::string ligne = LigneJson(EtatJeu({}, a));
  EXPECT_EQ(ligne.find('\n'), std::string::npos);
  EXPECT_EQ(ligne.find('\r'), std::string::npos);
  EXPECT_NE(ligne.find(R"(un dé\rBouton droit)"), std::string::npos);
  EXPECT_EQ(Json::parse(ligne)["info"],
            "Bouton gauche de la souris pour garder ou jeter un dé\r"
            "Bouton droit de la souris pour garder les mêmes dés");
}

TEST(LigneEtat, ReplacesBytesThatAreNotUtf8InsteadOfFailing) {
  AffichageMemoire a;
  a.InfoInterface("caf\xE9");  // a single-byte code page, not UTF-8
  std::string ligne;
  ASSERT_NO_THROW(ligne = LigneJson(EtatJeu({}, a)));
  EXPECT_EQ(Json::parse(ligne)["info"], "caf\xEF\xBF\xBD");
}

}  // namespace
}  // namespace rolvex::cli
