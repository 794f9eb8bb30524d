#include "records/data_files.h"

#include <algorithm>
#include <optional>

#include "records/windows1252.h"

namespace rolvex {
namespace {

using Octets = std::span<const std::uint8_t>;

std::optional<int16_t> LireMot(Octets fichier, std::size_t position) {
  if (position + 2 > fichier.size()) return std::nullopt;
  return static_cast<int16_t>(fichier[position] | fichier[position + 1] << 8);
}

void EcrireMot(std::vector<std::uint8_t>& fichier, int32_t valeur) {
  const auto mot = static_cast<std::uint16_t>(valeur);
  fichier.push_back(static_cast<std::uint8_t>(mot & 0xFF));
  fichier.push_back(static_cast<std::uint8_t>(mot >> 8));
}

template <typename T>
T Borne(T valeur, T bas, T haut, Reparations& reparations, Reparation si) {
  if (valeur >= bas && valeur <= haut) return valeur;
  reparations.Ajouter(si);
  return std::clamp(valeur, bas, haut);
}

// A name that the file does not hold whole is empty.
std::string LireNom(Octets fichier, int numero, Reparations& reparations) {
  const std::size_t debut = PositionEnregistrementNom(numero);
  const auto longueur = LireMot(fichier, debut);
  if (!longueur) {
    reparations.Ajouter(Reparation::NomsManquants);
    return {};
  }
  const auto texte = fichier.subspan(debut + 2);  // the padding is not significant
  if (*longueur >= 0 && static_cast<std::size_t>(*longueur) <= LongueurNomMax) {
    const auto n = static_cast<std::size_t>(*longueur);
    if (texte.size() < n) {
      reparations.Ajouter(Reparation::NomsManquants);
      return {};
    }
    return DepuisWindows1252({reinterpret_cast<const char*>(texte.data()), n});
  }
  // Beyond what a record can hold: keep what the record holds, up to where the padding
  // begins.
  reparations.Ajouter(Reparation::LongueurNomInvalide);
  const auto enregistre = texte.first(std::min(texte.size(), LongueurNomMax));
  const auto fin = std::find(enregistre.begin(), enregistre.end(), 0);
  return DepuisWindows1252({reinterpret_cast<const char*>(enregistre.data()),
                            static_cast<std::size_t>(fin - enregistre.begin())});
}

std::string EnWindows1252Borne(std::string_view nom) {
  std::string octets = VersWindows1252(nom);
  if (octets.size() > LongueurNomMax) octets.resize(LongueurNomMax);
  return octets;
}

}  // namespace

DonneesOptions CreerOptionsParDefaut(TirageUniforme& tirage) {
  DonneesOptions donnees;
  donnees.Scores = HighScoresParDefaut(tirage);
  return donnees;
}

std::string NomEnregistrable(std::string_view nom) {
  return DepuisWindows1252(EnWindows1252Borne(nom));
}

std::vector<std::uint8_t> EncoderFichierOptions(const DonneesOptions& donnees,
                                                std::span<const std::uint8_t> ancien) {
  std::vector<std::uint8_t> fichier;
  fichier.reserve(std::max(TailleFichierOptions, ancien.size()));
  EcrireMot(fichier, donnees.ModeJeu);
  EcrireMot(fichier, donnees.TypeDes);
  for (const auto& table : donnees.Scores) {
    for (const auto& place : table) {
      EcrireMot(fichier, place.score);
      EcrireMot(fichier, std::clamp(place.time, 0, TempsMaximum));
      EcrireMot(fichier, place.figures);
    }
  }
  // Whatever a longer file holds past our bytes is someone else's: leave it.
  if (ancien.size() > TailleFichierOptions) {
    fichier.insert(fichier.end(), ancien.begin() + TailleFichierOptions, ancien.end());
  }
  return fichier;
}

std::vector<std::uint8_t> EncoderFichierNoms(const DonneesOptions& donnees) {
  std::vector<std::uint8_t> fichier;
  fichier.reserve(TailleFichierNoms);
  auto ecrire = [&](std::string_view nom) {
    const std::string octets = EnWindows1252Borne(nom);
    EcrireMot(fichier, static_cast<int32_t>(octets.size()));
    fichier.insert(fichier.end(), octets.begin(), octets.end());
    fichier.insert(fichier.end(), LongueurNomMax - octets.size(), 0);
  };
  ecrire(donnees.NomJoueur);
  for (const auto& table : donnees.Scores) {
    for (const auto& place : table) ecrire(place.name);
  }
  return fichier;
}

Chargement DecoderFichiers(std::span<const std::uint8_t> fichierOptions,
                           std::span<const std::uint8_t> fichierNoms, TirageUniforme& tirage) {
  Chargement ch;
  const auto mode = LireMot(fichierOptions, 0);
  if (!mode || *mode == 0) {
    ch.resultat = ResultatChargement::OptionsParDefaut;
    ch.donnees = CreerOptionsParDefaut(tirage);
    return ch;
  }
  Reparations& r = ch.reparations;
  DonneesOptions& d = ch.donnees;

  if (!ModeValide(*mode)) {
    r.Ajouter(Reparation::ModeJeuInvalide);
    d.ModeJeu = 3;
  } else {
    d.ModeJeu = *mode;
  }
  if (const auto style = LireMot(fichierOptions, 2); !style) {
    r.Ajouter(Reparation::OptionsIncompletes);
  } else if (*style == faces::Classiques || *style == faces::Numeriques) {
    d.TypeDes = *style;
  } else {
    r.Ajouter(Reparation::TypeDesInvalide);
  }

  d.NomJoueur = LireNom(fichierNoms, 1, r);

  std::optional<HighScores> defauts;  // drawn only for a file cut short
  for (int m = 1; m <= NbModes; ++m) {
    const int16_t figuresMax = static_cast<int16_t>(NbFiguresBas * NbColonnesMode[m]);
    TableHighScore& table = d.Scores[m];
    for (int p = 1; p <= NbPlaces; ++p) {
      const std::size_t debut = PositionEnregistrementScore(m, p);
      const auto score = LireMot(fichierOptions, debut);
      const auto temps = LireMot(fichierOptions, debut + 2);
      const auto figures = LireMot(fichierOptions, debut + 4);
      if (!figures) {
        r.Ajouter(Reparation::OptionsIncompletes);
        if (!defauts) defauts = HighScoresParDefaut(tirage);
        table[p] = (*defauts)[m][p];
        continue;
      }
      table[p].score = *score;
      table[p].time = Borne<int32_t>(*temps, 0, TempsMaximum, r, Reparation::TempsHorsLimites);
      table[p].figures = Borne<int16_t>(*figures, 0, figuresMax, r, Reparation::FiguresHorsLimites);
      table[p].name = LireNom(fichierNoms, NumeroEnregistrementNom(m, p), r);
    }
    if (!EstEnOrdre(table)) {
      r.Ajouter(Reparation::TableEnDesordre);
      std::stable_sort(table.begin(), table.end(), ClasseAvant);
    }
  }

  ch.resultat = r.Aucune() ? ResultatChargement::Ok : ResultatChargement::Repare;
  return ch;
}

}  // namespace rolvex
