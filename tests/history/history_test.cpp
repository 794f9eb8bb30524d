// The history of a data folder: what the statistics say of the games played, the CSV sheet, and
// the database on disk, whole or damaged, free or held by another program.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <random>

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

    // A finished game wrote every square of its columns; the others stay empty.
    for (int c = 1; c <= NbColonnesMax; ++c) {
      int32_t total = 0;
      for (int f = 1; f <= NbFigures; ++f) {
        const StatFigure& sf = s.figures[c][f];
        EXPECT_EQ(sf.faites + sf.barrees, c <= NbColonnesMode[mode] ? s.parties : 0) << c << f;
        total += static_cast<int32_t>(std::lround(sf.moyenne * sf.faites));
      }
      int32_t attendu = 0;
      for (const PartieJouee& p : Parties())
        if (p.mode == mode && !p.abandonnee) attendu += p.totaux[c].haut + p.totaux[c].bas;
      EXPECT_EQ(total, attendu) << "column " << c;
    }
  }
  const Statistiques vide = CalculerStatistiques({}, 2);
  EXPECT_TRUE(vide.parties == 0 && !vide.moyenne && !vide.mediane && !vide.meilleur && !vide.pire);
  std::vector<PartieJouee> deux(2);
  deux[0].score = 100;
  deux[1].score = 301;
  EXPECT_EQ(CalculerStatistiques(deux, 1).mediane, 200.5);
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
    // The round width just below would need more classes.
    const int32_t puissance = static_cast<int32_t>(std::pow(10, std::floor(std::log10(h.largeur))));
    const int32_t chiffre = h.largeur / puissance;
    ASSERT_TRUE(chiffre == 1 || chiffre == 2 || chiffre == 5) << h.largeur;
    const int32_t plusEtroite = chiffre == 1   ? puissance / 2
                                : chiffre == 2 ? puissance
                                               : 2 * puissance;
    if (plusEtroite > 0) {
      const auto [bas, haut] = std::ranges::minmax(scores);
      EXPECT_GT(haut / plusEtroite - bas / plusEtroite + 1, classesMax);
    }
  }
}

// Fields of one CSV line, quotes undone.
std::vector<std::string> Champs(std::string_view ligne) {
  std::vector<std::string> champs(1);
  bool entreGuillemets = false;
  for (std::size_t i = 0; i < ligne.size(); ++i) {
    const char c = ligne[i];
    if (c == '"' && entreGuillemets && i + 1 < ligne.size() && ligne[i + 1] == '"') {
      champs.back() += '"';
      ++i;
    } else if (c == '"') {
      entreGuillemets = !entreGuillemets;
    } else if (c == ',' && !entreGuillemets) {
      champs.emplace_back();
    } else {
      champs.back() += c;
    }
  }
  return champs;
}

// Every line has the header's fields; a name with a separator, quotes or a line break comes
// back whole; a square not written is empty, a crossed-out one 0.
TEST(Csv, EachGameIsOneLineOfTheHeadersFields) {
  std::vector<PartieJouee> parties(Parties().begin(), Parties().begin() + 40);
  parties[3].nom = "Zoé \"la\", 1";
  parties[4].nom = "a\r\nb";
  const std::string csv = EnCsv(parties);
  std::vector<std::vector<std::string>> lignes;
  for (std::size_t debut = 0, fin; (fin = csv.find("\r\n", debut)) != std::string::npos;
       debut = fin + 2) {
    std::string_view ligne(csv.data() + debut, fin - debut);
    if (std::ranges::count(ligne, '"') % 2 == 1) continue;  // the name cut by its line break
    lignes.push_back(Champs(ligne));
  }
  ASSERT_EQ(lignes.size(), parties.size());  // the cut line is the game of parties[4]
  const std::vector<std::string>& entete = lignes[0];
  ASSERT_EQ(entete.size(), 9u + 4 * NbColonnesMax + NbColonnesMax * NbFigures);
  auto champ = [&](const std::vector<std::string>& l, std::string_view nom) {
    return l.at(static_cast<std::size_t>(std::ranges::find(entete, nom) - entete.begin()));
  };
  for (std::size_t i = 1; i < lignes.size(); ++i) {
    const PartieJouee& p = parties[i - 1 + (i > 4)];
    ASSERT_EQ(lignes[i].size(), entete.size());
    EXPECT_EQ(champ(lignes[i], "name"), p.nom);
    EXPECT_EQ(champ(lignes[i], "abandoned"), std::to_string(p.abandonnee));
    EXPECT_EQ(champ(lignes[i], "c1_lower_bonus"), std::to_string(p.totaux[1].bonusBas));
    for (int f = 1; f <= NbFigures; ++f) {
      const auto& k = p.cases[NbColonnesMode[p.mode]][f];
      EXPECT_EQ(
          champ(lignes[i], "c" + std::to_string(NbColonnesMode[p.mode]) + "_f" + std::to_string(f)),
          k ? std::to_string(*k) : "");
    }
  }
  const fs::path fichier = fs::temp_directory_path() / "rolvex-history-test.csv";
  ASSERT_FALSE(EcrireCsv(fichier, parties));
  std::ifstream lu(fichier, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(lu), {}), csv);
  fs::remove(fichier);
  EXPECT_TRUE(EcrireCsv(fs::temp_directory_path() / "absent" / "x.csv", parties));
}

class UnHistorique : public testing::Test {
 protected:
  void SetUp() override {
    std::string modele = (fs::temp_directory_path() / "rolvex-history-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    dossier = modele;
  }
  void TearDown() override { fs::remove_all(dossier); }

  // The file's bytes, the -wal and -shm files left aside.
  std::string Octets() const {
    std::ifstream f(CheminHistorique(dossier), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  // A question to the file from a connection of the test's own.
  int64_t Demander(const char* sql) const {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(CheminHistorique(dossier).c_str(), &db), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &s, nullptr), SQLITE_OK);
    const int64_t v = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int64(s, 0) : -1;
    sqlite3_finalize(s);
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
  Demander("PRAGMA user_version = 2");
  const std::string avant = Octets();
  const auto echec = EnregistrerParties(dossier, std::span(Parties()).first(1));
  ASSERT_TRUE(echec);
  EXPECT_EQ(echec->nature, EchecHistorique::Nature::Recente);
  EXPECT_EQ(LireHistorique(dossier).echec->nature, EchecHistorique::Nature::Recente);
  EXPECT_EQ(Octets(), avant);
}

// A file of random bytes, or a history cut short, is damaged: neither written nor read, and its
// bytes stay as they were.
TEST_F(UnHistorique, ADamagedFileIsToldAndLeftAsItIs) {
  ASSERT_FALSE(EnregistrerParties(dossier, Parties()));
  const fs::path chemin = CheminHistorique(dossier);
  std::mt19937 hasard(5);
  std::string bruit(9000, '\0');
  for (char& c : bruit) c = static_cast<char>(hasard());
  const std::string entier = Octets();
  for (const std::string& contenu : {bruit, entier.substr(0, entier.size() / 2)}) {
    std::ofstream(chemin, std::ios::binary | std::ios::trunc) << contenu;
    const auto echec = EnregistrerParties(dossier, std::span(Parties()).first(1));
    ASSERT_TRUE(echec);
    EXPECT_EQ(std::tuple(echec->nature, echec->chemin),
              std::tuple(EchecHistorique::Nature::Abimee, chemin));
    const LectureHistorique lu = LireHistorique(dossier);
    EXPECT_TRUE(lu.echec && lu.echec->nature == EchecHistorique::Nature::Abimee &&
                lu.parties.empty());
    EXPECT_EQ(Octets(), contenu);
  }
}

// Another program holding the database makes a write give up after a short wait; a folder that
// cannot hold the file is told as such.
TEST_F(UnHistorique, ALockOrAFolderThatCannotBeWrittenIsTold) {
  ASSERT_FALSE(EnregistrerParties(dossier, std::span(Parties()).first(3)));
  int tube[2];
  ASSERT_EQ(::pipe(tube), 0);
  const pid_t autre = ::fork();
  ASSERT_GE(autre, 0);
  if (autre == 0) {
    sqlite3* db = nullptr;
    sqlite3_open(CheminHistorique(dossier).c_str(), &db);
    const char pret = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    (void)!::write(tube[1], &pret, 1);
    ::pause();
    ::_exit(0);
  }
  char pret = 0;
  ASSERT_EQ(::read(tube[0], &pret, 1), 1);
  ASSERT_TRUE(pret);
  const auto echec = EnregistrerParties(dossier, std::span(Parties()).first(1));
  ::kill(autre, SIGKILL);
  ::waitpid(autre, nullptr, 0);
  ASSERT_TRUE(echec);
  EXPECT_EQ(echec->nature, EchecHistorique::Nature::Verrouillee);
  EXPECT_EQ(LireHistorique(dossier).parties.size(), 3u);

  std::ofstream(dossier / "fichier") << "x";
  for (const fs::path& ailleurs : {dossier / "fichier" / "jeu", dossier / "dossier"}) {
    fs::create_directories(dossier / "dossier" / NomFichierHistorique);
    const auto e = EnregistrerParties(ailleurs, std::span(Parties()).first(1));
    ASSERT_TRUE(e) << ailleurs;
    EXPECT_EQ(std::tuple(e->nature, e->chemin),
              std::tuple(EchecHistorique::Nature::Inscription, CheminHistorique(ailleurs)));
  }
}

}  // namespace
}  // namespace rolvex
