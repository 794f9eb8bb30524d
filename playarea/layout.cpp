#include "layout.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

#include "records/high_scores.h"

namespace rolvex {

namespace {

// A length is computed in double and kept in single precision, like a control's property.
float Simple(double x) { return static_cast<float>(x); }
double Droite(const Rect& r) { return double{r.Left} + r.Width; }
double Bas(const Rect& r) { return double{r.Top} + r.Height; }

// The grid of the sheet: the screen is 29 squares high and 10 wide; a gap between rows is a
// tenth of a square's height, a gap between columns a 24th of its width, and a taken square
// loses half a gap on each side. The squares' font is in whole points.
constexpr double CasesEnHauteur = 29;
constexpr double CasesEnLargeur = 10;
constexpr double CasesParEcartVertical = 10;
constexpr double CasesParEcartHorizontal = 24;
constexpr double EcartsParRetrait = 2;
constexpr double PoliceCases = 10;
// The spacing inside the dice and high-score areas.
constexpr double MargePanneau = 60;

// Lengths between controls that the design fixes whatever the screen.
constexpr double EspaceInfoDes = 50;  // between the information line and the dice area
constexpr double EspaceScores = 45;   // around the rows of the high-score table
// The title bar and the menu bar take their room above the window's client area: about 40
// pixels at 96 DPI for the title bar, the platform's, whatever the screen, and 20 for the menu
// bar on the reference screen, whose font grows with the screen's height.
constexpr double ReserveBarreTitre = 600;
constexpr double ReserveBarreMenus = 300;
// The smallest point size read without effort; the squares' font is the smallest designed.
constexpr double PolicePlusPetiteLisible = 8;
// A window may be far wider than any screen: past four times its height its width only
// centres what is laid out for that proportion, whose dice area would not fit its height.
constexpr double ProportionMax = 4;
// The throw button is never flatter than this share of a die's side.
constexpr double OkParCoteDe = 1.0 / 3;

TaillesAire CalculTailles(double largeurEcran, double hauteurEcran) {
  TaillesAire t;
  t.HauteurCase = ArrondiPair(hauteurEcran / CasesEnHauteur);
  t.LargeurCase = ArrondiPair(largeurEcran / CasesEnLargeur);
  t.EcartVertical = ArrondiPair(t.HauteurCase / CasesParEcartVertical);
  t.EcartHorizontal = ArrondiPair(t.LargeurCase / CasesParEcartHorizontal);
  t.RetraitPrise = ArrondiPair(t.EcartHorizontal / EcartsParRetrait);
  t.MargePanneau = ArrondiPair(Ratios(largeurEcran, hauteurEcran).RatioLargeur * MargePanneau);
  return t;
}

// The throw button's height on the 4:3 screen the design was drawn for: there the dice area is
// as high as the three result panels stacked a margin apart, and the button fills it under the
// dice.
double HauteurOkReference() {
  double pile = 4 * MargePanneau;
  for (Seul s : {Seul::PanelScoreTotal, Seul::PanelTotalDes, Seul::PanelFigureRealisee})
    pile += DesignDe(s).mesures.hauteur;
  return pile - 3 * MargePanneau - DesignDe(CleElement{Famille::PanelDe, 1}).mesures.largeur;
}

// The eight columns of the sheet: the squares of the six game columns and the two row labels.
std::vector<ColonneFeuille> ColonnesFeuille() {
  std::vector<ColonneFeuille> colonnes;
  for (int16_t c : OrdreEcran) colonnes.push_back(ColonneDeCases(c));
  for (Cote cote : {Cote::Gauche, Cote::Droite}) colonnes.push_back(ColonneDEtiquettes(cote));
  return colonnes;
}

std::vector<Cle> ToutesLesCles() {
  std::vector<Cle> cles;
  for (int s = 0; s < NbSeuls; ++s) cles.emplace_back(static_cast<Seul>(s));
  for (int16_t i = 1; i <= NbDes; ++i)
    for (Famille f : {Famille::PanelDe, Famille::ImageDe}) cles.emplace_back(CleElement{f, i});
  for (Famille f : FamillesScores)
    for (int16_t i = 1; i <= NbPlaces; ++i) cles.emplace_back(CleElement{f, i});
  for (const ColonneFeuille& colonne : ColonnesFeuille())
    cles.insert(cles.end(), colonne.begin(), colonne.end());
  return cles;
}

// A control as its design gives it, in proportion to the screen.
Controle Creer(const Cle& cle, const RatiosEcran& r) {
  const DesignControle d = DesignDe(cle);
  const Mesures& m = d.mesures;
  Controle c;
  if (d.conteneur) c.conteneur = Nom(*d.conteneur);
  c.design = d.design;
  c.rect = {Simple(m.gauche), Simple(m.haut), Simple(m.largeur * r.RatioLargeur),
            Simple(m.hauteur * r.RatioHauteur)};
  if (m.carre) c.rect.Height = c.rect.Width;
  if (m.police != 0) c.police = Simple(m.policeFixe ? m.police : m.police * r.RatioLargeur);
  return c;
}

double LargeurUtile(double largeur, double hauteur, Surface surface) {
  return surface == Surface::Ecran ? largeur : std::min(largeur, hauteur * ProportionMax);
}

}  // namespace

Rect AppliquerRetraitPrise(const Rect& r, int retrait) {
  return {Simple(double{r.Left} + retrait), Simple(double{r.Top} + retrait),
          Simple(double{r.Width} - 2.0 * retrait), Simple(double{r.Height} - 2.0 * retrait)};
}

const Controle* AireJeu::Trouver(std::string_view nom) const {
  const auto it = controles_.find(nom);
  return it == controles_.end() ? nullptr : &it->second;
}

const Controle* AireJeu::Trouver(const Cle& cle) const { return Trouver(Nom(cle)); }

const Controle& AireJeu::operator[](std::string_view nom) const {
  const Controle* c = Trouver(nom);
  assert(c != nullptr);
  return *c;
}

const Controle& AireJeu::operator[](const Cle& cle) const { return (*this)[Nom(cle)]; }

Controle& AireJeu::C(const Cle& cle) {
  const auto it = controles_.find(Nom(cle));
  assert(it != controles_.end());
  return it->second;
}

TailleTwips ZoneClientMinimale() {
  constexpr double k = PolicePlusPetiteLisible / PoliceCases;
  return {LargeurEcranReference * k, HauteurEcranReference * k};
}

AireJeu::AireJeu(double largeurEcran, double hauteurEcran, Surface surface)
    : ratios_(rolvex::Ratios(LargeurUtile(largeurEcran, hauteurEcran, surface), hauteurEcran)),
      tailles_(CalculTailles(LargeurUtile(largeurEcran, hauteurEcran, surface), hauteurEcran)) {
  for (const Cle& cle : ToutesLesCles()) controles_.emplace(Nom(cle), Creer(cle, ratios_));

  // The rows of the sheet, a gap above each and one below the last.
  constexpr double nbLignes = std::tuple_size_v<ColonneFeuille>;
  Rect& feuille = C(Seul::PictureAireJeu).rect;
  feuille.Height =
      Simple(nbLignes * tailles_.HauteurCase + (nbLignes + 1) * tailles_.EcartVertical);

  // The information line and the dice area share one band below the sheet, as high as the area.
  Rect& info = C(Seul::PanelInfoDeroulement).rect;
  Rect& des = C(Seul::SuperPanelDes).rect;
  info.Top = Simple(Bas(feuille) + 3.0 * tailles_.EcartVertical);
  des.Left = Simple(Droite(info) + EspaceInfoDes);
  des.Top = info.Top;
  // Below a screen's client area's top stand the title bar and the menu bar; a client area is
  // all the window's own.
  InitZoneDes(surface == Surface::Ecran
                  ? hauteurEcran - ReserveBarreTitre - ReserveBarreMenus * ratios_.RatioHauteur
                  : hauteurEcran);
  info.Height = des.Height;

  Rect& start = C(Seul::PanelStart).rect;
  start.Left = Simple((largeurEcran - start.Width) / 2);
  start.Top = Simple((hauteurEcran - start.Height) / 3);

  InitFeuille();
  InitZoneScores(largeurEcran);
  DispositionMode(NbColonnesMax, largeurEcran);
}

void AireJeu::InitZoneDes(double hauteurLibre) {
  const double marge = tailles_.MargePanneau;

  // The three result panels, stacked at the left of the dice area.
  Rect& total = C(Seul::PanelScoreTotal).rect;
  Rect& totalDes = C(Seul::PanelTotalDes).rect;
  Rect& figure = C(Seul::PanelFigureRealisee).rect;
  total.Left = total.Top = Simple(marge);
  totalDes.Left = figure.Left = total.Left;
  totalDes.Top = Simple(Bas(total) + marge);
  figure.Top = Simple(Bas(totalDes) + marge);
  Rect& zone = C(Seul::SuperPanelDes).rect;
  zone.Height = Simple(double{total.Height} + totalDes.Height + figure.Height + 4 * marge);

  const Rect& de1 = C(CleElement{Famille::PanelDe, 1}).rect;

  // The dice follow the width of the screen and their area the height: on a screen wider than
  // 4:3 the throw button under the dice would flatten to nothing. The area grows instead, as
  // far as the screen leaves room, so that the button keeps its 4:3 height.
  if (ratios_.RatioLargeur > ratios_.RatioHauteur) {
    const double voulue =
        3 * marge + double{de1.Height} + HauteurOkReference() * ratios_.RatioHauteur;
    const double hauteur = std::min(voulue, hauteurLibre - zone.Top);
    if (hauteur > zone.Height) zone.Height = Simple(hauteur);
  }
  // Where even that leaves the throw button flatter than its share of a die, as in a window
  // much wider than high, the dice shrink rather than the button.
  const double sousDes = double{zone.Height} - 3 * marge;
  if (sousDes - de1.Height < OkParCoteDe * de1.Height) RetrecirDes(sousDes / (1 + OkParCoteDe));

  // The five dice in a row to the right of the result panels.
  for (int16_t i = 1; i <= NbDes; ++i) {
    Rect& de = C(CleElement{Famille::PanelDe, i}).rect;
    de.Left = Simple(Droite(totalDes) + marge + (i - 1) * (double{de.Width} + marge));
    // The designed place centres the face on the reference screen only: the panel's border
    // grows with the screen, so a larger face stays centred rather than drift to the top left.
    Rect& image = C(CleElement{Famille::ImageDe, i}).rect;
    image.Left = image.Top =
        Simple(std::max(double{image.Left}, (double{de.Width} - double{image.Width}) / 2));
  }
  zone.Width = Simple(5.0 * de1.Width + total.Width + 7 * marge);

  // The throw button fills the space under the dice; after a game, two buttons share its place.
  Rect& ok = C(Seul::PanelOkDe).rect;
  ok = {de1.Left, Simple(Bas(de1) + marge), Simple(5.0 * de1.Width + 4 * marge),
        Simple(double{zone.Height} - 3 * marge - de1.Height)};
  Rect& rejouer = C(Seul::PanelNewGame).rect;
  rejouer = {ok.Left, ok.Top, Simple(ok.Width / 2.0 - marge / 2), ok.Height};
  C(Seul::PanelNewMode).rect = {Simple(Droite(rejouer) + marge), ok.Top, rejouer.Width, ok.Height};
}

// Each die and its face shrink alike, both square.
void AireJeu::RetrecirDes(double cote) {
  for (int16_t i = 1; i <= NbDes; ++i) {
    Rect& de = C(CleElement{Famille::PanelDe, i}).rect;
    Rect& image = C(CleElement{Famille::ImageDe, i}).rect;
    image.Width = image.Height = Simple(image.Width * cote / de.Width);
    de.Width = de.Height = Simple(cote);
  }
}

void AireJeu::InitFeuille() {
  const auto police = static_cast<float>(ArrondiPair(PoliceCases * ratios_.RatioLargeur));
  for (const ColonneFeuille& colonne : ColonnesFeuille()) {
    for (const Cle& cle : colonne) {
      Controle& k = C(cle);
      k.rect.Width = static_cast<float>(tailles_.LargeurCase);
      k.rect.Height = static_cast<float>(tailles_.HauteurCase);
      k.police = police;
    }
    C(colonne[0]).rect.Top = static_cast<float>(tailles_.EcartVertical);
  }
  // The row labels are always shown but for their model; the game shows the squares.
  for (Cote cote : {Cote::Gauche, Cote::Droite}) {
    const ColonneFeuille etiquettes = ColonneDEtiquettes(cote);
    for (const Cle& cle : etiquettes) C(cle).montre = cle != etiquettes[0];
  }
  // The headers in their screen order, one column slot apart, from the slot after the labels.
  for (std::size_t k = 0; k < OrdreEcran.size(); ++k)
    C(CleEntete{OrdreEcran[k]}).rect.Left = Emplacement(static_cast<int>(k) + 1);
}

float AireJeu::Emplacement(int k) const {
  const double g = tailles_.EcartHorizontal;
  return Simple(g + k * (tailles_.LargeurCase + g));
}

// Each column follows its top: moving a header and placing again moves the whole column.
void AireJeu::PlacerColonne(const ColonneFeuille& colonne) {
  const double pas = tailles_.HauteurCase + tailles_.EcartVertical;
  const Rect haut = C(colonne[0]).rect;
  for (std::size_t rang = 1; rang < colonne.size(); ++rang) {
    Rect& r = C(colonne[rang]).rect;
    r.Left = haut.Left;
    r.Top = Simple(haut.Top + static_cast<double>(rang) * pas);
  }
}

void AireJeu::InitZoneScores(double largeurEcran) {
  const double marge = tailles_.MargePanneau;

  // Ten rows of five panels side by side, each row as high as its place number's panel.
  const double hauteurLigne = C(CleElement{Famille::PanelScoreClassement, 1}).rect.Height;
  double largeurLigne = 0;
  for (int16_t i = 1; i <= NbPlaces; ++i) {
    double gauche = EspaceScores;
    const double haut = EspaceScores + (i - 1) * (hauteurLigne + EspaceScores);
    for (Famille famille : FamillesScores) {
      Controle& panneau = C(CleElement{famille, i});
      panneau.rect.Left = Simple(gauche);
      panneau.rect.Top = Simple(haut);
      panneau.montre = true;
      gauche = Droite(panneau.rect);
    }
    largeurLigne = gauche - EspaceScores;
  }

  Rect& mode = C(Seul::PanelModeColonnes).rect;
  Rect& table = C(Seul::PanelScore).rect;
  Rect& effacer = C(Seul::PanelEffacerScores).rect;
  Rect& zone = C(Seul::SuperPanelScore).rect;
  table.Width = Simple(largeurLigne + 2 * EspaceScores);
  table.Height = Simple(NbPlaces * hauteurLigne + (NbPlaces + 1) * EspaceScores);
  effacer.Width = table.Width;
  effacer.Height = mode.Height;
  zone.Width = Simple(table.Width + 2 * marge);
  zone.Height = Simple(double{mode.Height} + table.Height + effacer.Height + 4 * marge);

  mode.Left = Simple((zone.Width - double{mode.Width}) / 2);
  mode.Top = Simple(marge);
  table.Left = Simple(marge);
  table.Top = Simple(Bas(mode) + marge);
  effacer.Left = Simple(marge);
  effacer.Top = Simple(Bas(table) + marge);
  // Centred on the screen, which the main window covers.
  zone.Left = Simple((largeurEcran - double{zone.Width}) / 2);
}

void AireJeu::DispositionMode(int nbColonnes, double largeurFenetre) {
  if (nbColonnes < 1 || nbColonnes > NbColonnesMax) return;

  // The columns in play and the two label columns with their gaps, centred in the window.
  const double g = tailles_.EcartHorizontal;
  Rect& feuille = C(Seul::PictureAireJeu).rect;
  feuille.Width =
      Simple((nbColonnes + 3) * g + (nbColonnes + 2) * static_cast<double>(tailles_.LargeurCase));
  feuille.Left = Simple((largeurFenetre - feuille.Width) / 2);

  // The game plays the first nbColonnes columns by number.
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    const bool enJeu = c <= nbColonnes;
    C(CleEntete{c}).montre = enJeu;
    for (LigneTotal ligne : LignesTotaux) C(CleTotal{ligne, c}).montre = enJeu;
  }

  // Libre alone takes Descente's slot; the right labels take the slot after the last column.
  C(CleEntete{colonne::Libre}).rect.Left = Emplacement(nbColonnes == 1 ? 1 : 2);
  C(CleEtiquette{Cote::Gauche, 0}).rect.Left = Emplacement(0);
  C(CleEtiquette{Cote::Droite, 0}).rect.Left = Emplacement(nbColonnes + 1);
  for (const ColonneFeuille& colonne : ColonnesFeuille()) PlacerColonne(colonne);
}

AireJeu DispositionAireJeu(double largeurEcran, double hauteurEcran, int nbColonnes,
                           double largeurFenetre) {
  AireJeu aire(largeurEcran, hauteurEcran);
  aire.DispositionMode(nbColonnes, largeurFenetre);
  return aire;
}

AireJeu DispositionZoneClient(double largeur, double hauteur, int nbColonnes) {
  AireJeu aire(largeur, hauteur, Surface::ZoneClient);
  aire.DispositionMode(nbColonnes, largeur);
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
