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
constexpr float HautPanelsDes = 75;  // the dice panels within the dice area
constexpr double PlaceImageDe = 60;  // a die's face within its panel, at least
constexpr float HautFeuille = 50;    // the sheet within the window
constexpr float GaucheInfo = 50;     // the information line within the window
constexpr float Espace = 50;         // between the information line and the dice area
constexpr float HautScores = 100;    // the high-score area within the window
constexpr float EspaceScores = 45;   // around the rows of the high-score table
// The buttons shown after a game keep their designed font, whatever the screen.
constexpr float PoliceBoutonsFinPartie = 14.25F;
// The throw button's height on the 4:3 screen the design was drawn for, where it follows from
// the dice area: 500 + 450 + 450 + 4 × 60 − 3 × 60 − 945.
constexpr double HauteurOkDe = 515;
// The title bar and the menu bar take their room above the window's client area: about 40
// pixels at 96 DPI for the title bar, the platform's, whatever the screen, and 20 for the menu
// bar on the reference screen, whose font grows with the screen's height.
constexpr double ReserveBarreTitre = 600;
constexpr double ReserveBarreMenus = 300;

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

constexpr std::array<Cote, 2> Cotes = {Cote::Gauche, Cote::Droite};

}  // namespace

TaillesAire CalculTailles(double largeurEcran, double hauteurEcran) {
  TaillesAire t;
  t.HauteurCase = ArrondiPair(hauteurEcran / 29);
  t.LargeurCase = ArrondiPair(largeurEcran / 10);
  t.EcartVertical = ArrondiPair(t.HauteurCase / 10.0);
  t.EcartHorizontal = ArrondiPair(t.LargeurCase / 24.0);
  t.RetraitPrise = ArrondiPair(t.EcartHorizontal / 2.0);
  t.MargePanneau = ArrondiPair(Ratios(largeurEcran, hauteurEcran).RatioLargeur * 60);
  return t;
}

float TaillePoliceCases(double ratioLargeur) {
  return static_cast<float>(ArrondiPair(10 * ratioLargeur));
}

Rect AppliquerRetraitPrise(const Rect& r, int retrait) {
  return {Simple(double{r.Left} + retrait), Simple(double{r.Top} + retrait),
          Simple(double{r.Width} - 2.0 * retrait), Simple(double{r.Height} - 2.0 * retrait)};
}

const Controle* AireJeu::Trouver(std::string_view nom) const {
  const auto it = controles_.find(nom);
  return it == controles_.end() ? nullptr : &it->second;
}

const Controle& AireJeu::operator[](std::string_view nom) const {
  const Controle* c = Trouver(nom);
  assert(c != nullptr);
  return *c;
}

Controle& AireJeu::C(std::string_view nom) {
  const auto it = controles_.find(nom);
  assert(it != controles_.end());
  return it->second;
}

void AireJeu::Creer(std::string nom, std::string conteneur, Design design) {
  Controle c;
  c.conteneur = std::move(conteneur);
  c.design = design;
  controles_.emplace(std::move(nom), std::move(c));
}

void AireJeu::CreerControles() {
  for (std::string_view nom :
       {"PictureAireJeu", "PanelInfoDéroulement", "SuperPanelDés", "PanelStart", "SuperPanelScore"})
    Creer(std::string(nom), "", DesignControleSeul(nom));

  for (std::string_view nom : {"PanelScoreTotal", "PanelTotalDés", "PanelFigureRéalisée",
                               "PanelOkDé", "PanelNewGame", "PanelNewMode"})
    Creer(std::string(nom), "SuperPanelDés", DesignControleSeul(nom));
  for (int i = 1; i <= NbDes; ++i) {
    Creer(NomElement("PanelDé", i), "SuperPanelDés", {std::nullopt, RGB(72, 126, 58), {}, false});
    Creer(NomElement("ImageDé", i), NomElement("PanelDé", i), {});
  }

  for (std::string_view nom : {"PanelModeColonnes", "PanelScore", "PanelEffacerScores"})
    Creer(std::string(nom), "SuperPanelScore", DesignControleSeul(nom));
  for (const ColonneScores& colonne : ColonnesScores)
    for (int i = 1; i <= NbPlacesScores; ++i)
      Creer(NomElement(colonne.famille, i), "PanelScore", DesignLigneScores(i));

  const std::string feuille = "PictureAireJeu";
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    Creer(NomEntete(c), feuille, DesignEntete(c));
    for (int16_t f = 1; f <= NbFigures; ++f) Creer(NomCase(c, f), feuille, DesignCase(c));
    for (LigneTotal ligne : LignesTotaux) Creer(NomTotal(ligne, c), feuille, DesignTotal(ligne));
  }
  for (Cote cote : Cotes) {
    for (int i = 0; i <= NbFigures; ++i) Creer(NomEtiquette(cote, i), feuille, DesignEtiquette(i));
    for (LigneTotal ligne : LignesTotaux)
      Creer(NomEtiquetteTotal(ligne, cote), feuille, DesignEtiquetteTotal(ligne));
  }
}

AireJeu::AireJeu(double largeurEcran, double hauteurEcran)
    : ratios_(rolvex::Ratios(largeurEcran, hauteurEcran)),
      tailles_(CalculTailles(largeurEcran, hauteurEcran)) {
  CreerControles();
  const double RL = ratios_.RatioLargeur;
  const double RH = ratios_.RatioHauteur;

  Controle& info = C("PanelInfoDéroulement");
  info.rect.Width = Simple(5040 * RL);
  info.police = Simple(12 * RL);

  InitZoneDes();

  Controle& start = C("PanelStart");
  start.rect.Width = Simple(4530 * RL);
  start.rect.Height = Simple(1350 * RH);
  start.police = Simple(28 * RL);
  start.rect.Left = Simple((largeurEcran - start.rect.Width) / 2);
  start.rect.Top = Simple((hauteurEcran - start.rect.Height) / 3);

  // Eighteen rows, a gap above each and one below the last.
  Rect& feuille = C("PictureAireJeu").rect;
  feuille.Top = HautFeuille;
  feuille.Height = Simple(18.0 * tailles_.HauteurCase + 19.0 * tailles_.EcartVertical);

  // The information line and the dice area share one band below the sheet.
  Rect& des = C("SuperPanelDés").rect;
  info.rect.Left = GaucheInfo;
  info.rect.Top = Simple(Bas(feuille) + 3.0 * tailles_.EcartVertical);
  des.Left = Simple(Droite(info.rect) + Espace);
  des.Top = info.rect.Top;
  AgrandirZoneDes(hauteurEcran);
  info.rect.Height = des.Height;

  InitFeuille();
  InitZoneScores(largeurEcran);
  CentrerFeuille(NbColonnesMax, largeurEcran);
}

void AireJeu::InitZoneDes() {
  const double RL = ratios_.RatioLargeur;
  const double RH = ratios_.RatioHauteur;
  const double marge = tailles_.MargePanneau;

  // The three result panels, stacked at the left of the dice area.
  Controle& total = C("PanelScoreTotal");
  total.rect = {Simple(marge), Simple(marge), Simple(1590 * RL), Simple(500 * RH)};
  total.police = Simple(18 * RL);

  Controle& totalDes = C("PanelTotalDés");
  totalDes.rect = {total.rect.Left, Simple(Bas(total.rect) + marge), Simple(1590 * RL),
                   Simple(450 * RH)};
  totalDes.police.emplace(Simple(18 * RL));

  Controle& figure = C("PanelFigureRéalisée");
  figure.rect = {total.rect.Left, Simple(Bas(totalDes.rect) + marge), Simple(1590 * RL),
                 Simple(450 * RH)};
  figure.police = Simple(12 * RL);

  Rect& zone = C("SuperPanelDés").rect;
  zone.Height =
      Simple(double{total.rect.Height} + totalDes.rect.Height + figure.rect.Height + 4 * marge);

  // The five dice in a row to the right of the result panels.
  for (int i = 1; i <= NbDes; ++i) {
    Rect& de = C(NomElement("PanelDé", i)).rect;
    de.Width = de.Height = Simple(945 * RL);
    de.Left = Simple(Droite(totalDes.rect) + marge + (i - 1) * (double{de.Width} + marge));
    de.Top = HautPanelsDes;
    Rect& image = C(NomElement("ImageDé", i)).rect;
    image.Width = image.Height = Simple(825 * RL);
    // The designed 60 twips centre the face on the reference screen only: the panel's border
    // grows with the screen, so a larger face stays centred rather than drift to the top left.
    image.Left = image.Top =
        Simple(std::max(PlaceImageDe, (double{de.Width} - double{image.Width}) / 2));
  }
  const Rect& de1 = C(NomElement("PanelDé", 1)).rect;
  zone.Width = Simple(5.0 * de1.Width + total.rect.Width + 7 * marge);

  // The throw button fills the space under the dice.
  Controle& ok = C("PanelOkDé");
  ok.rect = {de1.Left, Simple(Bas(de1) + marge), Simple(5.0 * de1.Width + 4 * marge),
             Simple(double{zone.Height} - 3 * marge - de1.Height)};
  ok.police = Simple(20 * RL);

  // After a game, two buttons share the throw button's place.
  Controle& rejouer = C("PanelNewGame");
  rejouer.rect = {ok.rect.Left, ok.rect.Top, Simple(ok.rect.Width / 2.0 - marge / 2),
                  ok.rect.Height};
  Controle& nouveauMode = C("PanelNewMode");
  nouveauMode.rect = {Simple(Droite(rejouer.rect) + marge), ok.rect.Top, rejouer.rect.Width,
                      ok.rect.Height};
  rejouer.police = nouveauMode.police = PoliceBoutonsFinPartie;
}

// The dice follow the width of the screen and their area the height: on a screen wider than
// 4:3 the throw button under the dice would flatten to nothing. The area grows instead, as far
// as the screen leaves room, so that the button keeps its 4:3 height; the information line, as
// high as the area, grows with it. On a 4:3 screen, or a narrower one, nothing changes.
void AireJeu::AgrandirZoneDes(double hauteurEcran) {
  const double RL = ratios_.RatioLargeur;
  const double RH = ratios_.RatioHauteur;
  if (RL <= RH) return;
  const double marge = tailles_.MargePanneau;
  Rect& zone = C("SuperPanelDés").rect;
  const Rect& de1 = C(NomElement("PanelDé", 1)).rect;
  const double voulue = 3 * marge + double{de1.Height} + HauteurOkDe * RH;
  const double place = hauteurEcran - ReserveBarreTitre - ReserveBarreMenus * RH - zone.Top;
  const double hauteur = std::min(voulue, place);
  if (hauteur <= zone.Height) return;
  zone.Height = Simple(hauteur);
  const float bouton = Simple(double{zone.Height} - 3 * marge - de1.Height);
  for (std::string_view nom : {"PanelOkDé", "PanelNewGame", "PanelNewMode"})
    C(nom).rect.Height = bouton;
}

void AireJeu::InitFeuille() {
  const float policeCases = TaillePoliceCases(ratios_.RatioLargeur);
  const auto largeur = static_cast<float>(tailles_.LargeurCase);
  const auto hauteur = static_cast<float>(tailles_.HauteurCase);
  auto dimensionner = [&](const std::string& nom) {
    Controle& c = C(nom);
    c.rect.Width = largeur;
    c.rect.Height = hauteur;
    c.police = policeCases;
  };

  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    dimensionner(NomEntete(c));
    C(NomEntete(c)).montre = true;
    for (int16_t f = 1; f <= NbFigures; ++f) dimensionner(NomCase(c, f));
    for (LigneTotal ligne : LignesTotaux) {
      dimensionner(NomTotal(ligne, c));
      C(NomTotal(ligne, c)).montre = true;
    }
  }
  for (Cote cote : Cotes) {
    for (int i = 0; i <= NbFigures; ++i) {
      dimensionner(NomEtiquette(cote, i));
      C(NomEtiquette(cote, i)).montre = i != 0;  // element 0 is only the model
    }
    for (LigneTotal ligne : LignesTotaux) {
      dimensionner(NomEtiquetteTotal(ligne, cote));
      C(NomEtiquetteTotal(ligne, cote)).montre = true;
    }
  }

  const double g = tailles_.EcartHorizontal;
  const double v = tailles_.EcartVertical;
  Rect& gauche = C(NomEtiquette(Cote::Gauche, 0)).rect;
  gauche.Left = Simple(g);
  gauche.Top = Simple(v);
  PlacerEtiquettes(Cote::Gauche);

  // The headers in their screen order, one column slot apart, from the slot after the labels.
  double gaucheEntete = 2 * g + largeur;
  for (int16_t c : OrdreEcran) {
    Rect& entete = C(NomEntete(c)).rect;
    entete.Left = Simple(gaucheEntete);
    entete.Top = Simple(v);
    gaucheEntete += largeur + g;
  }
  PositionnementCases();

  Rect& droite = C(NomEtiquette(Cote::Droite, 0)).rect;
  droite.Left = Simple(C(NomEntete(colonne::Annonce)).rect.Left + largeur + g);
  droite.Top = Simple(v);
  PlacerEtiquettes(Cote::Droite);
}

// The row labels of one side follow their model (element 0), one row apart, with the total
// and bonus rows between the upper and the lower figures.
void AireJeu::PlacerEtiquettes(Cote cote) {
  const double pas = tailles_.HauteurCase + tailles_.EcartVertical;
  const float gauche = C(NomEtiquette(cote, 0)).rect.Left;
  auto placer = [&](const std::string& nom, double haut) {
    Rect& r = C(nom).rect;
    r.Left = gauche;
    r.Top = Simple(haut);
  };
  auto haut = [&](const std::string& nom) { return double{C(nom).rect.Top}; };

  for (int i = 1; i <= figure::Six; ++i)
    placer(NomEtiquette(cote, i), haut(NomEtiquette(cote, i - 1)) + pas);
  const std::string totalHaut = NomEtiquetteTotal(LigneTotal::TotalHaut, cote);
  const std::string bonusHaut = NomEtiquetteTotal(LigneTotal::BonusHaut, cote);
  placer(totalHaut, haut(NomEtiquette(cote, figure::Six)) + pas);
  placer(bonusHaut, haut(totalHaut) + pas);
  for (int i = figure::Maxi; i <= figure::Yam; ++i)
    placer(NomEtiquette(cote, i), haut(bonusHaut) + (i - figure::Six) * pas);
  const std::string totalBas = NomEtiquetteTotal(LigneTotal::TotalBas, cote);
  placer(totalBas, haut(NomEtiquette(cote, figure::Yam)) + pas);
  placer(NomEtiquetteTotal(LigneTotal::BonusBas, cote), haut(totalBas) + pas);
}

// Each column follows its header: moving a header and placing again moves the whole column.
void AireJeu::PositionnementCases() {
  const double pas = tailles_.HauteurCase + tailles_.EcartVertical;
  for (int16_t c : OrdreEcran) {
    const Rect& entete = C(NomEntete(c)).rect;
    auto placer = [&](const std::string& nom, double haut) {
      Rect& r = C(nom).rect;
      r.Left = entete.Left;
      r.Top = Simple(haut);
    };
    auto haut = [&](const std::string& nom) { return double{C(nom).rect.Top}; };

    for (int16_t f = figure::As; f <= figure::Six; ++f) placer(NomCase(c, f), entete.Top + f * pas);
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

void AireJeu::InitZoneScores(double largeurEcran) {
  const double RL = ratios_.RatioLargeur;
  const double RH = ratios_.RatioHauteur;
  const double marge = tailles_.MargePanneau;

  Controle& mode = C("PanelModeColonnes");
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
      Controle& panneau = C(NomElement(colonne.famille, i));
      panneau.police = Simple(colonne.police * RL);
      panneau.rect = {Simple(gauche), Simple(haut), Simple(colonne.largeur * RL), hauteurLigne};
      panneau.montre = true;
      gauche = Droite(panneau.rect);
    }
    if (i == 1) largeurLigne = gauche - EspaceScores;
  }

  Rect& table = C("PanelScore").rect;
  table.Width = Simple(largeurLigne + 2 * EspaceScores);
  table.Height = Simple(NbPlacesScores * double{hauteurLigne} + 495);
  Controle& effacer = C("PanelEffacerScores");
  effacer.rect.Width = table.Width;
  effacer.rect.Height = mode.rect.Height;
  effacer.police.emplace(Simple(12 * RL));
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
  zone.Left = Simple((largeurEcran - double{zone.Width}) / 2);
  zone.Top = HautScores;
}

void AireJeu::CentrerFeuille(int nbColonnes, double largeurFenetre) {
  const double g = tailles_.EcartHorizontal;
  const double largeur = tailles_.LargeurCase;
  Rect& feuille = C("PictureAireJeu").rect;
  feuille.Width = Simple((nbColonnes + 3) * g + (nbColonnes + 2) * largeur);
  feuille.Left = Simple((largeurFenetre - feuille.Width) / 2);
}

bool AireJeu::DispositionMode(int nbColonnes, double largeurFenetre) {
  if (nbColonnes < 1 || nbColonnes > NbColonnesMax) return false;
  nbColonnes_ = nbColonnes;
  CentrerFeuille(nbColonnes, largeurFenetre);

  // The game plays the first nbColonnes columns by number.
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    const bool enJeu = c <= nbColonnes;
    C(NomEntete(c)).montre = enJeu;
    for (LigneTotal ligne : LignesTotaux) C(NomTotal(ligne, c)).montre = enJeu;
  }

  // Libre alone takes Descente's slot; the right labels take the slot after the last column.
  const double g = tailles_.EcartHorizontal;
  const double largeur = tailles_.LargeurCase;
  auto emplacement = [&](int k) { return Simple(g + k * (largeur + g)); };
  C(NomEntete(colonne::Libre)).rect.Left = emplacement(nbColonnes == 1 ? 1 : 2);
  C(NomEtiquette(Cote::Gauche, 0)).rect.Left = emplacement(0);
  C(NomEtiquette(Cote::Droite, 0)).rect.Left = emplacement(nbColonnes + 1);
  for (Cote cote : Cotes) PlacerEtiquettes(cote);

  reDessineAireJeu();
  return true;
}

// The squares get their full size back, since a taken square of the last game was inset,
// and their place under their header. Their free-square background is their design's.
void AireJeu::reDessineAireJeu() {
  for (int16_t c : OrdreEcran)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      Rect& k = C(NomCase(c, f)).rect;
      k.Width = static_cast<float>(tailles_.LargeurCase);
      k.Height = static_cast<float>(tailles_.HauteurCase);
    }
  PositionnementCases();
}

AireJeu DispositionAireJeu(double largeurEcran, double hauteurEcran, int nbColonnes,
                           double largeurFenetre) {
  AireJeu aire(largeurEcran, hauteurEcran);
  aire.DispositionMode(nbColonnes, largeurFenetre);
  return aire;
}

DispositionEcran Disposition(double largeurEcran, double hauteurEcran, int nbColonnes) {
  const AireJeu aire = DispositionAireJeu(largeurEcran, hauteurEcran, nbColonnes, largeurEcran);
  const RatiosEcran& ratios = aire.Ratios();
  const DispositionDialogues dialogues =
      AdapterFenetresEcran(ratios.RatioLargeur, ratios.RatioHauteur);

  DispositionEcran d{aire.Tailles(), dialogues.m, {}, {}};
  for (const auto& [nom, c] : aire.Controles()) {
    d.rects.emplace(nom, c.rect);
    if (c.police) d.polices.emplace(nom, *c.police);
  }
  for (const ControleDialogue& c : ControlesDialogues(dialogues)) {
    d.rects.emplace(c.nom, c.rect);
    if (c.police) d.polices.emplace(c.nom, *c.police);
  }
  return d;
}

}  // namespace rolvex
