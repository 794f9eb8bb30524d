#include "tests/app/window_fixture.h"

#include <QFontMetrics>

#include "playarea/layout.h"

namespace rolvex::app {
namespace {

// Every widget stands where the layout of the screen puts it, converted to pixels.
class GéométrieDesFenêtres : public FenêtreDeJeu {
 protected:
  void SetUp() override { Ouvrir(); }

  double LargeurClient() const {
    return ui::ÉchelleTwips::DeLÉcranPrincipal().TwipsX(fenêtre->centralWidget()->width());
  }

  void VérifierAireJeu(int nbColonnes, double largeurFenêtre) {
    const QSizeF écran = TailleÉcranJeu();
    const AireJeu attendue =
        nbColonnes == 0 ? AireJeu(écran.width(), écran.height())
                        : DispositionAireJeu(écran.width(), écran.height(), nbColonnes, largeurFenêtre);
    int nbVérifiés = 0;
    for (const auto& [nom, c] : attendue.Contrôles()) {
      EXPECT_EQ(W<QWidget>(nom).geometry(), EnPixels(c.rect)) << nom;
      if (c.montré) {
        EXPECT_EQ(!W<QWidget>(nom).isHidden(), *c.montré) << nom;
      }
      ++nbVérifiés;
    }
    EXPECT_GT(nbVérifiés, 200);
  }
};

TEST_F(GéométrieDesFenêtres, TheSheetIsCentredOnTheScreenAtStartUpThenInTheWindowForEachMode) {
  VérifierAireJeu(0, 0);
  for (int mode : {1, 2, 3, 1}) {
    NouvellePartie(mode);
    VérifierAireJeu(NbColonnesMode[mode], LargeurClient());
  }
}

TEST_F(GéométrieDesFenêtres, NameDialogFollowsItsProportionalLayout) {
  const QSizeF écran = TailleÉcranJeu();
  const RatiosÉcran r = Ratios(écran.width(), écran.height());
  const auto contrôles = ContrôlesDialogues(AdapterFenêtresÉcran(r.RatioLargeur, r.RatioHauteur));
  FormParams& dialogue = fenêtre->Params();
  int nbVérifiés = 0;
  for (const ContrôleDialogue& c : contrôles) {
    QWidget* w = Trouver<QWidget>(dialogue, c.nom);
    if (!w || w == &dialogue) continue;
    EXPECT_EQ(w->geometry(), EnPixels(c.rect)) << c.nom;
    if (c.police) {
      EXPECT_DOUBLE_EQ(w->font().pointSizeF(), std::max(1.0, double{*c.police})) << c.nom;
    }
    ++nbVérifiés;
  }
  EXPECT_EQ(nbVérifiés, 7);
  // The window keeps the margin m on every side: the title bar is the platform's.
  const DispositionDialogues d = AdapterFenêtresÉcran(r.RatioLargeur, r.RatioHauteur);
  const ui::ÉchelleTwips échelle = ui::ÉchelleTwips::DeLÉcranPrincipal();
  EXPECT_EQ(dialogue.width(), échelle.PixelsX(d.params.LargeurFenêtre));
  EXPECT_EQ(dialogue.height(), EnPixels(d.params.PanelOkParams).bottom() + 1 + échelle.PixelsY(d.m));
}

// A caption keeps its designed size unless its line would not fit in its panel.
class PolicesÀLaTaille : public testing::Test {
 protected:
  DéÉquitable dé{3};
  EnvironnementDeTest environnement;

  double PointsOkDé(QSizeF écran) {
    FormRolvex fenêtre(Langue::Français, dé, écran, environnement.Pour());
    const QWidget& ok = *Trouver<QWidget>(fenêtre, "PanelOkDé");
    EXPECT_LE(QFontMetrics(ok.font()).height(), ok.height());
    return ok.font().pointSizeF();
  }
};

TEST_F(PolicesÀLaTaille, ThrowButtonKeepsItsFontOnFourThirdsAndShrinksOnAWideScreen) {
  EXPECT_DOUBLE_EQ(PointsOkDé(QSizeF(12000, 9000)), 20.0);
  // 1920 × 1080 pixels: the dice follow the width, the flat button the height.
  EXPECT_LT(PointsOkDé(QSizeF(28800, 16200)), 20.0 * 28800 / 12000);
}

}  // namespace
}  // namespace rolvex::app
