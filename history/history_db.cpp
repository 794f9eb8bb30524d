#include "history/history_db.h"

#include <sqlite3.h>

#include <charconv>
#include <memory>

#include "history/witness_vfs.h"

namespace rolvex {

namespace {

namespace fs = std::filesystem;

// Each step brings the tables from version i to i + 1, in the write's transaction; a later
// version adds its step at the end and never changes an earlier one.
constexpr const char* EtapesSchema[VersionSchema] = {
    "CREATE TABLE games("
    " id INTEGER PRIMARY KEY, played_at TEXT NOT NULL, mode INTEGER NOT NULL,"
    " name TEXT NOT NULL, abandoned INTEGER NOT NULL, score INTEGER NOT NULL,"
    " figures INTEGER NOT NULL, seconds INTEGER NOT NULL, language TEXT NOT NULL,"
    " coach INTEGER NOT NULL);"
    "CREATE INDEX games_by_mode ON games(mode, id);"
    // One row per column in play: its totals, and its 13 squares from As to Yam separated by
    // commas, an empty field for a square not written.
    "CREATE TABLE columns("
    " game INTEGER NOT NULL REFERENCES games(id), col INTEGER NOT NULL,"
    " upper INTEGER NOT NULL, upper_bonus INTEGER NOT NULL, lower INTEGER NOT NULL,"
    " lower_bonus INTEGER NOT NULL, squares TEXT NOT NULL,"
    " PRIMARY KEY(game, col)) WITHOUT ROWID;"};

struct FermerBase {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Base = std::unique_ptr<sqlite3, FermerBase>;
struct Finaliser {
  void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Requete = std::unique_ptr<sqlite3_stmt, Finaliser>;

EchecHistorique Echec(int code, const fs::path& chemin, sqlite3* db) {
  using enum EchecHistorique::Nature;
  EchecHistorique e{.nature = Inscription,
                    .chemin = chemin,
                    .detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code)};
  switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: e.nature = Verrouillee; break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT: e.nature = Abimee; break;
    default: break;
  }
  return e;
}

// A failed call of SQLite, worded.
struct Erreur {
  int code;
};

void Verifier(int rc) {
  if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE) throw Erreur{rc};
}

Requete Preparer(sqlite3* db, const char* sql) {
  sqlite3_stmt* s = nullptr;
  Verifier(sqlite3_prepare_v2(db, sql, -1, &s, nullptr));
  return Requete(s);
}

int64_t Entier(sqlite3* db, const char* sql) {
  const Requete r = Preparer(db, sql);
  const int rc = sqlite3_step(r.get());
  Verifier(rc);
  return rc == SQLITE_ROW ? sqlite3_column_int64(r.get(), 0) : 0;
}

void Executer(sqlite3* db, const char* sql) {
  Verifier(sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}

Base Ouvrir(const fs::path& chemin, int drapeaux, const char* vfs) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(chemin.c_str(), &db, drapeaux | SQLITE_OPEN_NOFOLLOW, vfs);
  Base base(db);
  if (rc != SQLITE_OK) throw Erreur{rc};
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, AttenteVerrouMs);
  return base;
}

std::string EnTexte(const ParFigure<std::optional<int16_t>>& cases) {
  std::string texte;
  for (int16_t f = 1; f <= NbFigures; ++f) {
    if (f > 1) texte += ',';
    if (cases[f]) texte += std::to_string(*cases[f]);
  }
  return texte;
}

// The squares of a column as EnTexte wrote them; nothing for any other text.
std::optional<ParFigure<std::optional<int16_t>>> DepuisTexte(std::string_view texte) {
  ParFigure<std::optional<int16_t>> cases;
  for (int16_t f = 1; f <= NbFigures; ++f) {
    const std::size_t fin = std::min(texte.find(','), texte.size());
    const std::string_view champ = texte.substr(0, fin);
    if (!champ.empty()) {
      int16_t score = 0;
      const auto [ou, err] = std::from_chars(champ.data(), champ.data() + champ.size(), score);
      if (err != std::errc{} || ou != champ.data() + champ.size() || score < 0) return std::nullopt;
      cases[f] = score;
    }
    if ((fin == texte.size()) != (f == NbFigures)) return std::nullopt;
    texte.remove_prefix(std::min(fin + 1, texte.size()));
  }
  return cases;
}

void Lier(sqlite3_stmt* s, int i, int64_t v) { Verifier(sqlite3_bind_int64(s, i, v)); }
void Lier(sqlite3_stmt* s, int i, const std::string& v) {
  Verifier(sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT));
}

void Inserer(sqlite3* db, std::span<const PartieJouee> parties) {
  const Requete partie = Preparer(
      db,
      "INSERT INTO games(played_at, mode, name, abandoned, score, figures, seconds, language,"
      " coach) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
  const Requete colonne =
      Preparer(db,
               "INSERT INTO columns(game, col, upper, upper_bonus, lower, lower_bonus, squares)"
               " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
  for (const PartieJouee& p : parties) {
    sqlite3_stmt* s = partie.get();
    Lier(s, 1, p.quand);
    Lier(s, 2, p.mode);
    Lier(s, 3, p.nom);
    Lier(s, 4, p.abandonnee);
    Lier(s, 5, p.score);
    Lier(s, 6, p.figures);
    Lier(s, 7, p.secondes);
    Lier(s, 8, p.langue);
    Lier(s, 9, p.conseil);
    Verifier(sqlite3_step(s));
    Verifier(sqlite3_reset(s));
    const int64_t id = sqlite3_last_insert_rowid(db);
    const int16_t nbColonnes = ModeValide(p.mode) ? NbColonnesMode[p.mode] : 0;
    for (int16_t c = 1; c <= nbColonnes; ++c) {
      sqlite3_stmt* k = colonne.get();
      const TotauxColonne& t = p.totaux[c];
      Lier(k, 1, id);
      Lier(k, 2, c);
      Lier(k, 3, t.haut);
      Lier(k, 4, t.bonusHaut);
      Lier(k, 5, t.bas);
      Lier(k, 6, t.bonusBas);
      Lier(k, 7, EnTexte(p.cases[c]));
      Verifier(sqlite3_step(k));
      Verifier(sqlite3_reset(k));
    }
  }
}

}  // namespace

fs::path CheminHistorique(const fs::path& dossier) { return dossier / NomFichierHistorique; }

std::optional<EchecHistorique> EnregistrerParties(const fs::path& dossier,
                                                  std::span<const PartieJouee> parties,
                                                  const TemoinAppels& temoin) {
  const fs::path chemin = CheminHistorique(dossier);
  const VfsTemoin vfs(temoin);
  Base db;
  try {
    db = Ouvrir(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, vfs.Nom());
    // The journal mode stays with the file; the first write of a new history sets it. The
    // commit is not flushed on its own: the close folds the journal into the file and flushes
    // both, so that the journal never grows and the next open has nothing to replay.
    Executer(db.get(), "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
    Executer(db.get(), "BEGIN IMMEDIATE");
    try {
      const int64_t version = Entier(db.get(), "PRAGMA user_version");
      if (version > VersionSchema) {
        Executer(db.get(), "ROLLBACK");
        return EchecHistorique{EchecHistorique::Nature::Recente, chemin,
                               std::string("user_version ").append(std::to_string(version))};
      }
      for (int64_t v = version; v < VersionSchema; ++v) Executer(db.get(), EtapesSchema[v]);
      if (version < VersionSchema)
        Executer(db.get(),
                 std::string("PRAGMA user_version=").append(std::to_string(VersionSchema)).c_str());
      Inserer(db.get(), parties);
      Executer(db.get(), "COMMIT");
    } catch (const Erreur&) {
      sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  } catch (const Erreur& e) {
    return Echec(e.code, chemin, db.get());
  }
  return std::nullopt;
}

LectureHistorique LireHistorique(const fs::path& dossier, std::optional<int16_t> mode) {
  const fs::path chemin = CheminHistorique(dossier);
  LectureHistorique lecture;
  std::error_code erreur;
  if (!fs::exists(chemin, erreur)) return lecture;
  Base db;
  try {
    db = Ouvrir(chemin, SQLITE_OPEN_READWRITE, nullptr);
    // One read transaction: the games and their columns as one state of the file.
    Executer(db.get(), "BEGIN");
    const int64_t version = Entier(db.get(), "PRAGMA user_version");
    if (version > VersionSchema) {
      lecture.echec = EchecHistorique{EchecHistorique::Nature::Recente, chemin,
                                      std::string("user_version ").append(std::to_string(version))};
      return lecture;
    }
    // A database without tables yet holds no game.
    if (version < VersionSchema) {
      Entier(db.get(), "SELECT count(*) FROM sqlite_schema");
      return lecture;
    }
    const Requete r = Preparer(
        db.get(),
        "SELECT g.id, g.played_at, g.mode, g.name, g.abandoned, g.score, g.figures, g.seconds,"
        " g.language, g.coach, c.col, c.upper, c.upper_bonus, c.lower, c.lower_bonus, c.squares"
        " FROM games g LEFT JOIN columns c ON c.game = g.id"
        " WHERE ?1 IS NULL OR g.mode = ?1 ORDER BY g.id, c.col");
    if (mode) Lier(r.get(), 1, *mode);
    sqlite3_stmt* s = r.get();
    auto texte = [s](int i) {
      const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
      return std::string(t != nullptr ? t : "");
    };
    auto entier = [s](int i) { return sqlite3_column_int64(s, i); };
    int64_t idPrecedent = 0;
    bool valide = false;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
      const int64_t id = entier(0);
      if (id != idPrecedent) {
        idPrecedent = id;
        const int64_t m = entier(2);
        valide = ModeValide(static_cast<int>(m));
        if (!valide) continue;
        lecture.parties.push_back({.quand = texte(1),
                                   .mode = static_cast<int16_t>(m),
                                   .nom = texte(3),
                                   .abandonnee = entier(4) != 0,
                                   .score = static_cast<int32_t>(entier(5)),
                                   .figures = static_cast<int16_t>(entier(6)),
                                   .secondes = static_cast<int32_t>(entier(7)),
                                   .langue = texte(8),
                                   .conseil = entier(9) != 0,
                                   .totaux = {},
                                   .cases = {}});
      }
      if (!valide || sqlite3_column_type(s, 10) == SQLITE_NULL) continue;
      PartieJouee& p = lecture.parties.back();
      const int64_t c = entier(10);
      if (c < 1 || c > NbColonnesMode[p.mode]) continue;
      const auto* carres = reinterpret_cast<const char*>(sqlite3_column_text(s, 15));
      const auto cases = DepuisTexte(carres != nullptr ? carres : "");
      if (!cases) continue;
      p.totaux[static_cast<int>(c)] = {
          static_cast<int32_t>(entier(11)), static_cast<int32_t>(entier(12)),
          static_cast<int32_t>(entier(13)), static_cast<int32_t>(entier(14))};
      p.cases[static_cast<int>(c)] = *cases;
    }
    Verifier(rc);
  } catch (const Erreur& e) {
    lecture.parties.clear();
    lecture.echec = Echec(e.code, chemin, db.get());
  }
  return lecture;
}

}  // namespace rolvex
