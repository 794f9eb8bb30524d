#include "texts/coach_texts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "texts/accessible_texts.h"

namespace rolvex {

namespace {

bool EnFrancais(Langue langue) { return langue == Langue::Francais; }

// "243.1" in English, "243,1" in French; `decimales` digits after the point.
std::string Nombre(double valeur, int decimales, Langue langue) {
  char texte[32];
  std::snprintf(texte, sizeof texte, "%.*f", decimales, valeur);
  std::string s(texte);
  if (EnFrancais(langue)) std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

// A chance as a percentage: one decimal below 10 %, none above.
std::string Pourcent(double chance, Langue langue) {
  const double p = 100 * chance;
  return Nombre(p, p < 10 && p > 0 ? 1 : 0, langue) + " %";
}

std::string Minuscule(std::string s) {
  if (!s.empty()) s[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[0])));
  return s;
}

constexpr Bilingue Lancer = {"Lancer les dés", "Throw the dice"};
constexpr Bilingue RelancerTout = {"Relancer les cinq dés", "Throw all five dice again"};
constexpr Bilingue GarderTout = {"Garder les cinq dés", "Keep all five dice"};
constexpr Bilingue Garder = {"Garder", "Keep"};
constexpr Bilingue Inscrire = {"Inscrire ", "Write "};
constexpr Bilingue En = {" en ", " in "};
constexpr Bilingue Annoncer = {"Annoncer ", "Announce "};
constexpr Bilingue Esperes = {" points espérés", " expected"};
constexpr Bilingue SeulChoix = {", seul choix possible.", ", the only choice."};
constexpr Bilingue DeuxPoints = {" : ", ": "};
constexpr Bilingue PointVirgule = {" ; ", "; "};

constexpr Bilingue Question = {
    "Une partie où le coach est consulté n'entre pas dans les meilleurs scores. Le consulter "
    "quand même ?",
    "A game in which the coach is asked does not enter the high scores. Ask the coach all the "
    "same?"};
constexpr Bilingue HorsClassementCoach = {
    "Le coach a été consulté pendant cette partie : elle n'entre pas dans les meilleurs scores. "
    "Cliquez sur REJOUER ou touche F2 !",
    "The coach was asked during this game: it does not enter the high scores. Click on PLAY "
    "AGAIN or press F2."};
constexpr Bilingue ChancesAnnonces = {"Chances en deux jets (haut : 3 dés ou plus) : ",
                                      "Odds in two throws (upper: 3 dice or more): "};
constexpr Bilingue Annonce_ = {" annoncé : ", " announced: "};
constexpr Bilingue AvecGardes = {" avec les dés gardés, ", " with the dice kept, "};
constexpr Bilingue AuMieux = {" au mieux", " at best"};
constexpr Bilingue JetsRestants = {" jet(s) restant(s).", " throw(s) left."};
constexpr Bilingue Tour = {"Tour ", "Turn "};
constexpr Bilingue ApresJet = {", après le jet ", ", after throw "};
constexpr Bilingue AvantJet = {", avant le premier jet", ", before the first throw"};
constexpr Bilingue VotreChoix = {" : votre choix « ", ": your choice \""};
constexpr Bilingue CeluiDuCoach = {", celui du coach « ", ", the coach's \""};
constexpr Bilingue FinCoach = {" » (", "\" ("};
constexpr Bilingue Perdus = {" points perdus.", " points lost."};
constexpr Bilingue RevueAvant = {"Revue de la partie : les ", "Review of the game: the "};
constexpr Bilingue RevueMilieu = {" décisions les plus coûteuses ont perdu ",
                                  " costliest decisions lost "};
constexpr Bilingue RevueApres = {" points espérés en tout.", " expected points in all."};
constexpr Bilingue SansErreur = {
    "Aucune décision n'a coûté de points : chaque choix était celui du coach.",
    "No decision cost a point: every choice was the coach's."};

}  // namespace

std::string TexteChoix(const conseil::Choix& choix, const Des5& des, int16_t jet,
                       int16_t nbColonnes, Langue langue) {
  using Genre = conseil::Choix::Genre;
  if (choix.genre == Genre::Annoncer) {
    std::string texte(Annoncer.pour(langue));
    texte += NomFigure(choix.figure, langue);
    return texte;
  }
  if (choix.genre == Genre::Ecrire) {
    std::string texte(Inscrire.pour(langue));
    texte += NomFigure(choix.figure, langue);
    if (nbColonnes > 1) {
      texte += En.pour(langue);
      texte += NomColonne(choix.colonne, langue);
    }
    return texte;
  }
  if (jet == 0) return std::string(Lancer.pour(langue));
  std::vector<int16_t> faces;
  for (int16_t d = 1; d <= NbDes; ++d)
    if (choix.garder[d]) faces.push_back(des[d]);
  if (faces.empty()) return std::string(RelancerTout.pour(langue));
  if (faces.size() == NbDes) return std::string(GarderTout.pour(langue));
  std::sort(faces.rbegin(), faces.rend());
  std::string texte(Garder.pour(langue));
  for (int16_t f : faces) texte += ' ' + std::to_string(f);
  return texte;
}

std::string PhraseConseil(const std::vector<conseil::Choix>& choix, const Des5& des, int16_t jet,
                          int16_t nbColonnes, Langue langue) {
  if (choix.empty()) return {};
  std::string texte = TexteChoix(choix[0], des, jet, nbColonnes, langue);
  texte += DeuxPoints.pour(langue);
  texte += Nombre(choix[0].esperance, 1, langue);
  texte += Esperes.pour(langue);
  if (choix.size() == 1) {
    texte += SeulChoix.pour(langue);
    return texte;
  }
  texte += PointVirgule.pour(langue);
  texte += Minuscule(TexteChoix(choix[1], des, jet, nbColonnes, langue));
  texte += DeuxPoints.pour(langue);
  texte += Nombre(choix[1].esperance, 1, langue);
  texte += '.';
  return texte;
}

std::string_view QuestionConseil(Langue langue) { return Question.pour(langue); }

std::string_view MsgHorsClassementCoach(Langue langue) { return HorsClassementCoach.pour(langue); }

std::string PhraseChancesAnnonces(std::vector<std::pair<int16_t, double>> chances, Langue langue) {
  std::stable_sort(chances.begin(), chances.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  std::string texte(ChancesAnnonces.pour(langue));
  for (std::size_t i = 0; i < chances.size(); ++i) {
    if (i > 0) texte += ", ";
    texte += NomFigure(chances[i].first, langue);
    texte += ' ';
    texte += Pourcent(chances[i].second, langue);
  }
  texte += '.';
  return texte;
}

std::string PhraseChanceAnnoncee(int16_t figure, double avecGardes, double auMieux,
                                 int16_t jetsRestants, Langue langue) {
  std::string texte(NomFigure(figure, langue));
  texte += Annonce_.pour(langue);
  texte += Pourcent(avecGardes, langue);
  texte += AvecGardes.pour(langue);
  texte += Pourcent(auMieux, langue);
  texte += AuMieux.pour(langue);
  texte += ", ";
  texte += std::to_string(jetsRestants);
  texte += JetsRestants.pour(langue);
  return texte;
}

std::string TexteErreur(const conseil::Erreur& e, int16_t nbColonnes, Langue langue) {
  const conseil::Situation& s = e.decision.situation;
  std::string texte(Tour.pour(langue));
  texte += std::to_string(e.decision.tour);
  texte += s.jet == 0 ? std::string(AvantJet.pour(langue))
                      : std::string(ApresJet.pour(langue)) + std::to_string(s.jet);
  texte += VotreChoix.pour(langue);
  texte += TexteChoix(e.decision.fait, s.des, s.jet, nbColonnes, langue);
  texte += FinCoach.pour(langue);
  texte += Nombre(e.valeurFaite, 1, langue) + ")";
  texte += CeluiDuCoach.pour(langue);
  texte += TexteChoix(e.conseil, s.des, s.jet, nbColonnes, langue);
  texte += FinCoach.pour(langue);
  texte += Nombre(e.conseil.esperance, 1, langue) + ")";
  texte += DeuxPoints.pour(langue);
  texte += Nombre(e.cout, 1, langue);
  texte += Perdus.pour(langue);
  return texte;
}

std::string_view MsgRevueSansErreur(Langue langue) { return SansErreur.pour(langue); }

std::string MsgRevuePrete(std::size_t nb, double perdus, Langue langue) {
  if (nb == 0) return std::string(MsgRevueSansErreur(langue));
  std::string texte(RevueAvant.pour(langue));
  texte += std::to_string(nb);
  texte += RevueMilieu.pour(langue);
  texte += Nombre(perdus, 1, langue);
  texte += RevueApres.pour(langue);
  return texte;
}

TextesCoach TextesDuCoach(Langue langue) {
  if (EnFrancais(langue))
    return {"&Conseil du coach",
            "C&hances des annonces",
            "&Revue de la partie",
            "Revue de la partie",
            "Les cinq décisions qui ont coûté le plus de points :",
            "Fermer",
            "La feuille et les dés de ce moment :"};
  return {"Coach's &hint",
          "Announcement &odds",
          "&Review of the game",
          "Review of the game",
          "The five decisions that cost the most points:",
          "Close",
          "The sheet and the dice of that moment:"};
}

}  // namespace rolvex
