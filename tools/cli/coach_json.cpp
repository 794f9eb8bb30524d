#include "coach_json.h"

namespace rolvex::cli {

namespace {

using Genre = conseil::Choix::Genre;

nlohmann::ordered_json Garde(const conseil::Choix& c) {
  auto des = nlohmann::ordered_json::array();
  for (bool garde : c.garder) des.push_back(garde);
  return des;
}

nlohmann::ordered_json ChoixEnJson(const conseil::Choix& c) {
  nlohmann::ordered_json j;
  switch (c.genre) {
    case Genre::Garder: j["keep"] = Garde(c); break;
    case Genre::Ecrire: j["square"] = {c.colonne, c.figure}; break;
    case Genre::Annoncer: j["announce"] = c.figure; break;
  }
  j["expect"] = c.esperance;
  return j;
}

}  // namespace

nlohmann::ordered_json ConseilEnJson(const std::vector<conseil::Choix>& choix) {
  nlohmann::ordered_json j{{"keep", nullptr}, {"square", nullptr}, {"announce", nullptr}};
  if (!choix.empty()) {
    const conseil::Choix& c = choix.front();
    if (c.genre == Genre::Garder) j["keep"] = Garde(c);
    if (c.genre == Genre::Ecrire) j["square"] = {c.colonne, c.figure};
    if (c.genre == Genre::Annoncer) j["announce"] = c.figure;
  }
  j["choices"] = nlohmann::ordered_json::array();
  for (const conseil::Choix& c : choix) j["choices"].push_back(ChoixEnJson(c));
  return j;
}

nlohmann::ordered_json RevueEnJson(const Session& session) {
  auto revue = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < session.Revue().size(); ++i) {
    const conseil::Erreur& e = session.Revue()[i];
    conseil::Choix fait = e.decision.fait;
    fait.esperance = e.valeurFaite;
    auto des = nlohmann::ordered_json::array();
    for (int16_t d : e.decision.situation.des) des.push_back(d);
    revue.push_back({{"turn", e.decision.tour},
                     {"throw", e.decision.situation.jet},
                     {"dice", des},
                     {"made", ChoixEnJson(fait)},
                     {"coach", ChoixEnJson(e.conseil)},
                     {"lost", e.cout},
                     {"text", session.TexteRevue(i)}});
  }
  return {{"review", revue}};
}

}  // namespace rolvex::cli
