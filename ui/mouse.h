// Mouse buttons and pointer shapes by the codes the game's handlers use.
#pragma once

#include <Qt>

namespace rolvex::ui {

namespace bouton {
inline constexpr int Gauche = 1;
inline constexpr int Droit = 2;
inline constexpr int Milieu = 4;
}  // namespace bouton

// 1 left, 2 right, 4 middle, 0 any other.
int BoutonDuJeu(Qt::MouseButton b);

namespace pointeur {
inline constexpr int ParDefaut = 0;
inline constexpr int FlecheHaut = 10;  // a square that can be chosen
inline constexpr int Interdit = 12;    // the no-drop sign: a square that cannot
}  // namespace pointeur

// The platform's standard pointer codes 0..15; an unknown code gives the default pointer.
Qt::CursorShape FormeDuPointeur(int code);

}  // namespace rolvex::ui
