// The high-score area, shown in place of the play area: the column mode as its title, the ten
// places of one table, and the button that hides it again.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "playarea/layout.h"
#include "session/session.h"
#include "texts/hover_help.h"
#include "texts/language_tables.h"
#include "ui/panel.h"
#include "ui/twips.h"

namespace rolvex {

// SuperPanelScore with PanelModeColonnes, Famille and its fifty cells, and
// PanelEffacerScores, each child named as the play area names it ("PanelScoreNom(3)").
class SuperPanelScore : public ui::Panneau {
  Q_OBJECT

 public:
  // Laid out where `aire` puts the high-score area, converted to pixels by `échelle`; the
  // button's caption in `langue`. `fenêtre` (the main window) is its parent. Starts hidden.
  SuperPanelScore(const AireJeu& aire, const ui::EchelleTwips& echelle, Langue langue,
                  QWidget* fenetre);

  // Fills the ten rows from `table` and shows the panel; the caller hides PictureAireJeu.
  // The colours of the cells are left as they are.
  void AfficherScores(const TableHighScore& table);
  // Hides the panel; the caller shows PictureAireJeu again. No score is removed.
  void EffacerScores();

  // The five cells of row `place` (1..10) take red text: the game just entered there. Another
  // place changes nothing.
  void MarquerLigne(int place);
  // All fifty cells take blue text again, as every new game wants.
  void RemettreEnBleu();

  // The title: "6 colonnes", "3 columns"…
  void SetModeColonnes(const QString& legende);

  // The cell of `famille` at row `rang` (1..10); nullptr for another row.
  ui::Panneau* Cellule(Famille famille, int rang) const;

 signals:
  // PanelEffacerScores_Click: the window hides the panel and shows the play area.
  void effacerScoresClicked();
  // The mouse passes over a cell (PanelScoreNom_MouseMove(rang)…): the window writes
  // AppelMovePanelScore(famille, rang) to the information line.
  void panelScoreMouseMove(rolvex::Famille famille, int rang);

 private:
  void Disposer(const AireJeu& aire, const ui::EchelleTwips& echelle);

  ui::Panneau* panelModeColonnes_;
  ui::Panneau* panelScore_;
  ui::Panneau* panelEffacerScores_;
  // By row, then by column in the order of FamillesScores.
  Tableau<std::array<ui::Panneau*, FamillesScores.size()>, 1, NbPlaces> cellules_{};
};

}  // namespace rolvex
