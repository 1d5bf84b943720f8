// E-mail and password accounts over HTTP: signing up and in, the session cookie, signing out,
// and what the answers and the log must never give away.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include <glib.h>
#include <sqlite3.h>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

constexpr long long kThirtyDays = 30LL * 24 * 60 * 60;
constexpr char kMismatch[] = "That email and password do not match an Ondi account.";

// Counts rows with the sqlite3 API directly, not through the server's own code.
long long countRows(const std::filesystem::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  long long count = -1;
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      count = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return count;
}

std::string fileContents(const std::filesystem::path& file) {
  gchar* contents = nullptr;
  gsize length = 0;
  if (!g_file_get_contents(file.c_str(), &contents, &length, nullptr)) return {};
  std::string text(contents, length);
  g_free(contents);
  return text;
}

std::string sha256Hex(const std::string& text) {
  gchar* digest = g_compute_checksum_for_string(G_CHECKSUM_SHA256, text.c_str(), -1);
  std::string hex = digest;
  g_free(digest);
  return hex;
}

class PasswordAccountsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<OndiServerProcess>(
        OndiServerProcess::Options{.extraArguments = {"--test-routes"}});
    client_ = std::make_unique<HttpTestClient>(server_->baseURL(), HttpTestClient::Cookies::keep);
  }

  std::unique_ptr<OndiServerProcess> server_;
  std::unique_ptr<HttpTestClient> client_;
};

TEST_F(PasswordAccountsTest, SignUpStartsASessionThatSignOutEnds) {
  const HttpReply reply = signUp(*client_, "  Ada@Example.COM ");
  ASSERT_EQ(reply.status, 200u) << reply.body;
  const auto body = reply.json();
  EXPECT_EQ(body.at("ok"), true);
  EXPECT_EQ(body.at("authenticated"), true);
  const auto& user = body.at("user");
  EXPECT_TRUE(user.at("id").get<std::string>().starts_with("usr_"));
  EXPECT_EQ(user.at("email"), "ada@example.com");
  EXPECT_EQ(user.at("name"), "Ada Lovelace");
  EXPECT_EQ(user.at("authProvider"), "email");
  EXPECT_EQ(user.at("guest"), false);
  EXPECT_EQ(body.at("authProviders").at("passwordMinimumLength"), 15);

  // The cookie: 256 random bits, for the whole site, out of reach of page scripts, and without
  // Secure because this request came over plain HTTP.
  const auto parts = setCookieParts(reply);
  ASSERT_FALSE(parts.empty());
  const std::string token = sessionTokenSetBy(reply).value_or("");
  EXPECT_EQ(token.size(), 43u);
  EXPECT_EQ(
      token.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
      std::string::npos);
  const std::vector<std::string> attributes(parts.begin() + 1, parts.end());
  for (const char* expected : {"HttpOnly", "SameSite=Lax", "Path=/", "Max-Age=2592000"}) {
    EXPECT_NE(std::ranges::find(attributes, expected), attributes.end()) << expected;
  }
  EXPECT_EQ(std::ranges::find(attributes, "Secure"), attributes.end());

  const auto session = sessionOf(*client_);
  EXPECT_EQ(session.at("authenticated"), true);
  EXPECT_EQ(session.at("guest"), false);
  EXPECT_EQ(session.at("user").at("id"), user.at("id"));
  EXPECT_FALSE(session.at("user").contains("desktopPreferences"));
  EXPECT_EQ(session.at("agentInstructions").size(), 7u);
  EXPECT_EQ(session.at("conversationHistory"), nlohmann::json({{"enabled", true},
                                                               {"accountScoped", true},
                                                               {"resumable", true},
                                                               {"provider", "local"}}));

  const HttpReply signedOut = client_->send("POST", "/api/auth/sign-out");
  EXPECT_EQ(signedOut.status, 200u);
  EXPECT_EQ(signedOut.json(), nlohmann::json({{"ok", true}}));
  EXPECT_EQ(client_->cookie("velmora_session"), std::nullopt);
  const auto afterwards = sessionOf(*client_);
  EXPECT_EQ(afterwards.at("authenticated"), false);
  EXPECT_EQ(afterwards.size(), 2u) << afterwards;
  // The session ended on the server, not only in this client's jar.
  const HttpTestClient replay(server_->baseURL());
  EXPECT_EQ(
      replay.send("GET", "/api/auth/session", {}, sessionHeader(token)).json().at("authenticated"),
      false);
}

TEST_F(PasswordAccountsTest, WrongPasswordAndUnknownEmailGetTheSameAnswer) {
  ASSERT_EQ(signUp(*client_, "grace@example.com").status, 200u);
  const HttpTestClient stranger(server_->baseURL());
  const HttpReply wrongPassword = signIn(stranger, "grace@example.com", "not the password at all");
  const HttpReply unknownEmail = signIn(stranger, "nobody@example.com");
  for (const HttpReply* reply : {&wrongPassword, &unknownEmail}) {
    EXPECT_EQ(reply->status, 401u);
    EXPECT_EQ(reply->json(), nlohmann::json({{"ok", false}, {"error", kMismatch}}));
    EXPECT_TRUE(reply->headerValues("Set-Cookie").empty());
  }

  const HttpReply right = signIn(stranger, " GRACE@example.com", kPassword);
  EXPECT_EQ(right.status, 200u) << right.body;
  EXPECT_EQ(right.json().at("user").at("email"), "grace@example.com");
  EXPECT_TRUE(sessionTokenSetBy(right));
}

TEST_F(PasswordAccountsTest, SignUpRefusesInvalidFieldsWithTheirSentence) {
  const std::string fourteen(14, 'p');
  // 15 two-byte characters are 30 bytes; 14 of them are 28, more than 15 bytes but too short.
  std::string fifteenAccented;
  for (int i = 0; i < 15; ++i) fifteenAccented += "\xC3\xA9";
  const std::string fourteenAccented = fifteenAccented.substr(2);
  struct Case {
    std::string name, email, password, error;
  };
  const Case cases[] = {
      {"   ", "a@example.com", kPassword, "Enter your full name."},
      {"Ann", "no-at-sign.example", kPassword, "Enter a valid email address."},
      {"Ann", "ann@localhost", kPassword, "Enter a valid email address."},
      {"Ann", "ann@@example.com", kPassword, "Enter a valid email address."},
      {"Ann", "ann smith@example.com", kPassword, "Enter a valid email address."},
      {"Ann", "ann@example.com", fourteen, "Use at least 15 characters for your password."},
      {"Ann", "ann@example.com", fourteenAccented, "Use at least 15 characters for your password."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.email + " / " + c.error);
    const HttpReply reply = signUp(*client_, c.email, c.password, c.name);
    EXPECT_EQ(reply.status, 400u);
    EXPECT_EQ(reply.json(), nlohmann::json({{"ok", false}, {"error", c.error}}));
  }
  EXPECT_EQ(client_->send("POST", "/api/auth/password/sign-up", "[1, 2]").status, 400u);
  EXPECT_EQ(signUp(*client_, "ann@example.com", fifteenAccented).status, 200u);
}

TEST_F(PasswordAccountsTest, ASecondSignUpForAnAddressChangesNothing) {
  ASSERT_EQ(signUp(*client_, "lin@example.com").status, 200u);
  const HttpTestClient other(server_->baseURL());
  const HttpReply again =
      signUp(other, "LIN@example.com", "another long enough password", "Imposter");
  EXPECT_EQ(again.status, 409u);
  const std::string error = again.json().at("error");
  EXPECT_EQ(error,
            "That account could not be created. If you already have an account, log in instead.");
  EXPECT_TRUE(again.headerValues("Set-Cookie").empty());
  // The first owner's password and name still stand.
  EXPECT_EQ(signIn(other, "lin@example.com", "another long enough password").status, 401u);
  const HttpReply owner = signIn(other, "lin@example.com");
  EXPECT_EQ(owner.status, 200u);
  EXPECT_EQ(owner.json().at("user").at("name"), "Ada Lovelace");
}

TEST_F(PasswordAccountsTest, SessionsLastThirtyDays) {
  ASSERT_EQ(signUp(*client_, "kay@example.com").status, 200u);
  advanceClock(*client_, kThirtyDays - 60);
  EXPECT_EQ(sessionOf(*client_).at("authenticated"), true);
  advanceClock(*client_, 61);
  EXPECT_EQ(sessionOf(*client_).at("authenticated"), false);
}

TEST_F(PasswordAccountsTest, KeepsOnlyHashesAndLogsNoSecrets) {
  const std::string wrongPassword = "a wrong password to be logged?";
  const std::string token = sessionTokenSetBy(signUp(*client_, "sam@example.com")).value_or("");
  ASSERT_FALSE(token.empty());
  signIn(*client_, "sam@example.com", wrongPassword);
  ASSERT_TRUE(server_->waitForStandardError("POST /api/auth/password/sign-in 401"));
  ASSERT_EQ(server_->stop(), 0);

  const std::string log = server_->standardError();
  const auto database = server_->dataDirectory() / "ondi.sqlite3";
  const std::string stored = fileContents(database);
  ASSERT_FALSE(stored.empty());
  for (const std::string& secret : {std::string(kPassword), wrongPassword, token}) {
    EXPECT_EQ(log.find(secret), std::string::npos) << log;
    EXPECT_EQ(stored.find(secret), std::string::npos);
  }
  EXPECT_EQ(countRows(database,
                      "SELECT count(*) FROM accounts WHERE password_hash LIKE "
                      "'$argon2id$%' AND email = 'sam@example.com'"),
            1);
  EXPECT_EQ(countRows(database, "SELECT count(*) FROM sessions WHERE token_hash = '" +
                                    sha256Hex(token) + "'"),
            1);
}

}  // namespace
