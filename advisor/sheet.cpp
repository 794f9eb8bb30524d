#include "advisor/sheet.h"

namespace rolvex::conseil {

Feuille Feuille::De(const EtatPartie& e) {
  Feuille s;
  s.nbColonnes = e.NbColonnes;
  s.prochaineDescente = e.ProchaineDescente;
  s.prochaineMontee = e.ProchaineMontee;
  for (int16_t c = 1; c <= e.NbColonnes; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      s.colonnes[c].ecrit[f] = e.Cases(c, f).Prise;
      s.colonnes[c].score[f] = e.Cases(c, f).Prise ? e.Cases(c, f).Score : int16_t{0};
    }
  return s;
}

bool Feuille::Fermee(int16_t c) const {
  if (!EnJeu(c)) return true;
  for (bool ecrit : colonnes[c].ecrit)
    if (!ecrit) return false;
  return true;
}

int Feuille::NbCasesLibres() const {
  int n = 0;
  for (int16_t c = 1; c <= nbColonnes; ++c)
    for (bool ecrit : colonnes[c].ecrit) n += ecrit ? 0 : 1;
  return n;
}

int32_t Feuille::Total() const {
  int32_t total = 0;
  for (int16_t c = 1; c <= nbColonnes; ++c) total += CalculerTotaux(colonnes[c]).Somme();
  return total;
}

Feuille Feuille::Apres(int16_t c, int16_t f, int16_t score) const {
  Feuille s = *this;
  s.colonnes[c].ecrit[f] = true;
  s.colonnes[c].score[f] = score;
  if (c == colonne::Descente && f < figure::Yam) s.prochaineDescente = static_cast<int16_t>(f + 1);
  if (c == colonne::Montee && f > figure::As) s.prochaineMontee = static_cast<int16_t>(f - 1);
  return s;
}

int16_t Feuille::Score(const AnalyseDes& analyse, int16_t c, int16_t f) const {
  const ScoresColonne& k = colonnes[c];
  CaseJeu maxi, mini;
  maxi.Prise = k.ecrit[figure::Maxi];
  maxi.Score = k.score[figure::Maxi];
  mini.Prise = k.ecrit[figure::Mini];
  mini.Score = k.score[figure::Mini];
  return ScoreFigure(analyse, f, maxi, mini);
}

bool Inscriptible(const Feuille& s, int16_t c, int16_t f, int16_t jet) {
  if (!s.Libre(c, f)) return false;
  switch (c) {
    case colonne::Libre: return true;
    case colonne::Descente: return f == s.prochaineDescente;
    case colonne::Montee: return f == s.prochaineMontee;
    case colonne::Seche: return jet == PremierJet;
    case colonne::Deux: return jet <= DeuxiemeJet;
    default: return false;
  }
}

bool Annoncable(const Feuille& s, int16_t f, int16_t jet, int16_t annonce) {
  return jet == PremierJet && annonce == AucuneAnnonce && s.Libre(colonne::Annonce, f);
}

bool RelanceAutorisee(const Feuille& s, int16_t jet, int16_t annonce) {
  if (jet < PremierJet || jet >= NbJetsMax) return false;
  if (annonce != AucuneAnnonce) return true;
  using namespace colonne;
  const bool utiles = !s.Fermee(Libre) || !s.Fermee(Descente) || !s.Fermee(Montee);
  return utiles || (jet == PremierJet && !s.Fermee(Deux));
}

}  // namespace rolvex::conseil
