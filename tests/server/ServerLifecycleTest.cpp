// Starting, stopping and restarting the ondi-server process, and how it refuses bad input on
// its command line.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <sqlite3.h>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "TemporaryDirectory.h"
#include "db/Migrations.h"

namespace ondi::server {
namespace {

// Reads one text value with the sqlite3 API directly, not through the server's own code.
std::string queryText(const std::filesystem::path& file, const char* sql) {
  sqlite3* db = nullptr;
  std::string value;
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return value;
}

TEST(ServerLifecycleTest, StopsWithStatusZeroOnSigtermAndSigint) {
  for (const int signalNumber : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signalNumber);
    OndiServerProcess server;
    HttpTestClient(server.baseURL()).send("GET", "/api/auth/session");
    EXPECT_EQ(server.stop(signalNumber), 0) << server.standardError();
    // The database was closed properly: SQLite removes the write-ahead log with the last
    // connection.
    EXPECT_TRUE(std::filesystem::exists(server.dataDirectory() / "ondi.sqlite3"));
    EXPECT_FALSE(std::filesystem::exists(server.dataDirectory() / "ondi.sqlite3-wal"));
  }
}

// Stopping while sign-ups hash their passwords: the hashing finishes before the account services
// it reads go away, and the server exits cleanly.
TEST(ServerLifecycleTest, StopsCleanlyWhileSignUpsAreHashing) {
  OndiServerProcess server;
  std::vector<std::thread> signUps;
  for (int i = 0; i < 6; ++i) {
    signUps.emplace_back([&server, i] {
      try {
        signUp(HttpTestClient(server.baseURL()), "user" + std::to_string(i) + "@example.com");
      } catch (const std::runtime_error&) {
        // The server stopped before answering.
      }
    });
  }
  ASSERT_TRUE(server.waitForStandardError("POST /api/auth/password/sign-up 200"));
  EXPECT_EQ(server.stop(SIGTERM), 0) << server.standardError();
  for (std::thread& signUpThread : signUps) signUpThread.join();
}

TEST(ServerLifecycleTest, DataSurvivesARestartAndStepsRunOnce) {
  TemporaryDirectory folder;
  const auto data = folder.path() / "nested" / "data";
  const auto database = data / "ondi.sqlite3";
  const std::string latest = std::to_string(schemaMigrations().size());

  OndiServerProcess first(OndiServerProcess::Options{.dataDirectory = data});
  ASSERT_EQ(first.stop(), 0);
  const std::string createdAt =
      queryText(database, "SELECT value FROM meta WHERE key = 'created_at'");
  ASSERT_FALSE(createdAt.empty());
  EXPECT_EQ(queryText(database, "SELECT version FROM schema_version"), latest);
  EXPECT_EQ(queryText(database, "PRAGMA journal_mode"), "wal");
  EXPECT_EQ(std::filesystem::status(data).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_all);

  OndiServerProcess second(OndiServerProcess::Options{.dataDirectory = data});
  EXPECT_EQ(HttpTestClient(second.baseURL()).send("GET", "/api/auth/session").status, 200u);
  ASSERT_EQ(second.stop(), 0);
  EXPECT_EQ(queryText(database, "SELECT value FROM meta WHERE key = 'created_at'"), createdAt);
  EXPECT_EQ(queryText(database, "SELECT count(*) FROM schema_version"), "1");
  EXPECT_EQ(queryText(database, "SELECT version FROM schema_version"), latest);
  EXPECT_NE(second.standardError().find("(0 steps applied)"), std::string::npos)
      << second.standardError();
}

TEST(ServerLifecycleTest, DefaultDataFolderIsUnderXdgDataHome) {
  TemporaryDirectory home;
  OndiServerProcess server(OndiServerProcess::Options{
      .defaultDataDirectory = true, .environment = {{"XDG_DATA_HOME", home.path().string()}}});
  ASSERT_EQ(server.stop(), 0);
  EXPECT_TRUE(std::filesystem::exists(home.path() / "ondi-server" / "ondi.sqlite3"));
}

TEST(ServerLifecycleTest, FailsToStartWithStatusOneWhenThePortIsTaken) {
  OndiServerProcess running;
  const std::string port = running.baseURL().substr(running.baseURL().rfind(':') + 1);
  TemporaryDirectory data;
  const auto result = OndiServerProcess::run({"--port", port, "--data", data.path().string()});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_TRUE(result.standardOutput.empty());
  EXPECT_NE(result.standardError.find("Could not listen"), std::string::npos)
      << result.standardError;
}

TEST(ServerLifecycleTest, BadCommandLinesExitWithStatusTwoAndOneSentence) {
  const std::vector<std::vector<std::string>> commandLines = {
      {"--bogus"},
      {"--port"},
      {"--port", "70000"},
      {"--port=abc"},
      {"--port", "-1"},
      {"--port", ""},
      {"--data"},
      {"--data="},
      {"--host"},
      {"--help=yes"},
      {"--test-routes=1"},
      {"stray"},
      {"--port", "0", "-x"},
      {"--no-google=yes"},
      {"--password-min-length", "7"},
      {"--password-min-length", "129"},
      {"--password-min-length=abc"},
      {"--google-identity"},
      {"--google-identity", "not-an-address"},
      {"--tls-port", "65536"},
      {"--connector-broker", "sometimes"},
  };
  for (const auto& arguments : commandLines) {
    SCOPED_TRACE(arguments.front());
    const auto result = OndiServerProcess::run(arguments);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_TRUE(result.standardOutput.empty());
    ASSERT_FALSE(result.standardError.empty());
    EXPECT_TRUE(result.standardError.starts_with("ondi-server: ")) << result.standardError;
    EXPECT_EQ(result.standardError.find('\n'), result.standardError.size() - 1)
        << result.standardError;
  }
}

TEST(ServerLifecycleTest, HelpPrintsUsageAndExitsZero) {
  const auto result = OndiServerProcess::run({"--help"});
  EXPECT_EQ(result.exitStatus, 0);
  for (const char* flag :
       {"--host", "--port", "--data", "--test-routes", "--help", "--no-google",
        "--no-email-password", "--require-email-verification", "--password-min-length",
        "--google-identity", "--agent-payments", "--topup-settle-seconds"}) {
    EXPECT_NE(result.standardOutput.find(flag), std::string::npos) << flag;
  }
}

}  // namespace
}  // namespace ondi::server
