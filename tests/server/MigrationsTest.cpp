// Schema steps against real SQLite files.
#include <gtest/gtest.h>

#include <array>

#include "TemporaryDirectory.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Migrations.h"

namespace ondi::server {
namespace {

constexpr std::array kSteps{
    Migration{1, "first table", "CREATE TABLE first (id INTEGER PRIMARY KEY)"},
    Migration{2, "second table", "CREATE TABLE second (id INTEGER PRIMARY KEY)"},
};

bool hasTable(Database& database, std::string_view name) {
  return database.prepare("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?")
      .bind(1, name)
      .step();
}

class MigrationsTest : public ::testing::Test {
 protected:
  TemporaryDirectory folder_;
  Database database_ = Database::open(folder_.path() / "test.sqlite3");
};

TEST_F(MigrationsTest, EachStepRunsOnceAndTheVersionIsRecorded) {
  EXPECT_EQ(schemaVersion(database_), 0);
  EXPECT_EQ(migrate(database_, std::span(kSteps).first(1)), 1);
  EXPECT_EQ(schemaVersion(database_), 1);
  EXPECT_EQ(migrate(database_, kSteps), 1);
  EXPECT_EQ(migrate(database_, kSteps), 0);
  EXPECT_EQ(schemaVersion(database_), 2);
  EXPECT_TRUE(hasTable(database_, "second"));
}

TEST_F(MigrationsTest, AFailingStepLeavesTheDatabaseAsItWas) {
  const std::array broken{kSteps[0], Migration{2, "broken", "CREATE TABLE first (id INTEGER)"}};
  EXPECT_THROW(migrate(database_, broken), DatabaseError);
  EXPECT_EQ(schemaVersion(database_), 0);
  EXPECT_FALSE(hasTable(database_, "first"));
  // The database stays usable, and the corrected steps apply from the start.
  EXPECT_EQ(migrate(database_, kSteps), 2);
}

TEST_F(MigrationsTest, RefusesADatabaseNewerThanTheKnownSteps) {
  migrate(database_, kSteps);
  EXPECT_THROW(migrate(database_, std::span(kSteps).first(1)), DatabaseError);
  EXPECT_EQ(schemaVersion(database_), 2);
}

TEST_F(MigrationsTest, TheServerSchemaAppliesToAnEmptyDatabase) {
  EXPECT_EQ(migrate(database_, schemaMigrations()), static_cast<int>(schemaMigrations().size()));
  for (const char* table :
       {"meta", "accounts", "sessions", "email_verifications", "google_auth_requests",
        "google_codes", "account_preferences", "agent_instructions", "agent_threads",
        "agent_messages", "agent_events", "browser_runs", "agent_phone_lines", "agent_phone_calls",
        "agent_phone_call_events", "messaging_routes"}) {
    EXPECT_TRUE(hasTable(database_, table)) << table;
  }
}

TEST_F(MigrationsTest, AccountsRefuseASecondAccountForAnAddress) {
  migrate(database_, schemaMigrations());
  const char* insert =
      "INSERT INTO accounts (id, name, email, auth_provider, plan, created_at)"
      " VALUES (?, 'A', ?, 'email', 'free', 0)";
  database_.prepare(insert).bind(1, "usr_1").bind(2, "a@example.com").step();
  EXPECT_THROW(database_.prepare(insert).bind(1, "usr_2").bind(2, "a@example.com").step(),
               DatabaseError);
  // Addresses are stored in lower case, so that case never makes a second account.
  EXPECT_THROW(database_.prepare(insert).bind(1, "usr_3").bind(2, "A@example.com").step(),
               DatabaseError);
}

}  // namespace
}  // namespace ondi::server
