#include "playarea/dialog_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rect_printer.h"

namespace rolvex {
namespace {

// The margin of both dialogs is 150 twips at the reference width, rounded halves to even; the
// ratios compare the screen with the reference one.
TEST(MargeDialogues, FollowsTheScreenWidthAndRoundsHalvesToEven) {
  EXPECT_EQ(AdapterFenetresEcran(1, 1).m, 150);
  EXPECT_EQ(AdapterFenetresEcran(Ratios(15360, 11520).RatioLargeur, 1).m, 192);
  EXPECT_EQ(AdapterFenetresEcran(Ratios(9600, 7200).RatioLargeur, 1).m, 120);
  EXPECT_EQ(AdapterFenetresEcran(Ratios(15240, 11430).RatioLargeur, 1).m,
            190);  // 150 × 1.27 = 190.5
  EXPECT_DOUBLE_EQ(Ratios(15360, 9000).RatioLargeur, 1.28);
  EXPECT_DOUBLE_EQ(Ratios(15360, 9000).RatioHauteur, 1);
  EXPECT_DOUBLE_EQ(Ratios(9600, 7200).RatioHauteur, 0.8);
}

// The name dialog: the mode frame with its three option buttons, the name box, then Cancel and
// OK side by side, all one margin apart.
TEST(FormParams, OnTheReferenceScreen) {
  const DispositionFormParams& p = AdapterFenetresEcran(1, 1).params;
  EXPECT_EQ(p.FrameModeColonnes, (Rect{150, 150, 4600, 2000}));
  EXPECT_EQ(p.LargeurFenetre, 4900);
  EXPECT_EQ(p.HauteurFenetre, 3905);
  const float tops[] = {300, 300 + 1700.0F / 3, 300 + 3400.0F / 3};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(p.SSOptionModeColonnes[i].Left, 150);
    EXPECT_EQ(p.SSOptionModeColonnes[i].Width, 4300);
    EXPECT_FLOAT_EQ(p.SSOptionModeColonnes[i].Height, 1250.0F / 3);
    EXPECT_FLOAT_EQ(p.SSOptionModeColonnes[i].Top, tops[i - 1]);
  }
  EXPECT_EQ(p.TextName, (Rect{150, 2300, 4600, 450}));
  EXPECT_EQ(p.PanelCancelParams, (Rect{150, 2900, 2225, 405}));
  EXPECT_EQ(p.PanelOkParams, (Rect{2525, 2900, 2225, 405}));
  EXPECT_EQ(p.PoliceFrameModeColonnes, 8);
  EXPECT_EQ(p.PoliceOptions, 8);
  EXPECT_EQ(p.PoliceTextName, 14);
  EXPECT_EQ(p.PoliceBoutons, 12);
}

TEST(FormParams, ScalesFontsWithTheWidthAndHeightsWithTheHeight) {
  const DispositionDialogues d =
      AdapterFenetresEcran(Ratios(15360, 11520).RatioLargeur, Ratios(15360, 11520).RatioHauteur);
  EXPECT_FLOAT_EQ(d.params.PoliceFrameModeColonnes, 10.24F);
  EXPECT_FLOAT_EQ(d.params.PoliceTextName, 17.92F);
  EXPECT_FLOAT_EQ(d.params.PoliceBoutons, 15.36F);
  const DispositionFormParams& bas = AdapterFenetresEcran(1, 0.8).params;
  EXPECT_EQ(bas.FrameModeColonnes, (Rect{150, 150, 4600, 1600}));
  EXPECT_EQ(bas.TextName, (Rect{150, 1900, 4600, 360}));
  EXPECT_EQ(bas.PanelCancelParams, (Rect{150, 2410, 2225, 324}));
  EXPECT_EQ(bas.HauteurFenetre, 150 + 1600 + 360 + 324 + 900);
}

// The start-up window: the logo at the top left of its frame, the title and the version to
// its right, and the two language buttons on one row below the logo.
TEST(FrmSplash, OnTheReferenceScreen) {
  const DispositionSplash s = AdapterFenetresEcran(1, 1).splash;
  EXPECT_EQ(s.FrameSplash, (Rect{150, 150, 7000, 2225}));
  EXPECT_EQ(s.LargeurFenetre, 7300);
  EXPECT_EQ(s.HauteurFenetre, 2525);
  EXPECT_EQ(s.imgLogo, (Rect{150, 150, 1310, 1310}));
  EXPECT_EQ(s.lblCompanyProduct, (Rect{1610, 150, 4000, 360}));
  EXPECT_EQ(s.lblVersion, (Rect{1610, 660, 4000, 290}));
  EXPECT_EQ(s.PanelStartFrench, (Rect{150, 1610, 3275, 465}));
  EXPECT_EQ(s.PanelStartEnglish, (Rect{3575, 1610, 3275, 465}));
  EXPECT_EQ(s.PoliceCompanyProduct, 16);
  EXPECT_EQ(s.PoliceVersion, 12);
  EXPECT_EQ(s.PoliceBoutonsLangue, 10);
}

// On every screen both dialogs keep one margin around their buttons and option buttons.
TEST(Dialogues, KeepOneMarginAroundTheirButtonsOnEveryScreen) {
  for (auto [kx, ky] : {std::pair{1.28, 1.28}, {0.8, 0.8}, {1.6, 1.2}}) {
    SCOPED_TRACE(kx);
    const DispositionDialogues d = AdapterFenetresEcran(kx, ky);
    const Rect& ok = d.params.PanelOkParams;
    EXPECT_FLOAT_EQ(ok.Left + ok.Width + d.m, d.params.LargeurFenetre);
    EXPECT_EQ(ok.Top, d.params.PanelCancelParams.Top);
    const Rect& option3 = d.params.SSOptionModeColonnes[3];
    EXPECT_FLOAT_EQ(option3.Top + option3.Height + d.m, d.params.FrameModeColonnes.Height);
    const DispositionSplash& s = d.splash;
    const Rect& anglais = s.PanelStartEnglish;
    EXPECT_FLOAT_EQ(anglais.Left + anglais.Width + d.m, s.FrameSplash.Width);
    EXPECT_FLOAT_EQ(anglais.Top + anglais.Height + d.m, s.FrameSplash.Height);
    EXPECT_EQ(s.imgLogo.Width, s.imgLogo.Height);
    EXPECT_FLOAT_EQ(s.FrameSplash.Width + 2.0F * d.m, s.LargeurFenetre);
  }
}

// The driver finds every control by the window's own name for it.
TEST(ControlesDialogues, ListsEveryControlByName) {
  const auto c = ControlesDialogues(AdapterFenetresEcran(1, 1));
  EXPECT_EQ(c.size(), 15u);
  auto par = [&](std::string_view nom) {
    const auto it = std::find_if(c.begin(), c.end(), [&](const auto& x) { return x.nom == nom; });
    EXPECT_NE(it, c.end()) << nom;
    return it == c.end() ? ControleDialogue{} : *it;
  };
  EXPECT_FLOAT_EQ(par("SSOptionModeColonnes(2)").rect.Top, 300 + 1700.0F / 3);
  EXPECT_EQ(par("FormParams").rect, (Rect{0, 0, 4900, 3905}));
  EXPECT_EQ(par("frmSplash").rect.Width, 7300);
  EXPECT_EQ(par("PanelOkParams").rect, (Rect{2525, 2900, 2225, 405}));
  EXPECT_EQ(par("FrameModeColonnes").police, 8);
  EXPECT_EQ(par("lblVersion").police, 12);
  EXPECT_FALSE(par("imgLogo").police.has_value());
}

}  // namespace
}  // namespace rolvex
