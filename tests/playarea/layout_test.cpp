// The play area's geometry and looks. The golden files and the looks table pin every number of
// the reviewed screens; the design's rules are checked on many screens and every column mode.
#include "playarea/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <ostream>
#include <set>
#include <tuple>
#include <vector>

#include "playarea/dialog_layout.h"
#include "playarea/square_drawing.h"

namespace rolvex {

// Rectangles read as [left, top, width, height] in the failure messages.
std::ostream& operator<<(std::ostream& os, const Rect& r) {
  return os << "[" << r.Left << ", " << r.Top << ", " << r.Width << ", " << r.Height << "]";
}

namespace {

double Droite(const Rect& r) { return double{r.Left} + r.Width; }
double Bas(const Rect& r) { return double{r.Top} + r.Height; }

// Each rectangle stands one margin to the right of, or below, the one before it; a container's
// far side is given as a rectangle that starts there.
enum class Vers { Droite, Bas };
void Chaine(Vers vers, std::initializer_list<Rect> rects, double marge) {
  for (const Rect* r = rects.begin(); r + 1 != rects.end(); ++r)
    EXPECT_FLOAT_EQ(vers == Vers::Bas ? r[1].Top : r[1].Left,
                    (vers == Vers::Bas ? Bas(*r) : Droite(*r)) + marge)
        << "after " << *r;
}

// Three screens give the numbers the driver printed when the golden files were made.
TEST(Disposition, GivesTheNumbersOfTheGoldenFiles) {
  for (auto [w, h] : {std::pair{12000, 9000}, {28800, 16200}, {20490, 11520}}) {
    std::ifstream f(std::string(ROLVEX_LAYOUT_GOLDEN) + "/layout_" + std::to_string(w) + "x" +
                    std::to_string(h) + "x6.json");
    const auto doree = nlohmann::json::parse(f);
    const DispositionEcran d = Disposition(w, h, 6);
    // The other sizes show in the controls; the inset of a taken square only here.
    EXPECT_EQ(d.tailles.RetraitPrise, doree["RetraitPrise"]);
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

// Lengths are whole twips, rounded to the nearest, halves to the even neighbour; a screen is
// from 1 to a million twips each way.
TEST(TaillesAire, RoundHalvesToTheEvenNeighbourOnScreensOfAMillionTwipsAtMost) {
  for (auto [x, attendu] : {std::pair{47.5, 48}, {46.5, 46}, {-1.5, -2}, {-0.5, 0}, {47.4999, 47}})
    EXPECT_EQ(ArrondiPair(x), attendu) << x;
  EXPECT_TRUE(DimensionsEcranValides(1, 1e6) && DimensionsEcranValides(1e6, 1));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto [w, h] : {std::pair{0.0, 9000.0}, {12000.0, 2e6}, {nan, 9000.0}, {12000.0, nan}})
    EXPECT_FALSE(DimensionsEcranValides(w, h)) << w << " x " << h;
}

// Each of 4:3, wide, tall, small, large and fractional screens, laid out for every column
// mode (0: as at start-up) in a window as wide as the screen; then client areas from the
// smallest allowed to eight times as wide and six times as high, in proportions between.
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
  const TailleTwips min = ZoneClientMinimale();
  for (double w = min.largeur; w <= 8 * min.largeur; w *= 1.37)
    for (double h = min.hauteur; h <= 6 * min.hauteur; h *= 1.29) {
      SCOPED_TRACE(testing::Message() << "client area " << w << " x " << h);
      const AireJeu aire = DispositionZoneClient(w, h, 6);
      verifier(aire, w, h, 6);
      // From the smallest client area on, every font keeps 8 points at least.
      for (const auto& [nom, c] : aire.Controles()) EXPECT_GE(c.police.value_or(8), 8) << nom;
    }
}

// On every screen and column mode, every control stands where the design puts it, inside its
// container and apart from the others.
TEST(Disposition, KeepsEveryControlInItsPlaceInsideItsContainerApartFromTheOthers) {
  const std::set<std::string> enAlternance = {"PanelStart", "SuperPanelScore", "PanelNewGame",
                                              "PanelNewMode"};
  SurChaqueEcran([&](const AireJeu& aire, double w, double h, int n) {
    // Every control shown lies within its container, the window being the screen, and apart
    // from the others shown there, but for those shown in turn in one place: the start button
    // and the high-score area instead of the sheet, the buttons after a game instead of the
    // throw button.
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
      for (const auto& [autre, a] : aire.Controles())
        EXPECT_TRUE(nom >= autre || a.conteneur != c.conteneur || caches.contains(autre) ||
                    enAlternance.contains(nom) || enAlternance.contains(autre) ||
                    Droite(a.rect) <= c.rect.Left + 0.01 || Droite(c.rect) <= a.rect.Left + 0.01 ||
                    Bas(a.rect) <= c.rect.Top + 0.01 || Bas(c.rect) <= a.rect.Top + 0.01)
            << nom << " " << c.rect << " and " << autre << " " << a.rect;
    }

    // The sheet: the row labels, the columns in play in their screen order and the labels
    // again, one slot apart, the sheet as wide as that and centred in the window; under each
    // top, 17 rows one pitch apart and one gap below the last; every control one square in
    // size. The headers and totals of the columns in play are shown, and the labels but for
    // their model.
    const TaillesAire& t = aire.Tailles();
    const double slot = t.LargeurCase + t.EcartHorizontal, pas = t.HauteurCase + t.EcartVertical;
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
    auto R = [&](const Cle& cle) { return aire[cle].rect; };
    const Rect feuille = R(Seul::PictureAireJeu);
    EXPECT_EQ(feuille.Width, t.EcartHorizontal + colonnes.size() * slot);
    EXPECT_EQ(feuille.Height, t.EcartVertical + 18 * pas);
    for (int16_t c = 1; c <= NbColonnesMax; ++c) {
      EXPECT_EQ(aire[CleEntete{c}].montre, c <= n) << c;
      for (LigneTotal ligne : LignesTotaux) EXPECT_EQ((aire[CleTotal{ligne, c}].montre), c <= n);
      EXPECT_FALSE((aire[CleCase{c, 1}].montre.has_value())) << "left to the game";
    }
    for (const ColonneFeuille& etiquettes : {colonnes.front(), colonnes.back()})
      for (const Cle& cle : etiquettes)
        EXPECT_EQ(aire[cle].montre, cle != etiquettes[0]) << Nom(cle);

    // Below the sheet, three gaps down, the information line and the dice area stand side by
    // side, as high as each other. In the area the result panels, the dice and the throw
    // button keep one margin from each other and from the area's sides; after a game two
    // buttons share the throw button's place. The high-score area and its title, and the start
    // button, are centred, the start button a third down the screen.
    const double m = t.MargePanneau;
    auto de = [&](int16_t i) { return R(CleElement{Famille::PanelDe, i}); };
    auto face = [&](int16_t i) { return R(CleElement{Famille::ImageDe, i}); };
    const Rect info = R(Seul::PanelInfoDeroulement), zone = R(Seul::SuperPanelDes);
    const Rect ok = R(Seul::PanelOkDe), total = R(Seul::PanelScoreTotal);
    const Rect rejouer = R(Seul::PanelNewGame), mode = R(Seul::PanelNewMode);
    const Rect scores = R(Seul::SuperPanelScore), titre = R(Seul::PanelModeColonnes);
    const Rect start = R(Seul::PanelStart);
    EXPECT_EQ(info.Top, Bas(feuille) + 3 * t.EcartVertical);
    EXPECT_EQ((std::array{zone.Top, zone.Height}), (std::array{info.Top, info.Height}));
    EXPECT_EQ((std::array{total.Left, total.Top, ok.Left, rejouer.Left}),
              (std::array{float(m), float(m), de(1).Left, de(1).Left}));
    for (const Rect& r : {rejouer, mode})
      EXPECT_EQ((std::array{r.Top, r.Height}), (std::array{ok.Top, ok.Height}));
    Chaine(Vers::Droite, {info, zone}, 50);
    Chaine(Vers::Droite, {total, de(1), de(2), de(3), de(4), de(5), Rect{zone.Width}}, m);
    Chaine(Vers::Droite, {ok, Rect{zone.Width}}, m);
    Chaine(Vers::Droite, {rejouer, mode, Rect{zone.Width}}, m);
    Chaine(Vers::Bas, {total, R(Seul::PanelTotalDes), R(Seul::PanelFigureRealisee)}, m);
    Chaine(Vers::Bas, {de(1), ok}, m);
    // The throw button is never flatter than a third of a die. Each face centred in its die,
    // but never nearer the die's corner than on the reference screen.
    EXPECT_GE(ok.Height + 0.01, de(1).Height / 3.0);
    for (int16_t i = 1; i <= NbDes; ++i)
      EXPECT_FLOAT_EQ(face(i).Left, std::max(60.0F, (de(i).Width - face(i).Width) / 2)) << i;
    for (auto [r, dans] : {std::pair{feuille, w}, {scores, w}, {start, w}, {titre, scores.Width}})
      EXPECT_NEAR(2.0 * r.Left + r.Width, dans, 0.01) << r;
    EXPECT_NEAR(3.0 * start.Top + start.Height, h, 0.01);
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
    EXPECT_EQ(rects(aire),
              n >= 1 && n <= 6 ? rects(DispositionAireJeu(15000, 9000, n, 14000)) : avant)
        << n;
  }
  EXPECT_EQ((aire.Trouver(CleCase{colonne::Libre, 14})), nullptr);
  EXPECT_EQ(aire.Trouver("CaseSeche(7)"), nullptr);
  EXPECT_EQ((&aire[CleCase{colonne::Seche, figure::Maxi}]), aire.Trouver("CaseSèche(7)"));
}

// A square shows its state alone: hidden, it gives no look; free, its potential score once the
// dice are thrown, in its cell; taken, its score or "OOO" for 0, inset by RetraitPrise on every
// side, and left as it stands once drawn. The pointer says whether it can be chosen now.
TEST(DessinDeCase, ShowsTheSquaresStateInItsCell) {
  const AireJeu aire = DispositionAireJeu(9600, 7200, 6, 9600);
  const Rect c = aire[CleCase{colonne::Seche, figure::Full}].rect;
  const float r = aire.Tailles().RetraitPrise;
  EtatPartie e;
  CaseJeu& k = e.Cases(colonne::Seche, figure::Full);
  auto vu = [&] {
    const DessinCase d = DessinDeCase(e, aire, colonne::Seche, figure::Full);
    const ApparenceCase a = d.apparence.value_or(ApparenceCase{"-", Noir, Noir, {}});
    return std::make_tuple(d.aspect, a.Legende, a.CouleurTexte, a.CouleurFond, a.rect, d.Pointeur,
                           d.DejaDessinee);
  };
  k.Selectionnable = true;
  EXPECT_EQ(vu(),
            std::make_tuple(Aspect::Cachee, "-", Noir, Noir, Rect{}, PointeurFlecheHaut, false));
  k = {.Visible = true, .Selectionnable = true, .CouleurPotentiel = Rouge, .CouleurFond = Bleu};
  EXPECT_EQ(vu(), std::make_tuple(Aspect::Libre, "", Rouge, Bleu, c, PointeurFlecheHaut, false))
      << "before the first throw";
  e.NbJets = 1;
  EXPECT_EQ(std::get<1>(vu()), "0");
  k = {.Prise = true, .Visible = true, .Score = 0, .CouleurPrise = Blanc, .CouleurFond = Noir};
  const Rect retiree{c.Left + r, c.Top + r, c.Width - 2 * r, c.Height - 2 * r};
  EXPECT_EQ(vu(),
            std::make_tuple(Aspect::Prise, "OOO", Blanc, Noir, retiree, PointeurInterdit, false));
  k.Score = 25, k.PriseDessinee = true;
  EXPECT_EQ(vu(),
            std::make_tuple(Aspect::Prise, "25", Blanc, Noir, retiree, PointeurInterdit, true));
}

// A total of 0 leaves its square empty; a bonus reads "+ 30"; each column shows its own.
TEST(LegendeLigneTotal, ShowsNothingForZeroAndABonusWithItsSign) {
  EtatPartie e;
  e.TotalHaut[colonne::Deux] = 63, e.BonusHaut[colonne::Deux] = 30;
  e.TotalBas[colonne::Deux] = 7, e.BonusBas[colonne::Deux] = 100;
  std::vector<std::string> legendes;
  for (int16_t c : {colonne::Deux, colonne::Seche})
    for (LigneTotal ligne : LignesTotaux) legendes.push_back(LegendeLigneTotal(e, ligne, c));
  EXPECT_EQ(legendes, (std::vector<std::string>{"63", "+ 30", "7", "+ 100", "", "", "", ""}));
}

}  // namespace
}  // namespace rolvex
