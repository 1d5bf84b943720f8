#include "db/Statement.h"

#include <string>

#include "db/DatabaseError.h"

namespace ondi::server {

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
  sqlite3_stmt* raw = nullptr;
  check(sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &raw, nullptr),
        "prepare a statement");
  statement_.reset(raw);
}

Statement& Statement::bind(int index, std::int64_t value) {
  check(sqlite3_bind_int64(statement_.get(), index, value), "bind a number");
  return *this;
}

Statement& Statement::bind(int index, std::string_view value) {
  check(sqlite3_bind_text(statement_.get(), index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT),
        "bind a text");
  return *this;
}

Statement& Statement::bindNull(int index) {
  check(sqlite3_bind_null(statement_.get(), index), "bind a null");
  return *this;
}

bool Statement::step() {
  const int result = sqlite3_step(statement_.get());
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  check(result, "run a statement");
  return false;
}

std::int64_t Statement::columnInt64(int column) const {
  return sqlite3_column_int64(statement_.get(), column);
}

std::string Statement::columnText(int column) const {
  const auto* text = sqlite3_column_text(statement_.get(), column);
  if (text == nullptr) return {};
  return {reinterpret_cast<const char*>(text),
          static_cast<std::size_t>(sqlite3_column_bytes(statement_.get(), column))};
}

bool Statement::columnIsNull(int column) const {
  return sqlite3_column_type(statement_.get(), column) == SQLITE_NULL;
}

void Statement::check(int result, std::string_view action) const {
  if (result == SQLITE_OK) return;
  throw DatabaseError("Could not " + std::string(action) + ": " + sqlite3_errmsg(db_) + ".");
}

}  // namespace ondi::server
