#include "tools/cli/driver.h"

#include <gtest/gtest.h>

namespace rolvex::cli {
namespace {

using Json = nlohmann::ordered_json;

// Runs lines that must all be accepted.
void Jouer(Pilote& p, std::initializer_list<std::string_view> lignes) {
  for (std::string_view l : lignes) {
    const Reponse r = p.Executer(l);
    EXPECT_FALSE(r.refus) << l << ": " << r.refus.value_or("");
  }
}

Json Des(const Pilote& p) { return p.EtatJson()["dice"]; }

// A refused line changes nothing, and play needs a game started by `new`.
TEST(Refus, PlayBeforeTheFirstGameIsRefusedWhileSetUpIsAccepted) {
  Pilote p;
  const Json avant = p.EtatJson();
  for (std::string_view l : {"ok", "left 1", "right 2", "place 3", "click 1 1", "tick", "tick 5"}) {
    const Reponse r = p.Executer(l);
    ASSERT_TRUE(r.refus) << l;
    EXPECT_EQ(*r.refus, "no game yet: start one with 'new' first");
    EXPECT_FALSE(r.sortie);
  }
  EXPECT_EQ(p.EtatJson(), avant);
  Jouer(p, {"lang en", "seed 3", "dice 1 2", "faces 2", "state"});
  const Json j = p.EtatJson();
  EXPECT_EQ(j["turn"], 0);
  EXPECT_EQ(j["okVisible"], false);
  EXPECT_EQ(j["facesType"], 2);
  EXPECT_EQ(p.DesEnAttente(), 2u);
}

TEST(Refus, ABadValueOnALineRefusesTheWholeLine) {
  Pilote p;
  EXPECT_TRUE(p.Executer("dice 1 2 7 3").refus);
  EXPECT_EQ(p.DesEnAttente(), 0u);
  Jouer(p, {"new 1", "dice 1 1 1 1 1", "ok"});
  const Json avant = p.EtatJson();
  EXPECT_TRUE(p.Executer("click 7 1").refus);
  EXPECT_TRUE(p.Executer("click 1 0").refus);
  EXPECT_EQ(p.EtatJson(), avant);
}

// `state` is the only command that prints.
TEST(Sortie, OnlyStatePrintsAndItPrintsTheCurrentState) {
  Pilote p;
  for (std::string_view l : {"lang en", "new 1", "dice 3 3 3 2 2", "ok", "# note", "", "tick 2"})
    EXPECT_FALSE(p.Executer(l).sortie) << l;
  const Reponse r = p.Executer("state");
  ASSERT_TRUE(r.sortie);
  EXPECT_EQ(Json::parse(*r.sortie), p.EtatJson());
  EXPECT_EQ(p.EtatJson()["figure"], "FULL");
}

// The dice queue: each die the engine throws takes the next value, in die order, and only
// thrown dice do; the queue outlives a new game, and once empty the generator takes over.
TEST(FileDeDes, OnlyTheDiceThrownTakeTheQueuedValuesInDieOrder) {
  Pilote p;
  Jouer(p, {"dice 1 2 3 4 5 6 5 3", "new 2", "new 1", "ok"});
  EXPECT_EQ(Des(p), Json::parse("[1,2,3,4,5]"));
  Jouer(p, {"ok"});  // every die kept: the engine does not throw
  EXPECT_EQ(p.DesEnAttente(), 3u);
  Jouer(p, {"left 2", "left 4", "ok"});
  EXPECT_EQ(Des(p), Json::parse("[1,6,3,5,5]"));
  EXPECT_EQ(p.DesEnAttente(), 1u);
  Jouer(p, {"left 1", "left 2", "ok"});
  EXPECT_EQ(p.Etat().Des[1], 3);
  EXPECT_EQ(p.DesEnAttente(), 0u);
  EXPECT_GE(p.Etat().Des[2], 1);
  EXPECT_LE(p.Etat().Des[2], 6);
}

// A seed makes every later game draw the same dice, so a replay reproduces a game.
TEST(Graine, EveryNewGameRestartsFromTheSeedAndOtherSeedsDiffer) {
  auto jets = [](std::string_view graine) {
    Pilote p;
    Jouer(p, {graine, "new 3"});
    Json j = Json::array();
    // Several turns, so that two seeds agreeing by chance on one throw cannot pass.
    for (int tour = 0; tour < 6; ++tour) {
      Jouer(p, {"ok", "left 1", "left 3", "ok"});
      j.push_back(Des(p));
      Jouer(p, {"click 1 " + std::to_string(tour + 1)});
    }
    Jouer(p, {"new 3", "ok", "left 1", "left 3", "ok"});
    EXPECT_EQ(Des(p), j[0]) << "the new game replays the seed";
    return j;
  };
  EXPECT_EQ(jets("seed 11"), jets("seed 11"));
  EXPECT_NE(jets("seed 11"), jets("seed 12"));
}

// The window delivers no press to a hidden button.
TEST(CommeLaFenetre, ThrowButtonIsHiddenAndDeadOnceTheGameIsOver) {
  Pilote p;
  Jouer(p, {"seed 5", "new 1"});
  for (int f = 1; f <= NbFigures; ++f) Jouer(p, {"ok", "click 1 " + std::to_string(f)});
  ASSERT_TRUE(p.Etat().PartieTerminee);
  EXPECT_FALSE(p.Fenetre().okDeVisible);
  const Json fin = p.EtatJson();
  Jouer(p, {"ok", "left 1", "click 1 1"});
  EXPECT_EQ(p.EtatJson(), fin);
}

// The dice buttons reach the engine as the left and right mouse buttons.
TEST(BoutonsDes, RightKeepsTheIdenticalDiceLeftAndPlaceToggleOneDie) {
  Pilote p;
  Jouer(p, {"new 1", "dice 2 5 2 6 2", "ok", "right 3"});
  EXPECT_EQ(p.EtatJson()["kept"], Json::parse("[true,false,true,false,true]"));
  EXPECT_EQ(p.EtatJson()["shown"], Json::parse("[1,-1,1,-1,1]"));
  Jouer(p, {"left 2"});
  EXPECT_EQ(p.EtatJson()["kept"], Json::parse("[true,true,true,false,true]"));
  Jouer(p, {"left 1", "place 1"});
  EXPECT_EQ(p.EtatJson()["kept"], Json::parse("[true,true,true,false,true]"));
}

// Set-up commands: the faces of the dice, the language, the clock.
TEST(Reglages, LanguageFacesAndTicksTakeEffectAtOnce) {
  Pilote p;
  Jouer(p, {"new 1"});
  EXPECT_EQ(p.EtatJson()["info"], "Cliquez sur le bouton OK pour effectuer un nouveau tirage...");
  Jouer(p, {"lang en"});
  EXPECT_EQ(p.EtatJson()["info"], "Click on the button OK to go on th next drawing...");
  Jouer(p, {"dice 1 2 3 4 6", "ok", "left 5", "faces 2"});
  EXPECT_EQ(p.EtatJson()["shown"], Json::parse("[6,7,8,9,-1]"));
  EXPECT_EQ(p.EtatJson()["facesType"], 2);
  Jouer(p, {"tick", "tick 60"});
  EXPECT_EQ(p.EtatJson()["seconds"], 61);
}

}  // namespace
}  // namespace rolvex::cli
