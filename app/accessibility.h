// The names and descriptions screen readers give the controls of the game, in the language of
// the run, kept in step with what the controls show.
#pragma once

#include <memory>

#include "engine/score_sheet.h"

class QWidget;

namespace rolvex::app {

class FormRolvex;

class AccessibiliteJeu {
 public:
  // Names every control of the main window and of its name dialog; the window's play area and
  // dialog must already exist.
  explicit AccessibiliteJeu(FormRolvex& fenetre);
  ~AccessibiliteJeu();
  AccessibiliteJeu(const AccessibiliteJeu&) = delete;
  AccessibiliteJeu& operator=(const AccessibiliteJeu&) = delete;

  // Once the sheet is drawn: the squares, the totals, the throw button and the result panels.
  void ActualiserFeuille();
  // Once a die has been shown or taken off the table.
  void ActualiserDes();
  // Once the information line has a new text.
  void ActualiserInfo();
  // The high-score rows say what they show; done each time the table is shown.
  void ActualiserScores();

 private:
  class SuiviScores;
  void DonnerRoles();

  FormRolvex& fenetre_;
  ParCase<QWidget*> cases_{};
  ParColonne<Tableau<QWidget*, 1, 4>> totaux_{};  // in LignesTotaux order
  ParDe<QWidget*> des_{};
  QWidget* okDe_ = nullptr;
  QWidget* scoreTotal_ = nullptr;
  QWidget* totalDes_ = nullptr;
  QWidget* figure_ = nullptr;
  QWidget* info_ = nullptr;
  std::unique_ptr<SuiviScores> suiviScores_;
};

// The start-up window's controls, in both languages since none is chosen yet.
void NommerDemarrage(QWidget& splash);

}  // namespace rolvex::app
