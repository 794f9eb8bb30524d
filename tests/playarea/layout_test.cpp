#include "playarea/layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>

#include "rect_printer.h"

namespace rolvex {
namespace {

double Droite(const Rect& r) { return double{r.Left} + r.Width; }
double Bas(const Rect& r) { return double{r.Top} + r.Height; }

// Three screens give the numbers the driver printed when the golden files were made.
TEST(Disposition, GivesTheNumbersOfTheGoldenFiles) {
  for (auto [w, h] : {std::pair{12000, 9000}, {28800, 16200}, {20490, 11520}}) {
    std::ifstream f(std::string(ROLVEX_LAYOUT_GOLDEN) + "/layout_" + std::to_string(w) + "x" +
                    std::to_string(h) + "x6.json");
    const auto doree = nlohmann::json::parse(f);
    const DispositionEcran d = Disposition(w, h, 6);
    const TaillesAire& t = d.tailles;
    EXPECT_EQ((std::array{t.HauteurCase, t.LargeurCase, t.EcartVertical, t.EcartHorizontal,
                          t.RetraitPrise, t.MargePanneau, d.m}),
              (std::array<int, 7>{doree["HauteurCase"], doree["LargeurCase"],
                                  doree["EcartVertical"], doree["EcartHorizontal"],
                                  doree["RetraitPrise"], doree["MargePanneau"], doree["m"]}));
    std::map<std::string, Rect, std::less<>> rects;
    std::map<std::string, float, std::less<>> polices;
    for (const auto& [nom, r] : doree["controls"].items()) rects[nom] = {r[0], r[1], r[2], r[3]};
    for (const auto& [nom, p] : doree["fontSizes"].items()) polices[nom] = p;
    EXPECT_EQ(d.rects, rects) << w;
    EXPECT_EQ(d.polices, polices) << w;
  }
}

std::string Rgb(std::optional<Couleur> c) {
  return c ? std::to_string(*c & 0xFF) + "," + std::to_string(*c >> 8 & 0xFF) + "," +
                 std::to_string(*c >> 16)
           : "-";
}

// Every control's container, colours and font, alike on every screen, as reviewed once.
TEST(Design, GivesEveryControlItsContainerColoursAndFont) {
  const AireJeu aire(9600, 7200);
  std::string lignes;
  for (const auto& [nom, c] : aire.Controles())
    lignes += nom + "\t" + (c.conteneur.empty() ? "-" : c.conteneur) + "\t" + Rgb(c.design.texte) +
              "\t" + Rgb(c.design.fond) + "\t" +
              (c.design.police.empty() ? "-" : std::string(c.design.police)) + "\t" +
              (c.design.gras ? "gras" : "-") + "\n";
  std::ifstream f(ROLVEX_LOOKS_GOLDEN);
  EXPECT_EQ(lignes, std::string(std::istreambuf_iterator<char>(f), {}));
}

// The sizes of the sheet are whole twips, rounded to the nearest, halves to the even neighbour.
TEST(TaillesAire, RoundHalvesToTheEvenNeighbour) {
  for (auto [x, attendu] : {std::pair{47.5, 48}, {46.5, 46}, {-1.5, -2}, {-0.5, 0}, {47.4999, 47}})
    EXPECT_EQ(ArrondiPair(x), attendu) << x;
  const TaillesAire t = AireJeu(11400, 7200).Tailles();  // a gap of 47.5
  EXPECT_EQ((std::array{t.HauteurCase, t.LargeurCase, t.EcartVertical, t.EcartHorizontal,
                        t.RetraitPrise, t.MargePanneau}),
            (std::array{248, 1140, 25, 48, 24, 57}));
  EXPECT_TRUE(DimensionsEcranValides(1, 1e6) && DimensionsEcranValides(1e6, 1));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto [w, h] : {std::pair{0.0, 9000.0}, {12000.0, 2e6}, {nan, 9000.0}, {12000.0, nan}})
    EXPECT_FALSE(DimensionsEcranValides(w, h)) << w << " x " << h;
}

// Each of 4:3, wide, tall, small, large and fractional screens, laid out for every column
// mode (0: as at start-up) in a window as wide as the screen.
template <typename Verifier>
void SurChaqueEcran(Verifier verifier) {
  const std::pair<double, double> ecrans[] = {{12000, 9000},  {28800, 16200},    {20490, 11520},
                                              {15000, 9000},  {9000, 12000},     {9600, 7200},
                                              {57600, 32400}, {12345.5, 8765.25}};
  for (auto [w, h] : ecrans)
    for (int n : {0, 1, 3, 6}) {
      SCOPED_TRACE(testing::Message() << w << " x " << h << ", " << n << " columns");
      verifier(DispositionAireJeu(w, h, n, w), w, h, n == 0 ? 6 : n);
    }
}

// Every control shown lies within its container, the window being the screen, and apart from
// the others shown there, but for those shown in turn in one place: the start button and the
// high-score area instead of the sheet, the buttons after a game instead of the throw button.
TEST(Disposition, KeepsEveryControlInsideItsContainerAndApartFromItsSiblings) {
  SurChaqueEcran([](const AireJeu& aire, double w, double h, int) {
    const std::set<std::string> enAlternance = {"PanelStart", "SuperPanelScore", "PanelNewGame",
                                                "PanelNewMode"};
    std::set<std::string> caches;
    for (const auto& [nom, c] : aire.Controles())
      if (c.montre == false) caches.insert(nom);
    for (int16_t colonne = 1; colonne <= NbColonnesMax; ++colonne)
      for (int16_t f = 1; !aire[CleEntete{colonne}].montre.value() && f <= NbFigures; ++f)
        caches.insert(Nom(CleCase{colonne, f}));
    for (const auto& [nom, c] : aire.Controles()) {
      if (caches.contains(nom)) continue;
      const Rect dedans =
          c.conteneur.empty() ? Rect{0, 0, float(w), float(h)} : aire[c.conteneur].rect;
      EXPECT_TRUE(c.rect.Left >= 0 && c.rect.Top >= 0 && Droite(c.rect) <= dedans.Width + 0.01 &&
                  Bas(c.rect) <= dedans.Height + 0.01)
          << nom << " " << c.rect << " in " << dedans;
      for (const auto& [autre, a] : aire.Controles()) {
        if (nom >= autre || a.conteneur != c.conteneur || caches.contains(autre) ||
            enAlternance.contains(nom) || enAlternance.contains(autre))
          continue;
        EXPECT_TRUE(Droite(a.rect) <= c.rect.Left + 0.01 || Droite(c.rect) <= a.rect.Left + 0.01 ||
                    Bas(a.rect) <= c.rect.Top + 0.01 || Bas(c.rect) <= a.rect.Top + 0.01)
            << nom << " " << c.rect << " and " << autre << " " << a.rect;
      }
    }
  });
}

// The sheet: the row labels, the columns in play in their screen order and the labels again,
// one slot apart, the sheet as wide as that and centred in the window; under each top, 17 rows
// one pitch apart and one gap below the last; every control one square in size. The headers
// and totals of the columns in play are shown, and the labels but for their model.
TEST(Feuille, StandsColumnsInScreenOrderOneSlotApartAndRowsOnePitchApart) {
  SurChaqueEcran([](const AireJeu& aire, double w, double, int n) {
    const TaillesAire& t = aire.Tailles();
    const double slot = t.LargeurCase + t.EcartHorizontal;
    const double pas = t.HauteurCase + t.EcartVertical;
    std::vector<ColonneFeuille> colonnes = {ColonneDEtiquettes(Cote::Gauche)};
    for (int16_t c : OrdreEcran)
      if (c <= n) colonnes.push_back(ColonneDeCases(c));
    colonnes.push_back(ColonneDEtiquettes(Cote::Droite));
    for (std::size_t k = 0; k < colonnes.size(); ++k)
      for (std::size_t rang = 0; rang < 18; ++rang)
        EXPECT_EQ(aire[colonnes[k][rang]].rect,
                  (Rect{float(t.EcartHorizontal + k * slot), float(t.EcartVertical + rang * pas),
                        float(t.LargeurCase), float(t.HauteurCase)}))
            << Nom(colonnes[k][rang]);
    const Rect feuille = aire[Seul::PictureAireJeu].rect;
    EXPECT_EQ(feuille.Width, t.EcartHorizontal + colonnes.size() * slot);
    EXPECT_EQ(feuille.Height, t.EcartVertical + 18 * pas);
    EXPECT_NEAR(2.0 * feuille.Left + feuille.Width, w, 0.01);
    for (int16_t c = 1; c <= NbColonnesMax; ++c) {
      EXPECT_EQ(aire[CleEntete{c}].montre, c <= n) << c;
      for (LigneTotal ligne : LignesTotaux) EXPECT_EQ((aire[CleTotal{ligne, c}].montre), c <= n);
      EXPECT_FALSE((aire[CleCase{c, 1}].montre.has_value())) << "left to the game";
    }
    for (const ColonneFeuille& etiquettes : {colonnes.front(), colonnes.back()})
      for (const Cle& cle : etiquettes)
        EXPECT_EQ(aire[cle].montre, cle != etiquettes[0]) << Nom(cle);
  });
}

// Below the sheet, three gaps down, the information line and the dice area stand side by
// side, as high as each other. In the area the result panels, the dice and the throw button
// keep one margin from each other and from the area's sides; after a game two buttons share
// the throw button's place. The high-score area and its title, and the start button, are
// centred, the start button a third down the screen.
TEST(Panneaux, KeepTheMarginsAndTheCentringOfTheDesign) {
  SurChaqueEcran([](const AireJeu& aire, double w, double h, int) {
    const double m = aire.Tailles().MargePanneau;
    auto R = [&](const Cle& cle) { return aire[cle].rect; };
    auto de = [&](int16_t i) { return R(CleElement{Famille::PanelDe, i}); };
    const Rect info = R(Seul::PanelInfoDeroulement), zone = R(Seul::SuperPanelDes);
    const Rect ok = R(Seul::PanelOkDe), total = R(Seul::PanelScoreTotal);
    EXPECT_EQ(info.Top, Bas(R(Seul::PictureAireJeu)) + 3 * aire.Tailles().EcartVertical);
    EXPECT_EQ((std::array{zone.Top, zone.Height}), (std::array{info.Top, info.Height}));
    EXPECT_FLOAT_EQ(zone.Left, Droite(info) + 50);
    EXPECT_EQ((std::array{total.Left, total.Top, ok.Left}),
              (std::array{float(m), float(m), de(1).Left}));
    for (auto [haut, bas] : {std::pair{total, R(Seul::PanelTotalDes)},
                             {R(Seul::PanelTotalDes), R(Seul::PanelFigureRealisee)},
                             {de(1), ok}})
      EXPECT_FLOAT_EQ(bas.Top, Bas(haut) + m);
    for (auto [gauche, droite] :
         {std::pair{total, de(1)}, {R(Seul::PanelNewGame), R(Seul::PanelNewMode)}})
      EXPECT_FLOAT_EQ(droite.Left, Droite(gauche) + m);
    for (int16_t i = 2; i <= NbDes; ++i) EXPECT_FLOAT_EQ(de(i).Left, Droite(de(i - 1)) + m);
    for (const Rect& r : {de(5), ok, R(Seul::PanelNewMode)})
      EXPECT_FLOAT_EQ(Droite(r) + m, zone.Width);
    for (Seul s : {Seul::PanelNewGame, Seul::PanelNewMode})
      EXPECT_EQ((std::array{R(s).Top, R(s).Height}), (std::array{ok.Top, ok.Height}));
    EXPECT_EQ(R(Seul::PanelNewGame).Left, ok.Left);
    const Rect scores = R(Seul::SuperPanelScore), titre = R(Seul::PanelModeColonnes);
    const Rect start = R(Seul::PanelStart);
    EXPECT_NEAR(2.0 * scores.Left + scores.Width, w, 0.01);
    EXPECT_NEAR(2.0 * titre.Left + titre.Width, scores.Width, 0.01);
    EXPECT_NEAR(2.0 * start.Left + start.Width, w, 0.01);
    EXPECT_NEAR(3.0 * start.Top + start.Height, h, 0.01);
  });
}

// Font sizes follow the width of the screen, but for the squares' font in whole points, halves
// to even, and the buttons shown after a game, which keep theirs.
TEST(Polices, FollowTheWidthOfTheScreen) {
  const AireJeu reference(12000, 9000);
  SurChaqueEcran([&](const AireJeu& aire, double, double, int) {
    const double kx = aire.Ratios().RatioLargeur;
    for (const auto& [nom, c] : aire.Controles()) {
      const std::optional<float> p = reference[nom].police;
      ASSERT_EQ(c.police.has_value(), p.has_value()) << nom;
      if (!p) continue;
      const bool fixe = nom == "PanelNewGame" || nom == "PanelNewMode";
      const float attendue = c.conteneur == "PictureAireJeu" ? float(ArrondiPair(*p * kx))
                             : fixe                          ? *p
                                                             : static_cast<float>(*p * kx);
      EXPECT_EQ(*c.police, attendue) << nom;
    }
  });
}

// The layout of a game depends on its number of columns only, not on the games before it; the
// sheet stands as for six columns before the first; another count changes nothing. A control
// the play area lacks is found neither by its key nor by its name.
TEST(DispositionMode, DependsOnTheColumnsOfThisGameOnly) {
  auto rects = [](const AireJeu& aire) {
    std::map<std::string, std::tuple<Rect, std::optional<bool>>, std::less<>> r;
    for (const auto& [nom, c] : aire.Controles()) r[nom] = {c.rect, c.montre};
    return r;
  };
  AireJeu aire(15000, 9000);
  EXPECT_EQ(rects(aire), rects(DispositionAireJeu(15000, 9000, 6, 15000)));
  for (int n : {1, 3, 1, 6, 0, 7, 1}) {
    const auto avant = rects(aire);
    aire.DispositionMode(n, 14000);
    const bool valide = n >= 1 && n <= 6;
    EXPECT_EQ(rects(aire), valide ? rects(DispositionAireJeu(15000, 9000, n, 14000)) : avant) << n;
  }
  EXPECT_EQ((aire.Trouver(CleCase{colonne::Libre, 14})), nullptr);
  EXPECT_EQ(aire.Trouver("CaseSeche(7)"), nullptr);
  EXPECT_EQ((&aire[CleCase{colonne::Seche, figure::Maxi}]), aire.Trouver("CaseSèche(7)"));
}

}  // namespace
}  // namespace rolvex
