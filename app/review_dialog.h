// The review of a finished game: the decisions that cost the most expected points, and for the
// one chosen the sheet and the dice of that moment.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "advisor/review.h"
#include "texts/language_tables.h"

class QLabel;
class QListWidget;
class QTableWidget;

namespace rolvex {
class Session;
}

namespace rolvex::app {

class FenetreRevue : public QDialog {
 public:
  // What `session` holds of its review, in `police`; the dialog keeps its own copy, so that it
  // may outlive the game it shows.
  FenetreRevue(QWidget& parent, const Session& session, const QFont& police);

  // The decision of entry `ligne` of the list: its sheet and its dice.
  void MontrerDecision(int ligne);

 private:
  std::vector<conseil::Erreur> revue_;
  int16_t nbColonnes_;
  int16_t typeDes_;
  Langue langue_;
  QListWidget* liste_ = nullptr;
  QTableWidget* feuille_ = nullptr;
  std::array<QLabel*, NbDes> des_{};
};

}  // namespace rolvex::app
