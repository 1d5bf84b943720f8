#pragma once

#include <span>
#include <string_view>

namespace ondi::server {

class Database;

// One step of the schema. Versions start at 1 and rise by one; a step never changes once shipped.
struct Migration {
  int version;
  std::string_view description;
  std::string_view sql;
};

// Every step of the server's schema, in order.
std::span<const Migration> schemaMigrations();

// The version recorded in the schema_version table, 0 for a database that has none yet.
int schemaVersion(Database& database);

// Applies the steps newer than the recorded version, all in one transaction, and returns how
// many ran. A failing step leaves the database as it was. Throws DatabaseError, also when the
// database is newer than the steps known here.
int migrate(Database& database, std::span<const Migration> migrations);

}  // namespace ondi::server
