#include "http/HttpServer.h"

#include <array>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>

#include "http/BodyPolicy.h"
#include "http/HostPolicy.h"
#include "http/Reply.h"
#include "http/RequestLog.h"
#include "http/RequestPipeline.h"
#include "http/SoupMessageAdapter.h"

namespace ondi::server {
namespace {

constexpr char kStartTimeKey[] = "ondi-request-start-us";

bool hasStatus(SoupServerMessage* message) {
  return soup_server_message_get_status(message) != 0;
}

// Answers 413 without keeping any more of the body, and closes the connection afterwards so
// that the rest of the body is not taken for the next request.
void rejectBody(SoupServerMessage* message) {
  soup_message_body_set_accumulate(soup_server_message_get_request_body(message), FALSE);
  soup_message_headers_replace(soup_server_message_get_response_headers(message), "Connection",
                               "close");
  applyResponse(message, bodyTooLargeResponse());
}

// Bodies without a declared length are measured as they arrive.
void checkReceivedLength(SoupServerMessage* message, GBytes* /*chunk*/, gpointer /*unused*/) {
  if (hasStatus(message)) return;
  if (soup_server_message_get_request_body(message)->length > goffset{kMaxRequestBodyBytes}) {
    rejectBody(message);
  }
}

void noteStart(SoupServer* /*server*/, SoupServerMessage* message, gpointer /*unused*/) {
  auto* start = g_new(gint64, 1);
  *start = g_get_monotonic_time();
  g_object_set_data_full(G_OBJECT(message), kStartTimeKey, start, g_free);
}

void logRequest(SoupServer* /*server*/, SoupServerMessage* message, gpointer /*unused*/) {
  const auto* start =
      static_cast<const gint64*>(g_object_get_data(G_OBJECT(message), kStartTimeKey));
  const double milliseconds =
      start != nullptr ? static_cast<double>(g_get_monotonic_time() - *start) / 1000.0 : 0.0;
  const char* method = soup_server_message_get_method(message);
  GUri* uri = soup_server_message_get_uri(message);
  const char* path = uri != nullptr ? g_uri_get_path(uri) : nullptr;
  const std::string line =
      formatRequestLogLine(method != nullptr ? method : "", path != nullptr ? path : "",
                           soup_server_message_get_status(message), milliseconds);
  std::fprintf(stderr, "%s\n", line.c_str());
}

// A request between the handler's call and its answer.
class PendingMessage {
 public:
  explicit PendingMessage(SoupServerMessage* message)
      : message_(SOUP_SERVER_MESSAGE(g_object_ref(message))),
        disconnectedHandler_(g_signal_connect(message, "disconnected",
                                              G_CALLBACK(&PendingMessage::noteDisconnected),
                                              &disconnected_)) {}
  ~PendingMessage() {
    g_signal_handler_disconnect(message_, disconnectedHandler_);
    g_object_unref(message_);
  }
  PendingMessage(const PendingMessage&) = delete;
  PendingMessage& operator=(const PendingMessage&) = delete;

  void answer(const Response& response) {
    answered_ = true;
    if (disconnected_) return;
    applyResponse(message_, response);
    if (paused_) soup_server_message_unpause(message_);
  }

  void pauseUnlessAnswered() {
    if (answered_) return;
    paused_ = true;
    soup_server_message_pause(message_);
  }

 private:
  static void noteDisconnected(SoupServerMessage* /*message*/, gpointer disconnected) {
    *static_cast<bool*>(disconnected) = true;
  }

  SoupServerMessage* message_;
  bool disconnected_ = false;
  gulong disconnectedHandler_;
  bool answered_ = false;
  bool paused_ = false;
};

GInetAddress* resolveHost(const std::string& host) {
  if (GInetAddress* literal = g_inet_address_new_from_string(host.c_str())) return literal;
  g_autoptr(GResolver) resolver = g_resolver_get_default();
  g_autoptr(GError) error = nullptr;
  GList* addresses = g_resolver_lookup_by_name(resolver, host.c_str(), nullptr, &error);
  if (addresses == nullptr) {
    throw std::runtime_error("Could not resolve the host " + host + ": " + error->message + ".");
  }
  auto* first = G_INET_ADDRESS(g_object_ref(addresses->data));
  g_resolver_free_addresses(addresses);
  return first;
}

}  // namespace

HttpServer::HttpServer(const Router& router)
    : router_(router), server_(soup_server_new("server-header", "ondi-server", nullptr)) {
  soup_server_add_early_handler(server_, nullptr, &HttpServer::handleHeaders, this, nullptr);
  soup_server_add_handler(server_, nullptr, &HttpServer::handleRequest, this, nullptr);
  g_signal_connect(server_, "request-started", G_CALLBACK(noteStart), nullptr);
  // libsoup reports a 500 answer and an interrupted exchange as "aborted"; both are logged too.
  g_signal_connect(server_, "request-finished", G_CALLBACK(logRequest), nullptr);
  g_signal_connect(server_, "request-aborted", G_CALLBACK(logRequest), nullptr);
}

HttpServer::~HttpServer() {
  soup_server_disconnect(server_);
  g_object_unref(server_);
}

void HttpServer::listen(const std::string& host, unsigned port) {
  listenOn(host, port, static_cast<SoupServerListenOptions>(0));
}

void HttpServer::listenSecurely(const std::string& host, unsigned port,
                                GTlsCertificate* certificate) {
  g_object_set(server_, "tls-certificate", certificate, nullptr);
  listenOn(host, port, SOUP_SERVER_LISTEN_HTTPS);
}

void HttpServer::listenOn(const std::string& host, unsigned port, SoupServerListenOptions options) {
  g_autoptr(GInetAddress) address = resolveHost(host);
  g_autoptr(GSocketAddress) socketAddress =
      g_inet_socket_address_new(address, static_cast<guint16>(port));
  g_autoptr(GError) error = nullptr;
  if (!soup_server_listen(server_, socketAddress, options, &error)) {
    throw std::runtime_error("Could not listen on " + host + " port " + std::to_string(port) +
                             ": " + error->message + ".");
  }
  listenHost_ = host;
}

unsigned HttpServer::port() const {
  return portForScheme("http");
}

unsigned HttpServer::securePort() const {
  return portForScheme("https");
}

unsigned HttpServer::portForScheme(std::string_view scheme) const {
  GSList* uris = soup_server_get_uris(server_);
  unsigned port = 0;
  for (GSList* item = uris; item != nullptr; item = item->next) {
    auto* uri = static_cast<GUri*>(item->data);
    if (port == 0 && g_uri_get_scheme(uri) == scheme) port = g_uri_get_port(uri);
  }
  g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
  return port;
}

void HttpServer::handleHeaders(SoupServer* /*server*/, SoupServerMessage* message,
                               const char* /*path*/, GHashTable* /*query*/, gpointer /*self*/) {
  SoupMessageHeaders* headers = soup_server_message_get_request_headers(message);
  if (soup_message_headers_get_encoding(headers) == SOUP_ENCODING_CONTENT_LENGTH &&
      soup_message_headers_get_content_length(headers) > goffset{kMaxRequestBodyBytes}) {
    rejectBody(message);
    return;
  }
  g_signal_connect(message, "got-chunk", G_CALLBACK(checkReceivedLength), nullptr);
}

void HttpServer::handleRequest(SoupServer* /*server*/, SoupServerMessage* message,
                               const char* /*path*/, GHashTable* /*query*/, gpointer self) {
  const auto* server = static_cast<HttpServer*>(self);
  const Router& router = server->router_;
  // An answer that comes after this call returns finds the message paused, and resumes it. The
  // message is kept alive until then, and a client that has gone away by then is not answered.
  auto pending = std::make_shared<PendingMessage>(message);
  const Reply reply([pending](const Response& response) { pending->answer(response); });
  const char* host =
      soup_message_headers_get_one(soup_server_message_get_request_headers(message), "Host");
  const std::array<unsigned, 2> ports{server->port(), server->securePort()};
  if (host != nullptr && !namesThisServer(host, server->listenHost_, ports)) {
    reply(Response::error(421, "This server answers only for its own address."));
    pending->pauseUnlessAnswered();
    return;
  }
  try {
    answerRequest(router, requestFromMessage(message), reply);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Could not answer a request: %s\n", error.what());
    reply(Response::error(500, "The server could not complete the request."));
  }
  pending->pauseUnlessAnswered();
}

}  // namespace ondi::server
