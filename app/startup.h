// A run of the game: the start-up window, then the main window in the language chosen.
#pragma once

#include <QSizeF>
#include <memory>

#include "app/main_window.h"

namespace rolvex::app {

class FrmSplash;

// The screen the game lays itself out on: the part of the primary screen that windows may
// cover, in twips.
QSizeF TailleEcranJeu();

class Demarrage {
 public:
  // The main window will take `environnement`: where its data files are, how the run ends.
  explicit Demarrage(QSizeF ecranTwips = TailleEcranJeu(), Environnement environnement = {});
  ~Demarrage();
  Demarrage(const Demarrage&) = delete;
  Demarrage& operator=(const Demarrage&) = delete;

  // Shows the start-up window; the main window follows once the language is chosen.
  void Lancer();

  FrmSplash& Splash() { return *splash_; }
  // Null until the start-up window has gone.
  FormRolvex* Principale() { return principale_.get(); }

 private:
  QSizeF ecranTwips_;
  Environnement environnement_;
  std::unique_ptr<FrmSplash> splash_;
  std::unique_ptr<FormRolvex> principale_;
};

}  // namespace rolvex::app
