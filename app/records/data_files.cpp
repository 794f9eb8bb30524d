#include "app/records/data_files.h"

#include <algorithm>
#include <optional>

#include "app/records/windows1252.h"

namespace rolvex {
namespace {

using Octets = std::span<const std::uint8_t>;

// Figures 7..13 of a column are the ones a game counts as made.
constexpr int16_t NbFiguresBasColonne = NbFigures - figure::Maxi + 1;

std::optional<int16_t> LireMot(Octets fichier, std::size_t position) {
  if (position + 2 > fichier.size()) return std::nullopt;
  return static_cast<int16_t>(fichier[position] | fichier[position + 1] << 8);
}

void ÉcrireMot(std::vector<std::uint8_t>& fichier, int32_t valeur) {
  const auto mot = static_cast<std::uint16_t>(valeur);
  fichier.push_back(static_cast<std::uint8_t>(mot & 0xFF));
  fichier.push_back(static_cast<std::uint8_t>(mot >> 8));
}

template <typename T>
T Borné(T valeur, T bas, T haut, Réparations& réparations, Réparation si) {
  if (valeur >= bas && valeur <= haut) return valeur;
  réparations.Ajouter(si);
  return std::clamp(valeur, bas, haut);
}

// A name that the file does not hold whole is empty.
std::string LireNom(Octets fichier, int numéro, Réparations& réparations) {
  const std::size_t début = PositionEnregistrementNom(numéro);
  const auto longueur = LireMot(fichier, début);
  if (!longueur) {
    réparations.Ajouter(Réparation::NomsManquants);
    return {};
  }
  const auto texte = fichier.subspan(début + 2);  // the padding is not significant
  if (*longueur >= 0 && static_cast<std::size_t>(*longueur) <= LongueurNomMax) {
    const auto n = static_cast<std::size_t>(*longueur);
    if (texte.size() < n) {
      réparations.Ajouter(Réparation::NomsManquants);
      return {};
    }
    return DepuisWindows1252({reinterpret_cast<const char*>(texte.data()), n});
  }
  // Beyond what a record can hold: keep what the record holds, up to where the padding
  // begins.
  réparations.Ajouter(Réparation::LongueurNomInvalide);
  const auto enregistré = texte.first(std::min(texte.size(), LongueurNomMax));
  const auto fin = std::find(enregistré.begin(), enregistré.end(), 0);
  return DepuisWindows1252(
      {reinterpret_cast<const char*>(enregistré.data()),
       static_cast<std::size_t>(fin - enregistré.begin())});
}

std::string EnWindows1252Borné(std::string_view nom) {
  std::string octets = VersWindows1252(nom);
  if (octets.size() > LongueurNomMax) octets.resize(LongueurNomMax);
  return octets;
}

}  // namespace

DonnéesOptions CréerOptionsParDéfaut(TirageUniforme& tirage) {
  DonnéesOptions données;
  données.Scores = HighScoresParDéfaut(tirage);
  return données;
}

std::string NomEnregistrable(std::string_view nom) {
  return DepuisWindows1252(EnWindows1252Borné(nom));
}

std::vector<std::uint8_t> EncoderFichierOptions(const DonnéesOptions& données,
                                                std::span<const std::uint8_t> ancien) {
  std::vector<std::uint8_t> fichier;
  fichier.reserve(std::max(TailleFichierOptions, ancien.size()));
  ÉcrireMot(fichier, données.ModeJeu);
  ÉcrireMot(fichier, données.TypeDés);
  for (const auto& table : données.Scores) {
    for (const auto& place : table) {
      ÉcrireMot(fichier, place.score);
      ÉcrireMot(fichier, std::clamp(place.time, 0, TempsMaximum));
      ÉcrireMot(fichier, place.figures);
    }
  }
  // Whatever a longer file holds past our bytes is someone else's: leave it.
  if (ancien.size() > TailleFichierOptions) {
    fichier.insert(fichier.end(), ancien.begin() + TailleFichierOptions, ancien.end());
  }
  return fichier;
}

std::vector<std::uint8_t> EncoderFichierNoms(const DonnéesOptions& données) {
  std::vector<std::uint8_t> fichier;
  fichier.reserve(TailleFichierNoms);
  auto écrire = [&](std::string_view nom) {
    const std::string octets = EnWindows1252Borné(nom);
    ÉcrireMot(fichier, static_cast<int32_t>(octets.size()));
    fichier.insert(fichier.end(), octets.begin(), octets.end());
    fichier.insert(fichier.end(), LongueurNomMax - octets.size(), 0);
  };
  écrire(données.NomJoueur);
  for (const auto& table : données.Scores) {
    for (const auto& place : table) écrire(place.name);
  }
  return fichier;
}

Chargement DécoderFichiers(std::span<const std::uint8_t> fichierOptions,
                           std::span<const std::uint8_t> fichierNoms, TirageUniforme& tirage) {
  Chargement ch;
  const auto mode = LireMot(fichierOptions, 0);
  if (!mode || *mode == 0) {
    ch.résultat = RésultatChargement::OptionsParDéfaut;
    ch.données = CréerOptionsParDéfaut(tirage);
    return ch;
  }
  Réparations& r = ch.réparations;
  DonnéesOptions& d = ch.données;

  if (!ModeValide(*mode)) {
    r.Ajouter(Réparation::ModeJeuInvalide);
    d.ModeJeu = 3;
  } else {
    d.ModeJeu = *mode;
  }
  if (const auto style = LireMot(fichierOptions, 2); !style) {
    r.Ajouter(Réparation::OptionsIncomplètes);
  } else if (*style == 1 || *style == 2) {
    d.TypeDés = *style;
  } else {
    r.Ajouter(Réparation::TypeDésInvalide);
  }

  d.NomJoueur = LireNom(fichierNoms, 1, r);

  std::optional<HighScores> défauts;  // drawn only for a file cut short
  for (int m = 1; m <= NbModes; ++m) {
    const int16_t figuresMax = static_cast<int16_t>(NbFiguresBasColonne * NbColonnesMode[m]);
    TableHighScore& table = d.Scores[m];
    for (int p = 1; p <= NbPlaces; ++p) {
      const std::size_t début = PositionEnregistrementScore(m, p);
      const auto score = LireMot(fichierOptions, début);
      const auto temps = LireMot(fichierOptions, début + 2);
      const auto figures = LireMot(fichierOptions, début + 4);
      if (!figures) {
        r.Ajouter(Réparation::OptionsIncomplètes);
        if (!défauts) défauts = HighScoresParDéfaut(tirage);
        table[p] = (*défauts)[m][p];
        continue;
      }
      table[p].score = *score;
      table[p].time = Borné<int32_t>(*temps, 0, TempsMaximum, r, Réparation::TempsHorsLimites);
      table[p].figures =
          Borné<int16_t>(*figures, 0, figuresMax, r, Réparation::FiguresHorsLimites);
      table[p].name = LireNom(fichierNoms, NuméroEnregistrementNom(m, p), r);
    }
    if (!EstEnOrdre(table)) {
      r.Ajouter(Réparation::TableEnDésordre);
      std::stable_sort(table.begin(), table.end(), ClasséAvant);
    }
  }

  ch.résultat = r.Aucune() ? RésultatChargement::Ok : RésultatChargement::Réparé;
  return ch;
}

}  // namespace rolvex
