#pragma once

#include <functional>
#include <string>

#include "core/util/Lifetime.h"

namespace ondi {

struct AccountState;
class OpenAIKeychain;

// What the Settings screen's API key section says and does for the signed-in account. An
// action's completion is dropped once this is gone.
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
  // Each action completes once, later, on the main loop.
  void save(const std::string& key, std::function<void(Outcome)> completion);
  void remove(std::function<void(Outcome)> completion);

 private:
  const AccountState& account_;
  OpenAIKeychain& keychain_;
  Lifetime lifetime_;
};

}  // namespace ondi
