// An SQLite file system that shows each call changing the disk to a witness before and after
// it, so that tests can stop the process at any instant of a write. It forwards every call to
// the system's own file system, which does the work.
#pragma once

#include <sqlite3.h>

#include <string>

#include "records/file_store.h"

namespace rolvex {

class VfsTemoin {
 public:
  // Registered for as long as the object lives, under Nom(); nothing is seen without a witness.
  explicit VfsTemoin(const TemoinAppels& temoin);
  ~VfsTemoin();
  VfsTemoin(const VfsTemoin&) = delete;
  VfsTemoin& operator=(const VfsTemoin&) = delete;

  // The name to open a database with, or nullptr for the system's file system.
  const char* Nom() const { return actif_ ? nom_.c_str() : nullptr; }

 private:
  sqlite3_vfs vfs_{};
  std::string nom_;
  bool actif_ = false;
};

}  // namespace rolvex
