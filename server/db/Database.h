#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include <sqlite3.h>

#include "db/Statement.h"

namespace ondi::server {

// One open SQLite connection. Failures throw DatabaseError.
class Database {
 public:
  // Opens or creates the file, in write-ahead-log mode with foreign keys enforced.
  static Database open(const std::filesystem::path& file);

  // Runs one or more statements that take no parameters and whose rows are not needed.
  void execute(std::string_view sql);

  Statement prepare(std::string_view sql);

  // How many rows the last finished INSERT, UPDATE or DELETE changed.
  int changes() const;

 private:
  struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
  };

  explicit Database(sqlite3* db);

  std::unique_ptr<sqlite3, Closer> db_;
};

}  // namespace ondi::server
