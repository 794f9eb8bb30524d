// What the game asks of its screen. The session implements it for every front end; tests and
// benchmarks of the engine alone pass a display that only remembers (AffichageMemoire).
#pragma once

#include <cstdint>
#include <string_view>

#include "figure_scoring.h"

namespace rolvex {

// The progress messages of the information line, named here and worded in the texts.
enum class Message : int8_t {
  MsgPourJouer,
  MsgChoisirCase,
  MsgBoutonsSouris,
  MsgNouveauTirage,
  MsgChoisirOuJeter,
};

// ImageDé shows the empty place instead of a face picture.
inline constexpr int16_t ImageDeFond = -1;

class Affichage {
 public:
  virtual ~Affichage() = default;

  // ImageDé(dé) shows entry `modèle` (0..11) of the twelve face pictures, or ImageDeFond.
  virtual void ImageDe(int16_t de, int16_t modele) = 0;
  // The sheet changed: draw its squares and the total and bonus squares from the game state.
  // PriseDessinee tells which taken squares have already been drawn in their final look.
  virtual void DessineCases() = 0;
  virtual void InfoDeroulement(Message message) = 0;
  virtual void InfoInterface(std::string_view texte) = 0;
  virtual void LegendeOkDe(std::string_view legende) = 0;
  virtual void LegendeFigureRealisee(TexteFigure figure) = 0;
  virtual void LegendeTotalDes(std::string_view legende) = 0;
  virtual void LegendeScoreTotal(std::string_view legende) = 0;
  // The throw button; while it is hidden, PanelNewGame and PanelNewMode stand in its place.
  virtual void PanelOkDeVisible(bool visible) = 0;
  // A new game is being set up for NbColonnes columns: the window lays out the play area,
  // hides the high scores and starts the clock. The sheet is drawn by DessineCases after.
  virtual void PreparerNouvellePartie() = 0;
  // The last square is written and PartieTerminee is set: the high scores take the game.
  virtual void AppelFinPartie() = 0;
};

}  // namespace rolvex
