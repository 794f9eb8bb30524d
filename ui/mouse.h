// Mouse buttons and pointer shapes by the codes the game's handlers use.
#pragma once

#include <Qt>

#include "engine/score_sheet.h"

namespace rolvex::ui {

// The game's code of a button (bouton::Gauche, bouton::Droit, bouton::Milieu), 0 for any other.
int BoutonDuJeu(Qt::MouseButton b);

namespace pointeur {
inline constexpr int ParDefaut = 0;
inline constexpr int FlecheHaut = 10;  // a square that can be chosen
inline constexpr int Interdit = 12;    // the no-drop sign: a square that cannot
}  // namespace pointeur

// The platform's standard pointer codes 0..15; an unknown code gives the default pointer.
Qt::CursorShape FormeDuPointeur(int code);

}  // namespace rolvex::ui
