// The widgets of the play area, made once from the layout and found again by their names.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <string_view>

#include "app/high_scores_panel.h"
#include "playarea/layout.h"
#include "texts/language_tables.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace rolvex::app {

class EcranAireJeu {
 public:
  // InitAireJeu: one widget per control of `aire`, in `client` or in its container, with its
  // design's colours and fonts and its place. The squares stand shown, empty, in their column's
  // colour until the first game draws them. The high-score area is a SuperPanelScore, hidden,
  // its button captioned in `langue`; its cells are found by name like every other control.
  EcranAireJeu(QWidget& client, const AireJeu& aire, const ui::EchelleTwips& echelle,
               Langue langue);

  // The widget of a control the layout lists (programmer error otherwise).
  QWidget& operator[](const Cle& cle) const { return Widget(Nom(cle)); }
  ui::Panneau& Panneau(const Cle& cle) const;
  ui::Image& Image(const Cle& cle) const;
  SuperPanelScore& PanneauScores() const { return *panneauScores_; }

  // Every widget takes its rectangle, and is shown or hidden where the layout says so.
  void AppliquerDisposition(const AireJeu& aire);

  // The elements made for the sheet and the high scores (squares and row labels 1..13, rows
  // 1..10 of the table) leave the screen for good, as the player quits. They stay allocated
  // with the window, so that nothing refers to a widget that is gone.
  void DechargerTousControles();

  const ui::EchelleTwips& Echelle() const { return echelle_; }

 private:
  QWidget& Widget(std::string_view nom) const;
  QWidget& Creer(const AireJeu& aire, const std::string& nom);
  QWidget& CreerPanneauScores(const AireJeu& aire, QWidget& conteneur);

  QWidget& client_;
  ui::EchelleTwips echelle_;
  Langue langue_;
  SuperPanelScore* panneauScores_ = nullptr;
  std::map<std::string, QWidget*, std::less<>> widgets_;
};

}  // namespace rolvex::app
