// What one client, address or account may ask of the server: password hashing off the main loop,
// sign-in attempts per client and per address, waiting Google sign-ins and threads per account.
#include <gtest/gtest.h>

#include <gio/gio.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "AccountSteps.h"
#include "AgentSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

constexpr char kWrongPassword[] = "not the password at all";

// A request written in full on its own connection, whose answer is read later.
class RawExchange {
 public:
  RawExchange(const std::string& baseURL, const std::string& request) {
    GSocketClient* client = g_socket_client_new();
    g_socket_client_set_timeout(client, 20);
    connection_ = g_socket_client_connect_to_host(
        client, baseURL.substr(baseURL.find("://") + 3).c_str(), 0, nullptr, nullptr);
    g_object_unref(client);
    if (connection_ == nullptr) throw std::runtime_error("Could not connect.");
    GOutputStream* output = g_io_stream_get_output_stream(G_IO_STREAM(connection_));
    if (!g_output_stream_write_all(output, request.data(), request.size(), nullptr, nullptr,
                                   nullptr)) {
      throw std::runtime_error("Could not send the request.");
    }
  }
  ~RawExchange() { g_object_unref(connection_); }
  RawExchange(const RawExchange&) = delete;
  RawExchange& operator=(const RawExchange&) = delete;

  bool answered() const {
    GSocket* socket = g_socket_connection_get_socket(connection_);
    return (g_socket_condition_check(socket, G_IO_IN) & G_IO_IN) != 0;
  }

  // The answer's status line, waiting for it.
  std::string statusLine() const {
    GInputStream* input = g_io_stream_get_input_stream(G_IO_STREAM(connection_));
    std::string received;
    char buffer[512];
    gssize count = 0;
    while (received.find("\r\n") == std::string::npos &&
           (count = g_input_stream_read(input, buffer, sizeof buffer, nullptr, nullptr)) > 0) {
      received.append(buffer, static_cast<std::size_t>(count));
    }
    return received.substr(0, received.find("\r\n"));
  }

 private:
  GSocketConnection* connection_;
};

std::string rawSignIn(const std::string& baseURL, const std::string& email) {
  const std::string body = nlohmann::json({{"email", email}, {"password", kWrongPassword}}).dump();
  return "POST /api/auth/password/sign-in HTTP/1.1\r\nHost: " +
         baseURL.substr(baseURL.find("://") + 3) +
         "\r\nX-Requested-With: VelmoraDesktop\r\nContent-Type: application/json\r\n"
         "Content-Length: " +
         std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

TEST(PasswordHashingTest, SignInsInProgressDoNotHoldUpOtherRequests) {
  OndiServerProcess server({.extraArguments = {"--client-sign-in-limit", "100"}});
  const HttpTestClient client(server.baseURL());
  ASSERT_EQ(signUp(client, "busy@example.com").status, 200u);

  // Each check takes a fraction of a second on one of two workers: eight take a while.
  std::vector<std::unique_ptr<RawExchange>> signIns;
  for (int i = 0; i < 8; ++i) {
    signIns.push_back(std::make_unique<RawExchange>(
        server.baseURL(), rawSignIn(server.baseURL(), "busy@example.com")));
  }
  EXPECT_EQ(client.send("GET", "/api/auth/session").status, 200u);
  int answeredFirst = 0;
  for (const auto& signIn : signIns) answeredFirst += signIn->answered() ? 1 : 0;
  EXPECT_LT(answeredFirst, 8) << "the session check waited for every password check";
  for (const auto& signIn : signIns) EXPECT_EQ(signIn->statusLine(), "HTTP/1.1 401 Unauthorized");
}

TEST(SignInLimitsTest, AClientThatTriesTooOftenWaitsForTheMinuteToEnd) {
  OndiServerProcess server({.extraArguments = {"--test-routes", "--client-sign-in-limit", "3"}});
  const HttpTestClient client(server.baseURL());
  ASSERT_EQ(signUp(client, "one@example.com").status, 200u);
  EXPECT_EQ(signIn(client, "one@example.com", kWrongPassword).status, 401u);
  EXPECT_EQ(signIn(client, "two@example.com", kWrongPassword).status, 401u);

  for (const HttpReply& refused :
       {signIn(client, "one@example.com"), signUp(client, "three@example.com")}) {
    EXPECT_EQ(refused.status, 429u);
    EXPECT_EQ(refused.json().at("error"),
              "Too many sign-in attempts. Wait a few minutes, then try again.");
    ASSERT_EQ(refused.headerValues("Retry-After").size(), 1u);
    EXPECT_GT(std::stoi(refused.headerValues("Retry-After").front()), 0);
    EXPECT_TRUE(refused.headerValues("Set-Cookie").empty());
  }
  advanceClock(client, 61);
  EXPECT_EQ(signIn(client, "one@example.com").status, 200u);
}

TEST(SignInLimitsTest, AnAddressWithTooManyFailuresWaitsEvenForTheRightPassword) {
  OndiServerProcess server({.extraArguments = {"--test-routes", "--address-sign-in-limit", "2"}});
  const HttpTestClient client(server.baseURL());
  ASSERT_EQ(signUp(client, "target@example.com").status, 200u);
  ASSERT_EQ(signUp(client, "bystander@example.com").status, 200u);
  EXPECT_EQ(signIn(client, "target@example.com", kWrongPassword).status, 401u);
  EXPECT_EQ(signIn(client, "target@example.com", kWrongPassword).status, 401u);
  EXPECT_EQ(signIn(client, "target@example.com").status, 429u);
  EXPECT_EQ(signIn(client, "bystander@example.com").status, 200u);

  advanceClock(client, 15 * 60 + 1);
  EXPECT_EQ(signIn(client, "target@example.com", kWrongPassword).status, 401u);
  // A successful sign-in starts the count again.
  EXPECT_EQ(signIn(client, "target@example.com").status, 200u);
  EXPECT_EQ(signIn(client, "target@example.com", kWrongPassword).status, 401u);
  EXPECT_EQ(signIn(client, "target@example.com").status, 200u);
}

TEST(GoogleRequestLimitTest, WaitingSignInsAreCappedUntilOneEndsOrExpires) {
  OndiServerProcess server({.extraArguments = {"--test-routes", "--pending-google-limit", "2"}});
  const HttpTestClient client(server.baseURL());
  const std::string first = startGoogle(client, "sign-up");
  startGoogle(client, "sign-in");
  const std::string start =
      "/api/auth/google/start?intent=sign-in&source=macos_app&returnTo=/agent.html&native=macos"
      "&code_challenge=" +
      std::string(kRfcChallenge) + "&code_challenge_method=S256";
  const HttpReply refused = client.send("GET", start);
  EXPECT_EQ(refused.status, 503u);
  EXPECT_NE(refused.body.find("Too many Google sign-ins are waiting"), std::string::npos);

  ASSERT_TRUE(callbackItem(submitConsent(client, first, "continue"), "code"));
  startGoogle(client, "sign-in");
  EXPECT_EQ(client.send("GET", start).status, 503u);
  advanceClock(client, 10 * 60 + 1);
  startGoogle(client, "sign-in");
  startGoogle(client, "sign-in");
}

TEST(ThreadLimitTest, AnAccountKeepsAtMostItsThreads) {
  OndiServerProcess server({.extraArguments = {"--thread-limit", "2"}});
  const HttpTestClient client(server.baseURL(), HttpTestClient::Cookies::keep);
  ASSERT_EQ(signUp(client, "chatty@example.com").status, 200u);
  ASSERT_EQ(sendPrompt(client, "First", "default").status, 200u);
  const HttpReply second = client.send("POST", "/api/agent/new");
  ASSERT_EQ(second.status, 200u) << second.body;
  const std::string secondId = second.json().at("activeThreadId");

  const HttpReply third = client.send("POST", "/api/agent/new");
  EXPECT_EQ(third.status, 409u);
  EXPECT_EQ(third.json().at("error"),
            "You have reached the limit of 2 conversations. Continue one of them instead.");
  EXPECT_EQ(sendPrompt(client, "Elsewhere", "thread-three").status, 409u);
  EXPECT_EQ(sendPrompt(client, "Again", secondId).status, 200u);
  EXPECT_EQ(sendPrompt(client, "Once more", "default").status, 200u);
}

}  // namespace
