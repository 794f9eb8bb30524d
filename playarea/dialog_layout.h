// Lengths in proportion to the screen: the start-up window and the name dialog, and the
// twips, ratios and rounding that the play area shares with them. No window here: the
// windows only apply these numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/score_sheet.h"

namespace rolvex {

// A control's place in twips, relative to its container. Sizes scaled by a screen ratio keep
// their fraction, in single precision like every position and size of a control.
struct Rect {
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Every window is designed for a screen of 12000 × 9000 twips.
inline constexpr double LargeurEcranReference = 12000;
inline constexpr double HauteurEcranReference = 9000;

// Screens this layout can describe: finite and from 1 to a million twips each way (about
// 66000 pixels), so that every length stays a small integer.
bool DimensionsEcranValides(double largeur, double hauteur);

// To the nearest integer, a value ending in exactly one half going to the even neighbour
// (47.5 → 48, 190.5 → 190). x: within the range of int.
int ArrondiPair(double x);

// The factors by which designed lengths and font sizes follow the real screen.
struct RatiosEcran {
  double RatioLargeur = 1;  // kx: screen width / 12000
  double RatioHauteur = 1;  // ky: screen height / 9000
};
RatiosEcran Ratios(double largeurEcran, double hauteurEcran);

// The name and column-mode dialog. The window's Width and Height are its outer size; where
// it stands on the screen is not decided here.
struct DispositionFormParams {
  Rect FrameModeColonnes;
  float PoliceFrameModeColonnes = 0;
  float LargeurFenetre = 0;
  float HauteurFenetre = 0;
  Tableau<Rect, 1, 3> SSOptionModeColonnes;  // inside the frame, for 1, 3 and 6 columns
  float PoliceOptions = 0;
  Rect TextName;
  float PoliceTextName = 0;
  Rect PanelCancelParams;
  Rect PanelOkParams;
  float PoliceBoutons = 0;
};

// The start-up window: the logo, the title and version and the two language buttons, all
// inside FrameSplash. HauteurFenetre keeps the margin m below the frame, as on every side.
struct DispositionSplash {
  Rect FrameSplash;
  float LargeurFenetre = 0;
  float HauteurFenetre = 0;
  Rect imgLogo;
  Rect lblCompanyProduct;
  float PoliceCompanyProduct = 0;
  Rect lblVersion;
  float PoliceVersion = 0;
  Rect PanelStartFrench;
  Rect PanelStartEnglish;
  float PoliceBoutonsLangue = 0;
};

struct DispositionDialogues {
  int m = 0;
  DispositionFormParams params;
  DispositionSplash splash;
};

// Both dialogs for screen ratios kx and ky (positive).
DispositionDialogues AdapterFenetresEcran(double kx, double ky);

// One control of a dialog under the name the windows give it ("SSOptionModeColonnes(2)");
// the two windows are "FormParams" and "frmSplash", with their place left at 0, 0.
struct ControleDialogue {
  std::string nom;
  Rect rect;
  std::optional<float> police;  // point size, for the controls whose size is set here
};
std::vector<ControleDialogue> ControlesDialogues(const DispositionDialogues& d);

}  // namespace rolvex
