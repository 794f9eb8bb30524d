// The driver's protocol: which lines it takes, what it prints, and that each command reaches
// the session as the window delivers it. What the session then does is its own tests' concern.
#include "tools/cli/driver.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "records/file_store.h"
#include "tools/cli/state_json.h"

namespace rolvex::cli {
namespace {

using Json = nlohmann::ordered_json;
using Noms = std::vector<std::string>;

Noms Cles(const Json& objet) {
  Noms cles;
  for (const auto& [cle, valeur] : objet.items()) cles.push_back(cle);
  return cles;
}

// Runs lines that must all be accepted.
void Jouer(Pilote& p, std::initializer_list<std::string_view> lignes) {
  for (std::string_view l : lignes) {
    const Reponse r = p.Executer(l);
    EXPECT_FALSE(r.refus) << l << ": " << r.refus.value_or("");
  }
}

// Replays and other tools read the state by key and compare lines: the keys and their order
// are part of the protocol, and every list has one entry per die, column or square.
TEST(Etat, KeysComeInTheProtocolOrderWithOneEntryPerDieColumnAndSquare) {
  Pilote p;
  const Json j = p.EtatJson();
  EXPECT_EQ(Cles(j), (Noms{"mode",     "columns",    "turn",          "throws",    "announced",
                           "over",     "dice",       "kept",          "shown",     "facesType",
                           "ok",       "okVisible",  "figure",        "diceTotal", "scoreTotal",
                           "info",     "total",      "figuresMade",   "seconds",   "nextDown",
                           "nextUp",   "closed",     "columnFigures", "sheet",     "totals",
                           "captions", "highScores", "place",         "messages",  "scoresShown"}));
  ASSERT_EQ(j["sheet"].size(), 6u);
  for (const Json& colonne : j["sheet"]) {
    ASSERT_EQ(colonne.size(), 13u);
    for (const Json& k : colonne)
      EXPECT_EQ(Cles(k), (Noms{"taken", "visible", "selectable", "score", "potential", "colour",
                               "caption", "look", "pointer"}));
  }
  for (const Json& t : j["totals"])
    EXPECT_EQ(Cles(t), (Noms{"upper", "upperBonus", "lower", "lowerBonus"}));
  for (const char* parDe : {"dice", "kept", "shown"}) EXPECT_EQ(j[parDe].size(), 5u) << parDe;
  for (const char* parColonne : {"closed", "columnFigures", "totals"})
    EXPECT_EQ(j[parColonne].size(), 6u) << parColonne;
  EXPECT_EQ(j["highScores"].size(), 10u);
  // Every control that shows a text, the squares excepted; the fifty high-score cells too.
  EXPECT_EQ(j["captions"].size(), InitTextesLangue(Langue::Francais).legendes.size() + 24 + 58);
}

// A state is one line of valid UTF-8: line breaks of the texts are escaped, and a byte that is
// not UTF-8 is replaced rather than stopping the driver.
TEST(Etat, IsOneLineOfUtf8WhateverTheTexts) {
  Json j = {{"info", "un dé\rBouton"}, {"nom", "caf\xE9"}};
  const std::string ligne = LigneJson(j);
  EXPECT_EQ(ligne.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(Json::parse(ligne)["info"], "un dé\rBouton");
  EXPECT_EQ(Json::parse(ligne)["nom"], "caf\xEF\xBF\xBD");
}

// A refused line changes nothing: play needs a game started by `new` or the name dialog, the
// data files are read only before the first game, and one bad value refuses its whole line.
TEST(Refus, ARefusedLineChangesNothing) {
  Pilote p;
  const Json avant = p.EtatJson();
  for (std::string_view l : {"ok", "left 1", "right 2", "place 3", "click 1 1", "tick 5"}) {
    const Reponse r = p.Executer(l);
    EXPECT_EQ(r.refus, "no game yet: start one with 'new' first") << l;
    EXPECT_FALSE(r.sortie);
  }
  EXPECT_TRUE(p.Executer("dice 1 2 7 3").refus);
  EXPECT_EQ(p.EtatJson(), avant);
  EXPECT_EQ(p.Jeu().Ecran().partieCommencee, false);

  Jouer(p, {"name Zoé", "dice 1 1 1 1 1", "ok"});
  const Json partie = p.EtatJson();
  EXPECT_EQ(p.Executer("data /tmp").refus,
            "data comes before the first game: the window loads its files once, at start-up");
  EXPECT_TRUE(p.Executer("click 7 1").refus);
  EXPECT_EQ(p.EtatJson(), partie);
}

// Only `state` and `layout` print; `state` shows each message box once.
TEST(Sortie, OnlyStateAndLayoutPrintAndStateShowsEachMessageOnce) {
  Pilote p;
  for (std::string_view l : {"lang en", "new 1", "ok", "# note", "", "tick 2", "name"})
    EXPECT_FALSE(p.Executer(l).sortie) << l;
  ASSERT_TRUE(p.Executer("layout 12000 9000 6").sortie);
  const Reponse r = p.Executer("state");
  ASSERT_TRUE(r.sortie);
  const Json etat = Json::parse(*r.sortie);
  EXPECT_EQ(etat["messages"], Json::array({"Please enter you name..."}));
  EXPECT_EQ(etat["seconds"], 2);
  EXPECT_EQ(Json::parse(*p.Executer("state").sortie)["messages"], Json::array());
}

// Each command reaches the session as the window's gesture would: the state afterwards is the
// session's own.
TEST(Commandes, EachCommandActsOnTheSessionAsTheWindowWould) {
  Pilote p;
  Jouer(p, {"lang en", "mode 1", "name Zoé", "dice 2 5 2 6 2", "ok", "right 3"});
  const Session& s = p.Jeu();
  EXPECT_EQ(s.Etat().ModeJeu, 1);
  EXPECT_EQ(s.NomJoueur(), "Zoé");
  EXPECT_EQ(p.EtatJson()["captions"]["TextName"], "Zoé");
  EXPECT_EQ(p.EtatJson()["kept"], Json::parse("[true,false,true,false,true]"));
  Jouer(p, {"left 2", "left 1", "place 1", "faces 2"});
  EXPECT_EQ(p.EtatJson()["shown"], Json::parse("[7,10,7,-1,7]"));
  Jouer(p, {"hover 1 2"});
  EXPECT_EQ(s.TexteInfo(), *AppelMoveCase(s.Etat(), 1, 2, Langue::Anglais));
  Jouer(p, {"bonus 1 1"});
  EXPECT_EQ(s.TexteInfo(), *AppelMoveBonus(s.Etat(), bonus::Haut, 1, Langue::Anglais));
  Jouer(p, {"panel PanelTotalDés"});
  EXPECT_EQ(s.TexteInfo(), AppelMovePanel(Seul::PanelTotalDes, Langue::Anglais));
  Jouer(p, {"bare", "tick 61", "click 1 2"});
  EXPECT_EQ(s.Horloge().SecondesPartie(), 61);
  EXPECT_TRUE(s.Etat().Cases(1, 2).Prise);
  Jouer(p, {"lang fr"});
  EXPECT_EQ(p.EtatJson()["info"], Texte(Message::MsgNouveauTirage, Langue::Francais));
  Jouer(p, {"new 3"});
  EXPECT_EQ(s.Etat().NbColonnes, 6);
  EXPECT_EQ(s.NomJoueur(), "Zoé");
}

// `data` reads the files of a folder and saves there; `seed` replays the dice of every game.
TEST(Commandes, DataReadsAndWritesItsFolderAndSeedReplaysTheDice) {
  std::string modele = (std::filesystem::temp_directory_path() / "rolvex-cli-XXXXXX").string();
  ASSERT_NE(::mkdtemp(modele.data()), nullptr);
  const std::filesystem::path dossier = modele;
  {
    Pilote p;
    Jouer(p, {"data " + dossier.string(), "mode 2", "name Léa"});
  }
  Pilote p;
  Jouer(p, {"data  " + dossier.string() + " ", "seed 11", "new 1", "ok"});
  EXPECT_EQ(p.EtatJson()["captions"]["TextName"], "Léa");
  EXPECT_EQ(p.Jeu().Etat().ModeJeu, 1);
  const Json des = p.EtatJson()["dice"];
  Jouer(p, {"click 1 7", "new 1", "ok"});
  EXPECT_EQ(p.EtatJson()["dice"], des);
  std::filesystem::remove_all(dossier);
}

}  // namespace
}  // namespace rolvex::cli
