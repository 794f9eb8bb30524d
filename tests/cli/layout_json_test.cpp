#include "tools/cli/layout_json.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/cli/driver.h"

namespace rolvex::cli {
namespace {

using Json = nlohmann::ordered_json;

// `layout` prints one line, read here as the script's reader would. The arithmetic itself is
// the play area's; here the line must carry the screen and columns asked for, in order.
std::string Ligne(std::string_view commande) {
  Pilote p;
  const Reponse r = p.Executer(commande);
  EXPECT_FALSE(r.refus) << r.refus.value_or("");
  return r.sortie.value_or("{}");
}
Json Disposition(std::string_view commande) { return Json::parse(Ligne(commande)); }

TEST(CommandeLayout, FollowsTheScreenAndTheColumnsAskedFor) {
  const Json reference = Disposition("layout 12000 9000 6");
  EXPECT_EQ(reference["HauteurCase"], 310);
  EXPECT_EQ(reference["m"], 150);
  EXPECT_EQ(reference["controls"]["PictureAireJeu"], Json::parse("[975, 50, 10050, 6169]"));
  EXPECT_EQ(reference["controls"]["PanelOkParams"], Json::parse("[2525, 2900, 2225, 405]"));
  const Json petit = Disposition("layout 9600 7200 6");
  EXPECT_EQ(petit["LargeurCase"], 960);
  EXPECT_EQ(petit["MargePanneau"], 48);
  EXPECT_EQ(petit["m"], 120);
  const Json un = Disposition("layout 12000 9000 1");
  EXPECT_EQ(un["controls"]["PictureAireJeu"], Json::parse("[4100, 50, 3800, 6169]"));
  EXPECT_EQ(un["controls"]["CaseNomLibre"][0], 1300);
}

TEST(CommandeLayout, KeysComeInTheProtocolOrderAndTheLineChangesNoGame) {
  Pilote p;
  const Json avant = p.EtatJson();
  const Reponse r = p.Executer("layout 12000 9000 3");
  ASSERT_TRUE(r.sortie);
  const Json j = Json::parse(*r.sortie);
  std::vector<std::string> cles;
  for (const auto& [cle, valeur] : j.items()) cles.push_back(cle);
  EXPECT_EQ(cles, (std::vector<std::string>{"HauteurCase", "LargeurCase", "EcartVertical",
                                            "EcartHorizontal", "RetraitPrise", "MargePanneau", "m",
                                            "controls", "fontSizes"}));
  EXPECT_EQ(j["controls"]["PictureAireJeu"][2], 6300);
  EXPECT_EQ(p.EtatJson(), avant);
}

// Fractions are printed with the fewest digits that give the same value back.
TEST(Nombre, GivesIntegersForWholeValuesAndTheShortestDigitsOtherwise) {
  EXPECT_EQ(Nombre(310.0F).dump(), "310");
  EXPECT_EQ(Nombre(-25.0F).dump(), "-25");
  EXPECT_EQ(Nombre(1250.0F / 3).dump(), "416.66666");
  EXPECT_EQ(Nombre(10.24F).dump(), "10.24");
  EXPECT_EQ(static_cast<float>(Nombre(0.1F).get<double>()), 0.1F);
  const std::string ligne = Ligne("layout 12000 9000 6");
  EXPECT_NE(ligne.find(R"j("SSOptionModeColonnes(1)":[150,300,4300,416.66666])j"),
            std::string::npos);
  EXPECT_NE(ligne.find(R"("TextName":14)"), std::string::npos) << "a whole point size";
  EXPECT_EQ(Disposition("layout 15360 11520 6")["fontSizes"]["FrameModeColonnes"].dump(), "10.24");
}

}  // namespace
}  // namespace rolvex::cli
