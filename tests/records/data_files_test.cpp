#include "records/data_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "records/windows1252.h"

namespace rolvex {
namespace {

using Octets = std::vector<std::uint8_t>;

void PoserMot(Octets& f, std::size_t i, int v) {
  f.at(i) = static_cast<std::uint8_t>(v);
  f.at(i + 1) = static_cast<std::uint8_t>(v >> 8);
}
Octets Debut(const Octets& f, std::size_t n) {
  return {f.begin(), f.begin() + static_cast<long>(std::min(n, f.size()))};
}

Chargement Decoder(const Octets& options, const Octets& noms) {
  HasardUniforme hasard(1);
  return DecoderFichiers(options, noms, hasard);
}
DonneesOptions Defauts() {
  HasardUniforme hasard(1);
  return CreerOptionsParDefaut(hasard);
}

// Options as a player may have them: mode 2, numerals, "Léa"; place p of mode m is "M<m>P<p>",
// 100 × m − p − 200 points in 60 + p seconds with p / 2 figures, so that every word differs.
DonneesOptions Saines() {
  DonneesOptions d{2, 2, "Léa", {}};
  for (int m = 1; m <= 3; ++m)
    for (int p = 1; p <= 10; ++p)
      d.Scores[m][p] = {'M' + std::to_string(m) + "P" + std::to_string(p),
                        static_cast<int16_t>(100 * m - p - 200), 60 + p,
                        static_cast<int16_t>(p / 2)};
  d.Scores[3][10].name = "Łukasz-Kowalski-Ż";  // as many characters as the file keeps, and more
  return d;
}
const Octets OptionsSaines = EncoderFichierOptions(Saines()),
             NomsSains = EncoderFichierNoms(Saines());

// 16-bit little-endian words: the mode, the style, then the 30 records of score, time and
// figures; 31 names records of a length word, one 1252 byte a character, at most 14, and zeros.
// The offset of every record is checked where a file cut short loses it, below. Times are
// written within the clock's 0..3599, and a longer older file keeps its bytes past 184. What is
// written reads back, names as NomEnregistrable shows them.
TEST(FichiersDonnees, WordsAreLittleEndianAndNamesOneByteACharacter) {
  EXPECT_EQ(Debut(OptionsSaines, 10), (Octets{2, 0, 2, 0, 0x9B, 0xFF, 61, 0, 0, 0}));
  EXPECT_EQ(Octets(OptionsSaines.begin() + 178, OptionsSaines.end()), (Octets{90, 0, 70, 0, 5, 0}));
  EXPECT_EQ(Debut(NomsSains, 16), (Octets{3, 0, 'L', 0xE9, 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(std::string(NomsSains.begin() + 480, NomsSains.end()),
            std::string("\x0E\0?ukasz-Kowalsk", 16));
  ASSERT_EQ(NomsSains.size(), 496u);
  DonneesOptions relu = Saines();
  relu.Scores[3][10].name = "?ukasz-Kowalsk";
  EXPECT_EQ(NomEnregistrable(Saines().Scores[3][10].name), relu.Scores[3][10].name);
  const Chargement ch = Decoder(OptionsSaines, NomsSains);
  EXPECT_EQ(ch.resultat, ResultatChargement::Ok);
  EXPECT_EQ(ch.donnees, relu);

  relu.Scores[1][1].time = -5, relu.Scores[3][10].time = 70000;
  Octets plus = OptionsSaines;
  PoserMot(plus, 6, 0), PoserMot(plus, 180, 3599);
  EXPECT_EQ(EncoderFichierOptions(relu, Debut(plus, 100)), plus);
  plus.insert(plus.end(), {0xDE, 0xAD, 0x00});
  EXPECT_EQ(EncoderFichierOptions(relu, plus), plus);
}

// Whatever bytes the files hold, reading gives a mode and style in range and tables in ranking
// order with every value in range; written back, they read again unchanged and unrepaired.
TEST(DecoderFichiers, AnyBytesReadAsValidOptionsThatWriteBackToAFixedPoint) {
  std::mt19937 g(7);
  auto octets = [&](std::size_t n) {  // half of them small, so that words are often in range
    Octets f(n);
    for (auto& o : f) o = static_cast<std::uint8_t>(g() % 2 ? g() % 4 : g());
    return f;
  };
  for (int essai = 0; essai < 3000; ++essai) {
    const Octets options = octets(g() % 200), noms = octets(g() % 520);
    const Chargement ch = Decoder(options, noms);
    const DonneesOptions& d = ch.donnees;
    EXPECT_TRUE(ch.resultat != ResultatChargement::OptionsParDefaut || d == Defauts());
    EXPECT_TRUE(d.ModeJeu >= 1 && d.ModeJeu <= 3 && (d.TypeDes == 1 || d.TypeDes == 2));
    for (int m = 1; m <= NbModes; ++m) {
      EXPECT_TRUE(EstEnOrdre(d.Scores[m]));
      for (const auto& e : d.Scores[m])
        EXPECT_TRUE(e.time >= 0 && e.time <= 3599 && e.figures >= 0 &&
                    e.figures <= 7 * NbColonnesMode[m] && VersWindows1252(e.name).size() <= 14);
    }
    const Chargement relu = Decoder(EncoderFichierOptions(d, options), EncoderFichierNoms(d));
    EXPECT_EQ(relu.resultat, ResultatChargement::Ok);
    EXPECT_EQ(relu.donnees, d);
  }
}

// A word out of range is brought to its nearest bound, the mode word to 3 and the style word to
// pips; a word in range is no damage. A mode word 0 means no options: the defaults.
TEST(DecoderFichiers, BringsEachWordOutOfRangeBackAndReportsIt) {
  using enum Reparation;
  const auto place = [](int m, int p, int mot) {
    return PositionEnregistrementScore(m, p) + 2 * mot;
  };
  const struct {
    std::size_t position;
    int bas, haut, repare;  // repare: the value of a word out of range, -1 for the nearest bound
    Reparation reparation;
  } mots[] = {{0, 1, 3, 3, ModeJeuInvalide},
              {2, 1, 2, 1, TypeDesInvalide},
              {place(1, 1, 1), 0, 3599, -1, TempsHorsLimites},
              {place(3, 10, 1), 0, 3599, -1, TempsHorsLimites},
              {place(1, 4, 2), 0, 7, -1, FiguresHorsLimites},
              {place(2, 1, 2), 0, 21, -1, FiguresHorsLimites},
              {place(3, 10, 2), 0, 42, -1, FiguresHorsLimites}};
  for (const auto& [position, bas, haut, repare, reparation] : mots) {
    for (int mot : {-32768, bas - 1, bas, haut, haut + 1, 32767}) {
      Octets options = OptionsSaines, attendu = OptionsSaines;
      PoserMot(options, position, mot);
      const bool dansLesBornes = mot >= bas && mot <= haut;
      PoserMot(attendu, position,
               dansLesBornes ? mot
               : repare >= 0 ? repare
                             : std::clamp(mot, bas, haut));
      const Chargement ch = Decoder(options, NomsSains);
      Reparations reparations;
      if (!dansLesBornes) reparations.Ajouter(reparation);
      if (position == 0 && mot == 0) {
        EXPECT_TRUE(ch.resultat == ResultatChargement::OptionsParDefaut &&
                    ch.reparations.Aucune() && ch.donnees == Defauts());
        continue;
      }
      EXPECT_EQ(ch.resultat, dansLesBornes ? ResultatChargement::Ok : ResultatChargement::Repare);
      EXPECT_EQ(ch.reparations, reparations) << position << " " << mot;
      EXPECT_EQ(EncoderFichierOptions(ch.donnees), attendu) << position << " " << mot;
    }
  }
}

// A table out of order is sorted again with its names, ties keeping their order in the file.
TEST(DecoderFichiers, SortsATableOutOfOrderTiesInFileOrder) {
  Octets options = OptionsSaines;
  PoserMot(options, PositionEnregistrementScore(2, 8), 500);
  for (int p : {4, 7}) PoserMot(options, PositionEnregistrementScore(1, p), 400);
  const Chargement ch = Decoder(options, NomsSains);
  Reparations desordre;
  desordre.Ajouter(Reparation::TableEnDesordre);
  EXPECT_EQ(ch.reparations, desordre);
  std::string noms;
  for (int m : {1, 2})
    for (const auto& e : ch.donnees.Scores[m]) noms += e.name + " ";
  EXPECT_EQ(noms,
            "M1P4 M1P7 M1P1 M1P2 M1P3 M1P5 M1P6 M1P8 M1P9 M1P10 "
            "M2P8 M2P1 M2P2 M2P3 M2P4 M2P5 M2P6 M2P7 M2P9 M2P10 ");
}

// Files cut short keep what is whole. A place whose record is cut takes the default entry,
// name included; a missing style word gives pips; each name not held whole is empty. Without a
// whole mode word there are no options at all: the defaults of a first run.
TEST(DecoderFichiers, FilesCutShortKeepWhatIsWhole) {
  const HighScores defauts = Defauts().Scores;
  for (std::size_t n = 0; n <= 496; ++n) {
    const std::size_t o = std::min<std::size_t>(n, 184);
    const Chargement ch = Decoder(Debut(OptionsSaines, o), Debut(NomsSains, n));
    if (n < 2) {
      EXPECT_TRUE(ch.resultat == ResultatChargement::OptionsParDefaut && ch.reparations.Aucune() &&
                  ch.donnees == Defauts());
      continue;
    }
    DonneesOptions attendu = Saines();
    bool manque = false;
    auto nom = [&](std::string& texte, int r) {
      const std::size_t fin =
          16 * static_cast<std::size_t>(r - 1) + 2 + VersWindows1252(texte).size();
      texte = std::min<std::size_t>(fin, 16 * static_cast<std::size_t>(r)) <= n
                  ? NomEnregistrable(texte)
                  : "";
      manque = manque || texte.empty();
    };
    nom(attendu.NomJoueur, 1);
    if (n < 4) attendu.TypeDes = 1;
    for (int m = 1; m <= NbModes; ++m) {
      for (int p = 1; p <= NbPlaces; ++p) {
        if (4 + 6 * static_cast<std::size_t>(10 * (m - 1) + p) > o)
          attendu.Scores[m][p] = defauts[m][p];
        else
          nom(attendu.Scores[m][p].name, 1 + 10 * (m - 1) + p);
      }
      std::stable_sort(attendu.Scores[m].begin(), attendu.Scores[m].end(), ClasseAvant);
    }
    EXPECT_EQ(ch.donnees, attendu) << n;
    EXPECT_EQ(ch.reparations.Contient(Reparation::OptionsIncompletes), o < 184) << n;
    EXPECT_EQ(ch.reparations.Contient(Reparation::NomsManquants), manque) << n;
  }
}

// A length word outside 0..14: the name is what its record holds, up to the first zero byte.
TEST(DecoderFichiers, ALengthWordBeyond14KeepsWhatTheRecordHoldsUpToItsPadding) {
  const struct {
    int mode, place, longueur;
    std::string_view octets, nom;
  } cas[] = {{1, 1, 200, "Bernad\xE9tte", "Bernadétte"},
             {1, 2, -1, "Abcdefghijklmn", "Abcdefghijklmn"},
             {3, 9, 15, "Abcdefghijklmn", "Abcd"}};  // in a record cut after 4 bytes
  for (const auto& [mode, place, longueur, octets, nom] : cas) {
    Octets noms = NomsSains;
    const std::size_t debut = PositionEnregistrementNom(NumeroEnregistrementNom(mode, place));
    PoserMot(noms, debut, longueur);
    std::copy(octets.begin(), octets.end(), noms.begin() + static_cast<long>(debut) + 2);
    if (mode == 3) noms.resize(debut + 2 + 4);
    const Chargement ch = Decoder(OptionsSaines, noms);
    EXPECT_TRUE(ch.reparations.Contient(Reparation::LongueurNomInvalide));
    EXPECT_EQ(ch.donnees.Scores[mode][place].name, nom);
  }
}

}  // namespace
}  // namespace rolvex
