// The score sheet as the coach reads it between two turns, and what the column rules allow
// at each throw of a turn.
#pragma once

#include <cstdint>

#include "engine/game.h"

namespace rolvex::conseil {

struct Feuille {
  int16_t nbColonnes = 1;
  ParColonne<ScoresColonne> colonnes{};
  int16_t prochaineDescente = figure::As;
  int16_t prochaineMontee = figure::Yam;

  static Feuille De(const EtatPartie& e);

  bool EnJeu(int16_t c) const { return c <= nbColonnes; }
  bool Libre(int16_t c, int16_t f) const { return EnJeu(c) && !colonnes[c].ecrit[f]; }
  // Not in play, or every square written.
  bool Fermee(int16_t c) const;
  int NbCasesLibres() const;
  // The total of the game as written now, bonuses won included.
  int32_t Total() const;
  // The sheet once `score` is written in square (c, f).
  Feuille Apres(int16_t c, int16_t f, int16_t score) const;
  // What dice `analyse` score in square (c, f), the column's Maxi and Mini rule applied.
  int16_t Score(const AnalyseDes& analyse, int16_t c, int16_t f) const;

  friend bool operator==(const Feuille&, const Feuille&) = default;
};

// Whether square (c, f) may be written after throw `jet` (1..3) of a turn without an
// announcement. Annonce is written only through an announcement.
bool Inscriptible(const Feuille& feuille, int16_t c, int16_t f, int16_t jet);
// Whether figure f may be announced now: right after the first throw, in the six-column game.
bool Annoncable(const Feuille& feuille, int16_t f, int16_t jet, int16_t annonce);
// Whether the dice may be thrown again after throw `jet` (1 or 2).
bool RelanceAutorisee(const Feuille& feuille, int16_t jet, int16_t annonce);

}  // namespace rolvex::conseil
