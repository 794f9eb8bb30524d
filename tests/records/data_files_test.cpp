#include "records/data_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "records/windows1252.h"

namespace rolvex {
namespace {

using Octets = std::vector<std::uint8_t>;

std::optional<int> LireMot(const Octets& f, std::size_t i) {
  if (i + 2 > f.size()) return std::nullopt;
  return static_cast<int16_t>(f[i] | f[i + 1] << 8);
}
void PoserMot(Octets& f, std::size_t i, int v) {
  f.at(i) = static_cast<std::uint8_t>(v);
  f.at(i + 1) = static_cast<std::uint8_t>(v >> 8);
}
Chargement Decoder(const Octets& options, const Octets& noms) {
  HasardUniforme hasard(1);
  return DecoderFichiers(options, noms, hasard);
}
const DonneesOptions Defauts = [] {
  HasardUniforme hasard(1);
  return CreerOptionsParDefaut(hasard);
}();

// What is written reads back unrepaired: names one 1252 byte a character, at most 14, as
// NomEnregistrable shows them, zeros after them; times within the clock's 0..3599. A longer
// older options file keeps its bytes past 184. The layout itself is checked by reading, below.
TEST(FichiersDonnees, WhatIsWrittenReadsBackAsTheFilesKeepIt) {
  DonneesOptions d = Defauts;
  d.NomJoueur = "Léa", d.Scores[3][10].name = "Łukasz-Kowalski-Ż";
  d.Scores[1][1].time = -5, d.Scores[3][10].time = 70000;
  const Octets noms = EncoderFichierNoms(d), options = EncoderFichierOptions(d, Octets(200, 7));
  ASSERT_EQ(noms.size(), 496u);
  EXPECT_EQ(Octets(noms.begin(), noms.begin() + 16),
            (Octets{3, 0, 'L', 0xE9, 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(std::string(noms.begin() + 480, noms.end()), std::string("\x0E\0?ukasz-Kowalsk", 16));
  EXPECT_EQ(Octets(options.begin() + 184, options.end()), Octets(16, 7));
  EXPECT_EQ(EncoderFichierOptions(d, Octets(100, 7)),
            Octets(options.begin(), options.begin() + 184));
  const Chargement ch = Decoder(options, noms);
  d.Scores[3][10].name = NomEnregistrable(d.Scores[3][10].name);
  d.Scores[1][1].time = 0, d.Scores[3][10].time = 3599;
  EXPECT_EQ(d.Scores[3][10].name, "?ukasz-Kowalsk");
  EXPECT_EQ(ch.resultat, ResultatChargement::Ok);
  EXPECT_EQ(ch.donnees, d);
}

// The reading of the two files, written apart from the decoder. No options (no whole mode word,
// or 0) are the defaults of a first run. A mode word out of 1..3 gives 3, a style word out of
// 1..2 pips; times and figures out of range go to their nearest bound; a place whose record is
// cut takes the default entry. A name not held whole is empty; a length word out of 0..14 keeps
// what the record holds up to its padding. A table out of order is sorted again, ties keeping
// their order in the file.
Chargement Attendu(const Octets& options, const Octets& noms) {
  using enum Reparation;
  Chargement ch{ResultatChargement::OptionsParDefaut, {}, Defauts};
  Reparations& r = ch.reparations;
  const auto mode = LireMot(options, 0), style = LireMot(options, 2);
  if (!mode || *mode == 0) return ch;
  const auto borne = [&](int v, int haut, Reparation si) {
    if (v < 0 || v > haut) r.Ajouter(si);
    return std::clamp(v, 0, haut);
  };
  const auto nom = [&](std::size_t numero) -> std::string {
    const std::size_t debut = 16 * (numero - 1);
    const auto longueur = LireMot(noms, debut);
    const bool valide = longueur && *longueur >= 0 && *longueur <= 14;
    if (!longueur || (valide && noms.size() < debut + 2 + std::size_t(*longueur))) {
      r.Ajouter(NomsManquants);
      return "";
    }
    const std::string octets(noms.begin() + long(debut) + 2,
                             noms.begin() + long(std::min(noms.size(), debut + 16)));
    if (valide) return DepuisWindows1252(octets.substr(0, std::size_t(*longueur)));
    r.Ajouter(LongueurNomInvalide);
    return DepuisWindows1252(octets.substr(0, octets.find('\0')));
  };
  DonneesOptions& d = ch.donnees;
  const bool modeValide = *mode >= 1 && *mode <= 3,
             styleValide = style && (*style == 1 || *style == 2);
  if (!modeValide) r.Ajouter(ModeJeuInvalide);
  if (!style) r.Ajouter(OptionsIncompletes);
  if (style && !styleValide) r.Ajouter(TypeDesInvalide);
  d.ModeJeu = static_cast<int16_t>(modeValide ? *mode : 3);
  d.TypeDes = static_cast<int16_t>(styleValide ? *style : 1);
  d.NomJoueur = nom(1);
  for (int m = 1; m <= NbModes; ++m) {
    for (int p = 1; p <= NbPlaces; ++p) {
      const std::size_t i = 4 + 6 * std::size_t(10 * (m - 1) + p - 1);
      if (!LireMot(options, i + 4)) {
        r.Ajouter(OptionsIncompletes);
        continue;
      }
      d.Scores[m][p] = {
          nom(std::size_t(1 + 10 * (m - 1) + p)), int16_t(*LireMot(options, i)),
          borne(*LireMot(options, i + 2), 3599, TempsHorsLimites),
          int16_t(borne(*LireMot(options, i + 4), 7 * NbColonnesMode[m], FiguresHorsLimites))};
    }
    if (!std::is_sorted(d.Scores[m].begin(), d.Scores[m].end(), ClasseAvant)) {
      r.Ajouter(TableEnDesordre);
      std::stable_sort(d.Scores[m].begin(), d.Scores[m].end(), ClasseAvant);
    }
  }
  ch.resultat = r.Aucune() ? ResultatChargement::Ok : ResultatChargement::Repare;
  return ch;
}

// Whatever bytes the files hold, whole, longer or cut short, with words at the edges of their
// ranges and ties in the tables, they read as the layout says; written back, they read again
// unchanged and unrepaired.
TEST(DecoderFichiers, ReadsAnyBytesAsTheLayoutSaysAndWritesThemBackToAFixedPoint) {
  std::mt19937 g(7);
  const int notables[] = {-32768, -1, 0, 1, 2, 3, 4, 7, 8, 14, 15, 21, 22, 42, 43, 3599, 3600};
  const auto fichier = [&](std::size_t n) {
    Octets f(n + 1);
    for (std::size_t i = 0; i < n; i += 2) PoserMot(f, i, g() % 2 ? notables[g() % 17] : int(g()));
    f.resize(n);
    return f;
  };
  for (int essai = 0; essai < 4000; ++essai) {
    const Octets options = fichier(g() % 3 ? 184 + g() % 4 : g() % 184),
                 noms = fichier(g() % 3 ? 496 : g() % 496);
    const Chargement ch = Decoder(options, noms), attendu = Attendu(options, noms);
    EXPECT_EQ(ch.resultat, attendu.resultat) << essai;
    EXPECT_EQ(ch.reparations, attendu.reparations) << essai;
    EXPECT_EQ(ch.donnees, attendu.donnees) << essai;
    const Chargement relu =
        Decoder(EncoderFichierOptions(ch.donnees, options), EncoderFichierNoms(ch.donnees));
    EXPECT_TRUE(relu.resultat == ResultatChargement::Ok && relu.donnees == ch.donnees) << essai;
  }
}

}  // namespace
}  // namespace rolvex
