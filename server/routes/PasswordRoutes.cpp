#include "routes/PasswordRoutes.h"

#include <string>

#include "accounts/AccountServices.h"
#include "accounts/EmailAddress.h"
#include "accounts/TextInput.h"
#include "auth/SignedInAccount.h"
#include "http/JsonBody.h"
#include "http/Router.h"

namespace {

constexpr std::size_t kMaxNameCharacters = 120;
constexpr std::size_t kMaxPasswordCharacters = 1024;

constexpr char kUnavailable[] = "Email and password access is not available on this Ondi server.";
constexpr char kNotAnObject[] = "The request body must be a JSON object.";
constexpr char kNotCreated[] =
    "That account could not be created. If you already have an account, log in instead.";
constexpr char kMismatch[] = "That email and password do not match an Ondi account.";

struct Credentials {
  std::string name;
  std::string email;
  std::string password;
};

Credentials credentialsIn(const nlohmann::json& body) {
  return {.name = trimmed(stringMember(body, "name").value_or("")),
          .email = normalizedEmail(stringMember(body, "email").value_or("")),
          .password = stringMember(body, "password").value_or("")};
}

std::optional<std::string> signUpProblem(const Credentials& credentials,
                                         const AuthSettings& settings) {
  if (credentials.name.empty()) return "Enter your full name.";
  if (characterCount(credentials.name) > kMaxNameCharacters) {
    return "Use at most 120 characters for your name.";
  }
  if (!isEmailAddress(credentials.email)) return "Enter a valid email address.";
  const std::size_t passwordLength = characterCount(credentials.password);
  if (passwordLength < settings.passwordMinimumLength) {
    return "Use at least " + std::to_string(settings.passwordMinimumLength) +
           " characters for your password.";
  }
  if (passwordLength > kMaxPasswordCharacters) {
    return "Use at most 1024 characters for your password.";
  }
  return std::nullopt;
}

// The answer while an address waits for its link. It is the same whether the address was new or
// already had an account, so that signing up tells nobody which addresses have accounts.
Response verificationPending(const AccountServices& services, const std::string& email) {
  return Response::json(200, {{"ok", true},
                              {"authenticated", false},
                              {"message", "We sent a verification link to " + email +
                                              ". Open it, then return here to log in."},
                              {"email", email},
                              {"authProviders", authProvidersJson(services.settings)}});
}

Response signUp(AccountServices& services, const Request& request) {
  if (!services.settings.emailPasswordEnabled) return Response::error(403, kUnavailable);
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, kNotAnObject);
  const Credentials credentials = credentialsIn(*body);
  if (const auto problem = signUpProblem(credentials, services.settings)) {
    return Response::error(400, *problem);
  }

  const bool verify = services.settings.emailVerificationRequired;
  const auto account =
      services.accounts.create({.name = credentials.name,
                                .email = credentials.email,
                                .passwordHash = services.passwords.hash(credentials.password),
                                .authProvider = "email",
                                .googleSubject = std::nullopt,
                                .emailVerified = false});
  if (!account) {
    if (!verify) return Response::error(409, kNotCreated);
    services.outbox.sendAccountExistsNotice(credentials.email);
    return verificationPending(services, credentials.email);
  }
  if (!verify) return signInAnswer(services, *account, request);
  services.outbox.sendVerificationLink(account->email, services.verifications.issue(account->id));
  return verificationPending(services, account->email);
}

Response signIn(AccountServices& services, const Request& request) {
  if (!services.settings.emailPasswordEnabled) return Response::error(403, kUnavailable);
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, kNotAnObject);
  const Credentials credentials = credentialsIn(*body);
  if (!isEmailAddress(credentials.email)) {
    return Response::error(400, "Enter a valid email address.");
  }
  if (credentials.password.empty()) return Response::error(400, "Enter your password.");

  const auto account = services.accounts.findByEmail(credentials.email);
  if (!account || !account->passwordHash) {
    services.passwords.verifyNothing(credentials.password);
    return Response::error(401, kMismatch);
  }
  if (!services.passwords.verify(*account->passwordHash, credentials.password)) {
    return Response::error(401, kMismatch);
  }
  if (services.settings.emailVerificationRequired && !account->emailVerified) {
    services.outbox.sendVerificationLink(account->email, services.verifications.issue(account->id));
    const std::string reason =
        "Verify your email address before logging in. We sent a new verification link to " +
        account->email + ".";
    return Response::error(403, reason);
  }
  return signInAnswer(services, *account, request);
}

}  // namespace

void addPasswordRoutes(Router& router, AccountServices& services) {
  router.add("POST", "/api/auth/password/sign-up",
             [&services](const Request& request) { return signUp(services, request); });
  router.add("POST", "/api/auth/password/sign-in",
             [&services](const Request& request) { return signIn(services, request); });
}
