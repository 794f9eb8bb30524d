#include "stats_json.h"

namespace rolvex::cli {

namespace {

using Json = nlohmann::ordered_json;

template <typename T>
Json OuNull(const std::optional<T>& valeur) {
  return valeur ? Json(*valeur) : Json(nullptr);
}

}  // namespace

Json StatistiquesEnJson(const Statistiques& s) {
  Json figures = Json::object();
  Json bonus = Json::object();
  const int16_t nbColonnes = ModeValide(s.mode) ? NbColonnesMode[s.mode] : 0;
  for (int16_t c = 1; c <= nbColonnes; ++c) {
    Json colonne = Json::array();
    for (const StatFigure& f : s.figures[c])
      colonne.push_back({{"made", f.faites}, {"crossed", f.barrees}, {"mean", f.moyenne}});
    figures[std::to_string(c)] = std::move(colonne);
    const StatBonus& b = s.bonus[c];
    bonus[std::to_string(c)] = {{"upper", b.haut}, {"lower", b.bas}, {"maxi_mini", b.maxiMini}};
  }
  return {{"games", s.parties},         {"abandoned", s.abandonnees},
          {"mean", OuNull(s.moyenne)},  {"median", OuNull(s.mediane)},
          {"best", OuNull(s.meilleur)}, {"worst", OuNull(s.pire)},
          {"figures", figures},         {"bonuses", bonus}};
}

}  // namespace rolvex::cli
