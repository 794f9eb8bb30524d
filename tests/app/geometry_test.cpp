#include "tests/app/window_fixture.h"

#include <QFontMetrics>

#include "playarea/layout.h"

namespace rolvex::app {
namespace {

// Every widget stands where the layout of the screen puts it, converted to pixels.
class GeometrieDesFenetres : public FenetreDeJeu {
 protected:
  void SetUp() override { Ouvrir(); }

  double LargeurClient() const {
    return ui::EchelleTwips::DeLEcranPrincipal().TwipsX(fenetre->centralWidget()->width());
  }

  void VerifierAireJeu(int nbColonnes, double largeurFenetre) {
    const QSizeF ecran = TailleEcranJeu();
    const AireJeu attendue = nbColonnes == 0 ? AireJeu(ecran.width(), ecran.height())
                                             : DispositionAireJeu(ecran.width(), ecran.height(),
                                                                  nbColonnes, largeurFenetre);
    int nbVerifies = 0;
    for (const auto& [nom, c] : attendue.Controles()) {
      EXPECT_EQ(W<QWidget>(nom).geometry(), EnPixels(c.rect)) << nom;
      if (c.montre) {
        EXPECT_EQ(!W<QWidget>(nom).isHidden(), *c.montre) << nom;
      }
      ++nbVerifies;
    }
    EXPECT_GT(nbVerifies, 200);
  }
};

TEST_F(GeometrieDesFenetres, TheSheetIsCentredOnTheScreenAtStartUpThenInTheWindowForEachMode) {
  VerifierAireJeu(0, 0);
  for (int mode : {1, 2, 3, 1}) {
    NouvellePartie(mode);
    VerifierAireJeu(NbColonnesMode[mode], LargeurClient());
  }
}

TEST_F(GeometrieDesFenetres, NameDialogFollowsItsProportionalLayout) {
  const QSizeF ecran = TailleEcranJeu();
  const RatiosEcran r = Ratios(ecran.width(), ecran.height());
  const auto controles = ControlesDialogues(AdapterFenetresEcran(r.RatioLargeur, r.RatioHauteur));
  FormParams& dialogue = fenetre->Params();
  int nbVerifies = 0;
  for (const ControleDialogue& c : controles) {
    QWidget* w = Trouver<QWidget>(dialogue, c.nom);
    if (!w || w == &dialogue) continue;
    EXPECT_EQ(w->geometry(), EnPixels(c.rect)) << c.nom;
    if (c.police) {
      EXPECT_DOUBLE_EQ(w->font().pointSizeF(), std::max(1.0, double{*c.police})) << c.nom;
    }
    ++nbVerifies;
  }
  EXPECT_EQ(nbVerifies, 7);
  // The window keeps the margin m on every side: the title bar is the platform's.
  const DispositionDialogues d = AdapterFenetresEcran(r.RatioLargeur, r.RatioHauteur);
  const ui::EchelleTwips echelle = ui::EchelleTwips::DeLEcranPrincipal();
  EXPECT_EQ(dialogue.width(), echelle.PixelsX(d.params.LargeurFenetre));
  EXPECT_EQ(dialogue.height(),
            EnPixels(d.params.PanelOkParams).bottom() + 1 + echelle.PixelsY(d.m));
}

// A caption keeps its designed size unless its line would not fit in its panel.
class PolicesALaTaille : public testing::Test {
 protected:
  EnvironnementDeTest environnement;

  double PointsOkDe(QSizeF ecran) {
    FormRolvex fenetre(Langue::Francais, ecran, environnement.Pour());
    const QWidget& ok = *Trouver<QWidget>(fenetre, "PanelOkDé");
    EXPECT_LE(QFontMetrics(ok.font()).height(), ok.height());
    return ok.font().pointSizeF();
  }
};

TEST_F(PolicesALaTaille, ThrowButtonKeepsItsFontOnFourThirdsAndShrinksOnAWideScreen) {
  EXPECT_DOUBLE_EQ(PointsOkDe(QSizeF(12000, 9000)), 20.0);
  // 1920 × 1080 pixels: the dice follow the width, the flat button the height.
  EXPECT_LT(PointsOkDe(QSizeF(28800, 16200)), 20.0 * 28800 / 12000);
}

}  // namespace
}  // namespace rolvex::app
