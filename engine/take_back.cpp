// Taking back the last square written, and bringing back a game saved in progress.
#include <string>

#include "game.h"

namespace rolvex {

void Partie::AppelOkDeClique() {
  RetenirPourAnnuler([this] { PresserOk(); });
}

void Partie::AppelCliqueCase(int16_t colonne, int16_t figure) {
  RetenirPourAnnuler([=, this] { CliquerCase(colonne, figure); });
}

// A gesture that writes a square keeps the state before it; a throw, or the game's end, makes
// that state one Annuler can no longer bring back.
void Partie::RetenirPourAnnuler(const std::function<void()>& action) {
  EtatPartie avant = etat_;
  ecrit_ = jete_ = false;
  action();
  if (jete_ || etat_.PartieTerminee) {
    avantEcriture_.reset();
  } else if (ecrit_) {
    avantEcriture_ = std::move(avant);
  }
}

void Partie::Annuler() {
  if (!avantEcriture_) return;
  const int16_t typeDes = etat_.TypeDes;
  etat_ = *avantEcriture_;
  etat_.TypeDes = typeDes;
  avantEcriture_.reset();
  ReafficherTout();
}

void Partie::Reprendre(const EtatPartie& etat, const std::optional<EtatPartie>& avantEcriture) {
  const int16_t typeDes = etat_.TypeDes;
  etat_ = etat;
  etat_.TypeDes = typeDes;
  avantEcriture_ = avantEcriture;
  // The squares on screen are new: every taken one is drawn again in its final look.
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) etat_.Cases(c, f).PriseDessinee = false;
  affichage_.PreparerNouvellePartie();
  ReafficherTout();
}

// Everything the screen shows of the game, from its state alone: the kept dice of a turn
// under way, the captions of its throws and figure, the sheet and its totals.
void Partie::ReafficherTout() {
  const auto& e = etat_;
  const bool desSurLaTable = e.NbJets != 0;
  for (int16_t i = 1; i <= NbDes; ++i) {
    if (desSurLaTable && e.DesGardes[i]) {
      AfficherDe(i);
    } else {
      affichage_.ImageDe(i, ImageDeFond);
    }
  }
  affichage_.LegendeOkDe(desSurLaTable ? std::to_string(e.NbJets) : "OK");
  affichage_.LegendeFigureRealisee(desSurLaTable ? e.Analyse.FigureNommee : TexteFigure::Aucun);
  affichage_.LegendeTotalDes("");
  DessineCases();
  affichage_.PanelOkDeVisible(!e.PartieTerminee);
}

}  // namespace rolvex
