// The driver's protocol: which lines it takes, what it prints, and that each command reaches
// the session as the window delivers it. What the session then does is its own tests' concern.
#include "tools/cli/driver.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "history/history_db.h"
#include "tools/cli/layout_json.h"
#include "tools/cli/state_json.h"
#include "tools/cli/stats_json.h"

namespace rolvex::cli {
namespace {

using Json = nlohmann::ordered_json;
// The keys of an object, in their order.
std::string Cles(const Json& objet) {
  std::string cles;
  for (const auto& [cle, valeur] : objet.items()) cles += (cles.empty() ? "" : " ") + cle;
  return cles;
}

using Geste = std::function<void()>;

// The dice chosen for the next throws, as a test or a replay queues them.
Geste Des(Session& s, std::vector<int16_t> faces) {
  return [&s, faces] {
    for (int16_t face : faces) s.FileDes().Ajouter(face);
  };
}

// Replays and other tools read the state by key and compare lines: the keys and their order
// are part of the protocol, every list has one entry per die, column or square, and a state is
// one line.
TEST(Etat, IsOneLineWithTheKeysInTheProtocolOrderAndOneEntryPerDieColumnAndSquare) {
  const Json j = Pilote().EtatJson();
  EXPECT_EQ(Cles(j),
            "mode columns turn throws announced over dice kept shown facesType ok okVisible figure "
            "diceTotal scoreTotal info total figuresMade seconds nextDown nextUp closed "
            "columnFigures sheet totals captions highScores place messages scoresShown resumed "
            "canUndo");
  for (const Json& colonne : j["sheet"]) EXPECT_EQ(colonne.size(), 13u);
  EXPECT_EQ(Cles(j["sheet"][5][12]),
            "taken visible selectable score potential colour caption look pointer");
  EXPECT_EQ(Cles(j["totals"][5]), "upper upperBonus lower lowerBonus");
  for (const char* cle : {"dice", "kept", "shown"}) EXPECT_EQ(j[cle].size(), 5u) << cle;
  for (const char* c : {"sheet", "totals", "closed", "columnFigures"})
    EXPECT_EQ(j[c].size(), 6u) << c;
  EXPECT_EQ(j["highScores"].size(), 10u);
  // Every control that shows a text, the squares excepted; the fifty high-score cells too.
  EXPECT_EQ(j["captions"].size(), InitTextesLangue(Langue::Francais).legendes.size() + 24 + 58);
  // One line of valid UTF-8: line breaks of the texts are escaped, and a byte that is not UTF-8
  // is replaced rather than stopping the driver.
  const std::string ligne = LigneJson({{"info", "un dé\rBouton"}, {"nom", "caf\xE9"}});
  EXPECT_EQ(ligne.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(Json::parse(ligne), Json({{"info", "un dé\rBouton"}, {"nom", "caf\xEF\xBF\xBD"}}));
}

// Each line makes the window's call on the session: a session given those calls by hand shows
// the same state after every line, to the end of a game. Set-up commands need no game; blanks,
// tabs and Windows line ends around the words do not matter; a name keeps its blanks. Only
// `state` and `layout` print: the state as it stands, after which the message boxes shown are
// forgotten, and the play area's geometry for the screen and columns asked, the game left alone.
TEST(Commandes, EachLineReachesTheSessionAsTheWindowWould) {
  Pilote p;
  VueFenetre v;
  Session s{v, Langue::Francais, LargeurEcranReference, HauteurEcranReference,
            GraineTablesParDefaut};
  const Geste rien = [] {}, ok = [&] { s.PanelOkDe_Click(); }, etat = [&] { v.messages.clear(); };
  std::vector<std::pair<std::string, Geste>> lignes = {
      {"lang en", [&] { s.ChoisirLangue(Langue::Anglais); }},
      {"#ok", rien},
      {" \t\r", rien},
      {"seed 18446744073709551615", [&] { s.FixerGraine(~0ULL); }},
      {"faces 2", [&] { s.ChoisirFaces(2); }},
      {"faces 1", [&] { s.ChoisirFaces(1); }},
      {"bonus 1 2", [&] { s.SurvolerBonus(bonus::Haut, 2); }},
      {"bare", [&] { s.SurvolerAire(); }},
      {"layout 15000 11250.5 3", rien},
      {"name", [&] { s.PanelOkParams_Click(*(v.texteNom = ""), v.optionMode); }},
      {"state", etat},
      {"mode 2", [&] { v.optionMode = 2; }},
      {"name Jean Luc ", [&] { s.PanelOkParams_Click(*(v.texteNom = "Jean Luc "), 2); }},
      {"dice 2 5 2 6 2", Des(s, {2, 5, 2, 6, 2})},
      {"ok", ok},
      {"right 3", [&] { s.ImageDe_MouseDown(3, 2); }},
      {"left 5", [&] { s.ImageDe_MouseDown(5, 1); }},
      {"place 5", [&] { s.PanelDe_Click(5); }},
      {"ok", ok},
      {"hover 1 12", [&] { s.SurvolerCase(1, 12); }},
      {"panel PanelTotalDés", [&] { s.SurvolerPanel(Seul::PanelTotalDes); }},
      {"tick 3", [&] { s.Tic(3); }},
      {"tick", [&] { s.Tic(); }},
      {"  click\t1   13 \r", [&] { s.AppelCliqueCase(1, 13); }},
      {"undo", [&] { s.Annuler(); }},
      {"click 1 12", [&] { s.AppelCliqueCase(1, 12); }},
      {"lang fr", [&] { s.ChoisirLangue(Langue::Francais); }},
      {"name\tÉléonore Zoé", [&] { s.PanelOkParams_Click(*(v.texteNom = "Éléonore Zoé"), 2); }},
      {"new 1", [&] { s.ChoisirMode(1), s.AppelNouveau(); }}};
  // Five sixes each turn, enough for a place in the high scores.
  for (int16_t f = 1; f <= NbFigures; ++f)
    lignes.insert(lignes.end(),
                  {{"dice 6 6 6 6 6", Des(s, {6, 6, 6, 6, 6})},
                   {"ok", ok},
                   {"click 1 " + std::to_string(f), [&, f] { s.AppelCliqueCase(1, f); }}});
  lignes.insert(lignes.end(), {{"state", etat},
                               {"panel PanelScoreTemps 10",
                                [&] { s.SurvolerPanelScore(Famille::PanelScoreTemps, 10); }},
                               {"new 3", [&] { s.ChoisirMode(3), s.AppelNouveau(); }}});
  for (const auto& [ligne, geste] : lignes) {
    const std::string avant = LigneJson(EtatEnJson(s, v));
    const Reponse r = p.Executer(ligne);
    EXPECT_EQ(r.refus, std::nullopt) << ligne;
    EXPECT_EQ(r.sortie, ligne == "state" ? std::optional(avant)
                        : ligne.starts_with("layout")
                            ? LigneJson(DispositionEnJson(15000, 11250.5, 3))
                            : std::optional<std::string>())
        << ligne;
    geste();
    EXPECT_EQ(LigneJson(p.EtatJson()), LigneJson(EtatEnJson(s, v))) << ligne;
    const Json j = p.EtatJson();  // the session's own numbers under their keys
    const EtatPartie& e = s.Etat();
    EXPECT_EQ(Json({j["total"], j["figuresMade"], j["seconds"], j["nextDown"], j["nextUp"],
                    j["resumed"], j["canUndo"]}),
              Json({e.ScoreTotal, e.NbFiguresRealisees, s.Horloge().SecondesPartie(),
                    e.ProchaineDescente, e.ProchaineMontee, s.PartieReprise(), s.PeutAnnuler()}))
        << ligne;
  }
}

// A refused line says what is wrong and changes nothing: play needs a game started by `new`
// or the name dialog, the data files are read only before the first game, a number is a whole
// word in its range, and a comment takes a line of its own.
TEST(Refus, ARefusedLineSaysWhatIsWrongAndChangesNothing) {
  Pilote p;
  for (std::string_view l : {"ok", "left 1", "right 2", "place 3", "click 1 1", "tick 5", "undo"})
    EXPECT_EQ(p.Executer(l).refus, "no game yet: start one with 'new' first") << l;
  EXPECT_EQ(p.EtatJson(), Pilote().EtatJson());
  EXPECT_FALSE(p.Executer("new 1").refus);
  const Json partie = p.EtatJson();
  const auto refusee = [&](std::string_view ligne, std::string_view motif) {
    const Reponse r = p.Executer(ligne);
    EXPECT_TRUE(r.refus && r.refus->find(motif) != std::string::npos)
        << ligne << ": " << r.refus.value_or("accepted");
    EXPECT_FALSE(r.sortie) << ligne;
  };
  refusee("data /tmp", "data comes before the first game: the window loads its files once");
  refusee("click 1", "wrong number of arguments (1), expected: click COLUMN FIGURE");
  refusee("click 7 1", "column must be a number from 1 to 6, not '7'");
  refusee("bonus 3 1", "bonus row must be a number from 1 to 2, not '3'");
  refusee("seed -1", "seed must be a whole number from 0 to 18446744073709551615, not '-1'");
  refusee("layout 0 9000 6",
          "screen must be a width and a height from 1 to 1000000 twips, not '0 9000'");
  refusee("name Éléonore Zoé!", "the name box holds at most 12 characters, not 13");
  refusee("panel PanelFigureRealisee", "unknown panel 'PanelFigureRealisee'");
  refusee("OK", "unknown command 'OK'");
  refusee("panel PanelScoreNom 11", "row must be a number from 1 to 10, not '11'");
  for (std::string_view ligne :
       {"ok # throw",  "click 0 1", "click 1 14",  "dice",         "dice 1 0",     "dice 7",
        "right 0",     "place 6",   "left 1.5",    "new 4",        "new",          "mode 0",
        "faces 3",     "tick 0",    "tick 86401",  "state now",    "hover 1",      "hover 0 1",
        "bonus 1",     "bonus 3 2", "bare 1",      "panel",        "layout 1 9",   "data  \t ",
        "lang",        "seed",      "undo now",    "left",         "faces",        "tick 1 2",
        "new 1 2",     "mode 1 2",  "panel A 1 2", "layout 9 9 2", "layout 9 9 5", "click 1 2 3",
        "hover 1 2 3", "mode",      "stats 0",     "stats 4",      "stats 1 2"})
    refusee(ligne, "");
  EXPECT_EQ(p.EtatJson(), partie);
}

// `data` reads the files of a folder and saves there, whatever blanks surround it.
TEST(Commandes, DataReadsAndWritesItsFolder) {
  std::string dossier = (std::filesystem::temp_directory_path() / "rolvex-cli-XXXXXX").string();
  ASSERT_NE(::mkdtemp(dossier.data()), nullptr);
  Pilote p, q;
  for (const std::string& l : {"data " + dossier, std::string("mode 2"), std::string("name Léa")})
    EXPECT_FALSE(p.Executer(l).refus) << l;
  EXPECT_FALSE(q.Executer("data \t" + dossier + " \r").refus);
  EXPECT_EQ(q.EtatJson()["captions"]["TextName"], "Léa");
  EXPECT_EQ(q.Vue().optionMode, 2);
  // `stats` prints what the session reports of the session's mode, or refuses with its message.
  const int16_t mode = q.Jeu().Etat().ModeJeu;
  EXPECT_EQ(q.Executer("stats").sortie,
            LigneJson(StatistiquesEnJson(q.Jeu().StatistiquesHistorique(mode).stats)));
  std::ofstream(CheminHistorique(dossier)) << "not a database, not at all, and long enough";
  EXPECT_EQ(q.Executer("stats 2").refus, q.Jeu().StatistiquesHistorique(2).echec);
  EXPECT_TRUE(q.Jeu().StatistiquesHistorique(2).echec);
  std::filesystem::remove_all(dossier);
}

}  // namespace
}  // namespace rolvex::cli

namespace rolvex::cli {
namespace {

// `hint` asks the session's coach, answers its question yes, and prints the choices the session
// shows; `review` comes after the game and prints the session's review.
TEST(Coach, HintAndReviewPrintWhatTheSessionHolds) {
  Pilote p;
  EXPECT_TRUE(p.Executer("hint").refus);
  EXPECT_FALSE(p.Executer("new 1").refus);
  const auto hint = [&] {
    const Reponse r = p.Executer("hint");
    EXPECT_FALSE(r.refus);
    return Json::parse(r.sortie.value());
  };
  Json j = hint();
  EXPECT_EQ(Cles(j), "keep square announce choices");
  EXPECT_EQ(j["keep"], Json({false, false, false, false, false}));
  EXPECT_EQ(p.Vue().messages.size(), 1u);
  EXPECT_EQ(p.Executer("review").refus, "the review comes once a game is over");
  while (!p.Jeu().Etat().PartieTerminee) {
    j = hint();
    const auto& choix = p.Jeu().Conseils();
    ASSERT_EQ(j["choices"].size(), choix.size());
    EXPECT_EQ(j["choices"][0]["expect"], choix[0].esperance);
    if (!j["square"].is_null()) {
      EXPECT_EQ(Cles(j["choices"][0]), "square expect");
      p.Executer("click " + j["square"][0].dump() + " " + j["square"][1].dump());
      continue;
    }
    for (int16_t d = 1; d <= NbDes; ++d)
      if (p.Jeu().Etat().NbJets > 0 && j["keep"][d - 1] != p.Jeu().Etat().DesGardes[d])
        p.Executer("left " + std::to_string(d));
    p.Executer("ok");
  }
  EXPECT_EQ(p.Vue().messages.size(), 1u);
  const Reponse r = p.Executer("review");
  const Json revue = Json::parse(r.sortie.value())["review"];
  ASSERT_EQ(revue.size(), p.Jeu().Revue().size());
  for (std::size_t i = 0; i < revue.size(); ++i)
    EXPECT_EQ(Cles(revue[i]), "turn throw dice made coach lost text");
}

}  // namespace
}  // namespace rolvex::cli
