#include "tools/cli/driver.h"

#include <gtest/gtest.h>

namespace rolvex::cli {
namespace {

using Json = nlohmann::ordered_json;

// Runs lines that must all be accepted.
void Jouer(Pilote& p, std::initializer_list<std::string_view> lignes) {
  for (std::string_view l : lignes) {
    const Réponse r = p.Exécuter(l);
    EXPECT_FALSE(r.refus) << l << ": " << r.refus.value_or("");
  }
}

Json Dés(const Pilote& p) { return p.ÉtatJson()["dice"]; }

// A refused line changes nothing, and play needs a game started by `new`.
TEST(Refus, PlayBeforeTheFirstGameIsRefusedWhileSetUpIsAccepted) {
  Pilote p;
  const Json avant = p.ÉtatJson();
  for (std::string_view l : {"ok", "left 1", "right 2", "place 3", "click 1 1", "tick", "tick 5"}) {
    const Réponse r = p.Exécuter(l);
    ASSERT_TRUE(r.refus) << l;
    EXPECT_EQ(*r.refus, "no game yet: start one with 'new' first");
    EXPECT_FALSE(r.sortie);
  }
  EXPECT_EQ(p.ÉtatJson(), avant);
  Jouer(p, {"lang en", "seed 3", "dice 1 2", "faces 2", "state"});
  const Json j = p.ÉtatJson();
  EXPECT_EQ(j["turn"], 0);
  EXPECT_EQ(j["okVisible"], false);
  EXPECT_EQ(j["facesType"], 2);
  EXPECT_EQ(p.DésEnAttente(), 2u);
}

TEST(Refus, ABadValueOnALineRefusesTheWholeLine) {
  Pilote p;
  EXPECT_TRUE(p.Exécuter("dice 1 2 7 3").refus);
  EXPECT_EQ(p.DésEnAttente(), 0u);
  Jouer(p, {"new 1", "dice 1 1 1 1 1", "ok"});
  const Json avant = p.ÉtatJson();
  EXPECT_TRUE(p.Exécuter("click 7 1").refus);
  EXPECT_TRUE(p.Exécuter("click 1 0").refus);
  EXPECT_EQ(p.ÉtatJson(), avant);
}

// `state` is the only command that prints.
TEST(Sortie, OnlyStatePrintsAndItPrintsTheCurrentState) {
  Pilote p;
  for (std::string_view l : {"lang en", "new 1", "dice 3 3 3 2 2", "ok", "# note", "", "tick 2"})
    EXPECT_FALSE(p.Exécuter(l).sortie) << l;
  const Réponse r = p.Exécuter("state");
  ASSERT_TRUE(r.sortie);
  EXPECT_EQ(Json::parse(*r.sortie), p.ÉtatJson());
  EXPECT_EQ(p.ÉtatJson()["figure"], "FULL");
}

// The dice queue: each die the engine throws takes the next value, in die order, and only
// thrown dice do; the queue outlives a new game, and once empty the generator takes over.
TEST(FileDeDés, OnlyTheDiceThrownTakeTheQueuedValuesInDieOrder) {
  Pilote p;
  Jouer(p, {"dice 1 2 3 4 5 6 5 3", "new 2", "new 1", "ok"});
  EXPECT_EQ(Dés(p), Json::parse("[1,2,3,4,5]"));
  Jouer(p, {"ok"});  // every die kept: the engine does not throw
  EXPECT_EQ(p.DésEnAttente(), 3u);
  Jouer(p, {"left 2", "left 4", "ok"});
  EXPECT_EQ(Dés(p), Json::parse("[1,6,3,5,5]"));
  EXPECT_EQ(p.DésEnAttente(), 1u);
  Jouer(p, {"left 1", "left 2", "ok"});
  EXPECT_EQ(p.État().Dés[1], 3);
  EXPECT_EQ(p.DésEnAttente(), 0u);
  EXPECT_GE(p.État().Dés[2], 1);
  EXPECT_LE(p.État().Dés[2], 6);
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
      j.push_back(Dés(p));
      Jouer(p, {"click 1 " + std::to_string(tour + 1)});
    }
    Jouer(p, {"new 3", "ok", "left 1", "left 3", "ok"});
    EXPECT_EQ(Dés(p), j[0]) << "the new game replays the seed";
    return j;
  };
  EXPECT_EQ(jets("seed 11"), jets("seed 11"));
  EXPECT_NE(jets("seed 11"), jets("seed 12"));
}

// The window delivers no press to a hidden button.
TEST(CommeLaFenêtre, ThrowButtonIsHiddenAndDeadOnceTheGameIsOver) {
  Pilote p;
  Jouer(p, {"seed 5", "new 1"});
  for (int f = 1; f <= NbFigures; ++f) Jouer(p, {"ok", "click 1 " + std::to_string(f)});
  ASSERT_TRUE(p.État().PartieTerminée);
  EXPECT_FALSE(p.Fenêtre().okDéVisible);
  const Json fin = p.ÉtatJson();
  Jouer(p, {"ok", "left 1", "click 1 1"});
  EXPECT_EQ(p.ÉtatJson(), fin);
}

// The dice buttons reach the engine as the left and right mouse buttons.
TEST(BoutonsDés, RightKeepsTheIdenticalDiceLeftAndPlaceToggleOneDie) {
  Pilote p;
  Jouer(p, {"new 1", "dice 2 5 2 6 2", "ok", "right 3"});
  EXPECT_EQ(p.ÉtatJson()["kept"], Json::parse("[true,false,true,false,true]"));
  EXPECT_EQ(p.ÉtatJson()["shown"], Json::parse("[1,-1,1,-1,1]"));
  Jouer(p, {"left 2"});
  EXPECT_EQ(p.ÉtatJson()["kept"], Json::parse("[true,true,true,false,true]"));
  Jouer(p, {"left 1", "place 1"});
  EXPECT_EQ(p.ÉtatJson()["kept"], Json::parse("[true,true,true,false,true]"));
}

// Set-up commands: the faces of the dice, the language, the clock.
TEST(Réglages, LanguageFacesAndTicksTakeEffectAtOnce) {
  Pilote p;
  Jouer(p, {"new 1"});
  EXPECT_EQ(p.ÉtatJson()["info"], "Cliquez sur le bouton OK pour effectuer un nouveau tirage...");
  Jouer(p, {"lang en"});
  EXPECT_EQ(p.ÉtatJson()["info"], "Click on the button OK to go on th next drawing...");
  Jouer(p, {"dice 1 2 3 4 6", "ok", "left 5", "faces 2"});
  EXPECT_EQ(p.ÉtatJson()["shown"], Json::parse("[6,7,8,9,-1]"));
  EXPECT_EQ(p.ÉtatJson()["facesType"], 2);
  Jouer(p, {"tick", "tick 60"});
  EXPECT_EQ(p.ÉtatJson()["seconds"], 61);
}

}  // namespace
}  // namespace rolvex::cli
