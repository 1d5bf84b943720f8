#include "routes/PasswordRoutes.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "WorkerPool.h"
#include "accounts/AccountServices.h"
#include "accounts/EmailAddress.h"
#include "accounts/TextInput.h"
#include "auth/SignedInAccount.h"
#include "http/JsonBody.h"
#include "http/Router.h"

namespace ondi::server {
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

Response tooManyAttempts(std::int64_t waitSeconds) {
  Response response =
      Response::error(429, "Too many sign-in attempts. Wait a few minutes, then try again.");
  response.headers.emplace_back("Retry-After",
                                std::to_string(std::max<std::int64_t>(waitSeconds, 1)));
  return response;
}

Response hashFailed() {
  return Response::error(500, "The server could not complete the request.");
}

// Counts the attempt against the client; the answer that refuses it when the client has used up
// its allowance.
std::optional<Response> refuseBusyClient(AccountServices& services, const Request& request) {
  if (const auto wait = services.clientSignIns.waitFor(request.clientAddress)) {
    return tooManyAttempts(*wait);
  }
  services.clientSignIns.record(request.clientAddress);
  return std::nullopt;
}

void mailLink(AccountServices& services, const Account& account, const std::string& name,
              const std::string& passwordHash) {
  services.outbox.sendVerificationLink(
      account.email, services.verifications.issue(
                         {.accountId = account.id, .name = name, .passwordHash = passwordHash}));
}

// After hashing: creates the account, or for an address that waits for verification, mails a
// link bound to this sign-up.
Response finishSignUp(AccountServices& services, const Request& request,
                      const Credentials& credentials, const std::string& passwordHash) {
  const bool verify = services.settings.emailVerificationRequired;
  const auto account = services.accounts.create({.name = credentials.name,
                                                 .email = credentials.email,
                                                 .passwordHash = passwordHash,
                                                 .authProvider = "email",
                                                 .googleSubject = std::nullopt,
                                                 .emailVerified = false});
  if (account) {
    if (!verify) return signInAnswer(services, *account, request);
    mailLink(services, *account, credentials.name, passwordHash);
    return verificationPending(services, account->email);
  }
  if (!verify) return Response::error(409, kNotCreated);
  // Nobody has confirmed the address yet, so this sign-up may be its owner's: it gets its own
  // link, which makes its own password the account's. Otherwise the owner hears of the attempt.
  const auto existing = services.accounts.findByEmail(credentials.email);
  if (existing && existing->authProvider == "email" && !existing->emailVerified) {
    mailLink(services, *existing, credentials.name, passwordHash);
  } else {
    services.outbox.sendAccountExistsNotice(credentials.email);
  }
  return verificationPending(services, credentials.email);
}

void signUp(AccountServices& services, const Request& request, const Reply& reply) {
  if (!services.settings.emailPasswordEnabled) return reply(Response::error(403, kUnavailable));
  const auto body = jsonObjectBody(request);
  if (!body) return reply(Response::error(400, kNotAnObject));
  const Credentials credentials = credentialsIn(*body);
  if (const auto problem = signUpProblem(credentials, services.settings)) {
    return reply(Response::error(400, *problem));
  }
  if (auto refusal = refuseBusyClient(services, request)) return reply(*std::move(refusal));

  const PasswordHasher& hasher = services.passwords;
  services.workers.run<std::optional<std::string>>(
      [&hasher, password = credentials.password] { return hasher.hash(password); },
      [&services, request, credentials, reply](std::optional<std::string> hash) {
        reply.answerWith([&] {
          if (!hash) return hashFailed();
          return finishSignUp(services, request, credentials, *hash);
        });
      });
}

// After checking the password against the hash the account had when the request came.
Response finishSignIn(AccountServices& services, const Request& request, const std::string& email,
                      const std::optional<Account>& checked, bool matches) {
  // The account must still have the hash that was checked.
  const auto account = checked ? services.accounts.findById(checked->id) : std::nullopt;
  if (!matches || !account || account->passwordHash != checked->passwordHash) {
    services.addressSignInFailures.record(email);
    return Response::error(401, kMismatch);
  }
  services.addressSignInFailures.clear(email);
  if (services.settings.emailVerificationRequired && !account->emailVerified) {
    mailLink(services, *account, account->name, *account->passwordHash);
    const std::string reason =
        "Verify your email address before logging in. We sent a new verification link to " +
        account->email + ".";
    return Response::error(403, reason);
  }
  return signInAnswer(services, *account, request);
}

void signIn(AccountServices& services, const Request& request, const Reply& reply) {
  if (!services.settings.emailPasswordEnabled) return reply(Response::error(403, kUnavailable));
  const auto body = jsonObjectBody(request);
  if (!body) return reply(Response::error(400, kNotAnObject));
  const Credentials credentials = credentialsIn(*body);
  if (!isEmailAddress(credentials.email)) {
    return reply(Response::error(400, "Enter a valid email address."));
  }
  if (credentials.password.empty()) return reply(Response::error(400, "Enter your password."));
  if (const auto wait = services.addressSignInFailures.waitFor(credentials.email)) {
    return reply(tooManyAttempts(*wait));
  }
  if (auto refusal = refuseBusyClient(services, request)) return reply(*std::move(refusal));

  auto account = services.accounts.findByEmail(credentials.email);
  if (account && !account->passwordHash) account.reset();
  const std::optional<std::string> storedHash =
      account ? account->passwordHash : std::optional<std::string>();
  const PasswordHasher& hasher = services.passwords;
  services.workers.run<bool>(
      [&hasher, storedHash, password = credentials.password] {
        if (!storedHash) {
          hasher.verifyNothing(password);
          return false;
        }
        return hasher.verify(*storedHash, password);
      },
      [&services, request, email = credentials.email, account, reply](bool matches) {
        reply.answerWith([&] { return finishSignIn(services, request, email, account, matches); });
      });
}

}  // namespace

void addPasswordRoutes(Router& router, AccountServices& services) {
  router.addDeferred("POST", "/api/auth/password/sign-up",
                     [&services](const Request& request, const Reply& reply) {
                       signUp(services, request, reply);
                     });
  router.addDeferred("POST", "/api/auth/password/sign-in",
                     [&services](const Request& request, const Reply& reply) {
                       signIn(services, request, reply);
                     });
}

}  // namespace ondi::server
