// What the main window and the name dialog show beyond the engine's own display: the squares
// as last drawn, the name box and its mode buttons, the high-score panel and the message boxes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/high_scores.h"
#include "engine/game.h"
#include "playarea/layout.h"
#include "playarea/square_drawing.h"

namespace rolvex::cli {

// One square of the sheet as its control stands. Before the first game the empty sheet is on
// screen and nothing can be chosen on it.
struct CaseALEcran {
  std::string legende;
  Aspect aspect = Aspect::Libre;
  int16_t pointeur = PointeurInterdit;
};

struct VueFenetre {
  Tableau<Tableau<CaseALEcran, 1, NbFigures>, 1, NbColonnesMax> cases;
  // TextName: the language's invitation until the options are loaded or a name is typed.
  std::optional<std::string> texteNom;
  int16_t optionMode = 3;  // the selected SSOptionModeColonnes, 1..3
  bool scoresMontres = false;
  // What the rows of the high-score panel show: the table as it was when last shown.
  std::optional<TableHighScore> tableMontree;
  int16_t place = 0;  // the red row: the place the game just finished took, 0 for none
  std::vector<std::string> messages;  // message boxes shown since the last state

  // DessineCases: every square takes the look the game state gives it. A hidden square keeps
  // the caption it last showed.
  void Dessiner(const EtatPartie& etat, const AireJeu& aire);
};

}  // namespace rolvex::cli
