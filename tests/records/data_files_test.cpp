#include "records/data_files.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "tirage_fixe.h"

namespace rolvex {
namespace {

using Octets = std::vector<std::uint8_t>;

int Mot(const Octets& f, std::size_t position) {
  return static_cast<int16_t>(f.at(position) | f.at(position + 1) << 8);
}
void PoserMot(Octets& f, std::size_t position, int valeur) {
  f.at(position) = static_cast<std::uint8_t>(valeur & 0xFF);
  f.at(position + 1) = static_cast<std::uint8_t>((valeur >> 8) & 0xFF);
}
std::string_view Texte(const Octets& f, std::size_t position, std::size_t n) {
  return {reinterpret_cast<const char*>(f.data() + position), n};
}
void PoserNom(Octets& f, int enregistrement, std::string_view octets1252) {
  const std::size_t debut = 16 * static_cast<std::size_t>(enregistrement - 1);
  PoserMot(f, debut, static_cast<int>(octets1252.size()));
  for (std::size_t i = 0; i < octets1252.size(); ++i)
    f.at(debut + 2 + i) = static_cast<std::uint8_t>(octets1252[i]);
}

// Files made by hand, and what they hold: mode 2, numerals, the player "Léa", place p of
// mode m named "M<m>P<p>" scoring 100 × m − p in 60 + p seconds with p / 2 figures.
Octets OptionsALaMain() {
  Octets f(TailleFichierOptions, 0);
  PoserMot(f, 0, 2);
  PoserMot(f, 2, 2);
  std::size_t position = 4;
  for (int m = 1; m <= 3; ++m) {
    for (int p = 1; p <= 10; ++p, position += 6) {
      PoserMot(f, position, 100 * m - p);
      PoserMot(f, position + 2, 60 + p);
      PoserMot(f, position + 4, p / 2);
    }
  }
  return f;
}
Octets NomsALaMain() {
  Octets f(TailleFichierNoms, 0);
  PoserNom(f, 1,
           "L\xE9"
           "a");
  int enregistrement = 2;
  for (int m = 1; m <= 3; ++m)
    for (int p = 1; p <= 10; ++p)
      PoserNom(f, enregistrement++, 'M' + std::to_string(m) + "P" + std::to_string(p));
  return f;
}
DonneesOptions DonneesALaMain() {
  DonneesOptions d{2, 2, "Léa", {}};
  for (int m = 1; m <= 3; ++m)
    for (int p = 1; p <= 10; ++p)
      d.Scores[m][p] = {'M' + std::to_string(m) + "P" + std::to_string(p),
                        static_cast<int16_t>(100 * m - p), 60 + p, static_cast<int16_t>(p / 2)};
  return d;
}

Chargement Decoder(const Octets& options, const Octets& noms = NomsALaMain()) {
  TirageFixe tirage(0.0);
  return DecoderFichiers(options, noms, tirage);
}

DonneesOptions DefautsAZero() {
  TirageFixe tirage(0.0);
  return CreerOptionsParDefaut(tirage);
}

Reparations Liste(std::initializer_list<Reparation> liste) {
  Reparations r;
  for (Reparation x : liste) r.Ajouter(x);
  return r;
}

// The files' layout: the hand-made files of the reading tests are written back byte for
// byte; here, what those files do not hold. The options file keeps whatever an older, longer
// file held past our 184 bytes, writes negative scores as they are and times within 0..3599.
TEST(FichierOptions, WritesNegativeScoresAndBoundedTimesAndKeepsAnOlderFilesTail) {
  DonneesOptions d = DefautsAZero();
  d.Scores[1][2].time = -5;
  d.Scores[3][10] = {"Zoé", -2, 70000, 41};
  const Octets f = EncoderFichierOptions(d);
  ASSERT_EQ(f.size(), 184u);
  EXPECT_EQ(Octets(f.begin(), f.begin() + 4), (Octets{3, 0, 1, 0})) << "a first run: mode 3, pips";
  EXPECT_EQ(Mot(f, 12), 0);
  EXPECT_EQ(PositionEnregistrementScore(3, 10), 178u);
  EXPECT_EQ(Octets(f.begin() + 178, f.end()), (Octets{0xFE, 0xFF, 0x0F, 0x0E, 0x29, 0x00}));

  Octets ancien = OptionsALaMain();
  ancien.insert(ancien.end(), {0xDE, 0xAD, 0x00, 0xBE, 0xEF});
  Octets attendu = f;
  attendu.insert(attendu.end(), {0xDE, 0xAD, 0x00, 0xBE, 0xEF});
  EXPECT_EQ(EncoderFichierOptions(d, ancien), attendu);
  EXPECT_EQ(EncoderFichierOptions(d, Octets(100, 0xAA)), f) << "nothing of a shorter file";
}

// The names file: 31 records of a length word and the name's 1252 bytes, zero padded; the
// player first, empty on a first run.
TEST(FichierNoms, WritesTheLastRecordAt480AndAFirstRunWithoutPlayer) {
  DonneesOptions d = DefautsAZero();
  d.Scores[3][10].name = "Œdipe";
  const Octets f = EncoderFichierNoms(d);
  ASSERT_EQ(f.size(), 496u);
  EXPECT_EQ(Octets(f.begin(), f.begin() + 16), Octets(16, 0));
  EXPECT_EQ(NumeroEnregistrementNom(3, 10), 31);
  EXPECT_EQ(PositionEnregistrementNom(31), 480u);
  EXPECT_EQ(Octets(f.begin() + 480, f.end()),
            (Octets{5, 0, 0x8C, 'd', 'i', 'p', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(FichierNoms, CutsAt14CharactersAndWritesWhatItCannotHoldAsQuestionMarks) {
  DonneesOptions d = DefautsAZero();
  d.NomJoueur = "Abcdefghijklmé";  // 14 characters, 15 UTF-8 bytes
  d.Scores[1][1].name = "Abcdefghijklmnéé";
  d.Scores[1][2].name = "Łucja";
  const Octets f = EncoderFichierNoms(d);
  EXPECT_EQ(f.size(), 496u);
  EXPECT_EQ(Mot(f, 0), 14);
  EXPECT_EQ(Texte(f, 2, 14), "Abcdefghijklm\xE9");
  EXPECT_EQ(Mot(f, 16), 14);
  EXPECT_EQ(Texte(f, 18, 14), "Abcdefghijklmn");
  EXPECT_EQ(Mot(f, 32), 5);
  EXPECT_EQ(Texte(f, 34, 5), "?ucja");
}

TEST(NomEnregistrable, ShowsTheNameAsTheFileWillGiveItBack) {
  EXPECT_EQ(NomEnregistrable("Zoé"), "Zoé");
  EXPECT_EQ(NomEnregistrable("Łucja"), "?ucja");
  EXPECT_EQ(NomEnregistrable("Ébène-Œillette-Ÿ"), "Ébène-Œillette");
}

// Reading: sound files come back as they were written by hand, and write back the same.
TEST(DecoderFichiers, ReadsHandMadeFilesAsTheyStandAndWritesThemBackByteForByte) {
  const Octets options = OptionsALaMain();
  const Octets noms = NomsALaMain();
  const Chargement ch = Decoder(options, noms);
  EXPECT_EQ(ch.resultat, ResultatChargement::Ok);
  EXPECT_TRUE(ch.reparations.Aucune());
  EXPECT_EQ(ch.donnees, DonneesALaMain());
  EXPECT_EQ(EncoderFichierOptions(ch.donnees, options), options);
  EXPECT_EQ(EncoderFichierNoms(ch.donnees), noms);

  // Bytes past either file are no damage; negative scores are scores; a name fills 14 bytes.
  Octets longues = options, longs = noms;
  PoserNom(longs, 1, "Abcdefghijklmn");
  longues.resize(300, 0x55);
  longs.resize(600, 0x55);
  PoserMot(longues, PositionEnregistrementScore(1, 10), -300);
  const Chargement plus = Decoder(longues, longs);
  EXPECT_EQ(plus.resultat, ResultatChargement::Ok);
  EXPECT_EQ(plus.donnees.Scores[1][10].score, -300);
  EXPECT_EQ(plus.donnees.NomJoueur, "Abcdefghijklmn");
}

// No options at all (absent, empty, no whole mode word, or mode word 0): the defaults of a
// first run, whatever follows and whatever the names, to be written at once.
TEST(DecoderFichiers, NoOptionsGiveTheDefaults) {
  Octets motZero = OptionsALaMain();
  PoserMot(motZero, 0, 0);
  for (const Octets& options : {Octets{}, Octets{2}, motZero}) {
    const Chargement ch = Decoder(options);
    EXPECT_EQ(ch.resultat, ResultatChargement::OptionsParDefaut) << options.size();
    EXPECT_EQ(ch.donnees, DefautsAZero()) << options.size();
    EXPECT_TRUE(ch.reparations.Aucune()) << options.size();
  }
}

// Damage: each field is repaired on its own, the rest of the player's data is kept, and
// what was repaired, written back, reads without repair.
struct Degats {
  const char* cas;
  Octets options = OptionsALaMain();
  Octets noms = NomsALaMain();
  DonneesOptions attendu = DonneesALaMain();
};

void VerifierRepare(const Degats& d, std::initializer_list<Reparation> reparations) {
  SCOPED_TRACE(d.cas);
  const Chargement ch = Decoder(d.options, d.noms);
  EXPECT_EQ(ch.resultat, ResultatChargement::Repare);
  EXPECT_EQ(ch.reparations, Liste(reparations));
  EXPECT_EQ(ch.donnees, d.attendu);
  const Chargement relu =
      Decoder(EncoderFichierOptions(ch.donnees, d.options), EncoderFichierNoms(ch.donnees));
  EXPECT_EQ(relu.resultat, ResultatChargement::Ok);
  EXPECT_EQ(relu.donnees, ch.donnees);
}

TEST(DecoderFichiers, AModeWordOutside1To3GivesMode3AndAStyleWordOutside1To2Pips) {
  for (int mot : {4, -1, 0x7FFF}) {
    Degats d{"mode"};
    PoserMot(d.options, 0, mot);
    d.attendu.ModeJeu = 3;
    VerifierRepare(d, {Reparation::ModeJeuInvalide});
  }
  for (int mot : {0, 3, -2}) {
    Degats d{"style"};
    PoserMot(d.options, 2, mot);
    d.attendu.TypeDes = 1;
    VerifierRepare(d, {Reparation::TypeDesInvalide});
  }
}

TEST(DecoderFichiers, AShortOptionsFileKeepsItsWholeRecordsAndTakesDefaultsForTheRest) {
  const DonneesOptions defauts = DefautsAZero();
  Degats d{"16 whole records, the 17th cut one byte short"};
  d.options.resize(4 + 6 * 16 + 5);
  // Places 7 to 10 of mode 2 lost their numbers: the default entries, names with them,
  // which outrank these low scores once the table is sorted again.
  TableHighScore& mode2 = d.attendu.Scores[2];
  for (int p = 10; p >= 5; --p) mode2[p] = mode2[p - 4];
  for (int p = 1; p <= 4; ++p) mode2[p] = defauts.Scores[2][p + 6];
  d.attendu.Scores[3] = defauts.Scores[3];
  VerifierRepare(d, {Reparation::OptionsIncompletes, Reparation::TableEnDesordre});

  Degats seul{"the mode word alone: pips and the default tables"};
  seul.options = {1, 0};
  seul.attendu = defauts;
  seul.attendu.ModeJeu = 1;
  seul.attendu.NomJoueur = "Léa";
  VerifierRepare(seul, {Reparation::OptionsIncompletes});
}

TEST(DecoderFichiers, TimesAndFiguresOutOfRangeGoToTheNearestBound) {
  Degats d{"times below 0 and above 3599, figures beyond 7 per column of the mode"};
  const std::tuple<int, int, int, int> champs[] = {
      // mode, place, word, value
      {1, 1, 1, -30}, {1, 10, 1, 6000}, {1, 1, 2, 8}, {2, 1, 2, 21}, {3, 1, 2, -4}, {3, 2, 2, 43}};
  for (auto [m, p, mot, valeur] : champs)
    PoserMot(d.options, PositionEnregistrementScore(m, p) + 2 * mot, valeur);
  d.attendu.Scores[1][1].time = 0;
  d.attendu.Scores[1][10].time = 3599;
  d.attendu.Scores[1][1].figures = 7;
  d.attendu.Scores[2][1].figures = 21;
  d.attendu.Scores[3][1].figures = 0;
  d.attendu.Scores[3][2].figures = 42;
  VerifierRepare(d, {Reparation::TempsHorsLimites, Reparation::FiguresHorsLimites});
}

TEST(DecoderFichiers, ATableOutOfOrderIsSortedWithItsNamesTiesInTheirFileOrder) {
  Degats d{"M2P8 now the best of mode 2"};
  PoserMot(d.options, PositionEnregistrementScore(2, 8), 500);
  TableHighScore& mode2 = d.attendu.Scores[2];
  const HighScoreEntry huit{"M2P8", 500, 68, 4};
  for (int p = 8; p >= 2; --p) mode2[p] = mode2[p - 1];
  mode2[1] = huit;
  VerifierRepare(d, {Reparation::TableEnDesordre});
  HighScores s = d.attendu.Scores;
  EXPECT_EQ(InsertionHighScore(s, 2, {"Neuf", 196, 60, 0}), 5) << "a new game finds its place";

  // Places 4 and 7 tie at the top; 4 came first in the file, so it stays above.
  Degats egaux{"two ties at the top"};
  for (int p : {4, 7}) {
    PoserMot(egaux.options, PositionEnregistrementScore(1, p), 400);
    PoserMot(egaux.options, PositionEnregistrementScore(1, p) + 2, 50);
  }
  const Chargement ch = Decoder(egaux.options);
  EXPECT_EQ(ch.donnees.Scores[1][1].name, "M1P4");
  EXPECT_EQ(ch.donnees.Scores[1][2].name, "M1P7");

  // Equal results in either order are no damage.
  Octets options = OptionsALaMain();
  PoserMot(options, PositionEnregistrementScore(1, 2), 99);
  PoserMot(options, PositionEnregistrementScore(1, 2) + 2, 61);
  EXPECT_EQ(Decoder(options).resultat, ResultatChargement::Ok);
}

TEST(DecoderFichiers, AnAbsentOrShortNamesFileEmptiesOnlyTheNamesItDoesNotHoldWhole) {
  Degats absent{"no names file"};
  absent.noms.clear();
  absent.attendu.NomJoueur = "";
  for (auto& table : absent.attendu.Scores)
    for (auto& place : table) place.name = "";
  VerifierRepare(absent, {Reparation::NomsManquants});

  Degats court{"record 4 (M1P3) lacks its last byte"};
  court.noms.resize(16 * 3 + 2 + 3);
  court.attendu.Scores = absent.attendu.Scores;
  court.attendu.Scores[1][1].name = "M1P1";
  court.attendu.Scores[1][2].name = "M1P2";
  VerifierRepare(court, {Reparation::NomsManquants});

  Octets noms = NomsALaMain();
  noms.resize(480 + 2 + 5);  // "M3P10" and nothing after it: cut only in its padding
  const Chargement remplissage = Decoder(OptionsALaMain(), noms);
  EXPECT_EQ(remplissage.resultat, ResultatChargement::Ok);
  EXPECT_EQ(remplissage.donnees.Scores[3][10].name, "M3P10");
}

TEST(DecoderFichiers, ALengthWordAbove14KeepsWhatTheRecordHoldsUpToItsPadding) {
  Degats d{"lengths 200 and -1"};
  PoserNom(d.noms, 2, "Bernad\xE9tte");
  PoserMot(d.noms, 16, 200);
  PoserNom(d.noms, 3, "Abcdefghijklmn");
  PoserMot(d.noms, 32, -1);
  d.attendu.Scores[1][1].name = "Bernadétte";
  d.attendu.Scores[1][2].name = "Abcdefghijklmn";
  VerifierRepare(d, {Reparation::LongueurNomInvalide});

  Degats coupe{"length 15 in a cut record: what is there"};
  PoserNom(coupe.noms, 31, "Abcdefghijklmn");
  PoserMot(coupe.noms, 480, 15);
  coupe.noms.resize(480 + 2 + 4);
  coupe.attendu.Scores[3][10].name = "Abcd";
  VerifierRepare(coupe, {Reparation::LongueurNomInvalide});
}

TEST(DecoderFichiers, RepairsOfBothFilesAreReportedTogether) {
  Degats d{"bad mode and style words, no names"};
  PoserMot(d.options, 0, 9);
  PoserMot(d.options, 2, 9);
  d.noms.clear();
  d.attendu = Decoder(OptionsALaMain(), {}).donnees;
  d.attendu.ModeJeu = 3;
  d.attendu.TypeDes = 1;
  VerifierRepare(
      d, {Reparation::ModeJeuInvalide, Reparation::TypeDesInvalide, Reparation::NomsManquants});
}

}  // namespace
}  // namespace rolvex
