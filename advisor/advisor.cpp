#include "advisor/advisor.h"

namespace rolvex::conseil {

namespace {

std::vector<int16_t> Cle(const Feuille& s) {
  std::vector<int16_t> cle{s.nbColonnes, s.prochaineDescente, s.prochaineMontee};
  for (int16_t c = 1; c <= s.nbColonnes; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      cle.push_back(s.colonnes[c].ecrit[f] ? s.colonnes[c].score[f] : int16_t{-1});
  return cle;
}

}  // namespace

Situation SituationDe(const EtatPartie& e) {
  return {.des = e.Des, .gardes = e.DesGardes, .jet = e.NbJets, .annonce = e.FigureAnnoncee};
}

const Tour& Coach::TourDe(const Feuille& feuille) {
  if (dernier_ && dernier_->feuille() == feuille) return *dernier_;
  // The estimate of the sheet but column c, once per column: a square written changes only
  // its own column.
  ParColonne<double> sansColonne{};
  if (jugement_ == Jugement::Expert) {
    const Estimation& e = Estimation::Partagee();
    const double estimation = e.Feuille_(feuille);
    for (int16_t c = 1; c <= feuille.nbColonnes; ++c)
      sansColonne[c] = estimation - e.Colonne(feuille, c);
  }
  dernier_ = std::make_unique<Tour>(feuille, [&](int16_t c, int16_t f, int16_t score) {
    return ValeurApres(feuille, sansColonne[c], c, f, score);
  });
  return *dernier_;
}

double Coach::ValeurApres(const Feuille& avant, double sansColonne, int16_t c, int16_t f,
                          int16_t score) {
  const Feuille apres = avant.Apres(c, f, score);
  if (jugement_ == Jugement::Glouton) return score;
  if (apres.NbCasesLibres() <= 1) return ValeurExacte(apres);
  return sansColonne + Estimation::Partagee().Colonne(apres, c);
}

double Coach::ValeurExacte(const Feuille& feuille) {
  if (feuille.NbCasesLibres() == 0) return feuille.Total();
  const auto cle = Cle(feuille);
  if (const auto trouve = exactes_.find(cle); trouve != exactes_.end()) return trouve->second;
  const Tour tour(feuille, [&](int16_t c, int16_t f, int16_t score) {
    return ValeurExacte(feuille.Apres(c, f, score));
  });
  exactes_.emplace(cle, tour.ValeurDepart());
  return tour.ValeurDepart();
}

std::vector<Choix> Coach::Conseiller(const Feuille& feuille, const Situation& s) {
  std::vector<Choix> choix = TourDe(feuille).Choix_(s);
  // Exact with two squares left or fewer; estimated, and so brought to scale, before.
  if (jugement_ == Jugement::Expert && feuille.NbCasesLibres() > 2) {
    const double decalage = Estimation::Partagee().Decalage(feuille);
    for (Choix& c : choix) c.esperance += decalage;
  }
  return choix;
}

std::vector<Choix> Coach::Conseiller(const EtatPartie& e) {
  if (e.NumeroTour == 0 || e.PartieTerminee) return {};
  return Conseiller(Feuille::De(e), SituationDe(e));
}

void Jouer(Partie& partie, const Choix& choix) {
  const EtatPartie& e = partie.Etat();
  if (choix.genre != Choix::Genre::Garder) {
    partie.AppelCliqueCase(choix.colonne, choix.figure);
    return;
  }
  if (e.NbJets != 0)
    for (int16_t d = 1; d <= NbDes; ++d)
      if (e.DesGardes[d] != choix.garder[d]) partie.ImageDe_MouseDown(d, bouton::Gauche);
  partie.AppelOkDeClique();
}

Chances ChancesDeFigure(const Feuille& feuille, int16_t c, int16_t f, const Des5& des,
                        const ParDe<bool>& gardes, int16_t jet) {
  const Mains& mains = Mains::Toutes();
  // Backwards from the last throw: the best chance of each throw with k throws left, and of
  // each hand kept before the next throw.
  std::array<double, NbTirages> valeur;
  for (int16_t t = 0; t < NbTirages; ++t) {
    const AnalyseDes& a = mains.Analyse(t);
    valeur[t] = (EstFigureHaute(f) ? a.NbDesFace[f] >= 3 : feuille.Score(a, c, f) > 0) ? 1 : 0;
  }
  std::array<double, NbMains> parMain{};
  for (int reste = 1; reste <= NbJetsMax - jet; ++reste) {
    mains.Esperances(valeur, parMain);
    for (int16_t t = 0; t < NbTirages; ++t) {
      double meilleur = 0;
      for (int16_t m : mains.SousMains(t)) meilleur = std::max(meilleur, parMain[m]);
      valeur[t] = meilleur;
    }
  }
  Compte garde{};
  for (int16_t d = 1; d <= NbDes; ++d)
    if (gardes[d]) ++garde[des[d]];
  return {.avecGardes = parMain[mains.Main(garde)],
          .auMieux = valeur[mains.Tirage(mains.Main(des))]};
}

}  // namespace rolvex::conseil
