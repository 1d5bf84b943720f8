#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <sqlite3.h>

namespace ondi::server {

// A prepared SQLite statement. Parameters are numbered from 1 and columns from 0, as in SQLite.
class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);

  Statement& bind(int index, std::int64_t value);
  Statement& bind(int index, std::string_view value);
  Statement& bindNull(int index);

  // Runs the statement one step; true while a result row is available.
  bool step();

  std::int64_t columnInt64(int column) const;
  std::string columnText(int column) const;
  bool columnIsNull(int column) const;

 private:
  struct Finalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
  };

  void check(int result, std::string_view action) const;

  sqlite3* db_;
  std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
};

}  // namespace ondi::server
