#include "AccountSteps.h"

#include <regex>
#include <stdexcept>

#include <glib.h>

namespace {

constexpr std::string_view kCallbackPrefix = "com.velmora.desktop.auth://callback?";

std::string trimmedPart(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

HttpReply signUp(const HttpTestClient& client, std::string_view email, std::string_view password,
                 std::string_view name) {
  const nlohmann::json body = {{"name", name},
                               {"email", email},
                               {"password", password},
                               {"plan", "free"},
                               {"returnTo", "/agent.html"},
                               {"source", "macos_app"}};
  return client.send("POST", "/api/auth/password/sign-up", body.dump());
}

HttpReply signIn(const HttpTestClient& client, std::string_view email, std::string_view password) {
  const nlohmann::json body = {{"email", email},
                               {"password", password},
                               {"returnTo", "/agent.html"},
                               {"source", "macos_app"}};
  return client.send("POST", "/api/auth/password/sign-in", body.dump());
}

nlohmann::json sessionOf(const HttpTestClient& client) {
  return client.send("GET", "/api/auth/session").json();
}

std::vector<std::string> setCookieParts(const HttpReply& reply) {
  const auto headers = reply.headerValues("Set-Cookie");
  if (headers.size() != 1) return {};
  std::vector<std::string> parts;
  std::string_view rest = headers.front();
  while (true) {
    const std::size_t end = rest.find(';');
    parts.push_back(trimmedPart(rest.substr(0, end)));
    if (end == std::string_view::npos) return parts;
    rest.remove_prefix(end + 1);
  }
}

std::optional<std::string> sessionTokenSetBy(const HttpReply& reply) {
  const auto parts = setCookieParts(reply);
  constexpr std::string_view kPrefix = "velmora_session=";
  if (parts.empty() || !parts.front().starts_with(kPrefix)) return std::nullopt;
  return parts.front().substr(kPrefix.size());
}

HttpTestClient::Headers sessionHeader(std::string_view token) {
  return {{"Cookie", "velmora_session=" + std::string(token)}};
}

std::string startGoogle(const HttpTestClient& client, std::string_view intent,
                        std::string_view challenge) {
  const HttpReply page =
      client.send("GET", "/api/auth/google/start?intent=" + std::string(intent) +
                             "&source=macos_app&returnTo=/agent.html&native=macos&code_challenge=" +
                             std::string(challenge) + "&code_challenge_method=S256");
  std::smatch match;
  static const std::regex kRequestField(R"re(name="request" value="([^"]+)")re");
  if (page.status != 200 || !std::regex_search(page.body, match, kRequestField)) {
    throw std::runtime_error("The consent page did not open: " + page.body);
  }
  return match[1];
}

HttpReply submitConsent(const HttpTestClient& client, std::string_view requestId,
                        std::string_view decision) {
  gchar* id = g_uri_escape_string(std::string(requestId).c_str(), nullptr, FALSE);
  const std::string form = "request=" + std::string(id) + "&decision=" + std::string(decision);
  g_free(id);
  return client.send("POST", "/api/auth/google/consent", form,
                     {{"Content-Type", "application/x-www-form-urlencoded"}});
}

std::optional<std::string> callbackItem(const HttpReply& reply, std::string_view name) {
  const auto locations = reply.headerValues("Location");
  if (reply.status != 302 || locations.size() != 1 ||
      !locations.front().starts_with(kCallbackPrefix)) {
    return std::nullopt;
  }
  GHashTable* items = g_uri_parse_params(locations.front().c_str() + kCallbackPrefix.size(), -1,
                                         "&", G_URI_PARAMS_NONE, nullptr);
  std::optional<std::string> value;
  if (items != nullptr) {
    if (const auto* found =
            static_cast<const char*>(g_hash_table_lookup(items, std::string(name).c_str()))) {
      value = found;
    }
    g_hash_table_unref(items);
  }
  return value;
}

std::string googleCode(const HttpTestClient& client, std::string_view intent) {
  return callbackItem(submitConsent(client, startGoogle(client, intent), "continue"), "code")
      .value_or("");
}

HttpReply exchangeCode(const HttpTestClient& client, std::string_view code,
                       std::string_view verifier) {
  return client.send("POST", "/api/auth/native/exchange",
                     nlohmann::json({{"code", code}, {"verifier", verifier}}).dump());
}

void advanceClock(const HttpTestClient& client, long long seconds) {
  const HttpReply reply =
      client.send("POST", "/api/test/clock", nlohmann::json({{"advanceSeconds", seconds}}).dump());
  if (reply.status != 200) throw std::runtime_error("Could not move the clock: " + reply.body);
}
