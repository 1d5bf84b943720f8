#include "core/account/AuthenticationController.h"

#include <glib.h>

#include "core/account/DesktopPreferencesController.h"
#include "core/account/Pkce.h"
#include "core/account/WorkspaceAPIClient.h"
#include "core/account/WorkspaceSessionController.h"
#include "core/navigation/RouteNavigation.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebAuthenticator.h"
#include "core/util/GlibHandles.h"
#include "core/util/Json.h"
#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

using Kind = DesktopAuthenticationError::Kind;

std::string text(Kind kind) {
  return DesktopAuthenticationError::of(kind).description();
}

bool isSuccess(const DesktopAPIResponse& response) {
  return response.statusCode >= 200 && response.statusCode < 300;
}

// The value of one query item of an address, decoded; none when absent.
std::optional<std::string> queryItem(const Url& url, const std::string& name) {
  const glib::Owned<GHashTable, g_hash_table_unref> items(
      g_uri_parse_params(url.query().c_str(), -1, "&", G_URI_PARAMS_NONE, nullptr));
  if (!items) return std::nullopt;
  const auto* value = static_cast<const char*>(g_hash_table_lookup(items.get(), name.c_str()));
  return value ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

std::string AuthenticationController::authenticationMessage(const std::string& description) {
  const std::string trimmed = trimmedWhitespace(description);
  if (trimmed.empty()) return text(Kind::invalidResponse);
  return shortenedWithEllipsis(trimmed, 241);
}

void AuthenticationController::fail(const std::string& description) {
  d_.state.isAuthenticationActionInFlight.set(false);
  d_.state.authenticationError.set(authenticationMessage(description));
}

void AuthenticationController::presentAuthentication(DesktopAuthIntent intent) {
  d_.state.authenticationIntent.set(intent);
  d_.state.authenticationError.set("");
  d_.state.authenticationNotice.set("");
  d_.state.isAuthenticationPresented.set(true);
  d_.session.refresh();
}

void AuthenticationController::setAuthenticationIntent(DesktopAuthIntent intent) {
  if (intent == d_.state.authenticationIntent.get()) return;
  d_.state.authenticationIntent.set(intent);
  d_.state.authenticationError.set("");
  d_.state.authenticationNotice.set("");
}

void AuthenticationController::submitPasswordAuthentication(
    DesktopAuthIntent intent, const std::string& name, const std::string& email,
    const std::string& password, const std::string& passwordConfirmation) {
  if (d_.state.isAuthenticationActionInFlight.get()) return;
  const std::string trimmedName = trimmedWhitespace(name);
  const std::string normalizedEmail = asciiLowercased(trimmedWhitespace(email));
  auto reject = [this](const std::string& message) { d_.state.authenticationError.set(message); };
  if (normalizedEmail.find('@') == std::string::npos ||
      normalizedEmail.find('.') == std::string::npos) {
    return reject("Enter a valid email address.");
  }
  nlohmann::json body;
  std::string path;
  if (intent == DesktopAuthIntent::signIn) {
    if (password.empty()) return reject("Enter your password.");
    body = {{"email", normalizedEmail},
            {"password", password},
            {"returnTo", "/agent.html"},
            {"source", "macos_app"}};
    path = "/api/auth/password/sign-in";
  } else {
    const long long minimum = d_.state.authProviders.get().passwordMinimumLength;
    if (trimmedName.empty()) return reject("Enter your full name.");
    if (static_cast<long long>(characterCount(password)) < minimum) {
      return reject("Use at least " + std::to_string(minimum) + " characters for your password.");
    }
    if (password != passwordConfirmation) return reject("The passwords do not match.");
    body = {{"name", trimmedName}, {"email", normalizedEmail},  {"password", password},
            {"plan", "free"},      {"returnTo", "/agent.html"}, {"source", "macos_app"}};
    path = "/api/auth/password/sign-up";
  }
  d_.state.isAuthenticationActionInFlight.set(true);
  d_.state.authenticationError.set("");
  d_.state.authenticationNotice.set("");
  d_.api.performAuthenticatedAPIRequest(
      path, "POST", encodeJSON(body), {},
      whileAlive(lifetime_, [this](DesktopAPIResult result) { handleMutation(result, true); }));
}

void AuthenticationController::handleMutation(const DesktopAPIResult& result, bool passwordFlow) {
  d_.state.isAuthenticationActionInFlight.set(false);
  if (!result) return fail(result.error().description());
  const auto envelope = decodeJSON<DesktopAuthMutationEnvelope>(result->data);
  if (!envelope) return fail(text(Kind::invalidResponse));
  if (envelope->authProviders) d_.state.authProviders.set(*envelope->authProviders);
  if (passwordFlow && isSuccess(*result) && envelope->ok) {
    if (envelope->authenticated && envelope->user) return completeAuthentication(*envelope->user);
    d_.state.authenticationNotice.set(envelope->message.value_or(
        "Check your email and open the verification link, then return here to log in."));
    d_.state.authenticationIntent.set(DesktopAuthIntent::signIn);
    return;
  }
  if (!passwordFlow && isSuccess(*result) && envelope->authenticated && envelope->user) {
    return completeAuthentication(*envelope->user);
  }
  const std::string fallback = passwordFlow ? "Ondi could not complete that account request."
                                            : "Google sign-in could not be completed.";
  fail(envelope->error.value_or(fallback));
}

void AuthenticationController::completeAuthentication(const DesktopAuthUser& user) {
  if (user.guest == true || user.id.empty()) {
    d_.state.workspaceSessionState.set(WorkspaceSessionState::signedOut());
    d_.state.authenticationError.set(
        "Ondi could not verify a non-guest account. Please sign in again.");
    return;
  }
  d_.state.workspaceSessionState.set(
      WorkspaceSessionState::authenticated({user.id, user.name, user.email, user.authProvider}));
  d_.state.accountActionError.set("");
  d_.state.authenticationError.set("");
  d_.state.authenticationNotice.set("");
  d_.state.isAuthenticationPresented.set(false);
  d_.navigation.load(VelmoraRoute::agent());
}

void AuthenticationController::continueWithGoogle(DesktopAuthIntent intent) {
  if (d_.state.isAuthenticationActionInFlight.get()) return;
  if (!d_.state.authProviders.get().googleConfigured) {
    d_.state.authenticationError.set(text(Kind::googleUnavailable));
    return;
  }
  const auto verifier = randomBase64URL(d_.random, 32);
  const auto address = verifier ? googleAuthorizationURL(d_.api.managedBrowserBaseURL(), intent,
                                                         codeChallenge(*verifier))
                                : std::nullopt;
  if (!address) {
    d_.state.authenticationError.set(text(Kind::invalidConfiguration));
    return;
  }
  d_.state.isAuthenticationActionInFlight.set(true);
  d_.state.authenticationError.set("");
  d_.state.authenticationNotice.set("");
  const bool started = d_.webAuthenticator.start(
      *address, kAuthCallbackScheme,
      whileAlive(lifetime_, [this, verifier = *verifier](
                                std::expected<std::string, WebAuthenticationFailure> outcome) {
        if (outcome) return exchangeGoogleCallback(*outcome, verifier);
        if (outcome.error().cancelled) return fail(text(Kind::googleCancelled));
        fail(outcome.error().message);
      }));
  if (!started) fail(text(Kind::googleUnavailable));
}

void AuthenticationController::exchangeGoogleCallback(const std::string& callback,
                                                      const std::string& verifier) {
  const auto url = Url::parse(callback);
  if (!url || url->lowercasedScheme() != kAuthCallbackScheme || url->host() != "callback") {
    return fail(text(Kind::invalidResponse));
  }
  if (const auto error = queryItem(*url, "error"); error && !error->empty()) {
    if (*error == "google_cancelled") return fail(text(Kind::googleCancelled));
    if (*error == "account_not_found") {
      return fail("No Ondi account exists for that Google identity. Choose Create account first.");
    }
    return fail("Google sign-in could not be completed. Please try again.");
  }
  const auto code = queryItem(*url, "code");
  if (!code || code->empty()) return fail(text(Kind::invalidResponse));
  const nlohmann::json body = {{"code", *code}, {"verifier", verifier}};
  d_.api.performAuthenticatedAPIRequest(
      "/api/auth/native/exchange", "POST", encodeJSON(body), {},
      whileAlive(lifetime_, [this](DesktopAPIResult result) { handleMutation(result, false); }));
}

void AuthenticationController::signOutWorkspace(bool openSignInAfter) {
  if (d_.state.isAccountActionInFlight.get()) return;
  if (!d_.state.workspaceSessionState.get().isAuthenticated()) {
    if (openSignInAfter) presentAuthentication(DesktopAuthIntent::signIn);
    return;
  }
  d_.state.isAccountActionInFlight.set(true);
  d_.state.accountActionError.set("");
  d_.api.performAuthenticatedAPIRequest(
      "/api/auth/sign-out", "POST", std::nullopt, {},
      whileAlive(lifetime_, [this, openSignInAfter](DesktopAPIResult result) {
        if (!result || !isSuccess(*result)) {
          const std::string reason = result
                                         ? DesktopAPIRequestError::invalidResponse().description()
                                         : result.error().description();
          d_.state.isAccountActionInFlight.set(false);
          d_.state.accountActionError.set("Sign out failed. " + reason);
          d_.session.refresh();
          return;
        }
        d_.api.clearWorkspaceSessionCookies(whileAlive(lifetime_, [this, openSignInAfter] {
          d_.state.workspaceSessionState.set(WorkspaceSessionState::signedOut());
          d_.preferences.apply(DesktopAccountPreferences::accountDefaults());
          d_.state.clearAccountBoundData();
          d_.state.isAccountActionInFlight.set(false);
          if (openSignInAfter) presentAuthentication(DesktopAuthIntent::signIn);
        }));
      }));
}

}  // namespace ondi
