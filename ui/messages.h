// The game's modal message boxes: no icon, the application's title as caption.
#pragma once

#include <QString>

class QWidget;

namespace rolvex::ui {

// Returns when the player has closed the box. The text is shown as plain text (a player's name
// may hold '<'), its '\r' as line breaks.
void AfficherMessage(QWidget* parent, const QString& texte, const QString& titre);

// Yes/No; true only for Yes. Escape or the close box answer No.
bool DemanderOuiNon(QWidget* parent, const QString& texte, const QString& titre);

}  // namespace rolvex::ui
