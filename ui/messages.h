// The game's modal message boxes: no icon, the application's title as caption.
#pragma once

#include <QString>

class QWidget;

namespace rolvex::ui {

// The captions of the buttons, in the game's language; an empty one keeps the platform's.
struct LegendesBoutons {
  QString ok;
  QString oui;
  QString non;
};

// Returns when the player has closed the box. The text is shown as plain text (a player's name
// may hold '<'), its '\r' as line breaks.
void AfficherMessage(QWidget* parent, const QString& texte, const QString& titre,
                     const LegendesBoutons& boutons = {});

// Yes/No; true only for Yes. Escape or the close box answer No.
bool DemanderOuiNon(QWidget* parent, const QString& texte, const QString& titre,
                    const LegendesBoutons& boutons = {});

}  // namespace rolvex::ui
