#include "tools/cli/layout_json.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "playarea/layout.h"
#include "tools/cli/driver.h"

namespace rolvex::cli {
namespace {

using Json = nlohmann::ordered_json;

// `layout` prints one line, read here as the script's reader would. The numbers are the play
// area's, and the golden files pin the bytes of whole lines; here the line must carry the
// screen and the columns asked for, its keys in the protocol's order, and leave the game alone.
TEST(CommandeLayout, FollowsTheScreenAndTheColumnsAskedFor) {
  for (auto [largeur, hauteur, colonnes] : {std::tuple{9600, 7200, 1}, {15000, 11250, 3}}) {
    Pilote p;
    const Json avant = p.EtatJson();
    const Reponse r = p.Executer("layout " + std::to_string(largeur) + " " +
                                 std::to_string(hauteur) + " " + std::to_string(colonnes));
    ASSERT_TRUE(r.sortie) << r.refus.value_or("");
    EXPECT_EQ(p.EtatJson(), avant);
    const Json j = Json::parse(*r.sortie);
    const DispositionEcran attendue = rolvex::Disposition(largeur, hauteur, colonnes);
    EXPECT_EQ(j["LargeurCase"], attendue.tailles.LargeurCase);
    EXPECT_EQ(j["HauteurCase"], attendue.tailles.HauteurCase);
    EXPECT_EQ(j["controls"]["PictureAireJeu"][2], attendue.rects.at("PictureAireJeu").Width);
    std::vector<std::string> cles;
    for (const auto& [cle, valeur] : j.items()) cles.push_back(cle);
    EXPECT_EQ(cles, (std::vector<std::string>{"HauteurCase", "LargeurCase", "EcartVertical",
                                              "EcartHorizontal", "RetraitPrise", "MargePanneau",
                                              "m", "controls", "fontSizes"}));
  }
}

// Fractions are printed with the fewest digits that give the same value back.
TEST(Nombre, GivesIntegersForWholeValuesAndTheShortestDigitsOtherwise) {
  EXPECT_EQ(Nombre(310.0F).dump(), "310");
  EXPECT_EQ(Nombre(-25.0F).dump(), "-25");
  EXPECT_EQ(Nombre(1250.0F / 3).dump(), "416.66666");
  EXPECT_EQ(Nombre(10.24F).dump(), "10.24");
  EXPECT_EQ(static_cast<float>(Nombre(0.1F).get<double>()), 0.1F);
}

}  // namespace
}  // namespace rolvex::cli
