#include "app/records/data_files.h"

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
  const std::size_t début = 16 * static_cast<std::size_t>(enregistrement - 1);
  PoserMot(f, début, static_cast<int>(octets1252.size()));
  for (std::size_t i = 0; i < octets1252.size(); ++i)
    f.at(début + 2 + i) = static_cast<std::uint8_t>(octets1252[i]);
}

// Files made by hand, and what they hold: mode 2, numerals, the player "Léa", place p of
// mode m named "M<m>P<p>" scoring 100 × m − p in 60 + p seconds with p / 2 figures.
Octets OptionsÀLaMain() {
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
Octets NomsÀLaMain() {
  Octets f(TailleFichierNoms, 0);
  PoserNom(f, 1, "L\xE9" "a");
  int enregistrement = 2;
  for (int m = 1; m <= 3; ++m)
    for (int p = 1; p <= 10; ++p)
      PoserNom(f, enregistrement++, "M" + std::to_string(m) + "P" + std::to_string(p));
  return f;
}
DonnéesOptions DonnéesÀLaMain() {
  DonnéesOptions d{2, 2, "Léa", {}};
  for (int m = 1; m <= 3; ++m)
    for (int p = 1; p <= 10; ++p)
      d.Scores[m][p] = {"M" + std::to_string(m) + "P" + std::to_string(p),
                        static_cast<int16_t>(100 * m - p), 60 + p, static_cast<int16_t>(p / 2)};
  return d;
}

Chargement Décoder(const Octets& options, const Octets& noms = NomsÀLaMain()) {
  TirageFixe tirage(0.0);
  return DécoderFichiers(options, noms, tirage);
}

DonnéesOptions DéfautsÀZéro() {
  TirageFixe tirage(0.0);
  return CréerOptionsParDéfaut(tirage);
}

Réparations Liste(std::initializer_list<Réparation> liste) {
  Réparations r;
  for (Réparation x : liste) r.Ajouter(x);
  return r;
}

// The files' layout: the hand-made files of the reading tests are written back byte for
// byte; here, what those files do not hold. The options file keeps whatever an older, longer
// file held past our 184 bytes, writes negative scores as they are and times within 0..3599.
TEST(FichierOptions, WritesNegativeScoresAndBoundedTimesAndKeepsAnOlderFilesTail) {
  DonnéesOptions d = DéfautsÀZéro();
  d.Scores[1][2].time = -5;
  d.Scores[3][10] = {"Zoé", -2, 70000, 41};
  const Octets f = EncoderFichierOptions(d);
  ASSERT_EQ(f.size(), 184u);
  EXPECT_EQ(Octets(f.begin(), f.begin() + 4), (Octets{3, 0, 1, 0})) << "a first run: mode 3, pips";
  EXPECT_EQ(Mot(f, 12), 0);
  EXPECT_EQ(PositionEnregistrementScore(3, 10), 178u);
  EXPECT_EQ(Octets(f.begin() + 178, f.end()), (Octets{0xFE, 0xFF, 0x0F, 0x0E, 0x29, 0x00}));

  Octets ancien = OptionsÀLaMain();
  ancien.insert(ancien.end(), {0xDE, 0xAD, 0x00, 0xBE, 0xEF});
  Octets attendu = f;
  attendu.insert(attendu.end(), {0xDE, 0xAD, 0x00, 0xBE, 0xEF});
  EXPECT_EQ(EncoderFichierOptions(d, ancien), attendu);
  EXPECT_EQ(EncoderFichierOptions(d, Octets(100, 0xAA)), f) << "nothing of a shorter file";
}

// The names file: 31 records of a length word and the name's 1252 bytes, zero padded; the
// player first, empty on a first run.
TEST(FichierNoms, WritesTheLastRecordAt480AndAFirstRunWithoutPlayer) {
  DonnéesOptions d = DéfautsÀZéro();
  d.Scores[3][10].name = "Œdipe";
  const Octets f = EncoderFichierNoms(d);
  ASSERT_EQ(f.size(), 496u);
  EXPECT_EQ(Octets(f.begin(), f.begin() + 16), Octets(16, 0));
  EXPECT_EQ(NuméroEnregistrementNom(3, 10), 31);
  EXPECT_EQ(PositionEnregistrementNom(31), 480u);
  EXPECT_EQ(Octets(f.begin() + 480, f.end()),
            (Octets{5, 0, 0x8C, 'd', 'i', 'p', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(FichierNoms, CutsAt14CharactersAndWritesWhatItCannotHoldAsQuestionMarks) {
  DonnéesOptions d = DéfautsÀZéro();
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
TEST(DécoderFichiers, ReadsHandMadeFilesAsTheyStandAndWritesThemBackByteForByte) {
  const Octets options = OptionsÀLaMain();
  const Octets noms = NomsÀLaMain();
  const Chargement ch = Décoder(options, noms);
  EXPECT_EQ(ch.résultat, RésultatChargement::Ok);
  EXPECT_TRUE(ch.réparations.Aucune());
  EXPECT_EQ(ch.données, DonnéesÀLaMain());
  EXPECT_EQ(EncoderFichierOptions(ch.données, options), options);
  EXPECT_EQ(EncoderFichierNoms(ch.données), noms);

  // Bytes past either file are no damage; negative scores are scores; a name fills 14 bytes.
  Octets longues = options, longs = noms;
  PoserNom(longs, 1, "Abcdefghijklmn");
  longues.resize(300, 0x55);
  longs.resize(600, 0x55);
  PoserMot(longues, PositionEnregistrementScore(1, 10), -300);
  const Chargement plus = Décoder(longues, longs);
  EXPECT_EQ(plus.résultat, RésultatChargement::Ok);
  EXPECT_EQ(plus.données.Scores[1][10].score, -300);
  EXPECT_EQ(plus.données.NomJoueur, "Abcdefghijklmn");
}

// No options at all (absent, empty, no whole mode word, or mode word 0): the defaults of a
// first run, whatever follows and whatever the names, to be written at once.
TEST(DécoderFichiers, NoOptionsGiveTheDefaults) {
  Octets motZéro = OptionsÀLaMain();
  PoserMot(motZéro, 0, 0);
  for (const Octets& options : {Octets{}, Octets{2}, motZéro}) {
    const Chargement ch = Décoder(options);
    EXPECT_EQ(ch.résultat, RésultatChargement::OptionsParDéfaut) << options.size();
    EXPECT_EQ(ch.données, DéfautsÀZéro()) << options.size();
    EXPECT_TRUE(ch.réparations.Aucune()) << options.size();
  }
}

// Damage: each field is repaired on its own, the rest of the player's data is kept, and
// what was repaired, written back, reads without repair.
struct Dégâts {
  const char* cas;
  Octets options = OptionsÀLaMain();
  Octets noms = NomsÀLaMain();
  DonnéesOptions attendu = DonnéesÀLaMain();
};

void VérifierRéparé(const Dégâts& d, std::initializer_list<Réparation> réparations) {
  SCOPED_TRACE(d.cas);
  const Chargement ch = Décoder(d.options, d.noms);
  EXPECT_EQ(ch.résultat, RésultatChargement::Réparé);
  EXPECT_EQ(ch.réparations, Liste(réparations));
  EXPECT_EQ(ch.données, d.attendu);
  const Chargement relu =
      Décoder(EncoderFichierOptions(ch.données, d.options), EncoderFichierNoms(ch.données));
  EXPECT_EQ(relu.résultat, RésultatChargement::Ok);
  EXPECT_EQ(relu.données, ch.données);
}

TEST(DécoderFichiers, AModeWordOutside1To3GivesMode3AndAStyleWordOutside1To2Pips) {
  for (int mot : {4, -1, 0x7FFF}) {
    Dégâts d{"mode"};
    PoserMot(d.options, 0, mot);
    d.attendu.ModeJeu = 3;
    VérifierRéparé(d, {Réparation::ModeJeuInvalide});
  }
  for (int mot : {0, 3, -2}) {
    Dégâts d{"style"};
    PoserMot(d.options, 2, mot);
    d.attendu.TypeDés = 1;
    VérifierRéparé(d, {Réparation::TypeDésInvalide});
  }
}

TEST(DécoderFichiers, AShortOptionsFileKeepsItsWholeRecordsAndTakesDefaultsForTheRest) {
  const DonnéesOptions défauts = DéfautsÀZéro();
  Dégâts d{"16 whole records, the 17th cut one byte short"};
  d.options.resize(4 + 6 * 16 + 5);
  // Places 7 to 10 of mode 2 lost their numbers: the default entries, names with them,
  // which outrank these low scores once the table is sorted again.
  TableHighScore& mode2 = d.attendu.Scores[2];
  for (int p = 10; p >= 5; --p) mode2[p] = mode2[p - 4];
  for (int p = 1; p <= 4; ++p) mode2[p] = défauts.Scores[2][p + 6];
  d.attendu.Scores[3] = défauts.Scores[3];
  VérifierRéparé(d, {Réparation::OptionsIncomplètes, Réparation::TableEnDésordre});

  Dégâts seul{"the mode word alone: pips and the default tables"};
  seul.options = {1, 0};
  seul.attendu = défauts;
  seul.attendu.ModeJeu = 1;
  seul.attendu.NomJoueur = "Léa";
  VérifierRéparé(seul, {Réparation::OptionsIncomplètes});
}

TEST(DécoderFichiers, TimesAndFiguresOutOfRangeGoToTheNearestBound) {
  Dégâts d{"times below 0 and above 3599, figures beyond 7 per column of the mode"};
  const std::tuple<int, int, int, int> champs[] = {  // mode, place, word, value
      {1, 1, 1, -30}, {1, 10, 1, 6000}, {1, 1, 2, 8}, {2, 1, 2, 21}, {3, 1, 2, -4}, {3, 2, 2, 43}};
  for (auto [m, p, mot, valeur] : champs)
    PoserMot(d.options, PositionEnregistrementScore(m, p) + 2 * mot, valeur);
  d.attendu.Scores[1][1].time = 0;
  d.attendu.Scores[1][10].time = 3599;
  d.attendu.Scores[1][1].figures = 7;
  d.attendu.Scores[2][1].figures = 21;
  d.attendu.Scores[3][1].figures = 0;
  d.attendu.Scores[3][2].figures = 42;
  VérifierRéparé(d, {Réparation::TempsHorsLimites, Réparation::FiguresHorsLimites});
}

TEST(DécoderFichiers, ATableOutOfOrderIsSortedWithItsNamesTiesInTheirFileOrder) {
  Dégâts d{"M2P8 now the best of mode 2"};
  PoserMot(d.options, PositionEnregistrementScore(2, 8), 500);
  TableHighScore& mode2 = d.attendu.Scores[2];
  const HighScoreEntry huit{"M2P8", 500, 68, 4};
  for (int p = 8; p >= 2; --p) mode2[p] = mode2[p - 1];
  mode2[1] = huit;
  VérifierRéparé(d, {Réparation::TableEnDésordre});
  HighScores s = d.attendu.Scores;
  EXPECT_EQ(InsertionHighScore(s, 2, {"Neuf", 196, 60, 0}), 5) << "a new game finds its place";

  // Places 4 and 7 tie at the top; 4 came first in the file, so it stays above.
  Dégâts égaux{"two ties at the top"};
  for (int p : {4, 7}) {
    PoserMot(égaux.options, PositionEnregistrementScore(1, p), 400);
    PoserMot(égaux.options, PositionEnregistrementScore(1, p) + 2, 50);
  }
  const Chargement ch = Décoder(égaux.options);
  EXPECT_EQ(ch.données.Scores[1][1].name, "M1P4");
  EXPECT_EQ(ch.données.Scores[1][2].name, "M1P7");

  // Equal results in either order are no damage.
  Octets options = OptionsÀLaMain();
  PoserMot(options, PositionEnregistrementScore(1, 2), 99);
  PoserMot(options, PositionEnregistrementScore(1, 2) + 2, 61);
  EXPECT_EQ(Décoder(options).résultat, RésultatChargement::Ok);
}

TEST(DécoderFichiers, AnAbsentOrShortNamesFileEmptiesOnlyTheNamesItDoesNotHoldWhole) {
  Dégâts absent{"no names file"};
  absent.noms.clear();
  absent.attendu.NomJoueur = "";
  for (auto& table : absent.attendu.Scores)
    for (auto& place : table) place.name = "";
  VérifierRéparé(absent, {Réparation::NomsManquants});

  Dégâts court{"record 4 (M1P3) lacks its last byte"};
  court.noms.resize(16 * 3 + 2 + 3);
  court.attendu.Scores = absent.attendu.Scores;
  court.attendu.Scores[1][1].name = "M1P1";
  court.attendu.Scores[1][2].name = "M1P2";
  VérifierRéparé(court, {Réparation::NomsManquants});

  Octets noms = NomsÀLaMain();
  noms.resize(480 + 2 + 5);  // "M3P10" and nothing after it: cut only in its padding
  const Chargement remplissage = Décoder(OptionsÀLaMain(), noms);
  EXPECT_EQ(remplissage.résultat, RésultatChargement::Ok);
  EXPECT_EQ(remplissage.données.Scores[3][10].name, "M3P10");
}

TEST(DécoderFichiers, ALengthWordAbove14KeepsWhatTheRecordHoldsUpToItsPadding) {
  Dégâts d{"lengths 200 and -1"};
  PoserNom(d.noms, 2, "Bernad\xE9tte");
  PoserMot(d.noms, 16, 200);
  PoserNom(d.noms, 3, "Abcdefghijklmn");
  PoserMot(d.noms, 32, -1);
  d.attendu.Scores[1][1].name = "Bernadétte";
  d.attendu.Scores[1][2].name = "Abcdefghijklmn";
  VérifierRéparé(d, {Réparation::LongueurNomInvalide});

  Dégâts coupé{"length 15 in a cut record: what is there"};
  PoserNom(coupé.noms, 31, "Abcdefghijklmn");
  PoserMot(coupé.noms, 480, 15);
  coupé.noms.resize(480 + 2 + 4);
  coupé.attendu.Scores[3][10].name = "Abcd";
  VérifierRéparé(coupé, {Réparation::LongueurNomInvalide});
}

TEST(DécoderFichiers, RepairsOfBothFilesAreReportedTogether) {
  Dégâts d{"bad mode and style words, no names"};
  PoserMot(d.options, 0, 9);
  PoserMot(d.options, 2, 9);
  d.noms.clear();
  d.attendu = Décoder(OptionsÀLaMain(), {}).données;
  d.attendu.ModeJeu = 3;
  d.attendu.TypeDés = 1;
  VérifierRéparé(d, {Réparation::ModeJeuInvalide, Réparation::TypeDésInvalide,
                     Réparation::NomsManquants});
}

}  // namespace
}  // namespace rolvex
