// What one action costs in the real main window: a press of the throw button and a click on a
// square, each from the mouse event to the end of the redraw it caused, over a whole scripted
// six-column game; then the resident memory once the game is over.
//
// Runs on the platform Qt is given: QT_QPA_PLATFORM=offscreen, or an X display (Xvfb).
// Usage: rolvex-gui-bench [games = 3]
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/controls.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "engine/dice.h"
#include "playarea/sheet_names.h"
#include "ui/fonts.h"

namespace rolvex::app {
namespace {

using Horloge = std::chrono::steady_clock;

// Counts the repaints of the window: one repaint paints every widget that changed since the
// last, so that an action is timed up to the end of its own.
class CompteurDessins : public QObject {
 public:
  int demandes = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest) ++demandes;
    return false;
  }
};

struct Mesures {
  std::vector<double> jets;  // microseconds, click to end of repaint
  std::vector<double> clics;
  std::vector<double> gestes;      // the part spent in the handlers, before the repaint
  std::vector<double> processeur;  // processor time of the whole action, this thread only
};

double ProcesseurUs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// The data files of a temporary folder, so that the games played here enter no real table.
Environnement EnvironnementDuBanc(const QTemporaryDir& dossier) {
  const std::filesystem::path chemin(QFile::encodeName(dossier.path()).toStdString());
  return {[chemin] { return DossiersDonnees{chemin, chemin}; }, [] {}};
}

class Banc {
 public:
  Banc() : fenetre_(Langue::Francais, TailleEcranJeu(), EnvironnementDuBanc(donnees_)) {
    // A game that enters a table ends on a message box: it is answered as soon as it shows.
    QObject::connect(&repondeur_, &QTimer::timeout, [] {
      if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        if (boite->isVisible()) boite->accept();
    });
    repondeur_.start(5);
    fenetre_.AfficherPleinEcran();
    if (!QTest::qWaitForWindowExposed(&fenetre_)) std::fprintf(stderr, "window not exposed\n");
    fenetre_.installEventFilter(&compteur_);
    fenetre_.Jeu().FixerGraine(1);
    fenetre_.Jeu().ChoisirMode(3);
  }

  void JouerUnePartie(Mesures& m) {
    fenetre_.Jeu().AppelNouveau();
    Attendre();
    while (!fenetre_.Etat().PartieTerminee) JouerUnTour(m);
  }

  long long MemoireResidenteKo() const {
    std::ifstream status("/proc/self/status");
    for (std::string ligne; std::getline(status, ligne);)
      if (ligne.rfind("VmRSS:", 0) == 0) return std::atoll(ligne.c_str() + 6);
    return -1;
  }

 private:
  // One turn: a throw, then a square of the first column that takes one, in an order that
  // fills every column; once only Annonce is left, an announcement, two more throws and the
  // announced square.
  void JouerUnTour(Mesures& m) {
    Mesurer(Controle("PanelOkDé"), m.jets, m);
    const EtatPartie& e = fenetre_.Etat();
    for (int16_t c :
         {colonne::Seche, colonne::Deux, colonne::Libre, colonne::Descente, colonne::Montee})
      for (int16_t f = 1; f <= NbFigures; ++f)
        if (Ouverte(c, f)) {
          Mesurer(Controle(NomCase(c, f)), m.clics, m);
          return;
        }
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (Ouverte(colonne::Annonce, f)) {
        Mesurer(Controle(NomCase(colonne::Annonce, f)), m.clics, m);
        while (e.NbJets < NbJetsMax) Mesurer(Controle("PanelOkDé"), m.jets, m);
        Mesurer(Controle(NomCase(colonne::Annonce, f)), m.clics, m);
        return;
      }
  }

  bool Ouverte(int16_t c, int16_t f) const {
    const CaseJeu& k = fenetre_.Etat().Cases(c, f);
    return k.Visible && k.Selectionnable && !k.Prise;
  }

  QWidget* Controle(std::string_view nom) { return Trouver<QWidget>(fenetre_, nom); }

  // From the mouse click to the end of the repaint it asked for, in microseconds, added to
  // `durées`. The click that ends the game is left out: it also saves the files and waits for
  // the player to close the box of the place won.
  void Mesurer(QWidget* cible, std::vector<double>& durees, Mesures& m) {
    const int avant = compteur_.demandes;
    const double processeur = ProcesseurUs();
    const auto debut = Horloge::now();
    QTest::mouseClick(cible, Qt::LeftButton);
    const double geste = std::chrono::duration<double, std::micro>(Horloge::now() - debut).count();
    // The repaint is posted to the window: it runs at the next turn of the event loop. An
    // action that changes nothing on screen (announcing the last free square) paints nothing.
    for (int tour = 0; tour < 3 && compteur_.demandes == avant; ++tour)
      QCoreApplication::processEvents();
    if (fenetre_.Etat().PartieTerminee) return;
    m.gestes.push_back(geste);
    m.processeur.push_back(ProcesseurUs() - processeur);
    durees.push_back(std::chrono::duration<double, std::micro>(Horloge::now() - debut).count());
  }

  void Attendre() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }

  QTemporaryDir donnees_;

  FormRolvex fenetre_;
  QTimer repondeur_;
  CompteurDessins compteur_;
};

double Mediane(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Resumer(const char* quoi, const std::vector<double>& v) {
  std::vector<double> triees = v;
  std::sort(triees.begin(), triees.end());
  const double p95 =
      triees[static_cast<std::size_t>(0.95 * static_cast<double>(triees.size() - 1))];
  std::printf("%-26s %5zu actions: median %7.0f us, 95th percentile %7.0f us, worst %7.0f us\n",
              quoi, v.size(), Mediane(v), p95, triees.back());
}

}  // namespace
}  // namespace rolvex::app

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  rolvex::ui::InstallerPolicesDeRemplacement();
  const int nbParties = argc > 1 ? std::atoi(argv[1]) : 3;

  rolvex::app::Banc banc;
  rolvex::app::Mesures premiere, suivantes, toutes;
  for (int i = 0; i < nbParties; ++i) {
    rolvex::app::Mesures m;
    banc.JouerUnePartie(m);
    if (i == 0) premiere = m;
    if (i > 0) {
      suivantes.jets.insert(suivantes.jets.end(), m.jets.begin(), m.jets.end());
      suivantes.clics.insert(suivantes.clics.end(), m.clics.begin(), m.clics.end());
      suivantes.processeur.insert(suivantes.processeur.end(), m.processeur.begin(),
                                  m.processeur.end());
    }
    toutes.jets.insert(toutes.jets.end(), m.jets.begin(), m.jets.end());
    toutes.clics.insert(toutes.clics.end(), m.clics.begin(), m.clics.end());
    toutes.gestes.insert(toutes.gestes.end(), m.gestes.begin(), m.gestes.end());
    toutes.processeur.insert(toutes.processeur.end(), m.processeur.begin(), m.processeur.end());
    if (i == 0)
      std::printf("resident memory after a whole six-column game: %lld KiB\n",
                  banc.MemoireResidenteKo());
  }
  std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
  rolvex::app::Resumer("throw, first game", premiere.jets);
  rolvex::app::Resumer("square click, first game", premiere.clics);
  rolvex::app::Resumer("processor, first game", premiere.processeur);
  if (nbParties > 1) {
    rolvex::app::Resumer("throw, later games", suivantes.jets);
    rolvex::app::Resumer("square click, later games", suivantes.clics);
    rolvex::app::Resumer("processor, later games", suivantes.processeur);
  }
  rolvex::app::Resumer("throw, all games", toutes.jets);
  rolvex::app::Resumer("square click, all games", toutes.clics);
  rolvex::app::Resumer("handlers alone, all games", toutes.gestes);
  rolvex::app::Resumer("processor time per action", toutes.processeur);
  std::printf("resident memory after %d games: %lld KiB\n", nbParties, banc.MemoireResidenteKo());
  return 0;
}
