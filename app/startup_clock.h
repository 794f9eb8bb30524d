// For the start-up benchmark only: with ROLVEX_CHRONO set in the environment, the program
// writes to its error output, on the monotonic clock, when each window is first painted and
// when a language button is released. Without it, nothing is installed.
#pragma once

class QApplication;

namespace rolvex::app {

void ChronometrerSiDemande(QApplication& application);

}  // namespace rolvex::app
