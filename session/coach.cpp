// The coach in a session: its advice, the odds of the announcements, the decisions of a game
// and their review, and the rule that a coached game enters no high-score table.
#include "session/session.h"
#include "texts/coach_texts.h"

namespace rolvex {

bool Session::ConsulterCoach() {
  if (conseilDemande_) return true;
  if (!vue_.DemanderOuiNon(QuestionConseil(langue_))) return false;
  conseilDemande_ = true;
  SauverPartie();
  return true;
}

void Session::DemanderConseil() {
  const EtatPartie& e = Etat();
  if (e.NumeroTour == 0 || e.PartieTerminee || !FeuilleMontree() || !ConsulterCoach()) return;
  const conseil::Feuille feuille = conseil::Feuille::De(e);
  const conseil::Situation situation = conseil::SituationDe(e);
  const std::uint64_t coup = coup_;
  vue_.Travailler([this, feuille, situation, coup]() -> std::function<void()> {
    conseil::Coach coach;
    std::vector<conseil::Choix> choix = coach.Conseiller(feuille, situation);
    return [this, choix = std::move(choix), situation, coup] {
      if (coup != coup_ || choix.empty()) return;
      const conseil::Choix& c = choix.front();
      ConseilEcran k{.garder = c.genre == conseil::Choix::Genre::Garder};
      if (k.garder) {
        k.des = c.garder;
      } else {
        k.colonne = c.colonne;
        k.figure = c.figure;
      }
      ecran_.conseil = k;
      conseils_ = choix;
      InfoInterface(PhraseConseil(choix, situation.des, situation.jet, Etat().NbColonnes, langue_));
      vue_.Conseil();
    };
  });
}

void Session::BasculerChances() {
  const EtatPartie& e = Etat();
  const bool enCours = e.NumeroTour != 0 && !e.PartieTerminee;
  if (!chancesMontrees_ && enCours && !ConsulterCoach()) return;
  chancesMontrees_ = !chancesMontrees_;
  if (chancesMontrees_) MontrerChances();
}

// In Annonce: after the first throw, the odds of each figure left to announce; under an
// announcement, the odds of its figure with the dice as they are kept.
void Session::MontrerChances() {
  const EtatPartie& e = Etat();
  if (e.NbColonnes != NbColonnesMax || e.PartieTerminee || e.NbJets == 0 || e.NbJets == NbJetsMax)
    return;
  const conseil::Feuille feuille = conseil::Feuille::De(e);
  if (e.FigureAnnoncee != AucuneAnnonce) {
    const conseil::Chances c = conseil::ChancesDeFigure(feuille, colonne::Annonce, e.FigureAnnoncee,
                                                        e.Des, e.DesGardes, e.NbJets);
    InfoInterface(PhraseChanceAnnoncee(e.FigureAnnoncee, c.avecGardes, c.auMieux,
                                       static_cast<int16_t>(NbJetsMax - e.NbJets), langue_));
    return;
  }
  if (e.NbJets != PremierJet) return;
  std::vector<std::pair<int16_t, double>> chances;
  for (int16_t f = 1; f <= NbFigures; ++f)
    if (conseil::Annoncable(feuille, f, e.NbJets, e.FigureAnnoncee))
      chances.emplace_back(
          f, conseil::ChancesDeFigure(feuille, colonne::Annonce, f, e.Des, e.DesGardes, e.NbJets)
                 .auMieux);
  if (!chances.empty()) InfoInterface(PhraseChancesAnnonces(chances, langue_));
}

void Session::ApresGeste(const EtatPartie& avant, bool clicAnnonce) {
  if (Etat() == avant) return;
  ++coup_;
  NoterDecision(avant, clicAnnonce);
  conseils_.clear();
  if (ecran_.conseil) {
    ecran_.conseil.reset();
    vue_.Conseil();
  }
  if (chancesMontrees_) MontrerChances();
}

// A throw after the first, an announcement and a written square are the player's decisions;
// the first throw is no choice. A click on an announced upper figure keeps its dice.
void Session::NoterDecision(const EtatPartie& avant, bool clicAnnonce) {
  const EtatPartie& e = Etat();
  conseil::Decision d{.tour = avant.NumeroTour,
                      .feuille = conseil::Feuille::De(avant),
                      .situation = conseil::SituationDe(avant),
                      .fait = {}};
  if (e.NbJets == avant.NbJets + 1 && avant.NbJets >= PremierJet) {
    d.fait.genre = conseil::Choix::Genre::Garder;
    for (int16_t i = 1; i <= NbDes; ++i)
      d.fait.garder[i] = clicAnnonce ? avant.Des[i] == avant.FigureAnnoncee : avant.DesGardes[i];
  } else if (e.FigureAnnoncee != avant.FigureAnnoncee && e.FigureAnnoncee != AucuneAnnonce &&
             e.NumeroTour == avant.NumeroTour) {
    d.fait = {.genre = conseil::Choix::Genre::Annoncer,
              .colonne = colonne::Annonce,
              .figure = e.FigureAnnoncee};
  } else {
    bool ecrite = false;
    for (int16_t c = 1; c <= avant.NbColonnes && !ecrite; ++c)
      for (int16_t f = 1; f <= NbFigures && !ecrite; ++f)
        if (!avant.Cases(c, f).Prise && e.Cases(c, f).Prise) {
          d.fait = {.genre = conseil::Choix::Genre::Ecrire, .colonne = c, .figure = f};
          ecrite = true;
        }
    if (!ecrite) return;
  }
  decisions_.push_back(d);
}

bool Session::RevuePossible() const { return Etat().PartieTerminee && !decisions_.empty(); }

void Session::DemanderRevue() {
  if (!RevuePossible()) return;
  vue_.Travailler([this, decisions = decisions_, coup = coup_]() -> std::function<void()> {
    std::vector<conseil::Erreur> revue = conseil::Revoir(decisions);
    return [this, revue = std::move(revue), coup] {
      if (coup != coup_) return;
      revue_ = revue;
      InfoInterface(TexteResumeRevue());
      vue_.RevuePrete();
    };
  });
}

std::string Session::TexteRevue(std::size_t i) const {
  return TexteErreur(revue_.at(i), Etat().NbColonnes, langue_);
}

std::string Session::TexteResumeRevue() const {
  double perdus = 0;
  for (const conseil::Erreur& e : revue_) perdus += e.cout;
  return MsgRevuePrete(revue_.size(), perdus, langue_);
}

}  // namespace rolvex
