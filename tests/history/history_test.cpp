// The history of a data folder: what the statistics say of the games played, the CSV sheet, and
// the database on disk (its failures are checked with the session, which tells them).
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "history/csv.h"
#include "history/history_db.h"
#include "history/statistics.h"
#include "random_history.h"

namespace rolvex {
namespace {

namespace fs = std::filesystem;

const std::vector<PartieJouee>& Parties() {
  static const auto parties = essai::PartiesAuHasard(300, 7);
  return parties;
}

// Each mode's statistics over random games, checked against what the engine's totals say
// without the squares, and against plain properties of the scores.
TEST(Statistiques, AgreeWithTheTotalsAndTheScoresOfEachMode) {
  for (int16_t mode = 1; mode <= 3; ++mode) {
    const Statistiques s = CalculerStatistiques(Parties(), mode);
    std::vector<int32_t> scores;
    int32_t abandonnees = 0;
    ParColonne<StatBonus> bonus;
    for (const PartieJouee& p : Parties()) {
      if (p.mode != mode) continue;
      if (p.abandonnee) {
        ++abandonnees;
        continue;
      }
      scores.push_back(p.score);
      for (int c = 1; c <= NbColonnesMax; ++c) {
        bonus[c].haut += p.totaux[c].bonusHaut > 0;
        bonus[c].bas += p.totaux[c].bonusBas >= BonusBasSimple;
        bonus[c].maxiMini += p.totaux[c].bonusBas % 100 != 0;
      }
    }
    ASSERT_GT(abandonnees, 0);
    EXPECT_EQ(s.scores, scores);
    EXPECT_EQ(std::tuple(s.parties, s.abandonnees),
              std::tuple(int32_t(scores.size()), abandonnees));
    EXPECT_EQ(s.bonus, bonus);
    const auto [pire, meilleur] = std::ranges::minmax(scores);
    EXPECT_EQ(std::tuple(*s.pire, *s.meilleur), std::tuple(pire, meilleur));
    int64_t somme = 0;
    for (int32_t x : scores) somme += x;
    EXPECT_NEAR(*s.moyenne * s.parties, static_cast<double>(somme), 1e-6);
    const auto dessous = std::ranges::count_if(scores, [&](int32_t x) { return x < *s.mediane; });
    const auto dessus = std::ranges::count_if(scores, [&](int32_t x) { return x > *s.mediane; });
    EXPECT_TRUE(dessous <= s.parties / 2 && dessus <= s.parties / 2);
    EXPECT_TRUE(s.parties % 2 == 0 || std::ranges::find(scores, *s.mediane) != scores.end());

    // A finished game wrote every square of its columns; the others stay empty. The lower
    // figures made are those the game counted.
    int32_t faitesBas = 0, figures = 0;
    for (const PartieJouee& p : Parties())
      figures += p.mode == mode && !p.abandonnee ? p.figures : 0;
    for (int c = 1; c <= NbColonnesMax; ++c) {
      int32_t total = 0;
      for (int f = 1; f <= NbFigures; ++f) {
        const StatFigure& sf = s.figures[c][f];
        EXPECT_EQ(sf.faites + sf.barrees, c <= NbColonnesMode[mode] ? s.parties : 0) << c << f;
        total += static_cast<int32_t>(std::lround(sf.moyenne * sf.faites));
        faitesBas += f >= figure::Maxi ? sf.faites : 0;
      }
      int32_t attendu = 0;
      for (const PartieJouee& p : Parties())
        if (p.mode == mode && !p.abandonnee) attendu += p.totaux[c].haut + p.totaux[c].bas;
      EXPECT_EQ(total, attendu) << "column " << c;
    }
    EXPECT_EQ(faitesBas, figures);
  }
  Statistiques vide;
  vide.mode = 2;
  EXPECT_EQ(CalculerStatistiques({}, 2), vide);
  std::vector<PartieJouee> deux(2);
  deux[0].score = 100;
  deux[1].score = 301;
  EXPECT_EQ(CalculerStatistiques(deux, 1).mediane, 200.5);
  EXPECT_EQ(CalculerStatistiques(deux, 1).figures[1][1], StatFigure{}) << "never made: a mean of 0";
}

// The running mean is the mean of the last 20 scores, fewer at the start; the classes of the
// histogram hold every score once, the narrowest round width that fits.
TEST(Statistiques, RunningMeanAndHistogram) {
  std::mt19937 hasard(3);
  for (int essai = 0; essai < 200; ++essai) {
    std::vector<int32_t> scores(hasard() % 60);
    const int32_t etendue = 1 + static_cast<int32_t>(hasard() % 1500);
    for (int32_t& s : scores) s = static_cast<int32_t>(hasard() % etendue) + essai;
    const std::vector<double> moyennes = MoyenneGlissante(scores);
    ASSERT_EQ(moyennes.size(), scores.size());
    for (std::size_t i = 0; i < scores.size(); ++i) {
      const std::size_t debut = i >= 19 ? i - 19 : 0;
      double somme = 0;
      for (std::size_t j = debut; j <= i; ++j) somme += scores[j];
      ASSERT_NEAR(moyennes[i], somme / static_cast<double>(i - debut + 1), 1e-9);
    }
    const int classesMax = 1 + static_cast<int>(hasard() % 25);
    const Histogramme h = CompterScores(scores, classesMax);
    if (scores.empty()) {
      EXPECT_TRUE(h.comptes.empty());
      continue;
    }
    const int32_t n = static_cast<int32_t>(h.comptes.size());
    ASSERT_LE(n, classesMax);
    EXPECT_TRUE(h.comptes.front() > 0 && h.comptes.back() > 0 && h.debut % h.largeur == 0);
    for (int32_t k = 0; k < n; ++k)
      EXPECT_EQ(h.comptes[k], std::ranges::count_if(scores, [&](int32_t s) {
                  return s >= h.debut + k * h.largeur && s < h.debut + (k + 1) * h.largeur;
                }));
    const double chiffre = h.largeur / std::pow(10, std::floor(std::log10(h.largeur)));
    EXPECT_TRUE(chiffre == 1 || chiffre == 2 || chiffre == 5) << h.largeur;
  }
}

// Every line has the header's fields; a name with a separator and quotes is quoted, its quotes
// doubled; a square not written is empty, a crossed-out one 0.
TEST(Csv, EachGameIsOneLineOfTheHeadersFields) {
  std::vector<PartieJouee> parties(Parties().begin(), Parties().begin() + 40);
  parties[3].nom = "Zoé \"la\", 1";
  const std::string cite = "\"Zoé \"\"la\"\", 1\"", csv = EnCsv(parties);
  std::vector<std::vector<std::string>> lignes;
  std::istringstream flux(csv);
  for (std::string ligne; std::getline(flux, ligne);) {
    ASSERT_TRUE(ligne.ends_with('\r'));
    ligne.pop_back();
    if (const auto ou = ligne.find(cite); ou != std::string::npos)
      ligne.replace(ou, cite.size(), "Q");
    lignes.emplace_back(1);
    for (char c : ligne)
      c == ',' ? (void)lignes.back().emplace_back() : lignes.back().back().push_back(c);
  }
  ASSERT_EQ(lignes.size(), parties.size() + 1);
  const std::vector<std::string>& entete = lignes[0];
  ASSERT_EQ(entete.size(), 9u + 4 * NbColonnesMax + NbColonnesMax * NbFigures);
  auto champ = [&](std::size_t i, std::string_view nom) {
    return lignes[i].at(static_cast<std::size_t>(std::ranges::find(entete, nom) - entete.begin()));
  };
  for (std::size_t i = 1; i < lignes.size(); ++i) {
    const PartieJouee& p = parties[i - 1];
    ASSERT_EQ(lignes[i].size(), entete.size());
    EXPECT_EQ(champ(i, "name"), i == 4 ? "Q" : p.nom);
    EXPECT_EQ(champ(i, "abandoned"), std::to_string(p.abandonnee));
    EXPECT_EQ(champ(i, "c1_lower_bonus"), std::to_string(p.totaux[1].bonusBas));
    const int c = NbColonnesMode[p.mode];
    for (int f = 1; f <= NbFigures; ++f)
      EXPECT_EQ(
          champ(i,
                std::string("c").append(std::to_string(c)).append("_f").append(std::to_string(f))),
          p.cases[c][f] ? std::to_string(*p.cases[c][f]) : "");
  }
}

class UnHistorique : public testing::Test {
 protected:
  void SetUp() override {
    std::string modele = (fs::temp_directory_path() / "rolvex-history-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    dossier = modele;
  }
  void TearDown() override { fs::remove_all(dossier); }

  // A question to the file from a connection of the test's own.
  // Statements of the test's own connection; the first column of the last row they give.
  int64_t Demander(const char* sql) const {
    sqlite3* db = nullptr;
    int64_t v = -1;
    EXPECT_EQ(sqlite3_open(CheminHistorique(dossier).c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(
                  db, sql,
                  [](void* v, int, char** t, char**) {
                    return *static_cast<int64_t*>(v) = std::atoll(t[0]), 0;
                  },
                  &v, nullptr),
              SQLITE_OK)
        << sql;
    sqlite3_close(db);
    return v;
  }
  fs::path dossier;
};

// Games recorded one by one and by the batch come back whole, in order, by mode or all, from
// a WAL database of this version; the witness sees the file opened, written and flushed.
TEST_F(UnHistorique, GamesComeBackWholeInTheOrderPlayed) {
  EXPECT_TRUE(LireHistorique(dossier).parties.empty() && !fs::exists(CheminHistorique(dossier)));
  const auto& parties = Parties();
  std::vector<AppelFichier> appels;
  ASSERT_FALSE(
      EnregistrerParties(dossier, std::span(parties).first(1), [&](AppelFichier a, bool fait) {
        if (fait) appels.push_back(a);
      }));
  for (AppelFichier a :
       {AppelFichier::Ouverture, AppelFichier::Ecriture, AppelFichier::Synchronisation})
    EXPECT_NE(std::ranges::find(appels, a), appels.end()) << static_cast<int>(a);
  for (std::size_t i = 1; i < 5; ++i)
    ASSERT_FALSE(EnregistrerParties(dossier, std::span(parties).subspan(i, 1)));
  ASSERT_FALSE(EnregistrerParties(dossier, std::span(parties).subspan(5)));
  const LectureHistorique tout = LireHistorique(dossier);
  ASSERT_FALSE(tout.echec);
  EXPECT_EQ(tout.parties, parties);
  for (int16_t mode = 1; mode <= 3; ++mode) {
    std::vector<PartieJouee> attendues;
    std::ranges::copy_if(parties, std::back_inserter(attendues),
                         [&](const PartieJouee& p) { return p.mode == mode; });
    EXPECT_EQ(LireHistorique(dossier, mode).parties, attendues);
  }
  EXPECT_EQ(Demander("PRAGMA user_version"), VersionSchema);
  EXPECT_EQ(Demander("SELECT journal_mode = 'wal' FROM pragma_journal_mode"), 1);
}

// An empty database of version 0 gets its tables in place; one of a later version is neither
// changed nor read.
TEST_F(UnHistorique, AnOlderSchemaIsUpgradedALaterOneLeftAlone) {
  std::ofstream(CheminHistorique(dossier)).flush();
  ASSERT_FALSE(LireHistorique(dossier).echec);
  ASSERT_FALSE(EnregistrerParties(dossier, std::span(Parties()).first(2)));
  EXPECT_EQ(LireHistorique(dossier).parties.size(), 2u);
  // Rows another program wrote that the game cannot read are left out, the rest kept.
  Demander(
      "UPDATE columns SET squares = 'x' WHERE game = 1;"
      "INSERT INTO games VALUES(7, '', 9, '', 0, 0, 0, 0, '', 0);"
      "INSERT INTO games VALUES(8, 'd', 1, 'n', 1, 0, 0, 0, 'fr', 0);"
      "INSERT INTO columns VALUES(2, 0, 1, 1, 1, 1, ',,,,,,,,,,,,');"
      "INSERT INTO columns VALUES(2, 7, 1, 1, 1, 1, ',,,,,,,,,,,,')");
  std::vector<PartieJouee> attendues(Parties().begin(), Parties().begin() + 2);
  attendues[0].cases = {};
  attendues[0].totaux = {};
  attendues.push_back({.quand = "d",
                       .mode = 1,
                       .nom = "n",
                       .abandonnee = true,
                       .score = 0,
                       .figures = 0,
                       .secondes = 0,
                       .langue = "fr",
                       .conseil = false,
                       .totaux = {},
                       .cases = {}});
  EXPECT_EQ(LireHistorique(dossier).parties, attendues);
  Demander("PRAGMA user_version = 2");
  const auto avant = fs::last_write_time(CheminHistorique(dossier));
  const auto echec = EnregistrerParties(dossier, std::span(Parties()).first(1));
  ASSERT_TRUE(echec);
  EXPECT_EQ(echec->nature, EchecHistorique::Nature::Recente);
  EXPECT_EQ(LireHistorique(dossier).echec->nature, EchecHistorique::Nature::Recente);
  EXPECT_EQ(fs::last_write_time(CheminHistorique(dossier)), avant);
}

}  // namespace
}  // namespace rolvex
