#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace ondi {

enum class DesktopAuthIntent { signIn, signUp };

// "sign-in" or "sign-up".
std::string wireValue(DesktopAuthIntent intent);

// Which sign-in methods the account service offers. Absent keys take these values.
struct DesktopAuthProviders {
  bool googleConfigured = false;
  bool emailPasswordEnabled = false;
  bool emailVerificationRequired = true;
  bool verificationEmailConfigured = false;
  long long passwordMinimumLength = 15;

  bool operator==(const DesktopAuthProviders&) const = default;
};
void from_json(const nlohmann::json& json, DesktopAuthProviders& providers);

struct DesktopAuthUser {
  std::string id;
  std::string email;
  std::string name;
  std::string authProvider;
  std::optional<bool> guest;
};
void from_json(const nlohmann::json& json, DesktopAuthUser& user);

// The answer of the password and code-exchange endpoints; every key is optional.
struct DesktopAuthMutationEnvelope {
  bool ok = false;
  bool authenticated = false;
  std::optional<DesktopAuthUser> user;
  std::optional<std::string> error;
  std::optional<std::string> message;
  std::optional<std::string> email;
  std::optional<DesktopAuthProviders> authProviders;
};
void from_json(const nlohmann::json& json, DesktopAuthMutationEnvelope& envelope);

class DesktopAuthenticationError {
 public:
  enum class Kind {
    message,
    invalidConfiguration,
    invalidResponse,
    googleCancelled,
    googleUnavailable
  };

  static DesktopAuthenticationError message(std::string text) {
    return {Kind::message, std::move(text)};
  }
  static DesktopAuthenticationError of(Kind kind) { return {kind, {}}; }

  Kind kind() const { return kind_; }
  std::string description() const;

 private:
  DesktopAuthenticationError(Kind kind, std::string text) : kind_(kind), text_(std::move(text)) {}
  Kind kind_;
  std::string text_;
};

}  // namespace ondi
