// How long the statistics window takes to open on a history of 10 000 six-column games: from
// the window's construction to the end of its first paint, which reads the history and
// computes the statistics. Prints the median and the worst of a few openings.
//
// Runs on the platform Qt is given: QT_QPA_PLATFORM=offscreen, or an X display (Xvfb).
// Usage: rolvex-stats-bench [openings = 7]
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/statistics_window.h"
#include "history/history_db.h"
#include "random_history.h"

namespace {

struct VueMuette : rolvex::VueSession {};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const int nbOuvertures = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  QTemporaryDir dossierQt;
  const std::filesystem::path dossier = QFile::encodeName(dossierQt.path()).toStdString();
  std::vector<rolvex::PartieJouee> jouees = rolvex::essai::PartiesAuHasard(1500, 11);
  std::erase_if(jouees, [](const auto& p) { return p.mode != 3 || p.abandonnee; });
  std::vector<rolvex::PartieJouee> parties;
  for (std::size_t i = 0; parties.size() < 10000; ++i) parties.push_back(jouees[i % jouees.size()]);
  if (rolvex::EnregistrerParties(dossier, parties)) return 1;

  VueMuette vue;
  rolvex::Session session(vue, rolvex::Langue::Francais, rolvex::LargeurEcranReference,
                          rolvex::HauteurEcranReference, 0);
  session.ChargerOptions({dossier, dossier});
  std::vector<double> durees, lectures;
  for (int i = 0; i < nbOuvertures; ++i) {
    QElapsedTimer lecture;
    lecture.start();
    if (session.StatistiquesHistorique(3).stats.parties != 10000) return 1;
    lectures.push_back(static_cast<double>(lecture.nsecsElapsed()) / 1e6);
    QElapsedTimer chrono;
    chrono.start();
    rolvex::app::FenetreStatistiques fenetre(session, 3, QApplication::font(), nullptr);
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre)) return 1;
    fenetre.repaint();
    durees.push_back(static_cast<double>(chrono.nsecsElapsed()) / 1e6);
  }
  std::sort(durees.begin(), durees.end());
  std::sort(lectures.begin(), lectures.end());
  std::printf("the session's statistics alone (read and computed): median %.1f ms\n",
              lectures[lectures.size() / 2]);
  std::printf("statistics window on 10000 six-column games (%s): median %.1f ms, worst %.1f ms\n",
              qPrintable(QGuiApplication::platformName()), durees[durees.size() / 2],
              durees.back());
  return 0;
}
