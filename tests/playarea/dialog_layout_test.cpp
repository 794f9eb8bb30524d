#include "playarea/dialog_layout.h"

#include <gtest/gtest.h>

#include <utility>

namespace rolvex {
namespace {

double Droite(const Rect& r) { return double{r.Left} + r.Width; }
double Bas(const Rect& r) { return double{r.Top} + r.Height; }

// On every screen both dialogs keep one margin between their controls, down the name dialog
// and beside its buttons, beside the logo and under it in the start-up window, and inside
// their frames.
TEST(Dialogues, KeepOneMarginBetweenTheirControls) {
  for (auto [kx, ky] : {std::pair{1.28, 1.28}, {0.8, 0.8}, {1.6, 1.2}, {0.75, 1.4}}) {
    SCOPED_TRACE(testing::Message() << kx << " x " << ky);
    const DispositionDialogues d = AdapterFenetresEcran(kx, ky);
    const DispositionFormParams& p = d.params;
    const DispositionSplash& s = d.splash;
    const auto& options = p.SSOptionModeColonnes;
    for (auto [haut, bas] : {std::pair{options[1], options[2]},
                             {options[2], options[3]},
                             {p.FrameModeColonnes, p.TextName},
                             {p.TextName, p.PanelCancelParams},
                             {s.lblCompanyProduct, s.lblVersion},
                             {s.imgLogo, s.PanelStartFrench}})
      EXPECT_FLOAT_EQ(bas.Top, Bas(haut) + d.m);
    for (auto [gauche, droite] : {std::pair{p.PanelCancelParams, p.PanelOkParams},
                                  {s.imgLogo, s.lblCompanyProduct},
                                  {s.PanelStartFrench, s.PanelStartEnglish}})
      EXPECT_FLOAT_EQ(droite.Left, Droite(gauche) + d.m);
    EXPECT_FLOAT_EQ(Bas(options[3]) + d.m, p.FrameModeColonnes.Height);
    EXPECT_FLOAT_EQ(Droite(p.PanelOkParams) + d.m, p.LargeurFenetre);
    EXPECT_FLOAT_EQ(Droite(s.PanelStartEnglish) + d.m, s.FrameSplash.Width);
    EXPECT_FLOAT_EQ(Bas(s.PanelStartEnglish) + d.m, s.FrameSplash.Height);
    EXPECT_FLOAT_EQ(Bas(s.FrameSplash) + d.m, s.HauteurFenetre);
  }
}

}  // namespace
}  // namespace rolvex
