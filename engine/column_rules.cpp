// Which squares each column offers and when, and what a click on a square does.
#include "game.h"

namespace rolvex {

// The squares of a new turn: Libre whole, the next square of Descente and of Montée, and in
// the six-column game the whole of Sèche, Deux and Annonce. Taken squares stay shown.
void Partie::RendreVisibleCasesSelectionnables() {
  auto& e = etat_;
  for (int16_t f = 1; f <= NbFigures; ++f) e.Cases(colonne::Libre, f).Visible = true;
  // The game in progress decides, not a mode chosen for the next one.
  if (e.NbColonnes >= 3) {
    e.Cases(colonne::Descente, e.ProchaineDescente).Visible = true;
    e.Cases(colonne::Montee, e.ProchaineMontee).Visible = true;
  }
  if (e.NbColonnes == NbColonnesMax) {
    for (int16_t c : {colonne::Seche, colonne::Deux, colonne::Annonce})
      for (int16_t f = 1; f <= NbFigures; ++f) e.Cases(c, f).Visible = true;
  }
}

void Partie::CacherCasesLibres(int16_t c) {
  for (int16_t f = 1; f <= NbFigures; ++f)
    if (!etat_.Cases(c, f).Prise) etat_.Cases(c, f).Visible = false;
}

// Writing a score of 0 crosses the figure out: it closes the square and is no figure made.
void Partie::TransformeEnCasePrise(int16_t c, int16_t f, int16_t score) {
  auto& e = etat_;
  CaseJeu& k = e.Cases(c, f);
  k.Prise = true;
  k.Score = score;
  k.CouleurFond = Noir;
  if (!EstFigureHaute(f) && score >= 1) {
    ++e.NbFiguresRealisees;
    ++e.NbFiguresColonne[c];
  }
}

// No throw left: the announced square is written with whatever the dice give; without an
// announcement the player must choose a square.
void Partie::PassageTroisZero() {
  auto& e = etat_;
  if (e.FigureAnnoncee != AucuneAnnonce) {
    const int16_t f = e.FigureAnnoncee;
    const int16_t score = e.Cases(colonne::Annonce, f).ScorePotentiel;
    e.Cases(colonne::Annonce, f).Selectionnable = false;
    TransformeEnCasePrise(colonne::Annonce, f, score);
    AppelFinTirage();
  } else {
    affichage_.InfoDeroulement(Message::MsgChoisirCase);
  }
}

void Partie::AppelCliqueCase(int16_t c, int16_t f) {
  auto& e = etat_;
  if (c < 1 || c > NbColonnesMax || f < 1 || f > NbFigures) return;
  // Before the first throw there are no dice to score: the click does nothing at all.
  if (e.NbJets == 0) return;
  // A hidden square takes no click, as in the window: the squares a column rule closes during
  // the turn stay selectable, and only being hidden keeps them from being written.
  if (!e.Cases(c, f).Visible) return;

  CalculScoresPotentiels();
  const int16_t score = e.Cases(c, f).ScorePotentiel;
  if (!e.Cases(c, f).Selectionnable) return;

  switch (c) {
    case colonne::Libre:
    case colonne::Seche:
    case colonne::Deux:
    case colonne::Descente:
    case colonne::Montee:
      e.Cases(c, f).Selectionnable = false;
      TransformeEnCasePrise(c, f, score);
      if (c == colonne::Descente && f < figure::Yam) {
        e.ProchaineDescente = static_cast<int16_t>(f + 1);
        e.Cases(c, e.ProchaineDescente).Visible = true;
      } else if (c == colonne::Montee && f > figure::As) {
        e.ProchaineMontee = static_cast<int16_t>(f - 1);
        e.Cases(c, e.ProchaineMontee).Visible = true;
      }
      AppelFinTirage();
      break;
    case colonne::Annonce:
      if (e.NbJets == NbJetsMax) {
        PassageTroisZero();
      } else if (EstFigureHaute(e.FigureAnnoncee)) {
        // The announced upper figure: keep its dice and throw the others at once.
        for (int16_t i = 1; i <= NbDes; ++i) {
          e.DesGardes[i] = e.Des[i] == e.FigureAnnoncee;
          if (e.DesGardes[i]) {
            AfficherDe(i);
          } else {
            affichage_.ImageDe(i, ImageDeFond);
          }
        }
        AppelOkDeClique();
      } else if (e.NbJets == PremierJet && e.FigureAnnoncee == AucuneAnnonce) {
        // The announcement: nothing is written, only the announced square stays open.
        e.FigureAnnoncee = f;
        for (int16_t cc = 1; cc <= e.NbColonnes; ++cc)
          for (int16_t ff = 1; ff <= NbFigures; ++ff)
            if (!e.Cases(cc, ff).Prise) e.Cases(cc, ff).Visible = false;
        e.Cases(colonne::Annonce, f).Visible = true;
      }
      break;
  }
  DessineCases();
}

}  // namespace rolvex
