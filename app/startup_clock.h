// For the start-up benchmark only: with ROLVEX_CHRONO set in the environment, the program
// writes to its error output, on the monotonic clock, when each window is first painted and
// when a language button is released. Without it, nothing is installed.
// The game that ships calls an empty hook: only rolvex-chrono, the benchmarks' build of the
// same program, defines ROLVEX_STARTUP_CLOCK and links startup_clock.cpp.
#pragma once

class QApplication;

namespace rolvex::app {

#ifdef ROLVEX_STARTUP_CLOCK
void ChronometrerSiDemande(QApplication& application);
#else
inline void ChronometrerSiDemande(QApplication&) {}
#endif

}  // namespace rolvex::app
