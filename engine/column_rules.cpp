// Which squares each column offers and when, and what a click on a square does.
#include "game.h"

namespace rolvex {

// The squares of a new turn: Libre whole, the next square of Descente and of Montée, and in
// the six-column game the whole of Sèche, Deux and Annonce. Taken squares stay shown.
void Partie::RendreVisibleCasesSelectionnables() {
  auto& e = etat_;
  for (int16_t f = 1; f <= NbFigures; ++f) e.Cases(colonne::Libre, f).Visible = true;
  // Descente and Montée when in play: the game in progress decides, not a mode chosen for the
  // next one.
  if (e.NbColonnes >= colonne::Montee) {
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
  ecrit_ = true;
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
  if (AnnonceEnCours()) {
    const int16_t f = e.FigureAnnoncee;
    const int16_t score = e.Cases(colonne::Annonce, f).ScorePotentiel;
    e.Cases(colonne::Annonce, f).Selectionnable = false;
    TransformeEnCasePrise(colonne::Annonce, f, score);
    AppelFinTirage();
  } else {
    affichage_.InfoDeroulement(Message::MsgChoisirCase);
  }
}

// A click on a square, as the list of the rules it applies in turn.
void Partie::CliquerCase(int16_t c, int16_t f) {
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
  if (c == colonne::Annonce) {
    CliqueAnnonce(f);
  } else {
    EcrireCase(c, f, score);
  }
  DessineCases();
}

// Libre, Descente, Montée, Sèche and Deux: the square clicked is written and the turn ends.
void Partie::EcrireCase(int16_t c, int16_t f, int16_t score) {
  etat_.Cases(c, f).Selectionnable = false;
  TransformeEnCasePrise(c, f, score);
  OuvrirCaseSuivante(c, f);
  AppelFinTirage();
}

// Descente opens the figure below the one written, Montée the one above, until the column ends.
void Partie::OuvrirCaseSuivante(int16_t c, int16_t f) {
  auto& e = etat_;
  if (c == colonne::Descente && f < figure::Yam) {
    e.ProchaineDescente = static_cast<int16_t>(f + 1);
    e.Cases(c, e.ProchaineDescente).Visible = true;
  } else if (c == colonne::Montee && f > figure::As) {
    e.ProchaineMontee = static_cast<int16_t>(f - 1);
    e.Cases(c, e.ProchaineMontee).Visible = true;
  }
}

// Annonce: after the third throw the click writes the announced square; before it, a click on
// an announced upper figure throws again for it; right after the first throw a click
// announces. Any other click in Annonce does nothing.
void Partie::CliqueAnnonce(int16_t f) {
  auto& e = etat_;
  if (e.NbJets == NbJetsMax) {
    PassageTroisZero();
  } else if (EstFigureHaute(e.FigureAnnoncee)) {
    RelancerPourLaFigureAnnoncee();
  } else if (e.NbJets == PremierJet && !AnnonceEnCours()) {
    Annoncer(f);
  }
}

// The announced upper figure: keep its dice and throw the others at once.
void Partie::RelancerPourLaFigureAnnoncee() {
  GarderDesDeValeur(etat_.FigureAnnoncee);
  PresserOk();
}

// The announcement: nothing is written, and only the announced square stays open for the rest
// of the turn.
void Partie::Annoncer(int16_t f) {
  auto& e = etat_;
  e.FigureAnnoncee = f;
  for (int16_t c = 1; c <= e.NbColonnes; ++c)
    for (int16_t ff = 1; ff <= NbFigures; ++ff)
      if (!e.Cases(c, ff).Prise) e.Cases(c, ff).Visible = false;
  e.Cases(colonne::Annonce, f).Visible = true;
}

}  // namespace rolvex
