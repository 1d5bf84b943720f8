#pragma once

#include <string>

namespace ondi {

struct AccountState;
class OpenAIKeychain;

// What the Settings screen's API key section says and does for the signed-in account.
class OpenAIKeySettings {
 public:
  // The outcome of an action: whether it worked and the status line to show.
  struct Outcome {
    bool succeeded;
    std::string status;
  };

  OpenAIKeySettings(const AccountState& account, OpenAIKeychain& keychain)
      : account_(account), keychain_(keychain) {}

  // The status line when the screen appears: sign-in needed, key saved or no key.
  std::string status() const;
  Outcome save(const std::string& key);
  Outcome remove();

 private:
  const AccountState& account_;
  OpenAIKeychain& keychain_;
};

}  // namespace ondi
