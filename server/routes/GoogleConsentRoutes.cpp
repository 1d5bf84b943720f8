#include "routes/GoogleConsentRoutes.h"

#include <algorithm>
#include <expected>
#include <optional>
#include <string>

#include "accounts/AccountServices.h"
#include "auth/GoogleConsentPages.h"
#include "auth/GoogleIdentity.h"
#include "auth/Pkce.h"
#include "auth/ReturnPath.h"
#include "http/Router.h"

namespace ondi::server {
namespace {

constexpr std::string_view kCallback = "com.velmora.desktop.auth://callback";
constexpr std::size_t kMaxSourceLength = 64;

Response callback(std::string_view item, std::string_view value) {
  return Response::redirect(std::string(kCallback) + "?" + std::string(item) + "=" +
                            std::string(value));
}

Response problem(unsigned status, std::string_view message) {
  return Response::page(status, googleProblemPage(message));
}

bool isSource(std::string_view source) {
  return !source.empty() && source.size() <= kMaxSourceLength &&
         std::ranges::all_of(source, [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '_' || c == '-';
         });
}

// Every query item the app sends, checked; the first problem as a sentence.
std::optional<std::string> startProblem(const Request& request) {
  const std::string intent = request.queryItem("intent").value_or("");
  if (intent != "sign-in" && intent != "sign-up") {
    return "The intent must be \"sign-in\" or \"sign-up\".";
  }
  if (!isSource(request.queryItem("source").value_or(""))) {
    return "The source must name the app that asks, such as \"macos_app\".";
  }
  if (!isLocalPath(request.queryItem("returnTo").value_or(""))) {
    return "The return address must be a path on this service, such as \"/agent.html\".";
  }
  if (const auto native = request.queryItem("native"); native && *native != "macos") {
    return "The native platform must be \"macos\".";
  }
  if (request.queryItem("code_challenge_method") != "S256") {
    return "The code challenge method must be \"S256\".";
  }
  if (!isCodeChallenge(request.queryItem("code_challenge").value_or(""))) {
    return "The code challenge must be 43 characters of letters, digits, \"-\" and \"_\".";
  }
  return std::nullopt;
}

Response start(AccountServices& services, const Request& request) {
  if (!services.settings.googleEnabled) {
    return problem(404, "Google sign-in is not available on this Ondi server.");
  }
  if (const auto reason = startProblem(request)) return problem(400, *reason);
  if (services.googleRequests.pendingCount() >= services.limits.pendingGoogleSignIns) {
    return problem(503,
                   "Too many Google sign-ins are waiting to finish. Try again in a few minutes.");
  }
  const std::string intent = *request.queryItem("intent");
  const std::string requestId = services.googleRequests.open(
      {.intent = intent, .challenge = *request.queryItem("code_challenge")});
  return Response::page(
      200, googleConsentPage(standInGoogleIdentity(services.settings), intent, requestId));
}

// The account the identity signs in to; for "sign-up" created when the identity has none. The
// error item for the callback otherwise.
std::expected<Account, std::string_view> accountFor(AccountServices& services,
                                                    std::string_view intent) {
  const GoogleIdentity identity = standInGoogleIdentity(services.settings);
  if (auto account = services.accounts.findByGoogleSubject(identity.subject)) return *account;
  if (intent != "sign-up") return std::unexpected("account_not_found");
  // An address that already has an account is never joined to a Google identity here: whoever
  // created that account may not own the address.
  auto created = services.accounts.create({.name = identity.name,
                                           .email = identity.email,
                                           .passwordHash = std::nullopt,
                                           .authProvider = "google",
                                           .googleSubject = identity.subject,
                                           .emailVerified = true});
  if (!created) return std::unexpected("email_in_use");
  return *created;
}

Response consent(AccountServices& services, const Request& request) {
  if (!services.settings.googleEnabled) {
    return problem(404, "Google sign-in is not available on this Ondi server.");
  }
  const auto requestId = request.formItems.find("request");
  const auto pending = requestId != request.formItems.end()
                           ? services.googleRequests.take(requestId->second)
                           : std::nullopt;
  const auto decision = request.formItems.find("decision");
  const std::string choice = decision != request.formItems.end() ? decision->second : "";
  if (choice == "cancel") return callback("error", "google_cancelled");
  if (choice != "continue") return problem(400, "Choose Continue or Cancel.");
  if (!pending) return callback("error", "request_expired");

  const auto account = accountFor(services, pending->intent);
  if (!account) return callback("error", account.error());
  return callback("code",
                  services.googleCodes.issue(account->id, pending->challenge, pending->intent));
}

}  // namespace

void addGoogleConsentRoutes(Router& router, AccountServices& services) {
  router.add("GET", "/api/auth/google/start",
             [&services](const Request& request) { return start(services, request); });
  router.add(
      "POST", "/api/auth/google/consent",
      [&services](const Request& request) { return consent(services, request); }, BodyFormat::form);
}

}  // namespace ondi::server
