#include "layout_json.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "playarea/layout.h"

namespace rolvex::cli {

using Json = nlohmann::ordered_json;

Json Nombre(float valeur) {
  // Every length of the layout stays far within the integers a double holds exactly.
  if (std::isfinite(valeur) && valeur == std::trunc(valeur))
    return Json(static_cast<std::int64_t>(valeur));
  // The digits that identify the float; as a double they print the same digits again.
  std::array<char, 64> chiffres{};
  char* const fin =
      std::to_chars(chiffres.data(), chiffres.data() + chiffres.size() - 1, valeur).ptr;
  *fin = '\0';
  return Json(std::strtod(chiffres.data(), nullptr));
}

Json DispositionEnJson(double largeur, double hauteur, int16_t nbColonnes) {
  const DispositionEcran d = Disposition(largeur, hauteur, nbColonnes);
  Json j;
  j["HauteurCase"] = d.tailles.HauteurCase;
  j["LargeurCase"] = d.tailles.LargeurCase;
  j["EcartVertical"] = d.tailles.EcartVertical;
  j["EcartHorizontal"] = d.tailles.EcartHorizontal;
  j["RetraitPrise"] = d.tailles.RetraitPrise;
  j["MargePanneau"] = d.tailles.MargePanneau;
  j["m"] = d.m;
  Json controles = Json::object();
  for (const auto& [nom, r] : d.rects)
    controles[nom] =
        Json::array({Nombre(r.Left), Nombre(r.Top), Nombre(r.Width), Nombre(r.Height)});
  j["controls"] = std::move(controles);
  Json polices = Json::object();
  for (const auto& [nom, taille] : d.polices) polices[nom] = Nombre(taille);
  j["fontSizes"] = std::move(polices);
  return j;
}

}  // namespace rolvex::cli
