#include "session/end_of_game.h"

#include "texts/messages.h"

namespace rolvex {

FinDePartie AppelFinPartie(HighScores& scores, int16_t modeJeu, const PartieFinie& partie,
                           Langue langue) {
  FinDePartie fin;
  if (!YesHighScore(scores, modeJeu, partie)) {
    fin.info = MsgHorsClassement(langue);
    return fin;
  }
  fin.place = InsertionHighScore(scores, modeJeu, partie);
  fin.afficherScores = true;
  fin.sauver = true;
  fin.message = MessagePlace(fin.place, langue);
  fin.info = MsgAutrePartie(langue);
  return fin;
}

}  // namespace rolvex
