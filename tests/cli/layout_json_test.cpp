#include "tools/cli/layout_json.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/cli/driver.h"

namespace rolvex::cli {
namespace {

using Json = nlohmann::ordered_json;

// `layout` prints one line, read here as the script's reader would.
std::string Ligne(std::string_view commande) {
  Pilote p;
  const Réponse r = p.Exécuter(commande);
  EXPECT_FALSE(r.refus) << r.refus.value_or("");
  return r.sortie.value_or("{}");
}
Json Disposition(std::string_view commande) { return Json::parse(Ligne(commande)); }

// The sizes of the sheet follow the screen, as designed for 800 × 600 and 640 × 480.
TEST(CommandeLayout, TheReferenceScreenGivesTheDesignedSizes) {
  const Json j = Disposition("layout 12000 9000 6");
  EXPECT_EQ(j["HauteurCase"], 310);
  EXPECT_EQ(j["LargeurCase"], 1200);
  EXPECT_EQ(j["EcartVertical"], 31);
  EXPECT_EQ(j["EcartHorizontal"], 50);
  EXPECT_EQ(j["RetraitPrise"], 25);
  EXPECT_EQ(j["MargePanneau"], 60);
  EXPECT_EQ(j["m"], 150);
  EXPECT_EQ(j["controls"]["PictureAireJeu"][3], 6169);
  EXPECT_EQ(j["controls"]["PictureAireJeu"][2], 10050);
}

TEST(CommandeLayout, ThePlayAreaIsAsWideAsTheColumnsInPlay) {
  EXPECT_EQ(Disposition("layout 12000 9000 3")["controls"]["PictureAireJeu"][2], 6300);
  const Json un = Disposition("layout 12000 9000 1");
  EXPECT_EQ(un["controls"]["PictureAireJeu"], Json::parse("[4100, 50, 3800, 6169]"));
  // Libre alone stands in the first column slot, after the left labels.
  EXPECT_EQ(un["controls"]["CaseNomLibre"][0], 1300);
}

TEST(CommandeLayout, A640By480ScreenScalesEverySize) {
  const Json j = Disposition("layout 9600 7200 6");
  EXPECT_EQ(j["HauteurCase"], 248);
  EXPECT_EQ(j["LargeurCase"], 960);
  EXPECT_EQ(j["EcartVertical"], 25);
  EXPECT_EQ(j["EcartHorizontal"], 40);
  EXPECT_EQ(j["RetraitPrise"], 20);
  EXPECT_EQ(j["MargePanneau"], 48);
  EXPECT_EQ(j["m"], 120);
}

TEST(CommandeLayout, TheNameDialogStandsAsDesignedOnTheReferenceScreen) {
  const Json c = Disposition("layout 12000 9000 6")["controls"];
  EXPECT_EQ(c["FormParams"], Json::parse("[0, 0, 4900, 3905]"));
  EXPECT_EQ(c["FrameModeColonnes"], Json::parse("[150, 150, 4600, 2000]"));
  EXPECT_EQ(c["TextName"], Json::parse("[150, 2300, 4600, 450]"));
  EXPECT_EQ(c["PanelCancelParams"], Json::parse("[150, 2900, 2225, 405]"));
  EXPECT_EQ(c["PanelOkParams"], Json::parse("[2525, 2900, 2225, 405]"));
}

// Fractions are printed with the fewest digits that give the same value back.
TEST(CommandeLayout, FractionsArePrintedShortAndWholeNumbersAsIntegers) {
  const std::string ligne = Ligne("layout 12000 9000 6");
  EXPECT_NE(ligne.find(R"j("SSOptionModeColonnes(1)":[150,300,4300,416.66666])j"),
            std::string::npos);
  EXPECT_NE(ligne.find(R"("TextName":14)"), std::string::npos) << "a whole point size";
  const Json large = Disposition("layout 15360 11520 6");
  EXPECT_EQ(large["m"], 192);
  EXPECT_EQ(large["fontSizes"]["FrameModeColonnes"].dump(), "10.24");
}

TEST(Nombre, GivesIntegersForWholeValuesAndTheShortestDigitsOtherwise) {
  EXPECT_EQ(Nombre(310.0F).dump(), "310");
  EXPECT_EQ(Nombre(-25.0F).dump(), "-25");
  EXPECT_EQ(Nombre(1250.0F / 3).dump(), "416.66666");
  EXPECT_EQ(Nombre(10.24F).dump(), "10.24");
  EXPECT_EQ(Nombre(14.25F).dump(), "14.25");
  EXPECT_EQ(static_cast<float>(Nombre(0.1F).get<double>()), 0.1F);
}

TEST(CommandeLayout, KeysComeInTheProtocolOrderAndTheLineChangesNoGame) {
  Pilote p;
  const Json avant = p.ÉtatJson();
  const Réponse r = p.Exécuter("layout 12000 9000 3");
  ASSERT_TRUE(r.sortie);
  const Json j = Json::parse(*r.sortie);
  std::vector<std::string> clés;
  for (const auto& [clé, valeur] : j.items()) clés.push_back(clé);
  EXPECT_EQ(clés, (std::vector<std::string>{"HauteurCase", "LargeurCase", "EcartVertical",
                                             "EcartHorizontal", "RetraitPrise", "MargePanneau",
                                             "m", "controls", "fontSizes"}));
  EXPECT_EQ(p.ÉtatJson(), avant);
}

}  // namespace
}  // namespace rolvex::cli
