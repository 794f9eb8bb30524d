#include "texts/history_texts.h"

#include <cmath>
#include <cstdio>

namespace rolvex {

namespace {

constexpr TextesStatistiques Francais = {
    .titre = "Statistiques",
    .mode = "Mode de jeu :",
    .parties = "Parties terminées",
    .abandonnees = "Parties abandonnées",
    .moyenne = "Moyenne",
    .mediane = "Médiane",
    .meilleur = "Meilleur score",
    .pire = "Plus mauvais score",
    .aucunePartie = "Aucune partie terminée dans ce mode.",
    .courbe = "Scores des parties, dans l'ordre",
    .scores = "Score de chaque partie",
    .moyenneGlissante = "Moyenne des 20 dernières",
    .histogramme = "Répartition des scores",
    .colonneFigure = "Figure",
    .faites = "Réalisée",
    .moyenneFigure = "Moyenne",
    .barrees = "Barrée",
    .bonus = "Bonus obtenus",
    .bonusHaut = "Bonus du haut",
    .bonusBas = "Bonus du bas",
    .bonusMaxiMini = "Bonus Maxi-Mini",
    .exporter = "Exporter en CSV...",
    .fermer = "Fermer",
    .filtreCsv = "Fichiers CSV (*.csv)",
};

constexpr TextesStatistiques Anglais = {
    .titre = "Statistics",
    .mode = "Game mode:",
    .parties = "Games finished",
    .abandonnees = "Games given up",
    .moyenne = "Mean",
    .mediane = "Median",
    .meilleur = "Best score",
    .pire = "Worst score",
    .aucunePartie = "No game finished in this mode yet.",
    .courbe = "Scores of the games, in order",
    .scores = "Score of each game",
    .moyenneGlissante = "Mean of the last 20",
    .histogramme = "Spread of the scores",
    .colonneFigure = "Figure",
    .faites = "Made",
    .moyenneFigure = "Mean",
    .barrees = "Crossed out",
    .bonus = "Bonuses won",
    .bonusHaut = "Upper bonus",
    .bonusBas = "Lower bonus",
    .bonusMaxiMini = "Maxi-Mini bonus",
    .exporter = "Export as CSV...",
    .fermer = "Close",
    .filtreCsv = "CSV files (*.csv)",
};

std::string_view Raison(EchecHistorique::Nature nature, Langue langue) {
  const bool fr = langue == Langue::Francais;
  switch (nature) {
    case EchecHistorique::Nature::Abimee:
      return fr ? "il est abîmé ou n'est pas le sien" : "it is damaged or not one of ours";
    case EchecHistorique::Nature::Verrouillee:
      return fr ? "un autre programme le tient" : "another program holds it";
    case EchecHistorique::Nature::Recente:
      return fr ? "une version plus récente du jeu l'a écrit"
                : "a later version of the game wrote it";
    case EchecHistorique::Nature::Inscription: break;
  }
  return fr ? "il ne peut pas être écrit là" : "it cannot be written there";
}

}  // namespace

std::string MessageEchecHistorique(const EchecHistorique& echec, Langue langue) {
  const bool fr = langue == Langue::Francais;
  std::string texte(fr ? "L'historique des parties " : "The history of the games ");
  texte += echec.chemin.string();
  texte += fr ? " n'a pas pu être tenu à jour (" : " could not be kept up to date (";
  texte += Raison(echec.nature, langue);
  texte += fr ? " : " : ": ";
  texte += echec.detail;
  texte += fr ? "). Le jeu continue sans lui ; les scores et les options n'en souffrent pas."
              : "). The game goes on without it; the scores and the options are safe.";
  return texte;
}

std::string MessageEchecExport(const std::filesystem::path& fichier, std::error_code erreur,
                               Langue langue) {
  const bool fr = langue == Langue::Francais;
  std::string texte(fr ? "Le fichier " : "The file ");
  texte += fichier.string();
  texte += fr ? " n'a pas pu être écrit (" : " could not be written (";
  texte += erreur.message();
  texte += ").";
  return texte;
}

const TextesStatistiques& TextesStats(Langue langue) {
  return langue == Langue::Francais ? Francais : Anglais;
}

std::string NomFigureFeuille(int16_t figure, Langue langue) {
  if (EstFigureHaute(figure)) return std::to_string(figure);
  return InitTextesLangue(langue).LegendeDe(NomControle("CaseInfoGauche", figure)).value_or("");
}

std::string NomColonneFeuille(int16_t colonne, Langue langue) {
  return InitTextesLangue(langue)
      .LegendeDe(std::string("CaseNom").append(Colonnes[colonne].nom))
      .value_or("");
}

std::string NombreStat(double valeur, Langue langue) {
  const double arrondi = std::round(valeur * 10) / 10;
  char texte[32];
  if (arrondi == std::floor(arrondi))
    std::snprintf(texte, sizeof texte, "%.0f", arrondi);
  else
    std::snprintf(texte, sizeof texte, "%.1f", arrondi);
  std::string s(texte);
  if (langue == Langue::Francais)
    for (char& c : s)
      if (c == '.') c = ',';
  return s;
}

std::string ResumeStatistiques(const Statistiques& s, Langue langue) {
  const TextesStatistiques& t = TextesStats(langue);
  const std::string_view separateur = langue == Langue::Francais ? " : " : ": ";
  std::string texte;
  auto ligne = [&](std::string_view nom, const std::string& valeur) {
    if (!texte.empty()) texte += '\n';
    texte.append(nom).append(separateur).append(valeur);
  };
  ligne(t.parties, std::to_string(s.parties));
  ligne(t.abandonnees, std::to_string(s.abandonnees));
  if (!s.moyenne) return texte.append("\n").append(t.aucunePartie);
  ligne(t.moyenne, NombreStat(*s.moyenne, langue));
  ligne(t.mediane, NombreStat(*s.mediane, langue));
  ligne(t.meilleur, std::to_string(*s.meilleur));
  ligne(t.pire, std::to_string(*s.pire));
  return texte;
}

}  // namespace rolvex
