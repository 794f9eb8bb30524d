#include "tests/app/window_fixture.h"

#include <QGroupBox>

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

TEST_F(GéométrieDesFenêtres, PlayAreaAtStartUpIsTheSixColumnSheetCentredOnTheScreen) {
  VérifierAireJeu(0, 0);
  EXPECT_TRUE(W("CaseAnnonce(13)").isVisible());
  EXPECT_TRUE(W("PanelStart").isVisible());
  EXPECT_FALSE(W("SuperPanelDés").isVisible());
  EXPECT_FALSE(W("SuperPanelScore").isVisible());
}

TEST_F(GéométrieDesFenêtres, EachModeCentresItsSheetInTheWindow) {
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
  const float largeur = AdapterFenêtresÉcran(r.RatioLargeur, r.RatioHauteur).params.LargeurFenêtre;
  EXPECT_EQ(dialogue.width(), ui::ÉchelleTwips::DeLÉcranPrincipal().PixelsX(largeur));
}

// The dice pictures are painted at the size of the die, so that they show sharp.
TEST_F(GéométrieDesFenêtres, DicePicturesAreMadeAtTheSizeOfTheDie) {
  NouvellePartie(1);
  Jeter("12345");
  const ui::Image& dé = W<ui::Image>("ImageDé(1)");
  EXPECT_EQ(dé.picture().deviceIndependentSize().toSize(), QSize(dé.width(), dé.width()));
  EXPECT_EQ(dé.width(), dé.height());
}

}  // namespace
}  // namespace rolvex::app
