#include "history/csv.h"

#include <cerrno>
#include <fstream>

namespace rolvex {

namespace {

// A field with a separator, a quote or a line break is quoted, its quotes doubled.
void AjouterTexte(std::string& ligne, std::string_view texte) {
  if (texte.find_first_of(",\"\r\n") == std::string_view::npos) {
    ligne += texte;
    return;
  }
  ligne += '"';
  for (char c : texte) {
    if (c == '"') ligne += '"';
    ligne += c;
  }
  ligne += '"';
}

template <typename... Champs>
void Ajouter(std::string& ligne, const Champs&... champs) {
  ((ligne += champs, ligne += ','), ...);
}

}  // namespace

std::string EnCsv(std::span<const PartieJouee> parties) {
  std::string csv = "date,mode,name,abandoned,score,figures,seconds,language,coach";
  for (int c = 1; c <= NbColonnesMax; ++c) {
    const std::string k = std::string(1, 'c').append(std::to_string(c));
    for (const char* total : {"_upper", "_upper_bonus", "_lower", "_lower_bonus"})
      csv.append(",").append(k).append(total);
  }
  for (int c = 1; c <= NbColonnesMax; ++c)
    for (int f = 1; f <= NbFigures; ++f)
      csv.append(",c").append(std::to_string(c)).append("_f").append(std::to_string(f));
  csv += "\r\n";
  for (const PartieJouee& p : parties) {
    std::string ligne;
    AjouterTexte(ligne, p.quand);
    ligne += ",";
    ligne += std::to_string(p.mode);
    ligne += ",";
    AjouterTexte(ligne, p.nom);
    ligne += ',';
    Ajouter(ligne, std::to_string(p.abandonnee), std::to_string(p.score), std::to_string(p.figures),
            std::to_string(p.secondes));
    AjouterTexte(ligne, p.langue);
    ligne += ',';
    ligne += std::to_string(p.conseil);
    for (const TotauxColonne& t : p.totaux) {
      ligne += ',';
      Ajouter(ligne, std::to_string(t.haut), std::to_string(t.bonusHaut), std::to_string(t.bas));
      ligne += std::to_string(t.bonusBas);
    }
    for (const auto& colonne : p.cases)
      for (const std::optional<int16_t>& k : colonne) {
        ligne += ',';
        if (k) ligne += std::to_string(*k);
      }
    csv += ligne;
    csv += "\r\n";
  }
  return csv;
}

std::error_code EcrireCsv(const std::filesystem::path& fichier,
                          std::span<const PartieJouee> parties) {
  const std::string csv = EnCsv(parties);
  errno = 0;
  std::ofstream sortie(fichier, std::ios::binary | std::ios::trunc);
  if (sortie) sortie.write(csv.data(), static_cast<std::streamsize>(csv.size()));
  if (sortie) sortie.close();
  if (sortie) return {};
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

}  // namespace rolvex
