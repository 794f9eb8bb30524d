// One turn solved exactly: every hand kept at every throw left, every throw of the dice, every
// square the column rules allow, each sheet the turn can end on valued by the caller.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "advisor/hands.h"
#include "advisor/sheet.h"

namespace rolvex::conseil {

// One thing the player may do now, and the final total the game is expected to reach by it.
struct Choix {
  enum class Genre : int8_t { Garder, Ecrire, Annoncer };
  Genre genre = Genre::Garder;
  ParDe<bool> garder{};  // Garder: the dice kept; the others are thrown (all, before throw 1)
  int16_t colonne = 0;   // Ecrire: the square; Annoncer: colonne::Annonce and the figure
  int16_t figure = 0;
  double esperance = 0;
};

// Where a turn stands: the dice on the table, those kept, the throws made and the announcement.
struct Situation {
  Des5 des{};
  ParDe<bool> gardes{};
  int16_t jet = 0;
  int16_t annonce = AucuneAnnonce;
};

class Tour {
 public:
  // The final total expected once `score` is written in square (c, f) and the game goes on.
  using ValeurApres = std::function<double(int16_t c, int16_t f, int16_t score)>;

  Tour(const Feuille& feuille, const ValeurApres& valeurApres);

  const Feuille& feuille() const { return feuille_; }
  // The expectation before the first throw.
  double ValeurDepart() const { return depart_; }
  // Every legal choice in situation s, best first; none when the turn has nothing to choose.
  std::vector<Choix> Choix_(const Situation& s) const;
  // The expectation of keeping hand `main` after throw `jet` (1 or 2), with figure `annonce`
  // announced or none.
  double ValeurGarde(int16_t jet, int16_t annonce, int16_t main) const;

 private:
  using ParTirage = std::array<double, NbTirages>;
  using ParMain = std::array<double, NbMains>;
  struct CaseJouable {
    int16_t colonne, figure;
    ParTirage valeur;  // the expectation once the throw's score is written there
  };
  void Resoudre();
  double MeilleurGarde(int16_t tirage, const ParMain& k, bool garderTout) const;

  Feuille feuille_;
  std::vector<CaseJouable> cases_;
  // After throw j (index j) without announcement: the best value of each throw, and the
  // expectation of each hand kept after it.
  std::array<ParTirage, NbJetsMax + 1> w_{};
  std::array<ParMain, NbJetsMax> k_{};
  // The same with each figure announced (figures not announceable stay empty).
  struct Annonce {
    bool possible = false;
    int ecrire = -1;  // in cases_
    std::array<ParTirage, NbJetsMax + 1> w{};
    std::array<ParMain, NbJetsMax> k{};
  };
  ParFigure<Annonce> annonces_{};
  double depart_ = 0;
};

}  // namespace rolvex::conseil
