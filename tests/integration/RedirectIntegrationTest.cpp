#include <gtest/gtest.h>

#include <libsoup/soup.h>

#include <map>
#include <stdexcept>
#include <vector>

#include "MainLoop.h"
#include "WebKitFixture.h"
#include "core/account/WorkspaceAPIClient.h"
#include "core/assist/OpenAIResponsesClient.h"
#include "core/util/GlibHandles.h"
#include "fakes/FakeEnvironment.h"
#include "platform/linux/GlibScheduler.h"
#include "platform/linux/SoupHttpTransport.h"

using namespace ondi;

namespace {

using Headers = std::map<std::string, std::string>;

// A loopback server that keeps the headers of every request and answers each with `status`, a
// Location header when one is given, and the body "{}".
class RecordingServer {
 public:
  RecordingServer(const std::string& address, unsigned status, std::string location = {})
      : server_(glib::ObjectRef<SoupServer>::adopt(soup_server_new(nullptr, nullptr))),
        status_(status),
        location_(location) {
    const auto inet =
        glib::ObjectRef<GInetAddress>::adopt(g_inet_address_new_from_string(address.c_str()));
    const auto socket =
        glib::ObjectRef<GSocketAddress>::adopt(g_inet_socket_address_new(inet.get(), 0));
    if (!soup_server_listen(server_.get(), socket.get(), static_cast<SoupServerListenOptions>(0),
                            nullptr)) {
      throw std::runtime_error("RecordingServer could not listen on " + address);
    }
    GSList* uris = soup_server_get_uris(server_.get());
    origin_ =
        "http://" + address + ":" + std::to_string(g_uri_get_port(static_cast<GUri*>(uris->data)));
    g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
    soup_server_add_handler(server_.get(), nullptr, handle, this, nullptr);
  }
  ~RecordingServer() { soup_server_disconnect(server_.get()); }
  RecordingServer(const RecordingServer&) = delete;
  RecordingServer& operator=(const RecordingServer&) = delete;

  std::string url(const std::string& path) const { return origin_ + path; }
  // The headers of each request so far, names lowercased.
  const std::vector<Headers>& requests() const { return requests_; }

 private:
  static void handle(SoupServer*, SoupServerMessage* message, const char*, GHashTable*,
                     gpointer data) {
    auto* self = static_cast<RecordingServer*>(data);
    Headers headers;
    SoupMessageHeadersIter iter;
    const char* name = nullptr;
    const char* value = nullptr;
    soup_message_headers_iter_init(&iter, soup_server_message_get_request_headers(message));
    while (soup_message_headers_iter_next(&iter, &name, &value)) {
      headers[glib::takeString(g_ascii_strdown(name, -1))] = value;
    }
    self->requests_.push_back(std::move(headers));
    SoupMessageHeaders* response = soup_server_message_get_response_headers(message);
    if (!self->location_.empty()) {
      soup_message_headers_replace(response, "Location", self->location_.c_str());
    }
    soup_server_message_set_status(message, self->status_, nullptr);
    soup_server_message_set_response(message, "application/json", SOUP_MEMORY_STATIC, "{}", 2);
  }

  glib::ObjectRef<SoupServer> server_;
  unsigned status_;
  std::string location_;
  std::string origin_;
  std::vector<Headers> requests_;
};

// Requests that carry credentials get a redirect as their answer: the credentials never reach
// the address it names.
class CredentialsAndRedirects : public ::testing::TestWithParam<unsigned> {
 protected:
  RecordingServer elsewhere{"127.0.0.2", 200};
  RecordingServer redirecting{"127.0.0.1", GetParam(), elsewhere.url("/landing")};
  platform::GlibScheduler scheduler;
  platform::SoupHttpTransport transport;
  fakes::FakeEnvironment environment;
};

TEST_P(CredentialsAndRedirects, AnAuthenticatedAPIRequestGetsTheRedirectAsItsResponse) {
  WebKitFixture webkit;
  bool stored = false;
  webkit.cookies().setCookie({"velmora_session", "secret", "127.0.0.1", "/", false, true, {}, ""},
                             [&] { stored = true; });
  ASSERT_TRUE(runMainLoopUntil([&] { return stored; }));
  environment.values["VELMORA_API_BASE_URL"] = redirecting.url("/");
  WorkspaceAPIClient client({"https://ondi.example", "ondi.example"}, environment, transport,
                            webkit.cookies(), scheduler, [] { return ""; });

  std::optional<DesktopAPIResult> result;
  // A GET, which libsoup would follow for every redirect status.
  client.performAuthenticatedAPIRequest("/api/auth/session", "GET", std::nullopt,
                                        {{"Authorization", "Bearer secret"}},
                                        [&](DesktopAPIResult r) { result = std::move(r); });
  ASSERT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));

  ASSERT_TRUE(result->has_value()) << result->error().description();
  EXPECT_EQ((*result)->statusCode, static_cast<int>(GetParam()));
  ASSERT_EQ(redirecting.requests().size(), 1u);
  EXPECT_EQ(redirecting.requests()[0].at("cookie"), "velmora_session=secret");
  EXPECT_TRUE(elsewhere.requests().empty()) << "the redirect was followed";
}

TEST_P(CredentialsAndRedirects, AnOpenAIRequestReportsTheRedirectAsAFailedStatus) {
  environment.values["ONDI_OPENAI_BASE_URL"] = redirecting.url("");
  OpenAIResponsesClient client(environment, transport);

  std::optional<std::expected<std::string, LocalOpenAIError>> answer;
  OpenAIPrompt prompt;
  prompt.message = "Hello";
  client.send(prompt, "sk-secret", [&](auto result) { answer = std::move(result); });
  ASSERT_TRUE(runMainLoopUntil([&] { return answer.has_value(); }));

  ASSERT_FALSE(answer->has_value());
  EXPECT_EQ(answer->error().description(),
            "OpenAI request failed with HTTP " + std::to_string(GetParam()) + ".");
  ASSERT_EQ(redirecting.requests().size(), 1u);
  EXPECT_EQ(redirecting.requests()[0].at("authorization"), "Bearer sk-secret");
  EXPECT_TRUE(elsewhere.requests().empty()) << "the redirect was followed";
}

INSTANTIATE_TEST_SUITE_P(EveryRedirect, CredentialsAndRedirects,
                         ::testing::Values(301u, 302u, 303u, 307u, 308u));

}  // namespace
