#include "layout.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace rolvex {

namespace {

// A length is computed in double and kept in single precision, like a control's property.
float Simple(double x) { return static_cast<float>(x); }
double Droite(const Rect& r) { return double{r.Left} + r.Width; }
double Bas(const Rect& r) { return double{r.Top} + r.Height; }

// Lengths the design fixes whatever the screen.
constexpr float HautPanelsDés = 75;    // the dice panels within the dice area
constexpr double PlaceImageDé = 60;    // a die's face within its panel, at least
constexpr float HautFeuille = 50;      // the sheet within the window
constexpr float GaucheInfo = 50;       // the information line within the window
constexpr float Espace = 50;           // between the information line and the dice area
constexpr float HautScores = 100;      // the high-score area within the window
constexpr float EspaceScores = 45;     // around the rows of the high-score table
// The buttons shown after a game keep their designed font, whatever the screen.
constexpr float PoliceBoutonsFinPartie = 14.25F;
// The throw button's height on the 4:3 screen the design was drawn for, where it follows from
// the dice area: 500 + 450 + 450 + 4 × 60 − 3 × 60 − 945.
constexpr double HauteurOkDé = 515;
// The title bar and the menu bar take their room above the window's client area: about 40
// pixels at 96 DPI for the title bar, the platform's, whatever the screen, and 20 for the menu
// bar on the reference screen, whose font grows with the screen's height.
constexpr double RéserveBarreTitre = 600;
constexpr double RéserveBarreMenus = 300;

// The five columns of the high-score table, left to right, as designed for 12000 twips.
struct ColonneScores {
  std::string_view famille;
  double largeur;
  double police;
};
constexpr std::array<ColonneScores, 5> ColonnesScores = {{
    {"PanelScoreClassement", 390, 15},
    {"PanelScoreNom", 1800, 10},
    {"PanelScoreScore", 990, 15},
    {"PanelScoreTemps", 690, 12},
    {"PanelScoreNbFigures", 540, 14},
}};
constexpr double HauteurLigneScores = 390;
constexpr int NbPlacesScores = 10;

constexpr std::array<Côté, 2> Côtés = {Côté::Gauche, Côté::Droite};

}  // namespace

TaillesAire CalculTailles(double largeurÉcran, double hauteurÉcran) {
  TaillesAire t;
  t.HauteurCase = ArrondiPair(hauteurÉcran / 29);
  t.LargeurCase = ArrondiPair(largeurÉcran / 10);
  t.EcartVertical = ArrondiPair(t.HauteurCase / 10.0);
  t.EcartHorizontal = ArrondiPair(t.LargeurCase / 24.0);
  t.RetraitPrise = ArrondiPair(t.EcartHorizontal / 2.0);
  t.MargePanneau = ArrondiPair(Ratios(largeurÉcran, hauteurÉcran).RatioLargeur * 60);
  return t;
}

float TaillePoliceCases(double ratioLargeur) {
  return static_cast<float>(ArrondiPair(10 * ratioLargeur));
}

Rect AppliquerRetraitPrise(const Rect& r, int retrait) {
  return {Simple(double{r.Left} + retrait), Simple(double{r.Top} + retrait),
          Simple(double{r.Width} - 2.0 * retrait), Simple(double{r.Height} - 2.0 * retrait)};
}

const Contrôle* AireJeu::Trouver(std::string_view nom) const {
  const auto it = contrôles_.find(nom);
  return it == contrôles_.end() ? nullptr : &it->second;
}

const Contrôle& AireJeu::operator[](std::string_view nom) const {
  const Contrôle* c = Trouver(nom);
  assert(c != nullptr);
  return *c;
}

Contrôle& AireJeu::C(std::string_view nom) {
  const auto it = contrôles_.find(nom);
  assert(it != contrôles_.end());
  return it->second;
}

void AireJeu::Créer(std::string nom, std::string conteneur, Design design) {
  Contrôle c;
  c.conteneur = std::move(conteneur);
  c.design = design;
  contrôles_.emplace(std::move(nom), std::move(c));
}

void AireJeu::CréerContrôles() {
  for (std::string_view nom : {"PictureAireJeu", "PanelInfoDéroulement", "SuperPanelDés",
                               "PanelStart", "SuperPanelScore"})
    Créer(std::string(nom), "", DesignContrôleSeul(nom));

  for (std::string_view nom : {"PanelScoreTotal", "PanelTotalDés", "PanelFigureRéalisée",
                               "PanelOkDé", "PanelNewGame", "PanelNewMode"})
    Créer(std::string(nom), "SuperPanelDés", DesignContrôleSeul(nom));
  for (int i = 1; i <= NbDés; ++i) {
    Créer(NomÉlément("PanelDé", i), "SuperPanelDés", {std::nullopt, RGB(72, 126, 58), {}, false});
    Créer(NomÉlément("ImageDé", i), NomÉlément("PanelDé", i), {});
  }

  for (std::string_view nom : {"PanelModeColonnes", "PanelScore", "PanelEffacerScores"})
    Créer(std::string(nom), "SuperPanelScore", DesignContrôleSeul(nom));
  for (const ColonneScores& colonne : ColonnesScores)
    for (int i = 1; i <= NbPlacesScores; ++i)
      Créer(NomÉlément(colonne.famille, i), "PanelScore", DesignLigneScores(i));

  const std::string feuille = "PictureAireJeu";
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    Créer(NomEntête(c), feuille, DesignEntête(c));
    for (int16_t f = 1; f <= NbFigures; ++f) Créer(NomCase(c, f), feuille, DesignCase(c));
    for (LigneTotal ligne : LignesTotaux) Créer(NomTotal(ligne, c), feuille, DesignTotal(ligne));
  }
  for (Côté côté : Côtés) {
    for (int i = 0; i <= NbFigures; ++i)
      Créer(NomÉtiquette(côté, i), feuille, DesignÉtiquette(i));
    for (LigneTotal ligne : LignesTotaux)
      Créer(NomÉtiquetteTotal(ligne, côté), feuille, DesignÉtiquetteTotal(ligne));
  }
}

AireJeu::AireJeu(double largeurÉcran, double hauteurÉcran)
    : ratios_(rolvex::Ratios(largeurÉcran, hauteurÉcran)),
      tailles_(CalculTailles(largeurÉcran, hauteurÉcran)) {
  CréerContrôles();
  const double RL = ratios_.RatioLargeur;
  const double RH = ratios_.RatioHauteur;

  Contrôle& info = C("PanelInfoDéroulement");
  info.rect.Width = Simple(5040 * RL);
  info.police = Simple(12 * RL);

  InitZoneDés();

  Contrôle& start = C("PanelStart");
  start.rect.Width = Simple(4530 * RL);
  start.rect.Height = Simple(1350 * RH);
  start.police = Simple(28 * RL);
  start.rect.Left = Simple((largeurÉcran - start.rect.Width) / 2);
  start.rect.Top = Simple((hauteurÉcran - start.rect.Height) / 3);

  // Eighteen rows, a gap above each and one below the last.
  Rect& feuille = C("PictureAireJeu").rect;
  feuille.Top = HautFeuille;
  feuille.Height = Simple(18.0 * tailles_.HauteurCase + 19.0 * tailles_.EcartVertical);

  // The information line and the dice area share one band below the sheet.
  Rect& dés = C("SuperPanelDés").rect;
  info.rect.Left = GaucheInfo;
  info.rect.Top = Simple(Bas(feuille) + 3.0 * tailles_.EcartVertical);
  dés.Left = Simple(Droite(info.rect) + Espace);
  dés.Top = info.rect.Top;
  AgrandirZoneDés(hauteurÉcran);
  info.rect.Height = dés.Height;

  InitFeuille();
  InitZoneScores(largeurÉcran);
  CentrerFeuille(NbColonnesMax, largeurÉcran);
}

void AireJeu::InitZoneDés() {
  const double RL = ratios_.RatioLargeur;
  const double RH = ratios_.RatioHauteur;
  const double marge = tailles_.MargePanneau;

  // The three result panels, stacked at the left of the dice area.
  Contrôle& total = C("PanelScoreTotal");
  total.rect = {Simple(marge), Simple(marge), Simple(1590 * RL), Simple(500 * RH)};
  total.police = Simple(18 * RL);

  Contrôle& totalDés = C("PanelTotalDés");
  totalDés.rect = {total.rect.Left, Simple(Bas(total.rect) + marge), Simple(1590 * RL),
                   Simple(450 * RH)};
  totalDés.police = Simple(18 * RL);

  Contrôle& figure = C("PanelFigureRéalisée");
  figure.rect = {total.rect.Left, Simple(Bas(totalDés.rect) + marge), Simple(1590 * RL),
                 Simple(450 * RH)};
  figure.police = Simple(12 * RL);

  Rect& zone = C("SuperPanelDés").rect;
  zone.Height = Simple(double{total.rect.Height} + totalDés.rect.Height + figure.rect.Height +
                       4 * marge);

  // The five dice in a row to the right of the result panels.
  for (int i = 1; i <= NbDés; ++i) {
    Rect& dé = C(NomÉlément("PanelDé", i)).rect;
    dé.Width = dé.Height = Simple(945 * RL);
    dé.Left = Simple(Droite(totalDés.rect) + marge + (i - 1) * (double{dé.Width} + marge));
    dé.Top = HautPanelsDés;
    Rect& image = C(NomÉlément("ImageDé", i)).rect;
    image.Width = image.Height = Simple(825 * RL);
    // The designed 60 twips centre the face on the reference screen only: the panel's border
    // grows with the screen, so a larger face stays centred rather than drift to the top left.
    image.Left = image.Top =
        Simple(std::max(PlaceImageDé, (double{dé.Width} - double{image.Width}) / 2));
  }
  const Rect& dé1 = C(NomÉlément("PanelDé", 1)).rect;
  zone.Width = Simple(5.0 * dé1.Width + total.rect.Width + 7 * marge);


  // The throw button fills the space under the dice.
  Contrôle& ok = C("PanelOkDé");
  ok.rect = {dé1.Left, Simple(Bas(dé1) + marge), Simple(5.0 * dé1.Width + 4 * marge),
             Simple(double{zone.Height} - 3 * marge - dé1.Height)};
  ok.police = Simple(20 * RL);

  // After a game, two buttons share the throw button's place.
  Contrôle& rejouer = C("PanelNewGame");
  rejouer.rect = {ok.rect.Left, ok.rect.Top, Simple(ok.rect.Width / 2.0 - marge / 2),
                  ok.rect.Height};
  Contrôle& nouveauMode = C("PanelNewMode");
  nouveauMode.rect = {Simple(Droite(rejouer.rect) + marge), ok.rect.Top, rejouer.rect.Width,
                      ok.rect.Height};
  rejouer.police = nouveauMode.police = PoliceBoutonsFinPartie;
}

// The dice follow the width of the screen and their area the height: on a screen wider than
// 4:3 the throw button under the dice would flatten to nothing. The area grows instead, as far
// as the screen leaves room, so that the button keeps its 4:3 height; the information line, as
// high as the area, grows with it. On a 4:3 screen, or a narrower one, nothing changes.
void AireJeu::AgrandirZoneDés(double hauteurÉcran) {
  const double RL = ratios_.RatioLargeur;
  const double RH = ratios_.RatioHauteur;
  if (RL <= RH) return;
  const double marge = tailles_.MargePanneau;
  Rect& zone = C("SuperPanelDés").rect;
  const Rect& dé1 = C(NomÉlément("PanelDé", 1)).rect;
  const double voulue = 3 * marge + double{dé1.Height} + HauteurOkDé * RH;
  const double place = hauteurÉcran - RéserveBarreTitre - RéserveBarreMenus * RH - zone.Top;
  const double hauteur = std::min(voulue, place);
  if (hauteur <= zone.Height) return;
  zone.Height = Simple(hauteur);
  const float bouton = Simple(double{zone.Height} - 3 * marge - dé1.Height);
  for (std::string_view nom : {"PanelOkDé", "PanelNewGame", "PanelNewMode"})
    C(nom).rect.Height = bouton;
}

void AireJeu::InitFeuille() {
  const float policeCases = TaillePoliceCases(ratios_.RatioLargeur);
  const auto largeur = static_cast<float>(tailles_.LargeurCase);
  const auto hauteur = static_cast<float>(tailles_.HauteurCase);
  auto dimensionner = [&](const std::string& nom) {
    Contrôle& c = C(nom);
    c.rect.Width = largeur;
    c.rect.Height = hauteur;
    c.police = policeCases;
  };

  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    dimensionner(NomEntête(c));
    C(NomEntête(c)).montré = true;
    for (int16_t f = 1; f <= NbFigures; ++f) dimensionner(NomCase(c, f));
    for (LigneTotal ligne : LignesTotaux) {
      dimensionner(NomTotal(ligne, c));
      C(NomTotal(ligne, c)).montré = true;
    }
  }
  for (Côté côté : Côtés) {
    for (int i = 0; i <= NbFigures; ++i) {
      dimensionner(NomÉtiquette(côté, i));
      C(NomÉtiquette(côté, i)).montré = i != 0;  // element 0 is only the model
    }
    for (LigneTotal ligne : LignesTotaux) {
      dimensionner(NomÉtiquetteTotal(ligne, côté));
      C(NomÉtiquetteTotal(ligne, côté)).montré = true;
    }
  }

  const double g = tailles_.EcartHorizontal;
  const double v = tailles_.EcartVertical;
  Rect& gauche = C(NomÉtiquette(Côté::Gauche, 0)).rect;
  gauche.Left = Simple(g);
  gauche.Top = Simple(v);
  PlacerÉtiquettes(Côté::Gauche);

  // The headers in their screen order, one column slot apart, from the slot after the labels.
  double gaucheEntête = 2 * g + largeur;
  for (int16_t c : OrdreÉcran) {
    Rect& entête = C(NomEntête(c)).rect;
    entête.Left = Simple(gaucheEntête);
    entête.Top = Simple(v);
    gaucheEntête += largeur + g;
  }
  PositionnementCases();

  Rect& droite = C(NomÉtiquette(Côté::Droite, 0)).rect;
  droite.Left = Simple(C(NomEntête(colonne::Annonce)).rect.Left + largeur + g);
  droite.Top = Simple(v);
  PlacerÉtiquettes(Côté::Droite);
}

// The row labels of one side follow their model (element 0), one row apart, with the total
// and bonus rows between the upper and the lower figures.
void AireJeu::PlacerÉtiquettes(Côté côté) {
  const double pas = tailles_.HauteurCase + tailles_.EcartVertical;
  const float gauche = C(NomÉtiquette(côté, 0)).rect.Left;
  auto placer = [&](const std::string& nom, double haut) {
    Rect& r = C(nom).rect;
    r.Left = gauche;
    r.Top = Simple(haut);
  };
  auto haut = [&](const std::string& nom) { return double{C(nom).rect.Top}; };

  for (int i = 1; i <= figure::Six; ++i)
    placer(NomÉtiquette(côté, i), haut(NomÉtiquette(côté, i - 1)) + pas);
  const std::string totalHaut = NomÉtiquetteTotal(LigneTotal::TotalHaut, côté);
  const std::string bonusHaut = NomÉtiquetteTotal(LigneTotal::BonusHaut, côté);
  placer(totalHaut, haut(NomÉtiquette(côté, figure::Six)) + pas);
  placer(bonusHaut, haut(totalHaut) + pas);
  for (int i = figure::Maxi; i <= figure::Yam; ++i)
    placer(NomÉtiquette(côté, i), haut(bonusHaut) + (i - figure::Six) * pas);
  const std::string totalBas = NomÉtiquetteTotal(LigneTotal::TotalBas, côté);
  placer(totalBas, haut(NomÉtiquette(côté, figure::Yam)) + pas);
  placer(NomÉtiquetteTotal(LigneTotal::BonusBas, côté), haut(totalBas) + pas);
}

// Each column follows its header: moving a header and placing again moves the whole column.
void AireJeu::PositionnementCases() {
  const double pas = tailles_.HauteurCase + tailles_.EcartVertical;
  for (int16_t c : OrdreÉcran) {
    const Rect& entête = C(NomEntête(c)).rect;
    auto placer = [&](const std::string& nom, double haut) {
      Rect& r = C(nom).rect;
      r.Left = entête.Left;
      r.Top = Simple(haut);
    };
    auto haut = [&](const std::string& nom) { return double{C(nom).rect.Top}; };

    for (int16_t f = figure::As; f <= figure::Six; ++f) placer(NomCase(c, f), entête.Top + f * pas);
    const std::string totalHaut = NomTotal(LigneTotal::TotalHaut, c);
    const std::string bonusHaut = NomTotal(LigneTotal::BonusHaut, c);
    placer(totalHaut, haut(NomCase(c, figure::Six)) + pas);
    placer(bonusHaut, haut(totalHaut) + pas);
    for (int16_t f = figure::Maxi; f <= figure::Yam; ++f)
      placer(NomCase(c, f), haut(bonusHaut) + (f - figure::Six) * pas);
    const std::string totalBas = NomTotal(LigneTotal::TotalBas, c);
    placer(totalBas, haut(NomCase(c, figure::Yam)) + pas);
    placer(NomTotal(LigneTotal::BonusBas, c), haut(totalBas) + pas);
  }
}

void AireJeu::InitZoneScores(double largeurÉcran) {
  const double RL = ratios_.RatioLargeur;
  const double RH = ratios_.RatioHauteur;
  const double marge = tailles_.MargePanneau;

  Contrôle& mode = C("PanelModeColonnes");
  mode.rect.Width = Simple(2250 * RL);
  mode.rect.Height = Simple(495 * RH);
  mode.police = Simple(12 * RL);

  // Ten rows of five panels side by side, each row as high as its place number's panel.
  const float hauteurLigne = Simple(HauteurLigneScores * RH);
  double largeurLigne = 0;
  for (int i = 1; i <= NbPlacesScores; ++i) {
    double gauche = EspaceScores;
    const double haut = EspaceScores + (i - 1) * (double{hauteurLigne} + EspaceScores);
    for (const ColonneScores& colonne : ColonnesScores) {
      Contrôle& panneau = C(NomÉlément(colonne.famille, i));
      panneau.police = Simple(colonne.police * RL);
      panneau.rect = {Simple(gauche), Simple(haut), Simple(colonne.largeur * RL), hauteurLigne};
      panneau.montré = true;
      gauche = Droite(panneau.rect);
    }
    if (i == 1) largeurLigne = gauche - EspaceScores;
  }

  Rect& table = C("PanelScore").rect;
  table.Width = Simple(largeurLigne + 2 * EspaceScores);
  table.Height = Simple(NbPlacesScores * double{hauteurLigne} + 495);
  Contrôle& effacer = C("PanelEffacerScores");
  effacer.rect.Width = table.Width;
  effacer.rect.Height = mode.rect.Height;
  effacer.police = Simple(12 * RL);
  Rect& zone = C("SuperPanelScore").rect;
  zone.Width = Simple(table.Width + 2 * marge);
  zone.Height = Simple(double{mode.rect.Height} + table.Height + effacer.rect.Height + 4 * marge);

  mode.rect.Left = Simple((zone.Width - double{mode.rect.Width}) / 2);
  mode.rect.Top = Simple(marge);
  table.Left = Simple(marge);
  table.Top = Simple(Bas(mode.rect) + marge);
  effacer.rect.Left = Simple(marge);
  effacer.rect.Top = Simple(Bas(table) + marge);
  // Centred on the screen, which the main window covers.
  zone.Left = Simple((largeurÉcran - double{zone.Width}) / 2);
  zone.Top = HautScores;
}

void AireJeu::CentrerFeuille(int nbColonnes, double largeurFenêtre) {
  const double g = tailles_.EcartHorizontal;
  const double largeur = tailles_.LargeurCase;
  Rect& feuille = C("PictureAireJeu").rect;
  feuille.Width = Simple((nbColonnes + 3) * g + (nbColonnes + 2) * largeur);
  feuille.Left = Simple((largeurFenêtre - feuille.Width) / 2);
}

bool AireJeu::DispositionMode(int nbColonnes, double largeurFenêtre) {
  if (nbColonnes < 1 || nbColonnes > NbColonnesMax) return false;
  nbColonnes_ = nbColonnes;
  CentrerFeuille(nbColonnes, largeurFenêtre);

  // The game plays the first nbColonnes columns by number.
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    const bool enJeu = c <= nbColonnes;
    C(NomEntête(c)).montré = enJeu;
    for (LigneTotal ligne : LignesTotaux) C(NomTotal(ligne, c)).montré = enJeu;
  }

  // Libre alone takes Descente's slot; the right labels take the slot after the last column.
  const double g = tailles_.EcartHorizontal;
  const double largeur = tailles_.LargeurCase;
  auto emplacement = [&](int k) { return Simple(g + k * (largeur + g)); };
  C(NomEntête(colonne::Libre)).rect.Left = emplacement(nbColonnes == 1 ? 1 : 2);
  C(NomÉtiquette(Côté::Gauche, 0)).rect.Left = emplacement(0);
  C(NomÉtiquette(Côté::Droite, 0)).rect.Left = emplacement(nbColonnes + 1);
  for (Côté côté : Côtés) PlacerÉtiquettes(côté);

  reDessineAireJeu();
  return true;
}

// The squares get their full size back, since a taken square of the last game was inset,
// and their place under their header. Their free-square background is their design's.
void AireJeu::reDessineAireJeu() {
  for (int16_t c : OrdreÉcran)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      Rect& k = C(NomCase(c, f)).rect;
      k.Width = static_cast<float>(tailles_.LargeurCase);
      k.Height = static_cast<float>(tailles_.HauteurCase);
    }
  PositionnementCases();
}

AireJeu DispositionAireJeu(double largeurÉcran, double hauteurÉcran, int nbColonnes,
                           double largeurFenêtre) {
  AireJeu aire(largeurÉcran, hauteurÉcran);
  aire.DispositionMode(nbColonnes, largeurFenêtre);
  return aire;
}

DispositionÉcran Disposition(double largeurÉcran, double hauteurÉcran, int nbColonnes) {
  const AireJeu aire = DispositionAireJeu(largeurÉcran, hauteurÉcran, nbColonnes, largeurÉcran);
  const RatiosÉcran& ratios = aire.Ratios();
  const DispositionDialogues dialogues =
      AdapterFenêtresÉcran(ratios.RatioLargeur, ratios.RatioHauteur);

  DispositionÉcran d{aire.Tailles(), dialogues.m, {}, {}};
  for (const auto& [nom, c] : aire.Contrôles()) {
    d.rects.emplace(nom, c.rect);
    if (c.police) d.polices.emplace(nom, *c.police);
  }
  for (const ContrôleDialogue& c : ContrôlesDialogues(dialogues)) {
    d.rects.emplace(c.nom, c.rect);
    if (c.police) d.polices.emplace(c.nom, *c.police);
  }
  return d;
}

}  // namespace rolvex
