#include "core/account/AuthRecords.h"

#include "core/util/Json.h"

namespace ondi {

std::string wireValue(DesktopAuthIntent intent) {
  return intent == DesktopAuthIntent::signUp ? "sign-up" : "sign-in";
}

void from_json(const nlohmann::json& json, DesktopAuthProviders& providers) {
  providers = DesktopAuthProviders{};
  providers.googleConfigured = optionalField<bool>(json, "googleConfigured").value_or(false);
  providers.emailPasswordEnabled =
      optionalField<bool>(json, "emailPasswordEnabled").value_or(false);
  providers.emailVerificationRequired =
      optionalField<bool>(json, "emailVerificationRequired").value_or(true);
  providers.verificationEmailConfigured =
      optionalField<bool>(json, "verificationEmailConfigured").value_or(false);
  providers.passwordMinimumLength =
      optionalField<long long>(json, "passwordMinimumLength").value_or(15);
}

void from_json(const nlohmann::json& json, DesktopAuthUser& user) {
  json.at("id").get_to(user.id);
  json.at("email").get_to(user.email);
  json.at("name").get_to(user.name);
  json.at("authProvider").get_to(user.authProvider);
  user.guest = optionalField<bool>(json, "guest");
}

void from_json(const nlohmann::json& json, DesktopAuthMutationEnvelope& envelope) {
  envelope.ok = optionalField<bool>(json, "ok").value_or(false);
  envelope.authenticated = optionalField<bool>(json, "authenticated").value_or(false);
  envelope.user = optionalField<DesktopAuthUser>(json, "user");
  envelope.error = optionalField<std::string>(json, "error");
  envelope.message = optionalField<std::string>(json, "message");
  envelope.email = optionalField<std::string>(json, "email");
  envelope.authProviders = optionalField<DesktopAuthProviders>(json, "authProviders");
}

std::string DesktopAuthenticationError::description() const {
  switch (kind_) {
    case Kind::message:
      return text_;
    case Kind::invalidConfiguration:
      return "Ondi account access is not configured correctly.";
    case Kind::invalidResponse:
      return "Ondi returned an invalid account response. Please try again.";
    case Kind::googleCancelled:
      return "Google sign-in was cancelled.";
    case Kind::googleUnavailable:
      return "Google sign-in is temporarily unavailable.";
  }
  return text_;
}

}  // namespace ondi
