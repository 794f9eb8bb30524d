// A run of the game: the start-up window, then the main window in the language chosen.
#pragma once

#include <QSizeF>
#include <memory>

#include "engine/dice.h"

namespace rolvex::app {

class FrmSplash;
class FormRolvex;

// The screen the game lays itself out on: the part of the primary screen that windows may
// cover, in twips.
QSizeF TailleÉcranJeu();

class Démarrage {
 public:
  explicit Démarrage(SourceDés& dés, QSizeF écranTwips = TailleÉcranJeu());
  ~Démarrage();
  Démarrage(const Démarrage&) = delete;
  Démarrage& operator=(const Démarrage&) = delete;

  // Shows the start-up window; the main window follows once the language is chosen.
  void Lancer();

  FrmSplash& Splash() { return *splash_; }
  // Null until the start-up window has gone.
  FormRolvex* Principale() { return principale_.get(); }

 private:
  SourceDés& dés_;
  QSizeF écranTwips_;
  std::unique_ptr<FrmSplash> splash_;
  std::unique_ptr<FormRolvex> principale_;
};

}  // namespace rolvex::app
