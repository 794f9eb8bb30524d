// ROLVEX: the start-up window, then the game.
#include <QApplication>

#include "app/startup.h"
#include "app/startup_clock.h"
#include "ui/dice_pictures.h"
#include "ui/fonts.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  rolvex::app::ChronometrerSiDemande(application);
  // The desktop entry installed with the game carries this name: the window is matched to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.rolvex.Rolvex"));
  rolvex::ui::InstallerPolicesDeRemplacement();
  QApplication::setWindowIcon(rolvex::ui::IconeLogo());
  rolvex::app::Demarrage demarrage;
  demarrage.Lancer();
  return QApplication::exec();
}
