// The texts of the history: the statistics window, its CSV export, and the message that says
// the history could not be kept.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "history/history_db.h"
#include "history/statistics.h"
#include "texts/language_tables.h"

namespace rolvex {

// The history could not be written or read: which file, why, and that the game goes on without
// it.
std::string MessageEchecHistorique(const EchecHistorique& echec, Langue langue);

// The CSV sheet could not be written to `fichier`.
std::string MessageEchecExport(const std::filesystem::path& fichier, std::error_code erreur,
                               Langue langue);

// The captions of the statistics window.
struct TextesStatistiques {
  std::string_view titre;
  std::string_view mode;  // the label of the mode chooser
  std::string_view parties, abandonnees, moyenne, mediane, meilleur, pire;
  std::string_view aucunePartie;  // no finished game in the mode yet
  std::string_view courbe;        // the plot of the scores in order
  std::string_view scores;        // its line of each game's score
  std::string_view moyenneGlissante;
  std::string_view histogramme;
  std::string_view colonneFigure, faites, moyenneFigure, barrees;  // the figures' table
  std::string_view bonus, bonusHaut, bonusBas, bonusMaxiMini;
  std::string_view exporter, fermer, filtreCsv;
};
const TextesStatistiques& TextesStats(Langue langue);

// The name of a figure (1..13) and of a column (1..6) as the sheet writes them.
std::string NomFigureFeuille(int16_t figure, Langue langue);
std::string NomColonneFeuille(int16_t colonne, Langue langue);

// A number of the statistics as the window shows it: at most one decimal, none when whole, the
// language's decimal mark.
std::string NombreStat(double valeur, Langue langue);

// The numbers of the statistics window, one "label: value" a line joined by '\n': the games
// finished and given up, then mean, median, best and worst, or aucunePartie without a finished
// game.
std::string ResumeStatistiques(const Statistiques& s, Langue langue);

}  // namespace rolvex
