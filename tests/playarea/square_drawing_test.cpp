#include "playarea/square_drawing.h"

#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/headless_display.h"
#include "rect_printer.h"

namespace rolvex {
namespace {

using colonne::Descente;
using colonne::Libre;
using colonne::Montee;
using colonne::Seche;

// What a square's panel shows in the window.
struct PanneauCase {
  Rect rect;
  std::string legende;
  Couleur texte = 0;
  Couleur fond = 0;
  bool visible = true;
  int16_t pointeur = 0;
};

// A window without widgets: it lays out the play area at each new game and applies every
// drawing decision to its panels, as the real window does, while the game calls it.
class FenetreSimulee : public AffichageMemoire {
 public:
  explicit FenetreSimulee(double largeurEcran = 12000, double hauteurEcran = 9000)
      : aire(largeurEcran, hauteurEcran), largeurFenetre_(largeurEcran) {}

  AireJeu aire;
  const Partie* partie = nullptr;
  std::map<std::string, PanneauCase, std::less<>> cases;
  std::map<std::string, std::string, std::less<>> totaux;

  void PreparerNouvellePartie() override {
    AffichageMemoire::PreparerNouvellePartie();
    aire.DispositionMode(partie->Etat().NbColonnes, largeurFenetre_);
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      for (int16_t f = 1; f <= NbFigures; ++f) cases[NomCase(c, f)].rect = aire[NomCase(c, f)].rect;
  }

  void DessineCases() override {
    AffichageMemoire::DessineCases();
    const EtatPartie& e = partie->Etat();
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      for (int16_t f = 1; f <= NbFigures; ++f) {
        const DessinCase d = DessinDeCase(e, aire, c, f);
        PanneauCase& p = cases[NomCase(c, f)];
        p.pointeur = d.Pointeur;
        p.visible = d.aspect != Aspect::Cachee;
        if (d.apparence && !d.DejaDessinee) {
          p.rect = d.apparence->rect;
          p.legende = d.apparence->Legende;
          p.texte = d.apparence->CouleurTexte;
          p.fond = d.apparence->CouleurFond;
        }
      }
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      for (LigneTotal ligne : LignesTotaux)
        totaux[NomTotal(ligne, c)] = LegendeLigneTotal(e, ligne, c);
  }

  const PanneauCase& Case(int16_t c, int16_t f) const { return cases.at(NomCase(c, f)); }

 private:
  double largeurFenetre_;
};

// A game played with chosen dice in front of the simulated window.
struct Jeu {
  explicit Jeu(int16_t mode, double largeurEcran = 12000, double hauteurEcran = 9000)
      : fenetre(largeurEcran, hauteurEcran) {
    fenetre.partie = &partie;
    partie.ChoisirMode(mode);
    partie.AppelNouveau();
  }
  // "11123": the five dice of the next throw.
  void Jeter(std::string_view faces) {
    for (char c : faces) des.Ajouter(static_cast<int16_t>(c - '0'));
    partie.AppelOkDeClique();
  }
  const EtatPartie& Etat() const { return partie.Etat(); }

  FenetreSimulee fenetre;
  DeEquitable hasard{7};
  DesEnFile des{hasard};
  Partie partie{fenetre, des};
};

// The reference screen: row r of the sheet has its top at 31 + 341 r; Libre stands at 2550 in
// six columns and at 1300 alone.
constexpr float HautLigne(int ligne) { return static_cast<float>(31 + 341 * ligne); }

// Before the first throw of a turn a free square shows nothing; after it, its potential score,
// "0" included, in the colour the dice give it.
TEST(CaseLibre, ShowsNothingBeforeTheFirstThrowAndItsPotentialScoreAfter) {
  Jeu jeu(3);
  const FenetreSimulee& f = jeu.fenetre;
  const PanneauCase& as = f.Case(Libre, figure::As);
  EXPECT_TRUE(as.visible);
  EXPECT_EQ(as.legende, "");
  EXPECT_EQ(as.fond, RGB(134, 210, 30));
  EXPECT_EQ(as.texte, Noir);
  EXPECT_EQ(as.rect, (Rect{2550, HautLigne(1), 1200, 310}));
  EXPECT_EQ(f.Case(Seche, figure::Yam).fond, RGB(225, 179, 199));
  jeu.Jeter("11123");
  EXPECT_EQ(as.legende, "3");
  EXPECT_EQ(as.texte, Bleu);  // three dice of the figure's face
  EXPECT_EQ(f.Case(Libre, figure::Six).legende, "0");
  EXPECT_EQ(f.Case(Libre, figure::Six).texte, Noir);
  EXPECT_EQ(f.Case(Libre, figure::PetitTotal).legende, "60");
  EXPECT_EQ(f.Case(Libre, figure::PetitTotal).texte, Rouge);
  EXPECT_EQ(f.Case(Libre, figure::PetitTotal).rect, (Rect{2550, HautLigne(14), 1200, 310}));
}

// Descente opens at the top and Montée at the bottom; the columns not in play stay hidden, and
// Libre alone stands right after the labels.
TEST(CaseCachee, FollowsTheColumnRulesAndTheColumnsInPlay) {
  Jeu jeu(2);
  jeu.Jeter("11123");
  const FenetreSimulee& f = jeu.fenetre;
  EXPECT_TRUE(f.Case(Descente, figure::As).visible);
  EXPECT_FALSE(f.Case(Descente, figure::Deux).visible);
  EXPECT_TRUE(f.Case(Montee, figure::Yam).visible);
  EXPECT_FALSE(f.Case(Montee, figure::Six).visible);
  for (int16_t c = 4; c <= 6; ++c)
    for (int16_t fig = 1; fig <= 13; ++fig) EXPECT_FALSE(f.Case(c, fig).visible);
  // A hidden square gives no look at all: it keeps the one it had.
  const DessinCase d = DessinDeCase(jeu.Etat(), f.aire, Montee, figure::Six);
  EXPECT_EQ(d.aspect, Aspect::Cachee);
  EXPECT_FALSE(d.apparence.has_value());

  Jeu un(1);
  un.Jeter("66655");
  for (int16_t fig = 1; fig <= 13; ++fig) {
    EXPECT_TRUE(un.fenetre.Case(Libre, fig).visible);
    EXPECT_EQ(un.fenetre.Case(Libre, fig).rect.Left, 1300);
    for (int16_t c = 2; c <= 6; ++c) EXPECT_FALSE(un.fenetre.Case(c, fig).visible);
  }
}

// A taken square shows its score in white on black, "OOO" for 0, inset once in its cell by
// the RetraitPrise of its screen, and gets its full size back at a new game.
TEST(CasePrise, ShowsItsScoreOrOOOInWhiteOnBlack) {
  Jeu jeu(3);
  jeu.Jeter("11123");
  jeu.partie.AppelCliqueCase(Libre, figure::Six);
  const PanneauCase& six = jeu.fenetre.Case(Libre, figure::Six);
  EXPECT_EQ(six.legende, "OOO");
  EXPECT_EQ(six.texte, Blanc);
  EXPECT_EQ(six.fond, Noir);
  EXPECT_TRUE(six.visible);
  jeu.Jeter("55552");
  jeu.partie.AppelCliqueCase(Seche, figure::Cinq);
  EXPECT_EQ(jeu.fenetre.Case(Seche, figure::Cinq).legende, "20");
}

TEST(CasePrise, IsInsetOnlyOnceHoweverOftenTheSheetIsDrawnUntilANewGame) {
  Jeu jeu(3);
  jeu.Jeter("11123");
  jeu.partie.AppelCliqueCase(Libre, figure::Six);
  const Rect retiree{2575, HautLigne(6) + 25, 1150, 260};
  EXPECT_EQ(jeu.fenetre.Case(Libre, figure::Six).rect, retiree);
  for (auto [des, c, fig] : {std::tuple{"22345", Libre, figure::Maxi},
                             {"22345", Seche, figure::Mini},
                             {"66666", Libre, figure::Yam}}) {
    jeu.Jeter(des);
    jeu.partie.AppelCliqueCase(c, fig);
    EXPECT_TRUE(jeu.Etat().Cases(c, fig).Prise);
  }
  EXPECT_GT(jeu.fenetre.nbDessins, 6);
  EXPECT_EQ(jeu.fenetre.Case(Libre, figure::Six).rect, retiree);
  // Applying a decision a second time, already drawn or not, leaves the same place.
  const DessinCase d = DessinDeCase(jeu.Etat(), jeu.fenetre.aire, Libre, figure::Six);
  EXPECT_TRUE(d.DejaDessinee);
  EXPECT_EQ(d.apparence->rect, retiree);

  jeu.partie.AppelNouveau();
  const PanneauCase& six = jeu.fenetre.Case(Libre, figure::Six);
  EXPECT_EQ(six.rect, (Rect{2550, HautLigne(6), 1200, 310}));
  EXPECT_EQ(six.legende, "");
  EXPECT_EQ(six.fond, RGB(134, 210, 30));
  EXPECT_EQ(six.texte, Noir);
}

TEST(CasePrise, IsInsetByTheRetraitOfItsScreen) {
  Jeu jeu(1, 9600, 7200);
  jeu.Jeter("11123");
  jeu.partie.AppelCliqueCase(Libre, figure::As);
  EXPECT_EQ(jeu.fenetre.Case(Libre, figure::As).rect, (Rect{1060, 25 + 273 + 20, 920, 208}));
}

// The pointer shows which squares can be chosen: the up arrow once the dice are thrown, the
// no-drop sign before, once the square is written, and in the columns out of play.
TEST(Pointeurs, SwitchWithTheTurn) {
  Jeu jeu(2);
  auto pointeursLibre = [&] {
    std::vector<int16_t> p;
    for (int16_t fig = 1; fig <= 13; ++fig) p.push_back(jeu.fenetre.Case(Libre, fig).pointeur);
    return p;
  };
  EXPECT_EQ(pointeursLibre(), std::vector<int16_t>(13, PointeurInterdit));
  jeu.Jeter("11123");
  EXPECT_EQ(pointeursLibre(), std::vector<int16_t>(13, PointeurFlecheHaut));
  EXPECT_EQ(jeu.fenetre.Case(Montee, figure::Yam).pointeur, PointeurFlecheHaut);
  EXPECT_EQ(jeu.fenetre.Case(Seche, figure::As).pointeur, PointeurInterdit);
  jeu.partie.AppelCliqueCase(Libre, figure::As);
  for (int16_t c = 1; c <= 6; ++c)
    for (int16_t fig = 1; fig <= 13; ++fig)
      EXPECT_EQ(jeu.fenetre.Case(c, fig).pointeur, PointeurInterdit) << c << "," << fig;
  jeu.Jeter("22222");
  EXPECT_EQ(jeu.fenetre.Case(Libre, figure::As).pointeur, PointeurInterdit);  // taken
  EXPECT_EQ(jeu.fenetre.Case(Libre, figure::Deux).pointeur, PointeurFlecheHaut);
}

// A total of 0 leaves its square empty; a bonus reads "+ 30".
TEST(Totaux, CaptionsFollowTheWrittenSquares) {
  Jeu jeu(1);
  EXPECT_EQ(jeu.fenetre.totaux.at("CaseTotalHautLibre"), "");
  EXPECT_EQ(jeu.fenetre.totaux.at("CaseBonusBasAnnonce"), "");
  // Three of each face in the upper figures: 3 + 6 + … + 18 = 63, worth the bonus of 30.
  for (int16_t fig = 1; fig <= 6; ++fig) {
    const char face = static_cast<char>('0' + fig);
    const char autre = fig == 6 ? '1' : '6';
    jeu.Jeter(std::string{face, face, face, autre, autre});
    jeu.partie.AppelCliqueCase(Libre, fig);
  }
  const FenetreSimulee& f = jeu.fenetre;
  EXPECT_EQ(f.totaux.at("CaseTotalHautLibre"), "63");
  EXPECT_EQ(f.totaux.at("CaseBonusHautLibre"), "+ 30");
  EXPECT_EQ(f.totaux.at("CaseTotalBasLibre"), "");
  EXPECT_EQ(f.totaux.at("CaseBonusBasLibre"), "");
}

}  // namespace
}  // namespace rolvex
