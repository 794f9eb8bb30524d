#include "history/witness_vfs.h"

#include <cstdint>

namespace rolvex {

namespace {

struct Contexte {
  sqlite3_vfs* reel;
  const TemoinAppels* temoin;
};

// Our file, with the system's own file right after it in the same allocation.
struct FichierTemoin {
  sqlite3_file base;
  const TemoinAppels* temoin;
  sqlite3_file* Reel() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

FichierTemoin* F(sqlite3_file* f) { return reinterpret_cast<FichierTemoin*>(f); }
sqlite3_file* R(sqlite3_file* f) { return F(f)->Reel(); }

template <typename Appel>
int Vu(const TemoinAppels& temoin, AppelFichier quoi, Appel&& appel) {
  temoin(quoi, false);
  const int rc = appel();
  temoin(quoi, true);
  return rc;
}

int Fermer(sqlite3_file* f) { return R(f)->pMethods->xClose(R(f)); }
int Lire(sqlite3_file* f, void* p, int n, sqlite3_int64 o) {
  return R(f)->pMethods->xRead(R(f), p, n, o);
}
int Ecrire(sqlite3_file* f, const void* p, int n, sqlite3_int64 o) {
  return Vu(*F(f)->temoin, AppelFichier::Ecriture,
            [&] { return R(f)->pMethods->xWrite(R(f), p, n, o); });
}
int Tronquer(sqlite3_file* f, sqlite3_int64 taille) {
  return Vu(*F(f)->temoin, AppelFichier::Ecriture,
            [&] { return R(f)->pMethods->xTruncate(R(f), taille); });
}
int Synchroniser(sqlite3_file* f, int drapeaux) {
  return Vu(*F(f)->temoin, AppelFichier::Synchronisation,
            [&] { return R(f)->pMethods->xSync(R(f), drapeaux); });
}
int Taille(sqlite3_file* f, sqlite3_int64* t) { return R(f)->pMethods->xFileSize(R(f), t); }
int Verrouiller(sqlite3_file* f, int n) { return R(f)->pMethods->xLock(R(f), n); }
int Deverrouiller(sqlite3_file* f, int n) { return R(f)->pMethods->xUnlock(R(f), n); }
int VerrouReserve(sqlite3_file* f, int* r) { return R(f)->pMethods->xCheckReservedLock(R(f), r); }
int Controle(sqlite3_file* f, int op, void* a) { return R(f)->pMethods->xFileControl(R(f), op, a); }
int Secteur(sqlite3_file* f) { return R(f)->pMethods->xSectorSize(R(f)); }
int Caracteristiques(sqlite3_file* f) { return R(f)->pMethods->xDeviceCharacteristics(R(f)); }
int ShmMap(sqlite3_file* f, int i, int n, int e, void volatile** p) {
  return R(f)->pMethods->xShmMap(R(f), i, n, e, p);
}
int ShmLock(sqlite3_file* f, int o, int n, int d) {
  return R(f)->pMethods->xShmLock(R(f), o, n, d);
}
void ShmBarrier(sqlite3_file* f) { R(f)->pMethods->xShmBarrier(R(f)); }
int ShmUnmap(sqlite3_file* f, int d) { return R(f)->pMethods->xShmUnmap(R(f), d); }
int Fetch(sqlite3_file* f, sqlite3_int64 o, int n, void** p) {
  return R(f)->pMethods->xFetch(R(f), o, n, p);
}
int Unfetch(sqlite3_file* f, sqlite3_int64 o, void* p) {
  return R(f)->pMethods->xUnfetch(R(f), o, p);
}

constexpr sqlite3_io_methods Methodes = {
    3,           Fermer,        Lire,          Ecrire,   Tronquer, Synchroniser,     Taille,
    Verrouiller, Deverrouiller, VerrouReserve, Controle, Secteur,  Caracteristiques, ShmMap,
    ShmLock,     ShmBarrier,    ShmUnmap,      Fetch,    Unfetch};

Contexte& Ctx(sqlite3_vfs* v) { return *static_cast<Contexte*>(v->pAppData); }

int Ouvrir(sqlite3_vfs* v, const char* nom, sqlite3_file* f, int drapeaux, int* sortie) {
  Contexte& c = Ctx(v);
  FichierTemoin* t = F(f);
  t->base.pMethods = nullptr;
  t->temoin = c.temoin;
  const int rc = Vu(*c.temoin, AppelFichier::Ouverture,
                    [&] { return c.reel->xOpen(c.reel, nom, t->Reel(), drapeaux, sortie); });
  // A file the system did not open is not closed either.
  if (t->Reel()->pMethods != nullptr) t->base.pMethods = &Methodes;
  return rc;
}
int Supprimer(sqlite3_vfs* v, const char* nom, int sync) {
  Contexte& c = Ctx(v);
  return Vu(*c.temoin, AppelFichier::Suppression,
            [&] { return c.reel->xDelete(c.reel, nom, sync); });
}
int Acces(sqlite3_vfs* v, const char* nom, int d, int* r) {
  return Ctx(v).reel->xAccess(Ctx(v).reel, nom, d, r);
}
int NomComplet(sqlite3_vfs* v, const char* nom, int n, char* sortie) {
  return Ctx(v).reel->xFullPathname(Ctx(v).reel, nom, n, sortie);
}
int Hasard(sqlite3_vfs* v, int n, char* sortie) {
  return Ctx(v).reel->xRandomness(Ctx(v).reel, n, sortie);
}
int Dormir(sqlite3_vfs* v, int us) { return Ctx(v).reel->xSleep(Ctx(v).reel, us); }
int Heure(sqlite3_vfs* v, double* t) { return Ctx(v).reel->xCurrentTime(Ctx(v).reel, t); }
int DerniereErreur(sqlite3_vfs* v, int n, char* t) {
  return Ctx(v).reel->xGetLastError(Ctx(v).reel, n, t);
}
int Heure64(sqlite3_vfs* v, sqlite3_int64* t) {
  return Ctx(v).reel->xCurrentTimeInt64(Ctx(v).reel, t);
}

}  // namespace

VfsTemoin::VfsTemoin(const TemoinAppels& temoin) {
  if (!temoin) return;
  sqlite3_vfs* reel = sqlite3_vfs_find(nullptr);
  nom_ =
      std::string("rolvex-temoin-").append(std::to_string(reinterpret_cast<std::uintptr_t>(this)));
  vfs_.iVersion = 2;
  vfs_.szOsFile = static_cast<int>(sizeof(FichierTemoin)) + reel->szOsFile;
  vfs_.mxPathname = reel->mxPathname;
  vfs_.zName = nom_.c_str();
  vfs_.pAppData = new Contexte{reel, &temoin};
  vfs_.xOpen = Ouvrir;
  vfs_.xDelete = Supprimer;
  vfs_.xAccess = Acces;
  vfs_.xFullPathname = NomComplet;
  vfs_.xRandomness = Hasard;
  vfs_.xSleep = Dormir;
  vfs_.xCurrentTime = Heure;
  vfs_.xGetLastError = DerniereErreur;
  vfs_.xCurrentTimeInt64 = Heure64;
  actif_ = sqlite3_vfs_register(&vfs_, 0) == SQLITE_OK;
}

VfsTemoin::~VfsTemoin() {
  if (actif_) sqlite3_vfs_unregister(&vfs_);
  delete static_cast<Contexte*>(vfs_.pAppData);
}

}  // namespace rolvex
