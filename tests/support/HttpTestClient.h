#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <libsoup/soup.h>
#include <nlohmann/json.hpp>

struct HttpReply {
  unsigned status = 0;
  std::string body;
  std::vector<std::pair<std::string, std::string>> headers;

  // The body parsed as JSON; throws when it is not JSON.
  nlohmann::json json() const { return nlohmann::json::parse(body); }
  // The values of a header, whatever the case of its name.
  std::vector<std::string> headerValues(std::string_view name) const;
};

// A blocking HTTP client for the tests. By default it has no cookie jar, so that every cookie sent
// is one the test chose; with Cookies::keep it keeps cookies as a browser would. It never follows
// redirects, so that tests see them.
//
// It sends what a real caller adds to each request: as Caller::desktop, the app's
// "Accept: application/json" and "X-Requested-With: VelmoraDesktop"; as Caller::page, the Origin
// a browser adds for a page of the server itself. A header the test names replaces the default.
class HttpTestClient {
 public:
  using Headers = std::vector<std::pair<std::string, std::string>>;
  enum class Cookies { ignore, keep };
  enum class Caller { desktop, page };

  explicit HttpTestClient(std::string baseURL, Cookies cookies = Cookies::ignore,
                          Caller caller = Caller::desktop);
  ~HttpTestClient();

  HttpTestClient(const HttpTestClient&) = delete;
  HttpTestClient& operator=(const HttpTestClient&) = delete;

  // A non-empty body goes as "application/json" unless the headers name another type.
  HttpReply send(std::string_view method, std::string_view pathAndQuery, std::string_view body = {},
                 const Headers& headers = {}) const;

  // Sends the body in chunked encoding, without a declared length.
  HttpReply sendChunked(std::string_view method, std::string_view pathAndQuery,
                        std::string_view body) const;

  // Writes the bytes on a fresh connection, closes the sending side, and returns all that comes
  // back until the server closes the connection (or five seconds pass).
  std::string sendRaw(std::string_view bytes) const;

  // Accepts the self-signed certificate in that PEM file as the only trusted authority.
  void trustCertificate(const std::string& file);

  // The value of a cookie the jar holds for the server; nothing without a jar or such a cookie.
  std::optional<std::string> cookie(std::string_view name) const;

 private:
  HttpReply exchange(SoupMessage* message) const;

  std::string baseURL_;
  Headers callerHeaders_;
  SoupSession* session_;
};
