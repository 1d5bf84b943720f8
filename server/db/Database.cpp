#include "db/Database.h"

#include <string>

#include "db/DatabaseError.h"

namespace ondi::server {
namespace {

constexpr int kBusyTimeoutMs = 5000;

}  // namespace

Database::Database(sqlite3* db) : db_(db) {}

Database Database::open(const std::filesystem::path& file) {
  sqlite3* raw = nullptr;
  const int result =
      sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  Database database(raw);
  if (result != SQLITE_OK) {
    throw DatabaseError("Could not open the database " + file.string() + ": " +
                        (raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(result)) + ".");
  }
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);

  Statement journal = database.prepare("PRAGMA journal_mode=WAL");
  if (!journal.step() || journal.columnText(0) != "wal") {
    throw DatabaseError("Could not switch the database " + file.string() +
                        " to write-ahead logging.");
  }
  database.execute("PRAGMA foreign_keys=ON");
  return database;
}

void Database::execute(std::string_view sql) {
  char* message = nullptr;
  const std::string text(sql);
  if (sqlite3_exec(db_.get(), text.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return;
  const std::string reason = message != nullptr ? message : sqlite3_errmsg(db_.get());
  sqlite3_free(message);
  throw DatabaseError("Could not run a database statement: " + reason + ".");
}

Statement Database::prepare(std::string_view sql) {
  return Statement(db_.get(), sql);
}

int Database::changes() const {
  return sqlite3_changes(db_.get());
}

}  // namespace ondi::server
