#include "core/account/WorkspaceAPIClient.h"

#include <memory>

#include "core/ports/CookieStore.h"
#include "core/ports/Environment.h"
#include "core/ports/HttpTransport.h"
#include "core/ports/Scheduler.h"
#include "core/util/Text.h"

namespace ondi {
namespace {

constexpr std::chrono::seconds kRequestTimeout{20};
constexpr const char* kSessionCookieName = "velmora_session";
constexpr const char* kEnvironmentBaseURL = "VELMORA_API_BASE_URL";

bool isHTTPScheme(const std::string& lowercasedScheme) {
  return lowercasedScheme == "http" || lowercasedScheme == "https";
}

std::string cookieDomainForMatching(const Cookie& cookie) {
  return asciiLowercased(trimmedCharacter(cookie.domain, '.'));
}

void setHeader(HttpHeaders& headers, const std::string& name, const std::string& value) {
  for (auto& [existing, existingValue] : headers) {
    if (equalsIgnoringASCIICase(existing, name)) {
      existing = name;
      existingValue = value;
      return;
    }
  }
  headers.emplace_back(name, value);
}

// Calls `done` once `count` calls of the returned function have arrived (at once for zero).
std::function<void()> countdown(std::size_t count, std::function<void()> done) {
  if (count == 0) {
    done();
    return [] {};
  }
  auto remaining = std::make_shared<std::size_t>(count);
  return [remaining, done = std::move(done)] {
    if (--*remaining == 0) done();
  };
}

}  // namespace

WorkspaceAPIClient::WorkspaceAPIClient(ServiceOrigin origin, const Environment& environment,
                                       HttpTransport& transport, CookieStore& cookies,
                                       Scheduler& scheduler, CurrentAddress currentAddress)
    : origin_(std::move(origin)),
      hosts_(origin_.registrableDomain),
      environment_(environment),
      transport_(transport),
      cookies_(cookies),
      scheduler_(scheduler),
      currentAddress_(std::move(currentAddress)) {}

std::string WorkspaceAPIClient::workspaceAPIBaseURL(
    const std::optional<std::string>& environmentValue,
    const std::optional<std::string>& currentWebURL, const ServiceOrigin& origin) {
  if (environmentValue) {
    if (auto url = Url::parse(*environmentValue); url && isHTTPScheme(url->lowercasedScheme()) &&
                                                  !url->host().empty() &&
                                                  !url->hasUserOrPassword()) {
      return url->string();
    }
  }
  if (currentWebURL) {
    const WorkspaceHosts hosts(origin.registrableDomain);
    if (auto url = Url::parse(*currentWebURL);
        url && isHTTPScheme(url->lowercasedScheme()) && hosts.isWorkspaceHost(url->host())) {
      return url->string();
    }
  }
  return origin.agentPageURL();
}

std::string WorkspaceAPIClient::cookieHeader(const std::vector<Cookie>& cookies) {
  std::string header;
  for (const Cookie& cookie : cookies) {
    if (!header.empty()) header += "; ";
    header += cookie.name.empty() ? cookie.value : cookie.name + "=" + cookie.value;
  }
  return header;
}

std::string WorkspaceAPIClient::managedBrowserBaseURL() const {
  return workspaceAPIBaseURL(environment_.value(kEnvironmentBaseURL), currentAddress_(), origin_);
}

void WorkspaceAPIClient::performAuthenticatedAPIRequest(
    const std::string& path, const std::string& method, const std::optional<std::string>& body,
    const std::map<std::string, std::string>& headers, Completion completion) {
  std::optional<std::string> surfaceAddress;
  if (auto current = Url::parse(currentAddress_()); current &&
                                                    isHTTPScheme(current->lowercasedScheme()) &&
                                                    hosts_.isWorkspaceHost(current->host())) {
    surfaceAddress = current->string();
  }
  const auto base = Url::parse(
      workspaceAPIBaseURL(environment_.value(kEnvironmentBaseURL), surfaceAddress, origin_));
  const auto url = base ? base->resolve(path) : std::nullopt;
  if (!url || !isHTTPScheme(url->lowercasedScheme())) {
    scheduler_.post([completion = std::move(completion)] {
      completion(std::unexpected(DesktopAPIRequestError::invalidURL()));
    });
    return;
  }
  // The jar applies the browser's own rules (host-only, path, secure, expiry) to the address.
  cookies_.cookiesForURL(
      url->string(), whileAlive(lifetime_, [this, url = *url, method, body, headers,
                                            completion = std::move(completion)](
                                               std::vector<Cookie> cookies) mutable {
        send(url, method, body, headers, std::move(cookies), std::move(completion));
      }));
}

void WorkspaceAPIClient::send(const Url& url, const std::string& method,
                              const std::optional<std::string>& body,
                              const std::map<std::string, std::string>& headers,
                              std::vector<Cookie> cookies, Completion completion) {
  HttpRequest request;
  request.url = url.string();
  request.method = method;
  request.body = body;
  request.timeout = kRequestTimeout;
  setHeader(request.headers, "Accept", "application/json");
  setHeader(request.headers, "X-Requested-With", "VelmoraDesktop");
  for (const auto& [name, value] : headers) setHeader(request.headers, name, value);
  if (body) setHeader(request.headers, "Content-Type", "application/json");

  if (const std::string cookie = cookieHeader(cookies); !cookie.empty()) {
    setHeader(request.headers, "Cookie", cookie);
  }
  std::string originHeader = url.scheme() + "://" + url.host();
  if (url.port()) originHeader += ":" + std::to_string(*url.port());
  setHeader(request.headers, "Origin", originHeader);

  transport_.send(
      request,
      whileAlive(lifetime_, [this, completion = std::move(completion)](
                                std::expected<HttpResponse, TransportError> result) mutable {
        if (!result) {
          scheduler_.post([completion = std::move(completion), error = result.error().message] {
            completion(std::unexpected(DesktopAPIRequestError::transport(error)));
          });
          return;
        }
        DesktopAPIResponse response{std::move(result->body), result->statusCode};
        storeResponseCookies(result->cookies, [this, completion = std::move(completion),
                                               response = std::move(response)]() mutable {
          scheduler_.post([completion = std::move(completion), response = std::move(response)] {
            completion(response);
          });
        });
      }));
}

void WorkspaceAPIClient::storeResponseCookies(const std::vector<Cookie>& cookies,
                                              std::function<void()> done) {
  auto arrived = countdown(cookies.size(), std::move(done));
  for (const Cookie& cookie : cookies) cookies_.setCookie(cookie, arrived);
}

void WorkspaceAPIClient::clearWorkspaceSessionCookies(std::function<void()> completion) {
  cookies_.allCookies(whileAlive(
      lifetime_, [this, completion = std::move(completion)](std::vector<Cookie> jar) mutable {
        std::erase_if(jar, [this](const Cookie& cookie) {
          return cookie.name != kSessionCookieName ||
                 !hosts_.isWorkspaceHost(cookieDomainForMatching(cookie));
        });
        auto finish = [this, completion = std::move(completion)]() mutable {
          scheduler_.post(std::move(completion));
        };
        auto deleted = countdown(jar.size(), std::move(finish));
        for (const Cookie& cookie : jar) cookies_.deleteCookie(cookie, deleted);
      }));
}

}  // namespace ondi
