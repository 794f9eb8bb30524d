// Where every control of the play area stands, in twips, for a screen and a column mode.
// Pure arithmetic: the window only applies these rectangles, fonts and visibilities.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "design.h"
#include "playarea/dialog_layout.h"
#include "sheet_names.h"

namespace rolvex {

// The sizes the whole sheet is built from, derived from the screen once at start-up.
struct TaillesAire {
  int HauteurCase = 0;  // every square, header and row label
  int LargeurCase = 0;
  int EcartVertical = 0;    // between two rows, and above the first
  int EcartHorizontal = 0;  // between two columns, and left of the first
  int RetraitPrise = 0;     // the inset of a taken square on each side
  int MargePanneau = 0;     // the spacing inside the dice and high-score areas
};

// A taken square shrinks by `retrait` on every side and so stays centred in its cell.
Rect AppliquerRetraitPrise(const Rect& r, int retrait);

struct Controle {
  std::string conteneur;        // the control it stands in; empty for the window
  Rect rect;                    // relative to the container
  std::optional<float> police;  // point size, for the controls whose size the layout sets
  std::optional<bool> montre;   // set where the layout shows or hides it, else left to the game
  Design design;
};

// What the play area is laid out on: a whole screen, which the main window covers with its
// title bar and menu bar above the client area, or the client area of a window of any size,
// which leaves nothing to them.
enum class Surface : std::uint8_t { Ecran, ZoneClient };

// The smallest client area, in twips, in which every caption of the play area stays readable:
// the smallest designed font (10 points on the reference screen) keeps 8 points, and heights
// shrink no more than widths, so that no caption is shrunk below that to fit its control.
struct TailleTwips {
  double largeur = 0;
  double hauteur = 0;
};
TailleTwips ZoneClientMinimale();

// The play area: InitAireJeu for a screen or a client area, then the layout of each new game.
// The models (element 0) of the square families are not listed: the layout never places them.
class AireJeu {
 public:
  // InitAireJeu. The sheet stands as for six columns, centred in a window as wide as the
  // surface, until the first game lays it out for its mode. Size: DimensionsEcranValides.
  AireJeu(double largeurEcran, double hauteurEcran, Surface surface = Surface::Ecran);

  // The layout step of a new game for nbColonnes (1..6) in a window largeurFenetre twips wide,
  // every square placed again under its header. Another number of columns changes nothing.
  void DispositionMode(int nbColonnes, double largeurFenetre);

  const TaillesAire& Tailles() const { return tailles_; }
  const RatiosEcran& Ratios() const { return ratios_; }

  // nullptr for a control the play area does not have (CleCase{1, 14}, "CaseSeche(7)").
  const Controle* Trouver(const Cle& cle) const;
  const Controle* Trouver(std::string_view nom) const;
  // A control the caller knows exists (programmer error otherwise).
  const Controle& operator[](const Cle& cle) const;
  const Controle& operator[](std::string_view nom) const;
  // By the window's names, in their order.
  const std::map<std::string, Controle, std::less<>>& Controles() const { return controles_; }

 private:
  Controle& C(const Cle& cle);
  void InitZoneDes(double hauteurLibre);
  void RetrecirDes(double cote);
  void InitZoneScores(double largeurEcran);
  void InitFeuille();
  // The left of column slot k: 0 the left row labels, then the columns in their screen order.
  float Emplacement(int k) const;
  void PlacerColonne(const ColonneFeuille& colonne);

  RatiosEcran ratios_;
  TaillesAire tailles_;
  std::map<std::string, Controle, std::less<>> controles_;
};

// The play area of a screen as laid out for a game of nbColonnes (1..6) in a window
// largeurFenetre wide, or as at start-up for nbColonnes 0.
AireJeu DispositionAireJeu(double largeurEcran, double hauteurEcran, int nbColonnes,
                           double largeurFenetre);
// The play area of a window whose client area is largeur × hauteur twips, laid out for a game
// of nbColonnes (1..6), or as at start-up for nbColonnes 0.
AireJeu DispositionZoneClient(double largeur, double hauteur, int nbColonnes);

// Everything laid out for one screen, by control name: the play area for nbColonnes (0 as at
// start-up) in a window covering the screen, the start-up window and the name dialog.
struct DispositionEcran {
  TaillesAire tailles;
  int m = 0;  // the margin of the dialogs
  std::map<std::string, Rect, std::less<>> rects;
  std::map<std::string, float, std::less<>> polices;
};
DispositionEcran Disposition(double largeurEcran, double hauteurEcran, int nbColonnes);

}  // namespace rolvex
