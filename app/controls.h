// The windows find their controls by the names the game gives them ("CaseSèche(7)"), so that
// the captions of the texts and the rectangles of the layouts are applied in one loop each.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <string_view>
#include <vector>

#include "playarea/dialog_layout.h"
#include "playarea/sheet_names.h"
#include "texts/language_tables.h"
#include "ui/text.h"
#include "ui/twips.h"

namespace rolvex::app {

// The control of `fenêtre` called `nom`, the window itself included; nullptr if it has none.
QObject* TrouverControle(QWidget& fenetre, std::string_view nom);

template <typename T>
T* Trouver(QWidget& fenetre, std::string_view nom) {
  return qobject_cast<T*>(TrouverControle(fenetre, nom));
}
template <typename T>
T* Trouver(QWidget& fenetre, const Cle& cle) {
  return Trouver<T>(fenetre, Nom(cle));
}

// A caption, whatever kind of control receives it: a panel's caption, a menu's title, an
// option button's text, the text of a text box, the title of a window.
void AppliquerLegende(QObject& controle, const QString& texte);

// Every caption meant for `laquelle` that `fenêtre` holds a control for.
void AppliquerLegendes(QWidget& fenetre, Fenetre laquelle, const std::vector<Legende>& legendes);

inline ui::RectangleTwips EnTwips(const Rect& r) {
  return {double{r.Left}, double{r.Top}, double{r.Width}, double{r.Height}};
}

// The controls of a dialog that `fenêtre` holds take their place, and their font size where
// the layout gives one. The window itself takes the size of its own entry.
void AppliquerDispositionDialogue(QWidget& fenetre, const std::vector<ControleDialogue>& controles,
                                  const ui::EchelleTwips& echelle);

}  // namespace rolvex::app
