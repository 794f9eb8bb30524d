// Which squares each column offers and when, and what a click on a square does.
#include "game.h"

namespace rolvex {

// The squares of a new turn: Libre whole, the next square of Descente and of Montée, and in
// the six-column game the whole of Sèche, Deux and Annonce. Taken squares stay shown.
void Partie::RendreVisibleCasesSélectionnables() {
  auto& é = état_;
  for (int16_t f = 1; f <= NbFigures; ++f) é.Cases(colonne::Libre, f).Visible = true;
  // The game in progress decides, not a mode chosen for the next one.
  if (é.NbColonnes >= 3) {
    é.Cases(colonne::Descente, é.ProchaineDescente).Visible = true;
    é.Cases(colonne::Montée, é.ProchaineMontée).Visible = true;
  }
  if (é.NbColonnes == NbColonnesMax) {
    for (int16_t c : {colonne::Sèche, colonne::Deux, colonne::Annonce})
      for (int16_t f = 1; f <= NbFigures; ++f) é.Cases(c, f).Visible = true;
  }
}

void Partie::CacherCasesLibres(int16_t c) {
  for (int16_t f = 1; f <= NbFigures; ++f)
    if (!état_.Cases(c, f).Prise) état_.Cases(c, f).Visible = false;
}

// Writing a score of 0 crosses the figure out: it closes the square and is no figure made.
void Partie::TransformeEnCasePrise(int16_t c, int16_t f, int16_t score) {
  auto& é = état_;
  CaseJeu& k = é.Cases(c, f);
  k.Prise = true;
  k.Score = score;
  k.CouleurFond = Noir;
  if (!EstFigureHaute(f) && score >= 1) {
    ++é.NbFiguresRéalisées;
    ++é.NbFiguresColonne[c];
  }
}

// No throw left: the announced square is written with whatever the dice give; without an
// announcement the player must choose a square.
void Partie::PassageTroisZéro() {
  auto& é = état_;
  if (é.FigureAnnoncée != -1) {
    const int16_t f = é.FigureAnnoncée;
    const int16_t score = é.Cases(colonne::Annonce, f).ScorePotentiel;
    é.Cases(colonne::Annonce, f).Sélectionnable = false;
    TransformeEnCasePrise(colonne::Annonce, f, score);
    AppelFinTirage();
  } else {
    affichage_.InfoDéroulement(Message::MsgChoisirCase);
  }
}

void Partie::AppelCliqueCase(int16_t c, int16_t f) {
  auto& é = état_;
  if (c < 1 || c > NbColonnesMax || f < 1 || f > NbFigures) return;
  // Before the first throw there are no dice to score: the click does nothing at all.
  if (é.NbJets == 0) return;
  // A hidden square takes no click, as in the window: the squares a column rule closes during
  // the turn stay selectable, and only being hidden keeps them from being written.
  if (!é.Cases(c, f).Visible) return;

  CalculScoresPotentiels();
  const int16_t score = é.Cases(c, f).ScorePotentiel;
  if (!é.Cases(c, f).Sélectionnable) return;

  switch (c) {
    case colonne::Libre:
    case colonne::Sèche:
    case colonne::Deux:
    case colonne::Descente:
    case colonne::Montée:
      é.Cases(c, f).Sélectionnable = false;
      TransformeEnCasePrise(c, f, score);
      if (c == colonne::Descente && f < NbFigures) {
        é.ProchaineDescente = static_cast<int16_t>(f + 1);
        é.Cases(c, é.ProchaineDescente).Visible = true;
      } else if (c == colonne::Montée && f > 1) {
        é.ProchaineMontée = static_cast<int16_t>(f - 1);
        é.Cases(c, é.ProchaineMontée).Visible = true;
      }
      AppelFinTirage();
      break;
    case colonne::Annonce:
      if (é.NbJets == NbJetsMax) {
        PassageTroisZéro();
      } else if (EstFigureHaute(é.FigureAnnoncée)) {
        // The announced upper figure: keep its dice and throw the others at once.
        for (int16_t i = 1; i <= NbDés; ++i) {
          é.DésGardés[i] = é.Dés[i] == é.FigureAnnoncée;
          if (é.DésGardés[i]) {
            AfficherDé(i);
          } else {
            affichage_.ImageDé(i, ImageDéFond);
          }
        }
        AppelOkDéClique();
      } else if (é.NbJets == 1 && é.FigureAnnoncée == -1) {
        // The announcement: nothing is written, only the announced square stays open.
        é.FigureAnnoncée = f;
        for (int16_t cc = 1; cc <= é.NbColonnes; ++cc)
          for (int16_t ff = 1; ff <= NbFigures; ++ff)
            if (!é.Cases(cc, ff).Prise) é.Cases(cc, ff).Visible = false;
        é.Cases(colonne::Annonce, f).Visible = true;
      }
      break;
  }
  DessineCases();
}

}  // namespace rolvex
