#pragma once

#include <string>
#include <string_view>

#include <libsoup/soup.h>

#include "http/Router.h"

namespace ondi::server {

// Serves the router over HTTP with libsoup on the thread's default main context. It caps
// request bodies, and logs each request to stderr.
class HttpServer {
 public:
  explicit HttpServer(const Router& router);
  ~HttpServer();

  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Listens on the host (an address or a name) and the port, 0 meaning any free one. Throws
  // std::runtime_error with a finished sentence.
  void listen(const std::string& host, unsigned port);
  // Listens for HTTPS as well, presenting the certificate.
  void listenSecurely(const std::string& host, unsigned port, GTlsCertificate* certificate);

  // The ports actually listened on, for HTTP and for HTTPS (0 when not listening).
  unsigned port() const;
  unsigned securePort() const;

 private:
  void listenOn(const std::string& host, unsigned port, SoupServerListenOptions options);
  unsigned portForScheme(std::string_view scheme) const;
  static void handleHeaders(SoupServer* server, SoupServerMessage* message, const char* path,
                            GHashTable* query, gpointer self);
  static void handleRequest(SoupServer* server, SoupServerMessage* message, const char* path,
                            GHashTable* query, gpointer self);

  const Router& router_;
  SoupServer* server_;
  // The host it was told to listen on, which requests may name.
  std::string listenHost_;
};

}  // namespace ondi::server
