#include "dialog_layout.h"

#include <cmath>

namespace rolvex {

namespace {

// A length is computed in double and kept in single precision, like a control's property.
float Simple(double x) { return static_cast<float>(x); }

}  // namespace

bool DimensionsEcranValides(double largeur, double hauteur) {
  auto valide = [](double x) { return std::isfinite(x) && x >= 1 && x <= 1e6; };
  return valide(largeur) && valide(hauteur);
}

int ArrondiPair(double x) {
  const double bas = std::floor(x);
  const double reste = x - bas;
  double arrondi = reste < 0.5 ? bas : bas + 1;
  if (reste == 0.5 && std::fmod(bas, 2) == 0) arrondi = bas;
  return static_cast<int>(arrondi);
}

RatiosEcran Ratios(double largeurEcran, double hauteurEcran) {
  return {largeurEcran / LargeurEcranReference, hauteurEcran / HauteurEcranReference};
}

namespace {

// The single margin m of both dialogs: 150 twips at the reference width.
int MargeDialogues(double kx) { return ArrondiPair(150 * kx); }

// Each step reads what the steps before it set: the order is the layout.
DispositionFormParams DispositionParams(double kx, double ky, int m) {
  DispositionFormParams p;
  Rect& frame = p.FrameModeColonnes;
  frame = {Simple(m), Simple(m), Simple(4600 * kx), Simple(2000 * ky)};
  p.PoliceFrameModeColonnes = Simple(8 * kx);
  p.LargeurFenetre = Simple(frame.Width + 2.0 * m);

  // Stacked below the frame's caption, one margin apart.
  const float largeurOption = Simple(frame.Width - 2.0 * m);
  const float hauteurOption = Simple((frame.Height - 5.0 * m) / 3);
  for (int i = 1; i <= p.SSOptionModeColonnes.dernier; ++i)
    p.SSOptionModeColonnes[i] = {Simple(m), Simple(2.0 * m + (i - 1) * (m + double{hauteurOption})),
                                 largeurOption, hauteurOption};
  p.PoliceOptions = Simple(8 * kx);

  p.TextName = {Simple(m), Simple(double{frame.Top} + frame.Height + m), frame.Width,
                Simple(450 * ky)};
  p.PoliceTextName = Simple(14 * kx);

  Rect& annuler = p.PanelCancelParams;
  annuler = {Simple(m), Simple(double{p.TextName.Top} + p.TextName.Height + m),
             Simple((p.LargeurFenetre - 3.0 * m) / 2), Simple(405 * ky)};
  p.PanelOkParams = {Simple(double{annuler.Left} + annuler.Width + m), annuler.Top, annuler.Width,
                     annuler.Height};
  p.PoliceBoutons = Simple(12 * kx);

  p.HauteurFenetre =
      Simple(double{frame.Top} + frame.Height + p.TextName.Height + annuler.Height + 6.0 * m);
  return p;
}

DispositionSplash DispositionSplashEcran(double kx, double ky, int m) {
  DispositionSplash s;
  Rect& frame = s.FrameSplash;
  frame.Width = Simple(6700 * kx + 2.0 * m);
  s.LargeurFenetre = Simple(frame.Width + 2.0 * m);

  const float coteLogo = Simple(1010 * ky + 2.0 * m);
  s.imgLogo.Height = s.imgLogo.Width = coteLogo;

  s.lblCompanyProduct.Height = Simple(360 * ky);
  s.lblVersion.Height = Simple(290 * ky);
  s.lblCompanyProduct.Width = s.lblVersion.Width = Simple(4000 * kx);
  s.PoliceCompanyProduct = Simple(16 * kx);
  s.PoliceVersion = Simple(12 * kx);

  s.PanelStartFrench.Height = Simple(465 * ky);
  s.PanelStartFrench.Width = Simple((frame.Width - 3.0 * m) / 2);
  s.PoliceBoutonsLangue = Simple(10 * kx);
  s.PanelStartEnglish.Height = s.PanelStartFrench.Height;
  s.PanelStartEnglish.Width = s.PanelStartFrench.Width;

  frame.Height = Simple(double{coteLogo} + s.PanelStartFrench.Height + 3.0 * m);

  frame.Left = frame.Top = Simple(m);
  s.imgLogo.Left = s.imgLogo.Top = Simple(m);
  s.lblCompanyProduct.Left = Simple(double{s.imgLogo.Left} + s.imgLogo.Width + m);
  s.lblCompanyProduct.Top = Simple(m);
  s.lblVersion.Left = s.lblCompanyProduct.Left;
  s.lblVersion.Top = Simple(double{s.lblCompanyProduct.Top} + s.lblCompanyProduct.Height + m);
  s.PanelStartFrench.Left = Simple(m);
  s.PanelStartFrench.Top = Simple(double{s.imgLogo.Top} + s.imgLogo.Height + m);
  s.PanelStartEnglish.Left = Simple(double{s.PanelStartFrench.Left} + s.PanelStartFrench.Width + m);
  s.PanelStartEnglish.Top = s.PanelStartFrench.Top;

  s.HauteurFenetre = Simple(double{frame.Top} + frame.Height + m);
  return s;
}

}  // namespace

DispositionDialogues AdapterFenetresEcran(double kx, double ky) {
  DispositionDialogues d;
  d.m = MargeDialogues(kx);
  d.params = DispositionParams(kx, ky, d.m);
  d.splash = DispositionSplashEcran(kx, ky, d.m);
  return d;
}

std::vector<ControleDialogue> ControlesDialogues(const DispositionDialogues& d) {
  const DispositionFormParams& p = d.params;
  const DispositionSplash& s = d.splash;
  std::vector<ControleDialogue> c = {
      {"FormParams", {0, 0, p.LargeurFenetre, p.HauteurFenetre}, std::nullopt},
      {"FrameModeColonnes", p.FrameModeColonnes, p.PoliceFrameModeColonnes},
      {"TextName", p.TextName, p.PoliceTextName},
      {"PanelCancelParams", p.PanelCancelParams, p.PoliceBoutons},
      {"PanelOkParams", p.PanelOkParams, p.PoliceBoutons},
      {"frmSplash", {0, 0, s.LargeurFenetre, s.HauteurFenetre}, std::nullopt},
      {"FrameSplash", s.FrameSplash, std::nullopt},
      {"imgLogo", s.imgLogo, std::nullopt},
      {"lblCompanyProduct", s.lblCompanyProduct, s.PoliceCompanyProduct},
      {"lblVersion", s.lblVersion, s.PoliceVersion},
      {"PanelStartFrench", s.PanelStartFrench, s.PoliceBoutonsLangue},
      {"PanelStartEnglish", s.PanelStartEnglish, s.PoliceBoutonsLangue},
  };
  for (int i = 1; i <= p.SSOptionModeColonnes.dernier; ++i)
    c.push_back({"SSOptionModeColonnes(" + std::to_string(i) + ")", p.SSOptionModeColonnes[i],
                 p.PoliceOptions});
  return c;
}

}  // namespace rolvex
