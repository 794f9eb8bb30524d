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

// An options file made by hand: mode 2, numerals, place p of mode m scoring
// 100 × m − p in 60 + p seconds with p / 2 figures.
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

void PoserNom(Octets& f, int enregistrement, std::string_view octets1252) {
  const std::size_t début = 16 * static_cast<std::size_t>(enregistrement - 1);
  PoserMot(f, début, static_cast<int>(octets1252.size()));
  for (std::size_t i = 0; i < octets1252.size(); ++i) {
    f.at(début + 2 + i) = static_cast<std::uint8_t>(octets1252[i]);
  }
}

// A names file made by hand: "Léa" is the player, place p of mode m is "M<m>P<p>".
Octets NomsÀLaMain() {
  Octets f(TailleFichierNoms, 0);
  PoserNom(f, 1, "L\xE9" "a");
  int enregistrement = 2;
  for (int m = 1; m <= 3; ++m) {
    for (int p = 1; p <= 10; ++p) {
      PoserNom(f, enregistrement++, "M" + std::to_string(m) + "P" + std::to_string(p));
    }
  }
  return f;
}

Chargement Décoder(const Octets& options, const Octets& noms) {
  TirageFixe tirage(0.0);
  return DécoderFichiers(options, noms, tirage);
}

DonnéesOptions DéfautsÀZéro() {
  TirageFixe tirage(0.0);
  return CréerOptionsParDéfaut(tirage);
}

// The options file: two words, then 30 records of score, time, figures in table order.
TEST(FichierOptions, FirstRunIs184BytesWithMode3AndPips) {
  const Octets f = EncoderFichierOptions(DéfautsÀZéro());
  ASSERT_EQ(f.size(), 184u);
  EXPECT_EQ(Mot(f, 0), 3);
  EXPECT_EQ(Mot(f, 2), 1);
  EXPECT_EQ(Mot(f, 4), 354);  // Gustave, mode 1 place 1
  EXPECT_EQ(Mot(f, 6), 86);
  EXPECT_EQ(Mot(f, 8), 6);
  EXPECT_EQ(Mot(f, 124), 2207);  // mode 3 place 1
}

TEST(FichierOptions, Mode3Place10IsAtOffset178LittleEndian) {
  DonnéesOptions d = DéfautsÀZéro();
  d.ModeJeu = 2;
  d.TypeDés = 2;
  d.Scores[3][10] = {"Zoé", -2, 3599, 41};
  const Octets f = EncoderFichierOptions(d);
  EXPECT_EQ(PositionEnregistrementScore(3, 10), 178u);
  const Octets attendu = {0xFE, 0xFF, 0x0F, 0x0E, 0x29, 0x00};
  EXPECT_EQ(Octets(f.begin() + 178, f.end()), attendu);
  EXPECT_EQ(Octets(f.begin(), f.begin() + 4), (Octets{2, 0, 2, 0}));
}

TEST(FichierOptions, TimesAreWrittenWithin0To3599) {
  DonnéesOptions d = DéfautsÀZéro();
  d.Scores[1][1].time = 70000;
  d.Scores[1][2].time = -5;
  const Octets f = EncoderFichierOptions(d);
  EXPECT_EQ(Mot(f, 6), 3599);
  EXPECT_EQ(Mot(f, 12), 0);
}

// What an older, longer options file holds past our 184 bytes is left as it was.
TEST(FichierOptions, KeepsTheBytesAnOlderLongerFileHoldsPast183) {
  Octets ancien = OptionsÀLaMain();
  for (std::uint8_t o : {0xDE, 0xAD, 0x00, 0xBE, 0xEF}) ancien.push_back(o);
  const Octets f = EncoderFichierOptions(DéfautsÀZéro(), ancien);
  ASSERT_EQ(f.size(), 189u);
  EXPECT_EQ(Octets(f.begin() + 184, f.end()), (Octets{0xDE, 0xAD, 0x00, 0xBE, 0xEF}));
  EXPECT_EQ(Mot(f, 0), 3);  // our bytes are rewritten all the same
  EXPECT_EQ(Mot(f, 4), 354);
}

TEST(FichierOptions, AShorterOlderFileLeavesNothingBehind) {
  const Octets ancien(100, 0xAA);
  EXPECT_EQ(EncoderFichierOptions(DéfautsÀZéro(), ancien), EncoderFichierOptions(DéfautsÀZéro()));
  EXPECT_EQ(EncoderFichierOptions(DéfautsÀZéro(), ancien).size(), 184u);
}

// The names file: 31 records of a length word and the name's 1252 bytes, zero padded.
TEST(FichierNoms, FirstRunIs496BytesWithAnEmptyPlayerName) {
  const Octets f = EncoderFichierNoms(DéfautsÀZéro());
  ASSERT_EQ(f.size(), 496u);
  EXPECT_EQ(Octets(f.begin(), f.begin() + 16), Octets(16, 0));
  EXPECT_EQ(Mot(f, 16), 7);
  EXPECT_EQ(Texte(f, 18, 7), "Gustave");
  EXPECT_EQ(Mot(f, 32), 4);
  EXPECT_EQ(Texte(f, 34, 4), "Yves");
}

TEST(FichierNoms, AThreeLetterNameEndingInAnAccentTakesThreeBytes) {
  DonnéesOptions d = DéfautsÀZéro();
  d.NomJoueur = "Zoé";
  const Octets f = EncoderFichierNoms(d);
  const Octets attendu = {3, 0, 'Z', 'o', 0xE9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(Octets(f.begin(), f.begin() + 16), attendu);
}

TEST(FichierNoms, Mode3Place10IsRecord31AtOffset480) {
  DonnéesOptions d = DéfautsÀZéro();
  d.Scores[3][10].name = "Œdipe";
  const Octets f = EncoderFichierNoms(d);
  EXPECT_EQ(NuméroEnregistrementNom(3, 10), 31);
  EXPECT_EQ(PositionEnregistrementNom(31), 480u);
  const Octets attendu = {5, 0, 0x8C, 'd', 'i', 'p', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(Octets(f.begin() + 480, f.end()), attendu);
}

TEST(FichierNoms, ANameIsCutAt14CharactersOnACharacterBoundary) {
  DonnéesOptions d = DéfautsÀZéro();
  d.NomJoueur = "Abcdefghijklmé";  // 14 characters, 15 UTF-8 bytes
  d.Scores[1][1].name = "Abcdefghijklmnéé";
  const Octets f = EncoderFichierNoms(d);
  EXPECT_EQ(Mot(f, 0), 14);
  EXPECT_EQ(Texte(f, 2, 14), "Abcdefghijklm\xE9");
  EXPECT_EQ(Mot(f, 16), 14);
  EXPECT_EQ(Texte(f, 18, 14), "Abcdefghijklmn");
  EXPECT_EQ(f.size(), 496u);
}

TEST(FichierNoms, CharactersItCannotHoldAreWrittenAsQuestionMarks) {
  DonnéesOptions d = DéfautsÀZéro();
  d.NomJoueur = "Łucja";
  const Octets f = EncoderFichierNoms(d);
  EXPECT_EQ(Mot(f, 0), 5);
  EXPECT_EQ(Texte(f, 2, 5), "?ucja");
}

TEST(NomEnregistrable, ShowsTheNameAsTheFileWillGiveItBack) {
  EXPECT_EQ(NomEnregistrable("Zoé"), "Zoé");
  EXPECT_EQ(NomEnregistrable("Łucja"), "?ucja");
  EXPECT_EQ(NomEnregistrable("Ébène-Œillette-Ÿ"), "Ébène-Œillette");
}

// Reading: sound files come back as they were written by hand.
TEST(DécoderFichiers, ReadsHandMadeFilesAsTheyStand) {
  const Chargement ch = Décoder(OptionsÀLaMain(), NomsÀLaMain());
  EXPECT_EQ(ch.résultat, RésultatChargement::Ok);
  EXPECT_TRUE(ch.réparations.Aucune());
  EXPECT_EQ(ch.données.ModeJeu, 2);
  EXPECT_EQ(ch.données.TypeDés, 2);
  EXPECT_EQ(ch.données.NomJoueur, "Léa");
  EXPECT_EQ(ch.données.Scores[1][1], (HighScoreEntry{"M1P1", 99, 61, 0}));
  EXPECT_EQ(ch.données.Scores[2][5], (HighScoreEntry{"M2P5", 195, 65, 2}));
  EXPECT_EQ(ch.données.Scores[3][10], (HighScoreEntry{"M3P10", 290, 70, 5}));
}

TEST(DécoderFichiers, WritingWhatWasReadGivesTheSameBytes) {
  const Octets options = OptionsÀLaMain();
  const Octets noms = NomsÀLaMain();
  const Chargement ch = Décoder(options, noms);
  EXPECT_EQ(EncoderFichierOptions(ch.données, options), options);
  EXPECT_EQ(EncoderFichierNoms(ch.données), noms);
}

TEST(DécoderFichiers, ReadsAccentsAndTheBytes80To9F) {
  Octets noms = NomsÀLaMain();
  PoserNom(noms, 2, "\x80\x9C\xE9\xFF");
  EXPECT_EQ(Décoder(OptionsÀLaMain(), noms).données.Scores[1][1].name, "€œéÿ");
}

TEST(DécoderFichiers, ANameOf14BytesIsWhole) {
  Octets noms = NomsÀLaMain();
  PoserNom(noms, 1, "Abcdefghijklmn");
  const Chargement ch = Décoder(OptionsÀLaMain(), noms);
  EXPECT_EQ(ch.données.NomJoueur, "Abcdefghijklmn");
  EXPECT_EQ(ch.résultat, RésultatChargement::Ok);
}

// No options at all: the defaults of a first run, to be written at once.
TEST(DécoderFichiers, AnAbsentOrEmptyOptionsFileGivesTheDefaults) {
  const Chargement ch = Décoder({}, NomsÀLaMain());
  EXPECT_EQ(ch.résultat, RésultatChargement::OptionsParDéfaut);
  EXPECT_EQ(ch.données, DéfautsÀZéro());
  EXPECT_TRUE(ch.réparations.Aucune());
}

TEST(DécoderFichiers, ModeWord0GivesTheDefaultsWhateverFollowsAndWhateverTheNames) {
  Octets options = OptionsÀLaMain();
  PoserMot(options, 0, 0);
  const Chargement ch = Décoder(options, NomsÀLaMain());
  EXPECT_EQ(ch.résultat, RésultatChargement::OptionsParDéfaut);
  EXPECT_EQ(ch.données, DéfautsÀZéro());
}

TEST(DécoderFichiers, AFileOfOneByteHoldsNoModeWordAndGivesTheDefaults) {
  EXPECT_EQ(Décoder({2}, NomsÀLaMain()).résultat, RésultatChargement::OptionsParDéfaut);
}

// Damage: each field is repaired on its own, and the rest of the player's data is kept.
TEST(DécoderFichiers, AModeWordOutside1To3GivesMode3AndKeepsTheTables) {
  for (int mot : {4, -1, 0x7FFF}) {
    Octets options = OptionsÀLaMain();
    PoserMot(options, 0, mot);
    const Chargement ch = Décoder(options, NomsÀLaMain());
    EXPECT_EQ(ch.résultat, RésultatChargement::Réparé);
    EXPECT_TRUE(ch.réparations.Contient(Réparation::ModeJeuInvalide));
    EXPECT_EQ(ch.données.ModeJeu, 3);
    EXPECT_EQ(ch.données.TypeDés, 2);
    EXPECT_EQ(ch.données.Scores, Décoder(OptionsÀLaMain(), NomsÀLaMain()).données.Scores);
  }
}

TEST(DécoderFichiers, AStyleWordOutside1To2GivesPips) {
  for (int mot : {0, 3, -2}) {
    Octets options = OptionsÀLaMain();
    PoserMot(options, 2, mot);
    const Chargement ch = Décoder(options, NomsÀLaMain());
    EXPECT_EQ(ch.données.TypeDés, 1);
    EXPECT_TRUE(ch.réparations.Contient(Réparation::TypeDésInvalide));
    EXPECT_FALSE(ch.réparations.Contient(Réparation::ModeJeuInvalide));
    EXPECT_EQ(ch.données.ModeJeu, 2);
  }
}

TEST(DécoderFichiers, AShortOptionsFileKeepsItsWholeRecordsAndTakesDefaultsForTheRest) {
  Octets options = OptionsÀLaMain();
  options.resize(4 + 6 * 16 + 5);  // 16 whole records, the 17th cut one byte short
  const Chargement ch = Décoder(options, NomsÀLaMain());
  const DonnéesOptions défauts = DéfautsÀZéro();
  EXPECT_EQ(ch.résultat, RésultatChargement::Réparé);
  EXPECT_TRUE(ch.réparations.Contient(Réparation::OptionsIncomplètes));
  EXPECT_EQ(ch.données.ModeJeu, 2);
  EXPECT_EQ(ch.données.TypeDés, 2);
  EXPECT_EQ(ch.données.NomJoueur, "Léa");
  EXPECT_EQ(ch.données.Scores[1][10], (HighScoreEntry{"M1P10", 90, 70, 5}));
  // Places 7 to 10 of mode 2 lost their numbers: the default entries, names with them,
  // which outrank these low scores once the table is sorted again.
  for (int p = 7; p <= 10; ++p) EXPECT_EQ(ch.données.Scores[2][p - 6], défauts.Scores[2][p]);
  EXPECT_EQ(ch.données.Scores[2][5], (HighScoreEntry{"M2P1", 199, 61, 0}));
  EXPECT_EQ(ch.données.Scores[2][10], (HighScoreEntry{"M2P6", 194, 66, 3}));
  EXPECT_TRUE(ch.réparations.Contient(Réparation::TableEnDésordre));
  EXPECT_EQ(ch.données.Scores[3], défauts.Scores[3]);
}

TEST(DécoderFichiers, AnOptionsFileOfTheModeWordAloneKeepsTheMode) {
  const Chargement ch = Décoder({1, 0}, NomsÀLaMain());
  EXPECT_EQ(ch.résultat, RésultatChargement::Réparé);
  EXPECT_TRUE(ch.réparations.Contient(Réparation::OptionsIncomplètes));
  EXPECT_EQ(ch.données.ModeJeu, 1);
  EXPECT_EQ(ch.données.TypeDés, 1);
  EXPECT_EQ(ch.données.NomJoueur, "Léa");
  EXPECT_EQ(ch.données.Scores, DéfautsÀZéro().Scores);
}

TEST(DécoderFichiers, TimesOutside0To3599AreBroughtToTheNearestBound) {
  Octets options = OptionsÀLaMain();
  PoserMot(options, PositionEnregistrementScore(1, 1) + 2, -30);
  PoserMot(options, PositionEnregistrementScore(1, 10) + 2, 6000);
  const Chargement ch = Décoder(options, NomsÀLaMain());
  EXPECT_TRUE(ch.réparations.Contient(Réparation::TempsHorsLimites));
  EXPECT_EQ(ch.données.Scores[1][1].time, 0);
  EXPECT_EQ(ch.données.Scores[1][10].time, 3599);
  EXPECT_EQ(ch.données.Scores[1][10].score, 90);
}

TEST(DécoderFichiers, FiguresBeyondSevenPerColumnOfTheModeAreBroughtToBounds) {
  Octets options = OptionsÀLaMain();
  PoserMot(options, PositionEnregistrementScore(1, 1) + 4, 8);
  PoserMot(options, PositionEnregistrementScore(2, 1) + 4, 21);
  PoserMot(options, PositionEnregistrementScore(3, 1) + 4, -4);
  PoserMot(options, PositionEnregistrementScore(3, 2) + 4, 43);
  const Chargement ch = Décoder(options, NomsÀLaMain());
  EXPECT_TRUE(ch.réparations.Contient(Réparation::FiguresHorsLimites));
  EXPECT_EQ(ch.données.Scores[1][1].figures, 7);
  EXPECT_EQ(ch.données.Scores[2][1].figures, 21);
  EXPECT_EQ(ch.données.Scores[3][1].figures, 0);
  EXPECT_EQ(ch.données.Scores[3][2].figures, 42);
}

TEST(DécoderFichiers, NegativeScoresAreKept) {
  Octets options = OptionsÀLaMain();
  PoserMot(options, PositionEnregistrementScore(1, 10), -300);
  const Chargement ch = Décoder(options, NomsÀLaMain());
  EXPECT_EQ(ch.résultat, RésultatChargement::Ok);
  EXPECT_EQ(ch.données.Scores[1][10].score, -300);
}

TEST(DécoderFichiers, ATableOutOfOrderIsSortedWithItsNames) {
  Octets options = OptionsÀLaMain();
  PoserMot(options, PositionEnregistrementScore(2, 8), 500);  // M2P8 now the best of mode 2
  const Chargement ch = Décoder(options, NomsÀLaMain());
  EXPECT_TRUE(ch.réparations.Contient(Réparation::TableEnDésordre));
  EXPECT_EQ(ch.données.Scores[2][1], (HighScoreEntry{"M2P8", 500, 68, 4}));
  EXPECT_EQ(ch.données.Scores[2][2].name, "M2P1");
  EXPECT_EQ(ch.données.Scores[2][8].name, "M2P7");
  EXPECT_EQ(ch.données.Scores[2][9].name, "M2P9");
  EXPECT_TRUE(EstEnOrdre(ch.données.Scores[2]));
  // A new game then finds its place.
  HighScores s = ch.données.Scores;
  EXPECT_EQ(InsertionHighScore(s, 2, {"Neuf", 196, 60, 0}), 5);
}

TEST(DécoderFichiers, SortingKeepsTheFileOrderOfEqualResults) {
  Octets options = OptionsÀLaMain();
  Octets noms = NomsÀLaMain();
  // Places 4 and 7 tie at the top; 4 came first in the file, so it stays above.
  for (int p : {4, 7}) {
    PoserMot(options, PositionEnregistrementScore(1, p), 400);
    PoserMot(options, PositionEnregistrementScore(1, p) + 2, 50);
  }
  const Chargement ch = Décoder(options, noms);
  EXPECT_EQ(ch.données.Scores[1][1].name, "M1P4");
  EXPECT_EQ(ch.données.Scores[1][2].name, "M1P7");
}

TEST(DécoderFichiers, EqualResultsInAnyOrderNeedNoRepair) {
  Octets options = OptionsÀLaMain();
  PoserMot(options, PositionEnregistrementScore(1, 2), 99);
  PoserMot(options, PositionEnregistrementScore(1, 2) + 2, 61);
  EXPECT_EQ(Décoder(options, NomsÀLaMain()).résultat, RésultatChargement::Ok);
}

TEST(DécoderFichiers, AnAbsentNamesFileLeavesEveryNameEmptyAndKeepsTheNumbers) {
  const Chargement ch = Décoder(OptionsÀLaMain(), {});
  EXPECT_EQ(ch.résultat, RésultatChargement::Réparé);
  EXPECT_TRUE(ch.réparations.Contient(Réparation::NomsManquants));
  EXPECT_EQ(ch.données.NomJoueur, "");
  EXPECT_EQ(ch.données.Scores[3][10], (HighScoreEntry{"", 290, 70, 5}));
  EXPECT_EQ(ch.données.ModeJeu, 2);
}

TEST(DécoderFichiers, AShortNamesFileKeepsTheNamesItHoldsWhole) {
  Octets noms = NomsÀLaMain();
  noms.resize(16 * 3 + 2 + 3);  // record 4 ("M1P3") lacks its last byte; record 5 is gone
  const Chargement ch = Décoder(OptionsÀLaMain(), noms);
  EXPECT_TRUE(ch.réparations.Contient(Réparation::NomsManquants));
  EXPECT_EQ(ch.données.NomJoueur, "Léa");
  EXPECT_EQ(ch.données.Scores[1][2].name, "M1P2");
  EXPECT_EQ(ch.données.Scores[1][3].name, "");
  EXPECT_EQ(ch.données.Scores[1][4].name, "");
  EXPECT_EQ(ch.données.Scores[1][4].score, 96);
}

TEST(DécoderFichiers, ANameCutOnlyInItsPaddingIsWhole) {
  Octets noms = NomsÀLaMain();
  noms.resize(480 + 2 + 5);  // "M3P10" and nothing after it
  const Chargement ch = Décoder(OptionsÀLaMain(), noms);
  EXPECT_EQ(ch.résultat, RésultatChargement::Ok);
  EXPECT_EQ(ch.données.Scores[3][10].name, "M3P10");
}

TEST(DécoderFichiers, ALengthWordAbove14KeepsWhatTheRecordHoldsUpToItsPadding) {
  Octets noms = NomsÀLaMain();
  PoserNom(noms, 2, "Bernad\xE9tte");
  PoserMot(noms, 16, 200);
  PoserNom(noms, 3, "Abcdefghijklmn");
  PoserMot(noms, 32, -1);
  const Chargement ch = Décoder(OptionsÀLaMain(), noms);
  EXPECT_EQ(ch.résultat, RésultatChargement::Réparé);
  EXPECT_TRUE(ch.réparations.Contient(Réparation::LongueurNomInvalide));
  EXPECT_EQ(ch.données.Scores[1][1].name, "Bernadétte");
  EXPECT_EQ(ch.données.Scores[1][2].name, "Abcdefghijklmn");
  EXPECT_EQ(ch.données.Scores[1][3].name, "M1P3");
}

TEST(DécoderFichiers, ALengthWordAbove14InACutRecordKeepsWhatIsThere) {
  Octets noms = NomsÀLaMain();
  PoserNom(noms, 31, "Abcdefghijklmn");
  PoserMot(noms, 480, 15);
  noms.resize(480 + 2 + 4);
  EXPECT_EQ(Décoder(OptionsÀLaMain(), noms).données.Scores[3][10].name, "Abcd");
}

TEST(DécoderFichiers, RepairsAreReportedTogether) {
  Octets options = OptionsÀLaMain();
  PoserMot(options, 0, 9);
  PoserMot(options, 2, 9);
  const Chargement ch = Décoder(options, {});
  EXPECT_TRUE(ch.réparations.Contient(Réparation::ModeJeuInvalide));
  EXPECT_TRUE(ch.réparations.Contient(Réparation::TypeDésInvalide));
  EXPECT_TRUE(ch.réparations.Contient(Réparation::NomsManquants));
  EXPECT_FALSE(ch.réparations.Contient(Réparation::TableEnDésordre));
}

TEST(DécoderFichiers, ARepairedFileWrittenBackReadsWithoutRepair) {
  Octets options = OptionsÀLaMain();
  PoserMot(options, 0, 9);
  PoserMot(options, PositionEnregistrementScore(2, 8), 500);
  PoserMot(options, PositionEnregistrementScore(3, 3) + 2, -1);
  options.resize(150);
  Octets noms = NomsÀLaMain();
  PoserMot(noms, 16, 99);
  noms.resize(300);
  const Chargement premier = Décoder(options, noms);
  const Octets options2 = EncoderFichierOptions(premier.données, options);
  const Octets noms2 = EncoderFichierNoms(premier.données);
  const Chargement second = Décoder(options2, noms2);
  EXPECT_EQ(second.résultat, RésultatChargement::Ok);
  EXPECT_EQ(second.données, premier.données);
}

TEST(DécoderFichiers, ExtraBytesAfterEitherFileAreNoDamage) {
  Octets options = OptionsÀLaMain();
  Octets noms = NomsÀLaMain();
  options.resize(300, 0x55);
  noms.resize(600, 0x55);
  EXPECT_EQ(Décoder(options, noms).résultat, RésultatChargement::Ok);
}

}  // namespace
}  // namespace rolvex
